// The list draws the texts of its rows itself: on the screen they are,
// pixel for pixel, the rows the toolkit's own list paints with the same
// texts, colours, widths and selection, a title too long for its column
// shortened as the toolkit shortens it. What a refill changes is on the
// screen at once, without a paint from outside: the header as a fresh paint
// of it shows it, and the gauge right after the completion text, as a
// freshly made window puts it.
#include "tests/ondersteuning/GuiHulp.h"
#include "tests/ondersteuning/VensterHulp.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <algorithm>
#include <functional>
#include <stdexcept>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/settings.h>
#include <wx/textctrl.h>

namespace
{
// The toolkit's list, showing what the program's list shows.
class GewoneLijst : public wxGenericListCtrl
{
public:
    GewoneLijst(wxWindow* ouder, RekLijstCtrl& voorbeeld_)
        : wxGenericListCtrl(ouder, wxID_ANY, wxDefaultPosition, voorbeeld_.GetSize(),
                            wxLC_REPORT | wxLC_VIRTUAL | wxLC_HRULES),
          voorbeeld(voorbeeld_)
    {
        SetFont(voorbeeld.GetFont());
        SetBackgroundColour(voorbeeld.GetBackgroundColour());
        for (int kolom = 0; kolom < voorbeeld.GetColumnCount(); ++kolom)
            InsertColumn(kolom, "", wxLIST_FORMAT_CENTRE, voorbeeld.GetColumnWidth(kolom));
        SetItemCount(voorbeeld.GetItemCount());
    }

protected:
    wxString OnGetItemText(long rij, long kolom) const override
    {
        return voorbeeld.GetItemText(rij, static_cast<int>(kolom));
    }
    wxItemAttr* OnGetItemAttr(long rij) const override
    {
        attribuut = wxItemAttr(voorbeeld.GetItemTextColour(rij), voorbeeld.GetItemBackgroundColour(rij), wxNullFont);
        return &attribuut;
    }

private:
    RekLijstCtrl& voorbeeld;
    mutable wxItemAttr attribuut;
};

// The pixels of the rows' window (or of another part of the list) as the
// X server shows them, as far as its columns reach: beyond them a list
// shows only its background; and short of the right end by `rand`.
std::vector<unsigned long> beeldVan(wxGenericListCtrl& lijst, wxWindow* deel = nullptr, int rand = 0)
{
    wxRect plaats = (deel ? deel : lijst.GetTargetWindow())->GetScreenRect();
    const int breedte = plaats.width - rand;
    plaats.width = 0;
    for (int kolom = 0; kolom < lijst.GetColumnCount(); ++kolom)
        plaats.width += lijst.GetColumnWidth(kolom);
    plaats.width = std::min(plaats.width, breedte);
    std::vector<unsigned long> pixels;
    Display* scherm = XOpenDisplay(nullptr);
    if (!scherm)
        return pixels;
    XImage* beeld =
        XGetImage(scherm, DefaultRootWindow(scherm), plaats.x, plaats.y, static_cast<unsigned int>(plaats.width),
                  static_cast<unsigned int>(plaats.height), AllPlanes, ZPixmap);
    for (int y = 0; beeld && y < plaats.height; ++y)
        for (int x = 0; x < plaats.width; ++x)
            pixels.push_back(XGetPixel(beeld, x, y) & 0xFFFFFF);
    if (beeld)
        XDestroyImage(beeld);
    XCloseDisplay(scherm);
    return pixels;
}
// Rows 1 and 3 below `boven` selected, the second of them the current one,
// and `boven` the top row in view.
void zetStand(wxGenericListCtrl& lijst, long boven)
{
    for (long rij = 0; rij < lijst.GetItemCount(); ++rij)
        lijst.SetItemState(rij, 0, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
    for (long rij : {boven + 1, boven + 3})
        lijst.SetItemState(rij, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED,
                           wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
    wxRect rij;
    lijst.GetItemRect(0, rij);
    lijst.ScrollList(0, static_cast<int>(boven - lijst.GetTopItem()) * rij.GetHeight());
}

// What the list shows at the top and further down, neither time with the
// focus (the selection's colours follow it).
std::vector<std::vector<unsigned long>> beeldenVan(wxGenericListCtrl& lijst, wxWindow& elders)
{
    std::vector<std::vector<unsigned long>> beelden;
    for (long boven : {0L, 40L})
    {
        zetStand(lijst, boven);
        elders.SetFocus();
        lijst.Refresh();
        verwerkGebeurtenissen();
        lijst.Update();
        EXPECT_EQ(lijst.GetTopItem(), boven);
        beelden.push_back(beeldVan(lijst));
    }
    return beelden;
}

wxWindow& kopVan(RekLijstCtrl& lijst)
{
    for (wxWindow* kind : lijst.GetChildren())
        if (kind != lijst.GetTargetWindow())
            return *kind;
    throw std::logic_error("the list has no header");
}

// As GTK paints after a command: what was asked to be painted is painted
// first, then the loop runs idle, and paints what that asked for.
void laatSchilderen(wxWindow& venster)
{
    venster.Update();
    verwerkGebeurtenissen();
    venster.Update();
}

void toon(VerelTamsoVenster& venster)
{
    venster.Show();
    ASSERT_TRUE(wachtOp([&] { return venster.IsShownOnScreen(); }));
    laatSchilderen(venster);
}
} // namespace

TEST_F(VensterTest, DeRijenZijnDieVanDeToolkit)
{
    voerUit(*app, {"with recursive n(i) as (select 1 union all select i+1 from n where i<60) insert into Requirements "
                   "(SR,naam,prioriteit,totaleKosten,status,auteur) select 100+i,'Step '||i,i,i*7,i%5,'Tomás Ruiz' "
                   "from n",
                   "update Requirements set naam='Boil the water in the kettle that stands on the stove in the kitchen "
                   "of the house at the end of the street' where SR=20",
                   "update Requirements set naam='Grind the beans in the mill that stands beside the kettle in the "
                   "kitchen of the house' where SR=141"});
    venster->Show();
    ASSERT_TRUE(wachtOp([&] { return venster->IsShownOnScreen(); }));
    venster->verversLijst();
    RekLijstCtrl& lijst = *venster->geefRekLijst();
    // One after the other: the screen has no room for both.
    const auto getoond = beeldenVan(lijst, *venster->FindWindow(VerelTamsoVenster::ID_ZOEKREKVELD));
    venster->Hide();

    wxFrame naast(nullptr, wxID_ANY, "toolkit", wxPoint(0, 0), venster->GetSize());
    // On a panel: a frame stretches its one child.
    auto* paneel = new wxPanel(&naast);
    auto* gewoon = new GewoneLijst(paneel, lijst);
    auto* elders = new wxTextCtrl(paneel, wxID_ANY, "", wxPoint(0, gewoon->GetSize().GetHeight()));
    naast.Show();
    ASSERT_TRUE(wachtOp([&] { return naast.IsShownOnScreen(); }));
    const auto verwacht = beeldenVan(*gewoon, *elders);

    size_t breedte = 0;
    for (int kolom = 0; kolom < lijst.GetColumnCount(); ++kolom)
        breedte += static_cast<size_t>(lijst.GetColumnWidth(kolom));
    ASSERT_LE(breedte, static_cast<size_t>(gewoon->GetTargetWindow()->GetClientSize().GetWidth()));
    ASSERT_EQ(gewoon->GetTargetWindow()->GetSize().GetHeight(), lijst.GetTargetWindow()->GetSize().GetHeight());
    for (size_t stand = 0; stand < verwacht.size(); ++stand)
    {
        ASSERT_FALSE(verwacht[stand].empty());
        ASSERT_EQ(getoond[stand].size(), verwacht[stand].size());
        const auto anders = std::mismatch(getoond[stand].begin(), getoond[stand].end(), verwacht[stand].begin());
        const size_t plek = static_cast<size_t>(anders.first - getoond[stand].begin());
        EXPECT_TRUE(anders.first == getoond[stand].end())
            << "view " << stand << ", first at " << plek % breedte << "," << plek / breedte;
    }
}

TEST_F(VensterTest, WhatARefillChangesIsOnTheScreenAtOnce)
{
    // Rows enough to scroll, the people further down with longer names.
    voerUit(*app, {"with recursive n(i) as (select 1 union all select i+1 from n where i<200) insert into Requirements "
                   "(SR,naam,prioriteit,totaleKosten,status,auteur,testIngenieur) select 100+i,'Step '||i,i%90+1,i*7,"
                   "i%5,case when i>150 then 'Maximiliane Oberhauser' else 'Tom' end,case when i%3=0 then 'Jan' else "
                   "'Sofia Rossi-Lindqvist' end from n"});
    venster->verversLijst();
    toon(*venster);
    RekLijstCtrl& lijst = *venster->geefRekLijst();
    // Where GTK's scroll bar comes over the header's right end and fades.
    const int rand = wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, &lijst);

    const std::pair<const char*, std::function<void()>> verversingen[] = {
        {"a block far down moved up",
         [&]
         {
             ASSERT_EQ(venster->selekteerRequirements(lijstVan({metNummer(130), metNummer(131)}), StandAan), 0);
             laatSchilderen(*venster);
             stuurMenu(*venster, wxID_UP);
         }},
        {"status colours off", [&] { stuurMenu(*venster, VerelTamsoVenster::ID_GEBRUIKKLEURENVOORSTATUS); }},
        {"the title's header clicked", [&] { klikKop(*venster, VerelTamsoApp::KolomTitel); }},
        {"the title's header clicked again", [&] { klikKop(*venster, VerelTamsoApp::KolomTitel); }},
        {"the author's header clicked", [&] { klikKop(*venster, VerelTamsoApp::KolomAuteur); }},
        {"none above the threshold",
         [&]
         {
             prioriteitDrempel(*venster).SetValue(100);
             wxScrollEvent los(wxEVT_SCROLL_THUMBRELEASE, VerelTamsoVenster::ID_REKPRIORITEIT);
             venster->GetEventHandler()->ProcessEvent(los);
         }},
    };
    for (const auto& [naam, ververs] : verversingen)
    {
        ververs();
        laatSchilderen(*venster);
        const std::vector<unsigned long> getoond = beeldVan(lijst, &kopVan(lijst), rand);
        kopVan(lijst).Refresh();
        laatSchilderen(*venster);
        const std::vector<unsigned long> vers = beeldVan(lijst, &kopVan(lijst), rand);
        ASSERT_FALSE(vers.empty());
        EXPECT_TRUE(getoond == vers) << naam;
    }

    // The completion text became shorter: a window made anew on the same
    // project, sorted and filtered alike, puts the gauge as near to it.
    const auto meterAfstand = [](VerelTamsoVenster& venster)
    {
        return voltooiingMeter(venster).GetPosition().x -
               vind<wxStaticText>(venster, VerelTamsoVenster::ID_VOLTOOIING_LABEL).GetPosition().x;
    };
    ASSERT_EQ(labelVan(*venster, VerelTamsoVenster::ID_VOLTOOIING_LABEL), "No completion");
    const int afstand = meterAfstand(*venster);
    sluitVenster(venster);
    venster = maakVenster(*app);
    venster->start();
    toon(*venster);
    ASSERT_EQ(labelVan(*venster, VerelTamsoVenster::ID_VOLTOOIING_LABEL), "No completion");
    EXPECT_EQ(afstand, meterAfstand(*venster));
}
