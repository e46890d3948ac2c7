// Requirements read from the project into records: one by number or title,
// all in number order, or the rows of a list query.
#include "swexternals/desktop/DesktopFunkties.h"
#include "toepassing/kern/VerelTamsoApp.h"

#include <array>
#include <limits>
#include <map>
#include <utility>
#include <wx/intl.h>

namespace
{
const wxString leesFout = wxTRANSLATE("Error reading requirements from the database. The operation is abandoned.");

// The eleven list columns, without the two percentages.
const wxString lijstKolommenZonderAandeel = "SR,naam,auteur,implementatieIngenieur,testIngenieur,prioriteit,"
                                            "totaleKosten,status,datum";

// The columns a record is made of.
enum Veld : size_t
{
    VeldNaam,
    VeldDatum,
    VeldSR,
    VeldPrioriteit,
    VeldKosten,
    VeldAuteur,
    VeldImplementatieIngenieur,
    VeldTestIngenieur,
    VeldWerkVerricht,
    VeldLaagFruit,
    VeldStatus,
    VeldVersie,
    VeldBeschrijving,
    VeldImplementatie,
    VeldValidatieTest,
    VeldTestLogboek,
    VeldExterneRef,
    VeldKommentaar,
    VeldAftekenaar,
    VeldAfgetekendDatum,
    VeldType,
    VeldFunkType,
    VeldOuder,
    VeldGerelateerd,
    aantalVelden
};

const std::array<wxString, aantalVelden>& veldNamen()
{
    static const std::array<wxString, aantalVelden> namen = {"naam",
                                                             "datum",
                                                             "SR",
                                                             "prioriteit",
                                                             "totaleKosten",
                                                             "auteur",
                                                             "implementatieIngenieur",
                                                             "testIngenieur",
                                                             "werkVerricht",
                                                             "laagFruit",
                                                             "status",
                                                             "versie",
                                                             "beschrijving",
                                                             "implementatie",
                                                             "validatie_test",
                                                             "testLogboek",
                                                             "externeRef",
                                                             "kommentaar",
                                                             "aftekenaar",
                                                             "afgetekendDatum",
                                                             "type",
                                                             "funkType",
                                                             "SR_ouder",
                                                             "SR_gerelateerd"};
    return namen;
}

// The text of a cell as a whole number: an integer, or a real number cut
// to one; anything else is 0, as SQLite reads it.
long long alsGetal(const wxString& waarde)
{
    long long geheel = 0;
    if (waarde.ToLongLong(&geheel))
        return geheel;
    double reeel = 0.0;
    if (!waarde.ToCDouble(&reeel) || !(reeel > static_cast<double>(std::numeric_limits<long long>::min())) ||
        !(reeel < static_cast<double>(std::numeric_limits<long long>::max())))
        return 0;
    return static_cast<long long>(reeel);
}

// The cells of a table: every value is held as text.
struct TabelCel
{
    static wxString tekst(wxSQLite3Table& bron, int i) { return bron.GetString(i, wxString()); }
    static long long getal(wxSQLite3Table& bron, int i) { return alsGetal(bron.GetString(i, wxString())); }
    static double reeel(wxSQLite3Table& bron, int i)
    {
        double waarde = 0.0;
        return bron.GetString(i, wxString()).ToCDouble(&waarde) ? waarde : 0.0;
    }
};

// The cells of a row being stepped through: SQLite converts the numbers.
struct RijCel
{
    static wxString tekst(wxSQLite3ResultSet& bron, int i) { return bron.GetString(i, wxString()); }
    static long long getal(wxSQLite3ResultSet& bron, int i) { return bron.GetInt64(i, 0).GetValue(); }
    static double reeel(wxSQLite3ResultSet& bron, int i) { return bron.GetDouble(i, 0.0); }
};

// Reads the cells of the current row by column name, the positions looked
// up once per query. A column the query lacks, or a NULL, gives the empty
// value.
template <class Bron, class Cel> class RijLezer
{
public:
    explicit RijLezer(Bron& bron) : bron(bron)
    {
        posities.fill(-1);
        for (int i = 0; i < bron.GetColumnCount(); ++i)
        {
            const wxString naam = bron.GetColumnName(i);
            for (size_t veld = 0; veld < aantalVelden; ++veld)
                if (veldNamen()[veld] == naam)
                    posities[veld] = i;
        }
    }

    wxString tekst(Veld veld) const { return posities[veld] < 0 ? wxString() : Cel::tekst(bron, posities[veld]); }

    // Integer fields of 32 bits keep the low 32 bits of the stored value, so
    // an unsigned field reads the value it stored.
    int getal32(Veld veld) const
    {
        const long long waarde = posities[veld] < 0 ? 0 : Cel::getal(bron, posities[veld]);
        return static_cast<int>(static_cast<unsigned int>(waarde));
    }

    float reeel(Veld veld) const
    {
        return posities[veld] < 0 ? 0.0f : static_cast<float>(Cel::reeel(bron, posities[veld]));
    }

    // The store writes "%Y-%m-%d". Anything else, a missing date included,
    // is no date: a lenient parse would make "today" or "12" a date.
    wxDateTime datum(Veld veld) const
    {
        const wxString waarde = tekst(veld);
        if (waarde.empty())
            return wxInvalidDateTime;
        // A local date costs a look at the time zone file; a project holds
        // few different days, so each is made once per query.
        const auto bekend = datums.find(waarde);
        if (bekend != datums.end())
            return bekend->second;
        wxDateTime datum;
        wxString::const_iterator einde;
        if (!datum.ParseFormat(waarde, "%Y-%m-%d", wxDefaultDateTime, &einde) || einde != waarde.end())
            datum = wxInvalidDateTime;
        datums.emplace(waarde, datum);
        return datum;
    }

    Requirement vertaal(bool alle, const Requirement& standaard) const
    {
        Requirement rek(standaard);
        rek.naam = tekst(VeldNaam);
        rek.datum = datum(VeldDatum);
        rek.SR = getal32(VeldSR);
        rek.prioriteit = static_cast<unsigned int>(getal32(VeldPrioriteit));
        rek.totaleKosten = static_cast<unsigned int>(getal32(VeldKosten));
        rek.auteur = tekst(VeldAuteur);
        rek.implementatieIngenieur = tekst(VeldImplementatieIngenieur);
        rek.testIngenieur = tekst(VeldTestIngenieur);
        rek.werkVerricht = reeel(VeldWerkVerricht);
        rek.laagFruit = reeel(VeldLaagFruit);
        rek.status = static_cast<Requirement::Status>(getal32(VeldStatus));
        if (!alle)
            return rek;
        rek.versie = tekst(VeldVersie);
        rek.beschrijving = tekst(VeldBeschrijving);
        rek.implementatie = tekst(VeldImplementatie);
        rek.validatie_test = tekst(VeldValidatieTest);
        rek.testLogboek = tekst(VeldTestLogboek);
        rek.externeRef = tekst(VeldExterneRef);
        rek.kommentaar = tekst(VeldKommentaar);
        rek.aftekenaar = tekst(VeldAftekenaar);
        rek.afgetekendDatum = datum(VeldAfgetekendDatum);
        rek.type = static_cast<Requirement::Type>(getal32(VeldType));
        rek.funkType = static_cast<Requirement::FunkType>(getal32(VeldFunkType));
        rek.SR_ouder = getal32(VeldOuder);
        rek.SR_gerelateerd = getal32(VeldGerelateerd);
        return rek;
    }

private:
    Bron& bron;
    std::array<int, aantalVelden> posities;
    mutable std::map<wxString, wxDateTime> datums;
};

} // namespace

void VerelTamsoApp::meldLeesFout()
{
    DesktopFunkties::wxErrorVeilig(wxGetTranslation(leesFout));
}

// What the database layer reports of a failure that it did not see: an
// error while the rows of a query were stepped through.
void VerelTamsoApp::meldLeesFout(const wxString& sqliteBericht)
{
    DesktopFunkties::wxErrorVeilig(_("SQLite3 error:") + DesktopFunkties::dubbeleQuotes(sqliteBericht, true) +
                                   DesktopAppBasis::vr + wxGetTranslation(leesFout));
}

void VerelTamsoApp::meldSQLiteFout(const wxString& sqliteBericht)
{
    DesktopFunkties::wxErrorVeilig(_("SQLite3 error:") + DesktopFunkties::dubbeleQuotes(sqliteBericht, true));
}

Requirement VerelTamsoApp::vertaalTabel(wxSQLite3Table& tabel, bool alle)
{
    return RijLezer<wxSQLite3Table, TabelCel>(tabel).vertaal(alle, Requirement());
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

// The rows are stepped through, not first copied into a table: a list of a
// large project is made from the query as it comes.
RequirementLijst VerelTamsoApp::leesLijst(const wxString& opdracht)
{
    RequirementLijst lijst;
    if (stapDoorLijstRijen(opdracht, [&lijst](Requirement& rek, wxSQLite3ResultSet&)
                           { lijst.Add(new Requirement(std::move(rek))); }) != 0)
        lijst.Clear();
    return lijst;
}

int VerelTamsoApp::stapDoorLijstRijen(const wxString& opdracht,
                                      const std::function<void(Requirement&, wxSQLite3ResultSet&)>& neem)
{
    wxSQLite3ResultSet rijen;
    if (executeQueryExternResultaat(opdracht, rijen) != 0)
    {
        meldLeesFout();
        return 2;
    }
    try
    {
        const RijLezer<wxSQLite3ResultSet, RijCel> rij(rijen);
        // One default record for the whole list: the fields a list leaves
        // alone are the same for every row.
        const Requirement standaard;
        while (rijen.NextRow())
        {
            Requirement rek = rij.vertaal(false, standaard);
            neem(rek, rijen);
        }
    }
    catch (const wxSQLite3Exception& fout)
    {
        meldLeesFout(fout.GetMessage());
        return 2;
    }
    return 0;
}
