#include "Win32DateKeys.h"

#include <windows.h>
#include <oleauto.h>

#include <cmath>
#include <limits>

#include "SystemProcedure.h"
#include "WideText.h"

namespace {

// The automation library is loaded when a date key is first made or read: most
// starts need none before the window shows.
template <typename Procedure>
Procedure AutomationProcedure(const char* name) {
    return LoadSystemProcedure<Procedure>("oleaut32.dll", name);
}

struct Automation {
    decltype(&::VarBstrFromDate) formatDate = AutomationProcedure<decltype(formatDate)>("VarBstrFromDate");
    decltype(&::VarDateFromStr) parseDate = AutomationProcedure<decltype(parseDate)>("VarDateFromStr");
    decltype(&::SysStringLen) stringLength = AutomationProcedure<decltype(stringLength)>("SysStringLen");
    decltype(&::SysFreeString) freeString = AutomationProcedure<decltype(freeString)>("SysFreeString");

    bool Loaded() const { return formatDate && parseDate && stringLength && freeString; }
};

const Automation& AutomationLibrary() {
    static const Automation library;
    return library;
}

// Owns a BSTR that an automation call returned.
class BstrHolder {
public:
    BstrHolder() = default;
    BstrHolder(const BstrHolder&) = delete;
    BstrHolder& operator=(const BstrHolder&) = delete;
    ~BstrHolder() { AutomationLibrary().freeString(bstr_); }
    BSTR* Receive() { return &bstr_; }
    std::wstring_view View() const { return {bstr_, AutomationLibrary().stringLength(bstr_)}; }

private:
    BSTR bstr_ = nullptr;
};

}  // namespace

std::string Win32DateKeys::Format(const COleDateTime& date) const {
    const Automation& automation = AutomationLibrary();
    if (!date.IsValid() || !automation.Loaded()) return {};
    // Our serial counts whole days from the automation date's day 0, so a
    // midnight date is the serial itself.
    BstrHolder text;
    if (FAILED(automation.formatDate(static_cast<DATE>(date.Serial()), LOCALE_USER_DEFAULT, 0, text.Receive()))) {
        return {};
    }
    return MultiByteFromWide(CP_ACP, 0, text.View());
}

COleDateTime Win32DateKeys::Parse(std::string_view text) const {
    const Automation& automation = AutomationLibrary();
    std::wstring wide = WideFromMultiByte(CP_ACP, text);
    DATE value = 0;
    if (wide.empty() || !automation.Loaded()) return COleDateTime::Invalid();
    if (FAILED(automation.parseDate(wide.data(), LOCALE_USER_DEFAULT, 0, &value))) return COleDateTime::Invalid();
    // The whole part is the day on both sides of day 0 (the fraction is the time
    // of day, counted away from zero before it).
    const double day = std::trunc(value);
    if (day < std::numeric_limits<std::int32_t>::min() || day > std::numeric_limits<std::int32_t>::max()) {
        return COleDateTime::Invalid();
    }
    return COleDateTime::FromSerial(static_cast<std::int32_t>(day));
}
