#ifndef TESTS_ONDERSTEUNING_WAAKHOND_H
#define TESTS_ONDERSTEUNING_WAAKHOND_H

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

// Ends the test program with a clear word when what it guards does not
// return in time: a loop that never ends fails the tests instead of hanging
// them until the runner's time-out.
class Waakhond
{
public:
    explicit Waakhond(const std::string& wat, std::chrono::seconds tijd = std::chrono::seconds(30));
    ~Waakhond();

    Waakhond(const Waakhond&) = delete;
    Waakhond& operator=(const Waakhond&) = delete;

private:
    std::mutex m_slot;
    std::condition_variable m_klaar;
    bool m_gedaan = false;
    std::thread m_wacht;
};

#endif
