#ifndef BASE_TRIVANEMAANDID_H
#define BASE_TRIVANEMAANDID_H

// The months of the year, counted from 1 as a date writes them.
enum TrivaneMaandID : int
{
    MaandJanuari = 1,
    MaandFebruari = 2,
    MaandMaart = 3,
    MaandApril = 4,
    MaandMei = 5,
    MaandJuni = 6,
    MaandJuli = 7,
    MaandAugustus = 8,
    MaandSeptember = 9,
    MaandOktober = 10,
    MaandNovember = 11,
    MaandDecember = 12
};

#endif
