#ifndef SWEXTERNALS_DESKTOP_RICHTEXTCTRLTEKSTDROPTARGET_H
#define SWEXTERNALS_DESKTOP_RICHTEXTCTRLTEKSTDROPTARGET_H

#include <wx/dnd.h>

class wxRichTextCtrl;

// A drop target for a rich-text field that takes text only and appends it
// after the content; a field that cannot be edited takes nothing. The source
// is told what it suggested. The control owns the target (SetDropTarget).
class RichTextCtrlTekstDropTarget : public wxTextDropTarget
{
public:
    explicit RichTextCtrlTekstDropTarget(wxRichTextCtrl* control);

    bool OnDropText(wxCoord x, wxCoord y, const wxString& tekst) override;

private:
    wxRichTextCtrl* control;
};

#endif
