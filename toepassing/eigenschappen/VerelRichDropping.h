#ifndef TOEPASSING_EIGENSCHAPPEN_VERELRICHDROPPING_H
#define TOEPASSING_EIGENSCHAPPEN_VERELRICHDROPPING_H

#include "swexternals/desktop/TrivaneRichDropping.h"

class wxRichTextCtrl;

// The drop target of a rich-text field of the properties dialog: the desktop
// library's, with pictures fitted into 100 x 100 pixels. The editor owns it.
//
// What the dialog adds: a field that takes no input (read-only by the status
// rules, or disabled on a read-only project) takes no drop; an empty list
// of files is refused; and a field whose text is kept plain (the remarks)
// takes no pictures, which would be lost when the requirement is stored.
class VerelRichDropping : public TrivaneRichDropping
{
public:
    enum class Inhoud
    {
        alles,
        alleenTekst
    };

    explicit VerelRichDropping(wxRichTextCtrl* rijk, Inhoud inhoud = Inhoud::alles);
    ~VerelRichDropping() override = default;

    Inhoud geefInhoud() const { return inhoud; }

    bool OnDrop(wxCoord x, wxCoord y) override;
    wxDragResult OnData(wxCoord x, wxCoord y, wxDragResult voorstel) override;

private:
    bool neemtInvoer() const;
    wxDragResult neemBestanden(wxCoord x, wxCoord y, const wxArrayString& namen);
    wxDragResult geefResultaat(bool genomen) const;
    static void weigerAfbeelding();

    wxRichTextCtrl* rijk;
    Inhoud inhoud;
};

#endif
