// The gate before writes tells a statement that writes into the project's
// file from one that works on the connection's own temporary objects or
// only reads, also where SQLite's program for it says nothing of writing.
#include "swexternals/desktop/wx/wxSQLite3/SQLite3Lezing.h"
#include "tests/swexternals/desktop/wx/wxSQLite3/DatabaseHulp.h"

#include <vector>

namespace
{
// Its index names another column than the one its entries hold: the check
// of the whole file finds the damage, no read of the table does.
const std::initializer_list<const char*> verborgenSchade = {
    "create index I on T (naam)", "pragma writable_schema=1",
    "update sqlite_master set sql='CREATE INDEX I ON T (getal)' where name=='I'"};
} // namespace

// Each row runs on a damaged file while its check is open: every statement
// but the last runs at once; the last waits for the check, which refuses it,
// or runs at once as well. Nothing reaches the file. The last runs as the
// layer runs a text, or as the list's reads run a statement prepared. The
// list's temporary views are rebuilt at every search; `pragma optimize` is
// read-only to SQLite, yet runs ANALYZE for the table just searched.
TEST_F(DatabaseTest, WatInHetBestandSchrijftWachtOpDeKontroleOokLangsEenGenesteOpdracht)
{
    struct Rij
    {
        std::vector<const char*> opdrachten;
        bool wacht;
        bool voorbereid;
    };
    const char* const zoek = "select naam from T where getal = 1";
    const Rij rijen[] = {{{"create temporary view V as select naam from T", "drop view temp.V",
                           "create temporary table X (a)", "insert into temp.X select getal from T",
                           "pragma journal_mode", "pragma user_version", "select name from pragma_table_info('T')"},
                          false,
                          false},
                         {{zoek}, false, true},
                         {{zoek, "pragma optimize"}, true, false},
                         {{zoek, " PRAGMA optimize"}, true, true},
                         {{"create temporary table X (a)",
                           "create temporary trigger Z after insert on X begin insert into T (naam) values ('z'); end",
                           "insert into X values (1)"},
                          true,
                          false},
                         {{"vacuum"}, true, false},
                         {{"pragma user_version = 7"}, true, false}};
    int nummer = 0;
    for (const auto& [opdrachten, wacht, voorbereid] : rijen)
    {
        const wxString bestand = testPad(wxString::Format("%d.vtd", ++nummer));
        SCOPED_TRACE(opdrachten.back());
        maakProjectBestand(bestand, {"a", "b"}, verborgenSchade);
        const std::string bytes = leesBytes(bestand);
        SQLite3Basis& verbinding = openBestand(bestand);
        for (const char* opdracht : opdrachten)
        {
            const bool laatste = opdracht == opdrachten.back();
            if (laatste && voorbereid)
            {
                SQLite3Lezing lezing(verbinding, opdracht, false);
                EXPECT_EQ(lezing.isMislukt(), wacht);
                while (lezing.volgende())
                    ;
            }
            else
                EXPECT_EQ(verbinding.executeQuery(opdracht).IsOk(), !(laatste && wacht)) << opdracht;
            EXPECT_EQ(verbinding.isKontroleOpen(), !(laatste && wacht)) << opdracht;
        }
        stop();
        EXPECT_TRUE(leesBytes(bestand) == bytes);
    }
}
