// What the inserting tools put into the editor with the focus: stamps, the
// standard text, a symbol, a link, an image, a text box and a marker
// section. Every question is answered while the focus is elsewhere, as it
// is while a real dialog is up.
#include "tests/ondersteuning/DialoogBeantwoorder.h"
#include "tests/ondersteuning/LogVanger.h"
#include "tests/ondersteuning/TestOmgeving.h"
#include "tests/toepassing/eigenschappen/werkbalk/WerkbalkHulp.h"

#include <wx/ffile.h>
#include <wx/filename.h>
#include <wx/regex.h>

using V = RekEigenschappenVenster;

namespace
{
Requirement metBeschrijving(const wxString& tekst)
{
    Requirement rek = inOntwikkeling();
    if (!tekst.empty())
        rek.beschrijving = alsRijk(tekst);
    return rek;
}

wxString bewaarBeeld(const wxString& naam, int breedte, int hoogte, wxBitmapType type)
{
    wxImage beeld(breedte, hoogte);
    beeld.SetRGB(wxRect(0, 0, breedte, hoogte), 200, 40, 40);
    EXPECT_TRUE(beeld.SaveFile(testPad(naam), type));
    return testPad(naam);
}
} // namespace

TEST_F(WerkbalkTest, StempelsBijDeCursorEnDeStandaardTekstNaEenBevestiging)
{
    wxRichTextCtrl& rijk = beschrijvingRijk(toon(metBeschrijving("Open.")));
    neemFocusWegBijElkeVraag();
    // A selection is not replaced: the stamp goes in at the caret.
    rijk.SetSelection(0, 4);
    gebruik(rijk, V::ID_VERSIEDATUMSTEMPEL);
    wxString rest = rijk.GetValue();
    EXPECT_EQ(wxRegEx(R"(\[Version 2\.1 written on date \d{4}-\d\d-\d\d \d\d:\d\d:\d\d\] :)").Replace(&rest, ""), 1)
        << rijk.GetValue();
    EXPECT_EQ(rest, "Open.");
    EXPECT_TRUE(d().isGewijzigd());
    rijk.SetValue("");
    versieTekst(d()).ChangeValue("");
    gebruik(rijk, V::ID_VERSIEDATUMSTEMPEL);
    gebruik(rijk, V::ID_DATUMTIJDSTEMPEL);
    EXPECT_TRUE(wxRegEx(R"(^\[Version  written on date [-0-9: ]{19}\] :\[[-0-9: ]{19}\] :$)").Matches(rijk.GetValue()))
        << rijk.GetValue();

    // Asked until confirmed, then written at every click without asking.
    rijk.SetValue("");
    vragen.antwoordTekst(std::nullopt);
    gebruik(rijk, V::ID_VOERSTDGEENIMPLANTWOORDUIT);
    EXPECT_EQ(rijk.GetValue(), "");
    EXPECT_EQ(vragen.geefVragen().back().voorstel, "No details need to be specified for this section.");
    vragen.antwoordTekst("Nothing to do.");
    gebruik(rijk, V::ID_VOERSTDGEENIMPLANTWOORDUIT);
    gebruik(rijk, V::ID_VOERSTDGEENIMPLANTWOORDUIT);
    EXPECT_EQ(rijk.GetValue(), "Nothing to do.Nothing to do.");
    EXPECT_EQ(vragen.geefVragen().size(), 2u);

    // The next dialog proposes it; an empty one writes nothing, ever.
    wxRichTextCtrl& volgende = beschrijvingRijk(toon(metBeschrijving("")));
    vragen.antwoordTekst("");
    gebruik(volgende, V::ID_VOERSTDGEENIMPLANTWOORDUIT);
    gebruik(volgende, V::ID_VOERSTDGEENIMPLANTWOORDUIT);
    EXPECT_EQ(vragen.geefVragen().back().voorstel, "Nothing to do.");
    EXPECT_EQ(vragen.geefVragen().size(), 3u);
    EXPECT_EQ(volgende.GetValue(), "");
}

TEST_F(WerkbalkTest, SymboolInDeFontVanDeTekstOfInZijnEigen)
{
    wxRichTextCtrl& rijk = beschrijvingRijk(toon(metBeschrijving("Ohm")));
    neemFocusWegBijElkeVraag();
    rijk.SetInsertionPointEnd();
    const wxString normaal = stijlOp(rijk, 1).GetFontFaceName();
    vragen.antwoordSymbool(DesktopVraag::Symbool{wxUniChar(0x3A9), wxString()});
    gebruik(rijk, V::ID_VOEGTOESYMBOOL);
    vragen.antwoordSymbool(DesktopVraag::Symbool{wxUniChar(0x2211), "DejaVu Serif"});
    gebruik(rijk, V::ID_VOEGTOESYMBOOL);
    vragen.antwoordSymbool(std::nullopt);
    gebruik(rijk, V::ID_VOEGTOESYMBOOL);

    EXPECT_EQ(rijk.GetValue(), wxString::FromUTF8("Ohm\xCE\xA9\xE2\x88\x91"));
    EXPECT_EQ(vragen.geefVragen()[0].voorstel, "*");
    EXPECT_EQ(vragen.geefVragen()[0].normaleFont, normaal);
    EXPECT_EQ(stijlOp(rijk, 3).GetFontFaceName(), normaal);
    EXPECT_EQ(stijlOp(rijk, 4).GetFontFaceName(), "DejaVu Serif");
    EXPECT_TRUE(d().isGewijzigd());
}

TEST_F(WerkbalkTest, LinkAlleenNaarWebOfMailAdres)
{
    wxRichTextCtrl& rijk = beschrijvingRijk(toon(metBeschrijving("See the manual.")));
    neemFocusWegBijElkeVraag();
    // The selected text becomes the link; nothing is added.
    rijk.SetSelection(8, 14);
    vragen.antwoordTekst(" https://example.com/manual ");
    gebruik(rijk, V::ID_VOEGINURL);
    EXPECT_EQ(rijk.GetValue(), "See the manual.");
    EXPECT_EQ(stijlOp(rijk, 10).GetURL(), "https://example.com/manual");
    EXPECT_EQ(stijlOp(rijk, 10).GetTextColour(), *wxBLUE);
    EXPECT_TRUE(stijlOp(rijk, 10).GetFontUnderlined());
    EXPECT_FALSE(stijlOp(rijk, 2).HasURL());

    // Without a selection the address itself, and what follows is no link.
    rijk.SetInsertionPointEnd();
    vragen.antwoordTekst("mailto:ine@example.com");
    gebruik(rijk, V::ID_VOEGINURL);
    EXPECT_EQ(rijk.GetValue(), "See the manual.mailto:ine@example.com");
    EXPECT_EQ(stijlOp(rijk, 20).GetURL(), "mailto:ine@example.com");
    EXPECT_FALSE(rijk.GetDefaultStyleEx().HasURL());

    // Any other kind of address is refused; a cancel inserts nothing.
    vulOpnieuw();
    vragen.antwoordTekst("file:///etc/passwd");
    gebruik(rijk, V::ID_VOEGINURL);
    EXPECT_TRUE(logVanger().bevat("file:///etc/passwd", wxLOG_Warning));
    vragen.antwoordTekst(std::nullopt);
    gebruik(rijk, V::ID_VOEGINURL);
    EXPECT_EQ(rijk.GetValue(), "See the manual.mailto:ine@example.com");
    EXPECT_TRUE(d().isGewijzigd());
}

TEST_F(WerkbalkTest, AfbeeldingPastBinnenHonderdBijHonderdMetDezelfdeVerhoudingen)
{
    wxRichTextCtrl& rijk = beschrijvingRijk(toon(metBeschrijving("")));
    neemFocusWegBijElkeVraag();
    struct Geval
    {
        int breedte, hoogte;
        int antwoord; // 0: no question
        int verwachtBreedte, verwachtHoogte;
        wxBitmapType type;
    };
    const Geval gevallen[] = {{100, 100, 0, 100, 100, wxBITMAP_TYPE_PNG},
                              {300, 50, wxYES, 100, 16, wxBITMAP_TYPE_PNG},
                              {50, 300, wxYES, 16, 100, wxBITMAP_TYPE_JPEG},
                              {300, 200, wxYES, 100, 66, wxBITMAP_TYPE_PNG},
                              {300, 200, wxNO, 300, 200, wxBITMAP_TYPE_JPEG}};
    int nummer = 0;
    for (const Geval& geval : gevallen)
    {
        const wxString naam = wxString::Format("beeld%d.%s", ++nummer, geval.type == wxBITMAP_TYPE_PNG ? "png" : "jpg");
        vragen.kies(bewaarBeeld(naam, geval.breedte, geval.hoogte, geval.type));
        if (geval.antwoord)
            vragen.antwoord(geval.antwoord);
        gebruik(rijk, V::ID_VOEGINAFBEELDING);
    }
    const std::vector<wxRichTextImage*> ingevoegd = geefObjekten<wxRichTextImage>(rijk);
    ASSERT_EQ(ingevoegd.size(), std::size(gevallen));
    for (size_t i = 0; i < ingevoegd.size(); ++i)
    {
        wxImage beeld;
        ASSERT_TRUE(ingevoegd[i]->GetImageBlock().Load(beeld));
        EXPECT_EQ(beeld.GetSize(), wxSize(gevallen[i].verwachtBreedte, gevallen[i].verwachtHoogte)) << i;
        EXPECT_EQ(ingevoegd[i]->GetImageBlock().GetImageType(), gevallen[i].type) << i;
    }
    EXPECT_TRUE(d().isGewijzigd());
    EXPECT_EQ(app->geefLaatsteAppDataDir(wxString()).GetPath(), wxString::FromUTF8(testMap().string()));

    // A file that is no image: nothing. One image selected: its properties.
    const wxString geenBeeld = testPad("sub/note.png");
    ASSERT_TRUE(wxFileName::Mkdir(testPad("sub")));
    ASSERT_TRUE(wxFFile(geenBeeld, "w").Write("not a picture"));
    vragen.kies(geenBeeld);
    gebruik(rijk, V::ID_VOEGINAFBEELDING);
    EXPECT_EQ(geefObjekten<wxRichTextImage>(rijk).size(), std::size(gevallen));
    EXPECT_EQ(app->geefLaatsteAppDataDir(wxString()).GetPath(), wxString::FromUTF8(testMap().string()));
    rijk.SetSelection(0, 1);
    dialoogBeantwoorder().verwacht(
        [this](wxDialog& dialoog)
        {
            neemFocusWeg();
            EXPECT_EQ(dialoog.GetTitle(), "Object Properties");
            return wxID_CANCEL;
        });
    gebruik(rijk, V::ID_VOEGINAFBEELDING);
    EXPECT_EQ(dialoogBeantwoorder().geefGetoond().size(), 1u);
}

TEST_F(WerkbalkTest, TekstKaderMetMargeEnRandKleur)
{
    wxRichTextCtrl& rijk = beschrijvingRijk(toon(metBeschrijving("Keep the door shut.")));
    neemFocusWegBijElkeVraag();
    // Cancelled margin: nothing else asked, nothing changed.
    vragen.antwoordGetal(std::nullopt);
    gebruik(rijk, V::ID_PLAATSTEKSTDOOS);
    EXPECT_EQ(vragen.geefVragen().size(), 1u);
    EXPECT_EQ(vragen.geefVragen()[0].getal, 12);
    EXPECT_EQ(vragen.geefVragen()[0].max, 100);

    // Without a selection the text is asked; none, and nothing is inserted,
    // but the colour is remembered.
    vragen.antwoordGetal(0);
    vragen.antwoordKleur(*wxRED);
    vragen.antwoordTekst(std::nullopt);
    gebruik(rijk, V::ID_PLAATSTEKSTDOOS);
    EXPECT_TRUE(geefObjekten<wxRichTextBox>(rijk).empty());

    // The selected text moves into the box; a cancelled colour keeps the
    // one remembered.
    rijk.SetSelection(9, 13);
    vragen.antwoordGetal(8);
    vragen.antwoordKleur(std::nullopt);
    gebruik(rijk, V::ID_PLAATSTEKSTDOOS);
    EXPECT_EQ(vragen.geefVragen().back().kleur, *wxRED);
    std::vector<wxRichTextBox*> kaders = geefObjekten<wxRichTextBox>(rijk);
    ASSERT_EQ(kaders.size(), 1u);
    EXPECT_EQ(kaders[0]->GetText(), "door");
    const wxTextBoxAttr& kader = kaders[0]->GetAttributes().GetTextBoxAttr();
    EXPECT_EQ(kader.GetMargins().GetLeft().GetValue(), 8);
    EXPECT_EQ(wxColour(kader.GetBorder().GetTop().GetColour()), *wxRED);
    EXPECT_FALSE(rijk.GetValue().Contains("the door shut")) << "the selected text stayed";
    EXPECT_EQ(rijk.GetInsertionPoint(), rijk.GetLastPosition());
    EXPECT_TRUE(d().isGewijzigd());

    // A selected image is no text for a box: it stays, and stays selected.
    rijk.SetInsertionPoint(0);
    rijk.WriteImage(wxImage(20, 20));
    rijk.SetSelection(0, 1);
    vragen.antwoordGetal(4);
    vragen.antwoordKleur(*wxBLUE);
    gebruik(rijk, V::ID_PLAATSTEKSTDOOS);
    EXPECT_EQ(geefObjekten<wxRichTextImage>(rijk).size(), 1u);
    EXPECT_EQ(geefObjekten<wxRichTextBox>(rijk).size(), 1u);
    EXPECT_TRUE(rijk.HasSelection());
}

TEST_F(WerkbalkTest, MarkerSektieOmDeSelektieOfEenGetypteTekst)
{
    wxRichTextCtrl& rijk = beschrijvingRijk(toon(metBeschrijving("Alarm when open.")));
    neemFocusWegBijElkeVraag();
    rijk.SetSelection(11, 15);
    gebruik(rijk, V::ID_VOEGMARKERSEKTIETOE);
    rijk.SetInsertionPoint(0);
    vragen.antwoordTekst(std::nullopt);
    gebruik(rijk, V::ID_VOEGMARKERSEKTIETOE);
    vragen.antwoordTekst("Siren");
    gebruik(rijk, V::ID_VOEGMARKERSEKTIETOE);

    // The tags are objects of their own, around the text.
    EXPECT_EQ(rijk.GetValue(), "SirenAlarm when open.");
    const std::vector<wxRichTextField*> velden = geefObjekten<wxRichTextField>(rijk);
    ASSERT_EQ(velden.size(), 4u);
    const long begin[] = {0, 6, 18, 23};
    for (size_t i = 0; i < velden.size(); ++i)
    {
        EXPECT_EQ(velden[i]->GetFieldType(), i % 2 ? V::eindSektie : V::beginSektie) << i;
        EXPECT_EQ(velden[i]->GetRange().GetStart(), begin[i]) << i;
    }
    EXPECT_EQ(vragen.geefVragen().size(), 2u) << "a selection needs no question";
}
