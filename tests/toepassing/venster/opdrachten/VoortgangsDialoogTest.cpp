// Work that lasts shows a dialog over the window that says what it does; the
// commit of the change it left shows one before it starts, as it tells
// nothing while it runs.
#include "tests/ondersteuning/VensterHulp.h"
#include "toepassing/kern/Voortgang.h"
#include "toepassing/venster/WerkVoortgang.h"

#include <chrono>
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
