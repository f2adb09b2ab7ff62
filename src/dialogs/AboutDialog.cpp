#include "AboutDialog.h"

#include <optional>
#include <string>

#include "ResourceLanguage.h"
#include "VersionInfo.h"
#include "resource.h"

AboutDialog::AboutDialog(CWnd* parent, HFONT calendarFont)
    : VersionDialog(IDD_ABOUTBOX, parent), calendarFont_(calendarFont) {}

bool AboutDialog::OnInitDialog() {
    VersionDialog::OnInitDialog();
    UseCalendarTypeface();
    CutCopyrightBeforeLastWord();

    // Attached once the fonts are in place: each link underlines the font it finds.
    mailLink_.SubclassDlgItem(IDC_APP_MAIL, *this);
    webLink_.SubclassDlgItem(IDC_WEB_SITE, *this);

    mailLink_.SetLinkText(VersionInfo::OfProgram().CompanyName());
    mailLink_.SetAddress(ResourceLanguage::LoadStringOrEmpty(IDS_MAIL_ADDRESS));
    const std::string webPage = ResourceLanguage::LoadStringOrEmpty(IDS_WEB_PAGE);
    webLink_.SetLinkText(webPage);
    webLink_.SetAddress(webPage);
    CenterWindow();
    return true;
}

void AboutDialog::UseCalendarTypeface() {
    std::optional<LOGFONTA> calendar = Font::Describe(calendarFont_);
    const std::optional<LOGFONTA> current = Font::Describe(GetFont());
    if (!calendar || !current) return;
    calendar->lfHeight = current->lfHeight;
    calendar->lfWeight = current->lfWeight;
    dialogFont_ = Font::Create(*calendar);
    if (dialogFont_) SetFontWithDescendants(dialogFont_.get());
}

// The copyright's last word is the company name, which the mail link beside it shows.
void AboutDialog::CutCopyrightBeforeLastWord() {
    std::string text = GetDlgItemText(IDC_APP_COPYRIGHT);
    const char* lastBlank = nullptr;
    for (const char* at = text.c_str(); *at; at = ::CharNextA(at)) {
        if (*at == ' ') lastBlank = at;
    }
    text.resize(lastBlank ? static_cast<size_t>(lastBlank - text.c_str()) : 0);
    SetDlgItemText(IDC_APP_COPYRIGHT, text.c_str());
}
