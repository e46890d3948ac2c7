#ifndef SWEXTERNALS_DESKTOP_DESKTOPPRIVEMAP_H
#define SWEXTERNALS_DESKTOP_DESKTOPPRIVEMAP_H

#include <wx/string.h>

class wxFile;

// A folder of its own inside a shared folder such as the temporary one:
// made with a name nobody can take first and open to this user only (0700),
// so that what is written into it cannot be read, swapped or planted by
// another user. The folder and the files in it go with the object unless it
// is kept.
class DesktopPriveMap
{
public:
    // No folder.
    DesktopPriveMap() = default;
    // A new folder in `ouder` whose name starts with `voorvoegsel`; not valid
    // when it could not be made.
    DesktopPriveMap(const wxString& ouder, const wxString& voorvoegsel);
    // Takes charge of a folder that was made and kept before.
    static DesktopPriveMap neemOver(const wxString& map);
    ~DesktopPriveMap();

    DesktopPriveMap(DesktopPriveMap&& ander) noexcept;
    DesktopPriveMap& operator=(DesktopPriveMap&& ander) noexcept;
    DesktopPriveMap(const DesktopPriveMap&) = delete;
    DesktopPriveMap& operator=(const DesktopPriveMap&) = delete;

    bool isGeldig() const { return !pad.empty(); }
    const wxString& geefPad() const { return pad; }
    // The full path of a file in the folder.
    wxString geefBestand(const wxString& naam) const;
    // Creates a file in the folder for writing, only when no file or link of
    // that name is there (owner read and write).
    [[nodiscard]] bool maakBestand(const wxString& naam, wxFile& bestand) const;
    // The folder stays when the object goes.
    void behoud() { pad.clear(); }
    // Removes the files in the folder and then the folder; true when it is
    // gone. The object holds no folder afterwards either way.
    [[nodiscard]] bool verwijder();

private:
    wxString pad;
};

#endif
