#ifndef TESTS_ONDERSTEUNING_XTESTMUIS_H
#define TESTS_ONDERSTEUNING_XTESTMUIS_H

#include <atomic>
#include <functional>
#include <memory>
#include <wx/dnd.h>

// A mouse and keys driven through the X server's XTest extension, as
// a user's hand would: for a real drag and drop in a test. It has its own
// connection to the display, so a thread of the test can move it while the
// toolkit's loop runs on the GUI thread. The X headers stay in the source:
// their macros would clash with everything else.
class XTestMuis
{
public:
    XTestMuis();
    ~XTestMuis();

    XTestMuis(const XTestMuis&) = delete;
    XTestMuis& operator=(const XTestMuis&) = delete;

    // False when the display cannot be opened or has no XTest.
    bool isBruikbaar() const;
    // The hand's patience, on its own thread (the toolkit is not touched
    // there): until the condition holds, at most `maxMs`; true when it held.
    static bool wachtInDraad(const std::function<bool()>& voorwaarde, int maxMs);
    // Screen coordinates.
    void beweeg(int x, int y);
    void drukLinks(bool omlaag);
    void drukCtrl(bool omlaag);
    // One notch of the wheel, away from the user (up) or towards.
    void rol(bool omhoog);
    // A key pressed and let go (an X keysym; a Latin-1 character is its
    // own), delivered by the server to
    // whoever has the focus before this returns.
    void tik(unsigned long toets);

private:
    struct Verbinding;
    std::unique_ptr<Verbinding> verbinding;
};

// A drop target of the program's that tells the hand when a drag is over
// it.
template <class Doel> class WaakzaamDoel : public Doel
{
public:
    using Doel::Doel;
    wxDragResult OnDragOver(wxCoord x, wxCoord y, wxDragResult voorstel) override
    {
        erboven = true;
        return Doel::OnDragOver(x, y, voorstel);
    }
    std::atomic<bool> erboven{false};
};

#endif
