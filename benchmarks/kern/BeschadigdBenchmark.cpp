// A damaged project as the program opens it, on a copy of the seeded
// project of 1,000, 10,000 and 100,000 requirements (and of 1,000,000 with
// VT_BENCH_MILJOEN set) with a leaf of their table overwritten halfway: the
// time from the open until the damage is shown (the check of the whole file
// finds it, the log is shown before what can still be read is read), the
// time of the scan that makes the rest readable, and the room it takes in
// SQLite's temporary files. Then the list's reads through the stand-in: a
// sort, a search, the figures and one requirement.
#include "benchmarks/kern/BenchGrootten.h"
#include "benchmarks/kern/BenchProject.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <wx/filefn.h>
#include <wx/log.h>

namespace
{
using Klok = std::chrono::steady_clock;

// The sizes of the store's measurements, and a million on request.
void grootten(benchmark::internal::Benchmark* b)
{
    grootteArgumenten(b);
    if (std::getenv("VT_BENCH_MILJOEN"))
        b->Arg(1000000);
}

wxString beschadigdPad(long aantal)
{
    return BenchProject::map + wxString::Format("/damaged_%ld.vtd", aantal);
}

// A copy of the seeded file, closed as the program closes it, with the
// header of a leaf in the middle of the requirements overwritten. Made once.
bool maakBeschadigd(long aantal)
{
    const wxString pad = beschadigdPad(aantal);
    if (wxFileExists(pad))
        return true;
    if (!BenchProject::open(aantal))
        return false;
    BenchProject::sluit();
    const wxString kopie = pad + ".tmp";
    if (!wxCopyFile(BenchProject::pad(aantal, 2048), kopie))
        return false;
    long long pagina = 0;
    long long grootte = 0;
    try
    {
        // Writable: its close takes away the log it opens beside it.
        wxSQLite3Database bron;
        bron.Open(kopie, wxString(), WXSQLITE_OPEN_READWRITE);
        // About two rows a leaf: halfway is a quarter of the rows.
        pagina = bron.ExecuteScalar(wxString::Format(
            "select pageno from dbstat where name=='Requirements' and pagetype=='leaf' limit 1 offset %ld",
            aantal / 4));
        grootte = bron.ExecuteScalar("pragma page_size");
    }
    catch (const wxSQLite3Exception&)
    {
        return false;
    }
    std::fstream bestand(kopie.utf8_string(), std::ios::in | std::ios::out | std::ios::binary);
    bestand.seekp((pagina - 1) * grootte);
    bestand.write(std::string(16, '\xff').data(), 16);
    bestand.close();
    return pagina > 0 && bestand && wxRenameFile(kopie, pad);
}

// The program's log target, which keeps the moment the damage is shown
// (the first flush of the log after it was logged) and shows nothing: each
// pass says the same.
class Melder : public wxLog
{
public:
    Melder() : vorige(wxLog::SetActiveTarget(this)) {}
    ~Melder() override { wxLog::SetActiveTarget(vorige); }
    Melder(const Melder&) = delete;
    Melder& operator=(const Melder&) = delete;

    void Flush() override
    {
        if (gelogd && !getoond)
            getoond = Klok::now();
        wxLog::Flush();
    }
    std::optional<Klok::time_point> geefGetoond() const { return getoond; }
    void wis()
    {
        gelogd = false;
        getoond.reset();
    }

protected:
    void DoLogRecord(wxLogLevel, const wxString& tekst, const wxLogRecordInfo&) override
    {
        gelogd = gelogd || tekst.Contains("is damaged");
    }

private:
    wxLog* vorige;
    bool gelogd = false;
    std::optional<Klok::time_point> getoond;
};

double seconden(Klok::duration duur)
{
    return std::chrono::duration<double>(duur).count();
}

// The damaged copy opened and started as the window does, the check's
// end awaited and taken over, and what can still be read made readable.
bool openBeschadigd(benchmark::State& state, Melder& melder, std::function<void(double, double)> meet = nullptr)
{
    const long aantal = state.range(0);
    if (!maakBeschadigd(aantal))
    {
        state.SkipWithError("the damaged project could not be made");
        return false;
    }
    VerelTamsoApp& app = BenchProject::app();
    BenchProject::sluit();
    melder.wis();
    const Klok::time_point begin = Klok::now();
    if (app.open(wxFileName(beschadigdPad(aantal)), false, wxString()) != 0 || app.startDatabase() != 0 ||
        app.controleerBestand() != 2 || app.maakLeesbaarDeel() != 0 || !melder.geefGetoond())
    {
        state.SkipWithError("the damaged project was not opened as such");
        return false;
    }
    if (meet)
        meet(seconden(*melder.geefGetoond() - begin), seconden(Klok::now() - *melder.geefGetoond()));
    return true;
}

void BM_BeschadigdGeopend(benchmark::State& state)
{
    if (!maakBeschadigd(state.range(0)))
    {
        state.SkipWithError("the damaged project could not be made");
        return;
    }
    Melder melder;
    double gezegd = 0;
    double leesbaar = 0;
    for (auto _ : state)
        if (!openBeschadigd(state, melder,
                            [&](double tot, double daarna)
                            {
                                gezegd += tot;
                                leesbaar += daarna;
                            }))
            break;
    VerelTamsoApp& app = BenchProject::app();
    const double keer = static_cast<double>(state.iterations());
    state.counters["getoond_s"] = gezegd / keer;
    state.counters["leesbaar_s"] = leesbaar / keer;
    // What the connection keeps in its temporary database.
    state.counters["tijdelijk_kB"] = static_cast<double>(app.executeSkalair("pragma temp.page_count") *
                                                         app.executeSkalair("pragma temp.page_size")) /
                                     1024;
    long long aantal = 0;
    long long kosten = 0;
    state.counters["rijen"] = app.leesProjektTotalen(aantal, kosten) == 0 ? static_cast<double>(aantal) : -1;
    BenchProject::sluit();
}
BENCHMARK(BM_BeschadigdGeopend)->Apply(grootten)->Unit(benchmark::kSecond)->Iterations(1);

// A read of the list through the stand-in, each pass on a project kept as
// the window keeps it; it must not meet the damage.
void lees(benchmark::State& state, const std::function<bool(VerelTamsoApp&)>& lezing)
{
    Melder melder;
    if (!openBeschadigd(state, melder))
        return;
    VerelTamsoApp& app = BenchProject::app();
    for (auto _ : state)
    {
        app.vergeetVorigeLijst();
        if (!lezing(app))
        {
            state.SkipWithError("the read failed");
            break;
        }
    }
    BenchProject::sluit();
}

bool selektie(VerelTamsoApp& app, const wxString& zoekTekst)
{
    VerelTamsoApp::ZoekCriteria criteria;
    criteria.sorteerKolom = VerelTamsoApp::KolomTitel;
    criteria.zoekTekst = zoekTekst;
    LijstSelektie uit;
    return app.leesLijstSelektie(criteria, uit) == 0 && app.houdLeesbaar(uit) == 0;
}

void BM_BeschadigdOpTitel(benchmark::State& state)
{
    lees(state, [](VerelTamsoApp& app) { return selektie(app, wxString()); });
}
BENCHMARK(BM_BeschadigdOpTitel)->Apply(grootten);

void BM_BeschadigdZoek(benchmark::State& state)
{
    lees(state, [](VerelTamsoApp& app) { return selektie(app, "needle"); });
}
BENCHMARK(BM_BeschadigdZoek)->Apply(grootten);

void BM_BeschadigdTotalen(benchmark::State& state)
{
    // The statement of the figures, which the store keeps while the project
    // is as it was.
    lees(state, [](VerelTamsoApp& app)
         { return app.executeSkalair("select count(*),total(totaleKosten) from Requirements") > 0; });
}
BENCHMARK(BM_BeschadigdTotalen)->Apply(grootten);

void BM_BeschadigdEen(benchmark::State& state)
{
    const int SR = static_cast<int>(state.range(0) - 1);
    lees(state, [SR](VerelTamsoApp& app) { return app.geefRequirement(SR).SR == SR; });
}
BENCHMARK(BM_BeschadigdEen)->Apply(grootten);
} // namespace
