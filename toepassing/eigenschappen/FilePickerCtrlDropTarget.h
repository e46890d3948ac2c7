#ifndef TOEPASSING_EIGENSCHAPPEN_FILEPICKERCTRLDROPTARGET_H
#define TOEPASSING_EIGENSCHAPPEN_FILEPICKERCTRLDROPTARGET_H

#include <wx/dnd.h>

class wxFilePickerCtrl;

// A file dropped on a file picker becomes its path, whatever it is and
// whether it exists; of several files the first. The picker then tells its
// owner, as when the user chose the file, so that the owner sees the change.
class FilePickerCtrlDropTarget : public wxFileDropTarget
{
public:
    // The picker is not owned; the window the target is set on owns the target.
    explicit FilePickerCtrlDropTarget(wxFilePickerCtrl* kiezer);
    ~FilePickerCtrlDropTarget() override = default;

    // False for an empty list: there is nothing to take.
    bool OnDropFiles(wxCoord x, wxCoord y, const wxArrayString& namen) override;

private:
    wxFilePickerCtrl* bestandKiezer;
};

#endif
