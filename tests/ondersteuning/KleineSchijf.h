#ifndef TESTS_ONDERSTEUNING_KLEINESCHIJF_H
#define TESTS_ONDERSTEUNING_KLEINESCHIJF_H

#include <cstddef>
#include <string>

// A disk of its own for one test: a tmpfs of a few hundred kilobytes
// mounted on a folder of the test, which the test fills up to the last
// bytes it wants free. Mounting needs root: without it nothing is mounted
// and the test skips (isGekoppeld() false, waarom() says why). Unmounted
// when it goes, whatever is still open on it.
class KleineSchijf
{
public:
    KleineSchijf(const std::string& map, size_t grootte);
    ~KleineSchijf();

    KleineSchijf(const KleineSchijf&) = delete;
    KleineSchijf& operator=(const KleineSchijf&) = delete;

    bool isGekoppeld() const { return gekoppeld; }
    const std::string& waarom() const { return reden; }
    const std::string& geefMap() const { return map; }
    // Takes the disk's room until `vrij` bytes are left (0: none at all).
    // False when the disk could not be filled.
    bool vul(size_t vrij);
    // Gives the room taken by vul back.
    void maakLeeg();
    // Makes the disk read-only, for root too (which ignores file modes).
    bool zetAlleenLezen();
    // The bytes a user may still write.
    size_t geefVrij() const;

private:
    std::string map;
    std::string vulling;
    bool gekoppeld;
    std::string reden;
};

#endif
