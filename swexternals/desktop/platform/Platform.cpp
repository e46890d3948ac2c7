#include "swexternals/desktop/platform/Platform.h"

#include <spawn.h>
#include <sys/types.h>
#include <utility>
#include <wx/filefn.h>
#include <wx/toplevel.h>
#include <wx/utils.h>

extern char** environ;

namespace
{
const wxString gewijzigdTeken = "*";
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
    const wxScopedCharBuffer programma = xdgOpen.fn_str();
    const wxScopedCharBuffer argument = pad.fn_str();
    const char* argumenten[] = {programma.data(), argument.data(), nullptr};
    return wxExecute(argumenten, wxEXEC_ASYNC) != 0;
}

bool Platform::installeerPakket(const wxString& pakket)
{
    const Installeerder& installeerder = huidigeInstalleerder();
    // The desktop's handler for the package's type is its package
    // installer (GNOME Software, Discover, GDebi, ...).
    return installeerder ? installeerder(pakket) : openMetStandaardProgramma(pakket);
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
    // toolkit's process machinery may be gone already: plain posix_spawn,
    // which needs nothing of it. The new process outlives this one; nobody
    // waits for it.
    const wxScopedCharBuffer pad = programma.fn_str();
    char* const argumenten[] = {const_cast<char*>(pad.data()), nullptr};
    pid_t proces = 0;
    return posix_spawn(&proces, pad.data(), nullptr, nullptr, argumenten, environ) == 0;
}

void Platform::zetVensterGewijzigd(wxTopLevelWindow& venster, bool gewijzigd)
{
    venster.OSXSetModified(gewijzigd);
    const wxString titel = venster.GetTitle();
    const bool getoond = titel.StartsWith(gewijzigdTeken);
    if (gewijzigd && !getoond)
        venster.SetTitle(gewijzigdTeken + titel);
    else if (!gewijzigd && getoond)
        venster.SetTitle(titel.Mid(gewijzigdTeken.length()));
}

bool Platform::isVensterGewijzigd(const wxTopLevelWindow& venster)
{
    return venster.OSXIsModified();
}
