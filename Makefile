# The two set-up commands of the README: `make run` and `make test`.
# Both install what is missing from Debian's packages first.

JOBS ?= $(shell nproc 2>/dev/null || echo 2)
FUZZ_RUNS ?= 100000

# Packages the build, the tests and the program need.
PACKAGES := cmake make g++ pkg-config \
	qt6-base-dev libgl-dev fonts-liberation2 \
	libgtest-dev libgmock-dev libbenchmark-dev \
	nlohmann-json3-dev libcli11-dev
# Extra packages for `make fuzz`.
FUZZ_PACKAGES := clang libclang-rt-14-dev

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

define install_missing
	@missing=""; for p in $(1); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $$missing; \
	fi
endef

.PHONY: deps build test run demo fuzz bench asan format clean

deps:
	$(call install_missing,$(PACKAGES))

build: deps
	cmake --preset default >/dev/null
	cmake --build --preset default -j $(JOBS)

test: build
	ctest --preset default -j $(JOBS)

DEMO_DIR := build/demo-data

demo: build
	@[ -f $(DEMO_DIR)/speakers.dat ] || (mkdir -p $(DEMO_DIR) && build/orvek-cli demo $(DEMO_DIR))

run: demo
	build/orvek --data $(DEMO_DIR)

bench: build
	build/orvek_bench

fuzz:
	$(call install_missing,$(PACKAGES) $(FUZZ_PACKAGES))
	FUZZ_RUNS=$(FUZZ_RUNS) JOBS=$(JOBS) bash fuzz/run.sh

asan: deps
	cmake --preset asan >/dev/null
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build build-asan build-fuzz
