// The language dialog as the user sees it: a flag and a name per offered
// language, OK only once a language is picked.
#include "swexternals/desktop/TaalKeuzeDialoog.h"

#include "tests/ondersteuning/DialoogBeantwoorder.h"
#include "tests/swexternals/desktop/DesktopHulp.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>
#include <wx/button.h>
#include <wx/imaglist.h>
#include <wx/listctrl.h>
#include <wx/timer.h>

namespace
{
wxArrayInt talen(std::initializer_list<int> lijst)
{
    wxArrayInt uit;
    for (const int taal : lijst)
        uit.Add(taal);
    return uit;
}

wxListCtrl& lijstVan(wxDialog& dialoog)
{
    return *wxStaticCast(dialoog.FindWindow(TaalKeuzeDialoog::ID_TAALKEUZE_LIJST), wxListCtrl);
}

// The items as shown: name and flag index.
std::vector<std::pair<wxString, int>> items(wxDialog& dialoog)
{
    std::vector<std::pair<wxString, int>> uit;
    for (long i = 0; i < lijstVan(dialoog).GetItemCount(); ++i)
    {
        wxListItem item;
        item.SetId(i);
        item.SetMask(wxLIST_MASK_TEXT | wxLIST_MASK_IMAGE);
        lijstVan(dialoog).GetItem(item);
        uit.emplace_back(item.GetText(), item.GetImage());
    }
    return uit;
}

// What a click on the item of that name (or a double-click) tells the dialog.
void klik(wxDialog& dialoog, const wxString& naam, wxEventType soort = wxEVT_LIST_ITEM_SELECTED)
{
    const auto getoond = items(dialoog);
    const auto item = std::find_if(getoond.begin(), getoond.end(), [&](const auto& i) { return i.first == naam; });
    ASSERT_NE(item, getoond.end()) << naam;
    wxListEvent gebeurtenis(soort, TaalKeuzeDialoog::ID_TAALKEUZE_LIJST);
    gebeurtenis.SetEventObject(&lijstVan(dialoog));
    gebeurtenis.m_itemIndex = item - getoond.begin();
    lijstVan(dialoog).GetEventHandler()->ProcessEvent(gebeurtenis);
}

bool okMogelijk(wxDialog& dialoog)
{
    dialoog.UpdateWindowUI(wxUPDATE_UI_RECURSE);
    return dialoog.FindWindow(wxID_OK)->IsEnabled();
}
} // namespace

TEST(TaalKeuze, ElkeBekendeTaalHeeftZijnNaamEnVlagEnOKWachtOpEenKeuze)
{
    TaalKeuzeDialoog dialoog(nullptr, TaalKeuzeDialoog::geefAlleTalen(), wxID_ANY, "Language");
    EXPECT_EQ(dialoog.geefTaal(), wxLANGUAGE_UNKNOWN);
    EXPECT_FALSE(okMogelijk(dialoog));
    const wxImageList* vlaggen = lijstVan(dialoog).GetImageList(wxIMAGE_LIST_NORMAL);
    ASSERT_NE(vlaggen, nullptr);
    EXPECT_EQ(vlaggen->GetImageCount(), 14);
    EXPECT_EQ(vlaggen->GetSize(), wxSize(24, 24));

    // In the order of the flags.
    const wxArrayString namen = wxSplit("Dutch,German,English,French,Spanish,Portuguese,Hebrew,Italian,Swedish,"
                                        "Japanese,Chinese (China mainland),Chinese (Taiwan),Korean,Russian",
                                        ',');
    const auto getoond = items(dialoog);
    ASSERT_EQ(getoond.size(), 14u);
    for (int vlag = 0; vlag < 14; ++vlag)
        EXPECT_NE(std::find(getoond.begin(), getoond.end(), std::make_pair(namen[vlag], vlag)), getoond.end())
            << namen[vlag];
    klik(dialoog, "Hebrew");
    EXPECT_EQ(dialoog.geefTaal(), wxLANGUAGE_HEBREW_ISRAEL);
    EXPECT_TRUE(okMogelijk(dialoog));

    TaalKeuzeDialoog leeg(nullptr, wxArrayInt());
    EXPECT_EQ(lijstVan(leeg).GetItemCount(), 0);
    EXPECT_FALSE(okMogelijk(leeg));
}

TEST(TaalKeuze, GelijkeNamenDelenDeLaatsteTaalEnEenOnbekendeTaalHeeftGeenNaam)
{
    TaalKeuzeDialoog dialoog(nullptr, talen({wxLANGUAGE_ENGLISH, wxLANGUAGE_ENGLISH_AUSTRALIA, wxLANGUAGE_ICELANDIC}));
    const auto getoond = items(dialoog);
    ASSERT_EQ(getoond.size(), 3u);
    for (const auto& item : getoond)
        EXPECT_EQ(item.second, item.first.empty() ? -1 : 2) << item.first;
    klik(dialoog, "English");
    EXPECT_EQ(dialoog.geefTaal(), wxLANGUAGE_ENGLISH_AUSTRALIA);
    klik(dialoog, "");
    EXPECT_EQ(dialoog.geefTaal(), wxLANGUAGE_ICELANDIC);
}

TEST(TaalKeuze, DubbelklikKiestEnSluit)
{
    TaalKeuzeDialoog dialoog(nullptr, talen({wxLANGUAGE_DUTCH, wxLANGUAGE_GERMAN, wxLANGUAGE_SWEDISH}));
    // The dialog runs for real; the user double-clicks German.
    dialoogBeantwoorder().verwacht(
        [&](wxDialog&)
        {
            dialoog.CallAfter([&] { klik(dialoog, "German", wxEVT_LIST_ITEM_ACTIVATED); });
            return static_cast<int>(wxID_NONE);
        });
    // Should the dialog stay open, the test does not wait for ever.
    wxTimer bewaking;
    bewaking.Bind(wxEVT_TIMER, [&](wxTimerEvent&) { dialoog.EndModal(wxID_ABORT); });
    bewaking.StartOnce(5000);
    EXPECT_EQ(dialoog.ShowModal(), wxID_OK);
    EXPECT_EQ(dialoog.geefTaal(), wxLANGUAGE_GERMAN);
}

TEST(TaalKeuze, EenNederlandseGebruikerLeestDeNamenInHetNederlands)
{
    openKonfigBestand()->Write("/Gebruikersinstellingen/Encoding", static_cast<long>(wxLANGUAGE_DUTCH));
    BasisApp nederlands;
    TaalKeuzeDialoog dialoog(nullptr, talen({wxLANGUAGE_DUTCH, wxLANGUAGE_GERMAN, wxLANGUAGE_CHINESE_SIMPLIFIED}));
    std::vector<wxString> namen;
    for (const auto& item : items(dialoog))
        namen.push_back(item.first);
    std::sort(namen.begin(), namen.end());
    EXPECT_EQ(namen, (std::vector<wxString>{"Chinees (vasteland van China)", "Duits", "Nederlands"}));
    klik(dialoog, "Duits");
    EXPECT_EQ(dialoog.geefTaal(), wxLANGUAGE_GERMAN);
    EXPECT_EQ(wxStaticCast(dialoog.FindWindow(wxID_CANCEL), wxButton)->GetLabel(), "Annuleren");
}
