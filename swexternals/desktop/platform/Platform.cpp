#include "swexternals/desktop/platform/Platform.h"

#include "swexternals/desktop/DesktopFunkties.h"
#include "swexternals/desktop/platform/KindProces.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <gtk/gtk.h>
#include <memory>
#include <set>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <utility>
#include <wx/evtloop.h>
#include <wx/filefn.h>
#include <wx/intl.h>
#include <wx/toplevel.h>
#include <wx/utils.h>
#include <wx/window.h>

namespace
{
const wxString gewijzigdTeken = "*";

// The windows that carry the mark. Kept here, not read back from the
// toolkit: off the Mac wxWidgets leaves a window's modified flag unset
// until someone sets it, so reading it first gives garbage.
// As plain windows: the destroy event comes when only that part of the
// window is left.
std::set<const wxWindow*>& gemarkeerdeVensters()
{
    static std::set<const wxWindow*> vensters;
    return vensters;
}

// A window that goes takes its mark along; its address may be used again.
// The event also comes for each of its parts, which are not in the set.
void vergeetVenster(wxWindowDestroyEvent& gebeurtenis)
{
    gemarkeerdeVensters().erase(gebeurtenis.GetWindow());
    gebeurtenis.Skip();
}

// The scheme of an address as RFC 3986 has it: a letter, then letters,
// digits, "+", "-" and "."; empty when the address has none.
wxString geefSchema(const wxString& adres)
{
    const int dubbelePunt = adres.Find(':');
    if (dubbelePunt <= 0)
        return wxString();
    const wxString schema = adres.Left(dubbelePunt);
    if (!wxIsalpha(schema[0]))
        return wxString();
    for (const wxUniChar teken : schema)
        if (!teken.IsAscii() || !(wxIsalnum(teken) || teken == '+' || teken == '-' || teken == '.'))
            return wxString();
    return schema.Lower();
}

gboolean openAboutLink(GtkAboutDialog*, const gchar* adres, gpointer)
{
    static_cast<void>(Platform::openWebAdres(wxString::FromUTF8(adres)));
    return TRUE;
}

bool heeftStuurTekens(const wxString& adres)
{
    for (const wxUniChar teken : adres)
        if (teken < 0x20 || teken == 0x7f)
            return true;
    return false;
}
} // namespace

bool Platform::openInBestandsbeheer(const wxString& pad)
{
    const Opener& opener = huidigeOpener();
    return opener ? opener(pad) : openMetStandaardProgramma(pad);
}

Platform::Opener Platform::zetOpener(Opener opener)
{
    return std::exchange(huidigeOpener(), std::move(opener));
}

Platform::Opener& Platform::huidigeOpener()
{
    static Opener opener;
    return opener;
}

bool Platform::openMetStandaardProgramma(const wxString& pad)
{
    // A path that starts with "-" would be read as an option of xdg-open.
    if (pad.empty() || pad.StartsWith("-"))
        return false;
    // xdg-open picks the handler the user's desktop has chosen. Looked up
    // first, because a program that cannot be run would still yield a
    // process id here.
    wxString pathVariabele;
    wxString xdgOpen;
    if (!wxGetEnv("PATH", &pathVariabele) || !wxFindFileInPath(&xdgOpen, pathVariabele, "xdg-open"))
        return false;
    return KindProces::startLos({std::string(xdgOpen.fn_str()), std::string(pad.fn_str())});
}

bool Platform::installeerPakket(const wxString& pakket)
{
    const Installeerder& installeerder = huidigeInstalleerder();
    // The desktop's handler for the package's type is its package
    // installer (GNOME Software, Discover, GDebi, ...).
    return installeerder ? installeerder(pakket) : openEnWachtOpOordeel(pakket);
}

bool Platform::openEnWachtOpOordeel(const wxString& pad)
{
    // xdg-open picks the handler the user's desktop has chosen, and ends
    // with an error when there is none or it fails. Some desktops let it
    // wait for the handler: one still running after the wait has taken the
    // package.
    const std::chrono::milliseconds kijkInterval(20);
    wxString pathVariabele;
    wxString xdgOpen;
    if (pad.empty() || pad.StartsWith("-") || !wxGetEnv("PATH", &pathVariabele) ||
        !wxFindFileInPath(&xdgOpen, pathVariabele, "xdg-open"))
        return false;
    const pid_t opener = KindProces::start({std::string(xdgOpen.fn_str()), std::string(pad.fn_str())}, {});
    if (opener == 0)
        return false;
    // Meanwhile the windows are painted, and nothing else is done in them.
    const wxWindowDisabler uit;
    const auto einde = std::chrono::steady_clock::now() + huidigeOordeelWachttijd();
    for (;;)
    {
        int status = 0;
        const pid_t geeindigd = waitpid(opener, &status, WNOHANG);
        if (geeindigd == opener)
            return WIFEXITED(status) && WEXITSTATUS(status) == 0;
        if (geeindigd < 0 && errno != EINTR)
            return false;
        if (std::chrono::steady_clock::now() >= einde)
        {
            // Nobody waits for it any more here.
            KindProces::laatOogsten(opener);
            return true;
        }
        if (wxEventLoopBase* lus = wxEventLoopBase::GetActive())
            lus->YieldFor(wxEVT_CATEGORY_UI);
        wxMilliSleep(static_cast<unsigned long>(kijkInterval.count()));
    }
}

Platform::Installeerder Platform::zetInstalleerder(Installeerder installeerder)
{
    return std::exchange(huidigeInstalleerder(), std::move(installeerder));
}

Platform::Installeerder& Platform::huidigeInstalleerder()
{
    static Installeerder installeerder;
    return installeerder;
}

std::chrono::milliseconds Platform::zetOordeelWachttijd(std::chrono::milliseconds wachttijd)
{
    return std::exchange(huidigeOordeelWachttijd(), wachttijd);
}

std::chrono::milliseconds& Platform::huidigeOordeelWachttijd()
{
    static std::chrono::milliseconds wachttijd = std::chrono::seconds(5);
    return wachttijd;
}

bool Platform::startOpnieuw(const wxString& programma)
{
    const Starter& starter = huidigeStarter();
    return starter ? starter(programma) : startProces(programma);
}

Platform::Starter Platform::zetStarter(Starter starter)
{
    return std::exchange(huidigeStarter(), std::move(starter));
}

Platform::Starter& Platform::huidigeStarter()
{
    static Starter starter;
    return starter;
}

bool Platform::startProces(const wxString& programma)
{
    if (programma.empty())
        return false;
    // The relaunch happens while this process is being taken down, when the
    // toolkit's process machinery may be gone already: a start that needs
    // nothing of it. The new process outlives this one.
    return KindProces::startLos({std::string(programma.fn_str())});
}

int Platform::sluitBijProgrammaStart(const wxString& bestand)
{
    struct stat doel
    {
    };
    if (stat(bestand.fn_str(), &doel) != 0)
        return 0;
    std::unique_ptr<DIR, int (*)(DIR*)> map(opendir("/proc/self/fd"), closedir);
    if (!map)
        return 0;
    int gemarkeerd = 0;
    while (const dirent* deel = readdir(map.get()))
    {
        char* einde = nullptr;
        const long nummer = std::strtol(deel->d_name, &einde, 10);
        struct stat status
        {
        };
        if (einde == deel->d_name || *einde != '\0' || nummer < 0 || nummer == dirfd(map.get()) ||
            fstat(static_cast<int>(nummer), &status) != 0 || status.st_dev != doel.st_dev ||
            status.st_ino != doel.st_ino)
            continue;
        const int vlaggen = fcntl(static_cast<int>(nummer), F_GETFD);
        if (vlaggen >= 0 && fcntl(static_cast<int>(nummer), F_SETFD, vlaggen | FD_CLOEXEC) == 0)
            ++gemarkeerd;
    }
    return gemarkeerd;
}

bool Platform::leidAboutLinksOm()
{
    // The toolkit connects its own handler each time it shows the box, with
    // the box as its data: it goes, and this program's takes its place.
    const guint signaal = g_signal_lookup("activate-link", GTK_TYPE_ABOUT_DIALOG);
    bool gevonden = false;
    GList* vensters = gtk_window_list_toplevels();
    for (GList* deel = vensters; deel; deel = deel->next)
    {
        if (!GTK_IS_ABOUT_DIALOG(deel->data))
            continue;
        // The toolkit's handler knows the box by its data; this program's
        // own, of an earlier showing, by its function.
        g_signal_handlers_disconnect_matched(deel->data,
                                             static_cast<GSignalMatchType>(G_SIGNAL_MATCH_ID | G_SIGNAL_MATCH_DATA),
                                             signaal, 0, nullptr, nullptr, deel->data);
        g_signal_handlers_disconnect_matched(deel->data,
                                             static_cast<GSignalMatchType>(G_SIGNAL_MATCH_ID | G_SIGNAL_MATCH_FUNC),
                                             signaal, 0, nullptr, reinterpret_cast<gpointer>(openAboutLink), nullptr);
        g_signal_connect(deel->data, "activate-link", G_CALLBACK(openAboutLink), nullptr);
        gevonden = true;
    }
    g_list_free(vensters);
    return gevonden;
}

bool Platform::isToegestaanWebAdres(const wxString& adres)
{
    const wxString schoon = wxString(adres).Trim(false).Trim(true);
    if (heeftStuurTekens(schoon))
        return false;
    const wxString schema = geefSchema(schoon);
    const wxString rest = schoon.Mid(schema.length() + 1);
    if (schema == "http" || schema == "https")
        return rest.StartsWith("//") && rest.length() > 2 && rest[2] != '/';
    return schema == "mailto" && !rest.empty();
}

bool Platform::openWebAdres(const wxString& adres)
{
    if (!isToegestaanWebAdres(adres))
    {
        DesktopFunkties::wxErrorVeilig(_("The address") + DesktopFunkties::dubbeleQuotes(adres, true) +
                                       _("was not opened: only web addresses (http, https) and mail addresses "
                                         "(mailto) are opened."));
        return false;
    }
    const wxString schoon = wxString(adres).Trim(false).Trim(true);
    const WebOpener& opener = huidigeWebOpener();
    if (opener ? opener(schoon) : openMetStandaardProgramma(schoon))
        return true;
    DesktopFunkties::wxErrorVeilig(_("No program could be started to open the address") + DesktopFunkties::sp +
                                   DesktopFunkties::dubbeleQuotes(schoon, false) + ".");
    return false;
}

Platform::WebOpener Platform::zetWebOpener(WebOpener opener)
{
    return std::exchange(huidigeWebOpener(), std::move(opener));
}

Platform::WebOpener& Platform::huidigeWebOpener()
{
    static WebOpener opener;
    return opener;
}

void Platform::zetVensterGewijzigd(wxTopLevelWindow& venster, bool gewijzigd)
{
    // The title without the mark, taken while the old state still tells
    // whether a leading "*" is the mark or the title's own.
    const wxString titel = geefVensterTitel(venster);
    if (gewijzigd && gemarkeerdeVensters().insert(&venster).second)
        venster.Bind(wxEVT_DESTROY, &vergeetVenster);
    else if (!gewijzigd && gemarkeerdeVensters().erase(&venster) > 0)
        venster.Unbind(wxEVT_DESTROY, &vergeetVenster);
    venster.OSXSetModified(gewijzigd);
    zetVensterTitel(venster, titel);
}

void Platform::zetVensterTitel(wxTopLevelWindow& venster, const wxString& titel)
{
    const wxString getoond = isVensterGewijzigd(venster) ? gewijzigdTeken + titel : titel;
    if (venster.GetTitle() != getoond)
        venster.SetTitle(getoond);
}

wxString Platform::geefVensterTitel(const wxTopLevelWindow& venster)
{
    const wxString titel = venster.GetTitle();
    if (isVensterGewijzigd(venster) && titel.StartsWith(gewijzigdTeken))
        return titel.Mid(gewijzigdTeken.length());
    return titel;
}

bool Platform::isVensterGewijzigd(const wxTopLevelWindow& venster)
{
    return gemarkeerdeVensters().count(&venster) > 0;
}
