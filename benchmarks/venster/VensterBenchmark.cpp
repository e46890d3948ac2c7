// The main window on projects of 10,000 and 100,000 requirements with about
// 2 KB of rich text each, shown on the X server: a key typed into the search
// field, or taken back, until the list has painted its rows again, how long
// a search of the whole project leaves the window without painting, a click
// on the sorted column's header (a refill without a search text) until the
// same, a block of rows moved up, the commit of long work's change, how long
// long work leaves the window without painting from the key, and what the
// list costs in memory.
#include "benchmarks/kern/BenchProject.h"
#include "toepassing/kern/Voortgang.h"
#include "toepassing/venster/RekLijstCtrl.h"
#include "toepassing/venster/VerelTamsoVenster.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <malloc.h>
#include <string>
#include <wx/app.h>
#include <wx/choice.h>
#include <wx/dialog.h>
#include <wx/eventfilter.h>
#include <wx/evtloop.h>
#include <wx/image.h>
#include <wx/modalhook.h>
#include <wx/progdlg.h>
#include <wx/srchctrl.h>
#include <wx/timer.h>
#include <wx/utils.h>

namespace
{
const long grootten[] = {10000, 100000};

// The window with its search field, list and filter in reach.
class MeetVenster : public VerelTamsoVenster
{
public:
    using VerelTamsoVenster::statusKeuze;
    using VerelTamsoVenster::VerelTamsoVenster;
    using VerelTamsoVenster::zoekVeld;
};

MeetVenster* venster = nullptr;
long vensterGrootte = 0;

// What the event loop has waiting (the refill after the keys, paint), then
// the list's rows painted at once.
void verwerkEnTeken()
{
    wxTheApp->ProcessPendingEvents();
    while (wxTheApp->Pending())
        wxTheApp->Dispatch();
    venster->geefRekLijst()->Update();
    venster->Update();
}

// The heap in use: what the process holds, whatever pages the allocator
// keeps mapped from earlier work.
long heapKiB()
{
    const struct mallinfo2 info = mallinfo2();
    return static_cast<long>((info.uordblks + info.hblkhd) / 1024);
}

void sluitVenster()
{
    if (!venster)
        return;
    delete venster;
    venster = nullptr;
    vensterGrootte = 0;
    wxTheApp->ProcessPendingEvents();
}

// The window on the project of that size, shown and filled. Memory is
// measured from the project opened to the list shown.
bool opent(benchmark::State& state, long* geheugenKiB = nullptr)
{
    const long aantal = state.range(0);
    if (venster && vensterGrootte == aantal)
        return true;
    sluitVenster();
    if (!BenchProject::open(aantal))
    {
        state.SkipWithError("the project could not be made or opened");
        return false;
    }
    // The program's start-up registers them; the window's pictures need them.
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG))
        wxInitAllImageHandlers();
    const long voor = heapKiB();
    venster = new MeetVenster(nullptr, &BenchProject::app(), VerelTamsoVenster::ID_VERELTAMSOVENSTER, "Verel Tamso",
                              wxDefaultPosition, wxSize(1280, 1000));
    venster->Show();
    venster->start();
    verwerkEnTeken();
    vensterGrootte = aantal;
    if (geheugenKiB)
        *geheugenKiB = heapKiB() - voor;
    return venster->geefRekLijst()->GetItemCount() == aantal;
}

void typ(const wxString& tekst)
{
    venster->zoekVeld->ChangeValue(tekst);
    wxCommandEvent toets(wxEVT_TEXT, VerelTamsoVenster::ID_ZOEKREKVELD);
    venster->GetEventHandler()->ProcessEvent(toets);
    verwerkEnTeken();
}

// One key at a time, "needle" typed and taken back again, the twelve keys
// on average: a key that makes the text longer searches the whole project
// or what a list kept held, one that takes a letter back finds its list
// kept.
void BM_ZoekToets(benchmark::State& state)
{
    if (!opent(state))
        return;
    const wxString woord = "needle";
    size_t lengte = 0;
    bool groeit = true;
    typ(wxString());
    BenchProject::app().vergeetVorigeLijst();
    for (auto _ : state)
    {
        lengte = groeit ? lengte + 1 : lengte - 1;
        if (lengte == woord.length() || lengte == 0)
            groeit = !groeit;
        typ(woord.Left(lengte));
    }
    typ(wxString());
    state.counters["rijen"] = static_cast<double>(state.range(0));
}
BENCHMARK(BM_ZoekToets)
    ->ArgsProduct({{grootten[0], grootten[1]}})
    ->Iterations(12)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The k-th key of "needle" (the word of one requirement in a hundred),
// the first k - 1 typed before it, until the list has painted its rows
// again. The first keys find a letter pair in every requirement and search
// the whole project; from the fourth on the list held one requirement in a
// hundred, and only those are searched.
void BM_TypWoord(benchmark::State& state)
{
    if (!opent(state))
        return;
    const wxString woord = "needle";
    const size_t toets = static_cast<size_t>(state.range(1));
    size_t vorige = 0;
    for (auto _ : state)
    {
        state.PauseTiming();
        // Typed for the first time since the project was opened or changed.
        BenchProject::app().vergeetVorigeLijst();
        typ(wxString());
        typ(woord.Left(toets - 1));
        vorige = static_cast<size_t>(venster->geefRekLijst()->GetItemCount());
        state.ResumeTiming();
        typ(woord.Left(toets));
    }
    state.counters["vorige"] = static_cast<double>(vorige);
    state.counters["rijen"] = static_cast<double>(venster->geefRekLijst()->GetItemCount());
    state.counters["vernauwd"] = BenchProject::app().isLaatsteSelektieVernauwd() ? 1 : 0;
    typ(wxString());
}
BENCHMARK(BM_TypWoord)
    ->ArgsProduct({{grootten[0], grootten[1]}, {1, 2, 3, 4, 5, 6}})
    ->Iterations(8)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// Backspace after the k-th key of "needle", typed key by key before it:
// the list of the text before comes back from the lists kept, without a
// search.
void BM_TerugToets(benchmark::State& state)
{
    if (!opent(state))
        return;
    const wxString woord = "needle";
    const size_t toets = static_cast<size_t>(state.range(1));
    for (auto _ : state)
    {
        state.PauseTiming();
        BenchProject::app().vergeetVorigeLijst();
        for (size_t lengte = 0; lengte <= toets; ++lengte)
            typ(woord.Left(lengte));
        state.ResumeTiming();
        typ(woord.Left(toets - 1));
    }
    state.counters["rijen"] = static_cast<double>(venster->geefRekLijst()->GetItemCount());
    state.counters["onthouden"] = BenchProject::app().isLaatsteSelektieOnthouden() ? 1 : 0;
    typ(wxString());
}
BENCHMARK(BM_TerugToets)
    ->ArgsProduct({{grootten[0], grootten[1]}, {1, 2, 3, 4, 5, 6}})
    ->Iterations(8)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// A key that narrows a list of a tenth of the project: "ent 9" finds the
// requirements whose number starts with 9 (11,111 of 100,000), "ent 99"
// a tenth of those.
void BM_TypVernauwdTiende(benchmark::State& state)
{
    if (!opent(state))
        return;
    size_t vorige = 0;
    for (auto _ : state)
    {
        state.PauseTiming();
        BenchProject::app().vergeetVorigeLijst();
        typ(wxString());
        typ("ent 9");
        vorige = static_cast<size_t>(venster->geefRekLijst()->GetItemCount());
        state.ResumeTiming();
        typ("ent 99");
    }
    state.counters["vorige"] = static_cast<double>(vorige);
    state.counters["rijen"] = static_cast<double>(venster->geefRekLijst()->GetItemCount());
    state.counters["vernauwd"] = BenchProject::app().isLaatsteSelektieVernauwd() ? 1 : 0;
    typ(wxString());
}
BENCHMARK(BM_TypVernauwdTiende)
    ->ArgsProduct({{grootten[0], grootten[1]}})
    ->Iterations(8)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The paints of the list's parts (its header and its rows) while it is
// measured: each one asks for the next, as something moving in the list
// would, so that the window paints at every turn it gets.
class Verfteller : public wxEventFilter
{
public:
    explicit Verfteller(wxWindow& lijst_) : lijst(lijst_)
    {
        wxEvtHandler::AddFilter(this);
        for (wxWindow* deel : lijst.GetChildren())
            deel->Refresh();
    }
    ~Verfteller() override { wxEvtHandler::RemoveFilter(this); }
    Verfteller(const Verfteller&) = delete;
    Verfteller& operator=(const Verfteller&) = delete;

    std::vector<std::chrono::steady_clock::time_point> keren;

    int FilterEvent(wxEvent& gebeurtenis) override
    {
        auto* deel = dynamic_cast<wxWindow*>(gebeurtenis.GetEventObject());
        if (gebeurtenis.GetEventType() == wxEVT_PAINT && deel && deel->GetParent() == &lijst)
        {
            keren.push_back(std::chrono::steady_clock::now());
            deel->Refresh();
        }
        return Event_Skip;
    }

private:
    wxWindow& lijst;
};

// "nee" typed after "ne", the whole project searched (one requirement in a
// hundred found), with the list painting at every turn: the first paint
// after the key ("eerste_ms"), the longest the window went without painting
// after that until the list had painted the rows found ("daarna_ms"), and
// the paints ("verven").
void BM_ZoekVerfPauze(benchmark::State& state)
{
    if (!opent(state))
        return;
    double daarna = 0;
    double eerste = 0;
    double verven = 0;
    for (auto _ : state)
    {
        state.PauseTiming();
        BenchProject::app().vergeetVorigeLijst();
        typ(wxString());
        typ("ne");
        state.ResumeTiming();
        Verfteller teller(*venster->geefRekLijst());
        const auto toets = std::chrono::steady_clock::now();
        typ("nee");
        state.PauseTiming();
        auto vorige = toets;
        for (const auto keer : teller.keren)
        {
            const double tussen = std::chrono::duration<double, std::milli>(keer - vorige).count();
            if (vorige == toets)
                eerste += tussen;
            else
                daarna = std::max(daarna, tussen);
            vorige = keer;
        }
        verven += static_cast<double>(teller.keren.size());
        state.ResumeTiming();
    }
    state.counters["daarna_ms"] = daarna;
    state.counters["eerste_ms"] = benchmark::Counter(eerste, benchmark::Counter::kAvgIterations);
    state.counters["verven"] = benchmark::Counter(verven, benchmark::Counter::kAvgIterations);
    state.counters["rijen"] = static_cast<double>(venster->geefRekLijst()->GetItemCount());
    typ(wxString());
}
BENCHMARK(BM_ZoekVerfPauze)->Arg(grootten[1])->Iterations(8)->Unit(benchmark::kMillisecond)->UseRealTime();

// A click on the header of the sorted column turns the order round: the
// whole list anew, without a search text.
void BM_KopKlik(benchmark::State& state)
{
    if (!opent(state))
        return;
    for (auto _ : state)
    {
        // Each order read anew, not found among the lists kept.
        BenchProject::app().vergeetVorigeLijst();
        wxListEvent klik(wxEVT_LIST_COL_CLICK, VerelTamsoVenster::ID_REKLIJST);
        klik.SetEventObject(venster->geefRekLijst());
        klik.m_col = VerelTamsoApp::KolomID;
        venster->geefRekLijst()->GetEventHandler()->ProcessEvent(klik);
        verwerkEnTeken();
    }
}
BENCHMARK(BM_KopKlik)->ArgsProduct({{grootten[0], grootten[1]}})->Unit(benchmark::kMillisecond)->UseRealTime();

// The dialog of the edit command: when it was made, filled and sized (as
// it is handed to the screen) and when it had painted there; it is then
// cancelled.
class DialoogOpening : public wxModalDialogHook
{
public:
    std::chrono::steady_clock::time_point gemaakt;
    std::chrono::steady_clock::time_point getekend;

protected:
    int Enter(wxDialog* dialoog) override
    {
        gemaakt = std::chrono::steady_clock::now();
        dialoog->CallAfter(
            [this, dialoog]
            {
                dialoog->Update();
                getekend = std::chrono::steady_clock::now();
                dialoog->EndModal(wxID_CANCEL);
            });
        return wxID_NONE;
    }
    void Exit(wxDialog*) override {}
};

// The edit command on a requirement in the middle of the list, until the
// dialog is ready to show: the whole requirement read, the dialog made and
// filled (the people of the project in its four boxes among it) and fitted
// to the display. The counter "getekend_ms": until the dialog has painted
// on the screen, GTK's first showing included.
void BM_EigenschappenOpenen(benchmark::State& state)
{
    if (!opent(state))
        return;
    RekLijstCtrl* lijst = venster->geefRekLijst();
    const long rij = lijst->GetItemCount() / 2;
    lijst->SetItemState(rij, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED,
                        wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
    verwerkEnTeken();
    DialoogOpening opening;
    opening.Register();
    double getekend = 0.0;
    for (auto _ : state)
    {
        wxCommandEvent bewerk(wxEVT_MENU, VerelTamsoVenster::ID_BEWERKITEM);
        const auto start = std::chrono::steady_clock::now();
        venster->GetEventHandler()->ProcessEvent(bewerk);
        if (opening.getekend < start)
        {
            state.SkipWithError("the dialog did not open");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(opening.gemaakt - start).count());
        getekend += std::chrono::duration<double, std::milli>(opening.getekend - start).count();
        verwerkEnTeken();
    }
    opening.Unregister();
    state.counters["getekend_ms"] = benchmark::Counter(getekend, benchmark::Counter::kAvgIterations);
    lijst->SetItemState(rij, 0, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
}
BENCHMARK(BM_EigenschappenOpenen)
    ->ArgsProduct({{grootten[0], grootten[1]}})
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime();

// Follows long work as the window shows it: when it began, and the longest
// it went without a report, at which the window gets its turn and its
// dialog, once up, moves its bar.
class WerkKijker : public Voortgang
{
public:
    explicit WerkKijker(VerelTamsoApp& app_) : app(app_), venster(*app.geefVoortgang()) { app.zetVoortgang(this); }
    ~WerkKijker() override { app.zetVoortgang(&venster); }
    WerkKijker(const WerkKijker&) = delete;
    WerkKijker& operator=(const WerkKijker&) = delete;

    std::chrono::steady_clock::time_point begonnen;
    double langsteStilteMs = 0;
    // From the start of the work until its dialog was seen up.
    double totDialoogMs = -1;

    void begin(const wxString& wat) override
    {
        begonnen = laatste = std::chrono::steady_clock::now();
        venster.begin(wat);
        kijkNaarDialoog();
    }
    void meld() override
    {
        noteer();
        venster.meld();
    }
    void meldStap(size_t gedaan, size_t totaal) override
    {
        noteer();
        venster.meldStap(gedaan, totaal);
    }
    void eind() override
    {
        noteer();
        venster.eind();
    }

private:
    void noteer()
    {
        const auto nu = std::chrono::steady_clock::now();
        langsteStilteMs = std::max(langsteStilteMs, std::chrono::duration<double, std::milli>(nu - laatste).count());
        laatste = nu;
        kijkNaarDialoog();
    }
    void kijkNaarDialoog()
    {
        if (totDialoogMs >= 0)
            return;
        for (wxWindow* tlw : wxTopLevelWindows)
            if (auto* dialoog = dynamic_cast<wxGenericProgressDialog*>(tlw); dialoog && dialoog->IsShown())
                totDialoogMs =
                    std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begonnen).count();
    }

    VerelTamsoApp& app;
    Voortgang& venster;
    std::chrono::steady_clock::time_point laatste;
};

// Ctrl+Up on a block of 20,000 rows below the first: from the command until
// the list shows the block one place up, selected. The counters: how long
// the window waited before the work began (its dialog shows half a second
// later), and the longest the work went without a report. The move is
// undone after each pass.
void BM_BlokOmhoog(benchmark::State& state)
{
    if (!opent(state))
        return;
    RekLijstCtrl* lijst = venster->geefRekLijst();
    const long blok = std::min<long>(20000, lijst->GetItemCount() - 1);
    double totBegin = 0;
    double stilte = 0;
    for (auto _ : state)
    {
        state.PauseTiming();
        lijst->wisSelektie();
        std::vector<long> rijen;
        for (long rij = 1; rij <= blok; ++rij)
            rijen.push_back(rij);
        lijst->selekteer(rijen);
        verwerkEnTeken();
        WerkKijker kijker(BenchProject::app());
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        wxCommandEvent omhoog(wxEVT_MENU, wxID_UP);
        venster->GetEventHandler()->ProcessEvent(omhoog);
        verwerkEnTeken();
        state.PauseTiming();
        totBegin += std::chrono::duration<double, std::milli>(kijker.begonnen - start).count();
        stilte = std::max(stilte, kijker.langsteStilteMs);
        if (BenchProject::app().rolTerugTransaktie(wxString()) != 0)
            state.SkipWithError("the move could not be undone");
        venster->verversLijst();
        state.ResumeTiming();
    }
    state.counters["totBegin_ms"] = benchmark::Counter(totBegin, benchmark::Counter::kAvgIterations);
    state.counters["stilte_ms"] = stilte;
    state.counters["blok"] = static_cast<double>(blok);
}
BENCHMARK(BM_BlokOmhoog)->Arg(grootten[1])->Iterations(2)->Unit(benchmark::kMillisecond)->UseRealTime();

// The commit of the change that long work left open on 100,000
// requirements, from "Commit changes" until the window has painted after
// it; the work itself, and what puts the project back after, outside the
// measured time. The work: 0 the numbers 2, 4, 6 ... reassigned without
// gaps, 1 every number shifted one up (one down at the next pass), 2 a
// block of 20,000 rows moved one place up (and down again after the
// pass). The counters: the longest the commit went without a report, at
// which the window gets its turn ("stilte_ms", its start and end
// included), and when its dialog was up ("totDialoog_ms").
void BM_CommitNaWerk(benchmark::State& state)
{
    if (!opent(state))
        return;
    VerelTamsoApp& app = BenchProject::app();
    RekLijstCtrl* lijst = venster->geefRekLijst();
    const unsigned int aantal = static_cast<unsigned int>(lijst->GetItemCount());
    const long werk = state.range(1);
    const auto selekteerBlok = [&](long eerste)
    {
        lijst->wisSelektie();
        std::vector<long> rijen;
        for (long rij = eerste; rij < eerste + 20000; ++rij)
            rijen.push_back(rij);
        lijst->selekteer(rijen);
        verwerkEnTeken();
    };
    const auto commando = [&](int id)
    {
        wxCommandEvent opdracht(wxEVT_MENU, id);
        venster->GetEventHandler()->ProcessEvent(opdracht);
        verwerkEnTeken();
    };
    bool omhoog = true;
    double stilte = 0;
    double totDialoog = 0;
    for (auto _ : state)
    {
        state.PauseTiming();
        int resultaat = 0;
        if (werk == 0)
        {
            resultaat = app.startTransaktie() == 0 && app.executeUpdate("update Requirements set SR=-SR") == 0 &&
                                app.executeUpdate("update Requirements set SR=-2*SR") == 0 && app.stopTransaktie() == 0
                            ? app.srStrakTrekken()
                            : 2;
            venster->verversLijst();
        }
        else if (werk == 1)
        {
            resultaat = omhoog ? app.schuifRekNummersOp({1, aantal}, 1, true)
                               : app.schuifRekNummersOp({2, aantal + 1}, -1, true);
            omhoog = !omhoog;
            venster->verversLijst();
        }
        else
        {
            selekteerBlok(1);
            commando(wxID_UP);
        }
        verwerkEnTeken();
        if (resultaat != 0 || !app.rolTerugMogelijk())
        {
            state.SkipWithError("the work failed");
            break;
        }
        WerkKijker kijker(app);
        state.ResumeTiming();
        commando(wxID_SAVE);
        state.PauseTiming();
        stilte = std::max(stilte, kijker.langsteStilteMs);
        totDialoog += kijker.totDialoogMs;
        if (app.rolTerugMogelijk())
            state.SkipWithError("the commit failed");
        if (werk == 2)
        {
            selekteerBlok(0);
            commando(wxID_DOWN);
            commando(wxID_SAVE);
        }
        state.ResumeTiming();
    }
    // Numbered 1 to n again for what comes after.
    if (werk == 1 && !omhoog && (app.schuifRekNummersOp({2, aantal + 1}, -1, true) != 0 || app.stopTransaktie() != 0))
        state.SkipWithError("the project could not be numbered back");
    venster->verversLijst();
    state.counters["stilte_ms"] = stilte;
    state.counters["totDialoog_ms"] = benchmark::Counter(totDialoog, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_CommitNaWerk)
    ->ArgsProduct({{grootten[1]}, {0, 1, 2}})
    ->Iterations(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// Answers "Yes" to the question that ends safe operation, at once, and
// notes when.
class JaOpVraag : public wxModalDialogHook
{
public:
    std::chrono::steady_clock::time_point beantwoord;

protected:
    int Enter(wxDialog*) override
    {
        beantwoord = std::chrono::steady_clock::now();
        return wxID_YES;
    }
    void Exit(wxDialog*) override {}
};

// Long work from the user's key (for the end of safe operation from "Yes")
// until the list has painted after it, on 100,000 requirements, with the
// list painting at every turn the window gets: 0 the end of safe operation
// that keeps every number shifted one place, 1 Up on a block of 20,000 rows
// (as BM_BlokOmhoog), 2 the numbers 2, 4, 6 ... reassigned without gaps;
// what puts the project back after, outside the measured time. The
// counters: the first paint after the key ("eerste_ms"), and the longest
// the window went without painting from the key on ("langste_ms").
void BM_WerkVerfPauze(benchmark::State& state)
{
    if (!opent(state))
        return;
    VerelTamsoApp& app = BenchProject::app();
    RekLijstCtrl* lijst = venster->geefRekLijst();
    const unsigned int aantal = static_cast<unsigned int>(lijst->GetItemCount());
    const long werk = state.range(1);
    const int opdrachten[] = {VerelTamsoVenster::ID_STARTSTOPVEILIGEMODUS, wxID_UP, VerelTamsoVenster::ID_STRAKTREKKEN};
    const auto commando = [&](int id)
    {
        wxCommandEvent opdracht(wxEVT_MENU, id);
        venster->GetEventHandler()->ProcessEvent(opdracht);
        verwerkEnTeken();
    };
    // With gaps for the reassignment to close; each pass is undone.
    if (werk == 2 && (app.startTransaktie() != 0 || app.executeUpdate("update Requirements set SR=-SR") != 0 ||
                      app.executeUpdate("update Requirements set SR=-2*SR") != 0 || app.stopTransaktie() != 0))
        state.SkipWithError("the gaps could not be made");
    venster->verversLijst();
    JaOpVraag ja;
    ja.Register();
    bool omhoog = true;
    double eerste = 0;
    double langste = 0;
    for (auto _ : state)
    {
        state.PauseTiming();
        if (werk == 0)
        {
            commando(VerelTamsoVenster::ID_STARTSTOPVEILIGEMODUS);
            const int resultaat = omhoog ? app.schuifRekNummersOp({1, aantal}, 1, true)
                                         : app.schuifRekNummersOp({2, aantal + 1}, -1, true);
            omhoog = !omhoog;
            if (resultaat != 0 || !app.isSavePointBezig())
                state.SkipWithError("the work under safe operation failed");
            venster->verversLijst();
        }
        else if (werk == 1)
        {
            lijst->wisSelektie();
            std::vector<long> rijen;
            for (long rij = 1; rij <= 20000; ++rij)
                rijen.push_back(rij);
            lijst->selekteer(rijen);
        }
        verwerkEnTeken();
        Verfteller teller(*lijst);
        state.ResumeTiming();
        auto vorige = std::chrono::steady_clock::now();
        commando(opdrachten[werk]);
        state.PauseTiming();
        if (werk == 0)
            vorige = ja.beantwoord;
        const auto toets = vorige;
        for (const auto keer : teller.keren)
        {
            const double tussen = std::chrono::duration<double, std::milli>(keer - vorige).count();
            if (vorige == toets)
                eerste += tussen;
            langste = std::max(langste, tussen);
            vorige = keer;
        }
        if (werk == 0 ? app.isSavePointBezig() || app.rolTerugMogelijk() : app.rolTerugTransaktie(wxString()) != 0)
            state.SkipWithError("the work did not end as it should");
        venster->verversLijst();
        state.ResumeTiming();
    }
    ja.Unregister();
    // Numbered 1 to n again for what comes after.
    if ((werk == 0 && !omhoog && app.schuifRekNummersOp({2, aantal + 1}, -1, true) != 0) ||
        (werk == 2 && app.srStrakTrekken() != 0) || app.stopTransaktie() != 0)
        state.SkipWithError("the project could not be numbered back");
    venster->verversLijst();
    state.counters["eerste_ms"] = benchmark::Counter(eerste, benchmark::Counter::kAvgIterations);
    state.counters["langste_ms"] = langste;
}
BENCHMARK(BM_WerkVerfPauze)
    ->ArgsProduct({{grootten[1]}, {0, 1, 2}})
    ->Iterations(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The window's share of memory: the heap from the open project to the list
// shown, in MiB. One pass: the window is made once.
void BM_LijstGeheugen(benchmark::State& state)
{
    sluitVenster();
    long geheugen = 0;
    if (!opent(state, &geheugen))
        return;
    for (auto _ : state)
        benchmark::DoNotOptimize(venster->geefRekLijst()->GetItemCount());
    state.counters["MiB"] = static_cast<double>(geheugen) / 1024.0;
    sluitVenster();
}
BENCHMARK(BM_LijstGeheugen)->Arg(grootten[1])->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

long residentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string regel;
    while (std::getline(status, regel))
        if (regel.compare(0, 6, "VmRSS:") == 0)
            return std::stol(regel.substr(6));
    return 0;
}

// A quiet moment: the event loop runs with nothing to do, as the program's
// does while the user reads. The program's loop tells its application
// object that it is idle; here that object stands beside the runner's.
void rust()
{
    wxIdleEvent stil;
    BenchProject::app().ProcessEvent(stil);
    wxEventLoop lus;
    wxTimer wekker;
    wekker.Bind(wxEVT_TIMER, [&lus](wxTimerEvent&) { lus.Exit(); });
    wekker.StartOnce(3000);
    lus.Run();
}

void kiesStatus(int keuze)
{
    venster->statusKeuze->SetSelection(keuze);
    wxCommandEvent gekozen(wxEVT_CHOICE, VerelTamsoVenster::ID_BEPERKREKZOEKENMETSTATUS);
    gekozen.SetEventObject(venster->statusKeuze);
    gekozen.SetInt(keuze);
    venster->GetEventHandler()->ProcessEvent(gekozen);
    verwerkEnTeken();
}

void klikKop(int kolom)
{
    wxListEvent klik(wxEVT_LIST_COL_CLICK, VerelTamsoVenster::ID_REKLIJST);
    klik.SetEventObject(venster->geefRekLijst());
    klik.m_col = kolom;
    venster->geefRekLijst()->GetEventHandler()->ProcessEvent(klik);
    verwerkEnTeken();
}

// An ordinary session with the window, in a process of its own: 20 texts
// typed key by key and cleared, each column sorted both ways, every status filter set
// and cleared, 20 properties dialogs opened and cancelled. The counters:
// resident memory after the project was shown ("rust_MiB") and after the
// session ("sessie_MiB"), each after a quiet moment, in which the program
// gives back what it kept for work that came fast.
void BM_SessieGeheugen(benchmark::State& state)
{
    sluitVenster();
    if (!opent(state))
        return;
    rust();
    const long inRust = residentKiB();
    RekLijstCtrl* lijst = venster->geefRekLijst();
    DialoogOpening opening;
    opening.Register();
    for (auto _ : state)
    {
        for (int tekst = 0; tekst < 20; ++tekst)
        {
            const wxString woord = wxString::Format("ent %d", tekst * 7);
            for (size_t lengte = 1; lengte <= woord.length(); ++lengte)
                typ(woord.Left(lengte));
            typ(wxString());
        }
        // Each column both ways; a column clicked first keeps the direction,
        // so the ten after the first turn it ten times, and the list goes
        // back to its numbers in ascending order, as the other measurements
        // (and the next run, which reads it from the settings) expect it.
        for (int kolom = 0; kolom < static_cast<int>(VerelTamsoApp::aantalKolommen); ++kolom)
        {
            klikKop(kolom);
            klikKop(kolom);
        }
        klikKop(VerelTamsoApp::KolomID);
        for (int status = 0; status <= 5; ++status)
            kiesStatus(status);
        for (int dialoog = 0; dialoog < 20; ++dialoog)
        {
            const long rij = lijst->GetItemCount() * dialoog / 20;
            lijst->SetItemState(rij, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED,
                                wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
            wxCommandEvent bewerk(wxEVT_MENU, VerelTamsoVenster::ID_BEWERKITEM);
            venster->GetEventHandler()->ProcessEvent(bewerk);
            verwerkEnTeken();
            lijst->SetItemState(rij, 0, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
        }
    }
    opening.Unregister();
    rust();
    state.counters["rust_MiB"] = static_cast<double>(inRust) / 1024.0;
    state.counters["sessie_MiB"] = static_cast<double>(residentKiB()) / 1024.0;
    sluitVenster();
}

// 1,000,000 requirements (4 GB, minutes to seed) only when asked for with
// VT_BENCH_MILJOEN=1.
void sessieGrootten(benchmark::internal::Benchmark* b)
{
    b->Arg(grootten[1]);
    if (std::getenv("VT_BENCH_MILJOEN") != nullptr)
        b->Arg(1000000);
}
BENCHMARK(BM_SessieGeheugen)->Apply(sessieGrootten)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
} // namespace
