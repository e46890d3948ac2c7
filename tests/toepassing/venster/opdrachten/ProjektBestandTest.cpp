// What the project file does to the window: a start that fails (another
// program holds the lock, the disk is full) leaves no project half open; a
// read-only open leaves the file as it was and lists every row; a damaged
// file is said first and shown read-only, without blank rows.
#include "tests/ondersteuning/GuiHulp.h"
#include "tests/ondersteuning/KleineSchijf.h"
#include "tests/ondersteuning/KorteWachtTijden.h"
#include "tests/ondersteuning/LogVanger.h"
#include "tests/ondersteuning/Melding.h"
#include "tests/ondersteuning/TestOmgeving.h"
#include "tests/ondersteuning/VensterHulp.h"

#include <functional>
#include <iostream>
#include <string>
#include <vector>
#include <wx/filefn.h>

namespace
{
using V = VerelTamsoVenster;

// A project of an older version: fewer columns, no list index, and values
// that no version of this program writes.
void maakOudProject(const wxString& pad, bool inWAL)
{
    wxSQLite3Database oud;
    oud.Open(pad);
    if (inWAL)
        oud.ExecuteUpdate("pragma journal_mode=wal");
    oud.ExecuteUpdate("create table Configuratie (id integer primary key, naam text not null collate nocase, "
                      "valuta text, unique(naam))");
    oud.ExecuteUpdate("insert into Configuratie (naam) values ('Old kettle')");
    oud.ExecuteUpdate("create table Requirements (id integer primary key, naam text not null collate nocase, "
                      "SR integer not null, prioriteit integer not null default 1, totaleKosten integer not null "
                      "default 1, status integer default 0, type integer default 0, unique(naam), unique(SR))");
    oud.ExecuteUpdate("insert into Requirements (naam,SR,status,type) values ('Boil',1,99,7),('Pour',2,-3,2)");
}

// The same rows in a project of this version in WAL mode, without its list
// index.
void maakProjectZonderIndex(KernApp& app, const wxString& pad)
{
    ASSERT_EQ(app.openProject(pad), 0);
    voerUit(app, {"insert into Requirements (naam,SR,status,type,funkType) values ('Boil',1,99,7,9),('Pour',2,-3,2,-1)",
                  "drop index RequirementsLijst"});
    app.sluitDB();
}

// The bytes of a project of 30 requirements with 1.5 KB of text each, a
// page of their table overwritten; with its list index, or as an older
// version left it.
std::string maakBeschadigdProject(KernApp& app, const wxString& pad, bool metLijstIndex)
{
    EXPECT_EQ(app.openProject(pad), 0);
    EXPECT_EQ(app.startTransaktie(), 0);
    for (int SR = 1; SR <= 30; ++SR)
        EXPECT_EQ(app.executeUpdate(wxString::Format("insert into Requirements (naam,SR,beschrijving) values "
                                                     "('Step %d',%d,'%s')",
                                                     SR, SR, wxString('x', 1500))),
                  0);
    if (!metLijstIndex)
    {
        EXPECT_EQ(app.executeUpdate("drop index RequirementsLijst"), 0);
    }
    EXPECT_EQ(app.stopTransaktie(), 0);
    const long long blad = app.tel("select pageno from dbstat where name=='Requirements' and pagetype=='leaf' "
                                   "order by pageno limit 1 offset 2");
    const long long grootte = app.tel("pragma page_size");
    app.sluitDB();
    EXPECT_GT(blad, 0);
    std::string bytes = leesBytes(pad);
    bytes.replace(static_cast<size_t>((blad - 1) * grootte), 16, 16, '\xff');
    return bytes;
}

// The commands as the window enables them without a project.
const int zonderProjectOpdrachten[] = {wxID_NEW,
                                       wxID_OPEN,
                                       V::ID_OPENSLECHTSLEZENDB,
                                       V::ID_RECENT_EERSTE,
                                       wxID_SAVEAS,
                                       wxID_REPLACE,
                                       wxID_CLOSE,
                                       V::ID_SCHAKELDBOMNAARSLECHTSLEZEN,
                                       wxID_UNDO,
                                       wxID_SAVE,
                                       V::ID_STRAKTREKKEN,
                                       V::ID_STARTSTOPVEILIGEMODUS,
                                       V::ID_ZETPROJEKTNAAM,
                                       wxID_ADD};
const char* const aanZonderProject = "11110000000000";
} // namespace

// An older project needs its columns at the first start. When another
// program holds the lock or the disk has no room, the start fails, and the
// window is without a project in every command: nothing is added behind
// the user's back, beyond undo, and the file stays as it was. Once the
// cause is gone the project starts.
TEST_F(OpdrachtTest, AFailedStartLeavesNoProjectOpen)
{
    const KorteWachtTijden kort;
    KleineSchijf schijf((testMap() / "schijf").string(), 256 * 1024);

    struct Oorzaak
    {
        const char* naam;
        wxString pad;
        const char* melding;
        std::function<void()> begin;
        std::function<void()> einde;
    };
    wxSQLite3Database ander;
    const wxString vergrendeld = testPad("locked.vtd");
    const wxString vol = wxString::FromUTF8(schijf.geefMap()) + "/full.vtd";
    std::vector<Oorzaak> oorzaken = {
        {"a lock", vergrendeld, "is locked by another program",
         [&]
         {
             maakOudProject(vergrendeld, true);
             ander.Open(vergrendeld);
             ander.ExecuteUpdate("begin immediate");
         },
         [&] { ander.Close(); }},
        {"a full disk", vol, "is full.",
         [&]
         {
             maakOudProject(vol, false);
             ASSERT_TRUE(schijf.vul(0));
         },
         [&] { schijf.maakLeeg(); }},
    };
    if (!schijf.isGekoppeld())
    {
        std::cout << "The full disk is left out: " << schijf.waarom() << "\n";
        oorzaken.pop_back();
    }

    for (Oorzaak& oorzaak : oorzaken)
    {
        oorzaak.begin();
        const std::string bytes = leesBytes(oorzaak.pad);
        const std::pair<const char*, std::function<void()>> wegen[] = {
            {"the program's start",
             [&]
             {
                 ASSERT_EQ(app->open(wxFileName(oorzaak.pad), false, wxString()), 0u);
                 venster->start();
             }},
            {"Open",
             [&]
             {
                 vragen.kies(oorzaak.pad);
                 klik(wxID_OPEN);
             }},
            {"a recent file",
             [&]
             {
                 zetRecenteBestanden({oorzaak.pad});
                 vragen.antwoord(wxNO); // not read-only
                 klik(V::ID_RECENT_EERSTE);
             }},
        };
        for (const auto& [weg, open] : wegen)
        {
            SCOPED_TRACE(std::string(oorzaak.naam) + ", " + weg);
            logVanger().wis();
            open();
            EXPECT_FALSE(app->isDBOpen());
            EXPECT_EQ(naamLabel(), "No project");
            EXPECT_TRUE(titels().empty());
            for (size_t i = 0; i < std::size(zonderProjectOpdrachten); ++i)
                EXPECT_EQ(isAan(zonderProjectOpdrachten[i]), aanZonderProject[i] == '1')
                    << "command " << zonderProjectOpdrachten[i];
            EXPECT_TRUE(meldingKop().Contains(oorzaak.melding)) << logVanger().geefAlles();
            EXPECT_TRUE(leesBytes(oorzaak.pad) == bytes);
        }
        EXPECT_TRUE(vol != oorzaak.pad || laatNietsAchter(vol));

        oorzaak.einde();
        ASSERT_EQ(app->openProject(oorzaak.pad), 0) << logVanger().geefAlles();
        venster->start();
        EXPECT_EQ(naamLabel(), "Old kettle");
        EXPECT_EQ(app->tel("select count(*) from sqlite_master where name=='RequirementsLijst'"), 1);
        klik(wxID_CLOSE);
    }
}

// Read-only means the file as it was, byte for byte, and nothing left
// beside it: an older project is not upgraded nor given its list index, a
// project in WAL mode keeps no log. Every row is listed all the same, a
// status no version writes as its number.
TEST_F(OpdrachtTest, AReadOnlyProjectStaysAsItWasAndListsEveryRow)
{
    const std::pair<const char*, std::function<void(const wxString&)>> projecten[] = {
        {"an older project", [](const wxString& pad) { maakOudProject(pad, false); }},
        {"a project without its list index", [&](const wxString& pad) { maakProjectZonderIndex(*app, pad); }},
    };
    const std::pair<const char*, std::function<void(const wxString&)>> wegen[] = {
        {"Open read-only",
         [&](const wxString& pad)
         {
             vragen.kies(pad);
             klik(V::ID_OPENSLECHTSLEZENDB);
         }},
        {"a recent file",
         [&](const wxString& pad)
         {
             zetRecenteBestanden({pad});
             vragen.antwoord(wxYES); // read-only
             klik(V::ID_RECENT_EERSTE);
         }},
    };
    for (const auto& [project, maak] : projecten)
        for (const auto& [weg, open] : wegen)
        {
            SCOPED_TRACE(std::string(project) + ", " + weg);
            const wxString pad = testPad(wxString::Format("%s %s.vtd", project, weg));
            maak(pad);
            ASSERT_TRUE(laatNietsAchter(pad));
            const std::string bytes = leesBytes(pad);
            logVanger().wis();
            open(pad);
            ASSERT_TRUE(app->isAlleenLezenDB());
            EXPECT_TRUE(statistiek().StartsWith("2 out of a total of 2")) << statistiek();
            EXPECT_EQ(titels(), std::vector<wxString>({"Pour", "Boil"}));
            EXPECT_EQ(rijTeksten(*venster, 0)[VerelTamsoApp::KolomStatus], "-3");
            EXPECT_EQ(rijTeksten(*venster, 1)[VerelTamsoApp::KolomStatus], "99");
            EXPECT_EQ(app->geefRequirement(1).type, 7);
            EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
            klik(wxID_CLOSE);
            EXPECT_TRUE(leesBytes(pad) == bytes);
            EXPECT_TRUE(laatNietsAchter(pad));
        }
}

// A page of the requirements' table is damaged: the first read that meets
// it says so, and that is what the user reads first, not a read that was
// abandoned. The window shows the project read-only, with the rows that can
// still be read, no blank ones, and their figures; the file stays as it was.
TEST_F(OpdrachtTest, ADamagedProjectIsSaidFirstAndShownReadOnly)
{
    const wxString pad = testPad("damaged.vtd");
    const std::string bytes = maakBeschadigdProject(*app, pad, true);
    schrijfBytes(pad, bytes);

    logVanger().wis();
    vragen.kies(pad);
    klik(wxID_OPEN);
    verwerkGebeurtenissen();
    ASSERT_TRUE(app->isDBOpen());
    EXPECT_TRUE(meldingKop().StartsWith("The database file \"" + pad +
                                        "\" is damaged: part of it cannot be read.\n"
                                        "Nothing more is written into it. Use a backup copy"))
        << logVanger().geefAlles();
    EXPECT_FALSE(logVanger().bevat("Error reading requirements")) << logVanger().geefAlles();

    const std::vector<wxString> getoond = titels();
    EXPECT_FALSE(getoond.empty());
    EXPECT_LT(getoond.size(), 30u);
    for (const wxString& titel : getoond)
        EXPECT_FALSE(titel.empty());
    EXPECT_EQ(statistiek(), wxString::Format("%zu out of a total of %zu", getoond.size(), getoond.size()));
    EXPECT_EQ(lijstKleur(), app->slechtsLeesAchtergrondKleur);
    EXPECT_TRUE(statusTekst().EndsWith("[read-only mode]")) << statusTekst();
    EXPECT_EQ(menuLabel(V::ID_SCHAKELDBOMNAARSLECHTSLEZEN), "Switch current database to read+write mode\tCtrl+T");
    for (const int id : {static_cast<int>(wxID_ADD), static_cast<int>(V::ID_SCHAKELDBOMNAARSLECHTSLEZEN),
                         static_cast<int>(V::ID_STRAKTREKKEN), static_cast<int>(V::ID_STARTSTOPVEILIGEMODUS)})
        EXPECT_FALSE(isAan(id)) << id;

    klik(wxID_CLOSE);
    EXPECT_TRUE(leesBytes(pad) == bytes);
}

// An older project (no list index yet) with a damaged page of requirements,
// named on the command line or opened read-only: said first and shown
// read-only, with the rows that can still be read and the figures of those;
// nothing is said of changes that were never made, the file stays as it
// was, and nothing stays beside it once it is closed.
TEST_F(OpdrachtTest, ADamagedOlderProjectListsWhatCanBeReadByEveryWay)
{
    const std::string bytes = maakBeschadigdProject(*app, testPad("source.vtd"), false);

    const std::pair<const char*, std::function<void(const wxString&)>> wegen[] = {
        {"the command line",
         [&](const wxString& pad)
         {
             app->sluitDB();
             ASSERT_EQ(app->open(wxFileName(pad), false, wxString()), 0u);
             venster->start();
         }},
        {"Open read-only",
         [&](const wxString& pad)
         {
             vragen.kies(pad);
             klik(V::ID_OPENSLECHTSLEZENDB);
         }},
    };
    for (const auto& [weg, open] : wegen)
    {
        SCOPED_TRACE(weg);
        const wxString pad = testPad(wxString(weg) + ".vtd");
        schrijfBytes(pad, bytes);
        logVanger().wis();
        open(pad);
        verwerkGebeurtenissen();
        ASSERT_TRUE(app->isDBOpen()) << logVanger().geefAlles();
        EXPECT_TRUE(app->isAlleenLezenDB());
        EXPECT_TRUE(meldingKop().StartsWith("The database file \"" + pad + "\" is damaged: part of it cannot be read."))
            << logVanger().geefAlles();
        const std::vector<wxString> getoond = titels();
        EXPECT_GT(getoond.size(), 20u);
        EXPECT_LT(getoond.size(), 30u);
        for (const wxString& titel : getoond)
            EXPECT_FALSE(titel.empty());
        EXPECT_EQ(statistiek(), wxString::Format("%zu out of a total of %zu", getoond.size(), getoond.size()));
        klik(wxID_CLOSE);
        EXPECT_FALSE(logVanger().bevat("could not be committed")) << logVanger().geefAlles();
        EXPECT_TRUE(leesBytes(pad) == bytes);
        EXPECT_TRUE(laatNietsAchter(pad));
    }
}
