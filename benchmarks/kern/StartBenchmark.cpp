// Opening and starting a project of 1,000, 10,000 and 100,000 requirements
// with about 2 KB of rich text each, as the main window opens it: a file of
// this version in WAL mode, which the start need not write, and the same file
// in rollback-journal mode, which the start checks whole before it switches
// it to WAL.
#include "benchmarks/kern/BenchGrootten.h"
#include "benchmarks/kern/BenchProject.h"

#include <benchmark/benchmark.h>

namespace
{
// The journal of the closed project set with a connection of its own.
bool zetJournaal(const wxString& bestand, const wxString& mode)
{
    try
    {
        wxSQLite3Database db;
        db.Open(bestand);
        wxSQLite3ResultSet antwoord = db.ExecuteQuery("pragma journal_mode=" + mode);
        return antwoord.NextRow() && antwoord.GetString(0).IsSameAs(mode, false);
    }
    catch (const wxSQLite3Exception&)
    {
        return false;
    }
}

// Each pass closes the project outside the measured time and opens and
// starts it again; `rollback` puts the file in DELETE mode before, as a
// file of an older version or of another tool comes.
void start(benchmark::State& state, bool rollback)
{
    if (!BenchProject::open(state.range(0)))
    {
        state.SkipWithError("the project could not be made or opened");
        return;
    }
    VerelTamsoApp& app = BenchProject::app();
    const wxString bestand = BenchProject::pad(state.range(0), 2048);
    for (auto _ : state)
    {
        state.PauseTiming();
        BenchProject::sluit();
        if (rollback && !zetJournaal(bestand, "delete"))
        {
            state.SkipWithError("the journal could not be switched");
            break;
        }
        state.ResumeTiming();
        if (app.open(wxFileName(bestand), false, wxString()) != 0 || app.startDatabase() != 0)
        {
            state.SkipWithError("the start failed");
            break;
        }
    }
    state.counters["wal"] = app.leesHuidigeJournaalMode() == SQLite3Basis::JournaalWAL ? 1 : 0;
    // The measurements after this one open the project as they always do.
    BenchProject::sluit();
}

void BM_StartWAL(benchmark::State& state)
{
    start(state, false);
}
BENCHMARK(BM_StartWAL)->Apply(grootteArgumenten);

void BM_StartRollbackJournaal(benchmark::State& state)
{
    start(state, true);
}
BENCHMARK(BM_StartRollbackJournaal)->Apply(grootteArgumenten);
} // namespace
