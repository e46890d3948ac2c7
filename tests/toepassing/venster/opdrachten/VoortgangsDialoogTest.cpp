// Work that lasts shows a dialog over the window that says what it does; the
// commit of the change it left shows one before it starts, as it tells
// nothing while it runs. Work on many rows reads them within the work, and
// its bar grows as it goes. A close asked meanwhile waits for its end.
#include "tests/ondersteuning/LogVanger.h"
#include "tests/ondersteuning/VensterHulp.h"
#include "tests/ondersteuning/VolleSchijfVFS.h"
#include "tests/ondersteuning/XTestMuis.h"
#include "toepassing/kern/Voortgang.h"
#include "toepassing/venster/WerkVoortgang.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <gtk/gtk.h>
#include <mutex>
#include <set>
#include <sqlite3.h>
#include <thread>
#include <wx/eventfilter.h>
#include <wx/progdlg.h>

namespace
{
using V = VerelTamsoVenster;
using Teksten = std::vector<wxString>;

// Stands between the work and the window's display of it: what a progress
// dialog said while the work began.
class Kijker : public Voortgang
{
public:
    explicit Kijker(VerelTamsoApp& app_) : app(app_), venster(*app.geefVoortgang()) { app.zetVoortgang(this); }
    ~Kijker() override { app.zetVoortgang(&venster); }

    Teksten getoond;

    void begin(const wxString& wat) override
    {
        venster.begin(wat);
        for (wxWindow* tlw : wxTopLevelWindows)
            if (auto* dialoog = dynamic_cast<wxGenericProgressDialog*>(tlw); dialoog && dialoog->IsShown())
                getoond.push_back(dialoog->GetMessage());
    }
    void meld() override { venster.meld(); }
    void meldStap(size_t gedaan, size_t totaal) override { venster.meldStap(gedaan, totaal); }
    void eind() override { venster.eind(); }

private:
    VerelTamsoApp& app;
    Voortgang& venster;
};

struct Drempel
{
    std::chrono::milliseconds vorige;
    explicit Drempel(std::chrono::milliseconds ms) : vorige(WerkVoortgang::zetDrempel(ms)) {}
    ~Drempel() { WerkVoortgang::zetDrempel(vorige); }
};

// Every report of the work is a turn of the window.
struct ElkeStap
{
    std::chrono::milliseconds vorige = WerkVoortgang::zetTussenpoos(std::chrono::milliseconds(0));
    ~ElkeStap() { WerkVoortgang::zetTussenpoos(vorige); }
};

// How many of wxWidgets' asserts `wat` meets.
int telAsserts(const std::function<void()>& wat)
{
    static int geteld = 0;
    geteld = 0;
    const wxAssertHandler_t vorige =
        wxSetAssertHandler([](const wxString&, int, const wxString&, const wxString&, const wxString&) { ++geteld; });
    wat();
    wxSetAssertHandler(vorige);
    return geteld;
}

wxGenericProgressDialog* geefDialoog()
{
    for (wxWindow* tlw : wxTopLevelWindows)
        if (auto* dialoog = dynamic_cast<wxGenericProgressDialog*>(tlw); dialoog && dialoog->IsShown())
            return dialoog;
    return nullptr;
}

// Follows the work as the window shows it: where the dialog's bar stood at
// each report of the work, and the statements the project's connection ran
// before the work began and, at most, between two reports.
class Meter : public Voortgang
{
public:
    explicit Meter(KernApp& app_)
        : app(app_), venster(*app.geefVoortgang()), verbinding(static_cast<sqlite3*>(app_.GetDatabaseHandle()))
    {
        app.zetVoortgang(this);
        sqlite3_trace_v2(verbinding, SQLITE_TRACE_STMT, &tel, this);
    }
    ~Meter() override
    {
        sqlite3_trace_v2(verbinding, 0, nullptr, nullptr);
        app.zetVoortgang(&venster);
    }
    Meter(const Meter&) = delete;
    Meter& operator=(const Meter&) = delete;

    Teksten begonnen;
    int voorBegin = 0;
    int meesteTussen = 0;
    int naEind = 0;
    std::vector<int> standen;

    void begin(const wxString& wat) override
    {
        begonnen.push_back(wat);
        venster.begin(wat);
    }
    void meld() override
    {
        venster.meld();
        noteer();
    }
    void meldStap(size_t gedaan, size_t totaal) override
    {
        venster.meldStap(gedaan, totaal);
        noteer();
    }
    void eind() override
    {
        noteer();
        venster.eind();
        geeindigd = true;
    }

private:
    void noteer()
    {
        meesteTussen = std::max(meesteTussen, tussen);
        tussen = 0;
        if (wxGenericProgressDialog* dialoog = geefDialoog())
            standen.push_back(dialoog->GetValue());
    }
    static int tel(unsigned int, void* meter, void*, void*)
    {
        auto& m = *static_cast<Meter*>(meter);
        ++(m.begonnen.empty() ? m.voorBegin : m.geeindigd ? m.naEind : m.tussen);
        return 0;
    }

    VerelTamsoApp& app;
    Voortgang& venster;
    sqlite3* verbinding;
    int tussen = 0;
    bool geeindigd = false;
};
} // namespace

TEST_F(OpdrachtTest, LongWorkShowsWhatItDoesAndItsCommitToo)
{
    const wxString pad = testPad("p.vtd");
    openProject(pad, {{1, "Boil"}, {3, "Pour"}, {5, "Serve"}});
    Kijker kijker(*app);
    {
        // Every work counts as long.
        const Drempel geen(std::chrono::milliseconds(0));
        klik(V::ID_STRAKTREKKEN);
        EXPECT_EQ(kijker.getoond, Teksten{"Reassigning the I.D numbers of the requirements..."});
        ASSERT_EQ(rijenInBestand(pad), "Boil=1,Pour=3,Serve=5");
    }
    // The work was long, so is its commit: said before it starts, whether
    // the user commits or the next change does.
    kijker.getoond.clear();
    klik(wxID_SAVE);
    EXPECT_EQ(kijker.getoond, Teksten{"Committing changes..."});
    EXPECT_EQ(rijenInBestand(pad), "Boil=1,Pour=2,Serve=3");
    voerUit(*app, {"update Requirements set SR=SR+10"});
    {
        const Drempel geen(std::chrono::milliseconds(0));
        klik(V::ID_STRAKTREKKEN);
    }
    kijker.getoond.clear();
    ASSERT_EQ(app->zetProjektNaam("Kettle"), 0);
    EXPECT_EQ(kijker.getoond, Teksten{"Committing changes..."});
    ASSERT_EQ(app->stopTransaktie(), 0);

    // A small change commits at once.
    kijker.getoond.clear();
    ASSERT_EQ(app->zetProjektNaam("Pan"), 0);
    klik(wxID_SAVE);
    EXPECT_EQ(kijker.getoond, Teksten());
    EXPECT_FALSE(app->rolTerugMogelijk());

    // Moving a block, as long work.
    const Drempel geen(std::chrono::milliseconds(0));
    kijker.getoond.clear();
    ASSERT_EQ(venster->selekteerRequirement(opgeslagen("Pour", 2), StandAan), 0);
    klik(wxID_UP);
    EXPECT_EQ(kijker.getoond, Teksten{"Moving requirements..."});
    // One row higher in the list, which runs from the highest number down.
    EXPECT_EQ(titels(), (Teksten{"Pour", "Serve", "Boil"}));
}

// A block as long as the list moved, and as many rows removed: the rows are
// read within the work, whose dialog is up before the first of them, and
// whose bar grows as the rows are read, checked and changed; the window
// never waits on more than a few statements without the dialog going on,
// nor after the work on the rows it selects and deselects.
TEST_F(OpdrachtTest, ManyRowsAreReadWithinTheWorkWhoseBarGrows)
{
    openProject(testPad("veel.vtd"));
    voerUit(*app, {"with recursive n(i) as (select 1 union all select i+1 from n where i<600) insert into "
                   "Requirements (SR,naam) select i,'Step '||i from n"});
    klik(wxID_REFRESH);
    const Drempel geen(std::chrono::milliseconds(0));
    const ElkeStap elkeStap;
    const std::pair<int, const char*> opdrachten[] = {{wxID_UP, "Moving requirements..."},
                                                      {wxID_DELETE, "Removing requirements..."}};
    for (const auto& [opdracht, wat] : opdrachten)
    {
        // Every row but the first.
        RekLijstCtrl& lijst = *venster->geefRekLijst();
        lijst.wisSelektie();
        for (long rij = 1; rij < lijst.GetItemCount(); ++rij)
            lijst.SetItemState(rij, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
        Meter meter(*app);
        klik(opdracht);
        EXPECT_EQ(meter.begonnen, Teksten{wat});
        EXPECT_EQ(meter.voorBegin, 0) << wat;
        // A step's statements, or the start of its transaction and savepoint.
        EXPECT_LE(meter.meesteTussen, 5) << wat;
        EXPECT_TRUE(std::is_sorted(meter.standen.begin(), meter.standen.end())) << wat;
        EXPECT_GE(std::set<int>(meter.standen.begin(), meter.standen.end()).size(), 100u) << wat;
        EXPECT_GE(meter.standen.empty() ? 0 : meter.standen.back(), 900) << wat;
        // After it the refill with its few reads, and the rows changed
        // selected without reading each one's page for its event.
        EXPECT_LE(meter.naEind, 16) << wat;
    }
    // The block took the numbers one place up, the highest went to the
    // lowest number; then all but the first row went.
    EXPECT_EQ(titels(), Teksten{"Step 599"});
}

namespace
{
// Follows long work as the window shows it (the list's turns and paints
// while it runs), and a commit's as the disk's patience: the disk syncs the
// commit only once the window has had its turns meanwhile (a few
// hand-overs, the dialog up where it is due, the list painted), or after
// five seconds.
class CommitKijker : public Kijker, public wxEventFilter
{
public:
    CommitKijker(VerelTamsoApp& app, VolleSchijfVFS& schijf_, wxWindow& lijst_, std::function<void()> eerste)
        : Kijker(app), db(app), schijf(schijf_), lijst(lijst_), eersteBeurt(std::move(eerste))
    {
        wxEvtHandler::AddFilter(this);
        schijf.zetVoorSync([this] { wachtOpBeurten(); });
    }
    ~CommitKijker() override
    {
        if (lus != 0)
            g_source_remove(lus);
        schijf.zetVoorSync(nullptr);
        wxEvtHandler::RemoveFilter(this);
    }

    bool dialoogVerwacht = true;
    int beurten = 0;
    bool dialoogGezien = false;
    // The toolkit's loop ran during the work: the window had a turn.
    bool beurtGehad = false;
    int geschilderd = 0;
    bool gewacht = false;
    // What a read of the project met while its commit waited on the disk.
    int asserts = -1;

    // As when a window over the list goes.
    void begin(const wxString& wat) override
    {
        bezig = true;
        lijst.Refresh();
        lus = g_idle_add(&CommitKijker::opBeurt, this);
        Kijker::begin(wat);
    }
    void meld() override
    {
        if (beurten == 0)
            eersteBeurt();
        Kijker::meld();
        tel(
            [this]
            {
                ++beurten;
                dialoogGezien = dialoogGezien || geefDialoog() != nullptr;
                // The commit waits while this holds the lock: the connection is
                // its own meanwhile, and a read of it here asserts.
                if (gewacht && asserts < 0)
                    asserts = telAsserts([this] { static_cast<void>(db.executeSkalair("select 1")); });
            });
    }
    void eind() override
    {
        Kijker::eind();
        bezig = false;
    }
    int FilterEvent(wxEvent& gebeurtenis) override
    {
        const auto* deel = dynamic_cast<wxWindow*>(gebeurtenis.GetEventObject());
        if (gebeurtenis.GetEventType() == wxEVT_PAINT && bezig && deel && deel->GetParent() == &lijst)
            tel([this] { ++geschilderd; });
        return Event_Skip;
    }

private:
    static gboolean opBeurt(gpointer kijker)
    {
        auto& k = *static_cast<CommitKijker*>(kijker);
        k.beurtGehad = k.beurtGehad || k.bezig;
        k.lus = 0;
        return G_SOURCE_REMOVE;
    }
    // On the thread that syncs; only the commit's first sync waits.
    void wachtOpBeurten()
    {
        std::unique_lock<std::mutex> slot(wacht);
        if (!std::exchange(gewacht, true))
            klaar.wait_for(
                slot, std::chrono::seconds(60),
                [this] { return beurten >= 3 && dialoogGezien == dialoogVerwacht && geschilderd > 0 && asserts >= 0; });
    }
    void tel(const std::function<void()>& wat)
    {
        const std::lock_guard<std::mutex> slot(wacht);
        wat();
        klaar.notify_all();
    }

    VerelTamsoApp& db;
    VolleSchijfVFS& schijf;
    wxWindow& lijst;
    std::function<void()> eersteBeurt;
    bool bezig = false;
    guint lus = 0;
    std::mutex wacht;
    std::condition_variable klaar;
};
} // namespace

// The time after which a read hands over never comes: only work known to
// last gives the window its turns, from its start.
struct Tijden
{
    SQLite3Basis::TussendoorTijden vorige =
        SQLite3Basis::zetTussendoorTijden({std::chrono::hours(1), std::chrono::milliseconds(5)});
    ~Tijden() { SQLite3Basis::zetTussendoorTijden(vorige); }
};

// Work that begins by reading gives the window its turns from its start on,
// before its dialog is up: a block moved, the numbers reassigned.
TEST_F(OpdrachtTest, WorkThatBeginsByReadingGivesTheWindowItsTurnsBeforeItsDialog)
{
    openProject(testPad("p.vtd"), {{1, "Boil"}, {3, "Pour"}, {5, "Serve"}});
    // Not the project's disk: nothing here waits for a sync.
    VolleSchijfVFS schijf;
    venster->Show();
    ASSERT_TRUE(wachtOp([&] { return venster->IsShownOnScreen(); }));
    const Drempel nooit(std::chrono::hours(1));
    const Tijden tijden;
    ASSERT_EQ(venster->selekteerRequirement(opgeslagen("Pour", 3), StandAan), 0);
    for (const int opdracht : {static_cast<int>(wxID_UP), static_cast<int>(V::ID_STRAKTREKKEN)})
    {
        CommitKijker kijker(*app, schijf, *venster->geefRekLijst(), [] {});
        klik(opdracht);
        EXPECT_TRUE(kijker.beurtGehad) << opdracht;
        EXPECT_FALSE(kijker.dialoogGezien) << opdracht;
    }
    EXPECT_EQ(titels(), (Teksten{"Pour", "Serve", "Boil"}));
}

// A change whose commit lasts (the disk is slow to sync it): the window gets
// its turns meanwhile, on its own thread, from the start, shows the dialog
// once the commit has lasted beyond the threshold and paints, whether the
// user commits, the next change commits it, safe operation ends (painting
// before its dialog is due) or the project is closed. Another program
// meanwhile reads the rows as they were and cannot write.
TEST_F(OpdrachtTest, EenCommitDieDuurtToontZijnDialoogEnLaatHetVensterSchilderen)
{
    VolleSchijfVFS schijf;
    const wxString pad = testPad("traag.vtd");
    openProject(pad, {{1, "Boil"}});
    venster->Show();
    ASSERT_TRUE(wachtOp([&] { return venster->IsShownOnScreen(); }));
    const Tijden tijden;
    sqlite3* ander = nullptr;
    ASSERT_EQ(sqlite3_open_v2(pad.utf8_str(), &ander, SQLITE_OPEN_READWRITE, "unix"), SQLITE_OK);
    const std::thread::id hoofdDraad = std::this_thread::get_id();

    const std::pair<const char*, std::function<void()>> wegen[] = {
        {"Commit", [&] { klik(wxID_SAVE); }},
        {"Next", [&] { ASSERT_EQ(app->zetProjektNaam("Pan"), 0); }},
        {"Safe",
         [&]
         {
             vragen.antwoord(wxYES);
             klik(V::ID_STARTSTOPVEILIGEMODUS);
         }},
        {"Close", [&] { klik(wxID_CLOSE); }}};
    wxString vorige = "Boil=1";
    for (const auto& [wat, commit] : wegen)
    {
        SCOPED_TRACE(wat);
        const bool veilig = std::string(wat) == "Safe";
        const Drempel drempel(veilig ? std::chrono::milliseconds(std::chrono::hours(1))
                                     : std::chrono::milliseconds(20));
        if (veilig)
            klik(V::ID_STARTSTOPVEILIGEMODUS);
        ASSERT_EQ(app->startTransaktie(), 0);
        ASSERT_EQ(app->executeUpdate(wxString::Format("update Requirements set naam='%s' where SR==1", wat)), 0);
        logVanger().wis();
        wxString gezien;
        int schrijven = SQLITE_OK;
        CommitKijker kijker(*app, schijf, *venster->geefRekLijst(),
                            [&]
                            {
                                EXPECT_EQ(std::this_thread::get_id(), hoofdDraad);
                                gezien = rijenInBestand(pad);
                                schrijven = sqlite3_exec(ander, "delete from Requirements", nullptr, nullptr, nullptr);
                            });
        kijker.dialoogVerwacht = !veilig;
        commit();
        EXPECT_TRUE(kijker.gewacht);
        EXPECT_GE(kijker.beurten, 3);
        EXPECT_EQ(kijker.dialoogGezien, !veilig);
        EXPECT_GT(kijker.geschilderd, 0);
        EXPECT_GT(kijker.asserts, 0);
        EXPECT_EQ(gezien, vorige);
        EXPECT_EQ(schrijven, SQLITE_BUSY);
        EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
        vorige = wxString(wat) + "=1";
        EXPECT_EQ(rijenInBestand(pad), vorige);
    }
    EXPECT_FALSE(app->isDBOpen());
    sqlite3_close(ander);
}

// The close box, Quit or Ctrl+Q while a commit lasts, its dialog up: the
// window takes no input meanwhile, and closes once the commit has ended, as
// if asked then, with the change kept; the close box closes the project,
// Quit the program as well.
TEST_F(OpdrachtTest, ACloseDuringACommitIsCarriedOutOnceItHasEnded)
{
    XTestMuis hand;
    ASSERT_TRUE(hand.isBruikbaar());
    VolleSchijfVFS schijf;
    const Drempel geen(std::chrono::milliseconds(0));
    const ElkeStap elkeStap;
    const Tijden tijden;
    const std::pair<wxString, std::function<void()>> wegen[] = {
        {"close box",
         [&]
         {
             GdkEvent* sluiten = gdk_event_new(GDK_DELETE);
             sluiten->any.window = GDK_WINDOW(g_object_ref(gtk_widget_get_window(venster->GetHandle())));
             gdk_event_put(sluiten);
             gdk_event_free(sluiten);
         }},
        {"Quit", [&] { klik(wxID_EXIT); }},
        {"Ctrl+Q", [&]
         {
             hand.drukCtrl(true);
             hand.tik('q');
             hand.drukCtrl(false);
         }}};
    for (const auto& [wat, sluit] : wegen)
    {
        if (!venster)
            venster = maakVenster(*app);
        const wxString pad = testPad(wat + ".vtd");
        openProject(pad, {{1, "Boil"}});
        venster->Show();
        venster->Raise();
        // Without a window manager the keys go to the window under the
        // pointer: the list's corner, beside the dialog.
        const wxRect lijst = venster->geefRekLijst()->GetScreenRect();
        hand.beweeg(lijst.x + 20, lijst.y + 40);
        ASSERT_TRUE(wachtOp([&] { return venster->IsShownOnScreen() && venster->IsActive(); })) << wat;
        ASSERT_EQ(app->zetProjektNaam("Pan"), 0);
        {
            CommitKijker kijker(*app, schijf, *venster->geefRekLijst(), sluit);
            klik(wxID_SAVE);
            EXPECT_TRUE(app->isDBOpen()) << wat;
        }
        EXPECT_TRUE(wachtOp([&] { return !app->isDBOpen(); })) << wat;
        EXPECT_EQ(!venster, wat != "close box") << wat;
    }
}
