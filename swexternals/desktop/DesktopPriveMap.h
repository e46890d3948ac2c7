#ifndef SWEXTERNALS_DESKTOP_DESKTOPPRIVEMAP_H
#define SWEXTERNALS_DESKTOP_DESKTOPPRIVEMAP_H

#include <wx/string.h>

class wxFile;

// A folder of its own inside a shared folder such as the temporary one:
// made with a name nobody can take first and open to this user only (0700),
// so that what is written into it cannot be read, swapped or planted by
// another user. The folder and the files in it go with the object unless it
// is kept. While an object holds it, the folder is locked, so that the clean
// up of another run of the program (ruimOp) leaves it alone.
class DesktopPriveMap
{
public:
    // No folder.
    DesktopPriveMap() = default;
    // A new folder in `ouder` whose name starts with `voorvoegsel`; not valid
    // when it could not be made.
    DesktopPriveMap(const wxString& ouder, const wxString& voorvoegsel);
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
    // The folder stays when the object goes, unlocked: the next clean up
    // removes it.
    void behoud();
    // Removes the files in the folder and then the folder; true when it is
    // gone. The object holds no folder afterwards either way.
    [[nodiscard]] bool verwijder();

    // Removes what earlier runs left in `ouder`: folders made as above with
    // `voorvoegsel`, of this user, that nobody holds now. The number removed.
    static int ruimOp(const wxString& ouder, const wxString& voorvoegsel);

private:
    void laatSlotLos();

    wxString pad;
    // The folder, open and locked while the object holds it.
    int slot = -1;
};

#endif
