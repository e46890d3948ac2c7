// The store's operations on projects of 1,000, 10,000 and 100,000
// requirements with about 2 KB of rich text each.
#include "benchmarks/kern/BenchGrootten.h"
#include "benchmarks/kern/BenchProject.h"

#include <benchmark/benchmark.h>
#include <random>
#include <sqlite3.h>

namespace
{
void kleineArgumenten(benchmark::internal::Benchmark* b)
{
    for (const long aantal : grootten)
        b->Arg(aantal);
    b->Unit(benchmark::kMicrosecond);
}

bool opent(benchmark::State& state)
{
    if (BenchProject::open(state.range(0)))
        return true;
    state.SkipWithError("the project could not be made or opened");
    return false;
}

RequirementLijst lijst(const wxString& zoekTekst)
{
    return BenchProject::app().zoek(VerelTamsoApp::KolomID, SorteringOplopend, zoekTekst, wxString(),
                                    Requirement::StatusAlle, Requirement::TypeAlle, Requirement::FunkTypeAlle, 1);
}

// The list as the main window refreshes it after a change: the criteria
// are the same, so the condition and the view are reused; the lists kept
// went with the change.
void BM_LijstZonderZoekTekst(benchmark::State& state)
{
    if (!opent(state))
        return;
    for (auto _ : state)
    {
        BenchProject::app().vergeetVorigeLijst();
        const RequirementLijst rijen = lijst(wxString());
        benchmark::DoNotOptimize(rijen.size());
    }
    state.counters["rijen"] = static_cast<double>(lijst(wxString()).size());
}
BENCHMARK(BM_LijstZonderZoekTekst)->Apply(grootteArgumenten);

// A search text is compared with every column, the rich text included:
// the whole project searched each time, as after a change.
void BM_LijstMetZoekTekst(benchmark::State& state)
{
    if (!opent(state))
        return;
    for (auto _ : state)
    {
        BenchProject::app().vergeetVorigeLijst();
        const RequirementLijst rijen = lijst("needle");
        benchmark::DoNotOptimize(rijen.size());
    }
    state.counters["rijen"] = static_cast<double>(lijst("needle").size());
    lijst(wxString());
}
BENCHMARK(BM_LijstMetZoekTekst)->Apply(grootteArgumenten);

// The list query's own SQL stepped through SQLite's C interface on a
// connection of its own, every cell read as text: what the program adds on
// top of SQLite is the difference.
void BM_LijstSQLAlleen(benchmark::State& state)
{
    if (!opent(state))
        return;
    const wxArrayString zicht = BenchProject::app().executeStringKolomQuery(
        "select sql from sqlite_temp_master where type=='view' and name=='RekZicht'");
    sqlite3* verbinding = nullptr;
    if (zicht.size() != 1 || sqlite3_open_v2(BenchProject::pad(state.range(0), 2048).utf8_str(), &verbinding,
                                             SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
    {
        sqlite3_close(verbinding);
        state.SkipWithError("no second connection to the project");
        return;
    }
    wxString maakZicht = zicht[0];
    maakZicht.Replace("CREATE VIEW", "CREATE TEMP VIEW", false);
    sqlite3_exec(verbinding, maakZicht.utf8_str(), nullptr, nullptr, nullptr);
    const char* sql = "select SR,naam,auteur,implementatieIngenieur,testIngenieur,prioriteit,totaleKosten,status,"
                      "werkVerricht,laagFruit,datum from RekZicht where prioriteit>=1 order by SR asc";
    for (auto _ : state)
    {
        sqlite3_stmt* opdracht = nullptr;
        sqlite3_prepare_v2(verbinding, sql, -1, &opdracht, nullptr);
        long rijen = 0;
        while (sqlite3_step(opdracht) == SQLITE_ROW)
        {
            for (int i = 0; i < 11; ++i)
                benchmark::DoNotOptimize(sqlite3_column_text(opdracht, i));
            ++rijen;
        }
        sqlite3_finalize(opdracht);
        benchmark::DoNotOptimize(rijen);
    }
    sqlite3_close(verbinding);
}
BENCHMARK(BM_LijstSQLAlleen)->Apply(grootteArgumenten);

// What renumbering reads first: every requirement with its list columns.
void BM_GeefAllen(benchmark::State& state)
{
    if (!opent(state))
        return;
    for (auto _ : state)
    {
        const RequirementLijst alle = BenchProject::app().geefAllen();
        benchmark::DoNotOptimize(alle.size());
    }
}
BENCHMARK(BM_GeefAllen)->Apply(grootteArgumenten);

void BM_GeefRequirement(benchmark::State& state)
{
    if (!opent(state))
        return;
    std::mt19937 toeval(7);
    std::uniform_int_distribution<int> nummer(1, static_cast<int>(state.range(0)));
    for (auto _ : state)
    {
        const Requirement rek = BenchProject::app().geefRequirement(nummer(toeval));
        benchmark::DoNotOptimize(rek.SR);
    }
}
BENCHMARK(BM_GeefRequirement)->Apply(kleineArgumenten);

void BM_EerstvolgendNummer(benchmark::State& state)
{
    if (!opent(state))
        return;
    for (auto _ : state)
        benchmark::DoNotOptimize(BenchProject::app().geefEerstvolgendeSRNummer());
}
BENCHMARK(BM_EerstvolgendNummer)->Apply(kleineArgumenten);

void BM_TitelBestaat(benchmark::State& state)
{
    if (!opent(state))
        return;
    for (auto _ : state)
        benchmark::DoNotOptimize(BenchProject::app().rekBestaat("Requirement 500"));
}
BENCHMARK(BM_TitelBestaat)->Apply(kleineArgumenten);

void BM_TotaleKosten(benchmark::State& state)
{
    if (!opent(state))
        return;
    for (auto _ : state)
        benchmark::DoNotOptimize(BenchProject::app().geefTotaleKosten());
}
BENCHMARK(BM_TotaleKosten)->Apply(grootteArgumenten);
} // namespace
