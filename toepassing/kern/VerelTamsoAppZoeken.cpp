// The list query behind the main window's requirement list, with the
// figures under it and the people named in the project.
#include "swexternals/desktop/DesktopFunkties.h"
#include "toepassing/kern/VerelTamsoApp.h"

#include <wx/intl.h>

RequirementLijst VerelTamsoApp::zoek(Kolommen sorteerKolom, Sortering sortering, const wxString& zoekTekst,
                                     const wxString& persoon, Requirement::Status status, Requirement::Type type,
                                     Requirement::FunkType funkType, unsigned int minPrioriteit)
{
    static const wxString kolommen = wxJoin(geefDBKolomNamen(), ',', '\0');
    const wxString sorteerNaam = geefDBKolomNaam(sorteerKolom);

    maakZoekVelden(zoekTekst, persoon, status, type, funkType, minPrioriteit);
    // A view that cannot be made shows as the failing query below.
    maakRekZicht();
    return leesLijst("select " + kolommen + " from " + TamsoTabelZicht + " where " + zoekVoorwaarde +
                     sorteer(sorteerNaam, sortering));
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

wxArrayString VerelTamsoApp::leesAlleWerknemers()
{
    static const wxString opdracht = []
    {
        const wxString kolommen[4] = {"auteur", "aftekenaar", "implementatieIngenieur", "testIngenieur"};
        wxString tekst;
        for (const wxString& kolom : kolommen)
            tekst += (tekst.empty() ? "" : " union ") +
                     ("select distinct " + kolom + " as a from " + TamsoTabelNaam + " where " + kolom + " is not null");
        return tekst + " order by a asc";
    }();
    wxArrayString namen;
    wxSQLite3Table tabel;
    if (leesTabelMetQuery(opdracht, tabel) != 0)
        return namen;
    for (int i = 0; i < tabel.GetRowCount(); ++i)
    {
        tabel.SetRow(i);
        const wxString naam = tabel.GetString(0, wxString());
        if (!naam.empty())
            namen.Add(naam);
    }
    return namen;
}

long long VerelTamsoApp::geefAantalRequirements()
{
    return geefAantalRijen(TamsoTabelNaam);
}

long long VerelTamsoApp::geefTotaleKosten()
{
    // In 64 bits: a project of many expensive requirements passes 2^31 soon.
    return executeSkalair("select total(totaleKosten) from " + TamsoTabelZicht);
}
