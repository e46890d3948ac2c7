// Bad project files and a locked project as the user meets them, by every
// way of opening: each gives its message, none crashes or hangs, and a file
// that must stay as it was stays so, byte for byte.
#include "tests/ondersteuning/KernApp.h"
#include "tests/ondersteuning/KorteWachtTijden.h"
#include "tests/ondersteuning/LogVanger.h"
#include "tests/ondersteuning/VraagBeantwoorder.h"
#include "tests/ondersteuning/Waakhond.h"

#include <optional>
#include <string>

namespace
{
// A project of three requirements, closed as the program closes it.
std::string maakProject(const wxString& pad)
{
    App app;
    EXPECT_EQ(app->openProject(pad), 0);
    voegRijenToe(*app, {{1, "een"}, {2, "twee"}, {3, "drie"}});
    app->sluitDB();
    return leesBytes(pad);
}

// The same project with the first page of its requirements overwritten.
std::string maakBeschadigd(const wxString& pad)
{
    std::string bytes = maakProject(pad);
    wxSQLite3Database bestand;
    bestand.Open(pad, wxString(), WXSQLITE_OPEN_READONLY);
    const int pagina = bestand.ExecuteScalar("select rootpage from sqlite_master where name=='Requirements'");
    const int grootte = bestand.ExecuteScalar("pragma page_size");
    bestand.Close();
    bytes.replace(static_cast<size_t>(pagina - 1) * grootte, 16, 16, '\xff');
    return bytes;
}

std::string maakVreemd(const wxString& pad)
{
    {
        wxSQLite3Database ander;
        ander.Open(pad);
        ander.ExecuteUpdate("create table Adressen (naam text, straat text)");
        ander.ExecuteUpdate("insert into Adressen values ('Jan', 'Dorpsstraat 1')");
    }
    return leesBytes(pad);
}

enum class Weg
{
    // The recent files and the command line: a file by its name.
    Bestand,
    OpenDialoog,
    // The project of the configuration, at the program's start.
    Start
};

const char* naam(Weg weg)
{
    return weg == Weg::Bestand ? "by name" : weg == Weg::OpenDialoog ? "open dialog" : "at start";
}

// Opens the file the way the user did, and starts it as the main window
// does: 0 when the project is started.
int openEnStart(std::optional<App>& app, VraagBeantwoorder& vragen, Weg weg, const wxString& pad)
{
    if (weg == Weg::Start)
    {
        app.emplace();
        (*app)->sluitDB();
        (*app)->zetDBPad(wxFileName(pad));
        app.reset(); // its end leaves the path as the project of the next start
        app.emplace();
        return (*app)->isDBOpen() ? (*app)->startDatabase() : 100;
    }
    app.emplace();
    (*app)->sluitDB();
    unsigned int geopend = 0;
    if (weg == Weg::Bestand)
        geopend = (*app)->openDB(wxFileName(pad), false, wxString());
    else
    {
        vragen.kies(pad);
        geopend = (*app)->openDB(false, wxString());
    }
    return geopend != 0 ? 100 + static_cast<int>(geopend) : (*app)->startDatabase();
}
} // namespace

TEST(SlechtBestand, ElkSlechtProjectBestandGeeftZijnMeldingEnBlijftZoAlsHetWas)
{
    struct Geval
    {
        const char* naam;
        std::function<std::string(const wxString&)> maak;
        bool start;          // the project starts
        const char* melding; // an error that says what is wrong
        int toevoegen;       // what adding a requirement gives
        bool onveranderd;    // the file stays byte for byte as it was
    };
    const Geval gevallen[] = {
        {"damaged page", maakBeschadigd, true, "is damaged: part of it cannot be read.", 1, true},
        {"foreign database", maakVreemd, false, "is not a project database", 0, true},
        {"random bytes",
         [](const wxString&)
         {
             std::string rommel;
             for (int i = 0; i < 5000; ++i)
                 rommel += static_cast<char>((i * 7919 + 13) % 256);
             return rommel;
         },
         false, "is not a project database", 0, true},
        {"text", [](const wxString&) { return std::string("Requirements of the new project\n"); }, false,
         "is not a project database", 0, true},
        {"empty file", [](const wxString&) { return std::string(); }, true, nullptr, 0, false},
    };
    VraagBeantwoorder vragen;
    for (const Geval& geval : gevallen)
        for (const Weg weg : {Weg::Bestand, Weg::OpenDialoog, Weg::Start})
        {
            SCOPED_TRACE(std::string(geval.naam) + ", " + naam(weg));
            const wxString pad = testPad(wxString::Format("%s %s.vtd", geval.naam, naam(weg)));
            const std::string bytes = geval.maak(pad);
            schrijfBytes(pad, bytes);
            std::optional<App> app;
            logVanger().wis();
            Waakhond waakhond(std::string(geval.naam) + ", " + naam(weg));
            const int gestart = openEnStart(app, vragen, weg, pad);
            EXPECT_EQ(gestart == 0, geval.start) << gestart << "\n" << logVanger().geefAlles();
            if (gestart == 0)
            {
                // The list shows what can be read, or nothing.
                static_cast<void>((*app)->zoekAlles());
                EXPECT_EQ((*app)->voegToe(opgeslagen("nieuw", 99)), geval.toevoegen) << logVanger().geefAlles();
            }
            else
            {
                EXPECT_FALSE((*app)->isDBOpen());
                // Not the project of the next start either.
                EXPECT_NE((*app)->geefDBPad().GetFullPath(), pad);
            }
            if (geval.melding)
            {
                EXPECT_TRUE(logVanger().bevat("\"" + pad + "\" " + geval.melding, wxLOG_Error))
                    << logVanger().geefAlles();
            }
            else
            {
                EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
            }
            app.reset();
            if (geval.onveranderd)
            {
                EXPECT_TRUE(leesBytes(pad) == bytes);
            }
        }
    EXPECT_EQ(vragen.geefOnbeantwoord(), 0u);
}

// Another program holds the project's write lock while the user adds a
// requirement: the add is refused with the message, nothing stays open to
// undo, the change before it stays committed, and the list shows what the
// other program commits as soon as it does.
TEST(SlechtBestand, EenVergrendeldProjectWeigertDeWijzigingEnLaatNietsOpen)
{
    const KorteWachtTijden kort;
    const wxString pad = testPad("p.vtd");
    App app;
    ASSERT_EQ(app->openProject(pad), 0);
    ASSERT_EQ(app->voegToe(opgeslagen("een", 1)), 0);
    ASSERT_EQ(app->stopTransaktie(), 0);

    wxSQLite3Database ander;
    ander.Open(pad);
    ander.ExecuteUpdate("begin immediate");
    ander.ExecuteUpdate("insert into Requirements (SR,naam) values (7,'van de ander')");
    logVanger().wis();
    {
        Waakhond waakhond("an add while another program holds the lock");
        EXPECT_EQ(app->voegToe(opgeslagen("twee", 2)), 2);
    }
    EXPECT_TRUE(
        logVanger().bevat("The database is locked by another program. Close it there and try again.", wxLOG_Error))
        << logVanger().geefAlles();
    EXPECT_FALSE(app->rolTerugMogelijk());
    EXPECT_FALSE(app->handmatigeTransaktieBezig());
    ander.ExecuteUpdate("commit");
    EXPECT_EQ(nummers(app->zoekAlles()), (std::vector<int>{1, 7}));

    ASSERT_EQ(app->voegToe(opgeslagen("twee", 2)), 0);
    EXPECT_TRUE(app->rolTerugMogelijk());
    EXPECT_EQ(nummers(*app), "een=1,twee=2,van de ander=7");
}
