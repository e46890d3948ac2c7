// Search terms: what the user typed becomes an exact, a case-sensitive or a
// case-insensitive condition over one or more columns.
#include "swexternals/desktop/DesktopFunkties.h"
#include "swexternals/desktop/wx/wxSQLite3/DeelTekst.h"
#include "swexternals/desktop/wx/wxSQLite3/SQLite3Basis.h"

#include <array>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <locale>
#include <memory>
#include <sqlite3.h>
#include <string>
#include <string_view>
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

// A like or glob pattern read once per statement: the wildcards told apart
// from the characters they stand beside; for like the characters folded.
struct Patroon
{
    enum Soort : unsigned char
    {
        Letterlijk,
        EenTeken,
        Reeks,
        // A glob set "[...]": `teken` is its place in `sets`.
        Set
    };
    struct Teken
    {
        char32_t teken;
        Soort soort;
    };
    struct Bereik
    {
        char32_t van;
        char32_t tot;
    };
    // A set never closed with "]" matches nothing, as in SQLite.
    struct TekenSet
    {
        std::vector<Bereik> bereiken;
        bool omgekeerd = false;
        bool gesloten = false;

        bool bevat(char32_t teken) const
        {
            bool gezien = false;
            for (const Bereik& bereik : bereiken)
                gezien = gezien || (teken >= bereik.van && teken <= bereik.tot);
            return gesloten && gezien != omgekeerd;
        }
    };

    std::vector<Teken> tekens;
    std::vector<TekenSet> sets;
    char32_t escape = 0;
    bool metEscape = false;
    // Like folds case; glob compares characters as they are.
    bool vouwen = true;
    // A search's pattern: runs around plain characters, a text contained
    // anywhere. Found in one pass over the text, whatever the lengths: the
    // plain characters are tokens [deelBegin, deelEind), and `terug` tells
    // for each how much of them still matches after a mismatch.
    bool isDeeltekst = false;
    size_t deelBegin = 0;
    size_t deelEind = 0;
    std::vector<size_t> terug;

    bool past(const Teken& verwacht, char32_t teken) const
    {
        switch (verwacht.soort)
        {
        case Letterlijk:
            return (vouwen ? vouw(teken) : teken) == verwacht.teken;
        case Set:
            return sets[verwacht.teken].bevat(teken);
        default:
            return true;
        }
    }
};

// A character no text holds: an escape at the very end of a pattern matches nothing.
constexpr char32_t geenTeken = 0xFFFFFFFF;

Patroon leesLikePatroon(const unsigned char* tekst, const unsigned char* eind, bool metEscape, char32_t escape)
{
    Patroon patroon;
    patroon.metEscape = metEscape;
    patroon.escape = escape;
    patroon.tekens.reserve(static_cast<size_t>(eind - tekst));
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

// "[...]" after its "[": "^" first turns it around, a "]" first is itself,
// "a-z" is a range unless the "-" stands first or last.
Patroon::TekenSet leesSet(const unsigned char*& tekst, const unsigned char* eind)
{
    Patroon::TekenSet set;
    if (tekst < eind && *tekst == '^')
    {
        set.omgekeerd = true;
        ++tekst;
    }
    if (tekst < eind && *tekst == ']')
    {
        set.bereiken.push_back({']', ']'});
        ++tekst;
    }
    bool heeftVorige = false;
    char32_t vorige = 0;
    while (tekst < eind)
    {
        const char32_t teken = leesTeken(tekst, eind);
        if (teken == ']')
        {
            set.gesloten = true;
            break;
        }
        if (teken == '-' && heeftVorige && tekst < eind && *tekst != ']')
        {
            const char32_t tot = leesTeken(tekst, eind);
            set.bereiken.back() = {vorige, tot};
            heeftVorige = false;
            continue;
        }
        set.bereiken.push_back({teken, teken});
        heeftVorige = true;
        vorige = teken;
    }
    return set;
}

Patroon leesGlobPatroon(const unsigned char* tekst, const unsigned char* eind)
{
    Patroon patroon;
    patroon.vouwen = false;
    patroon.tekens.reserve(static_cast<size_t>(eind - tekst));
    while (tekst < eind)
    {
        const char32_t teken = leesTeken(tekst, eind);
        if (teken == '*')
            patroon.tekens.push_back({0, Patroon::Reeks});
        else if (teken == '?')
            patroon.tekens.push_back({0, Patroon::EenTeken});
        else if (teken == '[')
        {
            // "[*]", "[?]" and "[[]" are how a search writes those characters.
            const Patroon::TekenSet set = leesSet(tekst, eind);
            const bool eenTeken = set.gesloten && !set.omgekeerd && set.bereiken.size() == 1 &&
                                  set.bereiken[0].van == set.bereiken[0].tot;
            if (eenTeken)
                patroon.tekens.push_back({set.bereiken[0].van, Patroon::Letterlijk});
            else
            {
                patroon.tekens.push_back({static_cast<char32_t>(patroon.sets.size()), Patroon::Set});
                patroon.sets.push_back(set);
            }
        }
        else
            patroon.tekens.push_back({teken, Patroon::Letterlijk});
    }
    return patroon;
}

// Recognises a search's pattern and prepares the one-pass search for it.
void bereidVoor(Patroon& patroon)
{
    const std::vector<Patroon::Teken>& tekens = patroon.tekens;
    size_t begin = 0;
    size_t eind = tekens.size();
    while (begin < eind && tekens[begin].soort == Patroon::Reeks)
        ++begin;
    while (eind > begin && tekens[eind - 1].soort == Patroon::Reeks)
        --eind;
    if (begin == 0 || eind == tekens.size() || begin == eind)
        return;
    for (size_t i = begin; i < eind; ++i)
        if (tekens[i].soort != Patroon::Letterlijk)
            return;
    patroon.isDeeltekst = true;
    patroon.deelBegin = begin;
    patroon.deelEind = eind;
    patroon.terug.assign(eind - begin, 0);
    for (size_t i = 1, k = 0; i < eind - begin; ++i)
    {
        while (k > 0 && tekens[begin + i].teken != tekens[begin + k].teken)
            k = patroon.terug[k - 1];
        if (tekens[begin + i].teken == tekens[begin + k].teken)
            ++k;
        patroon.terug[i] = k;
    }
}

// Whether a pattern character can be found byte by byte: an ASCII literal
// that no character beyond ASCII folds into. The Turkish dotted capital I
// and the Kelvin sign fold into i and k.
bool isAsciiZoekbaar(const Patroon& patroon, const Patroon::Teken& teken)
{
    return teken.soort == Patroon::Letterlijk && teken.teken < 0x80 &&
           (!patroon.vouwen || (teken.teken != 'i' && teken.teken != 'k'));
}

// Where a byte of {a, A} stands followed by one of {b, B}, from `tekst` on;
// `eind` when nowhere. Sixteen places at a time where the processor can.
const unsigned char* vindPaar(const unsigned char* tekst, const unsigned char* eind, unsigned char a, unsigned char A,
                              unsigned char b, unsigned char B)
{
#if defined(__SSE2__)
    const __m128i a1 = _mm_set1_epi8(static_cast<char>(a));
    const __m128i a2 = _mm_set1_epi8(static_cast<char>(A));
    const __m128i b1 = _mm_set1_epi8(static_cast<char>(b));
    const __m128i b2 = _mm_set1_epi8(static_cast<char>(B));
    while (eind - tekst > 16)
    {
        const __m128i hier = _mm_loadu_si128(reinterpret_cast<const __m128i*>(tekst));
        const __m128i daarna = _mm_loadu_si128(reinterpret_cast<const __m128i*>(tekst + 1));
        const __m128i eerste = _mm_or_si128(_mm_cmpeq_epi8(hier, a1), _mm_cmpeq_epi8(hier, a2));
        const __m128i tweede = _mm_or_si128(_mm_cmpeq_epi8(daarna, b1), _mm_cmpeq_epi8(daarna, b2));
        const int gevonden = _mm_movemask_epi8(_mm_and_si128(eerste, tweede));
        if (gevonden != 0)
            return tekst + __builtin_ctz(static_cast<unsigned int>(gevonden));
        tekst += 16;
    }
#endif
    for (; tekst + 1 < eind; ++tekst)
        if ((tekst[0] == a || tekst[0] == A) && (tekst[1] == b || tekst[1] == B))
            return tekst;
    return eind;
}

// Where a byte of {a, A} stands, from `tekst` on; `eind` when nowhere.
const unsigned char* vindByte(const unsigned char* tekst, const unsigned char* eind, unsigned char a, unsigned char A)
{
#if defined(__SSE2__)
    const __m128i a1 = _mm_set1_epi8(static_cast<char>(a));
    const __m128i a2 = _mm_set1_epi8(static_cast<char>(A));
    while (eind - tekst >= 16)
    {
        const __m128i hier = _mm_loadu_si128(reinterpret_cast<const __m128i*>(tekst));
        const int gevonden = _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(hier, a1), _mm_cmpeq_epi8(hier, a2)));
        if (gevonden != 0)
            return tekst + __builtin_ctz(static_cast<unsigned int>(gevonden));
        tekst += 16;
    }
#endif
    for (; tekst < eind; ++tekst)
        if (*tekst == a || *tekst == A)
            return tekst;
    return eind;
}

// The bytes a pattern's ASCII literal stands for: for like a letter in
// either case, else the byte itself.
unsigned char inHoofdletter(const Patroon& patroon, unsigned char klein)
{
    return patroon.vouwen && klein >= 'a' && klein <= 'z' ? static_cast<unsigned char>(klein - ('a' - 'A')) : klein;
}

// Moves past text that cannot begin a match of the pattern from `p` on.
// Where the pattern goes on with two plain ASCII characters, a place must
// hold both: in prose the first letter alone comes every few bytes.
const unsigned char* slaOver(const unsigned char* tekst, const unsigned char* eind, const Patroon& patroon, size_t p)
{
    const std::vector<Patroon::Teken>& tekens = patroon.tekens;
    const Patroon::Teken& volgende = tekens[p];
    if (volgende.soort != Patroon::Letterlijk || volgende.teken >= 0x80)
        return tekst;
    const unsigned char klein = static_cast<unsigned char>(volgende.teken);
    if (!isAsciiZoekbaar(patroon, volgende))
    {
        const unsigned char groot = klein - ('a' - 'A');
        while (tekst < eind && *tekst != klein && *tekst != groot && *tekst < 0x80)
            ++tekst;
        return tekst;
    }
    // A byte beyond ASCII is never one of these: it is part of a character
    // that no ASCII letter matches.
    const unsigned char groot = inHoofdletter(patroon, klein);
    if (p + 1 < tekens.size() && isAsciiZoekbaar(patroon, tekens[p + 1]))
    {
        const unsigned char tweede = static_cast<unsigned char>(tekens[p + 1].teken);
        return vindPaar(tekst, eind, klein, groot, tweede, inHoofdletter(patroon, tweede));
    }
    return vindByte(tekst, eind, klein, groot);
}

// Whether the text holds the plain characters of a search's pattern: one
// pass, each character read once, skipping ahead while nothing matches yet.
bool bevatDeeltekst(const Patroon& patroon, const unsigned char* tekst, const unsigned char* eind)
{
    const std::vector<Patroon::Teken>& tekens = patroon.tekens;
    const size_t lengte = patroon.deelEind - patroon.deelBegin;
    size_t k = 0;
    while (tekst < eind)
    {
        if (k == 0)
        {
            tekst = slaOver(tekst, eind, patroon, patroon.deelBegin);
            if (tekst >= eind)
                return false;
        }
        const char32_t gelezen = *tekst < 0x80 ? *tekst++ : leesTeken(tekst, eind);
        const char32_t teken = patroon.vouwen ? vouw(gelezen) : gelezen;
        while (k > 0 && teken != tekens[patroon.deelBegin + k].teken)
            k = patroon.terug[k - 1];
        if (teken == tekens[patroon.deelBegin + k].teken)
            ++k;
        if (k == lengte)
            return true;
    }
    return false;
}

// Like and glob alike: "%" or "*" any run of characters, "_" or "?" one
// character, a set one of its characters. Backtracks to the last run only,
// which is enough because every other part of a pattern takes exactly one
// character. A search's pattern takes one pass.
bool past(const Patroon& patroon, const unsigned char* tekst, const unsigned char* eind)
{
    if (patroon.isDeeltekst)
        return bevatDeeltekst(patroon, tekst, eind);
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
                    return true; // a trailing run takes the rest of the text
                sterTekst = tekst = slaOver(tekst, eind, patroon, naSter);
                continue;
            }
            // Most text is ASCII: its bytes are read here, without a call.
            const unsigned char* na = tekst;
            const char32_t teken = *na < 0x80 ? *na++ : leesTeken(na, eind);
            if (patroon.past(verwacht, teken))
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
        sterTekst = tekst = slaOver(sterTekst, eind, patroon, naSter);
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

bool heeftNull(int aantal, sqlite3_value** argumenten)
{
    for (int i = 0; i < aantal; ++i)
        if (sqlite3_value_type(argumenten[i]) == SQLITE_NULL)
            return true;
    return false;
}

using GedeeldPatroon = std::shared_ptr<const Patroon>;

// The pattern a function read last, for its next call with the same text:
// a search puts the same pattern on every column, and SQLite keeps what a
// function read per place in the statement, so once per column.
struct LaatstePatroon
{
    std::string tekst;
    GedeeldPatroon patroon;
};

// Matches the text against the pattern: the one this function read last
// when the pattern is the same text (a search puts one pattern on every
// column of every row), else the one SQLite keeps beside the statement's
// constant (a statement with a second pattern, a person's, switches between
// the two every row), else read anew. The last one is asked first: SQLite
// looks its own up in a list of every call place of the statement.
// `geldig` tells whether a kept pattern was read the way this call reads it.
template <typename Lees, typename Geldig>
void pasToe(sqlite3_context* context, sqlite3_value** argumenten, Lees lees, Geldig geldig)
{
    auto [begin, eind] = bytes(argumenten[1]);
    auto [patroonBegin, patroonEind] = bytes(argumenten[0]);
    const std::string_view tekst(reinterpret_cast<const char*>(patroonBegin),
                                 static_cast<size_t>(patroonEind - patroonBegin));
    LaatstePatroon& laatste = *static_cast<LaatstePatroon*>(sqlite3_user_data(context));
    if (laatste.patroon && laatste.tekst == tekst && geldig(*laatste.patroon))
        return sqlite3_result_int(context, past(*laatste.patroon, begin, eind));
    const auto* bewaard = static_cast<const GedeeldPatroon*>(sqlite3_get_auxdata(context, 0));
    if (bewaard != nullptr && geldig(**bewaard))
    {
        laatste.patroon = *bewaard;
        laatste.tekst.assign(tekst);
        return sqlite3_result_int(context, past(**bewaard, begin, eind));
    }
    auto nieuw = std::make_shared<Patroon>(lees(patroonBegin, patroonEind));
    bereidVoor(*nieuw);
    laatste.patroon = std::move(nieuw);
    laatste.tekst.assign(tekst);
    const GedeeldPatroon patroon = laatste.patroon;
    sqlite3_result_int(context, past(*patroon, begin, eind));
    // Last: SQLite may let it go at once when the pattern is no constant.
    sqlite3_set_auxdata(context, 0, new GedeeldPatroon(patroon),
                        [](void* weg) { delete static_cast<GedeeldPatroon*>(weg); });
}

// like(pattern, text[, escape]), as SQLite calls it for "text like pattern".
// SQLite's own folds the case of ASCII letters only; a user who types
// "école" also means "ÉCOLE".
void likeFunktie(sqlite3_context* context, int aantal, sqlite3_value** argumenten)
{
    if (heeftNull(aantal, argumenten))
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
    const bool metEscape = aantal == 3;
    pasToe(
        context, argumenten,
        [&](const unsigned char* begin, const unsigned char* eind)
        { return leesLikePatroon(begin, eind, metEscape, escape); },
        [&](const Patroon& bewaard) { return bewaard.metEscape == metEscape && bewaard.escape == escape; });
}

// glob(pattern, text), as SQLite calls it for "text glob pattern". SQLite's
// own refuses a pattern longer than 50,000 bytes as too complex, and a
// case-sensitive search puts the user's text into one.
void globFunktie(sqlite3_context* context, int aantal, sqlite3_value** argumenten)
{
    if (heeftNull(aantal, argumenten))
        return sqlite3_result_null(context);
    pasToe(context, argumenten, leesGlobPatroon, [](const Patroon&) { return true; });
}
} // namespace

void SQLite3Basis::richtVerbindingIn()
{
    ++openingen;
    sqlite3* verbinding = static_cast<sqlite3*>(GetDatabaseHandle());
    // A quoted name that names no column would silently become a text;
    // names are quoted here, texts never are, so SQLite may refuse it.
    sqlite3_db_config(verbinding, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    sqlite3_set_authorizer(verbinding, magSchrijven, this);
    const int vlaggen = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    const auto geheugen = [] { return new LaatstePatroon; };
    const auto vergeet = [](void* weg) { delete static_cast<LaatstePatroon*>(weg); };
    for (const int aantal : {2, 3})
        if (sqlite3_create_function_v2(verbinding, "like", aantal, vlaggen, geheugen(), likeFunktie, nullptr, nullptr,
                                       vergeet) != SQLITE_OK)
            DesktopFunkties::wxErrorVeilig(
                _("Searching without regard to case is limited to ASCII letters:") +
                DesktopFunkties::dubbeleQuotes(wxString::FromUTF8(sqlite3_errmsg(verbinding)), true));
    if (sqlite3_create_function_v2(verbinding, "glob", 2, vlaggen, geheugen(), globFunktie, nullptr, nullptr,
                                   vergeet) != SQLITE_OK)
        DesktopFunkties::wxErrorVeilig(
            _("A case-sensitive search is limited to 50,000 characters:") +
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

namespace
{
// The characters a term's literal is made of, as the search reads them; false
// for a text that does not reach SQLite as it stands: a NUL ends the literal,
// and what UTF-8 cannot carry is not what the search looks for.
bool alsTekens(const wxString& tekst, bool vouwen, std::u32string& tekens)
{
    tekens.clear();
    tekens.reserve(tekst.length());
    for (const wxUniChar teken : tekst)
    {
        const char32_t c = static_cast<char32_t>(teken.GetValue());
        if (c == 0 || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            return false;
        tekens.push_back(vouwen ? vouw(c) : c);
    }
    return true;
}
} // namespace

bool SQLite3Basis::omvatZoekTerm(const wxString& ruim, const wxString& nauw) const
{
    // No text, no condition: everything.
    if (ruim.empty())
        return true;
    if (exactOvereenkomen)
        return ruim == nauw;
    // Case-sensitive the characters as they are, else folded one by one as
    // the like function folds text and pattern alike: a text that holds the
    // longer one holds the shorter one too.
    const bool vouwen = !hoofdletterGevoelig;
    std::u32string ruimTekens;
    std::u32string nauwTekens;
    if (!alsTekens(ruim, vouwen, ruimTekens) || !alsTekens(nauw, vouwen, nauwTekens))
        return false;
    return bevatDeelTekst(nauwTekens, ruimTekens, [](char32_t a, char32_t b) { return a == b; });
}
