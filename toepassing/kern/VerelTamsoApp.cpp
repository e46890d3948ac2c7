#include "toepassing/kern/VerelTamsoApp.h"

#include "swexternals/desktop/DesktopFunkties.h"
#include "toepassing/kern/LangWerk.h"
#include "toepassing/kern/VensterKoppeling.h"

#include <chrono>
#include <utility>
#include <wx/fontdata.h>
#include <wx/intl.h>
#include <wx/settings.h>

const wxString VerelTamsoApp::ConfigTabelNaam = "Configuratie";
const wxString VerelTamsoApp::ConfigTabelZicht = "KonfZicht";
const wxString VerelTamsoApp::TamsoTabelNaam = "Requirements";
const wxString VerelTamsoApp::TamsoTabelZicht = "RekZicht";

const wxString VerelTamsoApp::VasteStatusWaarden[aantalStatusWaarden] = {
    wxTRANSLATE("Development"), wxTRANSLATE("Defined"), wxTRANSLATE("Implemented"), wxTRANSLATE("Tested"),
    wxTRANSLATE("Ready")};
const wxArrayString VerelTamsoApp::vasteStatusWaardenArray(aantalStatusWaarden, VasteStatusWaarden);

const wxString VerelTamsoApp::safepointNaam = "VerelTamsoSafePoint";

const wxString VerelTamsoApp::KolommenNamenVelden[aantalKolommen] = {wxTRANSLATE("I.D"),
                                                                     wxTRANSLATE("Title"),
                                                                     wxTRANSLATE("Author"),
                                                                     wxTRANSLATE("Implementation"),
                                                                     wxTRANSLATE("Test+Validation"),
                                                                     wxTRANSLATE("Priority"),
                                                                     wxTRANSLATE("Cost"),
                                                                     wxTRANSLATE("Status"),
                                                                     wxTRANSLATE("Contribution to project (%)"),
                                                                     wxTRANSLATE("Progress gain (%)"),
                                                                     wxTRANSLATE("Date")};
const wxString VerelTamsoApp::KolommenDBNamenVelden[aantalKolommen] = {
    "SR",         "naam",         "auteur", "implementatieIngenieur", "testIngenieur",
    "prioriteit", "totaleKosten", "status", "werkVerricht",           "laagFruit",
    "datum"};

const wxColour VerelTamsoApp::wit(255, 255, 255);
const wxColour VerelTamsoApp::groen(0, 250, 0);
const wxColour VerelTamsoApp::lichtblauw(0, 50, 225);
const wxColour VerelTamsoApp::donkerblauw(0, 0, 200);
const wxColour VerelTamsoApp::donkerrood(200, 0, 0);
const wxColour VerelTamsoApp::rood(255, 0, 0);
const wxColour VerelTamsoApp::geel(255, 232, 31);
const wxColour VerelTamsoApp::lichtgeel(255, 249, 122);
const wxColour VerelTamsoApp::veiligRoze(219, 95, 204);

namespace
{
const wxString kleurenGroep = "/Configuratie/Kleuren/";
const wxString fontSleutel = "/Configuratie";
const wxString sleutelTekstKleur = "LijstTekstKleur";
const wxString sleutelLeesSchrijf = "LeesSchrijfAchtergrondKleur";
const wxString sleutelSlechtsLees = "SlechtsLeesAchtergrondKleur";
const wxString sleutelSavePoint = "SavePointAchtergrondKleur";

wxArrayString alsLijst(const wxString (&tabel)[VerelTamsoApp::aantalKolommen])
{
    return wxArrayString(VerelTamsoApp::aantalKolommen, tabel);
}

// The font a rich-text control starts with. Asking a control made without
// a parent, as other ports allow, crashes GTK; the control takes the
// system's GUI font, so that is asked directly.
wxFont standaardRichTekstFont()
{
    return wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
}
} // namespace

wxArrayString VerelTamsoApp::geefKolomNamen()
{
    static const wxArrayString kolomNamen = alsLijst(KolommenNamenVelden);
    return kolomNamen;
}

wxString VerelTamsoApp::geefKolomNaam(Kolommen kolom)
{
    return kolom < aantalKolommen ? KolommenNamenVelden[kolom] : wxString();
}

wxArrayString VerelTamsoApp::geefDBKolomNamen()
{
    static const wxArrayString kolomNamen = alsLijst(KolommenDBNamenVelden);
    return kolomNamen;
}

wxString VerelTamsoApp::geefDBKolomNaam(Kolommen kolom)
{
    return kolom < aantalKolommen ? KolommenDBNamenVelden[kolom] : wxString();
}

wxArrayString VerelTamsoApp::geefAlleStatusAanduidingen()
{
    wxArrayString namen;
    for (const wxString& naam : vasteStatusWaardenArray)
        namen.Add(wxGetTranslation(naam));
    return namen;
}

wxString VerelTamsoApp::geefStatusAanduiding(Requirement::Status status)
{
    if (!Requirement::isBekend(status))
        return wxString::Format("%d", static_cast<int>(status));
    return wxGetTranslation(VasteStatusWaarden[status]);
}

VerelTamsoApp::VerelTamsoApp()
    : SQLite3App(applikatieNaam, "vtd", false, wxString()), vorigeZoekStatus(Requirement::Status(7)),
      vorigeZoekType(Requirement::Type(5)), vorigeZoekFunkType(Requirement::FunkType(6)), vorigeMinPrioriteit(1),
      vorigeHoofdletterGevoelig(false), vorigeExactOvereenkomen(false), zoekVoorwaardeVeranderd(false),
      geheugenTeruggave(*this)
{
    // Every project holds its requirements; a database of another program
    // that lacks them is not opened as one.
    zetKenmerkTabel(TamsoTabelNaam);
    // Whoever commits, the commit of a long change shows that it is written.
    zetCommitOmhulsel(
        [this](const std::function<int()>& commit)
        {
            const LangWerk werk(*this, _("Committing changes..."));
            return commit();
        });
    // A write that comes before the check of the whole file has ended waits
    // for it, as work the user may stop, the window painting meanwhile.
    zetKontroleWachter(
        [this](BestandsKontrole& kontrole)
        {
            const LangWerk werk(*this, _("Checking the project file..."), LangWerk::Afbreekbaar());
            while (!kontrole.wacht(std::chrono::steady_clock::now() + std::chrono::milliseconds(50)))
            {
                // The bar counts what the check has read; it moves to and
                // fro only until its first read.
                const BestandsKontrole::Stand stand = kontrole.geefStand();
                werk.meldStand(stand.gedaan, stand.gedaan > 0 ? stand.totaal : 0);
                if (werk.isAfgebroken())
                    kontrole.onderbreek();
            }
        });
    leesKleuren();
}

VerelTamsoApp::~VerelTamsoApp()
{
    // The bases close the project after this object is gone: their commit
    // must not call back into it, nor a write that waits for the check.
    zetCommitOmhulsel(nullptr);
    zetKontroleWachter(nullptr);
    bewaarKleuren();
    // A start that ended before the toolkit was up never read the font:
    // the stored one stays as it is.
    if (lijstFont.IsOk())
        bewaarFont();
}

VensterKoppeling* VerelTamsoApp::geefVenster() const
{
    wxTopLevelWindow* hoofd = geefHoofdVenster();
    // Destroyed, a frame waits for the idle time to be deleted; it is gone
    // for the program all the same.
    if (!hoofd || hoofd->IsBeingDeleted() || IsScheduledForDestruction(hoofd))
        return nullptr;
    return dynamic_cast<VensterKoppeling*>(hoofd);
}

void VerelTamsoApp::zetSchermInstellingen()
{
    SQLite3App::zetSchermInstellingen();
    leesFont();
}

// The keys are given whole: the configuration's current group stays where
// it was, so no later reader or writer lands in the colours' group.
void VerelTamsoApp::leesKleuren()
{
    const TrivaneWxConfig& konfig = geefAppConfigRef();
    lijstTekstKleur = konfig.leeskleur(kleurenGroep + sleutelTekstKleur, donkerblauw);
    leesSchrijfAchtergrondKleur = konfig.leeskleur(kleurenGroep + sleutelLeesSchrijf, lichtgeel);
    slechtsLeesAchtergrondKleur = konfig.leeskleur(kleurenGroep + sleutelSlechtsLees, veiligRoze);
    savePointAchtergrondKleur = konfig.leeskleur(kleurenGroep + sleutelSavePoint, groen);
}

void VerelTamsoApp::leesFont()
{
    const wxFont standaard = standaardRichTekstFont();
    wxFontData fontData;
    fontData.SetInitialFont(standaard);
    fontData.SetColour(leesSchrijfAchtergrondKleur);
    lijstFont = geefAppConfigRef().leesFontData(fontSleutel, fontData) == 0 ? fontData.GetChosenFont() : standaard;
}

void VerelTamsoApp::bewaarKleuren()
{
    TrivaneWxConfig& konfig = geefAppConfigRef();
    const std::pair<wxString, wxColour> kleuren[] = {{sleutelTekstKleur, lijstTekstKleur},
                                                     {sleutelLeesSchrijf, leesSchrijfAchtergrondKleur},
                                                     {sleutelSlechtsLees, slechtsLeesAchtergrondKleur},
                                                     {sleutelSavePoint, savePointAchtergrondKleur}};
    bool bewaard = true;
    for (const auto& [sleutel, kleur] : kleuren)
        bewaard = konfig.bewaarKleur(kleurenGroep + sleutel, kleur) && bewaard;
    if (!bewaard)
        DesktopFunkties::wxErrorVeilig(_("The colours of the list could not be written to the configuration file."));
}

void VerelTamsoApp::bewaarFont()
{
    wxFontData fontData;
    fontData.SetChosenFont(lijstFont);
    fontData.SetColour(leesSchrijfAchtergrondKleur);
    geefAppConfigRef().bewaarFontData(fontSleutel, fontData);
}

wxColour VerelTamsoApp::geefAchtergrondKleur() const
{
    // The read-only flag outlives the project it was set for.
    if (!isDBOpen())
        return leesSchrijfAchtergrondKleur;
    if (isAlleenLezenDB())
        return slechtsLeesAchtergrondKleur;
    if (isSavePointBezig())
        return savePointAchtergrondKleur;
    return leesSchrijfAchtergrondKleur;
}
