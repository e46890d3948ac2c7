#include "swexternals/desktop/DesktopVraag.h"

#include <wx/dirdlg.h>
#include <wx/filedlg.h>
#include <wx/msgdlg.h>

namespace
{
// Asks the user with the toolkit's own dialogs.
class EchteDialogen : public DesktopVraag
{
public:
    int stelVraag(const wxString& bericht, const wxString& titel, long stijl, wxWindow* ouder) override
    {
        return wxMessageBox(bericht, titel, stijl, ouder);
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
