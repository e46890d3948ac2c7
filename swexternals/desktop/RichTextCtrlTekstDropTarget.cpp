#include "swexternals/desktop/RichTextCtrlTekstDropTarget.h"

#include "swexternals/desktop/ToonbareTekstDataObjekt.h"

#include <wx/richtext/richtextctrl.h>

RichTextCtrlTekstDropTarget::RichTextCtrlTekstDropTarget(wxRichTextCtrl* control) : control(control)
{
    // The base's own object reads text that is no UTF-8 as none.
    SetDataObject(new ToonbareTekstDataObjekt);
}

bool RichTextCtrlTekstDropTarget::OnDropText(wxCoord, wxCoord, const wxString& tekst)
{
    if (!control || !control->IsEditable())
        return false;
    control->AppendText(tekst);
    control->MarkDirty();
    return true;
}
