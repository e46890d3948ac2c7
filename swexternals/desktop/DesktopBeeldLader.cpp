#include "swexternals/desktop/DesktopBeeldLader.h"

#include "resources/Hulpbronnen.h"

#include <wx/mstream.h>

namespace
{
const char* const ikonenMap = "../../../grafisch/ikonen/";
} // namespace

wxString DesktopBeeldLader::ikoon(int maat, const wxString& naam)
{
    return ikoon(wxString::Format("%dx%d/", maat, maat) + naam);
}

wxString DesktopBeeldLader::ikoon(const wxString& inSet)
{
    return ikonenMap + inSet;
}

void DesktopBeeldLader::zorgVoorHandlers()
{
    static const bool geregistreerd = []
    {
        if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG))
            wxImage::AddHandler(new wxPNGHandler);
        if (!wxImage::FindHandler(wxBITMAP_TYPE_JPEG))
            wxImage::AddHandler(new wxJPEGHandler);
        return true;
    }();
    (void)geregistreerd;
}

wxImage DesktopBeeldLader::leesBeeld(const wxString& naam)
{
    const Hulpbron* bron = vindHulpbron(naam.utf8_str());
    if (!bron)
        return wxImage();
    zorgVoorHandlers();
    wxMemoryInputStream stroom(bron->data, bron->grootte);
    wxImage beeld;
    if (!beeld.LoadFile(stroom, wxBITMAP_TYPE_ANY))
        return wxImage();
    return beeld;
}

wxBitmap DesktopBeeldLader::leesBitmap(const wxString& naam)
{
    const wxImage beeld = leesBeeld(naam);
    return beeld.IsOk() ? wxBitmap(beeld) : wxNullBitmap;
}

wxIcon DesktopBeeldLader::leesIcoon(const wxString& naam)
{
    wxIcon icoon;
    const wxImage beeld = leesBeeld(naam);
    if (beeld.IsOk())
        icoon.CopyFromBitmap(wxBitmap(beeld));
    return icoon;
}
