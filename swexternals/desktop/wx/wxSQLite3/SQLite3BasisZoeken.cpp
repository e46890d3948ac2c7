// Search terms: what the user typed becomes an exact, a case-sensitive or a
// case-insensitive condition over one or more columns.
#include "swexternals/desktop/DesktopFunkties.h"
#include "swexternals/desktop/wx/wxSQLite3/SQLite3Basis.h"

#include <array>
#include <cstring>
#include <locale>
#include <sqlite3.h>
#include <string>
#include <utility>
#include <vector>
#include <wx/intl.h>

namespace
{
const wxString koppelTeksten[4] = {" and ", " or ", " and not ", " or not "};

// SQLite's own like folds the case of ASCII letters only; a user who types
// "école" also means "ÉCOLE". Folding goes through a Unicode locale.
class Vouwer
{
public:
    Vouwer() : tekens(nullptr)
    {
        for (const char* naam : {"C.UTF-8", "C.utf8", "en_US.UTF-8", ""})
        {
            try
            {
                locale = std::locale(naam);
                tekens = &std::use_facet<std::ctype<wchar_t>>(locale);
                return;
            }
            catch (const std::exception&)
            {
            }
        }
    }

    wchar_t vouw(wchar_t teken) const { return tekens != nullptr ? tekens->tolower(teken) : teken; }

private:
    std::locale locale;
    const std::ctype<wchar_t>* tekens;
};

const Vouwer& vouwer()
{
    static const Vouwer eenmalig;
    return eenmalig;
}

// Folds one character: ASCII through a table, the rare others through the
// locale, so a search over long rich texts stays as fast as SQLite's own.
char32_t vouw(char32_t teken)
{
    if (teken < 0x80)
        return teken >= 'A' && teken <= 'Z' ? teken + ('a' - 'A') : teken;
    return static_cast<char32_t>(vouwer().vouw(static_cast<wchar_t>(teken)));
}

// The next character of UTF-8 text; a byte that starts no valid sequence
// stands for itself, so damaged text is still searched, never misread.
char32_t leesTeken(const unsigned char*& tekst, const unsigned char* eind)
{
    const unsigned char eerste = *tekst++;
    if (eerste < 0x80)
        return eerste;
    const int volgBytes = eerste >= 0xF0 ? 3 : eerste >= 0xE0 ? 2 : eerste >= 0xC0 ? 1 : 0;
    if (volgBytes == 0 || eind - tekst < volgBytes)
        return eerste;
    char32_t teken = eerste & (0x3F >> volgBytes);
    for (int i = 0; i < volgBytes; ++i)
    {
        if ((tekst[i] & 0xC0) != 0x80)
            return eerste;
        teken = (teken << 6) | (tekst[i] & 0x3F);
    }
    tekst += volgBytes;
    return teken;
}

// A like pattern read once per statement: its characters folded, the
// wildcards told apart from characters the escape made literal.
struct Patroon
{
    enum Soort : unsigned char
    {
        Letterlijk,
        EenTeken,
        Reeks
    };
    struct Teken
    {
        char32_t teken;
        Soort soort;
    };
    std::vector<Teken> tekens;
    char32_t escape = 0;
    bool metEscape = false;
};

// A character no text holds: an escape at the very end of a pattern matches nothing.
constexpr char32_t geenTeken = 0xFFFFFFFF;

Patroon leesPatroon(const unsigned char* tekst, const unsigned char* eind, bool metEscape, char32_t escape)
{
    Patroon patroon;
    patroon.metEscape = metEscape;
    patroon.escape = escape;
    while (tekst < eind)
    {
        const char32_t teken = leesTeken(tekst, eind);
        if (metEscape && teken == escape)
            patroon.tekens.push_back({tekst < eind ? vouw(leesTeken(tekst, eind)) : geenTeken, Patroon::Letterlijk});
        else if (teken == '%')
            patroon.tekens.push_back({0, Patroon::Reeks});
        else if (teken == '_')
            patroon.tekens.push_back({0, Patroon::EenTeken});
        else
            patroon.tekens.push_back({vouw(teken), Patroon::Letterlijk});
    }
    return patroon;
}

// Moves past text that cannot begin a match of the given literal. Only its
// two ASCII cases can begin one, and a character beyond ASCII only when it
// folds into ASCII (the Turkish dotted capital I, the Kelvin sign), which
// the letters i and k have to look at.
const unsigned char* slaOver(const unsigned char* tekst, const unsigned char* eind, const Patroon::Teken& volgende)
{
    if (volgende.soort != Patroon::Letterlijk || volgende.teken >= 0x80)
        return tekst;
    const unsigned char klein = static_cast<unsigned char>(volgende.teken);
    const unsigned char groot = klein >= 'a' && klein <= 'z' ? klein - ('a' - 'A') : klein;
    if (klein == 'i' || klein == 'k')
    {
        while (tekst < eind && *tekst != klein && *tekst != groot && *tekst < 0x80)
            ++tekst;
        return tekst;
    }
    // memchr looks at many bytes at once; the second search stops where the
    // first found one, so the text is never read more than twice.
    const auto* kleinGevonden = static_cast<const unsigned char*>(std::memchr(tekst, klein, eind - tekst));
    const unsigned char* grens = kleinGevonden ? kleinGevonden : eind;
    const auto* grootGevonden = static_cast<const unsigned char*>(std::memchr(tekst, groot, grens - tekst));
    return grootGevonden ? grootGevonden : grens;
}

// SQL like: "%" any run of characters, "_" one character. Backtracks to the
// last "%" only, which is enough because a "%" matches any run.
bool pastLike(const Patroon& patroon, const unsigned char* tekst, const unsigned char* eind)
{
    const std::vector<Patroon::Teken>& tekens = patroon.tekens;
    const size_t lengte = tekens.size();
    size_t p = 0;
    size_t naSter = lengte + 1;
    const unsigned char* sterTekst = nullptr;
    while (tekst < eind)
    {
        if (p < lengte)
        {
            const Patroon::Teken& verwacht = tekens[p];
            if (verwacht.soort == Patroon::Reeks)
            {
                naSter = ++p;
                if (naSter == lengte)
                    return true; // a trailing "%" takes the rest of the text
                sterTekst = tekst = slaOver(tekst, eind, tekens[naSter]);
                continue;
            }
            const unsigned char* na = tekst;
            const char32_t teken = leesTeken(na, eind);
            if (verwacht.soort == Patroon::EenTeken || vouw(teken) == verwacht.teken)
            {
                ++p;
                tekst = na;
                continue;
            }
        }
        if (naSter > lengte)
            return false;
        p = naSter;
        leesTeken(sterTekst, eind);
        sterTekst = tekst = slaOver(sterTekst, eind, tekens[naSter]);
    }
    while (p < lengte && tekens[p].soort == Patroon::Reeks)
        ++p;
    return p == lengte;
}

std::pair<const unsigned char*, const unsigned char*> bytes(sqlite3_value* waarde)
{
    const unsigned char* tekst = sqlite3_value_text(waarde);
    const int lengte = sqlite3_value_bytes(waarde);
    if (tekst == nullptr)
        tekst = reinterpret_cast<const unsigned char*>("");
    return {tekst, tekst + lengte};
}

// The patterns of the running statements, read once: a search puts the same
// pattern on every column, so a handful of entries serves every call.
class PatroonGeheugen
{
public:
    const Patroon& geef(sqlite3_value* waarde, bool metEscape, char32_t escape)
    {
        auto [begin, eind] = bytes(waarde);
        const std::string tekst(reinterpret_cast<const char*>(begin), static_cast<size_t>(eind - begin));
        for (const Plaats& plaats : plaatsen)
            if (plaats.tekst == tekst && plaats.patroon.metEscape == metEscape && plaats.patroon.escape == escape)
                return plaats.patroon;
        Plaats& vrij = plaatsen[volgende];
        volgende = (volgende + 1) % plaatsen.size();
        vrij.tekst = tekst;
        vrij.patroon = leesPatroon(begin, eind, metEscape, escape);
        return vrij.patroon;
    }

private:
    struct Plaats
    {
        std::string tekst;
        Patroon patroon;
    };
    std::array<Plaats, 4> plaatsen;
    size_t volgende = 0;
};

// like(pattern, text[, escape]), as SQLite calls it for "text like pattern".
void likeFunktie(sqlite3_context* context, int aantal, sqlite3_value** argumenten)
{
    for (int i = 0; i < aantal; ++i)
        if (sqlite3_value_type(argumenten[i]) == SQLITE_NULL)
            return sqlite3_result_null(context);
    char32_t escape = 0;
    if (aantal == 3)
    {
        auto [begin, eind] = bytes(argumenten[2]);
        const char32_t teken = begin < eind ? leesTeken(begin, eind) : 0;
        if (begin != eind || teken == 0)
            return sqlite3_result_error(context, "ESCAPE expression must be a single character", -1);
        escape = teken;
    }
    // Each thread its own, as every connection may run on another.
    thread_local PatroonGeheugen geheugen;
    const Patroon& patroon = geheugen.geef(argumenten[0], aantal == 3, escape);
    auto [begin, eind] = bytes(argumenten[1]);
    sqlite3_result_int(context, pastLike(patroon, begin, eind));
}
} // namespace

void SQLite3Basis::richtVerbindingIn()
{
    sqlite3* verbinding = static_cast<sqlite3*>(GetDatabaseHandle());
    // A quoted name that names no column would silently become a text;
    // names are quoted here, texts never are, so SQLite may refuse it.
    sqlite3_db_config(verbinding, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    const int vlaggen = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    for (const int aantal : {2, 3})
        if (sqlite3_create_function_v2(verbinding, "like", aantal, vlaggen, nullptr, likeFunktie, nullptr, nullptr,
                                       nullptr) != SQLITE_OK)
            DesktopFunkties::wxErrorVeilig(
                _("Searching without regard to case is limited to ASCII letters:") +
                DesktopFunkties::dubbeleQuotes(wxString::FromUTF8(sqlite3_errmsg(verbinding)), true));
}

wxString SQLite3Basis::maakZoekTerm(const wxString& term, bool ontkennen) const
{
    if (term.empty())
        return wxString();
    if (exactOvereenkomen)
        return (ontkennen ? " != " : " == ") + quotes(term);
    if (hoofdletterGevoelig)
        return (ontkennen ? " not glob " : " glob ") + sterQuotes(term);
    return (ontkennen ? " not like " : " like ") + procentQuotes(term);
}

void SQLite3Basis::voegToeZoekTerm(const wxString& term, ZTKoppel koppel)
{
    if (zoekTermStapel.empty())
        zoekTermStapel.Add(term);
    else
        zoekTermStapel.Add(koppelTeksten[koppel <= KoppelOfNiet ? koppel : KoppelEn] + term);
}

wxString SQLite3Basis::verwerkZoektermStapel(bool leegMaken)
{
    wxString voorwaarde;
    for (const wxString& stuk : zoekTermStapel)
        voorwaarde += stuk;
    if (leegMaken)
        zoekTermStapel.clear();
    return voorwaarde;
}

wxString SQLite3Basis::bouwZoekTermStapel(const wxArrayString& kolommen, const wxString& zoekTerm, ZTKoppel koppel)
{
    if (zoekTerm.empty())
        return wxString();
    zoekTermStapel.clear();
    for (const wxString& kolom : kolommen)
        voegToeZoekTerm(tabelQuotes(kolom) + zoekTerm, koppel);
    return verwerkZoektermStapel(true);
}
