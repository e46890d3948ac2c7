#include "toepassing/kern/Requirement.h"

#include <utility>
#include <wx/filename.h>

Requirement::Requirement()
    : versie("1.0.0"), afgetekendDatum(wxDateTime::Today() + wxDateSpan::Year()), datum(wxDateTime::Today())
{
}

Requirement::Requirement(const wxFileName& bestand) : Requirement()
{
    leesVanDisk(bestand);
}

Requirement& Requirement::operator=(Requirement&& ander) noexcept
{
    if (this == &ander)
        return *this;
    // Numbers, enumerations, dates and floats are copied as they are; the
    // texts move, leaving the source's empty.
    auto verhuis = [](wxString& doel, wxString& bron)
    {
        doel = std::move(bron);
        bron.clear();
    };
    verhuis(naam, ander.naam);
    verhuis(auteur, ander.auteur);
    SR = ander.SR;
    verhuis(versie, ander.versie);
    prioriteit = ander.prioriteit;
    totaleKosten = ander.totaleKosten;
    verhuis(beschrijving, ander.beschrijving);
    verhuis(implementatie, ander.implementatie);
    verhuis(implementatieIngenieur, ander.implementatieIngenieur);
    verhuis(validatie_test, ander.validatie_test);
    verhuis(testLogboek, ander.testLogboek);
    verhuis(testIngenieur, ander.testIngenieur);
    verhuis(externeRef, ander.externeRef);
    verhuis(kommentaar, ander.kommentaar);
    verhuis(aftekenaar, ander.aftekenaar);
    afgetekendDatum = ander.afgetekendDatum;
    SR_ouder = ander.SR_ouder;
    SR_gerelateerd = ander.SR_gerelateerd;
    status = ander.status;
    type = ander.type;
    funkType = ander.funkType;
    datum = ander.datum;
    werkVerricht = ander.werkVerricht;
    laagFruit = ander.laagFruit;
    return *this;
}
