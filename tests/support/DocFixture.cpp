#include "support/DocFixture.h"

#include "resources/StringTable.h"

namespace orvek::test {

DocFixture::DocFixture(CivilDate today) : clock(today) {}

COvDoc& DocFixture::start() {
    doc = std::make_unique<COvDoc>(fs, clock, host, folder);
    doc->startUp();
    return *doc;
}

std::filesystem::path DocFixture::path(int fileNameId) const {
    return folder / pathFromUtf8(stringText(fileNameId));
}

void DocFixture::putFile(int fileNameId, const Bytes& data) { fs.files[path(fileNameId).lexically_normal().string()] = data; }

std::optional<Bytes> DocFixture::file(int fileNameId) { return fs.readFile(path(fileNameId)); }

int DocFixture::addCongregation(const std::string& name, int circuit) {
    CongregationRecord r;
    r.name = name;
    r.circuitNumber = static_cast<std::uint16_t>(circuit);
    int n = doc->addCongregation(r);
    doc->sortCongregations();
    return n;
}

int DocFixture::addBrother(const std::string& first, const std::string& last, int congregation,
                           std::vector<int> talks) {
    BrotherRecord r;
    r.firstName = first;
    r.lastName = last;
    r.congregationNumber = static_cast<std::uint16_t>(congregation);
    for (int t : talks) r.talks.set(t);
    BrotherExtensionRecord ext;
    int n = doc->addBrother(r, ext);
    doc->sortBrothers();
    return n;
}

} // namespace orvek::test
