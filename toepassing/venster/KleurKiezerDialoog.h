#ifndef TOEPASSING_VENSTER_KLEURKIEZERDIALOOG_H
#define TOEPASSING_VENSTER_KLEURKIEZERDIALOOG_H

#include <functional>
#include <wx/colour.h>
#include <wx/dialog.h>
#include <wx/font.h>

class VerelTamsoApp;
class wxRichTextAttr;
class wxRichTextCtrl;

// The modal dialog in which the user chooses the requirement list's font
// and its four colours: the text, the background of a writable project, of
// a read-only project and while safe operation is on. It edits copies of
// the application's values, shows them on a sample text, and writes them
// back into the application only on OK; the application stores them in the
// configuration file when it ends. The font and colours are asked through
// DesktopVraag.
//
//     KleurKiezerDialoog dialoog(this, app);
//     if (dialoog.ShowModal() == wxID_OK)
//         ... show the list in app->geefFont() and its colours ...
class KleurKiezerDialoog : public wxDialog
{
    wxDECLARE_DYNAMIC_CLASS(KleurKiezerDialoog);
    wxDECLARE_EVENT_TABLE();

public:
    enum
    {
        ID_KLEURKIEZERDIALOOG = 10000,
        ID_PANEEL = 10001,
        ID_KIESFONT = 10002,
        ID_TEKSTKLEUR = 10003,
        ID_ACHTERGRONDKLEUR = 10004,
        ID_VOORBEELD = 10005,
        ID_SLECHTSLEZENACHTERGRONDKLEUR = 10006,
        ID_SAFEMODEACHTERGRONDKLEUR = 10007
    };

    KleurKiezerDialoog();
    KleurKiezerDialoog(wxWindow* ouder, VerelTamsoApp* app, int id = ID_KLEURKIEZERDIALOOG,
                       const wxString& titel = wxEmptyString, const wxPoint& positie = wxDefaultPosition,
                       const wxSize& grootte = wxDefaultSize, long stijl = wxDEFAULT_DIALOG_STYLE);

    bool Create(wxWindow* ouder, int id = ID_KLEURKIEZERDIALOOG, const wxString& titel = wxEmptyString,
                const wxPoint& positie = wxDefaultPosition, const wxSize& grootte = wxDefaultSize,
                long stijl = wxDEFAULT_DIALOG_STYLE);
    void Init();
    void CreateControls();

    // The application's values into the dialog and the sample.
    bool TransferDataToWindow() override;
    // The values the user changed into the application (OK); the others
    // stay as the application holds them.
    bool TransferDataFromWindow() override;

    // The font of "Reset to default values": the one a new rich-text
    // control takes, which is the list's font at a first start too.
    static wxFont geefStandaardFont();

    wxBitmap GetBitmapResource(const wxString& naam);
    wxIcon GetIconResource(const wxString& naam);
    static bool ShowToolTips();

private:
    // What the user changed in this run of the dialog, one bit per value.
    enum Waarde : unsigned int
    {
        WaardeFont = 1,
        WaardeTekstKleur = 2,
        WaardeAchtergrond = 4,
        WaardeSlechtsLezen = 8,
        WaardeSafeMode = 16,
        AlleWaarden = 31
    };
    bool isVeranderd(Waarde waarde) const { return (veranderd & waarde) != 0; }

    void OnKiesFontIDClick(wxCommandEvent& gebeurtenis);
    void OnTekstKleurIDClick(wxCommandEvent& gebeurtenis);
    void OnAchtergrondKleurIDClick(wxCommandEvent& gebeurtenis);
    void OnSlechtsLezenAchtergrondKleurClick(wxCommandEvent& gebeurtenis);
    void OnSafeModeAchtergrondKleurClick(wxCommandEvent& gebeurtenis);
    void OnDefaultClick(wxCommandEvent& gebeurtenis);

    wxSizer* maakKnoppen(wxWindow* paneel);
    wxSizer* maakVoorbeeld(wxWindow* paneel);
    // Asks for a colour starting at `kleur`; on OK it becomes `kleur` and
    // the sample's text colour (the text colour's `waarde`) or background.
    void kiesKleur(wxColour& kleur, Waarde waarde);
    // The sample's base style changed by `verander`, and shown.
    void pasVoorbeeldAan(const std::function<void(wxRichTextAttr&)>& verander);
    // The sample in the font, text colour and standard background.
    void toonVoorbeeld();

    wxRichTextCtrl* voorbeeld;
    // Not owned.
    VerelTamsoApp* app;
    wxFont font;
    wxColour tekstKleur;
    wxColour achtergrondKleur;
    wxColour slechtsLezenAchtergrondKleur;
    wxColour safeModeAchtergrondKleur;
    unsigned int veranderd;
};

#endif
