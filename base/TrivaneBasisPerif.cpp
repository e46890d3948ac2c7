#include "base/TrivaneBasisPerif.h"

#include "base/TrivaneCode.h"
#include "base/TrivaneMicrocontroller.h"

TrivaneRTOS* TrivaneBasisPerif::perifOSPtr = nullptr;
TrivaneMicrocontroller* TrivaneBasisPerif::perifUCPtr = nullptr;

TrivaneBasisPerif::TrivaneBasisPerif(unsigned long long id, const TrivaneCString& naam, unsigned short toegangTimeOut)
    : id(id), toegangTimeOut(toegangTimeOut), opStatus(opStatusBegin), funkStatus(funkStatusBegin),
      interfaceHouder(geenHouder), interfaceMutex(naam)
{
}

void TrivaneBasisPerif::zetOS(TrivaneRTOS* os)
{
    perifOSPtr = os;
}

TrivaneRTOS* TrivaneBasisPerif::geefOS()
{
    return perifOSPtr;
}

void TrivaneBasisPerif::zetMicroController(TrivaneMicrocontroller* processor)
{
    perifUCPtr = processor;
}

TrivaneMicrocontroller* TrivaneBasisPerif::geefProcessor()
{
    return perifUCPtr;
}

unsigned long long TrivaneBasisPerif::geefID() const
{
    return id;
}

void TrivaneBasisPerif::zetOpStatus(OpStatus status)
{
    opStatus = status;
}

OpStatus TrivaneBasisPerif::geefOpStatus() const
{
    return opStatus;
}

void TrivaneBasisPerif::zetFunkStatus(FunkStatus status)
{
    funkStatus = status;
}

FunkStatus TrivaneBasisPerif::geefFunkStatus() const
{
    return funkStatus;
}

void TrivaneBasisPerif::zetToegangTimeOut(unsigned short milliSecs)
{
    toegangTimeOut = milliSecs;
}

unsigned short TrivaneBasisPerif::geefToegangTimeOut() const
{
    return toegangTimeOut;
}

void TrivaneBasisPerif::wachtOSMilliSecs(unsigned short milliSecs)
{
    if (perifOSPtr && perifOSPtr->looptOS())
        perifOSPtr->wachtMilliSecs(milliSecs);
}

void TrivaneBasisPerif::wachtHWMicroSecs(unsigned short microSecs, bool blokkeer)
{
    if (perifUCPtr)
        perifUCPtr->wachtMicroSecs(microSecs, blokkeer);
}

void TrivaneBasisPerif::wachtHWMilliSecs(unsigned short milliSecs, bool blokkeer)
{
    if (perifUCPtr)
        perifUCPtr->wachtMilliSecs(milliSecs, blokkeer);
}

void TrivaneBasisPerif::wachtMilliSecs(unsigned short milliSecs)
{
    if (perifOSPtr && perifOSPtr->looptOS())
        perifOSPtr->wachtMilliSecs(milliSecs);
    else
        wachtHWMilliSecs(milliSecs, false);
}

int TrivaneBasisPerif::neemInterface()
{
    const int resultaat = interfaceMutex.neem(toegangTimeOut);
    if (resultaat == kcFout)
    {
        opStatus = statusFout;
        funkStatus = statusFout;
    }
    else if (perifOSPtr)
    {
        interfaceHouder = perifOSPtr->geefHuidigeTaak();
    }
    return resultaat;
}

int TrivaneBasisPerif::geefInterface()
{
    const int resultaat = interfaceMutex.geef();
    if (resultaat != kcOk)
    {
        opStatus = statusFout;
        funkStatus = statusFout;
    }
    else
    {
        interfaceHouder = geenHouder;
    }
    return resultaat;
}

bool TrivaneBasisPerif::interfaceInGebruik() const
{
    return interfaceMutex.inGebruik();
}

TaakIndex TrivaneBasisPerif::geefInterfaceHouder() const
{
    return interfaceHouder;
}
