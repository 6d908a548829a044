#pragma once

#include <array>
#include <cstdint>

namespace quillon {

// New bout numbers by old (Korvanda) bout number. An old bout that no
// mapping line names keeps the new number 0.
class BoutMap {
public:
    static constexpr int size = 1000;

    // Whether `boutNumber` can index the map (0 to 999).
    static bool holds(int boutNumber);

    // Both numbers must satisfy holds(); anything else throws.
    std::int16_t newNumber(int oldNumber) const;
    void set(int oldNumber, int newNumber);

private:
    std::array<std::int16_t, size> newNumbers_ {};
};

} // namespace quillon
