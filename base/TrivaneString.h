#ifndef BASE_TRIVANESTRING_H
#define BASE_TRIVANESTRING_H

#include "base/TrivaneCString.h"
#include "base/TrivaneDataPakket.h"
#include "base/TrivaneStringBasis.h"
#include "base/TrivaneTaal.h"

#include <cstdarg>
#include <type_traits>
#include <wx/string.h>

#if defined(__GNUC__)
#define TRIVANE_PRINTF_FORMAAT(formaat, eerste) __attribute__((format(__printf__, formaat, eerste)))
#else
#define TRIVANE_PRINTF_FORMAAT(formaat, eerste)
#endif

// The base library's narrow byte string: a chain of char packets that owns its
// buffer or views characters held elsewhere, and ends at its terminator
// character. Its length is taken in the first packet: up to the first
// terminator, at most the packet's size.
//
// Every write stays inside the string's buffer and every read inside the
// source's text: a copy that does not fit is cut, a write into a string that
// may not be written is not done (a copy makes it a view instead).
class TrivaneString : public TrivaneDataPakket<char>, public TrivaneStringBasis
{
public:
    // What a search returns when it finds nothing.
    static constexpr unsigned long long nietGevonden = ~0ULL;
    // How far a scan for a terminator looks when no length is given.
    static constexpr unsigned long long maxScan = 65535;
    static const char nulstring[];

    // A view on a text. Without a length the view ends at the first
    // terminator (included), or at the text's NUL when the terminator does not
    // occur before it.
    TrivaneString(const char* tekst, unsigned long long lengte = 0, char afsluiter = '\0', bool veranderbaar = false);
    TrivaneString(char* tekst, unsigned long long lengte = 0, char afsluiter = '\0', bool veranderbaar = true);
    // An owning, writable buffer for `capaciteit` characters and a terminator.
    template <typename Getal, typename = std::enable_if_t<std::is_integral_v<Getal> && !std::is_same_v<Getal, char> &&
                                                          !std::is_same_v<Getal, bool>>>
    explicit TrivaneString(Getal capaciteit) : TrivaneString(MaakBuffer{}, static_cast<unsigned long long>(capaciteit))
    {
    }
    // An owning copy in ASCII: every other character becomes "_".
    explicit TrivaneString(const wxString& tekst);
    // The packet's description, never owning.
    TrivaneString(const TrivaneDataPakket<char>& pakket, char afsluiter);
    TrivaneString(const TrivaneDataPakket<unsigned char>& pakket, char afsluiter);
    TrivaneString(const TrivaneCString& tekst);
    explicit TrivaneString(const char& teken);
    // A read-only view of `aantal` characters from element `start` of the
    // other string, never past the end of the packet it lies in.
    TrivaneString(const TrivaneString& ander, unsigned long long start, unsigned long long aantal);
    // A copy of an owning string owns a copy of the text.
    TrivaneString(const TrivaneString& ander);
    TrivaneString(TrivaneString&& ander) noexcept;

    // Copying into this string (a string that may not be written becomes a
    // view on the source instead). The terminator follows the copied
    // characters; when the buffer is full it takes the place of the last one.
    void kopieerString(const TrivaneString& bron, unsigned long long start, unsigned long long aantal);
    TrivaneString& operator=(const TrivaneString& bron);
    TrivaneString& zet(const TrivaneString& bron);
    void kopieerString(const char* tekst, unsigned long long start);
    TrivaneString& operator=(const char* tekst);
    TrivaneString& zet(const char* tekst);
    TrivaneString& operator=(const TrivaneCString& tekst);
    TrivaneString& zet(const TrivaneCString& tekst);
    void kopieerString(const TrivaneString& bron, Uitlijning uitlijning);
    void kopieerNaarString(char* doel, unsigned long long grootte) const;
    void kopieerNaarString(TrivaneString& doel, unsigned long long start) const;
    unsigned long long append(const TrivaneString& ander);
    unsigned long long append(char teken, unsigned long long aantal);
    unsigned long long vervangTeken(char oud, char nieuw, bool alle);
    void zetAfsluiter(char nieuw);
    void markeerEinde(unsigned long long positie, bool alle);
    void markeerAllesTotEinde();
    void markeerEinde();

    // Access.
    unsigned long long geefLengte() const;
    char geefAfsluiter() const;
    unsigned int geefLaatstePrintAantal() const;
    // The character at that element, counted from packet `pakket` of the chain
    // (0 the first); null when there is none.
    char* string(unsigned long long element = 0, unsigned long long pakket = 0) const;
    unsigned char* ustring(unsigned long long element = 0, unsigned long long pakket = 0) const;
    TrivaneCString cstring(unsigned long long element = 0, unsigned long long pakket = 0) const;
    char eersteTeken() const;
    char laatsteTeken() const;
    // The text of every packet, translated when the catalogues know it.
    wxString wxConvert() const;
    static TrivaneTaal geefTaal();
    static void zetTaalKeuze(TrivaneTaal taal);
    static void zetKommaPuntKeuze(KommaPuntKeuze keuze);

    // Search.
    unsigned long long vindIndex(char teken, Richting richting) const;
    TrivaneString vind(char teken, Richting richting) const;
    TrivaneString vindTot(char teken, Richting richting) const;
    // From `start` up to and including the found character (to the end of
    // the text when there is none); `positie` receives the found index.
    TrivaneString vindTot(unsigned long long start, char teken, unsigned long long& positie) const;
    bool begintMet(const TrivaneString& ander, unsigned long long index) const;
    bool bevat(char teken) const;
    bool bevat(const TrivaneString& ander) const;
    bool bevat(const char* ander) const;
    bool bevatSlechtsAlfabet() const;
    bool bevatSlechtsAfdrukbaar() const;
    bool bevatSlechtsBinair() const;
    bool bevatSlechtsDecimaal() const;
    bool bevatSlechtsHexaDecimaal() const;

    // Comparison. Past its length a text counts as ending in NUL.
    int mstrcmp(const TrivaneString& ander, bool hoofdletterGevoelig) const;
    bool operator==(const TrivaneString& ander) const;
    bool operator!=(const TrivaneString& ander) const;
    bool operator==(const char* ander) const;
    bool operator!=(const char* ander) const;
    bool operator==(char teken) const;
    bool vergelijk(const TrivaneString& ander, bool hoofdletterGevoelig) const;
    bool vergelijk(const char* ander, bool hoofdletterGevoelig) const;

    // Case and numbers.
    void allesHoofd();
    void allesKlein();
    int digitNaarDecimaal(unsigned long long index) const;
    unsigned int naarUInt32() const;
    int naarInt32() const;
    float naarFloat(char scheidingsTeken) const;
    void naarUnicode(unsigned int waarde, unsigned long long cijfers, unsigned long long start);
    // The value in base 2 to 36 into a buffer of `capaciteit` bytes; an empty
    // text for another base or when the number and its NUL do not fit.
    static char* itoa(int waarde, char* buffer, int basis, unsigned long long capaciteit);
    char* itoa(int waarde, int basis);

    // The library's own printf, so that it formats without the standard
    // library: the conversions d, u, x, X, c, s and f, the flags "-" and "0",
    // a width, and for f a precision (at most maxPrecisie decimals; the
    // separator is the chosen one, a comma unless set otherwise). "l" and
    // "ll" read a long. Writes into this string's buffer from its first
    // element, cut at the end of the buffer and always terminated (a string
    // that may not be written is only counted). Returns (and keeps) the
    // number of characters the format produced, which is more than were
    // written when the text was cut.
    unsigned int printf(const char* formaat, ...) TRIVANE_PRINTF_FORMAAT(2, 3);
    unsigned int printf(const char* formaat, va_list argumenten);
    // The same from element `start` on.
    unsigned int deelprintf(unsigned long long start, const char* formaat, ...) TRIVANE_PRINTF_FORMAAT(3, 4);
    // Whether this string's next f conversion writes "+" before a
    // non-negative value; the flag is cleared by that conversion. It belongs
    // to the string, not to the library, so that strings formatted on
    // different threads do not touch each other's.
    void zetLeidendPlus(bool aan) { use_leading_plus = aan; }
    bool geefLeidendPlus() const { return use_leading_plus; }
    // The engine: writes at *uitvoer at most `ruimte` bytes, the NUL included,
    // and leaves *uitvoer at that NUL; a null uitvoer only counts. With
    // `leidendPlus` the caller's own leading-plus flag, which the first f
    // conversion uses and clears; without it no "+" is written.
    static unsigned int print(char** uitvoer, unsigned long long ruimte, const char* formaat, va_list argumenten);
    static unsigned int print(char** uitvoer, unsigned long long ruimte, const char* formaat, va_list argumenten,
                              bool& leidendPlus);

    static constexpr unsigned int maxPrecisie = 16;

private:
    struct MaakBuffer
    {
    };
    struct MaakView
    {
    };

    TrivaneString(MaakBuffer, unsigned long long capaciteit);
    // A view of exactly `grootte` characters.
    TrivaneString(MaakView, const char* tekst, unsigned long long grootte, char afsluiter, bool veranderbaar);

    static unsigned long long lengteVan(const TrivaneDataPakket<char>& pakket, char afsluiter);
    static TrivaneString nietGevondenView();
    // A read-only view from that element to the NUL after it, within the buffer.
    TrivaneString viewTotNul(unsigned long long index) const;
    void wordtViewOp(const TrivaneString& bron);
    void kopieerTekst(const char* tekst, unsigned long long maxLengte, unsigned long long start);
    bool alleTekens(bool (*voorwaarde)(unsigned char)) const;
    bool kanSchrijven() const;

    // Where the engine writes: up to `einde`, which stays free for the NUL.
    struct PrintDoel
    {
        char* positie;
        char* einde;
        unsigned long long aantal;
    };
    enum Opvulling : int
    {
        OpvullingRechts = 1,
        OpvullingNullen = 2
    };
    unsigned int formatteer(unsigned long long start, const char* formaat, va_list argumenten);
    static void printchar(PrintDoel& doel, int teken);
    static void vulAan(PrintDoel& doel, char teken, unsigned long long aantal);
    static unsigned long long prints(PrintDoel& doel, const char* tekst, int breedte, int opvulling);
    static unsigned long long printi(PrintDoel& doel, long long waarde, int basis, bool metTeken, int breedte,
                                     int opvulling, char letterTien);
    static unsigned long long printfloat(PrintDoel& doel, double waarde, unsigned int decimalen, int breedte,
                                         int opvulling, bool leidendPlus);
    static unsigned int dbl2stri(char* buffer, unsigned long long grootte, float waarde, unsigned int decimalen,
                                 bool leidendPlus);
    static unsigned long long my_strlen(const char* tekst);

    char afsluiter;
    unsigned int laatstePrintAantal;
    bool use_leading_plus = false;

    static TrivaneTaal taalkeuze;
    static KommaPuntKeuze kommaPunt;
    static const char kommaPuntTeken[3];
    static const float round_nums[9];
};

#endif
