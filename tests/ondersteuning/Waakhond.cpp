#include "tests/ondersteuning/Waakhond.h"

#include <cstdlib>
#include <iostream>

Waakhond::Waakhond(const std::string& wat, std::chrono::seconds tijd)
    : m_wacht(
          [this, wat, tijd]
          {
              std::unique_lock<std::mutex> slot(m_slot);
              if (!m_klaar.wait_for(slot, tijd, [this] { return m_gedaan; }))
              {
                  std::cerr << "Still busy after " << tijd.count() << " seconds: " << wat << std::endl;
                  std::abort();
              }
          })
{
}

Waakhond::~Waakhond()
{
    {
        std::lock_guard<std::mutex> slot(m_slot);
        m_gedaan = true;
    }
    m_klaar.notify_one();
    m_wacht.join();
}
