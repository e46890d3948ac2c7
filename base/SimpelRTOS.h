#ifndef BASE_SIMPELRTOS_H
#define BASE_SIMPELRTOS_H

#include "base/TrivaneRTOS.h"

// The desktop's OS: always started and running, and every wait returns at
// once. Sixteen one-bit semaphores are shared by the whole process.
class SimpelRTOS : public TrivaneRTOS
{
public:
    // The task index it reports: no task of its own.
    static constexpr TaakIndex geenTaak = 32767;

    explicit SimpelRTOS(unsigned long long* stack = nullptr, unsigned long long stackGrootte = 0);

    void startOS() override;
    bool initGedaan() const override;
    bool looptOS() const override;
    void schedulerOpSlot(Stand stand) override;
    void wacht(unsigned long long ticks) const override;
    void wachtMilliSecs(unsigned short milliSecs) const override;
    void wachtSecs(unsigned int secs) const override;
    unsigned long long wachtMinimumTijd() const override;
    unsigned long long geefMinWachtTijd() const override;
    TaakIndex geefHuidigeTaak() const override;

    static void resetSemafoor();
    static void zetSemafoor(unsigned short bits);
    static void geefSemafoor(unsigned short bits);
    static bool testSemafoor(unsigned short bits);
    // Takes the lowest set semaphore: clears it and returns its bit (0 when none is set).
    static unsigned short verwerkSemafoor();

private:
    static unsigned short simpelSem;
};

#endif
