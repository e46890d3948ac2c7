#ifndef TOEPASSING_KERN_PROJEKTBESTANDSNAAM_H
#define TOEPASSING_KERN_PROJEKTBESTANDSNAAM_H

#include <wx/filename.h>
#include <wx/string.h>

class wxWindow;

// The file of a project as the dialogs that save one propose it and take it
// back: the main window's Save as, and the question whether a project in
// memory is kept at its end. Never instantiated.
class ProjektBestandsNaam
{
public:
    ProjektBestandsNaam() = delete;

    // A project name may hold anything a user types; as a file name it must
    // not reach into another folder.
    static wxString maakVoorstel(const wxString& projektNaam);
    // Asks in the save dialog for the file a project goes to, proposing its
    // name; an empty file name when the user cancelled. An empty file the
    // dialog made there meanwhile is gone again: the save writes its own
    // file, and none where it fails.
    static wxFileName kies(const wxString& titel, const wxString& map, const wxString& projektNaam,
                           const wxString& wildcard, const wxString& extensie, wxWindow* ouder);
    // The save dialog leaves the extension to the user. Added, not put in
    // place of what follows the last dot: "Release 1.2" stays
    // "Release 1.2.vtd". A name that has it keeps it as typed; "saved.VTD"
    // has it only where the file system takes it for "saved.vtd".
    static wxFileName metExtensie(const wxString& pad, const wxString& extensie);
};

#endif
