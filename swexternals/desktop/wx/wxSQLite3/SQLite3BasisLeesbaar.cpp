// What can still be read of a damaged file, without a copy of it. SQLite
// reaches a row by the pages above it: a scan in row id order stops at a
// damaged page, from either end, and what lies beyond it is reached from the
// other end. A view over those two ranges of row ids stands in for the
// table; a read through it seeks its rows and never steps onto the damage.
#include "swexternals/desktop/wx/wxSQLite3/SQLite3Basis.h"

#include <algorithm>
#include <memory>
#include <sqlite3.h>

namespace
{
bool isBeschadiging(int kode)
{
    return (kode & 0xff) == SQLITE_CORRUPT || (kode & 0xff) == SQLITE_NOTADB;
}

struct Finaliseer
{
    void operator()(sqlite3_stmt* opdracht) const { sqlite3_finalize(opdracht); }
};
using RuweOpdracht = std::unique_ptr<sqlite3_stmt, Finaliseer>;

// The scan reports every so many rows: little beside the rows themselves,
// often enough for a bar and a Cancel.
constexpr unsigned long long meldBlok = 256;
} // namespace

int SQLite3Basis::maakLeesbaarZicht(const wxString& tabel, const wxArrayString& namen, const wxArrayString& types,
                                    const LeesMelder& melder, LeesbaarBereik& bereik)
{
    bereik = LeesbaarBereik();
    // A view of the connection's own: gone with the opening it was made in.
    if (leesbaarOpening != openingen)
    {
        leesbareTabellen.Clear();
        leesbaarOpening = openingen;
        leesbaarDeel = false;
    }
    if (!onleesbaar || !IsOpen() || isMemoryDB() || leesbareTabellen.Index(tabel, false) != wxNOT_FOUND ||
        !bestaatTabel(tabel, "main"))
        return 1;
    wxArrayString opgeslagen;
    if (leesKolomNamen("main." + tabel, opgeslagen) != 0)
        return 2;
    wxArrayString kolommen;
    for (const wxString& kolom : opgeslagen)
        kolommen.Add(naamQuotes(kolom));
    leesBereik("main." + naamQuotes(tabel) + " not indexed", wxJoin(kolommen, ',', '\0'), melder, bereik);
    // It stands in for the view that stood in for an older table too.
    if (voerUit("drop view if exists temp." + naamQuotes(tabel), -1) != 0 ||
        voerUit("create temporary view " + naamQuotes(tabel) + " as " +
                    maakLeesbaarSelect(tabel, opgeslagen, namen, types, bereik),
                -1) != 0)
        return 2;
    leesbareTabellen.Add(tabel);
    leesbaarDeel = leesbaarDeel || !bereik.heel || bereik.einde != LeesbaarBereik::Einde::Volledig;
    return 0;
}

// Only the estimate of the bar needs the row ids of the ends: a seek each,
// which the damage may stop (the scan then says any other failure).
void SQLite3Basis::leesBereik(const wxString& bron, const wxString& kolommen, const LeesMelder& melder,
                              LeesbaarBereik& bereik)
{
    const auto leesGrens = [this, &bron](const char* welke, long long& grens)
    {
        const RuweOpdracht vraag(bereidRuwVoor(wxString("select ") + welke + "(rowid) from " + bron));
        if (!vraag || sqlite3_step(vraag.get()) != SQLITE_ROW || sqlite3_column_type(vraag.get(), 0) == SQLITE_NULL)
            return false;
        grens = sqlite3_column_int64(vraag.get(), 0);
        return true;
    };
    long long eerste = 0;
    long long laatste = 0;
    const bool bekend = leesGrens("min", eerste) && leesGrens("max", laatste) && laatste >= eerste;
    const double breedte = bekend ? static_cast<double>(laatste) - static_cast<double>(eerste) + 1 : 0;
    const auto aandeel = [&](double vooraan, double achteraan)
    { return bekend ? std::min(1.0, (vooraan + achteraan) / breedte) : -1.0; };
    const auto vanVoren = [&](long long rij) { return static_cast<double>(rij) - static_cast<double>(eerste) + 1; };
    if (melder && !melder(aandeel(0, 0)))
    {
        bereik.einde = LeesbaarBereik::Einde::Afgebroken;
        return;
    }
    bereik.einde = scanRijen(
        bron, kolommen, false, melder, [&](long long rij) { return aandeel(vanVoren(rij), 0); }, bereik.vooraan,
        bereik.totRijId, bereik.heel);
    if (bereik.heel || bereik.einde != LeesbaarBereik::Einde::Volledig)
        return;
    bool rond = false;
    bereik.einde = scanRijen(
        bron, kolommen, true, melder,
        [&](long long rij)
        {
            const double voor = bereik.vooraan > 0 ? vanVoren(bereik.totRijId) : 0;
            return aandeel(voor, static_cast<double>(laatste) - static_cast<double>(rij) + 1);
        },
        bereik.achteraan, bereik.vanafRijId, rond);
}

// A row counts as read once every column of it is: the damage may lie in
// a record's body or in the overflow pages of a long text, which a scan of
// row ids alone passes, and which the list or a requirement's properties
// then meet. A step loads each column it returns, overflow included.
LeesbaarBereik::Einde SQLite3Basis::scanRijen(const wxString& bron, const wxString& kolommen, bool achteruit,
                                              const LeesMelder& melder, const std::function<double(long long)>& verder,
                                              unsigned long long& aantal, long long& laatste, bool& heel)
{
    const RuweOpdracht scan(bereidRuwVoor("select rowid" + (kolommen.empty() ? wxString() : "," + kolommen) + " from " +
                                          bron + " order by rowid" + (achteruit ? " desc" : "")));
    if (!scan)
        return LeesbaarBereik::Einde::Mislukt;
    int kode = SQLITE_ROW;
    while ((kode = sqlite3_step(scan.get())) == SQLITE_ROW)
    {
        laatste = sqlite3_column_int64(scan.get(), 0);
        if (++aantal % meldBlok == 0 && melder && !melder(verder(laatste)))
            return LeesbaarBereik::Einde::Afgebroken;
    }
    if (kode == SQLITE_DONE)
    {
        heel = true;
        return LeesbaarBereik::Einde::Volledig;
    }
    // The damage has been said; anything else is said here.
    sqlite3* verbinding = sqlite3_db_handle(scan.get());
    if (isBeschadiging(sqlite3_extended_errcode(verbinding)))
        return LeesbaarBereik::Einde::Volledig;
    if (kode == SQLITE_INTERRUPT && isOnderbroken())
        return LeesbaarBereik::Einde::Afgebroken;
    meldFout(wxSQLite3Exception(sqlite3_extended_errcode(verbinding), wxString::FromUTF8(sqlite3_errmsg(verbinding))));
    return LeesbaarBereik::Einde::Mislukt;
}

// Every column of the file, those of the definition that it lacks at their
// defaults, and the row id, by which the list finds its rows: a view has
// none of its own. A range up to the last row a scan reached would step
// past it onto the damaged page before it ends, so that row is sought by
// itself; the same at the other side.
wxString SQLite3Basis::maakLeesbaarSelect(const wxString& tabel, const wxArrayString& opgeslagen,
                                          const wxArrayString& namen, const wxArrayString& types,
                                          const LeesbaarBereik& bereik) const
{
    wxArrayString kolommen;
    for (const wxString& kolom : opgeslagen)
        kolommen.Add(naamQuotes(kolom));
    for (size_t i = 0; i < namen.size() && i < types.size(); ++i)
        if (opgeslagen.Index(namen[i], false) == wxNOT_FOUND)
            kolommen.Add(standaardWaarde(types[i]) + " as " + naamQuotes(namen[i]));
    if (opgeslagen.Index("rowid", false) == wxNOT_FOUND)
        kolommen.Add("rowid as rowid");
    const wxString select =
        "select " + wxJoin(kolommen, ',', '\0') + " from main." + naamQuotes(tabel) + " not indexed where ";
    if (bereik.heel)
        return select + "1";
    wxString delen;
    const auto voegToe = [&](const char* vergelijking, long long rij)
    { delen += (delen.empty() ? "" : " union all ") + select + wxString::Format("rowid%s%lld", vergelijking, rij); };
    if (bereik.vooraan > 0)
    {
        voegToe("<", bereik.totRijId);
        voegToe("=", bereik.totRijId);
    }
    // A file whose order of row ids is itself damaged could give ranges
    // that overlap: the rows from the start are then all it shows.
    if (bereik.achteraan > 0 && (bereik.vooraan == 0 || bereik.vanafRijId > bereik.totRijId))
    {
        voegToe("=", bereik.vanafRijId);
        voegToe(">", bereik.vanafRijId);
    }
    return delen.empty() ? select + "0" : delen;
}
