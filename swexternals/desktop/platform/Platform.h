#ifndef SWEXTERNALS_DESKTOP_PLATFORM_PLATFORM_H
#define SWEXTERNALS_DESKTOP_PLATFORM_PLATFORM_H

#include <functional>
#include <wx/string.h>

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

private:
    static bool openMetStandaardProgramma(const wxString& pad);
    static Opener& huidigeOpener();
};

#endif
