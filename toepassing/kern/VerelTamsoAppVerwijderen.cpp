// Deleting requirements: a row goes only when both its title and its number
// are still those of the record; all deletes of one command share one
// transaction, so one undo brings them back together.
#include "toepassing/kern/LangWerk.h"
#include "toepassing/kern/VerelTamsoApp.h"

#include <wx/intl.h>
#include <wx/log.h>

int VerelTamsoApp::verwijder(const Requirement& rek)
{
    if (isAlleenLezenDB())
    {
        wxLogWarning("%s", _("You cannot remove this requirement, because the database is read-only."));
        return 1;
    }
    if (controleerRij(rek, _("Nothing was removed.")) != 0)
        return 2;
    if (startTransaktie() != 0)
        return 2;
    return executeUpdate("delete from " + TamsoTabelNaam + maakRijVoorwaarde(rek), -1);
}

// Every record is checked before the first delete, so a stale one removes
// nothing at all and keeps the user's open change.
int VerelTamsoApp::verwijder(const RequirementLijst& lijst)
{
    if (isAlleenLezenDB())
    {
        wxLogWarning("%s", _("You cannot remove these requirements, because the database is read-only."));
        return 1;
    }
    if (lijst.IsEmpty())
        return 1;
    // Each check and each delete a step of the long work that runs.
    for (size_t i = 0; i < lijst.GetCount(); ++i)
    {
        if (controleerRij(lijst[i], _("Nothing was removed.")) != 0)
            return 2;
        LangWerk::stap(*this);
    }
    if (startTransaktie() != 0)
        return 2;
    for (size_t i = 0; i < lijst.GetCount(); ++i)
    {
        const int resultaat = executeUpdate("delete from " + TamsoTabelNaam + maakRijVoorwaarde(lijst[i]), -1);
        if (resultaat != 0)
            return resultaat;
        LangWerk::stap(*this);
    }
    return 0;
}
