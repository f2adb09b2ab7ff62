#pragma once
#include <string>

#include "Platform.h"

class ScheduleStore;

// Writes the store as the settings file's "Schedule" section so that a crash leaves
// the old file or the new one, whole; a read-only file is left alone. False when
// the file was not changed.
bool WriteSchedulesSafely(Platform& platform, const std::string& settingsFile, const ScheduleStore& store);
