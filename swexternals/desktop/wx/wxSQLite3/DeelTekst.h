#ifndef SWEXTERNALS_DESKTOP_WX_WXSQLITE3_DEELTEKST_H
#define SWEXTERNALS_DESKTOP_WX_WXSQLITE3_DEELTEKST_H

#include <string>
#include <vector>

// Whether `tekst` holds `deel` as one run of characters, each pair compared
// with `gelijk`. One pass over `tekst` (Knuth, Morris and Pratt): after a
// mismatch the part of `deel` that still matches is known from `deel`
// alone, so no character of `tekst` is read twice. A search text may be as
// long as a pasted page; a plain search would compare it with every place
// of the other in full.
template <typename Teken, typename Gelijk>
bool bevatDeelTekst(const std::basic_string<Teken>& tekst, const std::basic_string<Teken>& deel, Gelijk gelijk)
{
    if (deel.empty())
        return true;
    // terug[i]: the length of the longest start of `deel` that ends at its
    // place i, shorter than i + 1.
    std::vector<size_t> terug(deel.size(), 0);
    // How much of `deel` matches after `teken`, when k of it did before.
    // One comparison per character that ends the step, besides one for
    // each place given up: never more than twice the characters read.
    const auto verleng = [&](size_t k, const Teken& teken)
    {
        while (!gelijk(teken, deel[k]))
        {
            if (k == 0)
                return k;
            k = terug[k - 1];
        }
        return k + 1;
    };
    for (size_t i = 1, k = 0; i < deel.size(); ++i)
        terug[i] = k = verleng(k, deel[i]);
    size_t k = 0;
    for (const Teken& teken : tekst)
        if ((k = verleng(k, teken)) == deel.size())
            return true;
    return false;
}

#endif
