#include "base/TrivaneString.h"

#include "base/TrivaneCString.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>
#include <string>
#include <wx/intl.h>

namespace
{
const char nietGevondenTekst[] = "NIET gevonden";

// Digits for every remainder from -35 to 35, so that a negative number is
// printed without taking its absolute value first (which the smallest int
// does not have).
const char itoaCijfers[] = "zyxwvutsrqponmlkjihgfedcba9876543210123456789abcdefghijklmnopqrstuvwxyz";

// Looks for `teken` in a NUL-terminated text, at most `max` characters far;
// stops at the text's NUL too. Returns where it stopped.
unsigned long long scanNaar(const char* tekst, char teken, unsigned long long max)
{
    unsigned long long index = 0;
    while (index < max && tekst[index] != teken && tekst[index] != '\0')
        ++index;
    return index;
}

// The size of a view on a NUL-terminated text without a given length: up to
// and including the terminator, or up to the text's NUL when the terminator
// comes later, never past what was scanned.
unsigned long long scanGrootte(const char* tekst, char afsluiter)
{
    if (!tekst)
        return 0;
    const unsigned long long index = scanNaar(tekst, afsluiter, TrivaneString::maxScan);
    if (index == TrivaneString::maxScan)
        return index;
    return tekst[index] == afsluiter ? index + 1 : index;
}

bool isLetter(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool isAfdrukbaar(unsigned char c)
{
    return c >= 32 && c <= 126;
}

bool isBinair(unsigned char c)
{
    return c == '0' || c == '1';
}

bool isDecimaal(unsigned char c)
{
    return c >= '0' && c <= '9';
}

bool isHexaDecimaal(unsigned char c)
{
    return isDecimaal(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

unsigned char naarKlein(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

unsigned char naarHoofd(unsigned char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 'a' + 'A') : c;
}
} // namespace

const char TrivaneString::nulstring[] = "";
TrivaneTaal TrivaneString::taalkeuze = TaalNederlands;
TrivaneStringBasis::KommaPuntKeuze TrivaneString::kommaPunt = TrivaneStringBasis::KeuzeKomma;
const char TrivaneString::kommaPuntTeken[3] = {'.', ',', '.'};

// ---------------------------------------------------------------------------
// Construction

TrivaneString::TrivaneString(const char* tekst, unsigned long long lengte, char afsluiter, bool veranderbaar)
    : TrivaneString(MaakView{}, tekst, lengte != 0 ? lengte : scanGrootte(tekst, afsluiter), afsluiter, veranderbaar)
{
}

TrivaneString::TrivaneString(char* tekst, unsigned long long lengte, char afsluiter, bool veranderbaar)
    : TrivaneString(static_cast<const char*>(tekst), lengte, afsluiter, veranderbaar)
{
}

TrivaneString::TrivaneString(MaakBuffer, unsigned long long capaciteit)
    : TrivaneDataPakket<char>(), afsluiter('\0'), laatstePrintAantal(0)
{
    if (capaciteit == std::numeric_limits<unsigned long long>::max())
        throw std::bad_array_new_length();
    alloceer(capaciteit + 1, 1);
    // A fresh buffer reads as an empty text everywhere.
    std::memset(data, 0, grootte);
}

TrivaneString::TrivaneString(MaakView, const char* tekst, unsigned long long grootte, char afsluiter, bool veranderbaar)
    : TrivaneDataPakket<char>(tekst, tekst ? grootte : 0, 1, veranderbaar), afsluiter(afsluiter), laatstePrintAantal(0)
{
}

TrivaneString::TrivaneString(const wxString& tekst) : TrivaneString(MaakBuffer{}, tekst.length())
{
    unsigned long long index = 0;
    for (wxUniChar teken : tekst)
        data[index++] = teken.IsAscii() ? static_cast<unsigned char>(teken.GetValue()) : '_';
    data[index] = '\0';
}

TrivaneString::TrivaneString(const TrivaneDataPakket<char>& pakket, char afsluiter)
    : TrivaneDataPakket<char>(pakket.geefBasisAdres(), pakket.geefGrootte(), pakket.geefElementGrootte(),
                              pakket.isVeranderbaar(), pakket.geefVolgende()),
      afsluiter(afsluiter), laatstePrintAantal(0)
{
}

TrivaneString::TrivaneString(const TrivaneDataPakket<unsigned char>& pakket, char afsluiter)
    : TrivaneString(MaakView{}, reinterpret_cast<const char*>(pakket.geefBasisAdres()), pakket.geefGrootte(), afsluiter,
                    pakket.isVeranderbaar())
{
}

TrivaneString::TrivaneString(const TrivaneCString& tekst)
    : TrivaneString(MaakView{}, tekst.geefTekst(),
                    tekst.geefLengte() == TrivaneCString::onbekendeLengte ? scanGrootte(tekst.geefTekst(), '\0')
                                                                          : tekst.geefLengte(),
                    '\0', false)
{
}

TrivaneString::TrivaneString(const char& teken) : TrivaneString(MaakView{}, &teken, 1, '\0', false) {}

TrivaneString::TrivaneString(const TrivaneString& ander, unsigned long long start, unsigned long long aantal)
    : TrivaneString(MaakView{}, nullptr, 0, ander.afsluiter, false)
{
    unsigned long long resterend = 0;
    if (const char* begin = ander.geefElement(start, &resterend))
    {
        data = reinterpret_cast<unsigned char*>(const_cast<char*>(begin));
        grootte = std::min(aantal, resterend);
    }
}

TrivaneString::TrivaneString(const TrivaneString& ander)
    : TrivaneDataPakket<char>(ander), afsluiter(ander.afsluiter), laatstePrintAantal(ander.laatstePrintAantal),
      use_leading_plus(ander.use_leading_plus)
{
}

TrivaneString::TrivaneString(TrivaneString&& ander) noexcept
    : TrivaneDataPakket<char>(std::move(ander)), afsluiter(ander.afsluiter),
      laatstePrintAantal(ander.laatstePrintAantal), use_leading_plus(ander.use_leading_plus)
{
}

// ---------------------------------------------------------------------------
// Copying

bool TrivaneString::kanSchrijven() const
{
    return veranderbaar && data != nullptr;
}

void TrivaneString::wordtViewOp(const TrivaneString& bron)
{
    TrivaneDataBasisPakket::wordtViewOp(bron);
    volgende = bron.volgende;
    afsluiter = bron.afsluiter;
}

void TrivaneString::kopieerString(const TrivaneString& bron, unsigned long long start, unsigned long long aantal)
{
    if (!veranderbaar)
    {
        wordtViewOp(bron);
        return;
    }
    afsluiter = bron.afsluiter;
    if (!data)
        return;

    const unsigned long long bronLengte = bron.geefLengte();
    unsigned long long gekopieerd = 0;
    if (start < grootte)
    {
        gekopieerd = std::min(aantal == 0 ? bronLengte : std::min(aantal, bronLengte), grootte - start);
        if (gekopieerd > 0)
            std::memmove(data + start, bron.data, gekopieerd);
    }

    const unsigned long long totaal = geefAantalElementenInKeten();
    if (totaal == 0)
        return;
    const unsigned long long einde = start < totaal ? std::min(start + gekopieerd, totaal - 1) : totaal - 1;
    if (char* plek = geefElement(einde))
        *plek = afsluiter;
}

TrivaneString& TrivaneString::operator=(const TrivaneString& bron)
{
    kopieerString(bron, 0, bron.geefLengte());
    return *this;
}

TrivaneString& TrivaneString::zet(const TrivaneString& bron)
{
    return *this = bron;
}

void TrivaneString::kopieerTekst(const char* tekst, unsigned long long maxLengte, unsigned long long start)
{
    const char eigenAfsluiter = afsluiter;
    afsluiter = '\0';
    if (!kanSchrijven() || !tekst || start >= grootte)
        return;
    // One place stays free for the NUL, so that the text always ends.
    const unsigned long long ruimte = std::min(grootte - start - 1, maxLengte);
    unsigned long long aantal = 0;
    while (aantal < ruimte && tekst[aantal] != '\0' && tekst[aantal] != eigenAfsluiter)
        ++aantal;
    std::memmove(data + start, tekst, aantal);
    data[start + aantal] = '\0';
}

void TrivaneString::kopieerString(const char* tekst, unsigned long long start)
{
    if (!veranderbaar)
    {
        wordtViewOp(TrivaneString(tekst));
        return;
    }
    kopieerTekst(tekst, std::numeric_limits<unsigned long long>::max(), start);
}

TrivaneString& TrivaneString::operator=(const char* tekst)
{
    kopieerString(tekst, 0);
    return *this;
}

TrivaneString& TrivaneString::zet(const char* tekst)
{
    return *this = tekst;
}

TrivaneString& TrivaneString::operator=(const TrivaneCString& tekst)
{
    if (!veranderbaar)
    {
        wordtViewOp(TrivaneString(tekst));
        return *this;
    }
    const unsigned int lengte = tekst.geefLengte();
    const unsigned long long max =
        lengte == TrivaneCString::onbekendeLengte ? std::numeric_limits<unsigned long long>::max() : lengte;
    kopieerTekst(tekst.geefTekst(), max, 0);
    return *this;
}

TrivaneString& TrivaneString::zet(const TrivaneCString& tekst)
{
    kopieerString(TrivaneString(tekst), 0, 0);
    return *this;
}

void TrivaneString::kopieerString(const TrivaneString& bron, Uitlijning uitlijning)
{
    if (!veranderbaar)
    {
        wordtViewOp(bron);
        return;
    }
    if (!data)
        return;
    // The source may be this very buffer, which is about to be filled with spaces.
    const std::string tekst(bron.data ? reinterpret_cast<const char*>(bron.data) : "", bron.geefLengte());
    const unsigned long long aantal = geefElementAantal();
    std::memset(data, ' ', grootte);
    if (aantal == 0)
        return;

    const unsigned long long lengte = std::min<unsigned long long>(tekst.size(), aantal - 1);
    unsigned long long plek = 0;
    if (uitlijning == Midden)
        plek = (aantal - lengte) / 2;
    else if (uitlijning == Rechts)
        plek = aantal - 1 - lengte;
    std::memcpy(data + plek, tekst.data(), lengte);
    if (uitlijning != Rechts)
        std::replace(data, data + aantal, '\0', ' ');

    if (char* laatste = geefElement(geefAantalElementenInKeten() - 1))
        *laatste = '\0';
}

void TrivaneString::kopieerNaarString(char* doel, unsigned long long doelGrootte) const
{
    if (!doel || doelGrootte == 0)
        return;
    const unsigned long long aantal = std::min(doelGrootte, geefLengte());
    if (aantal > 0)
        std::memmove(doel, data, aantal);
    doel[std::min(aantal, doelGrootte - 1)] = afsluiter;
}

void TrivaneString::kopieerNaarString(TrivaneString& doel, unsigned long long start) const
{
    if (!doel.kanSchrijven())
        return;
    const unsigned long long lengte = geefLengte();
    const unsigned long long aantal = start < lengte ? std::min(lengte - start, doel.geefLengte()) : 0;
    if (aantal > 0)
        std::memmove(doel.data, data + start, aantal);
    if (aantal < doel.grootte)
        doel.data[aantal] = afsluiter;
}

unsigned long long TrivaneString::append(const TrivaneString& ander)
{
    const unsigned long long oud = geefLengte();
    kopieerString(ander, oud, 0);
    return oud;
}

unsigned long long TrivaneString::append(char teken, unsigned long long aantal)
{
    const unsigned long long oud = geefLengte();
    if (!kanSchrijven() || oud >= grootte)
        return oud;
    const unsigned long long geschreven = std::min(aantal, grootte - oud - 1);
    std::memset(data + oud, teken, geschreven);
    data[oud + geschreven] = afsluiter;
    return oud;
}

unsigned long long TrivaneString::vervangTeken(char oud, char nieuw, bool alle)
{
    if (!kanSchrijven())
        return 0;
    unsigned long long vervangen = 0;
    const unsigned long long lengte = geefLengte();
    for (unsigned long long i = 0; i < lengte; ++i)
    {
        if (static_cast<char>(data[i]) != oud)
            continue;
        data[i] = static_cast<unsigned char>(nieuw);
        ++vervangen;
        if (!alle)
            break;
    }
    return vervangen;
}

void TrivaneString::zetAfsluiter(char nieuw)
{
    afsluiter = nieuw;
}

void TrivaneString::markeerEinde(unsigned long long positie, bool alle)
{
    if (!kanSchrijven() || positie >= grootte)
        return;
    std::memset(data + positie, afsluiter, alle ? grootte - positie : 1);
}

void TrivaneString::markeerAllesTotEinde()
{
    const unsigned long long lengte = geefLengte();
    if (kanSchrijven() && lengte < grootte)
        std::memset(data + lengte, afsluiter, grootte - lengte);
}

void TrivaneString::markeerEinde()
{
    if (kanSchrijven() && grootte > 0)
        data[grootte - 1] = static_cast<unsigned char>(afsluiter);
}

// ---------------------------------------------------------------------------
// Access

unsigned long long TrivaneString::lengteVan(const TrivaneDataPakket<char>& pakket, char afsluiter)
{
    const unsigned char* begin = pakket.geefBasisAdres();
    if (!begin)
        return 0;
    const unsigned long long grootte = pakket.geefGrootte();
    const void* gevonden = std::memchr(begin, static_cast<unsigned char>(afsluiter), grootte);
    const unsigned long long lengte =
        gevonden ? static_cast<unsigned long long>(static_cast<const unsigned char*>(gevonden) - begin) : grootte;
    return std::min(lengte, pakket.geefElementAantal());
}

unsigned long long TrivaneString::geefLengte() const
{
    return lengteVan(*this, afsluiter);
}

char TrivaneString::geefAfsluiter() const
{
    return afsluiter;
}

unsigned int TrivaneString::geefLaatstePrintAantal() const
{
    return laatstePrintAantal;
}

char* TrivaneString::string(unsigned long long element, unsigned long long pakket) const
{
    const TrivaneDataPakket<char>* begin = this;
    for (unsigned long long stap = 0; stap < pakket && begin; ++stap)
        begin = begin->geefVolgende();
    return begin ? begin->geefElement(element) : nullptr;
}

unsigned char* TrivaneString::ustring(unsigned long long element, unsigned long long pakket) const
{
    return reinterpret_cast<unsigned char*>(string(element, pakket));
}

TrivaneCString TrivaneString::cstring(unsigned long long element, unsigned long long pakket) const
{
    const TrivaneDataPakket<char>* begin = this;
    for (unsigned long long stap = 0; stap < pakket && begin; ++stap)
        begin = begin->geefVolgende();
    unsigned long long resterend = 0;
    const char* tekst = begin ? begin->geefElement(element, &resterend) : nullptr;
    if (!tekst)
        return TrivaneCString(nullptr, 0);
    const unsigned long long max = std::min<unsigned long long>(resterend, maxScan);
    const void* nul = std::memchr(tekst, '\0', max);
    const unsigned long long lengte = nul ? static_cast<const char*>(nul) - tekst : max;
    return TrivaneCString(tekst, static_cast<unsigned int>(lengte));
}

char TrivaneString::eersteTeken() const
{
    return data && grootte > 0 ? static_cast<char>(data[0]) : '\0';
}

char TrivaneString::laatsteTeken() const
{
    const unsigned long long lengte = geefLengte();
    return lengte > 0 ? static_cast<char>(data[lengte - 1]) : '\0';
}

wxString TrivaneString::wxConvert() const
{
    wxString tekst;
    for (const TrivaneDataPakket<char>* pakket = this; pakket; pakket = pakket->geefVolgende())
    {
        const unsigned long long lengte = lengteVan(*pakket, afsluiter);
        if (lengte > 0)
            tekst += wxString::From8BitData(reinterpret_cast<const char*>(pakket->geefBasisAdres()), lengte);
    }
    // The catalogues keep their own header under the empty text.
    if (tekst.empty())
        return tekst;
    return wxGetTranslation(tekst);
}

TrivaneTaal TrivaneString::geefTaal()
{
    return taalkeuze;
}

void TrivaneString::zetTaalKeuze(TrivaneTaal taal)
{
    taalkeuze = taal;
}

void TrivaneString::zetKommaPuntKeuze(KommaPuntKeuze keuze)
{
    kommaPunt = keuze;
}

// ---------------------------------------------------------------------------
// Search

TrivaneString TrivaneString::nietGevondenView()
{
    return TrivaneString(nietGevondenTekst);
}

TrivaneString TrivaneString::viewTotNul(unsigned long long index) const
{
    const char* begin = reinterpret_cast<const char*>(data) + index;
    const unsigned long long max = std::min(grootte - index, maxScan);
    const void* nul = std::memchr(begin, '\0', max);
    const unsigned long long omvang = nul ? static_cast<const char*>(nul) - begin + 1 : max;
    return TrivaneString(MaakView{}, begin, omvang, '\0', false);
}

unsigned long long TrivaneString::vindIndex(char teken, Richting richting) const
{
    const unsigned long long lengte = geefLengte();
    if (richting == Vooruit)
    {
        for (unsigned long long i = 0; i < lengte; ++i)
            if (static_cast<char>(data[i]) == teken)
                return i;
        return nietGevonden;
    }
    for (unsigned long long i = lengte; i > 0; --i)
        if (static_cast<char>(data[i - 1]) == teken)
            return i - 1;
    return nietGevonden;
}

TrivaneString TrivaneString::vind(char teken, Richting richting) const
{
    const unsigned long long index = vindIndex(teken, richting);
    if (index == nietGevonden)
        return nietGevondenView();
    return viewTotNul(index);
}

TrivaneString TrivaneString::vindTot(char teken, Richting richting) const
{
    const unsigned long long index = vindIndex(teken, richting);
    if (index == nietGevonden)
        return nietGevondenView();
    if (index == 0)
        return viewTotNul(0);
    return TrivaneString(MaakView{}, reinterpret_cast<const char*>(data), index, afsluiter, false);
}

TrivaneString TrivaneString::vindTot(unsigned long long start, char teken, unsigned long long& positie) const
{
    const unsigned long long lengte = geefLengte();
    if (start >= lengte)
        return TrivaneString(MaakView{}, nullptr, 0, afsluiter, false);
    const char* begin = reinterpret_cast<const char*>(data) + start;
    const void* gevonden = std::memchr(begin, static_cast<unsigned char>(teken), lengte - start);
    unsigned long long omvang = lengte - start;
    if (gevonden)
    {
        const unsigned long long afstand = static_cast<const char*>(gevonden) - begin;
        positie = start + afstand;
        omvang = afstand + 1;
    }
    return TrivaneString(MaakView{}, begin, omvang, afsluiter, false);
}

bool TrivaneString::begintMet(const TrivaneString& ander, unsigned long long index) const
{
    const unsigned long long andereLengte = ander.geefLengte();
    if (andereLengte == 0)
        return true;
    const unsigned long long lengte = geefLengte();
    if (index > lengte || andereLengte > lengte - index)
        return false;
    return std::memcmp(data + index, ander.data, andereLengte) == 0;
}

bool TrivaneString::bevat(char teken) const
{
    return vindIndex(teken, Vooruit) != nietGevonden;
}

bool TrivaneString::bevat(const TrivaneString& ander) const
{
    const unsigned long long lengte = geefLengte();
    const unsigned long long andereLengte = ander.geefLengte();
    if (andereLengte > lengte)
        return false;
    for (unsigned long long i = 0; i <= lengte - andereLengte; ++i)
        if (begintMet(ander, i))
            return true;
    return false;
}

bool TrivaneString::bevat(const char* ander) const
{
    return bevat(TrivaneString(ander));
}

bool TrivaneString::alleTekens(bool (*voorwaarde)(unsigned char)) const
{
    const unsigned long long lengte = geefLengte();
    for (unsigned long long i = 0; i < lengte; ++i)
        if (!voorwaarde(data[i]))
            return false;
    return true;
}

bool TrivaneString::bevatSlechtsAlfabet() const
{
    return alleTekens(isLetter);
}

bool TrivaneString::bevatSlechtsAfdrukbaar() const
{
    return alleTekens(isAfdrukbaar);
}

bool TrivaneString::bevatSlechtsBinair() const
{
    return alleTekens(isBinair);
}

bool TrivaneString::bevatSlechtsDecimaal() const
{
    return alleTekens(isDecimaal);
}

bool TrivaneString::bevatSlechtsHexaDecimaal() const
{
    return alleTekens(isHexaDecimaal);
}

// ---------------------------------------------------------------------------
// Comparison

int TrivaneString::mstrcmp(const TrivaneString& ander, bool hoofdletterGevoelig) const
{
    const unsigned long long lengte = geefLengte();
    const unsigned long long andereLengte = ander.geefLengte();
    const unsigned long long max = std::max(lengte, andereLengte);
    for (unsigned long long i = 0; i < max; ++i)
    {
        const unsigned char a = i < lengte ? data[i] : 0;
        const unsigned char b = i < andereLengte ? ander.data[i] : 0;
        const bool gelijk = hoofdletterGevoelig ? a == b : naarKlein(a) == naarKlein(b);
        if (!gelijk)
            return static_cast<int>(a) - static_cast<int>(b);
        if (a == '\0')
            break;
    }
    return 0;
}

bool TrivaneString::operator==(const TrivaneString& ander) const
{
    return mstrcmp(ander, true) == 0;
}

bool TrivaneString::operator!=(const TrivaneString& ander) const
{
    return !(*this == ander);
}

bool TrivaneString::operator==(const char* ander) const
{
    return mstrcmp(TrivaneString(ander), true) == 0;
}

bool TrivaneString::operator!=(const char* ander) const
{
    return !(*this == ander);
}

bool TrivaneString::operator==(char teken) const
{
    return eersteTeken() == teken;
}

bool TrivaneString::vergelijk(const TrivaneString& ander, bool hoofdletterGevoelig) const
{
    return mstrcmp(ander, hoofdletterGevoelig) == 0;
}

bool TrivaneString::vergelijk(const char* ander, bool hoofdletterGevoelig) const
{
    const TrivaneString view(ander);
    if (view.geefLengte() != geefLengte())
        return false;
    return mstrcmp(view, hoofdletterGevoelig) == 0;
}

// ---------------------------------------------------------------------------
// Case and numbers

void TrivaneString::allesHoofd()
{
    if (!kanSchrijven())
        return;
    const unsigned long long lengte = geefLengte();
    std::transform(data, data + lengte, data, naarHoofd);
}

void TrivaneString::allesKlein()
{
    if (!kanSchrijven())
        return;
    const unsigned long long lengte = geefLengte();
    std::transform(data, data + lengte, data, naarKlein);
}

int TrivaneString::digitNaarDecimaal(unsigned long long index) const
{
    const char* plek = geefElement(index);
    if (!plek)
        return 0;
    const unsigned char teken = static_cast<unsigned char>(*plek);
    return teken > 0x60 ? teken - 'a' + 10 : teken - '0';
}

unsigned int TrivaneString::naarUInt32() const
{
    // The conversion needs a terminated text; this one may end without.
    const std::string tekst(data ? reinterpret_cast<const char*>(data) : "", geefLengte());
    const int basis = tekst.find_first_of("abcdefABCDEF") != std::string::npos ? 16 : 10;
    return static_cast<unsigned int>(std::strtoul(tekst.c_str(), nullptr, basis));
}

int TrivaneString::naarInt32() const
{
    const std::string tekst(data ? reinterpret_cast<const char*>(data) : "", geefLengte());
    const int basis = tekst.find_first_of("abcdefABCDEF") != std::string::npos ? 16 : 10;
    return static_cast<int>(std::strtol(tekst.c_str(), nullptr, basis));
}

float TrivaneString::naarFloat(char scheidingsTeken) const
{
    const unsigned long long lengte = geefLengte();
    float waarde = 0.0f;
    float gewicht = 0.1f;
    bool negatief = false;
    bool fractie = false;
    for (unsigned long long i = 0; i < lengte; ++i)
    {
        const char teken = static_cast<char>(data[i]);
        if (teken == '+')
            continue;
        if (teken == '-')
        {
            negatief = true;
            continue;
        }
        if (teken == scheidingsTeken)
        {
            fractie = true;
            continue;
        }
        const float cijfer = static_cast<float>(teken - '0');
        if (fractie)
        {
            waarde += cijfer * gewicht;
            gewicht *= 0.1f;
        }
        else
        {
            waarde = waarde * 10.0f + cijfer;
        }
    }
    return negatief ? -waarde : waarde;
}

void TrivaneString::naarUnicode(unsigned int waarde, unsigned long long cijfers, unsigned long long start)
{
    static const char hexCijfers[] = "0123456789ABCDEF";
    if (!kanSchrijven())
        return;
    // A 32-bit value has eight nibbles; more digits would shift past the word.
    cijfers = std::min<unsigned long long>(cijfers, 8);
    for (unsigned long long k = 0; k < cijfers; ++k)
    {
        const unsigned int nibble = (waarde >> (28 - 4 * k)) & 0xF;
        const unsigned long long index = start + 2 * k;
        if (index < start)
            break;
        if (char* plek = geefElement(index))
            *plek = hexCijfers[nibble];
    }
}

char* TrivaneString::itoa(int waarde, char* buffer, int basis, unsigned long long capaciteit)
{
    if (!buffer || capaciteit == 0)
        return buffer;
    buffer[0] = '\0';
    if (basis < 2 || basis > 36)
        return buffer;

    char omgekeerd[34];
    unsigned int aantal = 0;
    int rest = waarde;
    do
    {
        const int oud = rest;
        rest /= basis;
        omgekeerd[aantal++] = itoaCijfers[35 + (oud - rest * basis)];
    } while (rest != 0);
    if (waarde < 0)
        omgekeerd[aantal++] = '-';

    // A number cut short would be another number: rather none at all.
    if (aantal + 1 > capaciteit)
        return buffer;
    for (unsigned int i = 0; i < aantal; ++i)
        buffer[i] = omgekeerd[aantal - 1 - i];
    buffer[aantal] = '\0';
    return buffer;
}

char* TrivaneString::itoa(int waarde, int basis)
{
    if (!kanSchrijven())
        return string();
    return itoa(waarde, reinterpret_cast<char*>(data), basis, grootte);
}

// ---------------------------------------------------------------------------
// Formatting

const float TrivaneString::round_nums[9] = {0.5f,      0.05f,      0.005f,      0.0005f, 0.00005f,
                                            0.000005f, 0.0000005f, 0.00000005f, 0.0f};

unsigned int TrivaneString::printf(const char* formaat, ...)
{
    va_list argumenten;
    va_start(argumenten, formaat);
    const unsigned int aantal = formatteer(0, formaat, argumenten);
    va_end(argumenten);
    return aantal;
}

unsigned int TrivaneString::printf(const char* formaat, va_list argumenten)
{
    return formatteer(0, formaat, argumenten);
}

unsigned int TrivaneString::deelprintf(unsigned long long start, const char* formaat, ...)
{
    va_list argumenten;
    va_start(argumenten, formaat);
    const unsigned int aantal = formatteer(start, formaat, argumenten);
    va_end(argumenten);
    return aantal;
}

unsigned int TrivaneString::formatteer(unsigned long long start, const char* formaat, va_list argumenten)
{
    unsigned long long ruimte = 0;
    char* plek = kanSchrijven() ? geefElement(start, &ruimte) : nullptr;
    laatstePrintAantal = print(plek ? &plek : nullptr, ruimte, formaat, argumenten, use_leading_plus);
    return laatstePrintAantal;
}

unsigned int TrivaneString::print(char** uitvoer, unsigned long long ruimte, const char* formaat, va_list argumenten)
{
    bool leidendPlus = false;
    return print(uitvoer, ruimte, formaat, argumenten, leidendPlus);
}

unsigned int TrivaneString::print(char** uitvoer, unsigned long long ruimte, const char* formaat, va_list argumenten,
                                  bool& leidendPlus)
{
    PrintDoel doel{nullptr, nullptr, 0};
    if (uitvoer && *uitvoer && ruimte > 0)
    {
        doel.positie = *uitvoer;
        doel.einde = *uitvoer + ruimte - 1;
    }

    for (const char* f = formaat ? formaat : ""; *f != '\0'; ++f)
    {
        if (*f != '%')
        {
            printchar(doel, *f);
            continue;
        }
        ++f;
        if (*f == '\0')
            break;
        if (*f == '%')
        {
            printchar(doel, '%');
            continue;
        }

        int opvulling = 0;
        if (*f == '-')
        {
            opvulling = OpvullingRechts;
            ++f;
        }
        while (*f == '0')
        {
            opvulling |= OpvullingNullen;
            ++f;
        }
        // Widths beyond any sensible text are held, not overflowed.
        int breedte = 0;
        for (; *f >= '0' && *f <= '9'; ++f)
            breedte = std::min(breedte * 10 + (*f - '0'), 10000000);
        unsigned int precisie = 6;
        while (*f == '.')
        {
            precisie = 0;
            for (++f; *f >= '0' && *f <= '9'; ++f)
                precisie = std::min(precisie * 10 + static_cast<unsigned int>(*f - '0'), 10000000u);
        }
        int lang = 0;
        while (*f == 'l' && lang < 2)
        {
            ++lang;
            ++f;
        }
        if (*f == '\0')
            break;

        switch (*f)
        {
        case 'd':
        {
            const long long waarde = lang ? va_arg(argumenten, long) : va_arg(argumenten, int);
            printi(doel, waarde, 10, true, breedte, opvulling, 'a');
            break;
        }
        case 'u':
        case 'x':
        case 'X':
        {
            const unsigned long long waarde =
                lang ? va_arg(argumenten, unsigned long) : va_arg(argumenten, unsigned int);
            printi(doel, static_cast<long long>(waarde), *f == 'u' ? 10 : 16, false, breedte, opvulling,
                   *f == 'X' ? 'A' : 'a');
            break;
        }
        case 'c':
        {
            const char tekst[2] = {static_cast<char>(va_arg(argumenten, int)), '\0'};
            prints(doel, tekst, breedte, opvulling);
            break;
        }
        case 's':
        {
            const char* tekst = va_arg(argumenten, const char*);
            prints(doel, tekst ? tekst : "(null)", breedte, opvulling);
            break;
        }
        case 'f':
            printfloat(doel, va_arg(argumenten, double), std::min(precisie, maxPrecisie), breedte, opvulling,
                       leidendPlus);
            leidendPlus = false;
            break;
        default:
            // Not a conversion of this printf: nothing is written and no argument taken.
            break;
        }
    }

    if (doel.positie)
    {
        *doel.positie = '\0';
        *uitvoer = doel.positie;
    }
    const unsigned long long max = std::numeric_limits<unsigned int>::max();
    return static_cast<unsigned int>(std::min(doel.aantal, max));
}

void TrivaneString::printchar(PrintDoel& doel, int teken)
{
    if (doel.positie && doel.positie < doel.einde)
        *doel.positie++ = static_cast<char>(teken);
    ++doel.aantal;
}

void TrivaneString::vulAan(PrintDoel& doel, char teken, unsigned long long aantal)
{
    if (doel.positie)
    {
        const unsigned long long ruimte = static_cast<unsigned long long>(doel.einde - doel.positie);
        const unsigned long long geschreven = std::min(aantal, ruimte);
        std::memset(doel.positie, teken, geschreven);
        doel.positie += geschreven;
    }
    doel.aantal += aantal;
}

unsigned long long TrivaneString::prints(PrintDoel& doel, const char* tekst, int breedte, int opvulling)
{
    const unsigned long long lengte = my_strlen(tekst);
    const unsigned long long opvullen =
        breedte > 0 && static_cast<unsigned long long>(breedte) > lengte ? breedte - lengte : 0;
    const char opvulTeken = (opvulling & OpvullingNullen) ? '0' : ' ';
    if (!(opvulling & OpvullingRechts))
        vulAan(doel, opvulTeken, opvullen);
    for (unsigned long long i = 0; i < lengte; ++i)
        printchar(doel, tekst[i]);
    if (opvulling & OpvullingRechts)
        vulAan(doel, opvulTeken, opvullen);
    return lengte + opvullen;
}

unsigned long long TrivaneString::printi(PrintDoel& doel, long long waarde, int basis, bool metTeken, int breedte,
                                         int opvulling, char letterTien)
{
    if (waarde == 0)
        return prints(doel, "0", breedte, opvulling);

    // Unsigned arithmetic, so that the lowest number has a magnitude too.
    unsigned long long grootte = static_cast<unsigned long long>(waarde);
    const bool negatief = metTeken && basis == 10 && waarde < 0;
    if (negatief)
        grootte = 0ULL - grootte;

    char buffer[24];
    char* cijfers = buffer + sizeof buffer - 1;
    *cijfers = '\0';
    const unsigned long long b = static_cast<unsigned long long>(basis);
    while (grootte != 0)
    {
        const unsigned int cijfer = static_cast<unsigned int>(grootte % b);
        *--cijfers = static_cast<char>(cijfer >= 10 ? letterTien + (cijfer - 10) : '0' + cijfer);
        grootte /= b;
    }

    unsigned long long aantal = 0;
    if (negatief)
    {
        if (breedte > 0 && (opvulling & OpvullingNullen))
        {
            // The zeros come between the sign and the digits.
            printchar(doel, '-');
            ++aantal;
            --breedte;
        }
        else
        {
            *--cijfers = '-';
        }
    }
    return aantal + prints(doel, cijfers, breedte, opvulling);
}

unsigned long long TrivaneString::printfloat(PrintDoel& doel, double waarde, unsigned int decimalen, int breedte,
                                             int opvulling, bool leidendPlus)
{
    // Single precision, as on the embedded products; a double beyond the
    // float range is an infinity there.
    float enkel;
    if (std::isnan(waarde))
        enkel = std::numeric_limits<float>::quiet_NaN();
    else if (waarde > std::numeric_limits<float>::max())
        enkel = std::numeric_limits<float>::infinity();
    else if (waarde < -std::numeric_limits<float>::max())
        enkel = -std::numeric_limits<float>::infinity();
    else
        enkel = static_cast<float>(waarde);

    char buffer[64];
    dbl2stri(buffer, sizeof buffer, enkel, decimalen, leidendPlus);
    const char* tekst = buffer;
    unsigned long long aantal = 0;
    if (!std::isfinite(enkel))
    {
        opvulling &= ~OpvullingNullen;
    }
    else if ((opvulling & OpvullingNullen) && breedte > 0 && (buffer[0] == '-' || buffer[0] == '+'))
    {
        printchar(doel, buffer[0]);
        ++tekst;
        ++aantal;
        --breedte;
    }
    return aantal + prints(doel, tekst, breedte, opvulling);
}

unsigned int TrivaneString::dbl2stri(char* buffer, unsigned long long grootte, float waarde, unsigned int decimalen,
                                     bool leidendPlus)
{
    if (!buffer || grootte == 0)
        return 0;
    PrintDoel doel{buffer, buffer + grootte - 1, 0};
    auto schrijf = [&doel](const char* tekst)
    {
        for (; *tekst; ++tekst)
            printchar(doel, *tekst);
    };

    if (std::isnan(waarde))
    {
        schrijf("nan");
    }
    else
    {
        if (std::signbit(waarde) && waarde != 0.0f)
        {
            printchar(doel, '-');
            waarde = -waarde;
        }
        else if (leidendPlus)
        {
            printchar(doel, '+');
        }

        if (std::isinf(waarde))
        {
            schrijf("inf");
        }
        else
        {
            decimalen = std::min(decimalen, maxPrecisie);
            if (decimalen < 8)
                waarde += round_nums[decimalen];

            // Every finite float's whole part fits in 128 bits.
            unsigned __int128 geheel = static_cast<unsigned __int128>(waarde);
            const float fractie = waarde - std::trunc(waarde);
            char cijfers[48];
            char* begin = cijfers + sizeof cijfers - 1;
            *begin = '\0';
            do
            {
                *--begin = static_cast<char>('0' + static_cast<int>(geheel % 10));
                geheel /= 10;
            } while (geheel != 0);
            schrijf(begin);

            if (decimalen > 0)
            {
                printchar(doel, kommaPuntTeken[kommaPunt <= KeuzeStandaard ? kommaPunt : KeuzePunt]);
                double schaal = 1.0;
                for (unsigned int i = 0; i < decimalen; ++i)
                    schaal *= 10.0;
                const unsigned long long breuk =
                    std::min(static_cast<unsigned long long>(static_cast<double>(fractie) * schaal),
                             static_cast<unsigned long long>(schaal) - 1);
                char breukCijfers[maxPrecisie + 1];
                unsigned long long rest = breuk;
                for (unsigned int i = decimalen; i > 0; --i)
                {
                    breukCijfers[i - 1] = static_cast<char>('0' + rest % 10);
                    rest /= 10;
                }
                breukCijfers[decimalen] = '\0';
                schrijf(breukCijfers);
            }
        }
    }

    *doel.positie = '\0';
    return static_cast<unsigned int>(doel.positie - buffer);
}

unsigned long long TrivaneString::my_strlen(const char* tekst)
{
    return tekst ? std::strlen(tekst) : 0;
}
