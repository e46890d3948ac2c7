// Requirements read from the project into records: one by number or title,
// all in number order, or the rows of a list query.
#include "swexternals/desktop/DesktopFunkties.h"
#include "swexternals/desktop/ToonbareTekst.h"
#include "toepassing/kern/LijstAandeel.h"
#include "toepassing/kern/RequirementVeld.h"
#include "toepassing/kern/VerelTamsoApp.h"

#include <algorithm>
#include <array>
#include <limits>
#include <unordered_map>
#include <utility>
#include <wx/intl.h>

namespace
{
const wxString leesFout = wxTRANSLATE("Error reading requirements from the database. The operation is abandoned.");

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

// The cells of a table: every value is held as text, already decoded by
// the wrapper (bytes that are no UTF-8 read as an empty text).
struct TabelCel
{
    static int aantal(wxSQLite3Table& bron) { return bron.GetColumnCount(); }
    static wxString naam(wxSQLite3Table& bron, int i) { return bron.GetColumnName(i); }
    static wxString tekst(wxSQLite3Table& bron, int i) { return ToonbareTekst::maak(bron.GetString(i, wxString())); }
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
    static int aantal(wxSQLite3ResultSet& bron) { return bron.GetColumnCount(); }
    static wxString naam(wxSQLite3ResultSet& bron, int i) { return bron.GetColumnName(i); }
    static wxString tekst(wxSQLite3ResultSet& bron, int i) { return SQLite3Basis::leesTekst(bron, i); }
    static long long getal(wxSQLite3ResultSet& bron, int i) { return bron.GetInt64(i, 0).GetValue(); }
    static double reeel(wxSQLite3ResultSet& bron, int i) { return bron.GetDouble(i, 0.0); }
};

// The same, stepped through SQLite's own interface: NULL reads as 0.
struct LezingCel
{
    static int aantal(SQLite3Lezing& bron) { return bron.geefAantalKolommen(); }
    static wxString naam(SQLite3Lezing& bron, int i) { return bron.geefKolomNaam(i); }
    static wxString tekst(SQLite3Lezing& bron, int i) { return bron.geefTekst(i); }
    static long long getal(SQLite3Lezing& bron, int i) { return bron.geefGeheel(i); }
    static double reeel(SQLite3Lezing& bron, int i) { return bron.geefReeel(i); }
};

// The store writes "%Y-%m-%d". Anything else, a missing date included, is
// no date: a lenient parse would make "today" or "12" a date. A local date
// costs a look at the time zone file; a project holds few different days,
// so each is made once and kept (the list reads a page at a time).
wxDateTime leesDatum(const wxString& waarde)
{
    if (waarde.empty())
        return wxInvalidDateTime;
    static std::unordered_map<wxString, wxDateTime, wxStringHash, wxStringEqual> datums;
    const auto bekend = datums.find(waarde);
    if (bekend != datums.end())
        return bekend->second;
    wxDateTime datum;
    wxString::const_iterator einde;
    if (!datum.ParseFormat(waarde, "%Y-%m-%d", wxDefaultDateTime, &einde) || einde != waarde.end())
        datum = wxInvalidDateTime;
    // A project's days are few; texts that are no date could be many.
    if (datums.size() >= 10000)
        datums.clear();
    datums.emplace(waarde, datum);
    return datum;
}

// Reads the cells of the current row by column name, the positions looked
// up once per query. A column the query lacks, or a NULL, gives the empty
// value.
// Where the fields and the two percentages stand among a query's columns,
// found by their names; -1 for one the query lacks.
struct KolomPlaatsen
{
    std::array<int, RequirementVeld::aantal> velden;
    int werkVerricht = -1;
    int laagFruit = -1;

    template <class Cel, class Bron> static KolomPlaatsen zoek(Bron& bron)
    {
        KolomPlaatsen plaatsen;
        plaatsen.velden.fill(-1);
        const RequirementVeld::Tabel& velden = RequirementVeld::alle();
        for (int i = 0; i < Cel::aantal(bron); ++i)
        {
            const wxString naam = Cel::naam(bron, i);
            for (size_t veld = 0; veld < velden.size(); ++veld)
                if (naam == velden[veld].kolom)
                    plaatsen.velden[veld] = i;
            if (naam == LijstAandeel::werkVerricht.kolom)
                plaatsen.werkVerricht = i;
            if (naam == LijstAandeel::laagFruit.kolom)
                plaatsen.laagFruit = i;
        }
        return plaatsen;
    }
};

template <class Bron, class Cel> class RijLezer
{
public:
    explicit RijLezer(Bron& bron) : bron(bron), plaatsen(KolomPlaatsen::zoek<Cel>(bron)) {}
    // For a statement that is run many times: its columns looked up once.
    RijLezer(Bron& bron, const KolomPlaatsen& plaatsen) : bron(bron), plaatsen(plaatsen) {}

    Requirement vertaal(bool alle, const Requirement& standaard) const
    {
        Requirement rek(standaard);
        const RequirementVeld::Tabel& velden = RequirementVeld::alle();
        for (size_t veld = 0; veld < velden.size(); ++veld)
            if (alle || velden[veld].inLijst)
                lees(velden[veld], plaatsen.velden[veld], rek);
        rek.werkVerricht = reeel(plaatsen.werkVerricht);
        rek.laagFruit = reeel(plaatsen.laagFruit);
        return rek;
    }

private:
    Bron& bron;
    KolomPlaatsen plaatsen;

    void lees(const RequirementVeld& veld, int positie, Requirement& rek) const
    {
        switch (veld.soort)
        {
        case RequirementVeld::SoortTekst:
            veld.zetTekst(rek, tekst(positie));
            break;
        case RequirementVeld::SoortDatum:
            veld.zetDatum(rek, datum(positie));
            break;
        default:
            veld.zetGetal(rek, positie < 0 ? 0 : Cel::getal(bron, positie));
            break;
        }
    }

    wxString tekst(int positie) const { return positie < 0 ? wxString() : Cel::tekst(bron, positie); }

    float reeel(int positie) const { return positie < 0 ? 0.0f : static_cast<float>(Cel::reeel(bron, positie)); }

    wxDateTime datum(int positie) const { return leesDatum(tekst(positie)); }
};

} // namespace

// After the database layer's report: not when that said in full what
// happened and what to do (a damaged file, a lock, a full disk), which this
// would only repeat, less well.
void VerelTamsoApp::meldLeesFout()
{
    if (!isFoutUitgelegd())
        DesktopFunkties::wxErrorVeilig(wxGetTranslation(leesFout));
}

void VerelTamsoApp::meldLeesFout(const wxSQLite3Exception& fout)
{
    meldFout(fout);
    meldLeesFout();
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
    static const wxString opdracht = "select " + RequirementVeld::lijstKolommen() + ",werkVerricht,laagFruit from " +
                                     TamsoTabelZicht + " order by SR asc";
    return leesLijst(opdracht);
}

// Stepped through as the list is, not read into a table: a table holds its
// texts as the wrapper decoded them, and a title that is no UTF-8 would
// read as empty.
Requirement VerelTamsoApp::leesEen(const wxString& opdracht)
{
    wxSQLite3ResultSet rijen;
    if (executeQueryExternResultaat(opdracht, rijen) != 0)
    {
        meldLeesFout();
        return Requirement();
    }
    try
    {
        if (rijen.NextRow())
            return RijLezer<wxSQLite3ResultSet, RijCel>(rijen).vertaal(true, Requirement());
    }
    catch (const wxSQLite3Exception& fout)
    {
        meldLeesFout(fout);
    }
    return Requirement();
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
        meldLeesFout(fout);
        return 2;
    }
    return 0;
}

namespace
{
// The page query: the two numerators first, then the list columns and the
// row id, of the requirements whose row ids (or numbers) are bound. A fixed
// number of them, so that one statement prepared once serves every page;
// the places a page leaves empty are bound to NULL, which no key equals.
constexpr int paginaPlaatsen = 64;

wxString maakPaginaOpdracht(const wxString& sleutel)
{
    wxString plaatsen;
    for (int i = 1; i <= paginaPlaatsen; ++i)
        plaatsen += wxString::Format(i == 1 ? "?%d" : ",?%d", i);
    return "select " + LijstAandeel::werkVerricht.teller + "," + LijstAandeel::laagFruit.teller + "," +
           RequirementVeld::lijstKolommen() + ",rowid from " + VerelTamsoApp::TamsoTabelNaam + " where " + sleutel +
           " in (" + plaatsen + ")";
}

const wxString& paginaOpdracht(bool opRijId)
{
    static const wxString opRijIds = maakPaginaOpdracht("rowid");
    static const wxString opNummers = maakPaginaOpdracht("SR");
    return opRijId ? opRijIds : opNummers;
}
} // namespace

int VerelTamsoApp::leesLijstRijen(const std::vector<long long>& sleutels, bool opRijId,
                                  const std::function<void(Requirement&, SQLite3Lezing&)>& neem)
{
    const Requirement standaard;
    for (size_t begin = 0; begin < sleutels.size(); begin += paginaPlaatsen)
    {
        SQLite3Lezing rijen(*this, paginaOpdracht(opRijId), true);
        if (!rijen.isOk())
        {
            meldLeesFout();
            return 2;
        }
        const size_t eind = std::min(sleutels.size(), begin + paginaPlaatsen);
        for (int plaats = 1; plaats <= paginaPlaatsen; ++plaats)
        {
            const size_t i = begin + static_cast<size_t>(plaats) - 1;
            if (i < eind)
                rijen.bind(plaats, sleutels[i]);
            else
                rijen.bindNull(plaats);
        }
        // The places of the columns by their names, once: both statements
        // have them in the same places.
        static const KolomPlaatsen plaatsen = KolomPlaatsen::zoek<LezingCel>(rijen);
        const RijLezer<SQLite3Lezing, LezingCel> rij(rijen, plaatsen);
        while (rijen.volgende())
        {
            Requirement rek = rij.vertaal(false, standaard);
            neem(rek, rijen);
        }
        if (rijen.isMislukt())
        {
            meldLeesFout();
            return 2;
        }
    }
    return 0;
}
