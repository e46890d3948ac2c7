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
// Characters of a title that the title column keeps room for; in average
// letters of the list's font, what it keeps at least where even the others'
// shortest would not leave that, what a shortened header still shows and
// what the name of a person.
const int titelTekens = 30;
const int kortsteTitelTekens = 10;
const int kortsteKopTekens = 3;
const int kortsteNaamTekens = 6;

// The names of people, as long as they were typed in: they give way after
// the headers. A figure, a date or a status cut would be lost.
bool isNaam(size_t kolom)
{
    return kolom == VerelTamsoApp::KolomAuteur || kolom == VerelTamsoApp::KolomImplementatie ||
           kolom == VerelTamsoApp::KolomTestValidatie;
}

// The average width of the letters in the window's font.
int geefTekenBreedte(const wxWindow* venster)
{
    static const wxString letters = "abcdefghijklmnopqrstuvwxyz";
    return std::max(1, venster->GetTextExtent(letters).GetWidth() / static_cast<int>(letters.length()));
}

// The widths towards `naar` by `tekort` together at most: the ones that
// can give most give first, down to a level they then share, so that a
// short header keeps its text as long as a long one can give; what was
// given.
long long krimp(std::vector<int>& breedtes, const std::vector<int>& naar, long long tekort)
{
    if (tekort <= 0)
        return 0;
    const auto boven = [&](int niveau)
    {
        long long som = 0;
        for (size_t k = 0; k < breedtes.size(); ++k)
            som += std::max(0, breedtes[k] - naar[k] - niveau);
        return som;
    };
    // The highest level above which they give enough.
    int laag = 0;
    int hoog = 0;
    for (size_t k = 0; k < breedtes.size(); ++k)
        hoog = std::max(hoog, breedtes[k] - naar[k]);
    if (boven(0) <= tekort)
        laag = 0;
    else
        while (laag < hoog)
        {
            const int midden = (laag + hoog + 1) / 2;
            if (boven(midden) >= tekort)
                laag = midden;
            else
                hoog = midden - 1;
        }
    const long long gegeven = boven(laag);
    for (size_t k = 0; k < breedtes.size(); ++k)
        breedtes[k] -= std::max(0, breedtes[k] - naar[k] - laag);
    return gegeven;
}
} // namespace

RekLijstCtrl::RekLijstCtrl(wxWindow* ouder, wxWindowID id, const wxPoint& positie, const wxSize& grootte, long stijl)
    : wxGenericListCtrl(ouder, id, positie, grootte, stijl | wxLC_VIRTUAL | wxLC_REPORT), sorteerKolom(-1),
      gemetenVanaf(-1), gemetenTot(-1), titelBegin(0), statusNamen(VerelTamsoApp::geefAlleStatusAanduidingen()),
      statusKleuren(false)
{
    Bind(wxEVT_SIZE, &RekLijstCtrl::OnGrootte, this);
    if (wxWindow* kop = geefKopVenster())
        kop->Bind(wxEVT_MOTION, &RekLijstCtrl::OnKopBeweging, this);
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

void RekLijstCtrl::zetSorteerKolom(int kolom)
{
    sorteerKolom = kolom;
}

long RekLijstCtrl::DoInsertColumn(long kolom, const wxListItem& item)
{
    const long nieuw = wxGenericListCtrl::DoInsertColumn(kolom, item);
    if (nieuw >= 0 && static_cast<size_t>(nieuw) <= kopTeksten.size())
        kopTeksten.Insert(item.GetText(), static_cast<size_t>(nieuw));
    return nieuw;
}

bool RekLijstCtrl::SetColumn(int kolom, const wxListItem& item)
{
    if (!(item.GetMask() & wxLIST_MASK_TEXT) || kolom < 0 || static_cast<size_t>(kolom) >= kopTeksten.size())
        return wxGenericListCtrl::SetColumn(kolom, item);
    kopTeksten[static_cast<size_t>(kolom)] = item.GetText();
    wxListItem getoond(item);
    getoond.SetText(geefGetoondeKop(kolom));
    return wxGenericListCtrl::SetColumn(kolom, getoond);
}

bool RekLijstCtrl::GetColumn(int kolom, wxListItem& item) const
{
    if (!wxGenericListCtrl::GetColumn(kolom, item))
        return false;
    if ((item.GetMask() & wxLIST_MASK_TEXT) && kolom >= 0 && static_cast<size_t>(kolom) < kopTeksten.size())
        item.SetText(kopTeksten[static_cast<size_t>(kolom)]);
    return true;
}

wxString RekLijstCtrl::geefGetoondeKop(int kolom) const
{
    const wxString& tekst = kopTeksten[static_cast<size_t>(kolom)];
    const wxWindow* kop = geefKopVenster();
    const int ruimte = GetColumnWidth(kolom) - kopMarge;
    if (!kop || kop->GetTextExtent(tekst).GetWidth() <= ruimte)
        return tekst;
    // Shortened in the middle: the end keeps the unit, "(%)", and the sort
    // column's arrow.
    static const wxString beletsel = wxString::FromUTF8("\xE2\x80\xA6");
    wxString begin = tekst.Left((tekst.length() + 1) / 2);
    wxString eind = tekst.Mid(begin.length());
    const auto samen = [&begin, &eind] { return wxString(begin).Trim() + beletsel + wxString(eind).Trim(false); };
    while (!(begin.empty() && eind.empty()) && kop->GetTextExtent(samen()).GetWidth() > ruimte)
    {
        if (begin.length() > eind.length())
            begin.RemoveLast();
        else
            eind.Remove(0, 1);
    }
    return samen();
}

void RekLijstCtrl::toonKoppen()
{
    for (int kolom = 0; kolom < GetColumnCount() && static_cast<size_t>(kolom) < kopTeksten.size(); ++kolom)
    {
        wxListItem getoond;
        getoond.SetMask(wxLIST_MASK_TEXT);
        if (!wxGenericListCtrl::GetColumn(kolom, getoond))
            continue;
        const wxString kort = geefGetoondeKop(kolom);
        if (getoond.GetText() == kort)
            continue;
        getoond.SetText(kort);
        wxGenericListCtrl::SetColumn(kolom, getoond);
    }
}

void RekLijstCtrl::pasKolomBreedtesAan()
{
    meetRijen(true);
    verdeelBreedte();
}

// The toolkit's own fit reads every row up to a thousand: the rows in view
// are measured instead, and again when others come into view, so that no
// figure is cut after a scroll either.
void RekLijstCtrl::meetRijen(bool opnieuw)
{
    wxClientDC dc(this);
    dc.SetFont(GetFont());
    const long eerste = std::max(0L, GetTopItem());
    const long laatste =
        std::min(static_cast<long>(GetItemCount()), eerste + static_cast<long>(std::max(1, GetCountPerPage())) + 1);
    gemetenVanaf = eerste;
    gemetenTot = laatste;
    if (opnieuw || kolomMaten.size() != static_cast<size_t>(GetColumnCount()))
    {
        kolomMaten.assign(static_cast<size_t>(GetColumnCount()), KolomMaat{0, 0});
        titelBegin = 0;
    }
    for (int kolom = 0; kolom < GetColumnCount(); ++kolom)
    {
        wxListItem kop;
        kop.SetMask(wxLIST_MASK_TEXT);
        GetColumn(kolom, kop);
        KolomMaat& maat = kolomMaten[static_cast<size_t>(kolom)];
        for (long rij = eerste; rij < laatste; ++rij)
        {
            const wxString tekst = OnGetItemText(rij, kolom);
            maat.cel = std::max(maat.cel, dc.GetTextExtent(tekst).GetWidth() + celMarge);
            if (kolom == VerelTamsoApp::KolomTitel)
                titelBegin = std::max(titelBegin, dc.GetTextExtent(tekst.Left(titelTekens)).GetWidth() + celMarge);
        }
        // The header draws in a font of its own.
        const wxWindow* kopVenster = geefKopVenster();
        maat.kop =
            (kopVenster ? kopVenster->GetTextExtent(kop.GetText()) : dc.GetTextExtent(kop.GetText())).GetWidth() +
            kopMarge;
    }
}

void RekLijstCtrl::OnInternalIdle()
{
    wxGenericListCtrl::OnInternalIdle();
    if (kolomMaten.empty() || GetItemCount() == 0)
        return;
    const long eerste = std::max(0L, GetTopItem());
    if (eerste == gemetenVanaf && eerste + GetCountPerPage() + 1 <= gemetenTot)
        return;
    meetRijen(false);
    verdeelBreedte();
}

void RekLijstCtrl::OnGrootte(wxSizeEvent& gebeurtenis)
{
    gebeurtenis.Skip();
    verdeelBreedte();
}

wxWindow* RekLijstCtrl::geefKopVenster() const
{
    for (wxWindow* kind : GetChildren())
        if (kind != GetTargetWindow())
            return kind;
    return nullptr;
}

void RekLijstCtrl::OnKopBeweging(wxMouseEvent& gebeurtenis)
{
    gebeurtenis.Skip();
    wxWindow* kop = geefKopVenster();
    if (!kop)
        return;
    int x = 0;
    CalcUnscrolledPosition(gebeurtenis.GetX(), 0, &x, nullptr);
    for (int kolom = 0; kolom < GetColumnCount(); x -= GetColumnWidth(kolom), ++kolom)
    {
        if (x >= GetColumnWidth(kolom))
            continue;
        wxListItem item;
        item.SetMask(wxLIST_MASK_TEXT);
        GetColumn(kolom, item);
        if (kop->GetTextExtent(item.GetText()).GetWidth() + kopMarge > GetColumnWidth(kolom))
        {
            if (kop->GetToolTipText() != item.GetText())
                kop->SetToolTip(item.GetText());
            return;
        }
        break;
    }
    kop->UnsetToolTip();
}

// The title is the one column whose text has no bound: it gets what the
// others leave, and keeps room for about thirty characters. Where the
// others would leave less, the headers wider than their cells give way
// first (shortened in the middle, the tool tip shows them whole), then
// the names of people; figures, dates and the status never. Where even that
// leaves too little, the title keeps ten characters and the list scrolls
// sideways.
void RekLijstCtrl::geefGrenzen(Grenzen& grenzen) const
{
    const size_t titel = VerelTamsoApp::KolomTitel;
    const size_t aantal = std::min(static_cast<size_t>(GetColumnCount()), kolomMaten.size());
    const int teken = geefTekenBreedte(this);
    const wxWindow* kopVenster = geefKopVenster();
    const int kopTeken = kopVenster ? geefTekenBreedte(kopVenster) : teken;
    grenzen.nodig.assign(aantal, 0);
    grenzen.kortKop.assign(aantal, 0);
    grenzen.kortNaam.assign(aantal, 0);
    grenzen.kortsteTitel = kortsteTitelTekens * teken + celMarge;
    // The beginning of the titles in view, or of a title as wide as most.
    grenzen.titelRuimte = titelBegin > 0 ? titelBegin : titelTekens * teken + celMarge;
    for (size_t kolom = 0; kolom < aantal; ++kolom)
    {
        if (kolom == titel)
            continue;
        const KolomMaat& maat = kolomMaten[kolom];
        const int kop = static_cast<int>(kolom) == sorteerKolom
                            ? maat.kop
                            : std::min(maat.kop, kortsteKopTekens * kopTeken + kopMarge);
        grenzen.nodig[kolom] = std::max(maat.cel, maat.kop);
        grenzen.kortKop[kolom] = std::max(maat.cel, kop);
        grenzen.kortNaam[kolom] = isNaam(kolom)
                                      ? std::max(std::min(maat.cel, kortsteNaamTekens * teken + celMarge), kop)
                                      : grenzen.kortKop[kolom];
    }
}

int RekLijstCtrl::geefKleinsteBreedte() const
{
    Grenzen grenzen;
    geefGrenzen(grenzen);
    if (grenzen.kortNaam.size() <= VerelTamsoApp::KolomTitel)
        return 0;
    int breedte = grenzen.kortsteTitel + 1 + wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, this);
    for (int b : grenzen.kortNaam)
        breedte += b;
    return breedte + GetSize().GetWidth() - GetClientSize().GetWidth();
}

void RekLijstCtrl::verdeelBreedte()
{
    const size_t titel = VerelTamsoApp::KolomTitel;
    Grenzen grenzen;
    geefGrenzen(grenzen);
    const size_t aantal = grenzen.nodig.size();
    if (aantal <= titel)
        return;
    int breedte = GetClientSize().GetWidth() - 1;
    if (GetItemCount() > GetCountPerPage())
        breedte -= wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, this);
    const std::vector<int>& nodig = grenzen.nodig;
    const std::vector<int>& kortKop = grenzen.kortKop;
    const std::vector<int>& kortNaam = grenzen.kortNaam;
    const int titelRuimte = grenzen.titelRuimte;

    std::vector<int> breedtes = nodig;
    long long overig = 0;
    for (int b : breedtes)
        overig += b;
    long long tekort = overig - (breedte - titelRuimte);
    tekort -= krimp(breedtes, kortKop, tekort);
    tekort -= krimp(breedtes, kortNaam, tekort);
    overig = 0;
    for (int b : breedtes)
        overig += b;
    breedtes[titel] = std::max(grenzen.kortsteTitel, static_cast<int>(breedte - overig));

    for (size_t kolom = 0; kolom < aantal; ++kolom)
        if (GetColumnWidth(static_cast<int>(kolom)) != breedtes[kolom])
            SetColumnWidth(static_cast<int>(kolom), breedtes[kolom]);
    toonKoppen();
}
