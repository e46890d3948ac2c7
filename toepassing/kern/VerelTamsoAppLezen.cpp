// Requirements read from the project into records: one by number or title,
// all in number order, or the rows of a list query.
#include "swexternals/desktop/DesktopFunkties.h"
#include "toepassing/kern/VerelTamsoApp.h"

#include <limits>
#include <map>
#include <wx/intl.h>

namespace
{
const wxString leesFout = wxTRANSLATE("Error reading requirements from the database. The operation is abandoned.");

// The eleven list columns, without the two percentages.
const wxString lijstKolommenZonderAandeel = "SR,naam,auteur,implementatieIngenieur,testIngenieur,prioriteit,"
                                            "totaleKosten,status,datum";

// Reads the cells of a table by column name, the positions looked up once
// per table. A column the table lacks, or a NULL, gives the empty value.
class RijLezer
{
public:
    explicit RijLezer(wxSQLite3Table& tabel) : tabel(tabel)
    {
        for (int i = 0; i < tabel.GetColumnCount(); ++i)
            posities.emplace(tabel.GetColumnName(i), i);
    }

    wxString tekst(const wxString& kolom) const
    {
        const int i = positie(kolom);
        return i < 0 ? wxString() : tabel.GetString(i, wxString());
    }

    long long getal(const wxString& kolom) const
    {
        const wxString waarde = tekst(kolom);
        long long geheel = 0;
        if (waarde.ToLongLong(&geheel))
            return geheel;
        double reeel = 0.0;
        if (!waarde.ToCDouble(&reeel) || !(reeel > std::numeric_limits<long long>::min()) ||
            !(reeel < std::numeric_limits<long long>::max()))
            return 0;
        return static_cast<long long>(reeel);
    }

    // Integer columns of 32 bits keep their low 32 bits, as SQLite's own
    // 32-bit read does; an unsigned field then reads its stored value.
    int getal32(const wxString& kolom) const { return static_cast<int>(static_cast<unsigned int>(getal(kolom))); }

    float reeel(const wxString& kolom) const
    {
        double waarde = 0.0;
        return tekst(kolom).ToCDouble(&waarde) ? static_cast<float>(waarde) : 0.0f;
    }

    // The store writes "%Y-%m-%d". Anything else, a missing date included,
    // is no date: a lenient parse would make "today" or "12" a date.
    wxDateTime datum(const wxString& kolom) const
    {
        const wxString waarde = tekst(kolom);
        wxDateTime datum;
        wxString::const_iterator einde;
        if (waarde.empty() || !datum.ParseFormat(waarde, "%Y-%m-%d", wxDefaultDateTime, &einde) ||
            einde != waarde.end())
            return wxInvalidDateTime;
        return datum;
    }

private:
    int positie(const wxString& kolom) const
    {
        const auto gevonden = posities.find(kolom);
        return gevonden == posities.end() ? -1 : gevonden->second;
    }

    wxSQLite3Table& tabel;
    std::map<wxString, int> posities;
};

Requirement vertaal(const RijLezer& rij, bool alle, const Requirement& standaard)
{
    Requirement rek(standaard);
    rek.naam = rij.tekst("naam");
    rek.datum = rij.datum("datum");
    rek.SR = rij.getal32("SR");
    rek.prioriteit = static_cast<unsigned int>(rij.getal32("prioriteit"));
    rek.totaleKosten = static_cast<unsigned int>(rij.getal32("totaleKosten"));
    rek.auteur = rij.tekst("auteur");
    rek.implementatieIngenieur = rij.tekst("implementatieIngenieur");
    rek.testIngenieur = rij.tekst("testIngenieur");
    rek.werkVerricht = rij.reeel("werkVerricht");
    rek.laagFruit = rij.reeel("laagFruit");
    rek.status = static_cast<Requirement::Status>(rij.getal32("status"));
    if (!alle)
        return rek;
    rek.versie = rij.tekst("versie");
    rek.beschrijving = rij.tekst("beschrijving");
    rek.implementatie = rij.tekst("implementatie");
    rek.validatie_test = rij.tekst("validatie_test");
    rek.testLogboek = rij.tekst("testLogboek");
    rek.externeRef = rij.tekst("externeRef");
    rek.kommentaar = rij.tekst("kommentaar");
    rek.aftekenaar = rij.tekst("aftekenaar");
    rek.afgetekendDatum = rij.datum("afgetekendDatum");
    rek.type = static_cast<Requirement::Type>(rij.getal32("type"));
    rek.funkType = static_cast<Requirement::FunkType>(rij.getal32("funkType"));
    rek.SR_ouder = rij.getal32("SR_ouder");
    rek.SR_gerelateerd = rij.getal32("SR_gerelateerd");
    return rek;
}

void meldLeesFout()
{
    DesktopFunkties::wxErrorVeilig(wxGetTranslation(leesFout));
}
} // namespace

Requirement VerelTamsoApp::vertaalTabel(wxSQLite3Table& tabel, bool alle)
{
    return vertaal(RijLezer(tabel), alle, Requirement());
}

Requirement VerelTamsoApp::geefRequirement(int SR)
{
    return leesEen(wxString::Format("select * from %s where SR==%d", TamsoTabelNaam, SR));
}

Requirement VerelTamsoApp::geefRequirement(const wxString& naam)
{
    return leesEen("select * from " + TamsoTabelNaam + " where naam==" + quotes(naam));
}

RequirementLijst VerelTamsoApp::geefAllen()
{
    // The rich-text fields stay in the file: renumbering a large project
    // reads only what a list shows.
    static const wxString opdracht =
        "select " + lijstKolommenZonderAandeel + ",werkVerricht,laagFruit from " + TamsoTabelZicht + " order by SR asc";
    return leesLijst(opdracht);
}

Requirement VerelTamsoApp::leesEen(const wxString& opdracht)
{
    wxSQLite3Table tabel;
    if (leesTabelMetQuery(opdracht, tabel) != 0)
    {
        meldLeesFout();
        return Requirement();
    }
    if (tabel.GetRowCount() == 0)
        return Requirement();
    tabel.SetRow(0);
    return vertaalTabel(tabel, true);
}

RequirementLijst VerelTamsoApp::leesLijst(const wxString& opdracht)
{
    RequirementLijst lijst;
    wxSQLite3Table tabel;
    if (leesTabelMetQuery(opdracht, tabel) != 0)
    {
        meldLeesFout();
        return lijst;
    }
    const RijLezer rij(tabel);
    // One default record for the whole list: the fields a list leaves alone
    // are the same for every row.
    const Requirement standaard;
    const int aantal = tabel.GetRowCount();
    lijst.Alloc(static_cast<size_t>(aantal));
    for (int i = 0; i < aantal; ++i)
    {
        tabel.SetRow(i);
        lijst.Add(new Requirement(vertaal(rij, false, standaard)));
    }
    return lijst;
}
