// The tools of the rich-text tool bar that put something into the current
// editor: stamps, the standard "no details" text, a symbol, a link, an
// image, a framed text box and a marker section. Each takes the current
// editor once, as it starts, and writes into that one after its questions.
#include "swexternals/desktop/DesktopFunkties.h"
#include "swexternals/desktop/DesktopVraag.h"
#include "swexternals/desktop/platform/Platform.h"
#include "toepassing/eigenschappen/RekEigenschappenVenster.h"

#include <algorithm>
#include <wx/datetime.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/image.h>
#include <wx/log.h>
#include <wx/richtext/richtextctrl.h>
#include <wx/richtext/richtextimagedlg.h>

namespace
{
// The largest image the fields take without asking, in pixels.
const wxSize maxAfbeelding(100, 100);
const int tekstDoosRand = 2;

wxString geefTijdStempel()
{
    return wxDateTime::Now().FormatISOCombined(' ');
}

// The size that fits inside the box with the proportions kept; no side
// shrinks to nothing.
wxSize pasBinnen(const wxSize& grootte, const wxSize& doos)
{
    const long long breedte = grootte.GetWidth();
    const long long hoogte = grootte.GetHeight();
    if (hoogte * doos.GetWidth() > breedte * doos.GetHeight())
        return wxSize(std::max(1, static_cast<int>(breedte * doos.GetHeight() / hoogte)), doos.GetHeight());
    return wxSize(doos.GetWidth(), std::max(1, static_cast<int>(hoogte * doos.GetWidth() / breedte)));
}

// The one image a selection of one position holds, if it is one.
wxRichTextImage* geefGeselekteerdeAfbeelding(wxRichTextCtrl& rijk)
{
    const wxRichTextRange bereik = rijk.GetSelectionRange();
    if (bereik.GetEnd() - bereik.GetStart() != 1)
        return nullptr;
    return dynamic_cast<wxRichTextImage*>(rijk.GetFocusObject()->GetLeafObjectAtPosition(bereik.GetStart()));
}
} // namespace

// --- Stamps and the standard text ---

// At the caret; a selection is not replaced. The editor reports the text
// written as a change.
void RekEigenschappenVenster::schrijfStempel(const wxString& inhoud)
{
    wxRichTextCtrl* rijk = neemRijkVoorInvoer();
    if (!rijk)
        return;
    rijk->WriteText(DesktopFunkties::blokhaken(inhoud, false) + " :");
}

void RekEigenschappenVenster::OnVersieDatumStempelIDClick(wxCommandEvent&)
{
    schrijfStempel(_("Version") + " " + versieTekst->GetValue() + " " + _("written on date") + " " + geefTijdStempel());
}

void RekEigenschappenVenster::OnVersieDatumStempelIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    rijkHeeftFokusEnEdit(gebeurtenis);
}

void RekEigenschappenVenster::OnDatumTijdStempelIDClick(wxCommandEvent&)
{
    schrijfStempel(geefTijdStempel());
}

void RekEigenschappenVenster::OnDatumTijdStempelIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    rijkHeeftFokusEnEdit(gebeurtenis);
}

// The text is asked once in a dialog, until the user confirms one; from
// then on every click writes it at once.
void RekEigenschappenVenster::OnVoerStdGeenImplAntwoordUitIDClick(wxCommandEvent&)
{
    static const wxString stdInvulling = _("No details need to be specified for this section.");
    wxRichTextCtrl* rijk = neemRijkVoorInvoer();
    if (!rijk)
        return;
    if (!standaardMeldingGekozen)
    {
        const std::optional<wxString> tekst = DesktopVraag::geef().vraagTekst(
            _("What default message do you want to insert when no details are required in the details field?"),
            _("The default message when nothing is required."),
            standaardNietsTeDoenMelding.empty() ? stdInvulling : standaardNietsTeDoenMelding, this);
        if (!tekst)
            return;
        standaardNietsTeDoenMelding = *tekst;
        standaardMeldingGekozen = true;
    }
    if (!standaardNietsTeDoenMelding.empty())
        rijk->WriteText(standaardNietsTeDoenMelding);
}

void RekEigenschappenVenster::OnVoerStdGeenImplAntwoordUitIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    rijkHeeftFokusEnEdit(gebeurtenis);
}

// --- Symbol ---

// The picker offers the font of the text at the caret as "normal text"; a
// symbol picked from another font keeps that font's face.
void RekEigenschappenVenster::OnVoegToeSymboolIDClick(wxCommandEvent&)
{
    wxRichTextCtrl* rijk = neemRijkVoorOpmaak();
    if (!rijk)
        return;
    wxRichTextAttr stijl;
    stijl.SetFlags(wxTEXT_ATTR_FONT);
    const bool gelezen = rijk->GetStyle(rijk->GetInsertionPoint(), stijl);
    const wxFont font = gelezen && stijl.HasFont() ? stijl.GetFont() : wxNullFont;
    const wxString normaleFont = font.IsOk() ? font.GetFaceName() : wxString();
    const std::optional<DesktopVraag::Symbool> symbool =
        DesktopVraag::geef().kiesSymbool("*", wxEmptyString, normaleFont, _("Symbols"), this);
    if (!symbool || symbool->teken == 0)
        return;
    const long positie = rijk->GetInsertionPoint();
    rijk->WriteText(wxString(symbool->teken));
    if (!symbool->fontNaam.empty())
    {
        wxRichTextAttr ander;
        wxFont symboolFont = font;
        if (symboolFont.IsOk() && symboolFont.SetFaceName(symbool->fontNaam))
            ander.SetFont(symboolFont);
        else
            ander.SetFontFaceName(symbool->fontNaam);
        rijk->SetStyle(wxRichTextRange(positie, positie + 1), ander);
    }
    rijk->SetFocus();
    wijzig();
}

void RekEigenschappenVenster::OnVoegToeSymboolIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    rijkHeeftFokusEnOpmaak(gebeurtenis);
}

// --- Link ---

// A blue, underlined link: the address itself written at the caret, or the
// selected text turned into the link. Only web and mail addresses are
// taken, as only those are opened when the link is clicked.
void RekEigenschappenVenster::OnVoegInURLIDClick(wxCommandEvent&)
{
    wxRichTextCtrl* rijk = neemRijkVoorOpmaak();
    if (!rijk)
        return;
    const wxString adres = DesktopVraag::geef()
                               .vraagTekst(_("URL:"), _("Insert URL"), wxEmptyString, this)
                               .value_or(wxString())
                               .Strip(wxString::both);
    if (!adres.empty() && !Platform::isToegestaanWebAdres(adres))
        DesktopFunkties::wxWaarschuwingVeilig(
            _("Only web and mail addresses (http, https, mailto) can be inserted as a link:") +
            DesktopFunkties::dubbeleQuotes(adres, true));
    else if (!adres.empty())
    {
        const wxRichTextAttr vorige = rijk->GetDefaultStyleEx();
        wxRichTextAttr link;
        link.SetTextColour(*wxBLUE);
        link.SetFontUnderlined(true);
        link.SetURL(adres);
        if (rijk->HasSelection())
            rijk->SetStyle(rijk->GetSelectionRange(), link);
        else
        {
            rijk->BeginStyle(link);
            rijk->BeginURL(adres);
            rijk->WriteText(adres);
            rijk->EndURL();
            rijk->EndStyle();
        }
        // What is typed next is no link.
        rijk->SetDefaultStyle(vorige);
        rijk->SetFocus();
    }
    wijzig();
}

void RekEigenschappenVenster::OnVoegInURLIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    rijkHeeftFokusEnOpmaak(gebeurtenis);
}

// --- Image ---

// One selected image opens its properties instead of a new image.
bool RekEigenschappenVenster::bewerkGeselekteerdeAfbeelding(wxRichTextCtrl* rijk)
{
    wxRichTextImage* afbeelding = geefGeselekteerdeAfbeelding(*rijk);
    if (!afbeelding)
        return false;
    wxRichTextObjectPropertiesDialog eigenschappen(afbeelding, this, wxID_ANY, _("Object Properties"),
                                                   wxDefaultPosition, wxSize(400, 300),
                                                   wxDEFAULT_DIALOG_STYLE | wxTAB_TRAVERSAL);
    if (eigenschappen.ShowModal() == wxID_OK && eigenschappen.ApplyStyle(rijk, wxRICHTEXT_SETSTYLE_WITH_UNDO))
        wijzig();
    return true;
}

// An image larger than the box is, when the user agrees, scaled to fit
// inside it with its proportions kept.
void RekEigenschappenVenster::pasAfbeeldingAan(wxImage& beeld)
{
    if (beeld.GetWidth() <= maxAfbeelding.GetWidth() && beeld.GetHeight() <= maxAfbeelding.GetHeight())
        return;
    if (DesktopVraag::geef().stelVraag(_("Your image is larger than 100x100 pixels. It is recommended to scale the "
                                         "image to this size. Do you want to do this?"),
                                       _("The inserted image is large."), wxYES_NO | wxICON_QUESTION | wxCENTRE,
                                       this) != wxYES)
        return;
    if (DesktopFunkties::herschaalAfbeelding(beeld, pasBinnen(beeld.GetSize(), maxAfbeelding), false) != 0)
        DesktopFunkties::wxErrorVeilig(_("Scaling the inserted image was not possible."));
}

void RekEigenschappenVenster::OnVoegInAfbeeldingIDClick(wxCommandEvent&)
{
    wxRichTextCtrl* rijk = neemRijkVoorOpmaak();
    if (!rijk || bewerkGeselekteerdeAfbeelding(rijk))
        return;
    const wxString pad = DesktopVraag::geef().kiesBestand(
        _("Choose an image"), app->geefLaatsteAppDataDir(wxString()).GetPath(wxPATH_GET_VOLUME), wxEmptyString,
        "PNG files (*.png)|*.png|JPEG files (*.jpg;*.jpeg)|*.jpg;*.jpeg", wxFD_OPEN, this);
    if (pad.empty())
        return;
    wxImage beeld;
    if (!beeld.LoadFile(pad, wxBITMAP_TYPE_ANY, -1) || beeld.GetType() == wxBITMAP_TYPE_INVALID)
        return;
    const wxBitmapType type = beeld.GetType();
    pasAfbeeldingAan(beeld);
    wxRichTextImageBlock blok;
    if (!blok.MakeImageBlock(beeld, type, 80) || !rijk->WriteImage(blok, wxRichTextAttr()))
    {
        DesktopFunkties::wxErrorVeilig(_("The image could not be inserted:") +
                                       DesktopFunkties::dubbeleQuotes(pad, true));
        return;
    }
    app->zetLaatsteAppDataDir(wxFileName(pad));
    wijzig();
}

void RekEigenschappenVenster::OnVoegInAfbeeldingIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    rijkHeeftFokusEnOpmaak(gebeurtenis);
}

// --- Text box and marker section ---

wxString RekEigenschappenVenster::geefTekstVoorInvoeging(wxRichTextCtrl* rijk, const wxString& vraag)
{
    if (rijk->HasSelection())
        return rijk->GetStringSelection();
    return DesktopVraag::geef().vraagTekst(vraag, _("Text:"), wxEmptyString, this).value_or(wxString());
}

// The selected text moves into what is inserted: it goes, and the caret
// stands where it began.
void RekEigenschappenVenster::neemSelektieWeg(wxRichTextCtrl* rijk)
{
    if (!rijk->HasSelection())
        return;
    const long begin = rijk->GetSelectionRange().GetStart();
    rijk->DeleteSelection();
    rijk->SetInsertionPoint(begin);
}

// A framed box with the margin and border colour asked for, holding the
// selected or typed text, in a paragraph of its own. Nothing changes (the
// selection stays) unless there is a text to put in it.
void RekEigenschappenVenster::OnPlaatsTekstDoosIDClick(wxCommandEvent&)
{
    wxRichTextCtrl* rijk = neemRijkVoorOpmaak();
    if (!rijk)
        return;
    const std::optional<long> marge = DesktopVraag::geef().vraagGetal(_("Please enter the margin:"), _("Value:"),
                                                                      _("Set the text box margins"), 12, 0, 100, this);
    if (!marge)
        return;
    // A cancelled colour keeps the one used last.
    const std::optional<wxColour> kleur =
        DesktopVraag::geef().kiesKleur(tekstDoosRandKleur, _("Please select a colour for the border."), this);
    if (kleur && kleur->IsOk())
        tekstDoosRandKleur = *kleur;

    wxRichTextAttr doos;
    const wxTextAttrDimension afstand(static_cast<int>(*marge), wxTEXT_ATTR_UNITS_PIXELS);
    doos.GetTextBoxAttr().GetMargins().GetLeft() = afstand;
    doos.GetTextBoxAttr().GetMargins().GetRight() = afstand;
    doos.GetTextBoxAttr().GetMargins().GetTop() = afstand;
    doos.GetTextBoxAttr().GetMargins().GetBottom() = afstand;
    wxTextAttrBorders& rand = doos.GetTextBoxAttr().GetBorder();
    rand.SetColour(tekstDoosRandKleur);
    rand.SetWidth(tekstDoosRand, wxTEXT_ATTR_UNITS_PIXELS);
    rand.SetStyle(wxTEXT_BOX_ATTR_BORDER_SOLID);

    const wxString tekst = geefTekstVoorInvoeging(rijk, _("Please enter the text in the frame."));
    if (tekst.empty())
        return;
    neemSelektieWeg(rijk);
    rijk->Newline();
    wxRichTextBox* kader = rijk->WriteTextBox(doos);
    if (kader)
    {
        rijk->SetFocusObject(kader);
        rijk->WriteText(tekst);
        rijk->SetFocusObject(nullptr);
    }
    rijk->SetInsertionPointEnd();
    wijzig();
}

void RekEigenschappenVenster::OnPlaatsTekstDoosIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    rijkHeeftFokusEnOpmaak(gebeurtenis);
}

// The selected or typed text between a start and an end tag. Nothing
// changes (the selection stays) unless there is a text.
void RekEigenschappenVenster::OnVoegMarkerSektieToeIDClick(wxCommandEvent&)
{
    wxRichTextCtrl* rijk = neemRijkVoorOpmaak();
    if (!rijk)
        return;
    const wxString tekst = geefTekstVoorInvoeging(rijk, _("Please enter the text between the markers."));
    if (tekst.empty())
        return;
    neemSelektieWeg(rijk);
    const wxRichTextProperties eigenschappen;
    rijk->WriteField(beginSektie, eigenschappen, wxRichTextAttr());
    rijk->WriteText(tekst);
    rijk->WriteField(eindSektie, eigenschappen, wxRichTextAttr());
    rijk->SetFocus();
    wijzig();
}

void RekEigenschappenVenster::OnVoegMarkerSektieToeIDUpdate(wxUpdateUIEvent& gebeurtenis)
{
    rijkHeeftFokusEnOpmaak(gebeurtenis);
}
