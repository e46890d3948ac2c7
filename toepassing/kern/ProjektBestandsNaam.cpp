#include "toepassing/kern/ProjektBestandsNaam.h"

#include "swexternals/desktop/DesktopFunkties.h"
#include "swexternals/desktop/DesktopVraag.h"

#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <wx/filedlg.h>
#include <wx/filefn.h>

namespace
{
bool isZelfdeBestand(const struct stat& een, const struct stat& ander)
{
    return een.st_dev == ander.st_dev && een.st_ino == ander.st_ino;
}

// Whether the folder takes two names that differ in case only for one, as
// a FAT stick or a case-folding folder does. Only the file system knows:
// where neither name exists yet, a file of a moment asks it.
bool isHoofdletterBlind(const wxFileName& getypt, const wxString& extensie)
{
    wxFileName ander(getypt);
    ander.SetExt(extensie);
    const wxString pad = getypt.GetFullPath();
    struct stat eerste;
    struct stat tweede;
    const bool andersBestaat = stat(ander.GetFullPath().fn_str(), &tweede) == 0;
    if (stat(pad.fn_str(), &eerste) == 0)
        return andersBestaat && isZelfdeBestand(eerste, tweede);
    if (andersBestaat)
        return false;
    const int proef = open(pad.fn_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (proef < 0)
        return false; // the folder takes no file; the save says so
    close(proef);
    const bool blind = stat(ander.GetFullPath().fn_str(), &tweede) == 0;
    wxRemoveFile(pad); // says itself when it cannot
    return blind;
}

// Some save dialogs (a desktop's portal) make the chosen file before they
// return. One that is empty and was made or changed since the dialog opened
// holds nothing of the user's. Whole seconds: a file system may keep no
// finer time, and drops what it cannot keep.
void verwijderDialoogRest(const wxString& pad, std::time_t dialoogBegin)
{
    struct stat info;
    if (lstat(pad.fn_str(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size != 0 ||
        info.st_ctim.tv_sec < dialoogBegin)
        return;
    wxRemoveFile(pad); // says itself when it cannot
}
} // namespace

wxString ProjektBestandsNaam::maakVoorstel(const wxString& projektNaam)
{
    wxString naam = DesktopFunkties::maakSchoonPadNaam(projektNaam);
    naam.Replace("/", "_");
    return naam;
}

wxFileName ProjektBestandsNaam::kies(const wxString& titel, const wxString& map, const wxString& projektNaam,
                                     const wxString& wildcard, const wxString& extensie, wxWindow* ouder)
{
    // time() reads the clock the kernel stamps files with, in whole seconds.
    const std::time_t begin = std::time(nullptr);
    // No overwrite prompt: the save asks before it replaces a file, also one
    // whose name only got its extension afterwards.
    const wxString gekozen =
        DesktopVraag::geef().kiesBestand(titel, map, maakVoorstel(projektNaam), wildcard, wxFD_SAVE, ouder);
    if (gekozen.empty())
        return wxFileName();
    // Named first: the file the dialog made tells how its folder compares.
    const wxFileName doel = metExtensie(gekozen, extensie);
    verwijderDialoogRest(gekozen, begin);
    return doel;
}

wxFileName ProjektBestandsNaam::metExtensie(const wxString& pad, const wxString& extensie)
{
    const wxFileName bestand(pad);
    const wxString getypt = bestand.GetExt();
    if (getypt == extensie || (getypt.IsSameAs(extensie, false) && isHoofdletterBlind(bestand, extensie)))
        return bestand;
    return wxFileName(pad + "." + extensie);
}
