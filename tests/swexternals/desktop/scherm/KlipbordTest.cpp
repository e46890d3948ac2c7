// The system clipboard as an application uses it: text, HTML, images and
// file names put on it and taken off again, with what the probe tells and
// what the user is told when the content cannot be used.
#include "swexternals/desktop/DesktopFunkties.h"
#include "tests/ondersteuning/LogVanger.h"
#include "tests/swexternals/desktop/DesktopHulp.h"

#include <gtest/gtest.h>
#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/filename.h>

namespace
{
using F = DesktopFunkties;

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

bool gelijkePixels(const wxImage& a, const wxImage& b)
{
    if (a.GetSize() != b.GetSize())
        return false;
    for (int x = 0; x < a.GetWidth(); ++x)
        for (int y = 0; y < a.GetHeight(); ++y)
            if (a.GetRed(x, y) != b.GetRed(x, y) || a.GetGreen(x, y) != b.GetGreen(x, y) ||
                a.GetBlue(x, y) != b.GetBlue(x, y))
                return false;
    return true;
}
} // namespace

TEST(Klipbord, TekstGaatErOpEnKomtErOngeschondenAf)
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

    ASSERT_EQ(F::plakTekstNaarKlipbord("tweede"), 0);
    ASSERT_EQ(F::kopieerTekstVanKlipbord(gelezen, false), 0);
    EXPECT_EQ(gelezen, "tweede");
}

TEST(Klipbord, LegeTekstWordtAlleenOpVerzoekGelezenEnDanGemeld)
{
    ASSERT_EQ(F::kopieerTekstNaarKlipbord(""), 0);
    EXPECT_EQ(F::controleerKlipbord(), F::klipbordNietTeLezen);
    wxString gelezen = "onaangeroerd";
    EXPECT_EQ(F::kopieerTekstVanKlipbord(gelezen, false), 2);
    EXPECT_EQ(logVanger().geefAantal(wxLOG_Error), 0u);
    EXPECT_EQ(F::kopieerTekstVanKlipbord(gelezen, true), 3);
    EXPECT_EQ(gelezen, "onaangeroerd");
    EXPECT_TRUE(logVanger().bevat(
        "The clipboard contains text data that cannot be processed.\nThe pasting operation is aborted.", wxLOG_Error));
}

TEST(Klipbord, HTMLEnLeegKlipbord)
{
    zetVreemd(new wxHTMLDataObject("<p><b>vet</b></p>"));
    EXPECT_EQ(F::controleerKlipbord(), F::klipbordHTML);
    EXPECT_TRUE(F::klipbordBevatTekst());
    wxString html;
    ASSERT_EQ(F::kopieerHTMLVanKlipbord(html, false), 0);
    EXPECT_EQ(html, "<p><b>vet</b></p>");

    ASSERT_EQ(F::spoelLeegKlipBord(), 0);
    EXPECT_EQ(F::controleerKlipbord(), F::klipbordOnbekend);
    EXPECT_FALSE(F::klipbordBevatTekst());
    wxString tekst = "onaangeroerd";
    EXPECT_EQ(F::kopieerTekstVanKlipbord(tekst, false), 2);
    EXPECT_EQ(tekst, "onaangeroerd");

    // A caller that works with the clipboard itself opens and closes it.
    ASSERT_EQ(F::openHetKlipbord(), 0);
    EXPECT_TRUE(wxTheClipboard->IsOpened());
    F::sluitHetKlipbord();
    EXPECT_FALSE(wxTheClipboard->IsOpened());
}

TEST(Klipbord, AfbeeldingGaatErOpEnKomtTerugAlsPNG)
{
    ASSERT_EQ(F::kopieerTekstNaarKlipbord("blijft"), 0);
    // An image that gives no bitmap leaves the clipboard as it was.
    EXPECT_EQ(F::kopieerAfbeeldingNaarKlipbord(wxImage()), 5);
    wxString tekst;
    ASSERT_EQ(F::kopieerTekstVanKlipbord(tekst, false), 0);
    EXPECT_EQ(tekst, "blijft");
    wxImage beeld = wxImage("afwezig");
    EXPECT_EQ(F::kopieerAfbeeldingVanKlipbord(beeld), 2);

    const wxImage origineel = maakBeeld(30, 12, wxBITMAP_TYPE_JPEG);
    ASSERT_EQ(F::kopieerAfbeeldingNaarKlipbord(origineel), 0);
    EXPECT_EQ(F::controleerKlipbord(), F::klipbordAfbeelding);
    EXPECT_TRUE(F::klipbordBevatAfbeelding());
    ASSERT_EQ(F::kopieerAfbeeldingVanKlipbord(beeld), 0);
    EXPECT_TRUE(gelijkePixels(beeld, origineel));
    EXPECT_EQ(beeld.GetType(), wxBITMAP_TYPE_PNG);
}

TEST(Klipbord, BestandsNamenGaanVoorTekstEnLeverenHunAfbeelding)
{
    const wxImage origineel = maakBeeld(16, 9);
    const wxFileName foto = bewaarBeeld("foto.jpg", maakBeeld(16, 9, wxBITMAP_TYPE_JPEG));
    ASSERT_EQ(F::kopieerBestandNaamNaarKlipbord(foto), 0);
    EXPECT_EQ(F::controleerKlipbord(), F::klipbordBestandsNamen);
    EXPECT_FALSE(F::klipbordBevatAfbeelding());
    wxFileName gelezen;
    ASSERT_EQ(F::kopieerBestandNaamVanKlipbord(gelezen), 0);
    EXPECT_EQ(gelezen.GetFullPath(), foto.GetFullPath());
    wxImage beeld;
    ASSERT_EQ(F::kopieerAfbeeldingVanKlipbord(beeld), 0);
    EXPECT_EQ(beeld.GetSize(), origineel.GetSize());
    EXPECT_EQ(beeld.GetType(), wxBITMAP_TYPE_JPEG);

    // A copied file with its name as text as well still counts as a file.
    const wxFileName tekening = bewaarBeeld("tekening.png", origineel);
    auto* beide = new wxDataObjectComposite;
    auto* bestanden = new wxFileDataObject;
    bestanden->AddFile(tekening.GetFullPath());
    beide->Add(bestanden, true);
    beide->Add(new wxTextDataObject(tekening.GetFullPath()));
    zetVreemd(beide);
    EXPECT_EQ(F::controleerKlipbord(), F::klipbordBestandsNamen);
    ASSERT_EQ(F::kopieerAfbeeldingVanKlipbord(beeld), 0);
    EXPECT_TRUE(gelijkePixels(beeld, origineel));
    EXPECT_EQ(beeld.GetType(), wxBITMAP_TYPE_PNG);
}

TEST(Klipbord, OnbruikbareBestandsNamenWordenGemeld)
{
    struct Geval
    {
        const char* naam;
        wxArrayString paden;
        const char* melding;
    };
    wxArrayString weg;
    weg.Add(wxFileName(alsWx(testMap()), "weg.png").GetFullPath());
    const Geval gevallen[] = {
        {"a file deleted since it was copied", weg,
         "The clipboard contains a file path that refers to a non-existing file."},
        {"a list without any path", wxArrayString(), "The clipboard contains a file path that cannot be processed."},
    };
    for (const Geval& geval : gevallen)
    {
        SCOPED_TRACE(geval.naam);
        logVanger().wis();
        auto* data = new wxFileDataObject;
        for (const wxString& pad : geval.paden)
            data->AddFile(pad);
        zetVreemd(data);
        wxFileName naam("onaangeroerd");
        EXPECT_EQ(F::kopieerBestandNaamVanKlipbord(naam), 3);
        EXPECT_EQ(naam.GetFullName(), "onaangeroerd");
        wxImage beeld;
        EXPECT_EQ(F::kopieerAfbeeldingVanKlipbord(beeld), 3);
        EXPECT_FALSE(beeld.IsOk());
        EXPECT_TRUE(logVanger().bevat(wxString(geval.melding) + "\nThe pasting operation is aborted.", wxLOG_Error))
            << logVanger().geefAlles();
    }
}
