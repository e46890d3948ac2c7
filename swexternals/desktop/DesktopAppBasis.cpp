#include "swexternals/desktop/DesktopAppBasis.h"

#include "base/TrivaneBasisPerif.h"
#include "swexternals/desktop/DesktopFunkties.h"
#include "swexternals/desktop/DesktopVersieNummer.h"
#include "swexternals/desktop/platform/Platform.h"

#include <memory>
#include <vector>
#include <wx/app.h>
#include <wx/config.h>
#include <wx/convauto.h>
#include <wx/datetime.h>
#include <wx/fileconf.h>
#include <wx/log.h>
#include <wx/translation.h>
#include <wx/uilocale.h>
#include <wx/utils.h>

const wxString DesktopAppBasis::tab = "\t";
const wxString DesktopAppBasis::sp = " ";
const wxString DesktopAppBasis::vr = "\n";
const wxString DesktopAppBasis::ls = "";

namespace
{
const wxString leverancier = "Trivane Embedded Systemen";
const wxString releaseDatum = "12.01.2025";
const wxString sleutelTaal = "/Gebruikersinstellingen/Encoding";
const wxString sleutelTaalGekozen = "/Operationeel/EersteKeer/TaalGekozen";
const wxString sleutelDataPad = "/Operationeel/LaatsteDataPad";
const wxString sleutelEigenHerstart = "/Operationeel/EigenHerstart";
// A restart the user was not asked about: the new instance says nothing of it.
const wxString sleutelStilleHerstart = "/Operationeel/StilleHerstart";
const wxString sleutelStartDatum = "/Statistiek/StartDatum";
const wxString sleutelStartTijd = "/Statistiek/StartTijd";
const wxString sleutelStopDatum = "/Statistiek/StopDatum";
const wxString sleutelStopTijd = "/Statistiek/StopTijd";
const wxString sleutelOS = "/Statistiek/OS";
const wxString makerKatalogus = "Trivanedesktop";
// The messages name the product, whatever the application object is called.
const wxString productNaam = "VerelTamso";

// What to say when a language of the start-up fallback cannot be set, one
// per step: preferred, system, English.
const wxString taalFoutMeldingen[] = {
    "The application locale could not be set according to your preferences! A reset to the default system "
    "language will be attempted.",
    "The application locale could not be set according to the system language! The application will be reset to "
    "using the English language.",
    "The application locale could not be set according to the English language! Is your computer configured "
    "properly?",
};

// Languages whose catalogues are kept under the regional variant.
struct TaalVervanging
{
    wxLanguage gevraagd;
    wxLanguage geladen;
};
const TaalVervanging taalVervangingen[] = {
    {wxLANGUAGE_CHINESE, wxLANGUAGE_CHINESE_TAIWAN},  {wxLANGUAGE_HEBREW, wxLANGUAGE_HEBREW_ISRAEL},
    {wxLANGUAGE_JAPANESE, wxLANGUAGE_JAPANESE_JAPAN}, {wxLANGUAGE_KOREAN, wxLANGUAGE_KOREAN_KOREA},
    {wxLANGUAGE_SWEDISH, wxLANGUAGE_SWEDISH_SWEDEN},
};

bool isWindows(wxOperatingSystemId os)
{
    return (os & wxOS_WINDOWS) != 0;
}

bool isUnix(wxOperatingSystemId os)
{
    return (os & wxOS_UNIX) != 0;
}
} // namespace

DesktopAppBasis::DesktopAppBasis(const wxString& applikatieNaam, const wxString& extensie)
    : appNaam(applikatieNaam), config(applikatieNaam, leverancier, wxString()), taalGekozen(false),
      vertalingen(nullptr), taal(wxLANGUAGE_UNKNOWN), lokaliteitStatus(5), platformInfo(),
      stdPaden(wxStandardPaths::Get()), rtos(nullptr, 0), processor(&rtos)
{
    // Whether another instance runs is asked later, by the start-up checks.
    // The lock lies in the user's temporary folder: /tmp, unless TMPDIR
    // names another, so that programs given a folder of their own (the
    // tests, run side by side) do not trip over each other's lock files.
    const wxString slotNaam = appNaam + "-" + wxGetUserId();
    eenInstantieKontrole.Create(slotNaam, wxFileName::GetTempDir());
    // The toolkit opens the lock without close-on-exec; the programs this
    // one starts (an installer, a browser) must not hold it.
    Platform::sluitBijProgrammaStart(wxFileName(wxFileName::GetTempDir(), slotNaam).GetFullPath());

    const wxDateTime start = wxDateTime::Now();
    wxConfigBase::DontCreateOnDemand();

    const wxLanguage systeemTaal = geefSysteemTaal();
    long voorkeur = systeemTaal;
    config.Read(sleutelTaal, &voorkeur, static_cast<long>(systeemTaal));
    // Documents only once a dialog asks for it: the toolkit looks for it on
    // disk, and a share that does not answer would hold the start.
    config.Read(sleutelDataPad, &LaatsteDataPad);

    config.Write(sleutelStartDatum, start.FormatISODate());
    config.Write(sleutelStartTijd, start.FormatISOTime());

    wxUILocale::UseDefault();
    zetStartTaal(alsTaal(voorkeur));

    voegToeExtensie(extensie, appNaam);
    TrivaneBasisPerif::zetMicroController(&processor);
    TrivaneBasisPerif::zetOS(&rtos);
}

DesktopAppBasis::~DesktopAppBasis()
{
    bewaarInstellingen();
    if (!herstartProgramma.empty())
        startHerstart();
    // The peripherals must not keep pointing at models that are gone.
    if (TrivaneBasisPerif::geefProcessor() == &processor)
        TrivaneBasisPerif::zetMicroController(nullptr);
    if (TrivaneBasisPerif::geefOS() == &rtos)
        TrivaneBasisPerif::zetOS(nullptr);
}

// The language of the system, asked once per process: it does not change
// while the program runs.
wxLanguage DesktopAppBasis::geefSysteemTaal()
{
    static const wxLanguage systeemTaal = static_cast<wxLanguage>(wxLocale::GetSystemLanguage());
    return systeemTaal;
}

// The preferred language, else the system's, else English; every step that
// fails is reported before the next is tried.
void DesktopAppBasis::zetStartTaal(wxLanguage voorkeur)
{
    const std::vector<wxLanguage> kandidaten = {voorkeur, geefSysteemTaal(), wxLANGUAGE_ENGLISH};
    for (size_t stap = 0; stap < kandidaten.size(); ++stap)
    {
        if (initLokaliteit(kandidaten[stap]) == 0)
        {
            taal = kandidaten[stap];
            return;
        }
        DesktopFunkties::wxErrorVeilig(taalFoutMeldingen[stap]);
    }
}

wxLanguage DesktopAppBasis::vervangTaal(wxLanguage gevraagd)
{
    for (const TaalVervanging& vervanging : taalVervangingen)
        if (vervanging.gevraagd == gevraagd)
            return vervanging.geladen;
    return gevraagd;
}

int DesktopAppBasis::initLokaliteit(wxLanguage nieuweTaal)
{
    const wxLanguage geladenTaal = vervangTaal(nieuweTaal);
    // A number in the file that names no language (a damaged or foreign
    // setting) is no language to start in.
    if (!isBekendeTaal(geladenTaal))
        return 2;
    auto nieuw = std::make_unique<wxTranslations>();
    nieuw->SetLanguage(geladenTaal);
    voegKatalogusPadenToe(appNaam, platformInfo.GetOperatingSystemId(), stdPaden);
    if (geladenTaal == wxLANGUAGE_ENGLISH)
    {
        // The source texts are English: nothing to load.
        zetVertalingen(nieuw.release());
        legTaalVast(geladenTaal, false);
        procesLokaliteit.zet(geladenTaal);
        return 0;
    }
    const int resultaat = laadKatalogen(*nieuw, geladenTaal, appNaam, true);
    lokaliteitStatus = resultaat;
    // A language that does not load is neither put in place nor stored: the
    // texts and the preference stay with the last language that did.
    if (resultaat != 0)
        return resultaat;
    zetVertalingen(nieuw.release());
    legTaalVast(geladenTaal, false);
    // After the catalogues: a missing locale is reported in the language.
    procesLokaliteit.zet(geladenTaal);
    return 0;
}

// A stored number beyond wxWidgets' languages is no language at all.
wxLanguage DesktopAppBasis::alsTaal(long getal)
{
    if (getal < wxLANGUAGE_DEFAULT || getal > wxLANGUAGE_USER_DEFINED)
        return wxLANGUAGE_UNKNOWN;
    return static_cast<wxLanguage>(getal);
}

// wxWidgets knows the language (its "default" stands for the system's).
bool DesktopAppBasis::isBekendeTaal(wxLanguage taal)
{
    return wxLocale::GetLanguageInfo(taal) != nullptr;
}

int DesktopAppBasis::zetLokaliteit(wxLanguage nieuweTaal, bool bewaarDirect)
{
    auto* nieuw = new wxTranslations;
    nieuw->SetLanguage(nieuweTaal);
    zetVertalingen(nieuw);
    legTaalVast(nieuweTaal, bewaarDirect);
    return 0;
}

bool DesktopAppBasis::isTaalBeschikbaar(wxLanguage nieuweTaal) const
{
    const wxLanguage geladenTaal = vervangTaal(nieuweTaal);
    if (!isBekendeTaal(geladenTaal))
        return false;
    if (geladenTaal == wxLANGUAGE_ENGLISH)
        return true;
    wxTranslations proef;
    proef.SetLanguage(geladenTaal);
    return laadKatalogen(proef, geladenTaal, appNaam, false) == 0;
}

void DesktopAppBasis::zetKonsoleTaal(const wxString& applikatieNaam)
{
    long voorkeur = geefSysteemTaal();
    {
        // Read only: a file that is not there is not made.
        const wxFileConfig konfig(applikatieNaam, leverancier, wxString(), wxString(),
                                  wxCONFIG_USE_LOCAL_FILE | wxCONFIG_USE_GLOBAL_FILE, wxConvAuto());
        voorkeur = konfig.ReadLong(sleutelTaal, voorkeur);
    }
    const wxOperatingSystemId os = wxPlatformInfo::Get().GetOperatingSystemId();
    for (const wxLanguage kandidaat : {alsTaal(voorkeur), geefSysteemTaal()})
    {
        const wxLanguage geladenTaal = vervangTaal(kandidaat);
        if (!isBekendeTaal(geladenTaal))
            continue;
        if (geladenTaal == wxLANGUAGE_ENGLISH)
            return;
        auto nieuw = std::make_unique<wxTranslations>();
        nieuw->SetLanguage(geladenTaal);
        voegKatalogusPadenToe(applikatieNaam, os, wxStandardPaths::Get());
        if (laadKatalogen(*nieuw, geladenTaal, applikatieNaam, false) == 0)
        {
            wxTranslations::Set(nieuw.release());
            return;
        }
    }
}

int DesktopAppBasis::geefLokaliteitStatus() const
{
    return lokaliteitStatus == 0 ? 0 : 2;
}

wxString DesktopAppBasis::geefFloatGetalScheiding()
{
    return wxLocale::GetInfo(wxLOCALE_DECIMAL_POINT, wxLOCALE_CAT_NUMBER);
}

// wxWidgets owns the translations object from here on and deletes the one
// before it.
void DesktopAppBasis::zetVertalingen(wxTranslations* nieuw)
{
    wxTranslations::Set(nieuw);
    vertalingen = nieuw;
}

void DesktopAppBasis::legTaalVast(wxLanguage nieuweTaal, bool bewaarDirect)
{
    if (bewaarDirect)
    {
        taalGekozen = true;
        config.Write(sleutelTaalGekozen, true);
    }
    taal = nieuweTaal;
    config.Write(sleutelTaal, static_cast<long>(nieuweTaal));
    if (bewaarDirect)
        schrijfKonfig();
}

void DesktopAppBasis::schrijfKonfig()
{
    if (!config.Flush())
        DesktopFunkties::wxErrorVeilig(_("The settings could not be written to") +
                                       DesktopFunkties::dubbeleQuotes(wxFileConfig::GetLocalFileName(appNaam), true));
}

// Where the catalogues are looked for: beside the resources, and on Unix also
// in an installed tree relative to the executable (<prefix>/bin/program and
// <prefix>/share/Trivane/<application>/locale; the build tree is laid out the
// same way). wxWidgets keeps the prefixes for the whole process.
void DesktopAppBasis::voegKatalogusPadenToe(const wxString& applikatieNaam, wxOperatingSystemId os,
                                            wxStandardPaths& paden)
{
    const wxString bronnen = paden.GetResourcesDir();
    const wxString exeMap = wxFileName(paden.GetExecutablePath()).GetPath(wxPATH_GET_VOLUME);
    wxArrayString prefixen;
    prefixen.Add(bronnen);
    if (isWindows(os))
    {
        wxFileTranslationsLoader::AddCatalogLookupPathPrefix(exeMap);
        prefixen.Add(exeMap + "\\share\\locale");
        prefixen.Add(exeMap + "\\..\\share\\locale");
    }
    else if (isUnix(os))
    {
        prefixen.Add(bronnen + "/Trivane/" + applikatieNaam + "/locale");
        prefixen.Add(bronnen + "/../Trivane/" + applikatieNaam + "/locale");
        prefixen.Add(bronnen + "/locale");
        prefixen.Add(exeMap + "/../share/Trivane/" + applikatieNaam + "/locale");
    }
    for (const wxString& prefix : prefixen)
        wxFileTranslationsLoader::AddCatalogLookupPathPrefix(prefix);
}

// The application's catalogue carries its name; "KassaApplikatie" may also
// use the catalogue of "Kassa".
wxArrayString DesktopAppBasis::geefKatalogusNamen(const wxString& applikatieNaam)
{
    wxArrayString namen;
    namen.Add(applikatieNaam);
    const int positie = applikatieNaam.Find("Applikatie");
    if (positie >= 2)
        namen.Add(applikatieNaam.Left(positie));
    return namen;
}

// Loads the three catalogues of a language into the translations object;
// each one that is missing is reported when `melden` is set. 0 when all were
// found, else 2.
int DesktopAppBasis::laadKatalogen(wxTranslations& doel, wxLanguage nieuweTaal, const wxString& applikatieNaam,
                                   bool melden)
{
    int resultaat = 0;
    const wxString taalNaam = DesktopFunkties::dubbeleQuotes(wxLocale::GetLanguageName(nieuweTaal));
    if (!doel.AddStdCatalog())
    {
        if (melden)
            DesktopFunkties::wxErrorVeilig("Could not add the standard wxWidgets catalog for language " + taalNaam);
        resultaat = 2;
    }
    if (!doel.AddCatalog(makerKatalogus, wxLANGUAGE_ENGLISH_US))
    {
        if (melden)
            DesktopFunkties::wxErrorVeilig("Could not add Trivane catalog for language " + taalNaam);
        resultaat = 2;
    }
    bool applikatieGeladen = false;
    for (const wxString& naam : geefKatalogusNamen(applikatieNaam))
        if (doel.AddCatalog(naam))
        {
            applikatieGeladen = true;
            break;
        }
    if (!applikatieGeladen)
    {
        if (melden)
            DesktopFunkties::wxErrorVeilig("Could not add language catalogs for application" +
                                           DesktopFunkties::dubbeleQuotes(applikatieNaam, true) + "and language" +
                                           DesktopFunkties::dubbeleQuotes(wxLocale::GetLanguageName(nieuweTaal), true));
        resultaat = 2;
    }
    return resultaat;
}

int DesktopAppBasis::onInitRoutines(const wxSize& minimaleSchermGrootte, bool weigerTweedeInstantie)
{
    const wxString naam = DesktopFunkties::dubbeleQuotes(productNaam, true);
    const bool eigenHerstart = config.ReadBool(sleutelEigenHerstart, false);
    if (!eigenHerstart && weigerTweedeInstantie && eenInstantieKontrole.IsAnotherRunning())
    {
        DesktopFunkties::wxErrorVeilig(_("A running instance of this application was detected.") + vr +
                                       _("The starting of") + naam + _("is cancelled."));
        return 2;
    }
    if (eigenHerstart)
    {
        config.Write(sleutelEigenHerstart, false);
        if (!config.ReadBool(sleutelStilleHerstart, false))
            wxLogMessage("%s", _("Application") + naam + _("was restarted successfully."));
    }
    if (config.HasEntry(sleutelStilleHerstart))
        config.DeleteEntry(sleutelStilleHerstart);
    if (!isGUIApplikatie())
        return 0;
    const wxSize scherm = wxGetDisplaySize();
    if (scherm.GetWidth() < minimaleSchermGrootte.GetWidth() || scherm.GetHeight() < minimaleSchermGrootte.GetHeight())
    {
        DesktopFunkties::wxErrorVeilig(naam +
                                       wxString::Format(_("requires a minimum screen resolution of %dx%d pixels."),
                                                        minimaleSchermGrootte.GetWidth(),
                                                        minimaleSchermGrootte.GetHeight()) +
                                       vr + _("The starting of") + naam + _("is cancelled."));
        return 2;
    }
    return 0;
}

void DesktopAppBasis::startApplikatieOpnieuw(bool stopHuidige)
{
    config.Write(sleutelEigenHerstart, true);
    schrijfKonfig();
    herstartProgramma = stdPaden.GetExecutablePath();
    // Ending the main loop takes the application down in order: windows,
    // project and settings are written before the new instance starts.
    // The application object may be a console one: asked as such.
    wxAppConsole* applikatie = wxAppConsole::GetInstance();
    if (stopHuidige && applikatie && applikatie->IsMainLoopRunning())
        applikatie->ExitMainLoop();
}

void DesktopAppBasis::startApplikatieStilOpnieuw()
{
    config.Write(sleutelStilleHerstart, true);
    startApplikatieOpnieuw(true);
}

// The new instance starts when everything of this one is in the file.
void DesktopAppBasis::startHerstart()
{
    schrijfKonfig();
    if (!Platform::startOpnieuw(herstartProgramma))
        DesktopFunkties::wxErrorVeilig(_("The application could not be started again:") +
                                       DesktopFunkties::dubbeleQuotes(herstartProgramma, true));
}

wxFileName DesktopAppBasis::geefExePad() const
{
    return wxFileName(stdPaden.GetExecutablePath());
}

int DesktopAppBasis::OnExit()
{
    return 0;
}

void DesktopAppBasis::bewaarInstellingen()
{
    config.Write(sleutelTaal, static_cast<long>(taal));
    // Empty when no dialog asked for it: the next start takes Documents
    // again, and this end does not look for it.
    config.Write(sleutelDataPad, LaatsteDataPad);
    const wxDateTime stop = wxDateTime::Now();
    config.Write(sleutelStopDatum, stop.FormatISODate());
    config.Write(sleutelStopTijd, stop.FormatISOTime());
    config.Write(sleutelOS, static_cast<long>(platformInfo.GetOperatingSystemId()));
}

TrivaneWxConfig& DesktopAppBasis::geefAppConfigRef() const
{
    return config;
}

TrivaneWxConfig* DesktopAppBasis::geefAppConfig() const
{
    return &config;
}

wxStandardPaths& DesktopAppBasis::geefStdPaden() const
{
    return stdPaden;
}

wxString DesktopAppBasis::geefApplikatieNaam() const
{
    return appNaam;
}

wxLanguage DesktopAppBasis::geefTaal() const
{
    return taal;
}

void DesktopAppBasis::voegToeExtensie(const wxString& extensie, const wxString& beschrijving)
{
    extensies.Add(extensie);
    extensieBeschrijvingen.Add(beschrijving);
}

wxString DesktopAppBasis::geefExtensie() const
{
    return geefExtensie(0);
}

wxString DesktopAppBasis::geefExtensie(unsigned long long index) const
{
    return index < extensies.GetCount() ? extensies[index] : wxString();
}

wxArrayString DesktopAppBasis::geefExtensies() const
{
    return extensies;
}

wxString DesktopAppBasis::zoekExtensie(const wxString& beschrijving) const
{
    const int index = extensieBeschrijvingen.Index(beschrijving, true);
    return index == wxNOT_FOUND ? wxString() : extensies[index];
}

wxString DesktopAppBasis::maakWildCard(unsigned long long index) const
{
    if (index >= extensies.GetCount())
        return wxString();
    return maakWildCard(extensies[index], extensieBeschrijvingen[index]);
}

wxString DesktopAppBasis::maakWildCard(const wxString& extensie, const wxString& beschrijving)
{
    return DesktopFunkties::maakWildCard(extensie, beschrijving);
}

wxString DesktopAppBasis::maakWildCard() const
{
    wxString wildCard;
    for (size_t index = 0; index < extensies.GetCount(); ++index)
        voegToeWildCard(wildCard, extensies[index], extensieBeschrijvingen[index]);
    return wildCard;
}

void DesktopAppBasis::voegToeWildCard(wxString& wildCard, const wxString& extensie, const wxString& beschrijving)
{
    if (!wildCard.empty())
        wildCard += "|";
    wildCard += maakWildCard(extensie, beschrijving);
}

wxString DesktopAppBasis::geefOSNaam() const
{
    return platformInfo.GetOperatingSystemDescription();
}

wxOperatingSystemId DesktopAppBasis::geefOSID() const
{
    return platformInfo.GetOperatingSystemId();
}

wxString DesktopAppBasis::geefComputerNaam()
{
    return wxGetFullHostName();
}

wxString DesktopAppBasis::geefGebruikerLogin()
{
    return wxGetUserId();
}

wxString DesktopAppBasis::geefGebruikerNaam()
{
    return wxGetUserName();
}

unsigned long DesktopAppBasis::geefProcesID()
{
    return wxGetProcessId();
}

unsigned int DesktopAppBasis::maakOpsProcIDKombi() const
{
    return maakOpsProcIDKombi(geefOSID(), geefProcesID());
}

unsigned int DesktopAppBasis::maakOpsProcIDKombi(wxOperatingSystemId os, unsigned long procesID)
{
    return static_cast<unsigned int>(os) << 20 | (static_cast<unsigned int>(procesID) & procIDMasker);
}

unsigned int DesktopAppBasis::geefOpsIDUitKombi(unsigned int kombi) const
{
    return kombi >> 20;
}

unsigned int DesktopAppBasis::geefProcIDUitKombi(unsigned int kombi)
{
    return kombi & procIDMasker;
}

void DesktopAppBasis::zetLaatsteAppDataDir(const wxString& map)
{
    LaatsteDataPad = map;
}

void DesktopAppBasis::zetLaatsteAppDataDir(const wxFileName& naam)
{
    if (!naam.HasName() && !naam.HasExt())
        LaatsteDataPad = naam.GetFullPath();
    else
        LaatsteDataPad = naam.GetPath(wxPATH_GET_VOLUME);
}

wxFileName DesktopAppBasis::geefLaatsteAppDataDir(const wxString& bestandsNaam) const
{
    if (LaatsteDataPad.empty())
        LaatsteDataPad = stdPaden.GetDocumentsDir();
    return wxFileName(LaatsteDataPad, bestandsNaam, wxPATH_NATIVE);
}

wxString DesktopAppBasis::geefVersie(bool lang)
{
    const DesktopVersieNummer versie;
    const wxString kort =
        wxString::Format("%u.%u.%u", unsigned{versie.major}, unsigned{versie.minor}, unsigned{versie.patch});
    return lang ? releaseDatum + "_" + versie.geefVersieString() : kort;
}

wxString DesktopAppBasis::geefPlatformBeschrijving(bool metToolkit) const
{
    wxString beschrijving;
    if (metToolkit)
    {
        const wxVersionInfo wx = wxGetLibraryVersionInfo();
        const wxString poort =
            wxPlatformInfo::GetPortIdName(platformInfo.GetPortId(), platformInfo.IsUsingUniversalWidgets());
        beschrijving << "wxWidgets" << DesktopFunkties::haken(poort, true)
                     << wxString::Format("%d.%d.%d", wx.GetMajor(), wx.GetMinor(), wx.GetMicro()) << sp;
    }
    beschrijving << platformInfo.GetOperatingSystemIdName() << sp << platformInfo.GetOperatingSystemFamilyName() << sp
                 << DesktopFunkties::haken(platformInfo.GetCpuArchitectureName() + " - " +
                                           platformInfo.GetBitnessName());
    return beschrijving;
}
