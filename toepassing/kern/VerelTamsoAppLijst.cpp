// The requirement list as a virtual list reads it: per refill one pass for
// the numbers in list order and the figures under the list (or a list kept
// from before, while the project is as it was), then the rows it shows, a
// page at a time, by their row ids; the project's own figures and the
// people named in it.
#include "swexternals/desktop/DesktopAppBasis.h"
#include "swexternals/desktop/DesktopFunkties.h"
#include "swexternals/desktop/wx/wxSQLite3/LangeLezing.h"
#include "toepassing/kern/BeschadigdeLezing.h"
#include "toepassing/kern/LangWerk.h"
#include "toepassing/kern/LijstAandeel.h"
#include "toepassing/kern/RequirementVeld.h"
#include "toepassing/kern/SorteerSleutels.h"
#include "toepassing/kern/VerelTamsoApp.h"

#include <algorithm>
#include <limits>
#include <memory>
#include <numeric>
#include <optional>
#include <set>
#include <unordered_map>
#include <vector>
#include <wx/intl.h>
#include <wx/log.h>

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
} // namespace

namespace
{
// What the lists kept may hold in all: a dozen lists of 100,000 rows, and
// with the list shown the window stays within its 30 MiB.
constexpr size_t onthoudenGrens = size_t{16} << 20;

// The criteria that decide which requirements pass, the order aside.
bool zelfdeFilters(const VerelTamsoApp::ZoekCriteria& a, const VerelTamsoApp::ZoekCriteria& b)
{
    return a.persoon == b.persoon && a.status == b.status && a.type == b.type && a.funkType == b.funkType &&
           a.minPrioriteit == b.minPrioriteit;
}

bool zelfdeCriteria(const VerelTamsoApp::ZoekCriteria& a, const VerelTamsoApp::ZoekCriteria& b)
{
    return zelfdeFilters(a, b) && a.zoekTekst == b.zoekTekst && a.sorteerKolom == b.sorteerKolom &&
           a.sortering == b.sortering;
}
} // namespace

size_t VerelTamsoApp::OnthoudenLijst::geefGrootte() const
{
    return sizeof(OnthoudenLijst) + selektie.nummers.capacity() * sizeof(int) +
           selektie.rijIds.capacity() * sizeof(long long) +
           (criteria.zoekTekst.length() + criteria.persoon.length()) * sizeof(wxUniChar);
}

void VerelTamsoApp::vergeetVorigeLijst()
{
    onthoudenLijsten.clear();
    onthoudenGrootte = 0;
    onthoudenVersie = InhoudVersie();
}

const VerelTamsoApp::OnthoudenLijst* VerelTamsoApp::zoekOnthouden(const ZoekCriteria& criteria)
{
    for (auto lijst = onthoudenLijsten.begin(); lijst != onthoudenLijsten.end(); ++lijst)
        if (zelfdeCriteria(lijst->criteria, criteria) && lijst->hoofdletterGevoelig == isHoofdletterGevoelig() &&
            lijst->exact == komtZoektermExactOvereen())
        {
            // Used again: the last to go.
            onthoudenLijsten.splice(onthoudenLijsten.begin(), onthoudenLijsten, lijst);
            return &onthoudenLijsten.front();
        }
    return nullptr;
}

const VerelTamsoApp::OnthoudenLijst* VerelTamsoApp::zoekRuimer(const ZoekCriteria& criteria) const
{
    // Without a search text the list index is quicker than any lookup.
    if (criteria.zoekTekst.empty())
        return nullptr;
    const OnthoudenLijst* kleinste = nullptr;
    for (const OnthoudenLijst& lijst : onthoudenLijsten)
        if (lijst.vernauwbaar && zelfdeFilters(lijst.criteria, criteria) &&
            lijst.hoofdletterGevoelig == isHoofdletterGevoelig() && lijst.exact == komtZoektermExactOvereen() &&
            (!kleinste || lijst.selektie.geefAantal() < kleinste->selektie.geefAantal()) &&
            omvatZoekTerm(lijst.criteria.zoekTekst, criteria.zoekTekst))
            kleinste = &lijst;
    return kleinste;
}

void VerelTamsoApp::onthoudLijst(const ZoekCriteria& criteria, const LijstSelektie& selektie)
{
    long long aantal = 0;
    long long kosten = 0;
    if (isBeschadigd() || leesProjektTotalen(aantal, kosten) != 0)
        return;
    OnthoudenLijst lijst;
    lijst.criteria = criteria;
    lijst.hoofdletterGevoelig = isHoofdletterGevoelig();
    lijst.exact = komtZoektermExactOvereen();
    lijst.selektie = selektie;
    lijst.vernauwbaar = lijst.selektie.rijIds.size() == lijst.selektie.nummers.size() &&
                        static_cast<long long>(lijst.selektie.geefAantal()) * 2 <= aantal;
    const size_t grootte = lijst.geefGrootte();
    if (grootte > onthoudenGrens)
        return;
    onthoudenLijsten.push_front(std::move(lijst));
    onthoudenGrootte += grootte;
    while (onthoudenGrootte > onthoudenGrens)
    {
        onthoudenGrootte -= onthoudenLijsten.back().geefGrootte();
        onthoudenLijsten.pop_back();
    }
}

int VerelTamsoApp::leesLijstSelektie(const ZoekCriteria& criteria, LijstSelektie& selektie)
{
    selektie = LijstSelektie();
    laatsteSelektieVernauwd = false;
    laatsteSelektieOnthouden = false;
    // Before anything of this selection runs: the lists kept belong to the
    // project as it was when they were read, and to nothing else.
    const InhoudVersie versie = geefInhoudVersie();
    if (versie != onthoudenVersie || isBeschadigd())
    {
        vergeetVorigeLijst();
        onthoudenVersie = versie;
    }
    maakZoekVelden(criteria.zoekTekst, criteria.persoon, criteria.status, criteria.type, criteria.funkType,
                   criteria.minPrioriteit);
    // The view serves the whole-record reads with the shares of this set;
    // the list does not read it. A renewal that fails has been reported and
    // leaves the list as it is.
    static_cast<void>(maakRekZicht());

    if (const OnthoudenLijst* bekend = zoekOnthouden(criteria))
    {
        selektie = bekend->selektie;
        laatsteSelektieOnthouden = true;
        return 0;
    }
    const OnthoudenLijst* ruimer = zoekRuimer(criteria);
    laatsteSelektieVernauwd = ruimer != nullptr;
    if (leesSelektie(criteria, ruimer, selektie) != 0)
    {
        // Whatever went wrong, the lists before are of no use to the next.
        vergeetVorigeLijst();
        return 2;
    }
    onthoudLijst(criteria, selektie);
    return 0;
}

int VerelTamsoApp::leesSelektie(const ZoekCriteria& criteria, const OnthoudenLijst* ruimer, LijstSelektie& selektie)
{
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
    // that looks every row up again; or, narrowing a list kept, a lookup of
    // its rows by SQLite's row id (a column "id" of another tool's file may
    // hold anything). Both give the rows in the order they were added, so
    // the sums are taken in the same order too.
    wxString bron = " from " + TamsoTabelNaam;
    wxString voorwaarde = zoekVoorwaarde;
    if (ruimer)
        voorwaarde = "rowid in (" + getallenLijst(ruimer->selektie.rijIds) + ") and (" + zoekVoorwaarde + ")";
    else if (!criteria.zoekTekst.empty())
        bron += " not indexed";
    const bool inNummerVolgorde = criteria.zoekTekst.empty() && lijstIndexOpNummer;
    const wxString opdracht = "select rowid,SR,totaleKosten," + LijstAandeel::gewicht + "," +
                              LijstAandeel::werkVerricht.teller +
                              (sorteerKolom.empty() || opNummer ? wxString() : "," + sorteerKolom) + bron + " where " +
                              voorwaarde + (inNummerVolgorde ? " order by SR" : "");

    Regels regels;
    // Without a search text most of the project is listed, as a rule.
    if (criteria.zoekTekst.empty() && totaalAantal > 0 && totalenVersie == onthoudenVersie)
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
    // A table read through a stand-in has no row ids: its rows keep the
    // order of the read, and are found again by number.
    bool rijIdsBetrouwbaar = true;
    Som kosten;
    Som gewicht;
    {
        // A search that lasts lets the window paint meanwhile.
        const BeschadigdeLezing beschadigd(*this);
        const LangeLezing lang(*this);
        SQLite3Lezing rijen(*this, opdracht, false);
        while (rijen.volgende())
        {
            const bool heeftRijId = rijen.geefSoort(0) == SQLite3Lezing::SoortGeheel;
            rijIdsBetrouwbaar = rijIdsBetrouwbaar && heeftRijId;
            regels.rijNummers.push_back(heeftRijId ? rijen.geefGeheel(0)
                                                   : static_cast<long long>(regels.rijNummers.size()));
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
    if (rijIdsBetrouwbaar)
        selektie.rijIds.reserve(plaatsen.size());
    for (const uint32_t plaats : plaatsen)
    {
        selektie.nummers.push_back(regels.nummers[plaats]);
        if (rijIdsBetrouwbaar)
            selektie.rijIds.push_back(regels.rijNummers[plaats]);
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
    const bool opRijId = selektie.rijIds.size() == nummers.size();
    // Each key's places on the page, in list order: a number may stand for
    // more than one row, and each row found takes the first place left.
    std::vector<long long> sleutels;
    sleutels.reserve(tot - vanaf);
    std::unordered_map<long long, std::vector<size_t>> plaatsen;
    for (size_t i = vanaf; i < tot; ++i)
    {
        const long long sleutel = opRijId ? selektie.rijIds[i] : nummers[i];
        std::vector<size_t>& bij = plaatsen[sleutel];
        if (bij.empty())
            sleutels.push_back(sleutel);
        bij.push_back(i - vanaf);
    }

    std::vector<std::unique_ptr<Requirement>> pagina(tot - vanaf);
    const int gelezen = leesLijstRijen(
        sleutels, opRijId,
        [&](Requirement& rek, SQLite3Lezing& rij)
        {
            const long long sleutel = opRijId ? rij.geefGeheel(rij.geefAantalKolommen() - 1) : rek.SR;
            const auto bij = plaatsen.find(sleutel);
            if (bij == plaatsen.end())
                return;
            const auto vrij =
                std::find_if(bij->second.begin(), bij->second.end(), [&](size_t plaats) { return !pagina[plaats]; });
            // A row renumbered since the selection is no longer the row of
            // that place.
            if (vrij == bij->second.end() || rek.SR != nummers[vanaf + *vrij])
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
            pagina[*vrij] = std::make_unique<Requirement>(std::move(rek));
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
    const bool metRijIds = selektie.rijIds.size() == selektie.nummers.size();
    std::vector<size_t> leesbaar;
    leesbaar.reserve(selektie.nummers.size());
    const BeschadigdeLezing beschadigd(*this);
    // Stopped by the user: the rows read so far are the list.
    for (size_t vanaf = 0; vanaf < selektie.nummers.size() && !isOnderbroken(); vanaf += pagina)
    {
        const size_t tot = std::min(selektie.nummers.size(), vanaf + pagina);
        RequirementLijst rijen;
        if (leesLijstPagina(selektie, vanaf, tot - vanaf, rijen) == 0)
        {
            for (size_t i = vanaf; i < tot; ++i)
                leesbaar.push_back(i);
            continue;
        }
        for (size_t i = vanaf; i < tot && !isOnderbroken(); ++i)
        {
            RequirementLijst rij;
            if (leesLijstPagina(selektie, i, 1, rij) == 0)
                leesbaar.push_back(i);
        }
    }
    const bool volledig = leesbaar.size() == selektie.nummers.size();
    for (size_t i = 0; i < leesbaar.size(); ++i)
    {
        selektie.nummers[i] = selektie.nummers[leesbaar[i]];
        if (metRijIds)
            selektie.rijIds[i] = selektie.rijIds[leesbaar[i]];
    }
    selektie.nummers.resize(leesbaar.size());
    if (metRijIds)
        selektie.rijIds.resize(leesbaar.size());
    return volledig ? 0 : 1;
}

// The scan reads the whole table, which lasts on a large project. What was
// logged the toolkit shows at its next idle time, once the handler that runs
// this has ended: the damage is shown first, not after the scan.
int VerelTamsoApp::maakLeesbaar(const wxString& tabel, const wxArrayString& namen, const wxArrayString& types)
{
    std::optional<LangWerk> werk;
    const auto melder = [&](double aandeel)
    {
        if (!werk)
        {
            wxLog::FlushActive();
            werk.emplace(*this, _("Reading what can still be read of the project..."), LangWerk::Afbreekbaar());
        }
        const size_t stappen = 1000;
        if (aandeel < 0)
            werk->meldStand(0, 0);
        else
            werk->meldStand(static_cast<size_t>(aandeel * stappen), stappen);
        return !werk->isAfgebroken();
    };
    // The rich texts stay in the file: they are most of its bytes, and only a
    // search and a requirement's own read ask for them.
    static const wxArrayString rijk = []
    {
        wxArrayString namen;
        for (const char* naam : {"beschrijving", "implementatie", "validatie_test", "testLogboek"})
            namen.Add(naam);
        return namen;
    }();
    LeesbaarBereik bereik;
    const int gemaakt =
        maakLeesbaarZicht(tabel, namen, types, tabel == TamsoTabelNaam ? rijk : wxArrayString(), melder, bereik);
    // A requirement is read by its number.
    const bool geindexeerd = gemaakt != 0 || tabel != TamsoTabelNaam || !bereik.gekopieerd ||
                             executeUpdate("create index if not exists temp.LeesbaarNummer on " +
                                           geefLeesbaarKopie(TamsoTabelNaam).AfterFirst('.') + " (SR)") == 0;
    werk.reset();
    if (!geindexeerd)
        return 2;
    if (gemaakt != 0 || tabel != TamsoTabelNaam)
        return gemaakt;
    // No index serves the stand-in: the list is sorted in the program, not
    // in SQLite's temporary files.
    lijstIndexOpNummer = false;
    zegLeesbaar(bereik);
    return 0;
}

namespace
{
wxString alsLeesbaarAantal(unsigned long long waarde)
{
    return DesktopFunkties::printGegroepeerd(waarde);
}

// The rows the stand-in holds from the end: none where the ranges of the
// two scans overlap, as it then holds those from the start alone.
unsigned long long geefAchteraan(const LeesbaarBereik& bereik)
{
    return bereik.achteraan > 0 && (bereik.vooraan == 0 || bereik.vanafRijId > bereik.totRijId) ? bereik.achteraan : 0;
}

// Both scans ran to the damage: which requirements are missing follows from
// the parts they reached, the first of the order of addition, the last, or
// both with those between them missing.
wxString zegGevondenDeel(unsigned long long vooraan, unsigned long long achteraan)
{
    if (vooraan > 0 && achteraan > 0)
        return wxString::Format(_("Requirements that can still be read: %s, the first %s and the last %s in the order "
                                  "they were added. Those added between them are missing."),
                                alsLeesbaarAantal(vooraan + achteraan), alsLeesbaarAantal(vooraan),
                                alsLeesbaarAantal(achteraan));
    if (vooraan > 0)
        return wxString::Format(_("Requirements that can still be read: the first %s in the order they were added. "
                                  "Those added after them are missing."),
                                alsLeesbaarAantal(vooraan));
    if (achteraan > 0)
        return wxString::Format(_("Requirements that can still be read: the last %s in the order they were added. "
                                  "Those added before them are missing."),
                                alsLeesbaarAantal(achteraan));
    return _("No requirement can still be read.");
}

// The reading stopped before it reached the damage from both sides.
wxString zegGelezenDeel(unsigned long long vooraan, unsigned long long achteraan)
{
    if (vooraan > 0 && achteraan > 0)
        return wxString::Format(_("The list shows only part of the project: of the requirements in the order they "
                                  "were added, the first %s and the last %s."),
                                alsLeesbaarAantal(vooraan), alsLeesbaarAantal(achteraan));
    if (vooraan > 0)
        return wxString::Format(_("The list shows only part of the project: of the requirements in the order they "
                                  "were added, the first %s."),
                                alsLeesbaarAantal(vooraan));
    if (achteraan > 0)
        return wxString::Format(_("The list shows only part of the project: of the requirements in the order they "
                                  "were added, the last %s."),
                                alsLeesbaarAantal(achteraan));
    return _("The list shows none of the requirements of the project.");
}
} // namespace

// Never a part for the whole: how many can be read, and which, and when the
// reading stopped early, that the list holds only part.
void VerelTamsoApp::zegLeesbaar(const LeesbaarBereik& bereik)
{
    using Einde = LeesbaarBereik::Einde;
    if (bereik.einde == Einde::Volledig && bereik.heel)
    {
        wxLogMessage("%s",
                     wxString::Format(_("All requirements can still be read: %s."), alsLeesbaarAantal(bereik.vooraan)));
        return;
    }
    const unsigned long long achteraan = geefAchteraan(bereik);
    if (bereik.einde == Einde::Volledig)
    {
        DesktopFunkties::wxWaarschuwingVeilig(zegGevondenDeel(bereik.vooraan, achteraan));
        return;
    }
    DesktopFunkties::wxWaarschuwingVeilig(zegGelezenDeel(bereik.vooraan, achteraan) + DesktopAppBasis::vr +
                                          (bereik.einde == Einde::Afgebroken
                                               ? _("Reading what can still be read was cancelled.")
                                               : _("Reading what can still be read stopped at an error.")));
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
    const BeschadigdeLezing beschadigd(*this);
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

namespace
{
// Every person of the rows the condition admits, once, sorted.
wxString werknemerOpdracht(const wxString& rijen)
{
    const wxString personen[4] = {"auteur", "aftekenaar", "implementatieIngenieur", "testIngenieur"};
    wxString tekst;
    for (const wxString& kolom : personen)
        tekst += (tekst.empty() ? "" : " union ") +
                 ("select distinct " + kolom + " as a from " + VerelTamsoApp::TamsoTabelNaam + " where " + rijen +
                  kolom + " is not null");
    return tekst + " order by a asc";
}
} // namespace

int VerelTamsoApp::leesAlleWerknemers(wxArrayString& namen)
{
    static const wxString opdracht = werknemerOpdracht(wxString());
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
    // Every row's people: a read that lets the window paint when it lasts.
    const BeschadigdeLezing beschadigd(*this);
    const LangeLezing lang(*this);
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

// Parts of the list index's order, which holds every person: the read
// stays in the index, as the whole read does. A number that is not a whole
// one (or none) is met in the last part only, which reads the rest.
int VerelTamsoApp::leesWerknemersDeel(const long long* naNummer, long long aantal, std::set<wxString>& namen,
                                      long long& laatste)
{
    const wxString na = naNummer ? wxString::Format("SR > %lld", *naNummer) : wxString();
    wxSQLite3ResultSet grens;
    if (executeQueryExternResultaat(wxString::Format("select max(SR), count(*), typeof(max(SR)) from (select SR "
                                                     "from %s %s order by SR limit %lld)",
                                                     TamsoTabelNaam, na.empty() ? wxString() : "where " + na, aantal),
                                    grens) != 0)
        return 2;
    try
    {
        if (!grens.NextRow())
            return 1;
        const bool rest = grens.GetInt64(1).GetValue() >= aantal && grens.GetAsString(2) == "integer";
        if (rest)
            laatste = grens.GetInt64(0).GetValue();
        grens.Finalize();
        wxString rijen;
        if (rest)
            rijen = (na.empty() ? wxString() : na + " and ") + wxString::Format("SR <= %lld and ", laatste);
        else if (!na.empty())
            rijen = "(" + na + " or SR is null) and ";
        wxSQLite3ResultSet rij;
        if (executeQueryExternResultaat(werknemerOpdracht(rijen), rij) != 0)
            return 2;
        while (rij.NextRow())
            if (const wxString naam = leesTekst(rij, 0); !naam.empty())
                namen.insert(naam);
        return rest ? 0 : 1;
    }
    catch (const wxSQLite3Exception& fout)
    {
        meldFout(fout);
        return 2;
    }
}

bool VerelTamsoApp::geefBekendeWerknemers(wxArrayString& namen)
{
    if (!(geefInhoudVersie() == personenVersie))
        return false;
    namen = personen;
    return true;
}

void VerelTamsoApp::onthoudWerknemers(const wxArrayString& namen, const InhoudVersie& versie)
{
    personen = namen;
    personenVersie = versie;
}

wxArrayString VerelTamsoApp::leesAlleWerknemers()
{
    wxArrayString namen;
    if (leesAlleWerknemers(namen) != 0)
        namen.clear();
    return namen;
}
