#pragma once
#include "GdiObjects.h"

class SeeThroughCalendarCtrl;

// The window region of the see-through look: every pixel of the calendar's
// picture that is not pure white, each run widened by one pixel to the right and
// one downwards, and whatever the calendar says must stay reachable. The picture
// is printed off screen, so the window keeps its current shape on screen meanwhile
// and never flashes as a whole rectangle.
// Empty when the picture holds nothing but white, or cannot be taken.
Region BuildSeeThroughRegion(SeeThroughCalendarCtrl& calendar, int width, int height);
