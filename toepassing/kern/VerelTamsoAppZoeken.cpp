// The list query as one list: the search condition built from the
// criteria, and the whole list read through the pieces of the paged list.
#include "swexternals/desktop/DesktopFunkties.h"
#include "toepassing/kern/VerelTamsoApp.h"

#include <wx/intl.h>

RequirementLijst VerelTamsoApp::zoek(Kolommen sorteerKolom, Sortering sortering, const wxString& zoekTekst,
                                     const wxString& persoon, Requirement::Status status, Requirement::Type type,
                                     Requirement::FunkType funkType, unsigned int minPrioriteit)
{
    ZoekCriteria criteria;
    criteria.sorteerKolom = sorteerKolom;
    criteria.sortering = sortering;
    criteria.zoekTekst = zoekTekst;
    criteria.persoon = persoon;
    criteria.status = status;
    criteria.type = type;
    criteria.funkType = funkType;
    criteria.minPrioriteit = minPrioriteit;

    RequirementLijst lijst;
    LijstSelektie selektie;
    if (leesLijstSelektie(criteria, selektie) != 0)
        return lijst;
    // Pages of a size that keeps the statement short and the lookups few.
    constexpr size_t paginaGrootte = 500;
    for (size_t vanaf = 0; vanaf < selektie.geefAantal(); vanaf += paginaGrootte)
    {
        RequirementLijst pagina;
        if (leesLijstPagina(selektie, vanaf, paginaGrootte, pagina) != 0)
        {
            lijst.Clear();
            return lijst;
        }
        for (size_t i = 0; i < pagina.size(); ++i)
            lijst.Add(new Requirement(std::move(pagina[i])));
    }
    return lijst;
}

void VerelTamsoApp::maakZoekVelden(const wxString& zoekTekst, const wxString& persoon, Requirement::Status status,
                                   Requirement::Type type, Requirement::FunkType funkType, unsigned int minPrioriteit)
{
    const bool hoofdletterGevoelig = isHoofdletterGevoelig();
    const bool exact = komtZoektermExactOvereen();
    if (zoekTekst == vorigeZoekTekst && persoon == vorigeZoekPersoon && status == vorigeZoekStatus &&
        type == vorigeZoekType && funkType == vorigeZoekFunkType && minPrioriteit == vorigeMinPrioriteit &&
        hoofdletterGevoelig == vorigeHoofdletterGevoelig && exact == vorigeExactOvereenkomen)
    {
        zoekVoorwaardeVeranderd = false;
        return;
    }

    zoekVoorwaarde = bouwZoekTermStapel(rekKolomNamen, maakZoekTerm(zoekTekst, false), KoppelOf);
    if (status != Requirement::StatusAlle)
        voegToeAanZoekVoorwaarde(wxString::Format("status==%d", static_cast<int>(status)));
    if (!persoon.empty())
    {
        const wxString term = maakZoekTerm(persoon, false);
        voegToeAanZoekVoorwaarde("(auteur" + term + " or implementatieIngenieur" + term + " or testIngenieur" + term +
                                 " or aftekenaar" + term + ")");
    }
    if (type != Requirement::TypeAlle)
        voegToeAanZoekVoorwaarde(wxString::Format("type==%d", static_cast<int>(type)));
    if (funkType != Requirement::FunkTypeAlle)
        voegToeAanZoekVoorwaarde(wxString::Format("funkType==%d", static_cast<int>(funkType)));
    voegToeAanZoekVoorwaarde(wxString::Format("prioriteit>=%u", minPrioriteit));

    vorigeZoekTekst = zoekTekst;
    vorigeZoekPersoon = persoon;
    vorigeZoekStatus = status;
    vorigeZoekType = type;
    vorigeZoekFunkType = funkType;
    vorigeMinPrioriteit = minPrioriteit;
    vorigeHoofdletterGevoelig = hoofdletterGevoelig;
    vorigeExactOvereenkomen = exact;
    zoekVoorwaardeVeranderd = true;
}

void VerelTamsoApp::voegToeAanZoekVoorwaarde(const wxString& deel)
{
    zoekVoorwaarde = zoekVoorwaarde.empty() ? deel : DesktopFunkties::haken(zoekVoorwaarde, false) + " and " + deel;
}
