#ifndef SWEXTERNALS_DESKTOP_RICHTEXTCTRLBESTANDDROPTARGET_H
#define SWEXTERNALS_DESKTOP_RICHTEXTCTRLBESTANDDROPTARGET_H

#include "swexternals/desktop/RichDropVerwerker.h"

#include <wx/dnd.h>

class wxRichTextCtrl;

// A drop target for a rich-text field that takes files only: pictures as
// TrivaneRichDropping takes them, and text files loaded by the rich-text
// handler their extension names (a ".xml" file as a rich-text document),
// in place of the content after a question. The control owns the target.
class RichTextCtrlBestandDropTarget : public wxFileDropTarget
{
public:
    RichTextCtrlBestandDropTarget(wxRichTextCtrl* control, const wxSize& maxAfbeelding);

    // False after a refused file or a failed scaling; after each inserted
    // picture, whether it went in.
    bool OnDropFiles(wxCoord x, wxCoord y, const wxArrayString& namen) override;

private:
    void verwerkBestand(const wxString& naam, bool& resultaat);

    wxRichTextCtrl* control;
    RichDropVerwerker verwerker;
};

#endif
