#ifndef TOEPASSING_KERN_LANGWERK_H
#define TOEPASSING_KERN_LANGWERK_H

#include "swexternals/desktop/wx/wxSQLite3/LangeLezing.h"

#include <cstddef>
#include <optional>
#include <wx/string.h>

class Voortgang;
class VerelTamsoApp;

// Work on the project that may last: while it lives, the application's
// Voortgang (VerelTamsoApp::zetVoortgang) hears that it began, that it goes
// on (between its steps through meld or stap, and while one of its
// statements runs long through the database's hand-over) and, when it goes,
// that it ended. Work within work is part of the outer work: its steps are
// steps of the outer work, of which the outer work announced the number.
// Without a Voortgang it does nothing.
class LangWerk
{
public:
    // `stappen`: how many steps the work takes (what it reads included),
    // when it knows; then its follower shows how far it is.
    LangWerk(VerelTamsoApp& app, const wxString& wat, size_t stappen = 0);
    // Work that the user may stop (isAfgebroken), and that tells how far it
    // is itself (meldStand).
    struct Afbreekbaar
    {
    };
    LangWerk(VerelTamsoApp& app, const wxString& wat, Afbreekbaar);
    ~LangWerk();

    LangWerk(const LangWerk&) = delete;
    LangWerk& operator=(const LangWerk&) = delete;

    // Between two steps of the work that runs.
    static void meld(VerelTamsoApp& app);
    // One step of the work that runs is done.
    static void stap(VerelTamsoApp& app);
    // This work has done `gedaan` of about `totaal` (0: not known). Within
    // other work: that work goes on.
    void meldStand(size_t gedaan, size_t totaal) const;
    // The user asked to stop this work.
    bool isAfgebroken() const;

private:
    enum class Soort
    {
        Gewoon,
        Afbreekbaar
    };
    LangWerk(VerelTamsoApp& app, const wxString& wat, size_t stappen, Soort soort);

    VerelTamsoApp& app;
    // Null for work within work.
    Voortgang* voortgang = nullptr;
    std::optional<LangeLezing> lezing;
};

#endif
