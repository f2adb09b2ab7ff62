#include "IniFile.h"

#include <algorithm>
#include <utility>

#include "IniLines.h"

IniFile::IniFile(std::string text) : bytes_(std::move(text)) {
    IniLines lines(bytes_);
    startsWithByteOrderMark_ = lines.StartsWithByteOrderMark();
    while (const std::optional<IniLine> line = lines.Next()) {
        if (line->opensSection) {
            sections_.push_back({line->name, {}});
        } else {
            sections_.back().entries.push_back({line->name, line->value});
        }
    }
}

IniFile::Section& IniFile::FindOrAddSection(std::string_view name) {
    const std::string_view wanted = TrimIniBlanks(name);
    const auto found = std::ranges::find_if(sections_, [&](const Section& s) { return SameIniName(s.name, wanted); });
    if (found != sections_.end()) return *found;
    sections_.push_back({Keep(TrimLeadingIniBlanks(name)), {}});
    return sections_.back();
}

void IniFile::AddEntry(Section& section, std::string_view key, std::string_view value) {
    section.entries.push_back({Keep(TrimLeadingIniBlanks(key)), Keep(TrimLeadingIniBlanks(value))});
}

std::string_view IniFile::Keep(std::string_view text) { return addedTexts_.emplace_back(text); }

bool IniFile::SetValue(std::string_view section, std::string_view key, std::string_view value) {
    Section& target = FindOrAddSection(section);
    const std::string_view name = TrimIniBlanks(key);
    const auto entry = std::ranges::find_if(target.entries, [&](const Entry& e) { return SameIniName(e.name, name); });
    if (entry == target.entries.end()) {
        AddEntry(target, key, value);
        return true;
    }
    value = TrimLeadingIniBlanks(value);
    if (entry->value && *entry->value == value) return false;
    entry->value = Keep(value);
    return true;
}

bool IniFile::ReplaceSection(std::string_view section, const char* block) {
    bool changed = false;
    // Win32 empties the sections whose name matches as given, blanks included,
    // then adds the lines where a write of one value would put them.
    for (Section& existing : sections_) {
        if (!SameIniName(existing.name, section) || existing.entries.empty()) continue;
        existing.entries.clear();
        changed = true;
    }
    for (std::string_view line = block; !line.empty(); line = block) {
        block += line.size() + 1;
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) continue;
        AddEntry(FindOrAddSection(section), line.substr(0, equals), line.substr(equals + 1));
        changed = true;
    }
    return changed;
}

std::string IniFile::Bytes() const {
    std::string bytes(startsWithByteOrderMark_ ? kUtf8ByteOrderMark : "");
    for (const Section& section : sections_) {
        if (!section.name.empty()) {
            bytes += '[';
            bytes += section.name;
            bytes += "]\r\n";
        }
        for (const Entry& entry : section.entries) {
            bytes += entry.name;
            if (entry.value) {
                bytes += '=';
                bytes += *entry.value;
            }
            bytes += "\r\n";
        }
    }
    return bytes;
}
