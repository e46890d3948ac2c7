#include "swexternals/desktop/DesktopFunkties.h"
#include "tests/ondersteuning/GuiHulp.h"

#include <gtest/gtest.h>
#include <string>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/font.h>
#include <wx/frame.h>
#include <wx/grid.h>
#include <wx/mstream.h>

TEST(TekstMaat, EenTekstIsZoGrootAlsHijMetDieFontGetekendWordt)
{
    wxBitmap doek(200, 100);
    wxMemoryDC dc(doek);
    const wxFont klein(wxFontInfo(8));
    const wxFont groot(wxFontInfo(24).Bold());
    const wxSize kleinMaat = DesktopFunkties::getTextExtent(dc, "Requirement", klein);
    const wxSize grootMaat = DesktopFunkties::getTextExtent(dc, "Requirement", groot);
    EXPECT_GT(kleinMaat.GetHeight(), 0);
    EXPECT_GT(grootMaat.GetWidth(), kleinMaat.GetWidth());
    EXPECT_GT(grootMaat.GetHeight(), kleinMaat.GetHeight());

    // The font is asked for the text only: the device context keeps its own.
    dc.SetFont(groot);
    EXPECT_EQ(DesktopFunkties::getTextExtent(dc, "Requirement", klein), kleinMaat);
    EXPECT_EQ(dc.GetTextExtent("Requirement"), grootMaat);
}

namespace
{
std::string alsCSV(const wxGrid& grid, const wxString& scheiding, bool metTitels)
{
    wxMemoryOutputStream stroom;
    EXPECT_EQ(DesktopFunkties::exporteerGridNaarCSV(grid, stroom, scheiding, metTitels), 0);
    std::string tekst(stroom.GetLength(), '\0');
    stroom.CopyTo(tekst.data(), tekst.size());
    return tekst;
}
} // namespace

TEST(GridExport, ElkeCelGevolgdDoorDeScheiding)
{
    wxFrame* venster = new wxFrame(nullptr, wxID_ANY, "Grid");
    wxGrid* grid = new wxGrid(venster, wxID_ANY);
    grid->CreateGrid(2, 2);
    venster->Show();
    grid->SetColLabelValue(0, "Title");
    grid->SetColLabelValue(1, wxString::FromUTF8("Cost (€)"));
    grid->SetCellValue(0, 0, "Login");
    grid->SetCellValue(0, 1, "12.5");
    grid->SetCellValue(1, 0, "a;b");
    // Values stand as they are, a separator inside one included; text is UTF-8.
    EXPECT_EQ(alsCSV(*grid, ";", true), "Title;Cost (€);\nLogin;12.5;\na;b;;\n");
    EXPECT_EQ(alsCSV(*grid, ",", false), "Login,12.5,\na;b,,\n");
    // Without rows and titles there is nothing to write.
    grid->DeleteRows(0, 2);
    EXPECT_EQ(alsCSV(*grid, ";", false), "");
    venster->Destroy();
    verwerkGebeurtenissen(20);
}
