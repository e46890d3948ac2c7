// What can still be read of a damaged file. SQLite reaches a row by the
// pages above it: a scan in row id order stops at a damaged page, from
// either end, and what lies beyond it is reached from the other end. The
// short columns of the rows in those two ranges of row ids are copied once
// into a temporary table under their row ids; a view over it stands in for
// the table, and takes the long columns from the file by row id, only
// where a read asks for them. A read through it never steps onto the
// damage, and none but a search reads the whole file again: a damaged
// index, with its table whole, would otherwise make every list, sort and
// count read all of it.
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

wxString geefKopieNaam(const wxString& tabel)
{
    return tabel + " leesbaar";
}
} // namespace

wxString SQLite3Basis::geefLeesbaarKopie(const wxString& tabel)
{
    return "temp." + naamQuotes(geefKopieNaam(tabel));
}

int SQLite3Basis::maakLeesbaarZicht(const wxString& tabel, const wxArrayString& namen, const wxArrayString& types,
                                    const wxArrayString& lang, const LeesMelder& melder, LeesbaarBereik& bereik)
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
    // It stands in for the view that stood in for an older table too.
    wxString kort;
    if (voerUit("drop view if exists temp." + naamQuotes(tabel), -1) != 0)
        return 2;
    // The copy only spares later reads a scan: where SQLite's temporary
    // folder has no room for it, the view reads the ranges from the file,
    // as slowly, but every row that can be read.
    // Its journal in memory: a copy given up for want of room is then still
    // dropped, and the view made, in the room it leaves.
    const int journaal = voerTijdelijkUit("pragma temp.journal_mode=memory");
    if (journaal != SQLITE_ROW && journaal != SQLITE_DONE)
        return 2;
    const int kopie = maakLeesbaarKopie(tabel, opgeslagen, lang, kort);
    if (kopie == 2)
        return 2;
    bool zonderKopie = kopie == 1;
    const wxString bron = "main." + naamQuotes(tabel) + " not indexed";
    const Kopieer kopieer = [&](const wxString& voorwaarde)
    {
        if (zonderKopie)
            return true;
        const int kode = voerTijdelijkUit("insert or ignore into " + geefLeesbaarKopie(tabel) + " (rowid" + kort +
                                         ") select rowid" + kort + " from " + bron + " where " + voorwaarde);
        zonderKopie = (kode & 0xff) == SQLITE_FULL;
        return kode == SQLITE_DONE || zonderKopie;
    };
    leesBereik(bron, wxJoin(kolommen, ',', '\0'), kopieer, melder, bereik);
    bereik.gekopieerd = !zonderKopie;
    // The part copied goes, where the folder lets it; where not, it stays
    // unused until the next opening.
    if (zonderKopie)
    {
        const int kode = voerTijdelijkUit("drop table if exists " + geefLeesbaarKopie(tabel));
        if (kode != SQLITE_DONE && (kode & 0xff) != SQLITE_FULL)
            return 2;
    }
    // A file whose order of row ids is itself damaged could give ranges
    // that overlap: the rows from the start are then all it shows.
    if (!zonderKopie && bereik.achteraan > 0 && bereik.vooraan > 0 && bereik.vanafRijId <= bereik.totRijId &&
        voerUit(wxString::Format("delete from %s where rowid>%lld", geefLeesbaarKopie(tabel), bereik.totRijId), -1) !=
            0)
        return 2;
    if (voerUit("create temporary view " + naamQuotes(tabel) + " as " +
                    (zonderKopie ? maakBereikSelect(tabel, opgeslagen, namen, types, bereik)
                                 : maakLeesbaarSelect(tabel, opgeslagen, namen, types, lang)),
                -1) != 0)
        return 2;
    leesbareTabellen.Add(tabel);
    leesbaarDeel = leesbaarDeel || !bereik.heel || bereik.einde != LeesbaarBereik::Einde::Volledig;
    return 0;
}

// Only the estimate of the bar needs the row ids of the ends: a seek each,
// which the damage may stop (the scan then says any other failure).
void SQLite3Basis::leesBereik(const wxString& bron, const wxString& kolommen, const Kopieer& kopieer,
                              const LeesMelder& melder, LeesbaarBereik& bereik)
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
        bron, kolommen, kopieer, false, melder, [&](long long rij) { return aandeel(vanVoren(rij), 0); },
        bereik.vooraan, bereik.totRijId, bereik.heel);
    if (bereik.heel || bereik.einde != LeesbaarBereik::Einde::Volledig)
        return;
    bool rond = false;
    bereik.einde = scanRijen(
        bron, kolommen, kopieer, true, melder,
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
LeesbaarBereik::Einde SQLite3Basis::scanRijen(const wxString& bron, const wxString& kolommen, const Kopieer& kopieer,
                                              bool achteruit, const LeesMelder& melder,
                                              const std::function<double(long long)>& verder,
                                              unsigned long long& aantal, long long& laatste, bool& heel)
{
    // The rows read since the last copy, up to and with `rij`. No range
    // reaches past it, which could step onto the damage: that row is sought
    // by itself.
    bool begonnen = false;
    long long gekopieerd = 0;
    const auto kopieerTot = [&](long long rij)
    {
        if (begonnen && rij == gekopieerd)
            return true;
        wxString voorwaarde = wxString::Format(achteruit ? "rowid>%lld" : "rowid<%lld", rij);
        if (begonnen)
            voorwaarde += wxString::Format(achteruit ? " and rowid<%lld" : " and rowid>%lld", gekopieerd);
        begonnen = true;
        gekopieerd = rij;
        return kopieer(voorwaarde) && kopieer(wxString::Format("rowid=%lld", rij));
    };
    const auto kopieerRest = [&](LeesbaarBereik::Einde einde)
    { return aantal == 0 || kopieerTot(laatste) ? einde : LeesbaarBereik::Einde::Mislukt; };
    const RuweOpdracht scan(bereidRuwVoor("select rowid" + (kolommen.empty() ? wxString() : "," + kolommen) + " from " +
                                          bron + " order by rowid" + (achteruit ? " desc" : "")));
    if (!scan)
        return LeesbaarBereik::Einde::Mislukt;
    int kode = SQLITE_ROW;
    while ((kode = sqlite3_step(scan.get())) == SQLITE_ROW)
    {
        laatste = sqlite3_column_int64(scan.get(), 0);
        if (++aantal % meldBlok != 0)
            continue;
        if (!kopieerTot(laatste))
            return LeesbaarBereik::Einde::Mislukt;
        if (melder && !melder(verder(laatste)))
            return LeesbaarBereik::Einde::Afgebroken;
    }
    if (kode == SQLITE_DONE)
    {
        heel = true;
        return kopieerRest(LeesbaarBereik::Einde::Volledig);
    }
    // The damage has been said; anything else is said here.
    sqlite3* verbinding = sqlite3_db_handle(scan.get());
    if (isBeschadiging(sqlite3_extended_errcode(verbinding)))
        return kopieerRest(LeesbaarBereik::Einde::Volledig);
    if (kode == SQLITE_INTERRUPT && isOnderbroken())
        return kopieerRest(LeesbaarBereik::Einde::Afgebroken);
    meldFout(wxSQLite3Exception(sqlite3_extended_errcode(verbinding), wxString::FromUTF8(sqlite3_errmsg(verbinding))));
    return LeesbaarBereik::Einde::Mislukt;
}

// The temporary table of the short columns, empty; `kort` their names for
// a statement, each after a comma. 1: SQLite's temporary folder has no
// room for it.
int SQLite3Basis::maakLeesbaarKopie(const wxString& tabel, const wxArrayString& opgeslagen, const wxArrayString& lang,
                                    wxString& kort)
{
    wxArrayString definitie;
    kort.clear();
    for (const wxString& kolom : opgeslagen)
        if (lang.Index(kolom, false) == wxNOT_FOUND)
        {
            kort += "," + naamQuotes(kolom);
            definitie.Add(naamQuotes(kolom) + geefKolomSoort(tabel, kolom));
        }
    if (voerUit("drop table if exists " + geefLeesbaarKopie(tabel), -1) != 0)
        return 2;
    const int kode = voerTijdelijkUit("create temporary table " + naamQuotes(geefKopieNaam(tabel)) + " (" +
                                      (definitie.empty() ? wxString("leeg") : wxJoin(definitie, ',', '\0')) + ")");
    return kode == SQLITE_DONE ? 0 : (kode & 0xff) == SQLITE_FULL ? 1 : 2;
}

// A column of the copy compares and sorts as in the file: its type, and
// its collation (titles without regard to case).
wxString SQLite3Basis::geefKolomSoort(const wxString& tabel, const wxString& kolom)
{
    const char* type = nullptr;
    const char* volgorde = nullptr;
    if (sqlite3_table_column_metadata(static_cast<sqlite3*>(GetDatabaseHandle()), "main", tabel.utf8_str(),
                                      kolom.utf8_str(), &type, &volgorde, nullptr, nullptr, nullptr) != SQLITE_OK)
        return wxString();
    return (type && *type ? " " + wxString::FromUTF8(type) : wxString()) +
           (volgorde ? " collate " + naamQuotes(wxString::FromUTF8(volgorde)) : wxString());
}

// Every column of the file, those of the definition that it lacks at their
// defaults, and the row id, by which the list finds its rows: a view has
// none of its own. The short columns come from the copy; the long ones from
// the file, each sought by its row id where a read asks for it: a join
// would be read by counts and sums that need none of them.
wxString SQLite3Basis::maakLeesbaarSelect(const wxString& tabel, const wxArrayString& opgeslagen,
                                          const wxArrayString& namen, const wxArrayString& types,
                                          const wxArrayString& lang) const
{
    wxArrayString kolommen;
    for (const wxString& kolom : opgeslagen)
        kolommen.Add(lang.Index(kolom, false) == wxNOT_FOUND
                         ? "k." + naamQuotes(kolom)
                         : "(select t." + naamQuotes(kolom) + " from main." + naamQuotes(tabel) +
                               " t not indexed where t.rowid=k.rowid) as " + naamQuotes(kolom));
    for (size_t i = 0; i < namen.size() && i < types.size(); ++i)
        if (opgeslagen.Index(namen[i], false) == wxNOT_FOUND)
            kolommen.Add(standaardWaarde(types[i]) + " as " + naamQuotes(namen[i]));
    if (opgeslagen.Index("rowid", false) == wxNOT_FOUND)
        kolommen.Add("k.rowid as rowid");
    return "select " + wxJoin(kolommen, ',', '\0') + " from " + geefLeesbaarKopie(tabel) + " k";
}

// A statement on the temporary objects of the stand-in: the user's Cancel
// stops the scan, not the copy of what it read. SQLite's code: SQLITE_DONE
// done; a full temporary folder is the caller's to take, unsaid; any other
// failure is said.
int SQLite3Basis::voerTijdelijkUit(const wxString& opdracht)
{
    std::function<bool()> bewaard;
    std::swap(bewaard, onderbreker);
    const RuweOpdracht kopie(bereidRuwVoor(opdracht));
    const int kode = kopie ? sqlite3_step(kopie.get()) : SQLITE_ERROR;
    std::swap(bewaard, onderbreker);
    if (kopie && kode != SQLITE_DONE && kode != SQLITE_ROW && (kode & 0xff) != SQLITE_FULL)
    {
        sqlite3* verbinding = sqlite3_db_handle(kopie.get());
        meldFout(
            wxSQLite3Exception(sqlite3_extended_errcode(verbinding), wxString::FromUTF8(sqlite3_errmsg(verbinding))));
    }
    return kode;
}

// The view without a copy: every column from the file, over the ranges of
// row ids the scans reached. A range up to the last row a scan reached
// would step past it onto the damaged page before it ends, so that row is
// sought by itself; the same at the other side.
wxString SQLite3Basis::maakBereikSelect(const wxString& tabel, const wxArrayString& opgeslagen,
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
