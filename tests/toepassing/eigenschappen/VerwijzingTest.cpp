// Links in the texts and the requirement's reference: only web and mail
// addresses go to the browser, only what exists to the file manager; a file
// dropped on the reference counts as a change.
#include "tests/ondersteuning/GuiHulp.h"
#include "tests/ondersteuning/LogVanger.h"
#include "tests/ondersteuning/TestOmgeving.h"
#include "tests/ondersteuning/WebOpnemer.h"
#include "tests/toepassing/eigenschappen/EigenschappenHulp.h"
#include "toepassing/eigenschappen/FilePickerCtrlDropTarget.h"

#include <wx/ffile.h>
#include <wx/stdpaths.h>
#include <wx/utils.h>

namespace
{
void klikLink(wxRichTextCtrl& rijk, const wxString& adres)
{
    wxMouseEvent muis(wxEVT_LEFT_DOWN);
    wxTextUrlEvent klik(rijk.GetId(), muis, 0, 1);
    klik.SetString(adres);
    klik.SetEventObject(&rijk);
    rijk.GetEventHandler()->ProcessEvent(klik);
}

// Records what the file manager is asked to show.
class FinderOpnemer
{
public:
    FinderOpnemer()
        : vorige(Platform::zetOpener(
              [this](const wxString& pad)
              {
                  paden.push_back(pad);
                  return true;
              }))
    {
    }
    ~FinderOpnemer() { Platform::zetOpener(vorige); }
    std::vector<wxString> paden;

private:
    Platform::Opener vorige;
};
} // namespace

TEST_F(DialoogTest, LinksGaanAlleenAlsWebOfMailAdresNaarDeBrowser)
{
    WebOpnemer browser;
    RekEigenschappenVenster& d = open(bekendeRequirement());
    // Read-only editors pass their links on all the same.
    for (int i = 0; i < RekEigenschappenVenster::aantalRijkVelden; ++i)
        klikLink(*d.geefRijk(i), wxString::Format("https://example.com/%d", i));
    klikLink(beschrijvingRijk(d), "file:///etc/passwd");
    ASSERT_EQ(browser.geefAdressen().size(), 5u);
    EXPECT_EQ(browser.geefAdressen()[4], "https://example.com/4");
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 1u);
    EXPECT_FALSE(d.isGewijzigd());

    externeRefKiezer(d).SetPath("mailto:ine@example.com");
    ASSERT_TRUE(isControlIngeschakeld(d, RekEigenschappenVenster::ID_OPENINBROWSER));
    klik(d, RekEigenschappenVenster::ID_OPENINBROWSER);
    EXPECT_EQ(browser.geefAdressen().back(), "mailto:ine@example.com");
    externeRefKiezer(d).SetPath("/docs/brake.pdf");
    klik(d, RekEigenschappenVenster::ID_OPENINBROWSER);
    EXPECT_EQ(browser.geefAdressen().size(), 6u);
    externeRefKiezer(d).SetPath("");
    EXPECT_FALSE(isControlIngeschakeld(d, RekEigenschappenVenster::ID_OPENINBROWSER));
}

TEST_F(DialoogTest, BestandsbeheerAlleenVoorWatBestaat)
{
    FinderOpnemer finder;
    const wxString bestand = wxString::FromUTF8((testMap() / "spec.pdf").string());
    ASSERT_TRUE(wxFFile(bestand, "w").Write("%PDF"));
    RekEigenschappenVenster& d = open(bekendeRequirement());

    struct Geval
    {
        wxString pad;
        bool aan;
    };
    for (const Geval& geval : {Geval{bestand, true}, Geval{bestand + ".gone", false},
                               Geval{wxString::FromUTF8(testMap().string()), false}, Geval{"", false}})
    {
        externeRefKiezer(d).SetPath(geval.pad);
        EXPECT_EQ(isControlIngeschakeld(d, RekEigenschappenVenster::ID_OPENINFINDER), geval.aan) << geval.pad;
        klik(d, RekEigenschappenVenster::ID_OPENINFINDER);
    }
    // What exists went, the file and the folder (a command that the
    // button's rule leaves disabled); what does not exist did not.
    ASSERT_EQ(finder.paden.size(), 2u);
    EXPECT_EQ(finder.paden[0], bestand);
    EXPECT_EQ(finder.paden[1], wxString::FromUTF8(testMap().string()));
}

TEST_F(DialoogTest, ThuisDocumentenEnEenLosgelatenBestandZijnWijzigingen)
{
    RekEigenschappenVenster& d = open(bekendeRequirement());
    klik(d, wxID_HOME);
    EXPECT_EQ(externeRefKiezer(d).GetPath(), wxGetHomeDir());
    EXPECT_TRUE(d.isGewijzigd());

    open(bekendeRequirement());
    klik(*dialoog, RekEigenschappenVenster::ID_GANAARDOKUMENTENDIR);
    EXPECT_EQ(externeRefKiezer(*dialoog).GetPath(), wxStandardPaths::Get().GetUserDir(wxStandardPaths::Dir_Documents));
    EXPECT_TRUE(dialoog->isGewijzigd());

    // Typed: a web address is taken as it stands, though no file has it.
    open(bekendeRequirement());
    typ(*externeRefKiezer(*dialoog).GetTextCtrl(), "https://example.com/a//b");
    EXPECT_EQ(dialoog->leesVelden().externeRef, "https://example.com/a//b");
    EXPECT_TRUE(dialoog->isGewijzigd());

    // Dropped: the first of the names, whatever it is; nothing for none.
    open(bekendeRequirement());
    FilePickerCtrlDropTarget doel(&externeRefKiezer(*dialoog));
    EXPECT_FALSE(doel.OnDropFiles(0, 0, wxArrayString()));
    EXPECT_FALSE(dialoog->isGewijzigd());
    wxArrayString namen;
    namen.Add("/nowhere/first.txt");
    namen.Add("/nowhere/second.txt");
    EXPECT_TRUE(doel.OnDropFiles(0, 0, namen));
    EXPECT_EQ(dialoog->leesVelden().externeRef, "/nowhere/first.txt");
    EXPECT_TRUE(dialoog->isGewijzigd());
}
