// The settings file parser and writer on arbitrary bytes.
//
// Input: a 16-bit little-endian length and that many bytes of file, then
// operations of one byte each followed by a section, a key and a value (each
// a length byte and its bytes). Section, key and value are Windows-1252 like
// every text the program writes to the file.

#include <string>
#include <vector>

#include "FuzzInput.h"
#include "store/Ini.h"
#include "store/Text.h"

namespace {

using namespace orvek;
using orvek::fuzz::require;

std::string_view trimWs(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

std::string without(std::string s, std::string_view chars) {
    std::erase_if(s, [&](char c) { return chars.find(c) != std::string_view::npos; });
    return s;
}

// A section name the file can hold: no line break, no closing bracket.
std::string sectionName(std::string_view raw) { return without(cp1252ToUtf8(raw), "\r\n]"); }

// A key name the file can hold: no line break, no "=", and not read as a
// comment or a section header.
std::string keyName(std::string_view raw) {
    std::string k = without(cp1252ToUtf8(raw), "\r\n=");
    std::string_view t = trimWs(k);
    if (!t.empty() && (t.front() == ';' || t.front() == '[')) k.insert(k.begin(), 'k');
    return k;
}

// A value the file can hold on one line; anything else is allowed, blanks and
// quotes at either end included.
std::string valueText(std::string_view raw) { return without(cp1252ToUtf8(raw), "\r\n"); }

struct Assignment {
    std::string section;
    std::string key;
    std::string value;
    bool isInt = false;
    long number = 0;
};

bool sameKey(const Assignment& a, const Assignment& b) {
    return equalsIgnoreCase(trimWs(a.section), trimWs(b.section)) && equalsIgnoreCase(trimWs(a.key), trimWs(b.key));
}

// One set changes the lines in one of two ways: the key's line is replaced
// in place, or new lines (a blank line and a section header when the section
// is new, then the key's line) are inserted in one block. Every other line
// stays as it was, in its place.
void checkOneSet(const std::vector<std::string>& before, const std::vector<std::string>& after, const Assignment& a) {
    std::string keyPrefix = std::string(trimWs(a.key)) + "=";
    auto isKeyLine = [&](const std::string& l) { return l.rfind(keyPrefix, 0) == 0; };
    if (after.size() == before.size()) {
        std::size_t changed = 0;
        for (std::size_t i = 0; i < before.size(); ++i) {
            if (before[i] == after[i]) continue;
            ++changed;
            require(isKeyLine(after[i]), "a replaced line is the key's line");
            require(before[i].find('=') != std::string::npos, "only a key line is replaced");
        }
        require(changed <= 1, "a set replaces at most one line");
        return;
    }
    require(after.size() > before.size() && after.size() - before.size() <= 3, "a set inserts at most three lines");
    std::size_t added = after.size() - before.size();
    std::size_t j = 0;
    while (j < before.size() && before[j] == after[j]) ++j;
    for (std::size_t i = j; i < before.size(); ++i)
        require(before[i] == after[i + added], "lines after an insertion are kept in order");
    require(isKeyLine(after[j + added - 1]), "the inserted block ends with the key's line");
    if (added >= 2) {
        require(j == before.size(), "a new section goes at the end of the file");
        require(after[j + added - 2] == "[" + std::string(trimWs(a.section)) + "]", "a new section's header");
    }
    if (added == 3) require(trimWs(after[j]).empty(), "a blank line before a new section");
}

void checkReadBack(const IniFile& ini, const std::vector<Assignment>& log) {
    for (std::size_t i = 0; i < log.size(); ++i) {
        bool overwritten = false;
        for (std::size_t k = i + 1; k < log.size() && !overwritten; ++k) overwritten = sameKey(log[i], log[k]);
        if (overwritten) continue;
        const Assignment& a = log[i];
        auto v = ini.get(a.section, a.key);
        require(v.has_value(), "a key set is found");
        if (a.isInt)
            require(ini.getInt(a.section, a.key, -7) == a.number, "an integer set reads back");
        else
            require(*v == a.value, "a value set reads back unchanged");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    std::string_view file = in.bytes(in.u16());

    IniFile ini = IniFile::parse(file);
    const std::vector<std::string> original = ini.lines();
    require(IniFile::parse(ini.serialize()).lines() == original, "a file read and written reads the same");

    std::vector<Assignment> log;
    while (!in.empty()) {
        std::uint8_t op = in.byte();
        std::string_view rawSection = in.piece(), rawKey = in.piece(), rawValue = in.piece();
        switch (op % 3) {
        case 0: {
            Assignment a{sectionName(rawSection), keyName(rawKey), valueText(rawValue)};
            std::vector<std::string> before = ini.lines();
            ini.set(a.section, a.key, a.value);
            checkOneSet(before, ini.lines(), a);
            log.push_back(std::move(a));
            break;
        }
        case 1: {
            Assignment a{sectionName(rawSection), keyName(rawKey), {}, true, in.i32()};
            std::vector<std::string> before = ini.lines();
            ini.setInt(a.section, a.key, a.number);
            checkOneSet(before, ini.lines(), a);
            log.push_back(std::move(a));
            break;
        }
        default: {
            // Any section and key may be asked for.
            std::string s = cp1252ToUtf8(rawSection), k = cp1252ToUtf8(rawKey);
            auto v = ini.get(s, k);
            require(ini.getString(s, k, "default") == (v ? *v : "default"), "getString is get with a default");
            long n = ini.getInt(s, k, 12345);
            require(v && !v->empty() ? n >= INT32_MIN && n <= INT32_MAX : n == 12345, "getInt reads 32 bits");
            break;
        }
        }
    }
    checkReadBack(ini, log);

    IniFile again = IniFile::parse(ini.serialize());
    require(again.lines() == ini.lines(), "the written file reads back line for line");
    checkReadBack(again, log);
    return 0;
}
