#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korvanda {

// What lets one mat's scorer send results: a long secret for the card's
// link and a short PIN for typing by hand.
struct MatCode {
    int mat = 0;
    // 32 hexadecimal digits, 128 bits from the system's random source.
    std::string token;
    // Six digits.
    std::string pin;

    bool operator==(const MatCode&) const = default;
};

// The codes of every mat in use. A new set shuts out every device that
// used the old one.
struct ScorerCodes {
    std::vector<MatCode> mats;

    // The mat whose token or PIN this is, compared without giving away by
    // its timing how much of a guess was right; null for none.
    const MatCode* byToken(std::string_view token) const;
    const MatCode* byPin(std::string_view pin) const;

    bool operator==(const ScorerCodes&) const = default;
};

// Fresh codes for mats 1 to `mats`, every PIN different.
ScorerCodes makeScorerCodes(int mats);

// The codes for mats 1 to `mats`: a mat `kept` holds keeps its code, so its
// printed card stays good; a mat beyond them gets fresh ones, its PIN
// unlike every other mat's.
ScorerCodes codesForMats(ScorerCodes kept, int mats);

// True when both texts are equal; the time taken depends only on their
// lengths.
bool sameSecret(std::string_view a, std::string_view b);

} // namespace korvanda
