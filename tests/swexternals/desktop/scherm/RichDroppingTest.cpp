// What lands in a rich-text field when text, files or pictures are dropped
// on it. The data is put into the target as the toolkit would hand it over,
// then the target is told that it has come (OnData); the real drag with the
// mouse is in RichSleepTest.
#include "swexternals/desktop/RichTextCtrlBestandDropTarget.h"
#include "swexternals/desktop/RichTextCtrlTekstDropTarget.h"
#include "swexternals/desktop/TrivaneRichDropping.h"
#include "tests/ondersteuning/LogVanger.h"
#include "tests/ondersteuning/VraagBeantwoorder.h"
#include "tests/swexternals/desktop/DesktopHulp.h"

#include <fstream>
#include <gtest/gtest.h>
#include <vector>
#include <wx/dataobj.h>
#include <wx/filename.h>
#include <wx/frame.h>
#include <wx/richtext/richtextctrl.h>
#include <wx/richtext/richtextxml.h>

namespace
{
const wxSize doos(100, 100);

// The target as the toolkit drives it: the data is there when OnData asks.
class ProefDropping : public TrivaneRichDropping
{
public:
    using TrivaneRichDropping::TrivaneRichDropping;
    bool GetData() override { return gekomen; }
    bool gekomen = true;
};

class Veld
{
public:
    Veld() : venster(new wxFrame(nullptr, wxID_ANY, "Drop")), control(new wxRichTextCtrl(venster, wxID_ANY))
    {
        doel = new ProefDropping(control, doos);
        control->SetDropTarget(doel);
    }
    ~Veld() { venster->Destroy(); }

    // Hands the data over in the form the source offers it, as a drag does.
    wxDragResult drop(const wxDataObjectSimple& bron, wxCoord x = 5, wxCoord y = 5)
    {
        std::vector<char> bytes(bron.GetDataSize() + 1);
        if (!bron.GetDataHere(bytes.data()) ||
            !doel->GetDataObject()->SetData(bron.GetFormat(), bron.GetDataSize(), bytes.data()))
        {
            ADD_FAILURE() << "the target does not take " << bron.GetFormat().GetId().utf8_str();
            return wxDragError;
        }
        if (!doel->OnDrop(x, y))
            return wxDragNone;
        return doel->OnData(x, y, wxDragCopy);
    }
    wxDragResult dropBestanden(const std::vector<wxFileName>& namen)
    {
        wxFileDataObject bestanden;
        for (const wxFileName& naam : namen)
            bestanden.AddFile(naam.GetFullPath());
        return drop(bestanden);
    }

    wxFrame* venster;
    wxRichTextCtrl* control;
    ProefDropping* doel;
};

struct Afbeelding
{
    wxSize grootte;
    wxBitmapType type;
};

std::vector<Afbeelding> afbeeldingen(wxRichTextCtrl& control)
{
    std::vector<Afbeelding> gevonden;
    for (auto* p = control.GetBuffer().GetChildren().GetFirst(); p; p = p->GetNext())
        for (auto* deel = wxDynamicCast(p->GetData(), wxRichTextParagraph)->GetChildren().GetFirst(); deel;
             deel = deel->GetNext())
            if (auto* afbeelding = wxDynamicCast(deel->GetData(), wxRichTextImage))
            {
                wxImage beeld;
                afbeelding->GetImageBlock().Load(beeld);
                gevonden.push_back({beeld.GetSize(), afbeelding->GetImageBlock().GetImageType()});
            }
    return gevonden;
}

wxFileName schrijf(const wxString& naam, const std::string& bytes)
{
    const wxFileName bestand(alsWx(testMap()), naam);
    std::ofstream(bestand.GetFullPath().fn_str(), std::ios::binary) << bytes;
    return bestand;
}

wxFileName bewaarBeeld(const wxString& naam, int breedte, int hoogte, wxBitmapType type)
{
    const wxFileName bestand(alsWx(testMap()), naam);
    EXPECT_TRUE(maakBeeld(breedte, hoogte, type).SaveFile(bestand.GetFullPath(), type));
    return bestand;
}

const char* const afTeWijzen = "Only image files (png,jpeg) or text files are supported.";
} // namespace

TEST(RichDropping, TekstKomtAchterDeInhoudWaarHijOokValt)
{
    Veld veld;
    veld.control->WriteText("Begin.");
    veld.control->SetInsertionPoint(0);
    veld.control->DiscardEdits();
    EXPECT_EQ(veld.drop(wxTextDataObject(wxString::FromUTF8(" Erbij: caf\xc3\xa9")), 1, 1), wxDragMove);
    EXPECT_EQ(veld.control->GetValue(), wxString::FromUTF8("Begin. Erbij: caf\xc3\xa9"));
    EXPECT_TRUE(veld.control->IsModified());
    EXPECT_EQ(veld.doel->geefDropInfo().x, 1);
    EXPECT_FALSE(veld.doel->geefDropInfo().kopie);

    // Data that never came is no drop at all.
    veld.doel->gekomen = false;
    EXPECT_EQ(veld.doel->OnData(1, 1, wxDragCopy), wxDragError);
}

TEST(RichDropping, TekstBestandVervangtDeInhoudNaEenVraag)
{
    const wxFileName notitie = schrijf("notitie.txt", "Eerste regel\r\nTweede r\xc3\xa9gel");
    const wxString inhoud = wxString::FromUTF8("Eerste regel\nTweede r\xc3\xa9gel");
    Veld veld;
    VraagBeantwoorder vragen;
    // An empty field takes it without asking.
    EXPECT_EQ(veld.dropBestanden({notitie}), wxDragMove);
    EXPECT_EQ(veld.control->GetValue(), inhoud);
    EXPECT_TRUE(vragen.geefGesteld().empty());

    veld.control->SetValue("Al iets");
    vragen.antwoord(wxNO);
    EXPECT_EQ(veld.dropBestanden({notitie}), wxDragMove);
    EXPECT_EQ(veld.control->GetValue(), "Al iets");
    EXPECT_TRUE(vragen.isGevraagd("The text entry field is not empty. The current content will be erased by the "
                                  "dropped file.\nDo you want to continue?"));
    vragen.antwoord(wxYES);
    EXPECT_EQ(veld.dropBestanden({notitie}), wxDragMove);
    EXPECT_EQ(veld.control->GetValue(), inhoud);
    EXPECT_EQ(vragen.geefOnbeantwoord(), 0u);
}

TEST(RichDropping, AfbeeldingenPassenNaToestemmingInDeDoosMetBehoudVanVerhouding)
{
    struct Geval
    {
        wxSize origineel;
        int antwoord; // 0: no question
        wxSize ingevoegd;
    };
    const Geval gevallen[] = {
        {{300, 50}, wxYES, {100, 16}}, {{400, 200}, wxYES, {100, 50}}, {{80, 300}, wxYES, {26, 100}},
        {{300, 50}, wxNO, {300, 50}},  {{100, 100}, 0, {100, 100}},    {{2000, 1}, wxYES, {100, 1}},
    };
    for (const Geval& geval : gevallen)
    {
        SCOPED_TRACE(testing::Message() << geval.origineel.x << "x" << geval.origineel.y << " answered "
                                        << geval.antwoord);
        const wxImage beeld = maakBeeld(geval.origineel.x, geval.origineel.y);
        const wxFileName bestand = bewaarBeeld("foto.jpg", geval.origineel.x, geval.origineel.y, wxBITMAP_TYPE_JPEG);
        // As a bitmap (kept as PNG) and as a file (a JPEG stays a JPEG).
        for (const bool alsBestand : {false, true})
        {
            Veld veld;
            VraagBeantwoorder vragen;
            if (geval.antwoord)
                vragen.antwoord(geval.antwoord);
            const wxDragResult resultaat =
                alsBestand ? veld.dropBestanden({bestand}) : veld.drop(wxBitmapDataObject(wxBitmap(beeld)));
            EXPECT_EQ(resultaat, wxDragMove);
            const auto gevonden = afbeeldingen(*veld.control);
            ASSERT_EQ(gevonden.size(), 1u);
            EXPECT_EQ(gevonden[0].grootte, geval.ingevoegd);
            EXPECT_EQ(gevonden[0].type, alsBestand ? wxBITMAP_TYPE_JPEG : wxBITMAP_TYPE_PNG);
            EXPECT_EQ(vragen.geefGesteld().size(), geval.antwoord ? 1u : 0u);
            if (geval.antwoord)
            {
                EXPECT_TRUE(vragen.isGevraagd("Your image exceeds this size: 100x100 pixels.\nIt is recommended to "
                                              "scale the image to this size. Do you want to do this?"));
            }
            EXPECT_TRUE(veld.control->IsModified());
        }
    }
}

TEST(RichDropping, BestandenDieGeenTekstOfAfbeeldingZijnWordenGeweigerd)
{
    std::string groot(RichDropVerwerker::maxTekstBestandBytes + 1, 'a');
    struct Geval
    {
        const char* naam;
        wxFileName bestand;
        const char* reden;
    };
    const Geval gevallen[] = {
        {"a video",
         schrijf("film.mp4", std::string("\0\0\0\x18"
                                         "ftypmp42\0\0\0\0isommp42",
                                         24)),
         afTeWijzen},
        {"a program",
         schrijf("programma", "\x7f"
                              "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0"),
         afTeWijzen},
        {"a text file too large for a field", schrijf("groot.txt", groot),
         "Text files larger than 1024 kB are not supported."},
    };
    for (const Geval& geval : gevallen)
    {
        SCOPED_TRACE(geval.naam);
        logVanger().wis();
        Veld veld;
        veld.control->SetValue("Blijft");
        veld.control->DiscardEdits();
        EXPECT_EQ(veld.dropBestanden({geval.bestand}), wxDragNone);
        EXPECT_EQ(veld.control->GetValue(), "Blijft");
        EXPECT_FALSE(veld.control->IsModified());
        EXPECT_TRUE(logVanger().bevat("The dropping of the file \"" + geval.bestand.GetFullPath() +
                                          "\" could not be processed by the dialog window.\n" + geval.reden,
                                      wxLOG_Error))
            << logVanger().geefAlles();
    }
}

TEST(RichDropping, MeerdereBestandenOpVolgordeEnEenLegeLijst)
{
    const wxFileName eerste = bewaarBeeld("een.png", 20, 10, wxBITMAP_TYPE_PNG);
    const wxFileName tweede = bewaarBeeld("twee.jpg", 30, 15, wxBITMAP_TYPE_JPEG);
    const wxFileName tekst = schrijf("tekst.txt", "Tekst");
    Veld veld;
    VraagBeantwoorder vragen;
    // The pictures make the field non-empty: the text file asks.
    vragen.antwoord(wxNO);
    EXPECT_EQ(veld.dropBestanden({eerste, tweede, tekst}), wxDragMove);
    const auto gevonden = afbeeldingen(*veld.control);
    ASSERT_EQ(gevonden.size(), 2u);
    EXPECT_EQ(gevonden[0].grootte, wxSize(20, 10));
    EXPECT_EQ(gevonden[1].grootte, wxSize(30, 15));
    EXPECT_EQ(vragen.geefOnbeantwoord(), 0u);

    // A file that cannot be read spoils the result but not the others.
    EXPECT_FALSE(veld.doel->OnDropFiles(0, 0, wxArrayString(1, "/bestaat/niet.png")));
    EXPECT_TRUE(veld.doel->OnDropFiles(0, 0, wxArrayString()));
    EXPECT_EQ(afbeeldingen(*veld.control).size(), 2u);
}

TEST(RichDropping, EenVeldDatNietBewerkbaarIsNeemtNiets)
{
    const wxFileName beeld = bewaarBeeld("een.png", 20, 10, wxBITMAP_TYPE_PNG);
    const wxFileName tekst = schrijf("tekst.txt", "Tekst");
    Veld veld;
    veld.control->SetValue("Vast");
    veld.control->SetEditable(false);
    veld.control->DiscardEdits();
    EXPECT_FALSE(veld.doel->OnDrop(5, 5));
    EXPECT_EQ(veld.doel->OnData(5, 5, wxDragCopy), wxDragNone);
    EXPECT_FALSE(veld.doel->OnDropText(5, 5, "erbij"));
    EXPECT_FALSE(veld.doel->OnDropBitmap(5, 5, wxBitmap(maakBeeld(5, 5))));
    wxArrayString namen;
    namen.Add(beeld.GetFullPath());
    namen.Add(tekst.GetFullPath());
    EXPECT_FALSE(veld.doel->OnDropFiles(5, 5, namen));
    EXPECT_EQ(veld.control->GetValue(), "Vast");
    EXPECT_TRUE(afbeeldingen(*veld.control).empty());
    EXPECT_FALSE(veld.control->IsModified());

    RichTextCtrlTekstDropTarget alleenTekst(veld.control);
    EXPECT_FALSE(alleenTekst.OnDropText(5, 5, "erbij"));
    RichTextCtrlBestandDropTarget alleenBestanden(veld.control, doos);
    EXPECT_FALSE(alleenBestanden.OnDropFiles(5, 5, namen));
    EXPECT_EQ(veld.control->GetValue(), "Vast");
}

TEST(RichDropping, DeEenvoudigeDoelenVoorTekstEnVoorBestanden)
{
    Veld veld;
    VraagBeantwoorder vragen;
    RichTextCtrlTekstDropTarget alleenTekst(veld.control);
    EXPECT_TRUE(alleenTekst.OnDropText(5, 5, "Een"));
    EXPECT_TRUE(alleenTekst.OnDropText(5, 5, " twee"));
    EXPECT_EQ(veld.control->GetValue(), "Een twee");

    // The file target loads by the file's extension: a rich-text document
    // keeps its formatting.
    if (!wxRichTextBuffer::FindHandler(wxRICHTEXT_TYPE_XML))
        wxRichTextBuffer::AddHandler(new wxRichTextXMLHandler);
    wxRichTextCtrl* bron = new wxRichTextCtrl(veld.venster, wxID_ANY);
    bron->BeginBold();
    bron->WriteText("Vet");
    bron->EndBold();
    const wxFileName document(alsWx(testMap()), "document.xml");
    ASSERT_TRUE(bron->SaveFile(document.GetFullPath(), wxRICHTEXT_TYPE_XML));
    RichTextCtrlBestandDropTarget alleenBestanden(veld.control, doos);
    vragen.antwoord(wxYES);
    vragen.antwoord(wxYES);
    wxArrayString namen;
    namen.Add(document.GetFullPath());
    namen.Add(bewaarBeeld("groot.png", 400, 200, wxBITMAP_TYPE_PNG).GetFullPath());
    EXPECT_TRUE(alleenBestanden.OnDropFiles(5, 5, namen));
    EXPECT_TRUE(veld.control->GetValue().StartsWith("Vet"));
    wxRichTextAttr opmaak;
    veld.control->GetStyle(1, opmaak);
    EXPECT_EQ(opmaak.GetFontWeight(), wxFONTWEIGHT_BOLD);
    const auto gevonden = afbeeldingen(*veld.control);
    ASSERT_EQ(gevonden.size(), 1u);
    EXPECT_EQ(gevonden[0].grootte, wxSize(100, 50));
    EXPECT_TRUE(veld.control->IsModified());
}
