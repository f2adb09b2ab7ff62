// Feeds arbitrary bytes to the readers of the five settings values and checks
// that whatever a reader accepts is written in a form that reads back the same.
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "ConfigSettings.h"
#include "CustomColors.h"
#include "LogicalFontValue.h"
#include "ScanFormat.h"
#include "WindowPlacementValue.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

// A value accepted once must survive writing and reading, and its written form
// must be stable.
template <typename Value>
void RequireRoundTrip(const std::optional<Value>& value) {
    if (!value) return;
    const std::string written = value->Format();
    const std::optional<Value> reread = Value::Parse(written);
    Require(reread && *reread == *value && reread->Format() == written);
}

void CheckFaceName(std::string_view text) {
    LogicalFontValue font;
    font.SetFaceName(text);
    const std::string name = font.FaceName();
    Require(name.size() < LogicalFontValue::kFaceNameSize);
    Require(text.substr(0, name.size()) == name);
    Require(font.faceName[LogicalFontValue::kFaceNameSize - 1] == '\0');
}

void CheckConfig(std::string_view text) {
    ConfigSettings config;
    const int fieldsRead = config.Read(text);
    Require(fieldsRead >= 0 && fieldsRead <= 9);
    if (fieldsRead == 0) Require(config.alwaysOnTop);
    // The main window reads its options twice while it opens, with the same result.
    ConfigSettings again = config;
    Require(again.Read(text) == fieldsRead && again == config);
    ConfigSettings reread;
    reread.alwaysOnTop = !config.alwaysOnTop;
    Require(reread.Read(config.Format()) == 9 && reread == config);
}

void CheckCustomColors(std::string_view text) {
    const CustomColors colors = CustomColors::Parse(text);
    const std::string written = colors.Format();
    Require(CustomColors::Parse(written) == colors && CustomColors::Parse(written).Format() == written);
}

void CheckDecimalField(std::string_view text) {
    const std::optional<int> number = ScanDecimalField(text);
    if (number) Require(ScanDecimalField(std::to_string(*number)) == number);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    RequireRoundTrip(WindowPlacementValue::Parse(text));
    RequireRoundTrip(LogicalFontValue::Parse(text));
    CheckFaceName(text);
    CheckConfig(text);
    CheckCustomColors(text);
    CheckDecimalField(text);
    return 0;
}
