#include "swexternals/desktop/DesktopFunkties.h"

#include "swexternals/desktop/DesktopBeeldLader.h"
#include "swexternals/desktop/ToonbareTekst.h"
#include "swexternals/desktop/ToonbareTekstDataObjekt.h"
#include "swexternals/desktop/platform/Platform.h"

#include <climits>
#include <cmath>
#include <memory>
#include <vector>
#include <wx/buffer.h>
#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/dc.h>
#include <wx/filename.h>
#include <wx/font.h>
#include <wx/grid.h>
#include <wx/image.h>
#include <wx/intl.h>
#include <wx/log.h>
#include <wx/mstream.h>
#include <wx/numformatter.h>
#include <wx/txtstrm.h>
#include <wx/utils.h>

const wxString DesktopFunkties::tab = "\t";
const wxString DesktopFunkties::sp = " ";
const wxString DesktopFunkties::vr = "\n";

wxString DesktopFunkties::omring(const wxString& open, const wxString& tekst, const wxString& sluit, bool metSpaties)
{
    const wxString omringd = open + tekst + sluit;
    return metSpaties ? spaties(omringd) : omringd;
}

wxString DesktopFunkties::enkeleQuotes(const wxString& tekst, bool metSpaties)
{
    return omring("'", tekst, "'", metSpaties);
}

wxString DesktopFunkties::dubbeleQuotes(const wxString& tekst, bool metSpaties)
{
    return omring("\"", tekst, "\"", metSpaties);
}

wxString DesktopFunkties::haken(const wxString& tekst, bool metSpaties)
{
    return omring("(", tekst, ")", metSpaties);
}

wxString DesktopFunkties::blokhaken(const wxString& tekst, bool metSpaties)
{
    return omring("[", tekst, "]", metSpaties);
}

wxString DesktopFunkties::spaties(const wxString& tekst)
{
    return sp + tekst + sp;
}

wxString DesktopFunkties::plaatsMarkers(const wxString& tekst, const wxString& beginMarker, const wxString& eindMarker)
{
    return beginMarker + tekst + eindMarker;
}

wxString DesktopFunkties::omringMarkers(const wxString& tekst, const wxString& marker)
{
    return marker + tekst + marker;
}

wxArrayString DesktopFunkties::leesVerzamelingMarkers(const wxString& tekst, unsigned long long maxAantal,
                                                      const wxString& beginMarker, const wxString& eindMarker)
{
    wxArrayString velden;
    // An empty marker would be found everywhere and never move the scan on.
    if (tekst.empty() || beginMarker.empty() || eindMarker.empty())
        return velden;

    wxString rest = tekst;
    unsigned long long gevonden = 0;
    while (!rest.empty() && (maxAantal == 0 || gevonden < maxAantal))
    {
        const size_t begin = rest.find(beginMarker);
        if (begin == wxString::npos)
            break;
        rest.erase(0, begin);
        const size_t eind = rest.find(eindMarker, beginMarker.length());
        if (eind == wxString::npos)
            break;
        velden.Add(rest.substr(beginMarker.length(), eind - beginMarker.length()));
        rest.erase(0, eind + eindMarker.length());
        ++gevonden;
    }
    return velden;
}

wxString DesktopFunkties::vrr(unsigned long long aantal)
{
    wxString regels;
    for (unsigned long long i = 0; i < aantal; ++i)
        regels += vr;
    return regels;
}

wxString DesktopFunkties::kommentaar(const wxString& tekst, bool regelKommentaar)
{
    return regelKommentaar ? "// " + tekst : "/* " + tekst + " */";
}

wxString DesktopFunkties::maakWildCard(const wxString& extensie, const wxString& beschrijving)
{
    const wxString patroon = "*." + extensie;
    return beschrijving + haken(patroon, true) + "|" + patroon;
}

wxString DesktopFunkties::printFloatFormaat(unsigned long long decimalen)
{
    return wxString::Format("%%.%lluf", decimalen);
}

wxString DesktopFunkties::print(float waarde, unsigned long long decimalen)
{
    return wxNumberFormatter::ToString(static_cast<double>(waarde), static_cast<int>(decimalen),
                                       wxNumberFormatter::Style_WithThousandsSep);
}

wxString DesktopFunkties::print(int waarde)
{
    return wxString::Format("%d", waarde);
}

wxString DesktopFunkties::print(unsigned int waarde)
{
    return wxString::Format("%u", waarde);
}

wxString DesktopFunkties::printGegroepeerd(long long waarde)
{
    return wxNumberFormatter::ToString(static_cast<wxLongLong_t>(waarde), wxNumberFormatter::Style_WithThousandsSep);
}

wxString DesktopFunkties::printGegroepeerd(unsigned long long waarde)
{
    return wxNumberFormatter::ToString(static_cast<wxULongLong_t>(waarde), wxNumberFormatter::Style_WithThousandsSep);
}

float DesktopFunkties::leesFloat(const wxString& tekst, bool& geaccepteerd)
{
    geaccepteerd = true;
    if (tekst.empty())
        return 0.0f;
    double waarde = 0.0;
    if (wxNumberFormatter::FromString(tekst, &waarde))
        return static_cast<float>(waarde);
    wxErrorVeilig(_("Conversion of text") + dubbeleQuotes(tekst, true) + _("to a floating point value failed."));
    geaccepteerd = false;
    return 0.0f;
}

float DesktopFunkties::leesFloat(const wxString& tekst)
{
    bool geaccepteerd = false;
    return leesFloat(tekst, geaccepteerd);
}

bool DesktopFunkties::leesGetal(const wxString& tekst, long long& waarde)
{
    waarde = 0;
    if (tekst.empty())
        return true;
    wxLongLong_t gelezen = 0;
    if (wxNumberFormatter::FromString(tekst, &gelezen))
    {
        waarde = gelezen;
        return true;
    }
    wxErrorVeilig(_("Conversion of text") + dubbeleQuotes(tekst, true) + _("to an integer value failed."));
    return false;
}

unsigned int DesktopFunkties::leesInteger(const wxString& tekst)
{
    long long waarde = 0;
    // A text that is no number has been reported and reads as 0.
    static_cast<void>(leesGetal(tekst, waarde));
    // Outside the 32-bit range only the low bits count.
    return static_cast<unsigned int>(waarde);
}

int DesktopFunkties::leesSignedInteger(const wxString& tekst)
{
    long long waarde = 0;
    // A text that is no number has been reported and reads as 0.
    static_cast<void>(leesGetal(tekst, waarde));
    return static_cast<int>(static_cast<unsigned int>(waarde));
}

wxSize DesktopFunkties::getTextExtent(const wxDC& dc, const wxString& tekst, const wxFont& font)
{
    wxCoord breedte = 0;
    wxCoord hoogte = 0;
    dc.GetTextExtent(tekst, &breedte, &hoogte, nullptr, nullptr, &font);
    return wxSize(breedte, hoogte);
}

int DesktopFunkties::exporteerGridNaarCSV(const wxGrid& grid, wxMemoryOutputStream& stroom, const wxString& scheiding,
                                          bool metKolomTitels)
{
    wxTextOutputStream tekstStroom(stroom, wxEOL_NATIVE, wxConvUTF8);
    const int kolommen = grid.GetNumberCols();
    if (metKolomTitels)
    {
        wxString regel;
        for (int kolom = 0; kolom < kolommen; ++kolom)
            regel << grid.GetColLabelValue(kolom) << scheiding;
        tekstStroom << regel << vr;
    }
    for (int rij = 0; rij < grid.GetNumberRows(); ++rij)
    {
        wxString regel;
        for (int kolom = 0; kolom < kolommen; ++kolom)
            regel << grid.GetCellValue(rij, kolom) << scheiding;
        tekstStroom << regel << vr;
    }
    tekstStroom.Flush();
    return stroom.Close() ? 0 : 2;
}

int DesktopFunkties::kopieerBeeldNaarBuffer(const wxImage& beeld, wxMemoryBuffer& buffer)
{
    if (!beeld.IsOk())
        return 2;
    wxMemoryOutputStream stroom;
    bool gekodeerd = false;
    if (beeld.GetType() == wxBITMAP_TYPE_INVALID)
    {
        wxWaarschuwingVeilig(
            _("The image was provided in an unknown format. A conversion to PNG format was required."));
        wxImage kopie = beeld.Copy();
        kopie.SetType(wxBITMAP_TYPE_PNG);
        gekodeerd = kopie.SaveFile(stroom, wxBITMAP_TYPE_PNG);
    }
    else
        gekodeerd = beeld.SaveFile(stroom, beeld.GetType());

    const size_t lengte = stroom.GetLength();
    size_t gekopieerd = 0;
    if (gekodeerd)
    {
        void* doel = buffer.GetWriteBuf(lengte);
        gekopieerd = doel ? stroom.CopyTo(doel, lengte) : 0;
        buffer.UngetWriteBuf(gekopieerd);
    }
    if (!gekodeerd || gekopieerd < lengte)
    {
        wxErrorVeilig(_("Converting image to image buffer was not successful."));
        buffer.SetDataLen(0);
        return 2;
    }
    buffer.SetDataLen(lengte);
    return 0;
}

int DesktopFunkties::kopieerBufferNaarBeeld(const wxMemoryBuffer& buffer, wxImage& beeld)
{
    if (buffer.GetDataLen() == 0)
        return 2;
    wxMemoryInputStream stroom(buffer.GetData(), buffer.GetDataLen());
    wxImage gelezen;
    if (!gelezen.LoadFile(stroom, wxBITMAP_TYPE_ANY) || !gelezen.IsOk())
    {
        beeld = wxImage();
        return 2;
    }
    // Independent of the stream's bytes and of any other image.
    beeld = gelezen.Copy();
    beeld.SetType(gelezen.GetType());
    return beeld.GetType() != wxBITMAP_TYPE_INVALID ? 0 : 2;
}

// The size to scale to, or false with the result when there is nothing to
// scale to: 1 when shrinking only and the image is not larger, 2 when a side
// would come out as 0 or less.
bool DesktopFunkties::berekenDoelGrootte(const wxSize& huidig, const wxSize& gevraagd, bool alleenVerkleinen,
                                         wxSize& doel, int& resultaat)
{
    const long long w = huidig.GetWidth();
    const long long h = huidig.GetHeight();
    const long long W = gevraagd.GetWidth();
    const long long H = gevraagd.GetHeight();
    resultaat = 2;
    if (W < 0 || H < 0 || (W == 0 && H == 0))
        return false;
    long long breedte = W;
    long long hoogte = H;
    bool groterDanGevraagd = false;
    if (W != 0 && H != 0)
        groterDanGevraagd = w > W && h > H;
    else if (H == 0)
    {
        hoogte = h * W / w;
        groterDanGevraagd = w > W;
    }
    else
    {
        breedte = w * H / h;
        groterDanGevraagd = h > H;
    }
    if (alleenVerkleinen && !groterDanGevraagd)
    {
        resultaat = 1;
        return false;
    }
    if (breedte <= 0 || hoogte <= 0 || breedte > INT_MAX || hoogte > INT_MAX)
        return false;
    doel = wxSize(static_cast<int>(breedte), static_cast<int>(hoogte));
    return true;
}

int DesktopFunkties::herschaalAfbeelding(wxImage& beeld, const wxSize& grootte, bool alleenVerkleinen)
{
    if (!beeld.IsOk())
        return 2;
    const wxBitmapType type = beeld.GetType();
    if (beeld.GetSize() != grootte)
    {
        wxSize doel;
        int resultaat = 0;
        if (!berekenDoelGrootte(beeld.GetSize(), grootte, alleenVerkleinen, doel, resultaat))
            return resultaat;
        beeld.Rescale(doel.GetWidth(), doel.GetHeight(), wxIMAGE_QUALITY_HIGH);
    }
    // Rescaling forgets the format the image came in.
    beeld.SetType(type);
    return beeld.IsOk() ? 0 : 2;
}

int DesktopFunkties::herschaalAfbeelding(wxImage& beeld, float factor)
{
    if (!beeld.IsOk())
        return 2;
    const double breedte = std::round(beeld.GetWidth() * static_cast<double>(factor));
    const double hoogte = std::round(beeld.GetHeight() * static_cast<double>(factor));
    // Not a number, or a side beyond what an image can have: nothing to scale to.
    if (!(breedte >= 0.0 && breedte <= INT_MAX && hoogte >= 0.0 && hoogte <= INT_MAX))
        return 2;
    const bool alleenVerkleinen = !(factor > 1.0f);
    return herschaalAfbeelding(beeld, wxSize(static_cast<int>(breedte), static_cast<int>(hoogte)), alleenVerkleinen);
}

int DesktopFunkties::berekenAfbeeldingGrootte(const wxImage& beeld, unsigned int& kiloBytes)
{
    if (!beeld.IsOk())
    {
        wxErrorVeilig(_("The image format is unsupported"));
        return 2;
    }
    wxMemoryOutputStream stroom;
    if (!beeld.SaveFile(stroom, beeld.GetType()))
    {
        wxErrorVeilig(_("Error calculating the bitmap size.\nSetting the image in the collection is aborted."));
        kiloBytes = 0;
        return 2;
    }
    const wxFileOffset grootte = stroom.GetSize();
    if (grootte == wxInvalidOffset)
    {
        wxErrorVeilig(_("The selected file has a size that cannot be determined."));
        kiloBytes = 0;
        return 2;
    }
    kiloBytes = static_cast<unsigned int>(grootte / 1000);
    return 0;
}

wxString DesktopFunkties::maakSchoonPadNaam(const wxString& tekst)
{
    wxString schoon = tekst;
    schoon.Replace(" ", "_");
    schoon.Replace("*", "_star_");
    schoon.Replace("?", "_qm_");
    schoon.Replace("&", "_and_");
    schoon.Replace("%", "_percent_");
    return schoon;
}

wxString DesktopFunkties::maakSchoonPrintNaam(const wxString& tekst)
{
    wxString schoon = tekst;
    schoon.Replace("%", "%%");
    return schoon;
}

wxString DesktopFunkties::verwijderNietAlfaNumeriek(const wxString& tekst)
{
    static const std::vector<wxString> leestekens = {"!",  "@",  "#", "$", "%", "^", "&", "*", "(", ")",
                                                     ",",  ".",  "`", "~", "<", ">", "?", "/", ":", ";",
                                                     "\"", "\\", "|", "{", "}", "[", "]", "="};
    wxString schoon = tekst;
    for (const wxString& teken : leestekens)
        schoon.Replace(teken, wxString());
    return schoon;
}

void DesktopFunkties::wxLogVeilig(const wxString&)
{
    // The trace channel: kept as a call site for the database layer, writes nothing.
}

void DesktopFunkties::wxWaarschuwingVeilig(const wxString& tekst)
{
    wxLogWarning(maakSchoonPrintNaam(tekst));
}

void DesktopFunkties::wxErrorVeilig(const wxString& tekst)
{
    wxLogError(maakSchoonPrintNaam(tekst));
}

int DesktopFunkties::openPadInFinder(const wxFileName& pad)
{
    if (!pad.DirExists())
        return 2;
    wxFileName absoluut = pad;
    absoluut.MakeAbsolute();
    return Platform::openInBestandsbeheer(absoluut.GetFullPath()) ? 0 : 2;
}

int DesktopFunkties::toonBestandInFinder(const wxFileName& bestand)
{
    if (!bestand.FileExists())
        return 2;
    wxFileName absoluut = bestand;
    absoluut.MakeAbsolute();
    // No file manager on Linux can be relied on to select a file: show its folder.
    return Platform::openInBestandsbeheer(absoluut.GetPath(wxPATH_GET_VOLUME)) ? 0 : 2;
}

namespace
{
void meldPlakFout(const wxString& reden)
{
    DesktopFunkties::wxErrorVeilig(reden + DesktopFunkties::vr + _("The pasting operation is aborted."));
}

// Closes the clipboard when it goes, whichever way a reader leaves.
class OpenKlipbord
{
public:
    OpenKlipbord() : klipbord(wxClipboard::Get()), open(klipbord->Open()) {}
    ~OpenKlipbord()
    {
        if (open)
            klipbord->Close();
    }
    OpenKlipbord(const OpenKlipbord&) = delete;
    OpenKlipbord& operator=(const OpenKlipbord&) = delete;
    wxClipboard* const klipbord;
    const bool open;
};

// Replaces the clipboard's content; the clipboard owns the data object from
// here on, whatever it answers.
int zetOpKlipbord(std::unique_ptr<wxDataObject> data)
{
    OpenKlipbord klipbord;
    if (!klipbord.open)
        return 1;
    return klipbord.klipbord->SetData(data.release()) ? 0 : 2;
}

// Reads text of one kind (plain or HTML) from the probed clipboard.
template <class Data> int leesTekst(Data& data, wxString (Data::*geefTekst)() const, wxString& uit)
{
    OpenKlipbord klipbord;
    if (!klipbord.open)
        return 1;
    if (!klipbord.klipbord->GetData(data))
        return 5;
    wxBusyCursor bezig;
    const wxString tekst = (data.*geefTekst)();
    if (tekst.empty())
    {
        meldPlakFout(_("The clipboard contains text data that cannot be processed."));
        return 3;
    }
    uit = ToonbareTekst::maak(tekst);
    return 0;
}
} // namespace

int DesktopFunkties::controleerKlipbord()
{
    // Made once: asking whether a format is there needs a format object.
    static const wxDataFormat bestanden(wxDF_FILENAME);
    static const wxDataFormat afbeelding(wxDF_BITMAP);
    static const wxDataFormat html(wxDF_HTML);
    static const wxDataFormat tekst(wxDF_TEXT);
    static const wxDataFormat unicodeTekst(wxDF_UNICODETEXT);

    OpenKlipbord klipbord;
    if (!klipbord.open)
        return klipbordNietTeLezen;
    if (klipbord.klipbord->IsSupported(bestanden))
        return klipbordBestandsNamen;
    if (klipbord.klipbord->IsSupported(afbeelding))
        return klipbordAfbeelding;
    if (klipbord.klipbord->IsSupported(html))
        return klipbordHTML;
    if (!klipbord.klipbord->IsSupported(tekst) && !klipbord.klipbord->IsSupported(unicodeTekst))
        return klipbordOnbekend;
    ToonbareTekstDataObjekt data;
    return klipbord.klipbord->GetData(data) && !data.GetText().empty() ? klipbordTekst : klipbordNietTeLezen;
}

int DesktopFunkties::spoelLeegKlipBord()
{
    OpenKlipbord klipbord;
    if (!klipbord.open)
        return 2;
    klipbord.klipbord->Clear();
    return 0;
}

int DesktopFunkties::openHetKlipbord()
{
    return wxClipboard::Get()->Open() ? 0 : 1;
}

void DesktopFunkties::sluitHetKlipbord()
{
    wxClipboard::Get()->Close();
}

int DesktopFunkties::kopieerTekstNaarKlipbord(const wxString& tekst)
{
    return zetOpKlipbord(std::make_unique<wxTextDataObject>(tekst));
}

int DesktopFunkties::plakTekstNaarKlipbord(const wxString& tekst)
{
    return kopieerTekstNaarKlipbord(tekst);
}

int DesktopFunkties::kopieerAfbeeldingNaarKlipbord(const wxImage& beeld)
{
    if (!beeld.IsOk())
        return 5;
    // Bitmaps cross the clipboard as PNG.
    DesktopBeeldLader::zorgVoorHandlers();
    const wxBitmap bitmap(beeld);
    if (!bitmap.IsOk())
        return 5;
    return zetOpKlipbord(std::make_unique<wxBitmapDataObject>(bitmap));
}

int DesktopFunkties::kopieerBestandNaamNaarKlipbord(const wxFileName& naam)
{
    auto data = std::make_unique<wxFileDataObject>();
    data->AddFile(naam.GetFullPath());
    return zetOpKlipbord(std::move(data));
}

bool DesktopFunkties::klipbordBevatTekst()
{
    const int inhoud = controleerKlipbord();
    return inhoud == klipbordTekst || inhoud == klipbordHTML;
}

bool DesktopFunkties::klipbordBevatAfbeelding()
{
    return controleerKlipbord() == klipbordAfbeelding;
}

int DesktopFunkties::kopieerTekstVanKlipbord(wxString& tekst, bool altijd)
{
    const int inhoud = controleerKlipbord();
    if (inhoud != klipbordTekst && inhoud != klipbordHTML && !altijd)
        return 2;
    ToonbareTekstDataObjekt data;
    return leesTekst<wxTextDataObject>(data, &wxTextDataObject::GetText, tekst);
}

int DesktopFunkties::kopieerHTMLVanKlipbord(wxString& html, bool altijd)
{
    if (controleerKlipbord() != klipbordHTML && !altijd)
        return 2;
    wxHTMLDataObject data;
    return leesTekst(data, &wxHTMLDataObject::GetHTML, html);
}

int DesktopFunkties::kopieerBestandNaamVanKlipbord(wxFileName& naam)
{
    if (controleerKlipbord() != klipbordBestandsNamen)
        return 2;
    OpenKlipbord klipbord;
    if (!klipbord.open)
        return 1;
    wxFileDataObject data;
    // A list without a path has no first path to take.
    if (!klipbord.klipbord->GetData(data) || data.GetFilenames().empty())
    {
        meldPlakFout(_("The clipboard contains a file path that cannot be processed."));
        return 3;
    }
    wxBusyCursor bezig;
    const wxFileName eerste(data.GetFilenames()[0], wxPATH_NATIVE);
    if (!eerste.FileExists())
    {
        meldPlakFout(_("The clipboard contains a file path that refers to a non-existing file."));
        return 3;
    }
    naam = eerste;
    return 0;
}

// An image keeps the format it knows; one without becomes PNG.
int DesktopFunkties::kopieerAfbeeldingVanKlipbord(wxImage& beeld)
{
    // Bitmaps cross the clipboard as PNG.
    DesktopBeeldLader::zorgVoorHandlers();
    const int inhoud = controleerKlipbord();
    if (inhoud == klipbordBestandsNamen)
    {
        wxFileName bestand;
        const int gelezen = kopieerBestandNaamVanKlipbord(bestand);
        if (gelezen != 0)
            return gelezen;
        wxBusyCursor bezig;
        wxImage geladen;
        if (!geladen.LoadFile(bestand.GetFullPath(), wxBITMAP_TYPE_ANY) || !geladen.IsOk())
            return 2;
        if (geladen.GetType() == wxBITMAP_TYPE_INVALID)
            geladen.SetType(wxBITMAP_TYPE_PNG);
        beeld = geladen.Copy();
        beeld.SetType(geladen.GetType());
        return 0;
    }
    if (inhoud != klipbordAfbeelding)
        return 2;
    OpenKlipbord klipbord;
    if (!klipbord.open)
        return 1;
    wxBitmapDataObject data;
    if (!klipbord.klipbord->GetData(data))
        return 5;
    wxBusyCursor bezig;
    wxImage gelezen = data.GetBitmap().IsOk() ? data.GetBitmap().ConvertToImage() : wxImage();
    if (!gelezen.IsOk())
    {
        meldPlakFout(_("The clipboard contains image data that cannot be processed."));
        return 3;
    }
    if (gelezen.GetType() == wxBITMAP_TYPE_INVALID)
        gelezen.SetType(wxBITMAP_TYPE_PNG);
    wxImage kopie = gelezen.Copy();
    kopie.SetType(gelezen.GetType());
    if (!kopie.IsOk())
        return 2;
    beeld = kopie;
    return 0;
}
