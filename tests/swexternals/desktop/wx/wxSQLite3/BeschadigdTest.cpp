// Damaged files: said in the program's own words as soon as SQLite finds
// them out, and left as they were. (A database of another program is refused
// by every way of opening: the requirement core's table of bad files.)
#include "tests/ondersteuning/LogVanger.h"
#include "tests/swexternals/desktop/wx/wxSQLite3/DatabaseHulp.h"

#include <string>

namespace
{
using Beschadigd = DatabaseTest;

// The page size from the file's header: two bytes, big-endian, at offset 16.
size_t paginaGrootte(const std::string& bytes)
{
    return static_cast<unsigned char>(bytes[16]) << 8 | static_cast<unsigned char>(bytes[17]);
}

size_t telVoorkomens(const wxString& tekst, const wxString& deel)
{
    size_t aantal = 0;
    for (size_t plaats = tekst.find(deel); plaats != wxString::npos; plaats = tekst.find(deel, plaats + 1))
        ++aantal;
    return aantal;
}
} // namespace

// A damaged page: the file opens (a full check would take seconds on a
// large project); the first read that meets the damage says so, and from
// then on nothing more is written into the file: not a change, not a
// checkpoint at closing. The connection's own temporary views and SQLite's
// pragma functions still work.
TEST_F(Beschadigd, EenBeschadigdePaginaWordtGemeldEnHetBestandBlijftZoAlsHetWas)
{
    maakProjectBestand(pad, {"een", "twee"},
                       {"pragma journal_mode=wal", "create table Heel (x)", "insert into Heel values (1)"});
    std::string bytes = leesBytes(pad);
    const size_t grootte = paginaGrootte(bytes);
    ASSERT_GE(bytes.size(), 3 * grootte);
    // Page 2 is the root of T, the first table made.
    bytes.replace(grootte, 16, 16, '\xff');
    schrijfBytes(pad, bytes);

    SQLite3Basis& verbinding = openBestand(pad);
    ASSERT_TRUE(verbinding.isDBOpen()) << logVanger().geefAlles();
    EXPECT_TRUE(verbinding.isDBOpen(true));
    EXPECT_EQ(verbinding.executeSkalair("select count(*) from Heel"), 1);
    logVanger().wis();
    EXPECT_EQ(tel(), -1);
    EXPECT_TRUE(logVanger().bevat("\"" + pad + "\" is damaged", wxLOG_Error)) << logVanger().geefAlles();
    EXPECT_LE(telVoorkomens(logVanger().geefAlles(), "malformed"), 1u) << logVanger().geefAlles();
    EXPECT_TRUE(verbinding.isAlleenLezenDB());
    EXPECT_FALSE(verbinding.isDBOpen(true));

    logVanger().wis();
    EXPECT_EQ(verbinding.executeUpdate("insert into Heel values (2)"), 2);
    EXPECT_TRUE(logVanger().bevat("is damaged. Nothing more is written into it.", wxLOG_Error))
        << logVanger().geefAlles();
    EXPECT_EQ(verbinding.executeUpdate("pragma user_version=7"), 2);
    EXPECT_EQ(verbinding.executeUpdate("create temporary view V as select x from Heel"), 0);
    EXPECT_EQ(verbinding.executeSkalair("select count(*) from V"), 1);
    // SQLite's pragma functions declare a table of their own at their first use.
    EXPECT_EQ(verbinding.executeStringKolomQuery("select name from pragma_table_info('Heel')"), lijst({"x"}));
    stop();
    EXPECT_TRUE(leesBytes(pad) == bytes);

    // The next open starts without the mark: a file put back in its place is
    // no longer taken for damaged.
    maakProjectBestand(testPad("heel.vtd"), {"een"});
    SQLite3Basis& heel = openBestand(testPad("heel.vtd"));
    EXPECT_TRUE(heel.isDBOpen(true));
    EXPECT_EQ(heel.executeUpdate("insert into T (naam) values ('twee')"), 0);
}

// SQLite's message once, without the name of its code in front of it.
TEST_F(Beschadigd, EenFoutmeldingNoemtSQLitesBerichtEenmaal)
{
    SQLite3Basis& verbinding = geheugen();
    logVanger().wis();
    EXPECT_EQ(verbinding.executeUpdate("update Nergens set x=1"), 2);
    EXPECT_TRUE(logVanger().bevat("SQLite3 error: \"no such table: Nergens\"", wxLOG_Error)) << logVanger().geefAlles();
    EXPECT_FALSE(logVanger().bevat("[1]")) << logVanger().geefAlles();
}
