#ifndef SWEXTERNALS_DESKTOP_TOONBARETEKST_H
#define SWEXTERNALS_DESKTOP_TOONBARETEKST_H

#include <cstddef>
#include <wx/string.h>

// Text that comes from outside the program (a project file another tool
// wrote, a damaged file, the clipboard, a drop) as the program can show and
// store it again. What cannot be decoded becomes U+FFFD, one per maximal
// ill-formed sequence, as Unicode recommends: bytes that are no UTF-8, a
// code point beyond U+10FFFF, a surrogate, and the NUL, which no text of
// the program holds. The toolkit stops at any of them when it converts the
// text for the screen or back to UTF-8.
class ToonbareTekst
{
public:
    ToonbareTekst() = delete;

    static const wxUniChar vervanging;

    // UTF-8 bytes, read leniently.
    static wxString uitUTF8(const char* bytes, size_t lengte);
    // A text the toolkit decoded itself: it lets code points beyond Unicode
    // through.
    static wxString maak(const wxString& tekst);
    static bool isToonbaar(const wxString& tekst);
};

#endif
