// The language dialog as the user sees it: a flag and a name per offered
// language, OK only once a language is picked.
#include "swexternals/desktop/TaalKeuzeDialoog.h"

#include "swexternals/desktop/DesktopAppBasis.h"
#include "tests/ondersteuning/DialoogBeantwoorder.h"
#include "tests/ondersteuning/GuiHulp.h"
#include "tests/ondersteuning/LogVanger.h"
#include "tests/ondersteuning/TestOmgeving.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <vector>
#include <wx/button.h>
#include <wx/fileconf.h>
#include <wx/imaglist.h>
#include <wx/listctrl.h>
#include <wx/stattext.h>
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

struct Item
{
    wxString naam;
    int vlag;
};

std::vector<Item> items(wxDialog& dialoog)
{
    wxListCtrl& lijst = lijstVan(dialoog);
    std::vector<Item> uit;
    for (long i = 0; i < lijst.GetItemCount(); ++i)
    {
        wxListItem item;
        item.SetId(i);
        item.SetMask(wxLIST_MASK_TEXT | wxLIST_MASK_IMAGE);
        lijst.GetItem(item);
        uit.push_back({item.GetText(), item.GetImage()});
    }
    return uit;
}

long vind(wxDialog& dialoog, const wxString& naam)
{
    const std::vector<Item> getoond = items(dialoog);
    for (size_t i = 0; i < getoond.size(); ++i)
        if (getoond[i].naam == naam)
            return static_cast<long>(i);
    return -1;
}

// What a click on an item (or Return, or a double-click) tells the dialog.
void stuur(wxDialog& dialoog, wxEventType soort, long index)
{
    wxListCtrl& lijst = lijstVan(dialoog);
    wxListEvent gebeurtenis(soort, lijst.GetId());
    gebeurtenis.SetEventObject(&lijst);
    gebeurtenis.m_itemIndex = index;
    lijst.GetEventHandler()->ProcessEvent(gebeurtenis);
}

bool okMogelijk(wxDialog& dialoog)
{
    dialoog.UpdateWindowUI(wxUPDATE_UI_RECURSE);
    return dialoog.FindWindow(wxID_OK)->IsEnabled();
}

std::unique_ptr<TaalKeuzeDialoog> maakDialoog(const wxArrayInt& aanbod)
{
    return std::make_unique<TaalKeuzeDialoog>(nullptr, aanbod, wxID_ANY, "Language");
}

// A program whose user reads Dutch.
class NederlandseApp : public DesktopAppBasis
{
public:
    NederlandseApp() : DesktopAppBasis("VerelTamso", "vtd") {}
    void zetTaal(wxLanguage) override {}
    bool isGUIApplikatie() const override { return true; }
};
} // namespace

TEST(TaalKeuze, ElkeBekendeTaalHeeftZijnNaamEnVlag)
{
    auto dialoog = maakDialoog(TaalKeuzeDialoog::geefAlleTalen());
    EXPECT_EQ(dialoog->geefTaal(), wxLANGUAGE_UNKNOWN);
    EXPECT_FALSE(okMogelijk(*dialoog));

    const wxImageList* vlaggen = lijstVan(*dialoog).GetImageList(wxIMAGE_LIST_NORMAL);
    ASSERT_NE(vlaggen, nullptr);
    EXPECT_EQ(vlaggen->GetImageCount(), 14);
    int breedte = 0;
    int hoogte = 0;
    vlaggen->GetSize(0, breedte, hoogte);
    EXPECT_EQ(wxSize(breedte, hoogte), wxSize(24, 24));

    struct Verwacht
    {
        const char* naam;
        int vlag;
        wxLanguage taal;
    };
    const Verwacht verwacht[] = {
        {"Dutch", 0, wxLANGUAGE_DUTCH},
        {"German", 1, wxLANGUAGE_GERMAN},
        {"English", 2, wxLANGUAGE_ENGLISH},
        {"French", 3, wxLANGUAGE_FRENCH},
        {"Spanish", 4, wxLANGUAGE_SPANISH},
        {"Portuguese", 5, wxLANGUAGE_PORTUGUESE},
        {"Hebrew", 6, wxLANGUAGE_HEBREW_ISRAEL},
        {"Italian", 7, wxLANGUAGE_ITALIAN},
        {"Swedish", 8, wxLANGUAGE_SWEDISH_SWEDEN},
        {"Japanese", 9, wxLANGUAGE_JAPANESE_JAPAN},
        {"Chinese (China mainland)", 10, wxLANGUAGE_CHINESE_SIMPLIFIED},
        {"Chinese (Taiwan)", 11, wxLANGUAGE_CHINESE_TAIWAN},
        {"Korean", 12, wxLANGUAGE_KOREAN_KOREA},
        {"Russian", 13, wxLANGUAGE_RUSSIAN},
    };
    const std::vector<Item> getoond = items(*dialoog);
    ASSERT_EQ(getoond.size(), 14u);
    for (const Verwacht& taal : verwacht)
    {
        const auto item =
            std::find_if(getoond.begin(), getoond.end(), [&](const Item& i) { return i.naam == taal.naam; });
        ASSERT_NE(item, getoond.end()) << taal.naam;
        EXPECT_EQ(item->vlag, taal.vlag) << taal.naam;
        stuur(*dialoog, wxEVT_LIST_ITEM_SELECTED, vind(*dialoog, taal.naam));
        EXPECT_EQ(dialoog->geefTaal(), taal.taal) << taal.naam;
    }
    EXPECT_TRUE(okMogelijk(*dialoog));
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
}

TEST(TaalKeuze, TalenMetDezelfdeNaamDelenDeLaatsteWaarde)
{
    auto dialoog = maakDialoog(talen({wxLANGUAGE_ENGLISH, wxLANGUAGE_ENGLISH_AUSTRALIA}));
    const std::vector<Item> getoond = items(*dialoog);
    ASSERT_EQ(getoond.size(), 2u);
    EXPECT_EQ(getoond[0].naam, "English");
    EXPECT_EQ(getoond[1].naam, "English");
    for (long index : {0L, 1L})
    {
        stuur(*dialoog, wxEVT_LIST_ITEM_SELECTED, index);
        EXPECT_EQ(dialoog->geefTaal(), wxLANGUAGE_ENGLISH_AUSTRALIA);
    }
}

TEST(TaalKeuze, EenOnbekendeTaalHeeftGeenNaamEnGeenVlag)
{
    auto dialoog = maakDialoog(talen({wxLANGUAGE_DUTCH, wxLANGUAGE_ICELANDIC}));
    const long onbekend = vind(*dialoog, "");
    ASSERT_NE(onbekend, -1);
    EXPECT_EQ(items(*dialoog)[onbekend].vlag, -1);
    stuur(*dialoog, wxEVT_LIST_ITEM_SELECTED, onbekend);
    EXPECT_EQ(dialoog->geefTaal(), wxLANGUAGE_ICELANDIC);
    EXPECT_TRUE(okMogelijk(*dialoog));
}

TEST(TaalKeuze, ZonderAanbodBlijftOkUit)
{
    auto dialoog = maakDialoog(wxArrayInt());
    EXPECT_EQ(lijstVan(*dialoog).GetItemCount(), 0);
    EXPECT_FALSE(okMogelijk(*dialoog));
    EXPECT_EQ(dialoog->geefTaal(), wxLANGUAGE_UNKNOWN);
}

TEST(TaalKeuze, DubbelklikKiestEnSluit)
{
    auto dialoog = maakDialoog(talen({wxLANGUAGE_DUTCH, wxLANGUAGE_GERMAN, wxLANGUAGE_SWEDISH}));
    // The dialog runs for real; the user double-clicks German.
    dialoogBeantwoorder().verwacht(
        [](wxDialog& getoond)
        {
            getoond.CallAfter([&getoond] { stuur(getoond, wxEVT_LIST_ITEM_ACTIVATED, vind(getoond, "German")); });
            return static_cast<int>(wxID_NONE);
        });
    // Should the dialog stay open, the test does not wait for ever.
    wxTimer bewaking;
    bewaking.Bind(wxEVT_TIMER, [&](wxTimerEvent&) { dialoog->EndModal(wxID_ABORT); });
    bewaking.StartOnce(5000);
    EXPECT_EQ(dialoog->ShowModal(), wxID_OK);
    bewaking.Stop();
    EXPECT_EQ(dialoog->geefTaal(), wxLANGUAGE_GERMAN);
}

TEST(TaalKeuze, EenNederlandseGebruikerLeestDeNamenInHetNederlands)
{
    wxFileConfig(wxString(), wxString(), wxString::FromUTF8((testMap() / ".VerelTamso").string()), wxString(),
                 wxCONFIG_USE_LOCAL_FILE)
        .Write("/Gebruikersinstellingen/Encoding", static_cast<long>(wxLANGUAGE_DUTCH));
    NederlandseApp app;
    ASSERT_EQ(app.geefTaal(), wxLANGUAGE_DUTCH);
    auto dialoog = maakDialoog(talen({wxLANGUAGE_DUTCH, wxLANGUAGE_GERMAN, wxLANGUAGE_CHINESE_SIMPLIFIED}));
    std::vector<wxString> namen;
    for (const Item& item : items(*dialoog))
        namen.push_back(item.naam);
    std::sort(namen.begin(), namen.end());
    EXPECT_EQ(namen, (std::vector<wxString>{"Chinees (vasteland van China)", "Duits", "Nederlands"}));
    stuur(*dialoog, wxEVT_LIST_ITEM_SELECTED, vind(*dialoog, "Duits"));
    EXPECT_EQ(dialoog->geefTaal(), wxLANGUAGE_GERMAN);
    EXPECT_EQ(wxStaticCast(dialoog->FindWindow(wxID_CANCEL), wxButton)->GetLabel(), "Annuleren");
}
