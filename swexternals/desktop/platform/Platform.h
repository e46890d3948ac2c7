#ifndef SWEXTERNALS_DESKTOP_PLATFORM_PLATFORM_H
#define SWEXTERNALS_DESKTOP_PLATFORM_PLATFORM_H

#include <chrono>
#include <functional>
#include <wx/string.h>

class wxTopLevelWindow;

// What the desktop of the original platform offered and Linux does not have
// in the same form, in one place: one small function per service, so that the
// rest of the program calls one name on every platform.
class Platform
{
public:
    Platform() = delete;

    // Hands a path (a folder, or a file) to the desktop's default handler,
    // as the Finder's "open" did. The path goes over as one argument of its
    // own, never through a shell. True when a handler was started.
    static bool openInBestandsbeheer(const wxString& pad);

    // What openInBestandsbeheer runs. Tests put a recorder here so that no
    // file manager opens; an empty function puts the desktop's own back.
    using Opener = std::function<bool(const wxString& pad)>;
    static Opener zetOpener(Opener opener);

    // Hands a downloaded package to the desktop's package installer, which
    // shows the user what it installs and asks before it does so: the
    // original platform's "open" with the installer. The package goes over
    // as one argument of its own, never through a shell. The opener is given
    // a few seconds, with the windows kept painted, to say whether it found
    // a handler: true when it ended well or is still busy (a handler runs),
    // false when there is no opener or it ended with an error (no handler
    // for the package, or the handler failed).
    static bool installeerPakket(const wxString& pakket);

    // What installeerPakket runs. Tests record the package here; an empty
    // function puts the desktop's own back.
    using Installeerder = std::function<bool(const wxString& pakket)>;
    static Installeerder zetInstalleerder(Installeerder installeerder);
    // How long installeerPakket waits for the opener's verdict (5 s); an
    // opener still running then is reaped when it ends. Tests shorten it;
    // the previous one is returned.
    static std::chrono::milliseconds zetOordeelWachttijd(std::chrono::milliseconds wachttijd);

    // Starts the program anew as a process of its own, the executable given
    // as it stands (no shell, no arguments), without waiting for it. The
    // original platform's "open -n -a" with the application bundle. True
    // when the new process was started.
    static bool startOpnieuw(const wxString& programma);

    // What startOpnieuw runs. Tests record the launch here; an empty
    // function puts the real start back.
    using Starter = std::function<bool(const wxString& programma)>;
    static Starter zetStarter(Starter starter);

    // Marks every descriptor this process holds open on the file `bestand`
    // close-on-exec: a library that opened it without (the toolkit's
    // single-instance lock) would otherwise hand it, writable, to every
    // program this one starts. The number of descriptors marked.
    static int sluitBijProgrammaStart(const wxString& bestand);

    // The desktop's about box opens its links by itself, through the
    // toolkit's own browser start, which gives the browser this program's
    // language settings: once it is shown, its links go through openWebAdres
    // instead. True when an about box was found.
    static bool leidAboutLinksOm();

    // Hands a web or mail address to the desktop's browser or mail program
    // (what wxLaunchDefaultBrowser would do). Only "http", "https" and
    // "mailto" addresses go, letter case aside and with blanks around them
    // dropped; anything else (file:, ssh:, smb:, javascript:, a made-up
    // scheme, an address without a scheme, control characters) is refused
    // with an error in the log, because the address may come from a project
    // file and the desktop would hand any scheme to whatever program claims
    // it. A handler that cannot be started is reported too. True when the
    // address was handed over.
    static bool openWebAdres(const wxString& adres);
    // Whether openWebAdres lets the address through.
    static bool isToegestaanWebAdres(const wxString& adres);

    // What openWebAdres runs for an address it lets through, blanks around
    // it dropped. Tests record the addresses here
    // (tests/ondersteuning/WebOpnemer); an empty function puts the desktop's
    // own back.
    using WebOpener = std::function<bool(const wxString& adres)>;
    static WebOpener zetWebOpener(WebOpener opener);

    // The mark of a window whose document has unsaved changes: kept here
    // for as long as the window lives (and given to the window's modified
    // state too); on Linux it shows as a "*" before the window's title, as
    // the desktop's own editors do. A window starts without it.
    static void zetVensterGewijzigd(wxTopLevelWindow& venster, bool gewijzigd);
    static bool isVensterGewijzigd(const wxTopLevelWindow& venster);

    // The title of a window that may carry the mark above: set it only
    // through zetVensterTitel, which keeps the mark in front of the new
    // title while the window is marked; geefVensterTitel gives the title
    // without the mark. A title that itself begins with "*" stays whole.
    static void zetVensterTitel(wxTopLevelWindow& venster, const wxString& titel);
    static wxString geefVensterTitel(const wxTopLevelWindow& venster);

private:
    static bool openMetStandaardProgramma(const wxString& pad);
    static bool openEnWachtOpOordeel(const wxString& pad);
    static WebOpener& huidigeWebOpener();
    static Opener& huidigeOpener();
    static bool startProces(const wxString& programma);
    static Starter& huidigeStarter();
    static Installeerder& huidigeInstalleerder();
    static std::chrono::milliseconds& huidigeOordeelWachttijd();
};

#endif
