#ifndef TOEPASSING_KERN_VERVANGENDBESTAND_H
#define TOEPASSING_KERN_VERVANGENDBESTAND_H

#include <wx/file.h>
#include <wx/string.h>

class wxFileName;

// A file written beside its target that takes the target's place only when
// it was written whole: a write that fails half-way (a full disk, a removed
// medium) leaves the old file as it was. The new file keeps the old one's
// permissions. Without vervang() the written file is removed again.
class VervangendBestand
{
public:
    explicit VervangendBestand(const wxFileName& doel);
    ~VervangendBestand();

    VervangendBestand(const VervangendBestand&) = delete;
    VervangendBestand& operator=(const VervangendBestand&) = delete;

    // False when there is nothing to write to: the folder cannot take a
    // file, or the target is write-protected or no plain file.
    bool isOpen() const { return bestand.IsOpened(); }
    wxFile& geefBestand() { return bestand; }
    // Puts what was written on the disk, then in the target's place. 0 done;
    // 2 failed, and the target is as it was.
    [[nodiscard]] int vervang();

private:
    wxString doel;
    wxString tijdelijk;
    wxFile bestand;

    [[nodiscard]] bool maakTijdelijk();
};

#endif
