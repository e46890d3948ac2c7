#ifndef SWEXTERNALS_DESKTOP_WX_WXSQLITE3_SQLITE3BASIS_H
#define SWEXTERNALS_DESKTOP_WX_WXSQLITE3_SQLITE3BASIS_H

#include "base/Stand.h"
#include "swexternals/desktop/wx/wxSQLite3/BestandsKenmerk.h"
#include "swexternals/desktop/wx/wxSQLite3/BestandsKontrole.h"
#include "swexternals/desktop/wx/wxSQLite3/BestandsVersie.h"
#include "swexternals/desktop/wx/wxSQLite3/FoutMelding.h"
#include "swexternals/desktop/wx/wxSQLite3/KontroleGeheugen.h"
#include "swexternals/desktop/wx/wxSQLite3/LeesbaarBereik.h"
#include "swexternals/desktop/wx/wxSQLite3/SchrijfOpdracht.h"
#include "swexternals/desktop/wx/wxSQLite3/Sortering.h"
#include "swexternals/desktop/wx/wxSQLite3/TransaktieVerslag.h"

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>
#include <wx/arrstr.h>
#include <wx/dynarray.h>
#include <wx/filename.h>
#include <wx/string.h>
#include <wx/wxsqlite3.h>

class Opwaardering;
class wxFileConfig;
class wxImage;
struct sqlite3_stmt;

// One connection to one SQLite database: a project file on disk or a
// database in memory. It keeps its path and read-only mode in the
// configuration group "/Configuratie/Database", runs every statement with the
// layer's error reports (no wrapper exception leaves it), builds SQL text, and
// runs changes in manual transactions or under savepoints.
//
// Results are plain integers with the values of TrivaneCode: 0 done,
// 1 nothing done, 2 failed (reported), 3 wrong state, 5 no change.
class SQLite3Basis : public wxSQLite3Database
{
public:
    enum DBStatus : unsigned int
    {
        DBStatusOpen = 0,
        DBStatusGeweigerd = 1,
        DBStatusFout = 2,
        DBStatusGesloten = 4
    };

    enum Journaal : unsigned int
    {
        JournaalDelete = 0,
        JournaalTruncate = 1,
        JournaalPersist = 2,
        JournaalMemory = 3,
        JournaalWAL = 4,
        JournaalOff = 5
    };

    enum Synchronisatie : unsigned int
    {
        SynchronisatieOff = 0,
        SynchronisatieNormal = 1,
        SynchronisatieFull = 2,
        SynchronisatieExtra = 3
    };

    enum TransaktieMode : unsigned int
    {
        TransaktieAutoCommit = 0,
        TransaktieHandmatig = 1,
        TransaktieSavePoint = 2
    };

    enum QueryStatistiek : unsigned int
    {
        StatistiekKleinste = 0,
        StatistiekGrootste = 1,
        StatistiekGemiddelde = 2
    };

    // How the pieces of a search condition are joined.
    enum ZTKoppel : unsigned int
    {
        KoppelEn = 0,
        KoppelOf = 1,
        KoppelEnNiet = 2,
        KoppelOfNiet = 3
    };

    // How long the layer waits for a lock that another connection holds
    // before it gives up and says so: a statement (the busy timeout a
    // connection gets when it opens) and a copy (backup, save as, move) on
    // its source or target. The program keeps these; tests in which another
    // connection holds a lock on purpose make them short.
    struct WachtTijden
    {
        std::chrono::milliseconds slot{3000};
        std::chrono::milliseconds kopie{5000};
    };
    // For connections opened and copies started from now on; returns the
    // times that held before.
    static WachtTijden zetWachtTijden(const WachtTijden& nieuw);
    static WachtTijden geefWachtTijden();

    // When a long read (LangeLezing) hands over to the program: first once
    // it has lasted `eerste` (in work known to last, at its first chance),
    // then `daarna` after the start of the one before, and half of `daarna`
    // after its end at the soonest. Tests make them short. Returns the times
    // that held before.
    struct TussendoorTijden
    {
        std::chrono::milliseconds eerste{100};
        std::chrono::milliseconds daarna{50};
    };
    static TussendoorTijden zetTussendoorTijden(const TussendoorTijden& nieuw);
    // The clock that paces the hand-overs: the steady clock, or in a test
    // one that moves only as the test moves it, so that the pace is known
    // however busy the machine. Returns the one that held before.
    using TussendoorKlok = std::chrono::steady_clock::time_point (*)();
    static TussendoorKlok zetTussendoorKlok(TussendoorKlok nieuw);

    // What the open database holds as this connection sees it, at one
    // moment. Two equal versions hold the same rows: every change run
    // through this layer (a transaction's end or undo included), every row
    // this connection changed in any other way, every commit of another
    // connection and every other open gives another version. Unknown (equal
    // to none) without a database.
    struct InhoudVersie
    {
        const void* verbinding = nullptr;
        unsigned long long opening = 0;
        unsigned long long eigenWijzigingen = 0;
        long long rijWijzigingen = -1;
        long long dataVersie = -1;

        bool operator==(const InhoudVersie& ander) const;
        bool operator!=(const InhoudVersie& ander) const { return !(*this == ander); }
    };

    // The path name that means: no database in use, open nothing.
    static const wxString DatabaseGeslotenNaam;
    static const wxString journalModesStr[6];
    static const wxArrayString journalModes;
    static const wxString synchroModesStr[4];
    static const wxArrayString synchronisatieModes;

    // Reads the configuration group and opens the configured database (an
    // in-memory one when the stored path is ":memory:" or its file is gone).
    SQLite3Basis(wxFileConfig& config, const wxString& extensie, bool alleenLezen, const wxString& sleutel);
    // Reads the configuration group; opens nothing.
    SQLite3Basis(wxFileConfig& config, const wxString& extensie, const wxString& sleutel);
    // Opens the given file; no configuration.
    SQLite3Basis(const wxFileName& bestand, bool alleenLezen, const wxString& sleutel);
    // As the previous; the configuration group is written at the end.
    SQLite3Basis(wxFileConfig& config, const wxFileName& bestand, bool alleenLezen, const wxString& sleutel);
    ~SQLite3Basis() override;

    SQLite3Basis(const SQLite3Basis&) = delete;
    SQLite3Basis& operator=(const SQLite3Basis&) = delete;

    void laadConfigGegevens();
    void bewaarConfigGegevens() const;
    // Read-only as opened, since SQLite found the file damaged, or since
    // its check was stopped or failed.
    bool isAlleenLezenDB() const { return alleenLezen || beschadigd || ongekontroleerd; }
    // SQLite found part of the file damaged: nothing more is written into it
    // until another file is opened.
    bool isBeschadigd() const { return beschadigd; }
    // Says that the open file is damaged, for the reason given, unless that
    // was said already: from now on nothing more is written into it.
    void meldBeschadigd(const wxString& reden);
    // SQLite's check of the whole file, its indexes against their tables
    // included, runs from every open of a file on beside the program, on a
    // connection of its own (BestandsKontrole), unless the program remembers
    // the file's bytes as sound (KontroleGeheugen). Every statement that writes
    // into the file waits for its end here (the layer's gate), the program
    // showing the wait (zetKontroleWachter); this takes over what it found,
    // once. A caller may wait before its work begins. 0 sound, or
    // nothing to check; 2 damaged (said, as meldBeschadigd), or the check
    // was stopped by the user or failed (said): read-only from then on.
    [[nodiscard]] int controleerBestand();
    // The check of this open has ended, or none runs: controleerBestand
    // does not wait. The program's idle time follows the end of a check.
    bool isKontroleKlaar() const { return !kontrole || kontrole->isKlaar(); }
    // What the check of this open found has not been taken over yet.
    bool isKontroleOpen() const { return kontrole != nullptr; }
    // What a write that must wait for the check runs: it shows the wait and
    // waits (BestandsKontrole::wacht), giving the program its turns, and
    // stops the check (BestandsKontrole::onderbreek) when the user will not
    // wait. Nothing may use this connection meanwhile. Empty: the write
    // waits without a turn.
    using KontroleWachter = std::function<void(BestandsKontrole& kontrole)>;
    void zetKontroleWachter(KontroleWachter nieuw) { kontroleWachter = std::move(nieuw); }
    // What a scan that may last reports: how far it is (0 to 1; below 0 not
    // known), once before it begins and now and then after. False stops it.
    using LeesMelder = std::function<bool(double aandeel)>;
    // For a file in which SQLite found part unreadable: a temporary view of
    // the table's name stands in for it in every read, over the rows that a
    // scan in row id order reaches from either end (LeesbaarBereik), read
    // from the file without an index (an index may be the damaged part, or
    // no longer match its table), every column of them. Their columns but
    // those named in `lang` are copied once into a temporary table
    // (geefLeesbaarKopie); the long ones each read seeks in the file by row
    // id, and none touches the damaged pages. Where SQLite's temporary
    // folder has no room for the copy, the view reads every column from the
    // file, over the ranges of row ids (bereik.gekopieerd false). The view gives the row id
    // as its column "rowid"; the columns of the definition that the file
    // lacks come at their defaults. The file stays as it is. 0 made
    // (`bereik` says what it holds: only part when the scan was stopped or
    // failed); 1 nothing to do (not damaged so, made already, or no such
    // table); 2 failed (reported).
    [[nodiscard]] int maakLeesbaarZicht(const wxString& tabel, const wxArrayString& namen, const wxArrayString& types,
                                        const wxArrayString& lang, const LeesMelder& melder, LeesbaarBereik& bereik);
    // The temporary table of the short columns that maakLeesbaarZicht made
    // for `tabel`, named for a statement: a caller may index it.
    static wxString geefLeesbaarKopie(const wxString& tabel);
    // A stand-in of this opening holds less than its whole table: rows lie
    // in the damaged part, or its scan was stopped. Its figures are then
    // those of a part, never of the project.
    bool isLeesbaarDeel() const { return leesbaarOpening == openingen && leesbaarDeel; }
    bool isVersleuteldeDB() const { return versleuteld; }
    bool isDBVeranderd() const { return dbVeranderd; }
    void resetDBVeranderd() { dbVeranderd = false; }
    void zetDBVeranderd() { dbVeranderd = true; }
    DBStatus geefDBStatus() const { return dbStatus; }
    void bewaarDBMetaInfo(bool bewaren) { bewaarMetaInfo = bewaren; }

    // --- Opening and closing, path and names ---

    // Opens what dbPad names. 0 opened; 1 nothing opened (no database in use,
    // a connection still open, or the user cancelled); 2 failed (reported);
    // 5 the missing-file question got none of its answers.
    [[nodiscard]] unsigned int open(bool alleenLezenVerzoek, const wxString& sleutel);
    // The file must carry the path's extension (case-sensitive), else 2.
    [[nodiscard]] unsigned int open(const wxFileName& bestand, bool alleenLezenVerzoek, const wxString& sleutel);
    [[nodiscard]] unsigned int nieuweMemDB(const wxString& sleutel);
    // For a file the program must not change: says why (`reden`, after a
    // first line of its own), closes it and opens it again read-only, as an
    // open that asked for that. 0 opened; otherwise open's code (reported).
    [[nodiscard]] unsigned int heropenAlleenLezen(const wxString& reden);
    // The same for a file whose upgrade the disk had no room for (the code
    // 4 of voerOpwaarderingUit or probeerOpwaardering).
    [[nodiscard]] unsigned int heropenZonderRuimte();
    // Commits what is open, closes; nothing happens without a connection.
    virtual void sluitDB();
    // Closes the connection as the wrapper does, after the statements the
    // layer keeps: SQLite keeps a connection with statements open.
    void Close();
    // Commits what is open, releases every savepoint, and leaves the
    // connection in autocommit mode. 0 done; 2 something could not be
    // committed or released (reported).
    [[nodiscard]] int sluitAfTransakties();
    void sluitVoorgoedDB();
    void resetDBPad();
    // The table that every project database holds. Set, a database that has
    // tables but not this one is no project: every open refuses it, closed
    // and untouched. An empty database may still become a project.
    void zetKenmerkTabel(const wxString& tabel) { kenmerkTabel = tabel; }
    // The same check on the open database: 0 it fits; 2 it was closed,
    // reported, and the path no longer names it.
    [[nodiscard]] unsigned int controleerKenmerkTabel();
    // Readable, and writable unless read-only; the reason is logged.
    [[nodiscard]] static bool controleerPad(const wxFileName& bestand, bool alleenLezen);

    wxFileName geefDBPad() const;
    void zetDBPad(const wxFileName& bestand) { dbPad = bestand; }
    wxString geefBestandExtensie() const;
    void zetBestandExtensie(const wxString& nieuweExtensie);
    bool isDBOpen() const { return IsOpen(); }
    bool isDBOpen(bool schrijfbaar) const;
    bool isMemoryDB() const;
    void schakelAlleenLezen(bool waarde) { alleenLezen = waarde; }
    void schakelVersleuteling(bool waarde) { versleuteld = waarde; }
    void zetStatus(DBStatus status) { dbStatus = status; }
    wxString geefDBNaam(bool metExtensie, bool metAlleenLezen) const;
    wxString geefDBNaamVoorBeschrijving(bool metAlleenLezen) const;
    wxString geefDBPadString(bool metExtensie) const;
    wxString geefDBPadVoorBeschrijving() const;

    // --- Statements and queries: every failure is logged here ---

    // Reports what SQLite said, in the layer's words: a damaged file as
    // such (and from then on nothing is written into it), a lock held by
    // another program with what to do. For the callers that step through
    // rows themselves.
    void meldFout(const wxSQLite3Exception& fout);
    // SQLite's own message of the failure, without the wrapper's additions.
    static wxString sqliteBericht(const wxSQLite3Exception& fout);
    // A path as a URI that SQLite opens with `parameter` ("name=value"), its
    // own ?, # and % written as such.
    static wxString maakBestandsURI(const wxString& pad, const wxString& parameter);
    // The last failure reported was one the layer explained in full: what
    // happened and what the user can do (a damaged file, a lock another
    // program holds, a full disk). A caller then adds no words of its own:
    // the message logged last is the one the user reads first.
    bool isFoutUitgelegd() const { return foutUitgelegd; }

    // 0 done, 2 failed. With `verwacht` other than -1 another number of
    // changed rows is a failure too (the rows stay changed).
    [[nodiscard]] int executeUpdate(const wxString& opdracht, long long verwacht = -1);
    // A statement prepared once and run for many rows. 0 done, 2 failed
    // (reported).
    [[nodiscard]] int bereidVoor(const wxString& opdracht, wxSQLite3Statement& voorbereid);
    // Runs a prepared statement with the values that `bind` binds, as the
    // other form runs a text: refused after a failed commit, every failure
    // reported. The statement is ready for the next values afterwards.
    [[nodiscard]] int executeUpdate(wxSQLite3Statement& voorbereid,
                                    const std::function<void(wxSQLite3Statement&)>& bind, long long verwacht = -1);
    // Not valid (IsOk() false) after a failure.
    wxSQLite3ResultSet executeQuery(const wxString& opdracht, bool loggen = true);
    [[nodiscard]] int executeQueryExternResultaat(const wxString& opdracht, wxSQLite3ResultSet& resultaat);
    // The first column of the first row as a 64-bit integer; -1 after a
    // failure, a query that yields no row included.
    [[nodiscard]] long long executeSkalair(const wxString& opdracht);
    wxArrayString executeStringKolomQuery(const wxString& opdracht, bool loggen = true);
    // The text of a column of the row as the program can show and store it
    // again (ToonbareTekst): a file another tool wrote, or a damaged one, may
    // hold bytes that are no UTF-8. `leeg` for NULL.
    static wxString leesTekst(wxSQLite3ResultSet& rij, int kolom, const wxString& leeg = wxString());
    // The version of what the database holds now.
    InhoudVersie geefInhoudVersie();

    // --- Long reads: the program's window stays alive ---

    // What a long read runs now and then (LangeLezing), also while a commit
    // within it writes: the program lets its window paint. It must not use
    // this connection, nor start anything that does: SQLite forbids that
    // while a statement runs. Empty: nothing.
    void zetTussendoor(std::function<void()> nieuw) { tussendoor = std::move(nieuw); }
    // True while the hand-over runs: no handler may touch the project then.
    bool isTussendoorBezig() const { return tussendoorBezig; }
    // Whether the user stopped the long read that runs: asked as often as
    // the hand-over may run, a true stops the running statement at once
    // (SQLITE_INTERRUPT), which is then not reported as a failure: whoever
    // set this says that the read was stopped. Empty: never.
    void zetOnderbreker(std::function<bool()> nieuw) { onderbreker = std::move(nieuw); }
    bool isOnderbroken() const { return onderbreker && onderbreker(); }
    // What runs every commit (a commit, the release of the savepoint that
    // began the transaction), whoever asked for it: the user's own commit,
    // the next change, the end of safe operation, closing the project. A
    // commit tells nothing while it runs, so the program shows before it
    // that a large change is being written. Empty: the statement runs as it
    // is.
    using CommitOmhulsel = std::function<int(const std::function<int()>& commit)>;
    void zetCommitOmhulsel(CommitOmhulsel nieuw) { commitOmhulsel = std::move(nieuw); }

    // --- Journal and synchronisation ---

    Journaal leesHuidigeJournaalMode();
    Journaal geefHuidigeJournaalMode() const { return huidigeJournaalMode; }
    Synchronisatie leesHuidigeSynchronisatie();
    Synchronisatie geefHuidigeSynchronisatie() const { return huidigeSynchronisatie; }
    // 0 done; 1 the journal cannot change (memory, read-only, or WAL without
    // room for it and a first change) and nothing else had to; 2 a setting
    // failed; 5 nothing to change.
    [[nodiscard]] int schakelMode(Journaal journaal, Synchronisatie synchronisatie);
    [[nodiscard]] int zetGoedeSynchronisatieBijJournalling();
    [[nodiscard]] int doeWALCheckpoint();
    bool isHandmatigIngeschakeld() const { return transaktieMode == TransaktieHandmatig; }

    // --- Manual transactions and savepoints ---

    // Empty name: manual-transaction mode on or off. With a name: set (on) or
    // release (off) that savepoint.
    [[nodiscard]] int schakelHandmatigeTransaktie(Stand stand, const wxString& naam);
    // Before every change: commits the change left open and opens a new
    // transaction. Run the change only on 0: after a failure nothing more is
    // changed until a commit, an undo or the next successful start.
    [[nodiscard]] int startTransaktie();
    [[nodiscard]] int stopTransaktie();
    [[nodiscard]] int rolTerugTransaktie(const wxString& naam);
    // A savepoint nested in what is open (the manual transaction or the
    // savepoint of safe operation) around one change of several statements,
    // which then happens whole or not at all; the transaction mode stays as
    // it is. SavepointBewaker holds one for a scope. 0 set; 2 failed or
    // refused after a failed commit (reported).
    [[nodiscard]] int zetGeheelSavePoint(const wxString& naam);
    // Keeps what ran since it was set. 0 done; 2 failed (reported), and then
    // it is taken back.
    [[nodiscard]] int bewaarGeheel(const wxString& naam);
    // Takes back what ran since it was set, and ends it. 0 done; 2 failed
    // (reported): half a change may be left, so no further change is made
    // until the user undoes the open ones.
    [[nodiscard]] int rolGeheelTerug(const wxString& naam);
    void resetTransaktie();
    // Taken from SQLite itself, never from a flag of ours.
    bool handmatigeTransaktieBezig() const;
    bool rolTerugMogelijk() const;
    bool isSavePointBezig() const { return transaktieMode == TransaktieSavePoint; }

    // --- Leaving changes behind whose commit was refused ---

    // The last commit of what is open failed, and it is all still open.
    bool isCommitGeweigerd() const { return commitGeweigerd && isTransaktieOpenInDB(); }
    // Takes back all that is open, the savepoints of safe operation with it,
    // so that closing has nothing left to commit. 0 done (also when nothing
    // was open); 2 the rollback failed (reported), and all stays open.
    [[nodiscard]] int verwerpOpenWijzigingen();

    // --- Reading tables, columns and rows ---

    // 0 done, 2 no valid table, 3 SQLite error.
    [[nodiscard]] int leesTabelMetQuery(const wxString& opdracht, wxSQLite3Table& tabel);
    [[nodiscard]] int leesTabelMetQuery(const wxString& tabelNaam, const wxString& voorwaarde, Sortering sortering,
                                        const wxString& sorteerKolom, wxSQLite3Table& tabel);
    [[nodiscard]] int leesTabelMetQuery(const wxString& tabelNaam, const wxArrayString& kolommen,
                                        const wxString& voorwaarde, Sortering sortering, const wxString& sorteerKolom,
                                        wxSQLite3Table& tabel);
    [[nodiscard]] int leesTabelMetQuery(const wxString& voorloop, const wxString& tabelNaam,
                                        const wxArrayString& kolommen, const wxString& voorwaarde, Sortering sortering,
                                        const wxString& sorteerKolom, wxSQLite3Table& tabel);
    [[nodiscard]] int leesTabelMetQuery(const wxString& kolomTekst, const wxString& tabelNaam,
                                        const wxString& voorwaarde, Sortering sortering, const wxString& sorteerKolom,
                                        wxSQLite3ResultSet& resultaat, const wxString& dbNaam = wxString());
    wxString leesKolomWaarde(const wxString& tabelNaam, const wxString& kolom, const wxString& voorwaarde,
                             Sortering sortering, const wxString& sorteerKolom);
    wxArrayString leesKolomStrings(const wxString& tabelNaam, const wxString& kolom, const wxString& voorwaarde,
                                   Sortering sortering, bool uniek);
    wxArrayInt leesKolomIntegers(const wxString& tabelNaam, const wxString& kolom, const wxString& voorwaarde,
                                 Sortering sortering, bool uniek);
    wxArrayString leesRijStrings(const wxString& tabelNaam, const wxString& kolomTekst, const wxString& voorwaarde);
    wxArrayInt leesRijIntegers(const wxString& tabelNaam, const wxString& kolomTekst, const wxString& voorwaarde);

    // --- SQL text: every literal from outside goes through a quoting builder ---

    static wxString maakVeilig(const wxString& tekst);
    static wxString quotes(const wxString& tekst);
    static wxString plaatsBoodschapQuotes(const wxString& tekst);
    static wxString verwijderBoodschapQuotes(const wxString& tekst);
    // A glob pattern that finds the text anywhere, its own *, ? and [ literal.
    static wxString sterQuotes(const wxString& tekst);
    // A like pattern that finds the text anywhere, its own %, _ and \ literal.
    static wxString procentQuotes(const wxString& tekst);
    static wxString haakjes(const wxString& tekst);
    static wxString floatWaarde(float waarde, const wxString& formaat);
    static wxString maakExclusiefOf(const wxString& a, const wxString& b);
    static wxString sorteer(const wxString& kolom, Sortering sortering);
    static void maakTabelLijst(const wxArrayString& lijst, wxArrayString& namen, wxArrayString& types);
    static void maakTabelNaamMaakLijst(wxArrayString& lijst, const wxArrayString& namen, const wxArrayString& types);
    static wxString maakSelektie(const wxArrayString& namen, bool metEerste, bool metHaakjes);
    static wxString maakQuery(const wxArrayString& namen, bool metEerste);
    static wxString maakInsert(const wxArrayString& namen, bool metEerste);
    static wxString maakInsert(const wxArrayString& namen, const wxArrayString& waarden, bool metEerste);
    static wxString maakInsert(const wxArrayString& namen, const wxArrayInt& waarden, bool metEerste);
    static wxString maakUpdate(const wxArrayString& namen, bool metEerste);

    [[nodiscard]] int doeInsert(const wxString& tabelNaam, const wxArrayString& namen, const wxArrayString& waarden);
    [[nodiscard]] int doeInsert(const wxString& tabelNaam, const wxArrayString& namen, const wxArrayInt& waarden);
    [[nodiscard]] int doeInsert(const wxString& tabelNaam, const wxArrayString& tekstNamen,
                                const wxArrayString& teksten, const wxArrayString& getalNamen,
                                const wxArrayInt& getallen);
    [[nodiscard]] int doeUpdate(const wxString& tabelNaam, const wxArrayString& namen, const wxArrayString& waarden,
                                const wxString& voorwaarde);
    [[nodiscard]] int doeUpdate(const wxString& tabelNaam, const wxArrayString& namen, const wxArrayInt& waarden,
                                const wxString& voorwaarde);
    [[nodiscard]] int doeUpdate(const wxString& tabelNaam, const wxArrayString& tekstNamen,
                                const wxArrayString& teksten, const wxArrayString& getalNamen,
                                const wxArrayInt& getallen, const wxString& voorwaarde);
    long long geefLaatsteInsertNummer();
    wxArrayString geefKolom(const wxString& tabelNaam, const wxString& kolom, Sortering sortering,
                            const wxString& sorteerKolom);

    // --- Counts, user version, statistics, versions ---

    long long geefAantalRijen(const wxString& tabelNaam);
    [[nodiscard]] int zetUserVersion(int waarde);
    int geefUserVersion();
    // Smallest and largest value; (-1, 1) when the query failed.
    std::pair<int, int> geefIntKolomBereik(const wxString& tabelNaam, const wxString& kolom);
    long long geefKolomVeldLengte(const wxString& tabelNaam, const wxString& kolom, QueryStatistiek statistiek);
    static wxString sqlite3Versie();
    static wxString wxSqlite3Versie();

    // --- Images as BLOBs, in their own file format (PNG when none is set) ---

    // 0 a valid image was read; 2 the column holds no image.
    [[nodiscard]] static int leesAfbeeldingUitBlob(wxSQLite3ResultSet& rij, const wxString& kolom, wxImage& beeld);
    // 0 bound; 1 an invalid image, nothing bound; otherwise the parameter is
    // bound to null and the encoding's failure returned.
    [[nodiscard]] static int zetAfbeeldingInBlob(wxSQLite3Statement& opdracht, unsigned int index,
                                                 const wxImage& beeld);

    // --- Tables: created, upgraded by adding missing columns, copied, renewed ---

    // Names of tables, views and columns go into the SQL as quoted
    // identifiers; a table or view name may carry its database before a ".".
    static wxString naamQuotes(const wxString& naam);
    static wxString tabelQuotes(const wxString& naam);
    // Whole numbers as the list of an "in (...)": those at `vanaf` up to
    // `tot` (to the end when beyond it), separated by commas.
    static wxString getallenLijst(const std::vector<long long>& getallen, size_t vanaf = 0,
                                  size_t tot = static_cast<size_t>(-1));

    // Creates the table when it is missing, else adds the columns it lacks;
    // nothing is removed. 0 done, 1 refused (read-only), 2 failed.
    [[nodiscard]] int maakTabel(const wxString& tabel, const wxArrayString& namen, const wxArrayString& types,
                                const wxArrayString& constraints, bool tijdelijk, bool eerstVerwijderen,
                                bool alsNietBestaat);
    [[nodiscard]] int maakTabel(const wxString& tabel, const wxArrayString& lijst, const wxArrayString& constraints,
                                wxString& insertTekst, bool tijdelijk, bool eerstVerwijderen, bool metEerste);
    // Whether maakTabel can make the table, or bring it up to the definition
    // by adding what it lacks, found before anything is written. 0 it can;
    // 1 it cannot, and `beletsel` says why in the program's words; 2 the
    // file could not be read (reported).
    [[nodiscard]] int controleerOpwaardering(const wxString& tabel, const wxArrayString& namen,
                                             const wxArrayString& types, wxString& beletsel);
    // A table as the upgrade will leave it (the columns of the definition)
    // and what the program writes into it then.
    struct OpwaardeerProef
    {
        wxString tabel;
        wxArrayString namen;
        wxArrayString types;
        wxArrayString opdrachten;
    };
    // After controleerOpwaardering: whether the tables, given their columns,
    // take the program's statements, with the file's own triggers, checks
    // and NOT NULL columns in force. Nothing stays of the trial. 0 they do;
    // 1 one refuses, and `beletsel` says which, SQLite's text after; 2 it
    // could not be tried (reported); 4 the disk has no room (not said).
    [[nodiscard]] int probeerOpwaardering(const std::vector<OpwaardeerProef>& proeven, wxString& beletsel);
    // The upgrade of a file at its start: `werk`, in a transaction of its own
    // (Opwaardering), taken back whole at any failure. It is no change of the
    // user's: nothing of it is kept to be put back. 0 done; 2 failed
    // (reported); 4 the disk had no room, nothing written (not said).
    [[nodiscard]] int voerOpwaarderingUit(const std::function<int()>& werk);
    bool bestaatTabel(const wxString& tabel, const wxString& database);
    wxArrayString geefKolomNamen(const wxString& tabel, bool metEerste);
    long long geefAantalKolommen(const wxString& tabel, bool metEerste);
    int geefKolomNummer(const wxString& tabel, const wxString& titel, bool metEerste);
    [[nodiscard]] int verwijderTabel(const wxString& tabel, bool alsBestaat);
    [[nodiscard]] int maakTabelLeeg(const wxString& tabel);
    [[nodiscard]] int kopieerTabel(const wxString& bron, const wxString& doel, bool tijdelijk);
    [[nodiscard]] int kopieerTabel(const wxString& bron, const wxArrayString& lijst, const wxArrayString& constraints,
                                   const wxString& doel);
    [[nodiscard]] int kopieerTabel(const wxFileName& bestand, const wxString& bron, const wxArrayString& lijst,
                                   const wxArrayString& constraints, const wxString& doel);
    [[nodiscard]] int kopieerTabelRijen(const wxString& bron, const wxString& doel, const wxString& voorwaarde);
    [[nodiscard]] int kopieerTabelAlleRijen(const wxString& bron, const wxString& doel);
    // All or nothing: a renewal that fails leaves the table as it was.
    [[nodiscard]] int vernieuwTabel(const wxString& tabel, const wxArrayString& lijst,
                                    const wxArrayString& constraints);
    [[nodiscard]] int vernieuwTabel(const wxString& tabel, const wxArrayString& namen, const wxArrayString& types,
                                    const wxArrayString& constraints);
    // 0 as many rows, 1 the rows the view leaves out added to `ontbrekend`,
    // 2 the column counts do not fit, 3 fewer rows in the table.
    [[nodiscard]] int controleerTabelVersusZicht(const wxString& tabel, const wxString& zicht,
                                                 const wxString& tabelKolom, const wxString& zichtKolom,
                                                 wxArrayString& ontbrekend, long long extraKolommen);

    // --- Views ---

    bool bestaatZicht(const wxString& naam, bool tijdelijk, const wxString& database);
    // For a read-only database, which cannot take what an older file lacks:
    // when the table is missing, or lacks columns of its definition, a
    // temporary view of its name stands in for it in every read, the missing
    // columns at the defaults of their definitions (no rows for a missing
    // table). The file stays as it is. 0 the table is whole or its stand-in
    // made; 2 failed (reported).
    [[nodiscard]] int maakVervangendZicht(const wxString& tabel, const wxArrayString& namen,
                                          const wxArrayString& types);
    [[nodiscard]] int verwijderZicht(const wxString& naam, bool alsBestaat);
    [[nodiscard]] int maakStdZicht(const wxString& tabel, const wxString& zicht, const wxArrayString& kolommen,
                                   const wxArrayString& toevoegingen, bool metEerste, bool tijdelijk,
                                   bool eerstVerwijderen);
    [[nodiscard]] int maakZicht(const wxString& zicht, const wxString& select, bool tijdelijk, bool eerstVerwijderen);

    // --- Search terms ---

    void zetHoofdletterGevoeligheid(bool gevoelig) { hoofdletterGevoelig = gevoelig; }
    bool isHoofdletterGevoelig() const { return hoofdletterGevoelig; }
    void zetZoektermMoetExactOvereenkomen(bool exact) { exactOvereenkomen = exact; }
    bool komtZoektermExactOvereen() const { return exactOvereenkomen; }
    // The operator and literal that follow a column name; empty for an empty term.
    wxString maakZoekTerm(const wxString& term, bool ontkennen) const;
    void beginZoekTerm() { zoekTermStapel.clear(); }
    void voegToeZoekTerm(const wxString& term, ZTKoppel koppel);
    wxString verwerkZoektermStapel(bool leegMaken);
    // One condition over several columns, without parentheses.
    wxString bouwZoekTermStapel(const wxArrayString& kolommen, const wxString& zoekTerm, ZTKoppel koppel);
    // Whether every value that the term for `nauw` finds is found by the
    // term for `ruim` as well, in the way of matching in force: a text
    // contained in another, with or without regard to case (folded as the
    // search folds), and any text within the empty one. An exact match
    // finds another set for another text.
    bool omvatZoekTerm(const wxString& ruim, const wxString& nauw) const;

    // --- Copies, moving, attached databases, vacuum ---

    // 0 copied; 2 refused or failed (reported), the target left as it was.
    [[nodiscard]] int backup(const wxFileName& doel, const wxString& sleutel);
    [[nodiscard]] int verplaats(const wxFileName& nieuw, const wxString& sleutel);
    [[nodiscard]] int haakAan(const wxFileName& bestand, wxString& alias);
    // 0 detached, 1 not attached here, 2 the detach failed.
    [[nodiscard]] int laatAangehaaktLos(const wxString& alias);
    void stofzuig();

protected:
    wxFileName dbPad;
    wxString extensie;
    wxArrayString aangehaakteDBs;
    Journaal huidigeJournaalMode;
    Synchronisatie huidigeSynchronisatie;
    wxFileConfig* config;
    unsigned int transaktieMode;
    // The mode before the first savepoint was set: the one a savepoint
    // transaction that SQLite took back, and that could not be put back,
    // leaves the connection in.
    unsigned int modeVoorSavePoint = TransaktieAutoCommit;
    DBStatus dbStatus;
    wxArrayString savePointNamen;
    bool hoofdletterGevoelig;
    bool exactOvereenkomen;
    wxArrayString zoekTermStapel;
    bool dbVeranderd;
    bool alleenLezen;
    bool versleuteld;
    bool bewaarMetaInfo;

    // The copy behind backup, save as and moving: `doel` gets the whole
    // database through SQLite's online backup. Refuses while a change is
    // still open, gives up when the source or the target stays locked, and
    // leaves an existing target as it was and no new file after a failure.
    [[nodiscard]] int kopieerDatabase(const wxFileName& doel);
    // What kopieerDatabase checks before it starts: a folder that exists, no
    // folder of that name, not the open file, and an existing target must be
    // a database. 0 fit, 2 not (reported).
    [[nodiscard]] int controleerKopieDoel(const wxFileName& doel);
    static bool isDatabaseBestand(const wxString& pad);
    // Opens a copy with a connection of its own and checks it. True when it is sound.
    static bool isKopieGoed(const wxString& pad);
    // An open that creates the file when it is missing, with the checks of every open.
    [[nodiscard]] unsigned int openOfMaak(const wxFileName& bestand, const wxString& sleutel);
    // Stops the check of the whole file and closes its connection: before
    // the project's own closes, or writes into its file as the program
    // leaves it. Unchecked, the file is read-only from then on.
    void stopKontrole();
    // Before the project's own closes: a check that found the file sound is
    // taken over, any other one stopped. Nothing written at the close waits.
    void laatKontroleLos();
    // The in-use marker of this process, without the application object.
    static unsigned int geefGebruiksMarker();
    bool isSchrijfTransaktieOpen() const;

private:
    friend class SQLite3Lezing;
    friend class LangeLezing;
    friend class Opwaardering;
    friend class TijdelijkeWijziging;

    // Statements prepared once and kept until the connection closes, by text.
    std::unordered_map<std::string, sqlite3_stmt*> bewaardeOpdrachten;
    // Every open counts, so that a connection opened anew is never taken
    // for the one before it.
    unsigned long long openingen = 0;
    // The changes run through this layer, but for those of temporary objects.
    unsigned long long eigenWijzigingen = 0;
    int tijdelijkeWijzigingen = 0;
    std::function<void()> tussendoor;
    std::function<bool()> onderbreker;
    CommitOmhulsel commitOmhulsel;
    bool tussendoorBezig = false;
    bool langeLezingBezig = false;
    std::chrono::steady_clock::time_point volgendeTussendoor;

    // For SQLite3Lezing: a statement for one run (finalized by the caller),
    // or one kept; null after a failure (reported).
    sqlite3_stmt* bereidRuwVoor(const wxString& opdracht);
    sqlite3_stmt* geefBewaardeOpdracht(const wxString& opdracht);
    void vergeetBewaardeOpdrachten();
    // For LangeLezing: false when there is nothing to hand over to.
    bool beginLangeLezing(bool meteen);
    void eindigLangeLezing();
    // SQLite's progress handler during a long read.
    static int opVoortgang(void* verbinding);
    // The hand-over, when it is due.
    void geefTussendoor();
    // Runs the statement as the wrapper runs it. In a long read SQLite calls
    // no progress handler while it writes, syncs and checkpoints a commit:
    // the statement then runs on a thread of its own while this one goes on
    // handing over, and nothing else uses the connection meanwhile (a
    // statement on this thread asserts).
    long long voerUitNaastTussendoor(const char* opdracht);

    // Set when a change could not be started (its predecessor would not
    // commit); executeUpdate refuses changes until a transaction operation
    // succeeds, so no change slips into the wrong transaction.
    bool wijzigingGeblokkeerd;
    // SQLite reported the open file damaged; writes into it are refused.
    bool beschadigd;
    // Part of it cannot be read, as SQLite found.
    bool onleesbaar = false;
    // The check of the whole file of this open, until what it found is
    // taken over.
    std::unique_ptr<BestandsKontrole> kontrole;
    KontroleWachter kontroleWachter;
    // The check of this open was stopped or failed: nothing is written into
    // a file that is not known to be sound.
    bool ongekontroleerd = false;
    // Says what the check found that was not a sound file, and makes the
    // project read-only.
    void zegKontroleUitkomst(const BestandsKontrole& klaar);

    // --- The gate before every write into the file ---

    // Before every statement the layer runs: one that writes into the
    // project's file (SchrijfOpdracht) waits for the check of the whole file
    // while it runs (controleerBestand), and is refused when the file is not
    // known to be sound, then or before: the check has said why. 0 it may
    // run; 2 refused.
    [[nodiscard]] int wachtVoorSchrijven(const char* tekst);
    [[nodiscard]] int wachtVoorSchrijven(sqlite3_stmt* opdracht);
    // Hears from the connection's authorizer (magSchrijven) what each
    // statement asks for.
    SchrijfOpdracht schrijfOpdracht;
    // Whether the gate has to look at a statement at all: a check runs, or
    // its end has not been taken over, or it was stopped.
    bool isPoortBewaakt() const { return kontrole || ongekontroleerd; }
    [[nodiscard]] int wachtOpKontrole();

    // --- What the program remembers of files found sound ---

    // Starts the check of the whole file just opened, unless the program
    // remembers its bytes as sound (KontroleGeheugen); from then on this
    // hears of the connection's commits.
    void beginKontrole(const wxString& naam, const wxString& sleutel, int vlaggen);
    // The check found the file sound: so it is known from the version it
    // began at, when no commit came since.
    void neemGaafOver();
    // The file is known sound at this version: by the check of this open or
    // by what the program remembered, and changed since by this
    // connection's own commits alone. Unknown: not known sound.
    BestandsVersie gaafVersie;
    // The version, and what identified the bytes, the check of this open
    // began at.
    BestandsVersie kontroleVersie;
    BestandsKenmerk kontroleKenmerk;
    // What identified the bytes as the program itself left them: at the
    // opening, or after its last commit. Before each of its commits and at
    // the close they must be so still, or something else wrote into the
    // file: a write beside SQLite leaves every version as it was. Empty:
    // nothing is vouched for. With the count of the connection's pages
    // written before their commit then (geefOverloop).
    BestandsKenmerk eigenKenmerk;
    int eigenOverloop = 0;
    wxString gaafPad;
    void neemEigenKenmerkOp(const BestandsKenmerk& kenmerk);
    bool isEigenKenmerk(bool wal);
    int geefOverloop();
    // A commit of this connection ran, and the version before it, read in
    // SQLite's commit hook while the commit held the lock that keeps the
    // commits of others out, and whether the bytes were the program's own
    // then.
    bool commitGezien = false;
    BestandsVersie voorCommit;
    bool voorCommitEigen = false;
    static int opCommit(void* verbinding);
    // After a statement, or before a close: what its commit did to the
    // file's version is taken over.
    void neemCommitOp();
    // What identifies the file's bytes as its close will leave them, when it
    // is known sound.
    BestandsKenmerk leesKenmerkVoorSluiten();
    // Remembers what identifies the file's bytes now, as sound, when they
    // are the program's own; `naDeTik`: waiting until a change after it
    // would show (BestandsKenmerk::leesNaDeTik). Without it, after a commit,
    // the memory is written only once a change after it would show, and a
    // second at the most after the one before: until then it is left open
    // for a later statement or the close.
    void onthoudGaaf(bool naDeTik);
    bool onthoudingOpen = false;
    std::chrono::steady_clock::time_point volgendeOnthouding;
    // Not known sound any more; `vergeten`: nor remembered so.
    void vergeetGaaf(bool vergeten);
    // The memory of this program's user; none without a configuration.
    const KontroleGeheugen* geefGeheugen();
    std::optional<KontroleGeheugen> kontroleGeheugen;
    void meldGeheugenFout(bool geschreven);
    // The upgrade that runs, if one does: every failing statement of the
    // connection goes to it.
    Opwaardering* opwaardering = nullptr;
    // What SQLite said when the disk had no room for the last upgrade or
    // its trial: the last line of heropenZonderRuimte's message. And whether
    // that was SQLite's temporary folder rather than the file's disk.
    wxString zonderRuimteBericht;
    bool zonderTijdelijkeRuimte = false;
    [[nodiscard]] unsigned int heropenMetWaarschuwing(const wxString& tekst);
    bool foutUitgelegd;
    wxString kenmerkTabel;
    // Whether the log and its index lay beside the file when it was opened:
    // those made by this connection are its own to take away.
    bool logWasEr;
    bool indexWasEr;

    void initialiseer(bool alleenLezenSchakelaar);
    void openBijStart(const wxString& sleutel);
    void meldPadBestaatNiet(const wxFileName& pad) const;

    [[nodiscard]] unsigned int openOntbrekendBestand(const wxString& naam, const wxString& sleutel);
    [[nodiscard]] unsigned int openMetVlaggen(const wxString& naam, const wxString& sleutel, int vlaggen);
    [[nodiscard]] unsigned int openAlleenLezen(const wxString& naam, const wxString& sleutel);
    [[nodiscard]] unsigned int openSchrijfbaar(const wxString& naam, const wxString& sleutel);
    [[nodiscard]] unsigned int controleerDatabaseBestand();
    void meldNietSchrijfbaar(const wxString& naam, const wxString& wat);
    void meldGeenProjekt(const wxString& naam, const wxString& sqliteBericht);
    bool isSchrijfbaarOpSchijf() const;
    static bool isSchrijfbaarPad(const wxString& pad);
    wxString alleenLezenNotitie() const;

    void meldFout(const wxString& formaat, FoutMelding fout);
    // A failure that SQLite met because the disk has no room left: its own
    // code, or an I/O error of a full disk. meldSchijfVol says which disk:
    // the file's, or that of SQLite's temporary folder.
    bool isSchijfVol(int kode) const;
    void meldSchijfVol(const wxString& sqlite, bool bijOpenen);
    // Room on the file's disk for a log, its index and its first change
    // (LogRuimte); false when it cannot be told (reported).
    bool heeftRuimteVoorLog();
    wxString geefWatBleef() const;
    // After an open that failed: the log and index that open made, empty,
    // go again.
    void verwijderGemaakteBijbestanden(const wxString& naam) const;
    // After a read-only look at a database in WAL mode: SQLite made the log
    // and its index for reading, and only a connection that may write takes
    // them away at its close.
    void ruimLeesBijbestandenOp(const wxString& naam) const;
    // `commit`: the caller commits with it (voerCommitUit).
    [[nodiscard]] int voerUit(const wxString& opdracht, long long verwacht, bool commit = false);
    // Runs `voerDoor`, which gives the number of changed rows, with the
    // layer's reports; `neemOp` takes the statement as it ran into the
    // record of the open transaction.
    [[nodiscard]] int voerUit(const std::function<long long()>& voerDoor, const std::function<void()>& neemOp,
                              long long verwacht);
    // After a failed commit: reported, and true.
    bool isWijzigingGeweigerd() const;
    [[nodiscard]] int voerTransaktieUit(const wxString& opdracht);
    // A statement that commits what the transaction holds: a commit, or the
    // release of the savepoint that began it. It tells nothing while it
    // writes: it runs in the commit wrapper, and within a long read on a
    // thread of its own (voerUitNaastTussendoor).
    [[nodiscard]] int voerCommitUit(const wxString& opdracht);

    bool isTransaktieOpenInDB() const;
    // Set by a commit that failed, of the transaction still open; a
    // transaction that begins or ends clears it.
    bool commitGeweigerd = false;
    // What ran in the open transaction, to open it again after SQLite took
    // it back whole at a failure (a commit on a full disk).
    TransaktieVerslag transaktieVerslag;
    // What became of the transaction that the statement failing now took
    // with it, for the report of the failure.
    TransaktieVerslag::Herstel herstel = TransaktieVerslag::Herstel::Geen;
    void onthoudOpdracht(const std::function<void()>& neemOp, bool wasOpen);
    // The version of the file as this connection sees it now; in an open
    // transaction it takes the read lock that keeps other connections'
    // commits out, or makes a write on what it read fail, until the
    // transaction ends.
    BestandsVersie geefBestandsVersie();
    // A prepared statement that ran, with the values it ran with.
    void onthoudVoorbereid(wxSQLite3Statement& voorbereid);
    // After a failed statement: when SQLite took back the transaction that
    // was open before it, that transaction is opened again as it stood, so
    // that the message about the failure can say what became of it.
    void herstelNaFout(bool wasOpen, const wxSQLite3Exception& fout);
    void herstelTransaktie();
    // SQLite's cache keeps a change that was put back whole until it ends
    // (SQLite would otherwise spill it into the file, on a disk that had no
    // room for it); then it spills as before. A statement that writes may
    // spill it (schrijfMetOverloop).
    void zetOverloopUit();
    void zetOverloopTerug();
    long long schrijfMetOverloop(const std::function<long long()>& voerDoor);
    // The cache's spill limit before that, of this opening; none: -1.
    int overloopVoorHerstel = -1;
    unsigned long long overloopOpening = 0;
    // SQLite holds changes of a transaction that is open (in any schema).
    bool houdtWijzigingen();
    [[nodiscard]] int rolTerugNaarSavePoint(const wxString& naam);
    static bool isGeldigeSavePointNaam(const wxString& naam);
    [[nodiscard]] static bool controleerSavePointNaam(const wxString& naam);
    void vergeetSavePointsNa(const wxString& naam, bool zelfOok);
    [[nodiscard]] int zetSavePoint(const wxString& naam);
    [[nodiscard]] int geefSavePointVrij(const wxString& naam);

    Journaal zoekJournaal(const wxString& naam) const;
    [[nodiscard]] int zetJournaal(Journaal journaal);
    [[nodiscard]] int zetSynchronisatie(Synchronisatie synchronisatie);

    // Hands every value of the query to `neem`: column 0 of each row, or
    // every column of the first row. False after an SQLite error (reported).
    [[nodiscard]] bool leesWaarden(const wxString& opdracht, bool heleEersteRij,
                                   const std::function<void(wxSQLite3ResultSet&, int)>& neem);
    static wxString voegSamen(const wxArrayString& namen, size_t vanaf, const wxString& achter);
    static wxString voorwaardeDeel(const wxString& voorwaarde);

    void weigerAlleenLezen(const wxString& reden);
    [[nodiscard]] int leesKolomNamen(const wxString& tabel, wxArrayString& namen);
    [[nodiscard]] int voegKolomToe(const wxString& tabel, const wxString& naam, const wxString& type);
    [[nodiscard]] int maakNieuweTabel(const wxString& tabel, const wxArrayString& namen, const wxArrayString& types,
                                      const wxArrayString& constraints, bool tijdelijk, bool alsNietBestaat);
    [[nodiscard]] int kopieerTabelInhoud(const wxString& bronDeel, const wxArrayString& lijst,
                                         const wxArrayString& constraints, const wxString& doel);
    [[nodiscard]] int vulVernieuwdeTabel(const wxString& tabel, const wxArrayString& lijst,
                                         const wxArrayString& constraints);
    long long telZichten(const wxString& bron, const wxString& naam);
    [[nodiscard]] int verwijderZichtVooraf(const wxString& zicht, bool tijdelijk, bool eerstVerwijderen);
    wxString maakZichtBegin(bool tijdelijk) const;

    // Registers what the connection needs of its own at every open.
    void richtVerbindingIn();
    // From now on SQLite refuses every write into the file, a checkpoint at
    // closing included; the connection's temporary objects stay writable.
    // `onleesbaarDeel`: SQLite found part of it unreadable.
    void markeerBeschadigd(bool onleesbaarDeel = true);
    // Marks the file damaged and says so, once: what is damaged, what to do,
    // then `details` (SQLite's own words) when there are any.
    void zegBeschadigd(const wxString& wat, const wxString& details, bool onleesbaarDeel);
    // The tables that maakLeesbaarZicht stands in for, in the opening
    // `leesbaarOpening`.
    wxArrayString leesbareTabellen;
    unsigned long long leesbaarOpening = 0;
    bool leesbaarDeel = false;
    // The scans of maakLeesbaarZicht over `bron`, the table without its
    // indexes, reading `kolommen` (its columns, quoted, by commas): from the
    // start, and from the end unless the first met no damage.
    // Copies into the temporary table the short columns of the rows of the
    // file that meet the condition it is given: false failed (reported).
    using Kopieer = std::function<bool(const wxString& voorwaarde)>;
    void leesBereik(const wxString& bron, const wxString& kolommen, const Kopieer& kopieer, const LeesMelder& melder,
                    LeesbaarBereik& bereik);
    // One scan, counting in `aantal` the rows it reaches and keeping the
    // last row id in `laatste`; `verder` gives the share done from that row
    // id. `heel`: it reached the table's end, not the damage. What it read
    // it copies, a block at a time and at its end.
    LeesbaarBereik::Einde scanRijen(const wxString& bron, const wxString& kolommen, const Kopieer& kopieer,
                                    bool achteruit, const LeesMelder& melder,
                                    const std::function<double(long long)>& verder, unsigned long long& aantal,
                                    long long& laatste, bool& heel);
    // The temporary table of geefLeesbaarKopie, empty, of the columns but
    // `lang`; `kort` their names for a statement, each after a comma. 0
    // made; 1 SQLite's temporary folder has no room for it (unsaid); 2
    // failed (reported).
    [[nodiscard]] int maakLeesbaarKopie(const wxString& tabel, const wxArrayString& opgeslagen,
                                        const wxArrayString& lang, wxString& kort);
    // What follows a column's name in the copy's definition.
    wxString geefKolomSoort(const wxString& tabel, const wxString& kolom);
    wxString maakLeesbaarSelect(const wxString& tabel, const wxArrayString& opgeslagen, const wxArrayString& namen,
                                const wxArrayString& types, const wxArrayString& lang) const;
    wxString maakBereikSelect(const wxString& tabel, const wxArrayString& opgeslagen, const wxArrayString& namen,
                              const wxArrayString& types, const LeesbaarBereik& bereik) const;
    int voerTijdelijkUit(const wxString& opdracht);
    // The value a column gets from its definition's "default" ("integer
    // default -1": -1); null without one.
    static wxString standaardWaarde(const wxString& type);
    // A statement that found no room was refused by SQLite's temporary
    // folder, not by the file's disk; said as such.
    bool isTijdelijkeRuimteVol() const;
    void meldTijdelijkeRuimteVol(const wxString& sqlite);
    static wxString geefTijdelijkeMap();
    // SQLite's authorizer: refuses writes into a damaged file, and tells
    // the gate before writes what a statement asks for.
    static int magSchrijven(void* verbinding, int actie, const char* eerste, const char* tweede, const char* database,
                            const char* trigger);
};

#endif
