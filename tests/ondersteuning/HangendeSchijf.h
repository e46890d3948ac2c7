#ifndef TESTS_ONDERSTEUNING_HANGENDESCHIJF_H
#define TESTS_ONDERSTEUNING_HANGENDESCHIJF_H

#include <atomic>
#include <string>
#include <thread>

// A disk for one test that never answers, as a network share that hangs: a
// FUSE file system whose server reads every request and answers none. A
// thread that touches a path on it waits inside the kernel, beyond any
// signal, until the disk lets go. Mounting needs root and /dev/fuse: without
// them nothing is mounted and the test skips (isGekoppeld() false, waarom()
// says why). Let go of and unmounted when it goes.
class HangendeSchijf
{
public:
    explicit HangendeSchijf(const std::string& map);
    ~HangendeSchijf();

    HangendeSchijf(const HangendeSchijf&) = delete;
    HangendeSchijf& operator=(const HangendeSchijf&) = delete;

    bool isGekoppeld() const { return gekoppeld; }
    const std::string& waarom() const { return reden; }
    // The requests read and left unanswered so far: so many waits.
    int geefVragen() const { return vragen; }
    // Fails every request, those that wait too, and unmounts the disk.
    void laatLos();

private:
    void dien();

    std::string map;
    int apparaat = -1;
    int stop[2] = {-1, -1};
    std::atomic<int> vragen{0};
    std::thread dienaar;
    bool gekoppeld = false;
    std::string reden;
};

#endif
