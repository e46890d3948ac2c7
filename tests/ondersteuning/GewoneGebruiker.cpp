#include "tests/ondersteuning/GewoneGebruiker.h"

#include "tests/ondersteuning/TestOmgeving.h"

#include <cerrno>
#include <cstdio>
#include <grp.h>
#include <gtest/gtest.h>
#include <iostream>
#include <pwd.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{
struct Gebruiker
{
    uid_t uid = 65534;
    gid_t gid = 65534;
};

Gebruiker geefNiemand()
{
    Gebruiker niemand;
    if (const passwd* gegevens = getpwnam("nobody"))
    {
        niemand.uid = gegevens->pw_uid;
        niemand.gid = gegevens->pw_gid;
    }
    return niemand;
}

// Every file and folder under the test's folder becomes the user's, so the
// part can make its files there and the configuration file can be written.
void geefMapAan(const Gebruiker& gebruiker)
{
    namespace fs = std::filesystem;
    const fs::path& map = testMap();
    if (chown(map.c_str(), gebruiker.uid, gebruiker.gid) != 0)
        ADD_FAILURE() << "cannot hand " << map << " to the user who is not root";
    std::error_code fout;
    for (const fs::directory_entry& ding : fs::recursive_directory_iterator(map, fout))
        if (lchown(ding.path().c_str(), gebruiker.uid, gebruiker.gid) != 0)
            ADD_FAILURE() << "cannot hand " << ding.path() << " to the user who is not root";
}

[[noreturn]] void voerUitAls(const Gebruiker& gebruiker, const std::function<void()>& deel)
{
    if (setgroups(0, nullptr) != 0 || setgid(gebruiker.gid) != 0 || setuid(gebruiker.uid) != 0 || geteuid() == 0)
    {
        std::cerr << "the child could not become a user who is not root\n";
        std::_Exit(3);
    }
    if (access(testMap().c_str(), R_OK | W_OK | X_OK) != 0)
    {
        std::cerr << "the user who is not root cannot reach the test's folder " << testMap()
                  << ": run the tests with TMPDIR in a folder that every user may enter\n";
        std::_Exit(3);
    }
    deel();
    std::fflush(nullptr);
    std::cout.flush();
    std::cerr.flush();
    // No destructors or exit handlers: they belong to the parent's process.
    std::_Exit(::testing::Test::HasFailure() ? 1 : 0);
}
} // namespace

void alsGewoneGebruiker(const std::function<void()>& deel)
{
    if (geteuid() != 0)
    {
        deel();
        return;
    }
    const Gebruiker niemand = geefNiemand();
    geefMapAan(niemand);
    std::fflush(nullptr);
    std::cout.flush();
    std::cerr.flush();
    const pid_t kind = fork();
    if (kind < 0)
    {
        ADD_FAILURE() << "cannot start the child that runs as a user who is not root";
        return;
    }
    if (kind == 0)
        voerUitAls(niemand, deel);
    int status = 0;
    while (waitpid(kind, &status, 0) < 0 && errno == EINTR)
    {
    }
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
        << "the part run as the user who is not root failed (its report is above); status " << status;
}
