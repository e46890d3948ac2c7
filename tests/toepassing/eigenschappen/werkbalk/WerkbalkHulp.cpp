#include "tests/toepassing/eigenschappen/werkbalk/WerkbalkHulp.h"

#include "tests/ondersteuning/DialoogBeantwoorder.h"
#include "tests/ondersteuning/GuiHulp.h"
#include "tests/ondersteuning/TestOmgeving.h"

void TussendoorBeantwoorder::doeTussendoor() const
{
    if (tussendoor)
        tussendoor();
}

int TussendoorBeantwoorder::stelVraag(const wxString& bericht, const wxString& titel, long stijl, wxWindow* ouder,
                                      const Knoppen& knoppen)
{
    doeTussendoor();
    return VraagBeantwoorder::stelVraag(bericht, titel, stijl, ouder, knoppen);
}

DesktopVraag::GekozenBestand TussendoorBeantwoorder::kiesBestandEnFilter(const wxString& bericht,
                                                                         const wxString& standaardMap,
                                                                         const wxString& standaardNaam,
                                                                         const wxString& wildcard, long stijl,
                                                                         wxWindow* ouder)
{
    doeTussendoor();
    return VraagBeantwoorder::kiesBestandEnFilter(bericht, standaardMap, standaardNaam, wildcard, stijl, ouder);
}

std::optional<wxString> TussendoorBeantwoorder::vraagTekst(const wxString& bericht, const wxString& titel,
                                                           const wxString& voorstel, wxWindow* ouder)
{
    doeTussendoor();
    return VraagBeantwoorder::vraagTekst(bericht, titel, voorstel, ouder);
}

std::optional<long> TussendoorBeantwoorder::vraagGetal(const wxString& bericht, const wxString& prompt,
                                                       const wxString& titel, long voorstel, long min, long max,
                                                       wxWindow* ouder)
{
    doeTussendoor();
    return VraagBeantwoorder::vraagGetal(bericht, prompt, titel, voorstel, min, max, ouder);
}

std::optional<wxColour> TussendoorBeantwoorder::kiesKleur(const wxColour& begin, const wxString& titel, wxWindow* ouder)
{
    doeTussendoor();
    return VraagBeantwoorder::kiesKleur(begin, titel, ouder);
}

std::optional<wxFont> TussendoorBeantwoorder::kiesFont(const wxFont& begin, const wxString& titel, wxWindow* ouder)
{
    doeTussendoor();
    return VraagBeantwoorder::kiesFont(begin, titel, ouder);
}

std::optional<DesktopVraag::Symbool> TussendoorBeantwoorder::kiesSymbool(const wxString& symbool,
                                                                         const wxString& fontNaam,
                                                                         const wxString& normaleFont,
                                                                         const wxString& titel, wxWindow* ouder)
{
    doeTussendoor();
    return VraagBeantwoorder::kiesSymbool(symbool, fontNaam, normaleFont, titel, ouder);
}

void WerkbalkTest::SetUp()
{
    DialoogTest::SetUp();
    registreerFormaten();
}

Requirement inOntwikkeling()
{
    Requirement rek;
    rek.naam = "Door sensor";
    rek.SR = 12;
    rek.versie = "2.1";
    rek.datum = wxDateTime(5, wxDateTime::Dec, 2026);
    rek.status = Requirement::StatusOntwikkeling;
    rek.implementatie = alsRijk("Reed contact.");
    return rek;
}

RekEigenschappenVenster& WerkbalkTest::toon(const Requirement& rek)
{
    RekEigenschappenVenster& dialoog = open(rek);
    // Every field in view, as a user opens the sections.
    for (wxCollapsiblePane* sektie : {&beschrijvingPaneel(dialoog), &implementatiePaneel(dialoog), &testPaneel(dialoog),
                                      &kommentaarPaneel(dialoog)})
        sektie->Expand();
    dialoog.Fit();
    dialoog.Show();
    EXPECT_TRUE(wachtOp([&] { return dialoog.IsShownOnScreen(); }));
    return dialoog;
}

void WerkbalkTest::geefFocus(wxWindow& venster)
{
    venster.SetFocus();
    EXPECT_TRUE(wachtOp([&] { return venster.HasFocus(); })) << "no focus for " << venster.GetLabel();
}

bool WerkbalkTest::isAan(int id)
{
    return isControlIngeschakeld(d(), id);
}

void WerkbalkTest::klikWerktuig(int id)
{
    wxCommandEvent klik(wxEVT_TOOL, id);
    klik.SetEventObject(&werkBalk(d()));
    werkBalk(d()).GetEventHandler()->ProcessEvent(klik);
}

void WerkbalkTest::gebruik(wxRichTextCtrl& rijk, int id)
{
    geefFocus(rijk);
    // The passes of every tool, as at idle time: save as and print take
    // the editor the others chose.
    d().UpdateWindowUI(wxUPDATE_UI_RECURSE);
    EXPECT_TRUE(isAan(id)) << "tool " << id << " is disabled";
    klikWerktuig(id);
}

void WerkbalkTest::neemFocusWeg()
{
    geefFocus(naamTekst(d()));
    d().UpdateWindowUI(wxUPDATE_UI_RECURSE);
    // No editor left for the tools: saving one is off.
    EXPECT_FALSE(isAan(wxID_SAVEAS));
}

void WerkbalkTest::neemFocusWegBijElkeVraag()
{
    vragen.tussendoor = [this] { neemFocusWeg(); };
}

wxRichTextAttr stijlOp(wxRichTextCtrl& rijk, long positie)
{
    wxRichTextAttr stijl;
    EXPECT_TRUE(rijk.GetStyle(positie, stijl)) << positie;
    return stijl;
}

wxRichTextAttr alineaStijlOp(wxRichTextCtrl& rijk, long positie)
{
    wxRichTextParagraph* alinea = rijk.GetBuffer().GetParagraphAtPosition(positie);
    return alinea ? alinea->GetAttributes() : wxRichTextAttr();
}
