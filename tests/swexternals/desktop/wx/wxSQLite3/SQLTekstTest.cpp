#include "tests/ondersteuning/LogVanger.h"
#include "tests/swexternals/desktop/wx/wxSQLite3/DatabaseHulp.h"

#include <vector>

TEST(SQLTekst, ElkeTekstVanDeGebruikerWordtGequoteerdEnElkeLijstGoedGebouwd)
{
    using S = SQLite3Basis;
    wxArrayInt vijfMinTwee;
    vijfMinTwee.Add(5);
    vijfMinTwee.Add(-2);
    const wxArrayString idab = lijst({"id", "a", "b"});
    const std::vector<std::pair<wxString, wxString>> gevallen = {
        {S::quotes("O'Brien"), "'O''Brien'"},
        {S::quotes(""), "''"},
        {S::verwijderBoodschapQuotes("O''Brien"), "O'Brien"},
        {S::procentQuotes(""), "'%%'"},
        {S::procentQuotes("a_b"), "'%%a\\_b%%' escape '\\'"},
        {S::procentQuotes("50%"), "'%%50\\%%%' escape '\\'"},
        // A backslash is only special once the pattern has an escape clause.
        {S::procentQuotes("C:\\map"), "'%%C:\\map%%'"},
        {S::procentQuotes("5%\\x"), "'%%5\\%\\\\x%%' escape '\\'"},
        {S::sterQuotes(""), "'*'"},
        {S::sterQuotes("a*b?[c]"), "'*a[*]b[?][[]c]*'"},
        {S::sorteer("naam", SorteringGeen), ""},
        {S::sorteer("", SorteringAflopend), ""},
        {S::sorteer("SR", SorteringOplopend), " order by SR asc"},
        {S::sorteer("SR", static_cast<Sortering>(7)), ""},
        {S::maakSelektie(idab, false, true), " (a,b)"},
        {S::maakSelektie(idab, true, false), "id,a,b"},
        {S::maakSelektie(wxArrayString(), true, true), " ()"},
        {S::maakQuery(lijst({"a", "b", "c"}), true), "a,b,c "},
        {S::maakInsert(idab, false), " (a,b) values (?,?)"},
        {S::maakInsert(idab, true), " (id,a,b) values (?,?,?)"},
        {S::maakInsert(lijst({"a", "b"}), lijst({"x", "y'z"}), true), " (a,b) values ('x','y''z')"},
        {S::maakInsert(lijst({"a", "b"}), vijfMinTwee, true), " (a,b) values ('5','-2')"},
        {S::maakUpdate(lijst({"a", "b"}), true), " set a=?,b=?"},
        {S::maakExclusiefOf("x", "y"), "(~((x)&(y)))&((x)|(y))"},
    };
    for (const auto& [gebouwd, verwacht] : gevallen)
        EXPECT_EQ(gebouwd, verwacht);

    wxArrayString namen, types;
    S::maakTabelLijst(lijst({"a", "int", "b"}), namen, types);
    EXPECT_EQ(namen, lijst({"a"}));
    EXPECT_EQ(types, lijst({"int"}));
    S::maakTabelNaamMaakLijst(namen, lijst({"a", "b"}), lijst({"int"}));
    EXPECT_EQ(namen, lijst({"a", "int"}));
}

using ZoekTekst = DatabaseTest;

// Every title a user may type is stored as typed and found by exactly the
// row that holds it, whether searched exactly, with like or with glob. The
// other rows are what an unescaped wildcard would find as well.
TEST_F(ZoekTekst, ElkeTitelWordtOngewijzigdBewaardEnLetterlijkGevonden)
{
    SQLite3Basis& verbinding = geheugen();
    ASSERT_EQ(verbinding.executeUpdate("create table T (id integer primary key, naam text, getal integer)"), 0);
    const wxArrayString titels = lijst({"O'Brien", "say \"hi\"", "50% done", "snake_case", "C:\\map\\bestand", "a*b",
                                        "[draft]", "q?", "Ærø café ñ 東京", "100%_\\"});
    for (const wxString& naam : titels)
        ASSERT_EQ(verbinding.doeInsert("T", lijst({"naam"}), wxArrayString(1, &naam)), 0) << naam;
    for (const char* afleider : {"50 and done", "snakeXcase", "axb", "qz", "100%_x", "dr"})
        ASSERT_EQ(verbinding.doeInsert("T", lijst({"naam"}), lijst({afleider})), 0);

    for (size_t i = 0; i < titels.size(); ++i)
    {
        const wxString& titel = titels[i];
        EXPECT_EQ(naam(static_cast<int>(i) + 1), titel);
        EXPECT_EQ(tel("naam==" + SQLite3Basis::quotes(titel)), 1) << titel;
        EXPECT_EQ(tel("naam like " + SQLite3Basis::procentQuotes(titel)), 1) << titel;
        EXPECT_EQ(tel("naam glob " + SQLite3Basis::sterQuotes(titel)), 1) << titel;
    }

    wxArrayInt getallen;
    getallen.Add(-9);
    ASSERT_EQ(verbinding.doeUpdate("T", lijst({"naam"}), lijst({"a \"b\" 'c'"}), lijst({"getal"}), getallen, "id==1"),
              0);
    EXPECT_EQ(verbinding.leesRijStrings("T", "naam,getal", "id==1"), lijst({"a \"b\" 'c'", "-9"}));
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
    // Fewer values than columns: refused before anything is read or run.
    EXPECT_EQ(verbinding.doeUpdate("T", lijst({"naam", "getal"}), lijst({"x"}), "id==1"), 2);
    EXPECT_EQ(naam(1), "a \"b\" 'c'");
}
