#include "swexternals/desktop/DesktopVersieNummer.h"

DesktopVersieNummer::DesktopVersieNummer() : major(1), minor(4), patch(0), letter('a') {}

DesktopVersieNummer::DesktopVersieNummer(const TrivaneVersieNummer& versie)
    : major(versie.major), minor(versie.minor), patch(versie.patch), letter(static_cast<char>(versie.build))
{
}

// What stands before the first dot (all of it without one); the rest keeps
// what follows that dot.
wxString DesktopVersieNummer::snijTotPunt(wxString& rest)
{
    const wxString tekst = rest;
    return tekst.BeforeFirst('.', &rest);
}

// The decimal number the part begins with, modulo 256; a part that does not
// begin with a digit counts as 0.
std::uint8_t DesktopVersieNummer::leesDeel(const wxString& deel)
{
    unsigned int waarde = 0;
    for (wxUniChar teken : deel)
    {
        if (teken < '0' || teken > '9')
            break;
        waarde = (waarde * 10 + (teken.GetValue() - '0')) % 256;
    }
    return static_cast<std::uint8_t>(waarde);
}

DesktopVersieNummer::DesktopVersieNummer(const wxString& tekst) : major(0), minor(0), patch(0), letter(' ')
{
    wxString rest = tekst;
    major = leesDeel(snijTotPunt(rest));
    minor = leesDeel(snijTotPunt(rest));
    patch = leesDeel(snijTotPunt(rest));
    const wxString letterDeel = snijTotPunt(rest);
    if (letterDeel.empty())
        letter = 'a';
    else if (!letterDeel[0].GetAsChar(&letter))
        letter = '?';
}

wxString DesktopVersieNummer::geefVersieString() const
{
    return wxString::Format("%u.%u.%u.", unsigned{major}, unsigned{minor}, unsigned{patch}) + wxUniChar(letter);
}

TrivaneVersieNummer DesktopVersieNummer::geefTrivaneVersieNummer() const
{
    return TrivaneVersieNummer(major, minor, patch, static_cast<std::uint8_t>(letter));
}
