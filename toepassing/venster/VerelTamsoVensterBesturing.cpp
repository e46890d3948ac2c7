#include "swexternals/desktop/DesktopBeeldLader.h"
#include "swexternals/desktop/DesktopDoosSizer.h"
#include "toepassing/venster/BlokRijen.h"
#include "toepassing/venster/MenuSneltoets.h"
#include "toepassing/venster/RekLijstCtrl.h"
#include "toepassing/venster/VerelTamsoVenster.h"

#include <algorithm>
#include <wx/bmpbuttn.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/gauge.h>
#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/slider.h>
#include <wx/srchctrl.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/statusbr.h>
#include <wx/tglbtn.h>

// clang-format off
wxBEGIN_EVENT_TABLE(VerelTamsoVenster, wxFrame)
    EVT_CLOSE(VerelTamsoVenster::OnCloseWindow)
    EVT_CHAR_HOOK(VerelTamsoVenster::OnCharHook)
    EVT_IDLE(VerelTamsoVenster::OnIdle)

    // File
    EVT_MENU(wxID_NEW, VerelTamsoVenster::OnNewClick)
    EVT_UPDATE_UI(wxID_NEW, VerelTamsoVenster::OnNewUpdate)
    EVT_MENU(wxID_OPEN, VerelTamsoVenster::OnOpenClick)
    EVT_UPDATE_UI(wxID_OPEN, VerelTamsoVenster::OnOpenUpdate)
    EVT_MENU(ID_OPENSLECHTSLEZENDB, VerelTamsoVenster::OnOpenSlechtsLezenDBIDClick)
    EVT_UPDATE_UI(ID_OPENSLECHTSLEZENDB, VerelTamsoVenster::OnOpenSlechtsLezenDBIDUpdate)
    EVT_MENU(wxID_SAVEAS, VerelTamsoVenster::OnSaveasClick)
    EVT_UPDATE_UI(wxID_SAVEAS, VerelTamsoVenster::OnSaveasUpdate)
    EVT_MENU(wxID_REPLACE, VerelTamsoVenster::OnReplaceClick)
    EVT_UPDATE_UI(wxID_REPLACE, VerelTamsoVenster::OnReplaceUpdate)
    EVT_MENU(wxID_CLOSE, VerelTamsoVenster::OnCloseClick)
    EVT_UPDATE_UI(wxID_CLOSE, VerelTamsoVenster::OnCloseUpdate)
    EVT_MENU(ID_ZETKLEUREN, VerelTamsoVenster::OnZetKleurenIDClick)
    EVT_UPDATE_UI(ID_ZETKLEUREN, VerelTamsoVenster::OnZetKleurenIDUpdate)
    EVT_MENU(ID_ZETTALEN, VerelTamsoVenster::OnZetTalenIDClick)
    EVT_BUTTON(wxID_ABOUT, VerelTamsoVenster::OnAboutClick)
    EVT_MENU(wxID_ABOUT, VerelTamsoVenster::OnAboutClick)
    EVT_MENU(ID_CONTROLEEROPUPDATES, VerelTamsoVenster::OnControleerOpUpdatesIDClick)
    EVT_UPDATE_UI(ID_CONTROLEEROPUPDATES, VerelTamsoVenster::OnControleerOpUpdatesIDUpdate)
    EVT_BUTTON(wxID_EXIT, VerelTamsoVenster::OnExitClick)
    EVT_MENU(wxID_EXIT, VerelTamsoVenster::OnExitClick)

    // Behaviour
    EVT_BUTTON(ID_SCHAKELDBOMNAARSLECHTSLEZEN, VerelTamsoVenster::OnSchakelDBOmNaarSlechtsLezenIDClick)
    EVT_MENU(ID_SCHAKELDBOMNAARSLECHTSLEZEN, VerelTamsoVenster::OnSchakelDBOmNaarSlechtsLezenIDClick)
    EVT_UPDATE_UI(ID_SCHAKELDBOMNAARSLECHTSLEZEN, VerelTamsoVenster::OnSchakelDBOmNaarSlechtsLezenIDUpdate)
    EVT_MENU(wxID_REFRESH, VerelTamsoVenster::OnRefreshClick)
    EVT_UPDATE_UI(wxID_REFRESH, VerelTamsoVenster::OnRefreshUpdate)
    EVT_MENU(ID_GEBRUIKKLEURENVOORSTATUS, VerelTamsoVenster::OnGebruikKleurenVoorStatusIDClick)
    EVT_MENU(ID_DUBBELKLIKTOONMODE, VerelTamsoVenster::OnDubbelKlikBetekentToonModeIDClick)
    EVT_UPDATE_UI(ID_DUBBELKLIKTOONMODE, VerelTamsoVenster::OnDubbelKlikBetekentToonModeIDUpdate)
    EVT_MENU(ID_DUBBELKLIKEDITMODE, VerelTamsoVenster::OnDubbelKlikBetekentEditModeIDClick)
    EVT_UPDATE_UI(ID_DUBBELKLIKEDITMODE, VerelTamsoVenster::OnDubbelKlikBetekentEditModeIDUpdate)

    // Database
    EVT_MENU(wxID_UNDO, VerelTamsoVenster::OnUndoClick)
    EVT_UPDATE_UI(wxID_UNDO, VerelTamsoVenster::OnUndoUpdate)
    EVT_MENU(wxID_SAVE, VerelTamsoVenster::OnSaveClick)
    EVT_UPDATE_UI(wxID_SAVE, VerelTamsoVenster::OnSaveUpdate)
    EVT_MENU(ID_STRAKTREKKEN, VerelTamsoVenster::OnStrakTrekkenIDClick)
    EVT_UPDATE_UI(ID_STRAKTREKKEN, VerelTamsoVenster::OnStrakTrekkenIDUpdate)
    EVT_MENU(ID_STARTSTOPVEILIGEMODUS, VerelTamsoVenster::OnStartStopVeiligeModusIDClick)
    EVT_UPDATE_UI(ID_STARTSTOPVEILIGEMODUS, VerelTamsoVenster::OnStartStopVeiligeModusIDUpdate)
    EVT_MENU(ID_ZETPROJEKTNAAM, VerelTamsoVenster::OnZetProjektNaamIDClick)
    EVT_UPDATE_UI(ID_ZETPROJEKTNAAM, VerelTamsoVenster::OnZetProjektNaamIDUpdate)
    EVT_MENU(ID_ZETPROJEKTVALUTA, VerelTamsoVenster::OnZetProjektValutaIDClick)
    EVT_UPDATE_UI(ID_ZETPROJEKTVALUTA, VerelTamsoVenster::OnZetProjektValutaIDUpdate)

    // Requirements: menu item and button alike
    EVT_BUTTON(wxID_ADD, VerelTamsoVenster::OnAddClick)
    EVT_MENU(wxID_ADD, VerelTamsoVenster::OnAddClick)
    EVT_UPDATE_UI(wxID_ADD, VerelTamsoVenster::OnAddUpdate)
    EVT_BUTTON(wxID_DELETE, VerelTamsoVenster::OnDeleteClick)
    EVT_MENU(wxID_DELETE, VerelTamsoVenster::OnDeleteClick)
    EVT_UPDATE_UI(wxID_DELETE, VerelTamsoVenster::OnDeleteUpdate)
    EVT_BUTTON(ID_TOONITEM, VerelTamsoVenster::OnToonItemIDClick)
    EVT_MENU(ID_TOONITEM, VerelTamsoVenster::OnToonItemIDClick)
    EVT_UPDATE_UI(ID_TOONITEM, VerelTamsoVenster::OnToonItemIDUpdate)
    EVT_BUTTON(ID_BEWERKITEM, VerelTamsoVenster::OnBewerkItemIDClick)
    EVT_MENU(ID_BEWERKITEM, VerelTamsoVenster::OnBewerkItemIDClick)
    EVT_UPDATE_UI(ID_BEWERKITEM, VerelTamsoVenster::OnBewerkItemIDUpdate)
    EVT_BUTTON(wxID_DUPLICATE, VerelTamsoVenster::OnDuplicateClick)
    EVT_MENU(wxID_DUPLICATE, VerelTamsoVenster::OnDuplicateClick)
    EVT_UPDATE_UI(wxID_DUPLICATE, VerelTamsoVenster::OnDuplicateUpdate)
    EVT_BUTTON(wxID_UP, VerelTamsoVenster::OnUpClick)
    EVT_MENU(wxID_UP, VerelTamsoVenster::OnUpClick)
    EVT_UPDATE_UI(wxID_UP, VerelTamsoVenster::OnUpUpdate)
    EVT_BUTTON(wxID_DOWN, VerelTamsoVenster::OnDownClick)
    EVT_MENU(wxID_DOWN, VerelTamsoVenster::OnDownClick)
    EVT_UPDATE_UI(wxID_DOWN, VerelTamsoVenster::OnDownUpdate)

    // The other controls
    EVT_BUTTON(ID_BEZOEKTRIVANEWEBSITE, VerelTamsoVenster::OnBezoekTrivaneWebsiteIDClick)
    EVT_LIST_ITEM_SELECTED(ID_REKLIJST, VerelTamsoVenster::OnRekLijstIDSelected)
    EVT_LIST_ITEM_DESELECTED(ID_REKLIJST, VerelTamsoVenster::OnRekLijstIDDeselected)
    EVT_LIST_BEGIN_DRAG(ID_REKLIJST, VerelTamsoVenster::OnRekLijstIDBeginDrag)
    EVT_LIST_ITEM_ACTIVATED(ID_REKLIJST, VerelTamsoVenster::OnRekLijstIDItemActivated)
    EVT_LIST_ITEM_RIGHT_CLICK(ID_REKLIJST, VerelTamsoVenster::OnRekLijstIDRightClick)
    EVT_LIST_COL_CLICK(ID_REKLIJST, VerelTamsoVenster::OnRekLijstIDColLeftClick)
    EVT_UPDATE_UI(ID_REKLIJST, VerelTamsoVenster::OnRekLijstIDUpdate)
    EVT_CHOICE(ID_BEPERKREKZOEKENMETSTATUS, VerelTamsoVenster::OnBeperkRekZoekenMetStatusIDSelected)
    EVT_UPDATE_UI(ID_BEPERKREKZOEKENMETSTATUS, VerelTamsoVenster::OnBeperkRekZoekenMetStatusIDUpdate)
    EVT_CHOICE(ID_BEPERKREKZOEKENTYPE, VerelTamsoVenster::OnBeperkRekZoekenTypeIDSelected)
    EVT_UPDATE_UI(ID_BEPERKREKZOEKENTYPE, VerelTamsoVenster::OnBeperkRekZoekenTypeIDUpdate)
    EVT_CHOICE(ID_BEPERKREKZOEKENFUNKTIONEELTYPE, VerelTamsoVenster::OnBeperkRekZoekenFunktioneelTypeIDSelected)
    EVT_UPDATE_UI(ID_BEPERKREKZOEKENFUNKTIONEELTYPE, VerelTamsoVenster::OnBeperkRekZoekenFunktioneelTypeIDUpdate)
    EVT_COMMAND_SCROLL_LINEUP(ID_REKPRIORITEIT, VerelTamsoVenster::OnRekPrioriteitIDScrollLineUp)
    EVT_COMMAND_SCROLL_LINEDOWN(ID_REKPRIORITEIT, VerelTamsoVenster::OnRekPrioriteitIDScrollLineDown)
    EVT_COMMAND_SCROLL_PAGEUP(ID_REKPRIORITEIT, VerelTamsoVenster::OnRekPrioriteitIDScrollPageUp)
    EVT_COMMAND_SCROLL_PAGEDOWN(ID_REKPRIORITEIT, VerelTamsoVenster::OnRekPrioriteitIDScrollPageDown)
    EVT_COMMAND_SCROLL_THUMBRELEASE(ID_REKPRIORITEIT, VerelTamsoVenster::OnRekPrioriteitIDScrollThumbRelease)
    // Whatever changed the value (the keys Home and End, the wheel), but
    // not while the thumb is dragged.
    EVT_COMMAND_SCROLL_CHANGED(ID_REKPRIORITEIT, VerelTamsoVenster::OnRekPrioriteitIDScrollChanged)
    EVT_UPDATE_UI(ID_REKPRIORITEIT, VerelTamsoVenster::OnRekPrioriteitIDUpdate)
    EVT_SEARCH(ID_ZOEKREKVELD, VerelTamsoVenster::OnZoekRekVeldIDSearchButtonClick)
    EVT_SEARCH_CANCEL(ID_ZOEKREKVELD, VerelTamsoVenster::OnZoekRekVeldIDSearchButtonClick)
    EVT_TEXT(ID_ZOEKREKVELD, VerelTamsoVenster::OnZoekRekVeldIDTextUpdated)
    EVT_TOGGLEBUTTON(ID_ZOEKHOOFDLETTERGEVOELIG, VerelTamsoVenster::OnZoekHoofdletterGevoeligIDClick)
    EVT_UPDATE_UI(ID_ZOEKHOOFDLETTERGEVOELIG, VerelTamsoVenster::OnZoekHoofdletterGevoeligIDUpdate)
    EVT_TOGGLEBUTTON(ID_ZOEKEXACTEOVEREENKOMST, VerelTamsoVenster::OnZoekExacteOvereenkomstIDClick)
    EVT_UPDATE_UI(ID_ZOEKEXACTEOVEREENKOMST, VerelTamsoVenster::OnZoekExacteOvereenkomstIDUpdate)
    EVT_COMBOBOX(ID_WERKNEMERKEUZE, VerelTamsoVenster::OnWerknemerKeuzeIDSelected)
    EVT_TEXT(ID_WERKNEMERKEUZE, VerelTamsoVenster::OnWerknemerKeuzeIDUpdated)
    EVT_UPDATE_UI(ID_WERKNEMERKEUZE, VerelTamsoVenster::OnWerknemerKeuzeIDUpdate)
wxEND_EVENT_TABLE()
    // clang-format on

    namespace
{
    const wxString makerLogo = "../../../grafisch/afbeeldingen/Trivane_zeerklein.jpg";
    const wxString produktLogo = "afbeeldingen/VerelTamso_zeerklein.jpeg";

    const wxColour paneelKleur(140, 161, 255);
    const wxColour titelKleur(251, 2, 7);
    const wxColour projektKleur(0, 0, 255);
    const wxColour statistiekKleur(128, 0, 128);

    // Borders in pixels: around the content, around each block of controls.
    const int inhoudRand = 3;
    const int blokRand = 1;
    // The list shows its header and this many rows at least.
    const int kleinsteLijstRijen = 4;

    struct MenuItem
    {
        int id;
        const char* label;
        wxItemKind soort;
        // Empty: no picture.
        const char* plaatje;
    };

    const int scheiding = -1;

    void vulMenu(VerelTamsoVenster & venster, wxMenu & menu, std::initializer_list<MenuItem> items)
    {
        for (const MenuItem& item : items)
        {
            if (item.id == scheiding)
            {
                menu.AppendSeparator();
                continue;
            }
            auto* menuItem = new wxMenuItem(&menu, item.id, wxGetTranslation(item.label), wxEmptyString, item.soort);
            // GTK draws a check mark or a radio dot where a normal item shows
            // its picture: such items have only that.
            if (*item.plaatje && item.soort == wxITEM_NORMAL)
                menuItem->SetBitmap(venster.GetBitmapResource(DesktopBeeldLader::ikoon(32, item.plaatje)));
            menu.Append(menuItem);
        }
    }

    wxStaticText* maakTekst(wxWindow * ouder, int id, const wxString& tekst, const wxColour& kleur, long stijl = 0)
    {
        auto* label = new wxStaticText(ouder, id, tekst, wxDefaultPosition, wxDefaultSize, stijl);
        label->SetForegroundColour(kleur);
        return label;
    }
} // namespace

wxBitmap VerelTamsoVenster::GetBitmapResource(const wxString& naam)
{
    return DesktopBeeldLader::leesBitmap(naam);
}

void VerelTamsoVenster::CreateControls()
{
    maakMenus();

    auto* frameSizer = new wxBoxSizer(wxHORIZONTAL);
    SetSizer(frameSizer);
    hoofdPaneel =
        new wxPanel(this, ID_HOOFDPANEEL, wxDefaultPosition, wxDefaultSize, wxSUNKEN_BORDER | wxTAB_TRAVERSAL);
    hoofdPaneel->SetBackgroundColour(paneelKleur);
    frameSizer->Add(hoofdPaneel, 1, wxEXPAND);
    auto* paneelSizer = new wxBoxSizer(wxVERTICAL);
    hoofdPaneel->SetSizer(paneelSizer);
    auto* inhoud = new wxBoxSizer(wxVERTICAL);
    paneelSizer->Add(inhoud, 1, wxEXPAND | wxALL, inhoudRand);

    auto* titel = new wxBoxSizer(wxVERTICAL);
    inhoud->Add(titel, 0, wxEXPAND);
    maakTitelRij(titel);

    rekLijst = new RekLijstCtrl(hoofdPaneel, ID_REKLIJST, wxDefaultPosition,
                                hoofdPaneel->ConvertDialogToPixels(wxSize(100, 120)), wxLC_REPORT | wxLC_HRULES);
    rekLijst->SetBackgroundColour(*wxWHITE);
    rekLijst->SetFont(wxFont(wxFontInfo(14).FaceName("Arial")));
    inhoud->Add(rekLijst, 1, wxEXPAND | wxALL, 1);
    (void)pasLijstMinimumAan(true);

    // Beside each other where the width allows, else below each other.
    auto* besturing = new wxBoxSizer(wxVERTICAL);
    inhoud->Add(besturing, 0, wxEXPAND);
    besturingRijen = std::make_unique<BlokRijen>(besturing, blokRand);
    besturingRijen->voegToe(maakKnoppen());
    besturingRijen->voegToe(maakStatistiek());
    besturingRijen->voegToe(maakFilters());
    besturingRijen->voegToe(maakZoeken());
    hoofdPaneel->Bind(wxEVT_SIZE, &VerelTamsoVenster::OnPaneelGrootte, this);

    statusBalk = new wxStatusBar(this, ID_STATUSBALK, wxSTB_SIZEGRIP | wxNO_BORDER);
    statusBalk->SetFieldsCount(2);
    const int breedtes[] = {0, -1};
    statusBalk->SetStatusWidths(2, breedtes);
    SetStatusBar(statusBalk);

    if (app)
        werkVoortgang = std::make_unique<WerkVoortgang>(*this, *app, *rekLijst);
}

int VerelTamsoVenster::geefInhoudBreedte() const
{
    return hoofdPaneel->GetClientSize().GetWidth() - 2 * inhoudRand;
}

void VerelTamsoVenster::OnPaneelGrootte(wxSizeEvent& gebeurtenis)
{
    // Before the panel lays out its content (its own handler, after this).
    ordenBesturing(geefInhoudBreedte());
    gebeurtenis.Skip();
}

void VerelTamsoVenster::ordenBesturing(int breedte)
{
    pasProjektNaamAan(breedte);
    titelRijen->orden(breedte);
    besturingRijen->orden(breedte);
}

// A name longer than the row has room for ends in an ellipsis; its whole
// text is then the tool tip.
void VerelTamsoVenster::pasProjektNaamAan(int breedte)
{
    projektNaamLabel->SetMinSize(wxDefaultSize);
    projektNaamLabel->InvalidateBestSize();
    const int nodig = projektNaamLabel->GetBestSize().GetWidth();
    const int ruimte = std::max(0, breedte - 2 * blokRand);
    if (nodig <= ruimte)
    {
        projektNaamLabel->UnsetToolTip();
        return;
    }
    projektNaamLabel->SetMinSize(wxSize(ruimte, -1));
    projektNaamLabel->SetToolTip(projektNaamLabel->GetLabelText());
}

void VerelTamsoVenster::toonProjektNaam(const wxString& naam)
{
    projektNaamLabel->SetLabelText(naam);
    pasIndelingAan();
}

// The smallest size is that of the narrowest rows: each block as wide as
// the widest, the rows as many as that takes. A window as small as that
// still shows every control whole.
void VerelTamsoVenster::pasIndelingAan()
{
    ++aantalIndelingen;
    pasProjektNaamAan(0);
    pasLijstMinimumAan(true);
    const wxSize lijst = rekLijst->GetMinSize() + wxSize(2, 2);
    const int smalst =
        std::max({titelRijen->geefSmalsteBreedte(), besturingRijen->geefSmalsteBreedte(), lijst.GetWidth()});
    pasProjektNaamAan(smalst);
    const wxSize titel = titelRijen->geefMaat(smalst);
    const wxSize besturing = besturingRijen->geefMaat(smalst);
    const wxSize minimum = wxSize(std::max({titel.GetWidth(), besturing.GetWidth(), lijst.GetWidth()}) + 2 * inhoudRand,
                                  titel.GetHeight() + lijst.GetHeight() + besturing.GetHeight() + 2 * inhoudRand) +
                           hoofdPaneel->GetWindowBorderSize();
    // GTK is told only of a change.
    if (GetMinSize() != ClientToWindowSize(minimum))
        SetMinClientSize(minimum);
    ordenBesturing(geefInhoudBreedte());
    const wxSize client = GetClientSize();
    if (client.GetWidth() < minimum.GetWidth() || client.GetHeight() < minimum.GetHeight())
        SetClientSize(
            wxSize(std::max(client.GetWidth(), minimum.GetWidth()), std::max(client.GetHeight(), minimum.GetHeight())));
    hoofdPaneel->Layout();
}

// As wide as its figures, dates and status need whole, and its header and
// a few rows high. Without `krimpen` it keeps a width it had: the rows of
// one refill and the next need a few pixels more or less, and each change
// would lay the window out again.
bool VerelTamsoVenster::pasLijstMinimumAan(bool krimpen)
{
    const int regel = rekLijst->GetCharHeight() + 8;
    wxSize minimum(
        std::max(hoofdPaneel->ConvertDialogToPixels(wxSize(100, 0)).GetWidth(), rekLijst->geefKleinsteBreedte()),
        (kleinsteLijstRijen + 1) * regel);
    if (!krimpen)
        minimum.IncTo(rekLijst->GetMinSize());
    if (minimum == rekLijst->GetMinSize())
        return false;
    rekLijst->SetMinSize(minimum);
    return true;
}

void VerelTamsoVenster::maakMenus()
{
    auto* balk = new wxMenuBar;

    bestandMenu = new wxMenu;
    vulMenu(*this, *bestandMenu,
            {{wxID_NEW, wxTRANSLATE("Start a new project"), wxITEM_NORMAL, "nieuw.png"},
             {scheiding, "", wxITEM_NORMAL, ""},
             {wxID_OPEN, wxTRANSLATE("Open an existing project\tCtrl+O"), wxITEM_NORMAL, "map-open.png"},
             {ID_OPENSLECHTSLEZENDB, wxTRANSLATE("Open an existing project in read-only mode\tCtrl+Shift+O"),
              wxITEM_NORMAL, "map-open.png"}});
    recenteBestandenMenu = new wxMenu;
    bestandMenu->Append(ID_OPENRECENT, _("Open Recent"), recenteBestandenMenu, wxEmptyString);
    vulMenu(*this, *bestandMenu,
            {{scheiding, "", wxITEM_NORMAL, ""},
             {wxID_SAVEAS, wxTRANSLATE("Save the current project as\tCtrl+Shift+S"), wxITEM_NORMAL, "bewaar.png"},
             {wxID_REPLACE, wxTRANSLATE("Move the current project\tCtrl+M"), wxITEM_NORMAL, "verplaats.png"},
             {scheiding, "", wxITEM_NORMAL, ""},
             {wxID_CLOSE, wxTRANSLATE("Close the current project\tCtrl+D"), wxITEM_NORMAL, "sluit.png"},
             {scheiding, "", wxITEM_NORMAL, ""},
             {ID_ZETKLEUREN, wxTRANSLATE("Choose font and colours"), wxITEM_NORMAL, "kleurcirkel.png"},
             {ID_ZETTALEN, wxTRANSLATE("Set language"), wxITEM_NORMAL, "taal.png"},
             {wxID_ABOUT, wxTRANSLATE("About this program"), wxITEM_NORMAL, "strand.png"},
             {ID_CONTROLEEROPUPDATES, wxTRANSLATE("Check for updates online"), wxITEM_NORMAL, "download.png"},
             {scheiding, "", wxITEM_NORMAL, ""},
             {wxID_EXIT, wxTRANSLATE("Quit\tCtrl+Q"), wxITEM_NORMAL, ""}});
    // "Add requirement" is Ctrl+N; a new project has no shortcut.
    MenuSneltoets::verwijder(*bestandMenu->FindChildItem(wxID_NEW));
    balk->Append(bestandMenu, _("File"));

    gedragMenu = new wxMenu;
    vulMenu(
        *this, *gedragMenu,
        {{ID_SCHAKELDBOMNAARSLECHTSLEZEN, wxTRANSLATE("Switch current database to read-only mode\tCtrl+T"),
          wxITEM_CHECK, "sleutel.png"},
         {wxID_REFRESH, wxTRANSLATE("Refresh the list"), wxITEM_NORMAL, "sync.png"},
         {ID_AUTOMATISCHSRNUMMER, wxTRANSLATE("Automatic I.D number generation for new requirement"), wxITEM_CHECK,
          "automatisch.png"},
         {ID_AUTOMATISCHSCHRIJVER, wxTRANSLATE("Automatic insertion of current author in the new requirement"),
          wxITEM_CHECK, "leverancier.png"},
         {ID_GEBRUIKKLEURENVOORSTATUS, wxTRANSLATE("Show status with colour designation"), wxITEM_CHECK, "palet.png"}});
    gedragMenu->Check(ID_GEBRUIKKLEURENVOORSTATUS, true);
    vulMenu(*this, *gedragMenu,
            {{scheiding, "", wxITEM_NORMAL, ""},
             {ID_DUBBELKLIKTOONMODE, wxTRANSLATE("Double click on list shows the selected requirement"), wxITEM_RADIO,
              "oog.png"},
             {ID_DUBBELKLIKEDITMODE, wxTRANSLATE("Double click on list edits the selected requirement"), wxITEM_RADIO,
              "bewerk.png"}});
    balk->Append(gedragMenu, _("Behaviour"));

    databaseMenu = new wxMenu;
    vulMenu(*this, *databaseMenu,
            {{wxID_UNDO, wxTRANSLATE("Undo changes\tCtrl+Z"), wxITEM_NORMAL, "ongedaan.png"},
             {wxID_SAVE, wxTRANSLATE("Commit changes\tCtrl+S"), wxITEM_NORMAL, "database-export.png"},
             {ID_STRAKTREKKEN, wxTRANSLATE("Reassign identifiers contiguously"), wxITEM_NORMAL, "strijkijzer.png"},
             {ID_STARTSTOPVEILIGEMODUS, wxTRANSLATE("Start Safe Operation"), wxITEM_CHECK, "parasol.png"},
             {scheiding, "", wxITEM_NORMAL, ""},
             {ID_ZETPROJEKTNAAM, wxTRANSLATE("Set project name"), wxITEM_NORMAL, "projekt.png"},
             {ID_ZETPROJEKTVALUTA, wxTRANSLATE("Set project currency"), wxITEM_NORMAL, "valuta.png"}});
    balk->Append(databaseMenu, _("Database"));

    requirementsMenu = new wxMenu;
    vulMenu(
        *this, *requirementsMenu,
        {{wxID_ADD, wxTRANSLATE("Add requirement\tCtrl+N"), wxITEM_NORMAL, "plus.png"},
         {wxID_DELETE, wxTRANSLATE("Delete requirements\tCtrl+W"), wxITEM_NORMAL, "verboden.png"},
         {ID_TOONITEM, wxTRANSLATE("Show the selected requirement\tCtrl+R"), wxITEM_NORMAL, "oog.png"},
         {ID_BEWERKITEM, wxTRANSLATE("Edit the selected requirement\tCtrl+E"), wxITEM_NORMAL, "bewerk.png"},
         {wxID_DUPLICATE, wxTRANSLATE("Duplicate requirements\tCtrl+K"), wxITEM_NORMAL, "dupliceer.png"},
         {wxID_UP, wxTRANSLATE("Move this requirement up by I.D number\tCtrl+UP"), wxITEM_NORMAL, "omhoog.png"},
         {wxID_DOWN, wxTRANSLATE("Move this requirement down by I.D number\tCtrl+DOWN"), wxITEM_NORMAL, "omlaag.png"}});
    balk->Append(requirementsMenu, _("Requirements"));

    SetMenuBar(balk);
}

void VerelTamsoVenster::maakTitelRij(wxBoxSizer* doel)
{
    auto* rij = new wxBoxSizer(wxHORIZONTAL);
    auto* logo = new wxBitmapButton(hoofdPaneel, ID_BEZOEKTRIVANEWEBSITE, GetBitmapResource(makerLogo));
    if (ShowToolTips())
        logo->SetToolTip(_("Please visit the Trivane Embedded Systemen web site by clicking this button!"));
    rij->Add(logo, 0, wxALIGN_CENTER_VERTICAL | wxALL, 2);

    auto* titel = maakTekst(hoofdPaneel, wxID_STATIC, _("Requirements engineering tool"), titelKleur);
    titel->SetFont(wxFont(wxFontInfo(24).FaceName("Arial")));
    rij->Add(titel, 0, wxALIGN_CENTER_VERTICAL | wxALL, 2);

    // The name is the user's, as long as it was typed: beside the title
    // where the row has room, else below it, shortened where even that
    // row is too narrow.
    projektNaamLabel = new wxStaticText(hoofdPaneel, ID_PROJEKTNAAM_LABEL, _("A generic project"), wxDefaultPosition,
                                        wxDefaultSize, wxST_ELLIPSIZE_END);
    projektNaamLabel->SetForegroundColour(projektKleur);
    projektNaamLabel->SetFont(wxFont(wxFontInfo(24).FaceName("Arial").Italic().Bold()));
    auto* naam = new wxBoxSizer(wxHORIZONTAL);
    naam->Add(projektNaamLabel, 0, wxALIGN_CENTER_VERTICAL | wxALL, 2);

    titelRijen = std::make_unique<BlokRijen>(doel, blokRand);
    titelRijen->voegToe(rij);
    titelRijen->voegToe(naam);
}

wxSizer* VerelTamsoVenster::maakKnoppen()
{
    // One row: an empty second one would only take height from the list.
    auto* knoppen = new wxGridSizer(1, 9, 0, 0);
    struct Knop
    {
        int id;
        const char* plaatje;
    };
    const Knop lijst[] = {{wxID_ADD, "plus.png"},
                          {wxID_DELETE, "min.png"},
                          {ID_TOONITEM, "oog.png"},
                          {ID_BEWERKITEM, "bewerk.png"},
                          {wxID_DUPLICATE, "dupliceer.png"},
                          {wxID_UP, "omhoog.png"},
                          {wxID_DOWN, "omlaag.png"},
                          {ID_SCHAKELDBOMNAARSLECHTSLEZEN, "slot-open.png"},
                          {wxID_EXIT, "afsluiten.png"}};
    for (const Knop& knop : lijst)
    {
        auto* knopje =
            new wxBitmapButton(hoofdPaneel, knop.id, GetBitmapResource(DesktopBeeldLader::ikoon(48, knop.plaatje)));
        if (knop.id == ID_SCHAKELDBOMNAARSLECHTSLEZEN)
            slechtsLezenKnop = knopje;
        knoppen->Add(knopje, 0, wxALIGN_CENTER_HORIZONTAL | wxALIGN_CENTER_VERTICAL | wxALL, 1);
    }
    return knoppen;
}

// The figures on lines of their own and the completion below them: the
// longest line, a cost of nine digits against a total of nine, sets the
// box's width, not the completion text beside it.
wxSizer* VerelTamsoVenster::maakStatistiek()
{
    auto* doos = new DesktopDoosSizer(wxVERTICAL, hoofdPaneel, _("Statistics of the shown list"));
    wxWindow* ouder = doos->GetStaticBox();
    auto* raster = new wxFlexGridSizer(2, 2, 2, 2);
    doos->Add(raster, 0, wxALL, 1);

    // Nothing is known until a project is read, or found to be missing.
    const wxString onbekend = _("not known yet");
    raster->Add(new wxStaticText(ouder, wxID_STATIC, _("Number of requirements")), 0, wxALIGN_CENTER_VERTICAL);
    aantalRekLabel = maakTekst(ouder, ID_AANTALREK_LABEL, onbekend, statistiekKleur, wxST_NO_AUTORESIZE);
    raster->Add(aantalRekLabel, 0, wxALIGN_CENTER_VERTICAL);
    raster->Add(new wxStaticText(ouder, wxID_STATIC, _("Accumulated costs")), 0, wxALIGN_CENTER_VERTICAL);
    kostenLabel = maakTekst(ouder, ID_KOSTEN_LABEL, onbekend, statistiekKleur, wxST_NO_AUTORESIZE);
    raster->Add(kostenLabel, 0, wxALIGN_CENTER_VERTICAL);

    auto* voltooiing = new wxBoxSizer(wxHORIZONTAL);
    doos->Add(voltooiing, 0, wxEXPAND | wxALL, 1);
    voltooiingLabel = new wxStaticText(ouder, ID_VOLTOOIING_LABEL, _("Completion of listed items:"), wxDefaultPosition,
                                       wxDefaultSize, wxST_NO_AUTORESIZE);
    voltooiing->Add(voltooiingLabel, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 2);
    statistiekMaat =
        new wxStaticText(ouder, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize, wxST_NO_AUTORESIZE);
    statistiekMaat->Hide();
    voltooiingMeter =
        new wxGauge(ouder, ID_VOLTOOIING_METER, 100, wxDefaultPosition,
                    wxSize(ouder->ConvertDialogToPixels(wxSize(100, -1)).x, -1), wxGA_HORIZONTAL | wxGA_SMOOTH);
    voltooiing->Add(voltooiingMeter, 1, wxALIGN_CENTER_VERTICAL);
    return doos;
}

wxSizer* VerelTamsoVenster::maakFilters()
{
    auto* doos = new DesktopDoosSizer(wxHORIZONTAL, hoofdPaneel, _("Curb the shown requirements list:"));
    wxWindow* ouder = doos->GetStaticBox();
    auto* kolom = new wxBoxSizer(wxVERTICAL);
    doos->Add(kolom, 0, wxALIGN_CENTER_VERTICAL | wxALL, 1);
    const auto maakKeuze = [&](int id, std::initializer_list<const char*> teksten)
    {
        wxArrayString items;
        for (const char* tekst : teksten)
            items.Add(wxGetTranslation(tekst));
        auto* keuze = new wxChoice(ouder, id, wxDefaultPosition, wxDefaultSize, items);
        keuze->SetSelection(static_cast<int>(items.size()) - 1);
        kolom->Add(keuze, 0, wxEXPAND | wxALL, 1);
        return keuze;
    };
    statusKeuze = maakKeuze(ID_BEPERKREKZOEKENMETSTATUS, {wxTRANSLATE("Show only those under development."),
                                                          wxTRANSLATE("Show only defined but not implemented ones."),
                                                          wxTRANSLATE("Show only implemented but not tested ones."),
                                                          wxTRANSLATE("Show only ready but not signed off ones."),
                                                          wxTRANSLATE("Show only completed and signed off ones."),
                                                          wxTRANSLATE("Show all levels of completion.")});
    typeKeuze = maakKeuze(ID_BEPERKREKZOEKENTYPE,
                          {wxTRANSLATE("Only business requirements"), wxTRANSLATE("Only user requirements"),
                           wxTRANSLATE("Only system requirements"), wxTRANSLATE("Show all types")});
    funkTypeKeuze = maakKeuze(ID_BEPERKREKZOEKENFUNKTIONEELTYPE,
                              {wxTRANSLATE("Only functional requirements"),
                               wxTRANSLATE("Only performance requirements"), wxTRANSLATE("Only quality requirements"),
                               wxTRANSLATE("Only constraint requirements"), wxTRANSLATE("Show all functional types")});

    auto* drempel = new DesktopDoosSizer(wxVERTICAL, ouder, _("Priority threshold"));
    doos->Add(drempel, 0, wxALIGN_CENTER_VERTICAL | wxALL, 1);
    prioriteitSchuif =
        new wxSlider(drempel->GetStaticBox(), ID_REKPRIORITEIT, 1, 1, 100, wxDefaultPosition, wxSize(160, -1),
                     wxSL_HORIZONTAL | wxSL_LABELS | wxSL_MIN_MAX_LABELS | wxSL_AUTOTICKS);
    prioriteitSchuif->SetFont(wxFont(wxFontInfo(10).FaceName(".SF NS Text")));
    drempel->Add(prioriteitSchuif, 0, wxEXPAND | wxALL, 1);
    return doos;
}

wxSizer* VerelTamsoVenster::maakZoeken()
{
    auto* rij = new wxBoxSizer(wxHORIZONTAL);
    auto* kolom = new wxBoxSizer(wxVERTICAL);
    rij->Add(kolom, 1, wxALIGN_CENTER_VERTICAL | wxALL, 1);

    auto* zoekDoos = new DesktopDoosSizer(wxHORIZONTAL, hoofdPaneel, _("Search for an expression:"));
    kolom->Add(zoekDoos, 0, wxEXPAND | wxALL, 1);
    wxWindow* zoekOuder = zoekDoos->GetStaticBox();
    zoekVeld = new wxSearchCtrl(zoekOuder, ID_ZOEKREKVELD, wxEmptyString, wxDefaultPosition,
                                wxSize(zoekOuder->ConvertDialogToPixels(wxSize(100, -1)).x, -1));
    zoekVeld->ShowCancelButton(true);
    zoekDoos->Add(zoekVeld, 1, wxALIGN_CENTER_VERTICAL | wxALL, 1);
    hoofdletterKnop = new wxBitmapToggleButton(zoekOuder, ID_ZOEKHOOFDLETTERGEVOELIG,
                                               GetBitmapResource(DesktopBeeldLader::ikoon(32, "kleine-letters.png")));
    exactKnop = new wxBitmapToggleButton(zoekOuder, ID_ZOEKEXACTEOVEREENKOMST,
                                         GetBitmapResource(DesktopBeeldLader::ikoon(32, "geheim-agent.png")));
    if (ShowToolTips())
    {
        hoofdletterKnop->SetToolTip(_("Set search mode to case sensitive."));
        exactKnop->SetToolTip(_("Set search mode to exact."));
    }
    zoekDoos->Add(hoofdletterKnop, 0, wxALIGN_CENTER_VERTICAL | wxALL, 1);
    zoekDoos->Add(exactKnop, 0, wxALIGN_CENTER_VERTICAL | wxALL, 1);

    auto* werknemerDoos = new DesktopDoosSizer(wxHORIZONTAL, hoofdPaneel, _("Search for an engineer:"));
    kolom->Add(werknemerDoos, 0, wxEXPAND | wxALL, 1);
    werknemerKeuze = new wxComboBox(werknemerDoos->GetStaticBox(), ID_WERKNEMERKEUZE, wxEmptyString, wxDefaultPosition,
                                    wxDefaultSize, wxArrayString(), wxCB_DROPDOWN);
    werknemerDoos->Add(werknemerKeuze, 1, wxALIGN_CENTER_VERTICAL | wxALL, 1);

    auto* over = new wxBitmapButton(hoofdPaneel, wxID_ABOUT, GetBitmapResource(produktLogo), wxDefaultPosition,
                                    hoofdPaneel->ConvertDialogToPixels(wxSize(50, 66)));
    if (ShowToolTips())
        over->SetToolTip(_("Hello! I am Verel Tamso, your humble servant. Shall we take a look at your requirements? "
                           "Mmm, you are almost there. Keep on going and you will certainly win the contract!"));
    rij->Add(over, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 5);
    return rij;
}
