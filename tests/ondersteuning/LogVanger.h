#ifndef TESTS_ONDERSTEUNING_LOGVANGER_H
#define TESTS_ONDERSTEUNING_LOGVANGER_H

#include <wx/log.h>

#include <mutex>
#include <vector>

// A wx log target that keeps every message of the running test, so the test
// can check what the program reported instead of a window showing it.
class LogVanger : public wxLog
{
public:
    struct Regel
    {
        wxLogLevel niveau;
        wxString tekst;
    };

    std::vector<Regel> geefRegels() const;
    // All messages, one per line, for failure output.
    wxString geefAlles() const;
    // True when a message at this level (any level with wxLOG_Max) contains the text.
    bool bevat(const wxString& deel, wxLogLevel niveau = wxLOG_Max) const;
    size_t geefAantal(wxLogLevel niveau) const;
    void wis();

protected:
    void DoLogRecord(wxLogLevel level, const wxString& msg, const wxLogRecordInfo& info) override;

private:
    mutable std::mutex m_slot;
    std::vector<Regel> m_regels;
};

// The catcher of the running test.
LogVanger& logVanger();

#endif
