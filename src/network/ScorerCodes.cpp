#include "network/ScorerCodes.h"

#include "network/SecureRandom.h"

#include <algorithm>
#include <cstdint>

namespace korvanda {

namespace {

std::string hexToken()
{
    static const char digits[] = "0123456789abcdef";
    std::string token;
    for (const char byte : secureRandomBytes(16)) {
        const auto value = static_cast<unsigned char>(byte);
        token += digits[value >> 4];
        token += digits[value & 15];
    }
    return token;
}

// Six digits, each value equally likely: draws above the last whole
// million of a 32-bit number are thrown away.
std::string sixDigits()
{
    constexpr std::uint32_t limit = 4294000000u;
    for (;;) {
        const std::string bytes = secureRandomBytes(4);
        std::uint32_t value = 0;
        for (const char byte : bytes)
            value = (value << 8) | static_cast<unsigned char>(byte);
        if (value < limit) {
            std::string pin = std::to_string(value % 1000000);
            return std::string(6 - pin.size(), '0') + pin;
        }
    }
}

// Every code is compared to the end, so the time an answer takes tells
// nothing of which code matched or how much of it.
const MatCode* codeWith(const std::vector<MatCode>& mats, std::string MatCode::*secret, std::string_view given)
{
    const MatCode* found = nullptr;
    for (const auto& code : mats)
        if (sameSecret(code.*secret, given))
            found = &code;
    return found;
}

} // namespace

bool sameSecret(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    unsigned char difference = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        difference |= static_cast<unsigned char>(a[i] ^ b[i]);
    return difference == 0;
}

const MatCode* ScorerCodes::byToken(std::string_view token) const
{
    return codeWith(mats, &MatCode::token, token);
}

const MatCode* ScorerCodes::byPin(std::string_view pin) const
{
    return codeWith(mats, &MatCode::pin, pin);
}

ScorerCodes makeScorerCodes(int mats)
{
    return codesForMats({}, mats);
}

ScorerCodes codesForMats(ScorerCodes kept, int mats)
{
    kept.mats.resize(std::min(kept.mats.size(), static_cast<std::size_t>(std::max(mats, 0))));
    for (int mat = static_cast<int>(kept.mats.size()) + 1; mat <= mats; ++mat) {
        std::string pin;
        do
            pin = sixDigits();
        while (std::any_of(kept.mats.begin(), kept.mats.end(), [&](const MatCode& c) { return c.pin == pin; }));
        kept.mats.push_back({ mat, hexToken(), pin });
    }
    return kept;
}

} // namespace korvanda
