// A real drag with the mouse: text dragged from another window part onto a
// rich-text field lands at the end of its content, moved, or copied while
// Ctrl is held. The mouse is driven through the X server by a thread of its
// own while the toolkit's loop runs the drag here.
#include "swexternals/desktop/TrivaneRichDropping.h"
#include "tests/ondersteuning/GuiHulp.h"
#include "tests/ondersteuning/XTestMuis.h"

#include <atomic>
#include <functional>
#include <gtest/gtest.h>
#include <thread>
#include <wx/app.h>
#include <wx/dataobj.h>
#include <wx/dnd.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/richtext/richtextctrl.h>
#include <wx/sizer.h>
#include <wx/utils.h>

namespace
{
// The target as the field has it, telling the test what the drop gave.
class VeldDoel : public WaakzaamDoel<TrivaneRichDropping>
{
public:
    using WaakzaamDoel::WaakzaamDoel;
    wxDragResult OnData(wxCoord x, wxCoord y, wxDragResult voorstel) override
    {
        gemeld = TrivaneRichDropping::OnData(x, y, voorstel);
        return gemeld;
    }
    wxDragResult gemeld = wxDragError;
};

// A window with a panel to drag from and the field to drop on.
class SleepVenster : public wxFrame
{
public:
    SleepVenster() : wxFrame(nullptr, wxID_ANY, "Slepen", wxPoint(50, 50), wxSize(500, 240))
    {
        auto* rij = new wxBoxSizer(wxHORIZONTAL);
        bron = new wxPanel(this, wxID_ANY, wxDefaultPosition, wxSize(200, 200));
        bron->SetBackgroundColour(*wxBLUE);
        veld = new wxRichTextCtrl(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxSize(260, 200));
        doel = new VeldDoel(veld, wxSize(100, 100));
        veld->SetDropTarget(doel);
        rij->Add(bron, 0, wxALL, 5);
        rij->Add(veld, 1, wxALL, 5);
        SetSizer(rij);
        // A drag starts when the pressed mouse moves, as in any program.
        bron->Bind(wxEVT_MOTION,
                   [this](wxMouseEvent& muis)
                   {
                       if (!muis.LeftIsDown() || gestart)
                           return;
                       gestart = true;
                       wxTextDataObject tekst("gesleept");
                       wxDropSource sleep(tekst, bron);
                       sleep.DoDragDrop(wxDrag_AllowMove);
                       klaar = true;
                   });
    }

    wxPoint midden(wxWindow* venster) const
    {
        return venster->ClientToScreen(wxPoint(venster->GetClientSize().x / 2, venster->GetClientSize().y / 2));
    }

    wxPanel* bron;
    wxRichTextCtrl* veld;
    VeldDoel* doel;
    std::atomic<bool> gestart{false};
    std::atomic<bool> klaar{false};
};

// The hand on the mouse: press on the panel, move until the drag has begun,
// move onto the field until it feels the drag, let go. Each step waits for
// what the toolkit should do next, never longer than a bound.
void sleepMetDeHand(XTestMuis& muis, SleepVenster& venster, wxPoint van, wxPoint naar, bool metCtrl,
                    std::atomic<bool>& mis)
{
    muis.beweeg(van.x, van.y);
    if (metCtrl)
        muis.drukCtrl(true);
    muis.drukLinks(true);
    int stap = 0;
    while (!venster.gestart && stap < 200)
    {
        muis.beweeg(van.x + ++stap, van.y);
        XTestMuis::wachtInDraad([&] { return venster.gestart.load(); }, 20);
    }
    for (int i = 1; i <= 200 && !venster.doel->erboven; ++i)
    {
        const int x = van.x + stap + (naar.x - van.x - stap) * std::min(i, 20) / 20 + (i > 20 ? (i % 3) - 1 : 0);
        const int y = van.y + (naar.y - van.y) * std::min(i, 20) / 20;
        muis.beweeg(x, y);
        XTestMuis::wachtInDraad([&] { return venster.doel->erboven.load(); }, 20);
    }
    mis = !venster.gestart || !venster.doel->erboven;
    muis.drukLinks(false);
    // The hand keeps Ctrl down until the drop is done.
    XTestMuis::wachtInDraad([&] { return venster.klaar.load(); }, 10000);
    if (metCtrl)
        muis.drukCtrl(false);
}
} // namespace

TEST(RichSlepen, TekstSlepenNaarHetVeldKomtAchterDeInhoud)
{
    XTestMuis muis;
    ASSERT_TRUE(muis.isBruikbaar()) << "the X server has no XTest";
    for (const bool metCtrl : {false, true})
    {
        SCOPED_TRACE(metCtrl ? "copied with Ctrl" : "moved");
        auto* venster = new SleepVenster;
        venster->veld->WriteText("Al hier, ");
        venster->Show();
        ASSERT_TRUE(wachtOp([&] { return venster->veld->IsShownOnScreen(); }));

        std::atomic<bool> mis{false};
        std::thread hand(sleepMetDeHand, std::ref(muis), std::ref(*venster), venster->midden(venster->bron),
                         venster->midden(venster->veld), metCtrl, std::ref(mis));
        // The drag runs its own loop inside the motion handler, until the drop.
        wachtOp([&] { return venster->klaar.load(); }, 20000);
        hand.join();
        EXPECT_FALSE(mis) << "the drag never reached the field";
        ASSERT_TRUE(venster->klaar) << "the drag did not end";
        EXPECT_EQ(venster->veld->GetValue(), "Al hier, gesleept");
        // What the field tells the source: copy or move.
        EXPECT_EQ(venster->doel->gemeld, metCtrl ? wxDragCopy : wxDragMove);
        EXPECT_EQ(venster->doel->geefDropInfo().kopie, metCtrl);
        venster->Destroy();
        verwerkGebeurtenissen(30);
    }
}
