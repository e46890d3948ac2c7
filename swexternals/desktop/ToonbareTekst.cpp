#include "swexternals/desktop/ToonbareTekst.h"

namespace
{
bool isToonbaarTeken(wxUint32 teken)
{
    return teken != 0 && teken <= 0x10FFFF && !(teken >= 0xD800 && teken <= 0xDFFF);
}

// The lead byte's number of continuation bytes and the range its first
// continuation byte must lie in, which rules out overlong forms, surrogates
// and code points beyond U+10FFFF before the sequence is taken in. 0 for a
// byte that begins no sequence.
int geefVolgBytes(unsigned char eerste, unsigned char& laag, unsigned char& hoog)
{
    laag = 0x80;
    hoog = 0xBF;
    if (eerste >= 0xC2 && eerste <= 0xDF)
        return 1;
    if (eerste >= 0xE0 && eerste <= 0xEF)
    {
        laag = eerste == 0xE0 ? 0xA0 : 0x80;
        hoog = eerste == 0xED ? 0x9F : 0xBF;
        return 2;
    }
    if (eerste >= 0xF0 && eerste <= 0xF4)
    {
        laag = eerste == 0xF0 ? 0x90 : 0x80;
        hoog = eerste == 0xF4 ? 0x8F : 0xBF;
        return 3;
    }
    return 0;
}
} // namespace

const wxUniChar ToonbareTekst::vervanging(0xFFFD);

wxString ToonbareTekst::uitUTF8(const char* bytes, size_t lengte)
{
    wxString tekst;
    tekst.reserve(lengte);
    const auto* p = reinterpret_cast<const unsigned char*>(bytes);
    const unsigned char* const eind = p + lengte;
    while (p < eind)
    {
        const unsigned char eerste = *p++;
        if (eerste < 0x80)
        {
            tekst.append(1, eerste == 0 ? vervanging : wxUniChar(eerste));
            continue;
        }
        unsigned char laag = 0;
        unsigned char hoog = 0;
        const int volgBytes = geefVolgBytes(eerste, laag, hoog);
        wxUint32 teken = eerste & (0x3F >> volgBytes);
        int gelezen = 0;
        // A byte that does not continue the sequence ends it and begins the
        // next one.
        for (; gelezen < volgBytes && p < eind && *p >= laag && *p <= hoog; ++gelezen)
        {
            teken = (teken << 6) | (*p++ & 0x3F);
            laag = 0x80;
            hoog = 0xBF;
        }
        tekst.append(1, volgBytes > 0 && gelezen == volgBytes ? wxUniChar(teken) : vervanging);
    }
    return tekst;
}

bool ToonbareTekst::isToonbaar(const wxString& tekst)
{
    for (const wxUniChar teken : tekst)
        if (!isToonbaarTeken(teken.GetValue()))
            return false;
    return true;
}

wxString ToonbareTekst::maak(const wxString& tekst)
{
    if (isToonbaar(tekst))
        return tekst;
    wxString toonbaar;
    toonbaar.reserve(tekst.length());
    for (const wxUniChar teken : tekst)
        toonbaar.append(1, isToonbaarTeken(teken.GetValue()) ? teken : vervanging);
    return toonbaar;
}
