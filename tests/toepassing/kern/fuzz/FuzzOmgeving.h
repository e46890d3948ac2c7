#ifndef TESTS_TOEPASSING_KERN_FUZZ_FUZZOMGEVING_H
#define TESTS_TOEPASSING_KERN_FUZZ_FUZZOMGEVING_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>
#include <wx/app.h>
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
// The bytes with every 0xFF 0xFE n after a byte replaced by that byte
// 256 * n times, and no more than `grootste` bytes: a short input makes a
// text as long as a user may paste.
std::string zetUit(std::string_view invoer, size_t grootste);
// A text for a failure report, with the code of every character beyond ASCII.
wxString toon(const wxString& tekst);
wxString toon(const std::vector<int>& nummers);
[[noreturn]] void faal(const wxString& waarom);

// The application object once, with a project in memory started as the
// main window starts one. It lives as long as the process: the toolkit's
// end does not end it.
template <class App> App& app()
{
    static App* eenmalig = []
    {
        auto* nieuw = new App;
        vangLog();
        wxApp::SetInstance(nullptr);
        if (!nieuw->isDBOpen() || nieuw->startDatabase() != 0)
            faal("the project in memory did not start");
        return nieuw;
    }();
    return *eenmalig;
}
} // namespace FuzzOmgeving

#endif
