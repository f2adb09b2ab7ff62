// The link on a dialog, driven with the system's mouse and keyboard input: its
// colours before and after an opening, its hand, which presses open it; and what
// a failed opening tells the user.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CHyperLink.h"
#include "DeviceContexts.h"
#include "FrameworkTestResources.h"
#include "GdiObjects.h"
#include "WindowTestSupport.h"

using window_test::ScriptedDialog;
using window_test::LeftButton;
using window_test::MovePointerTo;
using window_test::PressKey;

namespace {

constexpr INT_PTR kStillOpen = 7;

// Opens nothing: counts the openings and answers as the shell does on success.
class CountingLink : public CHyperLink {
public:
    int openings = 0;
    std::string opened;

protected:
    INT_PTR OpenAddress(const std::string& address) override {
        ++openings;
        opened = address;
        return 42;
    }
};

struct Inks {
    int link = 0;
    int visited = 0;
};

Inks InksOf(HWND window) {
    ::UpdateWindow(window);
    ClientDC dc(window);
    RECT client{};
    ::GetClientRect(window, &client);
    Inks inks;
    for (int y = 0; y < client.bottom; ++y) {
        for (int x = 0; x < client.right; ++x) {
            const COLORREF pixel = ::GetPixel(dc.get(), x, y);
            inks.link += pixel == CHyperLink::kLinkColor;
            inks.visited += pixel == CHyperLink::kVisitedColor;
        }
    }
    return inks;
}

// A cursor's hot spot and mask: copies of one cursor have other handles.
std::vector<BYTE> ImageOf(HCURSOR cursor) {
    ICONINFO info{};
    if (!cursor || !::GetIconInfo(cursor, &info)) return {};
    const Bitmap mask(info.hbmMask);
    const Bitmap colour(info.hbmColor);  // released with the mask: both are the caller's
    BITMAP shape{};
    ::GetObjectA(mask.get(), sizeof shape, &shape);
    std::vector<BYTE> image(static_cast<size_t>(shape.bmWidthBytes * shape.bmHeight));
    ::GetBitmapBits(mask.get(), static_cast<LONG>(image.size()), image.data());
    image.push_back(static_cast<BYTE>(info.xHotspot));
    image.push_back(static_cast<BYTE>(info.yHotspot));
    return image;
}


TEST(HyperLinkTest, OpensOncePerClickOnItAndTurnsTheVisitedColour) {
    ScriptedDialog dialog(IDD_TEST_DIALOG);
    CountingLink link;
    HWND control = nullptr;
    dialog.Then([&] {
        ASSERT_TRUE(link.SubclassDlgItem(IDC_TEST_LANGUAGE, dialog));
        link.SetAddress("https://example.test/page");
        control = link.GetSafeHwnd();
        const Inks inks = InksOf(control);
        EXPECT_GT(inks.link, 0);
        EXPECT_EQ(inks.visited, 0);
        MovePointerTo(control, window_test::CentreOf(control));
    });
    dialog.WaitUntil([&] { return ::GetCapture() == control; });
    dialog.Then([&] {
        const std::vector<BYTE> hand = ImageOf(::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND)));
        EXPECT_FALSE(hand.empty());
        EXPECT_TRUE(ImageOf(::GetCursor()) == hand) << "the pointing hand, even where the help program has none";
        LeftButton(MOUSEEVENTF_LEFTDOWN);
        LeftButton(MOUSEEVENTF_LEFTUP);
    });
    dialog.WaitUntil([&] { return link.openings > 0; });
    dialog.Then([&] {
        EXPECT_EQ(link.opened, "https://example.test/page");
        const Inks inks = InksOf(control);
        EXPECT_GT(inks.visited, 0);
        EXPECT_EQ(inks.link, 0);
        // The click gave the link the focus: Space opens it too.
        PressKey(VK_SPACE);
    });
    dialog.WaitUntil([&] { return link.openings > 1; });
    dialog.Then([&] { LeftButton(MOUSEEVENTF_LEFTDOWN); });
    dialog.Then([&] { MovePointerTo(dialog.GetSafeHwnd(), {5, 5}); });
    dialog.WaitUntil([&] { return ::GetCapture() != control; });
    dialog.Then([&] { LeftButton(MOUSEEVENTF_LEFTUP); });
    dialog.Then([] {});  // the release is handled meanwhile
    dialog.ThenEnd(kStillOpen);
    EXPECT_EQ(dialog.DoModal(), kStillOpen);
    EXPECT_EQ(link.openings, 2) << "a press on the link released outside it opens nothing";
}

TEST(HyperLinkTest, AFailedOpeningIsToldInEnglish) {
    EXPECT_EQ(CHyperLink::ErrorText(2), "Can't open link:\n\nThe specified file was not found.");
    EXPECT_EQ(CHyperLink::ErrorText(40), "Can't open link:\n\nUnknown Error (40) occurred.");
}

TEST(HyperLinkTest, TheRegisteredBrowserGetsTheAddressInPlaceOfItsPlaceholder) {
    EXPECT_EQ(CHyperLink::CommandWithAddress("\"C:\\Web\\browse.exe\" -url \"%1\"", "https://a.test/"),
              "\"C:\\Web\\browse.exe\" -url  https://a.test/");
    EXPECT_EQ(CHyperLink::CommandWithAddress("browse.exe -url", "https://a.test/"), "browse.exe -url https://a.test/");
}

}  // namespace
