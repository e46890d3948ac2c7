// What is dropped on the fields of the properties dialog: the data is handed
// to a field's target as the toolkit would and the target is told that it
// came (OnData); one real drag with the mouse, driven through the X server.
#include "tests/ondersteuning/GuiHulp.h"
#include "tests/ondersteuning/LogVanger.h"
#include "tests/ondersteuning/XTestMuis.h"
#include "tests/toepassing/eigenschappen/werkbalk/WerkbalkHulp.h"
#include "toepassing/eigenschappen/VerelRichDropping.h"

#include <atomic>
#include <chrono>
#include <set>
#include <thread>
#include <vector>
#include <wx/dataobj.h>
#include <wx/ffile.h>
#include <wx/frame.h>
#include <wx/panel.h>

namespace
{
// The field's target with the data there when OnData asks.
class ProefDropping : public VerelRichDropping
{
public:
    using VerelRichDropping::VerelRichDropping;
    bool GetData() override { return true; }
};

ProefDropping& vervangDoel(wxRichTextCtrl& rijk, VerelRichDropping::Inhoud inhoud)
{
    auto* doel = new ProefDropping(&rijk, inhoud);
    rijk.SetDropTarget(doel);
    return *doel;
}

wxDragResult drop(VerelRichDropping& doel, const wxDataObjectSimple& bron)
{
    std::vector<char> bytes(bron.GetDataSize() + 1);
    if (!bron.GetDataHere(bytes.data()) ||
        !doel.GetDataObject()->SetData(bron.GetFormat(), bron.GetDataSize(), bytes.data()))
    {
        ADD_FAILURE() << "the target does not take " << bron.GetFormat().GetId().utf8_str();
        return wxDragError;
    }
    if (!doel.OnDrop(5, 5))
        return wxDragNone;
    return doel.OnData(5, 5, wxDragCopy);
}

wxDragResult dropBestanden(VerelRichDropping& doel, const std::vector<wxString>& namen)
{
    wxFileDataObject bestanden;
    for (const wxString& naam : namen)
        bestanden.AddFile(naam);
    return drop(doel, bestanden);
}

wxString bewaarBeeld(const wxString& naam, int breedte, int hoogte)
{
    EXPECT_TRUE(wxImage(breedte, hoogte).SaveFile(testPad(naam), wxBITMAP_TYPE_PNG));
    return testPad(naam);
}

} // namespace

TEST_F(WerkbalkTest, ElkVeldHeeftEenEigenDoelDatTekstEnAfbeeldingenNeemt)
{
    toon(inOntwikkeling());
    std::set<wxDropTarget*> doelen;
    for (int i = 0; i < RekEigenschappenVenster::aantalRijkVelden; ++i)
    {
        auto* doel = dynamic_cast<VerelRichDropping*>(d().geefRijk(i)->GetDropTarget());
        ASSERT_NE(doel, nullptr) << i;
        doelen.insert(doel);
        // The remarks are stored as plain text.
        EXPECT_EQ(doel->geefInhoud(), d().geefRijk(i) == &kommentaarRijk(d()) ? VerelRichDropping::Inhoud::alleenTekst
                                                                              : VerelRichDropping::Inhoud::alles);
    }
    EXPECT_EQ(doelen.size(), 5u);

    wxRichTextCtrl& rijk = beschrijvingRijk(d());
    ProefDropping& doel = vervangDoel(rijk, VerelRichDropping::Inhoud::alles);
    EXPECT_EQ(drop(doel, wxTextDataObject("Opens.")), wxDragMove);
    EXPECT_EQ(rijk.GetValue(), "Opens.");
    EXPECT_TRUE(d().isGewijzigd());
    // Nothing to take: refused.
    EXPECT_EQ(dropBestanden(doel, {}), wxDragNone);
    EXPECT_EQ(rijk.GetValue(), "Opens.");
    // A picture is welcome here (not in the remarks).
    EXPECT_EQ(dropBestanden(doel, {bewaarBeeld("foto.png", 20, 20)}), wxDragMove);
    EXPECT_EQ(geefObjekten<wxRichTextImage>(rijk).size(), 1u);
}

// Another program's text may be no UTF-8, or hold a code point beyond
// U+10FFFF: the field shows a replacement character where it cannot be read.
TEST_F(WerkbalkTest, GedropteTekstDieGeenUTF8IsKrijgtVervangingstekens)
{
    wxRichTextCtrl& rijk = beschrijvingRijk(toon(inOntwikkeling()));
    ProefDropping& doel = vervangDoel(rijk, VerelRichDropping::Inhoud::alles);
    const wxString fffd(wxUniChar(0xFFFD));
    const char ruw[] = "Title \xF4\x95\xBA\x9E, Ti\xC3tle";
    wxCustomDataObject bytes{wxDataFormat(wxDF_UNICODETEXT)};
    bytes.SetData(sizeof ruw - 1, ruw);
    EXPECT_EQ(drop(doel, bytes), wxDragMove);
    EXPECT_EQ(rijk.GetValue(), "Title " + fffd + fffd + fffd + fffd + ", Ti" + fffd + "tle");

    ASSERT_TRUE(
        wxFFile(testPad("notitie.txt"), "w").Write(wxString::From8BitData("Seen \xF4\x95\xBA\x9E."), wxConvISO8859_1));
    vragen.antwoord(wxYES);
    EXPECT_EQ(dropBestanden(doel, {testPad("notitie.txt")}), wxDragMove);
    // The file's reader takes the sequence in whole, as one character.
    EXPECT_EQ(rijk.GetValue(), "Seen " + fffd + ".");
    rijk.Refresh();
    rijk.Update();
}

TEST_F(WerkbalkTest, OpmerkingenNemenGeenAfbeeldingen)
{
    Requirement rek = inOntwikkeling();
    rek.kommentaar = "Checked.";
    wxRichTextCtrl& rijk = kommentaarRijk(toon(rek));
    ProefDropping& doel = vervangDoel(rijk, VerelRichDropping::Inhoud::alleenTekst);
    const wxString beeld = bewaarBeeld("foto.png", 20, 20);
    wxBitmapDataObject bitmap(wxBitmap(wxImage(20, 20)));
    EXPECT_EQ(drop(doel, bitmap), wxDragNone);
    EXPECT_EQ(dropBestanden(doel, {beeld}), wxDragNone);
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Warning), 2u);
    EXPECT_EQ(rijk.GetValue(), "Checked.");

    // Of a list, the text is taken and the picture refused.
    ASSERT_TRUE(wxFFile(testPad("notitie.txt"), "w").Write("Seen by Jan."));
    vragen.antwoord(wxYES);
    EXPECT_EQ(dropBestanden(doel, {beeld, testPad("notitie.txt")}), wxDragMove);
    EXPECT_TRUE(vragen.isGevraagd("Contents will be erased."));
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Warning), 3u);
    EXPECT_EQ(d().leesVelden().kommentaar, "Seen by Jan.");
    EXPECT_TRUE(geefObjekten<wxRichTextImage>(rijk).empty());
}

TEST_F(WerkbalkTest, EenVeldZonderInvoerNeemtNiets)
{
    // Signed off: the texts stay as signed off.
    Requirement rek = inOntwikkeling();
    rek.status = Requirement::StatusKlaar;
    rek.beschrijving = alsRijk("Opens.");
    toon(rek);
    ProefDropping& beschrijving = vervangDoel(beschrijvingRijk(d()), VerelRichDropping::Inhoud::alles);
    EXPECT_EQ(drop(beschrijving, wxTextDataObject(" And closes.")), wxDragNone);
    EXPECT_EQ(dropBestanden(beschrijving, {bewaarBeeld("foto.png", 20, 20)}), wxDragNone);
    EXPECT_EQ(platteTekst(d().leesVelden().beschrijving), "Opens.");
    EXPECT_FALSE(d().isGewijzigd());

    // On a read-only project the remarks take no input either.
    ASSERT_EQ(app->openProject(pad, true), 0);
    toon(inOntwikkeling());
    d().UpdateWindowUI(wxUPDATE_UI_RECURSE);
    ProefDropping& kommentaar = vervangDoel(kommentaarRijk(d()), VerelRichDropping::Inhoud::alleenTekst);
    EXPECT_EQ(drop(kommentaar, wxTextDataObject("Seen.")), wxDragNone);
    EXPECT_EQ(kommentaarRijk(d()).GetValue(), "");
}

namespace
{
using Klok = std::chrono::steady_clock;

// The hand's patience, on its own thread: until the condition holds, at
// most `maxMs`.
bool wachtInDraad(const std::function<bool()>& voorwaarde, int maxMs)
{
    const auto einde = Klok::now() + std::chrono::milliseconds(maxMs);
    while (!voorwaarde())
    {
        if (Klok::now() > einde)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

using VeldDoel = WaakzaamDoel<VerelRichDropping>;

// A window to drag text from: a drag starts when the pressed mouse moves.
class Bron : public wxFrame
{
public:
    Bron() : wxFrame(nullptr, wxID_ANY, "Bron", wxPoint(10, 10), wxSize(160, 160))
    {
        paneel = new wxPanel(this, wxID_ANY);
        paneel->SetBackgroundColour(*wxBLUE);
        paneel->Bind(wxEVT_MOTION,
                     [this](wxMouseEvent& muis)
                     {
                         if (!muis.LeftIsDown() || gestart)
                             return;
                         gestart = true;
                         wxTextDataObject tekst(" Dragged in.");
                         wxDropSource sleep(tekst, paneel);
                         sleep.DoDragDrop(wxDrag_AllowMove);
                         klaar = true;
                     });
    }
    wxPanel* paneel;
    std::atomic<bool> gestart{false};
    std::atomic<bool> klaar{false};
};

wxPoint midden(wxWindow& venster)
{
    return venster.ClientToScreen(wxPoint(venster.GetClientSize().x / 2, venster.GetClientSize().y / 2));
}

// Press on the source, move until the drag has begun, move onto the field
// until it feels the drag, let go.
void sleepMetDeHand(XTestMuis& muis, Bron& bron, VeldDoel& doel, wxPoint van, wxPoint naar, std::atomic<bool>& mis)
{
    muis.beweeg(van.x, van.y);
    muis.drukLinks(true);
    int stap = 0;
    while (!bron.gestart && stap < 200)
    {
        muis.beweeg(van.x + ++stap, van.y);
        wachtInDraad([&] { return bron.gestart.load(); }, 20);
    }
    for (int i = 1; i <= 200 && !doel.erboven; ++i)
    {
        const int x = van.x + stap + (naar.x - van.x - stap) * std::min(i, 20) / 20 + (i > 20 ? (i % 3) - 1 : 0);
        const int y = van.y + (naar.y - van.y) * std::min(i, 20) / 20;
        muis.beweeg(x, y);
        wachtInDraad([&] { return doel.erboven.load(); }, 20);
    }
    mis = !bron.gestart || !doel.erboven;
    muis.drukLinks(false);
    wachtInDraad([&] { return bron.klaar.load(); }, 10000);
}
} // namespace

TEST_F(WerkbalkTest, TekstMetDeMuisOpDeBeschrijvingGesleept)
{
    XTestMuis muis;
    ASSERT_TRUE(muis.isBruikbaar()) << "the X server has no XTest";
    Requirement rek = inOntwikkeling();
    rek.beschrijving = alsRijk("Reports an open door.");
    toon(rek).Move(300, 10);
    wxRichTextCtrl& rijk = beschrijvingRijk(d());
    auto* doel = new VeldDoel(&rijk);
    rijk.SetDropTarget(doel);
    auto* bron = new Bron;
    bron->Show();
    ASSERT_TRUE(wachtOp([&] { return bron->IsShownOnScreen() && rijk.IsShownOnScreen(); }));
    verwerkGebeurtenissen();

    std::atomic<bool> mis{false};
    std::thread hand(sleepMetDeHand, std::ref(muis), std::ref(*bron), std::ref(*doel), midden(*bron->paneel),
                     midden(rijk), std::ref(mis));
    wachtOp([&] { return bron->klaar.load(); }, 20000);
    hand.join();
    EXPECT_FALSE(mis) << "the drag never reached the field";
    ASSERT_TRUE(bron->klaar) << "the drag did not end";
    EXPECT_EQ(rijk.GetValue(), "Reports an open door. Dragged in.");
    EXPECT_TRUE(d().isGewijzigd());
    bron->Destroy();
    verwerkGebeurtenissen(30);
}
