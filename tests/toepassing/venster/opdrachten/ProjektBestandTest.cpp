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
#include "tests/ondersteuning/VolleSchijfVFS.h"
#include "tests/ondersteuning/Waakhond.h"
#include "toepassing/kern/Voortgang.h"
#include "toepassing/kern/WerknemerLezing.h"
#include "toepassing/venster/WerkVoortgang.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <fcntl.h>
#include <functional>
#include <iostream>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>
#include <wx/combobox.h>
#include <wx/eventfilter.h>
#include <wx/filefn.h>
#include <wx/progdlg.h>

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

// The row ids of a leaf page of a table, from its cells: each begins with
// two varints, the size of its record and its row id. Any other page holds
// no row of its own.
std::vector<long long> rijenOpBlad(const std::string& bytes, size_t begin)
{
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(bytes[begin + i]); };
    const auto varint = [&](size_t& i)
    {
        long long waarde = 0;
        for (int n = 0; n < 8; ++n)
        {
            const unsigned char b = byte(i++);
            waarde = waarde << 7 | (b & 0x7f);
            if ((b & 0x80) == 0)
                return waarde;
        }
        return waarde << 8 | byte(i++);
    };
    std::vector<long long> rijen;
    const size_t tabelBlad = 13;
    for (size_t cel = 0; byte(0) == tabelBlad && cel < static_cast<size_t>(byte(3) << 8 | byte(4)); ++cel)
    {
        size_t i = static_cast<size_t>(byte(8 + 2 * cel) << 8 | byte(9 + 2 * cel));
        varint(i);
        rijen.push_back(varint(i));
    }
    return rijen;
}

// A project of 30 requirements (or `aantal`) with 1.5 KB of text each, a
// page overwritten:
// a leaf of their table, or the index of their titles; with its list index
// or as an older version left it; in WAL mode or with a rollback journal.
// Its bytes, and the requirements that lie on the sound pages ("I.D title").
struct BeschadigdProject
{
    std::string bytes;
    std::vector<wxString> leesbaar;
    size_t aantal = 0;

    // The list's figures: of the rows read, a part when rows are missing.
    wxString geefStatistiek() const
    {
        return wxString::Format(leesbaar.size() < aantal ? "%zu out of at least %zu" : "%zu out of a total of %zu",
                                leesbaar.size(), leesbaar.size());
    }
};

BeschadigdProject maakBeschadigdProject(KernApp& app, const wxString& pad, bool metLijstIndex,
                                        const wxString& beschadigd = "Requirements", bool metLog = true,
                                        int aantal = 30)
{
    EXPECT_EQ(app.openProject(pad), 0);
    EXPECT_EQ(app.startTransaktie(), 0);
    for (int SR = 1; SR <= aantal; ++SR)
        EXPECT_EQ(app.executeUpdate(wxString::Format("insert into Requirements (naam,SR,beschrijving) values "
                                                     "('Step %d',%d,'%s')",
                                                     SR, SR, wxString('x', 1500))),
                  0);
    if (!metLijstIndex)
    {
        EXPECT_EQ(app.executeUpdate("drop index RequirementsLijst"), 0);
    }
    EXPECT_EQ(app.stopTransaktie(), 0);
    const wxString bladen = "from dbstat where name==" + SQLite3Basis::quotes(beschadigd) + " and pagetype=='leaf'";
    const long long blad = app.tel("select pageno " + bladen +
                                   " order by pageno limit 1 offset (select min(2,count(*)-1) " + bladen + ")");
    const long long grootte = app.tel("pragma page_size");
    wxSQLite3Table rijen;
    EXPECT_EQ(app.leesTabelMetQuery("select id,SR,naam from Requirements", rijen), 0);
    if (!metLog)
    {
        EXPECT_EQ(app.schakelMode(SQLite3Basis::JournaalDelete, SQLite3Basis::SynchronisatieFull), 0);
    }
    app.sluitDB();
    EXPECT_GT(blad, 0);
    BeschadigdProject project{leesBytes(pad), {}};
    const std::vector<long long> verloren = rijenOpBlad(project.bytes, static_cast<size_t>((blad - 1) * grootte));
    for (int rij = 0; rij < rijen.GetRowCount(); ++rij)
    {
        rijen.SetRow(rij);
        if (std::find(verloren.begin(), verloren.end(), rijen.GetInt64(0).GetValue()) == verloren.end())
            project.leesbaar.push_back(rijen.GetString(1) + " " + rijen.GetString(2));
    }
    std::sort(project.leesbaar.begin(), project.leesbaar.end());
    project.aantal = static_cast<size_t>(aantal);
    project.bytes.replace(static_cast<size_t>((blad - 1) * grootte), 16, 16, '\xff');
    return project;
}

// What the list shows, as BeschadigdProject gives it.
std::vector<wxString> getoondeRijen(VerelTamsoVenster& venster)
{
    std::vector<wxString> rijen;
    for (long rij = 0; rij < venster.geefRekLijst()->GetItemCount(); ++rij)
    {
        const std::vector<wxString> teksten = rijTeksten(venster, rij);
        rijen.push_back(teksten[VerelTamsoApp::KolomID] + " " + teksten[VerelTamsoApp::KolomTitel]);
    }
    std::sort(rijen.begin(), rijen.end());
    return rijen;
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
// program holds the lock, the start fails, and the window is without a
// project in every command: nothing is added behind the user's back, beyond
// undo. When the disk has no room for them, the project is shown read-only
// as it is, with that said in plain words. Either way the file stays as it
// was, and once the cause is gone the project starts.
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
        bool alleenLezen = false;
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
        {"a full disk", vol, "There is not enough room on the disk to bring the project",
         [&]
         {
             maakOudProject(vol, false);
             ASSERT_TRUE(schijf.vul(0));
         },
         [&] { schijf.maakLeeg(); }, true},
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
            EXPECT_TRUE(meldingKop().Contains(oorzaak.melding)) << logVanger().geefAlles();
            if (oorzaak.alleenLezen)
            {
                EXPECT_TRUE(app->isAlleenLezenDB());
                EXPECT_EQ(naamLabel(), "Old kettle");
                EXPECT_EQ(titels(), std::vector<wxString>({"Pour", "Boil"}));
                EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
                klik(wxID_CLOSE);
            }
            EXPECT_FALSE(app->isDBOpen());
            EXPECT_EQ(naamLabel(), "No project");
            EXPECT_TRUE(titels().empty());
            for (size_t i = 0; i < std::size(zonderProjectOpdrachten); ++i)
                EXPECT_EQ(isAan(zonderProjectOpdrachten[i]), aanZonderProject[i] == '1')
                    << "command " << zonderProjectOpdrachten[i];
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

// A table of another tool that this version cannot be brought up to (it
// lacks the row id column, which SQLite cannot add) is shown by every way of
// opening as Open read-only shows it: read-only, every row listed, and the
// reason is what the user reads first when it was opened to be written. The
// file stays as it was.
TEST_F(OpdrachtTest, AForeignTableThatCannotBeUpgradedIsShownReadOnlyByEveryWay)
{
    // So are tables that take the columns but refuse the program's rows, or
    // hold the title in other letters.
    const std::pair<const char*, std::vector<const char*>> bestanden[] = {
        {"no row id", {"create table Requirements (SR integer, naam text, prioriteit integer)"}},
        {"a trigger that refuses an add",
         {"create table Requirements (id integer primary key, SR integer, naam text, prioriteit integer)",
          "create trigger weiger before insert on Requirements begin select raise(abort,'Only the kettle adds'); "
          "end"}},
        {"settings with a check",
         {"create table Requirements (SR integer, naam text, prioriteit integer, id integer primary key)",
          "create table Configuratie (id integer primary key, naam text check (naam is not null), valuta text)"}},
        {"a title in other letters",
         {"create table Requirements (id integer primary key, SR integer, NAAM text, prioriteit integer)"}},
    };
    const std::pair<const char*, std::function<void(const wxString&)>> wegen[] = {
        {"the command line",
         [&](const wxString& pad)
         {
             app->sluitDB();
             ASSERT_EQ(app->open(wxFileName(pad), false, wxString()), 0u);
             venster->start();
         }},
        {"Open",
         [&](const wxString& pad)
         {
             vragen.kies(pad);
             klik(wxID_OPEN);
         }},
        {"a recent file",
         [&](const wxString& pad)
         {
             zetRecenteBestanden({pad});
             vragen.antwoord(wxNO); // not read-only
             klik(V::ID_RECENT_EERSTE);
         }},
        {"Open read-only",
         [&](const wxString& pad)
         {
             vragen.kies(pad);
             klik(V::ID_OPENSLECHTSLEZENDB);
         }},
    };
    for (size_t geval = 0; geval < std::size(bestanden) * std::size(wegen); ++geval)
    {
        const auto& [bestand, opdrachten] = bestanden[geval / std::size(wegen)];
        const auto& [weg, open] = wegen[geval % std::size(wegen)];
        SCOPED_TRACE(std::string(bestand) + ", " + weg);
        const wxString pad = testPad(wxString(bestand) + ", " + weg + ".vtd");
        {
            wxSQLite3Database ander;
            ander.Open(pad);
            ander.ExecuteUpdate(opdrachten[0]);
            ander.ExecuteUpdate("insert into Requirements (SR,naam,prioriteit) values (1,'Boil',2),(2,'Pour',1)");
            for (size_t i = 1; i < opdrachten.size(); ++i)
                ander.ExecuteUpdate(opdrachten[i]);
        }
        const std::string bytes = leesBytes(pad);
        logVanger().wis();
        open(pad);
        verwerkGebeurtenissen();
        ASSERT_TRUE(app->isDBOpen()) << logVanger().geefAlles();
        EXPECT_TRUE(app->isAlleenLezenDB());
        EXPECT_EQ(menuLabel(V::ID_SCHAKELDBOMNAARSLECHTSLEZEN), "Switch current database to read+write mode\tCtrl+T");
        EXPECT_EQ(titels(), std::vector<wxString>({"Pour", "Boil"}));
        EXPECT_EQ(meldingKop().StartsWith("The database file \"" + pad + "\" cannot be brought up to date"),
                  std::string(weg) != "Open read-only")
            << logVanger().geefAlles();
        EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
        klik(wxID_CLOSE);
        EXPECT_TRUE(leesBytes(pad) == bytes);
        EXPECT_TRUE(laatNietsAchter(pad));
    }
}

// A page of the requirements' table is damaged: the first read that meets
// it, or the check before the start would switch the journal of a file with
// a rollback journal, says so, and that is what the user reads first, not a
// read that was abandoned. The window shows the project read-only, with the
// rows of the sound pages and their figures; the file stays as it was, its
// header too, and nothing stays beside it.
TEST_F(OpdrachtTest, ADamagedProjectIsSaidFirstAndShownReadOnly)
{
    for (const bool metLog : {true, false})
    {
        SCOPED_TRACE(metLog ? "WAL" : "rollback journal");
        const wxString pad = testPad(metLog ? "damaged.vtd" : "damaged, rollback journal.vtd");
        const BeschadigdProject project = maakBeschadigdProject(*app, pad, true, "Requirements", metLog);
        schrijfBytes(pad, project.bytes);

        logVanger().wis();
        vragen.kies(pad);
        klik(wxID_OPEN);
        ASSERT_TRUE(wachtOp([this] { return app->isKontroleKlaar(); }));
        verwerkGebeurtenissen();
        ASSERT_TRUE(app->isDBOpen());
        EXPECT_TRUE(meldingKop().StartsWith("The database file \"" + pad +
                                            "\" is damaged: part of it cannot be read.\n"
                                            "Nothing more is written into it. Use a backup copy"))
            << logVanger().geefAlles();
        EXPECT_FALSE(logVanger().bevat("Error reading requirements")) << logVanger().geefAlles();

        EXPECT_EQ(getoondeRijen(*venster), project.leesbaar);
        EXPECT_EQ(statistiek(), project.geefStatistiek());
        EXPECT_EQ(lijstKleur(), app->slechtsLeesAchtergrondKleur);
        EXPECT_TRUE(statusTekst().EndsWith("[read-only mode]")) << statusTekst();
        EXPECT_EQ(menuLabel(V::ID_SCHAKELDBOMNAARSLECHTSLEZEN), "Switch current database to read+write mode\tCtrl+T");
        for (const int id : {static_cast<int>(wxID_ADD), static_cast<int>(V::ID_SCHAKELDBOMNAARSLECHTSLEZEN),
                             static_cast<int>(V::ID_STRAKTREKKEN), static_cast<int>(V::ID_STARTSTOPVEILIGEMODUS)})
            EXPECT_FALSE(isAan(id)) << id;

        klik(wxID_CLOSE);
        EXPECT_TRUE(leesBytes(pad) == project.bytes);
        EXPECT_TRUE(laatNietsAchter(pad));
    }
}

// An older project (no list index yet) with a damaged page, of its
// requirements or of the index of their titles, named on the command line or
// opened read-only: said first and shown read-only, with the rows of the
// sound pages and the figures of those; nothing is said of changes that were
// never made, the file stays as it was, and nothing stays beside it once it
// is closed.
TEST_F(OpdrachtTest, ADamagedOlderProjectListsWhatCanBeReadByEveryWay)
{
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
    for (const char* beschadigd : {"Requirements", "sqlite_autoindex_Requirements_1"})
    {
        const BeschadigdProject project =
            maakBeschadigdProject(*app, testPad(wxString("source ") + beschadigd + ".vtd"), false, beschadigd);
        for (const auto& [weg, open] : wegen)
        {
            SCOPED_TRACE(std::string(beschadigd) + ", " + weg);
            const wxString pad = testPad(wxString(beschadigd) + ", " + weg + ".vtd");
            schrijfBytes(pad, project.bytes);
            logVanger().wis();
            open(pad);
            ASSERT_TRUE(wachtOp([this] { return app->isKontroleKlaar(); }));
            verwerkGebeurtenissen();
            ASSERT_TRUE(app->isDBOpen()) << logVanger().geefAlles();
            EXPECT_TRUE(app->isAlleenLezenDB());
            EXPECT_TRUE(
                meldingKop().StartsWith("The database file \"" + pad + "\" is damaged: part of it cannot be read."))
                << logVanger().geefAlles();
            EXPECT_EQ(getoondeRijen(*venster), project.leesbaar);
            EXPECT_EQ(statistiek(), project.geefStatistiek());
            klik(wxID_CLOSE);
            EXPECT_FALSE(logVanger().bevat("could not be committed")) << logVanger().geefAlles();
            EXPECT_TRUE(leesBytes(pad) == project.bytes);
            EXPECT_TRUE(laatNietsAchter(pad));
        }
    }
}

namespace
{
// The log as the toolkit's own target shows it: what is logged waits for
// the log's flush, at the window's idle time or when the program asks for
// it. Counts the reads of the project file on the window's thread between
// the damage logged and its showing, and runs `bijTonen` as it shows.
class GetoondeSchade : public LogVanger
{
public:
    GetoondeSchade(const std::atomic<size_t>& gelezen_, std::function<void()> bijTonen_)
        : gelezen(gelezen_), bijTonen(std::move(bijTonen_)), vorige(wxLog::SetActiveTarget(this))
    {
    }
    ~GetoondeSchade() override { wxLog::SetActiveTarget(vorige); }
    GetoondeSchade(const GetoondeSchade&) = delete;
    GetoondeSchade& operator=(const GetoondeSchade&) = delete;

    void Flush() override
    {
        if (gelogd && !getoond)
        {
            getoond = gelezen - *gelogd;
            bijTonen();
        }
        LogVanger::Flush();
    }
    // The reads between; none while the damage has not been shown.
    std::optional<size_t> geefTussenGelezen() const { return getoond; }

protected:
    void DoLogRecord(wxLogLevel niveau, const wxString& tekst, const wxLogRecordInfo& info) override
    {
        if (!gelogd && tekst.Contains("is damaged"))
            gelogd = gelezen.load();
        LogVanger::DoLogRecord(niveau, tekst, info);
    }

private:
    const std::atomic<size_t>& gelezen;
    std::function<void()> bijTonen;
    wxLog* vorige;
    std::optional<size_t> gelogd;
    std::optional<size_t> getoond;
};
} // namespace

// A damaged project of 2,000 requirements with long texts, where SQLite's
// temporary folder has no room at all: the user is shown the damage before
// what can still be read is read, which copies no file and no long text;
// meanwhile the figures, read of the whole file before, are not shown as the
// project's. The list and its figures then hold every row that can be read,
// as a part of the project, the user is told how many they are and which,
// nothing is said of a full disk, and a temporary table per table of the
// project holds the short columns of the rows that can be read, in SQLite's
// memory.
TEST_F(OpdrachtTest, ADamagedProjectIsShownBeforeWhatCanBeReadIsRead)
{
    std::atomic<size_t> gelezen{0};
    const std::thread::id hoofdDraad = std::this_thread::get_id();
    VolleSchijfVFS schijf;
    schijf.zetVoorLezen(
        [&]
        {
            if (std::this_thread::get_id() == hoofdDraad)
                ++gelezen;
        });
    const wxString pad = testPad("damaged.vtd");
    const BeschadigdProject project = maakBeschadigdProject(*app, pad, true, "Requirements", true, 2000);
    schrijfBytes(pad, project.bytes);
    wxString bijSchade;
    GetoondeSchade log(gelezen, [&] { bijSchade = statistiek(); });
    schijf.beperk(0);
    vragen.kies(pad);
    klik(wxID_OPEN);
    ASSERT_TRUE(wachtOp([this] { return app->isKontroleKlaar(); }));
    verwerkGebeurtenissen();

    ASSERT_TRUE(log.geefTussenGelezen()) << log.geefAlles();
    EXPECT_LT(*log.geefTussenGelezen(), 64u);
    EXPECT_EQ(bijSchade, "not known yet");
    EXPECT_FALSE(schijf.isVolGeweest());
    EXPECT_EQ(getoondeRijen(*venster), project.leesbaar);
    // Rows lie in the damaged part between the first and the last: the
    // project holds at least those read. In thousands, as English groups.
    const size_t aantal = project.leesbaar.size();
    ASSERT_GT(aantal, 1000u);
    const wxString gegroepeerd = wxString::Format("%zu,%03zu", aantal / 1000, aantal % 1000);
    EXPECT_EQ(statistiek(), gegroepeerd + " out of at least " + gegroepeerd);
    EXPECT_TRUE(log.bevat("Requirements that can still be read: " + gegroepeerd + ", the first ", wxLOG_Warning))
        << log.geefAlles();
    EXPECT_TRUE(log.bevat(" in the order they were added. Those added between them are missing.", wxLOG_Warning))
        << log.geefAlles();
    EXPECT_FALSE(log.bevat("is full")) << log.geefAlles();
    EXPECT_EQ(app->tel("select count(*) from sqlite_temp_master where type=='table'"), 2);
    EXPECT_EQ(app->tel("select count(*) from " + VerelTamsoApp::geefLeesbaarKopie(VerelTamsoApp::TamsoTabelNaam)),
              static_cast<long long>(aantal));
    klik(wxID_CLOSE);
    EXPECT_TRUE(leesBytes(pad) == project.bytes);
}

namespace
{
// Stands between the work and the window's display of it, and answers the
// dialog that waits for the check of the whole file as the user does who
// will not wait: Cancel, once the window has painted meanwhile. The check,
// held by the disk till then, goes on once the window has heard it.
class Ongeduld : public Voortgang, public wxEventFilter
{
public:
    Ongeduld(VerelTamsoApp& app_, wxWindow& lijst_, std::function<void()> laatLos_)
        : app(app_), venster(*app.geefVoortgang()), lijst(lijst_), laatLos(std::move(laatLos_))
    {
        app.zetVoortgang(this);
        wxEvtHandler::AddFilter(this);
    }
    ~Ongeduld() override
    {
        wxEvtHandler::RemoveFilter(this);
        app.zetVoortgang(&venster);
    }
    Ongeduld(const Ongeduld&) = delete;
    Ongeduld& operator=(const Ongeduld&) = delete;

    int geschilderd = 0;
    bool metAnnuleren = false;

    void begin(const wxString& wat) override { venster.begin(wat); }
    void beginAfbreekbaar(const wxString& wat) override
    {
        venster.beginAfbreekbaar(wat);
        lijst.Refresh();
    }
    bool isAfgebroken() const override { return venster.isAfgebroken(); }
    void meld() override
    {
        venster.meld();
        antwoord();
    }
    void meldStap(size_t gedaan, size_t totaal) override
    {
        venster.meldStap(gedaan, totaal);
        antwoord();
    }
    void eind() override { venster.eind(); }
    int FilterEvent(wxEvent& gebeurtenis) override
    {
        const auto* geverfd = dynamic_cast<wxWindow*>(gebeurtenis.GetEventObject());
        if (gebeurtenis.GetEventType() == wxEVT_PAINT && geverfd && geverfd->GetParent() == &lijst)
            ++geschilderd;
        return Event_Skip;
    }

private:
    void antwoord()
    {
        if (gezien)
        {
            laatLos();
            return;
        }
        gezien = venster.isAfgebroken();
        wxWindow* knop = nullptr;
        for (wxWindow* tlw : wxTopLevelWindows)
            if (auto* dialoog = dynamic_cast<wxGenericProgressDialog*>(tlw); dialoog && dialoog->IsShown())
                knop = dialoog->FindWindow(wxID_CANCEL);
        metAnnuleren = metAnnuleren || (knop && knop->IsEnabled());
        if (knop && geschilderd > 0 && !gezien)
        {
            wxCommandEvent klik(wxEVT_BUTTON, wxID_CANCEL);
            klik.SetEventObject(knop);
            knop->GetEventHandler()->ProcessEvent(klik);
        }
    }

    VerelTamsoApp& app;
    Voortgang& venster;
    wxWindow& lijst;
    std::function<void()> laatLos;
    bool gezien = false;
};
} // namespace

// The list shows a project opened from the menu at once, while the check of
// its whole file still runs (the disk holds the check's reads). A change
// waits for the check under a dialog that offers Cancel, the window
// painting meanwhile; cancelled, the change is not made, the project is
// shown read-only and the user reads why. Closing while a check reads (a
// slow disk) ends it at once and leaves nothing beside the file.
TEST_F(OpdrachtTest, AChangeWaitsForTheCheckOfTheFileAndTheUserMayCancelIt)
{
    const wxString pad = testPad("p.vtd");
    maakProjectBestand(pad, {{1, "Boil"}, {2, "Pour"}});
    ASSERT_EQ(app->openProject(pad), 0);
    voerUit(*app, {"with recursive n(i) as (select 3 union all select i+1 from n where i<300) insert into "
                   "Requirements (naam,SR,beschrijving) select 'Step '||i,i,printf('%.*c',3000,'x') from n"});
    app->sluitDB();
    // Changed by another program since: checked again at every opening.
    {
        wxSQLite3Database ander;
        ander.Open(pad);
        ander.ExecuteUpdate("update Requirements set naam=naam where SR==1");
    }
    const std::string bytes = leesBytes(pad);
    venster->Show();
    ASSERT_TRUE(wachtOp([&] { return venster->IsShownOnScreen(); }));
    struct Drempel
    {
        std::chrono::milliseconds vorige = WerkVoortgang::zetDrempel(std::chrono::milliseconds(0));
        ~Drempel() { WerkVoortgang::zetDrempel(vorige); }
    } geen;
    VolleSchijfVFS schijf;
    const std::thread::id hoofdDraad = std::this_thread::get_id();
    std::mutex slot;
    std::condition_variable vrij;
    bool losgelaten = false;
    bool traag = false;
    int trageLezingen = 0;
    // Held a minute at the most: the test fails then rather than hang; a
    // busy machine is never that slow.
    const auto uiterlijk = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    schijf.zetVoorLezen(
        [&]
        {
            std::unique_lock<std::mutex> wacht(slot);
            if (std::this_thread::get_id() == hoofdDraad)
                return;
            if (traag)
            {
                ++trageLezingen;
                vrij.wait_for(wacht, std::chrono::milliseconds(25), [] { return false; });
            }
            else
                vrij.wait_until(wacht, uiterlijk, [&] { return losgelaten; });
        });
    // Closed before the disk goes, also when the test stops half-way.
    struct Sluiter
    {
        VensterApp& app;
        ~Sluiter() { app.sluitDB(); }
    } sluiter{*app};
    const auto laatLos = [&]
    {
        const std::lock_guard<std::mutex> vast(slot);
        losgelaten = true;
        vrij.notify_all();
    };

    // A change of its own, and one that is long work with a dialog of its
    // own: the wait comes before that work, with Cancel.
    const std::pair<const char*, std::function<void()>> wijzigingen[] = {
        {"the project's name",
         [&]
         {
             vragen.antwoordTekst("Pan");
             klik(V::ID_ZETPROJEKTNAAM);
         }},
        {"a requirement moved down", [&]
         {
             venster->geefRekLijst()->SetItemState(0, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
             klik(wxID_DOWN);
         }}};
    for (const auto& [wat, wijzig] : wijzigingen)
    {
        SCOPED_TRACE(wat);
        losgelaten = false;
        vragen.kies(pad);
        klik(wxID_OPEN);
        const std::vector<wxString> voor = titels();
        EXPECT_EQ(voor.size(), 300u);
        EXPECT_FALSE(app->isKontroleKlaar());
        logVanger().wis();
        {
            Ongeduld ongeduld(*app, *venster->geefRekLijst(), laatLos);
            wijzig();
            EXPECT_TRUE(ongeduld.metAnnuleren);
            EXPECT_GT(ongeduld.geschilderd, 0);
        }
        EXPECT_TRUE(losgelaten);
        verwerkGebeurtenissen();
        EXPECT_TRUE(logVanger().geefAlles().Contains(
            "The check of the database file \"" + pad +
            "\" was cancelled, so it is opened in read-only mode and nothing is written into "
            "it.\nOpen it again to check it and to change it."))
            << logVanger().geefAlles();
        EXPECT_EQ(naamLabel(), "Kettle");
        EXPECT_EQ(titels(), voor);
        EXPECT_FALSE(app->rolTerugMogelijk());
        EXPECT_TRUE(statusTekst().EndsWith("[read-only mode]")) << statusTekst();
        EXPECT_EQ(menuLabel(V::ID_SCHAKELDBOMNAARSLECHTSLEZEN), "Switch current database to read+write mode\tCtrl+T");
        klik(wxID_CLOSE);
    }

    // Opened again, and closed while the check reads on.
    traag = true;
    vragen.kies(pad);
    klik(wxID_OPEN);
    ASSERT_FALSE(app->isKontroleKlaar());
    // The close ends the check where it is, not after the file's hundreds
    // of pages that it would still read.
    int voorHetSluiten = 0;
    {
        const std::lock_guard<std::mutex> vast(slot);
        voorHetSluiten = trageLezingen;
    }
    {
        const Waakhond waakhond("closing while the check reads");
        klik(wxID_CLOSE);
    }
    {
        const std::lock_guard<std::mutex> vast(slot);
        EXPECT_LT(trageLezingen - voorHetSluiten, 20);
    }
    EXPECT_FALSE(app->isDBOpen());
    EXPECT_TRUE(leesBytes(pad) == bytes);
    EXPECT_TRUE(laatNietsAchter(pad));
}

// The reads of a project just opened (its list, its figures, its people)
// give the window its turns from their start, where a refill's read first
// waits whether it lasts: here longer than any read of the test. The list,
// asking for a paint at each paint as something moving in it would, paints
// during Open and during the start of the command line, also once it has
// its rows, while the people are read. Its figures meanwhile are either not
// known yet or the project's, never those of the window before.
TEST_F(OpdrachtTest, AnOpeningPaintsTheWindowFromTheStartOfItsReads)
{
    const wxString pad = testPad("p.vtd");
    openProject(pad);
    // Enough for reads that last a few of the toolkit's frames, at which
    // alone the window paints.
    voerUit(
        *app,
        {"with recursive n(i) as (select 1 union all select i+1 from n where i<40000) insert into "
         "Requirements (naam,SR,auteur,testIngenieur) select 'Step '||i,i,'Author '||(i%20),'Tester '||(i%20) from n"});
    venster->Show();
    ASSERT_TRUE(wachtOp([&] { return venster->IsShownOnScreen(); }));
    struct Tijden
    {
        SQLite3Basis::TussendoorTijden vorige =
            SQLite3Basis::zetTussendoorTijden({std::chrono::seconds(10), std::chrono::milliseconds(0)});
        ~Tijden() { SQLite3Basis::zetTussendoorTijden(vorige); }
    } tijden;
    // The list's paints at a turn that a read gives, before the list has
    // its rows and after.
    struct Verven : wxEventFilter
    {
        VerelTamsoApp& app;
        VerelTamsoVenster& venster;
        RekLijstCtrl& lijst;
        int voor = 0;
        int metRijen = 0;
        std::set<wxString> cijfers;
        Verven(VerelTamsoApp& app_, VerelTamsoVenster& venster_)
            : app(app_), venster(venster_), lijst(*venster.geefRekLijst())
        {
            wxEvtHandler::AddFilter(this);
        }
        ~Verven() override { wxEvtHandler::RemoveFilter(this); }
        int FilterEvent(wxEvent& gebeurtenis) override
        {
            auto* deel = dynamic_cast<wxWindow*>(gebeurtenis.GetEventObject());
            if (gebeurtenis.GetEventType() != wxEVT_PAINT || !deel || deel->GetParent() != &lijst)
                return Event_Skip;
            if (app.isTussendoorBezig())
            {
                ++(lijst.GetItemCount() == 40000 ? metRijen : voor);
                for (const int id : {V::ID_AANTALREK_LABEL, V::ID_VOLTOOIING_LABEL})
                    cijfers.insert(labelVan(venster, id));
            }
            deel->Refresh();
            return Event_Skip;
        }
    };
    const std::pair<const char*, std::function<void()>> wegen[] = {
        {"Open",
         [&]
         {
             vragen.kies(pad);
             klik(wxID_OPEN);
         }},
        {"the command line", [&]
         {
             ASSERT_EQ(app->open(wxFileName(pad), false, wxString()), 0u);
             venster->start();
         }}};
    for (const auto& [weg, open] : wegen)
    {
        SCOPED_TRACE(weg);
        klik(wxID_CLOSE);
        verwerkGebeurtenissen();
        Verven verven(*app, *venster);
        for (wxWindow* deel : venster->geefRekLijst()->GetChildren())
            deel->Refresh();
        open();
        EXPECT_GT(verven.voor, 0);
        EXPECT_GT(verven.metRijen, 0);
        const wxString voltooiing = labelVan(*venster, V::ID_VOLTOOIING_LABEL);
        EXPECT_EQ(verven.cijfers, (std::set<wxString>{"not known yet", "40,000 out of a total of 40,000",
                                                      "Completion of listed items:", voltooiing}));
    }
    klik(wxID_CLOSE);
}

// The people of a project opened are read a part at a time: a key that
// comes while they are read is taken before their read has ended, and the
// person box then offers every person of the project, once, sorted.
TEST_F(OpdrachtTest, AKeyWhileThePeopleAreReadIsTakenBeforeTheirReadEnds)
{
    const wxString pad = testPad("p.vtd");
    openProject(pad, {});
    voerUit(*app, {"with recursive n(i) as (select 1 union all select i+1 from n where i<40) insert into "
                   "Requirements (naam,SR,auteur,testIngenieur) select 'Step '||i,i,'Author '||(i%20),"
                   "'Tester '||(i%7) from n",
                   "update Requirements set aftekenaar='Ann' where SR==40"});
    klik(wxID_CLOSE);
    wxArrayString iedereen;
    for (int i = 0; i < 20; ++i)
        iedereen.Add(wxString::Format("Author %d", i));
    iedereen.Add("Ann");
    for (int i = 0; i < 7; ++i)
        iedereen.Add(wxString::Format("Tester %d", i));
    iedereen.Sort();
    struct Delen
    {
        long long vorige = WerknemerLezing::zetDeelGrootte(4);
        ~Delen() { WerknemerLezing::zetDeelGrootte(vorige); }
    } delen;
    // The number of people the box offered when the key was taken.
    std::optional<unsigned int> bijToets;
    wxWindow& lijst = *venster->geefRekLijst();
    const auto neem = [&](wxKeyEvent&) { bijToets = werknemerVeld(*venster).GetCount(); };
    lijst.Bind(wxEVT_KEY_DOWN, neem);
    vragen.kies(pad);
    klik(wxID_OPEN);
    // A key as the window shows the project.
    wxKeyEvent toets(wxEVT_KEY_DOWN);
    toets.m_keyCode = WXK_SHIFT;
    wxQueueEvent(&lijst, toets.Clone());
    EXPECT_TRUE(wachtOp([&] { return bijToets && werknemerVeld(*venster).GetCount() == iedereen.size(); }, 60000))
        << "the read of the people hung";
    lijst.Unbind(wxEVT_KEY_DOWN, neem);
    ASSERT_TRUE(bijToets);
    EXPECT_LT(*bijToets, iedereen.size()) << "the key waited for the whole read";
    EXPECT_EQ(werknemerVeld(*venster).GetStrings(), iedereen);
    EXPECT_EQ(app->leesAlleWerknemers(), iedereen);
}

// A project found sound, and so remembered, a page of which another
// program overwrites in place while it is open: whether the user then
// commits a change or only closes it, the next opening checks the whole
// file and says the damage, which no read of the list meets.
TEST_F(OpdrachtTest, DamageWrittenBesideTheProgramWhileTheProjectIsOpenIsFoundAtItsNextOpening)
{
    for (const bool commit : {true, false})
    {
        SCOPED_TRACE(commit ? "a change committed" : "only closed");
        const wxString pad = testPad(commit ? "committed.vtd" : "closed.vtd");
        ASSERT_EQ(app->openProject(pad), 0);
        EXPECT_EQ(app->startTransaktie(), 0);
        for (int SR = 1; SR <= 300; ++SR)
            EXPECT_EQ(app->executeUpdate(wxString::Format("insert into Requirements (naam,SR,beschrijving) values "
                                                          "('Step %d',%d,'%s')",
                                                          SR, SR, wxString('x', 1500))),
                      0);
        EXPECT_EQ(app->stopTransaktie(), 0);
        // Requirements halfway, far below what the list shows.
        const wxString bladen = "from dbstat where name=='Requirements' and pagetype=='leaf'";
        const long long blad =
            app->tel("select pageno " + bladen + " order by pageno limit 1 offset (select count(*)/2 " + bladen + ")");
        const long long grootte = app->tel("pragma page_size");
        app->sluitDB();
        for (int keer = 0; keer < 2; ++keer)
        {
            vragen.kies(pad);
            klik(wxID_OPEN);
            ASSERT_TRUE(wachtOp([this] { return app->isKontroleKlaar(); }));
            verwerkGebeurtenissen();
            if (keer == 0)
                klik(wxID_CLOSE);
        }

        const int bestand = open(pad.fn_str(), O_WRONLY | O_CLOEXEC);
        ASSERT_GE(bestand, 0);
        const std::string schade(16, '\xff');
        EXPECT_EQ(pwrite(bestand, schade.data(), schade.size(), (blad - 1) * grootte),
                  static_cast<ssize_t>(schade.size()));
        close(bestand);
        if (commit)
        {
            vragen.antwoordTekst("Pan");
            klik(V::ID_ZETPROJEKTNAAM);
            klik(wxID_SAVE);
        }
        klik(wxID_CLOSE);

        vragen.kies(pad);
        klik(wxID_OPEN);
        ASSERT_TRUE(wachtOp([this] { return app->isKontroleKlaar(); }));
        verwerkGebeurtenissen();
        EXPECT_TRUE(app->isBeschadigd());
        klik(wxID_CLOSE);
    }
}
