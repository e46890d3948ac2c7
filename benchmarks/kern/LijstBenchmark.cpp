// The requirement list as the main window's virtual list reads it, on
// projects of 1,000, 10,000 and 100,000 requirements with about 2 KB of
// rich text each: the selection of a refill (the numbers in list order with
// the figures under the list), one page of rows by number, the project's
// own figures and its people, and the memory of one refill.
#include "benchmarks/kern/BenchGrootten.h"
#include "benchmarks/kern/BenchProject.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <fstream>
#include <random>
#include <string>

namespace
{
using Criteria = VerelTamsoApp::ZoekCriteria;

bool opent(benchmark::State& state)
{
    if (BenchProject::open(state.range(0)))
        return true;
    state.SkipWithError("the project could not be made or opened");
    return false;
}

Criteria metSortering(VerelTamsoApp::Kolommen kolom, Sortering richting, const wxString& zoekTekst = wxString())
{
    Criteria criteria;
    criteria.sorteerKolom = kolom;
    criteria.sortering = richting;
    criteria.zoekTekst = zoekTekst;
    return criteria;
}

// One refill's selection with the given criteria, measured as the window
// makes it after a change of the project: the condition is the same, and
// the whole project is searched.
void selektie(benchmark::State& state, const Criteria& criteria)
{
    if (!opent(state))
        return;
    VerelTamsoApp& app = BenchProject::app();
    LijstSelektie uit;
    for (auto _ : state)
    {
        app.vergeetVorigeLijst();
        if (app.leesLijstSelektie(criteria, uit) != 0)
        {
            state.SkipWithError("the selection failed");
            break;
        }
        benchmark::DoNotOptimize(uit.nummers.data());
    }
    state.counters["rijen"] = static_cast<double>(uit.geefAantal());
}

void BM_SelektieOpID(benchmark::State& state)
{
    selektie(state, metSortering(VerelTamsoApp::KolomID, SorteringOplopend));
}
BENCHMARK(BM_SelektieOpID)->Apply(grootteArgumenten);

void BM_SelektieOpTitelAflopend(benchmark::State& state)
{
    selektie(state, metSortering(VerelTamsoApp::KolomTitel, SorteringAflopend));
}
BENCHMARK(BM_SelektieOpTitelAflopend)->Apply(grootteArgumenten);

// The shares are sorted after the pass, once the weight of the set is known.
void BM_SelektieOpBijdrage(benchmark::State& state)
{
    selektie(state, metSortering(VerelTamsoApp::KolomBijdrage, SorteringAflopend));
}
BENCHMARK(BM_SelektieOpBijdrage)->Apply(grootteArgumenten);

// A search text is compared with every column, the rich text included.
void BM_SelektieMetZoekTekst(benchmark::State& state)
{
    selektie(state, metSortering(VerelTamsoApp::KolomID, SorteringOplopend, "needle"));
}
BENCHMARK(BM_SelektieMetZoekTekst)->Apply(grootteArgumenten);

// The first key typed: "n" is in every requirement's title, so every one
// is listed.
void BM_SelektieEersteToets(benchmark::State& state)
{
    selektie(state, metSortering(VerelTamsoApp::KolomID, SorteringOplopend, "n"));
}
BENCHMARK(BM_SelektieEersteToets)->Apply(grootteArgumenten);

// A key that makes the search text longer: "nee" (one requirement in a
// hundred) becomes "need", and only the requirements listed are searched.
void BM_SelektieVernauwd(benchmark::State& state)
{
    if (!opent(state))
        return;
    VerelTamsoApp& app = BenchProject::app();
    LijstSelektie uit;
    for (auto _ : state)
    {
        state.PauseTiming();
        app.vergeetVorigeLijst();
        const int vorige = app.leesLijstSelektie(metSortering(VerelTamsoApp::KolomID, SorteringAflopend, "nee"), uit);
        state.ResumeTiming();
        if (vorige != 0 ||
            app.leesLijstSelektie(metSortering(VerelTamsoApp::KolomID, SorteringAflopend, "need"), uit) != 0 ||
            !app.isLaatsteSelektieVernauwd())
        {
            state.SkipWithError("the narrowed selection failed");
            break;
        }
        benchmark::DoNotOptimize(uit.nummers.data());
    }
    state.counters["rijen"] = static_cast<double>(uit.geefAantal());
}
BENCHMARK(BM_SelektieVernauwd)->Apply(grootteArgumenten)->Iterations(10);

// Before a list kept is narrowed, its search text is looked for in the new
// one, pasted here at 10,000 and 60,000 characters: a run of one letter
// whose kept part ends in another, the worst case of a plain search, which
// grows with the product of the lengths.
void BM_VernauwToetsLangeZoekTekst(benchmark::State& state)
{
    const auto lengte = static_cast<size_t>(state.range(0));
    const wxString bewaard = wxString(wxUniChar('a'), lengte / 2 - 1) + "b";
    const wxString nieuw(wxUniChar('a'), lengte);
    const VerelTamsoApp& app = BenchProject::app();
    for (auto _ : state)
        benchmark::DoNotOptimize(app.omvatZoekTerm(bewaard, nieuw));
}
BENCHMARK(BM_VernauwToetsLangeZoekTekst)->Arg(10000)->Arg(60000)->Unit(benchmark::kMicrosecond);

// One page of 50 rows at a random place of a list sorted on the title, so
// that the numbers of a page lie anywhere in the file.
void BM_PaginaVan50(benchmark::State& state)
{
    if (!opent(state))
        return;
    VerelTamsoApp& app = BenchProject::app();
    LijstSelektie uit;
    if (app.leesLijstSelektie(metSortering(VerelTamsoApp::KolomTitel, SorteringAflopend), uit) != 0 ||
        uit.geefAantal() < 50)
    {
        state.SkipWithError("the selection failed");
        return;
    }
    std::mt19937 toeval(11);
    std::uniform_int_distribution<size_t> plaats(0, uit.geefAantal() - 50);
    for (auto _ : state)
    {
        RequirementLijst pagina;
        if (app.leesLijstPagina(uit, plaats(toeval), 50, pagina) != 0)
        {
            state.SkipWithError("the page failed");
            break;
        }
        benchmark::DoNotOptimize(pagina.size());
    }
}
BENCHMARK(BM_PaginaVan50)->Apply(grootteArgumenten)->Unit(benchmark::kMicrosecond);

void BM_ProjektTotalen(benchmark::State& state)
{
    if (!opent(state))
        return;
    long long aantal = 0;
    long long kosten = 0;
    for (auto _ : state)
    {
        if (BenchProject::app().leesProjektTotalen(aantal, kosten) != 0)
        {
            state.SkipWithError("the totals failed");
            break;
        }
        benchmark::DoNotOptimize(kosten);
    }
}
BENCHMARK(BM_ProjektTotalen)->Apply(grootteArgumenten);

// A change made outside the measured time, after which what was kept of the
// project is read anew: a change that changes no row counts as one.
bool wijzigBuitenDeTijd(benchmark::State& state)
{
    state.PauseTiming();
    const bool gewijzigd = BenchProject::app().executeUpdate("update Requirements set SR=SR where 0") == 0;
    state.ResumeTiming();
    if (!gewijzigd)
        state.SkipWithError("the change failed");
    return gewijzigd;
}

// The project's figures counted again, as after every change.
void BM_ProjektTotalenNaWijziging(benchmark::State& state)
{
    if (!opent(state))
        return;
    long long aantal = 0;
    long long kosten = 0;
    for (auto _ : state)
    {
        if (!wijzigBuitenDeTijd(state))
            break;
        if (BenchProject::app().leesProjektTotalen(aantal, kosten) != 0)
        {
            state.SkipWithError("the totals failed");
            break;
        }
        benchmark::DoNotOptimize(kosten);
    }
}
BENCHMARK(BM_ProjektTotalenNaWijziging)->Apply(grootteArgumenten);

// Read anew, as after every change of the project, or, the project
// unchanged, the people kept.
void werknemers(benchmark::State& state, bool naWijziging)
{
    if (!opent(state))
        return;
    wxArrayString namen;
    for (auto _ : state)
    {
        if (naWijziging && !wijzigBuitenDeTijd(state))
            break;
        if (BenchProject::app().leesAlleWerknemers(namen) != 0)
        {
            state.SkipWithError("the people failed");
            break;
        }
        benchmark::DoNotOptimize(namen.size());
    }
}

void BM_Werknemers(benchmark::State& state)
{
    werknemers(state, true);
}
BENCHMARK(BM_Werknemers)->Apply(grootteArgumenten);

void BM_WerknemersOnveranderd(benchmark::State& state)
{
    werknemers(state, false);
}
BENCHMARK(BM_WerknemersOnveranderd)->Apply(grootteArgumenten);

long geheugen(const std::string& sleutel)
{
    std::ifstream status("/proc/self/status");
    std::string regel;
    while (std::getline(status, regel))
        if (regel.compare(0, sleutel.size(), sleutel) == 0)
            return std::stol(regel.substr(sleutel.size()));
    return 0;
}

// A whole refill of the window: the selection, the project's figures and
// the first page, with the peak of the memory it took beyond what the open
// project held before, in KiB.
void BM_VerversGeheugen(benchmark::State& state)
{
    if (!opent(state))
        return;
    VerelTamsoApp& app = BenchProject::app();
    long piek = 0;
    const Criteria criteria = metSortering(VerelTamsoApp::KolomTitel, SorteringOplopend);
    for (auto _ : state)
    {
        state.PauseTiming();
        app.vergeetVorigeLijst();
        std::ofstream("/proc/self/clear_refs") << "5";
        const long voor = geheugen("VmRSS:");
        state.ResumeTiming();
        LijstSelektie uit;
        RequirementLijst pagina;
        long long aantal = 0;
        long long kosten = 0;
        if (app.leesLijstSelektie(criteria, uit) != 0 || app.leesProjektTotalen(aantal, kosten) != 0 ||
            app.leesLijstPagina(uit, 0, 50, pagina) != 0)
        {
            state.SkipWithError("the refill failed");
            break;
        }
        state.PauseTiming();
        piek = std::max(piek, geheugen("VmHWM:") - voor);
        state.ResumeTiming();
    }
    state.counters["piek_KiB"] = static_cast<double>(piek);
}
BENCHMARK(BM_VerversGeheugen)->Apply(grootteArgumenten);
} // namespace

namespace
{
// The search condition of "needle", as the program builds it: every column.
wxString zoekScan()
{
    VerelTamsoApp& app = BenchProject::app();
    LijstSelektie uit;
    if (app.leesLijstSelektie(metSortering(VerelTamsoApp::KolomID, SorteringOplopend, "needle"), uit) != 0)
        return wxString();
    return "select count(*) from Requirements where " + app.bouwZoekTermStapel(app.geefKolomNamen("Requirements", true),
                                                                               app.maakZoekTerm("needle", false),
                                                                               SQLite3Basis::KoppelOf);
}

// One scan of the searched columns on the program's connection, with the
// database layer's own like.
void BM_ZoekScanEigenLike(benchmark::State& state)
{
    if (!opent(state))
        return;
    const wxString opdracht = zoekScan();
    for (auto _ : state)
        benchmark::DoNotOptimize(BenchProject::app().executeSkalair(opdracht));
}
BENCHMARK(BM_ZoekScanEigenLike)->Apply(grootteArgumenten);

// The same scan on a plain connection of its own in this process: SQLite's
// own like, as the sqlite3 command-line tool runs it.
void BM_ZoekScanSQLiteLike(benchmark::State& state)
{
    if (!opent(state))
        return;
    const wxString opdracht = zoekScan();
    wxSQLite3Database gewoon;
    gewoon.Open(BenchProject::pad(state.range(0), 2048), wxString(), WXSQLITE_OPEN_READONLY);
    for (auto _ : state)
        benchmark::DoNotOptimize(gewoon.ExecuteScalar(opdracht));
}
BENCHMARK(BM_ZoekScanSQLiteLike)->Apply(grootteArgumenten);
} // namespace
