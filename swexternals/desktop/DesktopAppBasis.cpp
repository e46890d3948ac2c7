#include "swexternals/desktop/DesktopAppBasis.h"

#include "base/TrivaneBasisPerif.h"
#include "swexternals/desktop/DesktopFunkties.h"
#include "swexternals/desktop/DesktopVersieNummer.h"

#include <vector>
#include <wx/config.h>
#include <wx/datetime.h>
#include <wx/log.h>
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
} // namespace

DesktopAppBasis::DesktopAppBasis(const wxString& applikatieNaam, const wxString& extensie)
    : appNaam(applikatieNaam), config(applikatieNaam, leverancier, wxString()), taalGekozen(false),
      vertalingen(nullptr), taal(wxLANGUAGE_UNKNOWN), lokaliteitStatus(5), platformInfo(),
      stdPaden(wxStandardPaths::Get()), rtos(nullptr, 0), processor(&rtos)
{
    // Whether another instance runs is asked later, by the start-up checks.
    eenInstantieKontrole.Create(appNaam + "-" + wxGetUserId(), "/tmp");

    const wxDateTime start = wxDateTime::Now();
    wxConfigBase::DontCreateOnDemand();

    const wxLanguage systeemTaal = geefSysteemTaal();
    long voorkeur = systeemTaal;
    config.Read(sleutelTaal, &voorkeur, static_cast<long>(systeemTaal));
    LaatsteDataPad = config.Read(sleutelDataPad, stdPaden.GetDocumentsDir());

    config.SetPath("/Statistiek");
    config.Write("StartDatum", start.FormatISODate());
    config.Write("StartTijd", start.FormatISOTime());

    wxUILocale::UseDefault();
    zetStartTaal(static_cast<wxLanguage>(voorkeur));

    voegToeExtensie(extensie, appNaam);
    TrivaneBasisPerif::zetMicroController(&processor);
    TrivaneBasisPerif::zetOS(&rtos);
}

DesktopAppBasis::~DesktopAppBasis()
{
    bewaarInstellingen();
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

int DesktopAppBasis::initLokaliteit(wxLanguage nieuweTaal)
{
    return zetLokaliteit(nieuweTaal, false);
}

int DesktopAppBasis::zetLokaliteit(wxLanguage nieuweTaal, bool bewaarDirect)
{
    if (bewaarDirect)
    {
        taalGekozen = true;
        config.Write(sleutelTaalGekozen, true);
    }
    taal = nieuweTaal;
    config.Write(sleutelTaal, static_cast<long>(nieuweTaal));
    if (bewaarDirect && !config.Flush())
        DesktopFunkties::wxErrorVeilig(_("The settings could not be written to") +
                                       dubbeleQuotes(wxFileConfig::GetLocalFileName(appNaam), true));
    return 0;
}

int DesktopAppBasis::OnExit()
{
    return 0;
}

void DesktopAppBasis::bewaarInstellingen()
{
    config.SetPath("/Gebruikersinstellingen");
    config.Write("Encoding", static_cast<long>(taal));
    config.SetPath("/Operationeel");
    config.Write("LaatsteDataPad", LaatsteDataPad);
    const wxDateTime stop = wxDateTime::Now();
    config.SetPath("/Statistiek");
    config.Write("StopDatum", stop.FormatISODate());
    config.Write("StopTijd", stop.FormatISOTime());
    config.Write("OS", static_cast<long>(platformInfo.GetOperatingSystemId()));
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
    return wxFileName(LaatsteDataPad, bestandsNaam, wxPATH_NATIVE);
}

wxString DesktopAppBasis::enkeleQuotes(const wxString& tekst, bool metSpaties)
{
    return DesktopFunkties::enkeleQuotes(tekst, metSpaties);
}

wxString DesktopAppBasis::dubbeleQuotes(const wxString& tekst, bool metSpaties)
{
    return DesktopFunkties::dubbeleQuotes(tekst, metSpaties);
}

wxString DesktopAppBasis::haken(const wxString& tekst, bool metSpaties)
{
    return DesktopFunkties::haken(tekst, metSpaties);
}

wxString DesktopAppBasis::blokhaken(const wxString& tekst, bool metSpaties)
{
    return DesktopFunkties::blokhaken(tekst, metSpaties);
}

wxString DesktopAppBasis::spaties(const wxString& tekst)
{
    return DesktopFunkties::spaties(tekst);
}

wxString DesktopAppBasis::kommentaar(const wxString& tekst, bool regelKommentaar)
{
    return DesktopFunkties::kommentaar(tekst, regelKommentaar);
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
        beschrijving << "wxWidgets" << haken(poort, true)
                     << wxString::Format("%d.%d.%d", wx.GetMajor(), wx.GetMinor(), wx.GetMicro()) << sp;
    }
    beschrijving << platformInfo.GetOperatingSystemIdName() << sp << platformInfo.GetOperatingSystemFamilyName() << sp
                 << haken(platformInfo.GetCpuArchitectureName() + " - " + platformInfo.GetBitnessName());
    return beschrijving;
}
