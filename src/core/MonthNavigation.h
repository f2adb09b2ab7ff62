#pragma once
#include "COleDateTime.h"

// The date the month keys select: the first of the month `years` years and
// `months` months from the selected date's month, or today when that month is
// today's. A month outside the valid years leaves the selected date.
COleDateTime NavigatedDate(const COleDateTime& selected, int years, int months, const COleDateTime& today);
