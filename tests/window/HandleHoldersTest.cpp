// The RAII holders: every object they hold is released exactly once, a region handed
// to a window is released from its holder, and drawing guards restore the state.
#include <gtest/gtest.h>

#include <optional>
#include <utility>

#include "CStatic.h"
#include "DeviceContexts.h"
#include "GdiObjects.h"
#include "NamedMutex.h"
#include "UserHandles.h"
#include "WindowTestSupport.h"

namespace {

// Counted where the system counts (Windows); Wine answers nothing.
std::optional<DWORD> GdiObjectCount() {
    const DWORD count = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    if (count == 0) return std::nullopt;
    return count;
}

bool GdiObjectExists(HGDIOBJ object) { return ::GetObjectType(object) != 0; }

LOGFONTA SampleFont() {
    LOGFONTA description{};
    description.lfHeight = -13;
    lstrcpyA(description.lfFaceName, "Arial");
    return description;
}

TEST(GdiHolders, EachHolderDeletesItsObjectAndNothingLeaks) {
    const std::optional<DWORD> before = GdiObjectCount();
    HGDIOBJ font = nullptr;
    HGDIOBJ brush = nullptr;
    HGDIOBJ region = nullptr;
    HGDIOBJ bitmap = nullptr;
    HDC memory = nullptr;
    {
        Font ownedFont = Font::Create(SampleFont());
        Brush ownedBrush = Brush::Solid(RGB(1, 2, 3));
        Region ownedRegion = Region::Rectangle(RECT{0, 0, 10, 10});
        ClientDC screen(nullptr);
        Bitmap ownedBitmap = Bitmap::Compatible(screen.get(), 8, 8);
        MemoryDC ownedMemory = MemoryDC::CompatibleWith(screen.get());
        font = ownedFont.get();
        brush = ownedBrush.get();
        region = ownedRegion.get();
        bitmap = ownedBitmap.get();
        memory = ownedMemory.get();
        for (HGDIOBJ object : {font, brush, region, bitmap, static_cast<HGDIOBJ>(memory)}) {
            ASSERT_TRUE(GdiObjectExists(object));
        }
    }
    for (HGDIOBJ object : {font, brush, region, bitmap, static_cast<HGDIOBJ>(memory)}) {
        EXPECT_FALSE(GdiObjectExists(object));
    }
    if (before) {
        EXPECT_EQ(GdiObjectCount(), before);
    }
}

TEST(GdiHolders, MovingHandsOverOwnershipOnceAndReplacingDeletesTheOldObject) {
    Brush first = Brush::Solid(RGB(10, 20, 30));
    HGDIOBJ firstHandle = first.get();
    Brush second = std::move(first);
    EXPECT_FALSE(first);
    EXPECT_EQ(second.get(), firstHandle);

    second = Brush::Solid(RGB(40, 50, 60));
    EXPECT_FALSE(GdiObjectExists(firstHandle));
    EXPECT_TRUE(GdiObjectExists(second.get()));
}

TEST(GdiHolders, FontDescribesAnyFont) {
    Font font = Font::Create(SampleFont());
    const std::optional<LOGFONTA> description = Font::Describe(font.get());
    ASSERT_TRUE(description.has_value());
    EXPECT_EQ(description->lfHeight, -13);
    EXPECT_FALSE(Font::Describe(nullptr).has_value());
}

TEST(GdiHolders, ARegionSetOnAWindowBelongsToTheWindowAndAFailedHandOverStaysOwned) {
    window_test::OwnerWindow window;
    ASSERT_TRUE(window.SetWindowRgn(Region::Rectangle(RECT{0, 0, 20, 20}), false));
    EXPECT_NE(::GetWindowRgn(window.GetSafeHwnd(), Region::Rectangle(RECT{}).get()), ERROR);

    HGDIOBJ refused = nullptr;
    {
        CStatic notCreated;
        Region other = Region::Rectangle(RECT{0, 0, 5, 5});
        refused = other.get();
        EXPECT_FALSE(notCreated.SetWindowRgn(std::move(other), false));
    }
    EXPECT_FALSE(GdiObjectExists(refused));
}

TEST(DrawingGuards, SelectedObjectAndSavedStatePutBackWhatTheyChanged) {
    ClientDC screen(nullptr);
    MemoryDC dc = MemoryDC::CompatibleWith(screen.get());
    Brush brush = Brush::Solid(RGB(255, 0, 0));
    HGDIOBJ originalBrush = ::GetCurrentObject(dc.get(), OBJ_BRUSH);
    const int originalMix = ::GetROP2(dc.get());
    {
        SelectedObject selected(dc.get(), brush.get());
        EXPECT_EQ(::GetCurrentObject(dc.get(), OBJ_BRUSH), brush.get());
    }
    EXPECT_EQ(::GetCurrentObject(dc.get(), OBJ_BRUSH), originalBrush);
    {
        SavedDCState saved(dc.get());
        ::SetROP2(dc.get(), R2_MERGEPEN);
        ::SelectObject(dc.get(), ::GetStockObject(NULL_PEN));
        ::SelectObject(dc.get(), brush.get());
    }
    EXPECT_EQ(::GetROP2(dc.get()), originalMix);
    EXPECT_EQ(::GetCurrentObject(dc.get(), OBJ_BRUSH), originalBrush);
}

TEST(UserHolders, MenusCursorsAndAcceleratorTablesAreDestroyed) {
    HMENU menuHandle = nullptr;
    HCURSOR cursorHandle = nullptr;
    HACCEL tableHandle = nullptr;
    {
        Menu menu(::CreatePopupMenu());
        const BYTE andMask[4 * 32] = {};
        const BYTE xorMask[4 * 32] = {};
        Cursor cursor(::CreateCursor(::GetModuleHandleA(nullptr), 0, 0, 32, 32, andMask, xorMask));
        ACCEL key{FVIRTKEY, VK_LEFT, 1};
        AcceleratorTable table(::CreateAcceleratorTableA(&key, 1));
        menuHandle = menu.get();
        cursorHandle = cursor.get();
        tableHandle = table.get();
        ASSERT_TRUE(::IsMenu(menuHandle));
        ICONINFO info{};
        ASSERT_TRUE(::GetIconInfo(cursorHandle, &info));
        ::DeleteObject(info.hbmMask);
        ::DeleteObject(info.hbmColor);
        ASSERT_EQ(::CopyAcceleratorTableA(tableHandle, nullptr, 0), 1);
    }
    EXPECT_FALSE(::IsMenu(menuHandle));
    ICONINFO info{};
    EXPECT_FALSE(::GetIconInfo(cursorHandle, &info));
    EXPECT_EQ(::CopyAcceleratorTableA(tableHandle, nullptr, 0), 0);
}

TEST(NamedMutexHolder, ASecondHolderOfTheNameSeesTheFirstUntilItIsReleased) {
    const std::string name = "Wispane.FrameworkTest." + std::to_string(::GetCurrentProcessId());
    {
        NamedMutex first = NamedMutex::Create(name);
        ASSERT_TRUE(first);
        EXPECT_FALSE(first.AlreadyExisted());
        NamedMutex second = NamedMutex::Create(name);
        EXPECT_TRUE(second.AlreadyExisted());
    }
    EXPECT_FALSE(NamedMutex::Create(name).AlreadyExisted());
}

}  // namespace
