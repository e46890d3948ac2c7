#include "swexternals/desktop/RichFunkties.h"

#include "swexternals/desktop/DesktopFunkties.h"

#include <wx/clntdata.h>
#include <wx/convauto.h>
#include <wx/log.h>
#include <wx/mstream.h>
#include <wx/richtext/richtextctrl.h>
#include <wx/richtext/richtextxml.h>
#include <wx/txtstrm.h>

namespace
{
// What laadTekst put into the control, with the plain text the control
// showed right after, so that an untouched field is stored as it came.
class GeladenTekst : public wxClientData
{
public:
    GeladenTekst(const wxString& opgeslagen, const wxString& getoond) : opgeslagen(opgeslagen), getoond(getoond) {}
    const wxString opgeslagen;
    const wxString getoond;
};

// The stored form of a written document: every line followed by "\n", read
// until the stream reports its end, so at least one line.
wxString leesRegels(const wxMemoryOutputStream& document)
{
    wxMemoryInputStream invoer(document);
    wxTextInputStream lezer(invoer, " \t", wxConvAuto());
    wxString tekst;
    do
        tekst += lezer.ReadLine() + DesktopFunkties::vr;
    while (!invoer.Eof());
    return tekst;
}

bool schrijf(wxRichTextCtrl& control, wxRichTextFileType soort, wxMemoryOutputStream& document)
{
    return control.GetBuffer().SaveFile(document, soort);
}

bool laad(wxRichTextCtrl& control, const wxMemoryOutputStream& document, wxRichTextFileType soort)
{
    wxMemoryInputStream invoer(document);
    return control.GetBuffer().LoadFile(invoer, soort);
}
} // namespace

int RichFunkties::bewaarTekst(wxString& tekst, wxRichTextCtrl* control)
{
    if (!control)
        return 2;
    wxString geladen;
    if (isOnaangeroerd(*control, geladen))
    {
        tekst += geladen;
        return 0;
    }
    if (control->GetLastPosition() <= 0)
        return 1;
    zorgVoorXMLHandler();
    wxMemoryOutputStream document;
    if (!schrijf(*control, wxRICHTEXT_TYPE_XML, document))
    {
        wxMemoryOutputStream gewoon;
        if (!schrijf(*control, wxRICHTEXT_TYPE_TEXT, gewoon))
            return 2;
        tekst += leesRegels(gewoon);
        return 0;
    }
    tekst += leesRegels(document);
    return 0;
}

int RichFunkties::laadTekst(const wxString& tekst, wxRichTextCtrl* control)
{
    if (!control)
        return 2;
    if (tekst.empty())
        return 1;
    zorgVoorXMLHandler();
    wxMemoryOutputStream document;
    {
        wxTextOutputStream schrijver(document, wxEOL_NATIVE, wxConvAuto());
        schrijver.WriteString(tekst);
        schrijver.Flush();
    }
    bool gelukt = false;
    {
        // A text that is no document is the expected case (a note typed in
        // elsewhere): the XML parser's complaint is no news for the user.
        wxLogNull stil;
        gelukt = laad(*control, document, wxRICHTEXT_TYPE_XML);
    }
    if (!gelukt)
        gelukt = laad(*control, document, wxRICHTEXT_TYPE_TEXT);

    // Loading into the buffer bypasses the control: lay out all of it anew,
    // not only what is visible, and show it from the top.
    control->GetBuffer().Invalidate(wxRICHTEXT_ALL);
    control->LayoutContent(false);
    control->SetInsertionPoint(0);
    control->SetupScrollbars(true);
    control->Refresh(true);
    control->DiscardEdits();
    if (!gelukt)
    {
        control->SetClientObject(nullptr);
        return 2;
    }
    onthoudGeladen(*control, tekst);
    return 0;
}

void RichFunkties::zorgVoorXMLHandler()
{
    // Without it both directions would quietly lose all formatting and images.
    if (!wxRichTextBuffer::FindHandler(wxRICHTEXT_TYPE_XML))
        wxRichTextBuffer::AddHandler(new wxRichTextXMLHandler);
}

bool RichFunkties::isOnaangeroerd(wxRichTextCtrl& control, wxString& geladen)
{
    const auto* bewaard = dynamic_cast<const GeladenTekst*>(control.GetClientObject());
    if (!bewaard || control.IsModified() || control.GetValue() != bewaard->getoond)
        return false;
    geladen = bewaard->opgeslagen;
    return true;
}

void RichFunkties::onthoudGeladen(wxRichTextCtrl& control, const wxString& tekst)
{
    // The control owns its client object and deletes the previous one.
    control.SetClientObject(new GeladenTekst(tekst, control.GetValue()));
}
