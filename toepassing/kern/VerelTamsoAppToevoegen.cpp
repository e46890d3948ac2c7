// Adding requirements: a title or number that exists already is refused,
// naming which of the two clashes.
#include "swexternals/desktop/DesktopFunkties.h"
#include "toepassing/kern/RequirementVeld.h"
#include "toepassing/kern/VerelTamsoApp.h"

#include <wx/intl.h>
#include <wx/log.h>

namespace
{
// The 22 stored fields in the column order of the table, after id.
wxString maakWaarden(const Requirement& rek)
{
    wxString tekst;
    for (const RequirementVeld& veld : RequirementVeld::alle())
        tekst += (tekst.empty() ? "" : ",") + veld.alsSQL(rek);
    return tekst;
}

void bind(wxSQLite3Statement& opdracht, const Requirement& rek)
{
    int index = 0;
    for (const RequirementVeld& veld : RequirementVeld::alle())
        veld.bind(opdracht, ++index, rek);
}
} // namespace

// The clash is named: the title first when both the title and the number
// exist. True when the record may be added.
bool VerelTamsoApp::isNieuw(const Requirement& rek, const wxString& titelBestaat, const wxString& nummerBestaat)
{
    if (!rekBestaat(rek))
        return true;
    // The question met a damaged file, which is said: no clash.
    if (isBeschadigd())
        return false;
    if (rekBestaat(rek.naam))
        DesktopFunkties::wxErrorVeilig(titelBestaat + DesktopFunkties::dubbeleQuotes(rek.naam, true));
    else
        DesktopFunkties::wxErrorVeilig(nummerBestaat + " " + DesktopFunkties::print(rek.SR));
    return false;
}

int VerelTamsoApp::voegToe(const Requirement& rek)
{
    if (isAlleenLezenDB())
    {
        wxLogWarning("%s", _("You cannot add this requirement, because the database is read-only."));
        return 1;
    }
    if (!isNieuw(rek, _("You cannot add this requirement. An existing requirement has this title already:"),
                 _("You cannot add this requirement. An existing requirement has this identification number:")))
        return 1;
    const wxString opdracht = "insert into " + TamsoTabelNaam + SQLite3Basis::maakSelektie(rekKolomNamen, false, true) +
                              " values (" + maakWaarden(rek) + ")";
    if (startTransaktie() != 0)
        return 2;
    return executeUpdate(opdracht, -1);
}

int VerelTamsoApp::voegToe(const RequirementLijst& lijst, bool start)
{
    if (lijst.IsEmpty())
        return 1;
    if (lijst.GetCount() == 1)
        return voegToe(lijst[0]);
    if (isAlleenLezenDB())
    {
        wxLogWarning("%s", _("You cannot add this requirement, because the database is read-only."));
        return 1;
    }
    const wxString titelBestaat = _("You cannot add a requirement. An existing requirement has this title already:");
    const wxString nummerBestaat =
        _("You cannot add a requirement. An existing requirement has this identification number:");
    // A list of which nothing can be added is refused before anything starts,
    // so the user's open change stays open.
    if (!heeftNieuwe(lijst))
    {
        for (size_t i = 0; i < lijst.GetCount(); ++i)
            static_cast<void>(isNieuw(lijst[i], titelBestaat, nummerBestaat));
        return 1;
    }
    if (start && startTransaktie() != 0)
        return 2;
    wxSQLite3Statement opdracht;
    if (bereidVoor("insert into " + TamsoTabelNaam + rekInsertTekst, opdracht) != 0)
        return 2;
    for (size_t i = 0; i < lijst.GetCount(); ++i)
    {
        const Requirement& rek = lijst[i];
        // Also against the elements added before it in this list.
        if (!isNieuw(rek, titelBestaat, nummerBestaat))
            continue;
        if (executeUpdate(opdracht, [&rek](wxSQLite3Statement& voorbereid) { bind(voorbereid, rek); }) != 0)
            return 2;
    }
    return 0;
}

bool VerelTamsoApp::heeftNieuwe(const RequirementLijst& lijst)
{
    for (size_t i = 0; i < lijst.GetCount(); ++i)
        if (!rekBestaat(lijst[i]))
            return true;
    return false;
}
