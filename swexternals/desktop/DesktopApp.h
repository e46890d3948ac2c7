#ifndef SWEXTERNALS_DESKTOP_DESKTOPAPP_H
#define SWEXTERNALS_DESKTOP_DESKTOPAPP_H

#include "base/StandSchakelaar.h"
#include "swexternals/desktop/DesktopAppBasis.h"

#include <memory>
#include <wx/app.h>
#include <wx/secretstore.h>
#include <wx/toplevel.h>
#include <wx/weakref.h>

class wxAboutDialogInfo;
class wxHtmlEasyPrinting;
class wxIcon;
class wxImage;

// The wxWidgets application of the desktop library: a wxApp that is also the
// application base (configuration, language, start-up checks). It keeps the
// main window with its stored geometry, the tool-tip setting and the
// window's unsaved-changes mark, switches the interface language with a
// restart, and shows the about box and the splash screen.
class DesktopApp : public wxApp, public DesktopAppBasis
{
public:
    static const wxString bedrijfsNaam;

    // Reads the settings and nothing else: wxWidgets makes the application
    // object before it starts the toolkit, so nothing here (nor in the
    // constructor of a derived class) may need the display.
    DesktopApp(const wxString& applikatieNaam, const wxString& extensie);
    ~DesktopApp() override;

    // wxWidgets calls it to run OnInit, once the toolkit has started (its
    // OnInitGui comes before GTK starts): zetSchermInstellingen, our log
    // target (DesktopLogMelder) in place, then OnInit.
    bool CallOnInit() override;
    // What needs the display, once it is there and before OnInit: here the
    // tool-tip setting. A derived class that adds its own calls this one
    // first.
    virtual void zetSchermInstellingen();

    // Only reads: the tool-tip setting is applied by zetSchermInstellingen.
    void leesInstellingen();
    void zetToolTips(Stand stand);
    Stand moetenTooltips() const;

    // Registers the main window, gives it its stored position and size and
    // makes it the top window; with `maakPrinter` also an HTML printing
    // object for it. The last flag has no effect. A null window is ignored.
    void zetHoofdVenster(wxTopLevelWindow* venster, bool maakPrinter, bool ongebruikt);
    // Null before zetHoofdVenster and once the window is gone.
    wxTopLevelWindow* geefHoofdVenster() const;
    // Restores the stored geometry when it lies wholly on the display, else
    // keeps the window's own when that does, else takes the middle quarter.
    void zetHoofdVensterGrootte();
    // Called by the main window while it still exists; a window of 100
    // pixels or less in either direction is not stored.
    void bewaarHoofdVensterGrootte();
    void maakPassendHoofdVenster() const;

    bool isTaalGekozen() const;
    // Asks whether to restart in the new language; on yes closes the main
    // window (which may refuse), stores the language and restarts. A
    // language whose catalogues are missing is refused with an error.
    void zetTaal(wxLanguage nieuweTaal) override;
    // The language chosen at the first start, when nothing can be lost:
    // stored, and the application restarted at once, without a question and
    // without word of the restart afterwards. A language whose catalogues
    // are missing is refused as by zetTaal.
    void zetEersteTaal(wxLanguage nieuweTaal);
    // The start's report of a missing locale (ProcesLokaliteit), which only
    // standard error had, in a message box over the main window (through
    // DesktopVraag); once. CallOnInit shows it once OnInit has put the main
    // window up.
    void toonOntbrekendeLocale();
    // The main window's unsaved-changes mark: off, on, toggle; unknown
    // leaves it.
    void toonOpslagStatusMacOSX(Stand stand);
    bool isGUIApplikatie() const override;

    // The about box of this product: name, long version, rights notice and
    // description, with the given web address, icon and credit lines.
    void toonCopyright(const wxString& webAdres, const wxIcon& icoon, const wxArrayString& credits) const;
    void toonCopyright(const wxString& naam, const wxString& versie, const wxString& beschrijving,
                       const wxString& rechten, const wxString& webAdres, const wxIcon& icoon,
                       const wxArrayString& credits) const;
    // Adds the platform description, the toolkit and the credit lines (as
    // developers) and the makers of the images (as artists), then shows it
    // over the main window through DesktopVraag::toonAboutBox.
    void toonCopyright(wxAboutDialogInfo& info, const wxString& beschrijving, const wxArrayString& credits) const;
    // A splash screen of the image over the main window (or on its own),
    // with the text in its status line, closing after `tijdMs`.
    void maakPlonsScherm(const wxString& tekst, const wxImage& beeld, unsigned short tijdMs, int stijl) const;

    wxHtmlEasyPrinting* geefEasyPrinting();
    void printerPageSetup();
    // 0 printed; 2 no printing object, no page could be made, or printing
    // failed or was cancelled.
    [[nodiscard]] int printAfbeelding(const wxImage& beeld);

    // The maker's one-line rights notice.
    static wxString geefRechtenNotitie();

    // One password per application and user login in the system's password
    // store (WachtwoordKluis), for applications that keep a credential. The
    // user is asked once whether the store may be used; the answer is kept
    // in the configuration file. A store that cannot be reached at the moment
    // is not asked about and not taken as a refusal. Questions go through
    // DesktopVraag.
    //
    // Asks unless access is allowed or the user has answered; after Cancel
    // the question comes again next time.
    void vraagOverSecretStoreGebruikt();
    // As if the user had answered.
    void zetSecretStoreToegang(bool toegestaan);
    // Marks the question as not asked; the permission stays.
    void resetSecretStoreOpgeslagenVoorkeuren();
    bool isSecretStoreGebruikToegestaan() const;
    // Whether a password can be kept now, asking first when that is still open.
    bool isOSSleutelBibliotheekBeschikbaar();
    // 0 saved; 1 not allowed, or no store (reported when allowed); 2 failed (reported).
    [[nodiscard]] int voegToeAanOSSleutelBibliotheek(const wxSecretString& wachtwoord);
    // 0 gone; 1 not allowed, or no store (reported when allowed); 2 failed (reported).
    [[nodiscard]] int verwijderUitOSSleutelBibliotheek();
    // The stored password; empty when none is stored, access is not allowed
    // (or not yet answered), or the store cannot be used (reported).
    wxSecretString vraagAanOSSleutelBibliotheek();

protected:
    // The page printAfbeelding prints, in the temporary folder; an invalid
    // name when it could not be written.
    wxFileName schrijfAfbeeldingPagina(const wxImage& beeld) const;

private:
    // False, with the user told why, when the store cannot be used.
    bool isSleutelBibliotheekBruikbaar();
    // False, reported, for a language whose catalogues are missing.
    bool isTaalKiesbaar(wxLanguage nieuweTaal) const;
    static bool pastOpScherm(long x, long y, long breedte, long hoogte, const wxSize& scherm);

    // Weak: the window is owned by the toolkit and may go before we do.
    wxWeakRef<wxTopLevelWindow> hoofdVenster;
    StandSchakelaar toolTips;
    std::unique_ptr<wxHtmlEasyPrinting> easyPrinting;
    bool secretStoreAlGevraagd;
    bool secretStoreToegangToegestaan;
    bool ontbrekendeLocaleGetoond;
};

#endif
