#include "toepassing/venster/WerkVoortgang.h"

#include "toepassing/kern/VerelTamsoApp.h"
#include "toepassing/venster/RekLijstCtrl.h"

#include <algorithm>
#include <utility>
#include <wx/evtloop.h>
#include <wx/gauge.h>
#include <wx/intl.h>
#include <wx/progdlg.h>

namespace
{
std::chrono::milliseconds drempel{500};
// The window's turns, and the bar's moves with them, come at this pace.
std::chrono::milliseconds tussenpoos{50};
// The bar's steps: fine enough to move with a work of many steps.
constexpr int bereik = 1000;
} // namespace

WerkVoortgang::WerkVoortgang(wxWindow& venster_, VerelTamsoApp& app_, RekLijstCtrl& lijst_)
    : venster(venster_), app(app_), lijst(lijst_)
{
    app.zetVoortgang(this);
}

WerkVoortgang::~WerkVoortgang()
{
    if (app.geefVoortgang() == this)
        app.zetVoortgang(nullptr);
}

std::chrono::milliseconds WerkVoortgang::zetDrempel(std::chrono::milliseconds nieuw)
{
    return std::exchange(drempel, nieuw);
}

std::chrono::milliseconds WerkVoortgang::zetTussenpoos(std::chrono::milliseconds nieuw)
{
    return std::exchange(tussenpoos, nieuw);
}

void WerkVoortgang::begin(const wxString& wat_)
{
    wat = wat_;
    bezig = true;
    begonnen = std::chrono::steady_clock::now();
    laatstGemeld = std::chrono::steady_clock::time_point();
    lijst.geefInhoud().zetAlleenBewaard(true);
    // The commit of a change that took long work takes long as well, and a
    // wait that the user may stop comes in the middle of what the user did:
    // their dialog is up at once, and says why nothing happens meanwhile.
    if (drempel.count() <= 0 || afbreekbaar || isLangeWijzigingOpen())
        toon();
}

void WerkVoortgang::beginAfbreekbaar(const wxString& wat_)
{
    afbreekbaar = true;
    begin(wat_);
}

void WerkVoortgang::meld()
{
    meldStap(0, 0);
}

// Before its dialog is up, the work gives the window its turns all the
// same. The bar moves by itself, to and fro while the work does not know
// how far it is: the dialog's Pulse and Update would let the user's input
// through, for buttons it does not have. Work that may be stopped has its
// Cancel: there the dialog's own turns let the press through, and only
// that (toon).
void WerkVoortgang::meldStap(size_t gedaan, size_t totaal)
{
    wxGauge* meter = geefMeter();
    if (!isBeurt())
        return;
    const int stand =
        totaal > 0 ? static_cast<int>(static_cast<double>(gedaan) / static_cast<double>(totaal) * bereik) : 0;
    if (meter && afbreekbaar)
    {
        // Short of the end: the dialog would take the end for the end of
        // the work, and close.
        afgebroken = !(totaal > 0 ? dialoog->Update(std::min(bereik - 1, stand)) : dialoog->Pulse()) || afgebroken;
        return;
    }
    if (meter && totaal > 0)
        meter->SetValue(stand);
    else if (meter)
        meter->Pulse();
    laatSchilderen();
}

void WerkVoortgang::laatSchilderen()
{
    // The program's own loop, or one for the moment when none runs yet.
    wxEventLoopBase* lus = wxEventLoopBase::GetActive();
    wxEventLoop tijdelijk;
    if (lus == nullptr)
        lus = &tijdelijk;
    if (!lus->IsYielding())
        lus->YieldFor(wxEVT_CATEGORY_UI);
}

bool WerkVoortgang::isGetoond()
{
    if (!dialoog && std::chrono::steady_clock::now() - begonnen >= drempel)
        toon();
    return dialoog != nullptr;
}

bool WerkVoortgang::isBeurt()
{
    const auto nu = std::chrono::steady_clock::now();
    if (nu - laatstGemeld < tussenpoos)
        return false;
    laatstGemeld = nu;
    return true;
}

void WerkVoortgang::eind()
{
    const bool getoond = dialoog != nullptr;
    dialoog.reset();
    afbreekbaar = false;
    afgebroken = false;
    lijst.geefInhoud().zetAlleenBewaard(false);
    naLangWerk = getoond ? app.geefInhoudVersie() : SQLite3Basis::InhoudVersie();
    bezig = false;
    // Through the window's queue: whatever ran the work finishes first.
    for (std::function<void()>& wat : naWerk)
        venster.CallAfter(std::move(wat));
    naWerk.clear();
}

void WerkVoortgang::toon()
{
    dialoog = std::make_unique<wxProgressDialog>(_("Please wait"), wat, bereik, &venster,
                                                 wxPD_AUTO_HIDE | (afbreekbaar ? wxPD_CAN_ABORT : 0));
    // The dialog disables the window, which would then drop its close box
    // (and a key pressed in it): the window takes no input all the same, as
    // its turns let it paint only. Work that may be stopped keeps it
    // disabled: the turns that let the Cancel through would let the
    // window's input through as well. Its dialog takes the keys, Escape
    // for Cancel.
    if (!afbreekbaar)
        venster.Enable();
    else
        neemToetsen();
    // Drawn at once, before the work goes on.
    if (wxGauge* meter = geefMeter())
        meter->Pulse();
    laatSchilderen();
    dialoog->Update();
    laatstGemeld = std::chrono::steady_clock::now();
}

wxGauge* WerkVoortgang::geefMeter()
{
    if (!isGetoond())
        return nullptr;
    for (wxWindow* deel : dialoog->GetChildren())
        if (auto* meter = dynamic_cast<wxGauge*>(deel))
            return meter;
    return nullptr;
}

bool WerkVoortgang::isLangeWijzigingOpen()
{
    return app.rolTerugMogelijk() && app.geefInhoudVersie() == naLangWerk;
}

// The dialog's own Escape reaches it only while it has the keys, which a
// window that appears does not always get: it asks for them.
void WerkVoortgang::neemToetsen()
{
    dialoog->Bind(wxEVT_CHAR_HOOK,
                  [this](wxKeyEvent& toets)
                  {
                      if (toets.GetKeyCode() == WXK_ESCAPE)
                          afgebroken = true;
                      else
                          toets.Skip();
                  });
    dialoog->Raise();
    if (wxWindow* annuleren = dialoog->FindWindow(wxID_CANCEL))
        annuleren->SetFocus();
}
