#ifndef TOEPASSING_KERN_WERKNEMERLEZING_H
#define TOEPASSING_KERN_WERKNEMERLEZING_H

#include "toepassing/kern/VerelTamsoApp.h"

#include <set>
#include <wx/arrstr.h>
#include <wx/string.h>

// The people of every row, read in parts between which the window takes
// what the user does: read in one piece, the people of a million rows keep
// a key waiting for most of a second. A change of the project between two
// parts starts the read again; the people read whole are then known to the
// project as those of its own read are.
class WerknemerLezing
{
public:
    explicit WerknemerLezing(VerelTamsoApp& app);

    // Reads the next part: 0 more is left to read; 1 the names are
    // complete; 2 a failure (reported).
    [[nodiscard]] int leesDeel();
    const wxArrayString& geefNamen() const { return namen; }

    // The rows of a part: few enough to take a few hundredths of a second.
    // Tests make them fewer. Returns the number that held before.
    static long long zetDeelGrootte(long long rijen);

private:
    void beginOpnieuw();

    VerelTamsoApp& app;
    SQLite3Basis::InhoudVersie versie;
    bool begonnen = false;
    bool klaar = false;
    long long laatste = 0;
    std::set<wxString> gevonden;
    wxArrayString namen;
};

#endif
