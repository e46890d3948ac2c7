// The requirement commands: add, edit, show, delete, duplicate, and move the
// selected requirements up or down in the numbering. Add, edit and duplicate
// run the properties dialog, which never writes the project: the command
// hands what it reads back to the store.
#include "swexternals/desktop/DesktopAppBasis.h"
#include "swexternals/desktop/DesktopFunkties.h"
#include "toepassing/eigenschappen/RekEigenschappenVenster.h"
#include "toepassing/kern/LangWerk.h"
#include "toepassing/kern/RequirementVerplaatsing.h"
#include "toepassing/venster/RekLijstCtrl.h"
#include "toepassing/venster/ToonRequirement.h"
#include "toepassing/venster/VerelTamsoVenster.h"

#include <algorithm>
#include <memory>
#include <wx/log.h>
#include <wx/menu.h>

namespace
{
constexpr long dialoogStijl = wxCAPTION | wxRESIZE_BORDER | wxSYSTEM_MENU | wxCLOSE_BOX | wxTAB_TRAVERSAL |
                              wxBORDER_SIMPLE | wxFULL_REPAINT_ON_RESIZE;

wxString geefDialoogTitel()
{
    return _("Modify the attributes of the currently selected requirement.");
}

// A new requirement's number as the dialog can show it, and so as it is
// stored: a number the dialog cannot show would be stored unseen.
int geefToonbaarNummer(int nummer)
{
    return std::clamp(nummer, RekEigenschappenVenster::laagsteNummer, RekEigenschappenVenster::hoogsteNummer);
}

// Whether the rows are one block without gaps.
bool isAaneengesloten(const wxArrayInt& rijen)
{
    for (size_t i = 1; i < rijen.size(); ++i)
        if (rijen[i] != rijen[i - 1] + 1)
            return false;
    return true;
}
} // namespace

bool VerelTamsoVenster::isAutomatischNummer() const
{
    return gedragMenu->IsChecked(ID_AUTOMATISCHSRNUMMER);
}

void VerelTamsoVenster::onthoudPersonen(const Requirement& rek)
{
    laatsteAuteur = rek.auteur;
    laatsteIngenieur = rek.implementatieIngenieur;
    laatsteTester = rek.testIngenieur;
    laatsteAftekenaar = rek.aftekenaar;
}

void VerelTamsoVenster::OnAddClick(wxCommandEvent&)
{
    Requirement rek;
    rek.SR = geefToonbaarNummer(isAutomatischNummer() ? app->geefEerstvolgendeSRNummer() : rek.SR);
    if (gedragMenu->IsChecked(ID_AUTOMATISCHSCHRIJVER))
    {
        rek.auteur = laatsteAuteur;
        rek.implementatieIngenieur = laatsteIngenieur;
        rek.testIngenieur = laatsteTester;
        rek.aftekenaar = laatsteAftekenaar;
    }
    rek.type = laatsteType;
    rek.funkType = laatsteFunkType;

    RekEigenschappenVenster dialoog(this, rek, app, RekEigenschappenVenster::ID_REKEIGENSCHAPPENVENSTER,
                                    geefDialoogTitel(), wxDefaultPosition, wxDefaultSize, dialoogStijl);
    // A refusal brings the entries back unmodified: the same OK would only be
    // refused again. A failure that changed nothing (another program holds
    // the lock, the disk is full) leaves the dialog as the user left it, so
    // that OK tries again. Either way closing it asks before the entries go.
    while (dialoog.ShowModal() == wxID_OK)
    {
        const Requirement nieuw = dialoog.leesVelden();
        const int resultaat = app->voegToe(nieuw);
        if (resultaat == 0)
        {
            onthoudPersonen(nieuw);
            laatsteType = nieuw.type;
            laatsteFunkType = nieuw.funkType;
            verversLijst();
            verversWerknemers();
            return;
        }
        if (resultaat == 1)
        {
            wxLogWarning("%s", _("Please try again."));
            dialoog.toonGeweigerd(nieuw);
        }
        else if (!kanOpnieuwProberen())
            return;
    }
}

bool VerelTamsoVenster::kanOpnieuwProberen() const
{
    return app->isDBOpen(true);
}

void VerelTamsoVenster::OnAddUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(app->isDBOpen(true));
}

void VerelTamsoVenster::OnBewerkItemIDClick(wxCommandEvent&)
{
    const wxArrayInt rijen = geefGeselekteerdeRijen();
    if (rijen.size() != 1)
        return;
    const Requirement oud = leesRequirement(static_cast<unsigned long long>(rijen[0]));
    RekEigenschappenVenster dialoog(this, oud, app, RekEigenschappenVenster::ID_REKEIGENSCHAPPENVENSTER,
                                    geefDialoogTitel(), wxDefaultPosition, wxDefaultSize, dialoogStijl);
    // A failure that changed nothing (another program holds the lock, the
    // database refused the change) brings the dialog back as the user left
    // it, as for an addition: OK tries again, closing asks first.
    while (dialoog.ShowModal() == wxID_OK)
    {
        const Requirement nieuw = dialoog.leesVelden();
        const int resultaat = app->verander(oud, nieuw, true);
        if (resultaat == 0)
        {
            onthoudPersonen(nieuw);
            verversWerknemers();
            verversLijst();
            // Under the number it has now: an edit may have changed it.
            (void)selekteerRequirement(nieuw, StandAan);
            return;
        }
        // Nothing to store, or a project that cannot store it.
        if (resultaat == 1 || !kanOpnieuwProberen())
            return;
    }
}

void VerelTamsoVenster::OnBewerkItemIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(app->isDBOpen() && rekLijst->GetSelectedItemCount() == 1);
}

void VerelTamsoVenster::OnToonItemIDClick(wxCommandEvent&)
{
    const wxArrayInt rijen = geefGeselekteerdeRijen();
    if (rijen.size() != 1)
        return;
    const Requirement rek = leesRequirement(static_cast<unsigned long long>(rijen[0]));
    ToonRequirement dialoog(this, app, rek, ToonRequirement::ID_TOONREQUIREMENT,
                            _("The currently selected requirement:") + " " + DesktopFunkties::print(rek.SR),
                            wxDefaultPosition, wxSize(400, 300),
                            wxCAPTION | wxRESIZE_BORDER | wxSYSTEM_MENU | wxCLOSE_BOX | wxTAB_TRAVERSAL);
    dialoog.ShowModal();
}

void VerelTamsoVenster::OnToonItemIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(app->isDBOpen() && rekLijst->GetSelectedItemCount() == 1);
}

// Without a question; the store reports a refusal or failure itself.
void VerelTamsoVenster::OnDeleteClick(wxCommandEvent&)
{
    const wxArrayInt rijen = geefGeselekteerdeRijen();
    if (rijen.empty())
        return;
    int resultaat = 0;
    if (rijen.size() == 1)
        resultaat = app->verwijder(leesRequirement(static_cast<unsigned long long>(rijen[0])));
    else
    {
        // Many rows take a while to read, to check and to remove: all of it
        // is the work the user sees going on.
        const auto paginas = geefPaginas(rijen);
        const LangWerk werk(*app, _("Removing requirements..."), paginas.size() + 2 * rijen.size());
        RequirementLijst lijst;
        resultaat = leesRijen(paginas, _("Nothing was removed."), lijst);
        if (resultaat == 0)
            resultaat = app->verwijder(lijst);
    }
    if (resultaat != 0)
        return;
    verversLijst();
    verversWerknemers();
}

void VerelTamsoVenster::OnDeleteUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(app->isDBOpen(true) && rekLijst->GetSelectedItemCount() > 0);
}

// The clash of a copy with a stored requirement or with a copy accepted
// before it in the same command, as the store would name it; empty when
// there is none.
wxString VerelTamsoVenster::geefBotsing(const Requirement& kopie, const RequirementLijst& kopieen)
{
    bool titel = app->rekBestaat(kopie.naam);
    bool nummer = !titel && app->rekBestaat(kopie);
    for (size_t i = 0; i < kopieen.size() && !titel && !nummer; ++i)
    {
        titel = kopieen[i].naam.CmpNoCase(kopie.naam) == 0;
        nummer = kopieen[i].SR == kopie.SR;
    }
    if (titel)
        return _("You cannot add this requirement. An existing requirement has this title already:") +
               DesktopFunkties::dubbeleQuotes(kopie.naam, true);
    if (nummer)
        return _("You cannot add this requirement. An existing requirement has this identification number:") + " " +
               DesktopFunkties::print(kopie.SR);
    return wxString();
}

// Asks for the copy until it clashes with nothing: true when one was
// accepted and added to the copies, false when the dialog was cancelled.
bool VerelTamsoVenster::bevestigKopie(RekEigenschappenVenster& dialoog, RequirementLijst& kopieen)
{
    // A refused copy comes back with what the user entered, unmodified
    // until the user changes something, as a refused addition does.
    while (dialoog.ShowModal() == wxID_OK)
    {
        const Requirement kopie = dialoog.leesVelden();
        const wxString botsing = geefBotsing(kopie, kopieen);
        if (botsing.empty())
        {
            kopieen.Add(kopie);
            return true;
        }
        DesktopFunkties::wxErrorVeilig(botsing);
        wxLogWarning("%s", _("Please try again."));
        dialoog.toonGeweigerd(kopie);
    }
    return false;
}

void VerelTamsoVenster::OnDuplicateClick(wxCommandEvent&)
{
    const wxArrayInt rijen = geefGeselekteerdeRijen();
    RequirementLijst kopieen;
    int geaccepteerd = 0;
    // The dialog of the last accepted copy is kept until the copies are
    // added: when adding them fails without a change, it comes back with
    // what the user entered.
    std::unique_ptr<RekEigenschappenVenster> laatste;
    for (int rij : rijen)
    {
        Requirement voorbereid = leesRequirement(static_cast<unsigned long long>(rij));
        voorbereid.naam = _("This must be altered:") + voorbereid.naam;
        // The copy is a new requirement, and starts where a new one does:
        // in development, the one level at which its title, which must
        // change, and its number take input. Its texts come along; its
        // level, and with it any sign-off, are the original's alone: the
        // dialog shows the copy without a signer or a sign-off date, as a
        // new requirement has them and as the copy is stored.
        voorbereid.status = Requirement::StatusOntwikkeling;
        const Requirement nieuw;
        voorbereid.aftekenaar = nieuw.aftekenaar;
        voorbereid.afgetekendDatum = nieuw.afgetekendDatum;
        if (isAutomatischNummer())
            voorbereid.SR = geefToonbaarNummer(app->geefEerstvolgendeSRNummer() + geaccepteerd);
        auto dialoog = std::make_unique<RekEigenschappenVenster>(
            this, voorbereid, app, RekEigenschappenVenster::ID_REKEIGENSCHAPPENVENSTER, geefDialoogTitel(),
            wxDefaultPosition, wxDefaultSize, dialoogStijl);
        if (!bevestigKopie(*dialoog, kopieen))
            continue;
        ++geaccepteerd;
        laatste = std::move(dialoog);
    }
    int resultaat = app->voegToe(kopieen, true);
    while (resultaat != 0 && resultaat != 1 && laatste && kanOpnieuwProberen())
    {
        kopieen.RemoveAt(kopieen.size() - 1);
        if (!bevestigKopie(*laatste, kopieen))
            return;
        resultaat = app->voegToe(kopieen, true);
    }
    if (resultaat == 0)
    {
        verversLijst();
        verversWerknemers();
    }
    // After the layer's own account of a lock or a full disk, this would
    // only repeat it, less well.
    else if (resultaat != 1 && !app->isFoutUitgelegd())
        wxLogError("%s", _("An error occurred when adding the requirement. The requirement was not added."));
}

void VerelTamsoVenster::OnDuplicateUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(app->isDBOpen(true) && rekLijst->GetSelectedItemCount() > 0);
}

bool VerelTamsoVenster::isVerplaatsbaar(const wxArrayInt& rijen) const
{
    return !rijen.empty() && geselekteerdeKolom.waarde == VerelTamsoApp::KolomID && app->isDBOpen() &&
           !app->isAlleenLezenDB() && isAaneengesloten(rijen);
}

// The numbers rotate by one place among the block and the row beside it: the
// block takes the numbers one place nearer to `buur`, whose requirement gets
// the number of the block's far end. All of it happens, or none.
void VerelTamsoVenster::verplaats(const wxArrayInt& rijen, bool omhoog)
{
    // The block with the row beside it, in list order.
    wxArrayInt allemaal(rijen);
    if (omhoog)
        allemaal.insert(allemaal.begin(), rijen[0] - 1);
    else
        allemaal.Add(rijen[rijen.size() - 1] + 1);
    const auto paginas = geefPaginas(allemaal);
    RequirementLijst blok;
    int resultaat = 0;
    {
        // A block as long as the list takes a while to read as well: the
        // read is part of the work the user sees going on.
        const LangWerk werk(*app, _("Moving requirements..."),
                            paginas.size() + RequirementVerplaatsing::geefDraaiStappen(rijen.size()));
        RequirementLijst gelezen;
        resultaat = leesRijen(paginas, _("Nothing was changed."), gelezen);
        if (resultaat == 0)
        {
            // The block from the end next to `buur`.
            const Requirement buur = omhoog ? gelezen[0] : gelezen[gelezen.size() - 1];
            for (size_t i = 0; i < rijen.size(); ++i)
                blok.Add(gelezen[omhoog ? i + 1 : rijen.size() - 1 - i]);
            resultaat = RequirementVerplaatsing::draai(*app, buur, blok);
        }
    }
    if (resultaat != 0)
        wxLogError("%s", _("Moving the requirement was not possible."));
    verversLijst();
    if (resultaat == 0)
        (void)selekteerRequirements(blok, StandAan);
}

void VerelTamsoVenster::OnUpClick(wxCommandEvent&)
{
    const wxArrayInt rijen = geefGeselekteerdeRijen();
    if (isVerplaatsbaar(rijen) && rijen[0] > 0)
        verplaats(rijen, true);
}

void VerelTamsoVenster::OnUpUpdate(wxUpdateUIEvent& gebeurtenis)
{
    const wxArrayInt rijen = geefGeselekteerdeRijen();
    gebeurtenis.Enable(isVerplaatsbaar(rijen) && rijen[0] > 0);
}

void VerelTamsoVenster::OnDownClick(wxCommandEvent&)
{
    const wxArrayInt rijen = geefGeselekteerdeRijen();
    if (isVerplaatsbaar(rijen) && rijen[rijen.size() - 1] < rekLijst->GetItemCount() - 1)
        verplaats(rijen, false);
}

void VerelTamsoVenster::OnDownUpdate(wxUpdateUIEvent& gebeurtenis)
{
    const wxArrayInt rijen = geefGeselekteerdeRijen();
    gebeurtenis.Enable(isVerplaatsbaar(rijen) && rijen[rijen.size() - 1] < rekLijst->GetItemCount() - 1);
}
