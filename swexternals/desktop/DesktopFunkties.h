#ifndef SWEXTERNALS_DESKTOP_DESKTOPFUNKTIES_H
#define SWEXTERNALS_DESKTOP_DESKTOPFUNKTIES_H

#include <wx/arrstr.h>
#include <wx/gdicmn.h>
#include <wx/string.h>

class wxDC;
class wxFileName;
class wxFont;
class wxGrid;
class wxImage;
class wxMemoryBuffer;
class wxMemoryOutputStream;

// The helpers every layer uses to put texts together the same way: quoting
// and bracketing, field markers, wildcards, numbers in and out, clean names,
// printf-safe logging and showing files to the user. Never instantiated.
class DesktopFunkties
{
public:
    DesktopFunkties() = delete;

    static const wxString tab;
    static const wxString sp;
    static const wxString vr;

    // Quoting and bracketing: with `metSpaties` one blank goes before and
    // after the result, outside the quotes or brackets. The one place for
    // them: every layer calls these.
    static wxString enkeleQuotes(const wxString& tekst, bool metSpaties = false);
    static wxString dubbeleQuotes(const wxString& tekst, bool metSpaties = false);
    static wxString haken(const wxString& tekst, bool metSpaties = false);
    static wxString blokhaken(const wxString& tekst, bool metSpaties = false);
    static wxString spaties(const wxString& tekst);

    // Field markers: what plaatsMarkers frames, leesVerzamelingMarkers reads
    // back (at most `maxAantal` fields, 0 for all). Markers inside a field are
    // not escaped: an end marker in the text cuts the field short.
    static wxString plaatsMarkers(const wxString& tekst, const wxString& beginMarker, const wxString& eindMarker);
    static wxString omringMarkers(const wxString& tekst, const wxString& marker);
    static wxArrayString leesVerzamelingMarkers(const wxString& tekst, unsigned long long maxAantal,
                                                const wxString& beginMarker, const wxString& eindMarker);

    static wxString vrr(unsigned long long aantal);
    static wxString kommentaar(const wxString& tekst, bool regelKommentaar);

    // One file-dialog wildcard entry, "Description (*.ext) |*.ext"; the
    // extension is given without its dot.
    static wxString maakWildCard(const wxString& extensie, const wxString& beschrijving);

    // Numbers: the float printer and the readers follow the current locale,
    // the integer printers never do: their figures are read back, or stand
    // for a number the user typed. A count or a sum only to be read is
    // grouped in thousands as the locale writes them.
    static wxString printFloatFormaat(unsigned long long decimalen);
    static wxString print(float waarde, unsigned long long decimalen);
    static wxString print(int waarde);
    static wxString print(unsigned int waarde);
    static wxString printGegroepeerd(long long waarde);
    static wxString printGegroepeerd(unsigned long long waarde);
    static float leesFloat(const wxString& tekst, bool& geaccepteerd);
    static float leesFloat(const wxString& tekst);
    static unsigned int leesInteger(const wxString& tekst);
    static int leesSignedInteger(const wxString& tekst);

    static wxSize getTextExtent(const wxDC& dc, const wxString& tekst, const wxFont& font);
    // Every cell followed by the separator, the last of a line included; no
    // quoting. Result 0, or 2 when the stream cannot be closed.
    [[nodiscard]] static int exporteerGridNaarCSV(const wxGrid& grid, wxMemoryOutputStream& stroom,
                                                  const wxString& scheiding, bool metKolomTitels);

    // Images in memory, for BLOB columns: encoded in the image's own format
    // (as PNG, with a warning, when its format is not known) and decoded
    // from whatever format the bytes hold. 0 done, 2 failed.
    [[nodiscard]] static int kopieerBeeldNaarBuffer(const wxImage& beeld, wxMemoryBuffer& buffer);
    [[nodiscard]] static int kopieerBufferNaarBeeld(const wxMemoryBuffer& buffer, wxImage& beeld);
    // Scales in place with the best resampling, keeping the image's format.
    // A side given as 0 follows the aspect ratio. With `alleenVerkleinen` an
    // image that is not larger than the request is left alone. 0 scaled (or
    // already that size), 1 left alone, 2 failed (an invalid image, or a
    // request that would give a side of 0 or less; the image is unchanged).
    [[nodiscard]] static int herschaalAfbeelding(wxImage& beeld, const wxSize& grootte, bool alleenVerkleinen);
    // By a factor: above 1 enlarges, 1 or less only shrinks.
    [[nodiscard]] static int herschaalAfbeelding(wxImage& beeld, float factor);
    // The size of the encoded image in thousands of bytes, rounded down.
    [[nodiscard]] static int berekenAfbeeldingGrootte(const wxImage& beeld, unsigned int& kiloBytes);

    static wxString maakSchoonPadNaam(const wxString& tekst);
    static wxString maakSchoonPrintNaam(const wxString& tekst);
    static wxString verwijderNietAlfaNumeriek(const wxString& tekst);

    // Ready-made texts into the log, "%" included as it stands.
    static void wxLogVeilig(const wxString& tekst);
    static void wxWaarschuwingVeilig(const wxString& tekst);
    static void wxErrorVeilig(const wxString& tekst);

    // Shows a folder (or what the name points at) and a file's folder in the
    // desktop's file manager. Result 0 when started, 2 when the path does not
    // exist or nothing could be started.
    [[nodiscard]] static int openPadInFinder(const wxFileName& pad);
    [[nodiscard]] static int toonBestandInFinder(const wxFileName& bestand);

    // The system clipboard, GUI thread only. Each operation opens and closes
    // it itself, but for openHetKlipbord and sluitHetKlipbord, which serve a
    // caller that works with the clipboard directly. What the probe finds:
    enum KlipbordInhoud
    {
        klipbordTekst = 0,
        klipbordAfbeelding = 1,
        klipbordBestandsNamen = 2,
        klipbordHTML = 3,
        klipbordOnbekend = 4,
        klipbordNietTeLezen = 5 // it cannot be opened, or its text is empty
    };
    // File names go before an image, an image before HTML, HTML before text.
    [[nodiscard]] static int controleerKlipbord();
    // 0 emptied, 2 not opened.
    [[nodiscard]] static int spoelLeegKlipBord();
    // 0 opened (the caller closes it), 1 not opened.
    [[nodiscard]] static int openHetKlipbord();
    static void sluitHetKlipbord();
    // The writers replace what the clipboard held: 0 done, 1 not opened, 2
    // refused by the clipboard; for an image 5 when it gives no bitmap (the
    // clipboard keeps what it held).
    [[nodiscard]] static int kopieerTekstNaarKlipbord(const wxString& tekst);
    [[nodiscard]] static int plakTekstNaarKlipbord(const wxString& tekst);
    [[nodiscard]] static int kopieerAfbeeldingNaarKlipbord(const wxImage& beeld);
    [[nodiscard]] static int kopieerBestandNaamNaarKlipbord(const wxFileName& naam);
    // Text or HTML on the clipboard; an image (file names do not count).
    static bool klipbordBevatTekst();
    static bool klipbordBevatAfbeelding();
    // The readers: 0 read into the argument; 1 not opened; 2 the clipboard
    // holds something else (with `altijd` text and HTML are tried anyway);
    // 3 what it holds cannot be used (reported); 5 nothing could be read.
    // The argument is untouched unless the result is 0.
    [[nodiscard]] static int kopieerTekstVanKlipbord(wxString& tekst, bool altijd);
    [[nodiscard]] static int kopieerHTMLVanKlipbord(wxString& html, bool altijd);
    // From an image on the clipboard, or from the image file whose name is on it.
    [[nodiscard]] static int kopieerAfbeeldingVanKlipbord(wxImage& beeld);
    // The first of the file names on the clipboard, of a file that exists.
    [[nodiscard]] static int kopieerBestandNaamVanKlipbord(wxFileName& naam);

private:
    static wxString omring(const wxString& open, const wxString& tekst, const wxString& sluit, bool metSpaties);
    [[nodiscard]] static bool leesGetal(const wxString& tekst, long long& waarde);
    [[nodiscard]] static bool berekenDoelGrootte(const wxSize& huidig, const wxSize& gevraagd, bool alleenVerkleinen,
                                                 wxSize& doel, int& resultaat);
};

#endif
