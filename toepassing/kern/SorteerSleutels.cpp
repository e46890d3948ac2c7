#include "toepassing/kern/SorteerSleutels.h"

#include "swexternals/desktop/wx/wxSQLite3/SQLite3Lezing.h"

#include <algorithm>
#include <cstring>
#include <wx/wxsqlite3.h>

namespace
{
template <typename T> int teken(T a, T b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

// NOCASE folds the ASCII letters only.
unsigned char klein(unsigned char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c + ('a' - 'A')) : c;
}

// An integer and a real compare by their exact values, as SQLite does
// through a long double.
int vergelijkGeheelReeel(long long i, double r)
{
    return teken(static_cast<long double>(i), static_cast<long double>(r));
}

// Up to eight bytes as one number that compares as the bytes do.
uint64_t alsGetal(const unsigned char* bytes, size_t aantal)
{
    uint64_t getal = 0;
    for (size_t k = 0; k < 8; ++k)
        getal = (getal << 8) | (k < aantal ? bytes[k] : 0u);
    return getal;
}

constexpr uint32_t voorvoegselLengte = 16;
} // namespace

SorteerSleutels::SorteerSleutels(bool zonderHoofdletters_) : zonderHoofdletters(zonderHoofdletters_) {}

SorteerSleutels::Waarde SorteerSleutels::nieuweWaarde(Klasse klasse, long long rijNummer) const
{
    return Waarde{0, 0, rijNummer, 0.0, 0, 0, static_cast<uint32_t>(waarden.size()), klasse, false, false};
}

void SorteerSleutels::voegToe(wxSQLite3ResultSet& rij, int kolom, long long rijNummer)
{
    const int type = rij.GetColumnType(kolom);
    if (type == WXSQLITE_INTEGER)
        return voegToeGeheel(rij.GetInt64(kolom).GetValue(), rijNummer);
    if (type == WXSQLITE_FLOAT)
        return voegToeGetal(rij.GetDouble(kolom), rijNummer);
    if (type != WXSQLITE_TEXT && type != WXSQLITE_BLOB)
        return voegToeNiets(rijNummer);
    int lengte = 0;
    const unsigned char* inhoud = rij.GetBlob(kolom, lengte);
    voegToeBytes(type == WXSQLITE_TEXT ? KlasseTekst : KlasseBlob, inhoud, static_cast<size_t>(std::max(lengte, 0)),
                 rijNummer);
}

void SorteerSleutels::voegToe(const SQLite3Lezing& rij, int kolom, long long rijNummer)
{
    switch (rij.geefSoort(kolom))
    {
    case SQLite3Lezing::SoortGeheel:
        return voegToeGeheel(rij.geefGeheel(kolom), rijNummer);
    case SQLite3Lezing::SoortReeel:
        return voegToeGetal(rij.geefReeel(kolom), rijNummer);
    case SQLite3Lezing::SoortTekst:
    case SQLite3Lezing::SoortBlob:
    {
        size_t lengte = 0;
        const unsigned char* inhoud = rij.geefBytes(kolom, lengte);
        return voegToeBytes(rij.geefSoort(kolom) == SQLite3Lezing::SoortTekst ? KlasseTekst : KlasseBlob, inhoud,
                            lengte, rijNummer);
    }
    default:
        return voegToeNiets(rijNummer);
    }
}

void SorteerSleutels::voegToeGeheel(long long getal, long long rijNummer)
{
    Waarde waarde = nieuweWaarde(KlasseGetal, rijNummer);
    waarde.geheel = true;
    // Shifted by 2^63, so that the integers compare as unsigned numbers.
    waarde.voor = static_cast<uint64_t>(getal) ^ (uint64_t(1) << 63);
    waarden.push_back(waarde);
}

void SorteerSleutels::voegToeBytes(Klasse klasse, const unsigned char* inhoud, size_t lengte, long long rijNummer)
{
    Waarde waarde = nieuweWaarde(klasse, rijNummer);
    waarde.begin = static_cast<uint32_t>(bytes.size());
    waarde.lengte = static_cast<uint32_t>(lengte);
    if (inhoud && lengte > 0)
        bytes.append(reinterpret_cast<const char*>(inhoud), lengte);
    if (zonderHoofdletters && klasse == KlasseTekst)
        for (size_t k = waarde.begin; k < bytes.size(); ++k)
        {
            waarde.heeftNul = waarde.heeftNul || bytes[k] == '\0';
            bytes[k] = static_cast<char>(klein(static_cast<unsigned char>(bytes[k])));
        }
    zetVoorvoegsel(waarde);
    waarden.push_back(waarde);
}

void SorteerSleutels::zetVoorvoegsel(Waarde& waarde) const
{
    const unsigned char* begin = reinterpret_cast<const unsigned char*>(bytes.data()) + waarde.begin;
    const size_t lengte = std::min(waarde.lengte, voorvoegselLengte);
    waarde.voor = alsGetal(begin, lengte);
    waarde.na = lengte > 8 ? alsGetal(begin + 8, lengte - 8) : 0;
}

void SorteerSleutels::voegToeGetal(double getal, long long rijNummer)
{
    Waarde waarde = nieuweWaarde(KlasseGetal, rijNummer);
    waarde.reeel = getal;
    waarden.push_back(waarde);
}

void SorteerSleutels::voegToeNiets(long long rijNummer)
{
    waarden.push_back(nieuweWaarde(KlasseNiets, rijNummer));
}

std::vector<uint32_t> SorteerSleutels::sorteer(bool oplopend)
{
    std::sort(waarden.begin(), waarden.end(),
              [&](const Waarde& a, const Waarde& b)
              {
                  const int verschil = vergelijk(a, b);
                  if (verschil != 0)
                      return oplopend ? verschil < 0 : verschil > 0;
                  return a.rijNummer < b.rijNummer;
              });
    std::vector<uint32_t> plaatsen;
    plaatsen.reserve(waarden.size());
    for (const Waarde& waarde : waarden)
        plaatsen.push_back(waarde.plaats);
    waarden.clear();
    waarden.shrink_to_fit();
    bytes.clear();
    bytes.shrink_to_fit();
    return plaatsen;
}

int SorteerSleutels::vergelijk(const Waarde& a, const Waarde& b) const
{
    if (a.klasse != b.klasse)
        return teken(a.klasse, b.klasse);
    switch (a.klasse)
    {
    case KlasseGetal:
        return vergelijkGetallen(a, b);
    case KlasseTekst:
    case KlasseBlob:
        if (a.heeftNul || b.heeftNul)
            return vergelijkTeksten(a, b);
        // The first sixteen bytes decide most comparisons.
        if (a.voor != b.voor)
            return teken(a.voor, b.voor);
        if (a.na != b.na)
            return teken(a.na, b.na);
        if (a.lengte <= voorvoegselLengte && b.lengte <= voorvoegselLengte)
            return teken(a.lengte, b.lengte);
        return vergelijkBytes(a, b);
    default:
        return 0;
    }
}

int SorteerSleutels::vergelijkGetallen(const Waarde& a, const Waarde& b)
{
    if (a.geheel && b.geheel)
        return teken(a.voor, b.voor);
    const long long ai = static_cast<long long>(a.voor ^ (uint64_t(1) << 63));
    const long long bi = static_cast<long long>(b.voor ^ (uint64_t(1) << 63));
    if (!a.geheel && !b.geheel)
        return teken(a.reeel, b.reeel);
    return a.geheel ? vergelijkGeheelReeel(ai, b.reeel) : -vergelijkGeheelReeel(bi, a.reeel);
}

// SQLite's NOCASE: letter by letter over the shorter length, stopping at a
// NUL in the first text; when that finds no difference, the shorter text
// comes first. The letters are stored folded already.
int SorteerSleutels::vergelijkTeksten(const Waarde& a, const Waarde& b) const
{
    if (!a.heeftNul)
        return vergelijkBytes(a, b);
    const unsigned char* x = reinterpret_cast<const unsigned char*>(bytes.data()) + a.begin;
    const unsigned char* y = reinterpret_cast<const unsigned char*>(bytes.data()) + b.begin;
    const uint32_t n = std::min(a.lengte, b.lengte);
    int verschil = 0;
    for (uint32_t k = 0; k < n; ++k)
    {
        if (x[k] == 0 || x[k] != y[k])
        {
            verschil = x[k] - y[k];
            break;
        }
    }
    return verschil != 0 ? verschil : teken(a.lengte, b.lengte);
}

int SorteerSleutels::vergelijkBytes(const Waarde& a, const Waarde& b) const
{
    const int verschil = std::memcmp(bytes.data() + a.begin, bytes.data() + b.begin, std::min(a.lengte, b.lengte));
    return verschil != 0 ? verschil : teken(a.lengte, b.lengte);
}
