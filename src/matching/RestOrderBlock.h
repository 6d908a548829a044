#pragma once

#include "matching/BoutOrder.h"

#include <cstdint>
#include <vector>

namespace korvanda {

// A block of the bout order being arranged for rest. It gives exactly the
// gaps, exchanges and passes of restGap, trySwapBouts and improveBoutOrder,
// but keeps beside every bout the places of the bouts that share a wrestler
// with it, so a gap costs a few steps instead of a scan of the whole block.
// A pass skips the exchanges whose outcome is already known: trying bouts
// p and q gives the same as the last time the pair was tried, as long as
// neither bout, their partners' places nor their gaps have changed since.
class RestOrderBlock {
public:
    // Takes rows first to last of `order`, column 3 as it stands.
    RestOrderBlock(const BoutOrder& order, int first, int last);

    // Sets column 3 of every row of the block to its rest gap.
    void measureGaps();
    // The rest gap of the row as the bouts now stand (rows as in `order`).
    int restGap(int row) const { return gapAt(place(row)); }
    // As trySwapBouts(order, i, j, first, last).
    int trySwap(int i, int j);
    // As improveBoutOrder(order, first, last, threshold, target).
    void improve(int threshold, int target);

    // Writes the rows back into rows first to last of `order`.
    void writeTo(BoutOrder& order) const;

private:
    // Exchanges are weighed this many places at a time: one word of the
    // bit sets below.
    static constexpr int batch = 64;

    int place(int row) const { return row - first_; }
    int& partner(std::size_t m, int p) { return partners_[m * padded_ + static_cast<std::size_t>(p)]; }
    int partner(std::size_t m, int p) const { return partners_[m * padded_ + static_cast<std::size_t>(p)]; }
    int gapAt(int p) const;
    std::uint64_t weighBatch(int p, int from, int* gains) const;
    int weigh(int p, int q) const;
    int settle(int p, int q, int gain);
    void collectTouched(int p, int q);
    void exchange(int p, int q);
    void copyNarrow(int p);
    void resetRecord(int threshold);
    void markLow(int p);
    void markFrom(int p, int from);
    bool tryRowPair(int p, int q, int gain, long long& passGain);
    long long improveRow(int p);

    int first_;
    int size_;
    // Stands in for a missing partner: farther from every place than the
    // block is long, so it never shortens a gap.
    int nowhere_;
    // Per place of the block (counted from 0): the bout's two wrestlers,
    // its column 3, and the places of its partner bouts: partner m of the
    // bout at p is partners_[m * padded_ + p], for m below `partnerSlots_`.
    // The arrays run on for one batch past the block, so a batch never
    // needs a shorter last round.
    std::size_t partnerSlots_ = 0;
    std::size_t padded_;
    std::vector<int> wrestler1_;
    std::vector<int> wrestler2_;
    std::vector<int> gaps_;
    std::vector<int> partners_;
    std::vector<int> touched_;
    std::vector<int> newGaps_;
    // Blocks short enough for every distance to fit in 16 bits are weighed
    // from 16-bit copies of the partners' places and the gaps.
    bool narrow_;
    std::vector<std::int16_t> narrowPartners_;
    std::vector<std::int16_t> narrowGaps_;

    // The record that lets a pass skip known exchanges. Exchanges made are
    // counted in `moves_`; changedAt_[p] is the count after the last
    // exchange that changed the bout at p, its partners' places or its gap;
    // rowStart_[q] the count when the exchanges of the bout at q with every
    // other place were last tried. A pair p, q with q's row tried after the
    // last change of either needs trying again only when it gained then,
    // for whether such an exchange stands depends on bouts farther away:
    // those rows stand in gainedWith_[p]. stale_ marks the places changed
    // since their own row was tried, short_ those whose gap is below the
    // threshold (one bit a place); candidates_ the places a row still has
    // to try.
    int threshold_ = 0;
    long long moves_ = 0;
    std::vector<long long> changedAt_;
    std::vector<long long> rowStart_;
    std::vector<std::vector<int>> gainedWith_;
    std::vector<std::uint64_t> stale_;
    std::vector<std::uint64_t> short_;
    std::vector<std::uint64_t> candidates_;
};

} // namespace korvanda
