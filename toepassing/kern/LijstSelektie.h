#ifndef TOEPASSING_KERN_LIJSTSELEKTIE_H
#define TOEPASSING_KERN_LIJSTSELEKTIE_H

#include <cstddef>
#include <vector>

// What the requirement list shows for one set of criteria, without the
// rows themselves: the I.D numbers in list order and the figures under the
// list. A virtual list keeps one of these per refill and reads the rows it
// shows, a page at a time, by their positions (VerelTamsoApp::leesLijstPagina).
class LijstSelektie
{
public:
    // The I.D numbers of the listed requirements, in list order. A file of
    // another tool may give two rows one number.
    std::vector<int> nummers;
    // SQLite's row ids of the same rows, in the same order: what a page
    // finds each row by. Empty where the rows have none to trust (a table
    // read through a stand-in that lacks it); the pages then go by number.
    std::vector<long long> rijIds;
    // The sum of the listed requirements' costs.
    long long kostenSom = 0;
    // The sum of the listed requirements' "Contribution to project (%)": the
    // completion of the listed set, 0 to 100 for priorities and costs of 0
    // or more.
    double voltooiing = 0.0;
    // The sum of priority times cost over the listed set: the base of the two
    // percentages of every row. 0 when nothing is listed or every weight is
    // 0, and then no row has a percentage.
    double gewichtSom = 0.0;

    size_t geefAantal() const { return nummers.size(); }
};

#endif
