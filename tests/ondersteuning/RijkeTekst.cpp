#include "tests/ondersteuning/RijkeTekst.h"

#include "swexternals/desktop/DesktopBeeldLader.h"
#include "swexternals/desktop/RichFunkties.h"

#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/richtext/richtextctrl.h>
#include <wx/richtext/richtexthtml.h>
#include <wx/richtext/richtextxml.h>

wxString alsRijk(const wxString& tekst)
{
    wxFrame houder(nullptr, wxID_ANY, "houder");
    auto* rijk = new wxRichTextCtrl(&houder, wxID_ANY);
    rijk->SetValue(tekst);
    wxString opgeslagen;
    EXPECT_EQ(RichFunkties::bewaarTekst(opgeslagen, rijk), 0);
    return opgeslagen;
}

wxString platteTekst(const wxString& rijk)
{
    wxFrame houder(nullptr, wxID_ANY, "houder");
    auto* veld = new wxRichTextCtrl(&houder, wxID_ANY);
    if (RichFunkties::laadTekst(rijk, veld) == 2)
        return "(unreadable)";
    return veld->GetValue();
}

void registreerFormaten()
{
    DesktopBeeldLader::zorgVoorHandlers();
    if (!wxRichTextBuffer::FindHandler(wxRICHTEXT_TYPE_XML))
        wxRichTextBuffer::AddHandler(new wxRichTextXMLHandler("XML", "xml", wxRICHTEXT_TYPE_XML));
    if (!wxRichTextBuffer::FindHandler(wxRICHTEXT_TYPE_HTML))
        wxRichTextBuffer::AddHandler(new wxRichTextHTMLHandler("HTML", "html", wxRICHTEXT_TYPE_HTML));
}
