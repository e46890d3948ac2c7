#include "toepassing/venster/VerelTamsoVenster.h"

#include "swexternals/desktop/DesktopBeeldLader.h"
#include "swexternals/desktop/platform/Platform.h"
#include "toepassing/kern/RequirementDropTarget.h"
#include "toepassing/kern/WerknemerLezing.h"
#include "toepassing/venster/BlokRijen.h"
#include "toepassing/venster/MenuSneltoets.h"
#include "toepassing/venster/RekLijstCtrl.h"

#include <memory>
#include <wx/bmpbuttn.h>
#include <wx/choice.h>
#include <wx/confbase.h>
#include <wx/display.h>
#include <wx/menu.h>
#include <wx/sizer.h>
#include <wx/slider.h>
#include <wx/stattext.h>
#include <wx/statusbr.h>
#include <wx/textentry.h>
#include <wx/utils.h>

wxIMPLEMENT_CLASS(VerelTamsoVenster, wxFrame);

namespace
{
// Whole keys: what the window reads and writes does not hang on the group
// someone left the configuration in, nor on the order of the calls.
const wxString sleutelAutomatischSRNummer = "/Configuratie/AutomatischSRNummer";
const wxString sleutelAutomatischSchrijver = "/Configuratie/AutomatischSchrijverInvoeging";
const wxString sleutelDubbelKlik = "/Configuratie/DubbelKlikkenBetekentBewerken";
const wxString sleutelKolom = "/Configuratie/Operationeel/GeselekteerdeKolom";
const wxString sleutelRichting = "/Configuratie/Operationeel/GeselekteerdeKolomRichting";
const wxString sleutelStatus = "/Configuratie/Operationeel/GeselekteerdeRekStatus";
const wxString sleutelType = "/Configuratie/Operationeel/GeselekteerdeRekType";
const wxString sleutelFunkType = "/Configuratie/Operationeel/GeselekteerdeRekFunkType";
const wxString sleutelPrioriteit = "/Configuratie/Operationeel/GeselekteerdeRekPrioriteit";
const wxString sleutelStatusKleuren = "/Configuratie/Operationeel/GebruikKleurenVoorStatusIndikatie";
// The file history writes its own entries in the group it is given.
const wxString groepGekozenBestanden = "/Configuratie/Operationeel/GekozenBestanden/";

const long standaardKolom = VerelTamsoApp::KolomID;
const long standaardRichting = SorteringAflopend;
const long standaardPrioriteit = 1;

const wxSize standaardGrootte(1200, 800);
const char* const vensterIcoon = "afbeeldingen/VerelTamso_klein.jpeg";

// The keys with which the list moves its own focus and selection.
bool isLijstToets(int toets)
{
    switch (toets)
    {
    case WXK_UP:
    case WXK_DOWN:
    case WXK_LEFT:
    case WXK_RIGHT:
    case WXK_HOME:
    case WXK_END:
    case WXK_PAGEUP:
    case WXK_PAGEDOWN:
        return true;
    default:
        return false;
    }
}

// A stored value that the control cannot show (a file edited by hand, or
// written by another version) falls back to the default.
long binnen(long waarde, long laagste, long hoogste, long standaard)
{
    return waarde >= laagste && waarde <= hoogste ? waarde : standaard;
}
} // namespace

VerelTamsoVenster::VerelTamsoVenster()
    : app(nullptr), konfig(nullptr), geselekteerdeKolom{0, VerelTamsoApp::KolomDatum, VerelTamsoApp::KolomTitel},
      kolomRichting(SorteringAflopend), laatsteType(Requirement::TypeBusiness),
      laatsteFunkType(Requirement::FunkTypeFunktioneel), bestandGeschiedenis(aantalRecenteBestanden, ID_RECENT_EERSTE),
      recenteBestandenMenu(nullptr), popupMenu(nullptr), lijstVerversenGevraagd(false), lijstWordtGelezen(false)
{
    Init();
}

VerelTamsoVenster::VerelTamsoVenster(wxWindow* ouder, VerelTamsoApp* app_, int id, const wxString& titel,
                                     const wxPoint& positie, const wxSize& grootte, long stijl)
    : app(app_),
      konfig(&app_->geefAppConfigRef()), geselekteerdeKolom{0, VerelTamsoApp::KolomDatum, VerelTamsoApp::KolomTitel},
      kolomRichting(SorteringAflopend), laatsteType(Requirement::TypeBusiness),
      laatsteFunkType(Requirement::FunkTypeFunktioneel), bestandGeschiedenis(aantalRecenteBestanden, ID_RECENT_EERSTE),
      recenteBestandenMenu(nullptr), popupMenu(nullptr), lijstVerversenGevraagd(false), lijstWordtGelezen(false)
{
    Init();
    Create(ouder, id, titel, positie, grootte, stijl);
    // Owned by the list.
    rekLijst->SetDropTarget(new RequirementDropTarget(app, this));
    kolomNamen = VerelTamsoApp::geefKolomNamen();
    // The font the user chose, from the first row on: the colour dialog's
    // sample shows it too.
    zetFont(false);
    leesInstellingen();
    maakKolommen();
    maakRecenteBestanden();
    maakPopupMenu();
    verzamelSneltoetsen();
}

VerelTamsoVenster::~VerelTamsoVenster()
{
    if (konfig)
        bewaarInstellingen();
    delete popupMenu;
    if (app)
        app->bewaarHoofdVensterGrootte();
}

void VerelTamsoVenster::Init()
{
    hoofdPaneel = nullptr;
    projektNaamLabel = nullptr;
    rekLijst = nullptr;
    slechtsLezenKnop = nullptr;
    aantalRekLabel = nullptr;
    kostenLabel = nullptr;
    voltooiingLabel = nullptr;
    statistiekMaat = nullptr;
    voltooiingMeter = nullptr;
    statusKeuze = nullptr;
    typeKeuze = nullptr;
    funkTypeKeuze = nullptr;
    prioriteitSchuif = nullptr;
    zoekVeld = nullptr;
    hoofdletterKnop = nullptr;
    exactKnop = nullptr;
    werknemerKeuze = nullptr;
    bestandMenu = nullptr;
    gedragMenu = nullptr;
    databaseMenu = nullptr;
    requirementsMenu = nullptr;
    statusBalk = nullptr;
}

bool VerelTamsoVenster::Create(wxWindow* ouder, int id, const wxString& titel, const wxPoint& positie,
                               const wxSize& grootte, long stijl)
{
    wxFrame::Create(ouder, id, titel, positie, grootte, stijl);
    CreateControls();
    SetIcon(GetIconResource(vensterIcoon));
    pasIndelingAan();
    // The smallest size shows a handful of rows: a first start (no stored
    // geometry) gets room for the list, within the display.
    if (grootte == wxDefaultSize)
    {
        wxSize maat = GetMinSize();
        maat.IncTo(FromDIP(standaardGrootte));
        maat.DecTo(wxGetClientDisplayRect().GetSize());
        SetSize(maat);
    }
    Centre();
    // The keys go to the list from the start, not to the first control in
    // the window's order: the maker's logo, which Return would open.
    rekLijst->SetFocus();
    return true;
}

void VerelTamsoVenster::leesInstellingen()
{
    gedragMenu->Check(ID_AUTOMATISCHSRNUMMER, konfig->ReadBool(sleutelAutomatischSRNummer, true));
    gedragMenu->Check(ID_AUTOMATISCHSCHRIJVER, konfig->ReadBool(sleutelAutomatischSchrijver, true));
    dubbelKlikBewerkt = konfig->ReadBool(sleutelDubbelKlik, false);
    if (dubbelKlikBewerkt.boolean())
        gedragMenu->Check(ID_DUBBELKLIKEDITMODE, true);

    geselekteerdeKolom = static_cast<unsigned int>(konfig->ReadLong(sleutelKolom, standaardKolom));
    kolomRichting = static_cast<Sortering>(binnen(konfig->ReadLong(sleutelRichting, standaardRichting), SorteringGeen,
                                                  SorteringAflopend, standaardRichting));
    statusKeuze->SetSelection(static_cast<int>(binnen(konfig->ReadLong(sleutelStatus, Requirement::StatusAlle), 0,
                                                      Requirement::StatusAlle, Requirement::StatusAlle)));
    typeKeuze->SetSelection(static_cast<int>(
        binnen(konfig->ReadLong(sleutelType, Requirement::TypeAlle), 0, Requirement::TypeAlle, Requirement::TypeAlle)));
    funkTypeKeuze->SetSelection(static_cast<int>(binnen(konfig->ReadLong(sleutelFunkType, Requirement::FunkTypeAlle), 0,
                                                        Requirement::FunkTypeAlle, Requirement::FunkTypeAlle)));
    prioriteitSchuif->SetValue(
        static_cast<int>(binnen(konfig->ReadLong(sleutelPrioriteit, standaardPrioriteit), prioriteitSchuif->GetMin(),
                                prioriteitSchuif->GetMax(), standaardPrioriteit)));
    statusKleuren = konfig->ReadBool(sleutelStatusKleuren, true);
    gedragMenu->Check(ID_GEBRUIKKLEURENVOORSTATUS, statusKleuren.boolean());
}

void VerelTamsoVenster::bewaarInstellingen()
{
    konfig->Write(sleutelAutomatischSRNummer, gedragMenu->IsChecked(ID_AUTOMATISCHSRNUMMER));
    konfig->Write(sleutelAutomatischSchrijver, gedragMenu->IsChecked(ID_AUTOMATISCHSCHRIJVER));
    konfig->Write(sleutelDubbelKlik, dubbelKlikBewerkt.boolean());

    konfig->Write(sleutelKolom, static_cast<long>(geselekteerdeKolom.waarde));
    konfig->Write(sleutelRichting, static_cast<long>(kolomRichting));
    konfig->Write(sleutelStatus, static_cast<long>(statusKeuze->GetSelection()));
    konfig->Write(sleutelType, static_cast<long>(typeKeuze->GetSelection()));
    konfig->Write(sleutelFunkType, static_cast<long>(funkTypeKeuze->GetSelection()));
    konfig->Write(sleutelPrioriteit, static_cast<long>(prioriteitSchuif->GetValue()));
    konfig->Write(sleutelStatusKleuren, statusKleuren.boolean());

    const wxConfigPathChanger inGeschiedenis(konfig, groepGekozenBestanden);
    bestandGeschiedenis.Save(*konfig);
}

void VerelTamsoVenster::maakKolommen()
{
    for (size_t kolom = 0; kolom < kolomNamen.size(); ++kolom)
    {
        rekLijst->InsertColumn(static_cast<long>(kolom), wxGetTranslation(kolomNamen[kolom]), wxLIST_FORMAT_CENTRE,
                               wxLIST_AUTOSIZE_USEHEADER);
        rekLijst->SetColumnWidth(static_cast<int>(kolom), wxLIST_AUTOSIZE_USEHEADER);
    }
}

void VerelTamsoVenster::maakRecenteBestanden()
{
    {
        const wxConfigPathChanger inGeschiedenis(konfig, groepGekozenBestanden);
        bestandGeschiedenis.Load(*konfig);
    }
    bestandGeschiedenis.SetBaseId(ID_RECENT_EERSTE);
    bestandGeschiedenis.UseMenu(recenteBestandenMenu);
    Bind(wxEVT_UPDATE_UI, &VerelTamsoVenster::OnOpenUpdate, this, ID_RECENT_EERSTE, ID_RECENT_LAATSTE);
    Bind(wxEVT_MENU, &VerelTamsoVenster::OnOpenClick, this, ID_RECENT_EERSTE, ID_RECENT_LAATSTE);
    bestandGeschiedenis.AddFilesToMenu();
}

void VerelTamsoVenster::maakPopupMenu()
{
    popupMenu = new wxMenu;
    const int ids[] = {wxID_ADD, ID_TOONITEM, ID_BEWERKITEM, wxID_DUPLICATE, wxID_DELETE};
    for (int id : ids)
        popupMenu->Append(id, requirementsMenu->GetLabel(id), wxEmptyString);
}

void VerelTamsoVenster::verzamelSneltoetsen()
{
    wxMenuBar* balk = GetMenuBar();
    for (size_t menu = 0; balk && menu < balk->GetMenuCount(); ++menu)
        for (wxMenuItem* item : balk->GetMenu(menu)->GetMenuItems())
        {
            std::unique_ptr<wxAcceleratorEntry> toets(item->GetAccel());
            if (!toets)
                continue;
            toets->Set(toets->GetFlags(), toets->GetKeyCode(), item->GetId(), item);
            sneltoetsen.push_back(*toets);
        }
}

int VerelTamsoVenster::geefSneltoetsOpdracht(const wxKeyEvent& gebeurtenis) const
{
    for (const wxAcceleratorEntry& toets : sneltoetsen)
    {
        if (toets.GetKeyCode() != gebeurtenis.GetKeyCode())
            continue;
        const int vlaggen = (gebeurtenis.RawControlDown() ? wxACCEL_RAW_CTRL : 0) |
                            (gebeurtenis.ControlDown() ? wxACCEL_CTRL : 0) |
                            (gebeurtenis.ShiftDown() ? wxACCEL_SHIFT : 0) | (gebeurtenis.AltDown() ? wxACCEL_ALT : 0);
        if ((toets.GetFlags() & (wxACCEL_CTRL | wxACCEL_SHIFT | wxACCEL_ALT)) ==
            (vlaggen & (wxACCEL_CTRL | wxACCEL_SHIFT | wxACCEL_ALT)))
            return toets.GetCommand();
    }
    return wxID_NONE;
}

bool VerelTamsoVenster::isInLijst(const wxWindow* venster) const
{
    for (; venster; venster = venster->GetParent())
        if (venster == rekLijst)
            return true;
    return false;
}

bool VerelTamsoVenster::voerOpdrachtUit(int opdracht)
{
    wxUpdateUIEvent toestand(opdracht);
    toestand.SetEventObject(this);
    ProcessWindowEvent(toestand);
    if (toestand.GetSetEnabled() && !toestand.GetEnabled())
        return false;
    wxCommandEvent opdrachtGebeurtenis(wxEVT_MENU, opdracht);
    opdrachtGebeurtenis.SetEventObject(this);
    ProcessWindowEvent(opdrachtGebeurtenis);
    return true;
}

void VerelTamsoVenster::OnCharHook(wxKeyEvent& gebeurtenis)
{
    const int opdracht = geefSneltoetsOpdracht(gebeurtenis);
    wxWindow* focus = FindFocus();
    // A text field takes every key it is given, the shortcuts too, and GTK
    // then runs no command: the window runs it first. The keys the field
    // uses itself stay in it (Ctrl+Z there must not undo the project's
    // change), and so does a shortcut whose command is off.
    if (opdracht != wxID_NONE && dynamic_cast<wxTextEntry*>(focus))
    {
        if (MenuSneltoets::isVeldToets(gebeurtenis) || !voerOpdrachtUit(opdracht))
            gebeurtenis.DoAllowNextEvent();
        return;
    }
    // The list takes the arrow keys itself, with Ctrl too, and would leave
    // nothing of Ctrl+Up and Ctrl+Down for the menu: after a click on a row,
    // where the focus then is, they move the selected block.
    if (opdracht != wxID_NONE && isInLijst(focus) && isLijstToets(gebeurtenis.GetKeyCode()) &&
        voerOpdrachtUit(opdracht))
        return;
    gebeurtenis.Skip();
}

void VerelTamsoVenster::start()
{
    if (app->startDatabase() != 0)
    {
        // Half started, the project would take every change at once, beyond
        // undo. Closed, not for good: the next start tries it again, as a
        // lock or a full disk may have passed by then.
        app->sluitDB();
        toonNaMislukking();
        return;
    }
    zetSortering();
    // The figures of another project have their own widths.
    vergeetStatistiekRuimte();
    toonProjekt();
}

void VerelTamsoVenster::toonGeenProjekt()
{
    toonProjektNaam(_("No project"));
    zetStatusTekst(_("No project is opened."));
}

int VerelTamsoVenster::stop()
{
    // Nothing open: nothing to keep. Safe operation ends first, with its
    // question, as for the Close command; its commit would be refused.
    if (!app->isDBOpen())
        return 0;
    if (app->isSavePointBezig())
    {
        const int gestopt = schakelSafePoint(StandUit);
        if (gestopt != 0)
            return gestopt;
    }
    const int resultaat = app->stopDatabase();
    if (resultaat == 0)
        verversLijst();
    return resultaat;
}

bool VerelTamsoVenster::gewoneStop()
{
    // The installer replaces the program: what the user has not saved must
    // be offered first. Only a closed project lets the program go.
    if (app->isDBOpen() && sluitProjekt() != 0)
        return false;
    Destroy();
    app->ExitMainLoop();
    return true;
}

void VerelTamsoVenster::zetStatusTekst(const wxString& tekst)
{
    statusBalk->SetStatusText(tekst, 1);
}

void VerelTamsoVenster::schakelSlechtsLezenKnoppen(Stand stand)
{
    alleenLezenGetoond = stand == StandAan;
    wxMenuItem* item = gedragMenu->FindItem(ID_SCHAKELDBOMNAARSLECHTSLEZEN);
    if (stand == StandAan)
    {
        item->SetItemLabel(_("Switch current database to read+write mode\tCtrl+T"));
        slechtsLezenKnop->SetBitmapLabel(GetBitmapResource(DesktopBeeldLader::ikoon(48, "slot-dicht.png")));
    }
    else
    {
        item->SetItemLabel(_("Switch current database to read-only mode\tCtrl+T"));
        slechtsLezenKnop->SetBitmapLabel(GetBitmapResource(DesktopBeeldLader::ikoon(48, "slot-open.png")));
    }
    slechtsLezenKnop->SetBitmapPosition(wxLEFT);
}

void VerelTamsoVenster::zetFont(bool verversen)
{
    // A start that never came to read it leaves the list as it was made.
    const wxFont font = app->geefFont();
    if (font.IsOk())
        rekLijst->SetFont(font);
    (void)pasLijstMinimumAan(true);
    if (!verversen)
        return;
    verversLijst();
    pasIndelingAan();
}

wxIcon VerelTamsoVenster::GetIconResource(const wxString& naam)
{
    return naam == vensterIcoon ? DesktopBeeldLader::leesIcoon(naam) : wxIcon();
}

bool VerelTamsoVenster::ShowToolTips()
{
    return true;
}

void VerelTamsoVenster::OnCloseWindow(wxCloseEvent& gebeurtenis)
{
    // Asked while a search let the window paint: the project is closed once
    // the search is done.
    if (lijstWordtGelezen)
    {
        if (gebeurtenis.CanVeto())
            gebeurtenis.Veto();
        CallAfter([this] { Close(); });
        return;
    }
    // With the usual questions, once the work has ended.
    if (isUitgesteld(gebeurtenis))
    {
        if (gebeurtenis.CanVeto())
            gebeurtenis.Veto();
        return;
    }
    if (!app->isDBOpen())
    {
        Destroy();
        return;
    }
    (void)sluitProjekt();
}

bool VerelTamsoVenster::isUitgesteld(const wxEvent& gebeurtenis)
{
    if (!werkVoortgang || !werkVoortgang->isBezig())
        return false;
    werkVoortgang->doeNaWerk([this, kopie = std::shared_ptr<wxEvent>(gebeurtenis.Clone())]
                             { ProcessWindowEvent(*kopie); });
    return true;
}

void VerelTamsoVenster::OnBezoekTrivaneWebsiteIDClick(wxCommandEvent&)
{
    static const wxString adres = "https://www.trivane.nl";
    Platform::openWebAdres(adres);
}
