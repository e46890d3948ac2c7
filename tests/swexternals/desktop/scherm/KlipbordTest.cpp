// The system clipboard as an application uses it: text, HTML, images and
// file names put on it and taken off again, with what the probe tells and
// what the user is told when the content cannot be used.
#include "swexternals/desktop/DesktopFunkties.h"
#include "tests/ondersteuning/LogVanger.h"
#include "tests/swexternals/desktop/DesktopHulp.h"

#include <cstring>
#include <gtest/gtest.h>
#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/filename.h>

namespace
{
using F = DesktopFunkties;
const wxString afgebroken = "\nThe pasting operation is aborted.";

// What another program would put on the clipboard.
void zetVreemd(wxDataObject* data)
{
    ASSERT_TRUE(wxTheClipboard->Open());
    ASSERT_TRUE(wxTheClipboard->SetData(data));
    wxTheClipboard->Close();
}

wxFileName bewaarBeeld(const wxString& naam, const wxImage& beeld)
{
    if (!wxImage::FindHandler(wxBITMAP_TYPE_JPEG))
        wxImage::AddHandler(new wxJPEGHandler);
    const wxFileName bestand(alsWx(testMap()), naam);
    EXPECT_TRUE(beeld.SaveFile(bestand.GetFullPath()));
    return bestand;
}
} // namespace

TEST(Klipbord, TekstEnHTMLGaanErOpEnKomenErOngeschondenAf)
{
    const wxString tekst = wxString::FromUTF8("Regel 1 met 100% <&> caf\xc3\xa9\nRegel 2");
    ASSERT_EQ(F::kopieerTekstNaarKlipbord(tekst), 0);
    EXPECT_EQ(F::controleerKlipbord(), F::klipbordTekst);
    EXPECT_TRUE(F::klipbordBevatTekst());
    EXPECT_FALSE(F::klipbordBevatAfbeelding());
    wxString gelezen;
    ASSERT_EQ(F::kopieerTekstVanKlipbord(gelezen, false), 0);
    EXPECT_EQ(gelezen, tekst);
    // Not HTML: the HTML reader leaves its argument alone.
    wxString html = "onaangeroerd";
    EXPECT_EQ(F::kopieerHTMLVanKlipbord(html, false), 2);
    EXPECT_EQ(html, "onaangeroerd");

    // HTML as another program offers it. (The toolkit's own HTML object
    // writes one byte beyond what it asks room for when it serves a paste.)
    auto* vreemdeHTML = new wxCustomDataObject(wxDataFormat(wxDF_HTML));
    vreemdeHTML->SetData(17, "<p><b>vet</b></p>");
    zetVreemd(vreemdeHTML);
    EXPECT_EQ(F::controleerKlipbord(), F::klipbordHTML);
    EXPECT_TRUE(F::klipbordBevatTekst());
    ASSERT_EQ(F::kopieerHTMLVanKlipbord(html, false), 0);
    EXPECT_EQ(html, "<p><b>vet</b></p>");

    ASSERT_EQ(F::spoelLeegKlipBord(), 0);
    EXPECT_EQ(F::controleerKlipbord(), F::klipbordOnbekend);
    EXPECT_EQ(F::kopieerTekstVanKlipbord(gelezen, false), 2);
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u);
}

TEST(Klipbord, LegeTekstWordtAlleenOpVerzoekGelezenEnDanGemeld)
{
    ASSERT_EQ(F::plakTekstNaarKlipbord(""), 0);
    EXPECT_EQ(F::controleerKlipbord(), F::klipbordNietTeLezen);
    wxString gelezen = "onaangeroerd";
    EXPECT_EQ(F::kopieerTekstVanKlipbord(gelezen, false), 2);
    EXPECT_EQ(F::kopieerTekstVanKlipbord(gelezen, true), 3);
    EXPECT_EQ(gelezen, "onaangeroerd");
    EXPECT_TRUE(
        logVanger().bevat("The clipboard contains text data that cannot be processed." + afgebroken, wxLOG_Error));
}

TEST(Klipbord, AfbeeldingGaatErOpEnKomtTerugAlsPNG)
{
    ASSERT_EQ(F::kopieerTekstNaarKlipbord("blijft"), 0);
    // An image that gives no bitmap leaves the clipboard as it was.
    EXPECT_EQ(F::kopieerAfbeeldingNaarKlipbord(wxImage()), 5);
    wxString tekst;
    ASSERT_EQ(F::kopieerTekstVanKlipbord(tekst, false), 0);
    EXPECT_EQ(tekst, "blijft");
    wxImage beeld;
    EXPECT_EQ(F::kopieerAfbeeldingVanKlipbord(beeld), 2);

    const wxImage origineel = maakBeeld(30, 12, wxBITMAP_TYPE_JPEG);
    ASSERT_EQ(F::kopieerAfbeeldingNaarKlipbord(origineel), 0);
    EXPECT_EQ(F::controleerKlipbord(), F::klipbordAfbeelding);
    EXPECT_TRUE(F::klipbordBevatAfbeelding());
    ASSERT_EQ(F::kopieerAfbeeldingVanKlipbord(beeld), 0);
    EXPECT_EQ(beeld.GetType(), wxBITMAP_TYPE_PNG);
    ASSERT_EQ(beeld.GetSize(), origineel.GetSize());
    EXPECT_EQ(memcmp(beeld.GetData(), origineel.GetData(), 30 * 12 * 3), 0);
}

TEST(Klipbord, BestandsNamenGaanVoorTekstEnLeverenHunAfbeelding)
{
    const wxFileName foto = bewaarBeeld("foto.jpg", maakBeeld(16, 9, wxBITMAP_TYPE_JPEG));
    ASSERT_EQ(F::kopieerBestandNaamNaarKlipbord(foto), 0);
    EXPECT_EQ(F::controleerKlipbord(), F::klipbordBestandsNamen);
    EXPECT_FALSE(F::klipbordBevatAfbeelding());
    wxFileName gelezen;
    ASSERT_EQ(F::kopieerBestandNaamVanKlipbord(gelezen), 0);
    EXPECT_EQ(gelezen.GetFullPath(), foto.GetFullPath());
    wxImage beeld;
    ASSERT_EQ(F::kopieerAfbeeldingVanKlipbord(beeld), 0);
    EXPECT_EQ(beeld.GetSize(), wxSize(16, 9));
    EXPECT_EQ(beeld.GetType(), wxBITMAP_TYPE_JPEG);

    // A copied file with its name as text as well still counts as a file.
    auto* beide = new wxDataObjectComposite;
    auto* bestanden = new wxFileDataObject;
    bestanden->AddFile(bewaarBeeld("tekening.png", maakBeeld(8, 4)).GetFullPath());
    beide->Add(bestanden, true);
    beide->Add(new wxTextDataObject("tekening.png"));
    zetVreemd(beide);
    EXPECT_EQ(F::controleerKlipbord(), F::klipbordBestandsNamen);
    ASSERT_EQ(F::kopieerAfbeeldingVanKlipbord(beeld), 0);
    EXPECT_EQ(beeld.GetSize(), wxSize(8, 4));
    EXPECT_EQ(beeld.GetType(), wxBITMAP_TYPE_PNG);
}

TEST(Klipbord, OnbruikbareBestandsNamenWordenGemeld)
{
    const struct
    {
        wxString pad; // empty: a list without any path
        const char* melding;
    } gevallen[] = {
        {wxFileName(alsWx(testMap()), "weg.png").GetFullPath(),
         "The clipboard contains a file path that refers to a non-existing file."},
        {wxString(), "The clipboard contains a file path that cannot be processed."},
    };
    for (const auto& geval : gevallen)
    {
        SCOPED_TRACE(geval.melding);
        logVanger().wis();
        auto* data = new wxFileDataObject;
        if (!geval.pad.empty())
            data->AddFile(geval.pad);
        zetVreemd(data);
        wxFileName naam("onaangeroerd");
        EXPECT_EQ(F::kopieerBestandNaamVanKlipbord(naam), 3);
        EXPECT_EQ(naam.GetFullName(), "onaangeroerd");
        wxImage beeld;
        EXPECT_EQ(F::kopieerAfbeeldingVanKlipbord(beeld), 3);
        EXPECT_TRUE(logVanger().bevat(geval.melding + afgebroken, wxLOG_Error)) << logVanger().geefAlles();
    }
}
