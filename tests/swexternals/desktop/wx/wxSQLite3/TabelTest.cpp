#include "tests/ondersteuning/LogVanger.h"
#include "tests/swexternals/desktop/wx/wxSQLite3/DatabaseHulp.h"

#include <wx/datetime.h>

namespace
{
class Tabel : public DatabaseTest
{
protected:
    const wxString pad = testPad("p.vtd");

    // The full definition a newer program hands over at every start.
    const wxArrayString namen = lijst({"id", "naam", "getal", "status", "valuta", "gemaakt", "dag"});
    const wxArrayString types =
        lijst({"integer primary key", "text", "integer", "integer not null default 2", "text default 'EUR'",
               "text default current_timestamp", "date default current_date"});

    int start(SQLite3Basis& verbinding, const wxArrayString& constraints = wxArrayString())
    {
        return verbinding.maakTabel("T", namen, types, constraints, false, false, true);
    }

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
    EXPECT_EQ(verbinding.geefAantalKolommen("T", false), 6);
    for (int id : {1, 2})
    {
        EXPECT_EQ(waarde("naam", id), id == 1 ? "een" : "twee");
        EXPECT_EQ(waarde("getal", id), wxString::Format("%d", id));
        EXPECT_EQ(waarde("status", id), "2");
        EXPECT_EQ(waarde("valuta", id), "EUR");
        // The moment of the upgrade, as SQLite writes it.
        EXPECT_EQ(waarde("gemaakt", id).length(), 19u) << waarde("gemaakt", id);
        EXPECT_EQ(waarde("dag", id), wxDateTime::Now().ToUTC().FormatISODate());
    }
    // New rows get the defaults of the new columns.
    ASSERT_EQ(verbinding.executeUpdate("insert into T (naam) values ('drie')"), 0);
    EXPECT_EQ(waarde("status", 3), "2");
    EXPECT_EQ(waarde("valuta", 3), "EUR");

    // The next start finds nothing to do.
    stop();
    SQLite3Basis& volgende = openBestand(pad);
    EXPECT_EQ(start(volgende), 0);
    EXPECT_FALSE(volgende.isDBVeranderd());
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}

TEST_F(Tabel, EenNieuwProjectKrijgtDeHeleTabelEnEenLeesProjectWordtNietVeranderd)
{
    SQLite3Basis& nieuw = geheugen();
    EXPECT_FALSE(nieuw.bestaatTabel("T", ""));
    ASSERT_EQ(start(nieuw, lijst({"unique(naam)"})), 0);
    EXPECT_TRUE(nieuw.bestaatTabel("t", ""));
    EXPECT_FALSE(nieuw.bestaatTabel("_", ""));
    EXPECT_EQ(nieuw.executeUpdate("insert into T (naam) values ('a'), ('a')"), 2);
    EXPECT_EQ(nieuw.verwijderTabel("Weg", false), 1);
    EXPECT_EQ(nieuw.verwijderTabel("Weg", true), 0);

    // A read-only file is never altered: the refusal is reported, the file stays.
    maakProjectBestand(pad, {"een"});
    SQLite3Basis& lezen = openBestand(pad, true);
    logVanger().wis();
    EXPECT_EQ(start(lezen), 1);
    EXPECT_EQ(lezen.geefDBStatus(), SQLite3Basis::DBStatusGeweigerd);
    EXPECT_TRUE(logVanger().bevat("Database \"p [read-only mode]\" is read-only.\nHowever, columns must be added to a "
                                  "table.\nPlease close and reopen the database in read-write mode",
                                  wxLOG_Error));
    EXPECT_EQ(lezen.maakTabel("Nieuw", namen, types, {}, false, false, true), 1);
    EXPECT_TRUE(logVanger().bevat("However, a table must be added.", wxLOG_Error));
    EXPECT_EQ(lezen.maakTabel("T", namen, types, {}, false, true, true), 1);
    EXPECT_TRUE(logVanger().bevat("is read-only and cannot be altered.", wxLOG_Error));
    // A temporary table is the connection's own and may be made.
    EXPECT_EQ(lezen.maakTabel("Tijdelijk", namen, types, {}, true, false, true), 0);
    EXPECT_EQ(lezen.executeUpdate("insert into Tijdelijk (naam) values ('x')"), 0);
    EXPECT_EQ(lezen.geefKolomNamen("T", true), lijst({"id", "naam", "getal"}));
}

TEST_F(Tabel, EenMisluktUpgradeWordtGemeldOokAlsDeLaatsteKolomWelLukt)
{
    maakProjectBestand(pad, {"een"}, {"alter table T add column Naam2 text"});
    SQLite3Basis& verbinding = openBestand(pad);
    // "naam2" is the stored "Naam2" to SQLite: adding it fails, "nieuw" works.
    EXPECT_EQ(verbinding.maakTabel("T", lijst({"id", "naam2", "nieuw"}), lijst({"integer", "text", "text"}), {}, false,
                                   false, true),
              2);
    EXPECT_TRUE(logVanger().bevat("SQLite3 error:", wxLOG_Error));
    EXPECT_EQ(verbinding.geefKolomNamen("T", false), lijst({"naam", "getal", "Naam2", "nieuw"}));
    // A definition whose types run short is refused before anything runs.
    EXPECT_EQ(verbinding.maakTabel("T", lijst({"a", "b"}), lijst({"text"}), {}, false, false, true), 2);
}

TEST_F(Tabel, NamenMetAanhalingstekensWordenNamenEnGeenSQL)
{
    SQLite3Basis& verbinding = geheugen();
    const wxString tabel = "Rek\"; drop table T; --";
    const wxArrayString vreemd = lijst({"id", "it's", "a \"b\"", "ë"});
    ASSERT_EQ(verbinding.maakTabel("T", namen, types, {}, false, false, true), 0);
    ASSERT_EQ(verbinding.maakTabel(tabel, vreemd, lijst({"integer primary key", "text", "text", "text"}), {}, false,
                                   false, true),
              0);
    EXPECT_TRUE(verbinding.bestaatTabel(tabel, ""));
    EXPECT_TRUE(verbinding.bestaatTabel("T", ""));
    EXPECT_EQ(verbinding.geefKolomNamen(tabel, true), vreemd);
    EXPECT_EQ(verbinding.geefKolomNummer(tabel, wxString::FromUTF8("ë"), false), 2);
    EXPECT_EQ(verbinding.geefKolomNummer(tabel, "id", false), -1);
    EXPECT_EQ(verbinding.kopieerTabel(tabel, "Kopie", false), 0);
    EXPECT_EQ(verbinding.verwijderTabel(tabel, false), 0);
    EXPECT_FALSE(verbinding.bestaatTabel(tabel, ""));
    EXPECT_TRUE(verbinding.bestaatTabel("T", ""));
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}

TEST_F(Tabel, KopierenEnVernieuwenHoudenDeRijen)
{
    maakProjectBestand(pad, {"een", "twee", "drie"});
    SQLite3Basis& verbinding = openBestand(pad);
    ASSERT_EQ(verbinding.schakelHandmatigeTransaktie(StandAan, ""), 0);

    const wxArrayString kopieLijst = lijst({"id", "integer primary key", "naam", "text", "getal", "integer"});
    EXPECT_EQ(verbinding.kopieerTabel("T", kopieLijst, {}, "K"), 0);
    EXPECT_EQ(verbinding.geefAantalRijen("K"), 3);
    EXPECT_EQ(verbinding.kopieerTabelRijen("T", "K", "id>1"), 0);
    EXPECT_EQ(verbinding.geefAantalRijen("K"), 5);
    EXPECT_EQ(verbinding.leesKolomWaarde("K", "naam", "id==5", SorteringGeen, ""), "drie");
    EXPECT_EQ(verbinding.maakTabelLeeg("K"), 0);
    EXPECT_EQ(verbinding.geefAantalRijen("K"), 0);

    // Renewed with a column less and one more: rows and values stay.
    const wxArrayString nieuweLijst = lijst({"id", "integer primary key", "getal", "integer", "naam", "text not null"});
    EXPECT_EQ(verbinding.vernieuwTabel("T", nieuweLijst, lijst({"unique(naam)"})), 0);
    EXPECT_EQ(verbinding.geefKolomNamen("T", true), lijst({"id", "getal", "naam"}));
    EXPECT_EQ(waarde("naam", 2), "twee");
    EXPECT_FALSE(verbinding.bestaatTabel("tabelKopie", ""));
    EXPECT_FALSE(verbinding.handmatigeTransaktieBezig()); // the renewal is committed

    // A renewal that cannot refill (a column the old table lacks) leaves the
    // table as it was, rows and all.
    EXPECT_NE(verbinding.vernieuwTabel("T", lijst({"id", "integer primary key", "nergens", "text"}), {}), 0);
    EXPECT_TRUE(logVanger().bevat("could not be renewed; it was left as it was.", wxLOG_Error));
    EXPECT_EQ(verbinding.geefKolomNamen("T", true), lijst({"id", "getal", "naam"}));
    EXPECT_EQ(verbinding.geefAantalRijen("T"), 3);
    stop();
    EXPECT_EQ(openBestand(pad).geefAantalRijen("T"), 3);
}

TEST_F(Tabel, EenTabelVergelekenMetZijnZichtNoemtWatHetZichtWeglaat)
{
    maakProjectBestand(pad, {"a", "b", "c", "d"}, {"create view Z as select * from T where naam!='b'"});
    SQLite3Basis& verbinding = openBestand(pad);
    wxArrayString ontbrekend;
    EXPECT_EQ(verbinding.controleerTabelVersusZicht("T", "Z", "naam", "naam", ontbrekend, 0), 1);
    EXPECT_EQ(ontbrekend, lijst({"b"}));
    EXPECT_EQ(verbinding.controleerTabelVersusZicht("T", "Z", "naam", "naam", ontbrekend, 1), 2);
    EXPECT_EQ(verbinding.controleerTabelVersusZicht("T", "T", "naam", "naam", ontbrekend, 0), 0);
    // A count that fails is no equal count.
    EXPECT_EQ(verbinding.controleerTabelVersusZicht("Weg", "Weg", "naam", "naam", ontbrekend, 0), 2);
}
