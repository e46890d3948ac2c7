// Changing the store on projects of 1,000, 10,000 and 100,000
// requirements: one add with its commit, closing the gaps in the numbers,
// and shifting the numbers of the whole project. Each leaves the project as
// it found it, numbered 1 to its size.
#include "benchmarks/kern/BenchGrootten.h"
#include "benchmarks/kern/BenchProject.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <fstream>
#include <string>

namespace
{
bool opent(benchmark::State& state, long richTekst = 2048)
{
    if (BenchProject::open(state.range(0), richTekst))
        return true;
    state.SkipWithError("the project could not be made or opened");
    return false;
}

// A committed change made outside the measured time.
bool voerUit(const wxString& opdracht)
{
    VerelTamsoApp& app = BenchProject::app();
    return app.startTransaktie() == 0 && app.executeUpdate(opdracht) == 0 && app.stopTransaktie() == 0;
}

// The peak of the process's resident memory since the last reset, and the
// present size, in KiB, from /proc/self/status.
long geheugen(const std::string& sleutel)
{
    std::ifstream status("/proc/self/status");
    std::string regel;
    while (std::getline(status, regel))
        if (regel.compare(0, sleutel.size(), sleutel) == 0)
            return std::stol(regel.substr(sleutel.size()));
    return 0;
}

void resetGeheugenPiek()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

void BM_VoegToeMetCommit(benchmark::State& state)
{
    if (!opent(state))
        return;
    VerelTamsoApp& app = BenchProject::app();
    const long aantal = state.range(0);
    // What an interrupted run may have left.
    voerUit(wxString::Format("delete from Requirements where SR>%ld", aantal));
    Requirement rek;
    rek.auteur = "Ine";
    int nummer = static_cast<int>(aantal);
    for (auto _ : state)
    {
        ++nummer;
        rek.SR = nummer;
        rek.naam = wxString::Format("Added requirement %d", nummer);
        rek.beschrijving = BenchProject::richTekst(nummer, 2048);
        if (app.voegToe(rek) != 0 || app.stopTransaktie() != 0)
        {
            state.SkipWithError("the add failed");
            break;
        }
    }
    // After the loop the clock has stopped.
    voerUit(wxString::Format("delete from Requirements where SR>%ld", aantal));
}
BENCHMARK(BM_VoegToeMetCommit)->Apply(grootteArgumenten)->Unit(benchmark::kMicrosecond);

// Closing the gaps of a project numbered 2, 4, 6 ... and committing, with
// the peak of the memory it took beyond what the process held before.
void strakTrekken(benchmark::State& state, long richTekst)
{
    if (!opent(state, richTekst))
        return;
    VerelTamsoApp& app = BenchProject::app();
    long piek = 0;
    for (auto _ : state)
    {
        state.PauseTiming();
        if (!voerUit("update Requirements set SR=-SR") || !voerUit("update Requirements set SR=-2*SR"))
        {
            state.SkipWithError("the gaps could not be made");
            break;
        }
        resetGeheugenPiek();
        const long voor = geheugen("VmRSS:");
        state.ResumeTiming();
        if (app.srStrakTrekken() != 0 || app.stopTransaktie() != 0)
        {
            state.SkipWithError("closing the gaps failed");
            break;
        }
        state.PauseTiming();
        piek = std::max(piek, geheugen("VmHWM:") - voor);
        state.ResumeTiming();
    }
    state.counters["piek_KiB"] = static_cast<double>(piek);
}

void BM_SRStrakTrekken(benchmark::State& state)
{
    strakTrekken(state, 2048);
}
BENCHMARK(BM_SRStrakTrekken)->Apply(grootteArgumenten);

// The same on 10,000 requirements with ten times the rich text: the memory
// it takes must not grow with it.
void BM_SRStrakTrekkenRijkeTekst(benchmark::State& state)
{
    strakTrekken(state, state.range(1));
}
BENCHMARK(BM_SRStrakTrekkenRijkeTekst)->Args({10000, 2048})->Args({10000, 20480})->Unit(benchmark::kMillisecond);

// Every number of the project one up and committed, then one down.
void BM_SchuifNummersOp(benchmark::State& state)
{
    if (!opent(state))
        return;
    VerelTamsoApp& app = BenchProject::app();
    const unsigned int aantal = static_cast<unsigned int>(state.range(0));
    bool omhoog = true;
    for (auto _ : state)
    {
        const int resultaat =
            omhoog ? app.schuifRekNummersOp({1, aantal}, 1, true) : app.schuifRekNummersOp({2, aantal + 1}, -1, true);
        if (resultaat != 0 || app.stopTransaktie() != 0)
        {
            state.SkipWithError("the shift failed");
            break;
        }
        omhoog = !omhoog;
    }
    // Back to 1 .. n for the next measurement; a failure here spoils those.
    if ((!omhoog && app.schuifRekNummersOp({2, aantal + 1}, -1, true) != 0) || app.stopTransaktie() != 0)
        state.SkipWithError("the project could not be numbered back");
}
BENCHMARK(BM_SchuifNummersOp)->Apply(grootteArgumenten);

// A long description edited 40 times under safe operation, each edit its
// own change of 1 MiB, then safe operation ended: its changes committed at
// once. Beside the time, the peak of the memory it took beyond what the
// process held before, and what it still held after.
void BM_VeertigGroteBewerkingenVeilig(benchmark::State& state)
{
    if (!opent(state))
        return;
    VerelTamsoApp& app = BenchProject::app();
    const Requirement begin = app.geefRequirement(1);
    long piek = 0;
    long daarna = 0;
    for (auto _ : state)
    {
        state.PauseTiming();
        resetGeheugenPiek();
        const long voor = geheugen("VmRSS:");
        state.ResumeTiming();
        Requirement oud = begin;
        bool gelukt = app.schakelSafePoint(StandAan) == 0;
        for (int keer = 1; gelukt && keer <= 40; ++keer)
        {
            Requirement nieuw = oud;
            nieuw.beschrijving = wxString(static_cast<wxChar>('a' + keer % 26), 1024 * 1024);
            gelukt = app.verander(oud, nieuw, true) == 0;
            oud = nieuw;
        }
        // Back to the description it had, in the same commit.
        gelukt = gelukt && app.verander(oud, begin, true) == 0 && app.schakelSafePoint(StandUit) == 0;
        if (!gelukt)
        {
            state.SkipWithError("an edit failed");
            break;
        }
        state.PauseTiming();
        piek = std::max(piek, geheugen("VmHWM:") - voor);
        daarna = std::max(daarna, geheugen("VmRSS:") - voor);
        state.ResumeTiming();
    }
    state.counters["piek_KiB"] = static_cast<double>(piek);
    state.counters["daarna_KiB"] = static_cast<double>(daarna);
}
BENCHMARK(BM_VeertigGroteBewerkingenVeilig)->Arg(1000)->MinTime(3)->Unit(benchmark::kMillisecond);
} // namespace
