#pragma once
#include "CDialog.h"
#include "GdiObjects.h"

// A dialog that shows the program's version line and copyright, read from the
// program's own version resource (controls IDC_APP_VERSION and IDC_APP_COPYRIGHT),
// in the system's icon-title typeface at the size of the template's font.
class VersionDialog : public CDialog {
public:
    using CDialog::CDialog;

protected:
    bool OnInitDialog() override;

private:
    Font baseFont_;
};
