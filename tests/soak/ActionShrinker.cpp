#include "soak/ActionShrinker.h"

#include <algorithm>
#include <numeric>

namespace korvanda::soak {

namespace {

std::vector<std::size_t> chunk(const std::vector<std::size_t>& list, std::size_t parts, std::size_t k)
{
    const std::size_t begin = list.size() * k / parts, end = list.size() * (k + 1) / parts;
    return { list.begin() + static_cast<std::ptrdiff_t>(begin), list.begin() + static_cast<std::ptrdiff_t>(end) };
}

std::vector<std::size_t> without(const std::vector<std::size_t>& list, std::size_t parts, std::size_t k)
{
    const std::size_t begin = list.size() * k / parts, end = list.size() * (k + 1) / parts;
    std::vector<std::size_t> rest(list.begin(), list.begin() + static_cast<std::ptrdiff_t>(begin));
    rest.insert(rest.end(), list.begin() + static_cast<std::ptrdiff_t>(end), list.end());
    return rest;
}

} // namespace

std::vector<std::size_t> shrinkFailingList(std::size_t count,
    const std::function<bool(const std::vector<std::size_t>&)>& stillFails, const std::function<bool()>& keepGoing)
{
    std::vector<std::size_t> list(count);
    std::iota(list.begin(), list.end(), std::size_t { 0 });
    std::size_t parts = 2;
    while (list.size() >= 2 && keepGoing()) {
        parts = std::min(parts, list.size());
        bool shrunk = false;
        // A failure usually needs only a few actions: try each chunk alone,
        // then the list without each chunk.
        for (std::size_t k = 0; k < parts && !shrunk && keepGoing(); ++k) {
            auto candidate = chunk(list, parts, k);
            if (!candidate.empty() && stillFails(candidate)) {
                list = std::move(candidate);
                parts = 2;
                shrunk = true;
            }
        }
        for (std::size_t k = 0; k < parts && !shrunk && parts > 2 && keepGoing(); ++k) {
            auto candidate = without(list, parts, k);
            if (stillFails(candidate)) {
                list = std::move(candidate);
                parts = std::max<std::size_t>(parts - 1, 2);
                shrunk = true;
            }
        }
        if (shrunk)
            continue;
        if (parts >= list.size())
            break;
        parts = std::min(parts * 2, list.size());
    }
    return list;
}

} // namespace korvanda::soak
