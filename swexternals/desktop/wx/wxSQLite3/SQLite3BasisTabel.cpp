// Tables: created from their full definition at every start, or upgraded by
// adding the columns an older file lacks; copied, emptied, dropped, renewed.
#include "swexternals/desktop/DesktopAppBasis.h"
#include "swexternals/desktop/DesktopFunkties.h"
#include "swexternals/desktop/ToonbareTekst.h"
#include "swexternals/desktop/wx/wxSQLite3/Opwaardering.h"
#include "swexternals/desktop/wx/wxSQLite3/SQLite3Basis.h"
#include "swexternals/desktop/wx/wxSQLite3/SavepointBewaker.h"
#include "swexternals/desktop/wx/wxSQLite3/TijdelijkeWijziging.h"

#include <algorithm>
#include <sqlite3.h>
#include <string>
#include <wx/intl.h>
#include <wx/log.h>

namespace
{
const wxString kopieNaam = "tabelKopie";
const wxString vernieuwPunt = "VernieuwTabel";
const wxString opwaardeerPunt = "TabelOpwaardering";
const wxString proefTabel = "temp.\"OpwaardeerProef\"";
const wxString aanhakerVoorloop = "TijdelijkeAanhaker_";
const wxString proefBegin = "begin transaction";
// As every change of the program: another program's lock refuses it at
// once, with nothing left open.
const wxString opwaardeerBegin = "begin immediate transaction";

wxString leesAlleenHerstel()
{
    return DesktopAppBasis::vr +
           _("Please close and reopen the database in read-write mode in order to accomplish this.");
}

// The positions of the names the table does not hold, compared exactly.
wxArrayInt geefOntbrekend(const wxArrayString& opgeslagen, const wxArrayString& namen)
{
    wxArrayInt ontbrekend;
    for (size_t i = 0; i < namen.size(); ++i)
        if (opgeslagen.Index(namen[i], true) == wxNOT_FOUND)
            ontbrekend.Add(static_cast<int>(i));
    return ontbrekend;
}

// The statement that adds the column as the upgrade adds it. SQLite adds no
// column whose default is a time of the moment: such a column is added bare
// and its rows get the moment of the upgrade afterwards.
wxString kolomToevoeging(const wxString& tabel, const wxString& naam, const wxString& type)
{
    const wxString toevoeging = "alter table " + tabel + " add column " + SQLite3Basis::naamQuotes(naam);
    return type.Lower().Contains("current_") ? toevoeging : toevoeging + " " + type;
}

// The names from the second on (or all), each a quoted identifier, joined by ",".
wxString gequoteLijst(const wxArrayString& namen, bool metEerste)
{
    wxString lijst;
    for (size_t i = metEerste ? 0 : 1; i < namen.size(); ++i)
        lijst += (lijst.empty() ? "" : ",") + SQLite3Basis::naamQuotes(namen[i]);
    return lijst;
}

// What the schema or a rule of the table says against a statement, as
// opposed to a lock, the disk or damage.
bool isWeigering(int kode)
{
    return kode == SQLITE_CONSTRAINT || kode == SQLITE_ERROR || kode == SQLITE_MISMATCH || kode == SQLITE_TOOBIG ||
           kode == SQLITE_RANGE;
}

// Adds the missing columns, as the upgrade would, to a stand-in in the
// connection's temporary database that holds the table's names and, when
// the table has rows, one row. 0 all taken; 1 `beletsel` names the first
// that SQLite refuses, in its words; 2 the stand-in failed (reported).
int probeerKolommen(SQLite3Basis& db, const wxString& tabel, const wxArrayString& opgeslagen, bool metRij,
                    const wxArrayString& namen, const wxArrayString& types, const wxArrayInt& ontbrekend,
                    wxString& beletsel)
{
    const TijdelijkeWijziging alleenTijdelijk(db);
    if (db.executeUpdate("drop table if exists " + proefTabel, -1) != 0 ||
        db.executeUpdate("create temporary table " + proefTabel + " (" + gequoteLijst(opgeslagen, true) + ")", -1) !=
            0 ||
        (metRij && db.executeUpdate("insert into " + proefTabel + " default values", -1) != 0))
        return 2;
    int resultaat = 0;
    for (const int i : ontbrekend)
    {
        try
        {
            db.ExecuteUpdate(kolomToevoeging(proefTabel, namen[i], types[i]));
        }
        catch (const wxSQLite3Exception& fout)
        {
            beletsel = wxString::Format(_("The table \"%s\" lacks the column \"%s\", which cannot be added to it."),
                                        tabel, namen[i]) +
                       DesktopAppBasis::vr + _("SQLite3 error:") + DesktopAppBasis::sp +
                       DesktopFunkties::dubbeleQuotes(SQLite3Basis::sqliteBericht(fout));
            resultaat = 1;
            break;
        }
    }
    return db.executeUpdate("drop table " + proefTabel, -1) != 0 ? 2 : resultaat;
}
} // namespace

wxString SQLite3Basis::naamQuotes(const wxString& naam)
{
    wxString veilig = naam;
    veilig.Replace("\"", "\"\"");
    return "\"" + veilig + "\"";
}

wxString SQLite3Basis::getallenLijst(const std::vector<long long>& getallen, size_t vanaf, size_t tot)
{
    tot = std::min(tot, getallen.size());
    std::string tekst;
    tekst.reserve((tot > vanaf ? tot - vanaf : 0) * 7);
    for (size_t i = vanaf; i < tot; ++i)
    {
        if (i != vanaf)
            tekst += ',';
        tekst += std::to_string(getallen[i]);
    }
    return wxString::FromAscii(tekst.c_str(), tekst.size());
}

wxString SQLite3Basis::tabelQuotes(const wxString& naam)
{
    const int punt = naam.Find('.');
    if (punt == wxNOT_FOUND)
        return naamQuotes(naam);
    return naamQuotes(naam.Left(punt)) + "." + naamQuotes(naam.Mid(punt + 1));
}

void SQLite3Basis::weigerAlleenLezen(const wxString& reden)
{
    wxLogError("%s", _("Database") + DesktopFunkties::dubbeleQuotes(geefDBNaam(false, true), true) + reden);
    dbStatus = DBStatusGeweigerd;
}

int SQLite3Basis::maakTabel(const wxString& tabel, const wxArrayString& namen, const wxArrayString& types,
                            const wxArrayString& constraints, bool tijdelijk, bool eerstVerwijderen,
                            bool alsNietBestaat)
{
    if (types.size() < namen.size())
    {
        DesktopFunkties::wxErrorVeilig(_("The definition of table") + DesktopFunkties::dubbeleQuotes(tabel, true) +
                                       _("holds fewer types than columns."));
        return 2;
    }
    if (eerstVerwijderen)
    {
        if (!tijdelijk && isAlleenLezenDB())
            weigerAlleenLezen(_("is read-only and cannot be altered."));
        else if (executeUpdate("drop table if exists " + tabelQuotes(tabel), -1) != 0)
            return 2;
    }
    if (!bestaatTabel(tabel, wxString()))
        return maakNieuweTabel(tabel, namen, types, constraints, tijdelijk, alsNietBestaat);

    wxArrayString opgeslagen;
    const int gelezen = leesKolomNamen(tabel, opgeslagen);
    if (gelezen != 0)
        return gelezen;
    const wxArrayInt ontbrekend = geefOntbrekend(opgeslagen, namen);
    if (ontbrekend.empty())
        return 0;
    if (!tijdelijk && isAlleenLezenDB())
    {
        weigerAlleenLezen(_("is read-only.") + DesktopAppBasis::vr + _("However, columns must be added to a table.") +
                          leesAlleenHerstel());
        return 1;
    }
    // Whole or not at all: a table with half its new columns would be a
    // table of no version, and the next start would try again on it.
    SavepointBewaker geheel(*this, opwaardeerPunt);
    if (!geheel.isGezet())
        return 2;
    for (const int i : ontbrekend)
        if (voegKolomToe(tabel, namen[i], types[i]) != 0)
            return 2;
    if (geheel.bewaar() != 0)
        return 2;
    dbVeranderd = true;
    return 0;
}

int SQLite3Basis::voegKolomToe(const wxString& tabel, const wxString& naam, const wxString& type)
{
    static const wxString momenten[3] = {"current_timestamp", "current_time", "current_date"};
    const wxString kleinType = type.Lower();
    const int toegevoegd = executeUpdate(kolomToevoeging(tabelQuotes(tabel), naam, type), -1);
    if (toegevoegd != 0 || !kleinType.Contains("current_"))
        return toegevoegd;
    for (const wxString& moment : momenten)
        if (kleinType.Contains(moment))
            return executeUpdate("update " + tabelQuotes(tabel) + " set " + naamQuotes(naam) + "=" + moment, -1);
    return 0;
}

// What SQLite adds to a table depends on the column (no primary key, nothing
// unique, a constant default, "not null" only with a default or to an empty
// table) and on the names the table holds. Each column the table lacks is
// added first to a stand-in of the connection's own, with the table's names
// and, as the table has them, a row: the file is only read.
int SQLite3Basis::controleerOpwaardering(const wxString& tabel, const wxArrayString& namen, const wxArrayString& types,
                                         wxString& beletsel)
{
    beletsel.clear();
    wxString soort;
    wxString definitie;
    if (!leesWaarden("select type,sql from main.sqlite_master where type in ('table','view','index') and name==" +
                         quotes(tabel) + " collate nocase",
                     true,
                     [&](wxSQLite3ResultSet& rij, int kolom)
                     { (kolom == 0 ? soort : definitie) = leesTekst(rij, kolom); }))
        return 2;
    if (soort.empty())
        return 0;
    // A view or an index takes no columns, a virtual table is another
    // module's, and a table of this name cannot be made beside either.
    if (soort != "table" || definitie.Upper().StartsWith("CREATE VIRTUAL TABLE"))
    {
        beletsel = wxString::Format(_("The name \"%s\" is in use in the file by a view, an index or a table of another "
                                      "kind."),
                                    tabel);
        return 1;
    }
    wxArrayString opgeslagen;
    if (leesKolomNamen("main." + tabel, opgeslagen) != 0)
        return 2;
    const wxArrayInt ontbrekend = geefOntbrekend(opgeslagen, namen);
    if (ontbrekend.empty())
        return 0;
    // SQLite would take it for the column it holds, and add nothing.
    for (const int i : ontbrekend)
    {
        const int anders = opgeslagen.Index(namen[i], false);
        if (anders == wxNOT_FOUND)
            continue;
        beletsel = wxString::Format(_("The table \"%s\" cannot get the column \"%s\": it has the column \"%s\" "
                                      "already, whose name differs only in upper and lower case."),
                                    tabel, namen[i], opgeslagen[anders]);
        return 1;
    }
    const long long rijen = executeSkalair("select exists(select 1 from main." + naamQuotes(tabel) + ")");
    if (rijen < 0)
        return 2;
    return probeerKolommen(*this, tabel, opgeslagen, rijen > 0, namen, types, ontbrekend, beletsel);
}

// On the file itself, so that its triggers and checks see what the program
// will write: in a transaction that is always rolled back, never committed
// (SQLite would count even an empty commit in the file's header). A row or
// two stay in SQLite's cache until the rollback; a rollback journal made on
// the way goes with it.
int SQLite3Basis::probeerOpwaardering(const std::vector<OpwaardeerProef>& proeven, wxString& beletsel)
{
    beletsel.clear();
    Opwaardering proef(*this, proefBegin);
    if (proef.isMislukt())
        return proef.geefUitkomst(0);
    wxString tabel;
    try
    {
        for (const OpwaardeerProef& stap : proeven)
        {
            tabel = stap.tabel;
            wxArrayString opgeslagen;
            if (!bestaatTabel(tabel, "main") || leesKolomNamen("main." + tabel, opgeslagen) != 0)
                continue;
            for (const int i : geefOntbrekend(opgeslagen, stap.namen))
                ExecuteUpdate(kolomToevoeging("main." + naamQuotes(tabel), stap.namen[i], stap.types[i]));
            for (const wxString& opdracht : stap.opdrachten)
                ExecuteUpdate(opdracht);
        }
    }
    catch (const wxSQLite3Exception& fout)
    {
        if (tabel.empty() || !isWeigering(fout.GetErrorCode() & 0xff))
            proef.noteer(fout);
        else
        {
            beletsel =
                wxString::Format(_("The table \"%s\" refuses the rows that the program writes into it."), tabel) +
                DesktopAppBasis::vr + _("SQLite3 error:") + DesktopAppBasis::sp +
                DesktopFunkties::dubbeleQuotes(sqliteBericht(fout));
            return 1;
        }
    }
    proef.rolTerug();
    return proef.geefUitkomst(0);
}

int SQLite3Basis::voerOpwaarderingUit(const std::function<int()>& werk)
{
    Opwaardering opwaardering(*this, opwaardeerBegin);
    const int gedaan = opwaardering.isMislukt() ? 2 : werk();
    return opwaardering.geefUitkomst(gedaan == 0 ? opwaardering.bewaar() : gedaan);
}

int SQLite3Basis::maakNieuweTabel(const wxString& tabel, const wxArrayString& namen, const wxArrayString& types,
                                  const wxArrayString& constraints, bool tijdelijk, bool alsNietBestaat)
{
    if (!tijdelijk && isAlleenLezenDB())
    {
        weigerAlleenLezen(_("is read-only.") + DesktopAppBasis::vr + _("However, a table must be added.") +
                          leesAlleenHerstel());
        return 1;
    }
    wxString opdracht = tijdelijk ? "create temporary table " : "create table ";
    if (alsNietBestaat)
        opdracht += " if not exists ";
    opdracht += tabelQuotes(tabel) + "(";
    wxArrayString delen;
    for (size_t i = 0; i < namen.size(); ++i)
        delen.Add(naamQuotes(namen[i]) + " " + types[i]);
    for (const wxString& constraint : constraints)
        delen.Add(constraint);
    opdracht += wxJoin(delen, ',', '\0') + ");";
    const int resultaat = executeUpdate(opdracht, -1);
    if (resultaat == 0 && !tijdelijk)
        dbVeranderd = true;
    return resultaat;
}

int SQLite3Basis::maakTabel(const wxString& tabel, const wxArrayString& lijst, const wxArrayString& constraints,
                            wxString& insertTekst, bool tijdelijk, bool eerstVerwijderen, bool metEerste)
{
    wxArrayString namen;
    wxArrayString types;
    maakTabelLijst(lijst, namen, types);
    const int resultaat = maakTabel(tabel, namen, types, constraints, tijdelijk, eerstVerwijderen, false);
    insertTekst = resultaat == 2 ? wxString() : maakInsert(namen, metEerste);
    return resultaat;
}

// Compared as SQLite compares table names: without regard to case, and a
// "_" or "%" in the name is no wildcard.
bool SQLite3Basis::bestaatTabel(const wxString& tabel, const wxString& database)
{
    const wxString bron = database.empty() ? wxString("sqlite_master") : naamQuotes(database) + ".sqlite_master";
    return executeSkalair("select count(*) from " + bron + " where type='table' and name==" + quotes(tabel) +
                          " collate nocase") > 0;
}

// A name with a "." reads the table of the attached database before it.
int SQLite3Basis::leesKolomNamen(const wxString& tabel, wxArrayString& namen)
{
    const int punt = tabel.Find('.');
    const wxString argumenten =
        punt == wxNOT_FOUND ? quotes(tabel) : quotes(tabel.Mid(punt + 1)) + "," + quotes(tabel.Left(punt));
    wxSQLite3ResultSet rijen;
    const int resultaat = executeQueryExternResultaat("select name from pragma_table_info(" + argumenten + ")", rijen);
    if (resultaat != 0)
        return resultaat;
    try
    {
        while (rijen.NextRow())
            namen.Add(leesTekst(rijen, 0));
        return 0;
    }
    catch (const wxSQLite3Exception& fout)
    {
        meldFout(fout);
        dbStatus = DBStatusFout;
        return 2;
    }
}

wxArrayString SQLite3Basis::geefKolomNamen(const wxString& tabel, bool metEerste)
{
    wxArrayString namen;
    // A table that cannot be read (reported) has no columns to give.
    if (leesKolomNamen(tabel, namen) != 0)
        namen.clear();
    if (!metEerste && !namen.empty())
        namen.RemoveAt(0);
    return namen;
}

long long SQLite3Basis::geefAantalKolommen(const wxString& tabel, bool metEerste)
{
    const long long aantal = static_cast<long long>(geefKolomNamen(tabel, metEerste).size());
    DesktopFunkties::wxLogVeilig("(SQLite3Basis::geefAantalKolommen) " + tabel + " : " +
                                 wxString::Format("%lld", aantal));
    return aantal;
}

int SQLite3Basis::geefKolomNummer(const wxString& tabel, const wxString& titel, bool metEerste)
{
    const wxArrayString namen = geefKolomNamen(tabel, metEerste);
    for (size_t i = 0; i < namen.size(); ++i)
        if (wxGetTranslation(namen[i]) == titel)
            return static_cast<int>(i);
    return -1;
}

int SQLite3Basis::verwijderTabel(const wxString& tabel, bool alsBestaat)
{
    if (!alsBestaat && !bestaatTabel(tabel, wxString()))
        return 1;
    const int resultaat =
        executeUpdate((alsBestaat ? "drop table if exists " : "drop table ") + tabelQuotes(tabel), -1);
    dbVeranderd = true;
    return resultaat;
}

int SQLite3Basis::maakTabelLeeg(const wxString& tabel)
{
    const int resultaat = executeUpdate("delete from " + tabelQuotes(tabel), -1);
    dbVeranderd = true;
    return resultaat;
}

int SQLite3Basis::kopieerTabel(const wxString& bron, const wxString& doel, bool tijdelijk)
{
    const int resultaat = executeUpdate((tijdelijk ? "create temp table " : "create table ") + tabelQuotes(doel) +
                                            " as select * from " + tabelQuotes(bron),
                                        -1);
    if (!tijdelijk)
        dbVeranderd = true;
    return resultaat;
}

int SQLite3Basis::kopieerTabel(const wxString& bron, const wxArrayString& lijst, const wxArrayString& constraints,
                               const wxString& doel)
{
    return kopieerTabelInhoud(tabelQuotes(bron), lijst, constraints, doel);
}

int SQLite3Basis::kopieerTabelInhoud(const wxString& bronDeel, const wxArrayString& lijst,
                                     const wxArrayString& constraints, const wxString& doel)
{
    wxString insertTekst;
    const int gemaakt = maakTabel(doel, lijst, constraints, insertTekst, false, false, false);
    if (gemaakt != 0)
        return gemaakt;
    const int resultaat = executeUpdate("insert into " + tabelQuotes(doel) + " select * from " + bronDeel, -1);
    dbVeranderd = true;
    return resultaat;
}

int SQLite3Basis::kopieerTabel(const wxFileName& bestand, const wxString& bron, const wxArrayString& lijst,
                               const wxArrayString& constraints, const wxString& doel)
{
    wxString alias = aanhakerVoorloop + bestand.GetName();
    const int aangehaakt = haakAan(bestand, alias);
    if (aangehaakt == 2)
        return aangehaakt;
    return kopieerTabelInhoud(naamQuotes(alias) + "." + naamQuotes(bron), lijst, constraints, doel);
}

int SQLite3Basis::kopieerTabelRijen(const wxString& bron, const wxString& doel, const wxString& voorwaarde)
{
    const wxString kolommen = gequoteLijst(geefKolomNamen(bron, true), false);
    return executeUpdate("insert into " + tabelQuotes(doel) + " (" + kolommen + ") select " + kolommen + " from " +
                             tabelQuotes(bron) + voorwaardeDeel(voorwaarde),
                         -1);
}

int SQLite3Basis::kopieerTabelAlleRijen(const wxString& bron, const wxString& doel)
{
    return kopieerTabelRijen(bron, doel, wxString());
}

// The renewal runs under a savepoint of its own: once the old table is
// dropped, a failing re-creation or refill would otherwise leave its rows only
// in a temporary copy that vanishes with the connection.
int SQLite3Basis::vernieuwTabel(const wxString& tabel, const wxArrayString& lijst, const wxArrayString& constraints)
{
    const int begonnen = startTransaktie();
    if (begonnen != 0)
        return begonnen;
    {
        SavepointBewaker bewaker(*this, vernieuwPunt);
        if (!bewaker.isGezet())
            return 2;
        const int gevuld = vulVernieuwdeTabel(tabel, lijst, constraints);
        if (gevuld == 0)
        {
            const int vrij = bewaker.bewaar();
            if (vrij != 0)
                return vrij;
        }
        else
        {
            // Taken back by the savepoint as this scope ends.
            DesktopFunkties::wxErrorVeilig(_("Table") + DesktopFunkties::dubbeleQuotes(tabel, true) +
                                           _("could not be renewed; it was left as it was."));
            return gevuld;
        }
    }
    dbVeranderd = true;
    return transaktieMode == TransaktieHandmatig ? stopTransaktie() : 0;
}

int SQLite3Basis::vulVernieuwdeTabel(const wxString& tabel, const wxArrayString& lijst,
                                     const wxArrayString& constraints)
{
    const wxString kopie = "temp." + naamQuotes(kopieNaam);
    int resultaat = kopieerTabel(tabel, kopieNaam, true);
    if (resultaat == 0)
        resultaat = verwijderTabel(tabel, false);
    wxString insertTekst;
    if (resultaat == 0)
        resultaat = maakTabel(tabel, lijst, constraints, insertTekst, false, false, false);
    if (resultaat == 0)
        resultaat = executeUpdate("insert into " + tabelQuotes(tabel) + " select " +
                                      gequoteLijst(geefKolomNamen(tabel, true), true) + " from " + kopie,
                                  -1);
    if (resultaat == 0)
        resultaat = executeUpdate("drop table if exists " + kopie, -1);
    return resultaat;
}

int SQLite3Basis::vernieuwTabel(const wxString& tabel, const wxArrayString& namen, const wxArrayString& types,
                                const wxArrayString& constraints)
{
    wxArrayString lijst;
    maakTabelNaamMaakLijst(lijst, namen, types);
    return vernieuwTabel(tabel, lijst, constraints);
}

int SQLite3Basis::controleerTabelVersusZicht(const wxString& tabel, const wxString& zicht, const wxString& tabelKolom,
                                             const wxString& zichtKolom, wxArrayString& ontbrekend,
                                             long long extraKolommen)
{
    if (geefAantalKolommen(zicht, true) + extraKolommen != geefAantalKolommen(tabel, true))
        return 2;
    const long long tabelRijen = geefAantalRijen(tabelQuotes(tabel));
    const long long zichtRijen = geefAantalRijen(tabelQuotes(zicht));
    if (tabelRijen < 0 || zichtRijen < 0)
        return 2; // a count that failed says nothing about the rows
    if (tabelRijen == zichtRijen)
        return 0;
    if (tabelRijen < zichtRijen)
        return 3;

    wxSQLite3Table tabelWaarden;
    wxSQLite3Table zichtWaarden;
    int resultaat = leesTabelMetQuery("select " + naamQuotes(tabelKolom) + " from " + tabelQuotes(tabel), tabelWaarden);
    if (resultaat == 0)
        resultaat = leesTabelMetQuery("select " + naamQuotes(zichtKolom) + " from " + tabelQuotes(zicht), zichtWaarden);
    if (resultaat != 0)
        return resultaat;
    try
    {
        int wijzer = 0;
        for (int rij = 0; rij < tabelWaarden.GetRowCount(); ++rij)
        {
            tabelWaarden.SetRow(rij);
            const wxString waarde = ToonbareTekst::maak(tabelWaarden.GetString(0, wxString()));
            if (wijzer < zichtWaarden.GetRowCount())
            {
                zichtWaarden.SetRow(wijzer);
                if (ToonbareTekst::maak(zichtWaarden.GetString(0, wxString())) == waarde)
                {
                    ++wijzer;
                    continue;
                }
            }
            ontbrekend.Add(waarde);
        }
    }
    catch (const wxSQLite3Exception& fout)
    {
        meldFout(fout);
        return 2;
    }
    return 1;
}
