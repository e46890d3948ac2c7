#include "toepassing/venster/RekLijstCtrl.h"

#include "swexternals/desktop/DesktopFunkties.h"
#include "toepassing/kern/VerelTamsoApp.h"

#include <algorithm>
#include <wx/dcclient.h>
#include <wx/settings.h>

namespace
{
// Room beside a cell's text, and beside a header's (the header's own
// margins and a border).
const int celMarge = 12;
const int kopMarge = 14;
} // namespace

RekLijstCtrl::RekLijstCtrl(wxWindow* ouder, wxWindowID id, const wxPoint& positie, const wxSize& grootte, long stijl)
    : wxGenericListCtrl(ouder, id, positie, grootte, stijl | wxLC_VIRTUAL | wxLC_REPORT),
      statusNamen(VerelTamsoApp::geefAlleStatusAanduidingen()), statusKleuren(false)
{
    Bind(wxEVT_SIZE, &RekLijstCtrl::OnGrootte, this);
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
    const long eerste = std::max(0L, GetTopItem());
    const long laatste =
        std::min(static_cast<long>(GetItemCount()), eerste + static_cast<long>(std::max(1, GetCountPerPage())) + 1);
    kolomMaten.assign(static_cast<size_t>(GetColumnCount()), KolomMaat{0, 0});
    for (int kolom = 0; kolom < GetColumnCount(); ++kolom)
    {
        wxListItem kop;
        kop.SetMask(wxLIST_MASK_TEXT);
        GetColumn(kolom, kop);
        int rijen = 0;
        for (long rij = eerste; rij < laatste; ++rij)
            rijen = std::max(rijen, dc.GetTextExtent(OnGetItemText(rij, kolom)).GetWidth() + celMarge);
        const int kopBreedte = dc.GetTextExtent(kop.GetText()).GetWidth() + kopMarge;
        kolomMaten[static_cast<size_t>(kolom)] = {std::max(kopBreedte, rijen), kopBreedte};
    }
    verdeelBreedte();
}

void RekLijstCtrl::OnGrootte(wxSizeEvent& gebeurtenis)
{
    gebeurtenis.Skip();
    verdeelBreedte();
}

// The title is the one column whose text has no bound: it gets what the
// others leave. Where even its header would not fit, the others give up
// what their rows need beyond their headers, each the same share: a cell is
// cut, never a header. Headers wider than the list together make it scroll
// sideways.
void RekLijstCtrl::verdeelBreedte()
{
    const size_t titel = VerelTamsoApp::KolomTitel;
    const size_t aantal = std::min(static_cast<size_t>(GetColumnCount()), kolomMaten.size());
    if (aantal <= titel)
        return;
    int breedte = GetClientSize().GetWidth() - 1;
    if (GetItemCount() > GetCountPerPage())
        breedte -= wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, this);

    std::vector<int> breedtes(aantal);
    long long overig = 0;
    long long overbodig = 0;
    for (size_t kolom = 0; kolom < aantal; ++kolom)
    {
        if (kolom == titel)
            continue;
        const KolomMaat& maat = kolomMaten[kolom];
        breedtes[kolom] = maat.nodig;
        overig += maat.nodig;
        overbodig += maat.nodig - maat.kop;
    }
    const int titelKop = kolomMaten[titel].kop;
    const long long tekort = std::min(overbodig, titelKop - (breedte - overig));
    if (tekort > 0)
        for (size_t kolom = 0; kolom < aantal; ++kolom)
        {
            if (kolom == titel)
                continue;
            const KolomMaat& maat = kolomMaten[kolom];
            const int afstand = static_cast<int>((tekort * (maat.nodig - maat.kop) + overbodig - 1) / overbodig);
            breedtes[kolom] -= afstand;
            overig -= afstand;
        }
    breedtes[titel] = std::max(titelKop, static_cast<int>(breedte - overig));

    for (size_t kolom = 0; kolom < aantal; ++kolom)
        if (GetColumnWidth(static_cast<int>(kolom)) != breedtes[kolom])
            SetColumnWidth(static_cast<int>(kolom), breedtes[kolom]);
}
