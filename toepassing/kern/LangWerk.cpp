#include "toepassing/kern/LangWerk.h"

#include "toepassing/kern/VerelTamsoApp.h"
#include "toepassing/kern/Voortgang.h"

namespace
{
// The work of the one GUI thread that is running, the outer one included.
int lopend = 0;
// The steps of the outer work: done, and in all (0: not known).
size_t gedaan = 0;
size_t totaal = 0;
} // namespace

LangWerk::LangWerk(VerelTamsoApp& app_, const wxString& wat, size_t stappen)
    : LangWerk(app_, wat, stappen, Soort::Gewoon)
{
}

LangWerk::LangWerk(VerelTamsoApp& app_, const wxString& wat, Afbreekbaar) : LangWerk(app_, wat, 0, Soort::Afbreekbaar)
{
}

LangWerk::LangWerk(VerelTamsoApp& app_, const wxString& wat, size_t stappen, Soort soort) : app(app_)
{
    // Long work writes into the project. Its first write would wait for the
    // check of the whole file in the layer, under the work's dialog, which
    // has no Cancel: where the check's end has not been taken over, the
    // wait comes first, with its own dialog and its Cancel.
    if (lopend == 0 && soort == Soort::Gewoon && app.isKontroleOpen() && !app.isAlleenLezenDB())
        static_cast<void>(app.controleerBestand());
    voortgang = lopend == 0 ? app.geefVoortgang() : nullptr;
    if (lopend == 0)
    {
        gedaan = 0;
        totaal = stappen;
    }
    if (voortgang && soort == Soort::Afbreekbaar)
        voortgang->beginAfbreekbaar(wat);
    else if (voortgang)
        voortgang->begin(wat);
    ++lopend;
    if (!voortgang)
        return;
    // The hand-over that lets a long read paint the window serves a long
    // write as well: SQLite's progress handler runs in any statement. The
    // work is known to last: the window gets its turns from its start, also
    // when what came before the work kept it waiting.
    app.zetTussendoor([volger = voortgang] { volger->meld(); });
    // Its Cancel stops the statement that runs, not only the work between
    // two statements: one statement may read a whole large project.
    if (soort == Soort::Afbreekbaar)
        app.zetOnderbreker([volger = voortgang] { return volger->isAfgebroken(); });
    lezing.emplace(app, true);
}

LangWerk::~LangWerk()
{
    --lopend;
    if (!voortgang)
        return;
    lezing.reset();
    app.zetTussendoor(nullptr);
    app.zetOnderbreker(nullptr);
    voortgang->eind();
}

void LangWerk::meld(VerelTamsoApp& app)
{
    if (lopend > 0 && app.geefVoortgang())
        app.geefVoortgang()->meld();
}

void LangWerk::stap(VerelTamsoApp& app)
{
    if (lopend == 0)
        return;
    ++gedaan;
    Voortgang* voortgang = app.geefVoortgang();
    if (!voortgang)
        return;
    // More steps than announced: the count was a guess, and the bar stays
    // short of its end until the work ends.
    if (totaal > 0)
        voortgang->meldStap(gedaan < totaal ? gedaan : totaal, totaal);
    else
        voortgang->meld();
}

void LangWerk::meldStand(size_t klaar, size_t alles) const
{
    if (!voortgang)
        meld(app);
    else if (alles > 0)
        voortgang->meldStap(klaar < alles ? klaar : alles - 1, alles);
    else
        voortgang->meld();
}

bool LangWerk::isAfgebroken() const
{
    return voortgang && voortgang->isAfgebroken();
}
