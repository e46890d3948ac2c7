#include "toepassing/venster/WerkVoortgang.h"

#include "toepassing/kern/VerelTamsoApp.h"
#include "toepassing/venster/RekLijstCtrl.h"

#include <algorithm>
#include <utility>
#include <wx/evtloop.h>
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
    begonnen = std::chrono::steady_clock::now();
    laatstGemeld = std::chrono::steady_clock::time_point();
    lijst.geefInhoud().zetAlleenBewaard(true);
    // The commit of a change that took long work takes long as well: its
    // dialog is up at once.
    if (drempel.count() <= 0 || isLangeWijzigingOpen())
        toon();
}

// Before its dialog is up, the work gives the window its turns all the
// same.
void WerkVoortgang::meld()
{
    const bool getoond = isGetoond();
    if (!isBeurt())
        return;
    if (getoond)
        dialoog->Pulse();
    else
        laatSchilderen();
}

void WerkVoortgang::meldStap(size_t gedaan, size_t totaal)
{
    const bool getoond = isGetoond();
    if (!isBeurt())
        return;
    if (!getoond || totaal == 0)
    {
        laatSchilderen();
        return;
    }
    // Short of the end: the dialog would take the end for the end of the
    // work, and close.
    const double deel = static_cast<double>(gedaan) / static_cast<double>(totaal);
    dialoog->Update(std::min(bereik - 1, static_cast<int>(deel * bereik)));
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
    lijst.geefInhoud().zetAlleenBewaard(false);
    naLangWerk = getoond ? app.geefInhoudVersie() : SQLite3Basis::InhoudVersie();
}

void WerkVoortgang::toon()
{
    dialoog = std::make_unique<wxProgressDialog>(_("Please wait"), wat, bereik, &venster, wxPD_AUTO_HIDE);
    // Drawn at once, before the work goes on.
    dialoog->Pulse();
    dialoog->Update();
    laatstGemeld = std::chrono::steady_clock::now();
}

bool WerkVoortgang::isLangeWijzigingOpen()
{
    return app.rolTerugMogelijk() && app.geefInhoudVersie() == naLangWerk;
}
