#ifndef BASE_TRIVANEMSGBERICHT_H
#define BASE_TRIVANEMSGBERICHT_H

#include "base/TrivaneCString.h"
#include "base/TrivaneCode.h"
#include "base/TrivaneDataPakket.h"
#include "base/TrivaneMsgType.h"
#include "base/TrivaneRTOS.h"
#include "base/TrivaneString.h"

// A message from one task to another: who sends it to whom, of what kind and
// how urgent, and a space of 32 words. The space holds words, a text (one
// character per word) or a data packet (its byte count in word 0, its bytes
// in the 248 bytes after it).
class TrivaneMsgBericht
{
public:
    enum Prioriteit : unsigned char
    {
        PrioriteitGeen = 0,
        PrioriteitNormaal = 1
    };

    static constexpr unsigned long long aantalWoorden = 32;
    // The bytes after word 0, where a packet goes.
    static constexpr unsigned long long pakketRuimte = (aantalWoorden - 1) * sizeof(unsigned long long);
    // The task index of the empty message: nobody.
    static constexpr TaakIndex geenTaak = 3;

    // The empty message, which cannot be used.
    TrivaneMsgBericht();
    // Copies the words only when the source's space is in use.
    TrivaneMsgBericht(const TrivaneMsgBericht& bron);
    TrivaneMsgBericht& operator=(const TrivaneMsgBericht& bron);
    TrivaneMsgBericht maakKopie() const;

    void zetZender(TaakIndex taak);
    TaakIndex geefZender() const;
    void zetOntvanger(TaakIndex taak);
    TaakIndex geefOntvanger() const;
    void zetType(TrivaneMsgType nieuw);
    TrivaneMsgType geefType() const;
    TrivaneMsgBericht& operator=(TrivaneMsgType nieuw);
    void zetPrioriteit(Prioriteit nieuw);
    Prioriteit geefPrioriteit() const;

    bool isBoodschapRuimteGebruikt() const;
    // Not while it comes from nobody or is of the empty kind.
    bool kanWordenGebruikt() const;

    // Up to 32 characters of the text, each sign-extended into its own word;
    // the words after the text are cleared.
    TrivaneMsgBericht& operator=(const TrivaneString& tekst);
    TrivaneMsgBericht& operator=(const TrivaneCString& tekst);

    // kcWaarschuwing, and the message unchanged, for a packet of more than
    // 248 bytes; kcFout for a packet without data.
    [[nodiscard]] TrivaneCode laadPakket(const TrivaneDataPakket<unsigned char>& pakket);
    // A writable view on the packet in the space, of the size in word 0
    // (never more than the space holds).
    TrivaneDataPakket<unsigned char> geefPakket() const;
    // A writable view on the 248 bytes after word 0, one word per element.
    TrivaneDataPakket<unsigned char> maakBoodschapRuimtePakket();

    // Word indexes run from 0 to 31: a write past them is refused (false),
    // a read past them gives 0.
    [[nodiscard]] bool zetBoodschap(unsigned long long index, long long waarde);
    unsigned long long geefBoodschap(unsigned long long index) const;
    const unsigned char* geefAdres(unsigned long long index) const;
    unsigned long long operator[](unsigned long long index) const;
    [[nodiscard]] bool laadAdres(const unsigned char* adres, unsigned long long index);

    static bool isBroadcastType(TrivaneMsgType type);
    bool isBroadCast() const;

private:
    template <typename Tekst> void laadTekst(const Tekst& tekst, unsigned long long lengte);
    unsigned char* pakketBytes() const;

    TrivaneMsgType type;
    TaakIndex zender;
    TaakIndex ontvanger;
    unsigned char ruimteGebruikt;
    Prioriteit prioriteit;
    unsigned long long ruimte[aantalWoorden];
};

#endif
