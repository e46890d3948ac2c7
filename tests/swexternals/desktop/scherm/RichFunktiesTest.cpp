// Rich-text fields stored as text and loaded back, as a project keeps them:
// formatting and pictures survive, the stored form is the one project files
// already hold, and a field the user did not touch is stored as it came.
#include "swexternals/desktop/RichFunkties.h"

#include "tests/ondersteuning/LogVanger.h"
#include "tests/swexternals/desktop/DesktopHulp.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <wx/frame.h>
#include <wx/richtext/richtextctrl.h>
#include <wx/richtext/richtextxml.h>

namespace
{
// A window with one rich-text editor, as a dialog has its fields.
class Editor
{
public:
    Editor() : venster(new wxFrame(nullptr, wxID_ANY, "Rich")), control(new wxRichTextCtrl(venster, wxID_ANY)) {}
    ~Editor() { venster->Destroy(); }
    wxFrame* venster;
    wxRichTextCtrl* control;
};

// Bold text, the characters XML and printf care about, a second paragraph
// and a picture.
void vulOpgemaakt(wxRichTextCtrl& control)
{
    control.BeginBold();
    control.WriteText("Vet 100% <&> ");
    control.EndBold();
    control.WriteText(wxString::FromUTF8("caf\xc3\xa9"));
    control.Newline();
    control.WriteImage(maakBeeld(12, 8));
}

int aantalAfbeeldingen(wxRichTextCtrl& control)
{
    int aantal = 0;
    for (auto* p = control.GetBuffer().GetChildren().GetFirst(); p; p = p->GetNext())
        for (auto* deel = wxDynamicCast(p->GetData(), wxRichTextParagraph)->GetChildren().GetFirst(); deel;
             deel = deel->GetNext())
            aantal += wxDynamicCast(deel->GetData(), wxRichTextImage) ? 1 : 0;
    return aantal;
}

wxString bewaar(wxRichTextCtrl& control)
{
    wxString tekst;
    EXPECT_EQ(RichFunkties::bewaarTekst(tekst, &control), 0);
    return tekst;
}

bool isVet(wxRichTextCtrl& control, long positie)
{
    wxRichTextAttr opmaak;
    control.GetStyle(positie, opmaak);
    return opmaak.GetFontWeight() == wxFONTWEIGHT_BOLD;
}
} // namespace

TEST(RichTekst, OpmaakTekensEnAfbeeldingKomenTerugInDeVormVanHetDocument)
{
    // The toolkit has no XML handler of its own at start: the conversion
    // must see to it, or it would store plain text.
    wxRichTextBuffer::RemoveHandler("XML");
    Editor bron;
    vulOpgemaakt(*bron.control);
    const wxString opgeslagen = bewaar(*bron.control);
    EXPECT_TRUE(opgeslagen.StartsWith("<?xml")) << opgeslagen;

    // Exactly what the control writes as an XML file, plus the one "\n" that
    // reading it line by line adds: the form existing projects hold.
    const std::filesystem::path bestand = testMap() / "veld.xml";
    ASSERT_TRUE(bron.control->SaveFile(alsWx(bestand), wxRICHTEXT_TYPE_XML));
    EXPECT_EQ(opgeslagen, wxString::FromUTF8(leesTekst(bestand)) + "\n");
    EXPECT_TRUE(opgeslagen.EndsWith("</richtext>\n\n"));

    Editor doel;
    ASSERT_EQ(RichFunkties::laadTekst(opgeslagen, doel.control), 0);
    EXPECT_EQ(doel.control->GetValue(), bron.control->GetValue());
    EXPECT_TRUE(doel.control->GetValue().StartsWith(wxString::FromUTF8("Vet 100% <&> caf\xc3\xa9\n")));
    EXPECT_TRUE(isVet(*doel.control, 1));
    EXPECT_FALSE(isVet(*doel.control, 14));
    EXPECT_EQ(aantalAfbeeldingen(*doel.control), 1);
    EXPECT_FALSE(doel.control->IsModified());
    // Neither direction leaves files behind.
    std::filesystem::remove(bestand);
    EXPECT_TRUE(std::filesystem::is_empty(testMap()));
}

TEST(RichTekst, LegeVeldenEnLegeTekstenDoenNiets)
{
    Editor editor;
    wxString tekst = "blijft";
    EXPECT_EQ(RichFunkties::bewaarTekst(tekst, editor.control), 1);
    EXPECT_EQ(tekst, "blijft");

    editor.control->WriteText("Een regel");
    const wxString opgeslagen = bewaar(*editor.control);
    EXPECT_TRUE(opgeslagen.EndsWith("\n"));
    EXPECT_EQ(RichFunkties::laadTekst("", editor.control), 1);
    EXPECT_EQ(editor.control->GetValue(), "Een regel");

    EXPECT_EQ(RichFunkties::laadTekst(opgeslagen, nullptr), 2);
    EXPECT_EQ(RichFunkties::bewaarTekst(tekst, nullptr), 2);
}

TEST(RichTekst, TekstDieGeenDocumentIsWordtOnopgemaaktGetoondEnOnaangeroerdOngewijzigdBewaard)
{
    Editor bron;
    vulOpgemaakt(*bron.control);
    const wxString opgeslagen = bewaar(*bron.control);
    struct Geval
    {
        const char* naam;
        wxString tekst;
        wxString getoond;
    };
    const Geval gevallen[] = {
        {"a plain note typed elsewhere", "Gewoon een notitie\nmet twee regels", "Gewoon een notitie\nmet twee regels"},
        // A document cut short: the user sees what is there, and it stays so.
        {"a damaged document", opgeslagen.Left(opgeslagen.length() / 2), ""},
    };
    for (const Geval& geval : gevallen)
    {
        SCOPED_TRACE(geval.naam);
        Editor editor;
        editor.control->WriteText("oud");
        ASSERT_EQ(RichFunkties::laadTekst(geval.tekst, editor.control), 0);
        if (!geval.getoond.empty())
            EXPECT_EQ(editor.control->GetValue(), geval.getoond);
        else
            EXPECT_TRUE(editor.control->GetValue().StartsWith("<?xml"));
        EXPECT_FALSE(isVet(*editor.control, 1));
        // Not a fault the user can mend: nothing is reported.
        EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();

        // OK without an edit: the field keeps its stored text, byte for byte.
        EXPECT_EQ(bewaar(*editor.control), geval.tekst);

        // After an edit it is the user's text, stored as a document.
        editor.control->SetInsertionPointEnd();
        editor.control->WriteText("!");
        EXPECT_TRUE(editor.control->IsModified());
        const wxString nieuw = bewaar(*editor.control);
        EXPECT_TRUE(nieuw.StartsWith("<?xml"));
        EXPECT_NE(nieuw, geval.tekst);
    }
}

TEST(RichTekst, EenVeldDatDoorDeCodeWerdVervangenGeldtAlsGewijzigd)
{
    Editor editor;
    ASSERT_EQ(RichFunkties::laadTekst("Notitie", editor.control), 0);
    // Content set without the modified mark, as a program might.
    editor.control->SetValue("Iets anders");
    editor.control->DiscardEdits();
    const wxString opgeslagen = bewaar(*editor.control);
    EXPECT_NE(opgeslagen, "Notitie");
    Editor terug;
    ASSERT_EQ(RichFunkties::laadTekst(opgeslagen, terug.control), 0);
    EXPECT_EQ(terug.control->GetValue(), "Iets anders");
}
