// The questions to the user: the real dialogs behind DesktopVraag, run and
// clicked as a user would, and the test's answerer that stands in for them;
// the window title that keeps its unsaved-changes mark.
#include "swexternals/desktop/DesktopVraag.h"
#include "swexternals/desktop/platform/Platform.h"
#include "tests/ondersteuning/DialoogBeantwoorder.h"
#include "tests/ondersteuning/GuiHulp.h"
#include "tests/ondersteuning/VraagBeantwoorder.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <wx/choicdlg.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/richtext/richtextsymboldlg.h>
#include <wx/spinctrl.h>
#include <wx/textctrl.h>

namespace
{
template <class Kind> Kind* vindKind(wxWindow& venster)
{
    for (wxWindow* kind : venster.GetChildren())
    {
        if (auto* gevonden = dynamic_cast<Kind*>(kind))
            return gevonden;
        if (Kind* dieper = vindKind<Kind>(*kind))
            return dieper;
    }
    return nullptr;
}

DesktopVraag& echt()
{
    return DesktopVraag::geef();
}
} // namespace

TEST(EchteVragen, TekstGetalEnKeuzeKomenUitDeVeldenNaOK)
{
    dialoogBeantwoorder().klikOK([](wxDialog& d) { vindKind<wxTextCtrl>(d)->ChangeValue("Nieuwe titel"); });
    EXPECT_EQ(echt().vraagTekst("Please provide a new title", "Enter a new title", "Oud", nullptr), "Nieuwe titel");
    // OK on an emptied field is an empty answer, not a cancel.
    dialoogBeantwoorder().klikOK([](wxDialog& d) { vindKind<wxTextCtrl>(d)->ChangeValue(""); });
    EXPECT_EQ(echt().vraagTekst("URL:", "Insert URL", wxString(), nullptr), wxString());
    dialoogBeantwoorder().verwacht(wxID_CANCEL);
    EXPECT_EQ(echt().vraagTekst("URL:", "Insert URL", "x", nullptr), std::nullopt);

    int voorgesteld = -1;
    dialoogBeantwoorder().klikOK(
        [&](wxDialog& d)
        {
            voorgesteld = vindKind<wxSpinCtrl>(d)->GetValue();
            vindKind<wxSpinCtrl>(d)->SetValue(42);
        });
    EXPECT_EQ(echt().vraagGetal("Please enter the margin:", "Value :", "Margins", 12, 0, 100, nullptr), 42);
    EXPECT_EQ(voorgesteld, 12);
    // The field takes nothing beyond the limits.
    dialoogBeantwoorder().klikOK([](wxDialog& d) { vindKind<wxSpinCtrl>(d)->SetValue(500); });
    EXPECT_EQ(echt().vraagGetal("Please enter the margin:", "Value :", "Margins", 12, 0, 100, nullptr), 100);
    dialoogBeantwoorder().verwacht(wxID_CANCEL);
    EXPECT_EQ(echt().vraagGetal("m", "p", "t", 12, 0, 100, nullptr), std::nullopt);

    const wxArrayString talen = wxSplit("Dutch,English,German", ',');
    int eerst = -2;
    dialoogBeantwoorder().klikOK(
        [&](wxDialog& d)
        {
            auto& keuze = dynamic_cast<wxSingleChoiceDialog&>(d);
            eerst = keuze.GetSelection();
            keuze.SetSelection(2);
        });
    EXPECT_EQ(echt().kiesUitLijst("Which language?", "Language", talen, 1, nullptr), 2);
    EXPECT_EQ(eerst, 1);
    dialoogBeantwoorder().verwacht(wxID_CANCEL);
    EXPECT_EQ(echt().kiesUitLijst("Which language?", "Language", talen, 0, nullptr), std::nullopt);
}

TEST(EchteVragen, SymboolMetZijnLettertypeOfDatVanDeTekst)
{
    wxString geopendOp;
    dialoogBeantwoorder().klikOK(
        [&](wxDialog& d)
        {
            auto& kiezer = dynamic_cast<wxSymbolPickerDialog&>(d);
            geopendOp = kiezer.GetSymbol();
            kiezer.SetSymbol(wxString::FromUTF8("Ω"));
            kiezer.SetFontName(wxString());
        });
    std::optional<DesktopVraag::Symbool> symbool =
        echt().kiesSymbool("*", wxString(), "DejaVu Sans", "Symbols", nullptr);
    ASSERT_TRUE(symbool);
    EXPECT_EQ(symbool->teken, wxUniChar(0x3A9));
    EXPECT_EQ(symbool->fontNaam, wxString()) << "the normal text font";
    EXPECT_EQ(geopendOp, "*");

    dialoogBeantwoorder().klikOK(
        [](wxDialog& d)
        {
            auto& kiezer = dynamic_cast<wxSymbolPickerDialog&>(d);
            kiezer.SetFontName("DejaVu Serif");
            kiezer.SetSymbol("#");
        });
    symbool = echt().kiesSymbool("*", wxString(), "DejaVu Sans", "Symbols", nullptr);
    ASSERT_TRUE(symbool);
    EXPECT_EQ(symbool->teken, '#');
    EXPECT_EQ(symbool->fontNaam, "DejaVu Serif");

    // OK stays disabled until a symbol is chosen; cancel gives nothing either.
    dialoogBeantwoorder().klikOK([](wxDialog& d) { dynamic_cast<wxSymbolPickerDialog&>(d).SetSymbol(wxString()); },
                                 false);
    EXPECT_EQ(echt().kiesSymbool(wxString(), wxString(), "DejaVu Sans", "Symbols", nullptr), std::nullopt);
    dialoogBeantwoorder().verwacht(wxID_CANCEL);
    EXPECT_EQ(echt().kiesSymbool("*", wxString(), "DejaVu Sans", "Symbols", nullptr), std::nullopt);
}

TEST(EchteVragen, KleurEnLettertypeAfgebrokenGevenNiets)
{
    // The toolkit's own dialogs: what they hand back cannot be set from a
    // test, which is why the answerer stands in for them.
    dialoogBeantwoorder().verwacht(wxID_CANCEL);
    EXPECT_EQ(echt().kiesKleur(*wxRED, "Please select a colour for the border.", nullptr), std::nullopt);
    dialoogBeantwoorder().verwacht(wxID_OK);
    EXPECT_EQ(echt().kiesKleur(*wxRED, wxString(), nullptr), *wxRED);
    dialoogBeantwoorder().verwacht(wxID_CANCEL);
    EXPECT_EQ(echt().kiesFont(*wxNORMAL_FONT, wxString(), nullptr), std::nullopt);
}

TEST(VraagBeantwoorder, GeeftElkeSoortZijnAntwoordEnOnthoudtDeVraag)
{
    VraagBeantwoorder vragen;
    wxFrame* venster = new wxFrame(nullptr, wxID_ANY, "Project");
    const wxFont vet = wxNORMAL_FONT->Bold();
    vragen.antwoordTekst("Tweede titel");
    vragen.antwoordTekst(std::nullopt);
    vragen.antwoordGetal(7);
    vragen.antwoordKleur(wxColour(1, 2, 3));
    vragen.antwoordFont(vet);
    vragen.antwoordSymbool(DesktopVraag::Symbool{'#', "DejaVu Serif"});
    vragen.antwoordKeuze(std::nullopt);
    EXPECT_EQ(vragen.geefOnbeantwoord(), 7u);

    DesktopVraag& vraag = DesktopVraag::geef();
    EXPECT_EQ(vraag.vraagTekst("Please provide a new title", "Enter a new title", "Titel", venster), "Tweede titel");
    EXPECT_EQ(vraag.vraagTekst("URL:", "Insert URL", wxString(), nullptr), std::nullopt);
    EXPECT_EQ(vraag.vraagGetal("Please enter the margin:", "Value :", "Margins", 12, 0, 100, venster), 7);
    EXPECT_EQ(vraag.kiesKleur(*wxBLACK, "Border", venster), wxColour(1, 2, 3));
    EXPECT_EQ(vraag.kiesFont(*wxNORMAL_FONT, wxString(), venster), vet);
    const auto symbool = vraag.kiesSymbool("*", wxString(), "DejaVu Sans", "Symbols", venster);
    ASSERT_TRUE(symbool);
    EXPECT_EQ(symbool->teken, '#');
    EXPECT_EQ(symbool->fontNaam, "DejaVu Serif");
    EXPECT_EQ(vraag.kiesUitLijst("Which?", "Choice", wxSplit("a,b", ','), 1, venster), std::nullopt);
    EXPECT_EQ(vragen.geefOnbeantwoord(), 0u);

    const auto& gevraagd = vragen.geefVragen();
    ASSERT_EQ(gevraagd.size(), 7u);
    EXPECT_EQ(gevraagd[0].soort, VraagBeantwoorder::Soort::Tekst);
    EXPECT_EQ(gevraagd[0].voorstel, "Titel");
    EXPECT_EQ(gevraagd[0].ouder, venster);
    EXPECT_EQ(gevraagd[1].ouder, nullptr);
    EXPECT_EQ(gevraagd[2].soort, VraagBeantwoorder::Soort::Getal);
    EXPECT_EQ(gevraagd[2].voorstel, "Value :");
    EXPECT_EQ(gevraagd[2].getal, 12);
    EXPECT_EQ(gevraagd[2].min, 0);
    EXPECT_EQ(gevraagd[2].max, 100);
    EXPECT_EQ(gevraagd[3].kleur, *wxBLACK);
    EXPECT_EQ(gevraagd[4].font, *wxNORMAL_FONT);
    EXPECT_EQ(gevraagd[5].voorstel, "*");
    EXPECT_EQ(gevraagd[5].normaleFont, "DejaVu Sans");
    EXPECT_EQ(gevraagd[6].keuzes, wxSplit("a,b", ','));
    EXPECT_EQ(gevraagd[6].getal, 1);
    EXPECT_TRUE(vragen.isGevraagd("Please enter the margin:"));
    venster->Destroy();
}

TEST(VraagBeantwoorder, EenOnverwachteVraagOfEenOngebruiktAntwoordLaatDeTestFalen)
{
    {
        VraagBeantwoorder vragen;
        std::optional<long> getal = 1;
        EXPECT_NONFATAL_FAILURE(getal = DesktopVraag::geef().vraagGetal("m", "p", "t", 5, 0, 9, nullptr),
                                "unexpected number asked: m");
        EXPECT_EQ(getal, std::nullopt) << "taken as cancelled";
        // The real dialog could not give a number beyond its limits.
        vragen.antwoordGetal(10);
        EXPECT_NONFATAL_FAILURE(DesktopVraag::geef().vraagGetal("m", "p", "t", 5, 0, 9, nullptr), "outside 0..9");
    }
    EXPECT_NONFATAL_FAILURE(
        {
            VraagBeantwoorder vragen;
            vragen.antwoordKleur(*wxRED);
        },
        "1 queued answer(s) to a colour left unused");
}

TEST(VensterTitel, HoudtHetMerkVanNietBewaardeWijzigingen)
{
    wxFrame* venster = new wxFrame(nullptr, wxID_ANY, "VerelTamso - plan.vtd");
    EXPECT_FALSE(Platform::isVensterGewijzigd(*venster));
    Platform::zetVensterGewijzigd(*venster, true);
    // A part of the window that goes leaves the mark alone.
    (new wxPanel(venster))->Destroy();
    EXPECT_TRUE(Platform::isVensterGewijzigd(*venster));
    Platform::zetVensterTitel(*venster, "VerelTamso - other.vtd");
    EXPECT_EQ(venster->GetTitle(), "*VerelTamso - other.vtd");
    EXPECT_EQ(Platform::geefVensterTitel(*venster), "VerelTamso - other.vtd");
    Platform::zetVensterGewijzigd(*venster, false);
    EXPECT_EQ(venster->GetTitle(), "VerelTamso - other.vtd");

    // A title of its own that begins with the mark's character stays whole.
    Platform::zetVensterTitel(*venster, "*scratch*");
    EXPECT_EQ(venster->GetTitle(), "*scratch*");
    EXPECT_EQ(Platform::geefVensterTitel(*venster), "*scratch*");
    Platform::zetVensterGewijzigd(*venster, true);
    EXPECT_EQ(venster->GetTitle(), "**scratch*");
    EXPECT_EQ(Platform::geefVensterTitel(*venster), "*scratch*");
    Platform::zetVensterGewijzigd(*venster, false);
    EXPECT_EQ(venster->GetTitle(), "*scratch*");
    venster->Destroy();
    verwerkGebeurtenissen();
}
