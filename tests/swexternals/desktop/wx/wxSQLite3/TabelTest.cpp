#include "tests/ondersteuning/LogVanger.h"
#include "tests/swexternals/desktop/wx/wxSQLite3/DatabaseHulp.h"

#include <stdexcept>
#include <string>
#include <wx/datetime.h>

namespace
{
class Tabel : public DatabaseTest
{
protected:
    // The full definition a newer program hands over at every start.
    const wxArrayString namen = lijst({"id", "naam", "getal", "status", "valuta", "gemaakt", "dag"});
    const wxArrayString types =
        lijst({"integer primary key", "text", "integer", "integer not null default 2", "text default 'EUR'",
               "text default current_timestamp", "date default current_date"});

    int start(SQLite3Basis& verbinding) { return verbinding.maakTabel("T", namen, types, {}, false, false, true); }

    wxString waarde(const wxString& kolom, int id)
    {
        return db->leesKolomWaarde("T", kolom, wxString::Format("id==%d", id), SorteringGeen, "");
    }
};
} // namespace

TEST_F(Tabel, EenOudProjectKrijgtDeNieuweKolommenEnHoudtZijnRijen)
{
    maakProjectBestand(pad, {"een", "twee"});
    SQLite3Basis& verbinding = openBestand(pad);
    ASSERT_EQ(start(verbinding), 0) << logVanger().geefAlles();
    EXPECT_TRUE(verbinding.isDBVeranderd());
    EXPECT_EQ(verbinding.geefKolomNamen("T", true), namen);
    ASSERT_EQ(verbinding.executeUpdate("insert into T (naam) values ('nieuw')"), 0);
    for (int id : {1, 2, 3})
    {
        EXPECT_EQ(waarde("naam", id), id == 1 ? "een" : id == 2 ? "twee" : "nieuw");
        EXPECT_EQ(waarde("status", id), "2");
        EXPECT_EQ(waarde("valuta", id), "EUR");
    }
    // Old rows get the moment of the upgrade, as SQLite writes it.
    EXPECT_EQ(waarde("gemaakt", 1).length(), 19u) << waarde("gemaakt", 1);
    EXPECT_EQ(waarde("dag", 2), wxDateTime::Now().ToUTC().FormatISODate());
    EXPECT_EQ(waarde("getal", 2), "2");

    // The next start finds nothing to do.
    stop();
    SQLite3Basis& volgende = openBestand(pad);
    EXPECT_EQ(start(volgende), 0);
    EXPECT_FALSE(volgende.isDBVeranderd());
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}

TEST_F(Tabel, EenLeesProjectWordtNietVeranderdEnEenMisluktUpgradeWordtGemeld)
{
    maakProjectBestand(pad, {"een"}, {"alter table T add column Naam2 text"});
    SQLite3Basis& lezen = openBestand(pad, true);
    EXPECT_EQ(start(lezen), 1);
    EXPECT_EQ(lezen.geefDBStatus(), SQLite3Basis::DBStatusGeweigerd);
    EXPECT_TRUE(logVanger().bevat("Database \"p [read-only mode]\" is read-only.\nHowever, columns must be added to a "
                                  "table.\nPlease close and reopen the database in read-write mode",
                                  wxLOG_Error));
    EXPECT_EQ(lezen.maakTabel("Nieuw", namen, types, {}, false, false, true), 1);
    // A temporary table is the connection's own and may be made.
    EXPECT_EQ(lezen.maakTabel("Tijdelijk", namen, types, {}, true, false, true), 0);
    stop();

    // "naam2" is the stored "Naam2" to SQLite: that column fails, and the
    // upgrade is taken back whole, the column added before it too.
    SQLite3Basis& verbinding = openBestand(pad);
    EXPECT_EQ(verbinding.maakTabel("T", lijst({"id", "nieuw", "naam2"}), lijst({"integer", "text", "text"}), {}, false,
                                   false, true),
              2);
    EXPECT_EQ(verbinding.geefKolomNamen("T", false), lijst({"naam", "getal", "Naam2"}));

    // Failed, then left by an exception of the program's, an upgrade is
    // taken back too, and a failure after it is said again.
    EXPECT_THROW(static_cast<void>(verbinding.voerOpwaarderingUit(
                     [&]() -> int
                     {
                         EXPECT_EQ(verbinding.executeUpdate("insert into T (naam) values ('half')"), 0);
                         EXPECT_EQ(verbinding.executeUpdate("insert into Nergens values (1)"), 2);
                         throw std::runtime_error("stopped");
                     })),
                 std::runtime_error);
    EXPECT_EQ(verbinding.executeSkalair("select count(*) from T where naam=='half'"), 0);
    logVanger().wis();
    EXPECT_EQ(verbinding.executeUpdate("insert into Nergens values (1)"), 2);
    EXPECT_TRUE(logVanger().bevat("no such table: Nergens", wxLOG_Error)) << logVanger().geefAlles();
}

// What SQLite cannot add is found before anything is written, as SQLite
// itself finds it: a column's constraints, "not null" without a default on
// a table with rows, a name the table holds in other letters, a view.
TEST_F(Tabel, WatNietKanWordenBijgewerktWordtVoorafGevonden)
{
    maakProjectBestand(pad, {"een"},
                       {"alter table T add column Naam2 text", "create table Leeg (id integer primary key)",
                        "create view Zicht as select naam from T"});
    const std::string bytes = leesBytes(pad);
    struct Geval
    {
        const char* tabel;
        const char* type;
        const char* beletsel; // what SQLite says, or nothing when it can add the column
    };
    const Geval gevallen[] = {
        {"T", "integer not null default 1", nullptr},
        {"T", "text default current_timestamp", nullptr},
        {"Leeg", "integer not null", nullptr},
        {"Nieuw", "integer primary key", nullptr},
        {"T", "integer primary key", "Cannot add a PRIMARY KEY column"},
        {"T", "text unique", "Cannot add a UNIQUE column"},
        {"T", "integer not null", "Cannot add a NOT NULL column with default value NULL"},
        {"Zicht", "text", "The name \"Zicht\" is in use in the file by a view, an index or a table of another kind."},
    };
    SQLite3Basis& verbinding = openBestand(pad);
    for (const Geval& geval : gevallen)
    {
        SCOPED_TRACE(std::string(geval.tabel) + " " + geval.type);
        wxString beletsel;
        EXPECT_EQ(verbinding.controleerOpwaardering(geval.tabel, lijst({"id", "naam", "getal", "nieuw"}),
                                                    lijst({"integer primary key", "text", "integer", geval.type}),
                                                    beletsel),
                  geval.beletsel ? 1 : 0);
        EXPECT_TRUE(beletsel.Contains(geval.beletsel ? geval.beletsel : "")) << beletsel;
    }
    wxString beletsel;
    EXPECT_EQ(verbinding.controleerOpwaardering("T", lijst({"naam2"}), lijst({"text"}), beletsel), 1);
    EXPECT_EQ(beletsel, "The table \"T\" cannot get the column \"naam2\": it has the column \"Naam2\" already, whose "
                        "name differs only in upper and lower case.");
    EXPECT_EQ(verbinding.executeSkalair("select count(*) from sqlite_temp_master"), 0);
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
    stop();
    EXPECT_TRUE(leesBytes(pad) == bytes);
}

TEST_F(Tabel, NamenWordenNamenEnGeenSQL)
{
    SQLite3Basis& verbinding = geheugen();
    const wxString tabel = "Rek\"; drop table T; --";
    const wxArrayString vreemd = lijst({"id", "it's", "a \"b\"", "ë"});
    ASSERT_EQ(start(verbinding), 0);
    ASSERT_EQ(verbinding.maakTabel(tabel, vreemd, lijst({"integer primary key", "text", "text", "text"}), {}, false,
                                   false, true),
              0);
    EXPECT_EQ(verbinding.geefKolomNamen(tabel, true), vreemd);
    EXPECT_EQ(verbinding.geefKolomNummer(tabel, wxString::FromUTF8("ë"), false), 2);
    EXPECT_EQ(verbinding.verwijderTabel(tabel, false), 0);
    EXPECT_FALSE(verbinding.bestaatTabel(tabel, ""));
    EXPECT_TRUE(verbinding.bestaatTabel("t", ""));
    // A "_" in a name is no wildcard.
    EXPECT_FALSE(verbinding.bestaatTabel("_", ""));
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}

TEST_F(Tabel, KopierenEnVernieuwenHoudenDeRijen)
{
    maakProjectBestand(pad, {"een", "twee", "drie"});
    SQLite3Basis& verbinding = openBestand(pad);
    ASSERT_EQ(verbinding.schakelHandmatigeTransaktie(StandAan, ""), 0);
    EXPECT_EQ(
        verbinding.kopieerTabel("T", lijst({"id", "integer primary key", "naam", "text", "getal", "integer"}), {}, "K"),
        0);
    EXPECT_EQ(verbinding.kopieerTabelRijen("T", "K", "id>1"), 0);
    EXPECT_EQ(verbinding.leesKolomWaarde("K", "naam", "id==5", SorteringGeen, ""), "drie");

    // Renewed with a column less and the order changed: rows and values stay.
    EXPECT_EQ(verbinding.vernieuwTabel("T", lijst({"id", "integer primary key", "getal", "integer", "naam", "text"}),
                                       lijst({"unique(naam)"})),
              0);
    EXPECT_EQ(verbinding.geefKolomNamen("T", true), lijst({"id", "getal", "naam"}));
    EXPECT_EQ(waarde("naam", 2), "twee");
    EXPECT_FALSE(verbinding.handmatigeTransaktieBezig());

    // A renewal that cannot refill (a column the old table lacks) leaves the
    // table as it was, rows and all.
    EXPECT_NE(verbinding.vernieuwTabel("T", lijst({"id", "integer primary key", "nergens", "text"}), {}), 0);
    EXPECT_TRUE(logVanger().bevat("could not be renewed; it was left as it was.", wxLOG_Error));
    stop();
    SQLite3Basis& volgende = openBestand(pad);
    EXPECT_EQ(volgende.geefKolomNamen("T", true), lijst({"id", "getal", "naam"}));
    EXPECT_EQ(volgende.geefAantalRijen("T"), 3);

    // Compared with a view: what the view leaves out; a count that fails is no equal count.
    ASSERT_EQ(volgende.executeUpdate("create view Z as select * from T where naam!='twee'"), 0);
    wxArrayString ontbrekend;
    EXPECT_EQ(volgende.controleerTabelVersusZicht("T", "Z", "naam", "naam", ontbrekend, 0), 1);
    EXPECT_EQ(ontbrekend, lijst({"twee"}));
    EXPECT_EQ(volgende.controleerTabelVersusZicht("Weg", "Weg", "naam", "naam", ontbrekend, 0), 2);
}
