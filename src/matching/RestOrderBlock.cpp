#include "matching/RestOrderBlock.h"

#include <algorithm>
#include <cstdlib>

namespace korvanda {

RestOrderBlock::RestOrderBlock(const BoutOrder& order, int first, int last)
    : first_(first)
    , size_(std::max(0, last - first + 1))
    , nowhere_(-size_)
    , padded_(static_cast<std::size_t>(size_) + batch)
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
                if (other != p)
                    list.push_back(other);
        partnerSlots_ = std::max(partnerSlots_, list.size());
    }
    partners_.assign(partnerSlots_ * padded_, nowhere_);
    for (int p = 0; p < size_; ++p) {
        const auto& list = partners[static_cast<std::size_t>(p)];
        for (std::size_t m = 0; m < list.size(); ++m)
            partner(m, p) = list[m];
    }
}

int RestOrderBlock::gapAt(int p) const
{
    int gap = size_;
    for (std::size_t m = 0; m < partnerSlots_; ++m)
        gap = std::min(gap, std::abs(p - partner(m, p)));
    return gap;
}

// What exchanging the bout at p with each bout at `from` to from + batch - 1
// would gain for the two gaps; a partner at the other place of the two is
// then |p - q| away. Written as plain loops over the batch so the compiler
// can weigh several places at once.
void RestOrderBlock::weighBatch(int p, int from, int* gains) const
{
    int atQ[batch];
    int atP[batch];
    for (int k = 0; k < batch; ++k) {
        atQ[k] = size_;
        atP[k] = size_;
    }
    for (std::size_t m = 0; m < partnerSlots_; ++m) {
        const int ofP = partner(m, p);
        const int* ofQ = &partners_[m * padded_ + static_cast<std::size_t>(from)];
        for (int k = 0; k < batch; ++k) {
            const int q = from + k;
            const int apart = std::abs(p - q);
            const int toQ = ofP == q ? apart : std::abs(q - ofP);
            atQ[k] = std::min(atQ[k], toQ);
            const int toP = ofQ[k] == p ? apart : std::abs(p - ofQ[k]);
            atP[k] = std::min(atP[k], toP);
        }
    }
    const int gapP = gaps_[static_cast<std::size_t>(p)];
    for (int k = 0; k < batch; ++k)
        gains[k] = atP[k] + atQ[k] - std::abs(gapP + gaps_[static_cast<std::size_t>(from + k)]);
}

void RestOrderBlock::exchange(int p, int q)
{
    const auto up = static_cast<std::size_t>(p);
    const auto uq = static_cast<std::size_t>(q);
    std::swap(wrestler1_[up], wrestler1_[uq]);
    std::swap(wrestler2_[up], wrestler2_[uq]);
    std::swap(gaps_[up], gaps_[uq]);

    // The two bouts and their partners are the rows whose gaps can change.
    touched_.assign({ p, q });
    for (std::size_t m = 0; m < partnerSlots_; ++m) {
        std::swap(partner(m, p), partner(m, q));
        for (int s : { p, q })
            if (partner(m, s) != nowhere_)
                touched_.push_back(partner(m, s));
    }
    std::sort(touched_.begin(), touched_.end());
    touched_.erase(std::unique(touched_.begin(), touched_.end()), touched_.end());
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

int RestOrderBlock::settle(int p, int q, int gain)
{
    exchange(p, q);
    int change = 0;
    for (int s : touched_) {
        const int newGap = gapAt(s);
        change += newGap - gaps_[static_cast<std::size_t>(s)];
        gaps_[static_cast<std::size_t>(s)] = newGap;
    }
    if (change >= 0)
        return gain;
    exchange(p, q);
    for (int s : touched_)
        gaps_[static_cast<std::size_t>(s)] = gapAt(s);
    return gain;
}

void RestOrderBlock::measureGaps()
{
    for (int p = 0; p < size_; ++p)
        gaps_[static_cast<std::size_t>(p)] = gapAt(p);
}

int RestOrderBlock::trySwap(int i, int j)
{
    int gains[batch];
    weighBatch(place(i), place(j), gains);
    return gains[0] > 0 ? settle(place(i), place(j), gains[0]) : 0;
}

void RestOrderBlock::improve(int threshold, int target)
{
    long long previousTotal = 0;
    int shortPasses = 0;
    int gains[batch];
    while (true) {
        long long passGain = 0;
        for (int p = 0; p < size_; ++p) {
            // After an exchange the rest of the batch is weighed afresh.
            int from = 0;
            while (from < size_) {
                weighBatch(p, from, gains);
                const int end = std::min(from + batch, size_);
                int q = from;
                for (; q < end; ++q) {
                    if (gains[q - from] > 0 && q != p
                        && (gaps_[static_cast<std::size_t>(p)] < threshold
                            || gaps_[static_cast<std::size_t>(q)] < threshold)) {
                        passGain += settle(p, q, gains[q - from]);
                        break;
                    }
                }
                from = q < end ? q + 1 : end;
            }
        }
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
