#ifndef SWEXTERNALS_DESKTOP_DESKTOPAPPBASIS_H
#define SWEXTERNALS_DESKTOP_DESKTOPAPPBASIS_H

#include "base/IntelProcessor.h"
#include "base/SimpelRTOS.h"
#include "swexternals/desktop/ProcesLokaliteit.h"
#include "swexternals/desktop/TrivaneWxConfig.h"

#include <wx/arrstr.h>
#include <wx/filename.h>
#include <wx/gdicmn.h>
#include <wx/intl.h>
#include <wx/platinfo.h>
#include <wx/snglinst.h>
#include <wx/stdpaths.h>
#include <wx/string.h>

class wxTranslations;

// The part of every desktop application that is not the wxWidgets
// application itself: the per-user configuration file, the interface
// language, the platform, the single-instance lock, the last data folder and
// the registered document types. One per process, living from the
// construction of the application object to its end; it writes its settings
// back when it is destroyed.
class DesktopAppBasis
{
public:
    // The texts every layer joins translated message parts with.
    static const wxString tab;
    static const wxString sp;
    static const wxString vr;
    static const wxString ls;

    DesktopAppBasis(const wxString& applikatieNaam, const wxString& extensie);
    virtual ~DesktopAppBasis();

    DesktopAppBasis(const DesktopAppBasis&) = delete;
    DesktopAppBasis& operator=(const DesktopAppBasis&) = delete;

    virtual void zetTaal(wxLanguage nieuweTaal) = 0;
    virtual bool isGUIApplikatie() const = 0;
    // Not the wxWidgets exit hook: the application keeps wxApp's own.
    virtual int OnExit();

    // Language, last folder, stop date and time and operating system; the
    // file itself is written when the configuration object goes.
    void bewaarInstellingen();

    TrivaneWxConfig& geefAppConfigRef() const;
    // The same object, for callers that take a configuration by pointer.
    TrivaneWxConfig* geefAppConfig() const;
    wxStandardPaths& geefStdPaden() const;
    wxString geefApplikatieNaam() const;
    wxLanguage geefTaal() const;

    // Interface language. initLokaliteit loads the wxWidgets catalogue, the
    // library's "Trivanedesktop" and the application's own for the language;
    // only a language that loads becomes current and is stored, and puts the
    // process into its locale (a locale the system lacks is reported, the
    // catalogues stay). Result 0, or 2 when a catalogue is missing (each one
    // reported).
    [[nodiscard]] int initLokaliteit(wxLanguage nieuweTaal);
    // Makes the language current and stores it; with `bewaarDirect` it is the
    // user's choice: marked as chosen and written to the file at once. The
    // catalogues follow at the next start. Always 0.
    [[nodiscard]] int zetLokaliteit(wxLanguage nieuweTaal, bool bewaarDirect);
    // Whether every catalogue of the language can be found, asked before a
    // choice is accepted; nothing is reported or changed.
    bool isTaalBeschikbaar(wxLanguage nieuweTaal) const;
    // 0 when the last loading found every catalogue, else 2.
    [[nodiscard]] int geefLokaliteitStatus() const;
    // For an answer on the terminal before the application object is made
    // (the version, the usage): the texts in the language the user chose,
    // else the system's, with the catalogues the application would load.
    // Nothing is written or reported; a language that does not load leaves
    // the English texts. Needs a (console) application object for the
    // standard paths.
    static void zetKonsoleTaal(const wxString& applikatieNaam);
    static wxString geefFloatGetalScheiding();

    // Start-up checks, from the application's OnInit: 0 the start may go on,
    // 2 refused (a too small display, or with `weigerTweedeInstantie` another
    // running instance of this application for this user; already reported).
    [[nodiscard]] int onInitRoutines(const wxSize& minimaleSchermGrootte, bool weigerTweedeInstantie);
    // Starts the application anew. The new instance is started only once
    // this one has written its settings, when the application object goes,
    // so that it never reads a file that is still to change; with
    // `stopHuidige` this instance ends its main loop now.
    void startApplikatieOpnieuw(bool stopHuidige);
    // The same, ending this instance, for a restart the user was not asked
    // about: the new instance does not report it.
    void startApplikatieStilOpnieuw();
    // True once a restart was asked for: a start-up that asks for one before
    // the main loop runs must end itself, nothing else will.
    bool isHerstartGevraagd() const { return !herstartProgramma.empty(); }
    wxFileName geefExePad() const;

    // Document types: index 0 is the application's own, described by the
    // application name. An index beyond the registered types gives "".
    void voegToeExtensie(const wxString& extensie, const wxString& beschrijving);
    wxString geefExtensie() const;
    wxString geefExtensie(unsigned long long index) const;
    wxArrayString geefExtensies() const;
    wxString zoekExtensie(const wxString& beschrijving) const;
    wxString maakWildCard(unsigned long long index) const;
    static wxString maakWildCard(const wxString& extensie, const wxString& beschrijving);
    wxString maakWildCard() const;
    static void voegToeWildCard(wxString& wildCard, const wxString& extensie, const wxString& beschrijving);

    // Who and where we run.
    wxString geefOSNaam() const;
    wxOperatingSystemId geefOSID() const;
    static wxString geefComputerNaam();
    static wxString geefGebruikerLogin();
    static wxString geefGebruikerNaam();
    static unsigned long geefProcesID();

    // The process mark: the operating-system id in bits 20 and up, the
    // process id in bits 0 to 19. A process id needs more than 20 bits on
    // Linux; only its low 20 bits are kept, so that the mark always decodes
    // to the operating system it was made on and a mark this process wrote
    // always equals the one it makes.
    static const unsigned int procIDMasker = 0xFFFFF;
    unsigned int maakOpsProcIDKombi() const;
    static unsigned int maakOpsProcIDKombi(wxOperatingSystemId os, unsigned long procesID);
    unsigned int geefOpsIDUitKombi(unsigned int kombi) const;
    static unsigned int geefProcIDUitKombi(unsigned int kombi);

    // The folder last used for data files; file dialogs start in it.
    // Documents until one is used.
    void zetLaatsteAppDataDir(const wxString& map);
    void zetLaatsteAppDataDir(const wxFileName& naam);
    wxFileName geefLaatsteAppDataDir(const wxString& bestandsNaam) const;

    // "12.01.2025_1.4.0.a" in the long form, "1.4.0" in the short one.
    static wxString geefVersie(bool lang);
    // With the toolkit part it names the wxWidgets version the program runs with.
    wxString geefPlatformBeschrijving(bool metToolkit) const;

protected:
    wxString appNaam;
    mutable TrivaneWxConfig config;
    bool taalGekozen;
    wxTranslations* vertalingen;
    wxLanguage taal;
    int lokaliteitStatus;
    wxPlatformInfo platformInfo;
    wxStandardPaths& stdPaden;
    SimpelRTOS rtos;
    IntelProcessor processor;
    // Empty until it is set, read or asked for (then Documents); empty in
    // the file, it stands for Documents too.
    mutable wxString LaatsteDataPad;
    wxArrayString extensies;
    wxArrayString extensieBeschrijvingen;
    wxSingleInstanceChecker eenInstantieKontrole;
    // The toolkit's texts follow the language through the locale; the one
    // the process had comes back when the application goes.
    ProcesLokaliteit procesLokaliteit;

private:
    void zetStartTaal(wxLanguage voorkeur);
    static wxLanguage geefSysteemTaal();
    static wxLanguage vervangTaal(wxLanguage gevraagd);
    static wxLanguage alsTaal(long getal);
    static bool isBekendeTaal(wxLanguage taal);
    static void voegKatalogusPadenToe(const wxString& applikatieNaam, wxOperatingSystemId os, wxStandardPaths& paden);
    static wxArrayString geefKatalogusNamen(const wxString& applikatieNaam);
    [[nodiscard]] static int laadKatalogen(wxTranslations& doel, wxLanguage nieuweTaal, const wxString& applikatieNaam,
                                           bool melden);
    void zetVertalingen(wxTranslations* nieuw);
    void legTaalVast(wxLanguage nieuweTaal, bool bewaarDirect);
    void schrijfKonfig();
    void startHerstart();

    // The executable to start once this instance has written its settings;
    // empty while no restart was asked for.
    wxString herstartProgramma;
};

#endif
