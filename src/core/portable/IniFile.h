#pragma once
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// An INI file held line by line for writing, as the Win32 private-profile
// functions (Wine's behaviour is the reference) rewrite it: lines read as
// IniLines gives them, so blank lines are dropped; lines before the first
// section belong to a nameless one; of several sections or keys with one name
// the first is the one that counts. Every other byte passes through unchanged.
class IniFile {
public:
    explicit IniFile(std::string bytes);
    // Names and values point into the object's own text.
    IniFile(const IniFile&) = delete;
    IniFile& operator=(const IniFile&) = delete;

    // WritePrivateProfileString: replaces the value of the key, else adds the key
    // at the end of its section, else adds the section at the end. Blanks around
    // the names are ignored in the search; leading blanks of new names and of the
    // value are dropped. Returns whether anything changed.
    bool SetValue(std::string_view section, std::string_view key, std::string_view value);

    // WritePrivateProfileSection: empties every section of that name, then adds
    // each "key=value" line of the NUL-ended block (others are skipped) to the
    // first one, creating it at the end when the block holds a line.
    bool ReplaceSection(std::string_view section, const char* block);

    // The file as Win32 writes it: every line ended by CR LF, names and values
    // without the blanks around them, no blank lines.
    std::string Bytes() const;

private:
    struct Entry {
        std::string_view name;
        std::optional<std::string_view> value;
    };
    struct Section {
        std::string_view name;
        std::vector<Entry> entries;
    };

    Section& FindOrAddSection(std::string_view name);
    void AddEntry(Section& section, std::string_view key, std::string_view value);
    std::string_view Keep(std::string_view text);

    const std::string bytes_;
    std::deque<std::string> addedTexts_;  // a deque keeps them in place as it grows
    bool startsWithByteOrderMark_ = false;
    std::vector<Section> sections_{Section{}};
};
