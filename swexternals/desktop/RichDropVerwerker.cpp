#include "swexternals/desktop/RichDropVerwerker.h"

#include "swexternals/desktop/DesktopBeeldLader.h"
#include "swexternals/desktop/DesktopFunkties.h"
#include "swexternals/desktop/DesktopVraag.h"
#include "swexternals/desktop/ToonbareTekst.h"

#include <algorithm>
#include <wx/convauto.h>
#include <wx/ffile.h>
#include <wx/image.h>
#include <wx/intl.h>
#include <wx/log.h>
#include <wx/msgdlg.h>
#include <wx/richtext/richtextctrl.h>

RichDropVerwerker::RichDropVerwerker(wxRichTextCtrl* control, const wxSize& maxAfbeelding)
    : control(control), maxAfbeelding(maxAfbeelding)
{
    // Dropped pictures are read by their content and kept in the field as
    // PNG or JPEG.
    DesktopBeeldLader::zorgVoorHandlers();
}

bool RichDropVerwerker::isBewerkbaar() const
{
    return control && control->IsEditable();
}

bool RichDropVerwerker::isLeeg() const
{
    return control->GetLastPosition() < 1;
}

bool RichDropVerwerker::voegTekstToe(const wxString& tekst)
{
    control->AppendText(tekst);
    markeerGewijzigd();
    return true;
}

bool RichDropVerwerker::pasGrootteAan(wxImage& beeld, const wxString& schaalFout)
{
    const int breedte = beeld.GetWidth();
    const int hoogte = beeld.GetHeight();
    const int maxBreedte = maxAfbeelding.GetWidth();
    const int maxHoogte = maxAfbeelding.GetHeight();
    if (breedte <= maxBreedte && hoogte <= maxHoogte)
        return true;
    const wxString vraag = _("Your image exceeds this size:") +
                           wxString::Format(" %dx%d " + _("pixels."), maxBreedte, maxHoogte) + DesktopFunkties::vr +
                           _("It is recommended to scale the image to this size. Do you want to do this?");
    if (DesktopVraag::geef().stelVraag(vraag, _("The dropped image is large."), wxYES_NO | wxICON_QUESTION | wxCENTRE,
                                       control) != wxYES)
        return true;
    // The side that overshoots most sets the scale, so the whole picture fits
    // inside the box undistorted; no side shrinks to nothing.
    wxSize doel(maxBreedte, std::max(1, static_cast<int>(static_cast<long long>(hoogte) * maxBreedte / breedte)));
    if (static_cast<long long>(hoogte) * maxBreedte > static_cast<long long>(breedte) * maxHoogte)
        doel = wxSize(std::max(1, static_cast<int>(static_cast<long long>(breedte) * maxHoogte / hoogte)), maxHoogte);
    const int geschaald = DesktopFunkties::herschaalAfbeelding(beeld, doel, false);
    if (geschaald == 0)
        return true;
    DesktopFunkties::wxErrorVeilig(schaalFout);
    return geschaald != 2;
}

bool RichDropVerwerker::voegAfbeeldingIn(const wxImage& beeld, int type)
{
    wxImage kopie = beeld;
    wxRichTextImageBlock blok;
    if (!blok.MakeImageBlock(kopie, static_cast<wxBitmapType>(type), 80))
        return false;
    const bool ingevoegd = control->WriteImage(blok);
    markeerGewijzigd();
    return ingevoegd;
}

bool RichDropVerwerker::laadAfbeelding(const wxString& pad, wxImage& beeld)
{
    wxLogNull stil;
    return beeld.LoadFile(pad, wxBITMAP_TYPE_ANY) && beeld.GetType() != wxBITMAP_TYPE_INVALID;
}

RichDropVerwerker::Bestand RichDropVerwerker::leesTekstBestand(const wxString& pad, wxString& tekst) const
{
    wxFFile bestand(pad, "rb");
    if (!bestand.IsOpened())
        return Bestand::onleesbaar;
    const wxFileOffset lengte = bestand.Length();
    if (lengte < 0)
        return Bestand::onleesbaar;
    if (static_cast<unsigned long long>(lengte) > maxTekstBestandBytes)
        return Bestand::teGroot;
    wxMemoryBuffer inhoud;
    const size_t gelezen = bestand.Read(inhoud.GetWriteBuf(static_cast<size_t>(lengte) + 1), lengte);
    if (bestand.Error() || gelezen != static_cast<size_t>(lengte))
        return Bestand::onleesbaar;
    inhoud.UngetWriteBuf(gelezen);
    if (gelezen == 0)
    {
        tekst.clear();
        return Bestand::tekst;
    }
    const wxString gelezenTekst(static_cast<const char*>(inhoud.GetData()), wxConvAuto(), gelezen);
    if (gelezenTekst.empty() || !isTekst(gelezenTekst))
        return Bestand::geenTekst;
    // The converter lets a code point beyond U+10FFFF through.
    tekst = ToonbareTekst::maak(gelezenTekst);
    return Bestand::tekst;
}

// Text is what a person writes: no control characters but the white space
// of lines and pages. Programs, videos and the like have them everywhere.
bool RichDropVerwerker::isTekst(const wxString& tekst)
{
    for (const wxUniChar teken : tekst)
    {
        const wxUint32 code = teken.GetValue();
        const bool stuurTeken = code < 0x20 || (code >= 0x7F && code < 0xA0);
        if (stuurTeken && code != '\t' && code != '\n' && code != '\r' && code != '\f' && code != '\v')
            return false;
    }
    return true;
}

bool RichDropVerwerker::magVervangen()
{
    if (isLeeg())
        return true;
    const wxString vraag =
        _("The text entry field is not empty. The current content will be erased by the dropped file.") +
        DesktopFunkties::vr + _("Do you want to continue?");
    return DesktopVraag::geef().stelVraag(vraag, _("Contents will be erased."),
                                          wxYES_NO | wxNO_DEFAULT | wxICON_WARNING | wxCENTRE, control) == wxYES;
}

void RichDropVerwerker::vervangDoor(const wxString& tekst)
{
    control->SetValue(tekst);
    control->SetInsertionPoint(0);
    markeerGewijzigd();
}

void RichDropVerwerker::markeerGewijzigd()
{
    control->MarkDirty();
}

void RichDropVerwerker::meldBestandFout(const wxString& pad, const wxString& reden)
{
    DesktopFunkties::wxErrorVeilig(_("The dropping of the file") + DesktopFunkties::dubbeleQuotes(pad, true) +
                                   _("could not be processed by the dialog window.") + DesktopFunkties::vr + reden);
}

wxString RichDropVerwerker::geefReden(Bestand bestand)
{
    if (bestand == Bestand::teGroot)
        return wxString::Format(_("Text files larger than %lu kB are not supported."), maxTekstBestandBytes / 1024);
    return _("Only image files (png, jpeg) or text files are supported.");
}
