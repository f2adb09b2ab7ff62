// Times the import of an iCalendar file of 10,000 events into an empty settings
// file as the Import command makes it (read the file, load the store, read and
// join, save the section safely, load again to check), against the reader alone;
// and the export of 10,000 notes with the write of its file. The file is made up
// here, like one a calendar service writes: three quarters single events (all-day,
// UTC and zoned times), one quarter rules (weekly classes ending by COUNT, UNTIL or
// never, yearly birthdays, some with EXDATE). Each figure is the median of its runs.
//
//   ics-bench.exe SETTINGS-FILE [RUNS]
//
// SETTINGS-FILE is left holding the last import, for measuring the calendar on it.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <variant>
#include <vector>

#include "COleDateTime.h"
#include "Clock.h"
#include "DateKeys.h"
#include "IcsCalendarReader.h"
#include "LocaleFacts.h"
#include "SafeSave.h"
#include "ScheduleIcs.h"
#include "ScheduleStore.h"
#include "Win32Platform.h"

namespace {

constexpr int kEvents = 10000;
constexpr int kExportNotes = 10000;

// Texts of the kind people give their events, with the characters a writer has to escape.
const char* const kSubjects[] = {
    "Dentist",
    "Team meeting, room 4",
    "Call with Anna; bring the notes",
    "Project review: budget, plan; risks",
    "Lunch with Tom",
    "Flight LH 401 to New York",
    "Parents' evening",
    "Yoga",
    "Elternabend; Schule am Markt",
    "Zahnarzt Dr. Müller",
    "歯医者",
    "会議（第3会議室）",
    "打ち合わせ、資料持参",
    "田中さんと昼食",
    "英会話レッスン",
    "プロジェクト定例; 進捗確認",
    "Car service, Garage Nord",
    "Pay rent",
    "Choir rehearsal",
    "Quarterly report due",
};
const char* const kClasses[] = {
    "Linear algebra, lecture",
    "Piano lesson",
    "Swimming; pool B",
    "German course B1",
    "数学（2限）",
    "ピアノ教室",
    "Statistics tutorial, room 2.13",
    "Football training",
};
const char* const kNames[] = {"Anna", "Tom", "Keiko", "Hans", "佐藤さん", "Marie", "鈴木 一郎", "Oliver"};
const char* const kWeekdays[] = {"SU", "MO", "TU", "WE", "TH", "FR", "SA"};

const char kTimeZones[] =
    "BEGIN:VTIMEZONE\r\nTZID:Europe/Berlin\r\nX-LIC-LOCATION:Europe/Berlin\r\n"
    "BEGIN:DAYLIGHT\r\nTZOFFSETFROM:+0100\r\nTZOFFSETTO:+0200\r\nTZNAME:CEST\r\n"
    "DTSTART:19700329T020000\r\nRRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU\r\nEND:DAYLIGHT\r\n"
    "BEGIN:STANDARD\r\nTZOFFSETFROM:+0200\r\nTZOFFSETTO:+0100\r\nTZNAME:CET\r\n"
    "DTSTART:19701025T030000\r\nRRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\r\nEND:STANDARD\r\n"
    "END:VTIMEZONE\r\n"
    "BEGIN:VTIMEZONE\r\nTZID:America/New_York\r\nX-LIC-LOCATION:America/New_York\r\n"
    "BEGIN:DAYLIGHT\r\nTZOFFSETFROM:-0500\r\nTZOFFSETTO:-0400\r\nTZNAME:EDT\r\n"
    "DTSTART:19700308T020000\r\nRRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=2SU\r\nEND:DAYLIGHT\r\n"
    "BEGIN:STANDARD\r\nTZOFFSETFROM:-0400\r\nTZOFFSETTO:-0500\r\nTZNAME:EST\r\n"
    "DTSTART:19701101T020000\r\nRRULE:FREQ=YEARLY;BYMONTH=11;BYDAY=1SU\r\nEND:STANDARD\r\n"
    "END:VTIMEZONE\r\n";

std::string Escaped(const std::string& text) {
    std::string escaped;
    for (const char character : text) {
        if (character == ',' || character == ';' || character == '\\') escaped += '\\';
        escaped += character;
    }
    return escaped;
}

// A content line folded at 75 octets, never inside a UTF-8 sequence.
void AddLine(std::string& file, const std::string& line) {
    std::size_t at = 0;
    std::size_t room = 75;
    while (line.size() - at > room) {
        std::size_t end = at + room;
        while ((static_cast<unsigned char>(line[end]) & 0xC0) == 0x80) --end;
        file.append(line, at, end - at);
        file += "\r\n ";
        at = end;
        room = 74;
    }
    file.append(line, at, std::string::npos);
    file += "\r\n";
}

std::string Date(const COleDateTime& day) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02d%02d", day.GetYear(), day.GetMonth(), day.GetDay());
    return text;
}

std::string DateTime(const COleDateTime& day, int minutes) {
    char text[16];
    std::snprintf(text, sizeof text, "T%02d%02d00", minutes / 60, minutes % 60);
    return Date(day) + text;
}

std::string Uid(std::mt19937& random) {
    static const char kLetters[] = "0123456789abcdefghijklmnopqrstuv";
    std::string uid;
    for (int n = 0; n < 26; ++n) uid += kLetters[random() % 32];
    return uid + "@google.com";
}

std::string MakeCalendar() {
    std::mt19937 random(20261210);
    const COleDateTime first(2024, 1, 1);
    const int days = COleDateTime(2028, 12, 31) - first + 1;
    std::string file =
        "BEGIN:VCALENDAR\r\nPRODID:-//Google Inc//Google Calendar 70.9054//EN\r\nVERSION:2.0\r\n"
        "CALSCALE:GREGORIAN\r\nMETHOD:PUBLISH\r\nX-WR-CALNAME:Family and work\r\n"
        "X-WR-TIMEZONE:Europe/Berlin\r\n";
    file += kTimeZones;
    for (int event = 0; event < kEvents; ++event) {
        const COleDateTime day = first + static_cast<int>(random() % days);
        const int minutes = 7 * 60 + static_cast<int>(random() % 30) * 30;  // 07:00 ... 21:30
        const char* zone = random() % 2 ? "Europe/Berlin" : "America/New_York";
        std::vector<std::string> lines;
        if (event % 4 != 3) {
            std::string summary = kSubjects[random() % std::size(kSubjects)];
            if (random() % 3 == 0) summary += " #" + std::to_string(event);
            switch (random() % 3) {
            case 0: {
                const int length = random() % 10 == 0 ? 2 + static_cast<int>(random() % 3) : 1;
                lines.push_back("DTSTART;VALUE=DATE:" + Date(day));
                lines.push_back("DTEND;VALUE=DATE:" + Date(day + length));
                break;
            }
            case 1:
                lines.push_back("DTSTART:" + DateTime(day, minutes) + "Z");
                lines.push_back("DTEND:" + DateTime(day, minutes + 60) + "Z");
                break;
            default:
                lines.push_back(std::string("DTSTART;TZID=") + zone + ":" + DateTime(day, minutes));
                lines.push_back(std::string("DTEND;TZID=") + zone + ":" + DateTime(day, minutes + 90));
                break;
            }
            lines.push_back("SUMMARY:" + Escaped(summary));
        } else {
            const int kind = static_cast<int>(random() % 100);
            if (kind < 24) {  // a birthday, every year
                const std::string name = kNames[random() % std::size(kNames)];
                lines.push_back("DTSTART;VALUE=DATE:" + Date(day));
                lines.push_back("DTEND;VALUE=DATE:" + Date(day + 1));
                lines.push_back("RRULE:FREQ=YEARLY");
                lines.push_back("SUMMARY:" + Escaped(name + (random() % 2 ? "'s birthday" : "の誕生日")));
            } else {  // a class, every week
                const int weekday = day.GetDayOfWeek() - 1;
                std::string rule = "RRULE:FREQ=WEEKLY;WKST=MO;";
                if (kind < 64) {
                    rule += "COUNT=" + std::to_string(10 + random() % 11) + ";";
                } else if (kind < 96) {
                    const COleDateTime until = day + 7 * (8 + static_cast<int>(random() % 13));
                    rule += "UNTIL=" + DateTime(until, 22 * 60 + 59) + "Z;";
                }
                rule += std::string("BYDAY=") + kWeekdays[weekday];
                if (random() % 4 == 0 && weekday < 5) rule += std::string(",") + kWeekdays[weekday + 2];
                const std::string start = DateTime(day, minutes);
                lines.push_back(std::string("DTSTART;TZID=") + zone + ":" + start);
                lines.push_back(std::string("DTEND;TZID=") + zone + ":" + DateTime(day, minutes + 90));
                lines.push_back(rule);
                if (random() % 8 == 0) {  // holidays without the class
                    lines.push_back(std::string("EXDATE;TZID=") + zone + ":" + DateTime(day + 14, minutes));
                    lines.push_back(std::string("EXDATE;TZID=") + zone + ":" + DateTime(day + 21, minutes) + "," +
                                    DateTime(day + 28, minutes));
                }
                std::string summary = kClasses[random() % std::size(kClasses)];
                if (random() % 3 == 0) summary += " (group " + std::to_string(1 + random() % 6) + ")";
                lines.push_back("SUMMARY:" + Escaped(summary));
            }
        }
        AddLine(file, "BEGIN:VEVENT");
        AddLine(file, lines[0]);
        AddLine(file, lines[1]);
        for (std::size_t n = 2; n + 1 < lines.size(); ++n) AddLine(file, lines[n]);
        AddLine(file, "DTSTAMP:20261201T083000Z");
        AddLine(file, "UID:" + Uid(random));
        AddLine(file, "CREATED:20231115T101500Z");
        if (random() % 3 == 0) {
            AddLine(file, "DESCRIPTION:" + Escaped("Agenda:\\n1. What happened since last time, and what did not; "
                                                   "2. Next steps\\n3. Anything else\\nJoin: https://meet.google."
                                                   "com/abc-defg-hij"));
        } else {
            AddLine(file, "DESCRIPTION:");
        }
        AddLine(file, "LAST-MODIFIED:20261130T170000Z");
        AddLine(file, random() % 4 == 0 ? "LOCATION:Hauptstraße 5\\, 10827 Berlin\\, Deutschland" : "LOCATION:");
        AddLine(file, "SEQUENCE:0");
        AddLine(file, "STATUS:CONFIRMED");
        AddLine(file, lines.back());
        AddLine(file, "TRANSP:OPAQUE");
        if (random() % 2 == 0) {
            file += "BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:This is an event reminder\r\n"
                    "TRIGGER:-P0DT0H30M0S\r\nEND:VALARM\r\n";
        }
        AddLine(file, "END:VEVENT");
    }
    file += "END:VCALENDAR\r\n";
    return file;
}

// Notes of 20 to 60 characters, some in Japanese, each on its own day.
std::vector<std::string> ExportLines(const Platform& platform) {
    std::mt19937 random(42);
    std::vector<std::string> lines;
    const COleDateTime first(2010, 1, 1);
    for (int note = 0; note < kExportNotes; ++note) {
        const bool japanese = note % 5 == 0;
        const std::size_t length = 20 + random() % 41;
        std::string text;
        std::size_t characters = 0;
        while (characters < length) {
            const char* subject = japanese ? kSubjects[10 + random() % 6] : kSubjects[random() % 10];
            for (const char* at = subject; *at != '\0' && characters < length; ++at) {
                text += *at;
                if ((static_cast<unsigned char>(*at) & 0xC0) != 0x80) ++characters;
            }
            if (characters < length) {
                text += ' ';
                ++characters;
            }
        }
        // Only whole characters: a cut UTF-8 sequence is dropped.
        while (!text.empty() && (static_cast<unsigned char>(text.back()) & 0x80) != 0) {
            std::size_t start = text.size() - 1;
            while (start > 0 && (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80) --start;
            const std::size_t expected = (static_cast<unsigned char>(text[start]) >= 0xF0)   ? 4
                                         : (static_cast<unsigned char>(text[start]) >= 0xE0) ? 3
                                                                                              : 2;
            if (text.size() - start == expected) break;
            text.resize(start);
        }
        lines.push_back("Schedule=" + platform.dateKeys.Format(first + note) + "," +
                        platform.locale.SystemTextLikeUtf8(text));
    }
    return lines;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
    const HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool done = ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                      written == bytes.size() && ::FlushFileBuffers(file);
    ::CloseHandle(file);
    return done;
}

std::string ReadWholeFile(const std::string& path) {
    const HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    LARGE_INTEGER size{};
    ::GetFileSizeEx(file, &size);
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    ::ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    ::CloseHandle(file);
    bytes.resize(read);
    return bytes;
}

class Stopwatch {
public:
    Stopwatch() {
        ::QueryPerformanceFrequency(&frequency_);
        ::QueryPerformanceCounter(&last_);
    }
    // Milliseconds since the last lap.
    double Lap() {
        LARGE_INTEGER now{};
        ::QueryPerformanceCounter(&now);
        const double milliseconds =
            1000.0 * static_cast<double>(now.QuadPart - last_.QuadPart) / static_cast<double>(frequency_.QuadPart);
        last_ = now;
        return milliseconds;
    }

private:
    LARGE_INTEGER frequency_{};
    LARGE_INTEGER last_{};
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

std::string FullPath(const char* path) {
    char full[MAX_PATH] = {};
    const DWORD length = ::GetFullPathNameA(path, MAX_PATH, full, nullptr);
    return length == 0 || length >= MAX_PATH ? std::string() : std::string(full);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: ics-bench SETTINGS-FILE [RUNS]\n");
        return 2;
    }
    const std::string settings = FullPath(argv[1]);
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 11;
    char folder[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, folder);
    const std::string calendar = std::string(folder) + "ics-bench-import.ics";
    const std::string exportSettings = std::string(folder) + "ics-bench-export.ini";
    const std::string exported = std::string(folder) + "ics-bench-export.ics";
    if (settings.empty() || !WriteWholeFile(calendar, MakeCalendar())) {
        std::fprintf(stderr, "ics-bench: cannot write its files\n");
        return 1;
    }
    Platform& platform = Win32Platform();
    const unsigned codePage = platform.locale.AnsiCodePage();

    // The reader alone, with the window ImportSchedules gives it.
    const LocalTime today = platform.clock.Now();
    IcsReadOptions options;
    options.windowFrom = COleDateTime(today.year - 1, 1, 1);
    options.windowTo = COleDateTime(today.year + 3, 12, 31);

    std::vector<double> whole, readFile, load, import, save, check, reader;
    ScheduleImport last;
    std::size_t lines = 0;
    bool failed = false;
    for (int run = 0; run < runs; ++run) {
        WriteWholeFile(settings, "");
        Stopwatch watch;
        const std::string bytes = ReadWholeFile(calendar);
        readFile.push_back(watch.Lap());
        ScheduleStore store(codePage);
        store.Load(platform, settings);
        load.push_back(watch.Lap());
        auto result = ImportSchedules(bytes, store, platform);
        import.push_back(watch.Lap());
        if (!std::holds_alternative<ScheduleImport>(result)) {
            std::fprintf(stderr, "ics-bench: the file was refused (%d)\n",
                         static_cast<int>(std::get<IcsReadError>(result)));
            return 1;
        }
        const std::vector<std::string> written = store.SectionLines();
        const bool saved =
            SaveSafely(settings, [&](const std::string& copy) { return store.WriteSection(platform, copy); });
        save.push_back(watch.Lap());
        ScheduleStore again(codePage);
        again.Load(platform, settings);
        failed = failed || !saved || again.SectionLines() != written;
        check.push_back(watch.Lap());
        whole.push_back(readFile.back() + load.back() + import.back() + save.back() + check.back());
        last = std::move(std::get<ScheduleImport>(result));
        lines = written.size();

        watch.Lap();
        const auto alone = ReadIcsCalendar(bytes, options, platform.clock);
        reader.push_back(watch.Lap());
        if (!std::holds_alternative<IcsReading>(alone)) return 1;
    }

    // The export: a settings file of 10,000 notes, loaded, written as events, the file written.
    {
        WriteWholeFile(exportSettings, "");
        ScheduleStore store(codePage);
        store.LoadLines(ExportLines(platform));
        SaveSafely(exportSettings, [&](const std::string& copy) { return store.WriteSection(platform, copy); });
    }
    // Wine parses a settings file written in the last two seconds again at every
    // call: a user exports from a file written long before.
    ::Sleep(2100);
    std::vector<double> exportLoad, exportMake, exportWrite, exportWhole;
    ScheduleExport lastExport;
    for (int run = 0; run < runs; ++run) {
        Stopwatch watch;
        ScheduleStore store(codePage);
        store.Load(platform, exportSettings);
        exportLoad.push_back(watch.Lap());
        ScheduleExport result = ExportSchedules(store, platform);
        exportMake.push_back(watch.Lap());
        failed = failed || !WriteWholeFile(exported, result.file);
        exportWrite.push_back(watch.Lap());
        exportWhole.push_back(exportMake.back() + exportWrite.back());
        lastExport = std::move(result);
    }

    const std::size_t fileSize = ReadWholeFile(calendar).size();
    const IcsReading& reading = last.reading;
    std::printf("import of %d events (%.1f MB), code page %u, median of %d runs\n", kEvents, fileSize / 1e6, codePage,
                runs);
    std::printf("  whole, as the menu command:  %7.1f ms\n", Median(whole));
    std::printf("    read the file              %7.1f ms\n", Median(readFile));
    std::printf("    load the empty store       %7.1f ms\n", Median(load));
    std::printf("    ImportSchedules            %7.1f ms\n", Median(import));
    std::printf("    SaveSafely of the section  %7.1f ms\n", Median(save));
    std::printf("    load again to check        %7.1f ms\n", Median(check));
    std::printf("  the reader alone:            %7.1f ms\n", Median(reader));
    std::printf("  events %zu, notes %zu; dates added %zu, texts joined %zu, already there %zu; lines %zu\n",
                reading.events, reading.notes.size(), last.counts.added, last.counts.joined, last.counts.present,
                lines);
    std::printf("  left out: cancelled %zu, undated %zu, untitled %zu, out of window %zu; first only %zu, cut short "
                "%zu, guessed zone %zu\n",
                reading.cancelled, reading.undated, reading.untitled, reading.outOfWindow, reading.firstOnly,
                reading.cutShort, reading.guessedZone);
    std::printf("export of %d notes (%.1f MB written), median of %d runs\n", kExportNotes,
                lastExport.file.size() / 1e6, runs);
    std::printf("  ExportSchedules + the file:  %7.1f ms\n", Median(exportWhole));
    std::printf("    ExportSchedules            %7.1f ms\n", Median(exportMake));
    std::printf("    write the file             %7.1f ms\n", Median(exportWrite));
    std::printf("  (the store's load before:    %7.1f ms)\n", Median(exportLoad));
    std::printf("  notes %zu, skipped %zu\n", lastExport.notes, lastExport.skipped);
    if (failed) std::printf("a write or the check after it FAILED\n");
    ::DeleteFileA(calendar.c_str());
    ::DeleteFileA(exportSettings.c_str());
    ::DeleteFileA(exported.c_str());
    return failed ? 1 : 0;
}
