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
    EXPECT_GT(kleinMaat.GetWidth(), 0);
    EXPECT_GT(kleinMaat.GetHeight(), 0);
    EXPECT_GT(grootMaat.GetWidth(), kleinMaat.GetWidth());
    EXPECT_GT(grootMaat.GetHeight(), kleinMaat.GetHeight());
    EXPECT_GT(DesktopFunkties::getTextExtent(dc, "Requirement list", klein).GetWidth(), kleinMaat.GetWidth());

    // The font is asked for the text only: the device context keeps its own.
    dc.SetFont(groot);
    EXPECT_EQ(DesktopFunkties::getTextExtent(dc, "Requirement", klein), kleinMaat);
    EXPECT_EQ(dc.GetTextExtent("Requirement"), grootMaat);
}

namespace
{
std::string alsTekst(wxMemoryOutputStream& stroom)
{
    std::string tekst(stroom.GetLength(), '\0');
    stroom.CopyTo(tekst.data(), tekst.size());
    return tekst;
}

class GridVenster
{
public:
    GridVenster(int rijen, int kolommen) : m_venster(new wxFrame(nullptr, wxID_ANY, "Grid"))
    {
        m_grid = new wxGrid(m_venster, wxID_ANY);
        m_grid->CreateGrid(rijen, kolommen);
        m_venster->Show();
    }
    ~GridVenster()
    {
        m_venster->Destroy();
        verwerkGebeurtenissen(20);
    }
    wxGrid& grid() { return *m_grid; }

private:
    wxFrame* m_venster;
    wxGrid* m_grid;
};
} // namespace

TEST(GridExport, ElkeCelGevolgdDoorDeScheiding)
{
    GridVenster venster(2, 2);
    wxGrid& grid = venster.grid();
    grid.SetColLabelValue(0, "Title");
    grid.SetColLabelValue(1, wxString::FromUTF8("Cost (€)"));
    grid.SetCellValue(0, 0, "Login");
    grid.SetCellValue(0, 1, "12.5");
    grid.SetCellValue(1, 0, "a;b");

    wxMemoryOutputStream metTitels;
    EXPECT_EQ(DesktopFunkties::exporteerGridNaarCSV(grid, metTitels, ";", true), 0);
    // Values stand as they are, a separator inside one included; text is UTF-8.
    EXPECT_EQ(alsTekst(metTitels), "Title;Cost (€);\nLogin;12.5;\na;b;;\n");

    wxMemoryOutputStream zonderTitels;
    EXPECT_EQ(DesktopFunkties::exporteerGridNaarCSV(grid, zonderTitels, ",", false), 0);
    EXPECT_EQ(alsTekst(zonderTitels), "Login,12.5,\na;b,,\n");
}

TEST(GridExport, EenLeegGridZonderTitelsGeeftNiets)
{
    GridVenster venster(0, 3);
    wxMemoryOutputStream stroom;
    EXPECT_EQ(DesktopFunkties::exporteerGridNaarCSV(venster.grid(), stroom, ";", false), 0);
    EXPECT_EQ(stroom.GetLength(), 0);
}
