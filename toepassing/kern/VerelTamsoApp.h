#ifndef TOEPASSING_KERN_VERELTAMSOAPP_H
#define TOEPASSING_KERN_VERELTAMSOAPP_H

#include "base/BegrensdBereik.h"
#include "base/Stand.h"
#include "swexternals/desktop/DesktopValuta.h"
#include "swexternals/desktop/wx/wxSQLite3/SQLite3App.h"
#include "swexternals/desktop/wx/wxSQLite3/SQLite3Lezing.h"
#include "swexternals/desktop/wx/wxSQLite3/Sortering.h"
#include "toepassing/kern/GeheugenTeruggave.h"
#include "toepassing/kern/LijstSelektie.h"
#include "toepassing/kern/Requirement.h"
#include "toepassing/kern/RequirementLijst.h"

#include <functional>
#include <list>
#include <optional>
#include <set>
#include <vector>
#include <wx/arrstr.h>
#include <wx/colour.h>
#include <wx/font.h>
#include <wx/string.h>
#include <wx/wxsqlite3.h>

class VensterKoppeling;
class Voortgang;

// The one application object of the requirements tool: the wxWidgets
// application, the holder of the configuration file and the connection to
// the open project, all at once. The windows reach the requirement store,
// the project settings and the list's colours and font through it.
class VerelTamsoApp : public SQLite3App
{
public:
    // The columns of the requirement list, in the order the list shows them.
    enum Kolommen : unsigned int
    {
        KolomID = 0,
        KolomTitel = 1,
        KolomAuteur = 2,
        KolomImplementatie = 3,
        KolomTestValidatie = 4,
        KolomPrioriteit = 5,
        KolomKosten = 6,
        KolomStatus = 7,
        KolomBijdrage = 8,
        KolomVoortgang = 9,
        KolomDatum = 10
    };
    static constexpr const char* applikatieNaam = "VerelTamso";
    static constexpr unsigned int aantalKolommen = 11;
    static constexpr unsigned int aantalStatusWaarden = 5;

    // --- Shared constants ---

    // Titles as English source texts: whoever shows one translates it then.
    static const wxString KolommenNamenVelden[aantalKolommen];
    // The columns of the view RekZicht behind each list column.
    static const wxString KolommenDBNamenVelden[aantalKolommen];
    static const wxString VasteStatusWaarden[aantalStatusWaarden];
    static const wxArrayString vasteStatusWaardenArray;

    static const wxString ConfigTabelNaam;
    static const wxString ConfigTabelZicht;
    static const wxString TamsoTabelNaam;
    static const wxString TamsoTabelZicht;
    static const wxString safepointNaam;

    static const wxColour wit;
    static const wxColour groen;
    static const wxColour lichtblauw;
    static const wxColour donkerblauw;
    static const wxColour donkerrood;
    static const wxColour rood;
    static const wxColour geel;
    static const wxColour lichtgeel;
    static const wxColour veiligRoze;

    static wxArrayString geefKolomNamen();
    // The database layer's column names of a table stay in reach.
    using SQLite3Basis::geefKolomNamen;
    // An empty text for a value outside the columns.
    static wxString geefKolomNaam(Kolommen kolom);
    static wxArrayString geefDBKolomNamen();
    static wxString geefDBKolomNaam(Kolommen kolom);
    // Translated at the time of the call.
    static wxArrayString geefAlleStatusAanduidingen();
    // The translated short name of a status; a status the program does not
    // know (from a damaged or foreign file) shows as its number.
    static wxString geefStatusAanduiding(Requirement::Status status);

    // --- The application object: construction and list settings ---

    // Opens the project of the configuration and reads the list's colours;
    // writes them and the font back when it goes. Made before the toolkit
    // starts: nothing here may need the display.
    VerelTamsoApp();
    ~VerelTamsoApp() override;

    // --- Start-up and the files the desktop hands over ---

    // The main window lives a layer above the application object, so the
    // program tells it how to make one before the toolkit starts. Without a
    // maker the start-up ends with an error.
    using VensterMaker = std::function<VensterKoppeling*(VerelTamsoApp& app)>;
    static void zetVensterMaker(VensterMaker maker);
    // From the program's main, before the toolkit starts: a command line
    // that asks for the version or the usage, or cannot be read, is
    // answered on standard error, with or without a display, and the
    // program ends with the status returned. Nothing when it is to start.
    static std::optional<int> beantwoordCommandoRegel(int argc, char** argv);
    // Command line, start-up checks, handlers, main window, splash screen,
    // the file of the command line or the first language choice, start.
    // False ends the program; geefEindStatus says with what status.
    bool OnInit() override;
    // The exit status of a start-up that ended on purpose (version, help, a
    // restart in another language: 0; a wrong command line: 1), else none.
    static std::optional<int> geefEindStatus();
    // The language dialog over the main window; a changed language restarts.
    void toonTaalDialoog();
    // The desktop's hand-over of files (the original platform's Finder): the
    // first one is opened read-only, in place of the open project.
    void MacOpenFiles(const wxArrayString& bestanden);
    void MacNewFile();
    void MacReopenApp();
    // The main window, or null before OnInit made it and from the moment it
    // is destroyed: taken from the main window DesktopApp keeps, which
    // lets go of it by itself.
    VensterKoppeling* geefVenster() const;

    // Once the toolkit has started, before OnInit: reads the list font too,
    // whose default is the display's GUI font.
    void zetSchermInstellingen() override;

    wxFont geefFont() const { return lijstFont; }
    wxColour geefTekstKleur() const { return lijstTekstKleur; }
    // The list background for the project's state: read-only wins over
    // safe operation; without a project the standard one.
    wxColour geefAchtergrondKleur() const;

    // --- Project schema, views and project settings ---

    // Modes, tables with the list's index, the views KonfZicht and RekZicht,
    // the configuration row and manual transactions. 0 done; 1 no database
    // open; 2 a step failed.
    [[nodiscard]] int startDatabase() override;
    // The start reads the project for the window while it waits for the
    // check of the whole file: it writes nothing then.
    bool isVoorlopig() const { return voorlopig; }
    // Offers to save a project in memory, then commits. 0 done; 1 no
    // database or cancelled; 5 the save dialog cancelled; 3 another answer;
    // otherwise the failed save's code.
    [[nodiscard]] int stopDatabase() override;
    // Renews the view RekZicht when the search condition changed or the view
    // does not hold it. 1 nothing to do, else 0 done or 2 failed.
    [[nodiscard]] int maakRekZicht();
    // A project in which SQLite found part unreadable is read from what can
    // still be read of its tables, from now on. 0 made now; 1 nothing to do
    // (not damaged so, or made already); 2 failed (reported).
    [[nodiscard]] int maakLeesbaarDeel();
    // Empty when it cannot be read.
    wxString geefProjektNaam();
    // 2 when no change can be started, else the update's 0 or 2.
    [[nodiscard]] int zetProjektNaam(const wxString& naam);
    DesktopValuta geefProjektValuta();
    [[nodiscard]] int zetProjektValuta(const DesktopValuta& valuta);

    // --- Reading, search and existence ---

    // The row the table stands on as a record: the eleven list columns, or
    // with `alle` every column. A column the table lacks keeps the default;
    // a date that is missing or no "%Y-%m-%d" date reads as no date.
    Requirement vertaalTabel(wxSQLite3Table& tabel, bool alle);
    // The whole requirement of that number or title (titles without regard
    // to case), a default record when none has it. Read from the table by its
    // index: the two percentages belong to a list query.
    Requirement geefRequirement(int SR);
    Requirement geefRequirement(const wxString& naam);
    // Every requirement with its list columns, in number order; the two
    // percentages are shares of the set of the last list read (of every
    // requirement before the first).
    RequirementLijst geefAllen();

    // --- The requirement list, page by page ---
    //
    // The main window shows the list as a virtual list, which asks only for
    // the rows it shows. At every refill (a change of the criteria, and after
    // every command that may have changed the project) it reads the selection
    // once: leesLijstSelektie gives the I.D numbers in list order with the
    // number listed, their cost sum and their completion. Then it reads the
    // rows it shows with leesLijstPagina, by position in that selection, and
    // the project's own figures with leesProjektTotalen. The database layer's
    // two search switches (case, exact match) are set before the selection.
    //
    // Results: 0 done; 2 the project could not be read (reported: show it as
    // an error, not as an empty list).
    //
    //     LijstSelektie selektie;
    //     if (app->leesLijstSelektie(criteria, selektie) != 0) ... an error
    //     lijst->SetItemCount(selektie.geefAantal());
    //     // the row r the list asks for, in pages of 50:
    //     app->leesLijstPagina(selektie, r / 50 * 50, 50, pagina) ... pagina[r % 50]

    // The criteria of the list, as the main window's controls give them.
    // Status 5, type 3 and functional type 4 mean all.
    struct ZoekCriteria
    {
        Kolommen sorteerKolom = KolomID;
        Sortering sortering = SorteringOplopend;
        wxString zoekTekst;
        wxString persoon;
        Requirement::Status status = Requirement::StatusAlle;
        Requirement::Type type = Requirement::TypeAlle;
        Requirement::FunkType funkType = Requirement::FunkTypeAlle;
        unsigned int minPrioriteit = 1;
    };

    // The requirements that pass the criteria: a search text found in any
    // column, a person in any of the four person columns, the three filters
    // and the minimum priority. Sorted on the column in the direction; equal
    // values, and the list without a direction, in the order they were added.
    // One pass over the project, so a search text reads every row once; but
    // while the project is as it was, the lists read last are kept: the same
    // criteria again (a key taken back, a text typed again) give the list
    // kept at once, and a search text that contains the one of a list kept,
    // with the other criteria as they were, is looked for only in the
    // requirements that list held (the same rows, figures and order). A
    // window's hand-over (zetTussendoor) runs while it lasts.
    [[nodiscard]] int leesLijstSelektie(const ZoekCriteria& criteria, LijstSelektie& selektie);
    // Whether the last selection searched only the rows of a list kept.
    bool isLaatsteSelektieVernauwd() const { return laatsteSelektieVernauwd; }
    // Whether the last selection was a list kept, given again unread.
    bool isLaatsteSelektieOnthouden() const { return laatsteSelektieOnthouden; }
    // The next selection searches the whole project, whatever the lists
    // before held: to compare the two, and to measure either.
    void vergeetVorigeLijst();
    // The rows at positions `vanaf` up to `vanaf + aantal` of the selection
    // (fewer at its end, none beyond it), with the eleven list columns; the
    // two percentages are shares of the selection's set, exactly as zoek
    // gives them. Each row is read by its row id (by its number where the
    // selection has none), so a page costs the same anywhere in the list,
    // and two rows of one number are two rows. 1: the selection is stale (a
    // row of it is no longer in the project as it was): the rows still there
    // are given, and the list must be refilled.
    [[nodiscard]] int leesLijstPagina(const LijstSelektie& selektie, size_t vanaf, size_t aantal,
                                      RequirementLijst& rijen);
    // A damaged project: only the requirements whose list row can still be
    // read stay in the selection, in their order. 0 every one; 1 some were
    // left out (also those not yet read when the user stopped the read).
    [[nodiscard]] int houdLeesbaar(LijstSelektie& selektie);
    // The number of requirements of the whole project and their total cost,
    // counted again only after the project changed.
    [[nodiscard]] int leesProjektTotalen(long long& aantal, long long& kosten);
    // Every person named anywhere in the project, once, sorted. Read again
    // only after the project changed.
    [[nodiscard]] int leesAlleWerknemers(wxArrayString& namen);
    // One part of the same read (WerknemerLezing): the people of the rows
    // of at most about `aantal` numbers after `naNummer` (from the first
    // when it is null) join `namen`, and `laatste` becomes the last number
    // read. 0 a part was read and rows may be left; 1 no row is left; 2 a
    // failure (reported).
    [[nodiscard]] int leesWerknemersDeel(const long long* naNummer, long long aantal, std::set<wxString>& namen,
                                         long long& laatste);
    // The people as last read, when the project is as it was then.
    [[nodiscard]] bool geefBekendeWerknemers(wxArrayString& namen);
    // The people of every row, read in parts while the project was as
    // `versie` tells: known as those of leesAlleWerknemers are.
    void onthoudWerknemers(const wxArrayString& namen, const InhoudVersie& versie);

    // The whole list at once: the selection and all its pages. The
    // requirements that pass the filters, with their shares of the passing
    // set, sorted on the column. An empty list after a failure (reported).
    RequirementLijst zoek(Kolommen sorteerKolom, Sortering sortering, const wxString& zoekTekst,
                          const wxString& persoon, Requirement::Status status, Requirement::Type type,
                          Requirement::FunkType funkType, unsigned int minPrioriteit);
    // Builds the search condition, unless the criteria and the database
    // layer's two search switches are as they were at the last build.
    void maakZoekVelden(const wxString& zoekTekst, const wxString& persoon, Requirement::Status status,
                        Requirement::Type type, Requirement::FunkType funkType, unsigned int minPrioriteit);
    // As the other form; empty after a failure.
    wxArrayString leesAlleWerknemers();
    // The project's figures one by one: -1 on a database error.
    long long geefAantalRequirements();
    // The total cost of the project in 64 bits.
    long long geefTotaleKosten();

    // True when a requirement has the title (or the number); also after an
    // error, so that nothing is added on a doubt.
    bool rekBestaat(const wxString& naam);
    bool rekBestaat(const Requirement& rek);
    // 0 the number is in use (or the query failed), 1 it is free.
    [[nodiscard]] int bestaatRequirement(int SR);
    // The highest number + 1; 0 after an error or when none is left.
    [[nodiscard]] int geefEerstvolgendeSRNummer();

    // The list's font and colours: the font and colour dialog of the main
    // window assigns them directly; they reach the configuration file when
    // the application ends.
    wxFont lijstFont;
    wxColour lijstTekstKleur;
    wxColour leesSchrijfAchtergrondKleur;
    wxColour slechtsLeesAchtergrondKleur;
    wxColour savePointAchtergrondKleur;

protected:
    wxArrayString konfKolomNamen;
    wxArrayString rekKolomNamen;
    // " (naam,...,funkType) values (?,...,?)": every column but the row id.
    wxString rekInsertTekst;

    // The search cache: the criteria the condition was last built from.
    // The initial status, type and functional type are values no search
    // passes, so the first search always builds it.
    wxString vorigeZoekTekst;
    wxString vorigeZoekPersoon;
    Requirement::Status vorigeZoekStatus;
    Requirement::Type vorigeZoekType;
    Requirement::FunkType vorigeZoekFunkType;
    unsigned int vorigeMinPrioriteit;
    // The database layer's two search switches change the comparison the
    // condition is made of, so they belong to the criteria as well.
    bool vorigeHoofdletterGevoelig;
    bool vorigeExactOvereenkomen;
    // Without the word "where".
    wxString zoekVoorwaarde;
    bool zoekVoorwaardeVeranderd;

private:
    // A list read, with what it was made of. Every list kept belongs to the
    // version of the project in `onthoudenVersie`; they go at any change.
    struct OnthoudenLijst
    {
        ZoekCriteria criteria;
        bool hoofdletterGevoelig = false;
        bool exact = false;
        LijstSelektie selektie;
        // Its rows may be searched in place of the project's: it has row ids
        // to trust, and holds at most half the project (searching more of
        // them row by row costs more than one pass over the table).
        bool vernauwbaar = false;

        size_t geefGrootte() const;
    };
    // The newest first; at most `onthoudenGrens` bytes in all.
    std::list<OnthoudenLijst> onthoudenLijsten;
    InhoudVersie onthoudenVersie;
    size_t onthoudenGrootte = 0;
    bool laatsteSelektieVernauwd = false;
    bool laatsteSelektieOnthouden = false;
    // The project's own figures, and the version of the project they were
    // counted in.
    InhoudVersie totalenVersie;
    long long totaalAantal = -1;
    long long totaalKosten = -1;
    // The people of the project, and the version of the project they were
    // read in: every dialog of a requirement shows them.
    InhoudVersie personenVersie;
    wxArrayString personen;
    // The list index leads with the I.D number: the list without a search
    // text is read in number order and needs no sort.
    bool lijstIndexOpNummer = false;

    // What maakLeesbaarDeel does for one table: the scan that finds what can
    // still be read begins once what SQLite found has reached the user, and
    // runs as long work the user may stop; of the requirements, what the list
    // then holds is said (zegLeesbaar).
    [[nodiscard]] int maakLeesbaar(const wxString& tabel, const wxArrayString& namen, const wxArrayString& types);
    void zegLeesbaar(const LeesbaarBereik& bereik);

    // A list kept of exactly these criteria, or null.
    const OnthoudenLijst* zoekOnthouden(const ZoekCriteria& criteria);
    // The smallest list kept whose rows hold every requirement these
    // criteria can list, or null.
    const OnthoudenLijst* zoekRuimer(const ZoekCriteria& criteria) const;
    // The selection read from the project; of the rows of `ruimer` only, when
    // given. 0 done, 2 failed (reported).
    [[nodiscard]] int leesSelektie(const ZoekCriteria& criteria, const OnthoudenLijst* ruimer, LijstSelektie& selektie);
    void onthoudLijst(const ZoekCriteria& criteria, const LijstSelektie& selektie);
    // The list columns of the requirements with these keys (row ids, or
    // with `opRijId` false I.D numbers), in pages of a statement prepared
    // once; `neem` gets each row found with the two numerators (the columns
    // 0 and 1) and, last, its row id. 0 done, 2 failed (reported).
    [[nodiscard]] int leesLijstRijen(const std::vector<long long>& sleutels, bool opRijId,
                                     const std::function<void(Requirement&, SQLite3Lezing&)>& neem);

    // A file named on the command line opens writable, in place of the
    // project of the configuration.
    void openCommandoRegelBestand(wxFileName bestand);
    // The language dialog over the main window: the language chosen, or
    // nothing when the user cancelled.
    std::optional<wxLanguage> vraagTaal();
    // Nothing open to commit, and no project in memory that holds a
    // requirement.
    bool isNietsTeVerliezen();
    void laatGeweigerdBestandLos();
    void leesKleuren();
    void leesFont();
    void bewaarKleuren();
    void bewaarFont();

    [[nodiscard]] int maakKonfiguratieTabel();
    [[nodiscard]] int maakRequirementsTabel();
    [[nodiscard]] int maakLijstIndex();
    bool isLijstIndexInOrde();
    // Whether a writable start adds a table, columns or the list index.
    bool moetSchemaVeranderen();
    // Whether a writable start writes into the file at all.
    bool moetSchrijven();
    // Before a start that writes waits for the check of the whole file: the
    // window shows the project as it can be read meanwhile.
    void toonTijdensKontrole();
    // While that is read: the start writes nothing, as a read-only one.
    bool voorlopig = false;
    // Before a start writes: a file that cannot be brought up to date, or
    // has no room for it, is opened again read-only, saying why. 0 go on;
    // 2 failed (reported).
    [[nodiscard]] int controleerVoorSchrijven();
    // What keeps the project's tables, the list index or the configuration
    // row from being made, or the program's rows from being written into
    // them: as SQLite3Basis::controleerOpwaardering, and 4 as
    // SQLite3Basis::probeerOpwaardering.
    [[nodiscard]] int controleerProjektOpwaardering(wxString& beletsel);
    [[nodiscard]] int controleerKonfiguratieRij(wxString& beletsel);
    // The tables with the list index and the configuration row, whole or
    // not at all. 0 done; 2 failed (reported), nothing written; 4 the disk
    // had no room, nothing written (not said). A start that writes nothing
    // (moetSchrijven) reads them without a transaction.
    [[nodiscard]] int maakProjektTabellen(bool schrijven);
    // The start of a file whose upgrade the disk had no room for: read-only,
    // as it is.
    [[nodiscard]] int startZonderRuimte();
    // A table of another tool may give one I.D number to several
    // requirements: such a project is damaged, and said to be.
    void controleerHerhaaldeNummers();
    [[nodiscard]] int vraagBewarenVanGeheugenDB();
    // The statement that makes the view RekZicht for the current condition.
    wxString maakRekZichtOpdracht() const;
    wxString geefZichtVoorwaarde() const;
    // True when the view on the connection is the one of the current
    // condition. An undo also takes back a view renewed in its transaction.
    bool isRekZichtActueel();
    // Runs the select and makes a list of its rows, with the list columns.
    RequirementLijst leesLijst(const wxString& opdracht);
    // Runs the select and hands each row to `neem` as a record of the list
    // columns, with the row for its other columns. 0 done, 2 failed (the read
    // error reported).
    [[nodiscard]] int stapDoorLijstRijen(const wxString& opdracht,
                                         const std::function<void(Requirement&, wxSQLite3ResultSet&)>& neem);
    // Runs the select and makes a whole record of its first row.
    Requirement leesEen(const wxString& opdracht);
    void voegToeAanZoekVoorwaarde(const wxString& deel);
    // A read that was abandoned, unless the layer's report of its failure
    // said all there is to say.
    void meldLeesFout();
    // A failure while rows were stepped through: reported by the database
    // layer (which knows a damaged file when it sees one), then as a read
    // that was abandoned.
    void meldLeesFout(const wxSQLite3Exception& fout);

    wxString leesKonfiguratie(const wxString& kolom);
    [[nodiscard]] int zetKonfiguratie(const wxString& kolom, const wxString& waarde);

public:
    // --- Changing, adding, deleting, renumbering, safe operation ---
    //
    // Every change to a stored requirement goes through these. Results:
    // 0 done; 1 refused or nothing to do (read-only, no difference, a title
    // or number that exists, an empty list), the reason reported except for
    // an empty list; 2 failed (reported); 5 an empty range. A change whose
    // transaction cannot start is not made. A stored requirement is found by
    // its title and number together; a record that no longer matches its
    // row (it is stale) is reported and gives 2.

    // Writes the columns in which the new record differs from the old one;
    // `start` opens the change's own transaction first.
    [[nodiscard]] int verander(const Requirement& oud, const Requirement& nieuw, bool start);
    // Gives the requirement another number; its SR follows on success.
    [[nodiscard]] int verander(Requirement& rek, int nummer, bool start);
    // Swaps two numbers, whole or not at all.
    [[nodiscard]] int verwisselSR(const Requirement& a, const Requirement& b, bool start);
    [[nodiscard]] int voegToe(const Requirement& rek);
    // Elements whose title or number exists are reported and skipped (1
    // when that leaves none); a database failure ends the list with 2, the
    // rows before it added.
    [[nodiscard]] int voegToe(const RequirementLijst& lijst, bool start);
    [[nodiscard]] int verwijder(const Requirement& rek);
    // In one transaction; stops at the first failure, the rows before it
    // deleted.
    [[nodiscard]] int verwijder(const RequirementLijst& lijst);
    // Adds `offset` to every number in the range, whole or not at all: 0
    // when the last number of the walk (the lower bound going up, the upper
    // going down) was present, 1 when it was not or nothing moved.
    [[nodiscard]] int schuifRekNummersOp(const BegrensdBereik<unsigned int>& bereik, int offset, bool start);
    // Renumbers 1, 2, 3 ... in number order, whole or not at all: 0 done,
    // 1 no gaps (or no requirements).
    [[nodiscard]] int srStrakTrekken();
    // On: every change collects under one savepoint; off: keeps them all
    // and returns to manual transactions. 0 done; 2 failed.
    [[nodiscard]] int schakelSafePoint(Stand stand);
    // Drops every change since safe operation began; it stays on.
    [[nodiscard]] int rollTerugNaarSafePoint();

    // Who hears of work that may last (LangWerk); not owned, null: nobody.
    void zetVoortgang(Voortgang* volger) { voortgang = volger; }
    Voortgang* geefVoortgang() const { return voortgang; }

private:
    // --- Helpers of changing, adding, deleting and renumbering ---

    static wxString maakRijVoorwaarde(const Requirement& rek);
    // Before a change of one stored requirement: 0 when a row still has its
    // title and number; 2 (reported, with the consequence) when none has, or
    // the project cannot say.
    [[nodiscard]] int controleerRij(const Requirement& rek, const wxString& gevolg);
    // True when neither the title nor the number exists; else the clash is
    // reported with one of the two texts, the title first.
    [[nodiscard]] bool isNieuw(const Requirement& rek, const wxString& titelBestaat, const wxString& nummerBestaat);
    // True when one of the records has neither a title nor a number that exists.
    bool heeftNieuwe(const RequirementLijst& lijst);
    [[nodiscard]] int hernummerViaVrijeNummers(const wxString& naarVrij, const wxString& naarNieuw);
    Voortgang* voortgang = nullptr;
    GeheugenTeruggave geheugenTeruggave;
};

#endif
