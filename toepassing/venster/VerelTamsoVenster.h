#ifndef TOEPASSING_VENSTER_VERELTAMSOVENSTER_H
#define TOEPASSING_VENSTER_VERELTAMSOVENSTER_H

#include "base/BegrensdGetal.h"
#include "base/Stand.h"
#include "base/StandSchakelaar.h"
#include "swexternals/desktop/TrivaneWxConfig.h"
#include "swexternals/desktop/wx/wxSQLite3/Sortering.h"
#include "toepassing/kern/LijstKoppeling.h"
#include "toepassing/kern/Requirement.h"
#include "toepassing/kern/RequirementLijst.h"
#include "toepassing/kern/VensterKoppeling.h"
#include "toepassing/kern/VerelTamsoApp.h"
#include "toepassing/venster/WerkVoortgang.h"

#include <memory>
#include <utility>
#include <vector>
#include <wx/accel.h>
#include <wx/datetime.h>
#include <wx/docview.h>
#include <wx/dynarray.h>
#include <wx/frame.h>

class BlokRijen;
class RekEigenschappenVenster;
class RekLijstCtrl;
class WerknemerLezing;
class RequirementDataObjekt;
class wxBitmapButton;
class wxBitmapToggleButton;
class wxBoxSizer;
class wxChoice;
class wxComboBox;
class wxGauge;
class wxListEvent;
class wxMenu;
class wxPanel;
class wxScrollEvent;
class wxSearchCtrl;
class wxSizer;
class wxSizeEvent;
class wxSlider;
class wxStaticText;
class wxStatusBar;

// The program's one frame: the requirement list of the open project with its
// filters, search, sorting, status colours and statistics, the menus and the
// column of picture buttons that carry every command, and the status bar.
// It is a view: the list asks the application's store for the rows it shows
// and keeps no copy of the project. Every command is one handler, enabled
// only by its update handler from the state of the project and the list.
//
// The handlers are spread over sources by subject: construction and
// settings (VerelTamsoVenster.cpp), controls, pictures and the command table
// (VerelTamsoVensterBesturing.cpp), the list (VerelTamsoVensterLijst.cpp),
// selection and activation (VerelTamsoVensterSelektie.cpp), the requirement
// commands (VerelTamsoVensterRequirement.cpp), the project commands
// (VerelTamsoVensterProjekt.cpp), and the database and program commands
// (VerelTamsoVensterDatabase.cpp).
class VerelTamsoVenster : public wxFrame, public VensterKoppeling, public LijstKoppeling
{
    wxDECLARE_CLASS(VerelTamsoVenster);
    wxDECLARE_EVENT_TABLE();

public:
    // Window ids of the frame's own controls and commands; the others are
    // the toolkit's stock ids.
    enum
    {
        ID_VERELTAMSOVENSTER = 10000,
        ID_HOOFDPANEEL = 10001,
        ID_PROJEKTNAAM_LABEL = 10002,
        ID_REKLIJST = 10003,
        ID_BEWERKITEM = 10004,
        ID_AANTALREK_LABEL = 10005,
        ID_KOSTEN_LABEL = 10006,
        ID_VOLTOOIING_LABEL = 10007,
        ID_VOLTOOIING_METER = 10008,
        ID_ZOEKREKVELD = 10009,
        ID_ZOEKHOOFDLETTERGEVOELIG = 10010,
        ID_ZOEKEXACTEOVEREENKOMST = 10011,
        ID_WERKNEMERKEUZE = 10012,
        ID_BEPERKREKZOEKENMETSTATUS = 10013,
        ID_BEPERKREKZOEKENTYPE = 10014,
        ID_BEPERKREKZOEKENFUNKTIONEELTYPE = 10015,
        ID_REKPRIORITEIT = 10016,
        ID_BEZOEKTRIVANEWEBSITE = 10017,
        ID_CONTROLEEROPUPDATES = 10018,
        ID_OPENSLECHTSLEZENDB = 10019,
        ID_OPENRECENT = 10020,
        ID_ZETTALEN = 10021,
        ID_ZETKLEUREN = 10023,
        ID_ZETPROJEKTNAAM = 10031,
        ID_ZETPROJEKTVALUTA = 10032,
        ID_SCHAKELDBOMNAARSLECHTSLEZEN = 10033,
        ID_AUTOMATISCHSRNUMMER = 10034,
        ID_AUTOMATISCHSCHRIJVER = 10035,
        ID_STATUSBALK = 10037,
        ID_STRAKTREKKEN = 10038,
        ID_TOONITEM = 10039,
        ID_DUBBELKLIKTOONMODE = 10041,
        ID_DUBBELKLIKEDITMODE = 10042,
        ID_STARTSTOPVEILIGEMODUS = 10064,
        ID_GEBRUIKKLEURENVOORSTATUS = 10067,
        // The recent files: entry i has id ID_RECENT_EERSTE + i.
        ID_RECENT_EERSTE = 5051,
        ID_RECENT_LAATSTE = 5059
    };
    static constexpr unsigned int aantalRecenteBestanden = 9;

    VerelTamsoVenster();
    VerelTamsoVenster(wxWindow* ouder, VerelTamsoApp* app, int id = ID_VERELTAMSOVENSTER,
                      const wxString& titel = wxEmptyString, const wxPoint& positie = wxDefaultPosition,
                      const wxSize& grootte = wxDefaultSize, long stijl = wxDEFAULT_FRAME_STYLE);
    // Writes the window's settings back.
    ~VerelTamsoVenster() override;

    bool Create(wxWindow* ouder, int id = ID_VERELTAMSOVENSTER, const wxString& titel = wxEmptyString,
                const wxPoint& positie = wxDefaultPosition, const wxSize& grootte = wxDefaultSize,
                long stijl = wxDEFAULT_FRAME_STYLE);
    void Init();
    void CreateControls();

    wxBitmap GetBitmapResource(const wxString& naam);
    wxIcon GetIconResource(const wxString& naam);
    static bool ShowToolTips();

    // --- What the application object asks (VensterKoppeling) ---
    wxFrame& geefFrame() override { return *this; }
    // Shows the open project: the read-only indication, name, path, list.
    void start() override;
    // The project's name, path and list, shown read as they are.
    void toonVoorlopig() override;
    // Offers to save a project in memory and commits, then empties the list.
    // Non-zero when the project stays open (the user cancelled, or the save
    // or the commit failed): the list then keeps it.
    [[nodiscard]] int stop() override;
    // Ends the program in order, for the update check. A project the user
    // will not let go (a cancelled save of a project in memory) keeps it
    // running: false. True when the window is gone and the program ends.
    [[nodiscard]] bool gewoneStop() override;

    // --- What the requirement drop target asks (LijstKoppeling) ---
    wxWindow& geefVenster() override { return *this; }

    void zetStatusTekst(const wxString& tekst);
    // On: the read+write label and the locked padlock; else the read-only
    // label and the unlocked one.
    void schakelSlechtsLezenKnoppen(Stand stand);
    // The list gets the application's list font; with `verversen` the list is
    // filled again and the window laid out.
    void zetFont(bool verversen);
    // The project's name in the title row, shortened where the row has no
    // room for it (the tool tip shows it whole).
    void toonProjektNaam(const wxString& naam);
    // The controls in rows for the window's width, and the window's
    // smallest size from what they need now: called when their texts
    // change.
    void pasIndelingAan();
    // How often the window was laid out: a refill whose figures fit the
    // room they had leaves the layout as it was.
    unsigned long geefAantalIndelingen() const { return aantalIndelingen; }

    // --- The list (VerelTamsoVensterLijst.cpp) ---

    // Fills list, statistics and gauge from the project with the current
    // filters and sort order. The selection is gone afterwards.
    void verversLijst() override;
    // The arrows in the header of the sort column.
    void zetSortering() const;
    // The people of the project in the engineer box, its text kept.
    void verversWerknemers() override;
    // The next part of the people's read; the names once it is complete.
    void leesWerknemersDeel();
    void toonWerknemers(const wxArrayString& namen);

    // --- Selection and rows (VerelTamsoVensterSelektie.cpp) ---

    // The selected rows, ascending, read from the list itself (a virtual
    // list reports no event per row of a Shift range).
    wxArrayInt geefGeselekteerdeRijen() const;
    // The whole requirement of an existing row.
    Requirement leesRequirement(unsigned long long rij);
    // 0 selected; 1 no row has its number (the selection is left).
    int selekteerRequirement(const Requirement& rek, Stand stand) override;
    // 1 for an empty list or when the last one has no row, else 0.
    int selekteerRequirements(const RequirementLijst& lijst, Stand stand) override;
    static int vergelijkInt(int* a, int* b);
    VerelTamsoApp::Kolommen geefGeselekteerdeKolom() const override;
    // -1 when no row lies under the point. Points are in the coordinates of
    // the list's rows (below its header), as its drop target receives them.
    long geefLijstIndexOpPunt(const wxPoint& punt) const;
    // -1 when the requirement's number has no row.
    long geefLijstIndexVanRek(const Requirement& rek) const;
    // 0 a row lies under the point; 2 none.
    int bestaatRequirementOpPunt(const wxPoint& punt) const override;
    // 0 read into `rek`; 2 no row under the point (`rek` unchanged).
    int leesRequirementOpPunt(const wxPoint& punt, Requirement& rek) override;

    // --- Project and database commands shared with other commands ---

    // The Close command: 0 closed, else the result of the step that stopped
    // it (the project then stays open).
    [[nodiscard]] int sluitProjekt() override;
    // Safe operation on or off (off asks to keep or roll back); 0 done, 2
    // failed.
    int schakelSafePoint(Stand stand);

    // The list control itself, for the drop target and the tests.
    RekLijstCtrl* geefRekLijst() const { return rekLijst; }

protected:
    // --- Frame (VerelTamsoVenster.cpp) ---
    void OnCloseWindow(wxCloseEvent& gebeurtenis);
    void OnBezoekTrivaneWebsiteIDClick(wxCommandEvent& gebeurtenis);
    // Every accelerator is its command wherever the focus is: also in a text
    // field, which keeps only the keys it uses itself (MenuSneltoets), and
    // in the list, which takes Ctrl+Up and Ctrl+Down itself otherwise.
    void OnCharHook(wxKeyEvent& gebeurtenis);
    // What the check of the whole project file found, once it has ended: a
    // project that turned read-only is shown so (VerelTamsoVensterProjekt.cpp).
    void OnIdle(wxIdleEvent& gebeurtenis);

    // --- List, filters and search (VerelTamsoVensterLijst.cpp) ---
    void OnRekLijstIDColLeftClick(wxListEvent& gebeurtenis);
    void OnBeperkRekZoekenMetStatusIDSelected(wxCommandEvent& gebeurtenis);
    void OnBeperkRekZoekenMetStatusIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnBeperkRekZoekenTypeIDSelected(wxCommandEvent& gebeurtenis);
    void OnBeperkRekZoekenTypeIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnBeperkRekZoekenFunktioneelTypeIDSelected(wxCommandEvent& gebeurtenis);
    void OnBeperkRekZoekenFunktioneelTypeIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnRekPrioriteitIDScrollLineUp(wxScrollEvent& gebeurtenis);
    void OnRekPrioriteitIDScrollLineDown(wxScrollEvent& gebeurtenis);
    void OnRekPrioriteitIDScrollPageUp(wxScrollEvent& gebeurtenis);
    void OnRekPrioriteitIDScrollPageDown(wxScrollEvent& gebeurtenis);
    void OnRekPrioriteitIDScrollThumbRelease(wxScrollEvent& gebeurtenis);
    void OnRekPrioriteitIDScrollChanged(wxScrollEvent& gebeurtenis);
    void OnRekPrioriteitIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnZoekRekVeldIDSearchButtonClick(wxCommandEvent& gebeurtenis);
    void OnZoekRekVeldIDTextUpdated(wxCommandEvent& gebeurtenis);
    void OnZoekHoofdletterGevoeligIDClick(wxCommandEvent& gebeurtenis);
    void OnZoekHoofdletterGevoeligIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnZoekExacteOvereenkomstIDClick(wxCommandEvent& gebeurtenis);
    void OnZoekExacteOvereenkomstIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnWerknemerKeuzeIDSelected(wxCommandEvent& gebeurtenis);
    void OnWerknemerKeuzeIDUpdated(wxCommandEvent& gebeurtenis);
    void OnWerknemerKeuzeIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnRefreshClick(wxCommandEvent& gebeurtenis);
    void OnRefreshUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnGebruikKleurenVoorStatusIDClick(wxCommandEvent& gebeurtenis);
    void OnDubbelKlikBetekentToonModeIDClick(wxCommandEvent& gebeurtenis);
    void OnDubbelKlikBetekentToonModeIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnDubbelKlikBetekentEditModeIDClick(wxCommandEvent& gebeurtenis);
    void OnDubbelKlikBetekentEditModeIDUpdate(wxUpdateUIEvent& gebeurtenis);

    // --- Selection, activation, pop-up menu (VerelTamsoVensterSelektie.cpp) ---
    void OnRekLijstIDSelected(wxListEvent& gebeurtenis);
    void OnRekLijstIDDeselected(wxListEvent& gebeurtenis);
    void OnRekLijstIDBeginDrag(wxListEvent& gebeurtenis);
    void OnRekLijstIDItemActivated(wxListEvent& gebeurtenis);
    void OnRekLijstIDRightClick(wxListEvent& gebeurtenis);
    void OnRekLijstIDUpdate(wxUpdateUIEvent& gebeurtenis);

    // --- Requirement commands (VerelTamsoVensterRequirement.cpp) ---
    void OnAddClick(wxCommandEvent& gebeurtenis);
    void OnAddUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnDeleteClick(wxCommandEvent& gebeurtenis);
    void OnDeleteUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnToonItemIDClick(wxCommandEvent& gebeurtenis);
    void OnToonItemIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnBewerkItemIDClick(wxCommandEvent& gebeurtenis);
    void OnBewerkItemIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnDuplicateClick(wxCommandEvent& gebeurtenis);
    void OnDuplicateUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnUpClick(wxCommandEvent& gebeurtenis);
    void OnUpUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnDownClick(wxCommandEvent& gebeurtenis);
    void OnDownUpdate(wxUpdateUIEvent& gebeurtenis);

    // --- Project commands (VerelTamsoVensterProjekt.cpp) ---
    void OnNewClick(wxCommandEvent& gebeurtenis);
    void OnNewUpdate(wxUpdateUIEvent& gebeurtenis);
    // Also the entries of "Open Recent" (ids 5051 to 5059).
    void OnOpenClick(wxCommandEvent& gebeurtenis);
    void OnOpenUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnOpenSlechtsLezenDBIDClick(wxCommandEvent& gebeurtenis);
    void OnOpenSlechtsLezenDBIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnSaveasClick(wxCommandEvent& gebeurtenis);
    void OnSaveasUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnReplaceClick(wxCommandEvent& gebeurtenis);
    void OnReplaceUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnCloseClick(wxCommandEvent& gebeurtenis);
    void OnCloseUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnExitClick(wxCommandEvent& gebeurtenis);
    void OnSchakelDBOmNaarSlechtsLezenIDClick(wxCommandEvent& gebeurtenis);
    void OnSchakelDBOmNaarSlechtsLezenIDUpdate(wxUpdateUIEvent& gebeurtenis);

    // --- Database and program commands (VerelTamsoVensterDatabase.cpp) ---
    void OnUndoClick(wxCommandEvent& gebeurtenis);
    void OnUndoUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnSaveClick(wxCommandEvent& gebeurtenis);
    void OnSaveUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnStrakTrekkenIDClick(wxCommandEvent& gebeurtenis);
    void OnStrakTrekkenIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnStartStopVeiligeModusIDClick(wxCommandEvent& gebeurtenis);
    void OnStartStopVeiligeModusIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnZetProjektNaamIDClick(wxCommandEvent& gebeurtenis);
    void OnZetProjektNaamIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnZetProjektValutaIDClick(wxCommandEvent& gebeurtenis);
    void OnZetProjektValutaIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnAboutClick(wxCommandEvent& gebeurtenis);
    void OnZetKleurenIDClick(wxCommandEvent& gebeurtenis);
    void OnZetKleurenIDUpdate(wxUpdateUIEvent& gebeurtenis);
    void OnZetTalenIDClick(wxCommandEvent& gebeurtenis);
    void OnControleerOpUpdatesIDClick(wxCommandEvent& gebeurtenis);
    void OnControleerOpUpdatesIDUpdate(wxUpdateUIEvent& gebeurtenis);

    // --- Helpers of the project and database commands ---

    // The window for a project that was just started: read-only indication,
    // name, database, list and people.
    void toonProjekt();
    // After a command that failed: a project that is no longer open shows
    // "No project" and an empty list, never the rows of the closed one.
    void toonNaMislukking();
    // A project that opened but does not start is closed for good.
    void sluitOnstartbaarProjekt();
    // Close and the close box leave the program running, Quit ends it: the
    // question after a refused commit names which.
    enum class Afsluiting
    {
        Sluiten,
        Stoppen
    };
    // The Close command on its way to this end; its results.
    [[nodiscard]] int sluitProjekt(Afsluiting afsluiting);
    // Safe operation ended, a project in memory offered for saving, the
    // open change committed: 0 when the project may close.
    [[nodiscard]] int bewaarVoorSluiten();
    // After the database refused to commit the open changes: asks whether
    // to stay with them or leave without them; true when they were left and
    // taken back.
    bool laatGeweigerdeWijzigingenAchter(Afsluiting afsluiting);
    void openRecentBestand(size_t index);
    // The name dialog; the label shows the stored name after it.
    void vraagProjektNaam();
    // Label and check mark of the safe-operation item by the mode in force.
    void toonVeiligeModus();
    int startVeiligeModus();
    int stopVeiligeModus();

    // --- Controls and menus, created by CreateControls ---
    wxPanel* hoofdPaneel;
    wxStaticText* projektNaamLabel;
    RekLijstCtrl* rekLijst;
    wxBitmapButton* slechtsLezenKnop;
    wxStaticText* aantalRekLabel;
    wxStaticText* kostenLabel;
    wxStaticText* voltooiingLabel;
    // Never shown: it measures a figure's text as a label that was never
    // laid out, as in a fresh window.
    wxStaticText* statistiekMaat;
    wxGauge* voltooiingMeter;
    wxChoice* statusKeuze;
    wxChoice* typeKeuze;
    wxChoice* funkTypeKeuze;
    wxSlider* prioriteitSchuif;
    wxSearchCtrl* zoekVeld;
    wxBitmapToggleButton* hoofdletterKnop;
    wxBitmapToggleButton* exactKnop;
    wxComboBox* werknemerKeuze;
    wxMenu* bestandMenu;
    wxMenu* gedragMenu;
    wxMenu* databaseMenu;
    wxMenu* requirementsMenu;
    wxStatusBar* statusBalk;
    // The title with the project's name, and the blocks of controls below
    // the list, in as many rows as the width needs.
    std::unique_ptr<BlokRijen> titelRijen;
    std::unique_ptr<BlokRijen> besturingRijen;

    // Not owned.
    VerelTamsoApp* app;
    TrivaneWxConfig* konfig;

    wxArrayString kolomNamen;
    BegrensdGetal<unsigned int> geselekteerdeKolom;
    Sortering kolomRichting;
    // The selected rows as the last selection event left them; commands
    // read geefGeselekteerdeRijen() instead.
    wxArrayInt geselekteerdeRijen;
    wxString laatsteAuteur;
    wxString laatsteIngenieur;
    wxString laatsteTester;
    wxString laatsteAftekenaar;
    Requirement::Type laatsteType;
    Requirement::FunkType laatsteFunkType;
    wxFileHistory bestandGeschiedenis;
    wxMenu* recenteBestandenMenu;
    // Owned: deleted by the destructor.
    wxMenu* popupMenu;
    StandSchakelaar statusKleuren;
    StandSchakelaar dubbelKlikBewerkt;
    wxDateTime veiligeModusStart;
    // Shows the application's long work over the window.
    std::unique_ptr<WerkVoortgang> werkVoortgang;
    // The people's read while it lasts: a part at a time, at idle time.
    std::unique_ptr<WerknemerLezing> werknemerLezing;

private:
    // Asked while long work gave the window its turn (a commit that lasts):
    // the same again once the work has ended, as if asked then. True when
    // put off.
    bool isUitgesteld(const wxEvent& gebeurtenis);
    void leesInstellingen();
    void bewaarInstellingen();
    void maakKolommen();
    void maakRecenteBestanden();
    void maakPopupMenu();
    // The accelerators of the menus, with their commands, for OnCharHook.
    void verzamelSneltoetsen();
    // The command of the accelerator the key is, else wxID_NONE.
    int geefSneltoetsOpdracht(const wxKeyEvent& gebeurtenis) const;
    bool isInLijst(const wxWindow* venster) const;
    // The command as its menu item gives it, when its update handler enables
    // it: whether it ran.
    bool voerOpdrachtUit(int opdracht);

    void maakMenus();
    // The blocks of controls, each for a place in the rows.
    void maakTitelRij(wxBoxSizer* doel);
    wxSizer* maakKnoppen();
    wxSizer* maakStatistiek();
    wxSizer* maakFilters();
    wxSizer* maakZoeken();
    // The rows for the width the panel gives its content.
    void ordenBesturing(int breedte);
    int geefInhoudBreedte() const;
    void pasProjektNaamAan(int breedte);
    // The list shows its header and a few rows at least; true when its
    // smallest size changed.
    bool pasLijstMinimumAan(bool krimpen);
    void OnPaneelGrootte(wxSizeEvent& gebeurtenis);

    // Typed keys are taken together: the list is filled once, after the
    // newest key that came in while a fill was waiting.
    void vraagLijstVerversen();
    // The slider tells one change by several events (the key, then that its
    // value changed): the list follows the value once.
    void volgPrioriteit();
    int gevolgdePrioriteit = -1;
    // A page of the list that could not be read asks for one refill, unless
    // the list was read from the project as it is now: a refill would meet
    // the same failure, and ask again without end.
    void meldPaginaFout(int resultaat);
    void toonStatistiek(unsigned long long aantal, long long totaal, long long kosten, long long totaleKosten,
                        double voltooiing);
    // True when a label needs more room than it had.
    bool toonStatistiekTeksten(unsigned long long aantal, long long totaal, long long kosten, long long totaleKosten,
                               double voltooiing);
    bool zetStatistiek(wxStaticText& label, const wxString& tekst);
    void vergeetStatistiekRuimte();
    void pasIndelingAanNaVerversen(bool labelGegroeid);
    void toonLeesFout(long long totaal, long long totaleKosten);
    // While the figures are being read, and while those of a project found
    // damaged wait for what can still be read: none is shown as whole.
    void toonStatistiekOnbekend();
    void toonBeschadigd();
    bool maakLeesbaar();
    void toonGeenProjekt();
    VerelTamsoApp::ZoekCriteria geefZoekCriteria() const;

    // Runs the drag of the data's `aantal` requirements; false (reported)
    // when not all of them could be written.
    bool sleepData(RequirementDataObjekt& data, size_t aantal, int vlaggen);

    // --- Requirement commands (VerelTamsoVensterRequirement.cpp) ---
    bool isAutomatischNummer() const;
    // The names a new requirement may take over from the last one stored.
    void onthoudPersonen(const Requirement& rek);
    wxString geefBotsing(const Requirement& kopie, const RequirementLijst& kopieen);
    bool bevestigKopie(RekEigenschappenVenster& dialoog, RequirementLijst& kopieen);
    // After a failure that changed nothing: the project still takes changes.
    bool kanOpnieuwProberen() const;
    // The rows form one block, sorted by number, on a writable project.
    bool isVerplaatsbaar(const wxArrayInt& rijen) const;
    void verplaats(const wxArrayInt& rijen, bool omhoog);
    // The pages of the rows (ascending): each run of rows that follow each
    // other, in pieces of a page, as (first row, number of rows).
    static std::vector<std::pair<long, long>> geefPaginas(const wxArrayInt& rijen);
    // The list columns of the rows as the list shows them (its numbers and
    // titles with them), a page at a time, each page a step of the long
    // work that runs: what a command that changes many rows needs of them.
    // 0 read; 2 failed or a row is no longer in the project (reported,
    // with `gevolg`).
    int leesRijen(const std::vector<std::pair<long, long>>& paginas, const wxString& gevolg, RequirementLijst& rekken);

    std::vector<wxAcceleratorEntry> sneltoetsen;
    bool lijstVerversenGevraagd;
    // The list's selection is being read: the connection is busy, and what
    // runs while the search lets the window paint touches no project.
    bool lijstWordtGelezen;
    // The project as the list shown was read from it, and whether it was
    // known damaged then.
    SQLite3Basis::InhoudVersie lijstVersie;
    bool lijstBeschadigd = false;
    // Whether the window shows the project read-only.
    bool alleenLezenGetoond = false;
    unsigned long aantalIndelingen = 0;
};

#endif
