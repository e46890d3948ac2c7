#include "swexternals/desktop/RichTextCtrlBestandDropTarget.h"

#include <wx/image.h>
#include <wx/intl.h>
#include <wx/richtext/richtextctrl.h>

RichTextCtrlBestandDropTarget::RichTextCtrlBestandDropTarget(wxRichTextCtrl* control, const wxSize& maxAfbeelding)
    : control(control), verwerker(control, maxAfbeelding)
{
}

bool RichTextCtrlBestandDropTarget::OnDropFiles(wxCoord, wxCoord, const wxArrayString& namen)
{
    if (!verwerker.isBewerkbaar())
        return false;
    bool resultaat = true;
    for (const wxString& naam : namen)
        verwerkBestand(naam, resultaat);
    return resultaat;
}

void RichTextCtrlBestandDropTarget::verwerkBestand(const wxString& naam, bool& resultaat)
{
    if (wxImage::CanRead(naam))
    {
        wxImage beeld;
        if (!RichDropVerwerker::laadAfbeelding(naam, beeld))
            return;
        const wxBitmapType type = beeld.GetType();
        if (!verwerker.pasGrootteAan(beeld, _("Scaling the inserted image was not possible.")))
        {
            resultaat = false;
            return;
        }
        resultaat = verwerker.voegAfbeeldingIn(beeld, type);
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
    if (!verwerker.magVervangen())
        return;
    if (!control->LoadFile(naam, wxRICHTEXT_TYPE_ANY))
    {
        RichDropVerwerker::meldBestandFout(naam, RichDropVerwerker::geefReden(RichDropVerwerker::Bestand::geenTekst));
        resultaat = false;
        return;
    }
    // Loading counts as the user's edit, not as the field's stored text.
    verwerker.markeerGewijzigd();
}
