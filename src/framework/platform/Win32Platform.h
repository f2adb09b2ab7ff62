#pragma once
#include "Platform.h"

// The Win32 services: the real private-profile, locale, date and clock calls.
Platform& Win32Platform();
