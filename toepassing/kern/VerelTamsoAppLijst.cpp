// The requirement list as a virtual list reads it: per refill one pass for
// the numbers in list order and the figures under the list, then the rows
// it shows, a page at a time, by their numbers; the project's own figures
// and the people named in it.
#include "toepassing/kern/LijstAandeel.h"
#include "toepassing/kern/RequirementVeld.h"
#include "toepassing/kern/SorteerSleutels.h"
#include "toepassing/kern/VerelTamsoApp.h"

#include <algorithm>
#include <limits>
#include <memory>
#include <numeric>
#include <unordered_map>
#include <vector>

namespace
{
// A sum that neither wraps nor loses integers: the integers of a column are
// added exactly, in 128 bits; real numbers (a foreign file's, or a weight
// that SQLite took out of 64 bits) as doubles. NULL adds nothing.
class Som
{
public:
    void telOp(wxSQLite3ResultSet& rij, int kolom)
    {
        if (rij.IsNull(kolom))
            return;
        if (rij.GetColumnType(kolom) == WXSQLITE_INTEGER)
            geheel += rij.GetInt64(kolom).GetValue();
        else
            reeel += rij.GetDouble(kolom);
    }

    double alsReeel() const { return static_cast<double>(geheel) + reeel; }

    long long alsGeheel() const
    {
        constexpr long long grootste = std::numeric_limits<long long>::max();
        constexpr long long kleinste = std::numeric_limits<long long>::min();
        if (reeel == 0.0)
            return geheel > grootste ? grootste : geheel < kleinste ? kleinste : static_cast<long long>(geheel);
        const double waarde = alsReeel();
        if (!(waarde < static_cast<double>(grootste)))
            return waarde > 0 ? grootste : 0;
        return waarde > static_cast<double>(kleinste) ? static_cast<long long>(waarde) : kleinste;
    }

private:
    __int128 geheel = 0;
    double reeel = 0.0;
};

// A numerator of one of the two shares, as SQLite computed it.
struct Teller
{
    bool bestaat = false;
    double waarde = 0.0;

    static Teller lees(wxSQLite3ResultSet& rij, int kolom)
    {
        Teller teller;
        teller.bestaat = !rij.IsNull(kolom);
        if (teller.bestaat)
            teller.waarde = rij.GetDouble(kolom);
        return teller;
    }
};

// The listed requirements while the selection is made, in the order the
// query gives them.
struct Regels
{
    std::vector<long long> rijNummers;
    std::vector<int> nummers;
    std::vector<Teller> werk;
    // The numerator of the share the list is sorted on.
    std::vector<Teller> sorteerTeller;
};

const LijstAandeel* geefAandeel(VerelTamsoApp::Kolommen kolom)
{
    if (kolom == VerelTamsoApp::KolomBijdrage)
        return &LijstAandeel::werkVerricht;
    if (kolom == VerelTamsoApp::KolomVoortgang)
        return &LijstAandeel::laagFruit;
    return nullptr;
}

bool heeftRichting(Sortering sortering)
{
    return sortering == SorteringOplopend || sortering == SorteringAflopend;
}

// The positions of the rows in list order: equal values, and a list
// without a direction, in the order the requirements were added (their row
// id), as a scan of the table gives them.
std::vector<uint32_t> zetInVolgorde(const Regels& regels, SorteerSleutels* sleutels, bool oplopend)
{
    if (sleutels)
        return sleutels->sorteer(oplopend);
    std::vector<uint32_t> plaatsen(regels.rijNummers.size());
    std::iota(plaatsen.begin(), plaatsen.end(), 0u);
    std::sort(plaatsen.begin(), plaatsen.end(),
              [&](uint32_t a, uint32_t b) { return regels.rijNummers[a] < regels.rijNummers[b]; });
    return plaatsen;
}

wxString alsInLijst(const std::vector<int>& nummers, size_t vanaf, size_t tot)
{
    wxString tekst;
    for (size_t i = vanaf; i < tot; ++i)
        tekst += wxString::Format(i == vanaf ? "%d" : ",%d", nummers[i]);
    return tekst;
}
} // namespace

int VerelTamsoApp::leesLijstSelektie(const ZoekCriteria& criteria, LijstSelektie& selektie)
{
    selektie = LijstSelektie();
    maakZoekVelden(criteria.zoekTekst, criteria.persoon, criteria.status, criteria.type, criteria.funkType,
                   criteria.minPrioriteit);
    // The view serves the whole-record reads with the shares of this set;
    // the list does not read it. A renewal that fails has been reported and
    // leaves the list as it is.
    static_cast<void>(maakRekZicht());

    // The sort column, or the share sorted on once the weight of the set
    // is known, or nothing: the order of addition.
    const wxString sorteerNaam =
        heeftRichting(criteria.sortering) ? geefDBKolomNaam(criteria.sorteerKolom) : wxString();
    const LijstAandeel* sorteerAandeel = sorteerNaam.empty() ? nullptr : geefAandeel(criteria.sorteerKolom);
    const wxString sorteerKolom = sorteerAandeel ? sorteerAandeel->teller : sorteerNaam;
    // Without a search text the list index holds every column read here. A
    // search text is looked for in every column, the rich text included:
    // one scan of the table beats a walk through an index that looks every
    // row up again.
    const wxString opdracht = "select id,SR,totaleKosten," + LijstAandeel::gewicht + "," +
                              LijstAandeel::werkVerricht.teller +
                              (sorteerKolom.empty() ? wxString() : "," + sorteerKolom) + " from " + TamsoTabelNaam +
                              (criteria.zoekTekst.empty() ? "" : " not indexed") + " where " + zoekVoorwaarde;
    wxSQLite3ResultSet rijen;
    if (executeQueryExternResultaat(opdracht, rijen) != 0)
    {
        meldLeesFout();
        return 2;
    }
    Regels regels;
    std::unique_ptr<SorteerSleutels> sleutels;
    if (!sorteerKolom.empty())
    {
        const RequirementVeld* veld = RequirementVeld::geef(sorteerNaam);
        sleutels = std::make_unique<SorteerSleutels>(veld && veld->isZonderHoofdletters());
    }
    Som kosten;
    Som gewicht;
    try
    {
        while (rijen.NextRow())
        {
            regels.rijNummers.push_back(rijen.GetInt64(0).GetValue());
            regels.nummers.push_back(rijen.GetInt(1));
            kosten.telOp(rijen, 2);
            gewicht.telOp(rijen, 3);
            regels.werk.push_back(Teller::lees(rijen, 4));
            if (sorteerAandeel)
                regels.sorteerTeller.push_back(Teller::lees(rijen, 5));
            else if (sleutels)
                sleutels->voegToe(rijen, 5, regels.rijNummers.back());
        }
    }
    catch (const wxSQLite3Exception& fout)
    {
        meldLeesFout(fout);
        return 2;
    }

    selektie.kostenSom = kosten.alsGeheel();
    selektie.gewichtSom = gewicht.alsReeel();
    if (sorteerAandeel)
        for (size_t i = 0; i < regels.sorteerTeller.size(); ++i)
        {
            const Teller& teller = regels.sorteerTeller[i];
            double aandeel = 0.0;
            if (sorteerAandeel->bereken(teller.bestaat, teller.waarde, selektie.gewichtSom, aandeel))
                sleutels->voegToeGetal(aandeel, regels.rijNummers[i]);
            else
                sleutels->voegToeNiets(regels.rijNummers[i]);
        }
    const std::vector<uint32_t> plaatsen =
        zetInVolgorde(regels, sleutels.get(), criteria.sortering == SorteringOplopend);
    selektie.nummers.reserve(plaatsen.size());
    for (const uint32_t plaats : plaatsen)
    {
        selektie.nummers.push_back(regels.nummers[plaats]);
        const Teller& werk = regels.werk[plaats];
        double aandeel = 0.0;
        if (LijstAandeel::werkVerricht.bereken(werk.bestaat, werk.waarde, selektie.gewichtSom, aandeel))
            selektie.voltooiing += aandeel;
    }
    return 0;
}

int VerelTamsoApp::leesLijstPagina(const LijstSelektie& selektie, size_t vanaf, size_t aantal, RequirementLijst& rijen)
{
    rijen.Clear();
    const std::vector<int>& nummers = selektie.nummers;
    if (vanaf >= nummers.size() || aantal == 0)
        return 0;
    const size_t tot = vanaf + std::min(aantal, nummers.size() - vanaf);
    std::unordered_map<int, size_t> plaatsen;
    for (size_t i = vanaf; i < tot; ++i)
        plaatsen.emplace(nummers[i], i - vanaf);

    // The two numerators first: the list columns are read by name.
    static const wxString kolommen = "select " + LijstAandeel::werkVerricht.teller + "," +
                                     LijstAandeel::laagFruit.teller + "," + RequirementVeld::lijstKolommen() +
                                     " from " + TamsoTabelNaam + " where SR in (";
    std::vector<std::unique_ptr<Requirement>> pagina(tot - vanaf);
    const int gelezen = stapDoorLijstRijen(
        kolommen + alsInLijst(nummers, vanaf, tot) + ")",
        [&](Requirement& rek, wxSQLite3ResultSet& rij)
        {
            const auto plaats = plaatsen.find(rek.SR);
            if (plaats == plaatsen.end() || pagina[plaats->second])
                return;
            const double som = selektie.gewichtSom;
            double aandeel = 0.0;
            const Teller werk = Teller::lees(rij, 0);
            const Teller fruit = Teller::lees(rij, 1);
            rek.werkVerricht = LijstAandeel::werkVerricht.bereken(werk.bestaat, werk.waarde, som, aandeel)
                                   ? static_cast<float>(aandeel)
                                   : 0.0f;
            rek.laagFruit = LijstAandeel::laagFruit.bereken(fruit.bestaat, fruit.waarde, som, aandeel)
                                ? static_cast<float>(aandeel)
                                : 0.0f;
            pagina[plaats->second] = std::make_unique<Requirement>(std::move(rek));
        });
    if (gelezen != 0)
        return 2;
    int resultaat = 0;
    for (std::unique_ptr<Requirement>& rek : pagina)
    {
        if (rek)
            rijen.Add(rek.release());
        else
            resultaat = 1;
    }
    return resultaat;
}

// A page at a time, and row by row in a page that cannot be read whole:
// the damage that stops a page may lie in one row of it. The damage itself
// has been reported once, at the first read that met it.
int VerelTamsoApp::houdLeesbaar(LijstSelektie& selektie)
{
    const size_t pagina = 64;
    std::vector<int> leesbaar;
    leesbaar.reserve(selektie.nummers.size());
    for (size_t vanaf = 0; vanaf < selektie.nummers.size(); vanaf += pagina)
    {
        const size_t tot = std::min(selektie.nummers.size(), vanaf + pagina);
        RequirementLijst rijen;
        if (leesLijstPagina(selektie, vanaf, tot - vanaf, rijen) == 0)
        {
            leesbaar.insert(leesbaar.end(), selektie.nummers.begin() + static_cast<long>(vanaf),
                            selektie.nummers.begin() + static_cast<long>(tot));
            continue;
        }
        for (size_t i = vanaf; i < tot; ++i)
        {
            RequirementLijst rij;
            if (leesLijstPagina(selektie, i, 1, rij) == 0)
                leesbaar.push_back(selektie.nummers[i]);
        }
    }
    const bool volledig = leesbaar.size() == selektie.nummers.size();
    selektie.nummers = std::move(leesbaar);
    return volledig ? 0 : 1;
}

int VerelTamsoApp::leesProjektTotalen(long long& aantal, long long& kosten)
{
    aantal = -1;
    kosten = -1;
    // The total in floating point, as the list's sums: a sum() of integers
    // fails on a project whose costs pass 64 bits.
    static const wxString opdracht = "select count(*),total(totaleKosten) from " + TamsoTabelNaam;
    wxSQLite3ResultSet rij;
    if (executeQueryExternResultaat(opdracht, rij) != 0)
        return 2;
    try
    {
        if (!rij.NextRow())
            return 2;
        aantal = rij.GetInt64(0).GetValue();
        kosten = rij.GetInt64(1).GetValue();
        return 0;
    }
    catch (const wxSQLite3Exception& fout)
    {
        meldFout(fout);
        aantal = -1;
        kosten = -1;
        return 2;
    }
}

long long VerelTamsoApp::geefAantalRequirements()
{
    long long aantal = 0;
    long long kosten = 0;
    return leesProjektTotalen(aantal, kosten) == 0 ? aantal : -1;
}

long long VerelTamsoApp::geefTotaleKosten()
{
    long long aantal = 0;
    long long kosten = 0;
    return leesProjektTotalen(aantal, kosten) == 0 ? kosten : -1;
}

int VerelTamsoApp::leesAlleWerknemers(wxArrayString& namen)
{
    static const wxString opdracht = []
    {
        const wxString personen[4] = {"auteur", "aftekenaar", "implementatieIngenieur", "testIngenieur"};
        wxString tekst;
        for (const wxString& kolom : personen)
            tekst += (tekst.empty() ? "" : " union ") +
                     ("select distinct " + kolom + " as a from " + TamsoTabelNaam + " where " + kolom + " is not null");
        return tekst + " order by a asc";
    }();
    namen.clear();
    wxSQLite3ResultSet rij;
    if (executeQueryExternResultaat(opdracht, rij) != 0)
        return 2;
    try
    {
        while (rij.NextRow())
        {
            const wxString naam = leesTekst(rij, 0);
            if (!naam.empty())
                namen.Add(naam);
        }
        return 0;
    }
    catch (const wxSQLite3Exception& fout)
    {
        meldFout(fout);
        namen.clear();
        return 2;
    }
}

wxArrayString VerelTamsoApp::leesAlleWerknemers()
{
    wxArrayString namen;
    if (leesAlleWerknemers(namen) != 0)
        namen.clear();
    return namen;
}
