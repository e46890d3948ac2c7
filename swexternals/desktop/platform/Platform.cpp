#include "swexternals/desktop/platform/Platform.h"

#include <utility>
#include <wx/filefn.h>
#include <wx/utils.h>

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
