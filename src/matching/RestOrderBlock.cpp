#include "matching/RestOrderBlock.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <cstring>

namespace korvanda {

RestOrderBlock::RestOrderBlock(const BoutOrder& order, int first, int last)
    : first_(first)
    , size_(std::max(0, last - first + 1))
    , nowhere_(-size_)
    , padded_(static_cast<std::size_t>(size_) + batch)
    , narrow_(size_ <= 16383)
{
    for (int r = first; r <= last; ++r) {
        wrestler1_.push_back(order(r, 1));
        wrestler2_.push_back(order(r, 2));
        gaps_.push_back(order(r, 3));
    }
    gaps_.resize(padded_, 0);

    // The places of every wrestler's bouts, wrestlers numbered densely.
    std::vector<int> wrestlers(wrestler1_);
    wrestlers.insert(wrestlers.end(), wrestler2_.begin(), wrestler2_.end());
    std::sort(wrestlers.begin(), wrestlers.end());
    wrestlers.erase(std::unique(wrestlers.begin(), wrestlers.end()), wrestlers.end());
    auto idOf = [&](int wrestler) {
        return static_cast<std::size_t>(
            std::lower_bound(wrestlers.begin(), wrestlers.end(), wrestler) - wrestlers.begin());
    };
    std::vector<std::vector<int>> placesOf(wrestlers.size());
    for (int p = 0; p < size_; ++p) {
        placesOf[idOf(wrestler1_[static_cast<std::size_t>(p)])].push_back(p);
        placesOf[idOf(wrestler2_[static_cast<std::size_t>(p)])].push_back(p);
    }

    std::vector<std::vector<int>> partners(static_cast<std::size_t>(size_));
    for (int p = 0; p < size_; ++p) {
        auto& list = partners[static_cast<std::size_t>(p)];
        for (int wrestler : { wrestler1_[static_cast<std::size_t>(p)], wrestler2_[static_cast<std::size_t>(p)] })
            for (int other : placesOf[idOf(wrestler)])
                if (other != p && std::find(list.begin(), list.end(), other) == list.end())
                    list.push_back(other);
        partnerSlots_ = std::max(partnerSlots_, list.size());
    }
    partners_.assign(partnerSlots_ * padded_, nowhere_);
    for (int p = 0; p < size_; ++p) {
        const auto& list = partners[static_cast<std::size_t>(p)];
        for (std::size_t m = 0; m < list.size(); ++m)
            partner(m, p) = list[m];
    }
    if (narrow_) {
        narrowPartners_.assign(partners_.begin(), partners_.end());
        narrowGaps_.assign(gaps_.begin(), gaps_.end());
    }
    resetRecord(0);
}

namespace {

void setBit(std::vector<std::uint64_t>& bits, int p, bool on = true)
{
    const auto word = static_cast<std::size_t>(p) / 64;
    const std::uint64_t bit = std::uint64_t { 1 } << (static_cast<std::size_t>(p) % 64);
    bits[word] = on ? bits[word] | bit : bits[word] & ~bit;
}

void setBits(std::vector<std::uint64_t>& bits, int from, int to)
{
    for (int p = from; p < to && p % 64 != 0; ++p)
        setBit(bits, p);
    for (int p = (from + 63) / 64 * 64; p < to; p += 64) {
        if (to - p >= 64)
            bits[static_cast<std::size_t>(p) / 64] = ~std::uint64_t { 0 };
        else
            for (int r = p; r < to; ++r)
                setBit(bits, r);
    }
}

// Whether eight bits or more are set; counting them takes a library call
// on processors of the plain x86-64 set.
bool atLeastEight(std::uint64_t bits)
{
    for (int k = 0; k < 7; ++k)
        bits &= bits - 1;
    return bits != 0;
}

// The first set bit at `from` or after, or `end` when there is none.
int nextBit(const std::vector<std::uint64_t>& bits, int from, int end)
{
    auto word = static_cast<std::size_t>(from) / 64;
    if (word >= bits.size())
        return end;
    std::uint64_t rest = bits[word] & (~std::uint64_t { 0 } << (static_cast<std::size_t>(from) % 64));
    while (rest == 0) {
        if (++word == bits.size())
            return end;
        rest = bits[word];
    }
    return std::min(end, static_cast<int>(word * 64) + std::countr_zero(rest));
}

} // namespace

int RestOrderBlock::gapAt(int p) const
{
    int gap = size_;
    for (std::size_t m = 0; m < partnerSlots_; ++m)
        gap = std::min(gap, std::abs(p - partner(m, p)));
    return gap;
}

namespace {

// What exchanging the bout at p with each bout at `from` to from + batch - 1
// does to the two gaps, as long as the two bouts share no wrestler. Written
// as plain loops over the batch in the type of the places, so the compiler
// weighs several places at once, eight at a time in 16 bits.
template <typename Place, int batch>
void weighRun(const Place* partners, std::size_t padded, std::size_t slots, const Place* gaps, int size, int p,
    int from, int* gains)
{
    auto distance = [](Place a, Place b) {
        const auto d = static_cast<Place>(a - b);
        return static_cast<Place>(d < 0 ? -d : d);
    };
    auto least = [](Place a, Place b) { return a < b ? a : b; };
    Place places[batch];
    Place atQ[batch];
    Place atP[batch];
    for (int k = 0; k < batch; ++k) {
        places[k] = static_cast<Place>(from + k);
        atQ[k] = static_cast<Place>(size);
        atP[k] = static_cast<Place>(size);
    }
    const auto at = static_cast<Place>(p);
    for (std::size_t m = 0; m < slots; ++m) {
        const Place ofP = partners[m * padded + static_cast<std::size_t>(p)];
        const Place* ofQ = &partners[m * padded + static_cast<std::size_t>(from)];
        for (int k = 0; k < batch; ++k) {
            atQ[k] = least(atQ[k], distance(places[k], ofP));
            atP[k] = least(atP[k], distance(at, ofQ[k]));
        }
    }
    const Place gapP = gaps[p];
    for (int k = 0; k < batch; ++k)
        gains[k] = static_cast<Place>(atP[k] + atQ[k] - distance(gapP, static_cast<Place>(-gaps[from + k])));
}

// One bit for each gain of the batch above 0. Eight flags at a time are
// gathered into eight bits by one multiplication.
template <int batch> std::uint64_t positivesOf(const int* gains)
{
    static_assert(std::endian::native == std::endian::little, "flag k is byte k of the word");
    std::uint8_t above[batch];
    for (int k = 0; k < batch; ++k)
        above[k] = gains[k] > 0 ? 1 : 0;
    std::uint64_t bits = 0;
    for (int k = 0; k < batch; k += 8) {
        std::uint64_t eight = 0;
        std::memcpy(&eight, above + k, 8);
        bits |= (eight * 0x0102040810204080ULL >> 56) << k;
    }
    return bits;
}

} // namespace

// What exchanging the bout at p with each bout at `from` to from + batch - 1
// would gain for the two gaps. A bout that shares a wrestler with the bout
// at p is weighed alone: its partner at the other place of the two is then
// |p - q| away.
std::uint64_t RestOrderBlock::weighBatch(int p, int from, int* gains) const
{
    if (narrow_)
        weighRun<std::int16_t, batch>(
            narrowPartners_.data(), padded_, partnerSlots_, narrowGaps_.data(), size_, p, from, gains);
    else
        weighRun<int, batch>(partners_.data(), padded_, partnerSlots_, gaps_.data(), size_, p, from, gains);
    for (std::size_t m = 0; m < partnerSlots_; ++m) {
        const int q = partner(m, p);
        if (q >= from && q < from + batch)
            gains[q - from] = weigh(p, q);
    }
    return positivesOf<batch>(gains);
}

// One pair of weighBatch, for places that stand alone.
int RestOrderBlock::weigh(int p, int q) const
{
    const int apart = std::abs(p - q);
    int atQ = size_;
    int atP = size_;
    for (std::size_t m = 0; m < partnerSlots_; ++m) {
        const int ofP = partner(m, p);
        const int ofQ = partner(m, q);
        atQ = std::min(atQ, ofP == q ? apart : std::abs(q - ofP));
        atP = std::min(atP, ofQ == p ? apart : std::abs(p - ofQ));
    }
    return atP + atQ - std::abs(gaps_[static_cast<std::size_t>(p)] + gaps_[static_cast<std::size_t>(q)]);
}

// The two bouts and their partners, each once: the bouts whose gaps an
// exchange of the places p and q can change.
void RestOrderBlock::collectTouched(int p, int q)
{
    touched_.assign({ p, q });
    for (std::size_t m = 0; m < partnerSlots_; ++m)
        for (int s : { partner(m, p), partner(m, q) })
            if (s != nowhere_ && std::find(touched_.begin(), touched_.end(), s) == touched_.end())
                touched_.push_back(s);
}

// Exchanges the bouts at p and q, touched_ holding collectTouched(p, q).
void RestOrderBlock::exchange(int p, int q)
{
    const auto up = static_cast<std::size_t>(p);
    const auto uq = static_cast<std::size_t>(q);
    std::swap(wrestler1_[up], wrestler1_[uq]);
    std::swap(wrestler2_[up], wrestler2_[uq]);
    for (std::size_t m = 0; m < partnerSlots_; ++m)
        std::swap(partner(m, p), partner(m, q));
    for (int s : touched_) {
        for (std::size_t m = 0; m < partnerSlots_; ++m) {
            int& other = partner(m, s);
            if (other == p)
                other = q;
            else if (other == q)
                other = p;
        }
    }
}

// The exchange is weighed where the bouts stand and made only when the
// block does not lose by it: most exchanges that reach here are refused.
int RestOrderBlock::settle(int p, int q, int gain)
{
    // The two bouts gain `gain` together. A partner of one of them that
    // has a nearer partner still keeps its gap or comes to be as near the
    // bout at its new place; one whose nearest partner it was can at most
    // come to be as far from it. A partner of both keeps its gap, and the
    // two terms it gets here are not below 0. When even these bounds lose
    // more than the two bouts gain, the exchange is refused without
    // weighing the partners in full.
    int bound = gain;
    auto partnerBound = [this, &bound](int other, int from, int to) {
        if (other == nowhere_ || other == to)
            return;
        const int gap = gaps_[static_cast<std::size_t>(other)];
        const int loss = std::abs(other - to) - gap;
        bound += std::abs(other - from) > gap ? std::min(0, loss) : loss;
    };
    for (std::size_t m = 0; m < partnerSlots_; ++m) {
        partnerBound(partner(m, p), p, q);
        partnerBound(partner(m, q), q, p);
    }
    if (bound < 0)
        return gain;
    auto moved = [p, q](int place) { return place == p ? q : place == q ? p : place; };
    collectTouched(p, q);
    newGaps_.clear();
    int change = 0;
    for (int s : touched_) {
        const int at = moved(s);
        int gap = size_;
        for (std::size_t m = 0; m < partnerSlots_; ++m)
            gap = std::min(gap, std::abs(at - moved(partner(m, s))));
        newGaps_.push_back(gap);
        change += gap - gaps_[static_cast<std::size_t>(s)];
    }
    if (change < 0)
        return gain;
    exchange(p, q);
    ++moves_;
    for (std::size_t t = 0; t < touched_.size(); ++t) {
        const int s = moved(touched_[t]);
        gaps_[static_cast<std::size_t>(s)] = newGaps_[t];
        changedAt_[static_cast<std::size_t>(s)] = moves_;
        setBit(stale_, s);
        markLow(s);
        copyNarrow(s);
    }
    return gain;
}

void RestOrderBlock::copyNarrow(int p)
{
    if (!narrow_)
        return;
    const auto up = static_cast<std::size_t>(p);
    narrowGaps_[up] = static_cast<std::int16_t>(gaps_[up]);
    for (std::size_t m = 0; m < partnerSlots_; ++m)
        narrowPartners_[m * padded_ + up] = static_cast<std::int16_t>(partner(m, p));
}

void RestOrderBlock::markLow(int p)
{
    setBit(short_, p, gaps_[static_cast<std::size_t>(p)] < threshold_);
}

// Before the first pass every pair is unknown.
void RestOrderBlock::resetRecord(int threshold)
{
    const std::size_t words = (static_cast<std::size_t>(size_) + 63) / 64;
    threshold_ = threshold;
    moves_ = 1;
    changedAt_.assign(static_cast<std::size_t>(size_), 1);
    rowStart_.assign(static_cast<std::size_t>(size_), 0);
    gainedWith_.assign(static_cast<std::size_t>(size_), {});
    stale_.assign(words, 0);
    short_.assign(words, 0);
    candidates_.assign(words, 0);
    setBits(stale_, 0, size_);
    for (int p = 0; p < size_; ++p)
        markLow(p);
}

// From `from` on, the row tries every place, or only those with a short gap
// when its own gap is not short.
void RestOrderBlock::markFrom(int p, int from)
{
    setBits(candidates_, from, size_);
    if (gaps_[static_cast<std::size_t>(p)] >= threshold_)
        for (std::size_t w = 0; w < candidates_.size(); ++w)
            candidates_[w] &= short_[w];
}

// Settles an exchange that gains and notes the pair for the next try;
// true when the exchange stood, so the bout at p is another now and the
// rest of its row is unknown.
bool RestOrderBlock::tryRowPair(int p, int q, int gain, long long& passGain)
{
    gainedWith_[static_cast<std::size_t>(q)].push_back(p);
    const long long moves = moves_;
    passGain += settle(p, q, gain);
    return moves_ != moves;
}

// Tries the bout at p with every other place, in order, as a pass does.
long long RestOrderBlock::improveRow(int p)
{
    const auto up = static_cast<std::size_t>(p);
    rowStart_[up] = moves_;
    setBit(stale_, p, false);
    candidates_ = stale_;
    // The rows tried before p last changed follow p round the block.
    const long long changed = changedAt_[up];
    auto before = [changed](long long start) { return start < changed; };
    const int end = static_cast<int>(
        std::partition_point(rowStart_.begin() + p + 1, rowStart_.end(), before) - rowStart_.begin());
    setBits(candidates_, p + 1, end);
    if (end == size_)
        setBits(candidates_, 0,
            static_cast<int>(
                std::partition_point(rowStart_.begin(), rowStart_.begin() + p, before) - rowStart_.begin()));
    for (int q : gainedWith_[up])
        setBit(candidates_, q);
    gainedWith_[up].clear();
    setBit(candidates_, p, false);
    if (gaps_[up] >= threshold_)
        for (std::size_t w = 0; w < candidates_.size(); ++w)
            candidates_[w] &= short_[w];

    long long passGain = 0;
    int gains[batch];
    int q = nextBit(candidates_, 0, size_);
    while (q < size_) {
        // The places still to try in q's word of the bit sets: a word with
        // many is weighed whole, a few places alone.
        const auto word = static_cast<std::size_t>(q) / 64;
        const int base = static_cast<int>(word) * 64;
        std::uint64_t tryThese = candidates_[word] & (~std::uint64_t { 0 } << (q - base));
        const bool whole = atLeastEight(tryThese);
        if (whole)
            tryThese &= weighBatch(p, base, gains);
        int next = base + batch;
        for (; tryThese != 0; tryThese &= tryThese - 1) {
            const int r = base + std::countr_zero(tryThese);
            const int gain = whole ? gains[r - base] : weigh(p, r);
            if (gain > 0 && (gaps_[up] < threshold_ || gaps_[static_cast<std::size_t>(r)] < threshold_)
                && tryRowPair(p, r, gain, passGain)) {
                markFrom(p, r + 1);
                next = r + 1;
                break;
            }
        }
        q = nextBit(candidates_, next, size_);
    }
    return passGain;
}

void RestOrderBlock::measureGaps()
{
    for (int p = 0; p < size_; ++p) {
        gaps_[static_cast<std::size_t>(p)] = gapAt(p);
        copyNarrow(p);
    }
}

int RestOrderBlock::trySwap(int i, int j)
{
    int gains[batch];
    weighBatch(place(i), place(j), gains);
    return gains[0] > 0 ? settle(place(i), place(j), gains[0]) : 0;
}

void RestOrderBlock::improve(int threshold, int target)
{
    resetRecord(threshold);
    long long previousTotal = 0;
    int shortPasses = 0;
    while (true) {
        long long passGain = 0;
        for (int p = 0; p < size_; ++p)
            passGain += improveRow(p);
        long long total = 0;
        int minimum = 10000;
        for (int p = 0; p < size_; ++p) {
            total += gaps_[static_cast<std::size_t>(p)];
            minimum = std::min(minimum, gaps_[static_cast<std::size_t>(p)]);
        }
        bool stillShort = minimum < target;
        if (stillShort && ++shortPasses > 2)
            stillShort = false;
        if (passGain == 0)
            return;
        const bool gained = total > previousTotal;
        previousTotal = total;
        if (!gained && !stillShort)
            return;
    }
}

void RestOrderBlock::writeTo(BoutOrder& order) const
{
    for (int p = 0; p < size_; ++p) {
        order(first_ + p, 1) = wrestler1_[static_cast<std::size_t>(p)];
        order(first_ + p, 2) = wrestler2_[static_cast<std::size_t>(p)];
        order(first_ + p, 3) = gaps_[static_cast<std::size_t>(p)];
    }
}

} // namespace korvanda
