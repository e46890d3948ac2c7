// The requirement list as a virtual list reads it: per refill one pass for
// the numbers in list order and the figures under the list, then the rows
// it shows, a page at a time, by their numbers; the project's own figures
// and the people named in it.
#include "swexternals/desktop/wx/wxSQLite3/GeheugenLezing.h"
#include "swexternals/desktop/wx/wxSQLite3/LangeLezing.h"
#include "toepassing/kern/LijstAandeel.h"
#include "toepassing/kern/RequirementVeld.h"
#include "toepassing/kern/SorteerSleutels.h"
#include "toepassing/kern/VerelTamsoApp.h"

#include <algorithm>
#include <limits>
#include <memory>
#include <numeric>
#include <optional>
#include <string>
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
    void telOp(const SQLite3Lezing& rij, int kolom)
    {
        const SQLite3Lezing::Soort soort = rij.geefSoort(kolom);
        if (soort == SQLite3Lezing::SoortNull)
            return;
        if (soort == SQLite3Lezing::SoortGeheel)
            geheel += rij.geefGeheel(kolom);
        else
            reeel += rij.geefReeel(kolom);
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

    static Teller lees(const SQLite3Lezing& rij, int kolom)
    {
        Teller teller;
        teller.bestaat = !rij.isNull(kolom);
        if (teller.bestaat)
            teller.waarde = rij.geefReeel(kolom);
        return teller;
    }
};

// The I.D numbers as the query gives them, when the list is sorted on
// them: while each is an integer above the one before, the query's order
// is the list's, and no sort is needed.
class NummerVolgorde
{
public:
    // False once a number is no integer: the general sort takes over.
    bool voegToe(const SQLite3Lezing& rij, int kolom)
    {
        if (rij.geefSoort(kolom) != SQLite3Lezing::SoortGeheel)
            return false;
        const long long nummer = rij.geefGeheel(kolom);
        oplopend = oplopend && (waarden.empty() || nummer > waarden.back());
        waarden.push_back(nummer);
        return true;
    }

    // The positions in list order; equal numbers by row id, as SQLite's
    // sorter keeps them.
    std::vector<uint32_t> sorteer(const std::vector<long long>& rijNummers, bool oplopendGevraagd) const
    {
        std::vector<uint32_t> plaatsen(waarden.size());
        std::iota(plaatsen.begin(), plaatsen.end(), 0u);
        if (oplopend)
        {
            if (!oplopendGevraagd)
                std::reverse(plaatsen.begin(), plaatsen.end());
            return plaatsen;
        }
        std::sort(plaatsen.begin(), plaatsen.end(),
                  [&](uint32_t a, uint32_t b)
                  {
                      if (waarden[a] != waarden[b])
                          return oplopendGevraagd ? waarden[a] < waarden[b] : waarden[a] > waarden[b];
                      return rijNummers[a] < rijNummers[b];
                  });
        return plaatsen;
    }

    // Handed over to the general sort, the numbers read so far first.
    void geefDoor(SorteerSleutels& sleutels, const std::vector<long long>& rijNummers)
    {
        for (size_t i = 0; i < waarden.size(); ++i)
            sleutels.voegToeGeheel(waarden[i], rijNummers[i]);
        waarden.clear();
    }

private:
    std::vector<long long> waarden;
    bool oplopend = true;
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

// The positions of the rows in order of addition (their row id), as a scan
// of the table gives them.
std::vector<uint32_t> opRijNummer(const Regels& regels)
{
    std::vector<uint32_t> plaatsen(regels.rijNummers.size());
    std::iota(plaatsen.begin(), plaatsen.end(), 0u);
    if (!std::is_sorted(regels.rijNummers.begin(), regels.rijNummers.end()))
        std::sort(plaatsen.begin(), plaatsen.end(),
                  [&](uint32_t a, uint32_t b) { return regels.rijNummers[a] < regels.rijNummers[b]; });
    return plaatsen;
}

wxString alsLijst(const std::vector<long long>& getallen)
{
    std::string tekst;
    tekst.reserve(getallen.size() * 7);
    for (const long long getal : getallen)
    {
        if (!tekst.empty())
            tekst += ',';
        tekst += std::to_string(getal);
    }
    return wxString::FromAscii(tekst.c_str(), tekst.size());
}
} // namespace

bool VerelTamsoApp::kanVernauwen(const ZoekCriteria& criteria, const InhoudVersie& versie) const
{
    const VorigeLijst& vorige = vorigeLijst;
    if (!vorige.geldig || vorige.versie != versie || isBeschadigd() || criteria.zoekTekst.empty())
        return false;
    const ZoekCriteria& toen = vorige.criteria;
    // The order does not change which requirements pass.
    if (toen.persoon != criteria.persoon || toen.status != criteria.status || toen.type != criteria.type ||
        toen.funkType != criteria.funkType || toen.minPrioriteit != criteria.minPrioriteit ||
        vorige.hoofdletterGevoelig != isHoofdletterGevoelig() || vorige.exact != komtZoektermExactOvereen())
        return false;
    return omvatZoekTerm(toen.zoekTekst, criteria.zoekTekst);
}

void VerelTamsoApp::onthoudLijst(const ZoekCriteria& criteria, const InhoudVersie& versie,
                                 std::vector<long long> rijNummers)
{
    vorigeLijst.geldig = false;
    vorigeLijst.rijNummers.clear();
    long long aantal = 0;
    long long kosten = 0;
    if (isBeschadigd() || leesProjektTotalen(aantal, kosten) != 0 ||
        static_cast<long long>(rijNummers.size()) * 2 > aantal)
        return;
    if (!std::is_sorted(rijNummers.begin(), rijNummers.end()))
        std::sort(rijNummers.begin(), rijNummers.end());
    vorigeLijst.criteria = criteria;
    vorigeLijst.hoofdletterGevoelig = isHoofdletterGevoelig();
    vorigeLijst.exact = komtZoektermExactOvereen();
    vorigeLijst.versie = versie;
    vorigeLijst.rijNummers = std::move(rijNummers);
    vorigeLijst.rijNummers.shrink_to_fit();
    vorigeLijst.geldig = true;
}

int VerelTamsoApp::leesLijstSelektie(const ZoekCriteria& criteria, LijstSelektie& selektie)
{
    selektie = LijstSelektie();
    // Before anything of this selection runs: the version the previous one
    // was read in, when nothing changed since.
    const InhoudVersie versie = geefInhoudVersie();
    laatsteSelektieVernauwd = kanVernauwen(criteria, versie);
    // Whatever goes wrong below, the rows of the list before are of no use
    // to the next one.
    VorigeLijst vorige = std::move(vorigeLijst);
    vorigeLijst = VorigeLijst();
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
    const bool opNummer = criteria.sorteerKolom == KolomID && !sorteerNaam.empty();
    // Without a search text the list index holds every column read here, in
    // number order. A search text is looked for in every column, the rich
    // text included: one pass over the table beats a walk through an index
    // that looks every row up again; or, narrowing the list before, a
    // lookup of its rows by row id. Both give the rows in the order they
    // were added, so the sums are taken in the same order too.
    wxString bron = " from " + TamsoTabelNaam;
    wxString voorwaarde = zoekVoorwaarde;
    if (laatsteSelektieVernauwd)
        voorwaarde = "id in (" + alsLijst(vorige.rijNummers) + ") and (" + zoekVoorwaarde + ")";
    else if (!criteria.zoekTekst.empty())
        bron += " not indexed";
    const bool inNummerVolgorde = criteria.zoekTekst.empty() && lijstIndexOpNummer;
    const wxString opdracht = "select id,SR,totaleKosten," + LijstAandeel::gewicht + "," +
                              LijstAandeel::werkVerricht.teller +
                              (sorteerKolom.empty() || opNummer ? wxString() : "," + sorteerKolom) + bron + " where " +
                              voorwaarde + (inNummerVolgorde ? " order by SR" : "");

    Regels regels;
    // Without a search text most of the project is listed, as a rule.
    if (criteria.zoekTekst.empty() && totaalAantal > 0 && totalenVersie == versie)
    {
        const size_t verwacht = static_cast<size_t>(totaalAantal);
        regels.rijNummers.reserve(verwacht);
        regels.nummers.reserve(verwacht);
        regels.werk.reserve(verwacht);
    }
    NummerVolgorde nummerVolgorde;
    bool volgtNummers = opNummer;
    std::unique_ptr<SorteerSleutels> sleutels;
    if (!sorteerKolom.empty())
    {
        const RequirementVeld* veld = RequirementVeld::geef(sorteerNaam);
        sleutels = std::make_unique<SorteerSleutels>(veld && veld->isZonderHoofdletters());
    }
    Som kosten;
    Som gewicht;
    {
        // A search that lasts lets the window paint meanwhile.
        const LangeLezing lang(*this);
        // A pass over the whole table reads the file mapped into memory.
        std::optional<GeheugenLezing> inGeheugen;
        if (!criteria.zoekTekst.empty() && !laatsteSelektieVernauwd)
            inGeheugen.emplace(*this);
        SQLite3Lezing rijen(*this, opdracht, false);
        while (rijen.volgende())
        {
            regels.rijNummers.push_back(rijen.geefGeheel(0));
            regels.nummers.push_back(static_cast<int>(rijen.geefGeheel(1)));
            kosten.telOp(rijen, 2);
            gewicht.telOp(rijen, 3);
            regels.werk.push_back(Teller::lees(rijen, 4));
            if (sorteerAandeel)
                regels.sorteerTeller.push_back(Teller::lees(rijen, 5));
            else if (volgtNummers && !nummerVolgorde.voegToe(rijen, 1))
            {
                volgtNummers = false;
                nummerVolgorde.geefDoor(*sleutels, regels.rijNummers);
                sleutels->voegToe(rijen, 1, regels.rijNummers.back());
            }
            else if (sleutels && !volgtNummers)
                sleutels->voegToe(rijen, opNummer ? 1 : 5, regels.rijNummers.back());
        }
        if (!rijen.isOk() || rijen.isMislukt())
        {
            meldLeesFout();
            return 2;
        }
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
    const bool oplopend = criteria.sortering == SorteringOplopend;
    const std::vector<uint32_t> plaatsen = volgtNummers ? nummerVolgorde.sorteer(regels.rijNummers, oplopend)
                                           : sleutels   ? sleutels->sorteer(oplopend)
                                                        : opRijNummer(regels);
    selektie.nummers.reserve(plaatsen.size());
    for (const uint32_t plaats : plaatsen)
    {
        selektie.nummers.push_back(regels.nummers[plaats]);
        const Teller& werk = regels.werk[plaats];
        double aandeel = 0.0;
        if (LijstAandeel::werkVerricht.bereken(werk.bestaat, werk.waarde, selektie.gewichtSom, aandeel))
            selektie.voltooiing += aandeel;
    }
    onthoudLijst(criteria, versie, std::move(regels.rijNummers));
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

    std::vector<std::unique_ptr<Requirement>> pagina(tot - vanaf);
    const int gelezen =
        leesLijstRijen(nummers, vanaf, tot,
                       [&](Requirement& rek, SQLite3Lezing& rij)
                       {
                           const auto plaats = plaatsen.find(rek.SR);
                           if (plaats == plaatsen.end() || pagina[plaats->second])
                               return;
                           const double som = selektie.gewichtSom;
                           double aandeel = 0.0;
                           const Teller werk = Teller::lees(rij, 0);
                           const Teller fruit = Teller::lees(rij, 1);
                           rek.werkVerricht =
                               LijstAandeel::werkVerricht.bereken(werk.bestaat, werk.waarde, som, aandeel)
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
    const InhoudVersie versie = geefInhoudVersie();
    if (totaalAantal >= 0 && versie == totalenVersie)
    {
        aantal = totaalAantal;
        kosten = totaalKosten;
        return 0;
    }
    totaalAantal = aantal = -1;
    totaalKosten = kosten = -1;
    // The total in floating point, as the list's sums: a sum() of integers
    // fails on a project whose costs pass 64 bits.
    static const wxString opdracht = "select count(*),total(totaleKosten) from " + TamsoTabelNaam;
    SQLite3Lezing rij(*this, opdracht, true);
    if (!rij.volgende())
        return 2;
    aantal = rij.geefGeheel(0);
    kosten = rij.geefGeheel(1);
    totaalAantal = aantal;
    totaalKosten = kosten;
    totalenVersie = versie;
    return 0;
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
    // Known while the project is as it was when they were read: any change,
    // an undo and another program's commit included, gives another version.
    const InhoudVersie versie = geefInhoudVersie();
    if (versie == personenVersie)
    {
        namen = personen;
        return 0;
    }
    personenVersie = InhoudVersie();
    personen.clear();
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
        personen = namen;
        personenVersie = versie;
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
