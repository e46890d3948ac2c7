// One rich-text field opened from a file, saved to one in each format and
// printed, through real files; the file and print dialogs are answered
// while the focus is elsewhere, as it is while they are up.
#include "swexternals/desktop/DesktopApp.h"
#include "tests/ondersteuning/DialoogBeantwoorder.h"
#include "tests/ondersteuning/LogVanger.h"
#include "tests/ondersteuning/TestOmgeving.h"
#include "tests/toepassing/eigenschappen/werkbalk/WerkbalkHulp.h"
#include "toepassing/eigenschappen/BestandsVoorstel.h"

#include <algorithm>
#include <vector>
#include <wx/ffile.h>
#include <wx/filename.h>
#include <wx/frame.h>
#include <wx/richtext/richtextprint.h>

namespace
{
bool isVet(const wxString& opgeslagen, long positie)
{
    wxFrame houder(nullptr, wxID_ANY, "houder");
    auto* veld = new wxRichTextCtrl(&houder, wxID_ANY);
    return RekEigenschappenVenster::laadTekst(opgeslagen, veld) == 0 &&
           stijlOp(*veld, positie).GetFontWeight() == wxFONTWEIGHT_BOLD;
}

Requirement metDeur()
{
    Requirement rek = inOntwikkeling();
    rek.beschrijving = alsRijk("Reports an open door.");
    return rek;
}
} // namespace

TEST_F(WerkbalkTest, OpenenVervangtDeInhoudVanHetVeldMetDeFocus)
{
    // The same text as the field holds, in bold: loaded, it is a change.
    {
        wxFrame houder(nullptr, wxID_ANY, "houder");
        auto* bron = new wxRichTextCtrl(&houder, wxID_ANY);
        bron->SetValue("Reports an open door.");
        wxRichTextAttr vet;
        vet.SetFontWeight(wxFONTWEIGHT_BOLD);
        bron->SetStyle(wxRichTextRange(0, 7), vet);
        ASSERT_TRUE(bron->SaveFile(testPad("vet.xml"), wxRICHTEXT_TYPE_XML));
    }
    ASSERT_TRUE(wxFFile(testPad("plat.txt"), "w").Write("Reed contact closes."));
    ASSERT_TRUE(wxFFile(testPad("kapot.xml"), "w").Write("<?xml version=\"1.0\"?><richtext><paragraphlayout><para"));
    wxRichTextCtrl& rijk = beschrijvingRijk(toon(metDeur()));
    neemFocusWegBijElkeVraag();

    vragen.kies(testPad("vet.xml"));
    gebruik(rijk, wxID_OPEN);
    EXPECT_EQ(rijk.GetValue(), "Reports an open door.");
    EXPECT_TRUE(d().isGewijzigd());
    EXPECT_TRUE(isVet(d().leesVelden().beschrijving, 2));
    const VraagBeantwoorder::Gevraagd& gevraagd = vragen.geefVragen()[0];
    EXPECT_EQ(gevraagd.bericht, "Choose a filename");
    EXPECT_TRUE(gevraagd.stijl & wxFD_OPEN);
    EXPECT_EQ(app->geefLaatsteAppDataDir(wxString()).GetPath(), wxString::FromUTF8(testMap().string()));

    vragen.kies(testPad("plat.txt"));
    gebruik(rijk, wxID_OPEN);
    EXPECT_EQ(rijk.GetValue(), "Reed contact closes.");

    // A file that does not load leaves the field as it was.
    vragen.kies(testPad("kapot.xml"));
    gebruik(rijk, wxID_OPEN);
    EXPECT_TRUE(logVanger().bevat("Error opening the file.", wxLOG_Error));
    EXPECT_EQ(rijk.GetValue(), "Reed contact closes.");
}

TEST_F(WerkbalkTest, OpslaanAlsInElkFormaatMetZijnExtensie)
{
    wxRichTextCtrl& rijk = beschrijvingRijk(toon(metDeur()));
    neemFocusWegBijElkeVraag();
    // Saving leaves what the dialog hands back as it was: formatted.
    rijk.SetSelection(0, 7);
    gebruik(rijk, wxID_BOLD);
    rijk.SelectNone();
    // The filters by what they keep: the rich text's own first, plain text last.
    std::vector<wxRichTextFileType> soorten;
    BestandsVoorstel::maakRijkFilter(soorten);
    ASSERT_EQ(soorten.size(), 3u);
    ASSERT_EQ(soorten[0], wxRICHTEXT_TYPE_XML);
    EXPECT_EQ(soorten[2], wxRICHTEXT_TYPE_TEXT);
    const auto filter = [&](wxRichTextFileType soort)
    { return static_cast<int>(std::find(soorten.begin(), soorten.end(), soort) - soorten.begin()); };
    struct Geval
    {
        const char* gekozen;
        wxRichTextFileType filter;
        const char* bewaard;
        const char* bevat;
    };
    // A name without the extension of a format gets the one of the filter
    // chosen; a name with one keeps it.
    const Geval gevallen[] = {{"deur.xml", wxRICHTEXT_TYPE_XML, "deur.xml", "<richtext"},
                              {"deur.html", wxRICHTEXT_TYPE_XML, "deur.html", "<b>Reports</b>"},
                              {"deur.txt", wxRICHTEXT_TYPE_XML, "deur.txt", "Reports an open door."},
                              {"veld", wxRICHTEXT_TYPE_XML, "veld.xml", "<richtext"},
                              {"pagina", wxRICHTEXT_TYPE_HTML, "pagina.html", "<b>Reports</b>"},
                              {"tekst", wxRICHTEXT_TYPE_TEXT, "tekst.txt", "Reports an open door."},
                              {"deur.doc", wxRICHTEXT_TYPE_HTML, "deur.doc.html", "<b>Reports</b>"}};
    for (const Geval& geval : gevallen)
    {
        vragen.kies(testPad(geval.gekozen), filter(geval.filter));
        gebruik(rijk, wxID_SAVEAS);
        EXPECT_TRUE(leesBestand(testPad(geval.bewaard)).Contains(geval.bevat)) << geval.gekozen;
    }
    EXPECT_FALSE(wxFileExists(testPad("pagina.xml")));
    const VraagBeantwoorder::Gevraagd& gevraagd = vragen.geefVragen()[0];
    EXPECT_TRUE(gevraagd.stijl & wxFD_SAVE);
    EXPECT_EQ(gevraagd.voorstel, wxString::FromUTF8(testMap().string()));
    EXPECT_TRUE(gevraagd.wildcard.StartsWith("XML files (*.xml)|*.xml|")) << gevraagd.wildcard;
    EXPECT_EQ(gevraagd.naam, "Door_sensor");
    // The title whole, however long.
    naamTekst(d()).ChangeValue("Door sensor of the cellar, reported at once");
    vragen.kies(wxString());
    gebruik(rijk, wxID_SAVEAS);
    EXPECT_EQ(vragen.geefVragen().back().naam, "Door_sensor_of_the_cellar,_reported_at_once");
    EXPECT_TRUE(isVet(d().leesVelden().beschrijving, 2));

    // An existing file: asked first; No leaves it.
    rijk.SetValue("Changed.");
    vragen.kies(testPad("deur.txt"));
    vragen.antwoord(wxNO);
    gebruik(rijk, wxID_SAVEAS);
    EXPECT_TRUE(vragen.isGevraagd("already exists."));
    EXPECT_EQ(leesBestand(testPad("deur.txt")), "Reports an open door.");
    // A folder that takes no files.
    vragen.kies(testPad("gone/deur.txt"));
    gebruik(rijk, wxID_SAVEAS);
    EXPECT_TRUE(logVanger().bevat("Error saving the file in the specified directory.", wxLOG_Warning));

    // A read-only field is saved all the same.
    vragen.kies(testPad("contact.txt"));
    gebruik(implementatieRijk(d()), wxID_SAVEAS);
    EXPECT_EQ(leesBestand(testPad("contact.txt")), "Reed contact.");
}

// The file dialog gives the proposed name back with the extension of the
// filter it opened with: a filter chosen then wins, and the file gets its
// extension. An extension the user typed wins over any filter.
TEST_F(WerkbalkTest, DeGekozenFilterWintVanDeVoorgesteldeExtensie)
{
    wxRichTextCtrl& rijk = beschrijvingRijk(toon(metDeur()));
    neemFocusWegBijElkeVraag();
    std::vector<wxRichTextFileType> soorten;
    BestandsVoorstel::maakRijkFilter(soorten);
    const wxString voorgesteld = "Door_sensor." + wxRichTextBuffer::FindHandler(soorten[0])->GetExtension();
    const auto bevat = [](wxRichTextFileType soort) {
        return soort == wxRICHTEXT_TYPE_XML ? "<richtext" : soort == wxRICHTEXT_TYPE_HTML ? "<html" : "Reports";
    };
    for (size_t filter = 0; filter < soorten.size(); ++filter)
    {
        const wxString extensie = wxRichTextBuffer::FindHandler(soorten[filter])->GetExtension();
        vragen.kies(testPad(voorgesteld), static_cast<int>(filter));
        gebruik(rijk, wxID_SAVEAS);
        const wxString bewaard = leesBestand(testPad("Door_sensor." + extensie));
        EXPECT_TRUE(bewaard.Contains(bevat(soorten[filter]))) << extensie << ": " << bewaard.Left(80);
        vragen.kies(testPad("getypt.txt"), static_cast<int>(filter));
        gebruik(rijk, wxID_SAVEAS);
        EXPECT_EQ(leesBestand(testPad("getypt.txt")), "Reports an open door.") << extensie;
        wxRemoveFile(testPad("getypt.txt"));
    }
    EXPECT_TRUE(leesBestand(testPad(voorgesteld)).Contains("<richtext"));
}

TEST_F(WerkbalkTest, AfdrukkenMetTitelKopEnVoet)
{
    ASSERT_EQ(app->zetProjektNaam("Alarm system"), 0);
    Requirement rek = metDeur();
    rek.kommentaar = "Checked.";
    toon(rek);
    const wxRichTextPrinting& motor = *d().geefPrintMotor();
    const wxString datum = wxDateTime(5, wxDateTime::Dec, 2026).Format("%x");
    struct Geval
    {
        wxRichTextCtrl* rijk;
        const char* titel;
        wxString kop;
    };
    const Geval gevallen[] = {
        {&beschrijvingRijk(d()), "Door sensor", "Requirement description for \"Door sensor\" started on " + datum},
        {&kommentaarRijk(d()), "Door & window",
         "Requirement additional remarks for \"Door & window\" started on " + datum}};
    for (const Geval& geval : gevallen)
    {
        naamTekst(d()).ChangeValue(geval.titel);
        dialoogBeantwoorder().verwacht(
            [this](wxDialog&)
            {
                neemFocusWeg();
                return wxID_CANCEL;
            });
        gebruik(*geval.rijk, wxID_PRINT);
        EXPECT_EQ(dialoogBeantwoorder().geefGetoond().size(), 1u);
        dialoogBeantwoorder().wis();
        EXPECT_EQ(motor.GetHeaderText(wxRICHTEXT_PAGE_ODD, wxRICHTEXT_PAGE_CENTRE), geval.kop);
        EXPECT_EQ(motor.GetHeaderText(wxRICHTEXT_PAGE_EVEN, wxRICHTEXT_PAGE_CENTRE), geval.kop);
        EXPECT_EQ(motor.GetFooterText(wxRICHTEXT_PAGE_ODD, wxRICHTEXT_PAGE_RIGHT), DesktopApp::geefRechtenNotitie());
    }
    EXPECT_EQ(motor.GetTitle(), "Project_Alarm_system _Door__and__window");
    EXPECT_EQ(kommentaarRijk(d()).GetValue(), "Checked.");
}
