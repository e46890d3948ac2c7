#ifndef TOEPASSING_KERN_REQUIREMENTDROPTARGET_H
#define TOEPASSING_KERN_REQUIREMENTDROPTARGET_H

#include "toepassing/kern/Requirement.h"
#include "toepassing/kern/RequirementLijst.h"

#include <memory>
#include <vector>
#include <wx/arrstr.h>
#include <wx/dnd.h>

class LijstKoppeling;
class VerelTamsoApp;

// The drop target of the requirement list. A drop below the rows
// duplicates the dropped requirements under the next free numbers; a drop
// of one requirement of this project on a row moves it to that row's number
// and renumbers the ones in between (RequirementVerplaatsing). Requirements
// of another project, or of another running program, are always duplicated.
// Drops are offered only while the list is sorted on its I.D column, on a
// project that is open and writable.
//
// The drop itself only reads the dropped files; everything that may ask the
// user or change the project (and every message) waits in the window's
// event queue until the drop has returned to the drag source, and, for a
// drag that started in this program, until that drag has ended.
//
// The list owns its drop target:
//
//     rekLijst->SetDropTarget(new RequirementDropTarget(app, this));
class RequirementDropTarget : public wxFileDropTarget
{
public:
    RequirementDropTarget(VerelTamsoApp* app, LijstKoppeling* venster);

    wxDragResult OnEnter(wxCoord x, wxCoord y, wxDragResult voorstel) override;
    // Move over a row, copy below the rows, nothing while the list is not
    // sorted on its I.D column (warned once per drag) or the project cannot
    // be changed.
    wxDragResult OnDragOver(wxCoord x, wxCoord y, wxDragResult voorstel) override;
    // Reads the dropped files and plans the work; false when there is none.
    bool OnDropFiles(wxCoord x, wxCoord y, const wxArrayString& bestanden) override;

    // Around a drag that starts in this program: its drop's work waits
    // until the drag has ended.
    void beginEigenSleep();
    void eindigEigenSleep();

private:
    struct Drop
    {
        RequirementLijst rekken;
        // Move the one requirement to the number of `doel`; else duplicate.
        bool verplaatsen = false;
        Requirement doel;
    };

    bool isDropMogelijk() const;
    bool isVanDitProjekt() const;
    // The requirements of the files that can be read; the others are
    // skipped and reported.
    RequirementLijst leesBestanden(const wxArrayString& bestanden);
    void wacht(std::unique_ptr<Drop> drop);
    void meld(const wxString& waarschuwing);
    void plan();
    void voerUit();

    void dupliceer(const RequirementLijst& rekken);
    // False when the user cancelled.
    bool kiesVrijeTitel(Requirement& rek, const RequirementLijst& nieuw);
    bool isTitelBezet(const wxString& titel, const RequirementLijst& nieuw);
    void verplaats(Requirement rek, const Requirement& doel);

    VerelTamsoApp* app;
    LijstKoppeling* venster;
    std::unique_ptr<Drop> wachtend;
    std::vector<wxString> meldingen;
    bool eigenSleep;
    bool gepland;
    bool kolomGemeld;
};

#endif
