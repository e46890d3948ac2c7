// Rich-text fields stored as text and loaded back, as a project keeps them:
// formatting and pictures survive, the stored form is the one project files
// already hold, and a field the user did not touch is stored as it came.
#include "swexternals/desktop/RichFunkties.h"

#include "tests/ondersteuning/LogVanger.h"
#include "tests/swexternals/desktop/DesktopHulp.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/richtext/richtextctrl.h>

namespace
{
// A window with one rich-text editor, as a dialog has its fields.
struct Editor
{
    Editor() : venster(new wxFrame(nullptr, wxID_ANY, "Rich")), control(new wxRichTextCtrl(venster, wxID_ANY)) {}
    ~Editor() { venster->Destroy(); }

    wxString bewaar()
    {
        wxString tekst;
        EXPECT_EQ(RichFunkties::bewaarTekst(tekst, control), 0);
        return tekst;
    }
    bool isVet(long positie)
    {
        wxRichTextAttr opmaak;
        control->GetStyle(positie, opmaak);
        return opmaak.GetFontWeight() == wxFONTWEIGHT_BOLD;
    }

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
} // namespace

TEST(RichTekst, OpmaakTekensEnAfbeeldingKomenTerugInDeVormVanHetDocument)
{
    // The toolkit has no XML handler of its own: the conversion must see to
    // it, or it would store plain text.
    wxRichTextBuffer::RemoveHandler("XML");
    Editor bron;
    vulOpgemaakt(*bron.control);
    const wxString opgeslagen = bron.bewaar();

    // Exactly what the control writes as an XML file, plus the one "\n" that
    // reading it line by line adds: the form existing projects hold.
    const std::filesystem::path bestand = testMap() / "veld.xml";
    ASSERT_TRUE(bron.control->SaveFile(alsWx(bestand), wxRICHTEXT_TYPE_XML));
    EXPECT_EQ(opgeslagen, wxString::FromUTF8(leesTekst(bestand)) + "\n");
    EXPECT_TRUE(opgeslagen.StartsWith("<?xml"));
    std::filesystem::remove(bestand);

    Editor doel;
    ASSERT_EQ(RichFunkties::laadTekst(opgeslagen, doel.control), 0);
    EXPECT_EQ(doel.control->GetValue(), bron.control->GetValue());
    EXPECT_TRUE(doel.control->GetValue().StartsWith(wxString::FromUTF8("Vet 100% <&> caf\xc3\xa9\n")));
    EXPECT_TRUE(doel.isVet(1));
    EXPECT_FALSE(doel.isVet(14));
    EXPECT_NE(doel.bewaar().Find("<image"), wxNOT_FOUND);
    // Neither direction leaves files behind.
    EXPECT_TRUE(std::filesystem::is_empty(testMap()));

    // Nothing to store, nothing to load, no control: the text and the
    // field stay as they were.
    Editor leeg;
    wxString tekst = "blijft";
    EXPECT_EQ(RichFunkties::bewaarTekst(tekst, leeg.control), 1);
    EXPECT_EQ(tekst, "blijft");
    EXPECT_EQ(RichFunkties::laadTekst("", doel.control), 1);
    EXPECT_EQ(doel.control->GetValue(), bron.control->GetValue());
    EXPECT_EQ(RichFunkties::laadTekst(opgeslagen, nullptr), 2);
    EXPECT_EQ(RichFunkties::bewaarTekst(tekst, nullptr), 2);
}

TEST(RichTekst, EenOnaangeroerdVeldHoudtZijnOpgeslagenTekst)
{
    Editor bron;
    vulOpgemaakt(*bron.control);
    const wxString document = bron.bewaar();
    const struct
    {
        const char* naam;
        wxString tekst;
    } gevallen[] = {
        {"a document", document},
        {"a plain note typed elsewhere", "Gewoon een notitie\nmet twee regels"},
        // Cut short: the user sees what is there, and it stays so.
        {"a damaged document", document.Left(document.length() / 2)},
    };
    for (const auto& geval : gevallen)
    {
        SCOPED_TRACE(geval.naam);
        Editor editor;
        editor.control->WriteText("oud");
        ASSERT_EQ(RichFunkties::laadTekst(geval.tekst, editor.control), 0);
        EXPECT_FALSE(editor.control->GetValue().StartsWith("oud"));
        // Not a fault the user can mend: nothing is reported.
        EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();

        // OK without an edit: the field keeps its stored text, byte for byte.
        EXPECT_EQ(editor.bewaar(), geval.tekst);
        // After an edit it is the user's text, stored as a document.
        editor.control->SetInsertionPointEnd();
        editor.control->WriteText("!");
        const wxString nieuw = editor.bewaar();
        EXPECT_TRUE(nieuw.StartsWith("<?xml"));
        EXPECT_NE(nieuw, geval.tekst);
    }

    // Content replaced by a program without the modified mark counts too.
    Editor editor;
    ASSERT_EQ(RichFunkties::laadTekst("Notitie", editor.control), 0);
    editor.control->SetValue("Iets anders");
    editor.control->DiscardEdits();
    Editor terug;
    ASSERT_EQ(RichFunkties::laadTekst(editor.bewaar(), terug.control), 0);
    EXPECT_EQ(terug.control->GetValue(), "Iets anders");
}
