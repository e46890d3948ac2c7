#ifndef SWEXTERNALS_DESKTOP_DESKTOPVRAAG_H
#define SWEXTERNALS_DESKTOP_DESKTOPVRAAG_H

#include <wx/string.h>

class wxWindow;

// Every question the libraries and the application put to the user (message
// boxes with a choice, file dialogs) goes through this one object. The default
// asks with the real wx dialogs; tests put their own in place with `zet` and
// answer without a display.
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

    virtual ~DesktopVraag() = default;

    // As wxMessageBox: style with wxYES_NO, wxOK, wxCANCEL and an icon flag;
    // the answer is wxYES, wxNO, wxOK or wxCANCEL.
    virtual int stelVraag(const wxString& bericht, const wxString& titel, long stijl, wxWindow* ouder,
                          const Knoppen& knoppen) = 0;
    int stelVraag(const wxString& bericht, const wxString& titel, long stijl, wxWindow* ouder)
    {
        return stelVraag(bericht, titel, stijl, ouder, Knoppen());
    }

    // As wxFileSelector: the chosen full path, or empty when the user cancelled.
    // Style is wxFD_OPEN or wxFD_SAVE with their modifiers.
    virtual wxString kiesBestand(const wxString& bericht, const wxString& standaardMap, const wxString& standaardNaam,
                                 const wxString& wildcard, long stijl, wxWindow* ouder) = 0;

    // As wxDirSelector: the chosen folder, or empty when the user cancelled.
    virtual wxString kiesMap(const wxString& bericht, const wxString& standaardMap, wxWindow* ouder) = 0;

    // The object that asks now.
    static DesktopVraag& geef();
    // Puts another object in place (null restores the real dialogs); returns
    // the one that asked before. The caller keeps ownership.
    static DesktopVraag* zet(DesktopVraag* nieuw);
};

#endif
