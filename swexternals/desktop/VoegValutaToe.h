#ifndef SWEXTERNALS_DESKTOP_VOEGVALUTATOE_H
#define SWEXTERNALS_DESKTOP_VOEGVALUTATOE_H

#include "swexternals/desktop/DesktopValutaLijst.h"

#include <wx/dialog.h>

class wxBitmapButton;
class wxListBox;
class wxTextCtrl;
class wxUpdateUIEvent;

// The modal dialog in which the user edits the own currencies. It works in
// place on the caller's list: it never adds or removes a currency, it only
// overwrites the selected one (Apply) or resets it to the placeholder
// (double-click, after a question through DesktopVraag). Apply is enabled
// while the three fields make a valid currency. The caller passes a copy
// and takes it over only on wxID_OK (ValutaKeuzeDialoog does).
class VoegValutaToe : public wxDialog
{
    wxDECLARE_DYNAMIC_CLASS(VoegValutaToe);
    wxDECLARE_EVENT_TABLE();

public:
    enum
    {
        ID_VOEGVALUTATOE = 10000,
        ID_PANEEL = 10001,
        ID_EIGEN_VALUTA_SOORTEN = 10002,
        ID_VALUTA_KODE = 10003,
        ID_VALUTA_NAAM = 10004,
        ID_VALUTA_SYMBOOL = 10005,
        // Beside the name field's id: a click and a text change never meet.
        ID_VALUTA_OMREKENEN = 10004
    };

    // The public page the converter button opens.
    static const wxString omrekenAdres;

    VoegValutaToe();
    // The list stays the caller's; every element is shown, valid or not.
    VoegValutaToe(wxWindow* ouder, DesktopValutaLijst* lijst, int id = ID_VOEGVALUTATOE,
                  const wxString& titel = wxEmptyString, const wxPoint& positie = wxDefaultPosition,
                  const wxSize& grootte = wxSize(400, 300),
                  long stijl = wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER | wxTAB_TRAVERSAL);

    bool Create(wxWindow* ouder, int id = ID_VOEGVALUTATOE, const wxString& titel = wxEmptyString,
                const wxPoint& positie = wxDefaultPosition, const wxSize& grootte = wxSize(400, 300),
                long stijl = wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER | wxTAB_TRAVERSAL);
    void Init();
    void CreateControls();

    wxBitmap GetBitmapResource(const wxString& naam);
    wxIcon GetIconResource(const wxString& naam);
    static bool ShowToolTips();

private:
    void OnEigenValutaSoortenListboxIDSelected(wxCommandEvent& gebeurtenis);
    void OnEigenValutaSoortenListboxIDDoubleClicked(wxCommandEvent& gebeurtenis);
    void OnValutaKodeIDTextUpdated(wxCommandEvent& gebeurtenis);
    void OnValutaTextEnter(wxCommandEvent& gebeurtenis);
    void OnApplyClick(wxCommandEvent& gebeurtenis);
    void OnApplyUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnOmrekenenClick(wxCommandEvent& gebeurtenis);

    void toon(const DesktopValuta& valuta);
    void toetsVelden();
    wxString geefSymbool() const;

    wxListBox* lijstVak;
    wxTextCtrl* kodeVeld;
    wxTextCtrl* naamVeld;
    wxTextCtrl* symboolVeld;
    wxBitmapButton* toepassen;
    DesktopValutaLijst* lijst;
    bool veldenGeldig;
};

#endif
