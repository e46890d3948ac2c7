// The rich-text tool bar of the properties dialog. Every tool acts on the
// current editor, the one of the five that has the focus (huidigeRijk).
//
// The bar, its pictures, its pop-up menu items and the choice of the current
// editor are here; the tools themselves are not yet: each is disabled by its
// update handler while it keeps the current editor in step. Each tool's
// update handler takes one focus test when its work is there:
// - formatting (alignment, indent, lists, bold, italic, underline, colours,
//   font) and what inserts formatted content or objects (symbol, URL,
//   image, text box, marker section): rijkHeeftFokusEnOpmaak;
// - strike-through, superscript, subscript, enlarge and reduce text, which
//   need a selection: rijkHeeftFokusEnSelektieEnOpmaak;
// - the stamps, the standard text and open: rijkHeeftFokusEnEdit;
// - save as and print: huidigeRijk set and not empty (they do not choose).
// The remarks are stored as plain text, so the tests of formatting refuse
// that editor: what is formatted there would be lost on OK.
#include "toepassing/eigenschappen/RekEigenschappenVenster.h"

#include <wx/richtext/richtextctrl.h>
#include <wx/toolbar.h>

wxRichTextCtrl* RekEigenschappenVenster::kiesHuidigeRijk()
{
    huidigeRijk = nullptr;
    for (int i = 0; i < aantalRijkVelden && !huidigeRijk; ++i)
        if (geefRijk(i)->HasFocus())
            huidigeRijk = geefRijk(i);
    return huidigeRijk;
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
    const wxRichTextCtrl* rijk = kiesHuidigeRijk();
    gebeurtenis.Enable(rijk && rijk != kommentaarRijk && rijk->IsEditable());
}

void RekEigenschappenVenster::rijkHeeftFokusEnSelektieEnOpmaak(wxUpdateUIEvent& gebeurtenis)
{
    const wxRichTextCtrl* rijk = kiesHuidigeRijk();
    gebeurtenis.Enable(rijk && rijk != kommentaarRijk && rijk->HasSelection() && rijk->IsEditable());
}

void RekEigenschappenVenster::nogNietBeschikbaar(wxUpdateUIEvent& gebeurtenis)
{
    kiesHuidigeRijk();
    gebeurtenis.Enable(false);
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

void RekEigenschappenVenster::OnLinksUitlijningIDClick(wxCommandEvent&) {}

void RekEigenschappenVenster::OnLinksUitlijningIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    nogNietBeschikbaar(gebeurtenis);
}

void RekEigenschappenVenster::OnMiddenUitlijningIDClick(wxCommandEvent&) {}

void RekEigenschappenVenster::OnMiddenUitlijningIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    nogNietBeschikbaar(gebeurtenis);
}

void RekEigenschappenVenster::OnRechtsUitlijningIDClick(wxCommandEvent&) {}

void RekEigenschappenVenster::OnRechtsUitlijningIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    nogNietBeschikbaar(gebeurtenis);
}

void RekEigenschappenVenster::OnVoegInMinderIDClick(wxCommandEvent&) {}

void RekEigenschappenVenster::OnVoegInMinderIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    nogNietBeschikbaar(gebeurtenis);
}

void RekEigenschappenVenster::OnVoegInMeerIDClick(wxCommandEvent&) {}

void RekEigenschappenVenster::OnVoegInMeerIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    nogNietBeschikbaar(gebeurtenis);
}

void RekEigenschappenVenster::OnVersieDatumStempelIDClick(wxCommandEvent&) {}

void RekEigenschappenVenster::OnVersieDatumStempelIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    nogNietBeschikbaar(gebeurtenis);
}

void RekEigenschappenVenster::OnDatumTijdStempelIDClick(wxCommandEvent&) {}

void RekEigenschappenVenster::OnDatumTijdStempelIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    nogNietBeschikbaar(gebeurtenis);
}

void RekEigenschappenVenster::OnVoerStdGeenImplAntwoordUitIDClick(wxCommandEvent&) {}

void RekEigenschappenVenster::OnVoerStdGeenImplAntwoordUitIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    nogNietBeschikbaar(gebeurtenis);
}

void RekEigenschappenVenster::OnVoegToeSymboolIDClick(wxCommandEvent&) {}

void RekEigenschappenVenster::OnVoegToeSymboolIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    nogNietBeschikbaar(gebeurtenis);
}

void RekEigenschappenVenster::OnVoegInURLIDClick(wxCommandEvent&) {}

void RekEigenschappenVenster::OnVoegInURLIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    nogNietBeschikbaar(gebeurtenis);
}

void RekEigenschappenVenster::OnVoegInAfbeeldingIDClick(wxCommandEvent&) {}

void RekEigenschappenVenster::OnVoegInAfbeeldingIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    nogNietBeschikbaar(gebeurtenis);
}

void RekEigenschappenVenster::OnPlaatsTekstDoosIDClick(wxCommandEvent&) {}

void RekEigenschappenVenster::OnPlaatsTekstDoosIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    nogNietBeschikbaar(gebeurtenis);
}

void RekEigenschappenVenster::OnVoegMarkerSektieToeIDClick(wxCommandEvent&) {}

void RekEigenschappenVenster::OnVoegMarkerSektieToeIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    nogNietBeschikbaar(gebeurtenis);
}

void RekEigenschappenVenster::OnGenummerdeLijstIDClick(wxCommandEvent&) {}

void RekEigenschappenVenster::OnGenummerdeLijstIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    nogNietBeschikbaar(gebeurtenis);
}

void RekEigenschappenVenster::OnKogelLijstIDClick(wxCommandEvent&) {}

void RekEigenschappenVenster::OnKogelLijstIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    nogNietBeschikbaar(gebeurtenis);
}

void RekEigenschappenVenster::OnBoldClick(wxCommandEvent&) {}

void RekEigenschappenVenster::OnBoldUpdate(wxUpdateUIEvent& gebeurtenis)
{
    nogNietBeschikbaar(gebeurtenis);
}

void RekEigenschappenVenster::OnItalicClick(wxCommandEvent&) {}

void RekEigenschappenVenster::OnItalicUpdate(wxUpdateUIEvent& gebeurtenis)
{
    nogNietBeschikbaar(gebeurtenis);
}

void RekEigenschappenVenster::OnUnderlineClick(wxCommandEvent&) {}

void RekEigenschappenVenster::OnUnderlineUpdate(wxUpdateUIEvent& gebeurtenis)
{
    nogNietBeschikbaar(gebeurtenis);
}

void RekEigenschappenVenster::OnStreepDoorIDClick(wxCommandEvent&) {}

void RekEigenschappenVenster::OnStreepDoorIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    nogNietBeschikbaar(gebeurtenis);
}

void RekEigenschappenVenster::OnSuperScriptIDClick(wxCommandEvent&) {}

void RekEigenschappenVenster::OnSuperScriptIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    nogNietBeschikbaar(gebeurtenis);
}

void RekEigenschappenVenster::OnSubScriptIDClick(wxCommandEvent&) {}

void RekEigenschappenVenster::OnSubScriptIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    nogNietBeschikbaar(gebeurtenis);
}

void RekEigenschappenVenster::OnTekstKleurIDClick(wxCommandEvent&) {}

void RekEigenschappenVenster::OnTekstKleurIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    nogNietBeschikbaar(gebeurtenis);
}

void RekEigenschappenVenster::OnAchtergrondKleurIDClick(wxCommandEvent&) {}

void RekEigenschappenVenster::OnAchtergrondKleurIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    nogNietBeschikbaar(gebeurtenis);
}

void RekEigenschappenVenster::OnZetFontIDClick(wxCommandEvent&) {}

void RekEigenschappenVenster::OnZetFontIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    nogNietBeschikbaar(gebeurtenis);
}

void RekEigenschappenVenster::OnVergrootFontIDClick(wxCommandEvent&) {}

void RekEigenschappenVenster::OnVergrootFontIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    nogNietBeschikbaar(gebeurtenis);
}

void RekEigenschappenVenster::OnVerkleinFontIDClick(wxCommandEvent&) {}

void RekEigenschappenVenster::OnVerkleinFontIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    nogNietBeschikbaar(gebeurtenis);
}

void RekEigenschappenVenster::OnOpenClick(wxCommandEvent&) {}

void RekEigenschappenVenster::OnOpenUpdate(wxUpdateUIEvent& gebeurtenis)
{
    nogNietBeschikbaar(gebeurtenis);
}

void RekEigenschappenVenster::OnSaveasClick(wxCommandEvent&) {}

void RekEigenschappenVenster::OnSaveasUpdate(wxUpdateUIEvent& gebeurtenis)
{
    nogNietBeschikbaar(gebeurtenis);
}

void RekEigenschappenVenster::OnPrintClick(wxCommandEvent&) {}

void RekEigenschappenVenster::OnPrintUpdate(wxUpdateUIEvent& gebeurtenis)
{
    nogNietBeschikbaar(gebeurtenis);
}
