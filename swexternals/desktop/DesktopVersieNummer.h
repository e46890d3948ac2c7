#ifndef SWEXTERNALS_DESKTOP_DESKTOPVERSIENUMMER_H
#define SWEXTERNALS_DESKTOP_DESKTOPVERSIENUMMER_H

#include "base/TrivaneVersieNummer.h"

#include <cstdint>
#include <wx/string.h>

// A version as desktop programs show it, "1.4.0.a": major, minor, patch and a
// letter, byte for byte the base library's version whose build is the letter.
class DesktopVersieNummer
{
public:
    // The version of this program, 1.4.0 with letter "a".
    DesktopVersieNummer();
    // Up to four parts split at dots; a missing part counts as 0, a missing
    // letter as "a"; every number is kept in 8 bits, the letter as its 8-bit
    // form (a letter beyond Latin-1 as "?").
    explicit DesktopVersieNummer(const wxString& tekst);
    explicit DesktopVersieNummer(const TrivaneVersieNummer& versie);

    wxString geefVersieString() const;
    TrivaneVersieNummer geefTrivaneVersieNummer() const;

    std::uint8_t major;
    std::uint8_t minor;
    std::uint8_t patch;
    char letter;

private:
    static std::uint8_t leesDeel(const wxString& deel);
    static wxString snijTotPunt(wxString& rest);
    static char naar8Bit(wxUniChar teken);
    static wxUniChar van8Bit(char teken);
};

#endif
