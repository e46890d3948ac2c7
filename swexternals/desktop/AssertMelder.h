#ifndef SWEXTERNALS_DESKTOP_ASSERTMELDER_H
#define SWEXTERNALS_DESKTOP_ASSERTMELDER_H

#include <wx/string.h>

// What the shipped program does with an assertion of the toolkit: it writes
// it to standard error, where a bug report finds it, and goes on. The
// toolkit's own handler stops the program on the spot, and the user loses
// the open change without a word. The tests keep their own handler, which
// fails the test: an assertion is a fault of ours all the same.
class AssertMelder
{
public:
    AssertMelder() = delete;

    // Before the toolkit starts, in the program only.
    static void installeer();
    static void meld(const wxString& bestand, int regel, const wxString& funktie, const wxString& voorwaarde,
                     const wxString& bericht);
};

#endif
