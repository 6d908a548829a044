#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvanda::soak {

// One thing the director did, written down so that it can be done again
// exactly: a verb ("click", "type", "sabotage" ...), the control or file it
// went to, and the seed of the Yes and No answers given while it ran.
struct SoakAction {
    std::uint64_t answers = 0;
    std::string verb;
    std::vector<std::string> args;

    // One line: the answer seed in hex, the verb, then the arguments, each
    // with spaces, controls and non-ASCII bytes written as %XX.
    std::string line() const;
    // Nothing for a line that is not an action (blank, comment, no verb).
    static std::optional<SoakAction> parse(std::string_view line);
};

std::string encodeField(std::string_view text);
std::string decodeField(std::string_view text);

// A whole run: the seed of the scratch meet and the actions in order.
struct SoakCase {
    std::uint64_t meetSeed = 0;
    std::vector<SoakAction> actions;

    std::string text() const;
    // Nothing when the text names no meet seed.
    static std::optional<SoakCase> parse(std::string_view text);
};

} // namespace korvanda::soak
