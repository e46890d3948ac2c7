// The wait for the check of the whole file, where one is due: its dialog is
// up while the check still reads, its bar counts what the check has read, and Escape stops it as
// its Cancel does. A start that must bring its file up to date shows the
// project meanwhile, and brings it up to date under a text of its own.
#include "tests/ondersteuning/LogVanger.h"
#include "tests/ondersteuning/VensterHulp.h"
#include "tests/ondersteuning/VolleSchijfVFS.h"
#include "tests/ondersteuning/XTestMuis.h"
#include "toepassing/kern/Voortgang.h"

#include <chrono>
#include <condition_variable>
#include <iostream>
#include <mutex>
#include <thread>
#include <wx/progdlg.h>

namespace
{
using WachtKlok = std::chrono::steady_clock;
using V = VerelTamsoVenster;

// A disk on which the check reads only as far as the test lets it: a few
// reads more at every report of the wait, all once it is let go. A minute
// at the most, so that a test that lets nothing go fails rather than hang;
// a busy machine is never that slow.
class StapSchijf
{
public:
    StapSchijf()
    {
        schijf.zetVoorLezen(
            [this]
            {
                std::unique_lock<std::mutex> wacht(slot);
                if (std::this_thread::get_id() != hoofdDraad &&
                    !vrij.wait_until(wacht, uiterlijk, [this] { return gelezen < toegestaan; }))
                    std::cerr << "The check hung: the test let it read no further" << std::endl;
                ++gelezen;
            });
    }
    ~StapSchijf() { laatGaan(1000000000); }
    StapSchijf(const StapSchijf&) = delete;
    StapSchijf& operator=(const StapSchijf&) = delete;

    void laatGaan(long aantal)
    {
        const std::lock_guard<std::mutex> vast(slot);
        toegestaan = gelezen + aantal;
        vrij.notify_all();
    }

private:
    VolleSchijfVFS schijf;
    const std::thread::id hoofdDraad = std::this_thread::get_id();
    const WachtKlok::time_point uiterlijk = WachtKlok::now() + std::chrono::seconds(60);
    std::mutex slot;
    std::condition_variable vrij;
    long gelezen = 0;
    long toegestaan = 0;
};

wxGenericProgressDialog* geefWachtDialoog()
{
    for (wxWindow* tlw : wxTopLevelWindows)
        if (auto* dialoog = dynamic_cast<wxGenericProgressDialog*>(tlw); dialoog && dialoog->IsShown())
            return dialoog;
    return nullptr;
}

// Stands between the work and the window's display of it: whether the
// wait's dialog was on screen while the check still read, what its bar counted while the check still read, and what
// `bijWachten` does at each report of the wait.
class Wachter : public Voortgang
{
public:
    Wachter(VerelTamsoApp& app_, std::function<void()> bijWachten_)
        : app(app_), venster(*app.geefVoortgang()), bijWachten(std::move(bijWachten_))
    {
        app.zetVoortgang(this);
    }
    ~Wachter() override { app.zetVoortgang(&venster); }
    Wachter(const Wachter&) = delete;
    Wachter& operator=(const Wachter&) = delete;

    bool getoond = false;
    bool geteld = false;
    std::vector<wxString> begonnen;

    void begin(const wxString& wat) override
    {
        begonnen.push_back(wat);
        venster.begin(wat);
    }
    void beginAfbreekbaar(const wxString& wat) override
    {
        begonnen.push_back(wat);
        venster.beginAfbreekbaar(wat);
        wxGenericProgressDialog* dialoog = geefWachtDialoog();
        getoond = getoond || (dialoog && dialoog->IsShownOnScreen() && !app.isKontroleKlaar());
        wachten = true;
        bijWachten();
    }
    bool isAfgebroken() const override { return venster.isAfgebroken(); }
    void meld() override { meldStap(0, 0); }
    void meldStap(size_t gedaan, size_t totaal) override
    {
        venster.meldStap(gedaan, totaal);
        wxGenericProgressDialog* dialoog = geefWachtDialoog();
        geteld = geteld || (wachten && dialoog && dialoog->GetValue() > 0 && !app.isKontroleKlaar());
        if (wachten)
            bijWachten();
    }
    void eind() override
    {
        wachten = false;
        venster.eind();
    }

private:
    VerelTamsoApp& app;
    Voortgang& venster;
    std::function<void()> bijWachten;
    bool wachten = false;
};

// Closes the project before the disk goes, also when a test stops half-way.
struct Sluiter
{
    VensterApp& app;
    ~Sluiter() { app.sluitDB(); }
};

// Changed by another program since it was last closed: checked again at its
// opening.
void veranderDoorAnder(const wxString& pad, const wxString& opdracht)
{
    wxSQLite3Database ander;
    ander.Open(pad);
    ander.ExecuteUpdate(opdracht);
}
} // namespace

// A change while the check reads: the wait's dialog is on screen as its
// wait begins, while the check is held, its bar counts before the check ends, and Escape
// stops the check as Cancel does: the change is not made, the project is
// read-only and the user reads why.
TEST_F(OpdrachtTest, TheWaitForTheCheckShowsAtOnceCountsAndEscapeCancelsIt)
{
    XTestMuis hand;
    ASSERT_TRUE(hand.isBruikbaar());
    const wxString pad = testPad("p.vtd");
    maakProjectBestand(pad, {{1, "Boil"}, {2, "Pour"}});
    veranderDoorAnder(pad, "with recursive n(i) as (select 3 union all select i+1 from n where i<300) insert into "
                           "Requirements (naam,SR,beschrijving) select 'Step '||i,i,printf('%.*c',3000,'x') from n");
    venster->Show();
    ASSERT_TRUE(wachtOp([&] { return venster->IsShownOnScreen(); }));
    StapSchijf schijf;
    const Sluiter sluiter{*app};
    vragen.kies(pad);
    klik(wxID_OPEN);
    ASSERT_FALSE(app->isKontroleKlaar());
    logVanger().wis();
    bool escape = false;
    {
        Wachter wachter(*app,
                        [&]
                        {
                            // Escape once the bar has counted, with the
                            // pointer on the dialog: without a window
                            // manager the keys go to the window under it.
                            wxGenericProgressDialog* dialoog = geefWachtDialoog();
                            if (wachter.geteld && !escape && dialoog)
                            {
                                const wxRect plaats = dialoog->GetScreenRect();
                                hand.beweeg(plaats.x + plaats.width / 2, plaats.y + 10);
                                hand.tik(0xff1b);
                                escape = true;
                            }
                            schijf.laatGaan(4);
                        });
        vragen.antwoordTekst("Pan");
        klik(V::ID_ZETPROJEKTNAAM);
        EXPECT_TRUE(wachter.getoond);
        EXPECT_TRUE(wachter.geteld);
    }
    EXPECT_TRUE(escape);
    verwerkGebeurtenissen();
    EXPECT_TRUE(logVanger().geefAlles().Contains("The check of the database file \"" + pad + "\" was cancelled"))
        << logVanger().geefAlles();
    EXPECT_EQ(naamLabel(), "Kettle");
    EXPECT_TRUE(app->isAlleenLezenDB());
    EXPECT_FALSE(app->rolTerugMogelijk());
}

// An older project, whose list index or a column the start must add: while
// the start waits for the check, the window shows its name and its list;
// then it is brought up to date under a text of its own.
TEST_F(OpdrachtTest, AStartThatWaitsForTheCheckShowsTheProjectMeanwhile)
{
    for (const char* ouder : {"drop index RequirementsLijst", "alter table Requirements drop column kommentaar"})
    {
        SCOPED_TRACE(ouder);
        const wxString pad = testPad(wxString(ouder) + ".vtd");
        maakProjectBestand(pad, {{1, "Boil"}, {2, "Pour"}});
        veranderDoorAnder(pad, ouder);
        StapSchijf schijf;
        const Sluiter sluiter{*app};
        wxString naam;
        std::vector<wxString> lijst;
        {
            Wachter wachter(*app,
                            [&]
                            {
                                naam = naamLabel();
                                lijst = titels();
                                schijf.laatGaan(1000000000);
                            });
            vragen.kies(pad);
            klik(wxID_OPEN);
            EXPECT_EQ(wachter.begonnen,
                      std::vector<wxString>({"Checking the project file...", "Bringing the project up to date..."}));
        }
        EXPECT_EQ(naam, "Kettle");
        EXPECT_EQ(lijst, std::vector<wxString>({"Pour", "Boil"}));
        EXPECT_FALSE(app->isAlleenLezenDB());
        EXPECT_EQ(titels(), std::vector<wxString>({"Pour", "Boil"}));
        EXPECT_EQ(naamLabel(), "Kettle");
    }
}
