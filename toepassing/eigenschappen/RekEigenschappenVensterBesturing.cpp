// The windows of the properties dialog, their layout and the event table.
#include "swexternals/desktop/DesktopBeeldLader.h"
#include "swexternals/desktop/DesktopDoosSizer.h"
#include "toepassing/eigenschappen/RekEigenschappenVenster.h"
#include "toepassing/eigenschappen/SchuifBalkStijl.h"
#include "toepassing/eigenschappen/WerkBalkStijl.h"

#include <wx/bmpbuttn.h>
#include <wx/button.h>
#include <wx/choice.h>
#include <wx/collpane.h>
#include <wx/combobox.h>
#include <wx/datectrl.h>
#include <wx/dateevt.h>
#include <wx/filepicker.h>
#include <wx/panel.h>
#include <wx/richtext/richtextctrl.h>
#include <wx/sizer.h>
#include <wx/slider.h>
#include <wx/spinctrl.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/statline.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/tglbtn.h>
#include <wx/toolbar.h>

namespace
{
const wxString pijl = DesktopBeeldLader::ikoon(32, "arrow_right_black.png");

// The widest a label of the first column may be, in dialog units: a row
// heading or a role's line wider than that (in a language with long words
// for them) takes two lines, so that the column leaves the rows their room
// on a display 1024 pixels wide.
const int kopBreedte = 105;

const wxColour paneelKleur(140, 161, 255);
const wxColour werkBalkKleur(112, 233, 255);
const wxColour wit(255, 255, 255);

struct Werktuig
{
    int id;
    const char* beeld;
    wxItemKind soort;
    const char* hulp;
    // A separator follows the tool.
    bool scheiding;
};

const Werktuig werktuigen[] = {
    {RekEigenschappenVenster::ID_LINKSUITLIJNING, "align_left.png", wxITEM_NORMAL, nullptr, false},
    {RekEigenschappenVenster::ID_MIDDENUITLIJNING, "align_center.png", wxITEM_NORMAL, nullptr, false},
    {RekEigenschappenVenster::ID_RECHTSUITLIJNING, "align_right.png", wxITEM_NORMAL, nullptr, false},
    {RekEigenschappenVenster::ID_VOEGINMINDER, "indentless.png", wxITEM_NORMAL, nullptr, false},
    {RekEigenschappenVenster::ID_VOEGINMEER, "indentmore.png", wxITEM_NORMAL, nullptr, true},
    {RekEigenschappenVenster::ID_VERSIEDATUMSTEMPEL, "visa_stamp24.png", wxITEM_NORMAL,
     wxTRANSLATE("Insert a version and date/time stamp."), false},
    {RekEigenschappenVenster::ID_DATUMTIJDSTEMPEL, "date_from24.png", wxITEM_NORMAL,
     wxTRANSLATE("Insert a date and time stamp."), false},
    {RekEigenschappenVenster::ID_VOERSTDGEENIMPLANTWOORDUIT, "refuse24.png", wxITEM_NORMAL,
     wxTRANSLATE("Insert a standard \"no content\" text."), false},
    {RekEigenschappenVenster::ID_VOEGTOESYMBOOL, "alpha.png", wxITEM_NORMAL, nullptr, false},
    {RekEigenschappenVenster::ID_VOEGINURL, "safari_24.png", wxITEM_NORMAL, nullptr, false},
    {RekEigenschappenVenster::ID_VOEGINAFBEELDING, "image_24.png", wxITEM_NORMAL, nullptr, false},
    {RekEigenschappenVenster::ID_PLAATSTEKSTDOOS, "frame.png", wxITEM_NORMAL, nullptr, false},
    {RekEigenschappenVenster::ID_VOEGMARKERSEKTIETOE, "chisel_tip_marker.png", wxITEM_NORMAL, nullptr, true},
    {RekEigenschappenVenster::ID_GENUMMERDELIJST, "numbered_list.png", wxITEM_NORMAL, nullptr, false},
    {RekEigenschappenVenster::ID_KOGELLIJST, "bulleted_list.png", wxITEM_NORMAL, nullptr, true},
    {wxID_BOLD, "bold.png", wxITEM_CHECK, nullptr, false},
    {wxID_ITALIC, "italic.png", wxITEM_CHECK, nullptr, false},
    {wxID_UNDERLINE, "underline.png", wxITEM_CHECK, nullptr, true},
    {RekEigenschappenVenster::ID_STREEPDOOR, "strikethrough.png", wxITEM_CHECK, nullptr, false},
    {RekEigenschappenVenster::ID_SUPERSCRIPT, "superscript.png", wxITEM_CHECK, nullptr, false},
    {RekEigenschappenVenster::ID_SUBSCRIPT, "subscript.png", wxITEM_CHECK, nullptr, true},
    {RekEigenschappenVenster::ID_TEKSTKLEUR, "text_color.png", wxITEM_NORMAL, nullptr, false},
    {RekEigenschappenVenster::ID_ACHTERGRONDKLEUR, "text_color2.png", wxITEM_NORMAL, nullptr, true},
    {RekEigenschappenVenster::ID_ZETFONT, "font_style_formatting.png", wxITEM_NORMAL, nullptr, false},
    {RekEigenschappenVenster::ID_VERGROOTFONT, "increase_font.png", wxITEM_NORMAL,
     wxTRANSLATE("Enlarge the currently selected text."), false},
    {RekEigenschappenVenster::ID_VERKLEINFONT, "decrease_font.png", wxITEM_NORMAL,
     wxTRANSLATE("Downsize the currently selected text."), true},
    {wxID_OPEN, "opened_folder24.png", wxITEM_NORMAL, nullptr, false},
    {wxID_SAVEAS, "save24.png", wxITEM_NORMAL, nullptr, false},
    {wxID_PRINT, "print.png", wxITEM_NORMAL, nullptr, false},
};

// The three role rows: the analyst's, the engineer's and the tester's.
struct Rol
{
    const char* titel;
    const char* regel;
    int persoon;
    int paneel;
    int knop;
    int sektie;
    const char* sektieTitel;
};

const Rol rollen[] = {
    {wxTRANSLATE("The requirements analyst"), wxTRANSLATE("provides this requirement:"),
     RekEigenschappenVenster::ID_AUTEURKEUZE, RekEigenschappenVenster::ID_AUTEURSTATUSPANEEL,
     RekEigenschappenVenster::ID_REKEIGENSCHAPPENSTATUS, RekEigenschappenVenster::ID_REKEIGENSCHAPPENINKLAP,
     wxTRANSLATE("Requirement description details")},
    {wxTRANSLATE("The development engineer"), wxTRANSLATE("provides this implementation:"),
     RekEigenschappenVenster::ID_IMPLEMENTATIEINGENIEURKEUZE, RekEigenschappenVenster::ID_IMPLEMENTATIESTATUSPANEEL,
     RekEigenschappenVenster::ID_REKIMPLEMENTATIESTATUS, RekEigenschappenVenster::ID_REKIMPLEMENTATIEINKLAP,
     wxTRANSLATE("Requirement implementation details")},
    {wxTRANSLATE("The testing specialist"), wxTRANSLATE("performs this validation:"),
     RekEigenschappenVenster::ID_TESTINGENIEURKEUZE, RekEigenschappenVenster::ID_TESTSTATUSPANEEL,
     RekEigenschappenVenster::ID_REKTESTSTATUS, RekEigenschappenVenster::ID_REKTESTINKLAP,
     wxTRANSLATE("Requirement testing details")},
};

wxComboBox* maakPersoon(wxWindow* ouder, int id)
{
    return new wxComboBox(ouder, id, wxEmptyString, wxDefaultPosition, wxDefaultSize, 0, nullptr, wxCB_DROPDOWN);
}

wxRichTextCtrl* maakRijk(wxWindow* ouder, int id, const wxSize& grootte)
{
    return new wxRichTextCtrl(ouder, id, wxEmptyString, wxDefaultPosition, grootte,
                              wxWANTS_CHARS | wxFULL_REPAINT_ON_RESIZE);
}

wxPanel* maakWitPaneel(wxWindow* ouder, int id)
{
    auto* paneel = new wxPanel(ouder, id, wxDefaultPosition, wxDefaultSize, wxBORDER_SUNKEN | wxTAB_TRAVERSAL);
    paneel->SetBackgroundColour(wit);
    return paneel;
}
} // namespace

int RekEigenschappenVenster::du(int dialoogEenheden) const
{
    return hoofdPaneel->ConvertDialogToPixels(wxSize(dialoogEenheden, 0)).GetWidth();
}

wxSize RekEigenschappenVenster::du(int breedte, int hoogte) const
{
    return hoofdPaneel->ConvertDialogToPixels(wxSize(breedte, hoogte));
}

void RekEigenschappenVenster::CreateControls()
{
    auto* topSizer = new wxBoxSizer(wxVERTICAL);
    SetSizer(topSizer);
    hoofdPaneel = new wxPanel(this, ID_HOOFDPANEEL, wxDefaultPosition, wxDefaultSize, wxBORDER_THEME | wxTAB_TRAVERSAL);
    hoofdPaneel->SetBackgroundColour(paneelKleur);
    topSizer->Add(hoofdPaneel, 1, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, du(3));

    auto* paneelSizer = new wxBoxSizer(wxVERTICAL);
    hoofdPaneel->SetSizer(paneelSizer);
    maakWerkBalk(paneelSizer);

    // The rows scroll, within the panel's colour; the tool bar and the
    // bottom row stay where they are.
    veldenGebied = new wxScrolledWindow(hoofdPaneel, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                        wxVSCROLL | wxTAB_TRAVERSAL | wxBORDER_NONE);
    veldenGebied->SetBackgroundColour(paneelKleur);
    veldenGebied->SetScrollRate(0, du(5, 5).GetHeight());
    SchuifBalkStijl::maakVast(*veldenGebied);
    paneelSizer->Add(veldenGebied, 1, wxEXPAND);
    auto* veldenSizer = new wxBoxSizer(wxVERTICAL);
    veldenGebied->SetSizer(veldenSizer);
    veldenRaster = new wxFlexGridSizer(9, 3, du(2, 2).GetHeight(), du(2));
    veldenRaster->AddGrowableCol(2);
    veldenSizer->Add(veldenRaster, 0, wxEXPAND | wxALL, du(1));
    wxSizer* titelRij = maakTitelRij(veldenRaster);
    maakAttribuutRij(veldenRaster);
    maakKlassifikatieRij(veldenRaster, titelRij->CalcMin().GetWidth());
    for (int rol = 0; rol < 3; ++rol)
        maakRolRij(veldenRaster, rol);
    maakReferentieRij(veldenRaster);
    maakKommentaarRij(veldenRaster);
    maakAftekenRij(veldenRaster);
    maakOnderRij(paneelSizer);
    pasVeldenAan();

    // Only the description's focus is followed by a handler of its own.
    beschrijvingRijk->Bind(wxEVT_SET_FOCUS, &RekEigenschappenVenster::OnSetFocus, this);
}

void RekEigenschappenVenster::maakWerkBalk(wxSizer* doel)
{
    auto* rij = new wxBoxSizer(wxHORIZONTAL);
    doel->Add(rij, 0, wxALIGN_CENTER_HORIZONTAL | wxALL, du(3));
    werkBalk = new wxToolBar(hoofdPaneel, ID_WERKBALK, wxDefaultPosition, wxDefaultSize,
                             wxTB_HORIZONTAL | wxTB_FLAT | wxTB_DOCKABLE | wxBORDER_THEME);
    werkBalk->SetBackgroundColour(werkBalkKleur);
    WerkBalkStijl::maakCompact(*werkBalk);
    werkBalk->SetToolBitmapSize(wxSize(24, 24));
    werkBalk->SetToolSeparation(0);
    werkBalk->SetToolPacking(0);
    werkBalk->SetMargins(1, 2);
    for (const Werktuig& werktuig : werktuigen)
    {
        werkBalk->AddTool(werktuig.id, wxEmptyString, GetBitmapResource(DesktopBeeldLader::ikoon(24, werktuig.beeld)),
                          wxNullBitmap, werktuig.soort, werktuig.hulp ? wxGetTranslation(werktuig.hulp) : wxString(),
                          wxEmptyString);
        if (werktuig.scheiding)
            werkBalk->AddSeparator();
    }
    werkBalk->Realize();
    rij->Add(werkBalk, 0, wxEXPAND | wxALL, du(3));
}

// A row heading: the label with an arrow pointing at its row.
wxSizer* RekEigenschappenVenster::maakKop(wxWindow* ouder, const wxString& tekst)
{
    auto* kop = new wxBoxSizer(wxHORIZONTAL);
    auto* label = new wxStaticText(ouder, wxID_STATIC, tekst);
    label->Wrap(du(kopBreedte));
    kop->Add(label, 0, wxALIGN_CENTER_VERTICAL);
    kop->Add(new wxStaticBitmap(ouder, wxID_STATIC, GetBitmapResource(pijl), wxDefaultPosition, du(16, 17)), 0,
             wxALIGN_CENTER_VERTICAL | wxLEFT | wxRIGHT, du(3));
    return kop;
}

wxSizer* RekEigenschappenVenster::maakTitelRij(wxSizer* raster)
{
    raster->Add(maakKop(veldenGebied, _("Title and date")), 0, wxALIGN_CENTER | wxLEFT | wxRIGHT, du(3));
    raster->Add(du(5, 5).GetWidth(), du(5, 5).GetHeight());
    auto* rij = new wxBoxSizer(wxHORIZONTAL);
    raster->Add(rij, 0, wxALIGN_CENTER_VERTICAL | wxALL, du(3));
    naamTekst = new wxTextCtrl(veldenGebied, ID_REKTITEL, wxEmptyString, wxDefaultPosition, wxSize(du(240), -1));
    naamTekst->SetFont(wxFont(12, wxFONTFAMILY_SWISS, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_BOLD, false, "Tahoma"));
    rij->Add(naamTekst, 0, wxALIGN_CENTER_VERTICAL | wxLEFT, du(3));
    datumKiezer = new wxDatePickerCtrl(veldenGebied, ID_REKDATUM, wxDateTime(), wxDefaultPosition, wxDefaultSize,
                                       wxDP_DEFAULT, wxDefaultValidator, "datectrl");
    rij->Add(datumKiezer, 0, wxALIGN_CENTER_VERTICAL | wxLEFT | wxRIGHT, du(3));
    return rij;
}

void RekEigenschappenVenster::maakAttribuutRij(wxSizer* raster)
{
    raster->Add(maakKop(veldenGebied, _("Primary attributes")), 0, wxALIGN_CENTER | wxLEFT | wxRIGHT, du(3));
    raster->Add(du(5, 5).GetWidth(), du(5, 5).GetHeight());
    auto* rij = new wxBoxSizer(wxHORIZONTAL);
    raster->Add(rij, 0, wxEXPAND | wxALL, du(3));

    auto* nummerDoos = new DesktopDoosSizer(wxHORIZONTAL, veldenGebied, _("ID number"));
    rij->Add(nummerDoos, 0, wxEXPAND | wxLEFT | wxRIGHT, du(3));
    srSpin = new wxSpinCtrl(nummerDoos->GetStaticBox(), ID_REKNUMMER, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                            wxSP_ARROW_KEYS, laagsteNummer, hoogsteNummer, laagsteNummer, "wxSpinCtrl");
    nummerDoos->Add(srSpin, 1, wxALIGN_CENTER_VERTICAL);

    auto* versieDoos = new DesktopDoosSizer(wxHORIZONTAL, veldenGebied, _("Current version"));
    rij->Add(versieDoos, 0, wxEXPAND | wxLEFT | wxRIGHT, du(3));
    versieTekst = new wxTextCtrl(versieDoos->GetStaticBox(), ID_VERSIEINVOER, _("1.0.0"), wxDefaultPosition,
                                 wxDefaultSize, wxTE_CENTRE);
    // A caption wider than the field widens the field with it.
    versieDoos->Add(versieTekst, 1, wxALIGN_CENTER_VERTICAL);

    auto* prioriteitDoos = new DesktopDoosSizer(wxVERTICAL, veldenGebied, _("Priority (MoSCoW prioritization scale)"));
    rij->Add(prioriteitDoos, 1, wxALIGN_CENTER_VERTICAL | wxLEFT | wxRIGHT, du(3));
    prioriteitSchuif =
        new wxSlider(prioriteitDoos->GetStaticBox(), ID_REKPRIORITEIT, 50, 1, 100, wxDefaultPosition, wxDefaultSize,
                     wxSL_HORIZONTAL | wxSL_AUTOTICKS | wxSL_MIN_MAX_LABELS | wxSL_VALUE_LABEL | wxSL_INVERSE);
    prioriteitDoos->Add(prioriteitSchuif, 0, wxEXPAND);
}

void RekEigenschappenVenster::maakKlassifikatieRij(wxSizer* raster, int titelBreedte)
{
    raster->Add(maakKop(veldenGebied, _("Classification")), 0, wxALIGN_CENTER | wxLEFT | wxRIGHT, du(3));
    raster->Add(du(5, 5).GetWidth(), du(5, 5).GetHeight());
    auto* rij = new wxBoxSizer(wxHORIZONTAL);
    raster->Add(rij, 0, wxALIGN_CENTER_VERTICAL | wxALL, du(3));

    auto* keuzes = new wxBoxSizer(wxHORIZONTAL);
    rij->Add(keuzes, 0, wxALIGN_CENTER_VERTICAL);
    const wxString types[] = {_("Business requirement"), _("User requirement"), _("System requirement")};
    typeKeuze = new wxChoice(veldenGebied, ID_REKTYPE, wxDefaultPosition, wxDefaultSize, WXSIZEOF(types), types);
    keuzes->Add(typeKeuze, 0, wxEXPAND | wxLEFT | wxRIGHT, du(2));
    const wxString funkTypes[] = {_("Functional requirement"), _("Performance requirement"), _("Quality requirement"),
                                  _("Constraint requirement")};
    funkTypeKeuze = new wxChoice(veldenGebied, ID_REKFUNKTIONEELTYPE, wxDefaultPosition, wxDefaultSize,
                                 WXSIZEOF(funkTypes), funkTypes);
    keuzes->Add(funkTypeKeuze, 0, wxEXPAND | wxLEFT | wxRIGHT, du(2));

    auto* kostenDoos = new DesktopDoosSizer(wxHORIZONTAL, veldenGebied, _("Estimated total cost"));
    rij->Add(kostenDoos, 0, wxALIGN_CENTER_VERTICAL | wxLEFT | wxRIGHT, du(2));
    kostenLabel = new wxStaticText(kostenDoos->GetStaticBox(), ID_KOSTENLABEL, _("One"));
    kostenDoos->Add(kostenLabel, 0, wxALIGN_CENTER_VERTICAL | wxALL, du(1));
    kostenSpin = new wxSpinCtrl(kostenDoos->GetStaticBox(), ID_REKTOTALEKOSTEN, wxEmptyString, wxDefaultPosition,
                                wxDefaultSize, wxSP_ARROW_KEYS, 0, 1000000, 0, "wxSpinCtrl");
    kostenDoos->Add(kostenSpin, 1, wxALIGN_CENTER_VERTICAL);

    // Where the names of the kinds are long, the two choices side by side
    // would widen the column beyond the title row: one stands above the
    // other then.
    if (rij->CalcMin().GetWidth() > titelBreedte)
        keuzes->SetOrientation(wxVERTICAL);
}

void RekEigenschappenVenster::maakRolRij(wxSizer* raster, int index)
{
    const Rol& rol = rollen[index];
    auto* doos = new DesktopDoosSizer(wxVERTICAL, veldenGebied, wxGetTranslation(rol.titel));
    raster->Add(doos, 0, wxEXPAND | wxLEFT | wxRIGHT, du(3));
    wxComboBox* persoon = maakPersoon(doos->GetStaticBox(), rol.persoon);
    doos->Add(persoon, 0, wxEXPAND | wxALL, du(2));
    doos->Add(maakKop(doos->GetStaticBox(), wxGetTranslation(rol.regel)), 0,
              wxALIGN_CENTER_HORIZONTAL | wxLEFT | wxRIGHT, du(3));

    wxPanel* statusPaneel = maakWitPaneel(veldenGebied, rol.paneel);
    raster->Add(statusPaneel, 0, wxALIGN_CENTER);
    auto* statusSizer = new wxBoxSizer(wxVERTICAL);
    statusPaneel->SetSizer(statusSizer);
    auto* knop = new wxBitmapToggleButton(statusPaneel, rol.knop,
                                          GetBitmapResource(DesktopBeeldLader::ikoon(32, "close_window.png")));
    knop->SetBitmapPressed(GetBitmapResource(DesktopBeeldLader::ikoon(32, "checkmark.png")));
    if (ShowToolTips())
        knop->SetToolTip(_("Designate the status for this part of the requirements process."));
    statusSizer->Add(knop, 0, wxALIGN_CENTER_HORIZONTAL | wxALL, du(1));

    auto* sektie =
        new wxCollapsiblePane(veldenGebied, rol.sektie, wxGetTranslation(rol.sektieTitel), wxDefaultPosition,
                              wxDefaultSize, wxCP_DEFAULT_STYLE | wxCP_NO_TLW_RESIZE | wxTAB_TRAVERSAL | wxBORDER_NONE);
    raster->Add(sektie, 1, wxEXPAND | wxALL, du(2));
    wxWindow* binnen = sektie->GetPane();
    auto* binnenSizer = new wxBoxSizer(wxHORIZONTAL);
    binnen->SetSizer(binnenSizer);

    switch (index)
    {
    case 0:
        auteurCombo = persoon;
        auteurStatusKnop = knop;
        beschrijvingPaneel = sektie;
        beschrijvingRijk = maakRijk(binnen, ID_REKEIGENSCHAPPEN, du(300, 96));
        binnenSizer->Add(beschrijvingRijk, 1, wxEXPAND);
        break;
    case 1:
        implementatieIngenieurCombo = persoon;
        implementatieStatusKnop = knop;
        implementatiePaneel = sektie;
        implementatieRijk = maakRijk(binnen, ID_REKIMPLEMENTATIEMETHODE, du(300, 96));
        binnenSizer->Add(implementatieRijk, 1, wxEXPAND);
        break;
    default:
    {
        testIngenieurCombo = persoon;
        testStatusKnop = knop;
        testPaneel = sektie;
        auto* methodeDoos = new DesktopDoosSizer(wxHORIZONTAL, binnen, _("Test Method"));
        binnenSizer->Add(methodeDoos, 1, wxEXPAND);
        // Side by side as wide as the other sections' one editor.
        validatieRijk = maakRijk(methodeDoos->GetStaticBox(), ID_REKTESTMETHODE, du(150, 96));
        methodeDoos->Add(validatieRijk, 1, wxEXPAND);
        auto* logboekDoos = new DesktopDoosSizer(wxHORIZONTAL, binnen, _("Testing logbook"));
        binnenSizer->Add(logboekDoos, 1, wxEXPAND);
        testLogboekRijk = maakRijk(logboekDoos->GetStaticBox(), ID_REKTESTLOGBOEK, du(150, 96));
        logboekDoos->Add(testLogboekRijk, 1, wxEXPAND);
        break;
    }
    }
}

void RekEigenschappenVenster::maakReferentieRij(wxSizer* raster)
{
    raster->Add(maakKop(veldenGebied, _("Optional reference")), 0, wxALIGN_CENTER | wxLEFT | wxRIGHT, du(3));
    raster->Add(du(5, 5).GetWidth(), du(5, 5).GetHeight());
    auto* rij = new wxBoxSizer(wxHORIZONTAL);
    raster->Add(rij, 0, wxEXPAND | wxALL, du(3));

    rij->Add(new wxBitmapButton(veldenGebied, wxID_HOME, GetBitmapResource(DesktopBeeldLader::ikoon(48, "home.png"))),
             0, wxALIGN_CENTER_VERTICAL | wxLEFT | wxRIGHT, du(3));
    rij->Add(new wxBitmapButton(veldenGebied, ID_GANAARDOKUMENTENDIR,
                                GetBitmapResource(DesktopBeeldLader::ikoon(48, "documents_folder.png"))),
             0, wxALIGN_CENTER_VERTICAL | wxLEFT | wxRIGHT, du(3));
    externeRefKiezer =
        new wxFilePickerCtrl(veldenGebied, ID_REFERENTIELINK, wxEmptyString, wxEmptyString, wxEmptyString,
                             wxDefaultPosition, wxDefaultSize, wxFLP_OPEN | wxFLP_FILE_MUST_EXIST | wxFLP_USE_TEXTCTRL);
    rij->Add(externeRefKiezer, 1, wxALIGN_CENTER_VERTICAL);
    auto* browser = new wxBitmapButton(veldenGebied, ID_OPENINBROWSER,
                                       GetBitmapResource(DesktopBeeldLader::ikoon(48, "safari.png")));
    auto* finder = new wxBitmapButton(veldenGebied, ID_OPENINFINDER,
                                      GetBitmapResource(DesktopBeeldLader::ikoon(48, "search_folder.png")));
    if (ShowToolTips())
    {
        browser->SetToolTip(_("Attempt to open the link in the default internet web browser."));
        finder->SetToolTip(_("Attempt to open the link in the Finder (Mac) or Explorer (Windows)."));
    }
    rij->Add(browser, 0, wxALIGN_CENTER_VERTICAL | wxLEFT | wxRIGHT, du(3));
    rij->Add(finder, 0, wxALIGN_CENTER_VERTICAL | wxLEFT | wxRIGHT, du(3));
}

void RekEigenschappenVenster::maakKommentaarRij(wxSizer* raster)
{
    raster->Add(maakKop(veldenGebied, _("Additional remarks")), 0, wxALIGN_CENTER | wxLEFT | wxRIGHT, du(3));
    raster->Add(du(5, 5).GetWidth(), du(5, 5).GetHeight());
    kommentaarPaneel =
        new wxCollapsiblePane(veldenGebied, ID_REKKOMMENTAARINKLAP, _("Additional remarks"), wxDefaultPosition,
                              wxDefaultSize, wxCP_DEFAULT_STYLE | wxCP_NO_TLW_RESIZE | wxTAB_TRAVERSAL | wxBORDER_NONE);
    raster->Add(kommentaarPaneel, 1, wxEXPAND | wxALL, du(2));
    wxWindow* binnen = kommentaarPaneel->GetPane();
    auto* binnenSizer = new wxBoxSizer(wxHORIZONTAL);
    binnen->SetSizer(binnenSizer);
    kommentaarRijk = maakRijk(binnen, ID_REKKOMMENTAAR, du(300, 96));
    binnenSizer->Add(kommentaarRijk, 1, wxEXPAND);
}

void RekEigenschappenVenster::maakAftekenRij(wxSizer* raster)
{
    raster->Add(maakKop(veldenGebied, _("Sign off on completion")), 0, wxALIGN_CENTER | wxLEFT | wxRIGHT, du(3));
    wxPanel* vlagPaneel = maakWitPaneel(veldenGebied, ID_VLAGPANEEL);
    raster->Add(vlagPaneel, 0, wxALIGN_CENTER);
    auto* vlaggen = new wxBoxSizer(wxHORIZONTAL);
    vlagPaneel->SetSizer(vlaggen);
    auto* niet = new wxStaticBitmap(vlagPaneel, ID_NIETAFGETEKENDVLAG,
                                    GetBitmapResource(DesktopBeeldLader::ikoon(32, "close_window.png")),
                                    wxDefaultPosition, du(16, 17));
    auto* wel =
        new wxStaticBitmap(vlagPaneel, ID_AFGETEKENDVLAG, GetBitmapResource(DesktopBeeldLader::ikoon(48, "ok_48.png")),
                           wxDefaultPosition, du(24, 26));
    if (ShowToolTips())
    {
        niet->SetToolTip(_("This is not a button. You can sign off on the requirement using the designated button "
                           "(to the right)."));
        wel->SetToolTip(_("The requirement has been met."));
    }
    vlaggen->Add(niet, 0, wxALIGN_CENTER_VERTICAL | wxALL, du(1));
    vlaggen->Add(wel, 0, wxALIGN_CENTER_VERTICAL | wxALL, du(1));

    auto* rij = new wxBoxSizer(wxHORIZONTAL);
    raster->Add(rij, 0, wxALL, du(3));
    rij->Add(new wxStaticText(veldenGebied, wxID_STATIC, _("Inspection was done by:")), 0,
             wxALIGN_CENTER_VERTICAL | wxLEFT, du(3));
    aftekenaarCombo = maakPersoon(veldenGebied, ID_REKAFTEKENNAAM);
    rij->Add(aftekenaarCombo, 0, wxALIGN_CENTER_VERTICAL);
    rij->Add(new wxStaticText(veldenGebied, wxID_STATIC, _("on")), 0, wxALIGN_CENTER_VERTICAL | wxLEFT | wxRIGHT,
             du(3));
    afgetekendDatumKiezer = new wxDatePickerCtrl(veldenGebied, ID_REKAFTEKENDATUM, wxDateTime(), wxDefaultPosition,
                                                 wxDefaultSize, wxDP_DEFAULT);
    rij->Add(afgetekendDatumKiezer, 0, wxALIGN_CENTER_VERTICAL | wxLEFT | wxRIGHT, du(3));
    aftekenKnop = new wxBitmapButton(veldenGebied, ID_REKAFTEKENKNOP,
                                     GetBitmapResource(DesktopBeeldLader::ikoon(48, "hand_with_pen.png")));
    if (ShowToolTips())
        aftekenKnop->SetToolTip(_("Pressing this button signifies that you have inspected the requirement and that "
                                  "you are satisfied that the requirement has been met to the fullest extent."));
    rij->Add(aftekenKnop, 0, wxALIGN_CENTER_VERTICAL | wxLEFT | wxRIGHT, du(3));
}

void RekEigenschappenVenster::maakOnderRij(wxSizer* doel)
{
    auto* rij = new wxBoxSizer(wxHORIZONTAL);
    doel->Add(rij, 0, wxALIGN_CENTER_HORIZONTAL | wxALL, du(3));
    rij->Add(new wxBitmapButton(hoofdPaneel, ID_IMPORTEERREK,
                                GetBitmapResource(DesktopBeeldLader::ikoon(48, "download48.png"))),
             0, wxALIGN_CENTER_VERTICAL | wxALL, du(3));
    rij->Add(new wxBitmapButton(hoofdPaneel, ID_EXPORTEERREK,
                                GetBitmapResource(DesktopBeeldLader::ikoon(48, "upload48.png"))),
             0, wxALIGN_CENTER_VERTICAL | wxALL, du(3));
    rij->Add(new wxStaticLine(hoofdPaneel, wxID_STATIC, wxDefaultPosition, wxDefaultSize, wxLI_VERTICAL), 0, wxEXPAND);
    rij->Add(new wxStaticText(hoofdPaneel, wxID_STATIC, _("Status of this requirement:")), 0,
             wxALIGN_CENTER_VERTICAL | wxALL, du(3));
    const wxString niveaus[] = {_("In development."), _("Defined but not implemented."),
                                _("Implemented but not tested."), _("Tested but not signed off yet."),
                                _("Signed off and completed.")};
    statusKeuze = new wxChoice(hoofdPaneel, ID_REKSTATUS, wxDefaultPosition, wxDefaultSize, WXSIZEOF(niveaus), niveaus);
    rij->Add(statusKeuze, 0, wxALIGN_CENTER_VERTICAL | wxLEFT | wxRIGHT, du(3));
    rij->Add(new wxStaticLine(hoofdPaneel, wxID_STATIC, wxDefaultPosition, wxDefaultSize, wxLI_VERTICAL), 0,
             wxEXPAND | wxALL, du(3));

    auto* knoppen = new wxStdDialogButtonSizer;
    rij->Add(knoppen, 0, wxALIGN_CENTER_VERTICAL | wxALL, du(3));
    knoppen->AddButton(new wxButton(hoofdPaneel, wxID_OK, _("OK")));
    knoppen->AddButton(new wxButton(hoofdPaneel, wxID_CANCEL, _("Cancel")));
    knoppen->Realize();
}

// clang-format off
wxBEGIN_EVENT_TABLE(RekEigenschappenVenster, wxDialog)
    EVT_CLOSE(RekEigenschappenVenster::OnCloseWindow)
    EVT_IDLE(RekEigenschappenVenster::OnIdle)
    EVT_SHOW(RekEigenschappenVenster::OnShow)

    // The tool bar
    EVT_MENU(ID_LINKSUITLIJNING, RekEigenschappenVenster::OnLinksUitlijningIDClick)
    EVT_UPDATE_UI(ID_LINKSUITLIJNING, RekEigenschappenVenster::OnLinksUitlijningIDUpdate)
    EVT_MENU(ID_MIDDENUITLIJNING, RekEigenschappenVenster::OnMiddenUitlijningIDClick)
    EVT_UPDATE_UI(ID_MIDDENUITLIJNING, RekEigenschappenVenster::OnMiddenUitlijningIDUpdate)
    EVT_MENU(ID_RECHTSUITLIJNING, RekEigenschappenVenster::OnRechtsUitlijningIDClick)
    EVT_UPDATE_UI(ID_RECHTSUITLIJNING, RekEigenschappenVenster::OnRechtsUitlijningIDUpdate)
    EVT_MENU(ID_VOEGINMINDER, RekEigenschappenVenster::OnVoegInMinderIDClick)
    EVT_UPDATE_UI(ID_VOEGINMINDER, RekEigenschappenVenster::OnVoegInMinderIDUpdate)
    EVT_MENU(ID_VOEGINMEER, RekEigenschappenVenster::OnVoegInMeerIDClick)
    EVT_UPDATE_UI(ID_VOEGINMEER, RekEigenschappenVenster::OnVoegInMeerIDUpdate)
    EVT_MENU(ID_VERSIEDATUMSTEMPEL, RekEigenschappenVenster::OnVersieDatumStempelIDClick)
    EVT_UPDATE_UI(ID_VERSIEDATUMSTEMPEL, RekEigenschappenVenster::OnVersieDatumStempelIDUpdate)
    EVT_MENU(ID_DATUMTIJDSTEMPEL, RekEigenschappenVenster::OnDatumTijdStempelIDClick)
    EVT_UPDATE_UI(ID_DATUMTIJDSTEMPEL, RekEigenschappenVenster::OnDatumTijdStempelIDUpdate)
    EVT_MENU(ID_VOERSTDGEENIMPLANTWOORDUIT, RekEigenschappenVenster::OnVoerStdGeenImplAntwoordUitIDClick)
    EVT_UPDATE_UI(ID_VOERSTDGEENIMPLANTWOORDUIT, RekEigenschappenVenster::OnVoerStdGeenImplAntwoordUitIDUpdate)
    EVT_MENU(ID_VOEGTOESYMBOOL, RekEigenschappenVenster::OnVoegToeSymboolIDClick)
    EVT_UPDATE_UI(ID_VOEGTOESYMBOOL, RekEigenschappenVenster::OnVoegToeSymboolIDUpdate)
    EVT_MENU(ID_VOEGINURL, RekEigenschappenVenster::OnVoegInURLIDClick)
    EVT_UPDATE_UI(ID_VOEGINURL, RekEigenschappenVenster::OnVoegInURLIDUpdate)
    EVT_MENU(ID_VOEGINAFBEELDING, RekEigenschappenVenster::OnVoegInAfbeeldingIDClick)
    EVT_UPDATE_UI(ID_VOEGINAFBEELDING, RekEigenschappenVenster::OnVoegInAfbeeldingIDUpdate)
    EVT_MENU(ID_PLAATSTEKSTDOOS, RekEigenschappenVenster::OnPlaatsTekstDoosIDClick)
    EVT_UPDATE_UI(ID_PLAATSTEKSTDOOS, RekEigenschappenVenster::OnPlaatsTekstDoosIDUpdate)
    EVT_MENU(ID_VOEGMARKERSEKTIETOE, RekEigenschappenVenster::OnVoegMarkerSektieToeIDClick)
    EVT_UPDATE_UI(ID_VOEGMARKERSEKTIETOE, RekEigenschappenVenster::OnVoegMarkerSektieToeIDUpdate)
    EVT_MENU(ID_GENUMMERDELIJST, RekEigenschappenVenster::OnGenummerdeLijstIDClick)
    EVT_UPDATE_UI(ID_GENUMMERDELIJST, RekEigenschappenVenster::OnGenummerdeLijstIDUpdate)
    EVT_MENU(ID_KOGELLIJST, RekEigenschappenVenster::OnKogelLijstIDClick)
    EVT_UPDATE_UI(ID_KOGELLIJST, RekEigenschappenVenster::OnKogelLijstIDUpdate)
    EVT_MENU(wxID_BOLD, RekEigenschappenVenster::OnBoldClick)
    EVT_UPDATE_UI(wxID_BOLD, RekEigenschappenVenster::OnBoldUpdate)
    EVT_MENU(wxID_ITALIC, RekEigenschappenVenster::OnItalicClick)
    EVT_UPDATE_UI(wxID_ITALIC, RekEigenschappenVenster::OnItalicUpdate)
    EVT_MENU(wxID_UNDERLINE, RekEigenschappenVenster::OnUnderlineClick)
    EVT_UPDATE_UI(wxID_UNDERLINE, RekEigenschappenVenster::OnUnderlineUpdate)
    EVT_MENU(ID_STREEPDOOR, RekEigenschappenVenster::OnStreepDoorIDClick)
    EVT_UPDATE_UI(ID_STREEPDOOR, RekEigenschappenVenster::OnStreepDoorIDUpdate)
    EVT_MENU(ID_SUPERSCRIPT, RekEigenschappenVenster::OnSuperScriptIDClick)
    EVT_UPDATE_UI(ID_SUPERSCRIPT, RekEigenschappenVenster::OnSuperScriptIDUpdate)
    EVT_MENU(ID_SUBSCRIPT, RekEigenschappenVenster::OnSubScriptIDClick)
    EVT_UPDATE_UI(ID_SUBSCRIPT, RekEigenschappenVenster::OnSubScriptIDUpdate)
    EVT_MENU(ID_TEKSTKLEUR, RekEigenschappenVenster::OnTekstKleurIDClick)
    EVT_UPDATE_UI(ID_TEKSTKLEUR, RekEigenschappenVenster::OnTekstKleurIDUpdate)
    EVT_MENU(ID_ACHTERGRONDKLEUR, RekEigenschappenVenster::OnAchtergrondKleurIDClick)
    EVT_UPDATE_UI(ID_ACHTERGRONDKLEUR, RekEigenschappenVenster::OnAchtergrondKleurIDUpdate)
    EVT_MENU(ID_ZETFONT, RekEigenschappenVenster::OnZetFontIDClick)
    EVT_UPDATE_UI(ID_ZETFONT, RekEigenschappenVenster::OnZetFontIDUpdate)
    EVT_MENU(ID_VERGROOTFONT, RekEigenschappenVenster::OnVergrootFontIDClick)
    EVT_UPDATE_UI(ID_VERGROOTFONT, RekEigenschappenVenster::OnVergrootFontIDUpdate)
    EVT_MENU(ID_VERKLEINFONT, RekEigenschappenVenster::OnVerkleinFontIDClick)
    EVT_UPDATE_UI(ID_VERKLEINFONT, RekEigenschappenVenster::OnVerkleinFontIDUpdate)
    EVT_MENU(wxID_OPEN, RekEigenschappenVenster::OnOpenClick)
    EVT_UPDATE_UI(wxID_OPEN, RekEigenschappenVenster::OnOpenUpdate)
    EVT_MENU(wxID_SAVEAS, RekEigenschappenVenster::OnSaveasClick)
    EVT_UPDATE_UI(wxID_SAVEAS, RekEigenschappenVenster::OnSaveasUpdate)
    EVT_MENU(wxID_PRINT, RekEigenschappenVenster::OnPrintClick)
    EVT_UPDATE_UI(wxID_PRINT, RekEigenschappenVenster::OnPrintUpdate)

    // The controls
    EVT_TEXT(ID_REKTITEL, RekEigenschappenVenster::OnRekTitelIDTextUpdated)
    EVT_UPDATE_UI(ID_REKTITEL, RekEigenschappenVenster::OnRekTitelIDUpdate)
    EVT_DATE_CHANGED(ID_REKDATUM, RekEigenschappenVenster::OnRekDatumIDDateChanged)
    EVT_UPDATE_UI(ID_REKDATUM, RekEigenschappenVenster::OnRekDatumIDUpdate)
    EVT_SPINCTRL(ID_REKNUMMER, RekEigenschappenVenster::OnRekNummerIDUpdated)
    EVT_TEXT(ID_REKNUMMER, RekEigenschappenVenster::OnRekNummerIDTextUpdated)
    EVT_UPDATE_UI(ID_REKNUMMER, RekEigenschappenVenster::OnRekNummerIDUpdate)
    EVT_TEXT(ID_VERSIEINVOER, RekEigenschappenVenster::OnVersieInvoerIDTextUpdated)
    EVT_UPDATE_UI(ID_VERSIEINVOER, RekEigenschappenVenster::OnVersieInvoerIDUpdate)
    EVT_SLIDER(ID_REKPRIORITEIT, RekEigenschappenVenster::OnRekPrioriteitIDUpdated)
    EVT_CHOICE(ID_REKTYPE, RekEigenschappenVenster::OnRekTypeIDSelected)
    EVT_CHOICE(ID_REKFUNKTIONEELTYPE, RekEigenschappenVenster::OnRekFunktioneelTypeIDSelected)
    EVT_SPINCTRL(ID_REKTOTALEKOSTEN, RekEigenschappenVenster::OnRekTotaleKostenIDUpdated)
    EVT_SPIN_UP(ID_REKTOTALEKOSTEN, RekEigenschappenVenster::OnRekTotaleKostenIDUp)
    EVT_SPIN_DOWN(ID_REKTOTALEKOSTEN, RekEigenschappenVenster::OnRekTotaleKostenIDDown)
    EVT_TEXT(ID_REKTOTALEKOSTEN, RekEigenschappenVenster::OnRekTotaleKostenIDTextUpdated)
    EVT_UPDATE_UI(ID_REKTOTALEKOSTEN, RekEigenschappenVenster::OnRekTotaleKostenIDUpdate)
    EVT_COMBOBOX(ID_AUTEURKEUZE, RekEigenschappenVenster::OnAuteurKeuzeIDSelected)
    EVT_TEXT(ID_AUTEURKEUZE, RekEigenschappenVenster::OnAuteurKeuzeIDUpdated)
    EVT_UPDATE_UI(ID_AUTEURKEUZE, RekEigenschappenVenster::OnAuteurKeuzeIDUpdate)
    EVT_BUTTON(ID_REKEIGENSCHAPPENSTATUS, RekEigenschappenVenster::OnRekEigenschappenStatusIDClick)
    EVT_UPDATE_UI(ID_REKEIGENSCHAPPENSTATUS, RekEigenschappenVenster::OnRekEigenschappenStatusIDUpdate)
    EVT_COLLAPSIBLEPANE_CHANGED(ID_REKEIGENSCHAPPENINKLAP, RekEigenschappenVenster::OnRekEigenschappenInklapIDPaneChanged)
    EVT_UPDATE_UI(ID_REKEIGENSCHAPPENINKLAP, RekEigenschappenVenster::OnRekEigenschappenInklapIDUpdate)
    EVT_TEXT(ID_REKEIGENSCHAPPEN, RekEigenschappenVenster::OnRekEigenschappenIDTextUpdated)
    EVT_TEXT_URL(ID_REKEIGENSCHAPPEN, RekEigenschappenVenster::OnRekEigenschappenIDClickUrl)
    EVT_UPDATE_UI(ID_REKEIGENSCHAPPEN, RekEigenschappenVenster::OnRekEigenschappenIDUpdate)
    EVT_COMBOBOX(ID_IMPLEMENTATIEINGENIEURKEUZE, RekEigenschappenVenster::OnImplementatieIngenieurKeuzeIDSelected)
    EVT_TEXT(ID_IMPLEMENTATIEINGENIEURKEUZE, RekEigenschappenVenster::OnImplementatieIngenieurKeuzeIDUpdated)
    EVT_UPDATE_UI(ID_IMPLEMENTATIEINGENIEURKEUZE, RekEigenschappenVenster::OnImplementatieIngenieurKeuzeIDUpdate)
    EVT_BUTTON(ID_REKIMPLEMENTATIESTATUS, RekEigenschappenVenster::OnRekImplementatieStatusIDClick)
    EVT_UPDATE_UI(ID_REKIMPLEMENTATIESTATUS, RekEigenschappenVenster::OnRekImplementatieStatusIDUpdate)
    EVT_COLLAPSIBLEPANE_CHANGED(ID_REKIMPLEMENTATIEINKLAP, RekEigenschappenVenster::OnRekImplementatieInklapIDPaneChanged)
    EVT_UPDATE_UI(ID_REKIMPLEMENTATIEINKLAP, RekEigenschappenVenster::OnRekImplementatieInklapIDUpdate)
    EVT_TEXT(ID_REKIMPLEMENTATIEMETHODE, RekEigenschappenVenster::OnRekImplementatieMethodeIDTextUpdated)
    EVT_TEXT_URL(ID_REKIMPLEMENTATIEMETHODE, RekEigenschappenVenster::OnRekImplementatieMethodeIDClickUrl)
    EVT_UPDATE_UI(ID_REKIMPLEMENTATIEMETHODE, RekEigenschappenVenster::OnRekImplementatieMethodeIDUpdate)
    EVT_COMBOBOX(ID_TESTINGENIEURKEUZE, RekEigenschappenVenster::OnTestIngenieurKeuzeIDSelected)
    EVT_TEXT(ID_TESTINGENIEURKEUZE, RekEigenschappenVenster::OnTestIngenieurKeuzeIDUpdated)
    EVT_UPDATE_UI(ID_TESTINGENIEURKEUZE, RekEigenschappenVenster::OnTestIngenieurKeuzeIDUpdate)
    EVT_BUTTON(ID_REKTESTSTATUS, RekEigenschappenVenster::OnRekTestStatusIDClick)
    EVT_UPDATE_UI(ID_REKTESTSTATUS, RekEigenschappenVenster::OnRekTestStatusIDUpdate)
    EVT_COLLAPSIBLEPANE_CHANGED(ID_REKTESTINKLAP, RekEigenschappenVenster::OnRekTestInklapIDPaneChanged)
    EVT_UPDATE_UI(ID_REKTESTINKLAP, RekEigenschappenVenster::OnRekTestInklapIDUpdate)
    EVT_TEXT(ID_REKTESTMETHODE, RekEigenschappenVenster::OnRekTestMethodeIDTextUpdated)
    EVT_TEXT_URL(ID_REKTESTMETHODE, RekEigenschappenVenster::OnRekTestMethodeIDClickUrl)
    EVT_UPDATE_UI(ID_REKTESTMETHODE, RekEigenschappenVenster::OnRekTestMethodeIDUpdate)
    EVT_TEXT(ID_REKTESTLOGBOEK, RekEigenschappenVenster::OnRekTestLogboekIDTextUpdated)
    EVT_TEXT_URL(ID_REKTESTLOGBOEK, RekEigenschappenVenster::OnRekTestLogboekIDClickUrl)
    EVT_UPDATE_UI(ID_REKTESTLOGBOEK, RekEigenschappenVenster::OnRekTestLogboekIDUpdate)
    EVT_BUTTON(wxID_HOME, RekEigenschappenVenster::OnHomeClick)
    EVT_UPDATE_UI(wxID_HOME, RekEigenschappenVenster::OnHomeUpdate)
    EVT_BUTTON(ID_GANAARDOKUMENTENDIR, RekEigenschappenVenster::OnGaNaarDokumentenDirIDClick)
    EVT_UPDATE_UI(ID_GANAARDOKUMENTENDIR, RekEigenschappenVenster::OnGaNaarDokumentenDirIDUpdate)
    EVT_FILEPICKER_CHANGED(ID_REFERENTIELINK, RekEigenschappenVenster::OnReferentieLinkIDFilePickerChanged)
    EVT_BUTTON(ID_OPENINBROWSER, RekEigenschappenVenster::OnOpenInBrowserIDClick)
    EVT_UPDATE_UI(ID_OPENINBROWSER, RekEigenschappenVenster::OnOpenInBrowserIDUpdate)
    EVT_BUTTON(ID_OPENINFINDER, RekEigenschappenVenster::OnOpenInFinderIDClick)
    EVT_UPDATE_UI(ID_OPENINFINDER, RekEigenschappenVenster::OnOpenInFinderIDUpdate)
    EVT_COLLAPSIBLEPANE_CHANGED(ID_REKKOMMENTAARINKLAP, RekEigenschappenVenster::OnRekKommentaarInklapIDPaneChanged)
    EVT_UPDATE_UI(ID_REKKOMMENTAARINKLAP, RekEigenschappenVenster::OnRekKommentaarInklapIDUpdate)
    EVT_TEXT(ID_REKKOMMENTAAR, RekEigenschappenVenster::OnRekKommentaarIDTextUpdated)
    EVT_TEXT_URL(ID_REKKOMMENTAAR, RekEigenschappenVenster::OnRekKommentaarIDClickUrl)
    EVT_UPDATE_UI(ID_REKKOMMENTAAR, RekEigenschappenVenster::OnRekKommentaarIDUpdate)
    EVT_COMBOBOX(ID_REKAFTEKENNAAM, RekEigenschappenVenster::OnRekAftekenNaamIDSelected)
    EVT_TEXT(ID_REKAFTEKENNAAM, RekEigenschappenVenster::OnRekAftekenNaamIDUpdated)
    EVT_UPDATE_UI(ID_REKAFTEKENNAAM, RekEigenschappenVenster::OnRekAftekenNaamIDUpdate)
    EVT_DATE_CHANGED(ID_REKAFTEKENDATUM, RekEigenschappenVenster::OnRekAftekenDatumIDDateChanged)
    EVT_UPDATE_UI(ID_REKAFTEKENDATUM, RekEigenschappenVenster::OnRekAftekenDatumIDUpdate)
    EVT_BUTTON(ID_REKAFTEKENKNOP, RekEigenschappenVenster::OnRekAftekenKnopIDClick)
    EVT_UPDATE_UI(ID_REKAFTEKENKNOP, RekEigenschappenVenster::OnRekAftekenKnopIDUpdate)
    EVT_BUTTON(ID_IMPORTEERREK, RekEigenschappenVenster::OnImporteerRekIDClick)
    EVT_UPDATE_UI(ID_IMPORTEERREK, RekEigenschappenVenster::OnImporteerRekIDUpdate)
    EVT_BUTTON(ID_EXPORTEERREK, RekEigenschappenVenster::OnExporteerRekIDClick)
    EVT_UPDATE_UI(ID_EXPORTEERREK, RekEigenschappenVenster::OnExporteerRekIDUpdate)
    EVT_CHOICE(ID_REKSTATUS, RekEigenschappenVenster::OnRekStatusIDSelected)
    EVT_UPDATE_UI(ID_REKSTATUS, RekEigenschappenVenster::OnRekStatusIDUpdate)
    EVT_BUTTON(wxID_OK, RekEigenschappenVenster::OnOkClick)
    EVT_UPDATE_UI(wxID_OK, RekEigenschappenVenster::OnOkUpdate)
wxEND_EVENT_TABLE()
    // clang-format on
