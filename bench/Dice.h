#pragma once

#include <cstdint>

// A small generator of its own, so every machine builds the same meet.
class Dice {
public:
    explicit Dice(std::uint32_t seed)
        : state_(seed)
    {
    }
    int roll(int low, int high)
    {
        state_ = state_ * 1664525U + 1013904223U;
        return low + static_cast<int>((state_ >> 8) % static_cast<std::uint32_t>(high - low + 1));
    }

private:
    std::uint32_t state_;
};
