#ifndef TOEPASSING_EIGENSCHAPPEN_BESTANDSVOORSTEL_H
#define TOEPASSING_EIGENSCHAPPEN_BESTANDSVOORSTEL_H

#include <wx/filename.h>
#include <wx/string.h>

class wxWindow;

// What the dialogs that save one requirement's text share: the file name
// they propose, the extension every saved file gets, and the question before
// a file is replaced. Never instantiated.
class BestandsVoorstel
{
public:
    BestandsVoorstel() = delete;

    // The longest proposed name, in characters.
    static constexpr size_t maxLengte = 24;

    // The title as a file name: blanks and the signs a shell reads otherwise
    // replaced as DesktopFunkties::maakSchoonPadNaam does, no folder
    // separators, cut to maxLengte characters, never between a letter and
    // an accent that belongs to it.
    static wxString maakNaam(const wxString& titel);
    // The chosen path with the extension added unless it has it already.
    static wxFileName metExtensie(const wxString& pad, const wxString& extensie);
    // True when the file may be written: it does not exist, or the user
    // agreed to replace it (asked through DesktopVraag).
    static bool magSchrijven(const wxFileName& bestand, wxWindow* ouder);
};

#endif
