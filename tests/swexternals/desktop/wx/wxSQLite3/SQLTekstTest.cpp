#include "tests/ondersteuning/LogVanger.h"
#include "tests/swexternals/desktop/wx/wxSQLite3/DatabaseHulp.h"

#include <clocale>
#include <string>
#include <vector>

namespace
{
wxArrayString lijst(std::initializer_list<const char*> namen)
{
    wxArrayString uit;
    for (const char* naam : namen)
        uit.Add(wxString::FromUTF8(naam));
    return uit;
}

wxArrayInt getallen(std::initializer_list<int> waarden)
{
    wxArrayInt uit;
    for (const int waarde : waarden)
        uit.Add(waarde);
    return uit;
}

struct Geval
{
    wxString invoer;
    wxString verwacht;
};
} // namespace

TEST(SQLTekst, LiteralsEnPatronenLatenGeenTekenVanDeGebruikerOngequoteerd)
{
    const std::vector<Geval> quotes = {{"O'Brien", "'O''Brien'"}, {"", "''"}, {"''", "''''''"}};
    for (const Geval& g : quotes)
        EXPECT_EQ(SQLite3Basis::quotes(g.invoer), g.verwacht) << g.invoer;

    const std::vector<Geval> like = {
        {"", "'%%'"},
        {"ab", "'%%ab%%'"},
        {"a_b", "'%%a\\_b%%' escape '\\'"},
        {"50%", "'%%50\\%%%' escape '\\'"},
        {"it's", "'%%it''s%%'"},
        // A backslash is only special once an escape clause follows.
        {"C:\\map", "'%%C:\\map%%'"},
        {"5%\\x", "'%%5\\%\\\\x%%' escape '\\'"},
    };
    for (const Geval& g : like)
        EXPECT_EQ(SQLite3Basis::procentQuotes(g.invoer), g.verwacht) << g.invoer;

    const std::vector<Geval> glob = {
        {"", "'*'"}, {"ab", "'*ab*'"}, {"it's", "'*it''s*'"}, {"a*b?[c]", "'*a[*]b[?][[]c]*'"}};
    for (const Geval& g : glob)
        EXPECT_EQ(SQLite3Basis::sterQuotes(g.invoer), g.verwacht) << g.invoer;

    EXPECT_EQ(SQLite3Basis::verwijderBoodschapQuotes("O''Brien"), "O'Brien");
    EXPECT_EQ(SQLite3Basis::plaatsBoodschapQuotes("O'Brien"), "O''Brien");
    EXPECT_EQ(SQLite3Basis::haakjes("a"), "(a)");
    EXPECT_EQ(SQLite3Basis::maakExclusiefOf("x", "y"), "(~((x)&(y)))&((x)|(y))");
}

TEST(SQLTekst, SorteringEnKolomlijsten)
{
    EXPECT_EQ(SQLite3Basis::sorteer("naam", SorteringGeen), "");
    EXPECT_EQ(SQLite3Basis::sorteer("", SorteringAflopend), "");
    EXPECT_EQ(SQLite3Basis::sorteer("SR", SorteringOplopend), " order by SR asc");
    EXPECT_EQ(SQLite3Basis::sorteer("SR", SorteringAflopend), " order by SR desc");
    EXPECT_EQ(SQLite3Basis::sorteer("SR", static_cast<Sortering>(7)), "");

    const wxArrayString idab = lijst({"id", "a", "b"});
    EXPECT_EQ(SQLite3Basis::maakSelektie(idab, false, true), " (a,b)");
    EXPECT_EQ(SQLite3Basis::maakSelektie(idab, true, false), "id,a,b");
    EXPECT_EQ(SQLite3Basis::maakSelektie(wxArrayString(), true, true), " ()");
    EXPECT_EQ(SQLite3Basis::maakQuery(lijst({"a", "b", "c"}), true), "a,b,c ");
    EXPECT_EQ(SQLite3Basis::maakInsert(idab, false), " (a,b) values (?,?)");
    EXPECT_EQ(SQLite3Basis::maakInsert(idab, true), " (id,a,b) values (?,?,?)");
    EXPECT_EQ(SQLite3Basis::maakInsert(lijst({"a", "b"}), lijst({"x", "y'z"}), true), " (a,b) values ('x','y''z')");
    EXPECT_EQ(SQLite3Basis::maakInsert(lijst({"a", "b"}), getallen({5, -2}), true), " (a,b) values ('5','-2')");
    EXPECT_EQ(SQLite3Basis::maakUpdate(lijst({"a", "b"}), true), " set a=?,b=?");

    wxArrayString namen, types;
    SQLite3Basis::maakTabelLijst(lijst({"a", "int", "b"}), namen, types);
    EXPECT_EQ(namen, lijst({"a"}));
    EXPECT_EQ(types, lijst({"int"}));
    wxArrayString tabel = lijst({"oud"});
    SQLite3Basis::maakTabelNaamMaakLijst(tabel, lijst({"a", "b"}), lijst({"int"}));
    EXPECT_EQ(tabel, lijst({"a", "int"}));
}

TEST(SQLTekst, EenKommaGetalKrijgtEenPuntOokInEenNederlandseOmgeving)
{
    const std::string vorige = std::setlocale(LC_NUMERIC, nullptr);
    if (std::setlocale(LC_NUMERIC, "nl_NL.UTF-8") == nullptr)
        GTEST_SKIP() << "locale nl_NL.UTF-8 is not installed";
    EXPECT_EQ(SQLite3Basis::floatWaarde(2.5f, "%.2f"), "2.50");
    std::setlocale(LC_NUMERIC, vorige.c_str());
}

class ZoekTekst : public DatabaseTest
{
};

// Every title a user may type is stored as typed and found by exactly the
// row that holds it, whether searched exactly, with like or with glob. The
// other rows are what an unescaped wildcard would also find.
TEST_F(ZoekTekst, ElkeTitelWordtOngewijzigdBewaardEnLetterlijkGevonden)
{
    SQLite3Basis& verbinding = geheugen();
    ASSERT_EQ(verbinding.executeUpdate("create table T (id integer primary key, naam text, getal integer)"), 0);
    const wxArrayString titels = lijst({"O'Brien", "say \"hi\"", "50% done", "snake_case", "C:\\map\\bestand", "a*b",
                                        "[draft]", "q?", "Ærø café ñ 東京", "100%_\\"});
    const wxArrayString afleiders = lijst({"50 and done", "snakeXcase", "axb", "qz", "100%_x", "dr"});
    for (const wxString& naam : titels)
        ASSERT_EQ(verbinding.doeInsert("T", lijst({"naam"}), wxArrayString(1, &naam)), 0) << naam;
    for (const wxString& naam : afleiders)
        ASSERT_EQ(verbinding.doeInsert("T", lijst({"naam"}), wxArrayString(1, &naam)), 0) << naam;

    for (size_t i = 0; i < titels.size(); ++i)
    {
        const wxString& titel = titels[i];
        EXPECT_EQ(verbinding.leesKolomWaarde("T", "naam", wxString::Format("id==%zu", i + 1), SorteringGeen, ""),
                  titel);
        EXPECT_EQ(tel("naam==" + SQLite3Basis::quotes(titel)), 1) << titel;
        EXPECT_EQ(tel("naam like " + SQLite3Basis::procentQuotes(titel)), 1) << titel;
        EXPECT_EQ(tel("naam glob " + SQLite3Basis::sterQuotes(titel)), 1) << titel;
    }
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}

TEST_F(ZoekTekst, InvoegenEnBijwerkenMetTekstenEnGetallen)
{
    SQLite3Basis& verbinding = geheugen();
    ASSERT_EQ(verbinding.executeUpdate("create table T (id integer primary key, naam text, getal integer)"), 0);

    ASSERT_EQ(verbinding.doeInsert("T", lijst({"naam"}), lijst({"it's"}), lijst({"getal"}), getallen({7})), 0);
    EXPECT_EQ(verbinding.geefLaatsteInsertNummer(), 1);
    ASSERT_EQ(verbinding.doeInsert("T", lijst({"naam", "getal"}), getallen({3, 4})), 0);
    EXPECT_EQ(verbinding.geefLaatsteInsertNummer(), 2);
    EXPECT_EQ(verbinding.leesRijStrings("T", "naam,getal", "id==1"), lijst({"it's", "7"}));
    EXPECT_EQ(verbinding.leesRijIntegers("T", "naam,getal", "id==2"), getallen({3, 4}));

    ASSERT_EQ(
        verbinding.doeUpdate("T", lijst({"naam"}), lijst({"a \"b\" 'c'"}), lijst({"getal"}), getallen({-9}), "id==1"),
        0);
    EXPECT_EQ(verbinding.leesRijStrings("T", "naam,getal", "id==1"), lijst({"a \"b\" 'c'", "-9"}));
    ASSERT_EQ(verbinding.doeUpdate("T", lijst({"getal"}), getallen({11}), ""), 0);
    EXPECT_EQ(tel("getal==11"), 2);

    // Fewer values than columns: refused before anything is read or run.
    EXPECT_EQ(verbinding.doeUpdate("T", lijst({"naam", "getal"}), lijst({"x"}), "id==1"), 2);
    EXPECT_EQ(verbinding.doeInsert("T", lijst({"naam"}), wxArrayString(), lijst({"getal"}), getallen({1})), 2);
    EXPECT_EQ(tel(), 2);
    EXPECT_EQ(verbinding.leesKolomWaarde("T", "naam", "id==1", SorteringGeen, ""), "a \"b\" 'c'");
}
