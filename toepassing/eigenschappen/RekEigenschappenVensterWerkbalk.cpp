// The rich-text tool bar of the properties dialog: which editor it acts on,
// when each tool is enabled, and the formatting tools. Every tool acts on
// the current editor, the one of the five that has the focus (huidigeRijk).
//
// The focus tests of the tools:
// - formatting (alignment, indent, lists, bold, italic, underline, colours,
//   font) and what inserts formatted content or objects (symbol, URL,
//   image, text box, marker section): rijkHeeftFokusEnOpmaak;
// - strike-through, superscript, subscript, enlarge and reduce text, which
//   need a selection: rijkHeeftFokusEnSelektieEnOpmaak;
// - the stamps, the standard text and open: rijkHeeftFokusEnEdit;
// - save as and print: huidigeRijk set and not empty (they do not choose).
// The remarks are stored as plain text, so the tests of formatting refuse
// that editor: what is formatted there would be lost on OK.
//
// A tool takes the current editor once, as it starts (neemRijkVoor...), and
// keeps to it: while one of its dialogs is up, the dialog has the focus and
// the update passes, which go on, make huidigeRijk null.
#include "swexternals/desktop/DesktopVraag.h"
#include "toepassing/eigenschappen/RekEigenschappenVenster.h"

#include <algorithm>
#include <wx/richtext/richtextctrl.h>
#include <wx/richtext/richtextformatdlg.h>
#include <wx/toolbar.h>

namespace
{
// Tenths of a millimetre.
const int inspringStap = 36;
// Reducing stops here, in points.
const int kleinsteFont = 7;

bool isLijstItem(const wxRichTextAttr& stijl)
{
    return stijl.HasFlag(wxTEXT_ATTR_BULLET_STYLE) || stijl.HasFlag(wxTEXT_ATTR_BULLET_NUMBER);
}

// The range a paragraph tool changes without a selection: the line of the
// caret.
wxRichTextRange geefRegelBereik(const wxRichTextCtrl& rijk, long positie)
{
    long kolom = 0;
    long regel = 0;
    if (!rijk.PositionToXY(positie, &kolom, &regel))
        return wxRichTextRange(positie, positie);
    return wxRichTextRange(positie - kolom, positie - kolom + rijk.GetLineLength(regel));
}
} // namespace

// --- The current editor ---

wxRichTextCtrl* RekEigenschappenVenster::kiesHuidigeRijk()
{
    huidigeRijk = nullptr;
    for (int i = 0; i < aantalRijkVelden && !huidigeRijk; ++i)
        if (geefRijk(i)->HasFocus())
            huidigeRijk = geefRijk(i);
    return huidigeRijk;
}

bool RekEigenschappenVenster::magOpmaken(const wxRichTextCtrl* rijk) const
{
    return rijk && rijk != kommentaarRijk && rijk->IsEditable();
}

wxRichTextCtrl* RekEigenschappenVenster::neemRijkVoorOpmaak() const
{
    return magOpmaken(huidigeRijk) ? huidigeRijk : nullptr;
}

wxRichTextCtrl* RekEigenschappenVenster::neemRijkVoorInvoer() const
{
    return huidigeRijk && huidigeRijk->IsEditable() ? huidigeRijk : nullptr;
}

void RekEigenschappenVenster::rijkHeeftFokus(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(kiesHuidigeRijk() != nullptr);
}

void RekEigenschappenVenster::rijkHeeftFokusEnSelektie(wxUpdateUIEvent& gebeurtenis)
{
    const wxRichTextCtrl* rijk = kiesHuidigeRijk();
    gebeurtenis.Enable(rijk && rijk->HasSelection());
}

void RekEigenschappenVenster::rijkHeeftFokusEnEdit(wxUpdateUIEvent& gebeurtenis)
{
    const wxRichTextCtrl* rijk = kiesHuidigeRijk();
    gebeurtenis.Enable(rijk && rijk->IsEditable());
}

void RekEigenschappenVenster::rijkHeeftFokusEnSelektieEnEdit(wxUpdateUIEvent& gebeurtenis)
{
    const wxRichTextCtrl* rijk = kiesHuidigeRijk();
    gebeurtenis.Enable(rijk && rijk->HasSelection() && rijk->IsEditable());
}

void RekEigenschappenVenster::rijkHeeftFokusEnOpmaak(wxUpdateUIEvent& gebeurtenis)
{
    gebeurtenis.Enable(magOpmaken(kiesHuidigeRijk()));
}

void RekEigenschappenVenster::rijkHeeftFokusEnSelektieEnOpmaak(wxUpdateUIEvent& gebeurtenis)
{
    const wxRichTextCtrl* rijk = kiesHuidigeRijk();
    gebeurtenis.Enable(magOpmaken(rijk) && rijk->HasSelection());
}

// The check tools show the style that typed text gets in the current
// editor; without one they keep what they showed.
void RekEigenschappenVenster::zetDrukWerktuigen()
{
    if (!huidigeRijk || !werkBalk)
        return;
    const wxRichTextAttr stijl = huidigeRijk->GetDefaultStyleEx();
    const int effekten = stijl.GetTextEffects();
    werkBalk->ToggleTool(wxID_BOLD, stijl.GetFontWeight() == wxFONTWEIGHT_BOLD);
    werkBalk->ToggleTool(wxID_ITALIC, stijl.GetFontStyle() == wxFONTSTYLE_ITALIC);
    werkBalk->ToggleTool(wxID_UNDERLINE, stijl.GetFontUnderlined());
    werkBalk->ToggleTool(ID_STREEPDOOR, (effekten & wxTEXT_ATTR_EFFECT_STRIKETHROUGH) != 0);
    werkBalk->ToggleTool(ID_SUPERSCRIPT, (effekten & wxTEXT_ATTR_EFFECT_SUPERSCRIPT) != 0);
    werkBalk->ToggleTool(ID_SUBSCRIPT, (effekten & wxTEXT_ATTR_EFFECT_SUBSCRIPT) != 0);
}

void RekEigenschappenVenster::OnSetFocus(wxFocusEvent& gebeurtenis)
{
    gebeurtenis.Skip();
}

// --- Alignment and indentation ---

void RekEigenschappenVenster::zetUitlijning(wxTextAttrAlignment uitlijning)
{
    wxRichTextCtrl* rijk = neemRijkVoorOpmaak();
    if (!rijk)
        return;
    rijk->ApplyAlignmentToSelection(uitlijning);
    wijzig();
}

// A list item moves one level (up for less, down for more) and the list is
// numbered anew; any other paragraph moves its left indent by one step, never
// below 0, and starts its following lines there too. Only the indent
// changes: the text keeps its own formatting.
void RekEigenschappenVenster::verschuifInspringing(int stap)
{
    wxRichTextCtrl* rijk = neemRijkVoorOpmaak();
    if (!rijk)
        return;
    const long positie = rijk->GetInsertionPoint();
    wxRichTextAttr stijl;
    if (!rijk->GetStyle(positie, stijl))
        return;
    const wxRichTextRange bereik = rijk->HasSelection() ? rijk->GetSelectionRange() : geefRegelBereik(*rijk, positie);
    if (isLijstItem(stijl))
    {
        rijk->PromoteList(stap < 0 ? 1 : -1, bereik, static_cast<wxRichTextListStyleDefinition*>(nullptr),
                          wxRICHTEXT_SETSTYLE_WITH_UNDO | wxRICHTEXT_SETSTYLE_RENUMBER, -1);
    }
    else
    {
        wxRichTextAttr inspringing;
        inspringing.SetLeftIndent(std::max(0, static_cast<int>(stijl.GetLeftIndent()) + stap), 0);
        rijk->SetStyle(bereik, inspringing);
    }
    wijzig();
}

void RekEigenschappenVenster::OnLinksUitlijningIDClick(wxCommandEvent&)
{
    zetUitlijning(wxTEXT_ALIGNMENT_LEFT);
}

void RekEigenschappenVenster::OnLinksUitlijningIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    rijkHeeftFokusEnOpmaak(gebeurtenis);
}

void RekEigenschappenVenster::OnMiddenUitlijningIDClick(wxCommandEvent&)
{
    zetUitlijning(wxTEXT_ALIGNMENT_CENTRE);
}

void RekEigenschappenVenster::OnMiddenUitlijningIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    rijkHeeftFokusEnOpmaak(gebeurtenis);
}

void RekEigenschappenVenster::OnRechtsUitlijningIDClick(wxCommandEvent&)
{
    zetUitlijning(wxTEXT_ALIGNMENT_RIGHT);
}

void RekEigenschappenVenster::OnRechtsUitlijningIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    rijkHeeftFokusEnOpmaak(gebeurtenis);
}

void RekEigenschappenVenster::OnVoegInMinderIDClick(wxCommandEvent&)
{
    verschuifInspringing(-inspringStap);
}

void RekEigenschappenVenster::OnVoegInMinderIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    rijkHeeftFokusEnOpmaak(gebeurtenis);
}

void RekEigenschappenVenster::OnVoegInMeerIDClick(wxCommandEvent&)
{
    verschuifInspringing(inspringStap);
}

void RekEigenschappenVenster::OnVoegInMeerIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    rijkHeeftFokusEnOpmaak(gebeurtenis);
}

// --- Lists ---

// The selected paragraphs, or the caret's, become a list of this style; a
// list of either kind is taken away instead.
void RekEigenschappenVenster::zetLijst(const wxString& stijlNaam, int vlaggen)
{
    wxRichTextCtrl* rijk = neemRijkVoorOpmaak();
    if (!rijk)
        return;
    wxRichTextRange bereik;
    if (rijk->HasSelection())
        bereik = rijk->GetSelectionRange();
    else
    {
        const long positie = rijk->GetInsertionPoint();
        bereik = wxRichTextRange(positie, positie + 1);
    }
    wxRichTextAttr stijl;
    (void)rijk->GetStyleForRange(bereik, stijl);
    if (stijl.GetBulletStyle() != wxTEXT_ATTR_BULLET_STYLE_NONE)
        rijk->ClearListStyle(bereik, wxRICHTEXT_SETSTYLE_WITH_UNDO);
    else
        rijk->SetListStyle(bereik, stijlNaam, vlaggen, 1, -1);
    wijzig();
}

void RekEigenschappenVenster::OnGenummerdeLijstIDClick(wxCommandEvent&)
{
    zetLijst(nummerlijst, wxRICHTEXT_SETSTYLE_WITH_UNDO | wxRICHTEXT_SETSTYLE_RENUMBER);
}

void RekEigenschappenVenster::OnGenummerdeLijstIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    rijkHeeftFokusEnOpmaak(gebeurtenis);
}

void RekEigenschappenVenster::OnKogelLijstIDClick(wxCommandEvent&)
{
    zetLijst(kogellijst, wxRICHTEXT_SETSTYLE_WITH_UNDO);
}

void RekEigenschappenVenster::OnKogelLijstIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    rijkHeeftFokusEnOpmaak(gebeurtenis);
}

// --- Character formatting ---

// Without a selection these change what is typed next, which is no change
// of the requirement yet.
void RekEigenschappenVenster::OnBoldClick(wxCommandEvent&)
{
    wxRichTextCtrl* rijk = neemRijkVoorOpmaak();
    if (!rijk)
        return;
    rijk->ApplyBoldToSelection();
    if (rijk->HasSelection())
        wijzig();
}

void RekEigenschappenVenster::OnBoldUpdate(wxUpdateUIEvent& gebeurtenis)
{
    rijkHeeftFokusEnOpmaak(gebeurtenis);
}

void RekEigenschappenVenster::OnItalicClick(wxCommandEvent&)
{
    wxRichTextCtrl* rijk = neemRijkVoorOpmaak();
    if (!rijk)
        return;
    rijk->ApplyItalicToSelection();
    if (rijk->HasSelection())
        wijzig();
}

void RekEigenschappenVenster::OnItalicUpdate(wxUpdateUIEvent& gebeurtenis)
{
    rijkHeeftFokusEnOpmaak(gebeurtenis);
}

void RekEigenschappenVenster::OnUnderlineClick(wxCommandEvent&)
{
    wxRichTextCtrl* rijk = neemRijkVoorOpmaak();
    if (!rijk)
        return;
    rijk->ApplyUnderlineToSelection();
    if (rijk->HasSelection())
        wijzig();
}

void RekEigenschappenVenster::OnUnderlineUpdate(wxUpdateUIEvent& gebeurtenis)
{
    rijkHeeftFokusEnOpmaak(gebeurtenis);
}

void RekEigenschappenVenster::zetTekstEffekt(int effekt, bool)
{
    wxRichTextCtrl* rijk = neemRijkVoorOpmaak();
    if (!rijk)
        return;
    rijk->ApplyTextEffectToSelection(effekt);
    if (rijk->HasSelection())
        wijzig();
}

void RekEigenschappenVenster::OnStreepDoorIDClick(wxCommandEvent&)
{
    zetTekstEffekt(wxTEXT_ATTR_EFFECT_STRIKETHROUGH, true);
}

void RekEigenschappenVenster::OnStreepDoorIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    rijkHeeftFokusEnSelektieEnOpmaak(gebeurtenis);
}

void RekEigenschappenVenster::OnSuperScriptIDClick(wxCommandEvent&)
{
    zetTekstEffekt(wxTEXT_ATTR_EFFECT_SUPERSCRIPT, true);
}

void RekEigenschappenVenster::OnSuperScriptIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    rijkHeeftFokusEnSelektieEnOpmaak(gebeurtenis);
}

void RekEigenschappenVenster::OnSubScriptIDClick(wxCommandEvent&)
{
    zetTekstEffekt(wxTEXT_ATTR_EFFECT_SUBSCRIPT, true);
}

void RekEigenschappenVenster::OnSubScriptIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    rijkHeeftFokusEnSelektieEnOpmaak(gebeurtenis);
}

// --- Colours ---

// A selection gets the colour chosen (the dialog opens on none) and is let
// go; without one, the text typed next gets it (the dialog opens on its
// colour now). The editor gets the focus back either way.
void RekEigenschappenVenster::zetKleur(bool achtergrond)
{
    wxRichTextCtrl* rijk = neemRijkVoorOpmaak();
    if (!rijk)
        return;
    if (rijk->HasSelection())
    {
        const wxRichTextRange bereik = rijk->GetSelectionRange();
        const std::optional<wxColour> kleur = DesktopVraag::geef().kiesKleur(wxColour(), wxEmptyString, this);
        if (kleur)
        {
            wxRichTextAttr stijl;
            if (achtergrond)
                stijl.SetBackgroundColour(*kleur);
            else
                stijl.SetTextColour(*kleur);
            rijk->SetStyleEx(bereik, stijl, wxRICHTEXT_SETSTYLE_WITH_UNDO);
            rijk->SelectNone();
            wijzig();
        }
    }
    else
    {
        wxRichTextAttr stijl = rijk->GetDefaultStyleEx();
        const wxColour nu = achtergrond ? stijl.GetBackgroundColour() : stijl.GetTextColour();
        const std::optional<wxColour> kleur = DesktopVraag::geef().kiesKleur(nu, wxEmptyString, this);
        if (kleur)
        {
            if (achtergrond)
                stijl.SetBackgroundColour(*kleur);
            else
                stijl.SetTextColour(*kleur);
            rijk->SetDefaultStyle(stijl);
        }
    }
    rijk->SetFocus();
}

void RekEigenschappenVenster::OnTekstKleurIDClick(wxCommandEvent&)
{
    zetKleur(false);
}

void RekEigenschappenVenster::OnTekstKleurIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    rijkHeeftFokusEnOpmaak(gebeurtenis);
}

void RekEigenschappenVenster::OnAchtergrondKleurIDClick(wxCommandEvent&)
{
    zetKleur(true);
}

void RekEigenschappenVenster::OnAchtergrondKleurIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    rijkHeeftFokusEnOpmaak(gebeurtenis);
}

// --- Font ---

// The font page of the rich-text formatting dialog, on the style the
// selection has in common.
void RekEigenschappenVenster::zetFontVanSelektie(wxRichTextCtrl* rijk)
{
    const wxRichTextRange bereik = rijk->GetSelectionRange();
    wxRichTextFormattingDialog opmaak(wxRICHTEXT_FORMAT_FONT, this, _("Formatting"), wxID_ANY, wxDefaultPosition,
                                      wxDefaultSize, wxDEFAULT_DIALOG_STYLE);
    opmaak.SetOptions(wxRichTextFormattingDialog::Option_AllowPixelFontSize);
    opmaak.GetStyle(rijk, bereik);
    if (opmaak.ShowModal() != wxID_OK)
        return;
    opmaak.ApplyStyle(rijk, bereik,
                      wxRICHTEXT_SETSTYLE_WITH_UNDO | wxRICHTEXT_SETSTYLE_OPTIMIZE |
                          wxRICHTEXT_SETSTYLE_CHARACTERS_ONLY);
    wijzig();
}

// The font of the text typed next, chosen from the editor's own font.
void RekEigenschappenVenster::zetFontVoorInvoer(wxRichTextCtrl* rijk)
{
    const std::optional<wxFont> font = DesktopVraag::geef().kiesFont(rijk->GetFont(), wxEmptyString, this);
    if (!font || !font->IsOk())
        return;
    wxRichTextAttr stijl(rijk->GetDefaultStyle());
    stijl.GetFontAttributes(*font, wxTEXT_ATTR_FONT & ~wxTEXT_ATTR_FONT_PIXEL_SIZE);
    rijk->SetDefaultStyle(stijl);
}

void RekEigenschappenVenster::OnZetFontIDClick(wxCommandEvent&)
{
    wxRichTextCtrl* rijk = neemRijkVoorOpmaak();
    if (!rijk)
        return;
    if (rijk->HasSelection())
        zetFontVanSelektie(rijk);
    else
        zetFontVoorInvoer(rijk);
    rijk->SetFocus();
}

void RekEigenschappenVenster::OnZetFontIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    rijkHeeftFokusEnOpmaak(gebeurtenis);
}

// The whole selection gets one size: the size it has in common (or that of
// its start) one point up or down; reducing stops at 7 points.
void RekEigenschappenVenster::veranderFontGrootte(int stap)
{
    wxRichTextCtrl* rijk = neemRijkVoorOpmaak();
    if (!rijk || !rijk->HasSelection())
        return;
    const wxRichTextRange bereik = rijk->GetSelectionRange();
    wxRichTextAttr stijl;
    (void)rijk->GetStyleForRange(bereik, stijl);
    const int grootte = stijl.GetFontSize();
    // No size to start from: nothing sensible to step from.
    if (grootte <= 0)
        return;
    const int nieuw = stap > 0 ? grootte + stap : (grootte > kleinsteFont ? grootte + stap : grootte);
    stijl.SetFontPointSize(nieuw);
    rijk->SetStyle(bereik, stijl);
    wijzig();
}

void RekEigenschappenVenster::OnVergrootFontIDClick(wxCommandEvent&)
{
    veranderFontGrootte(1);
}

void RekEigenschappenVenster::OnVergrootFontIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    rijkHeeftFokusEnSelektieEnOpmaak(gebeurtenis);
}

void RekEigenschappenVenster::OnVerkleinFontIDClick(wxCommandEvent&)
{
    veranderFontGrootte(-1);
}

void RekEigenschappenVenster::OnVerkleinFontIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    rijkHeeftFokusEnSelektieEnOpmaak(gebeurtenis);
}
