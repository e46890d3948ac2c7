#ifndef SWEXTERNALS_DESKTOP_VALUTAKEUZEDIALOOG_H
#define SWEXTERNALS_DESKTOP_VALUTAKEUZEDIALOOG_H

#include "swexternals/desktop/DesktopValuta.h"
#include "swexternals/desktop/DesktopValutaLijst.h"

#include <map>
#include <wx/dialog.h>

class wxBitmapComboBox;
class wxFileConfig;

// The modal dialog in which the user picks a currency: 21 built-in ones,
// each with its flag, and up to five own currencies (the owl), edited with
// "New" (VoegValutaToe). For the main window's "Set project currency":
//
//     ValutaKeuzeDialoog dialoog(this, projectValuta, nullptr);
//     if (dialoog.ShowModal() == wxID_OK)
//         ... store dialoog.geefGekozenValuta() as the project currency ...
//
// The current currency is selected by its code, so a currency stored while
// another interface language was in use is found too; one that matches no
// line (an own currency of another machine) gets a line of its own, so that
// OK keeps it. With a configuration the own currencies are read from its
// five slots at construction and written back to them at destruction; the
// owner flushes the file. Without one they live as long as the dialog.
class ValutaKeuzeDialoog : public wxDialog
{
    wxDECLARE_DYNAMIC_CLASS(ValutaKeuzeDialoog);
    wxDECLARE_EVENT_TABLE();

public:
    enum
    {
        ID_VALUTAKEUZEDIALOOG = 10000,
        ID_PANEEL = 10001,
        ID_VALUTA_KEUZE = 10002,
        ID_PAPIERGELD = 10003,
        ID_UIL = 10006
    };

    // The group of the own currencies' slots "taal0" to "taal4".
    static const wxString stdTalenPad;
    static constexpr unsigned int aantalEigenValutas = 5;
    static constexpr unsigned int aantalVasteValutas = 21;

    ValutaKeuzeDialoog();
    // A null configuration keeps the own currencies in the dialog only. An
    // empty title gives "Currency selection".
    ValutaKeuzeDialoog(wxWindow* ouder, const DesktopValuta& huidige, wxFileConfig* config,
                       int id = ID_VALUTAKEUZEDIALOOG, const wxString& titel = wxEmptyString,
                       const wxPoint& positie = wxDefaultPosition, const wxSize& grootte = wxSize(400, 300),
                       long stijl = wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER | wxTAB_TRAVERSAL);
    ~ValutaKeuzeDialoog() override;

    bool Create(wxWindow* ouder, int id = ID_VALUTAKEUZEDIALOOG, const wxString& titel = wxEmptyString,
                const wxPoint& positie = wxDefaultPosition, const wxSize& grootte = wxSize(400, 300),
                long stijl = wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER | wxTAB_TRAVERSAL);
    void Init();
    void CreateControls();

    // The currency of the selected line.
    DesktopValuta geefGekozenValuta() const;
    // Sets the flags of the built-in lines and loads the own currencies.
    void initVlaggen();

    wxBitmap GetBitmapResource(const wxString& naam);
    wxIcon GetIconResource(const wxString& naam);
    static bool ShowToolTips();

private:
    void OnNewClick(wxCommandEvent& gebeurtenis);

    void maakVlagKaart();
    void toonEigenValutas();
    void selecteer(const DesktopValuta& huidige);
    int zoekRegel(const DesktopValuta& valuta) const;
    wxBitmap geefUilIkoon();

    wxBitmapComboBox* valutaKeuze;
    DesktopValutaLijst eigenValutas;
    // Translated built-in line -> the resource name of its flag.
    std::map<wxString, wxString> vlagKaart;
    wxFileConfig* config;
    // The built-in lines, and the current currency's own line when it has one.
    unsigned int aantalVasteRegels;
};

#endif
