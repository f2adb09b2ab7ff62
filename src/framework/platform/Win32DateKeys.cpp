#include "Win32DateKeys.h"

#include <windows.h>
#include <oleauto.h>

#include <cmath>
#include <limits>

#include "WideText.h"

namespace {

// Owns a BSTR that an automation call returned.
class BstrHolder {
public:
    BstrHolder() = default;
    BstrHolder(const BstrHolder&) = delete;
    BstrHolder& operator=(const BstrHolder&) = delete;
    ~BstrHolder() { SysFreeString(bstr_); }
    BSTR* Receive() { return &bstr_; }
    std::wstring_view View() const { return {bstr_, SysStringLen(bstr_)}; }

private:
    BSTR bstr_ = nullptr;
};

}  // namespace

std::string Win32DateKeys::Format(const COleDateTime& date) const {
    if (!date.IsValid()) return {};
    // Our serial counts whole days from the automation date's day 0, so a
    // midnight date is the serial itself.
    BstrHolder text;
    if (FAILED(VarBstrFromDate(static_cast<DATE>(date.Serial()), LOCALE_USER_DEFAULT, 0, text.Receive()))) return {};
    return MultiByteFromWide(CP_ACP, 0, text.View());
}

COleDateTime Win32DateKeys::Parse(std::string_view text) const {
    std::wstring wide = WideFromMultiByte(CP_ACP, text);
    DATE value = 0;
    if (wide.empty() || FAILED(VarDateFromStr(wide.data(), LOCALE_USER_DEFAULT, 0, &value))) {
        return COleDateTime::Invalid();
    }
    // The whole part is the day on both sides of day 0 (the fraction is the time
    // of day, counted away from zero before it).
    const double day = std::trunc(value);
    if (day < std::numeric_limits<std::int32_t>::min() || day > std::numeric_limits<std::int32_t>::max()) {
        return COleDateTime::Invalid();
    }
    return COleDateTime::FromSerial(static_cast<std::int32_t>(day));
}
