// The formatting tools of the properties dialog: each acts on the editor
// with the focus, as its update pass found it; questions are answered while
// the focus is elsewhere, as it is while a real dialog is up, and the
// change still lands in the editor the tool began with.
#include "tests/ondersteuning/DialoogBeantwoorder.h"
#include "tests/ondersteuning/GuiHulp.h"
#include "tests/toepassing/eigenschappen/werkbalk/WerkbalkHulp.h"

#include <wx/frame.h>
#include <wx/richtext/richtextformatdlg.h>

using V = RekEigenschappenVenster;

namespace
{
const int opmaak[] = {V::ID_LINKSUITLIJNING,  V::ID_VOEGINMEER,      V::ID_GENUMMERDELIJST,    wxID_BOLD,
                      V::ID_TEKSTKLEUR,       V::ID_ZETFONT,         V::ID_VOEGTOESYMBOOL,     V::ID_VOEGINURL,
                      V::ID_VOEGINAFBEELDING, V::ID_PLAATSTEKSTDOOS, V::ID_VOEGMARKERSEKTIETOE};
const int metSelektie[] = {V::ID_STREEPDOOR, V::ID_SUPERSCRIPT, V::ID_SUBSCRIPT, V::ID_VERGROOTFONT,
                           V::ID_VERKLEINFONT};
const int invoer[] = {V::ID_VERSIEDATUMSTEMPEL, V::ID_DATUMTIJDSTEMPEL, V::ID_VOERSTDGEENIMPLANTWOORDUIT, wxID_OPEN};
const int uitvoer[] = {wxID_SAVEAS, wxID_PRINT};
} // namespace

TEST_F(WerkbalkTest, WerktuigenVolgenHetVeldMetDeFocus)
{
    Requirement rek = inOntwikkeling();
    rek.kommentaar = "Checked.";
    toon(rek);
    struct Geval
    {
        wxWindow* focus;
        bool opmaak, metSelektie, invoer, uitvoer;
    };
    // The description empty, then with a selection; the remarks are stored
    // plain, so no formatting there; the implementation is read-only at this
    // level; the title is no rich text.
    const Geval gevallen[] = {{&beschrijvingRijk(d()), true, false, true, false},
                              {&beschrijvingRijk(d()), true, true, true, true},
                              {&kommentaarRijk(d()), false, false, true, true},
                              {&implementatieRijk(d()), false, false, false, true},
                              {&naamTekst(d()), false, false, false, false}};
    bool eerste = true;
    for (const Geval& geval : gevallen)
    {
        auto* rijk = dynamic_cast<wxRichTextCtrl*>(geval.focus);
        if (rijk && !eerste)
        {
            if (rijk == &beschrijvingRijk(d()))
                rijk->SetValue("Opens.");
            rijk->SetSelection(0, 3);
        }
        eerste = false;
        geefFocus(*geval.focus);
        const auto controleer = [&](const auto& ids, bool aan)
        {
            for (int id : ids)
                EXPECT_EQ(isAan(id), aan) << geval.focus->GetLabel() << ", tool " << id;
        };
        controleer(opmaak, geval.opmaak);
        controleer(metSelektie, geval.metSelektie);
        controleer(invoer, geval.invoer);
        controleer(uitvoer, geval.uitvoer);
    }
}

TEST_F(WerkbalkTest, InspringenVeranderdAlleenDeInspringing)
{
    Requirement rek = inOntwikkeling();
    rek.beschrijving = alsRijk("Alpha beta\nGamma");
    wxRichTextCtrl& rijk = beschrijvingRijk(toon(rek));
    wxRichTextAttr vet;
    vet.SetFontWeight(wxFONTWEIGHT_BOLD);
    rijk.SetStyle(wxRichTextRange(6, 10), vet);
    wxRichTextAttr ingesprongen;
    ingesprongen.SetLeftIndent(100, 10);
    rijk.SetStyle(wxRichTextRange(0, 1), ingesprongen);
    vulOpnieuw();

    // The caret in "Alpha", which is not bold: "beta" stays bold.
    rijk.SetInsertionPoint(2);
    const int stappen[][2] = {{V::ID_VOEGINMINDER, 64},
                              {V::ID_VOEGINMINDER, 28},
                              {V::ID_VOEGINMINDER, 0},
                              {V::ID_VOEGINMINDER, 0},
                              {V::ID_VOEGINMEER, 36}};
    for (const auto& [id, inspringing] : stappen)
    {
        gebruik(rijk, id);
        EXPECT_EQ(alineaStijlOp(rijk, 2).GetLeftIndent(), inspringing) << id;
        EXPECT_EQ(alineaStijlOp(rijk, 2).GetLeftSubIndent(), 0);
        EXPECT_EQ(stijlOp(rijk, 7).GetFontWeight(), wxFONTWEIGHT_BOLD);
        EXPECT_NE(stijlOp(rijk, 2).GetFontWeight(), wxFONTWEIGHT_BOLD);
    }
    EXPECT_EQ(alineaStijlOp(rijk, 12).GetLeftIndent(), 0) << "the next paragraph moved";
    EXPECT_TRUE(d().isGewijzigd());

    // A list item moves a level instead, numbered anew.
    rijk.SetInsertionPoint(12);
    gebruik(rijk, V::ID_GENUMMERDELIJST);
    EXPECT_EQ(alineaStijlOp(rijk, 12).GetLeftIndent(), 36);
    gebruik(rijk, V::ID_VOEGINMEER);
    EXPECT_EQ(alineaStijlOp(rijk, 12).GetLeftIndent(), 72);
    EXPECT_EQ(alineaStijlOp(rijk, 12).GetBulletStyle() & wxTEXT_ATTR_BULLET_STYLE_LETTERS_LOWER,
              wxTEXT_ATTR_BULLET_STYLE_LETTERS_LOWER);
    gebruik(rijk, V::ID_VOEGINMINDER);
    EXPECT_EQ(alineaStijlOp(rijk, 12).GetLeftIndent(), 36);

    for (const auto& [id, uitlijning] : {std::pair{V::ID_MIDDENUITLIJNING, wxTEXT_ALIGNMENT_CENTRE},
                                         std::pair{V::ID_RECHTSUITLIJNING, wxTEXT_ALIGNMENT_RIGHT},
                                         std::pair{V::ID_LINKSUITLIJNING, wxTEXT_ALIGNMENT_LEFT}})
    {
        gebruik(rijk, id);
        EXPECT_EQ(alineaStijlOp(rijk, 12).GetAlignment(), uitlijning);
        EXPECT_EQ(alineaStijlOp(rijk, 2).GetAlignment(), wxTEXT_ALIGNMENT_DEFAULT) << "the first paragraph moved";
    }
}

TEST_F(WerkbalkTest, LijstenOpDeAlineaVanDeCursor)
{
    Requirement rek = inOntwikkeling();
    rek.beschrijving = alsRijk("One\nTwo\nThree");
    wxRichTextCtrl& rijk = beschrijvingRijk(toon(rek));
    const auto alineas = [&] { return rijk.GetBuffer().GetChildCount(); };
    const size_t aantal = alineas();

    // Without a selection: the caret's paragraph, nothing appended.
    rijk.SetInsertionPoint(5);
    gebruik(rijk, V::ID_GENUMMERDELIJST);
    EXPECT_EQ(alineaStijlOp(rijk, 5).GetListStyleName(), V::nummerlijst);
    EXPECT_EQ(alineaStijlOp(rijk, 1).GetListStyleName(), "");
    EXPECT_EQ(alineaStijlOp(rijk, 9).GetListStyleName(), "");
    EXPECT_EQ(alineas(), aantal);
    EXPECT_EQ(rijk.GetValue(), "One\nTwo\nThree");
    EXPECT_TRUE(d().isGewijzigd());
    // The other kind of list takes the list away; it does not convert it.
    gebruik(rijk, V::ID_KOGELLIJST);
    EXPECT_EQ(alineaStijlOp(rijk, 5).GetBulletStyle(), wxTEXT_ATTR_BULLET_STYLE_NONE);

    // With a selection: every paragraph in it.
    rijk.SetSelection(0, 13);
    gebruik(rijk, V::ID_KOGELLIJST);
    for (long positie : {1, 5, 9})
    {
        EXPECT_EQ(alineaStijlOp(rijk, positie).GetListStyleName(), V::kogellijst) << positie;
        EXPECT_EQ(alineaStijlOp(rijk, positie).GetBulletName(), "standard/square");
    }
    EXPECT_EQ(alineas(), aantal);
}

TEST_F(WerkbalkTest, TekenOpmaakOpDeSelektieOfVoorDeVolgendeTekst)
{
    Requirement rek = inOntwikkeling();
    rek.beschrijving = alsRijk("Reports an open door.");
    wxRichTextCtrl& rijk = beschrijvingRijk(toon(rek));
    struct Geval
    {
        int id;
        std::function<bool(const wxRichTextAttr&)> heeft;
        bool zonderSelektie;
    };
    const auto effekt = [](int vlag)
    { return [vlag](const wxRichTextAttr& s) { return (s.GetTextEffects() & vlag); }; };
    const Geval gevallen[] = {
        {wxID_BOLD, [](const wxRichTextAttr& s) { return s.GetFontWeight() == wxFONTWEIGHT_BOLD; }, true},
        {wxID_ITALIC, [](const wxRichTextAttr& s) { return s.GetFontStyle() == wxFONTSTYLE_ITALIC; }, true},
        {wxID_UNDERLINE, [](const wxRichTextAttr& s) { return s.GetFontUnderlined(); }, true},
        {V::ID_STREEPDOOR, effekt(wxTEXT_ATTR_EFFECT_STRIKETHROUGH), false},
        {V::ID_SUPERSCRIPT, effekt(wxTEXT_ATTR_EFFECT_SUPERSCRIPT), false},
        {V::ID_SUBSCRIPT, effekt(wxTEXT_ATTR_EFFECT_SUBSCRIPT), false}};
    for (const Geval& geval : gevallen)
    {
        // Without a selection the text typed next; no change yet.
        vulOpnieuw();
        rijk.SelectNone();
        rijk.SetInsertionPoint(3);
        geefFocus(rijk);
        ASSERT_EQ(isAan(geval.id), geval.zonderSelektie) << geval.id;
        if (geval.zonderSelektie)
        {
            klikWerktuig(geval.id);
            EXPECT_TRUE(geval.heeft(rijk.GetDefaultStyleEx())) << geval.id;
            EXPECT_FALSE(d().isGewijzigd()) << geval.id;
            verwerkGebeurtenissen();
            EXPECT_TRUE(werkBalk(d()).GetToolState(geval.id)) << geval.id;
            klikWerktuig(geval.id);
            verwerkGebeurtenissen();
            EXPECT_FALSE(werkBalk(d()).GetToolState(geval.id)) << geval.id;
        }
        vulOpnieuw();
        rijk.SetSelection(10, 14);
        gebruik(rijk, geval.id);
        EXPECT_TRUE(geval.heeft(stijlOp(rijk, 11))) << geval.id;
        EXPECT_FALSE(geval.heeft(stijlOp(rijk, 5))) << geval.id;
        EXPECT_TRUE(d().isGewijzigd()) << geval.id;
    }
    // What the dialog hands back keeps it.
    rijk.SelectNone();
    wxFrame houder(nullptr, wxID_ANY, "houder");
    auto* terug = new wxRichTextCtrl(&houder, wxID_ANY);
    ASSERT_EQ(RekEigenschappenVenster::laadTekst(d().leesVelden().beschrijving, terug), 0);
    EXPECT_EQ(stijlOp(*terug, 11).GetFontWeight(), wxFONTWEIGHT_BOLD);
    EXPECT_TRUE(stijlOp(*terug, 11).GetTextEffects() & wxTEXT_ATTR_EFFECT_SUBSCRIPT);
}

TEST_F(WerkbalkTest, KleurenInHetVeldDatDeFocusHad)
{
    Requirement rek = inOntwikkeling();
    rek.beschrijving = alsRijk("Reports an open door.");
    wxRichTextCtrl& rijk = beschrijvingRijk(toon(rek));
    neemFocusWegBijElkeVraag();
    for (const bool achtergrond : {false, true})
    {
        SCOPED_TRACE(achtergrond ? "background" : "text");
        const int id = achtergrond ? V::ID_ACHTERGRONDKLEUR : V::ID_TEKSTKLEUR;
        const auto kleurOp = [&](long positie)
        { return achtergrond ? stijlOp(rijk, positie).GetBackgroundColour() : stijlOp(rijk, positie).GetTextColour(); };
        vulOpnieuw();
        rijk.SetSelection(10, 14);
        vragen.antwoordKleur(std::nullopt);
        gebruik(rijk, id);
        EXPECT_NE(kleurOp(11), *wxRED);
        EXPECT_FALSE(d().isGewijzigd());
        EXPECT_TRUE(wachtOp([&] { return rijk.HasFocus(); })) << "the focus did not come back";

        vragen.antwoordKleur(*wxRED);
        gebruik(rijk, id);
        EXPECT_FALSE(vragen.geefVragen().back().kleur.IsOk()) << "a selection opens on no colour";
        EXPECT_EQ(kleurOp(11), *wxRED);
        EXPECT_NE(kleurOp(5), *wxRED);
        EXPECT_FALSE(rijk.HasSelection());
        EXPECT_TRUE(d().isGewijzigd());

        // Without a selection: the text typed next, from its colour now.
        vulOpnieuw();
        vragen.antwoordKleur(*wxGREEN);
        gebruik(rijk, id);
        vragen.antwoordKleur(*wxBLUE);
        gebruik(rijk, id);
        EXPECT_EQ(vragen.geefVragen().back().kleur, *wxGREEN);
        const wxRichTextAttr volgende = rijk.GetDefaultStyleEx();
        EXPECT_EQ(achtergrond ? volgende.GetBackgroundColour() : volgende.GetTextColour(), *wxBLUE);
        EXPECT_FALSE(d().isGewijzigd());
    }
}

TEST_F(WerkbalkTest, FontVanDeSelektieOfVoorDeVolgendeTekst)
{
    Requirement rek = inOntwikkeling();
    rek.beschrijving = alsRijk("Reports an open door.");
    wxRichTextCtrl& rijk = beschrijvingRijk(toon(rek));
    neemFocusWegBijElkeVraag();

    // A selection: the formatting dialog with its font page only.
    rijk.SetSelection(10, 14);
    dialoogBeantwoorder().verwacht(
        [this](wxDialog& dialoog)
        {
            neemFocusWeg();
            auto& opmaak = dynamic_cast<wxRichTextFormattingDialog&>(dialoog);
            EXPECT_EQ(opmaak.GetTitle(), "Formatting");
            EXPECT_NE(opmaak.GetOptions() & wxRichTextFormattingDialog::Option_AllowPixelFontSize, 0);
            opmaak.GetAttributes().SetFontPointSize(19);
            return wxID_OK;
        });
    gebruik(rijk, V::ID_ZETFONT);
    EXPECT_EQ(stijlOp(rijk, 11).GetFontSize(), 19);
    EXPECT_NE(stijlOp(rijk, 5).GetFontSize(), 19);
    EXPECT_TRUE(d().isGewijzigd());

    // Without one: the system's font dialog, from the editor's font.
    vulOpnieuw();
    rijk.SetInsertionPoint(2);
    const wxFont gekozen(wxFontInfo(23).FaceName("DejaVu Serif").Bold());
    vragen.antwoordFont(gekozen);
    gebruik(rijk, V::ID_ZETFONT);
    EXPECT_EQ(vragen.geefVragen().back().font.GetFaceName(), rijk.GetFont().GetFaceName());
    const wxRichTextAttr volgende = rijk.GetDefaultStyleEx();
    EXPECT_EQ(volgende.GetFontSize(), 23);
    EXPECT_EQ(volgende.GetFontFaceName(), "DejaVu Serif");
    EXPECT_EQ(volgende.GetFontWeight(), wxFONTWEIGHT_BOLD);
    EXPECT_FALSE(d().isGewijzigd());
}

TEST_F(WerkbalkTest, GrootteStaptEenPuntMetZevenAlsBodem)
{
    Requirement rek = inOntwikkeling();
    rek.beschrijving = alsRijk("Reports an open door.");
    wxRichTextCtrl& rijk = beschrijvingRijk(toon(rek));
    wxRichTextAttr acht;
    acht.SetFontPointSize(8);
    rijk.SetStyle(wxRichTextRange(0, 21), acht);
    for (const int grootte : {7, 7})
    {
        rijk.SetSelection(0, 7);
        gebruik(rijk, V::ID_VERKLEINFONT);
        EXPECT_EQ(stijlOp(rijk, 3).GetFontSize(), grootte);
    }
    // Of mixed sizes, one size.
    rijk.SetSelection(0, 13);
    gebruik(rijk, V::ID_VERGROOTFONT);
    EXPECT_EQ(stijlOp(rijk, 3).GetFontSize(), stijlOp(rijk, 11).GetFontSize());
    EXPECT_GT(stijlOp(rijk, 3).GetFontSize(), 7);
    EXPECT_EQ(stijlOp(rijk, 16).GetFontSize(), 8);
}
