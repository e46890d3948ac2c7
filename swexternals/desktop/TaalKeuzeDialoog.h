#ifndef SWEXTERNALS_DESKTOP_TAALKEUZEDIALOOG_H
#define SWEXTERNALS_DESKTOP_TAALKEUZEDIALOOG_H

#include <map>
#include <memory>
#include <wx/dialog.h>
#include <wx/dynarray.h>
#include <wx/intl.h>

class wxImageList;
class wxListCtrl;
class wxListEvent;
class wxUpdateUIEvent;

// The modal dialog in which the user picks the interface language from the
// languages the caller offers, each with its flag and its English name in
// the current language. It only reports the choice (geefTaal after OK).
class TaalKeuzeDialoog : public wxDialog
{
    wxDECLARE_DYNAMIC_CLASS(TaalKeuzeDialoog);
    wxDECLARE_EVENT_TABLE();

public:
    enum
    {
        ID_PANEEL = 10001,
        ID_TAALKEUZE_LIJST = 10002
    };

    TaalKeuzeDialoog();
    // `talen` are wxLanguage values, shown in this order.
    TaalKeuzeDialoog(wxWindow* ouder, const wxArrayInt& talen, int id = wxID_ANY, const wxString& titel = wxEmptyString,
                     const wxPoint& positie = wxDefaultPosition, const wxSize& grootte = wxDefaultSize,
                     long stijl = wxDEFAULT_DIALOG_STYLE);
    ~TaalKeuzeDialoog() override;

    bool Create(wxWindow* ouder, int id = wxID_ANY, const wxString& titel = wxEmptyString,
                const wxPoint& positie = wxDefaultPosition, const wxSize& grootte = wxDefaultSize,
                long stijl = wxDEFAULT_DIALOG_STYLE);
    void Init();
    void CreateControls();

    // The flags, in the fixed order of their image index.
    void initTalen();
    // One item per offered language; languages with the same name share one
    // entry, the last offered of them counting.
    void zetTalen();

    // wxLANGUAGE_UNKNOWN until the user picks a language.
    wxLanguage geefTaal() const;
    // Every language the dialog has a name and a flag for.
    static wxArrayInt geefAlleTalen();

    wxBitmap GetBitmapResource(const wxString& naam);
    wxIcon GetIconResource(const wxString& naam);
    static bool ShowToolTips();

private:
    void OnTaalkeuzeListCtrlIDSelected(wxListEvent& gebeurtenis);
    void OnTaalkeuzeListCtrlIDItemActivated(wxListEvent& gebeurtenis);
    void OnOkUpdate(wxUpdateUIEvent& gebeurtenis);

    wxListCtrl* lijst;
    std::unique_ptr<wxImageList> vlaggen;
    std::map<wxString, unsigned int> naamNaarTaal;
    unsigned int gekozenTaal;
    wxArrayInt aangebodenTalen;
};

#endif
