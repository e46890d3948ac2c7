#include "toepassing/venster/RekLijstCtrl.h"

#include "swexternals/desktop/DesktopFunkties.h"
#include "toepassing/kern/VerelTamsoApp.h"

#include <algorithm>
#include <wx/dcclient.h>

RekLijstCtrl::RekLijstCtrl(wxWindow* ouder, wxWindowID id, const wxPoint& positie, const wxSize& grootte, long stijl)
    : wxGenericListCtrl(ouder, id, positie, grootte, stijl | wxLC_VIRTUAL | wxLC_REPORT),
      statusNamen(VerelTamsoApp::geefAlleStatusAanduidingen()), statusKleuren(false)
{
}

void RekLijstCtrl::zetInhoud(RekLijstInhoud nieuw)
{
    wisSelektie();
    inhoud = std::move(nieuw);
    SetItemCount(inhoud.geefAantal());
    Refresh();
}

void RekLijstCtrl::zetTekstKleur(const wxColour& kleur)
{
    tekstKleur = kleur;
    SetTextColour(kleur);
}

void RekLijstCtrl::wisSelektie()
{
    for (long rij = GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED); rij != -1;
         rij = GetNextItem(rij, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED))
        SetItemState(rij, 0, wxLIST_STATE_SELECTED);
}

wxColour RekLijstCtrl::geefStatusKleur(int status)
{
    const unsigned int s = static_cast<unsigned int>(status);
    return wxColour(static_cast<unsigned char>(((4 - s) * 255) >> 2), static_cast<unsigned char>((s * 255) >> 2), 0);
}

wxString RekLijstCtrl::geefCelTekst(const Requirement& rek, long kolom, const wxArrayString& statusNamen)
{
    switch (kolom)
    {
    case VerelTamsoApp::KolomID:
        return DesktopFunkties::print(rek.SR);
    case VerelTamsoApp::KolomTitel:
        return rek.naam;
    case VerelTamsoApp::KolomAuteur:
        return rek.auteur;
    case VerelTamsoApp::KolomImplementatie:
        return rek.implementatieIngenieur;
    case VerelTamsoApp::KolomTestValidatie:
        return rek.testIngenieur;
    case VerelTamsoApp::KolomPrioriteit:
        return DesktopFunkties::print(rek.prioriteit);
    case VerelTamsoApp::KolomKosten:
        return DesktopFunkties::print(rek.totaleKosten);
    case VerelTamsoApp::KolomStatus:
        // A status written by other means than this program shows as its
        // number rather than as another level's name.
        if (rek.status >= 0 && static_cast<size_t>(rek.status) < statusNamen.size())
            return statusNamen[static_cast<size_t>(rek.status)];
        return DesktopFunkties::print(static_cast<int>(rek.status));
    case VerelTamsoApp::KolomBijdrage:
        return DesktopFunkties::print(rek.werkVerricht, 2);
    case VerelTamsoApp::KolomVoortgang:
        return DesktopFunkties::print(rek.laagFruit, 2);
    case VerelTamsoApp::KolomDatum:
        return rek.datum.IsValid() ? rek.datum.FormatISODate() : wxString();
    default:
        return wxString();
    }
}

wxString RekLijstCtrl::OnGetItemText(long rij, long kolom) const
{
    const Requirement* rek = inhoud.geefRequirement(rij);
    return rek ? geefCelTekst(*rek, kolom, statusNamen) : wxString();
}

wxItemAttr* RekLijstCtrl::OnGetItemAttr(long rij) const
{
    attribuut = wxItemAttr();
    attribuut.SetTextColour(tekstKleur);
    if (statusKleuren)
    {
        const Requirement* rek = inhoud.geefRequirement(rij);
        if (rek && rek->status >= 0 && rek->status < static_cast<int>(VerelTamsoApp::aantalStatusWaarden))
            attribuut.SetBackgroundColour(geefStatusKleur(rek->status));
    }
    return &attribuut;
}

void RekLijstCtrl::pasKolomBreedtesAan()
{
    // The toolkit's own fit reads every row up to a thousand: measure the
    // header and the rows in view instead.
    wxClientDC dc(this);
    dc.SetFont(GetFont());
    const int marge = 16;
    const long eerste = std::max(0L, GetTopItem());
    const long laatste =
        std::min(static_cast<long>(GetItemCount()), eerste + static_cast<long>(std::max(1, GetCountPerPage())) + 1);
    for (int kolom = 0; kolom < GetColumnCount(); ++kolom)
    {
        wxListItem kop;
        kop.SetMask(wxLIST_MASK_TEXT);
        GetColumn(kolom, kop);
        int breedte = dc.GetTextExtent(kop.GetText()).GetWidth() + 2 * marge;
        for (long rij = eerste; rij < laatste; ++rij)
            breedte = std::max(breedte, dc.GetTextExtent(OnGetItemText(rij, kolom)).GetWidth() + marge);
        SetColumnWidth(kolom, breedte);
    }
}
