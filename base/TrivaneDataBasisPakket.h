#ifndef BASE_TRIVANEDATABASISPAKKET_H
#define BASE_TRIVANEDATABASISPAKKET_H

// The description of a block of bytes: where it is, how large it is, how large
// one element is, whether this packet owns the block and whether it may write
// it. A packet owns its block (and frees it once), views someone else's block,
// or is empty.
class TrivaneDataBasisPakket
{
public:
    // The largest block that geldigeData accepts.
    static constexpr unsigned long long maxGeldigeGrootte = 0x40000;

    // Empty: no block.
    TrivaneDataBasisPakket();
    // Owning: a fresh, writable block of aantal x elementGrootte bytes.
    TrivaneDataBasisPakket(unsigned long long aantal, unsigned long long elementGrootte);
    // A view on memory that someone else keeps alive.
    TrivaneDataBasisPakket(const void* data, unsigned long long grootte, unsigned long long elementGrootte,
                           bool veranderbaar);
    // A copy of an owning packet owns a copy of the bytes; a copy of a view is
    // the same view.
    TrivaneDataBasisPakket(const TrivaneDataBasisPakket& ander);
    TrivaneDataBasisPakket(TrivaneDataBasisPakket&& ander) noexcept;
    ~TrivaneDataBasisPakket();

    // A writable packet receives the bytes (as many as both hold); a packet
    // that may not write becomes a view on the source's block instead.
    TrivaneDataBasisPakket& operator=(const TrivaneDataBasisPakket& bron);

    void vernietig();
    unsigned char* alloceerOpnieuw(unsigned long long aantal, unsigned long long elementGrootte);

    bool isLeeg() const;
    unsigned char* geefBasisAdres() const;
    unsigned char* geefPtr(unsigned long long offset) const;
    void zetPtr(unsigned char* nieuw);
    bool geldigeData() const;
    bool isVeranderbaar() const;
    bool isZelfAlloc() const;
    unsigned long long geefGrootte() const;
    unsigned long long geefElementGrootte() const;
    unsigned long long geefElementAantal() const;

protected:
    // Frees an owned block and returns to the empty state; a view is left as is.
    void geefVrij();
    // Takes over the source's description as a view: it never becomes a second owner.
    void wordtViewOp(const TrivaneDataBasisPakket& bron);
    void alloceer(unsigned long long aantal, unsigned long long elementGrootte);

    unsigned char* data;
    unsigned long long grootte;
    unsigned long long elementGrootte;
    bool zelfAlloc;
    bool veranderbaar;
};

#endif
