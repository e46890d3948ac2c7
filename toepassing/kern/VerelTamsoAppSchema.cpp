// The project schema: the tables Configuratie and Requirements made or
// extended at every start, the views read through, and the project's name
// and currency.
#include "swexternals/desktop/DesktopVraag.h"
#include "swexternals/desktop/wx/wxSQLite3/SavepointBewaker.h"
#include "swexternals/desktop/wx/wxSQLite3/TijdelijkeWijziging.h"
#include "toepassing/kern/LangWerk.h"
#include "toepassing/kern/LijstAandeel.h"
#include "toepassing/kern/ProjektBestandsNaam.h"
#include "toepassing/kern/RequirementVeld.h"
#include "toepassing/kern/VensterKoppeling.h"
#include "toepassing/kern/VerelTamsoApp.h"

#include <optional>
#include <vector>
#include <wx/intl.h>
#include <wx/log.h>

namespace
{
// Names and definitions side by side, as maakTabel takes them.
struct TabelDefinitie
{
    wxArrayString namen;
    wxArrayString types;
    wxArrayString beperkingen;

    void kolom(const wxString& naam, const wxString& type)
    {
        namen.Add(naam);
        types.Add(type);
    }
};

// Built at the first start, so the default project name is the one of the
// language in force then.
const TabelDefinitie& konfiguratieDefinitie()
{
    static const TabelDefinitie definitie = []
    {
        const wxString euro =
            "text default " + SQLite3Basis::quotes(wxString("EUR\t\t European Union Euro \t\t") + wxUniChar(0x20AC));
        TabelDefinitie d;
        d.kolom("id", "integer primary key");
        d.kolom("naam", "text not null collate nocase default " + SQLite3Basis::quotes(_("A new project")));
        d.kolom("valuta", euro);
        d.beperkingen.Add("unique(naam)");
        return d;
    }();
    return definitie;
}

const TabelDefinitie& requirementsDefinitie()
{
    static const TabelDefinitie definitie = []
    {
        TabelDefinitie d;
        d.kolom("id", "integer primary key");
        for (const RequirementVeld& veld : RequirementVeld::alle())
            d.kolom(veld.kolom, veld.definitie);
        d.beperkingen.Add("unique(naam)");
        d.beperkingen.Add("unique(SR)");
        return d;
    }();
    return definitie;
}

struct ProjektTabel
{
    const wxString& naam;
    const TabelDefinitie& definitie;
};

std::vector<ProjektTabel> projektTabellen()
{
    return {{VerelTamsoApp::ConfigTabelNaam, konfiguratieDefinitie()},
            {VerelTamsoApp::TamsoTabelNaam, requirementsDefinitie()}};
}

// A read-only project keeps its file as it is: a table it lacks, or lacks
// columns of, is read through a stand-in with the definition's defaults. So
// is one that is shown while its start waits.
int maakProjektTabel(VerelTamsoApp& app, const wxString& naam, const TabelDefinitie& definitie)
{
    if (app.isAlleenLezenDB() || app.isVoorlopig())
        return app.maakVervangendZicht(naam, definitie.namen, definitie.types);
    return app.maakTabel(naam, definitie.namen, definitie.types, definitie.beperkingen, false, false, true);
}

const wxString& lijstIndexNaam()
{
    static const wxString naam = VerelTamsoApp::TamsoTabelNaam + "Lijst";
    return naam;
}

const char* const lijstIndexKolommen = "SR,prioriteit,status,type,funkType,totaleKosten,naam,auteur,"
                                       "implementatieIngenieur,testIngenieur,aftekenaar,datum";

// What the program writes into the configuration: its row when the table
// has none, and its name and currency.
wxArrayString konfiguratieProeven()
{
    const wxString tabel = "main." + VerelTamsoApp::ConfigTabelNaam;
    wxArrayString opdrachten;
    opdrachten.Add("insert into " + tabel + " (id) select null where not exists (select 1 from " + tabel + ")");
    opdrachten.Add("update " + tabel + " set naam=naam,valuta=valuta");
    return opdrachten;
}

// A new requirement as an add writes it, with the next number and a title
// of its own, and every field of it changed as an edit writes it.
wxArrayString requirementProeven()
{
    const wxString tabel = "main." + VerelTamsoApp::TamsoTabelNaam;
    const wxString nummer = "(select coalesce(max(SR),0)+1 from " + tabel + ")";
    wxString kolommen;
    wxString waarden;
    wxString veranderingen;
    const Requirement nieuw;
    for (const RequirementVeld& veld : RequirementVeld::alle())
    {
        const wxString kolom = veld.kolom;
        wxString waarde = veld.alsSQL(nieuw);
        if (kolom == "SR")
            waarde = nummer;
        else if (kolom == "naam")
            waarde = "'VerelTamso '||hex(randomblob(8))";
        kolommen += (kolommen.empty() ? "" : ",") + kolom;
        waarden += (waarden.empty() ? "" : ",") + waarde;
        if (kolom != "SR" && kolom != "naam")
            veranderingen += (veranderingen.empty() ? "" : ",") + kolom + "=" + waarde;
    }
    wxArrayString opdrachten;
    opdrachten.Add("insert into " + tabel + " (" + kolommen + ") values (" + waarden + ")");
    opdrachten.Add("update " + tabel + " set " + veranderingen + " where SR==" + nummer + "-1");
    return opdrachten;
}

wxString rekZichtSelect(const wxString& voorwaarde)
{
    const wxString& tabel = VerelTamsoApp::TamsoTabelNaam;
    return "select *," + LijstAandeel::werkVerricht.alsZichtKolom(voorwaarde, tabel) + "," +
           LijstAandeel::laagFruit.alsZichtKolom(voorwaarde, tabel) + " from " + tabel;
}
} // namespace

int VerelTamsoApp::startDatabase()
{
    if (!isDBOpen())
        return 1;
    // The project of the configuration was opened before the application
    // knew its table: a foreign database is refused before anything is
    // written into it.
    if (controleerKenmerkTabel() != 0)
        return 2;
    // A damaged project is said first and shown read-only; nothing is
    // written into it.
    controleerHerhaaldeNummers();
    // A start that writes brings the file up to date as long work, which
    // first waits for the check of the whole file, under its own dialog that
    // the user may stop. One that writes nothing is listed at once while
    // the check reads.
    const bool schrijven = !isAlleenLezenDB() && moetSchrijven();
    if (schrijven)
        toonTijdensKontrole();
    {
        std::optional<LangWerk> werk;
        if (schrijven)
            werk.emplace(*this, _("Bringing the project up to date..."));
        if (controleerVoorSchrijven() != 0)
            return 2;
        const int opgewaardeerd = maakProjektTabellen(schrijven);
        if (opgewaardeerd == 4)
            return startZonderRuimte();
        if (opgewaardeerd != 0)
            return 2;
        // Last: SQLite changes no journal inside a transaction, and a file
        // whose upgrade was taken back stays in the journal it had.
        if (schakelMode(JournaalWAL, SynchronisatieFull) == 2)
            return 2;
    }
    if (maakLeesbaarDeel() == 2)
        return 2;
    // Every read through the view works from the start, not only after the
    // first list.
    if (maakRekZicht() == 2)
        return 2;
    return schakelHandmatigeTransaktie(StandAan, wxString());
}

// The check of the whole file may keep a start that writes waiting for
// long: meanwhile the window shows the project as a read-only start shows
// it, through stand-ins for what the file lacks, which go again before the
// start goes on. Nothing is written into the file for it.
void VerelTamsoApp::toonTijdensKontrole()
{
    VensterKoppeling* venster = geefVenster();
    if (!venster || isKontroleKlaar())
        return;
    voorlopig = true;
    const bool leesbaar = maakProjektTabellen(false) == 0 && maakRekZicht() != 2;
    voorlopig = false;
    if (leesbaar)
        venster->toonVoorlopig();
    // Found damaged meanwhile, the file is written no more: the start goes
    // on as a read-only start, whose stand-ins these are, one of them now
    // over what can still be read.
    if (isBeschadigd())
        return;
    const TijdelijkeWijziging alleenTijdelijk(*this);
    for (const ProjektTabel& tabel : projektTabellen())
        static_cast<void>(executeUpdate("drop view if exists temp." + naamQuotes(tabel.naam)));
}

// Nothing is written at a start before the file is known to take it: one
// that cannot be brought up to date is shown read-only as it is.
int VerelTamsoApp::controleerVoorSchrijven()
{
    if (isMemoryDB() || isAlleenLezenDB() || !moetSchrijven())
        return 0;
    wxString beletsel;
    const int gekontroleerd = controleerProjektOpwaardering(beletsel);
    if (gekontroleerd == 2)
        return 2;
    if (gekontroleerd == 4)
        return heropenZonderRuimte() != 0 ? 2 : 0;
    if (!beletsel.empty() && heropenAlleenLezen(beletsel) != 0)
        return 2;
    return 0;
}

// The disk took no upgrade: the project is shown as it is, read-only.
int VerelTamsoApp::startZonderRuimte()
{
    if (heropenZonderRuimte() != 0)
        return 2;
    return startDatabase();
}

// The writes of a writable start: the journal switched to the log, a table,
// columns or the list index added, the configuration row made. (The
// synchronous setting is the connection's, and the views are temporary.)
bool VerelTamsoApp::moetSchrijven()
{
    return leesHuidigeJournaalMode() != JournaalWAL || moetSchemaVeranderen() ||
           executeSkalair("select exists(select 1 from main." + ConfigTabelNaam + ")") != 1;
}

int VerelTamsoApp::controleerProjektOpwaardering(wxString& beletsel)
{
    for (const ProjektTabel& tabel : projektTabellen())
    {
        const int gekontroleerd =
            controleerOpwaardering(tabel.naam, tabel.definitie.namen, tabel.definitie.types, beletsel);
        if (gekontroleerd != 0)
            return gekontroleerd;
    }
    // The list index is dropped and made anew under its name: nothing else
    // of that name is the program's to drop.
    if (executeSkalair("select count(*) from main.sqlite_master where name==" + quotes(lijstIndexNaam()) +
                       " collate nocase and not (type=='index' and tbl_name==" + quotes(TamsoTabelNaam) +
                       " collate nocase)") != 0)
    {
        beletsel =
            wxString::Format(_("The name \"%s\" of the requirement list's index is in use in the file by another "
                               "table, view or index."),
                             lijstIndexNaam());
        return 1;
    }
    const int rij = controleerKonfiguratieRij(beletsel);
    if (rij != 0)
        return rij;
    return probeerOpwaardering(
        {{ConfigTabelNaam, konfiguratieDefinitie().namen, konfiguratieDefinitie().types, konfiguratieProeven()},
         {TamsoTabelNaam, requirementsDefinitie().namen, requirementsDefinitie().types, requirementProeven()}},
        beletsel);
}

// The project's settings are one row made of the defaults alone: a column of
// another tool's table that must be given a value keeps it out.
int VerelTamsoApp::controleerKonfiguratieRij(wxString& beletsel)
{
    const wxString tabel = "main." + ConfigTabelNaam;
    if (!bestaatTabel(ConfigTabelNaam, "main") || executeSkalair("select exists(select 1 from " + tabel + ")") != 0)
        return 0;
    const wxArrayString verplicht = executeStringKolomQuery(
        "select name from main.pragma_table_info(" + quotes(ConfigTabelNaam) +
            ") where \"notnull\" and dflt_value is null and not (pk and lower(type)=='integer')",
        false);
    if (verplicht.empty())
        return 0;
    beletsel = wxString::Format(_("The table \"%s\" cannot take the project's name and currency: its column \"%s\" "
                                  "needs a value that the program does not have."),
                                ConfigTabelNaam, verplicht[0]);
    return 1;
}

// Tables, columns, the list index and the configuration row: written whole
// or not at all, in a transaction of their own. Whatever fails, it is rolled
// back and the file is as it was, to the byte: a savepoint that opened the
// transaction would commit it all the same, empty, and count that commit in
// the file's header. A read-only project gets its stand-ins, which are the
// connection's own.
int VerelTamsoApp::maakProjektTabellen(bool schrijven)
{
    const auto maak = [this] { return maakKonfiguratieTabel() == 2 || maakRequirementsTabel() == 2 ? 2 : 0; };
    if (isAlleenLezenDB() || !schrijven)
        return maak();
    if (schakelHandmatigeTransaktie(StandAan, wxString()) != 0)
        return 2;
    return voerOpwaarderingUit(maak);
}

bool VerelTamsoApp::moetSchemaVeranderen()
{
    for (const ProjektTabel& tabel : projektTabellen())
    {
        const wxArrayString kolommen = geefKolomNamen("main." + tabel.naam, true);
        for (const wxString& naam : tabel.definitie.namen)
            if (kolommen.Index(naam, true) == wxNOT_FOUND)
                return true;
    }
    return !isLijstIndexInOrde();
}

int VerelTamsoApp::maakLeesbaarDeel()
{
    int resultaat = 1;
    for (const ProjektTabel& tabel : projektTabellen())
    {
        const int gemaakt = maakLeesbaar(tabel.naam, tabel.definitie.namen, tabel.definitie.types);
        if (gemaakt == 2)
            return 2;
        if (gemaakt == 0)
            resultaat = 0;
    }
    return resultaat;
}

// The table, its view, and its one row: a new project gets the defaults.
int VerelTamsoApp::maakKonfiguratieTabel()
{
    const TabelDefinitie& definitie = konfiguratieDefinitie();
    konfKolomNamen = definitie.namen;
    if (maakProjektTabel(*this, ConfigTabelNaam, definitie) == 2)
        return 2;
    if (executeUpdate("create temporary view if not exists " + ConfigTabelZicht + " as select naam,valuta from " +
                      ConfigTabelNaam) == 2)
        return 2;
    // A failed count (-1) is not an empty table. A read-only project cannot
    // take the row; its name then reads as empty.
    if (!isAlleenLezenDB() && !voorlopig && executeSkalair("select count(*) from " + ConfigTabelZicht) == 0 &&
        executeUpdate("insert into " + ConfigTabelNaam + " (id) values(null)") != 0)
        return 2;
    return 0;
}

int VerelTamsoApp::maakRequirementsTabel()
{
    const TabelDefinitie& definitie = requirementsDefinitie();
    rekKolomNamen = definitie.namen;
    if (maakProjektTabel(*this, TamsoTabelNaam, definitie) == 2)
        return 2;
    rekInsertTekst = maakInsert(rekKolomNamen, false);
    return maakLijstIndex();
}

// The list reads its selection, its figures and the people of the project
// from this index alone, a few per cent of a file whose rows carry their
// rich text; without it every refill reads the whole table. Leading with
// the I.D number, the list's default order: the list without a search text
// is read in its order and needs no sort. An older project's index, which
// led with the priority, is replaced at its first writable start, whole or
// not at all. A read-only project is read as it is: through its older index
// sorted in the program, without one from the table; slower, the same rows.
int VerelTamsoApp::maakLijstIndex()
{
    lijstIndexOpNummer = isLijstIndexInOrde();
    if (lijstIndexOpNummer || isAlleenLezenDB() || voorlopig)
        return 0;
    const wxString maak =
        "create index " + lijstIndexNaam() + " on " + TamsoTabelNaam + " (" + lijstIndexKolommen + ")";
    SavepointBewaker vervanging(*this, "lijstIndex");
    if (!vervanging.isGezet() || executeUpdate("drop index if exists " + lijstIndexNaam()) != 0 ||
        executeUpdate(maak) != 0 || vervanging.bewaar() != 0)
        return 2;
    lijstIndexOpNummer = isLijstIndexInOrde();
    return 0;
}

bool VerelTamsoApp::isLijstIndexInOrde()
{
    return wxJoin(executeStringKolomQuery(
                      "select name from pragma_index_info(" + quotes(lijstIndexNaam()) + ") order by seqno", false),
                  ',') == lijstIndexKolommen;
}

int VerelTamsoApp::stopDatabase()
{
    if (!isDBOpen())
        return 1;
    const int bewaard = isMemoryDB() ? vraagBewarenVanGeheugenDB() : 0;
    if (bewaard != 0)
        return bewaard;
    return stopTransaktie();
}

int VerelTamsoApp::vraagBewarenVanGeheugenDB()
{
    const int antwoord = DesktopVraag::geef().stelVraag(
        _("Your current database is a memory database.\nDo you want to save it in a file?"),
        _("Database is a memory database"), wxYES_NO | wxCANCEL | wxICON_QUESTION, geefHoofdVenster());
    if (antwoord == wxNO)
        return 0;
    if (antwoord == wxCANCEL)
        return 1;
    if (antwoord != wxYES)
        return 3;
    // Asked and named as Save as does.
    const wxFileName doel =
        ProjektBestandsNaam::kies(_("Save the project"), geefLaatsteAppDataDir(wxString()).GetPath(wxPATH_GET_VOLUME),
                                  geefProjektNaam(), maakWildCard(), geefBestandExtensie(), geefHoofdVenster());
    if (!doel.IsOk())
        return 5;
    return static_cast<int>(slaOpAls(doel, true));
}

wxString VerelTamsoApp::maakRekZichtOpdracht() const
{
    return "create temporary view if not exists " + TamsoTabelZicht + " as " + rekZichtSelect(geefZichtVoorwaarde());
}

// Before the first list there is no condition: the shares are then those
// of every requirement.
wxString VerelTamsoApp::geefZichtVoorwaarde() const
{
    return zoekVoorwaarde.empty() ? wxString("1") : zoekVoorwaarde;
}

bool VerelTamsoApp::isRekZichtActueel()
{
    const wxArrayString opgeslagen = executeStringKolomQuery(
        "select sql from sqlite_temp_master where type=='view' and name==" + quotes(TamsoTabelZicht));
    return opgeslagen.size() == 1 && opgeslagen[0].EndsWith(" as " + rekZichtSelect(geefZichtVoorwaarde()));
}

int VerelTamsoApp::maakRekZicht()
{
    // The flag alone is not enough: an undo or a rollback to the savepoint
    // also takes back a view renewed in its transaction.
    if (!zoekVoorwaardeVeranderd && isRekZichtActueel())
        return 1;
    // The view is the connection's own: the project stays as it was.
    const TijdelijkeWijziging alleenTijdelijk(*this);
    const int verwijderd = verwijderZicht(TamsoTabelZicht, false);
    if (verwijderd != 0)
        return verwijderd;
    return executeUpdate(maakRekZichtOpdracht());
}

wxString VerelTamsoApp::geefProjektNaam()
{
    return leesKonfiguratie("naam");
}

DesktopValuta VerelTamsoApp::geefProjektValuta()
{
    return DesktopValuta(leesKonfiguratie("valuta"));
}

// A project without its row (opened read-only, so it could not get one)
// reads as empty without an error each time the name is shown.
wxString VerelTamsoApp::leesKonfiguratie(const wxString& kolom)
{
    const wxArrayString waarden = executeStringKolomQuery("select " + kolom + " from " + ConfigTabelZicht + " limit 1");
    return waarden.empty() ? wxString() : waarden[0];
}

int VerelTamsoApp::zetProjektNaam(const wxString& naam)
{
    return zetKonfiguratie("naam", naam);
}

int VerelTamsoApp::zetProjektValuta(const DesktopValuta& valuta)
{
    return zetKonfiguratie("valuta", valuta.exportTabVersie());
}

int VerelTamsoApp::zetKonfiguratie(const wxString& kolom, const wxString& waarde)
{
    // Refused before a transaction opens: one that SQLite refuses to write
    // into would still count as an open change.
    if (isAlleenLezenDB())
    {
        wxLogWarning("%s", _("You cannot change the project's name or currency, because the database is read-only."));
        return 1;
    }
    // A change whose transaction did not start would land in the wrong one.
    if (startTransaktie() != 0)
        return 2;
    return executeUpdate("update " + ConfigTabelNaam + " set " + kolom + "=" + quotes(waarde));
}
