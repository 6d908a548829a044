#pragma once

#include <cstddef>
#include <functional>
#include <vector>

namespace korvanda::soak {

// Finds a short list of actions that still breaks the same promise, by
// delta debugging: drop ever smaller chunks while the failure stays. Every
// candidate is replayed from scratch by `stillFails`. The result is never
// longer than the input; once `keepGoing` says no, the shortest list found
// so far is given.
std::vector<std::size_t> shrinkFailingList(std::size_t count,
    const std::function<bool(const std::vector<std::size_t>&)>& stillFails, const std::function<bool()>& keepGoing);

} // namespace korvanda::soak
