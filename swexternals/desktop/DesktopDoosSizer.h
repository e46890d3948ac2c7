#ifndef SWEXTERNALS_DESKTOP_DESKTOPDOOSSIZER_H
#define SWEXTERNALS_DESKTOP_DESKTOPDOOSSIZER_H

#include <wx/sizer.h>

// A labelled box around its items that is never narrower than its caption.
// GTK's frame cuts a caption wider than what the box holds at both ends
// ("ktuelle Versior"), and the toolkit's own box sizer takes the frame's
// best size, which is that of its items, for the caption's.
class DesktopDoosSizer : public wxStaticBoxSizer
{
public:
    DesktopDoosSizer(int richting, wxWindow* ouder, const wxString& kop);

    wxSize CalcMin() override;
};

#endif
