#ifndef SWEXTERNALS_DESKTOP_WX_WXSQLITE3_KONTROLEGEHEUGEN_H
#define SWEXTERNALS_DESKTOP_WX_WXSQLITE3_KONTROLEGEHEUGEN_H

#include <utility>
#include <vector>
#include <wx/string.h>

// What the program remembers, per user, of the project files it knows to
// be sound: for each of the few it used last, what identified its bytes then
// (BestandsKenmerk). A file whose bytes are still identified alike needs no
// check of the whole file at its opening. Kept in a small file of its own in
// the user's cache folder: what it holds may be lost at any time, at the
// cost of a check, and writing it at every commit leaves the configuration
// file, which the program writes as it ends, alone.
class KontroleGeheugen
{
public:
    // For the application of this name (its folder in the cache folder).
    explicit KontroleGeheugen(const wxString& appNaam);

    bool isGaaf(const wxString& pad, const wxString& kenmerk) const;
    // Remembered first; the oldest beyond the most goes. False when it
    // could not be written.
    bool onthoud(const wxString& pad, const wxString& kenmerk) const;
    // False when it could not be written.
    bool vergeet(const wxString& pad) const;

    // How many files are remembered at the most.
    static constexpr size_t meeste = 8;

private:
    using Regels = std::vector<std::pair<wxString, wxString>>;
    Regels lees() const;
    bool schrijf(const Regels& regels) const;
    static wxString sleutel(const wxString& pad);

    wxString bestand;
};

#endif
