// Adding requirements: a title or number that exists already is refused,
// naming which of the two clashes.
#include "swexternals/desktop/DesktopFunkties.h"
#include "toepassing/kern/SQLWaarde.h"
#include "toepassing/kern/VerelTamsoApp.h"

#include <wx/intl.h>
#include <wx/log.h>

namespace
{
// The 22 stored fields in the column order of the table, after id.
wxString maakWaarden(const Requirement& rek)
{
    const wxString waarden[] = {
        SQLWaarde::tekst(rek.naam),
        SQLWaarde::datum(rek.datum),
        SQLWaarde::tekst(rek.auteur),
        SQLWaarde::geheel(rek.SR),
        SQLWaarde::tekst(rek.versie),
        SQLWaarde::geheel(rek.prioriteit),
        SQLWaarde::geheel(rek.totaleKosten),
        SQLWaarde::tekst(rek.beschrijving),
        SQLWaarde::tekst(rek.implementatie),
        SQLWaarde::tekst(rek.implementatieIngenieur),
        SQLWaarde::tekst(rek.validatie_test),
        SQLWaarde::tekst(rek.testLogboek),
        SQLWaarde::tekst(rek.testIngenieur),
        SQLWaarde::tekst(rek.externeRef),
        SQLWaarde::tekst(rek.kommentaar),
        SQLWaarde::tekst(rek.aftekenaar),
        SQLWaarde::datum(rek.afgetekendDatum),
        SQLWaarde::geheel(rek.SR_ouder),
        SQLWaarde::geheel(rek.SR_gerelateerd),
        SQLWaarde::geheel(static_cast<int>(rek.status)),
        SQLWaarde::geheel(static_cast<int>(rek.type)),
        SQLWaarde::geheel(static_cast<int>(rek.funkType)),
    };
    wxString tekst;
    for (const wxString& waarde : waarden)
        tekst += (tekst.empty() ? "" : ",") + waarde;
    return tekst;
}

void bind(wxSQLite3Statement& opdracht, const Requirement& rek)
{
    int index = 0;
    opdracht.Bind(++index, rek.naam);
    SQLWaarde::bindDatum(opdracht, ++index, rek.datum);
    opdracht.Bind(++index, rek.auteur);
    opdracht.Bind(++index, rek.SR);
    opdracht.Bind(++index, rek.versie);
    SQLWaarde::bindGeheel(opdracht, ++index, rek.prioriteit);
    SQLWaarde::bindGeheel(opdracht, ++index, rek.totaleKosten);
    opdracht.Bind(++index, rek.beschrijving);
    opdracht.Bind(++index, rek.implementatie);
    opdracht.Bind(++index, rek.implementatieIngenieur);
    opdracht.Bind(++index, rek.validatie_test);
    opdracht.Bind(++index, rek.testLogboek);
    opdracht.Bind(++index, rek.testIngenieur);
    opdracht.Bind(++index, rek.externeRef);
    opdracht.Bind(++index, rek.kommentaar);
    opdracht.Bind(++index, rek.aftekenaar);
    SQLWaarde::bindDatum(opdracht, ++index, rek.afgetekendDatum);
    opdracht.Bind(++index, rek.SR_ouder);
    opdracht.Bind(++index, rek.SR_gerelateerd);
    opdracht.Bind(++index, static_cast<int>(rek.status));
    opdracht.Bind(++index, static_cast<int>(rek.type));
    opdracht.Bind(++index, static_cast<int>(rek.funkType));
}
} // namespace

// The clash is named: the title first when both the title and the number
// exist. True when the record may be added.
bool VerelTamsoApp::isNieuw(const Requirement& rek, const wxString& titelBestaat, const wxString& nummerBestaat)
{
    if (!rekBestaat(rek))
        return true;
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
    if (start && startTransaktie() != 0)
        return 2;
    try
    {
        wxSQLite3Statement opdracht = PrepareStatement("insert into " + TamsoTabelNaam + rekInsertTekst);
        for (size_t i = 0; i < lijst.GetCount(); ++i)
        {
            const Requirement& rek = lijst[i];
            if (!isNieuw(rek, _("You cannot add a requirement. An existing requirement has this title already:"),
                         _("You cannot add a requirement. An existing requirement has this identification number:")))
                continue;
            bind(opdracht, rek);
            opdracht.ExecuteUpdate();
        }
        opdracht.Finalize();
    }
    catch (const wxSQLite3Exception& fout)
    {
        DesktopFunkties::wxErrorVeilig(_("Error whilst adding data:") + fout.GetMessage());
        return 2;
    }
    return 0;
}
