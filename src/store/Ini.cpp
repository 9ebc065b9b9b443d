#include "store/Ini.h"

#include <cctype>

#include "store/Text.h"

namespace orvek {

namespace {

std::string_view trimWs(std::string_view s) {
    std::size_t a = 0, e = s.size();
    while (a < e && (s[a] == ' ' || s[a] == '\t')) ++a;
    while (e > a && (s[e - 1] == ' ' || s[e - 1] == '\t')) --e;
    return s.substr(a, e - a);
}

// The section name of a header line "[name]", or nullopt.
std::optional<std::string_view> headerName(std::string_view line) {
    std::string_view t = trimWs(line);
    if (t.size() < 2 || t.front() != '[') return std::nullopt;
    std::size_t close = t.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return trimWs(t.substr(1, close - 1));
}

bool isComment(std::string_view line) {
    std::string_view t = trimWs(line);
    return !t.empty() && t.front() == ';';
}

bool isQuoted(std::string_view v) {
    return v.size() >= 2 && ((v.front() == '"' && v.back() == '"') || (v.front() == '\'' && v.back() == '\''));
}

// The text written after "key=": the value itself, or the value in quotes
// when reading would otherwise change it (blanks at either end are trimmed
// and one pair of enclosing quotes is removed), so that every value reads
// back as it was set.
std::string storedValue(std::string_view value) {
    if (trimWs(value).size() == value.size() && !isQuoted(value)) return std::string(value);
    return "\"" + std::string(value) + "\"";
}

} // namespace

IniFile IniFile::parse(std::string_view bytes) {
    IniFile ini;
    std::string text = cp1252ToUtf8(bytes);
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t nl = text.find('\n', start);
        std::size_t end = nl == std::string::npos ? text.size() : nl;
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        ini.lines_.push_back(std::move(line));
        if (nl == std::string::npos) break;
        start = nl + 1;
    }
    return ini;
}

std::string IniFile::serialize() const {
    std::string out;
    for (const auto& l : lines_) {
        out += utf8ToCp1252Lossy(l);
        out += "\r\n";
    }
    return out;
}

int IniFile::findSection(std::string_view section) const {
    std::string_view want = trimWs(section);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        auto name = headerName(lines_[i]);
        if (name && equalsIgnoreCase(*name, want)) return static_cast<int>(i);
    }
    return -1;
}

int IniFile::sectionEnd(int header) const {
    std::size_t i = static_cast<std::size_t>(header) + 1;
    while (i < lines_.size() && !headerName(lines_[i])) ++i;
    return static_cast<int>(i);
}

int IniFile::findKey(int header, std::string_view key) const {
    std::string_view want = trimWs(key);
    int end = sectionEnd(header);
    for (int i = header + 1; i < end; ++i) {
        const std::string& l = lines_[static_cast<std::size_t>(i)];
        if (isComment(l)) continue;
        std::size_t eq = l.find('=');
        if (eq == std::string::npos) continue;
        if (equalsIgnoreCase(trimWs(std::string_view(l).substr(0, eq)), want)) return i;
    }
    return -1;
}

std::optional<std::string> IniFile::get(std::string_view section, std::string_view key) const {
    int h = findSection(section);
    if (h < 0) return std::nullopt;
    int k = findKey(h, key);
    if (k < 0) return std::nullopt;
    std::string_view l = lines_[static_cast<std::size_t>(k)];
    std::string_view v = trimWs(l.substr(l.find('=') + 1));
    if (isQuoted(v)) v = v.substr(1, v.size() - 2);
    return std::string(v);
}

std::string IniFile::getString(std::string_view section, std::string_view key, std::string_view def) const {
    auto v = get(section, key);
    return v ? *v : std::string(def);
}

long IniFile::getInt(std::string_view section, std::string_view key, long def) const {
    auto v = get(section, key);
    if (!v || v->empty()) return def;
    std::string_view s = *v;
    std::size_t i = 0;
    bool neg = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) neg = s[i++] == '-';
    int base = 10;
    if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    unsigned long long n = 0;
    for (; i < s.size(); ++i) {
        int d;
        char c = s[i];
        if (c >= '0' && c <= '9') d = c - '0';
        else if (base == 16 && std::isxdigit(static_cast<unsigned char>(c))) d = std::tolower(c) - 'a' + 10;
        else break;
        n = n * static_cast<unsigned>(base) + static_cast<unsigned>(d);
        if (n > 0xFFFFFFFFull) n &= 0xFFFFFFFFull; // 32-bit like the profile functions
    }
    auto u = static_cast<std::uint32_t>(n);
    if (neg) u = static_cast<std::uint32_t>(0u - u);
    return static_cast<long>(static_cast<std::int32_t>(u));
}

void IniFile::set(std::string_view section, std::string_view key, std::string_view value) {
    std::string line = std::string(trimWs(key)) + "=" + storedValue(value);
    int h = findSection(section);
    if (h < 0) {
        if (!lines_.empty() && !trimWs(lines_.back()).empty()) lines_.emplace_back();
        lines_.push_back("[" + std::string(trimWs(section)) + "]");
        lines_.push_back(std::move(line));
        return;
    }
    int k = findKey(h, key);
    if (k >= 0) {
        lines_[static_cast<std::size_t>(k)] = std::move(line);
        return;
    }
    // After the last non-blank line of the section.
    int end = sectionEnd(h);
    int at = end;
    while (at > h + 1 && trimWs(lines_[static_cast<std::size_t>(at - 1)]).empty()) --at;
    lines_.insert(lines_.begin() + at, std::move(line));
}

void IniFile::setInt(std::string_view section, std::string_view key, long value) {
    set(section, key, std::to_string(value));
}

} // namespace orvek
