#ifndef TESTS_ONDERSTEUNING_SECONDENSCHIJF_H
#define TESTS_ONDERSTEUNING_SECONDENSCHIJF_H

#include <string>

// A disk of its own for one test whose file system keeps the times of its
// files in whole seconds: ext4 with inodes of 128 bytes, in an image file of
// the test's folder mounted through a loop device. Mounting needs root,
// mkfs.ext4 and a loop device: without them nothing is mounted and the test
// skips (isGekoppeld() false, waarom() says why). Unmounted when it goes.
class SecondenSchijf
{
public:
    explicit SecondenSchijf(const std::string& map);
    ~SecondenSchijf();

    SecondenSchijf(const SecondenSchijf&) = delete;
    SecondenSchijf& operator=(const SecondenSchijf&) = delete;

    bool isGekoppeld() const { return gekoppeld; }
    const std::string& waarom() const { return reden; }
    const std::string& geefMap() const { return map; }

private:
    std::string map;
    bool gekoppeld = false;
    std::string reden;
};

#endif
