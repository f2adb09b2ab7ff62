#pragma once
#include <string>

#include "ScheduleIcs.h"

// What an import did, in the lines the tool prints.
std::string ImportReport(const ScheduleImport& import);
// Why a file was refused.
std::string ReadErrorReport(IcsReadError error);
