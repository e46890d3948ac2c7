// Every label of the main window and of the properties dialog, and every
// column header of the list, shown whole in each of the ten languages: both
// windows at the size they open with, the language started as a user's
// earlier choice starts it. A label that gets less room than it asks for is
// cut by the toolkit (the first letters of a static box's caption, the end
// of a header), which no other test would notice; a header may be
// shortened only where its whole text shows as a tool tip.
#include "tests/ondersteuning/DialoogBeantwoorder.h"
#include "tests/ondersteuning/GuiHulp.h"
#include "tests/ondersteuning/TestOmgeving.h"
#include "tests/ondersteuning/VensterHulp.h"
#include "tests/vertalingen/LabelMaat.h"
#include "tests/vertalingen/Talen.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <wx/dialog.h>
#include <wx/image.h>
#include <wx/listctrl.h>

namespace
{
// The room a column header's text has beside it: the generic list draws it
// that far from either edge of its column.
const int kopMarge = 2 * 6;
// The list's header window: its one window beside the rows' window.
wxWindow* geefKop(const wxGenericListCtrl& lijst)
{
    wxWindow* kop = nullptr;
    for (wxWindow* kind : lijst.GetChildren())
        if (kind != lijst.GetTargetWindow())
            kop = kind;
    return kop;
}

// A header too narrow for its text shows the whole text as the tool tip
// of the pointer resting on it.
wxString tipBovenKop(const wxGenericListCtrl& lijst, int kolom)
{
    wxWindow* kop = geefKop(lijst);
    int x = 0;
    for (int k = 0; k < kolom; ++k)
        x += lijst.GetColumnWidth(k);
    wxMouseEvent beweging(wxEVT_MOTION);
    beweging.SetPosition(wxPoint(x + lijst.GetColumnWidth(kolom) / 2, kop->GetClientSize().GetHeight() / 2));
    beweging.SetEventObject(kop);
    kop->GetEventHandler()->ProcessEvent(beweging);
    return kop->GetToolTipText();
}

// Every column of the list whose header's text does not fit it and does
// not show it whole as a tool tip either.
void zoekAfgesnedenKoppen(const wxGenericListCtrl& lijst, wxArrayString& afgesneden)
{
    const wxWindow* kop = geefKop(lijst);
    ASSERT_NE(kop, nullptr);
    for (int kolom = 0; kolom < lijst.GetColumnCount(); ++kolom)
    {
        wxListItem item;
        item.SetMask(wxLIST_MASK_TEXT);
        lijst.GetColumn(kolom, item);
        const int nodig = tekstBreedte(*kop, item.GetText(), kop->GetFont()) + kopMarge;
        const int gekregen = lijst.GetColumnWidth(kolom);
        if (nodig > gekregen && tipBovenKop(lijst, kolom) != item.GetText())
            afgesneden.Add(wxString::Format("header \"%s\" needs %d pixels, gets %d", item.GetText(), nodig, gekregen));
    }
}

// The columns whose cells are figures, dates or a status: a cut one is lost.
bool isVast(int kolom)
{
    return kolom != VerelTamsoApp::KolomTitel && kolom != VerelTamsoApp::KolomAuteur &&
           kolom != VerelTamsoApp::KolomImplementatie && kolom != VerelTamsoApp::KolomTestValidatie;
}

// Room a cell's text has beside it: the generic list draws it that far
// within its column.
const int celMarge = 8;
// The title keeps room for about this many characters of a title.
const int titelTekens = 30;

// Every column of the list beyond its rows' window, every figure, date or
// status of the rows in view that its column cuts, and every header the
// list draws cut, or shortened without its whole text as tool tip.
void zoekAfgesnedenCellen(const wxGenericListCtrl& lijst, wxArrayString& fouten)
{
    int totaal = 0;
    for (int kolom = 0; kolom < lijst.GetColumnCount(); ++kolom)
        totaal += lijst.GetColumnWidth(kolom);
    if (totaal > lijst.GetTargetWindow()->GetClientSize().GetWidth())
        fouten.Add(wxString::Format("the columns take %d pixels of %d", totaal,
                                    lijst.GetTargetWindow()->GetClientSize().GetWidth()));
    const long eerste = lijst.GetTopItem();
    const long laatste = std::min<long>(lijst.GetItemCount(), eerste + lijst.GetCountPerPage());
    const wxWindow& kopVenster = *geefKop(lijst);
    for (int kolom = 0; kolom < lijst.GetColumnCount(); ++kolom)
    {
        for (long rij = eerste; isVast(kolom) && rij < laatste; ++rij)
        {
            const wxString tekst = lijst.GetItemText(rij, kolom);
            if (tekstBreedte(lijst, tekst, lijst.GetFont()) + celMarge > lijst.GetColumnWidth(kolom))
            {
                fouten.Add(wxString::Format("\"%s\" is cut by its column %d", tekst, kolom));
                break;
            }
        }
        // The whole header, and the one the list draws.
        wxListItem kop;
        kop.SetMask(wxLIST_MASK_TEXT);
        lijst.GetColumn(kolom, kop);
        wxListItem getoond;
        getoond.SetMask(wxLIST_MASK_TEXT);
        lijst.wxGenericListCtrl::GetColumn(kolom, getoond);
        if (tekstBreedte(kopVenster, getoond.GetText(), kopVenster.GetFont()) + kopMarge > lijst.GetColumnWidth(kolom))
            fouten.Add("the header \"" + getoond.GetText() + "\" is cut");
        if (getoond.GetText() != kop.GetText() && (!getoond.GetText().Contains(wxString::FromUTF8("\xE2\x80\xA6")) ||
                                                   tipBovenKop(lijst, kolom) != kop.GetText()))
            fouten.Add("the header \"" + kop.GetText() + "\" is shortened to \"" + getoond.GetText() +
                       "\" without its tool tip");
    }
}

// A project of 25 requirements at every status, of the costs `basis` +
// i x `stap`, opened.
void vulProjekt(VensterApp& app, long long basis, long long stap)
{
    ASSERT_EQ(app.openProject(testPad("vol.vtd")), 0);
    voerUit(app,
            {wxString::Format("with recursive n(i) as (select 1 union all select i+1 from n where i<25) insert into "
                              "Requirements (SR,naam,prioriteit,totaleKosten,status,auteur,"
                              "implementatieIngenieur,testIngenieur,datum) select i*10,'Open and close the roof "
                              "vents of zone '||i,101-i*4,%lld+i*%lld,i%%5,'Ingrid Bakker','Tomás Ruiz',"
                              "'Jan de Vries','2026-12-31' from n",
                              basis, stap)});
}

// Every shown window of the tree that reaches beyond its parent or covers a
// sibling.
void zoekOverlap(const wxWindow& venster, wxArrayString& fouten)
{
    std::vector<const wxWindow*> kinderen;
    for (const wxWindow* kind : venster.GetChildren())
        if (kind->IsShown() && !kind->IsTopLevel())
            kinderen.push_back(kind);
    const auto naam = [](const wxWindow& v)
    { return wxString::Format("%s \"%s\"", v.GetClassInfo()->GetClassName(), v.GetLabel()); };
    for (size_t i = 0; i < kinderen.size(); ++i)
    {
        const wxRect plek = kinderen[i]->GetRect();
        if (!wxRect(venster.GetClientSize()).Contains(plek))
            fouten.Add(wxString::Format("%s at %d,%d %dx%d lies beyond %s of %dx%d", naam(*kinderen[i]), plek.x, plek.y,
                                        plek.width, plek.height, naam(venster), venster.GetClientSize().GetWidth(),
                                        venster.GetClientSize().GetHeight()));
        for (size_t j = i + 1; j < kinderen.size(); ++j)
            if (plek.Intersects(kinderen[j]->GetRect()))
                fouten.Add(naam(*kinderen[i]) + " covers " + naam(*kinderen[j]));
        zoekOverlap(*kinderen[i], fouten);
    }
}

class LabelBreedteTest : public ::testing::TestWithParam<Taal>
{
};
} // namespace

TEST_P(LabelBreedteTest, ElkLabelEnElkeKopIsHeel)
{
    static const bool beeldLezers = []
    {
        wxInitAllImageHandlers();
        return true;
    }();
    (void)beeldLezers;
    kiesTaal(GetParam().taal);
    VApp app;
    ASSERT_EQ(app->geefTaal(), GetParam().taal);
    ASSERT_EQ(app->openProject(testPad("labels.vtd")), 0);
    // Implemented: the dialog opens with the test section and its two boxes.
    const char* const titel = "Open and close the roof vents of every zone";
    voegRijenToe(*app, {{10, titel, 50, 1200, Requirement::StatusGeimplementeerd}});
    // Cells as wide as a real project's, which the headers must not give
    // way to.
    voerUit(*app, {"update Requirements set auteur='Ingrid Bakker', implementatieIngenieur='Tomás Ruiz', "
                   "testIngenieur='Jan de Vries'"});
    VerelTamsoVenster* venster = maakVenster(*app);
    const VensterSluiter sluiter{venster};
    venster->Show();
    venster->start();
    ASSERT_TRUE(wachtOp([&] { return venster->IsShownOnScreen(); }));
    verwerkGebeurtenissen();

    wxArrayString afgesneden;
    zoekAfgesneden(*venster, afgesneden);
    const auto* lijst = dynamic_cast<const wxGenericListCtrl*>(venster->FindWindow(VerelTamsoVenster::ID_REKLIJST));
    ASSERT_NE(lijst, nullptr);
    zoekAfgesnedenKoppen(*lijst, afgesneden);
    EXPECT_TRUE(afgesneden.empty()) << "main window at " << venster->GetSize().GetWidth() << "x"
                                    << venster->GetSize().GetHeight() << ":\n"
                                    << wxJoin(afgesneden, '\n');

    ASSERT_EQ(venster->selekteerRequirement(opgeslagen(titel, 10), StandAan), 0);
    afgesneden.clear();
    bool gezien = false;
    // Shown for real and left unchanged: OK stays disabled and the dialog
    // ends without a result.
    dialoogBeantwoorder().klikOK(
        [&](wxDialog& dialoog)
        {
            gezien = wachtOp([&] { return dialoog.IsShownOnScreen(); });
            verwerkGebeurtenissen();
            zoekAfgesneden(dialoog, afgesneden);
            EXPECT_TRUE(afgesneden.empty()) << "properties dialog at " << dialoog.GetSize().GetWidth() << "x"
                                            << dialoog.GetSize().GetHeight() << ":\n"
                                            << wxJoin(afgesneden, '\n');
        },
        false);
    stuurMenu(*venster, VerelTamsoVenster::ID_BEWERKITEM);
    EXPECT_TRUE(gezien);
}

// The list at the first size in the language, at each list font size up to
// the list's own 14 points: the title keeps room for about thirty
// characters, no figure, date or status is cut, every column lies within
// the list, and a header shortened for want of room shows its whole text
// as a tool tip.
TEST_P(LabelBreedteTest, DeTitelHoudtRuimteEnGeenGetalWordtAfgesneden)
{
    kiesTaal(GetParam().taal);
    VApp app;
    vulProjekt(*app, 100000000, 31234567);
    VerelTamsoVenster* venster = maakVenster(*app);
    const VensterSluiter sluiter{venster};
    venster->Show();
    venster->start();
    ASSERT_TRUE(wachtOp([&] { return venster->IsShownOnScreen(); }));
    ASSERT_EQ(venster->GetSize(), venster->FromDIP(wxSize(1200, 800)));
    RekLijstCtrl& lijst = *venster->geefRekLijst();

    for (int punten = 8; punten <= 14; ++punten)
    {
        app->lijstFont = wxFont(wxFontInfo(punten).FaceName("Arial"));
        venster->zetFont(true);
        verwerkGebeurtenissen();
        wxString geval = wxString::Format("%d points (width %d, character %d):", punten, lijst.GetSize().GetWidth(),
                                          lijst.GetCharWidth());
        for (int kolom = 0; kolom < lijst.GetColumnCount(); ++kolom)
            geval += wxString::Format(" %d", lijst.GetColumnWidth(kolom));
        const wxString titel = lijst.GetItemText(0, VerelTamsoApp::KolomTitel).Left(titelTekens);
        EXPECT_GE(lijst.GetColumnWidth(VerelTamsoApp::KolomTitel),
                  tekstBreedte(lijst, titel, lijst.GetFont()) + celMarge)
            << geval;
        wxArrayString fouten;
        zoekAfgesnedenCellen(lijst, fouten);
        EXPECT_TRUE(fouten.empty()) << geval << "\n" << wxJoin(fouten, '\n');
    }
}

// The main window with 9-digit totals at the first size, at 1024 x 768 and
// at the smallest size it takes: it takes each, no label or figure is cut,
// no control covers another and every one lies within the window.
TEST_P(LabelBreedteTest, BijElkeMaatIsAllesHeelEnZichtbaar)
{
    kiesTaal(GetParam().taal);
    VApp app;
    vulProjekt(*app, 20000000, 123456);
    VerelTamsoVenster* venster = maakVenster(*app);
    const VensterSluiter sluiter{venster};
    venster->Show();
    venster->start();
    ASSERT_TRUE(wachtOp([&] { return venster->IsShownOnScreen(); }));
    // In groups of thousands, as each language writes them.
    ASSERT_TRUE(labelVan(*venster, VerelTamsoVenster::ID_KOSTEN_LABEL).Matches("*540?123?200*540?123?200"))
        << labelVan(*venster, VerelTamsoVenster::ID_KOSTEN_LABEL);

    const wxSize maten[] = {venster->FromDIP(wxSize(1200, 800)), venster->FromDIP(wxSize(1024, 768)), wxSize()};
    for (wxSize maat : maten)
    {
        if (maat == wxSize())
            maat = venster->GetMinSize();
        venster->SetSize(maat);
        wachtOp([&] { return venster->GetSize() == maat; });
        verwerkGebeurtenissen();
        const auto alsTekst = [](wxSize m) { return wxString::Format("%dx%d", m.GetWidth(), m.GetHeight()); };
        EXPECT_EQ(alsTekst(venster->GetSize()), alsTekst(maat));
        wxArrayString fouten;
        zoekAfgesneden(*venster, fouten);
        const wxWindow* paneel = venster->FindWindow(VerelTamsoVenster::ID_HOOFDPANEEL);
        ASSERT_NE(paneel, nullptr);
        if (!wxRect(venster->GetClientSize()).Contains(paneel->GetRect()))
            fouten.Add("the panel lies beyond the window");
        zoekOverlap(*paneel, fouten);
        zoekAfgesnedenCellen(*venster->geefRekLijst(), fouten);
        EXPECT_TRUE(fouten.empty()) << "main window at " << venster->GetSize().GetWidth() << "x"
                                    << venster->GetSize().GetHeight() << ":\n"
                                    << wxJoin(fouten, '\n');
    }
}

INSTANTIATE_TEST_SUITE_P(Talen, LabelBreedteTest, ::testing::ValuesIn(talen), naamVan);
