#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "platform/TestHost.h"
#include "store/Document.h"
#include "support/MemoryFileSystem.h"

namespace orvek::test {

// A document over an in-memory data folder with a fixed date and a
// scripted host.
struct DocFixture {
    explicit DocFixture(CivilDate today = {2026, 12, 11});

    // Starts (or restarts) the document on the files as they are.
    COvDoc& start();

    std::filesystem::path path(int fileNameId) const;
    void putFile(int fileNameId, const Bytes& data);
    std::optional<Bytes> file(int fileNameId);

    // A congregation / brother added through the document.
    int addCongregation(const std::string& name, int circuit = 0);
    int addBrother(const std::string& first, const std::string& last, int congregation,
                   std::vector<int> talks = {});

    std::filesystem::path folder{"/data"};
    MemoryFileSystem fs;
    FixedClock clock;
    TestHost host;
    std::unique_ptr<COvDoc> doc;
};

// Concatenated encodings of records.
template <class R>
Bytes encodeRecords(const std::vector<R>& rows) {
    Bytes out;
    for (const auto& r : rows) {
        auto e = r.encode();
        out.insert(out.end(), e.begin(), e.end());
    }
    return out;
}

} // namespace orvek::test
