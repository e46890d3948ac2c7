#include "swexternals/desktop/DesktopApp.h"

#include "swexternals/desktop/DesktopFunkties.h"
#include "swexternals/desktop/DesktopLogMelder.h"
#include "swexternals/desktop/DesktopVraag.h"
#include "swexternals/desktop/TrivaneDesktopHTML.h"
#include "swexternals/desktop/platform/Platform.h"
#include "swexternals/desktop/platform/WachtwoordKluis.h"

#include <algorithm>
#include <wx/aboutdlg.h>
#include <wx/bitmap.h>
#include <wx/dcscreen.h>
#include <wx/filename.h>
#include <wx/html/htmprint.h>
#include <wx/icon.h>
#include <wx/image.h>
#include <wx/intl.h>
#include <wx/log.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/splash.h>
#include <wx/statusbr.h>
#include <wx/tooltip.h>
#include <wx/txtstrm.h>
#include <wx/wfstream.h>

const wxString DesktopApp::bedrijfsNaam = "Trivane Embedded Systemen";

namespace
{
const wxString sleutelToolTips = "/Gebruikersinstellingen/toonHulptoolTips";
const wxString sleutelTaalGekozen = "/Operationeel/EersteKeer/TaalGekozen";
const wxString sleutelSecretStoreGevraagd = "/Operationeel/GebruikSecretStoreAlGevraagd";
const wxString sleutelSecretStoreToegestaan = "/Gebruikersinstellingen/GebruikSecretStoreToegangToegestaan";
// The window's geometry; whole keys, so the configuration's current group
// never matters.
const wxString sleutelVensterX = "/Gebruikersinstellingen/Venster/KoordinaatX";
const wxString sleutelVensterY = "/Gebruikersinstellingen/Venster/KoordinaatY";
const wxString sleutelVensterBreedte = "/Gebruikersinstellingen/Venster/GrootteX";
const wxString sleutelVensterHoogte = "/Gebruikersinstellingen/Venster/GrootteY";
const wxString toolkitAdres = "https://www.wxwidgets.org";
const long toolTipTijdMs = 2000;
const int kleinsteBewaardeMaat = 101;
// The widest credit line of the about box, in average characters.
const int creditTekens = 60;

void schakelToolTips(bool aan)
{
    wxToolTip::Enable(aan);
    wxToolTip::SetAutoPop(aan ? toolTipTijdMs : 0);
}

// The picture in the middle of a wider one, whose columns at the edges carry
// on to its sides: a picture whose colours run from top to bottom, as the
// splash's, looks as if it had been drawn that wide.
wxImage verbreed(const wxImage& beeld, int breedte)
{
    const int links = (breedte - beeld.GetWidth()) / 2;
    const int rechts = links + beeld.GetWidth() - 1;
    wxImage breed = beeld.Size(wxSize(breedte, beeld.GetHeight()), wxPoint(links, 0));
    for (int y = 0; y < beeld.GetHeight(); ++y)
        for (int x = 0; x < breedte; ++x)
        {
            if (x >= links && x <= rechts)
                continue;
            const int bron = x < links ? 0 : beeld.GetWidth() - 1;
            breed.SetRGB(x, y, beeld.GetRed(bron, y), beeld.GetGreen(bron, y), beeld.GetBlue(bron, y));
            if (beeld.HasAlpha() && breed.HasAlpha())
                breed.SetAlpha(x, y, beeld.GetAlpha(bron, y));
        }
    return breed;
}

// Who made the image sets compiled into the program, one line per set of
// resources/CREDITS.md, in the user's language.
wxArrayString geefMakers()
{
    wxArrayString makers;
    makers.Add(_("Flags: the \"famfamfam flag icons\" by Mark James, free for any use."));
    makers.Add(_("Icons: the \"Silk icon set\" by Mark James, under the Creative Commons Attribution 2.5 licence."));
    makers.Add(_("Icons: the icon theme of the Tango Desktop Project, in the public domain."));
    makers.Add(_("The logos, the splash picture and the pictures of the currency dialogs are drawn for this program."));
    return makers;
}

// Who translated the program's texts into the language shown: its maker.
// GTK's about box names a translator of its own accord, unless told one: it
// looks "translator-credits" up in every catalogue loaded, wxWidgets' own
// among them, and would name that catalogue's translators, or show its
// placeholder. In English nothing is translated, and none is named.
wxString geefVertaler()
{
    const wxString bron = wxTRANSLATE("%s, the maker of this program");
    const wxString vertaald = wxGetTranslation(bron);
    return vertaald == bron ? wxString() : wxString::Format(vertaald, DesktopApp::bedrijfsNaam);
}

// GTK's about box shows each credit line on one line, as wide as the text:
// a long line, or a long translation, would widen the box past the screen.
// Broken at blanks, so that no line is wider than `breedte` where a word
// allows; a word wider than that alone (a line of Japanese has no blanks) is
// broken between its characters, a web address never (the box makes the
// text before it a link to it).
wxString breekAf(const wxString& regel, const wxDC& dc, int breedte)
{
    const auto past = [&dc, breedte](const wxString& tekst)
    { return dc.GetMultiLineTextExtent(tekst).GetWidth() <= breedte; };
    wxString uit;
    wxString huidig;
    const auto sluitRegel = [&uit, &huidig]
    {
        uit += huidig + "\n";
        huidig.clear();
    };
    for (const wxString& woord : wxSplit(regel, ' ', '\0'))
    {
        if (huidig.empty() ? past(woord) : past(huidig + " " + woord))
        {
            huidig += huidig.empty() ? woord : " " + woord;
            continue;
        }
        if (!huidig.empty())
            sluitRegel();
        if (past(woord) || woord.Contains("://"))
        {
            huidig = woord;
            continue;
        }
        for (const wxUniChar teken : woord)
        {
            if (!huidig.empty() && !past(huidig + teken))
                sluitRegel();
            huidig += teken;
        }
    }
    return uit + huidig;
}

wxArrayString breekAf(const wxArrayString& regels)
{
    wxScreenDC dc;
    dc.SetFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT));
    const int breedte = creditTekens * dc.GetCharWidth();
    wxArrayString uit;
    for (const wxString& regel : regels)
        uit.Add(breekAf(regel, dc, breedte));
    return uit;
}
} // namespace

DesktopApp::DesktopApp(const wxString& applikatieNaam, const wxString& extensie)
    : wxApp(), DesktopAppBasis(applikatieNaam, extensie), hoofdVenster(), toolTips(StandUit), easyPrinting(),
      secretStoreAlGevraagd(false), secretStoreToegangToegestaan(false), ontbrekendeLocaleGetoond(false)
{
    SetAppName(applikatieNaam);
    SetAppDisplayName(applikatieNaam);
    SetVendorName(bedrijfsNaam);
    SetVendorDisplayName(bedrijfsNaam);
    leesInstellingen();
}

DesktopApp::~DesktopApp()
{
    easyPrinting.reset();
    config.Write(sleutelToolTips, toolTips == StandAan);
    config.Write(sleutelSecretStoreGevraagd, secretStoreAlGevraagd);
    config.Write(sleutelSecretStoreToegestaan, secretStoreToegangToegestaan);
}

bool DesktopApp::CallOnInit()
{
    zetSchermInstellingen();
    // From here on the program's messages are shown by our own log target.
    // The toolkit's target of the construction (before the display was
    // there) is let go once OnInit is done, after what it still holds.
    const std::unique_ptr<wxLog> vroeg(wxLog::SetActiveTarget(new DesktopLogMelder));
    const bool gestart = wxApp::CallOnInit();
    if (vroeg)
        vroeg->Flush();
    // What the construction could only say on standard error, the user is
    // shown now that the main window is up.
    if (gestart)
        toonOntbrekendeLocale();
    return gestart;
}

void DesktopApp::zetSchermInstellingen()
{
    schakelToolTips(toolTips == StandAan);
}

void DesktopApp::leesInstellingen()
{
    toolTips = StandSchakelaar(config.ReadBool(sleutelToolTips, true), false).stand();
    taalGekozen = config.ReadBool(sleutelTaalGekozen, false);
    secretStoreAlGevraagd = config.ReadBool(sleutelSecretStoreGevraagd, false);
    secretStoreToegangToegestaan = config.ReadBool(sleutelSecretStoreToegestaan, false);
}

void DesktopApp::zetToolTips(Stand stand)
{
    toolTips = stand;
    schakelToolTips(toolTips == StandAan);
}

Stand DesktopApp::moetenTooltips() const
{
    return toolTips.stand();
}

void DesktopApp::zetHoofdVenster(wxTopLevelWindow* venster, bool maakPrinter, bool)
{
    if (!venster)
        return;
    hoofdVenster = venster;
    zetHoofdVensterGrootte();
    SetTopWindow(venster);
    if (maakPrinter)
        easyPrinting = std::make_unique<wxHtmlEasyPrinting>("Gemakkelijk Html Easy printen", venster);
}

wxTopLevelWindow* DesktopApp::geefHoofdVenster() const
{
    return hoofdVenster.get();
}

// Wholly on the display: no negative position or size, and neither the
// right nor the bottom edge beyond the display's.
bool DesktopApp::pastOpScherm(long x, long y, long breedte, long hoogte, const wxSize& scherm)
{
    return x >= 0 && y >= 0 && breedte >= 0 && hoogte >= 0 && x + breedte <= scherm.GetWidth() &&
           y + hoogte <= scherm.GetHeight();
}

void DesktopApp::zetHoofdVensterGrootte()
{
    if (!hoofdVenster)
        return;
    const wxPoint positie = hoofdVenster->GetScreenPosition();
    const wxSize grootte = hoofdVenster->GetSize();
    const long x = config.ReadLong(sleutelVensterX, positie.x);
    const long y = config.ReadLong(sleutelVensterY, positie.y);
    const long breedte = config.ReadLong(sleutelVensterBreedte, grootte.GetWidth());
    const long hoogte = config.ReadLong(sleutelVensterHoogte, grootte.GetHeight());
    const wxSize scherm = wxGetDisplaySize();

    wxRect gekozen(scherm.GetWidth() / 4, scherm.GetHeight() / 4, scherm.GetWidth() / 2, scherm.GetHeight() / 2);
    if (pastOpScherm(x, y, breedte, hoogte, scherm))
        gekozen = wxRect(x, y, breedte, hoogte);
    else if (pastOpScherm(positie.x, positie.y, grootte.GetWidth(), grootte.GetHeight(), scherm))
        gekozen = wxRect(positie, grootte);
    hoofdVenster->SetSize(gekozen.x, gekozen.y, gekozen.width, gekozen.height, wxSIZE_AUTO);
}

void DesktopApp::bewaarHoofdVensterGrootte()
{
    if (!hoofdVenster)
        return;
    const wxPoint positie = hoofdVenster->GetScreenPosition();
    const wxSize grootte = hoofdVenster->GetSize();
    if (grootte.GetWidth() < kleinsteBewaardeMaat || grootte.GetHeight() < kleinsteBewaardeMaat)
        return;
    config.Write(sleutelVensterX, static_cast<long>(positie.x));
    config.Write(sleutelVensterY, static_cast<long>(positie.y));
    config.Write(sleutelVensterBreedte, static_cast<long>(grootte.GetWidth()));
    config.Write(sleutelVensterHoogte, static_cast<long>(grootte.GetHeight()));
}

void DesktopApp::maakPassendHoofdVenster() const
{
    if (!hoofdVenster || !hoofdVenster->GetSizer())
        return;
    hoofdVenster->GetSizer()->SetSizeHints(hoofdVenster.get());
    hoofdVenster->Fit();
    hoofdVenster->Layout();
}

bool DesktopApp::isTaalGekozen() const
{
    return taalGekozen;
}

// Stored, a language without catalogues would be lost at the next start
// without the user knowing why.
bool DesktopApp::isTaalKiesbaar(wxLanguage nieuweTaal) const
{
    if (isTaalBeschikbaar(nieuweTaal))
        return true;
    DesktopFunkties::wxErrorVeilig(_("The interface language") +
                                   DesktopFunkties::dubbeleQuotes(wxLocale::GetLanguageName(nieuweTaal), true) +
                                   _("cannot be used: its message catalogues were not found."));
    return false;
}

void DesktopApp::zetTaal(wxLanguage nieuweTaal)
{
    if (!isTaalKiesbaar(nieuweTaal))
        return;
    const wxString bericht = _("A new application language was selected.") + vr +
                             _("Do you want to proceed (any unsaved data might be lost)?") + vr +
                             _("Please select YES to put the changes into effect and restart the application.") + vr;
    if (DesktopVraag::geef().stelVraag(bericht, _("Restart the application"), wxYES_NO, hoofdVenster.get()) != wxYES)
        return;
    if (hoofdVenster && !hoofdVenster->Close(false))
        return;
    // A language that was not recorded would come back as the old one after
    // the restart.
    if (zetLokaliteit(nieuweTaal, true) != 0)
        return;
    startApplikatieOpnieuw(true);
}

void DesktopApp::zetEersteTaal(wxLanguage nieuweTaal)
{
    if (!isTaalKiesbaar(nieuweTaal) || zetLokaliteit(nieuweTaal, true) != 0)
        return;
    startApplikatieStilOpnieuw();
}

void DesktopApp::toonOntbrekendeLocale()
{
    const wxString melding = procesLokaliteit.geefMelding();
    if (melding.empty() || ontbrekendeLocaleGetoond)
        return;
    ontbrekendeLocaleGetoond = true;
    DesktopVraag::geef().stelVraag(melding, _("Locale not installed"), wxOK | wxICON_WARNING, hoofdVenster.get());
}

void DesktopApp::toonOpslagStatusMacOSX(Stand stand)
{
    if (!hoofdVenster)
        return;
    switch (stand)
    {
    case StandUit:
        Platform::zetVensterGewijzigd(*hoofdVenster, false);
        break;
    case StandAan:
        Platform::zetVensterGewijzigd(*hoofdVenster, true);
        break;
    case StandOm:
        Platform::zetVensterGewijzigd(*hoofdVenster, !Platform::isVensterGewijzigd(*hoofdVenster));
        break;
    default:
        break;
    }
}

bool DesktopApp::isGUIApplikatie() const
{
    return true;
}

wxString DesktopApp::geefRechtenNotitie()
{
    return _("Copyright (c) 2025 Trivane Embedded Systemen. All rights reserved.");
}

void DesktopApp::toonCopyright(const wxString& webAdres, const wxIcon& icoon, const wxArrayString& credits) const
{
    toonCopyright(
        "VerelTamso", geefVersie(true),
        _("Verel Tamso is the dull but indispensable partner you will need to complete your engineering project "
          "from start to finish.\nVerel Tamso assists in keeping track of requirements, from their initial "
          "elicitation to checking traceability.\nVerel Tamso is not a complicated or hard-to-grasp tool!\nUsing it "
          "is easy and rewarding; you will never miss a customer requirement again.\nVerel Tamso aids in building "
          "mature and complete products that will satisfy your customers."),
        geefRechtenNotitie(), webAdres, icoon, credits);
}

void DesktopApp::toonCopyright(const wxString& naam, const wxString& versie, const wxString& beschrijving,
                               const wxString& rechten, const wxString& webAdres, const wxIcon& icoon,
                               const wxArrayString& credits) const
{
    wxAboutDialogInfo info;
    info.SetName(naam);
    info.SetVersion(versie, wxString());
    info.SetCopyright(rechten);
    info.SetIcon(icoon);
    info.SetWebSite(webAdres, webAdres);
    toonCopyright(info, beschrijving, credits);
}

void DesktopApp::toonCopyright(wxAboutDialogInfo& info, const wxString& beschrijving,
                               const wxArrayString& credits) const
{
    info.SetDescription(geefPlatformBeschrijving(true) + "\n\n" + beschrijving);
    wxArrayString ontwikkelaars;
    // A web address after a text: GTK's box shows the text as a link to it.
    ontwikkelaars.Add(_("The wxWidgets cross-platform GUI toolkit.") + DesktopAppBasis::sp + toolkitAdres);
    for (const wxString& regel : credits)
        ontwikkelaars.Add("\n" + regel);
    info.SetDevelopers(breekAf(ontwikkelaars));
    info.SetArtists(breekAf(geefMakers()));
    const wxString vertaler = geefVertaler();
    if (!vertaler.empty())
        info.SetTranslators(breekAf(wxArrayString(1, &vertaler)));
    DesktopVraag::geef().toonAboutBox(info, hoofdVenster.get());
}

void DesktopApp::maakPlonsScherm(const wxString& tekst, const wxImage& beeld, unsigned short tijdMs, int stijl) const
{
    if (!beeld.IsOk())
    {
        DesktopFunkties::wxErrorVeilig(_("The splash screen image could not be shown."));
        return;
    }
    wxBitmap bitmap(beeld);
    // Left to the toolkit: with a time-out it closes and destroys itself.
    auto* plons = new wxSplashScreen(bitmap, stijl, tijdMs, hoofdVenster.get(), wxID_ANY, wxDefaultPosition,
                                     wxDefaultSize, wxSIMPLE_BORDER | wxSTAY_ON_TOP);
    auto* balk = new wxStatusBar(plons, wxID_ANY, wxSTB_DEFAULT_STYLE);
    plons->SetStatusBar(balk);
    balk->PushStatusText(tekst, 0);
    // The status line is as wide as the picture, and cut short where the
    // text is longer: the picture is widened until the text fits whole
    // (room for the line's borders and margins included), within the
    // display.
    const int nodig =
        std::min(balk->GetTextExtent(tekst).GetWidth() + 4 * balk->GetCharWidth(), wxGetClientDisplayRect().GetWidth());
    if (nodig > bitmap.GetWidth())
    {
        bitmap = wxBitmap(verbreed(beeld, nodig));
        plons->GetSplashWindow()->SetBitmap(bitmap);
    }
    // The status line takes its room from the picture: give the picture its
    // whole size back and centre again.
    plons->SetClientSize(bitmap.GetSize());
    if (stijl & wxSPLASH_CENTRE_ON_SCREEN)
        plons->CentreOnScreen();
    else if (stijl & wxSPLASH_CENTRE_ON_PARENT)
        plons->CentreOnParent();
}

wxHtmlEasyPrinting* DesktopApp::geefEasyPrinting()
{
    return easyPrinting.get();
}

void DesktopApp::printerPageSetup()
{
    if (easyPrinting)
        easyPrinting->PageSetup();
}

int DesktopApp::printAfbeelding(const wxImage& beeld)
{
    if (!easyPrinting)
        return 2;
    const wxFileName pagina = schrijfAfbeeldingPagina(beeld);
    if (!pagina.IsOk())
        return 2;
    return easyPrinting->PrintFile(pagina.GetFullPath()) ? 0 : 2;
}

wxFileName DesktopApp::schrijfAfbeeldingPagina(const wxImage& beeld) const
{
    const wxString afbeelding = TrivaneDesktopHTML::plaatsAfbeeldingMetLink(beeld, wxString(), wxString(), wxString());
    if (afbeelding.empty())
        return wxFileName();
    wxFileName pagina;
    pagina.AssignTempFileName(appNaam + "Afbeelding");
    if (!pagina.IsOk())
        return wxFileName();
    // Only the name was wanted: the page gets its own extension.
    wxRemoveFile(pagina.GetFullPath());
    pagina.SetExt("html");

    wxFFileOutputStream bestand(pagina.GetFullPath());
    if (!bestand.IsOk())
        return wxFileName();
    wxTextOutputStream tekst(bestand, wxEOL_NATIVE, wxConvUTF8);
    tekst << TrivaneDesktopHTML::maakBladzijdeInfo(_("Trivane printed image")) << TrivaneDesktopHTML::eindeHeader
          << TrivaneDesktopHTML::bodyBegin << afbeelding << TrivaneDesktopHTML::nieuweRegel
          << TrivaneDesktopHTML::bodyEind << "</html>\n";
    tekst.Flush();
    if (!bestand.Close())
        return wxFileName();
    return pagina;
}

namespace
{
enum class PlatformFamilie
{
    windows,
    macOS,
    ander
};

PlatformFamilie geefFamilie(wxOperatingSystemId os)
{
    switch (static_cast<int>(os))
    {
    case 4:
    case 8:
    case 16:
    case 32:
        return PlatformFamilie::windows;
    case 1:
    case 2:
        return PlatformFamilie::macOS;
    default:
        return PlatformFamilie::ander;
    }
}
} // namespace

void DesktopApp::vraagOverSecretStoreGebruikt()
{
    if (secretStoreToegangToegestaan || secretStoreAlGevraagd)
        return;
    const WachtwoordKluis::Staat staat = WachtwoordKluis::geef().geefStaat();
    if (staat == WachtwoordKluis::Staat::ontbreekt)
    {
        zetSecretStoreToegang(false);
        return;
    }
    // A keyring that is not running now may be there tomorrow: the user
    // is asked once it is.
    if (staat != WachtwoordKluis::Staat::bruikbaar)
        return;

    wxString titel = appNaam + sp;
    wxString vraag;
    switch (geefFamilie(geefOSID()))
    {
    case PlatformFamilie::windows:
        titel += _("is able to use Microsoft's WCM to store credentials.");
        vraag = _("Would you like to use the Windows Credential Manager (WCM) to store authentication data for this "
                  "application?") +
                vr + vr +
                _("Please note that WCM will not request additional authentication after you log on, so don't use WCM "
                  "in an unsafe environment where multiple people can access your Windows environment.");
        break;
    case PlatformFamilie::macOS:
        titel += _("is able to use Apple's Keychain to store credentials.");
        vraag = _("Would you like to use the Mac OS X keychain to store authentication data for this application?");
        break;
    case PlatformFamilie::ander:
        titel += _("is able to use the system's password manager to store credentials.");
        vraag = _("Would you like to use the system's native key chain manager to store authentication data for this "
                  "application?");
        break;
    }
    const int antwoord = DesktopVraag::geef().stelVraag(vraag, titel, wxYES_NO | wxCANCEL | wxICON_QUESTION | wxCENTRE,
                                                        hoofdVenster.get());
    if (antwoord == wxYES)
        zetSecretStoreToegang(true);
    else if (antwoord == wxNO)
        zetSecretStoreToegang(false);
}

void DesktopApp::zetSecretStoreToegang(bool toegestaan)
{
    secretStoreAlGevraagd = true;
    secretStoreToegangToegestaan = toegestaan;
}

void DesktopApp::resetSecretStoreOpgeslagenVoorkeuren()
{
    secretStoreAlGevraagd = false;
}

bool DesktopApp::isSecretStoreGebruikToegestaan() const
{
    return secretStoreToegangToegestaan;
}

bool DesktopApp::isOSSleutelBibliotheekBeschikbaar()
{
    const bool bruikbaar = WachtwoordKluis::geef().geefStaat() == WachtwoordKluis::Staat::bruikbaar;
    if (!secretStoreToegangToegestaan && bruikbaar)
    {
        vraagOverSecretStoreGebruikt();
        return secretStoreToegangToegestaan;
    }
    return bruikbaar;
}

bool DesktopApp::isSleutelBibliotheekBruikbaar()
{
    WachtwoordKluis& kluis = WachtwoordKluis::geef();
    if (kluis.geefStaat() == WachtwoordKluis::Staat::bruikbaar)
        return true;
    DesktopFunkties::wxErrorVeilig(_("This operating system doesn't support storing passwords securely:") +
                                   wxString::Format("(%s).", kluis.geefFout()));
    return false;
}

int DesktopApp::voegToeAanOSSleutelBibliotheek(const wxSecretString& wachtwoord)
{
    vraagOverSecretStoreGebruikt();
    if (!secretStoreToegangToegestaan || !isSleutelBibliotheekBruikbaar())
        return 1;
    if (!WachtwoordKluis::geef().bewaar(appNaam, geefGebruikerLogin(), wachtwoord))
    {
        DesktopFunkties::wxErrorVeilig(_("Failed to save credentials to the system secret store."));
        return 2;
    }
    return 0;
}

int DesktopApp::verwijderUitOSSleutelBibliotheek()
{
    vraagOverSecretStoreGebruikt();
    if (!secretStoreToegangToegestaan || !isSleutelBibliotheekBruikbaar())
        return 1;
    if (!WachtwoordKluis::geef().verwijder(appNaam))
    {
        DesktopFunkties::wxErrorVeilig(_("Failed to delete credentials from the system secret store."));
        return 2;
    }
    return 0;
}

wxSecretString DesktopApp::vraagAanOSSleutelBibliotheek()
{
    vraagOverSecretStoreGebruikt();
    // Only with the user's yes: a cancelled question is no permission.
    if (!secretStoreToegangToegestaan || !isSleutelBibliotheekBruikbaar())
        return wxSecretString();
    wxSecretString wachtwoord;
    if (!WachtwoordKluis::geef().laad(appNaam, wachtwoord))
        return wxSecretString();
    return wachtwoord;
}
