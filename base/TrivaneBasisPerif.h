#ifndef BASE_TRIVANEBASISPERIF_H
#define BASE_TRIVANEBASISPERIF_H

class TrivaneRTOS;
class TrivaneMicrocontroller;

// The base of every peripheral. All peripherals share one OS and one
// processor, which the application registers once at start; both are null
// until then.
class TrivaneBasisPerif
{
public:
    static void zetOS(TrivaneRTOS* os);
    static TrivaneRTOS* geefOS();
    static void zetMicroController(TrivaneMicrocontroller* processor);
    static TrivaneMicrocontroller* geefProcessor();

private:
    static TrivaneRTOS* perifOSPtr;
    static TrivaneMicrocontroller* perifUCPtr;
};

#endif
