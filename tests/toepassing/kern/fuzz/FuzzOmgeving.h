#ifndef TESTS_TOEPASSING_KERN_FUZZ_FUZZOMGEVING_H
#define TESTS_TOEPASSING_KERN_FUZZ_FUZZOMGEVING_H

#include <cstddef>
#include <cstdint>
#include <wx/string.h>

// What the fuzz targets share: wxWidgets started once, a folder of their
// own for the files they write, the log kept quiet but counted, and a
// failure that libFuzzer records with the input that caused it.
namespace FuzzOmgeving
{
void start(int* argc, char*** argv);
wxString pad(const wxString& naam);
void schrijf(const wxString& pad, const uint8_t* data, size_t grootte);
// Makes the log ours again, after an application object took it.
void vangLog();
// Errors and warnings logged since the last call.
size_t geefMeldingen(wxString& tekst);
// Any bytes as text a user may type: UTF-8 where they are (a code point
// beyond U+10FFFF as U+FFFD), one character per byte where not.
wxString alsTekst(const uint8_t* data, size_t grootte);
// A text for a failure report, with the code of every character beyond ASCII.
wxString toon(const wxString& tekst);
[[noreturn]] void faal(const wxString& waarom);
} // namespace FuzzOmgeving

#endif
