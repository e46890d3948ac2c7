// Opening a project of 100,000 requirements with about 2 KB of rich text
// each in the main window, shown on the X server: from opening the file as
// the command line does, through the window's start, until the list has
// painted its rows; the same for an Open from the menu, and during one,
// with the list asking for a paint at each of its paints, the longest the
// window goes without painting; and the first change after an opening, the
// first time, when the check of the whole file runs, and the second, when
// the program remembers the file as sound, with what the second opening
// reads; the time from a change while the check runs to its wait's dialog
// on screen; and the time a key that comes as the list first shows its rows
// waits while the start reads the people. With VT_BENCH_MILJOEN set, also on 1,000,000 requirements (about
// 4 GB, seeded once in some minutes).
#include "benchmarks/kern/BenchProject.h"
#include "swexternals/desktop/DesktopVraag.h"
#include "swexternals/desktop/wx/wxSQLite3/KontroleGeheugen.h"
#include "toepassing/venster/RekLijstCtrl.h"
#include "toepassing/venster/VerelTamsoVenster.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <vector>
#include <wx/app.h>
#include <wx/eventfilter.h>
#include <wx/evtloop.h>
#include <wx/image.h>
#include <wx/progdlg.h>

namespace
{
using Klok = std::chrono::steady_clock;

void grootteArgumenten(benchmark::internal::Benchmark* b)
{
    b->Arg(100000);
    if (std::getenv("VT_BENCH_MILJOEN"))
        b->Arg(1000000);
    b->Iterations(3)->Unit(benchmark::kMillisecond)->UseManualTime();
}

// The Open command's file dialog, answered with the project's file; no
// other question is asked.
class BestandKiezer : public DesktopVraag
{
public:
    explicit BestandKiezer(const wxString& pad_) : pad(pad_), vorige(DesktopVraag::zet(this)) {}
    ~BestandKiezer() override { DesktopVraag::zet(vorige); }
    BestandKiezer(const BestandKiezer&) = delete;
    BestandKiezer& operator=(const BestandKiezer&) = delete;

    int stelVraag(const wxString&, const wxString&, long, wxWindow*, const Knoppen&) override { return wxCANCEL; }
    GekozenBestand kiesBestandEnFilter(const wxString&, const wxString&, const wxString&, const wxString&, long,
                                       wxWindow*) override
    {
        return {pad, 0};
    }
    wxString kiesMap(const wxString&, const wxString&, wxWindow*) override { return wxString(); }
    std::optional<wxString> vraagTekst(const wxString&, const wxString&, const wxString&, wxWindow*) override
    {
        return std::nullopt;
    }
    std::optional<long> vraagGetal(const wxString&, const wxString&, const wxString&, long, long, long,
                                   wxWindow*) override
    {
        return std::nullopt;
    }
    std::optional<wxColour> kiesKleur(const wxColour&, const wxString&, wxWindow*) override { return std::nullopt; }
    std::optional<wxFont> kiesFont(const wxFont&, const wxString&, wxWindow*) override { return std::nullopt; }
    std::optional<Symbool> kiesSymbool(const wxString&, const wxString&, const wxString&, const wxString&,
                                       wxWindow*) override
    {
        return std::nullopt;
    }
    std::optional<int> kiesUitLijst(const wxString&, const wxString&, const wxArrayString&, int, wxWindow*) override
    {
        return std::nullopt;
    }
    void toonAboutBox(const wxAboutDialogInfo&, wxWindow*) override {}

private:
    wxString pad;
    DesktopVraag* vorige;
};

// The times the list's parts (its header and its rows) painted while it
// lives; each paint asks for the next, as something moving in the list
// would, so that the window paints at every turn it gets.
class Verven : public wxEventFilter
{
public:
    explicit Verven(wxWindow& lijst_, bool steeds_) : lijst(lijst_), steeds(steeds_)
    {
        wxEvtHandler::AddFilter(this);
        if (steeds)
            for (wxWindow* deel : lijst.GetChildren())
                deel->Refresh();
    }
    ~Verven() override { wxEvtHandler::RemoveFilter(this); }
    Verven(const Verven&) = delete;
    Verven& operator=(const Verven&) = delete;

    std::vector<Klok::time_point> keren;

    int FilterEvent(wxEvent& gebeurtenis) override
    {
        auto* deel = dynamic_cast<wxWindow*>(gebeurtenis.GetEventObject());
        if (gebeurtenis.GetEventType() == wxEVT_PAINT && deel && deel->GetParent() == &lijst)
        {
            keren.push_back(Klok::now());
            if (steeds)
                deel->Refresh();
        }
        return Event_Skip;
    }

private:
    wxWindow& lijst;
    bool steeds;
};

// The window without a project, shown, as the program shows it before it
// opens one.
VerelTamsoVenster* maakVenster()
{
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG))
        wxInitAllImageHandlers();
    auto* venster = new VerelTamsoVenster(nullptr, &BenchProject::app(), VerelTamsoVenster::ID_VERELTAMSOVENSTER,
                                          "Verel Tamso", wxDefaultPosition, wxSize(1280, 1000));
    venster->Show();
    return venster;
}

// What the event loop has waiting, as the program's loop would run it, until
// the list has painted once more.
void verwerkTotGeverfd(VerelTamsoVenster& venster, const Verven& verven)
{
    const size_t voor = verven.keren.size();
    // The measurement runs no event loop of its own: GTK's events come
    // through one for the moment, the window's paints among them.
    wxEventLoop lus;
    do
    {
        wxTheApp->ProcessPendingEvents();
        lus.YieldFor(wxEVT_CATEGORY_UI);
        venster.geefRekLijst()->Update();
    } while (verven.keren.size() == voor);
}

double ms(Klok::duration tijd)
{
    return std::chrono::duration<double, std::milli>(tijd).count();
}

// The project closed outside the measured time, as the Close command leaves
// the window; the file stays in the system's cache.
void sluitProjekt(VerelTamsoVenster& venster)
{
    BenchProject::sluit();
    venster.verversLijst();
    wxTheApp->ProcessPendingEvents();
    wxEventLoop().YieldFor(wxEVT_CATEGORY_UI);
}

// The project opened as the command line opens it, through the window's
// start, until the list has painted its rows: the moment of their first
// paint; none when it did not open.
std::optional<Klok::time_point> openTotLijst(VerelTamsoApp& app, VerelTamsoVenster& venster, const wxString& bestand)
{
    app.sluitDB();
    if (app.open(wxFileName(bestand), false, wxString()) != 0)
        return std::nullopt;
    venster.start();
    // Painted already within the start or not, its rows are painted now.
    Verven verven(*venster.geefRekLijst(), false);
    for (wxWindow* deel : venster.geefRekLijst()->GetChildren())
        deel->Refresh();
    verwerkTotGeverfd(venster, verven);
    if (!app.isDBOpen())
        return std::nullopt;
    return verven.keren.front();
}

// From the open of the file, as the command line opens it, until the list
// has painted its rows after the window's start.
void BM_StartTotLijst(benchmark::State& state)
{
    const long aantal = state.range(0);
    if (!BenchProject::open(aantal))
    {
        state.SkipWithError("the project could not be made or opened");
        return;
    }
    VerelTamsoApp& app = BenchProject::app();
    const wxString bestand = BenchProject::pad(aantal, 2048);
    VerelTamsoVenster* venster = maakVenster();
    for (auto _ : state)
    {
        sluitProjekt(*venster);
        const Klok::time_point begin = Klok::now();
        const std::optional<Klok::time_point> geverfd = openTotLijst(app, *venster, bestand);
        if (!geverfd)
        {
            state.SkipWithError("the project could not be opened");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(*geverfd - begin).count());
    }
    state.counters["rijen"] = static_cast<double>(venster->geefRekLijst()->GetItemCount());
    delete venster;
    BenchProject::sluit();
}
BENCHMARK(BM_StartTotLijst)->Apply(grootteArgumenten);

// Open from the menu, the file chosen, until the list has painted its rows
// (the measured time). With `steeds` the list asks for a paint at each of
// its paints, so that every turn the window gets shows, at the price of a
// whole list painted at each: then also the longest the window went
// without painting ("langste_ms", the time from the command to the first
// paint included).
void openUitMenu(benchmark::State& state, bool steeds)
{
    const long aantal = state.range(0);
    if (!BenchProject::open(aantal))
    {
        state.SkipWithError("the project could not be made or opened");
        return;
    }
    const BestandKiezer kiezer(BenchProject::pad(aantal, 2048));
    VerelTamsoVenster* venster = maakVenster();
    double langste = 0;
    for (auto _ : state)
    {
        sluitProjekt(*venster);
        Verven verven(*venster->geefRekLijst(), steeds);
        const Klok::time_point begin = Klok::now();
        wxCommandEvent open(wxEVT_MENU, wxID_OPEN);
        venster->GetEventHandler()->ProcessEvent(open);
        // Painted already during the Open or not, its rows are painted now.
        for (wxWindow* deel : venster->geefRekLijst()->GetChildren())
            deel->Refresh();
        verwerkTotGeverfd(*venster, verven);
        Klok::time_point vorige = begin;
        for (const Klok::time_point keer : verven.keren)
        {
            langste = std::max(langste, ms(keer - vorige));
            vorige = keer;
        }
        state.SetIterationTime(std::chrono::duration<double>(verven.keren.back() - begin).count());
        if (venster->geefRekLijst()->GetItemCount() != aantal)
            state.SkipWithError("the list does not show the project");
    }
    if (steeds)
        state.counters["langste_ms"] = langste;
    delete venster;
    BenchProject::sluit();
}

void BM_OpenTotLijst(benchmark::State& state)
{
    openUitMenu(state, false);
}
BENCHMARK(BM_OpenTotLijst)->Apply(grootteArgumenten);

void BM_OpenVerfPauze(benchmark::State& state)
{
    openUitMenu(state, true);
}
BENCHMARK(BM_OpenVerfPauze)->Apply(grootteArgumenten);

// Once, at each size: the first measurement checks the whole file.
void eenmaalPerGrootte(benchmark::internal::Benchmark* b)
{
    b->Arg(100000);
    if (std::getenv("VT_BENCH_MILJOEN"))
        b->Arg(1000000);
    b->Iterations(1)->Unit(benchmark::kMillisecond)->UseManualTime();
}

// What the process has read through its read calls so far, from the
// system's cache too: /proc/self/io's rchar.
double gelezenBytes()
{
    std::ifstream io("/proc/self/io");
    std::string sleutel;
    double waarde = 0;
    while (io >> sleutel >> waarde)
        if (sleutel == "rchar:")
            return waarde;
    return 0;
}

// The first change once the list shows: the project's name set, as its
// command sets it, and taken back. Negative when it fails.
double eersteWijziging(VerelTamsoApp& app)
{
    const wxString naam = app.geefProjektNaam();
    const Klok::time_point begin = Klok::now();
    if (app.zetProjektNaam(naam + " 2") != 0)
        return -1;
    const double tijd = ms(Klok::now() - begin);
    app.resetTransaktie();
    return tijd;
}

// The first change after an opening, in the window: the first time the file
// is checked whole meanwhile (the program has forgotten it), and the change
// waits for the rest of the check; the second time the file is known sound
// (the measured time). Also what the second opening reads, until its list
// has painted its rows and the first change is made (a wait for the check
// included), beside the size of the file.
void BM_EersteWijziging(benchmark::State& state)
{
    const long aantal = state.range(0);
    if (!BenchProject::open(aantal))
    {
        state.SkipWithError("the project could not be made or opened");
        return;
    }
    VerelTamsoApp& app = BenchProject::app();
    const wxString bestand = BenchProject::pad(aantal, 2048);
    VerelTamsoVenster* venster = maakVenster();
    for (auto _ : state)
    {
        sluitProjekt(*venster);
        if (!KontroleGeheugen(app.geefAppConfigRef().GetAppName()).vergeet(bestand) ||
            !openTotLijst(app, *venster, bestand))
        {
            state.SkipWithError("the project could not be opened");
            break;
        }
        const double eerste = eersteWijziging(app);
        sluitProjekt(*venster);
        const double voor = gelezenBytes();
        if (!openTotLijst(app, *venster, bestand))
        {
            state.SkipWithError("the project could not be opened again");
            break;
        }
        const double tweede = eersteWijziging(app);
        const double gelezen = gelezenBytes() - voor;
        if (eerste < 0 || tweede < 0)
        {
            state.SkipWithError("the change could not be made");
            break;
        }
        state.SetIterationTime(tweede / 1000);
        state.counters["eerste_ms"] = eerste;
        state.counters["tweede_ms"] = tweede;
        state.counters["gelezen_MB"] = gelezen / 1e6;
        state.counters["bestand_MB"] = static_cast<double>(wxFileName(bestand).GetSize().GetValue()) / 1e6;
    }
    delete venster;
    BenchProject::sluit();
}
BENCHMARK(BM_EersteWijziging)->Apply(eenmaalPerGrootte);
// The answer to the question of the project's name; the Open command's
// file dialog as BestandKiezer answers it.
class NaamGever : public BestandKiezer
{
public:
    using BestandKiezer::BestandKiezer;
    std::optional<wxString> vraagTekst(const wxString&, const wxString&, const wxString&, wxWindow*) override
    {
        return wxString("Bench");
    }
};

// When the wait's dialog was first on screen.
class WachtDialoogKijker : public wxEventFilter
{
public:
    WachtDialoogKijker() { wxEvtHandler::AddFilter(this); }
    ~WachtDialoogKijker() override { wxEvtHandler::RemoveFilter(this); }
    WachtDialoogKijker(const WachtDialoogKijker&) = delete;
    WachtDialoogKijker& operator=(const WachtDialoogKijker&) = delete;

    std::optional<Klok::time_point> getoond;

    int FilterEvent(wxEvent& gebeurtenis) override
    {
        if (!getoond && gebeurtenis.GetEventType() == wxEVT_SHOW &&
            dynamic_cast<wxGenericProgressDialog*>(gebeurtenis.GetEventObject()) &&
            static_cast<wxShowEvent&>(gebeurtenis).IsShown())
            getoond = Klok::now();
        return Event_Skip;
    }
};

// A change of the project's name from its command while the check of the
// whole file runs (the program has forgotten the file): from the command
// to its wait's dialog on screen.
void BM_WachtDialoog(benchmark::State& state)
{
    const long aantal = state.range(0);
    if (!BenchProject::open(aantal))
    {
        state.SkipWithError("the project could not be made or opened");
        return;
    }
    VerelTamsoApp& app = BenchProject::app();
    const wxString bestand = BenchProject::pad(aantal, 2048);
    const NaamGever naam(bestand);
    VerelTamsoVenster* venster = maakVenster();
    for (auto _ : state)
    {
        sluitProjekt(*venster);
        if (!KontroleGeheugen(app.geefAppConfigRef().GetAppName()).vergeet(bestand) ||
            !openTotLijst(app, *venster, bestand))
        {
            state.SkipWithError("the project could not be opened");
            break;
        }
        const WachtDialoogKijker kijker;
        const Klok::time_point begin = Klok::now();
        wxCommandEvent wijzig(wxEVT_MENU, VerelTamsoVenster::ID_ZETPROJEKTNAAM);
        venster->GetEventHandler()->ProcessEvent(wijzig);
        app.resetTransaktie();
        if (!kijker.getoond)
        {
            state.SkipWithError("the check had ended before the change");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(*kijker.getoond - begin).count());
    }
    delete venster;
    BenchProject::sluit();
}
BENCHMARK(BM_WachtDialoog)->Apply(grootteArgumenten);

// A key that comes as the list first paints its rows after an Open, while
// the start reads the people: the moment it was queued and the moment the
// window took it.
class ToetsBijRijen : public wxEventFilter
{
public:
    explicit ToetsBijRijen(RekLijstCtrl& lijst_) : lijst(lijst_)
    {
        wxEvtHandler::AddFilter(this);
        lijst.Bind(wxEVT_KEY_DOWN, &ToetsBijRijen::neem, this);
    }
    ~ToetsBijRijen() override
    {
        lijst.Unbind(wxEVT_KEY_DOWN, &ToetsBijRijen::neem, this);
        wxEvtHandler::RemoveFilter(this);
    }
    ToetsBijRijen(const ToetsBijRijen&) = delete;
    ToetsBijRijen& operator=(const ToetsBijRijen&) = delete;

    std::optional<Klok::time_point> gekomen;
    std::optional<Klok::time_point> genomen;

    int FilterEvent(wxEvent& gebeurtenis) override
    {
        auto* deel = dynamic_cast<wxWindow*>(gebeurtenis.GetEventObject());
        if (!gekomen && gebeurtenis.GetEventType() == wxEVT_PAINT && deel && deel->GetParent() == &lijst &&
            lijst.GetItemCount() > 0)
        {
            wxKeyEvent toets(wxEVT_KEY_DOWN);
            toets.m_keyCode = WXK_SHIFT;
            wxQueueEvent(&lijst, toets.Clone());
            gekomen = Klok::now();
        }
        return Event_Skip;
    }

private:
    void neem(wxKeyEvent&)
    {
        if (!genomen)
            genomen = Klok::now();
    }
    RekLijstCtrl& lijst;
};

void BM_ToetsTijdensStart(benchmark::State& state)
{
    const long aantal = state.range(0);
    if (!BenchProject::open(aantal))
    {
        state.SkipWithError("the project could not be made or opened");
        return;
    }
    const BestandKiezer kiezer(BenchProject::pad(aantal, 2048));
    VerelTamsoVenster* venster = maakVenster();
    for (auto _ : state)
    {
        sluitProjekt(*venster);
        ToetsBijRijen toets(*venster->geefRekLijst());
        wxCommandEvent open(wxEVT_MENU, wxID_OPEN);
        venster->GetEventHandler()->ProcessEvent(open);
        for (wxWindow* deel : venster->geefRekLijst()->GetChildren())
            deel->Refresh();
        // The program's own loop: every event, idle time included.
        wxEventLoop lus;
        while (!toets.genomen)
        {
            wxTheApp->ProcessPendingEvents();
            lus.YieldFor(wxEVT_CATEGORY_ALL);
            venster->geefRekLijst()->Update();
        }
        state.SetIterationTime(std::chrono::duration<double>(*toets.genomen - *toets.gekomen).count());
    }
    delete venster;
    BenchProject::sluit();
}
BENCHMARK(BM_ToetsTijdensStart)->Apply(grootteArgumenten);
} // namespace
