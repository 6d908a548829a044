#include "renumber/BoutMap.h"

#include <stdexcept>
#include <string>

namespace quillon {

bool BoutMap::holds(int boutNumber)
{
    return boutNumber >= 0 && boutNumber < size;
}

std::int16_t BoutMap::newNumber(int oldNumber) const
{
    if (!holds(oldNumber))
        throw std::out_of_range("no bout " + std::to_string(oldNumber));
    return newNumbers_[static_cast<std::size_t>(oldNumber)];
}

void BoutMap::set(int oldNumber, int newNumber)
{
    if (!holds(oldNumber) || !holds(newNumber))
        throw std::out_of_range("bout mapping " + std::to_string(newNumber) + " for " + std::to_string(oldNumber));
    newNumbers_[static_cast<std::size_t>(oldNumber)] = static_cast<std::int16_t>(newNumber);
}

} // namespace quillon
