#include "PersistentDialog.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "CWinApp.h"
#include "DelayLoaded.h"
#include "DeviceContexts.h"
#include "MonitorDpi.h"
#include "SafeSave.h"
#include "Win32Platform.h"

namespace {

LOGFONTA ToLogFont(const LogicalFontValue& value) {
    LOGFONTA font{};
    font.lfHeight = value.height;
    font.lfWidth = value.width;
    font.lfEscapement = value.escapement;
    font.lfOrientation = value.orientation;
    font.lfWeight = value.weight;
    font.lfItalic = value.italic;
    font.lfUnderline = value.underline;
    font.lfStrikeOut = value.strikeOut;
    font.lfCharSet = value.charSet;
    font.lfOutPrecision = value.outPrecision;
    font.lfClipPrecision = value.clipPrecision;
    font.lfQuality = value.quality;
    font.lfPitchAndFamily = value.pitchAndFamily;
    static_assert(sizeof font.lfFaceName == LogicalFontValue::kFaceNameSize);
    std::memcpy(font.lfFaceName, value.faceName, sizeof font.lfFaceName);
    return font;
}

LogicalFontValue FromLogFont(const LOGFONTA& font) {
    LogicalFontValue value;
    value.height = font.lfHeight;
    value.width = font.lfWidth;
    value.escapement = font.lfEscapement;
    value.orientation = font.lfOrientation;
    value.weight = font.lfWeight;
    value.italic = font.lfItalic;
    value.underline = font.lfUnderline;
    value.strikeOut = font.lfStrikeOut;
    value.charSet = font.lfCharSet;
    value.outPrecision = font.lfOutPrecision;
    value.clipPrecision = font.lfClipPrecision;
    value.quality = font.lfQuality;
    value.pitchAndFamily = font.lfPitchAndFamily;
    value.SetFaceName(std::string(font.lfFaceName, strnlen(font.lfFaceName, sizeof font.lfFaceName)));
    return value;
}

WINDOWPLACEMENT ToWindowPlacement(const WindowPlacementValue& value) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    placement.flags = static_cast<UINT>(value.flags);
    placement.showCmd = static_cast<UINT>(value.showCommand);
    placement.ptMinPosition = {value.minPositionX, value.minPositionY};
    placement.ptMaxPosition = {value.maxPositionX, value.maxPositionY};
    placement.rcNormalPosition = {value.normalLeft, value.normalTop, value.normalRight, value.normalBottom};
    return placement;
}

WindowPlacementValue FromWindowPlacement(const WINDOWPLACEMENT& placement) {
    WindowPlacementValue value;
    value.flags = static_cast<std::int32_t>(placement.flags);
    value.showCommand = static_cast<std::int32_t>(placement.showCmd);
    value.minPositionX = placement.ptMinPosition.x;
    value.minPositionY = placement.ptMinPosition.y;
    value.maxPositionX = placement.ptMaxPosition.x;
    value.maxPositionY = placement.ptMaxPosition.y;
    value.normalLeft = placement.rcNormalPosition.left;
    value.normalTop = placement.rcNormalPosition.top;
    value.normalRight = placement.rcNormalPosition.right;
    value.normalBottom = placement.rcNormalPosition.bottom;
    return value;
}

}  // namespace

PersistentDialog::PersistentDialog(UINT templateId, CWnd* parent) : CDialog(templateId, parent) {}

PersistentDialog::~PersistentDialog() = default;

std::string PersistentDialog::SettingsFilePath() {
    return CWinApp::Current() ? CWinApp::Current()->GetProfileName() : std::string();
}

SettingsFile PersistentDialog::Settings() const {
    return SettingsFile(Win32Platform().profile, SettingsFilePath(), sectionName);
}

HFONT PersistentDialog::GetDialogFont() const { return ownFont ? ownFont.get() : GetFont(); }

bool PersistentDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    dpi_ = DpiOfWindow(GetSafeHwnd());
    TakeOverDialogScaling(GetSafeHwnd());
    // The font the window has now is the one to give back before it is destroyed;
    // an own font left from an earlier run of the dialog is about to be replaced.
    initialFont = GetFont();
    if (std::optional<LOGFONTA> description = Font::Describe(GetDialogFont())) {
        logicalFont = *description;
        if (Font copy = Font::Create(logicalFont)) UseOwnFont(std::move(copy));
    }
    RestoreState();
    return true;
}

int PersistentDialog::LoadSettings() { return 1; }
void PersistentDialog::SaveSettings(SettingsFile&) {}
void PersistentDialog::BeforeRestore() {}
bool PersistentDialog::IsUsableFont(HFONT) { return true; }

LRESULT PersistentDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ENDSESSION && wParam) StoreState();
    if (message == WM_DPICHANGED && lParam) {
        OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

void PersistentDialog::UseOwnFont(Font font) {
    SetFontWithDescendants(font.get());
    ownFont = std::move(font);
}

void PersistentDialog::DescribeOwnFont() {
    if (std::optional<LOGFONTA> description = Font::Describe(ownFont.get())) logicalFont = *description;
    RememberFont();
}

void PersistentDialog::RestoreState() {
    BeforeRestore();
    const SettingsFile settings = Settings();

    // A stored font that cannot be created leaves the current one in use; the
    // description then still holds the stored values, as the next save writes them.
    // One that can be created but not show the dialog is ignored as a whole.
    if (std::optional<LogicalFontValue> stored = settings.ReadFont()) {
        // Kept as read, to be saved back so; made at the window's pixels an inch.
        fontAt96_ = ToLogFont(*stored);
        logicalFont = FontAtDpi(fontAt96_, LogicalFontValue::kStoredDpi, dpi_);
        if (Font font = Font::Create(logicalFont)) {
            if (IsUsableFont(font.get())) {
                UseOwnFont(std::move(font));
            } else {
                DescribeOwnFont();
            }
        }
    } else {
        DescribeOwnFont();
    }

    const std::optional<WindowPlacementValue> storedPlacement = settings.ReadWindowPlacement();
    placementRead = storedPlacement.has_value();
    std::optional<POINT> centre;
    if (placementRead) {
        placement = ToWindowPlacement(*storedPlacement);
    } else {
        centre = CenteredPosition();
    }

    // Centred and made topmost in one move: each move of a top-level window is a
    // round trip to the window system.
    SetTopmost(true, centre);
    if (LoadSettings() == 0) ShowWindow(SW_SHOW);
    dirty = false;
}

bool PersistentDialog::StoreState() {
    dirty = false;
    return SaveSafely(SettingsFilePath(), [this](const std::string& copyPath) {
        SettingsFile settings(Win32Platform().profile, copyPath, sectionName);
        settings.WriteFont(FromLogFont(fontAt96_));
        if (std::optional<WINDOWPLACEMENT> current = GetWindowPlacement()) {
            settings.WriteWindowPlacement(FromWindowPlacement(*current));
        }
        SaveSettings(settings);
        return true;
    });
}

bool PersistentDialog::DestroyWindow() {
    if (!GetSafeHwnd()) return false;
    StoreState();
    SetFont(initialFont, true);
    return CDialog::DestroyWindow();
}

std::string PersistentDialog::FaceInUse() const {
    char face[LF_FACESIZE] = {};
    ClientDC dc(GetSafeHwnd());
    SelectedObject selected(dc.get(), GetDialogFont());
    if (!dc || !selected || ::GetTextFaceA(dc.get(), LF_FACESIZE, face) == 0) return {};
    return face;
}

PersistentDialog::FontChoice PersistentDialog::ChooseDialogFont() {
    // The dialog edits a copy: Wine's writes the selection into it even when cancelled.
    // It counts points at the system's pixels an inch: it gets and gives the font at
    // those, so it shows the size the user sees on the window's monitor.
    const UINT dialogDpi = SystemDpi();
    LOGFONTA chosen = FontAtDpi(logicalFont, dpi_, dialogDpi);
    const std::string face = FaceInUse();
    if (!face.empty()) {
        std::memset(chosen.lfFaceName, 0, sizeof chosen.lfFaceName);
        std::memcpy(chosen.lfFaceName, face.data(), std::min(face.size(), sizeof chosen.lfFaceName - 1));
    }
    CHOOSEFONTA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = GetSafeHwnd();
    dialog.lpLogFont = &chosen;
    dialog.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT;
    if (!ShowFontDialog(dialog)) return FontChoice::Cancelled;
    chosen = FontAtDpi(chosen, dialogDpi, dpi_);

    // The system's character set, whatever the chosen font's own: the text the
    // dialog shows is in the system's code page.
    {
        ClientDC dc(GetSafeHwnd());
        if (dc) chosen.lfCharSet = static_cast<BYTE>(::GetTextCharset(dc.get()));
    }
    Font font = Font::Create(chosen);
    if (!font) return FontChoice::Chosen;
    if (!IsUsableFont(font.get())) return FontChoice::Refused;
    logicalFont = chosen;
    RememberFont();
    UseOwnFont(std::move(font));
    dirty = true;
    return FontChoice::Chosen;
}

void PersistentDialog::RememberFont() { fontAt96_ = FontAtDpi(logicalFont, dpi_, LogicalFontValue::kStoredDpi); }

void PersistentDialog::FollowDpi(UINT dpi) {
    if (dpi == 0 || dpi == dpi_) return;
    dpi_ = dpi;
    // Made from the size at 96, so that moves between monitors never add up rounding.
    logicalFont = FontAtDpi(fontAt96_, LogicalFontValue::kStoredDpi, dpi);
    if (Font font = Font::Create(logicalFont)) UseOwnFont(std::move(font));
}

void PersistentDialog::OnDpiChanged(UINT dpi, const RECT& suggested) {
    FollowDpi(dpi);
    SetWindowPos(nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void PersistentDialog::ToggleTopmost() {
    SetTopmost(!topmost_);
    dirty = true;
}

void PersistentDialog::SetTopmost(bool on, std::optional<POINT> position) {
    topmost_ = on;
    SetWindowPos(on ? HWND_TOPMOST : HWND_NOTOPMOST, position ? position->x : 0, position ? position->y : 0, 0, 0,
                 SWP_NOSIZE | SWP_NOACTIVATE | (position ? 0 : SWP_NOMOVE));
}
