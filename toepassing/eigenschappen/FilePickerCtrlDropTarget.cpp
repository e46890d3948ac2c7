#include "toepassing/eigenschappen/FilePickerCtrlDropTarget.h"

#include <wx/filepicker.h>

FilePickerCtrlDropTarget::FilePickerCtrlDropTarget(wxFilePickerCtrl* kiezer) : bestandKiezer(kiezer) {}

bool FilePickerCtrlDropTarget::OnDropFiles(wxCoord, wxCoord, const wxArrayString& namen)
{
    if (namen.empty())
        return false;
    bestandKiezer->SetPath(namen[0]);
    // SetPath tells nobody; a choice in the picker's own dialog does.
    wxFileDirPickerEvent veranderd(wxEVT_FILEPICKER_CHANGED, bestandKiezer, bestandKiezer->GetId(), namen[0]);
    bestandKiezer->GetEventHandler()->ProcessEvent(veranderd);
    return true;
}
