#include "swexternals/desktop/wx/wxSQLite3/DeelTekst.h"
#include "tests/ondersteuning/LogVanger.h"
#include "tests/swexternals/desktop/wx/wxSQLite3/DatabaseHulp.h"

#include <sqlite3.h>
#include <string>
#include <vector>

namespace
{
class Zoeken : public DatabaseTest
{
protected:
    // Requirements with every character a user may type literally.
    void vul()
    {
        SQLite3Basis& verbinding = geheugen();
        ASSERT_EQ(verbinding.executeUpdate("create table R (id integer primary key, titel text, auteur text)"), 0);
        const std::vector<std::pair<const char*, const char*>> rijen = {{"O'Brien's plan", "jan"},
                                                                        {"zeg \"hallo\"", "Piet"},
                                                                        {"50% korting", "kees"},
                                                                        {"a_b c", "JAN"},
                                                                        {"pad\\naar", "marie"},
                                                                        {"ster * veld", "Ümit"},
                                                                        {"[haak] en ?", "anne"},
                                                                        {"École Française", "éric"},
                                                                        {"ecole", "x"},
                                                                        {"5 korting", "y"},
                                                                        {"axb c", "z"}};
        for (const auto& [titel, auteur] : rijen)
            ASSERT_EQ(verbinding.executeUpdate("insert into R (titel, auteur) values (" +
                                               SQLite3Basis::quotes(wxString::FromUTF8(titel)) + "," +
                                               SQLite3Basis::quotes(wxString::FromUTF8(auteur)) + ")"),
                      0);
    }

    // The titles found in both columns for what the user typed.
    wxArrayString zoek(const char* getypt, bool ontkennen = false)
    {
        const wxString term = db->maakZoekTerm(wxString::FromUTF8(getypt), ontkennen);
        const wxString voorwaarde = db->bouwZoekTermStapel(lijst({"titel", "auteur"}), term,
                                                           ontkennen ? SQLite3Basis::KoppelEn : SQLite3Basis::KoppelOf);
        return db->leesKolomStrings("R", "titel", voorwaarde, SorteringOplopend, false);
    }
};
} // namespace

TEST_F(Zoeken, ElkGetyptTekenIsLetterlijkInElkeZoekwijze)
{
    vul();
    struct Geval
    {
        const char* getypt;
        bool exact;
        bool hoofdletters;
        std::vector<const char*> gevonden;
    };
    const std::vector<Geval> gevallen = {
        {"'", false, false, {"O'Brien's plan"}},
        {"\"hallo\"", false, true, {"zeg \"hallo\""}},
        {"%", false, false, {"50% korting"}},
        {"%", false, true, {"50% korting"}},
        {"_", false, false, {"a_b c"}},
        {"a_b", false, true, {"a_b c"}},
        {"\\n", false, false, {"pad\\naar"}},
        {"\\", false, true, {"pad\\naar"}},
        {"*", false, true, {"ster * veld"}},
        {"*", false, false, {"ster * veld"}},
        {"[haak]", false, true, {"[haak] en ?"}},
        {"?", false, true, {"[haak] en ?"}},
        {"[", false, false, {"[haak] en ?"}},
        // Case-insensitive also for letters beyond ASCII, in either column.
        {"école", false, false, {"École Française"}},
        {"ÜMIT", false, false, {"ster * veld"}},
        {"JAN", false, false, {"O'Brien's plan", "a_b c"}},
        {"JAN", false, true, {"a_b c"}},
        {"école", false, true, {}},
        {"Ümit", true, false, {"ster * veld"}},
        {"Ümi", true, false, {}},
        // Both switches: exact wins.
        {"jan", true, true, {"O'Brien's plan"}},
    };
    for (const Geval& geval : gevallen)
    {
        db->zetZoektermMoetExactOvereenkomen(geval.exact);
        db->zetHoofdletterGevoeligheid(geval.hoofdletters);
        wxArrayString verwacht;
        for (const char* titel : geval.gevonden)
            verwacht.Add(wxString::FromUTF8(titel));
        verwacht.Sort();
        EXPECT_EQ(zoek(geval.getypt), verwacht)
            << geval.getypt << " exact " << geval.exact << " case " << geval.hoofdletters;
    }
    // Negated: the rows where neither column holds the text.
    db->zetZoektermMoetExactOvereenkomen(false);
    db->zetHoofdletterGevoeligheid(false);
    EXPECT_EQ(zoek("o", true), lijst({"[haak] en ?", "a_b c", "axb c", "pad\\naar", "ster * veld"}));
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}

TEST_F(Zoeken, DeStapelVoegtStukkenSamenEnZichtenKomenEnGaan)
{
    maakProjectBestand(pad, {"een", "twee"});
    SQLite3Basis& verbinding = openBestand(pad);
    verbinding.voegToeZoekTerm("a", SQLite3Basis::KoppelEn);
    verbinding.voegToeZoekTerm("b", SQLite3Basis::KoppelOfNiet);
    EXPECT_EQ(verbinding.verwerkZoektermStapel(false), "a or not b");
    EXPECT_EQ(verbinding.verwerkZoektermStapel(true), "a or not b");
    EXPECT_EQ(verbinding.verwerkZoektermStapel(true), "");

    EXPECT_EQ(verbinding.maakStdZicht("T", "Z", lijst({"id", "naam"}), lijst({"where getal>1"}), true, false, false),
              0);
    EXPECT_TRUE(verbinding.bestaatZicht("Z", false, ""));
    EXPECT_EQ(verbinding.geefAantalRijen("Z"), 1);
    // A view of the same width counts as current; another width renews it.
    EXPECT_EQ(verbinding.maakStdZicht("T", "Z", lijst({"id", "getal"}), {}, true, false, false), 0);
    EXPECT_EQ(verbinding.geefAantalRijen("Z"), 1);
    EXPECT_EQ(verbinding.maakStdZicht("T", "Z", lijst({"id", "naam", "getal"}), {}, true, false, false), 0);
    EXPECT_EQ(verbinding.geefAantalRijen("Z"), 2);
    EXPECT_EQ(verbinding.verwijderZicht("Z", false), 0);
    EXPECT_FALSE(verbinding.bestaatZicht("Z", true, ""));

    EXPECT_EQ(verbinding.maakZicht("KonfZicht", "select naam from T", true, false), 0);
    EXPECT_TRUE(verbinding.bestaatZicht("KonfZicht", true, ""));
    EXPECT_FALSE(verbinding.bestaatZicht("KonfZicht", false, ""));
    EXPECT_EQ(verbinding.maakZicht("KonfZicht", "select getal from T", true, true), 0);
    EXPECT_EQ(verbinding.geefKolomNamen("KonfZicht", true), lijst({"getal"}));
    EXPECT_EQ(verbinding.verwijderZicht("KonfZicht", false), 0);
    EXPECT_EQ(verbinding.verwijderZicht("KonfZicht", false), 0);
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();

    // On a read-only file a stored view becomes temporary instead.
    stop();
    SQLite3Basis& lezen = openBestand(pad, true);
    EXPECT_EQ(lezen.maakZicht("L", "select naam from T", false, false), 0);
    EXPECT_FALSE(lezen.bestaatZicht("L", false, ""));
    EXPECT_TRUE(lezen.bestaatZicht("L", true, ""));
    EXPECT_FALSE(lezen.isDBVeranderd());
}

namespace
{
// What SQLite's own like says of a text and a pattern (ASCII only: there the
// two must agree).
int ingebouwdeLike(const std::string& tekst, const std::string& patroon, const char* escape)
{
    sqlite3* kaal = nullptr;
    sqlite3_open(":memory:", &kaal);
    sqlite3_stmt* opdracht = nullptr;
    const std::string sql = std::string("select ? like ?") + (escape ? " escape ?" : "");
    sqlite3_prepare_v2(kaal, sql.c_str(), -1, &opdracht, nullptr);
    sqlite3_bind_text(opdracht, 1, tekst.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(opdracht, 2, patroon.c_str(), -1, SQLITE_TRANSIENT);
    if (escape)
        sqlite3_bind_text(opdracht, 3, escape, -1, SQLITE_TRANSIENT);
    sqlite3_step(opdracht);
    const int uitkomst = sqlite3_column_int(opdracht, 0);
    sqlite3_finalize(opdracht);
    sqlite3_close(kaal);
    return uitkomst;
}

long long onzeLike(SQLite3Basis& verbinding, const std::string& tekst, const std::string& patroon, const char* escape)
{
    return verbinding.executeSkalair("select " + SQLite3Basis::quotes(wxString::FromUTF8(tekst)) + " like " +
                                     SQLite3Basis::quotes(wxString::FromUTF8(patroon)) +
                                     (escape ? " escape " + SQLite3Basis::quotes(escape) : wxString()));
}
} // namespace

// The connection's own like folds letters beyond ASCII; on ASCII it must say
// exactly what SQLite's like says, wildcards, escapes and backtracking included.
TEST_F(Zoeken, EigenLikeZegtHetzelfdeAlsDieVanSQLite)
{
    SQLite3Basis& verbinding = geheugen();
    const std::vector<std::string> teksten = {"", "a", "abc", "ABC", "aXbXc", "abcabc", "ab%c", "a_c", "xabcx",
                                              "needle in a haystack", "mississippi", "aaaab", "<p>Needle</p>",
                                              "Kiwi Island", "nnnnN",
                                              // Two letters that begin a match, near the end.
                                              "xxNe", "nE", "N", "a!ne!", "nnE"};
    const std::vector<std::string> patronen = {
        "",     "%",    "_",     "a",       "abc",       "%abc", "abc%",     "%b%",  "a%c",   "a_c",   "%a_c%",
        "%%",   "___",  "a%b%c", "%ss%ss%", "mis%sip_i", "%aab", "%NEEDLE%", "%x",   "a\\%c", "a\\_c", "%\\%%",
        "ab\\", "%KI%", "%i_l%", "%n",      "%nN%",      "%ne",  "%NE%",     "%e!%", "%!n%",  "%xn%"};
    for (const std::string& tekst : teksten)
        for (const std::string& patroon : patronen)
            for (const char* escape : {static_cast<const char*>(nullptr), "\\"})
                EXPECT_EQ(onzeLike(verbinding, tekst, patroon, escape), ingebouwdeLike(tekst, patroon, escape))
                    << "'" << tekst << "' like '" << patroon << "'" << (escape ? " escape '\\'" : "");

    for (const auto& [tekst, patroon] : std::vector<std::pair<std::string, std::string>>{
             {"école française", "%ÉCOLE%"},
             {"ÜMIT", "ümit"},
             {"Straße", "_tra_e"},
             // Characters beyond ASCII that fold into i and k, also right after another letter.
             {"an\u0130x", "%ni%"},
             {"\u212Aelvin", "%kelvin%"},
             {"a\u212A", "%ak"}})
        EXPECT_EQ(onzeLike(verbinding, tekst, patroon, nullptr), 1) << tekst << " like " << patroon;
    EXPECT_EQ(onzeLike(verbinding, "école", "%ecole%", nullptr), 0);
}

namespace
{
int ingebouwdeGlob(const std::string& tekst, const std::string& patroon)
{
    sqlite3* kaal = nullptr;
    sqlite3_open(":memory:", &kaal);
    sqlite3_stmt* opdracht = nullptr;
    sqlite3_prepare_v2(kaal, "select ? glob ?", -1, &opdracht, nullptr);
    sqlite3_bind_text(opdracht, 1, tekst.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(opdracht, 2, patroon.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_step(opdracht);
    const int uitkomst = sqlite3_column_int(opdracht, 0);
    sqlite3_finalize(opdracht);
    sqlite3_close(kaal);
    return uitkomst;
}
} // namespace

// The connection's own glob has no limit on the pattern's length; in all
// else it says what SQLite's glob says: sets, ranges, negation, a set left
// open, characters beyond ASCII.
TEST_F(Zoeken, EigenGlobZegtHetzelfdeAlsDieVanSQLite)
{
    SQLite3Basis& verbinding = geheugen();
    const std::vector<std::string> teksten = {"",    "a",   "abc",         "ABC", "a*c", "a?c", "a[c", "a]c",
                                              "a-c", "a^c", "mississippi", "é",   "xéx", "b",   "[",   "]]"};
    const std::vector<std::string> patronen = {"",         "*",       "?",      "a",      "abc",     "*abc",  "a*",
                                               "*b*",      "a?c",     "A*",     "a[*]c",  "a[?]c",   "a[[]c", "a[]]c",
                                               "a[]-]c",   "a[-a]c",  "a[a-]c", "[a-c]*", "[c-a]*",  "[^a]*", "[^]a]*",
                                               "a[b",      "*[b",     "[]",     "[^]",    "*ss*ss*", "m*?i",  "[é]",
                                               "x[^a-z]x", "*[à-ê]*", "[",      "]]",     "[]]]",    "*[]]"};
    for (const std::string& tekst : teksten)
        for (const std::string& patroon : patronen)
            EXPECT_EQ(verbinding.executeSkalair("select " + SQLite3Basis::quotes(wxString::FromUTF8(tekst)) + " glob " +
                                                SQLite3Basis::quotes(wxString::FromUTF8(patroon))),
                      ingebouwdeGlob(tekst, patroon))
                << "'" << tekst << "' glob '" << patroon << "'";
}

// A case-sensitive search for a text of 50,001 characters, beyond SQLite's
// limit for a glob pattern, finds it; a NUL in a search text is a character
// like any other, not the end of the statement.
TEST_F(Zoeken, LangeTekstenEnNulTekensWordenGewoonGezocht)
{
    SQLite3Basis& verbinding = geheugen();
    ASSERT_EQ(verbinding.executeUpdate("create table R (id integer primary key, titel text)"), 0);
    wxString metNul = "voor";
    metNul += wxUniChar(0);
    metNul += "na";
    const struct
    {
        const char* geval;
        wxString titel;
        long long bytes;
    } gevallen[] = {{"50,001 characters", wxString('x', 50000) + "y", 50001}, {"a NUL", metNul, 7}};
    for (const auto& geval : gevallen)
    {
        SCOPED_TRACE(geval.geval);
        ASSERT_EQ(verbinding.executeUpdate("delete from R"), 0);
        ASSERT_EQ(verbinding.executeUpdate("insert into R (titel) values (" + SQLite3Basis::quotes(geval.titel) + ")"),
                  0);
        EXPECT_EQ(verbinding.executeSkalair("select length(cast(titel as blob)) from R"), geval.bytes);
        for (const bool hoofdletters : {true, false})
            for (const bool exact : {true, false})
            {
                verbinding.zetHoofdletterGevoeligheid(hoofdletters);
                verbinding.zetZoektermMoetExactOvereenkomen(exact);
                EXPECT_EQ(verbinding.executeSkalair("select count(*) from R where titel" +
                                                    verbinding.maakZoekTerm(geval.titel, false)),
                          1)
                    << "case " << hoofdletters << " exact " << exact;
            }
    }
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}

// A search text typed on after a longer one narrows the lists kept, each
// looked for in the new text: in comparisons that grow with the lengths,
// not with their product, whatever the texts hold. A plain search takes a
// quarter of the product on one long run of a letter whose shorter part ends
// in another.
TEST(DeelTekst, VergelijktHooguitTweemaalDeLengtes)
{
    const std::u32string a(60000, U'a');
    const std::u32string ab = std::u32string(29999, U'a') + U'b';
    const struct
    {
        std::u32string tekst;
        std::u32string deel;
        bool bevat;
    } gevallen[] = {{U"abcabd", U"abd", true}, {U"abcabd", U"abe", false}, {U"aabaabaaab", U"aaab", true},
                    {U"x", U"", true},         {U"", U"x", false},         {a, ab, false},
                    {a + U'b', ab, true}};
    for (const auto& geval : gevallen)
    {
        size_t vergelijkingen = 0;
        const auto gelijk = [&vergelijkingen](char32_t x, char32_t y)
        {
            ++vergelijkingen;
            return x == y;
        };
        EXPECT_EQ(bevatDeelTekst(geval.tekst, geval.deel, gelijk), geval.bevat) << geval.tekst.size();
        EXPECT_LE(vergelijkingen, 2 * (geval.tekst.size() + geval.deel.size())) << geval.tekst.size();
    }
}
