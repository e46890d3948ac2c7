#ifndef SWEXTERNALS_DESKTOP_RICHDROPVERWERKER_H
#define SWEXTERNALS_DESKTOP_RICHDROPVERWERKER_H

#include <wx/bitmap.h>
#include <wx/gdicmn.h>
#include <wx/string.h>

class wxImage;
class wxRichTextCtrl;

// What the drop targets of a rich-text field do with what is dropped: text
// appended, pictures inserted at the caret (scaled to fit the field's box
// when the user agrees), text files loaded in place of the content. A field
// that cannot be edited takes nothing. Every change marks the field as
// edited, so that its stored text is written anew.
class RichDropVerwerker
{
public:
    // A text file is loaded only up to this size.
    static constexpr unsigned long maxTekstBestandBytes = 1024 * 1024;

    enum class Bestand
    {
        tekst,
        geenTekst, // a video, a program, anything with control characters
        teGroot,
        onleesbaar
    };

    RichDropVerwerker(wxRichTextCtrl* control, const wxSize& maxAfbeelding);

    bool isBewerkbaar() const;
    bool isLeeg() const;
    const wxSize& geefMaxAfbeelding() const { return maxAfbeelding; }

    // Appends at the end of the content, wherever it was dropped. Always true.
    bool voegTekstToe(const wxString& tekst);
    // Asks for a picture larger than the box whether to scale it to fit
    // (keeping its proportions); false when a failed scaling leaves nothing
    // to insert (reported with `schaalFout`).
    bool pasGrootteAan(wxImage& beeld, const wxString& schaalFout);
    // At the caret, as an image block of that type.
    bool voegAfbeeldingIn(const wxImage& beeld, int type);

    // A file that claims to be a picture and does not load is passed over
    // without a word: false.
    static bool laadAfbeelding(const wxString& pad, wxImage& beeld);
    // Reads a dropped file as text: UTF-8 or 8-bit, or UTF-16/32 with a
    // byte-order mark.
    Bestand leesTekstBestand(const wxString& pad, wxString& tekst) const;
    // Asks before a dropped file erases what the field holds; true when the
    // field is empty or the user agrees.
    bool magVervangen();
    void vervangDoor(const wxString& tekst);
    // After loading the field through the control itself.
    void markeerGewijzigd();
    // The error for a file that was not taken, with the reason on its own line.
    static void meldBestandFout(const wxString& pad, const wxString& reden);
    static wxString geefReden(Bestand bestand);

private:
    static bool isTekst(const wxString& tekst);

    wxRichTextCtrl* control;
    wxSize maxAfbeelding;
};

#endif
