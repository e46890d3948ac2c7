#include "swexternals/desktop/wx/wxSQLite3/SQLite3App.h"

#include "base/StandSchakelaar.h"
#include "swexternals/desktop/DesktopFunkties.h"
#include "swexternals/desktop/DesktopVraag.h"

#include <wx/filedlg.h>
#include <wx/filefn.h>
#include <wx/intl.h>
#include <wx/log.h>
#include <wx/platinfo.h>

SQLite3App::SQLite3App(const wxString& applikatieNaam, const wxString& extensie, const wxString& sleutel)
    : DesktopApp(applikatieNaam, extensie), SQLite3Basis(geefAppConfigRef(), extensie, sleutel)
{
}

SQLite3App::SQLite3App(const wxString& applikatieNaam, const wxString& extensie, bool alleenLezen,
                       const wxString& sleutel)
    : DesktopApp(applikatieNaam, extensie), SQLite3Basis(geefAppConfigRef(), extensie, alleenLezen, sleutel)
{
}

SQLite3App::SQLite3App(const wxString& applikatieNaam, const wxFileName& bestand, bool alleenLezen,
                       const wxString& sleutel)
    : DesktopApp(applikatieNaam, bestand.GetExt()), SQLite3Basis(geefAppConfigRef(), bestand, alleenLezen, sleutel)
{
}

SQLite3App::~SQLite3App()
{
    try
    {
        SQLite3App::sluitDB();
    }
    catch (...)
    {
        // Nothing may leave a destructor; the close reports its own failures.
    }
}

wxWindow* SQLite3App::ouder() const
{
    return geefHoofdVenster();
}

wxString SQLite3App::geefWildCard() const
{
    const wxString ext = geefBestandExtensie();
    return geefApplikatieNaam() + sp + _("files") + " (*." + ext + ")|*." + ext;
}

wxString SQLite3App::geefIsAlGeopendTitel() const
{
    // A database in memory has no file name to show.
    if (isMemoryDB())
        return _("A memory database is already opened");
    return _("Database") + DesktopFunkties::dubbeleQuotes(geefDBNaam(true, false), true) + _("is already opened");
}

bool SQLite3App::sluitNaVraag(const wxString& bericht)
{
    if (!IsOpen())
        return true;
    if (DesktopVraag::geef().stelVraag(bericht, geefIsAlGeopendTitel(), wxYES_NO | wxICON_WARNING, ouder()) == wxNO)
        return false;
    sluitDB();
    return true;
}

unsigned int SQLite3App::openDB(bool alleenLezenVerzoek, const wxString& sleutel)
{
    if (!sluitNaVraag(_("Another database file is already opened and used by this application:") + vr +
                      _("Do you want to close it and proceed?")))
        return 1;
    const wxString gekozen =
        DesktopVraag::geef().kiesBestand(_("Open a database file for") + sp + geefApplikatieNaam(),
                                         geefLaatsteAppDataDir(wxString()).GetPath(wxPATH_GET_VOLUME), wxString(),
                                         geefWildCard(), wxFD_OPEN | wxFD_FILE_MUST_EXIST, ouder());
    if (gekozen.empty())
        return 1;
    return openGekozen(wxFileName(gekozen), alleenLezenVerzoek, sleutel);
}

unsigned int SQLite3App::openDB(const wxFileName& bestand, bool alleenLezenVerzoek, const wxString& sleutel)
{
    if (!sluitNaVraag(_("A database file is already opened and in use.\nDo you want to close it and proceed?")))
        return 1;
    if (bestand.GetExt() == geefBestandExtensie() && wxIsReadable(bestand.GetFullPath()))
    {
        zetDBPad(bestand);
        const unsigned int geopend = open(alleenLezenVerzoek, sleutel);
        zetLaatsteAppDataDir(bestand);
        return geopend;
    }
    const wxString gekozen = DesktopVraag::geef().kiesBestand(
        _("Select the") + DesktopFunkties::dubbeleQuotes(geefApplikatieNaam(), true) + _("database to be opened."),
        geefLaatsteAppDataDir(wxString()).GetPath(wxPATH_GET_VOLUME), wxString(), geefWildCard(),
        wxFD_OPEN | wxFD_FILE_MUST_EXIST, ouder());
    if (gekozen.empty())
        return 1;
    return openGekozen(wxFileName(gekozen), alleenLezenVerzoek, sleutel);
}

unsigned int SQLite3App::openGekozen(const wxFileName& bestand, bool alleenLezenVerzoek, const wxString& sleutel)
{
    if (!controleerPad(bestand, alleenLezenVerzoek))
        return 2;
    zetDBPad(bestand);
    const unsigned int geopend = open(alleenLezenVerzoek, sleutel);
    zetLaatsteAppDataDir(bestand);
    return geopend;
}

void SQLite3App::sluitDB()
{
    laatKontroleLos();
    // A mark that cannot be cleared (reported) is met by the next open,
    // which asks what to do; the close goes on.
    if (IsOpen() && !isAlleenLezenDB() && static_cast<unsigned int>(geefUserVersion()) == maakOpsProcIDKombi())
        static_cast<void>(zetUserVersion(0));
    SQLite3Basis::sluitDB();
}

void SQLite3App::synchroniseerWindowMetDBTransaktieStatus()
{
    toonOpslagStatusMacOSX(StandSchakelaar(handmatigeTransaktieBezig(), false).stand());
}

unsigned int SQLite3App::controleerDBGebruikProcesID()
{
    if (isAlleenLezenDB())
    {
        zetStatus(DBStatusOpen);
        return 0;
    }
    const unsigned int eigen = maakOpsProcIDKombi();
    const unsigned int marker = static_cast<unsigned int>(geefUserVersion());
    // No other process can hold a database in memory; reopening it, as the
    // answer for another's database would, would lose it.
    // The mark only warns another process; one that cannot be written
    // (reported) does not stop this one.
    if (marker == 0 || marker == eigen || isMemoryDB())
    {
        static_cast<void>(zetUserVersion(static_cast<int>(eigen)));
        zetStatus(DBStatusOpen);
        return 0;
    }

    const unsigned int osID = geefOpsIDUitKombi(marker);
    const wxString osNaam = osID == 0
                                ? _("Unknown operating system")
                                : wxPlatformInfo::GetOperatingSystemIdName(static_cast<wxOperatingSystemId>(osID));
    const wxString bericht = _("Database") + DesktopFunkties::dubbeleQuotes(dbPad.GetFullName(), true) +
                             _("is already opened in read-write mode on another computer running") +
                             DesktopFunkties::spaties(osNaam) + _("with process ID") +
                             DesktopFunkties::spaties(DesktopFunkties::print(geefProcIDUitKombi(marker))) + "." + vr +
                             _("This could lead to temporary lock-ups for you or the other process.") + vr + vr +
                             _("What would you like to do?");
    const DesktopVraag::Knoppen knoppen{_("Prevent lock-ups and open in read-only mode"),
                                        _("Continue opening in read-write mode"), wxString()};
    const int antwoord =
        DesktopVraag::geef().stelVraag(bericht, _("The database file is already opened in read-write mode."),
                                       wxYES_NO | wxCANCEL | wxICON_QUESTION | wxCENTRE, ouder(), knoppen);
    if (antwoord == wxYES)
    {
        sluitDB();
        return open(true, wxString()) == 0 ? 1 : 2;
    }
    if (antwoord == wxNO)
    {
        static_cast<void>(zetUserVersion(static_cast<int>(eigen)));
        zetStatus(DBStatusOpen);
        return 1;
    }
    return 2;
}
