#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs every one of them for FUZZ_RUNS
# executions on its own corpus under build-fuzz/corpus/<target>, seeded with
# a few small valid inputs made here. Prints one line per target and fails
# when any target fails; its log and the input that broke it stay under
# build-fuzz/logs and build-fuzz/artifacts.
set -euo pipefail
cd "$(dirname "$0")/.."

RUNS=${FUZZ_RUNS:-100000}
JOBS=${JOBS:-2}
MAX_LEN=${FUZZ_MAX_LEN:-65536}
BUILD=build-fuzz

targets=()
for src in fuzz/fuzz_*.cpp; do targets+=("$(basename "$src" .cpp)"); done
[ ${#targets[@]} -gt 0 ] || { echo "no fuzz targets in fuzz/" >&2; exit 1; }

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$JOBS" --target "${targets[@]}" >"$BUILD/build.log" 2>&1 ||
    { tail -n 40 "$BUILD/build.log" >&2; echo "fuzz build failed (log: $BUILD/build.log)" >&2; exit 1; }

# ---- Seed inputs: bytes written with printf, so that no binary file is kept.

zeros() { head -c "$1" /dev/zero; }
u16() { printf "\\x$(printf %02x $(($1 & 255)))\\x$(printf %02x $(($1 >> 8 & 255)))"; }
byte() { printf "\\x$(printf %02x $(($1 & 255)))"; }
# A text field: the text (printf escapes allowed), zero-filled to its width.
field() {
    local bytes
    bytes=$(printf "$1" | wc -c)
    printf "$1"
    zeros $(($2 - bytes))
}
# A length-prefixed piece of text for the text and settings targets.
piece() {
    byte "$(printf "$1" | wc -c)"
    printf "$1"
}
# A frame of the record files target: file choice, 16-bit length, bytes.
frame() {
    byte "$1"
    u16 "$(wc -c <"$2")"
    cat "$2"
}

brother() { # position first last congregation roles talks-byte
    field "$2" 20; field "$3" 20; field "Kotikatu $1" 40; field "20100 Turku" 40; field "040 123 45$1" 16
    byte "$6"; zeros 31; zeros 32
    byte 2; byte "$5"; u16 "$4"; u16 "$1"; u16 "$1"; zeros 48
}

congregation() { # number name meeting-day
    field "$2" 50; field "Valtakunnansali" 41; field "Koulukatu 1" 41; field "02 123 456" 16; field "" 16
    field "10:00" 10; u16 "$1"; zeros 2; u16 30001; zeros 2; u16 1; u16 2; u16 1
    field "12:00" 10; field "aura.jpg" 28; byte "$3"; byte "$3"; zeros 28
}

talk() { # number title
    field "$2" 93; field "$1" 7; u16 "$1"; u16 1; zeros 50
}

week() { # week speaker talk congregation flags
    u16 "$1"; u16 "$2"; u16 "$3"; u16 "$4"; u16 884; u16 884; zeros 2; u16 1; u16 2; u16 30001; u16 "$5"; zeros 6
    u16 2; zeros 10; u16 1; zeros 10; u16 5; zeros 10
}

seed_record_files() {
    local dir=$1 tmp
    tmp=$(mktemp -d)
    # Today 2026-12-11: the window holds weeks 885..1884.
    { byte 26; byte 11; byte 10; } >"$dir/seed-empty"
    { zeros 256; brother 1 "Matti" "Aalto" 1 22 7; brother 2 "\xc4ij\xe4" "\xd6hman" 1 4 1; } >"$tmp/speakers"
    { zeros 256; congregation 1 "Aura" 6; } >"$tmp/cong"
    { field "Turku 2" 30; u16 30001; } >"$tmp/circuit"
    { field "~Virtanen" 30; u16 30001; field "Lehto" 30; u16 30002; } >"$tmp/hospital"
    { talk 1 "Kuinka hyvin tunnet Jumalan?"; talk 2 "Tuomion p\xe4iv\xe4"; talk 161 "Erikoisesitelm\xe4"; } >"$tmp/talk"
    { field "Raamattu / Jumala" 46; u16 1; field "Perhe / Nuoret" 46; u16 5; } >"$tmp/topic"
    { week 10 0 0 0 1; week 1400 1 2 1 1; week 1401 2 1 1 3; week 3000 1 1 1 1; } >"$tmp/history"
    { u16 1; u16 1400; zeros 4; u16 2; u16 1500; zeros 4; } >"$tmp/blackout"
    { byte 7; zeros 31; byte 1; zeros 31; byte 4; zeros 31; } >"$tmp/wishlist"
    { u16 1400; u16 2; field "Konventti" 40; field "Teema" 96; zeros 4; } >"$tmp/special"
    { u16 1; field "050 111" 16; field "" 16; field "matti@example.org" 48; field "" 46; } >"$tmp/xtend"
    { u16 2; field "050 222" 16; field "" 16; field "aija@example.org" 62; } >"$tmp/extend"
    printf '[Congregation]\r\nNumber=1\r\n\r\n[Seurakunta]\r\nP\xe4iv\xe4 ensin=1\r\n' >"$tmp/ini"
    local i=0 name
    {
        byte 26; byte 11; byte 10
        for name in speakers cong circuit hospital talk topic history blackout wishlist special xtend; do
            frame $i "$tmp/$name"; i=$((i + 1))
        done
        frame 12 "$tmp/ini"
    } >"$dir/seed-folder"
    # Started in 2009 on brothers and an old extension file only.
    { byte 9; byte 0; byte 0; frame 0 "$tmp/speakers"; frame 11 "$tmp/extend"; } >"$dir/seed-legacy"
    rm -rf "$tmp"
}

seed_ini() {
    local dir=$1 ini
    ini='[Congregation]\r\nNumber=12\r\n\r\n[Aikataulun formaatti]\r\nOtsikko="Yleis\xf6kokousten aikataulu "\r\n'
    ini+='Palkit=4\r\nPalkit*=0xC0C0C0\r\n; kommentti\r\n\r\n[AutoCap]\r\nK\xe4yt\xf6ss\xe4=1\r\n'
    {
        u16 "$(printf "$ini" | wc -c)"; printf "$ini"
        byte 0; piece "Aikataulun formaatti"; piece "Otsikko"; piece " Uusi otsikko "
        byte 1; piece "Congregation"; piece "Number"; piece ""; u16 7; u16 0
        byte 0; piece "Uusi"; piece "Avain"; piece "\"lainattu\""
        byte 2; piece "autocap"; piece "K\xc4YT\xd6SS\xc4"; piece ""
    } >"$dir/seed-settings"
    { u16 0; byte 0; piece "A"; piece "b"; piece "c"; } >"$dir/seed-empty"
}

seed_text() {
    local dir=$1
    {
        byte 3; piece "Aalto, Matti"; piece "\xc4ij\xe4l\xe4, Pekka"; piece "  \xe5ke \x8a\x9a"
        printf '\x80\x81\x9f\xff'
    } >"$dir/seed-names"
    { byte 2; piece "\xc3\xa4\xc3\xb6"; piece "\xe2\x82\xac"; piece "\xf0\x9f\x98\x80"; printf 'valid UTF-8'; } \
        >"$dir/seed-utf8"
}

seed_dates() {
    local dir=$1
    # finnish, day-first, today 2019, meeting on Sunday; flags year+numeric; no code; week 1000
    { byte 0x80; byte 19; byte 6; byte 6; byte 0x0A; byte 0; u16 1000; printf '190107000103380419991301001226'; } \
        >"$dir/seed-finnish"
    # hrvatski, service year, today 2030, Saturday/Thursday; flag no-shift; code 3; week 1
    { byte 0x42; byte 30; byte 5; byte 3; byte 0x20; byte 3; u16 1; printf '000226010222361231'; } >"$dir/seed-service"
}

# ---- Runs.

mkdir -p "$BUILD/logs" "$BUILD/artifacts"
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
failed=0
for t in "${targets[@]}"; do
    corpus="$BUILD/corpus/$t"
    mkdir -p "$corpus"
    if declare -F "seed_${t#fuzz_}" >/dev/null; then "seed_${t#fuzz_}" "$corpus"; fi
    log="$BUILD/logs/$t.log"
    start=$(date +%s.%N)
    rc=0
    "$BUILD/$t" -runs="$RUNS" -seed=1 -max_len="$MAX_LEN" -print_final_stats=1 \
        -artifact_prefix="$BUILD/artifacts/$t-" "$corpus" >"$log" 2>&1 || rc=$?
    end=$(date +%s.%N)
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    if [ -z "$execs" ]; then
        execs=$(sed -n 's/^#\([0-9][0-9]*\).*/\1/p' "$log" | tail -n 1)
    fi
    seconds=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.1f", b - a }')
    if [ "$rc" -eq 0 ]; then
        result=ok
    else
        failed=1
        why=$(grep -m 1 -oE '(invariant broken|runtime error|ERROR: [A-Za-z]+Sanitizer|ERROR: libFuzzer).*' "$log" || true)
        result="FAILED: ${why:-exit $rc} (log $log"
        artifact=$(sed -n 's/.*Test unit written to \(.*\)$/\1/p' "$log" | tail -n 1)
        [ -n "$artifact" ] && result+=", input $artifact"
        result+=")"
    fi
    printf '%-20s %8s executions %8s s  %s\n' "$t" "${execs:-0}" "$seconds" "$result"
done
exit "$failed"
