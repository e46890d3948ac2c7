#ifndef TOEPASSING_KERN_UITWISSELTEKST_H
#define TOEPASSING_KERN_UITWISSELTEKST_H

#include <cstddef>
#include <string>
#include <wx/string.h>

// The text of an exchange file, as bytes on the disk and back. A byte-order
// mark names UTF-8, UTF-16 or UTF-32 in either byte order; without one the
// text is UTF-8, or, when it is none, one character per byte (the fallback
// of the files of other writers). Every decoding is strict: text that is not
// what its mark says, or that holds a NUL, is refused whole, never guessed
// at. Line ends are made "\n". Written, the text is UTF-8 without a mark.
class UitwisselTekst
{
public:
    enum Uitkomst
    {
        Gelezen,
        // The file cannot be opened or read.
        NietTeOpenen,
        // Larger than any requirement is; not read into memory.
        TeGroot,
        // Not valid text in the encoding its mark names.
        OngeldigeTekst,
        // A NUL character, which no text of a requirement can hold.
        NulTeken
    };

    // Far beyond any requirement with pictures in its rich text.
    static constexpr size_t grootsteBestand = size_t(256) * 1024 * 1024;

    UitwisselTekst() = delete;

    [[nodiscard]] static Uitkomst lees(const wxString& pad, wxString& tekst);
    // The bytes to write; false when the text holds what no text file can
    // carry (a NUL, a surrogate, a code point beyond U+10FFFF).
    [[nodiscard]] static bool maakBytes(const wxString& tekst, std::string& bytes);

    // The decoding alone, for bytes read elsewhere.
    [[nodiscard]] static Uitkomst dekodeer(const std::string& bytes, wxString& tekst);
};

#endif
