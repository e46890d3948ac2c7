// The list draws the texts of its rows itself: on the screen they are,
// pixel for pixel, the rows the toolkit's own list paints with the same
// texts, colours, widths and selection, a title too long for its column
// shortened as the toolkit shortens it.
#include "tests/ondersteuning/GuiHulp.h"
#include "tests/ondersteuning/VensterHulp.h"
#include "tests/toepassing/venster/SchermBeeld.h"

#include <algorithm>
#include <wx/frame.h>
#include <wx/panel.h>
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

// The pixels of the rows' window as the X server shows them, as far as
// its columns reach: beyond them a list shows only its background.
std::vector<unsigned long> beeldVan(wxGenericListCtrl& lijst)
{
    wxRect plaats = lijst.GetTargetWindow()->GetScreenRect();
    plaats.width = 0;
    for (int kolom = 0; kolom < lijst.GetColumnCount(); ++kolom)
        plaats.width += lijst.GetColumnWidth(kolom);
    return schermBeeld(plaats);
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
