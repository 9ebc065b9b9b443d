#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvek {

// An INI settings file with the semantics of the Windows profile functions:
// section and key names compare without regard to letter case, a missing key
// yields the caller's default, and writing one key keeps every other line,
// comment and section where it was. Text is UTF-8 in memory and
// Windows-1252 on disk; lines end with CR LF.
class IniFile {
public:
    // Parses the bytes of a file (Windows-1252). Never fails: lines that are
    // neither sections nor keys are kept as they are.
    static IniFile parse(std::string_view cp1252Bytes);
    // The file's bytes (Windows-1252, CR LF).
    std::string serialize() const;

    // The value of a key, trimmed, with one pair of enclosing quotes removed;
    // nullopt when the section or key is missing.
    std::optional<std::string> get(std::string_view section, std::string_view key) const;
    std::string getString(std::string_view section, std::string_view key, std::string_view def) const;
    // The integer of a key as the profile functions read it: the default when
    // the key is missing or empty, a leading decimal (or 0x hex) number
    // otherwise, 0 when there is none.
    long getInt(std::string_view section, std::string_view key, long def) const;

    // Sets a key, adding the key (at the end of its section) or the section
    // (at the end of the file) when missing. A value with blanks at either end
    // or in enclosing quotes is written in quotes, so that get() returns it
    // unchanged. A value holds no line break.
    void set(std::string_view section, std::string_view key, std::string_view value);
    void setInt(std::string_view section, std::string_view key, long value);

    const std::vector<std::string>& lines() const { return lines_; }

private:
    // Index of the section header line, or -1.
    int findSection(std::string_view section) const;
    // Index of the key line within the section starting after `header`, or -1.
    int findKey(int header, std::string_view key) const;
    // One past the last line of the section starting after `header`.
    int sectionEnd(int header) const;

    std::vector<std::string> lines_;
};

} // namespace orvek
