#include "toepassing/venster/RekLijstCtrl.h"

#include "swexternals/desktop/DesktopFunkties.h"
#include "toepassing/kern/VerelTamsoApp.h"

#include <algorithm>
#include <wx/dcclient.h>
#include <wx/graphics.h>
#include <wx/settings.h>

namespace
{
// The rows around those in view whose texts are kept.
constexpr size_t bewaardeRijTeksten = 256;
// Where the toolkit's list puts a row's texts: the first this far from the
// row's left edge, each within its column less this margin.
constexpr int rijBegin = 2;
constexpr int tekstMarge = 8;
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
      gemetenVanaf(-1), gemetenTot(-1), titelBegin(0), celMaten(*this),
      statusNamen(VerelTamsoApp::geefAlleStatusAanduidingen()), statusKleuren(false)
{
    Bind(wxEVT_SIZE, &RekLijstCtrl::OnGrootte, this);
    GetTargetWindow()->Bind(wxEVT_PAINT, &RekLijstCtrl::OnRijenSchilderen, this);
    // The header draws in a font of its own.
    wxWindow* kop = geefKopVenster();
    kopMaten = std::make_unique<TekstMaten>(kop ? *kop : static_cast<wxWindow&>(*this));
    if (kop)
        kop->Bind(wxEVT_MOTION, &RekLijstCtrl::OnKopBeweging, this);
}

void RekLijstCtrl::zetInhoud(RekLijstInhoud nieuw)
{
    wisSelektie();
    inhoud = std::move(nieuw);
    celTeksten.clear();
    SetItemCount(inhoud.geefAantal());
    // The rows only: the list's own Refresh draws its header again too,
    // which the new rows leave as it was.
    GetTargetWindow()->Refresh();
}

void RekLijstCtrl::zetTekstKleur(const wxColour& kleur)
{
    tekstKleur = kleur;
    SetTextColour(kleur);
}

// A block of thousands of rows is selected after a move, and deselected at
// the next refill: the texts of each are not formatted (nor their pages
// read) for an event that tells only the row.
void RekLijstCtrl::wisSelektie()
{
    selekteertRijen = true;
    for (long rij = GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED); rij != -1;
         rij = GetNextItem(rij, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED))
        SetItemState(rij, 0, wxLIST_STATE_SELECTED);
    selekteertRijen = false;
}

// The toolkit tells a row's selection by looking it up among all rows
// selected, one by one: with thousands selected, asking every row of the
// list takes seconds. A block, as a move or a Shift range leaves it, is
// found around the row with the focus, and asks only its own rows and
// the two beside it; other selections are looked for until all are found.
wxArrayInt RekLijstCtrl::geefGeselekteerdeRijen() const
{
    wxArrayInt rijen;
    const long aantal = GetSelectedItemCount();
    if (aantal <= 0)
        return rijen;
    const long focus = GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_FOCUSED);
    if (focus >= 0 && GetItemState(focus, wxLIST_STATE_SELECTED) != 0)
    {
        long van = focus;
        long tot = focus;
        while (van > 0 && GetItemState(van - 1, wxLIST_STATE_SELECTED) != 0)
            --van;
        while (tot + 1 < GetItemCount() && GetItemState(tot + 1, wxLIST_STATE_SELECTED) != 0)
            ++tot;
        if (tot - van + 1 == aantal)
        {
            for (long rij = van; rij <= tot; ++rij)
                rijen.Add(static_cast<int>(rij));
            return rijen;
        }
    }
    for (long rij = -1; static_cast<long>(rijen.size()) < aantal;)
    {
        rij = GetNextItem(rij, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
        if (rij == -1)
            break;
        rijen.Add(static_cast<int>(rij));
    }
    return rijen;
}

void RekLijstCtrl::selekteer(const std::vector<long>& rijen)
{
    selekteertRijen = true;
    for (const long rij : rijen)
        SetItemState(rij, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
    selekteertRijen = false;
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

// A row's texts are asked for when it is measured and each time it is
// painted: a date or a share is formatted once.
wxString RekLijstCtrl::OnGetItemText(long rij, long kolom) const
{
    if (toolkitSchildert || selekteertRijen)
        return wxString();
    auto bekend = celTeksten.find(rij);
    if (bekend == celTeksten.end())
    {
        const Requirement* rek = inhoud.geefRequirement(rij);
        // Not kept: its page may be read later.
        if (!rek)
            return wxString();
        if (celTeksten.size() >= bewaardeRijTeksten)
            celTeksten.clear();
        std::vector<wxString> teksten;
        for (long k = 0; k < GetColumnCount(); ++k)
            teksten.push_back(geefCelTekst(*rek, k, statusNamen));
        bekend = celTeksten.emplace(rij, std::move(teksten)).first;
    }
    return kolom >= 0 && static_cast<size_t>(kolom) < bekend->second.size() ? bekend->second[static_cast<size_t>(kolom)]
                                                                            : wxString();
}

wxItemAttr* RekLijstCtrl::OnGetItemAttr(long rij) const
{
    attribuut = wxItemAttr();
    attribuut.SetTextColour(tekstKleur);
    if (statusKleuren && !selekteertRijen)
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
    wxListItem getoond(item);
    if ((item.GetMask() & wxLIST_MASK_TEXT) && kolom >= 0 && static_cast<size_t>(kolom) < kopTeksten.size())
    {
        kopTeksten[static_cast<size_t>(kolom)] = item.GetText();
        getoond.SetText(geefGetoondeKop(kolom));
    }
    if (!wxGenericListCtrl::SetColumn(kolom, getoond))
        return false;
    verversKop();
    return true;
}

bool RekLijstCtrl::SetColumnWidth(int kolom, int breedte)
{
    if (!wxGenericListCtrl::SetColumnWidth(kolom, breedte))
        return false;
    verversKop();
    return true;
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
    kopMaten->volgFont();
    if (!kop || kopMaten->geef(tekst) <= ruimte)
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
        verversKop();
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
    celMaten.volgFont();
    kopMaten->volgFont();
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
            // Only the beginning of a title counts: its column never
            // takes its whole width.
            if (kolom == VerelTamsoApp::KolomTitel)
                titelBegin = std::max(titelBegin, celMaten.geef(tekst.Left(titelTekens)) + celMarge);
            else
                maat.cel = std::max(maat.cel, celMaten.geef(tekst) + celMarge);
        }
        maat.kop = kopMaten->geef(kop.GetText()) + kopMarge;
    }
}

// The toolkit's list measures every text it paints, and its drawing of a
// text measures it again: three times the shaping of each text at every
// paint. It paints the rows here, their colours, the selection, the rules
// and the focus, without texts; the list then draws each text once, at the
// place the toolkit would, from the sizes it keeps.
void RekLijstCtrl::OnRijenSchilderen(wxPaintEvent& gebeurtenis)
{
    if (toolkitSchildert)
    {
        gebeurtenis.Skip();
        return;
    }
    toolkitSchildert = true;
    GetTargetWindow()->ProcessWindowEventLocally(gebeurtenis);
    toolkitSchildert = false;
    tekenTeksten();
}

void RekLijstCtrl::tekenTeksten()
{
    wxWindow& rijen = *GetTargetWindow();
    wxPaintDC dc(&rijen);
    wxRect eerste;
    if (GetItemCount() == 0 || !GetItemRect(GetTopItem(), eerste) || eerste.GetHeight() <= 0)
        return;
    PrepareDC(dc);
    wxGraphicsContext* gc = dc.GetGraphicsContext();
    if (!gc)
        return;
    // The rows of the region to paint.
    const int regel = eerste.GetHeight();
    const wxRect gebied = rijen.GetUpdateRegion().GetBox();
    int boven = 0;
    int onder = 0;
    CalcUnscrolledPosition(0, gebied.GetTop(), nullptr, &boven);
    CalcUnscrolledPosition(0, gebied.GetBottom(), nullptr, &onder);
    const long van = std::max(0, boven / regel);
    const long tot = std::min(static_cast<long>(GetItemCount()) - 1, static_cast<long>(onder / regel));

    std::vector<int> breedtes;
    std::vector<int> uitlijningen;
    for (int kolom = 0; kolom < GetColumnCount(); ++kolom)
    {
        wxListItem item;
        item.SetMask(wxLIST_MASK_FORMAT | wxLIST_MASK_WIDTH);
        wxGenericListCtrl::GetColumn(kolom, item);
        breedtes.push_back(item.GetWidth());
        uitlijningen.push_back(item.GetAlign());
    }
    const wxColour gewoon = tekstKleur.IsOk() ? tekstKleur : GetForegroundColour();
    const wxColour geselekteerd =
        wxSystemSettings::GetColour(HasFocus() ? wxSYS_COLOUR_HIGHLIGHTTEXT : wxSYS_COLOUR_LISTBOXHIGHLIGHTTEXT);
    celMaten.volgFont();
    bool fontGezet = false;
    bool fontGeselekteerd = false;
    for (long rij = van; rij <= tot; ++rij)
    {
        const bool isGeselekteerd = GetItemState(rij, wxLIST_STATE_SELECTED) != 0;
        if (!fontGezet || isGeselekteerd != fontGeselekteerd)
        {
            gc->SetFont(GetFont(), isGeselekteerd ? geselekteerd : gewoon);
            fontGezet = true;
            fontGeselekteerd = isGeselekteerd;
        }
        const int midden = static_cast<int>(rij) * regel + regel / 2;
        int x = rijBegin;
        for (size_t kolom = 0; kolom < breedtes.size(); ++kolom)
        {
            const Cel cel{x, breedtes[kolom] - tekstMarge, midden, uitlijningen[kolom]};
            tekenCel(dc, *gc, OnGetItemText(rij, static_cast<long>(kolom)), cel);
            x += breedtes[kolom];
        }
    }
}

// Centred (or as the column aligns) where it fits; else as much of its
// beginning as fits with an ellipsis after it, as the toolkit shortens it.
void RekLijstCtrl::tekenCel(wxDC& dc, wxGraphicsContext& gc, wxString tekst, const Cel& cel)
{
    const int ruimte = cel.ruimte;
    if (tekst.empty() || ruimte <= 0)
        return;
    // One line: the toolkit's list shows no more.
    tekst.Replace("\n", " ");
    const wxSize maat = celMaten.geefMaat(tekst);
    const int y = cel.midden - (maat.GetHeight() + 1) / 2;
    int x = cel.x;
    if (maat.GetWidth() <= ruimte)
    {
        if (cel.uitlijning == wxLIST_FORMAT_CENTRE)
            x += (ruimte - maat.GetWidth()) / 2;
        else if (cel.uitlijning == wxLIST_FORMAT_RIGHT)
            x += ruimte - maat.GetWidth();
        gc.DrawText(tekst, x, y);
        return;
    }
    wxString beletsel = "...";
    int beletselBreedte = celMaten.geef(beletsel);
    int breedte = maat.GetWidth();
    wxString begin = tekst;
    while (begin.length() > 1)
    {
        breedte -= celMaten.geef(begin.Last());
        begin.RemoveLast();
        if (breedte + beletselBreedte <= ruimte)
            break;
    }
    while (!beletsel.empty() && breedte + beletselBreedte > ruimte)
    {
        beletsel.RemoveLast();
        beletselBreedte = celMaten.geef(beletsel);
    }
    const wxDCClipper binnen(dc, x, y, ruimte, maat.GetHeight());
    gc.DrawText(begin, x, y);
    if (!beletsel.empty())
        gc.DrawText(beletsel, x + breedte, y);
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

void RekLijstCtrl::verversKop()
{
    if (wxWindow* kop = geefKopVenster())
        kop->Refresh();
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
    celMaten.volgFont();
    kopMaten->volgFont();
    const int teken = celMaten.geefTekenBreedte();
    const int kopTeken = kopMaten->geefTekenBreedte();
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
