#pragma once
#include <windows.h>

#include <cstddef>
#include <cstring>
#include <optional>
#include <vector>

#include "UniqueHandle.h"

// Owned GDI objects. Each factory returns an empty holder when the system refuses.

template <typename H>
struct GdiObjectTraits {
    using Handle = H;
    static void Close(H handle) { ::DeleteObject(handle); }
};

class Font : public UniqueHandle<GdiObjectTraits<HFONT>> {
public:
    using UniqueHandle::UniqueHandle;

    static Font Create(const LOGFONTA& description) { return Font(::CreateFontIndirectA(&description)); }

    // The logical description of any font, owned or not.
    static std::optional<LOGFONTA> Describe(HFONT font) {
        LOGFONTA description{};
        if (!font || ::GetObjectA(font, sizeof description, &description) == 0) return std::nullopt;
        return description;
    }
};

class Brush : public UniqueHandle<GdiObjectTraits<HBRUSH>> {
public:
    using UniqueHandle::UniqueHandle;

    static Brush Solid(COLORREF color) { return Brush(::CreateSolidBrush(color)); }
};

// A region handed to SetWindowRgn belongs to the system: pass it on with release().
class Region : public UniqueHandle<GdiObjectTraits<HRGN>> {
public:
    using UniqueHandle::UniqueHandle;

    static Region Rectangle(const RECT& rect) { return Region(::CreateRectRgnIndirect(&rect)); }
    static Region FromData(const RGNDATA& data, DWORD size) { return Region(::ExtCreateRegion(nullptr, size, &data)); }

    // The union of `rectangles` (within `bounds`), moved by (dx, dy).
    static Region FromRectangles(const std::vector<RECT>& rectangles, const RECT& bounds, int dx, int dy) {
        const DWORD rectangleBytes = static_cast<DWORD>(rectangles.size() * sizeof(RECT));
        std::vector<std::byte> data(sizeof(RGNDATAHEADER) + rectangleBytes);
        auto& header = *reinterpret_cast<RGNDATAHEADER*>(data.data());
        header = {sizeof(RGNDATAHEADER), RDH_RECTANGLES, static_cast<DWORD>(rectangles.size()), rectangleBytes,
                  bounds};
        std::memcpy(data.data() + sizeof(RGNDATAHEADER), rectangles.data(), rectangleBytes);
        Region region = FromData(*reinterpret_cast<const RGNDATA*>(data.data()), static_cast<DWORD>(data.size()));
        if (region && (dx || dy)) ::OffsetRgn(region.get(), dx, dy);
        return region;
    }

    // Adds the rectangle to the region; false when the system refuses.
    bool Include(const RECT& rect) {
        const Region added = Rectangle(rect);
        return get() && added && ::CombineRgn(get(), get(), added.get(), RGN_OR) != ERROR;
    }
};

class Bitmap : public UniqueHandle<GdiObjectTraits<HBITMAP>> {
public:
    using UniqueHandle::UniqueHandle;

    static Bitmap Compatible(HDC dc, int width, int height) {
        return Bitmap(::CreateCompatibleBitmap(dc, width, height));
    }
};
