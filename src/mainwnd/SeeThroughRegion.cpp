#include "SeeThroughRegion.h"

#include <cstdint>
#include <vector>

#include "DeviceContexts.h"
#include "SeeThroughCalendarCtrl.h"
#include "WindowGeometry.h"
#include "SeeThroughRuns.h"

namespace {

// The picture as 32-bit pixels, rows bottom-up; empty when it cannot be taken.
std::vector<std::uint32_t> PrintPicture(SeeThroughCalendarCtrl& calendar, int width, int height) {
    ClientDC screen(calendar.GetSafeHwnd());
    if (!screen) return {};
    MemoryDC memory = MemoryDC::CompatibleWith(screen.get());
    Bitmap picture = Bitmap::Compatible(screen.get(), width, height);
    if (!memory || !picture) return {};
    {
        SelectedObject selected(memory.get(), picture.get());
        if (!selected) return {};
        // Whatever the calendar leaves unpainted is cut away.
        const RECT all{0, 0, width, height};
        ::FillRect(memory.get(), &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        calendar.PrintPicture(memory.get());
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    const int lines = ::GetDIBits(memory.get(), picture.get(), 0, static_cast<UINT>(height), pixels.data(), &info,
                                  DIB_RGB_COLORS);
    if (lines != height) return {};
    return pixels;
}

}  // namespace

Region BuildSeeThroughRegion(SeeThroughCalendarCtrl& calendar, int width, int height) {
    if (width <= 0 || height <= 0) return Region();
    const std::vector<std::uint32_t> pixels = PrintPicture(calendar, width, height);
    if (pixels.empty()) return Region();
    const SeeThroughRuns runs = ScanSeeThroughRuns(pixels.data(), width, height);
    if (runs.rectangles.empty()) return Region();
    std::vector<RECT> rectangles;
    rectangles.reserve(runs.rectangles.size());
    for (const GridRect& run : runs.rectangles) rectangles.push_back(ToRect(run));
    // Each run is listed from one pixel left of and above where it starts, and the
    // region moved back by one pixel each way.
    const GridRect& runsBounds = runs.bounds;
    const RECT bounds{runsBounds.left - 1, runsBounds.top - 1, runsBounds.right, runsBounds.bottom};
    Region region = Region::FromRectangles(rectangles, bounds, 1, 1);
    for (const RECT& area : calendar.SolidAreas()) region.Include(area);
    return region;
}
