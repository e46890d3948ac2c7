#include "swexternals/desktop/RichTextCtrlTekstDropTarget.h"

#include <wx/richtext/richtextctrl.h>

RichTextCtrlTekstDropTarget::RichTextCtrlTekstDropTarget(wxRichTextCtrl* control) : control(control) {}

bool RichTextCtrlTekstDropTarget::OnDropText(wxCoord, wxCoord, const wxString& tekst)
{
    if (!control || !control->IsEditable())
        return false;
    control->AppendText(tekst);
    control->MarkDirty();
    return true;
}
