#ifndef TOEPASSING_VENSTER_TOONREQUIREMENT_H
#define TOEPASSING_VENSTER_TOONREQUIREMENT_H

#include "toepassing/kern/Requirement.h"
#include "toepassing/kern/VerelTamsoApp.h"

#include <wx/dialog.h>

class wxChoice;
class wxRichTextCtrl;
class wxRichTextPrinting;

// The modal dialog that shows the rich texts of one requirement without
// letting them change: the specification, the implementation, the
// validation, or the three under large headings. The user prints the text
// shown, saves it to a file or clears the view. It never writes the project.
class ToonRequirement : public wxDialog
{
    wxDECLARE_DYNAMIC_CLASS(ToonRequirement);
    wxDECLARE_EVENT_TABLE();

public:
    enum
    {
        ID_TOONREQUIREMENT = 10000,
        ID_PANEEL = 10001,
        ID_RIJKVELD = 10002,
        ID_KIESREKVELD = 10003
    };
    // The entries of the field choice.
    enum Veld
    {
        VeldSpecifikatie = 0,
        VeldImplementatie = 1,
        VeldValidatie = 2,
        VeldAlleDrie = 3
    };

    ToonRequirement();
    ToonRequirement(wxWindow* ouder, VerelTamsoApp* app, const Requirement& rek, int id = ID_TOONREQUIREMENT,
                    const wxString& titel = wxEmptyString, const wxPoint& positie = wxDefaultPosition,
                    const wxSize& grootte = wxSize(400, 300),
                    long stijl = wxCAPTION | wxRESIZE_BORDER | wxSYSTEM_MENU | wxCLOSE_BOX | wxTAB_TRAVERSAL);
    ~ToonRequirement() override;

    ToonRequirement(const ToonRequirement&) = delete;
    ToonRequirement& operator=(const ToonRequirement&) = delete;

    bool Create(wxWindow* ouder, int id = ID_TOONREQUIREMENT, const wxString& titel = wxEmptyString,
                const wxPoint& positie = wxDefaultPosition, const wxSize& grootte = wxSize(400, 300),
                long stijl = wxCAPTION | wxRESIZE_BORDER | wxSYSTEM_MENU | wxCLOSE_BOX | wxTAB_TRAVERSAL);
    void Init();
    void CreateControls();

    wxBitmap GetBitmapResource(const wxString& naam);
    wxIcon GetIconResource(const wxString& naam);
    static bool ShowToolTips();

    wxRichTextPrinting* geefPrintMotor() const { return printMotor; }

protected:
    void OnRekEigenschappenIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnKiesRekVeldIDSelected(wxCommandEvent& gebeurtenis);
    void OnClearClick(wxCommandEvent& gebeurtenis);
    void OnClearUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnPrintClick(wxCommandEvent& gebeurtenis);
    void OnPrintUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnSaveasClick(wxCommandEvent& gebeurtenis);
    void OnSaveasUpdate(wxUpdateUIEvent& gebeurtenis);

    // Owned by the window hierarchy.
    wxRichTextCtrl* rijkVeld;
    wxChoice* veldKeuze;
    // Not owned.
    VerelTamsoApp* app;
    Requirement rek;
    // Owned.
    wxRichTextPrinting* printMotor;

private:
    bool heeftTekst() const;
    void zetFont();
    void toonVeld(const wxString& tekst);
    void toonAlleDrie();
    // A heading of the combined view at the insertion point of the editor.
    // At the start of a text it ends its line, so that the text follows.
    static void schrijfKop(wxRichTextCtrl& rijk, const wxString& kop, bool regelEinde);
    static void voegToe(wxRichTextCtrl& doel, wxRichTextCtrl& bron);
    wxString maakKopTekst() const;
};

#endif
