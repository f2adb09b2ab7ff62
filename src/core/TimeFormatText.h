#pragma once
#include <string>

// The user's time format without its seconds: the first separator followed by
// "ss" is removed, or else the first separator followed by "s".
std::string TimeFormatWithoutSeconds(const std::string& timeFormat, const std::string& separator);
