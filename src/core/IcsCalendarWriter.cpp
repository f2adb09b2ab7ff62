#include "IcsCalendarWriter.h"

#include <cstdint>
#include <cstdio>
#include <utility>

#include "IcsText.h"

namespace {

std::string DateValue(const COleDateTime& date) {
    char text[16] = {};
    std::snprintf(text, sizeof text, "%04d%02d%02d", date.GetYear(), date.GetMonth(), date.GetDay());
    return text;
}

// FNV-1a, 64 bits: stable across runs, builds and systems, unlike std::hash.
std::uint64_t StableHash(const std::string& text) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (unsigned char octet : text) {
        hash ^= octet;
        hash *= 1099511628211ULL;
    }
    return hash;
}

}  // namespace

IcsCalendarWriter::IcsCalendarWriter(std::string stampUtc) : stamp_(std::move(stampUtc)) {}

void IcsCalendarWriter::AddNote(const COleDateTime& date, const std::string& utf8Text) {
    const std::string day = DateValue(date);
    char uid[64] = {};
    std::snprintf(uid, sizeof uid, "%s-%016llx@wispane-calendar", day.c_str(),
                  static_cast<unsigned long long>(StableHash(day + '\n' + utf8Text)));
    events_ += "BEGIN:VEVENT\r\n";
    events_ += ics::FoldLine(std::string("UID:") + uid);
    events_ += ics::FoldLine("DTSTAMP:" + stamp_);
    events_ += ics::FoldLine("DTSTART;VALUE=DATE:" + day);
    events_ += ics::FoldLine("DTEND;VALUE=DATE:" + DateValue(COleDateTime::FromSerial(date.Serial() + 1)));
    events_ += ics::FoldLine("SUMMARY:" + ics::EscapeText(utf8Text));
    events_ += ics::FoldLine("TRANSP:TRANSPARENT");
    events_ += "END:VEVENT\r\n";
}

std::string IcsCalendarWriter::Finish() const {
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Wispane//Wispane Calendar//EN\r\nCALSCALE:GREGORIAN\r\n" +
           events_ + "END:VCALENDAR\r\n";
}
