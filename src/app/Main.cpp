#include "CalendarApp.h"

// The one application object; the framework's WinMain runs it.
CalendarApp calendarApp;
