#include "toepassing/kern/UitwisselTekst.h"

#include <wx/file.h>
#include <wx/filefn.h>
#include <wx/log.h>

namespace
{
bool isGeldig(char32_t teken)
{
    return teken <= 0x10FFFF && !(teken >= 0xD800 && teken <= 0xDFFF);
}

void voegUTF8Toe(char32_t teken, std::string& uit)
{
    if (teken < 0x80)
    {
        uit += static_cast<char>(teken);
        return;
    }
    const int volgBytes = teken < 0x800 ? 1 : teken < 0x10000 ? 2 : 3;
    static const unsigned char voorloop[] = {0, 0xC0, 0xE0, 0xF0};
    uit += static_cast<char>(voorloop[volgBytes] | (teken >> (6 * volgBytes)));
    for (int i = volgBytes - 1; i >= 0; --i)
        uit += static_cast<char>(0x80 | ((teken >> (6 * i)) & 0x3F));
}

// Strict UTF-8: no overlong forms, no surrogates, nothing beyond U+10FFFF,
// no sequence cut short.
bool leesUTF8(const unsigned char* p, const unsigned char* eind, std::u32string& uit)
{
    while (p < eind)
    {
        const unsigned char eerste = *p++;
        if (eerste < 0x80)
        {
            uit += eerste;
            continue;
        }
        int volgBytes = 0;
        char32_t kleinste = 0;
        if (eerste >= 0xC2 && eerste <= 0xDF)
            volgBytes = 1, kleinste = 0x80;
        else if (eerste >= 0xE0 && eerste <= 0xEF)
            volgBytes = 2, kleinste = 0x800;
        else if (eerste >= 0xF0 && eerste <= 0xF4)
            volgBytes = 3, kleinste = 0x10000;
        else
            return false;
        if (eind - p < volgBytes)
            return false;
        char32_t teken = eerste & (0x3F >> volgBytes);
        for (int i = 0; i < volgBytes; ++i)
        {
            if ((p[i] & 0xC0) != 0x80)
                return false;
            teken = (teken << 6) | (p[i] & 0x3F);
        }
        p += volgBytes;
        if (teken < kleinste || !isGeldig(teken))
            return false;
        uit += teken;
    }
    return true;
}

char32_t leesEenheid(const unsigned char* p, int breedte, bool grootEind)
{
    char32_t eenheid = 0;
    for (int i = 0; i < breedte; ++i)
        eenheid |= static_cast<char32_t>(p[i]) << (8 * (grootEind ? breedte - 1 - i : i));
    return eenheid;
}

// UTF-16 with its surrogate pairs whole, or UTF-32 within Unicode.
bool leesBreed(const unsigned char* p, const unsigned char* eind, int breedte, bool grootEind, std::u32string& uit)
{
    if ((eind - p) % breedte != 0)
        return false;
    while (p < eind)
    {
        char32_t teken = leesEenheid(p, breedte, grootEind);
        p += breedte;
        if (breedte == 2 && teken >= 0xD800 && teken <= 0xDBFF)
        {
            if (p == eind)
                return false;
            const char32_t tweede = leesEenheid(p, breedte, grootEind);
            if (tweede < 0xDC00 || tweede > 0xDFFF)
                return false;
            p += breedte;
            teken = 0x10000 + ((teken - 0xD800) << 10) + (tweede - 0xDC00);
        }
        if (!isGeldig(teken))
            return false;
        uit += teken;
    }
    return true;
}

struct Kenmerk
{
    const char* bytes;
    size_t lengte;
    int breedte;
    bool grootEind;
};

// The longer marks first: UTF-32LE begins as UTF-16LE does.
const Kenmerk kenmerken[] = {{"\xFF\xFE\x00\x00", 4, 4, false},
                             {"\x00\x00\xFE\xFF", 4, 4, true},
                             {"\xEF\xBB\xBF", 3, 1, false},
                             {"\xFF\xFE", 2, 2, false},
                             {"\xFE\xFF", 2, 2, true}};

const Kenmerk* zoekKenmerk(const std::string& bytes)
{
    for (const Kenmerk& kenmerk : kenmerken)
        if (bytes.compare(0, kenmerk.lengte, kenmerk.bytes, kenmerk.lengte) == 0)
            return &kenmerk;
    return nullptr;
}

bool dekodeerTekens(const std::string& bytes, std::u32string& tekens)
{
    const auto* begin = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* eind = begin + bytes.size();
    const Kenmerk* kenmerk = zoekKenmerk(bytes);
    if (kenmerk == nullptr)
    {
        if (leesUTF8(begin, eind, tekens))
            return true;
        tekens.clear();
        for (const unsigned char* p = begin; p < eind; ++p)
            tekens += *p;
        return true;
    }
    begin += kenmerk->lengte;
    return kenmerk->breedte == 1 ? leesUTF8(begin, eind, tekens)
                                 : leesBreed(begin, eind, kenmerk->breedte, kenmerk->grootEind, tekens);
}
} // namespace

UitwisselTekst::Uitkomst UitwisselTekst::dekodeer(const std::string& bytes, wxString& tekst)
{
    std::u32string tekens;
    if (!dekodeerTekens(bytes, tekens))
        return OngeldigeTekst;
    std::string utf8;
    utf8.reserve(tekens.size());
    for (size_t i = 0; i < tekens.size(); ++i)
    {
        const char32_t teken = tekens[i];
        if (teken == 0)
            return NulTeken;
        if (teken != '\r')
            voegUTF8Toe(teken, utf8);
        else if (i + 1 == tekens.size() || tekens[i + 1] != '\n')
            utf8 += '\n';
    }
    tekst = wxString::FromUTF8(utf8.data(), utf8.size());
    return Gelezen;
}

UitwisselTekst::Uitkomst UitwisselTekst::lees(const wxString& pad, wxString& tekst)
{
    // The callers say in their own words that a file cannot be read.
    wxLogNull geenMeldingen;
    // Only a plain file: a pipe or a device could keep the read waiting.
    wxFile bestand;
    if (!wxFileExists(pad) || !bestand.Open(pad, wxFile::read))
        return NietTeOpenen;
    const wxFileOffset lengte = bestand.Length();
    if (lengte < 0)
        return NietTeOpenen;
    if (static_cast<unsigned long long>(lengte) > grootsteBestand)
        return TeGroot;
    std::string bytes(static_cast<size_t>(lengte), '\0');
    if (lengte > 0 && bestand.Read(bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()))
        return NietTeOpenen;
    return dekodeer(bytes, tekst);
}

bool UitwisselTekst::maakBytes(const wxString& tekst, std::string& bytes)
{
    bytes.clear();
    bytes.reserve(tekst.length());
    for (const wxUniChar teken : tekst)
    {
        const char32_t waarde = teken.GetValue();
        if (waarde == 0 || !isGeldig(waarde))
            return false;
        voegUTF8Toe(waarde, bytes);
    }
    return true;
}
