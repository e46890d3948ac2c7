#include "swexternals/desktop/DesktopAppBasis.h"
#include "swexternals/desktop/DesktopFunkties.h"
#include "toepassing/kern/BeschadigdeLezing.h"
#include "toepassing/kern/WerknemerLezing.h"
#include "toepassing/venster/RekLijstCtrl.h"
#include "toepassing/venster/VerelTamsoVenster.h"
#include "toepassing/venster/WerkVoortgang.h"

#include <functional>
#include <memory>
#include <utility>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/gauge.h>
#include <wx/menu.h>
#include <wx/sizer.h>
#include <wx/slider.h>
#include <wx/srchctrl.h>
#include <wx/stattext.h>
#include <wx/tglbtn.h>
#include <wx/utils.h>

namespace
{
const wxString pijlRechts = wxString::FromUTF8("\xE2\x86\x92 ");
const wxString pijlOmhoog = wxString::FromUTF8("\xE2\x86\x91 ");
const wxString pijlOmlaag = wxString::FromUTF8("\xE2\x86\x93 ");

// The gauge asserts on a value beyond its range.
int binnenMeter(double waarde, int bereik)
{
    if (!(waarde > 0))
        return 0;
    return waarde >= bereik ? bereik : static_cast<int>(waarde);
}

wxString alsGetal(long long waarde)
{
    return waarde < 0 ? _("error") : DesktopFunkties::printGegroepeerd(waarde);
}

// While the selection is read: the window knows it, the list shows only
// what it keeps, and the search may hand over to the window.
class LijstLezing
{
public:
    LijstLezing(bool& bezig_, RekLijstInhoud& inhoud_, SQLite3Basis& db_, std::function<void()> tussendoor)
        : bezig(bezig_), inhoud(inhoud_), db(db_)
    {
        bezig = true;
        inhoud.zetAlleenBewaard(true);
        db.zetTussendoor(std::move(tussendoor));
    }
    ~LijstLezing()
    {
        db.zetTussendoor(nullptr);
        inhoud.zetAlleenBewaard(false);
        bezig = false;
    }
    LijstLezing(const LijstLezing&) = delete;
    LijstLezing& operator=(const LijstLezing&) = delete;

private:
    bool& bezig;
    RekLijstInhoud& inhoud;
    SQLite3Basis& db;
};
} // namespace

void VerelTamsoVenster::verversLijst()
{
    // A refill asked for by what ran while a search let the window paint:
    // after that search, with the criteria as they are then.
    if (lijstWordtGelezen)
    {
        vraagLijstVerversen();
        return;
    }
    wxBusyCursor bezig;
    geselekteerdeRijen.Clear();
    // Also without a project: the list no longer shows the mode of the one
    // it showed last.
    rekLijst->SetBackgroundColour(app->geefAchtergrondKleur());
    if (!app->isDBOpen())
    {
        rekLijst->zetInhoud(RekLijstInhoud());
        voltooiingMeter->SetValue(0);
        vergeetStatistiekRuimte();
        zetStatistiek(*voltooiingLabel, _("Project completion"));
        zetStatistiek(*aantalRekLabel, _("none"));
        zetStatistiek(*kostenLabel, _("none"));
        pasIndelingAan();
        return;
    }
    rekLijst->zetTekstKleur(app->geefTekstKleur());
    rekLijst->zetStatusKleuren(statusKleuren.boolean());

    app->zetHoofdletterGevoeligheid(hoofdletterKnop->GetValue());
    app->zetZoektermMoetExactOvereenkomen(exactKnop->GetValue());
    static_cast<void>(maakLeesbaar());
    LijstSelektie selektie;
    bool gelezen = false;
    // Before the read: a change made meanwhile makes the list stale.
    lijstVersie = app->geefInhoudVersie();
    long long totaal = -1;
    long long totaleKosten = -1;
    {
        const LijstLezing lezing(lijstWordtGelezen, rekLijst->geefInhoud(), *app, &WerkVoortgang::laatSchilderen);
        // In a damaged project one work with one Cancel, which stops what
        // follows as well.
        const BeschadigdeLezing beschadigd(*app);
        gelezen = app->leesLijstSelektie(geefZoekCriteria(), selektie) == 0;
        // The whole project's figures, a read of every row as well.
        if (app->leesProjektTotalen(totaal, totaleKosten) != 0)
            totaal = totaleKosten = -1;
        // A damaged project lists the rows it can still read, none of them
        // blank; the figures then say that they are not the project's.
        if (gelezen && app->isBeschadigd() && app->houdLeesbaar(selektie) != 0)
            gelezen = false;
    }
    // Found damaged by this read: it reads again what can still be read.
    if (maakLeesbaar())
    {
        verversLijst();
        return;
    }
    lijstBeschadigd = app->isBeschadigd();

    const unsigned long long aantal = selektie.geefAantal();
    const long long kosten = selektie.kostenSom;
    const double voltooiing = selektie.voltooiing;
    rekLijst->zetInhoud(
        RekLijstInhoud(std::move(selektie),
                       [this](const LijstSelektie& s, size_t vanaf, size_t aantalRijen, RequirementLijst& rijen)
                       {
                           const int resultaat = app->leesLijstPagina(s, vanaf, aantalRijen, rijen);
                           meldPaginaFout(resultaat);
                           return resultaat;
                       }));
    rekLijst->pasKolomBreedtesAan();

    if (gelezen)
        toonStatistiek(aantal, totaal, kosten, totaleKosten, voltooiing);
    else
        toonLeesFout(totaal, totaleKosten);
    if (app->isBeschadigd())
        toonBeschadigd();
    app->synchroniseerWindowMetDBTransaktieStatus();
}

// Found damaged: from now on the list reads what can still be read of the
// project, with the figures of that. A refill asked for while the damage is
// shown, or while the scan that finds what can be read lets the window
// paint, comes after this one. True when the list reads another table now.
bool VerelTamsoVenster::maakLeesbaar()
{
    if (!app->isBeschadigd())
        return false;
    // The figures shown are those of the whole file, read before the damage
    // was found: not for the time its message and the scan take.
    if (!lijstBeschadigd)
        toonStatistiekOnbekend();
    lijstBeschadigd = true;
    const LijstLezing lezing(lijstWordtGelezen, rekLijst->geefInhoud(), *app, &WerkVoortgang::laatSchilderen);
    return app->maakLeesbaarDeel() == 0;
}

// Found damaged while it was read: from now on the project is read-only,
// and the window says so as for a project opened read-only.
void VerelTamsoVenster::toonBeschadigd()
{
    schakelSlechtsLezenKnoppen(StandAan);
    zetStatusTekst(app->geefDBPadVoorBeschrijving());
    rekLijst->SetBackgroundColour(app->geefAchtergrondKleur());
    rekLijst->Refresh();
}

VerelTamsoApp::ZoekCriteria VerelTamsoVenster::geefZoekCriteria() const
{
    VerelTamsoApp::ZoekCriteria criteria;
    criteria.sorteerKolom = static_cast<VerelTamsoApp::Kolommen>(geselekteerdeKolom.waarde);
    criteria.sortering = kolomRichting;
    criteria.zoekTekst = zoekVeld->GetValue();
    criteria.persoon = werknemerKeuze->GetValue();
    criteria.status = static_cast<Requirement::Status>(statusKeuze->GetSelection());
    criteria.type = static_cast<Requirement::Type>(typeKeuze->GetSelection());
    criteria.funkType = static_cast<Requirement::FunkType>(funkTypeKeuze->GetSelection());
    criteria.minPrioriteit = static_cast<unsigned int>(prioriteitSchuif->GetValue());
    return criteria;
}

// The store has reported the failure: the figures say it too, rather than
// an empty list that looks like a project without requirements.
void VerelTamsoVenster::toonLeesFout(long long totaal, long long totaleKosten)
{
    const wxString& sp = DesktopAppBasis::sp;
    bool gegroeid = zetStatistiek(*aantalRekLabel, _("error") + sp + _("out of a total of") + sp + alsGetal(totaal));
    const wxString symbool = app->geefProjektValuta().geefSymbool();
    gegroeid |= zetStatistiek(*kostenLabel, symbool + sp + _("error") + sp + _("out of a total of") + sp + symbool +
                                                sp + alsGetal(totaleKosten));
    gegroeid |= zetStatistiek(*voltooiingLabel, _("No completion"));
    voltooiingMeter->SetValue(0);
    pasIndelingAanNaVerversen(gegroeid);
}

void VerelTamsoVenster::toonStatistiekOnbekend()
{
    const wxString onbekend = _("not known yet");
    bool gegroeid = zetStatistiek(*aantalRekLabel, onbekend);
    gegroeid |= zetStatistiek(*kostenLabel, onbekend);
    // No figure beside it: a longer text would widen the box for as long as
    // the project is open.
    gegroeid |= zetStatistiek(*voltooiingLabel, _("Completion of listed items:"));
    voltooiingMeter->SetValue(0);
    pasIndelingAanNaVerversen(gegroeid);
}

void VerelTamsoVenster::toonStatistiek(unsigned long long aantal, long long totaal, long long kosten,
                                       long long totaleKosten, double voltooiing)
{
    pasIndelingAanNaVerversen(toonStatistiekTeksten(aantal, totaal, kosten, totaleKosten, voltooiing));
}

bool VerelTamsoVenster::toonStatistiekTeksten(unsigned long long aantal, long long totaal, long long kosten,
                                              long long totaleKosten, double voltooiing)
{
    const wxString& sp = DesktopAppBasis::sp;
    // Of a damaged project that is read only in part, the totals are those
    // of the part: the project holds at least as much.
    const wxString vanTotaal = app->isLeesbaarDeel() ? _("out of at least") : _("out of a total of");
    bool gegroeid = zetStatistiek(*aantalRekLabel,
                                  DesktopFunkties::printGegroepeerd(aantal) + sp + vanTotaal + sp + alsGetal(totaal));
    const wxString symbool = app->geefProjektValuta().geefSymbool();
    gegroeid |= zetStatistiek(*kostenLabel, symbool + sp + alsGetal(kosten) + sp + vanTotaal + sp + symbool + sp +
                                                alsGetal(totaleKosten));
    if (voltooiing == 0)
    {
        voltooiingMeter->SetValue(0);
        return zetStatistiek(*voltooiingLabel, _("No completion")) || gegroeid;
    }
    voltooiingMeter->SetValue(binnenMeter(voltooiing, voltooiingMeter->GetRange()));
    return zetStatistiek(*voltooiingLabel, _("Completion of listed items:") + sp +
                                               DesktopFunkties::print(static_cast<float>(voltooiing), 2) + " % ") ||
           gegroeid;
}

// A label's row keeps the room of its widest text since the project was
// opened: the next figures, as a rule as wide or narrower, then fit
// without measuring and laying out the whole window again. The label
// itself is as wide as its text, and only its row is laid out again, so
// that what stands beside it (the gauge after the completion) stands
// where a fresh layout puts it. True when the row needs more room.
bool VerelTamsoVenster::zetStatistiek(wxStaticText& label, const wxString& tekst)
{
    if (label.GetLabel() == tekst)
        return false;
    label.SetLabel(tekst);
    // GTK's best size of a label that was laid out is at least the size it
    // has: no measure of a shorter text.
    statistiekMaat->SetLabel(tekst);
    statistiekMaat->InvalidateBestSize();
    const int nodig = statistiekMaat->GetBestSize().GetWidth();
    if (nodig == label.GetMinSize().GetWidth())
        return false;
    label.SetMinSize(wxSize(nodig, -1));
    wxSizer& rij = *label.GetContainingSizer();
    const int ruimte = rij.CalcMin().GetWidth();
    if (ruimte > rij.GetSize().GetWidth())
    {
        rij.SetMinSize(wxSize(ruimte, -1));
        return true;
    }
    rij.Layout();
    return false;
}

void VerelTamsoVenster::vergeetStatistiekRuimte()
{
    for (wxStaticText* label : {aantalRekLabel, kostenLabel, voltooiingLabel})
    {
        label->SetMinSize(wxDefaultSize);
        label->InvalidateBestSize();
        label->GetContainingSizer()->SetMinSize(wxDefaultSize);
    }
}

// Laying the window out measures every control in it, and takes longer
// than the rest of a refill: only a figure that needs more room than its
// label has, or rows in view that need a wider list, call for it.
void VerelTamsoVenster::pasIndelingAanNaVerversen(bool labelGegroeid)
{
    if (pasLijstMinimumAan(false) || labelGegroeid)
        pasIndelingAan();
}

void VerelTamsoVenster::vraagLijstVerversen()
{
    if (lijstVerversenGevraagd)
        return;
    lijstVerversenGevraagd = true;
    CallAfter(
        [this]
        {
            lijstVerversenGevraagd = false;
            verversLijst();
        });
}

namespace
{
// Also when the version is not known: two unknown ones are the same state.
bool isZelfdeInhoud(const SQLite3Basis::InhoudVersie& a, const SQLite3Basis::InhoudVersie& b)
{
    return a.verbinding == b.verbinding && a.opening == b.opening && a.eigenWijzigingen == b.eigenWijzigingen &&
           a.rijWijzigingen == b.rijWijzigingen && a.dataVersie == b.dataVersie;
}
} // namespace

// Rows that are gone, or found damaged: what the list shows is no longer
// the project, unless the list was read from the project as it is.
void VerelTamsoVenster::meldPaginaFout(int resultaat)
{
    if (resultaat == 0 || (resultaat != 1 && !app->isBeschadigd()))
        return;
    if (isZelfdeInhoud(app->geefInhoudVersie(), lijstVersie) && app->isBeschadigd() == lijstBeschadigd)
        return;
    vraagLijstVerversen();
}

void VerelTamsoVenster::zetSortering() const
{
    const unsigned int kolom = geselekteerdeKolom.waarde;
    rekLijst->zetSorteerKolom(static_cast<int>(kolom));
    wxListItem kop;
    kop.SetMask(wxLIST_MASK_TEXT);
    kop.SetText(pijlRechts +
                wxGetTranslation(VerelTamsoApp::geefKolomNaam(static_cast<VerelTamsoApp::Kolommen>(kolom))) +
                (kolomRichting == SorteringOplopend ? pijlOmhoog : pijlOmlaag));
    rekLijst->SetColumn(static_cast<int>(kolom), kop);
}

// Every row's people, read a part at a time: what the user does between
// two parts is taken at once. The first part now, so that a project of
// fewer rows shows its people as soon as its list.
void VerelTamsoVenster::verversWerknemers()
{
    werknemerLezing = std::make_unique<WerknemerLezing>(*app);
    leesWerknemersDeel();
    if (werknemerLezing)
        toonWerknemers(wxArrayString());
}

void VerelTamsoVenster::leesWerknemersDeel()
{
    int gelezen = 2;
    {
        // A part may last too, on a slow disk: the window paints meanwhile.
        const LijstLezing lezing(lijstWordtGelezen, rekLijst->geefInhoud(), *app, &WerkVoortgang::laatSchilderen);
        gelezen = werknemerLezing->leesDeel();
    }
    if (gelezen == 0)
        return;
    // A failure is reported by the store; the box then offers no names.
    toonWerknemers(gelezen == 1 ? werknemerLezing->geefNamen() : wxArrayString());
    werknemerLezing.reset();
}

void VerelTamsoVenster::toonWerknemers(const wxArrayString& namen)
{
    const wxString tekst = werknemerKeuze->GetValue();
    werknemerKeuze->Clear();
    if (!namen.empty())
        werknemerKeuze->Append(namen);
    werknemerKeuze->ChangeValue(tekst);
}

void VerelTamsoVenster::OnRekLijstIDColLeftClick(wxListEvent& gebeurtenis)
{
    const unsigned int kolom = static_cast<unsigned int>(gebeurtenis.GetColumn());
    if (kolom != geselekteerdeKolom.waarde)
    {
        wxListItem kop;
        kop.SetMask(wxLIST_MASK_TEXT);
        kop.SetText(wxGetTranslation(
            VerelTamsoApp::geefKolomNaam(static_cast<VerelTamsoApp::Kolommen>(geselekteerdeKolom.waarde))));
        rekLijst->SetColumn(static_cast<int>(geselekteerdeKolom.waarde), kop);
        geselekteerdeKolom = kolom;
    }
    else
        kolomRichting = kolomRichting == SorteringOplopend ? SorteringAflopend : SorteringOplopend;
    zetSortering();
    verversLijst();
}

void VerelTamsoVenster::OnBeperkRekZoekenMetStatusIDSelected(wxCommandEvent&)
{
    verversLijst();
}

void VerelTamsoVenster::OnBeperkRekZoekenTypeIDSelected(wxCommandEvent&)
{
    verversLijst();
}

void VerelTamsoVenster::OnBeperkRekZoekenFunktioneelTypeIDSelected(wxCommandEvent&)
{
    verversLijst();
}

void VerelTamsoVenster::OnRekPrioriteitIDScrollLineUp(wxScrollEvent&)
{
    volgPrioriteit();
}

void VerelTamsoVenster::OnRekPrioriteitIDScrollLineDown(wxScrollEvent&)
{
    volgPrioriteit();
}

void VerelTamsoVenster::OnRekPrioriteitIDScrollPageUp(wxScrollEvent&)
{
    volgPrioriteit();
}

void VerelTamsoVenster::OnRekPrioriteitIDScrollPageDown(wxScrollEvent&)
{
    volgPrioriteit();
}

void VerelTamsoVenster::OnRekPrioriteitIDScrollThumbRelease(wxScrollEvent&)
{
    volgPrioriteit();
}

void VerelTamsoVenster::OnRekPrioriteitIDScrollChanged(wxScrollEvent&)
{
    volgPrioriteit();
}

void VerelTamsoVenster::volgPrioriteit()
{
    if (prioriteitSchuif->GetValue() == gevolgdePrioriteit)
        return;
    gevolgdePrioriteit = prioriteitSchuif->GetValue();
    verversLijst();
}

void VerelTamsoVenster::OnZoekRekVeldIDSearchButtonClick(wxCommandEvent&)
{
    verversLijst();
}

void VerelTamsoVenster::OnZoekRekVeldIDTextUpdated(wxCommandEvent&)
{
    vraagLijstVerversen();
}

void VerelTamsoVenster::OnZoekHoofdletterGevoeligIDClick(wxCommandEvent&)
{
    verversLijst();
}

void VerelTamsoVenster::OnZoekExacteOvereenkomstIDClick(wxCommandEvent&)
{
    verversLijst();
}

void VerelTamsoVenster::OnWerknemerKeuzeIDSelected(wxCommandEvent&)
{
    verversLijst();
}

void VerelTamsoVenster::OnWerknemerKeuzeIDUpdated(wxCommandEvent&)
{
    vraagLijstVerversen();
}

void VerelTamsoVenster::OnBeperkRekZoekenMetStatusIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(app->isDBOpen());
}

void VerelTamsoVenster::OnBeperkRekZoekenTypeIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(app->isDBOpen());
}

void VerelTamsoVenster::OnBeperkRekZoekenFunktioneelTypeIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(app->isDBOpen());
}

void VerelTamsoVenster::OnRekPrioriteitIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(app->isDBOpen());
}

void VerelTamsoVenster::OnZoekHoofdletterGevoeligIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(app->isDBOpen());
}

void VerelTamsoVenster::OnZoekExacteOvereenkomstIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(app->isDBOpen());
}

void VerelTamsoVenster::OnWerknemerKeuzeIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(app->isDBOpen());
}

void VerelTamsoVenster::OnRefreshClick(wxCommandEvent&)
{
    verversLijst();
    verversWerknemers();
}

void VerelTamsoVenster::OnRefreshUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(rekLijst->GetItemCount() > 0);
}

void VerelTamsoVenster::OnGebruikKleurenVoorStatusIDClick(wxCommandEvent&)
{
    statusKleuren.om();
    verversLijst();
}

void VerelTamsoVenster::OnDubbelKlikBetekentToonModeIDClick(wxCommandEvent&)
{
    dubbelKlikBewerkt.uit();
}

void VerelTamsoVenster::OnDubbelKlikBetekentToonModeIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(app->isDBOpen() && rekLijst->GetSelectedItemCount() == 1);
}

void VerelTamsoVenster::OnDubbelKlikBetekentEditModeIDClick(wxCommandEvent&)
{
    dubbelKlikBewerkt.aan();
}

void VerelTamsoVenster::OnDubbelKlikBetekentEditModeIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(app->isDBOpen() && rekLijst->GetSelectedItemCount() == 1);
}
