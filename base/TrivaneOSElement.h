#ifndef BASE_TRIVANEOSELEMENT_H
#define BASE_TRIVANEOSELEMENT_H

// What the synchronisation elements share under the OS they run on.
template <typename OS> class TrivaneOSElement
{
public:
    // How a semaphore starts: nothing to take, or one to take.
    enum SemafoorStand : unsigned int
    {
        SemafoorLeeg = 0,
        SemafoorVol = 1
    };
};

#endif
