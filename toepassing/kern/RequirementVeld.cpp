#include "toepassing/kern/RequirementVeld.h"

#include "swexternals/desktop/DesktopFunkties.h"
#include "toepassing/kern/SQLWaarde.h"

#include <wx/wxsqlite3.h>

namespace
{
RequirementVeld veld(const char* kolom, const char* definitie, RequirementVeld::Soort soort, size_t uitwisselPlaats)
{
    RequirementVeld veld{};
    veld.kolom = kolom;
    veld.definitie = definitie;
    veld.soort = soort;
    veld.uitwisselPlaats = uitwisselPlaats;
    return veld;
}

RequirementVeld tekstVeld(const char* kolom, const char* definitie, wxString Requirement::*plaats, size_t uitwissel)
{
    RequirementVeld v = veld(kolom, definitie, RequirementVeld::SoortTekst, uitwissel);
    v.tekst = plaats;
    return v;
}

RequirementVeld geheelVeld(const char* kolom, const char* definitie, int Requirement::*plaats, size_t uitwissel)
{
    RequirementVeld v = veld(kolom, definitie, RequirementVeld::SoortGeheel, uitwissel);
    v.geheel = plaats;
    return v;
}

RequirementVeld natuurlijkVeld(const char* kolom, const char* definitie, unsigned int Requirement::*plaats,
                               size_t uitwissel)
{
    RequirementVeld v = veld(kolom, definitie, RequirementVeld::SoortNatuurlijk, uitwissel);
    v.natuurlijk = plaats;
    return v;
}

RequirementVeld datumVeld(const char* kolom, const char* definitie, wxDateTime Requirement::*plaats, size_t uitwissel)
{
    RequirementVeld v = veld(kolom, definitie, RequirementVeld::SoortDatum, uitwissel);
    v.datum = plaats;
    return v;
}

template <typename Opsomming, Opsomming Requirement::*plaats>
RequirementVeld opsommingVeld(const char* kolom, const char* definitie, size_t uitwissel)
{
    RequirementVeld v = veld(kolom, definitie, RequirementVeld::SoortOpsomming, uitwissel);
    v.geefOpsomming = [](const Requirement& rek) { return static_cast<int>(rek.*plaats); };
    v.zetOpsomming = [](Requirement& rek, int waarde) { rek.*plaats = static_cast<Opsomming>(waarde); };
    return v;
}

RequirementVeld inDeLijst(RequirementVeld v)
{
    v.inLijst = true;
    return v;
}

RequirementVeld bijAftekenen(RequirementVeld v)
{
    v.alleenAfgetekend = true;
    return v;
}

wxString datumTekst(const wxDateTime& datum)
{
    return datum.IsValid() ? datum.FormatISODate() : wxString();
}
} // namespace

const RequirementVeld::Tabel& RequirementVeld::alle()
{
    using R = Requirement;
    static const Tabel velden = {
        inDeLijst(tekstVeld("naam", "text not null collate nocase", &R::naam, 0)),
        inDeLijst(datumVeld("datum", "text", &R::datum, 21)),
        inDeLijst(tekstVeld("auteur", "text", &R::auteur, 1)),
        inDeLijst(geheelVeld("SR", "integer not null", &R::SR, 2)),
        tekstVeld("versie", "text not null default '1.0.0'", &R::versie, 3),
        inDeLijst(natuurlijkVeld("prioriteit", "integer not null default 1", &R::prioriteit, 4)),
        inDeLijst(natuurlijkVeld("totaleKosten", "integer not null default 1", &R::totaleKosten, 5)),
        tekstVeld("beschrijving", "text", &R::beschrijving, 6),
        tekstVeld("implementatie", "text", &R::implementatie, 7),
        inDeLijst(tekstVeld("implementatieIngenieur", "text", &R::implementatieIngenieur, 8)),
        tekstVeld("validatie_test", "text", &R::validatie_test, 9),
        tekstVeld("testLogboek", "text", &R::testLogboek, 10),
        inDeLijst(tekstVeld("testIngenieur", "text", &R::testIngenieur, 11)),
        tekstVeld("externeRef", "text", &R::externeRef, 12),
        tekstVeld("kommentaar", "text", &R::kommentaar, 13),
        bijAftekenen(tekstVeld("aftekenaar", "text", &R::aftekenaar, 14)),
        bijAftekenen(datumVeld("afgetekendDatum", "text", &R::afgetekendDatum, 15)),
        geheelVeld("SR_ouder", "integer default -1", &R::SR_ouder, 16),
        geheelVeld("SR_gerelateerd", "integer default -1", &R::SR_gerelateerd, 17),
        inDeLijst(opsommingVeld<R::Status, &R::status>("status", "integer default 0", 18)),
        opsommingVeld<R::Type, &R::type>("type", "integer default 0", 19),
        opsommingVeld<R::FunkType, &R::funkType>("funkType", "integer default 0", 20),
    };
    return velden;
}

const std::array<const RequirementVeld*, RequirementVeld::aantal>& RequirementVeld::inUitwisselVolgorde()
{
    static const std::array<const RequirementVeld*, aantal> volgorde = []
    {
        std::array<const RequirementVeld*, aantal> plaatsen{};
        for (const RequirementVeld& veld : alle())
            plaatsen.at(veld.uitwisselPlaats) = &veld;
        return plaatsen;
    }();
    return volgorde;
}

const RequirementVeld* RequirementVeld::geef(const wxString& kolom)
{
    for (const RequirementVeld& veld : alle())
        if (kolom == veld.kolom)
            return &veld;
    return nullptr;
}

wxString RequirementVeld::lijstKolommen()
{
    wxString kolommen;
    for (const RequirementVeld& veld : alle())
        if (veld.inLijst)
            kolommen += (kolommen.empty() ? "" : ",") + wxString(veld.kolom);
    return kolommen;
}

bool RequirementVeld::isZonderHoofdletters() const
{
    return wxString(definitie).Contains("collate nocase");
}

int RequirementVeld::geefGetal(const Requirement& rek) const
{
    return soort == SoortOpsomming ? geefOpsomming(rek) : rek.*geheel;
}

bool RequirementVeld::isGelijk(const Requirement& a, const Requirement& b) const
{
    switch (soort)
    {
    case SoortTekst:
        return a.*tekst == b.*tekst;
    case SoortNatuurlijk:
        return a.*natuurlijk == b.*natuurlijk;
    case SoortDatum:
        return SQLWaarde::zelfdeDag(a.*datum, b.*datum);
    default:
        return geefGetal(a) == geefGetal(b);
    }
}

wxString RequirementVeld::alsSQL(const Requirement& rek) const
{
    switch (soort)
    {
    case SoortTekst:
        return SQLWaarde::tekst(rek.*tekst);
    case SoortNatuurlijk:
        return SQLWaarde::geheel(rek.*natuurlijk);
    case SoortDatum:
        return SQLWaarde::datum(rek.*datum);
    default:
        return SQLWaarde::geheel(geefGetal(rek));
    }
}

void RequirementVeld::bind(wxSQLite3Statement& opdracht, int index, const Requirement& rek) const
{
    switch (soort)
    {
    case SoortTekst:
        opdracht.Bind(index, rek.*tekst);
        break;
    case SoortNatuurlijk:
        SQLWaarde::bindGeheel(opdracht, index, rek.*natuurlijk);
        break;
    case SoortDatum:
        SQLWaarde::bindDatum(opdracht, index, rek.*datum);
        break;
    default:
        opdracht.Bind(index, geefGetal(rek));
        break;
    }
}

// The exchange file prints every number with "%d", an unsigned one too.
wxString RequirementVeld::alsTekst(const Requirement& rek) const
{
    switch (soort)
    {
    case SoortTekst:
        return rek.*tekst;
    case SoortNatuurlijk:
        return DesktopFunkties::print(static_cast<int>(rek.*natuurlijk));
    case SoortDatum:
        return datumTekst(rek.*datum);
    default:
        return DesktopFunkties::print(geefGetal(rek));
    }
}

// The I.D numbers read as signed numbers, the others as unsigned ones.
void RequirementVeld::zetUitTekst(Requirement& rek, const wxString& waarde) const
{
    switch (soort)
    {
    case SoortTekst:
        rek.*tekst = waarde;
        break;
    case SoortGeheel:
        rek.*geheel = DesktopFunkties::leesSignedInteger(waarde);
        break;
    case SoortNatuurlijk:
        rek.*natuurlijk = DesktopFunkties::leesInteger(waarde);
        break;
    case SoortOpsomming:
        zetOpsomming(rek, static_cast<int>(DesktopFunkties::leesInteger(waarde)));
        break;
    case SoortDatum:
    {
        wxDateTime gelezen;
        if (gelezen.ParseISODate(waarde))
            rek.*datum = gelezen;
        break;
    }
    }
}

void RequirementVeld::zetTekst(Requirement& rek, const wxString& waarde) const
{
    rek.*tekst = waarde;
}

void RequirementVeld::zetGetal(Requirement& rek, long long waarde) const
{
    const int laag = static_cast<int>(static_cast<unsigned int>(waarde));
    if (soort == SoortNatuurlijk)
        rek.*natuurlijk = static_cast<unsigned int>(laag);
    else if (soort == SoortOpsomming)
        zetOpsomming(rek, laag);
    else
        rek.*geheel = laag;
}

void RequirementVeld::zetDatum(Requirement& rek, const wxDateTime& waarde) const
{
    rek.*datum = waarde;
}
