#include "tests/toepassing/kern/fuzz/FuzzOmgeving.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <wx/debug.h>
#include <wx/init.h>
#include <wx/log.h>

namespace
{
// Keeps what is logged instead of showing it.
class Teller : public wxLog
{
public:
    wxString tekst;
    size_t aantal = 0;

protected:
    void DoLogRecord(wxLogLevel niveau, const wxString& bericht, const wxLogRecordInfo&) override
    {
        if (niveau > wxLOG_Warning)
            return;
        ++aantal;
        // Enough to say what went wrong; a target that never asks keeps no more.
        if (tekst.length() < 10000)
            tekst += bericht + "\n";
    }
};

Teller* teller = nullptr;
std::string map;

// An assertion of the toolkit is a fault of ours that the fuzzer found.
void assertFaalt(const wxString& bestand, int regel, const wxString& funktie, const wxString& voorwaarde,
                 const wxString& bericht)
{
    FuzzOmgeving::faal(
        wxString::Format("wx assert in %s (%s:%d): %s %s", funktie, bestand, regel, voorwaarde, bericht));
}
} // namespace

namespace FuzzOmgeving
{
void start(int* argc, char*** argv)
{
    static wxInitializer wx(*argc, *argv);
    if (!wx.IsOk())
        faal("wxWidgets could not be started");
    wxSetAssertHandler(assertFaalt);
    teller = new Teller;
    vangLog();
    const char* basis = std::getenv("TMPDIR");
    std::string sjabloon = std::string(basis && *basis ? basis : "/tmp") + "/vt-fuzz-XXXXXX";
    if (!mkdtemp(sjabloon.data()))
        faal("no folder for the files of the fuzz target");
    map = sjabloon;
    setenv("HOME", map.c_str(), 1);
}

// Asked for, the active target would be made on demand when there is none,
// and then never deleted: the target replaced is taken as it is, and
// deleted. The toolkit's end deletes ours.
void vangLog()
{
    wxLog* vorige = wxLog::SetActiveTarget(teller);
    if (vorige != teller)
        delete vorige;
}

wxString pad(const wxString& naam)
{
    return wxString::FromUTF8(map) + "/" + naam;
}

void schrijf(const wxString& bestand, const uint8_t* data, size_t grootte)
{
    FILE* uit = std::fopen(bestand.utf8_str(), "wb");
    if (uit == nullptr || std::fwrite(data, 1, grootte, uit) != grootte || std::fclose(uit) != 0)
        faal("the input could not be written to " + bestand);
}

size_t geefMeldingen(wxString& tekst)
{
    wxLog::FlushActive();
    tekst = teller->tekst;
    const size_t aantal = teller->aantal;
    teller->tekst.clear();
    teller->aantal = 0;
    return aantal;
}

wxString alsTekst(const uint8_t* data, size_t grootte)
{
    const char* bytes = reinterpret_cast<const char*>(data);
    const wxString utf8 = wxString::FromUTF8(bytes, grootte);
    if (!utf8.empty() || grootte == 0)
    {
        // The decoder lets a code point beyond U+10FFFF through; no keyboard
        // gives one, and the toolkit cannot draw it.
        wxString getypt;
        for (const wxUniChar teken : utf8)
            getypt.append(1, teken.GetValue() <= 0x10FFFF ? teken : wxUniChar(0xFFFD));
        return getypt;
    }
    wxString enkel;
    for (size_t i = 0; i < grootte; ++i)
        enkel += wxUniChar(static_cast<int>(static_cast<unsigned char>(bytes[i])));
    return enkel;
}

std::string zetUit(std::string_view invoer, size_t grootste)
{
    std::string bytes;
    for (size_t i = 0; i < invoer.size(); ++i)
    {
        const auto byte = static_cast<unsigned char>(invoer[i]);
        if (byte == 0xFF && i + 2 < invoer.size() && static_cast<unsigned char>(invoer[i + 1]) == 0xFE &&
            !bytes.empty())
        {
            i += 2;
            const size_t herhaald =
                std::min<size_t>(size_t(static_cast<unsigned char>(invoer[i])) * 256, grootste - bytes.size());
            bytes.append(herhaald, bytes.back());
        }
        else if (bytes.size() < grootste)
            bytes += invoer[i];
    }
    return bytes;
}

wxString toon(const std::vector<int>& nummers)
{
    wxString tekst;
    for (const int nummer : nummers)
        tekst += wxString::Format(" %d", nummer);
    return tekst;
}

wxString toon(const wxString& tekst)
{
    constexpr size_t grootste = 120;
    wxString uit = "\"";
    for (const wxUniChar teken : tekst.Left(grootste))
    {
        if (teken.GetValue() >= 0x20 && teken.GetValue() < 0x7F)
            uit += teken;
        else
            uit += wxString::Format("\\u{%X}", teken.GetValue());
    }
    uit += "\"";
    if (tekst.length() > grootste)
        uit += wxString::Format(" (the first %zu of %zu characters)", grootste, tekst.length());
    return uit;
}

void faal(const wxString& waarom)
{
    std::cerr << "FAILED: " << waarom.utf8_str() << std::endl;
    std::abort();
}
} // namespace FuzzOmgeving
