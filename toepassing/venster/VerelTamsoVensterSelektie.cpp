#include "swexternals/desktop/DesktopFunkties.h"
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
    wxArrayInt rijen;
    for (long rij = rekLijst->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED); rij != -1;
         rij = rekLijst->GetNextItem(rij, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED))
        rijen.Add(static_cast<int>(rij));
    return rijen;
}

Requirement VerelTamsoVenster::leesRequirement(unsigned long long rij)
{
    // By number: the list knows the number of every row without reading it.
    const int nummer = rekLijst->geefInhoud().geefNummer(static_cast<long>(rij));
    return app->geefRequirement(nummer);
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
    for (size_t i = 0; i < lijst.size(); ++i)
    {
        const long rij = geefLijstIndexVanRek(lijst[i]);
        if (rij >= 0)
            rekLijst->SetItemState(rij, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
    }
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

void VerelTamsoVenster::OnRekLijstIDSelected(wxListEvent& gebeurtenis)
{
    const int rij = static_cast<int>(gebeurtenis.GetIndex());
    if (geselekteerdeRijen.Index(rij) != wxNOT_FOUND)
        return;
    geselekteerdeRijen.Add(rij);
    geselekteerdeRijen.Sort(vergelijkInt);
}

void VerelTamsoVenster::OnRekLijstIDDeselected(wxListEvent& gebeurtenis)
{
    const int rij = static_cast<int>(gebeurtenis.GetIndex());
    if (geselekteerdeRijen.Index(rij) == wxNOT_FOUND)
        return;
    geselekteerdeRijen.Remove(rij);
    geselekteerdeRijen.Sort(vergelijkInt);
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
