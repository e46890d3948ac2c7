#ifndef SWEXTERNALS_DESKTOP_RICHFUNKTIES_H
#define SWEXTERNALS_DESKTOP_RICHFUNKTIES_H

#include <wx/string.h>

class wxRichTextCtrl;

// The stored form of a rich-text field: the rich-text control's own XML
// document, as its XML file handler writes it, read line by line with "\n"
// after every line (so the stored text ends with one "\n" more than the
// document). A control that cannot write XML is stored as its plain text,
// joined the same way. Project files and exchange files hold this text, so
// its form never changes. Never instantiated; GUI thread only.
//
// For the dialogs that edit such fields: fill each editor with laadTekst when
// the dialog opens and take it back with bewaarTekst on OK. A field the user
// did not touch comes back exactly as it was loaded, also when it was not a
// document this control can read (a plain note written elsewhere, or a
// damaged document shown as its raw text): nothing is rewritten behind the
// user's back. Edits through the control (typing, drops, pasting) count as
// touching; code that changes an editor's content itself should call
// MarkDirty(). The loaded text is kept as the control's client object, which
// these editors must leave to this class.
class RichFunkties
{
public:
    RichFunkties() = delete;

    // Appends the stored form of the control's content to `tekst` (callers
    // pass an empty text). 0 done; 1 the control is empty, `tekst` untouched;
    // 2 failed (no control, or neither form could be written).
    [[nodiscard]] static int bewaarTekst(wxString& tekst, wxRichTextCtrl* control);

    // Replaces the control's content with what the stored text describes:
    // the XML document, or, when the text is no such document, the text
    // itself unformatted. Leaves the control unmodified. 0 done; 1 the
    // stored text is empty and the control keeps what it shows (callers that
    // reuse a control clear it themselves); 2 failed (no control, or nothing
    // could be loaded).
    [[nodiscard]] static int laadTekst(const wxString& tekst, wxRichTextCtrl* control);

private:
    static void zorgVoorXMLHandler();
    static bool isOnaangeroerd(wxRichTextCtrl& control, wxString& geladen);
    static void onthoudGeladen(wxRichTextCtrl& control, const wxString& tekst);
};

#endif
