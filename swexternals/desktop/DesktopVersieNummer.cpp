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
    letter = letterDeel.empty() ? 'a' : naar8Bit(letterDeel[0]);
}

// The letter's byte is its 8-bit (Latin-1) form. The toolkit's own 8-bit
// conversion of a character goes through the locale, and a UTF-8 locale
// has no single byte for any character above 127: every such letter would
// come out as "?". A character beyond Latin-1 has no byte of its own.
char DesktopVersieNummer::naar8Bit(wxUniChar teken)
{
    const wxUniChar::value_type kode = teken.GetValue();
    return kode <= 0xFF ? static_cast<char>(static_cast<unsigned char>(kode)) : '?';
}

wxUniChar DesktopVersieNummer::van8Bit(char teken)
{
    return wxUniChar(static_cast<unsigned int>(static_cast<unsigned char>(teken)));
}

wxString DesktopVersieNummer::geefVersieString() const
{
    return wxString::Format("%u.%u.%u.", unsigned{major}, unsigned{minor}, unsigned{patch}) + van8Bit(letter);
}

TrivaneVersieNummer DesktopVersieNummer::geefTrivaneVersieNummer() const
{
    return TrivaneVersieNummer(major, minor, patch, static_cast<std::uint8_t>(letter));
}
