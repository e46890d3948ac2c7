// Search terms: what the user typed becomes an exact, a case-sensitive or a
// case-insensitive condition over one or more columns.
#include "swexternals/desktop/DesktopFunkties.h"
#include "swexternals/desktop/wx/wxSQLite3/SQLite3Basis.h"

#include <locale>
#include <sqlite3.h>
#include <string>
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

bool gelijk(wchar_t a, wchar_t b)
{
    return a == b || vouwer().vouw(a) == vouwer().vouw(b);
}

// SQL like: "%" any run of characters, "_" one character, the escape
// character makes the next one literal. Backtracks to the last "%" only, which
// is enough because a "%" matches any run.
bool pastLike(const std::wstring& patroon, const std::wstring& tekst, bool metEscape, wchar_t escape)
{
    size_t p = 0;
    size_t t = 0;
    size_t naSter = std::wstring::npos;
    size_t sterTekst = 0;
    while (t < tekst.size())
    {
        if (p < patroon.size())
        {
            const wchar_t teken = patroon[p];
            if (metEscape && teken == escape)
            {
                if (p + 1 < patroon.size() && gelijk(patroon[p + 1], tekst[t]))
                {
                    p += 2;
                    ++t;
                    continue;
                }
            }
            else if (teken == L'%')
            {
                naSter = ++p;
                sterTekst = t;
                continue;
            }
            else if (teken == L'_' || gelijk(teken, tekst[t]))
            {
                ++p;
                ++t;
                continue;
            }
        }
        if (naSter == std::wstring::npos)
            return false;
        p = naSter;
        t = ++sterTekst;
    }
    while (p < patroon.size() && patroon[p] == L'%')
        ++p;
    return p == patroon.size();
}

std::wstring leesTekst(sqlite3_value* waarde)
{
    const char* tekst = reinterpret_cast<const char*>(sqlite3_value_text(waarde));
    return wxString::FromUTF8(tekst != nullptr ? tekst : "").ToStdWstring();
}

// like(pattern, text[, escape]), as SQLite calls it for "text like pattern".
void likeFunktie(sqlite3_context* context, int aantal, sqlite3_value** argumenten)
{
    for (int i = 0; i < aantal; ++i)
        if (sqlite3_value_type(argumenten[i]) == SQLITE_NULL)
            return sqlite3_result_null(context);
    wchar_t escape = 0;
    if (aantal == 3)
    {
        const std::wstring teken = leesTekst(argumenten[2]);
        if (teken.size() != 1)
            return sqlite3_result_error(context, "ESCAPE expression must be a single character", -1);
        escape = teken[0];
    }
    sqlite3_result_int(context, pastLike(leesTekst(argumenten[0]), leesTekst(argumenten[1]), aantal == 3, escape));
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
            DesktopFunkties::wxErrorVeilig(_("Searching without regard to case is limited to ASCII letters:") +
                                           DesktopFunkties::dq(wxString::FromUTF8(sqlite3_errmsg(verbinding)), true));
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
