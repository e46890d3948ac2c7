#include "swexternals/desktop/DesktopAppBasis.h"
#include "swexternals/desktop/DesktopFunkties.h"
#include "toepassing/kern/LangWerk.h"
#include "toepassing/kern/RequirementDataObjekt.h"
#include "toepassing/kern/RequirementDropTarget.h"
#include "toepassing/venster/RekLijstCtrl.h"
#include "toepassing/venster/VerelTamsoVenster.h"

#include <algorithm>
#include <wx/dnd.h>
#include <wx/intl.h>
#include <wx/menu.h>

wxArrayInt VerelTamsoVenster::geefGeselekteerdeRijen() const
{
    return rekLijst->geefGeselekteerdeRijen();
}

Requirement VerelTamsoVenster::leesRequirement(unsigned long long rij)
{
    // By number: the list knows the number of every row without reading it.
    const int nummer = rekLijst->geefInhoud().geefNummer(static_cast<long>(rij));
    return app->geefRequirement(nummer);
}

std::vector<std::pair<long, long>> VerelTamsoVenster::geefPaginas(const wxArrayInt& rijen)
{
    std::vector<std::pair<long, long>> paginas;
    for (const int rij : rijen)
    {
        if (!paginas.empty() && paginas.back().first + paginas.back().second == rij &&
            paginas.back().second < RekLijstInhoud::paginaGrootte)
            ++paginas.back().second;
        else
            paginas.emplace_back(rij, 1);
    }
    return paginas;
}

int VerelTamsoVenster::leesRijen(const std::vector<std::pair<long, long>>& paginas, const wxString& gevolg,
                                 RequirementLijst& rekken)
{
    rekken.Clear();
    const LijstSelektie& selektie = rekLijst->geefInhoud().geefSelektie();
    for (const auto& [van, aantal] : paginas)
    {
        RequirementLijst pagina;
        const int resultaat =
            app->leesLijstPagina(selektie, static_cast<size_t>(van), static_cast<size_t>(aantal), pagina);
        // A row renumbered or removed since the list was read is not the
        // row the user chose: the first of them is named.
        if (resultaat == 1)
        {
            size_t rij = 0;
            while (rij < pagina.size() && pagina[rij].SR == selektie.nummers[static_cast<size_t>(van) + rij])
                ++rij;
            DesktopFunkties::wxErrorVeilig(
                _("This requirement is no longer in the database as it was read; it was changed or removed "
                  "meanwhile:") +
                " " +
                DesktopFunkties::haken(
                    _("I.D") + " " + DesktopFunkties::print(selektie.nummers[static_cast<size_t>(van) + rij]), false) +
                DesktopAppBasis::vr + gevolg);
        }
        if (resultaat != 0)
            return 2;
        for (size_t i = 0; i < pagina.size(); ++i)
            rekken.Add(pagina[i]);
        LangWerk::stap(*app);
    }
    return 0;
}

int VerelTamsoVenster::selekteerRequirement(const Requirement& rek, Stand)
{
    const long rij = geefLijstIndexVanRek(rek);
    if (rij < 0)
        return 1;
    rekLijst->wisSelektie();
    rekLijst->SetItemState(rij, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED,
                           wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
    rekLijst->EnsureVisible(rij);
    return 0;
}

int VerelTamsoVenster::selekteerRequirements(const RequirementLijst& lijst, Stand)
{
    if (lijst.empty())
        return 1;
    rekLijst->wisSelektie();
    std::vector<long> rijen;
    for (size_t i = 0; i < lijst.size(); ++i)
    {
        const long rij = geefLijstIndexVanRek(lijst[i]);
        if (rij >= 0)
            rijen.push_back(rij);
    }
    rekLijst->selekteer(rijen);
    // The focus on the block, as a Shift range leaves it: the next command
    // finds the block from there.
    if (!rijen.empty())
        rekLijst->SetItemState(rijen.front(), wxLIST_STATE_FOCUSED, wxLIST_STATE_FOCUSED);
    const long eerste = geefLijstIndexVanRek(lijst[0]);
    const long laatste = geefLijstIndexVanRek(lijst[lijst.size() - 1]);
    if (eerste >= 0 && laatste >= 0)
        rekLijst->EnsureVisible((eerste + laatste) / 2);
    return laatste >= 0 ? 0 : 1;
}

int VerelTamsoVenster::vergelijkInt(int* a, int* b)
{
    return *a < *b ? -1 : (*a == *b ? 0 : 1);
}

VerelTamsoApp::Kolommen VerelTamsoVenster::geefGeselekteerdeKolom() const
{
    return static_cast<VerelTamsoApp::Kolommen>(geselekteerdeKolom.waarde);
}

long VerelTamsoVenster::geefLijstIndexOpPunt(const wxPoint& punt) const
{
    int vlaggen = 0;
    const long rij = rekLijst->HitTest(punt, vlaggen);
    return (vlaggen & wxLIST_HITTEST_ONITEM) ? rij : -1;
}

long VerelTamsoVenster::geefLijstIndexVanRek(const Requirement& rek) const
{
    return rekLijst->geefInhoud().geefRij(rek.SR);
}

int VerelTamsoVenster::bestaatRequirementOpPunt(const wxPoint& punt) const
{
    return geefLijstIndexOpPunt(punt) >= 0 ? 0 : 2;
}

int VerelTamsoVenster::leesRequirementOpPunt(const wxPoint& punt, Requirement& rek)
{
    const long rij = geefLijstIndexOpPunt(punt);
    if (rij < 0)
        return 2;
    rek = leesRequirement(static_cast<unsigned long long>(rij));
    return 0;
}

// In their place, found by halving: a block of thousands of rows selected
// after a move comes one event per row, and sorting the rows again at
// each would take the window minutes.
void VerelTamsoVenster::OnRekLijstIDSelected(wxListEvent& gebeurtenis)
{
    const int rij = static_cast<int>(gebeurtenis.GetIndex());
    const auto plaats = std::lower_bound(geselekteerdeRijen.begin(), geselekteerdeRijen.end(), rij);
    if (plaats != geselekteerdeRijen.end() && *plaats == rij)
        return;
    geselekteerdeRijen.insert(plaats, rij);
}

void VerelTamsoVenster::OnRekLijstIDDeselected(wxListEvent& gebeurtenis)
{
    const int rij = static_cast<int>(gebeurtenis.GetIndex());
    const auto plaats = std::lower_bound(geselekteerdeRijen.begin(), geselekteerdeRijen.end(), rij);
    if (plaats != geselekteerdeRijen.end() && *plaats == rij)
        geselekteerdeRijen.erase(plaats);
}

void VerelTamsoVenster::OnRekLijstIDBeginDrag(wxListEvent& gebeurtenis)
{
    const wxArrayInt rijen = geefGeselekteerdeRijen();
    if (rijen.IsEmpty())
        return;
    const wxString herkomst = RequirementDataObjekt::maakHerkomst(app->geefDBPad().GetFullPath());
    if (rijen.GetCount() == 1)
    {
        const long rij = gebeurtenis.GetIndex() >= 0 ? gebeurtenis.GetIndex() : rijen[0];
        RequirementDataObjekt data(leesRequirement(static_cast<unsigned long long>(rij)), herkomst);
        sleepData(data, 1, wxDrag_AllowMove);
        return;
    }
    RequirementLijst lijst;
    for (const int rij : rijen)
        lijst.Add(leesRequirement(static_cast<unsigned long long>(rij)));
    RequirementDataObjekt data(lijst, herkomst);
    if (sleepData(data, lijst.GetCount(), wxDrag_CopyOnly))
        (void)selekteerRequirement(lijst[0], StandAan);
}

// The data object removes its temporary files when it goes, after the drag,
// however it ended.
bool VerelTamsoVenster::sleepData(RequirementDataObjekt& data, size_t aantal, int vlaggen)
{
    if (data.GetFilenames().GetCount() != aantal)
    {
        DesktopFunkties::wxErrorVeilig(_("The requirements could not be written to temporary files for dragging."));
        return false;
    }
    // A drop on this list waits until the drag is over.
    auto* doel = dynamic_cast<RequirementDropTarget*>(rekLijst->GetDropTarget());
    if (doel)
        doel->beginEigenSleep();
    wxDropSource bron(data, this);
    bron.DoDragDrop(vlaggen);
    if (doel)
        doel->eindigEigenSleep();
    return true;
}

void VerelTamsoVenster::OnRekLijstIDItemActivated(wxListEvent&)
{
    if (rekLijst->GetSelectedItemCount() != 1)
        return;
    wxCommandEvent leeg;
    if (dubbelKlikBewerkt.boolean())
        OnBewerkItemIDClick(leeg);
    else
        OnToonItemIDClick(leeg);
}

void VerelTamsoVenster::OnRekLijstIDRightClick(wxListEvent& gebeurtenis)
{
    // As in list views: the menu is about the row under the pointer, and
    // about the rows selected with it when it is one of them.
    const long rij = gebeurtenis.GetIndex();
    if (rij >= 0 && rij < rekLijst->GetItemCount() && rekLijst->GetItemState(rij, wxLIST_STATE_SELECTED) == 0)
    {
        rekLijst->wisSelektie();
        rekLijst->SetItemState(rij, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED,
                               wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
    }
    PopupMenu(popupMenu, wxDefaultPosition);
}

void VerelTamsoVenster::OnRekLijstIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Skip();
}
