#include "toepassing/venster/WerkVoortgang.h"

#include "toepassing/kern/VerelTamsoApp.h"
#include "toepassing/venster/RekLijstCtrl.h"

#include <algorithm>
#include <utility>
#include <wx/intl.h>
#include <wx/progdlg.h>

namespace
{
std::chrono::milliseconds drempel{500};
// The bar moves at this pace: each move lets the window paint.
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
    lijst.geefInhoud().zetAlleenBewaard(true);
    // The commit of a change that took long work takes long as well: its
    // dialog is up at once.
    if (drempel.count() <= 0 || isLangeWijzigingOpen())
        toon();
}

void WerkVoortgang::meld()
{
    if (isGetoond() && isBeurt())
        dialoog->Pulse();
}

void WerkVoortgang::meldStap(size_t gedaan, size_t totaal)
{
    if (!isGetoond() || !isBeurt() || totaal == 0)
        return;
    // Short of the end: the dialog would take the end for the end of the
    // work, and close.
    const double deel = static_cast<double>(gedaan) / static_cast<double>(totaal);
    dialoog->Update(std::min(bereik - 1, static_cast<int>(deel * bereik)));
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
