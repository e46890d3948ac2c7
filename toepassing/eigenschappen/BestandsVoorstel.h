#ifndef TOEPASSING_EIGENSCHAPPEN_BESTANDSVOORSTEL_H
#define TOEPASSING_EIGENSCHAPPEN_BESTANDSVOORSTEL_H

#include <optional>
#include <vector>
#include <wx/filename.h>
#include <wx/richtext/richtextbuffer.h>
#include <wx/string.h>

class wxWindow;

// What the dialogs that save one requirement's text share: the file name
// they propose, the extension every saved file gets, the format a rich text
// is saved in, and the question before a file is replaced. Never
// instantiated.
class BestandsVoorstel
{
public:
    BestandsVoorstel() = delete;

    // The longest proposed name of an exchange file, in characters.
    static constexpr size_t maxLengte = 24;

    // A rich text's file and the format it is written in.
    struct RijkBestand
    {
        wxFileName bestand;
        wxRichTextFileType soort;
    };

    // The title as a file name: blanks and the signs a shell reads otherwise
    // replaced as DesktopFunkties::maakSchoonPadNaam does, no folder
    // separators.
    static wxString maakNaam(const wxString& titel);
    // The same, cut to maxLengte characters, never between a letter and an
    // accent that belongs to it: the name of an exchange file.
    static wxString maakKorteNaam(const wxString& titel);
    // The formats a rich text can be saved in, as the filters of a file
    // dialog, by what they keep: the rich text's own first, which keeps all
    // its formatting, so that a Save without a choice loses nothing; plain
    // text, which keeps none, last; the others between them in the order
    // they were registered. The wildcard, and each filter's format.
    static wxString maakRijkFilter(std::vector<wxRichTextFileType>& soorten);
    // Asks (through DesktopVraag) where a rich text is saved, proposing the
    // title as the name in the folder. The format is the one of the chosen
    // filter, and the name gets its extension; a name typed with the
    // extension of another format that can be saved says that format
    // instead. The extension of the filter the dialog opens with, which the
    // dialog itself puts on the proposed name, gives way to another filter
    // chosen. Nothing when the user cancelled.
    static std::optional<RijkBestand> vraagRijkBewaarBestand(const wxString& titel, const wxString& map,
                                                             wxWindow* ouder);
    // The chosen path with the extension added unless it has it already.
    static wxFileName metExtensie(const wxString& pad, const wxString& extensie);
    // True when the file may be written: it does not exist, or the user
    // agreed to replace it (asked through DesktopVraag).
    static bool magSchrijven(const wxFileName& bestand, wxWindow* ouder);
};

#endif
