#include "toepassing/kern/RequirementVerplaatsing.h"

#include "base/BegrensdBereik.h"
#include "swexternals/desktop/DesktopAppBasis.h"
#include "swexternals/desktop/DesktopFunkties.h"
#include "swexternals/desktop/wx/wxSQLite3/SavepointBewaker.h"
#include "toepassing/kern/LangWerk.h"
#include "toepassing/kern/VerelTamsoApp.h"

#include <climits>
#include <wx/intl.h>
#include <wx/log.h>

namespace
{
// The number a requirement holds while the others of a turn take theirs:
// numbers are 0 and more.
constexpr int tijdelijkNummer = -1;
} // namespace

int RequirementVerplaatsing::verplaats(VerelTamsoApp& app, Requirement& rek, int naar)
{
    if (rek.SR == naar)
        return 1;
    if (app.isAlleenLezenDB())
    {
        wxLogWarning("%s", _("You cannot modify this requirement, because the database is read-only."));
        return 1;
    }
    // The renumbering between the two places works on numbers of 0 and more.
    if (rek.SR < 0 || naar < 0)
    {
        DesktopFunkties::wxErrorVeilig(_("Error changing the serial number of the requirement.") + DesktopAppBasis::vr +
                                       _("The new numbers would lie outside the range of identification numbers."));
        return 2;
    }
    // Reported when there is none.
    int vrij = app.geefEerstvolgendeSRNummer();
    if (vrij <= 0)
        return 2;
    // Parked outside the numbers that shift: above a new number beyond the
    // highest in use too.
    if (vrij <= naar)
    {
        if (naar == INT_MAX)
        {
            DesktopFunkties::wxErrorVeilig(_("Error changing the serial number of the requirement.") +
                                           DesktopAppBasis::vr + _("No free identification number is left."));
            return 2;
        }
        vrij = naar + 1;
    }
    const int van = rek.SR;
    const int resultaat = voerGeheelUit(app, 3, [&] { return schuifEnVerplaats(app, rek, naar, vrij); });
    if (resultaat != 0)
        rek.SR = van;
    return resultaat;
}

int RequirementVerplaatsing::draai(VerelTamsoApp& app, Requirement buur, RequirementLijst& blok)
{
    RequirementLijst gedraaid(blok);
    const int resultaat =
        voerGeheelUit(app, geefDraaiStappen(blok.size()), [&] { return draaiNummers(app, buur, gedraaid); });
    if (resultaat == 0)
        blok = gedraaid;
    return resultaat;
}

size_t RequirementVerplaatsing::geefDraaiStappen(size_t blok)
{
    // `buur` aside, each of the block, and `buur` back.
    return blok + 2;
}

int RequirementVerplaatsing::voerGeheelUit(VerelTamsoApp& app, size_t aantalStappen,
                                           const std::function<int()>& stappen)
{
    // A block as long as the list, or a move across all of it, takes a while;
    // and the open change is committed first.
    const LangWerk werk(app, _("Moving requirements..."), aantalStappen);
    int resultaat = app.startTransaktie();
    if (resultaat == 0)
    {
        SavepointBewaker bewaker(app, "VerelTamsoVerplaats");
        resultaat = bewaker.isGezet() ? stappen() : 2;
        if (resultaat == 0)
            resultaat = bewaker.bewaar();
    }
    app.synchroniseerWindowMetDBTransaktieStatus();
    return resultaat;
}

int RequirementVerplaatsing::schuifEnVerplaats(VerelTamsoApp& app, Requirement& rek, int naar, int vrij)
{
    const int van = rek.SR;
    int resultaat = app.verander(rek, vrij, false);
    if (resultaat != 0)
        return resultaat;
    LangWerk::stap(app);
    // Towards the old place: up when it moves to a lower number.
    const bool omlaag = van > naar;
    const BegrensdBereik<unsigned int> tussen{static_cast<unsigned int>(omlaag ? naar : van + 1),
                                              static_cast<unsigned int>(omlaag ? van - 1 : naar)};
    // 1: no requirement had the new number, or none lay in between; then
    // there was less to shift, and the move goes on.
    const int geschoven = app.schuifRekNummersOp(tussen, omlaag ? 1 : -1, false);
    if (geschoven != 0 && geschoven != 1)
        return 2;
    LangWerk::stap(app);
    resultaat = app.verander(rek, naar, false);
    LangWerk::stap(app);
    return resultaat;
}

int RequirementVerplaatsing::draaiNummers(VerelTamsoApp& app, Requirement& buur, RequirementLijst& blok)
{
    // `buur` waits on a number no requirement has while the block takes the
    // numbers one place along.
    int nummer = buur.SR;
    int resultaat = app.verander(buur, tijdelijkNummer, false);
    LangWerk::stap(app);
    for (size_t i = 0; i < blok.size() && resultaat == 0; ++i)
    {
        const int oud = blok[i].SR;
        resultaat = app.verander(blok[i], nummer, false);
        nummer = oud;
        LangWerk::stap(app);
    }
    if (resultaat != 0)
        return resultaat;
    resultaat = app.verander(buur, nummer, false);
    LangWerk::stap(app);
    return resultaat;
}
