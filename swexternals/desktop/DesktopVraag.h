#ifndef SWEXTERNALS_DESKTOP_DESKTOPVRAAG_H
#define SWEXTERNALS_DESKTOP_DESKTOPVRAAG_H

#include <optional>
#include <wx/arrstr.h>
#include <wx/colour.h>
#include <wx/font.h>
#include <wx/string.h>

class wxAboutDialogInfo;
class wxWindow;

// Every question the libraries and the application put to the user goes
// through this one object: message boxes with a choice, file and folder
// dialogs, a text, a number, a colour, a font, a symbol, one of several
// choices; and the about box, which asks nothing but is a modal dialog all
// the same. The default asks with the real wx dialogs; tests put their own in
// place with `zet` (tests/ondersteuning/VraagBeantwoorder) and answer without
// a display.
//
// Call it as DesktopVraag::geef().vraagTekst(...). Never show one of these
// dialogs directly: a test cannot answer it, and on GTK several of them
// (colour, font, number, symbol) ignore values that a test sets before they
// return.
//
// The new questions answer "cancelled" with an empty optional, so that a
// caller cannot take a cancel for an answer.
class DesktopVraag
{
public:
    // Own texts for the buttons of a question; an empty text keeps the
    // button's stock label.
    struct Knoppen
    {
        wxString ja;
        wxString nee;
        wxString annuleer;
    };

    // A symbol as the rich-text symbol picker gives it: the character, and
    // the face name of the font it was picked from; an empty face name means
    // the normal font of the text the symbol goes into.
    struct Symbool
    {
        wxUniChar teken;
        wxString fontNaam;
    };

    virtual ~DesktopVraag() = default;

    // As wxMessageBox: style with wxYES_NO, wxOK, wxCANCEL and an icon flag;
    // the answer is wxYES, wxNO, wxOK or wxCANCEL.
    virtual int stelVraag(const wxString& bericht, const wxString& titel, long stijl, wxWindow* ouder,
                          const Knoppen& knoppen) = 0;
    int stelVraag(const wxString& bericht, const wxString& titel, long stijl, wxWindow* ouder)
    {
        return stelVraag(bericht, titel, stijl, ouder, Knoppen());
    }

    // A file chosen in a file dialog, with the filter the user chose it
    // under: the index of the format in the wildcard, from 0 (the one the
    // dialog opens with).
    struct GekozenBestand
    {
        wxString pad;
        int filter = 0;
    };

    // As wxFileDialog: the chosen full path (empty when the user cancelled)
    // and the filter chosen. Style is wxFD_OPEN or wxFD_SAVE with their
    // modifiers.
    virtual GekozenBestand kiesBestandEnFilter(const wxString& bericht, const wxString& standaardMap,
                                               const wxString& standaardNaam, const wxString& wildcard, long stijl,
                                               wxWindow* ouder) = 0;
    // The same, for a caller to whom the filter does not matter.
    wxString kiesBestand(const wxString& bericht, const wxString& standaardMap, const wxString& standaardNaam,
                         const wxString& wildcard, long stijl, wxWindow* ouder)
    {
        return kiesBestandEnFilter(bericht, standaardMap, standaardNaam, wildcard, stijl, ouder).pad;
    }

    // As wxDirSelector: the chosen folder, or empty when the user cancelled.
    virtual wxString kiesMap(const wxString& bericht, const wxString& standaardMap, wxWindow* ouder) = 0;

    // As wxTextEntryDialog with OK and Cancel, centred (wxGetTextFromUser):
    // the text entered, which may be empty; nothing when the user cancelled.
    // `voorstel` stands in the field when the dialog opens.
    virtual std::optional<wxString> vraagTekst(const wxString& bericht, const wxString& titel, const wxString& voorstel,
                                               wxWindow* ouder) = 0;

    // As wxGetNumberFromUser: `prompt` labels the field, which opens on
    // `voorstel`; the answer lies from `min` to `max` (the dialog takes no
    // other). Nothing when the user cancelled.
    virtual std::optional<long> vraagGetal(const wxString& bericht, const wxString& prompt, const wxString& titel,
                                           long voorstel, long min, long max, wxWindow* ouder) = 0;

    // As wxColourDialog opened on `begin` (an invalid colour opens it on
    // none): the colour chosen, or nothing when the user cancelled. An
    // empty title keeps the dialog's own.
    virtual std::optional<wxColour> kiesKleur(const wxColour& begin, const wxString& titel, wxWindow* ouder) = 0;

    // As wxFontDialog opened on `begin`: the font chosen, or nothing when
    // the user cancelled. An empty title keeps the dialog's own.
    virtual std::optional<wxFont> kiesFont(const wxFont& begin, const wxString& titel, wxWindow* ouder) = 0;

    // As the rich-text symbol picker (wxSymbolPickerDialog, 400 x 300 pixels)
    // opened on `symbool` in the font `fontNaam`; `normaleFont` is the face
    // name of the text the symbol goes into (the picker offers it as "normal
    // text"). The symbol chosen, or nothing when the user cancelled or
    // pressed OK without choosing one.
    virtual std::optional<Symbool> kiesSymbool(const wxString& symbool, const wxString& fontNaam,
                                               const wxString& normaleFont, const wxString& titel, wxWindow* ouder) = 0;

    // As wxSingleChoiceDialog: one of `keuzes`, `begin` selected when the
    // dialog opens (-1: none). The index of the choice, or nothing when the
    // user cancelled.
    virtual std::optional<int> kiesUitLijst(const wxString& bericht, const wxString& titel, const wxArrayString& keuzes,
                                            int begin, wxWindow* ouder) = 0;

    // Shows the about box (wxAboutBox) over `ouder`, or on its own when that
    // is null, and returns once the user closed it.
    virtual void toonAboutBox(const wxAboutDialogInfo& info, wxWindow* ouder) = 0;

    // The object that asks now.
    static DesktopVraag& geef();
    // Puts another object in place (null restores the real dialogs); returns
    // the one that asked before. The caller keeps ownership.
    static DesktopVraag* zet(DesktopVraag* nieuw);
};

#endif
