#include "swexternals/desktop/DesktopDoosSizer.h"

#include <wx/statbox.h>

namespace
{
// GTK draws the caption inside the frame's border of one pixel, with a
// padding of three pixels at either side.
const int kopMarge = 2 * (1 + 3);
} // namespace

DesktopDoosSizer::DesktopDoosSizer(int richting, wxWindow* ouder, const wxString& kop)
    : wxStaticBoxSizer(richting, ouder, kop)
{
}

wxSize DesktopDoosSizer::CalcMin()
{
    wxSize maat = wxStaticBoxSizer::CalcMin();
    const wxStaticBox* doos = GetStaticBox();
    const wxString kop = doos->GetLabelText();
    if (!kop.empty())
        maat.IncTo(wxSize(doos->GetTextExtent(kop).GetWidth() + kopMarge, 0));
    return maat;
}
