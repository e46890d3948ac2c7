#include "toepassing/kern/RequirementDropTarget.h"

#include "swexternals/desktop/DesktopAppBasis.h"
#include "swexternals/desktop/DesktopFunkties.h"
#include "swexternals/desktop/DesktopVraag.h"
#include "toepassing/kern/LijstKoppeling.h"
#include "toepassing/kern/RequirementDataObjekt.h"
#include "toepassing/kern/RequirementVerplaatsing.h"
#include "toepassing/kern/VerelTamsoApp.h"

#include <climits>
#include <wx/filename.h>
#include <wx/intl.h>
#include <wx/log.h>
#include <wx/window.h>

RequirementDropTarget::RequirementDropTarget(VerelTamsoApp* app_, LijstKoppeling* venster_)
    : app(app_), venster(venster_), eigenSleep(false), gepland(false), kolomGemeld(false)
{
    SetDataObject(new RequirementDataObjekt);
}

void RequirementDropTarget::beginEigenSleep()
{
    eigenSleep = true;
    kolomGemeld = false;
}

void RequirementDropTarget::eindigEigenSleep()
{
    eigenSleep = false;
    if (wachtend || !meldingen.empty())
        plan();
}

wxDragResult RequirementDropTarget::OnEnter(wxCoord x, wxCoord y, wxDragResult voorstel)
{
    // A drag of another program: each time it comes over the list is a new
    // one as far as this list can tell.
    if (!eigenSleep)
        kolomGemeld = false;
    return wxFileDropTarget::OnEnter(x, y, voorstel);
}

wxDragResult RequirementDropTarget::OnDragOver(wxCoord x, wxCoord y, wxDragResult)
{
    // A search holds the project while the window paints.
    if (app->isTussendoorBezig())
        return wxDragNone;
    if (venster->geefGeselekteerdeKolom() != VerelTamsoApp::KolomID)
    {
        if (!kolomGemeld)
            meld(_("Please select the I.D column before starting a drag and drop operation."));
        kolomGemeld = true;
        return wxDragNone;
    }
    if (!app->isDBOpen(true))
        return wxDragNone;
    return venster->bestaatRequirementOpPunt(wxPoint(x, y)) == 0 ? wxDragMove : wxDragCopy;
}

bool RequirementDropTarget::isDropMogelijk() const
{
    return !app->isTussendoorBezig() && venster->geefGeselekteerdeKolom() == VerelTamsoApp::KolomID &&
           app->isDBOpen(true);
}

bool RequirementDropTarget::isVanDitProjekt() const
{
    const auto* data = dynamic_cast<const RequirementDataObjekt*>(GetDataObject());
    return data && data->geefHerkomst() == RequirementDataObjekt::maakHerkomst(app->geefDBPad().GetFullPath());
}

bool RequirementDropTarget::OnDropFiles(wxCoord x, wxCoord y, const wxArrayString& bestanden)
{
    if (!isDropMogelijk())
        return false;
    auto drop = std::make_unique<Drop>();
    // Only a requirement of this very project can be moved; one of another
    // project (or another program) that happens to have the same title and
    // number is a copy.
    drop->verplaatsen = isVanDitProjekt() && venster->leesRequirementOpPunt(wxPoint(x, y), drop->doel) == 0;
    if (drop->verplaatsen && bestanden.GetCount() != 1)
    {
        meld(_("Dragging and dropping multiple requirements is not supported."));
        return false;
    }
    drop->rekken = leesBestanden(bestanden);
    if (drop->rekken.IsEmpty())
        return false;
    // On its own row: nothing to do.
    if (drop->verplaatsen && drop->rekken[0].SR == drop->doel.SR)
        return false;
    wacht(std::move(drop));
    return true;
}

RequirementLijst RequirementDropTarget::leesBestanden(const wxArrayString& bestanden)
{
    RequirementLijst rekken;
    for (const wxString& pad : bestanden)
    {
        Requirement rek;
        // Only plain files: a device or a pipe would never end.
        if (wxFileName::FileExists(pad) && rek.leesVanDisk(wxFileName(pad)) == 0)
            rekken.Add(rek);
        else
            meld(_("A dropped file holds no requirement that can be read; it was skipped:") +
                 DesktopFunkties::dubbeleQuotes(pad, true));
    }
    return rekken;
}

void RequirementDropTarget::wacht(std::unique_ptr<Drop> drop)
{
    wachtend = std::move(drop);
    if (!eigenSleep)
        plan();
}

void RequirementDropTarget::meld(const wxString& waarschuwing)
{
    meldingen.push_back(waarschuwing);
    if (!eigenSleep)
        plan();
}

// Through the window's event queue: the drop has returned by the time it
// runs, and a window that is gone takes the call along.
void RequirementDropTarget::plan()
{
    if (gepland)
        return;
    gepland = true;
    venster->geefVenster().CallAfter([this] { voerUit(); });
}

void RequirementDropTarget::voerUit()
{
    gepland = false;
    std::vector<wxString> teMelden;
    teMelden.swap(meldingen);
    for (const wxString& waarschuwing : teMelden)
        wxLogWarning("%s", waarschuwing);
    const std::unique_ptr<Drop> drop = std::move(wachtend);
    if (!drop)
        return;
    if (drop->verplaatsen)
        verplaats(drop->rekken[0], drop->doel);
    else
        dupliceer(drop->rekken);
}

void RequirementDropTarget::dupliceer(const RequirementLijst& rekken)
{
    const wxString mislukt = _("The requirements could not be duplicated.");
    // 0 when there is none (reported) or the project cannot be read.
    const int eerste = app->geefEerstvolgendeSRNummer();
    if (eerste <= 0)
    {
        DesktopFunkties::wxErrorVeilig(mislukt);
        return;
    }
    if (rekken.GetCount() - 1 > static_cast<size_t>(INT_MAX - eerste))
    {
        DesktopFunkties::wxErrorVeilig(mislukt + DesktopAppBasis::vr + _("No free identification number is left."));
        return;
    }
    RequirementLijst nieuw;
    for (size_t k = 0; k < rekken.GetCount(); ++k)
    {
        Requirement rek = rekken[k];
        // Cancelled: nothing of the drop is added.
        if (!kiesVrijeTitel(rek, nieuw))
            return;
        rek.SR = eerste + static_cast<int>(k);
        nieuw.Add(rek);
    }
    const int resultaat = app->voegToe(nieuw, true);
    app->synchroniseerWindowMetDBTransaktieStatus();
    if (resultaat == 0)
    {
        venster->verversLijst();
        venster->verversWerknemers();
        (void)venster->selekteerRequirements(nieuw, StandAan);
    }
    else if (resultaat != 1)
        DesktopFunkties::wxErrorVeilig(mislukt);
}

bool RequirementDropTarget::kiesVrijeTitel(Requirement& rek, const RequirementLijst& nieuw)
{
    while (isTitelBezet(rek.naam, nieuw))
    {
        const std::optional<wxString> antwoord =
            DesktopVraag::geef().vraagTekst(_("Please provide a new title of the duplicate requirement:"),
                                            _("Enter a new title"), rek.naam, &venster->geefVenster());
        if (!antwoord)
            return false;
        if (antwoord->Strip(wxString::both).empty())
            wxLogWarning("%s", _("A requirement needs a title."));
        else if (*antwoord == rek.naam)
        {
            wxLogWarning("%s", _("The duplicate requirement cannot have the same title as the original one."));
            rek.naam = _("This must be altered:") + rek.naam;
        }
        else
            rek.naam = *antwoord;
    }
    return true;
}

// Titles compare without regard to case, as the store compares them.
bool RequirementDropTarget::isTitelBezet(const wxString& titel, const RequirementLijst& nieuw)
{
    if (titel.Strip(wxString::both).empty() || app->rekBestaat(titel))
        return true;
    for (size_t i = 0; i < nieuw.GetCount(); ++i)
        if (nieuw[i].naam.IsSameAs(titel, false))
            return true;
    return false;
}

void RequirementDropTarget::verplaats(Requirement rek, const Requirement& doel)
{
    const int resultaat = RequirementVerplaatsing::verplaats(*app, rek, doel.SR);
    if (resultaat == 0)
    {
        venster->verversLijst();
        (void)venster->selekteerRequirement(rek, StandAan);
    }
    else if (resultaat != 1)
        DesktopFunkties::wxErrorVeilig(_("The requirement could not be moved."));
}
