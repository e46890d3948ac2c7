// What lands in a rich-text field when text, files or pictures are dropped
// on it. The data is put into the target as the toolkit hands it over, then
// the target is told that it has come (OnData); the real drag with the mouse
// is in RichSleepTest.
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

struct Veld
{
    Veld() : venster(new wxFrame(nullptr, wxID_ANY, "Drop")), control(new wxRichTextCtrl(venster, wxID_ANY))
    {
        control->SetDropTarget(doel = new ProefDropping(control, doos));
    }
    ~Veld() { venster->Destroy(); }

    // Hands the data over in the form the source offers it, as a drag does.
    wxDragResult drop(const wxDataObjectSimple& bron)
    {
        std::vector<char> bytes(bron.GetDataSize() + 1);
        EXPECT_TRUE(bron.GetDataHere(bytes.data()) &&
                    doel->GetDataObject()->SetData(bron.GetFormat(), bron.GetDataSize(), bytes.data()));
        return doel->OnDrop(3, 4) ? doel->OnData(3, 4, wxDragCopy) : wxDragNone;
    }
    wxDragResult drop(const std::vector<wxFileName>& namen)
    {
        wxFileDataObject bestanden;
        for (const wxFileName& naam : namen)
            bestanden.AddFile(naam.GetFullPath());
        return drop(bestanden);
    }
    // The size and format of each picture in the field, in order.
    std::vector<std::pair<wxSize, wxBitmapType>> afbeeldingen() const
    {
        std::vector<std::pair<wxSize, wxBitmapType>> gevonden;
        for (auto* p = control->GetBuffer().GetChildren().GetFirst(); p; p = p->GetNext())
            for (auto* deel = static_cast<wxRichTextParagraph*>(p->GetData())->GetChildren().GetFirst(); deel;
                 deel = deel->GetNext())
                if (auto* afbeelding = dynamic_cast<wxRichTextImage*>(deel->GetData()))
                {
                    wxImage beeld;
                    afbeelding->GetImageBlock().Load(beeld);
                    gevonden.emplace_back(beeld.GetSize(), afbeelding->GetImageBlock().GetImageType());
                }
        return gevonden;
    }

    wxFrame* venster;
    wxRichTextCtrl* control;
    ProefDropping* doel;
};

wxFileName schrijf(const wxString& naam, const std::string& bytes)
{
    const wxFileName bestand(alsWx(testMap()), naam);
    std::ofstream(bestand.GetFullPath().fn_str(), std::ios::binary) << bytes;
    return bestand;
}

wxFileName bewaarBeeld(const wxString& naam, wxSize maat, wxBitmapType type = wxBITMAP_TYPE_PNG)
{
    const wxFileName bestand(alsWx(testMap()), naam);
    EXPECT_TRUE(maakBeeld(maat.x, maat.y, type).SaveFile(bestand.GetFullPath(), type));
    return bestand;
}
} // namespace

TEST(RichDropping, TekstKomtAchterDeInhoudEnEenTekstBestandVervangtHemNaEenVraag)
{
    Veld veld;
    VraagBeantwoorder vragen;
    veld.control->WriteText("Begin.");
    veld.control->SetInsertionPoint(0);
    veld.control->DiscardEdits();
    EXPECT_EQ(veld.drop(wxTextDataObject(" Erbij")), wxDragMove);
    EXPECT_EQ(veld.control->GetValue(), "Begin. Erbij");
    EXPECT_TRUE(veld.control->IsModified());
    EXPECT_FALSE(veld.doel->geefDropInfo().kopie);

    const wxFileName notitie = schrijf("notitie.txt", "Eerste regel\r\nTweede r\xc3\xa9gel");
    vragen.antwoord(wxNO);
    EXPECT_EQ(veld.drop({notitie}), wxDragMove);
    EXPECT_EQ(veld.control->GetValue(), "Begin. Erbij");
    EXPECT_TRUE(vragen.isGevraagd("The text entry field is not empty. The current content will be erased by the "
                                  "dropped file.\nDo you want to continue?"));
    vragen.antwoord(wxYES);
    EXPECT_EQ(veld.drop({notitie}), wxDragMove);
    EXPECT_EQ(veld.control->GetValue(), wxString::FromUTF8("Eerste regel\nTweede r\xc3\xa9gel"));

    // An empty field takes it without asking.
    Veld leeg;
    EXPECT_EQ(leeg.drop({notitie}), wxDragMove);
    EXPECT_EQ(leeg.control->GetValue(), veld.control->GetValue());
    EXPECT_EQ(vragen.geefGesteld().size(), 2u);

    // Data that never came is no drop at all.
    veld.doel->gekomen = false;
    EXPECT_EQ(veld.doel->OnData(1, 1, wxDragCopy), wxDragError);
}

TEST(RichDropping, AfbeeldingenPassenNaToestemmingInDeDoosMetBehoudVanVerhouding)
{
    const struct
    {
        wxSize origineel;
        int antwoord; // 0: no question
        wxSize ingevoegd;
    } gevallen[] = {
        {{300, 50}, wxYES, {100, 16}}, {{400, 200}, wxYES, {100, 50}}, {{80, 300}, wxYES, {26, 100}},
        {{2000, 1}, wxYES, {100, 1}},  {{300, 50}, wxNO, {300, 50}},   {{100, 100}, 0, {100, 100}},
    };
    for (const auto& geval : gevallen)
    {
        SCOPED_TRACE(testing::Message() << geval.origineel.x << "x" << geval.origineel.y << " " << geval.antwoord);
        const wxFileName foto = bewaarBeeld("foto.jpg", geval.origineel, wxBITMAP_TYPE_JPEG);
        // As a bitmap (kept as PNG) and as a file (a JPEG stays a JPEG).
        for (const bool alsBestand : {false, true})
        {
            Veld veld;
            VraagBeantwoorder vragen;
            if (geval.antwoord)
                vragen.antwoord(geval.antwoord);
            const wxBitmap bitmap(maakBeeld(geval.origineel.x, geval.origineel.y));
            EXPECT_EQ(alsBestand ? veld.drop({foto}) : veld.drop(wxBitmapDataObject(bitmap)), wxDragMove);
            EXPECT_EQ(veld.afbeeldingen(),
                      (std::vector<std::pair<wxSize, wxBitmapType>>{
                          {geval.ingevoegd, alsBestand ? wxBITMAP_TYPE_JPEG : wxBITMAP_TYPE_PNG}}));
            EXPECT_EQ(vragen.isGevraagd("Your image exceeds this size: 100x100 pixels.\nIt is recommended to "
                                        "scale the image to this size. Do you want to do this?"),
                      geval.antwoord != 0);
        }
    }
}

TEST(RichDropping, BestandenDieGeenTekstOfAfbeeldingZijnWordenGeweigerd)
{
    const struct
    {
        wxFileName bestand;
        const char* reden;
    } gevallen[] = {
        {schrijf("film.mp4", std::string("\0\0\0\x18"
                                         "ftypmp42\0\0\0\0isom",
                                         20)),
         "Only image files (png, jpeg) or text files are supported."},
        {schrijf("programma", "\x7f"
                              "ELF\x02\x01\x01\0\0\0"),
         "Only image files (png, jpeg) or text files are supported."},
        {schrijf("groot.txt", std::string(RichDropVerwerker::maxTekstBestandBytes + 1, 'a')),
         "Text files larger than 1024 kB are not supported."},
    };
    for (const auto& geval : gevallen)
    {
        SCOPED_TRACE(geval.bestand.GetFullName());
        logVanger().wis();
        Veld veld;
        veld.control->SetValue("Blijft");
        veld.control->DiscardEdits();
        EXPECT_EQ(veld.drop({geval.bestand}), wxDragNone);
        EXPECT_EQ(veld.control->GetValue(), "Blijft");
        EXPECT_FALSE(veld.control->IsModified());
        EXPECT_TRUE(logVanger().bevat("The dropping of the file \"" + geval.bestand.GetFullPath() +
                                          "\" could not be processed by the dialog window.\n" + geval.reden,
                                      wxLOG_Error));
    }
}

TEST(RichDropping, MeerdereBestandenOpVolgordeEnEenLegeLijst)
{
    Veld veld;
    VraagBeantwoorder vragen;
    // The pictures make the field non-empty: the text file asks. A picture
    // that does not load is passed over without a word.
    vragen.antwoord(wxNO);
    EXPECT_EQ(veld.drop({bewaarBeeld("een.png", {20, 10}), schrijf("kapot.png", "\x89PNG\r\n\x1a\n"),
                         bewaarBeeld("twee.jpg", {30, 15}, wxBITMAP_TYPE_JPEG), schrijf("tekst.txt", "Tekst")}),
              wxDragMove);
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u) << logVanger().geefAlles();
    EXPECT_EQ(veld.afbeeldingen(), (std::vector<std::pair<wxSize, wxBitmapType>>{{{20, 10}, wxBITMAP_TYPE_PNG},
                                                                                 {{30, 15}, wxBITMAP_TYPE_JPEG}}));

    // A file that cannot be read spoils the result, not the others; an
    // empty list changes nothing.
    EXPECT_FALSE(veld.doel->OnDropFiles(0, 0, wxArrayString(1, "/bestaat/niet.png")));
    EXPECT_TRUE(veld.doel->OnDropFiles(0, 0, wxArrayString()));
    EXPECT_EQ(veld.afbeeldingen().size(), 2u);
}

TEST(RichDropping, EenVeldDatNietBewerkbaarIsNeemtNiets)
{
    Veld veld;
    veld.control->SetValue("Vast");
    veld.control->SetEditable(false);
    veld.control->DiscardEdits();
    wxArrayString namen;
    namen.Add(bewaarBeeld("een.png", {20, 10}).GetFullPath());
    namen.Add(schrijf("tekst.txt", "Tekst").GetFullPath());
    RichTextCtrlTekstDropTarget alleenTekst(veld.control);
    RichTextCtrlBestandDropTarget alleenBestanden(veld.control, doos);

    EXPECT_FALSE(veld.doel->OnDrop(5, 5));
    EXPECT_EQ(veld.doel->OnData(5, 5, wxDragCopy), wxDragNone);
    EXPECT_FALSE(veld.doel->OnDropText(5, 5, "erbij"));
    EXPECT_FALSE(veld.doel->OnDropBitmap(5, 5, wxBitmap(maakBeeld(5, 5))));
    EXPECT_FALSE(veld.doel->OnDropFiles(5, 5, namen));
    EXPECT_FALSE(alleenTekst.OnDropText(5, 5, "erbij"));
    EXPECT_FALSE(alleenBestanden.OnDropFiles(5, 5, namen));
    EXPECT_EQ(veld.control->GetValue(), "Vast");
    EXPECT_TRUE(veld.afbeeldingen().empty());
    EXPECT_FALSE(veld.control->IsModified());
}

TEST(RichDropping, DeEenvoudigeDoelenVoorTekstEnVoorBestanden)
{
    Veld veld;
    RichTextCtrlTekstDropTarget alleenTekst(veld.control);
    EXPECT_TRUE(alleenTekst.OnDropText(5, 5, "Een"));
    EXPECT_TRUE(alleenTekst.OnDropText(5, 5, " twee"));
    EXPECT_EQ(veld.control->GetValue(), "Een twee");

    // The file target loads by the file's extension: a rich-text document
    // keeps its formatting.
    if (!wxRichTextBuffer::FindHandler(wxRICHTEXT_TYPE_XML))
        wxRichTextBuffer::AddHandler(new wxRichTextXMLHandler);
    Veld bron;
    bron.control->BeginBold();
    bron.control->WriteText("Vet");
    bron.control->EndBold();
    const wxFileName document(alsWx(testMap()), "document.xml");
    ASSERT_TRUE(bron.control->SaveFile(document.GetFullPath(), wxRICHTEXT_TYPE_XML));
    VraagBeantwoorder vragen;
    vragen.antwoord(wxYES);
    vragen.antwoord(wxYES);
    wxArrayString namen;
    namen.Add(document.GetFullPath());
    namen.Add(bewaarBeeld("groot.png", {400, 200}).GetFullPath());
    RichTextCtrlBestandDropTarget alleenBestanden(veld.control, doos);
    EXPECT_TRUE(alleenBestanden.OnDropFiles(5, 5, namen));
    wxRichTextAttr opmaak;
    veld.control->GetStyle(1, opmaak);
    EXPECT_EQ(opmaak.GetFontWeight(), wxFONTWEIGHT_BOLD);
    EXPECT_EQ(veld.afbeeldingen(), (std::vector<std::pair<wxSize, wxBitmapType>>{{{100, 50}, wxBITMAP_TYPE_PNG}}));
    EXPECT_TRUE(veld.control->IsModified());
}
