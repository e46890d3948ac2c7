#include "swexternals/desktop/DesktopVraag.h"

#include <wx/dirdlg.h>
#include <wx/filedlg.h>
#include <wx/msgdlg.h>

namespace
{
wxMessageDialog::ButtonLabel label(const wxString& eigen, int stockId)
{
    if (eigen.empty())
        return wxMessageDialog::ButtonLabel(stockId);
    return wxMessageDialog::ButtonLabel(eigen);
}

void zetLabels(wxMessageDialog& dialoog, long stijl, const DesktopVraag::Knoppen& knoppen)
{
    if (knoppen.ja.empty() && knoppen.nee.empty() && knoppen.annuleer.empty())
        return;
    if (stijl & wxCANCEL)
        dialoog.SetYesNoCancelLabels(label(knoppen.ja, wxID_YES), label(knoppen.nee, wxID_NO),
                                     label(knoppen.annuleer, wxID_CANCEL));
    else
        dialoog.SetYesNoLabels(label(knoppen.ja, wxID_YES), label(knoppen.nee, wxID_NO));
}

// The answers of wxMessageBox, which the callers compare with.
int alsBerichtAntwoord(int id)
{
    switch (id)
    {
    case wxID_YES:
        return wxYES;
    case wxID_NO:
        return wxNO;
    case wxID_OK:
        return wxOK;
    case wxID_HELP:
        return wxHELP;
    default:
        return wxCANCEL;
    }
}

// Asks the user with the toolkit's own dialogs.
class EchteDialogen : public DesktopVraag
{
public:
    int stelVraag(const wxString& bericht, const wxString& titel, long stijl, wxWindow* ouder,
                  const Knoppen& knoppen) override
    {
        wxMessageDialog dialoog(ouder, bericht, titel, stijl);
        zetLabels(dialoog, stijl, knoppen);
        return alsBerichtAntwoord(dialoog.ShowModal());
    }

    wxString kiesBestand(const wxString& bericht, const wxString& standaardMap, const wxString& standaardNaam,
                         const wxString& wildcard, long stijl, wxWindow* ouder) override
    {
        return wxFileSelector(bericht, standaardMap, standaardNaam, wxEmptyString, wildcard, stijl, ouder);
    }

    wxString kiesMap(const wxString& bericht, const wxString& standaardMap, wxWindow* ouder) override
    {
        return wxDirSelector(bericht, standaardMap, wxDD_DEFAULT_STYLE, wxDefaultPosition, ouder);
    }
};

EchteDialogen echteDialogen;
DesktopVraag* huidige = &echteDialogen;
} // namespace

DesktopVraag& DesktopVraag::geef()
{
    return *huidige;
}

DesktopVraag* DesktopVraag::zet(DesktopVraag* nieuw)
{
    DesktopVraag* vorige = huidige;
    huidige = nieuw ? nieuw : &echteDialogen;
    return vorige;
}
