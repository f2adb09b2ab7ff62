#pragma once
#include <cstdlib>
#include <string_view>

// The core suite runs once per locale, chosen by LC_ALL; the locale tests
// check the texts of that locale.
enum class TestLocale { English, Japanese, Unknown };

inline TestLocale LocaleOfTheRun() {
    const char* name = std::getenv("LC_ALL");
    if (name == nullptr || *name == '\0') return TestLocale::Unknown;
    return std::string_view(name).starts_with("ja") ? TestLocale::Japanese : TestLocale::English;
}
