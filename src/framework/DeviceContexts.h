#pragma once
#include <windows.h>

#include <utility>

#include "UniqueHandle.h"

// Device contexts and the guards that put back what a drawing step changed.

// BeginPaint and EndPaint of one WM_PAINT: lives on the handler's stack only.
class PaintDC {
public:
    explicit PaintDC(HWND window) : window_(window), dc_(::BeginPaint(window, &paint_)) {}
    ~PaintDC() { ::EndPaint(window_, &paint_); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;

    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }
    const PAINTSTRUCT& paint() const { return paint_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// The client area's device context (GetDC / ReleaseDC).
class ClientDC {
public:
    explicit ClientDC(HWND window) : window_(window), dc_(::GetDC(window)) {}
    ~ClientDC() { reset(); }
    ClientDC(const ClientDC&) = delete;
    ClientDC& operator=(const ClientDC&) = delete;

    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    void reset() {
        if (dc_) ::ReleaseDC(window_, std::exchange(dc_, nullptr));
    }

    HWND window_;
    HDC dc_;
};

struct MemoryDCTraits {
    using Handle = HDC;
    static void Close(HDC dc) { ::DeleteDC(dc); }
};

// A memory device context compatible with another one (or with the screen).
class MemoryDC : public UniqueHandle<MemoryDCTraits> {
public:
    using UniqueHandle::UniqueHandle;

    static MemoryDC CompatibleWith(HDC dc) { return MemoryDC(::CreateCompatibleDC(dc)); }
};

// Selects an object into a device context and selects the previous one back.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
    ~SelectedObject() {
        if (previous_ && previous_ != HGDI_ERROR) ::SelectObject(dc_, previous_);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

    explicit operator bool() const { return previous_ && previous_ != HGDI_ERROR; }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Saves the whole drawing state (objects, mix mode, colours) and restores it.
class SavedDCState {
public:
    explicit SavedDCState(HDC dc) : dc_(dc), saved_(::SaveDC(dc)) {}
    ~SavedDCState() {
        if (saved_ != 0) ::RestoreDC(dc_, saved_);
    }
    SavedDCState(const SavedDCState&) = delete;
    SavedDCState& operator=(const SavedDCState&) = delete;

private:
    HDC dc_;
    int saved_;
};
