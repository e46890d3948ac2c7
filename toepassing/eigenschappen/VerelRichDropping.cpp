#include "toepassing/eigenschappen/VerelRichDropping.h"

#include "swexternals/desktop/DesktopFunkties.h"

#include <wx/dataobj.h>
#include <wx/image.h>
#include <wx/intl.h>
#include <wx/richtext/richtextctrl.h>

VerelRichDropping::VerelRichDropping(wxRichTextCtrl* rijk_, Inhoud inhoud_)
    : TrivaneRichDropping(rijk_, wxSize(100, 100)), rijk(rijk_), inhoud(inhoud_)
{
}

bool VerelRichDropping::neemtInvoer() const
{
    return rijk && rijk->IsEditable() && rijk->IsEnabled();
}

bool VerelRichDropping::OnDrop(wxCoord x, wxCoord y)
{
    return neemtInvoer() && TrivaneRichDropping::OnDrop(x, y);
}

wxDragResult VerelRichDropping::OnData(wxCoord x, wxCoord y, wxDragResult voorstel)
{
    // Asked again: the field may have changed since OnDrop.
    if (!neemtInvoer())
        return wxDragNone;
    if (!GetData())
        return wxDragError;
    auto* samengesteld = dynamic_cast<wxDataObjectComposite*>(GetDataObject());
    if (!samengesteld)
        return wxDragError;
    const wxDataFormat formaat = samengesteld->GetReceivedFormat();
    if (formaat == wxDF_FILENAME)
    {
        const auto* bestanden = dynamic_cast<const wxFileDataObject*>(samengesteld->GetObject(formaat));
        if (!bestanden)
            return wxDragError;
        return neemBestanden(x, y, bestanden->GetFilenames());
    }
    if (inhoud == Inhoud::alleenTekst && (formaat == wxDF_BITMAP || formaat == wxDF_DIB))
    {
        weigerAfbeelding();
        return wxDragNone;
    }
    return TrivaneRichDropping::OnData(x, y, voorstel);
}

// A field of plain text takes the text files of the list and refuses the
// pictures in it.
wxDragResult VerelRichDropping::neemBestanden(wxCoord x, wxCoord y, const wxArrayString& namen)
{
    wxArrayString welkom;
    bool afbeeldingGeweigerd = false;
    for (const wxString& naam : namen)
    {
        if (inhoud == Inhoud::alleenTekst && wxImage::CanRead(naam))
            afbeeldingGeweigerd = true;
        else
            welkom.Add(naam);
    }
    if (afbeeldingGeweigerd)
        weigerAfbeelding();
    if (welkom.empty())
        return wxDragNone;
    return geefResultaat(OnDropFiles(x, y, welkom));
}

wxDragResult VerelRichDropping::geefResultaat(bool genomen) const
{
    if (!genomen)
        return wxDragNone;
    return geefDropInfo().kopie ? wxDragCopy : wxDragMove;
}

void VerelRichDropping::weigerAfbeelding()
{
    DesktopFunkties::wxWaarschuwingVeilig(_("This field keeps plain text only: pictures cannot be dropped on it."));
}
