// A damaged project as the program opens it, on a copy of the seeded
// project of 1,000, 10,000 and 100,000 requirements (and of 1,000,000 with
// VT_BENCH_MILJOEN set) with a leaf of their table overwritten halfway (the
// second argument 0), or a leaf of the list's index halfway, the table
// whole (1): the time from the open until the damage is shown (the check of
// the whole file finds it, the log is shown before what can still be read
// is read), the time of the scan that makes the rest readable, then until
// the list is read as the window reads it, and the room it takes in
// SQLite's temporary files. Then the list's reads through the stand-in: a
// sort, a search, the figures and one requirement. Each gives the longest
// time the program gave its window no turn to paint ("pauze_s": between
// two of the hand-overs or reports of long work that the window paints at).
#include "benchmarks/kern/BenchGrootten.h"
#include "benchmarks/kern/BenchProject.h"
#include "toepassing/kern/Voortgang.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>
#include <wx/filefn.h>
#include <wx/log.h>

namespace
{
using Klok = std::chrono::steady_clock;

// The sizes of the store's measurements, and a million on request; each
// with its table damaged, and with its index.
void grootten(benchmark::internal::Benchmark* b)
{
    b->Unit(benchmark::kMillisecond);
    std::vector<long> alle(std::begin(::grootten), std::end(::grootten));
    if (std::getenv("VT_BENCH_MILJOEN"))
        alle.push_back(1000000);
    for (const long aantal : alle)
        for (const long inIndex : {0, 1})
            b->Args({aantal, inIndex});
}

wxString beschadigdPad(long aantal, bool inIndex)
{
    return BenchProject::map + wxString::Format(inIndex ? "/damaged_index_%ld.vtd" : "/damaged_%ld.vtd", aantal);
}

// A copy of the seeded file, closed as the program closes it, with the
// header of a leaf in the middle of the requirements overwritten, or of
// the list's index. Made once.
bool maakBeschadigd(long aantal, bool inIndex)
{
    const wxString pad = beschadigdPad(aantal, inIndex);
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
        pagina = inIndex ? bron.ExecuteScalar("with b as (select pageno from dbstat where name=='RequirementsLijst' "
                                              "and pagetype=='leaf') select pageno from b limit 1 offset "
                                              "(select count(*)/2 from b)")
                         : bron.ExecuteScalar(wxString::Format("select pageno from dbstat where name=='Requirements' "
                                                               "and pagetype=='leaf' limit 1 offset %ld",
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

// The turns the window would get to paint: the hand-overs of a long read
// and the reports of long work, as the main window paints at both.
class Beurten : public Voortgang
{
public:
    explicit Beurten(VerelTamsoApp& app_) : app(app_) { app.zetVoortgang(this); }
    ~Beurten() override { app.zetVoortgang(nullptr); }
    Beurten(const Beurten&) = delete;
    Beurten& operator=(const Beurten&) = delete;

    void begin(const wxString&) override { tel(); }
    void meld() override { tel(); }
    void meldStap(size_t, size_t) override { tel(); }
    void eind() override { tel(); }
    void tel() { keren.push_back(Klok::now()); }
    // The longest time without a turn from `van` until now.
    double geefLangste(Klok::time_point van) const
    {
        double langste = 0;
        Klok::time_point vorige = van;
        for (const Klok::time_point keer : keren)
            if (keer >= van)
            {
                langste = std::max(langste, seconden(keer - vorige));
                vorige = keer;
            }
        return std::max(langste, seconden(Klok::now() - vorige));
    }

private:
    VerelTamsoApp& app;
    std::vector<Klok::time_point> keren;
};

// A list read as the main window reads it: the selection and the figures
// with the window's hand-over set, then what of it can be read.
bool selektie(VerelTamsoApp& app, Beurten& beurten, const wxString& zoekTekst, Sortering sortering = SorteringOplopend)
{
    VerelTamsoApp::ZoekCriteria criteria;
    criteria.sorteerKolom = VerelTamsoApp::KolomTitel;
    criteria.sortering = sortering;
    criteria.zoekTekst = zoekTekst;
    LijstSelektie uit;
    long long aantal = 0;
    long long kosten = 0;
    app.zetTussendoor([&beurten] { beurten.tel(); });
    const bool gelezen = app.leesLijstSelektie(criteria, uit) == 0 && app.leesProjektTotalen(aantal, kosten) == 0;
    app.zetTussendoor(nullptr);
    return gelezen && app.houdLeesbaar(uit) == 0;
}

// What an open measures: from the open until the damage is shown, from
// then until what can still be read is readable, and until the list is
// read; the longest time without a turn after the damage was shown.
struct OpenTijden
{
    double getoond = 0;
    double leesbaar = 0;
    double lijst = 0;
    double pauze = 0;
};

// The damaged copy opened and started as the window does, the check's
// end awaited and taken over, what can still be read made readable, and
// the list read.
bool openBeschadigd(benchmark::State& state, Melder& melder, OpenTijden* tijden = nullptr)
{
    const long aantal = state.range(0);
    const bool inIndex = state.range(1) != 0;
    if (!maakBeschadigd(aantal, inIndex))
    {
        state.SkipWithError("the damaged project could not be made");
        return false;
    }
    VerelTamsoApp& app = BenchProject::app();
    BenchProject::sluit();
    melder.wis();
    Beurten beurten(app);
    const Klok::time_point begin = Klok::now();
    if (app.open(wxFileName(beschadigdPad(aantal, inIndex)), false, wxString()) != 0 || app.startDatabase() != 0 ||
        app.controleerBestand() != 2 || app.maakLeesbaarDeel() != 0 || !melder.geefGetoond())
    {
        state.SkipWithError("the damaged project was not opened as such");
        return false;
    }
    const Klok::time_point leesbaar = Klok::now();
    app.vergeetVorigeLijst();
    static_cast<void>(selektie(app, beurten, wxString()));
    if (tijden)
    {
        tijden->getoond = seconden(*melder.geefGetoond() - begin);
        tijden->leesbaar = seconden(leesbaar - *melder.geefGetoond());
        tijden->lijst = seconden(Klok::now() - *melder.geefGetoond());
        tijden->pauze = beurten.geefLangste(*melder.geefGetoond());
    }
    return true;
}

void BM_BeschadigdGeopend(benchmark::State& state)
{
    if (!maakBeschadigd(state.range(0), state.range(1) != 0))
    {
        state.SkipWithError("the damaged project could not be made");
        return;
    }
    Melder melder;
    OpenTijden som;
    double pauze = 0;
    for (auto _ : state)
    {
        OpenTijden tijden;
        if (!openBeschadigd(state, melder, &tijden))
            break;
        som.getoond += tijden.getoond;
        som.leesbaar += tijden.leesbaar;
        som.lijst += tijden.lijst;
        pauze = std::max(pauze, tijden.pauze);
    }
    VerelTamsoApp& app = BenchProject::app();
    const double keer = static_cast<double>(state.iterations());
    state.counters["getoond_s"] = som.getoond / keer;
    state.counters["leesbaar_s"] = som.leesbaar / keer;
    state.counters["lijst_s"] = som.lijst / keer;
    state.counters["pauze_s"] = pauze;
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
void lees(benchmark::State& state, const std::function<bool(VerelTamsoApp&, Beurten&)>& lezing)
{
    Melder melder;
    if (!openBeschadigd(state, melder))
        return;
    VerelTamsoApp& app = BenchProject::app();
    double pauze = 0;
    {
        Beurten beurten(app);
        for (auto _ : state)
        {
            app.vergeetVorigeLijst();
            const Klok::time_point begin = Klok::now();
            if (!lezing(app, beurten))
            {
                state.SkipWithError("the read failed");
                break;
            }
            pauze = std::max(pauze, beurten.geefLangste(begin));
        }
    }
    state.counters["pauze_s"] = pauze;
    BenchProject::sluit();
}

// The sort turned round, as a click on the title's header turns it.
void BM_BeschadigdOpTitel(benchmark::State& state)
{
    lees(state,
         [](VerelTamsoApp& app, Beurten& beurten) { return selektie(app, beurten, wxString(), SorteringAflopend); });
}
BENCHMARK(BM_BeschadigdOpTitel)->Apply(grootten);

void BM_BeschadigdZoek(benchmark::State& state)
{
    lees(state, [](VerelTamsoApp& app, Beurten& beurten) { return selektie(app, beurten, "needle"); });
}
BENCHMARK(BM_BeschadigdZoek)->Apply(grootten);

void BM_BeschadigdTotalen(benchmark::State& state)
{
    // The statement of the figures, which the store keeps while the project
    // is as it was.
    lees(state, [](VerelTamsoApp& app, Beurten&)
         { return app.executeSkalair("select count(*),total(totaleKosten) from Requirements") > 0; });
}
BENCHMARK(BM_BeschadigdTotalen)->Apply(grootten);

void BM_BeschadigdEen(benchmark::State& state)
{
    const int SR = static_cast<int>(state.range(0) - 1);
    lees(state, [SR](VerelTamsoApp& app, Beurten&) { return app.geefRequirement(SR).SR == SR; });
}
BENCHMARK(BM_BeschadigdEen)->Apply(grootten);
} // namespace
