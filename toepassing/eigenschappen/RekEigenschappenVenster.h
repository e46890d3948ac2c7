#ifndef TOEPASSING_EIGENSCHAPPEN_REKEIGENSCHAPPENVENSTER_H
#define TOEPASSING_EIGENSCHAPPEN_REKEIGENSCHAPPENVENSTER_H

#include "toepassing/kern/Requirement.h"
#include "toepassing/kern/VerelTamsoApp.h"

#include <wx/colour.h>
#include <wx/dialog.h>
#include <wx/scrolwin.h>
#include <wx/string.h>
#include <wx/textctrl.h>

class wxBitmapButton;
class wxBitmapToggleButton;
class wxChoice;
class wxCollapsiblePane;
class wxCollapsiblePaneEvent;
class wxComboBox;
class wxDateEvent;
class wxDatePickerCtrl;
class wxFileDirPickerEvent;
class wxFilePickerCtrl;
class wxFlexGridSizer;
class wxImage;
class wxPanel;
class wxRichTextCtrl;
class wxRichTextPrinting;
class wxRichTextStyleSheet;
class wxSizer;
class wxSlider;
class wxSpinCtrl;
class wxSpinEvent;
class wxStaticText;
class wxTextCtrl;
class wxTextUrlEvent;
class wxToolBar;

// The modal dialog that shows and edits every field of one requirement. The
// command that runs it builds it for a requirement, shows it modally and,
// when it ends with OK, reads the edited record back with leesVelden; the
// dialog itself never writes the project. The level of completion (the
// status choice) decides which fields may change; the three role toggles,
// the status choice and the sign-off button move it.
//
// What the dialog cannot show (the parent and related numbers, a value
// beyond a control's range, a status or type outside its items, a missing
// date) comes back from leesVelden as the shown requirement held it, unless
// the user changed that control.
//
// The sources by subject: construction, filling and reading back
// (RekEigenschappenVenster.cpp), the windows and the event table
// (RekEigenschappenVensterBesturing.cpp), the status rules
// (RekEigenschappenVensterStatus.cpp), the field handlers
// (RekEigenschappenVensterVelden.cpp) and the rich-text tool bar: the choice
// of the editor and formatting (RekEigenschappenVensterWerkbalk.cpp),
// inserted content (RekEigenschappenVensterInvoegen.cpp), and one field
// opened, saved and printed (RekEigenschappenVensterVeldBestand.cpp).
class RekEigenschappenVenster : public wxDialog
{
    wxDECLARE_DYNAMIC_CLASS(RekEigenschappenVenster);
    wxDECLARE_EVENT_TABLE();

public:
    enum
    {
        ID_REKEIGENSCHAPPENVENSTER = 10000,
        ID_HOOFDPANEEL = 10001,
        ID_WERKBALK = 10002,
        ID_LINKSUITLIJNING = 10003,
        ID_MIDDENUITLIJNING = 10004,
        ID_RECHTSUITLIJNING = 10005,
        ID_VOEGINMINDER = 10006,
        ID_VOEGINMEER = 10007,
        ID_VOEGTOESYMBOOL = 10008,
        ID_VOEGINURL = 10009,
        ID_VOEGINAFBEELDING = 10010,
        ID_PLAATSTEKSTDOOS = 10011,
        ID_VOEGMARKERSEKTIETOE = 10012,
        ID_GENUMMERDELIJST = 10013,
        ID_KOGELLIJST = 10014,
        ID_STREEPDOOR = 10015,
        ID_SUPERSCRIPT = 10016,
        ID_SUBSCRIPT = 10017,
        ID_TEKSTKLEUR = 10018,
        ID_ACHTERGRONDKLEUR = 10019,
        ID_ZETFONT = 10020,
        ID_VERGROOTFONT = 10021,
        ID_VERKLEINFONT = 10022,
        ID_REKTITEL = 10023,
        ID_REKDATUM = 10024,
        ID_REKNUMMER = 10025,
        ID_VERSIEINVOER = 10026,
        ID_REKPRIORITEIT = 10027,
        ID_REKTYPE = 10028,
        ID_REKFUNKTIONEELTYPE = 10029,
        ID_KOSTENLABEL = 10030,
        ID_REKTOTALEKOSTEN = 10031,
        ID_AUTEURKEUZE = 10032,
        ID_AUTEURSTATUSPANEEL = 10033,
        ID_REKEIGENSCHAPPENSTATUS = 10034,
        ID_REKEIGENSCHAPPENINKLAP = 10035,
        ID_VERSIEDATUMSTEMPEL = 10036,
        ID_DATUMTIJDSTEMPEL = 10037,
        ID_REKEIGENSCHAPPEN = 10038,
        ID_IMPLEMENTATIEINGENIEURKEUZE = 10039,
        ID_IMPLEMENTATIESTATUSPANEEL = 10040,
        ID_REKIMPLEMENTATIESTATUS = 10041,
        ID_REKIMPLEMENTATIEINKLAP = 10042,
        ID_REKIMPLEMENTATIEMETHODE = 10043,
        ID_TESTINGENIEURKEUZE = 10044,
        ID_TESTSTATUSPANEEL = 10045,
        ID_REKTESTSTATUS = 10046,
        ID_REKTESTINKLAP = 10047,
        ID_REKTESTMETHODE = 10048,
        ID_VOERSTDGEENIMPLANTWOORDUIT = 10049,
        ID_REKTESTLOGBOEK = 10050,
        ID_GANAARDOKUMENTENDIR = 10051,
        ID_REFERENTIELINK = 10052,
        ID_OPENINBROWSER = 10053,
        ID_OPENINFINDER = 10054,
        ID_REKKOMMENTAARINKLAP = 10055,
        ID_REKKOMMENTAAR = 10056,
        ID_VLAGPANEEL = 10057,
        ID_NIETAFGETEKENDVLAG = 10058,
        ID_AFGETEKENDVLAG = 10059,
        ID_REKAFTEKENNAAM = 10060,
        ID_REKAFTEKENDATUM = 10061,
        ID_REKAFTEKENKNOP = 10062,
        ID_REKSTATUS = 10063,
        ID_IMPORTEERREK = 10065,
        ID_EXPORTEERREK = 10066
    };

    // The paragraph list styles of the list tools.
    static const wxString nummerlijst;
    static const wxString kogellijst;
    // The field types of a marker section's start and end tags.
    static const wxString beginSektie;
    static const wxString eindSektie;
    static constexpr int aantalRijkVelden = 5;
    // The I.D numbers the dialog offers.
    static constexpr int laagsteNummer = 1;
    static constexpr int hoogsteNummer = 1000000;

    RekEigenschappenVenster();
    RekEigenschappenVenster(wxWindow* ouder, const Requirement& rek, VerelTamsoApp* app,
                            int id = ID_REKEIGENSCHAPPENVENSTER, const wxString& titel = wxEmptyString,
                            const wxPoint& positie = wxDefaultPosition, const wxSize& grootte = wxDefaultSize,
                            long stijl = wxCAPTION | wxRESIZE_BORDER | wxSYSTEM_MENU | wxCLOSE_BOX | wxTAB_TRAVERSAL |
                                         wxFULL_REPAINT_ON_RESIZE | wxBORDER_SIMPLE);
    // Writes the standard "no details" text back.
    ~RekEigenschappenVenster() override;

    RekEigenschappenVenster(const RekEigenschappenVenster&) = delete;
    RekEigenschappenVenster& operator=(const RekEigenschappenVenster&) = delete;

    bool Create(wxWindow* ouder, int id = ID_REKEIGENSCHAPPENVENSTER, const wxString& titel = wxEmptyString,
                const wxPoint& positie = wxDefaultPosition, const wxSize& grootte = wxDefaultSize,
                long stijl = wxCAPTION | wxRESIZE_BORDER | wxSYSTEM_MENU | wxCLOSE_BOX | wxTAB_TRAVERSAL |
                             wxFULL_REPAINT_ON_RESIZE | wxBORDER_SIMPLE);
    void Init();
    void CreateControls();

    // Shows the requirement in every control, with the rules of its status;
    // afterwards the dialog counts as unmodified.
    void vulVelden(const Requirement& rek);
    // Shows again what the user entered and the store refused: unmodified
    // until the user changes something, as after vulVelden, but the entries
    // were never stored, so closing asks before they go.
    void toonGeweigerd(const Requirement& rek);
    // The shown requirement with what the controls hold now.
    Requirement leesVelden() const;
    // The editors get the application's list font.
    void zetFont(bool opnieuwSchikken);

    wxBitmap GetBitmapResource(const wxString& naam);
    wxIcon GetIconResource(const wxString& naam);
    static bool ShowToolTips();

    wxRichTextStyleSheet* geefStijlOpslag() const { return stijlOpslag; }
    wxRichTextPrinting* geefPrintMotor() const { return printMotor; }
    bool isGewijzigd() const { return gewijzigd; }
    // The five rich-text editors in the order the dialog uses throughout:
    // description, implementation, test method, test log, remarks.
    wxRichTextCtrl* geefRijk(int index) const;

    // --- Status rules (RekEigenschappenVensterStatus.cpp) ---

    // The check before level `nieuw` is taken: 1 go on (nothing missing, or
    // the user said Yes), 2 the user said No.
    int kontroleerInvoerVelden(Requirement::Status nieuw);
    // The role toggles of the level and what only a writable project may
    // change.
    void zetStatusKnoppen(Requirement::Status niveau);
    // Which of the four role editors take input at the level.
    void zetRichTextCtrlInvoerMogelijk(Requirement::Status niveau) const;
    // The flag of the level shown: signed off or not.
    void zetStatusVlagSymbolen();

    // Forwarders of the stored form of a rich-text field.
    static int laadTekst(const wxString& tekst, wxRichTextCtrl* rijk);
    static int bewaarTekst(wxString& tekst, wxRichTextCtrl* rijk);

protected:
    // --- Construction and closing (RekEigenschappenVenster.cpp) ---
    void OnCloseWindow(wxCloseEvent& gebeurtenis);
    void OnIdle(wxIdleEvent& gebeurtenis);
    // As the dialog shows, its rows measured again and their area fitted
    // to them.
    void OnShow(wxShowEvent& gebeurtenis);
    // Escape in a pop-up of the dialog (the calendar of a date picker)
    // closes that pop-up only, never the dialog.
    void OnCharHook(wxKeyEvent& gebeurtenis);

    // --- Tool bar (RekEigenschappenVensterWerkbalk.cpp) ---
    void OnLinksUitlijningIDClick(wxCommandEvent& gebeurtenis);
    void OnLinksUitlijningIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnMiddenUitlijningIDClick(wxCommandEvent& gebeurtenis);
    void OnMiddenUitlijningIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnRechtsUitlijningIDClick(wxCommandEvent& gebeurtenis);
    void OnRechtsUitlijningIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnVoegInMinderIDClick(wxCommandEvent& gebeurtenis);
    void OnVoegInMinderIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnVoegInMeerIDClick(wxCommandEvent& gebeurtenis);
    void OnVoegInMeerIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnVersieDatumStempelIDClick(wxCommandEvent& gebeurtenis);
    void OnVersieDatumStempelIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnDatumTijdStempelIDClick(wxCommandEvent& gebeurtenis);
    void OnDatumTijdStempelIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnVoerStdGeenImplAntwoordUitIDClick(wxCommandEvent& gebeurtenis);
    void OnVoerStdGeenImplAntwoordUitIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnVoegToeSymboolIDClick(wxCommandEvent& gebeurtenis);
    void OnVoegToeSymboolIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnVoegInURLIDClick(wxCommandEvent& gebeurtenis);
    void OnVoegInURLIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnVoegInAfbeeldingIDClick(wxCommandEvent& gebeurtenis);
    void OnVoegInAfbeeldingIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnPlaatsTekstDoosIDClick(wxCommandEvent& gebeurtenis);
    void OnPlaatsTekstDoosIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnVoegMarkerSektieToeIDClick(wxCommandEvent& gebeurtenis);
    void OnVoegMarkerSektieToeIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnGenummerdeLijstIDClick(wxCommandEvent& gebeurtenis);
    void OnGenummerdeLijstIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnKogelLijstIDClick(wxCommandEvent& gebeurtenis);
    void OnKogelLijstIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnBoldClick(wxCommandEvent& gebeurtenis);
    void OnBoldUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnItalicClick(wxCommandEvent& gebeurtenis);
    void OnItalicUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnUnderlineClick(wxCommandEvent& gebeurtenis);
    void OnUnderlineUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnStreepDoorIDClick(wxCommandEvent& gebeurtenis);
    void OnStreepDoorIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnSuperScriptIDClick(wxCommandEvent& gebeurtenis);
    void OnSuperScriptIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnSubScriptIDClick(wxCommandEvent& gebeurtenis);
    void OnSubScriptIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnTekstKleurIDClick(wxCommandEvent& gebeurtenis);
    void OnTekstKleurIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnAchtergrondKleurIDClick(wxCommandEvent& gebeurtenis);
    void OnAchtergrondKleurIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnZetFontIDClick(wxCommandEvent& gebeurtenis);
    void OnZetFontIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnVergrootFontIDClick(wxCommandEvent& gebeurtenis);
    void OnVergrootFontIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnVerkleinFontIDClick(wxCommandEvent& gebeurtenis);
    void OnVerkleinFontIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnOpenClick(wxCommandEvent& gebeurtenis);
    void OnOpenUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnSaveasClick(wxCommandEvent& gebeurtenis);
    void OnSaveasUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnPrintClick(wxCommandEvent& gebeurtenis);
    void OnPrintUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnSetFocus(wxFocusEvent& gebeurtenis);

    // What the alignment tools and the text effect tools do.
    void zetUitlijning(wxTextAttrAlignment uitlijning);
    void zetTekstEffekt(int effekt, bool aan);

    // The focus tests of the tools: each makes the editor with the focus
    // the current one (huidigeRijk, null when none has it) and enables the
    // tool when there is one, with a selection and editable where the name
    // says so. The formatting tests also refuse the remarks editor, whose
    // text is stored plain: formatting put there would be lost on OK.
    void rijkHeeftFokus(wxUpdateUIEvent& gebeurtenis);
    void rijkHeeftFokusEnSelektie(wxUpdateUIEvent& gebeurtenis);
    void rijkHeeftFokusEnEdit(wxUpdateUIEvent& gebeurtenis);
    void rijkHeeftFokusEnSelektieEnEdit(wxUpdateUIEvent& gebeurtenis);
    void rijkHeeftFokusEnOpmaak(wxUpdateUIEvent& gebeurtenis);
    void rijkHeeftFokusEnSelektieEnOpmaak(wxUpdateUIEvent& gebeurtenis);

    // --- Field handlers (RekEigenschappenVensterVelden.cpp) ---
    void OnRekTitelIDTextUpdated(wxCommandEvent& gebeurtenis);
    void OnRekTitelIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnRekDatumIDDateChanged(wxDateEvent& gebeurtenis);
    void OnRekDatumIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnRekNummerIDUpdated(wxSpinEvent& gebeurtenis);
    void OnRekNummerIDTextUpdated(wxCommandEvent& gebeurtenis);
    void OnRekNummerIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnVersieInvoerIDTextUpdated(wxCommandEvent& gebeurtenis);
    void OnVersieInvoerIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnRekPrioriteitIDUpdated(wxCommandEvent& gebeurtenis);
    void OnRekTypeIDSelected(wxCommandEvent& gebeurtenis);
    void OnRekFunktioneelTypeIDSelected(wxCommandEvent& gebeurtenis);
    void OnRekTotaleKostenIDUpdated(wxSpinEvent& gebeurtenis);
    void OnRekTotaleKostenIDUp(wxSpinEvent& gebeurtenis);
    void OnRekTotaleKostenIDDown(wxSpinEvent& gebeurtenis);
    void OnRekTotaleKostenIDTextUpdated(wxCommandEvent& gebeurtenis);
    void OnRekTotaleKostenIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnAuteurKeuzeIDSelected(wxCommandEvent& gebeurtenis);
    void OnAuteurKeuzeIDUpdated(wxCommandEvent& gebeurtenis);
    void OnAuteurKeuzeIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnRekEigenschappenStatusIDClick(wxCommandEvent& gebeurtenis);
    void OnRekEigenschappenStatusIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnRekEigenschappenInklapIDPaneChanged(wxCollapsiblePaneEvent& gebeurtenis);
    void OnRekEigenschappenInklapIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnRekEigenschappenIDTextUpdated(wxCommandEvent& gebeurtenis);
    void OnRekEigenschappenIDClickUrl(wxTextUrlEvent& gebeurtenis);
    void OnRekEigenschappenIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnImplementatieIngenieurKeuzeIDSelected(wxCommandEvent& gebeurtenis);
    void OnImplementatieIngenieurKeuzeIDUpdated(wxCommandEvent& gebeurtenis);
    void OnImplementatieIngenieurKeuzeIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnRekImplementatieStatusIDClick(wxCommandEvent& gebeurtenis);
    void OnRekImplementatieStatusIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnRekImplementatieInklapIDPaneChanged(wxCollapsiblePaneEvent& gebeurtenis);
    void OnRekImplementatieInklapIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnRekImplementatieMethodeIDTextUpdated(wxCommandEvent& gebeurtenis);
    void OnRekImplementatieMethodeIDClickUrl(wxTextUrlEvent& gebeurtenis);
    void OnRekImplementatieMethodeIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnTestIngenieurKeuzeIDSelected(wxCommandEvent& gebeurtenis);
    void OnTestIngenieurKeuzeIDUpdated(wxCommandEvent& gebeurtenis);
    void OnTestIngenieurKeuzeIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnRekTestStatusIDClick(wxCommandEvent& gebeurtenis);
    void OnRekTestStatusIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnRekTestInklapIDPaneChanged(wxCollapsiblePaneEvent& gebeurtenis);
    void OnRekTestInklapIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnRekTestMethodeIDTextUpdated(wxCommandEvent& gebeurtenis);
    void OnRekTestMethodeIDClickUrl(wxTextUrlEvent& gebeurtenis);
    void OnRekTestMethodeIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnRekTestLogboekIDTextUpdated(wxCommandEvent& gebeurtenis);
    void OnRekTestLogboekIDClickUrl(wxTextUrlEvent& gebeurtenis);
    void OnRekTestLogboekIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnHomeClick(wxCommandEvent& gebeurtenis);
    void OnHomeUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnGaNaarDokumentenDirIDClick(wxCommandEvent& gebeurtenis);
    void OnGaNaarDokumentenDirIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnReferentieLinkIDFilePickerChanged(wxFileDirPickerEvent& gebeurtenis);
    void OnOpenInBrowserIDClick(wxCommandEvent& gebeurtenis);
    void OnOpenInBrowserIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnOpenInFinderIDClick(wxCommandEvent& gebeurtenis);
    void OnOpenInFinderIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnRekKommentaarInklapIDPaneChanged(wxCollapsiblePaneEvent& gebeurtenis);
    void OnRekKommentaarInklapIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnRekKommentaarIDTextUpdated(wxCommandEvent& gebeurtenis);
    void OnRekKommentaarIDClickUrl(wxTextUrlEvent& gebeurtenis);
    void OnRekKommentaarIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnRekAftekenNaamIDSelected(wxCommandEvent& gebeurtenis);
    void OnRekAftekenNaamIDUpdated(wxCommandEvent& gebeurtenis);
    void OnRekAftekenNaamIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnRekAftekenDatumIDDateChanged(wxDateEvent& gebeurtenis);
    void OnRekAftekenDatumIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnRekAftekenKnopIDClick(wxCommandEvent& gebeurtenis);
    void OnRekAftekenKnopIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnImporteerRekIDClick(wxCommandEvent& gebeurtenis);
    void OnImporteerRekIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnExporteerRekIDClick(wxCommandEvent& gebeurtenis);
    void OnExporteerRekIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnRekStatusIDSelected(wxCommandEvent& gebeurtenis);
    void OnRekStatusIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnOkClick(wxCommandEvent& gebeurtenis);
    void OnOkUpdate(wxUpdateUIEvent& gebeurtenis);

    // --- Controls, created by CreateControls; owned by the windows ---
    wxPanel* hoofdPaneel;
    wxToolBar* werkBalk;
    // Holds the rows of fields between the tool bar and the bottom row; it
    // scrolls where the display is too low for them.
    wxScrolledWindow* veldenGebied;
    // The grid of those rows, owned by the field area.
    wxFlexGridSizer* veldenRaster;
    wxTextCtrl* naamTekst;
    wxDatePickerCtrl* datumKiezer;
    wxSpinCtrl* srSpin;
    wxTextCtrl* versieTekst;
    wxSlider* prioriteitSchuif;
    wxChoice* typeKeuze;
    wxChoice* funkTypeKeuze;
    wxStaticText* kostenLabel;
    wxSpinCtrl* kostenSpin;
    wxComboBox* auteurCombo;
    wxBitmapToggleButton* auteurStatusKnop;
    wxCollapsiblePane* beschrijvingPaneel;
    wxRichTextCtrl* beschrijvingRijk;
    wxComboBox* implementatieIngenieurCombo;
    wxBitmapToggleButton* implementatieStatusKnop;
    wxCollapsiblePane* implementatiePaneel;
    wxRichTextCtrl* implementatieRijk;
    wxComboBox* testIngenieurCombo;
    wxBitmapToggleButton* testStatusKnop;
    wxCollapsiblePane* testPaneel;
    wxRichTextCtrl* validatieRijk;
    wxRichTextCtrl* testLogboekRijk;
    wxFilePickerCtrl* externeRefKiezer;
    wxCollapsiblePane* kommentaarPaneel;
    wxRichTextCtrl* kommentaarRijk;
    wxComboBox* aftekenaarCombo;
    wxDatePickerCtrl* afgetekendDatumKiezer;
    wxBitmapButton* aftekenKnop;
    wxChoice* statusKeuze;

    // The editor the tool bar acts on: the one of the five with the focus,
    // as the tools' update handlers last found it; null when none has it.
    wxRichTextCtrl* huidigeRijk;
    // Owned.
    wxRichTextStyleSheet* stijlOpslag;
    wxRichTextPrinting* printMotor;
    // Not owned.
    VerelTamsoApp* app;
    // The user changed something since the dialog was last filled.
    bool gewijzigd;
    // The dialog shows entries of the user's that the store refused.
    bool geweigerdGetoond;
    wxColour tekstDoosRandKleur;
    wxString standaardNietsTeDoenMelding;
    bool standaardMeldingGekozen;

private:
    // The controls whose stored value they may not be able to show: the
    // stored value comes back unless the user changed the control.
    enum Aangeraakt : unsigned int
    {
        AangeraaktDatum = 1u << 0,
        AangeraaktNummer = 1u << 1,
        AangeraaktPrioriteit = 1u << 2,
        AangeraaktKosten = 1u << 3,
        AangeraaktType = 1u << 4,
        AangeraaktFunkType = 1u << 5,
        AangeraaktStatus = 1u << 6,
        AangeraaktAftekenDatum = 1u << 7
    };
    void raakAan(Aangeraakt veld) { aangeraakt |= veld; }
    bool isAangeraakt(Aangeraakt veld) const { return (aangeraakt & veld) != 0; }
    // The user changed something.
    void wijzig() { gewijzigd = true; }

    // --- Construction (RekEigenschappenVenster.cpp) ---
    void maakLijstStijlen();
    void registreerSektieVelden();
    void maakContextMenu(wxRichTextCtrl* rijk);
    void bindRunTime();
    void klapSektiesIn();
    // The field area as high as its rows where the display leaves room for
    // them, else as high as that room (it scrolls): the tool bar, the
    // status and OK and Cancel stay on the screen.
    void pasVeldenAan();
    // The same, then the dialog fitted to it, and wholly on the display.
    void pasInScherm();
    // The rows of fields, all of them; and the height the display leaves
    // for them beside the rest of the dialog.
    int geefVeldenHoogte() const;
    int geefVrijeHoogte() const;
    // The height of the field area where its rows do not fit in `ruimte`:
    // all of that room, or where its end would cut a row's heading, the end
    // of the row above; 0 when not even the first row's heading fits.
    int geefZichtHoogte(int ruimte) const;
    // The height of the heading of the grid's row `rij`, `rijHoogte` high,
    // that must show whole.
    int geefKopHoogte(size_t rij, int rijHoogte) const;
    void leesInstellingen();
    void vulPersonen(const wxArrayString& namen);
    void vulRijk(wxRichTextCtrl* rijk, const wxString& tekst);
    void vulAftekenDatum(const Requirement& rek);
    void markeerBereiken(const Requirement& rek);
    static void markeer(wxWindow* control, bool buiten, const wxString& opgeslagen);
    static wxString leesRijk(wxRichTextCtrl* rijk, const wxString& getoond);
    wxString geefReferentie() const;

    // --- The windows (RekEigenschappenVensterBesturing.cpp) ---
    int du(int dialoogEenheden) const;
    wxSize du(int breedte, int hoogte) const;
    void maakWerkBalk(wxSizer* doel);
    // Returns the row of the title and date.
    wxSizer* maakTitelRij(wxSizer* raster);
    void maakAttribuutRij(wxSizer* raster);
    void maakKlassifikatieRij(wxSizer* raster, int titelBreedte);
    void maakRolRij(wxSizer* raster, int rol);
    void maakReferentieRij(wxSizer* raster);
    void maakKommentaarRij(wxSizer* raster);
    void maakAftekenRij(wxSizer* raster);
    void maakOnderRij(wxSizer* doel);
    wxSizer* maakKop(wxWindow* ouder, const wxString& tekst);

    // --- Status rules (RekEigenschappenVensterStatus.cpp) ---
    bool isSchrijfbaar() const;
    int geefNiveau() const;
    // A new level taken: choice, toggles, editors, flags, modified.
    void neemNiveau(int niveau);
    void verwerkRolKnop(wxBitmapToggleButton* knop, const wxCommandEvent& gebeurtenis, int niveauAan, int niveauUit);

    // --- Field handlers (RekEigenschappenVensterVelden.cpp) ---
    void openWebAdres(const wxString& adres);
    void zetReferentie(const wxString& pad);
    wxString maakUitwisselFilter() const;
    wxString geefUitwisselExtensie() const;

    // --- Tool bar (RekEigenschappenVensterWerkbalk.cpp) ---
    wxRichTextCtrl* kiesHuidigeRijk();
    // Whether the editor takes formatting: editable, and not the remarks,
    // which are stored as plain text.
    bool magOpmaken(const wxRichTextCtrl* rijk) const;
    // The editor a tool acts on, taken once as the tool starts and used
    // after any dialog it shows: while a modal dialog has the focus the
    // update passes go on and make huidigeRijk null. Null when the tool's
    // rule does not hold (no current editor, not editable, the remarks),
    // so that a command that comes anyway does nothing.
    wxRichTextCtrl* neemRijkVoorOpmaak() const;
    wxRichTextCtrl* neemRijkVoorInvoer() const;
    void zetDrukWerktuigen();
    void verschuifInspringing(int stap);
    void zetLijst(const wxString& stijl, int vlaggen);
    void zetKleur(bool achtergrond);
    void zetFontVanSelektie(wxRichTextCtrl* rijk);
    void zetFontVoorInvoer(wxRichTextCtrl* rijk);
    void veranderFontGrootte(int stap);

    // --- Inserted content (RekEigenschappenVensterInvoegen.cpp) ---
    void schrijfStempel(const wxString& inhoud);
    // The text a text box or a marker section gets: the selection, or what
    // the user types when there is none. The selection stays until the
    // text is in place (neemSelektieWeg).
    wxString geefTekstVoorInvoeging(wxRichTextCtrl* rijk, const wxString& vraag);
    static void neemSelektieWeg(wxRichTextCtrl* rijk);
    bool bewerkGeselekteerdeAfbeelding(wxRichTextCtrl* rijk);
    void pasAfbeeldingAan(wxImage& beeld);

    // --- One field to and from a file, and printed (RekEigenschappenVensterVeldBestand.cpp) ---
    bool heeftHuidigeRijkTekst() const;
    wxString maakPrintKop(const wxRichTextCtrl* rijk) const;

    // The requirement the dialog was last filled with.
    Requirement getoond;
    unsigned int aangeraakt;
    // The level shown before the user's newest choice.
    int vorigNiveau;
};

#endif
