#include "VersionDialog.h"

#include <optional>

#include "VersionInfo.h"
#include "resource.h"

bool VersionDialog::OnInitDialog() {
    CDialog::OnInitDialog();

    LOGFONTA iconTitle{};
    const std::optional<LOGFONTA> templateFont = Font::Describe(GetFont());
    if (templateFont && ::SystemParametersInfoA(SPI_GETICONTITLELOGFONT, sizeof iconTitle, &iconTitle, 0)) {
        iconTitle.lfHeight = templateFont->lfHeight;
        iconTitle.lfWidth = templateFont->lfWidth;
        baseFont_ = Font::Create(iconTitle);
        if (baseFont_) SetFontWithDescendants(baseFont_.get());
    }

    // Without a version resource every value is empty.
    const VersionInfo version = VersionInfo::OfProgram();
    const std::string versionLine = version.ProductName() + " Version " + version.FileVersion();
    SetDlgItemText(IDC_APP_VERSION, versionLine.c_str());
    SetDlgItemText(IDC_APP_COPYRIGHT, version.Copyright().c_str());
    return true;
}
