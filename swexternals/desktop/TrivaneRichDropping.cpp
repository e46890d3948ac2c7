#include "swexternals/desktop/TrivaneRichDropping.h"

#include "swexternals/desktop/DesktopFunkties.h"
#include "swexternals/desktop/ToonbareTekstDataObjekt.h"

#include <wx/dataobj.h>
#include <wx/filename.h>
#include <wx/image.h>
#include <wx/intl.h>
#include <wx/richtext/richtextctrl.h>
#include <wx/utils.h>

TrivaneRichDropping::TrivaneRichDropping(wxRichTextCtrl* control, const wxSize& maxAfbeelding)
    : wxDropTarget(), control(control), samengesteld(new wxDataObjectComposite), bestanden(new wxFileDataObject),
      tekst(new ToonbareTekstDataObjekt), bitmap(new wxBitmapDataObject), dropInfo(0, 0, false, false, false, false),
      verwerker(control, maxAfbeelding)
{
    samengesteld->Add(bestanden, false);
    samengesteld->Add(tekst, true);
    samengesteld->Add(bitmap, false);
    // The base owns the composite, and the composite the three others.
    SetDataObject(samengesteld);
}

TrivaneRichDropping::~TrivaneRichDropping() = default;

bool TrivaneRichDropping::OnDrop(wxCoord, wxCoord)
{
    return verwerker.isBewerkbaar();
}

wxDragResult TrivaneRichDropping::OnData(wxCoord x, wxCoord y, wxDragResult)
{
    // Asked again here: the field may have become read-only since OnDrop.
    if (!verwerker.isBewerkbaar())
        return wxDragNone;
    if (!GetData())
        return wxDragError;
    if (!verwerk(x, y))
        return wxDragNone;
    return dropInfo.kopie ? wxDragCopy : wxDragMove;
}

bool TrivaneRichDropping::verwerk(wxCoord x, wxCoord y)
{
    switch (samengesteld->GetReceivedFormat().GetType())
    {
    case wxDF_TEXT:
    case wxDF_OEMTEXT:
    case wxDF_UNICODETEXT:
        return OnDropText(x, y, tekst->GetText());
    case wxDF_BITMAP:
    case wxDF_DIB:
        return OnDropBitmap(x, y, bitmap->GetBitmap());
    case wxDF_FILENAME:
        return OnDropFiles(x, y, bestanden->GetFilenames());
    default:
        DesktopFunkties::wxErrorVeilig(_("An unsupported data object was dropped on the control."));
        return false;
    }
}

void TrivaneRichDropping::registreerDrop(wxCoord x, wxCoord y)
{
    dropInfo = TrivaneRichDropInfo(x, y, wxGetKeyState(WXK_CONTROL), false, false, false);
}

bool TrivaneRichDropping::OnDropText(wxCoord x, wxCoord y, const wxString& gedropt)
{
    if (!verwerker.isBewerkbaar())
        return false;
    registreerDrop(x, y);
    return verwerker.voegTekstToe(gedropt);
}

bool TrivaneRichDropping::OnDropBitmap(wxCoord x, wxCoord y, const wxBitmap& gedropt)
{
    if (!verwerker.isBewerkbaar())
        return false;
    wxImage beeld = gedropt.IsOk() ? gedropt.ConvertToImage() : wxImage();
    if (!beeld.IsOk())
    {
        DesktopFunkties::wxErrorVeilig(_("The dropped image cannot be processed by the application."));
        return false;
    }
    beeld.SetType(wxBITMAP_TYPE_PNG);
    registreerDrop(x, y);
    if (!verwerker.pasGrootteAan(beeld, _("Scaling of the inserted image was not possible.")))
        return false;
    return verwerker.voegAfbeeldingIn(beeld, wxBITMAP_TYPE_PNG);
}

bool TrivaneRichDropping::OnDropFiles(wxCoord, wxCoord, const wxArrayString& namen)
{
    if (!verwerker.isBewerkbaar())
        return false;
    bool resultaat = true;
    for (const wxString& naam : namen)
        verwerkBestand(naam, resultaat);
    return resultaat;
}

void TrivaneRichDropping::verwerkBestand(const wxString& naam, bool& resultaat)
{
    if (!wxFileName::IsFileReadable(naam))
    {
        resultaat = false;
        return;
    }
    if (wxImage::CanRead(naam))
    {
        wxImage beeld;
        if (!RichDropVerwerker::laadAfbeelding(naam, beeld))
            return;
        const wxBitmapType type = beeld.GetType();
        if (verwerker.pasGrootteAan(beeld, _("Scaling of the inserted image was not possible.")))
            (void)verwerker.voegAfbeeldingIn(beeld, type);
        return;
    }
    wxString inhoud;
    const RichDropVerwerker::Bestand gelezen = verwerker.leesTekstBestand(naam, inhoud);
    if (gelezen != RichDropVerwerker::Bestand::tekst)
    {
        RichDropVerwerker::meldBestandFout(naam, RichDropVerwerker::geefReden(gelezen));
        resultaat = false;
        return;
    }
    if (verwerker.magVervangen())
        verwerker.vervangDoor(inhoud);
}
