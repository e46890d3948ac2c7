#include "toepassing/venster/WerkVoortgang.h"

#include "toepassing/kern/VerelTamsoApp.h"
#include "toepassing/venster/RekLijstCtrl.h"

#include <utility>
#include <wx/intl.h>
#include <wx/progdlg.h>

namespace
{
std::chrono::milliseconds drempel{500};
// The bar moves at this pace: each move lets the window paint.
constexpr std::chrono::milliseconds pulsTijd{50};
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

void WerkVoortgang::begin(const wxString& wat_)
{
    wat = wat_;
    begonnen = std::chrono::steady_clock::now();
    lijst.geefInhoud().zetAlleenBewaard(true);
    // A commit is one statement, which tells nothing while it runs: the
    // dialog must be up before it.
    if (drempel.count() <= 0 || isLangeWijzigingOpen())
        toon();
}

void WerkVoortgang::meld()
{
    const auto nu = std::chrono::steady_clock::now();
    if (!dialoog)
    {
        if (nu - begonnen >= drempel)
            toon();
        return;
    }
    if (nu - laatstGemeld < pulsTijd)
        return;
    laatstGemeld = nu;
    dialoog->Pulse();
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
    dialoog = std::make_unique<wxProgressDialog>(_("Please wait"), wat, 100, &venster, wxPD_AUTO_HIDE);
    // Drawn at once, before the work goes on.
    dialoog->Pulse();
    dialoog->Update();
    laatstGemeld = std::chrono::steady_clock::now();
}

bool WerkVoortgang::isLangeWijzigingOpen()
{
    return app.rolTerugMogelijk() && app.geefInhoudVersie() == naLangWerk;
}
