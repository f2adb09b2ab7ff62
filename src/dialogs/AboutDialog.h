#pragma once
#include "CHyperLink.h"
#include "GdiObjects.h"
#include "VersionDialog.h"

// The About box: the program's icon, version line, copyright line and two links,
// one to the maker's mail address (showing the company name, as the last word of
// the copyright line) and one to the product's web page. It shows the calendar's
// typeface at the size of its template font.
class AboutDialog : public VersionDialog {
public:
    // Above `parent`, the calendar window; `calendarFont` is the font it uses: not
    // owned, may be null.
    AboutDialog(CWnd* parent, HFONT calendarFont);

protected:
    bool OnInitDialog() override;

private:
    void UseCalendarTypeface();
    void CutCopyrightBeforeLastWord();

    HFONT calendarFont_;
    Font dialogFont_;
    CHyperLink mailLink_;
    CHyperLink webLink_;
};
