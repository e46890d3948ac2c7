#ifndef SWEXTERNALS_DESKTOP_TRIVANERICHDROPPING_H
#define SWEXTERNALS_DESKTOP_TRIVANERICHDROPPING_H

#include "swexternals/desktop/RichDropVerwerker.h"
#include "swexternals/desktop/TrivaneRichDropInfo.h"

#include <wx/dnd.h>

class wxBitmapDataObject;
class wxFileDataObject;
class wxRichTextCtrl;
class wxTextDataObject;

// The drop target of a rich-text field: it takes dropped text, files and
// pictures. Use: `control->SetDropTarget(new TrivaneRichDropping(control,
// wxSize(100, 100)))`; the control owns the target from then on and the
// target lives as long as the control. A dialog may derive its own target
// from this one to fix the box size.
//
// - Text is appended after the field's content, wherever it lands.
// - A picture (a bitmap, or an image file) is inserted at the caret; one
//   larger than the box is, when the user agrees, scaled to fit inside it
//   with its proportions kept. An image file keeps its format (JPEG stays
//   JPEG), a bitmap becomes PNG.
// - A text file replaces the content, after a question when the field is
//   not empty; files that are no text (a video, a program) or larger than
//   RichDropVerwerker::maxTekstBestandBytes are refused with a message.
// - A field that cannot be edited takes nothing.
// Questions go through DesktopVraag. The source of a text or picture drop is
// told "copy" when Ctrl was down, else "move".
class TrivaneRichDropping : public wxDropTarget
{
public:
    TrivaneRichDropping(wxRichTextCtrl* control, const wxSize& maxAfbeelding);
    ~TrivaneRichDropping() override;

    TrivaneRichDropping(const TrivaneRichDropping&) = delete;
    TrivaneRichDropping& operator=(const TrivaneRichDropping&) = delete;

    // The toolkit asks whether the drop is welcome before the data has
    // come: yes, unless the field cannot be edited.
    bool OnDrop(wxCoord x, wxCoord y) override;
    // Fetches what was dropped and puts it into the field: wxDragError when
    // nothing could be fetched, wxDragNone when it was refused, else copy or
    // move.
    wxDragResult OnData(wxCoord x, wxCoord y, wxDragResult voorstel) override;

    bool OnDropText(wxCoord x, wxCoord y, const wxString& tekst);
    // Each file on its own, in order; false when any was refused.
    bool OnDropFiles(wxCoord x, wxCoord y, const wxArrayString& namen);
    bool OnDropBitmap(wxCoord x, wxCoord y, const wxBitmap& bitmap);

    const TrivaneRichDropInfo& geefDropInfo() const { return dropInfo; }

private:
    bool verwerk(wxCoord x, wxCoord y);
    void registreerDrop(wxCoord x, wxCoord y);
    void verwerkBestand(const wxString& naam, bool& resultaat);

    wxRichTextCtrl* control;
    wxDataObjectComposite* samengesteld;
    wxFileDataObject* bestanden;
    wxTextDataObject* tekst;
    wxBitmapDataObject* bitmap;
    TrivaneRichDropInfo dropInfo;
    RichDropVerwerker verwerker;
};

#endif
