#include "base/TrivaneMsgBericht.h"

#include <algorithm>
#include <cstring>
#include <iterator>

TrivaneMsgBericht::TrivaneMsgBericht()
    : type(MsgTypeLeeg), zender(geenTaak), ontvanger(geenTaak), ruimteGebruikt(0), prioriteit(PrioriteitGeen), ruimte{}
{
}

TrivaneMsgBericht::TrivaneMsgBericht(const TrivaneMsgBericht& bron) : TrivaneMsgBericht()
{
    *this = bron;
}

TrivaneMsgBericht& TrivaneMsgBericht::operator=(const TrivaneMsgBericht& bron)
{
    if (this == &bron)
        return *this;
    type = bron.type;
    zender = bron.zender;
    ontvanger = bron.ontvanger;
    prioriteit = bron.prioriteit;
    ruimteGebruikt = bron.ruimteGebruikt;
    if (bron.ruimteGebruikt)
        std::copy(std::begin(bron.ruimte), std::end(bron.ruimte), std::begin(ruimte));
    return *this;
}

TrivaneMsgBericht TrivaneMsgBericht::maakKopie() const
{
    return TrivaneMsgBericht(*this);
}

void TrivaneMsgBericht::zetZender(TaakIndex taak)
{
    zender = taak;
}

TaakIndex TrivaneMsgBericht::geefZender() const
{
    return zender;
}

void TrivaneMsgBericht::zetOntvanger(TaakIndex taak)
{
    ontvanger = taak;
}

TaakIndex TrivaneMsgBericht::geefOntvanger() const
{
    return ontvanger;
}

void TrivaneMsgBericht::zetType(TrivaneMsgType nieuw)
{
    type = nieuw;
}

TrivaneMsgType TrivaneMsgBericht::geefType() const
{
    return type;
}

TrivaneMsgBericht& TrivaneMsgBericht::operator=(TrivaneMsgType nieuw)
{
    type = nieuw;
    return *this;
}

void TrivaneMsgBericht::zetPrioriteit(Prioriteit nieuw)
{
    prioriteit = nieuw;
}

TrivaneMsgBericht::Prioriteit TrivaneMsgBericht::geefPrioriteit() const
{
    return prioriteit;
}

bool TrivaneMsgBericht::isBoodschapRuimteGebruikt() const
{
    return ruimteGebruikt != 0;
}

bool TrivaneMsgBericht::kanWordenGebruikt() const
{
    return zender != geenTaak && type != MsgTypeLeeg;
}

template <typename Tekst> void TrivaneMsgBericht::laadTekst(const Tekst& tekst, unsigned long long lengte)
{
    unsigned long long i = 0;
    for (; i < std::min(lengte, aantalWoorden) && tekst[i] != '\0'; ++i)
        ruimte[i] = static_cast<unsigned long long>(static_cast<long long>(static_cast<signed char>(tekst[i])));
    // A shorter text than the one before must not read on into its characters.
    std::fill(std::begin(ruimte) + i, std::end(ruimte), 0ULL);
    ruimteGebruikt = 1;
}

TrivaneMsgBericht& TrivaneMsgBericht::operator=(const TrivaneString& tekst)
{
    const char* tekens = tekst.string();
    if (tekens)
        laadTekst(tekens, tekst.geefLengte());
    else
        laadTekst("", 0);
    return *this;
}

TrivaneMsgBericht& TrivaneMsgBericht::operator=(const TrivaneCString& tekst)
{
    laadTekst(tekst, aantalWoorden);
    return *this;
}

TrivaneCode TrivaneMsgBericht::laadPakket(const TrivaneDataPakket<unsigned char>& pakket)
{
    if (!pakket.geefBasisAdres())
        return kcFout;
    const unsigned long long grootte = pakket.geefGrootte();
    if (grootte > pakketRuimte)
        return kcWaarschuwing;
    ruimte[0] = grootte;
    std::memcpy(pakketBytes(), pakket.geefBasisAdres(), grootte);
    ruimteGebruikt = 1;
    return kcOk;
}

TrivaneDataPakket<unsigned char> TrivaneMsgBericht::geefPakket() const
{
    // Word 0 can be written as any word; the view never reaches past the space.
    return TrivaneDataPakket<unsigned char>(pakketBytes(), std::min(ruimte[0], pakketRuimte), 1, true);
}

TrivaneDataPakket<unsigned char> TrivaneMsgBericht::maakBoodschapRuimtePakket()
{
    return TrivaneDataPakket<unsigned char>(pakketBytes(), pakketRuimte, sizeof(unsigned long long), true);
}

bool TrivaneMsgBericht::zetBoodschap(unsigned long long index, long long waarde)
{
    if (index >= aantalWoorden)
        return false;
    ruimte[index] = static_cast<unsigned long long>(waarde);
    ruimteGebruikt = 1;
    return true;
}

unsigned long long TrivaneMsgBericht::geefBoodschap(unsigned long long index) const
{
    return index < aantalWoorden ? ruimte[index] : 0;
}

const unsigned char* TrivaneMsgBericht::geefAdres(unsigned long long index) const
{
    return reinterpret_cast<const unsigned char*>(geefBoodschap(index));
}

unsigned long long TrivaneMsgBericht::operator[](unsigned long long index) const
{
    return geefBoodschap(index);
}

bool TrivaneMsgBericht::laadAdres(const unsigned char* adres, unsigned long long index)
{
    return zetBoodschap(index, static_cast<long long>(reinterpret_cast<unsigned long long>(adres)));
}

bool TrivaneMsgBericht::isBroadcastType(TrivaneMsgType type)
{
    return type == MsgTypeBroadcast;
}

bool TrivaneMsgBericht::isBroadCast() const
{
    return isBroadcastType(type);
}

unsigned char* TrivaneMsgBericht::pakketBytes() const
{
    return reinterpret_cast<unsigned char*>(const_cast<unsigned long long*>(ruimte + 1));
}
