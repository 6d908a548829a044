#pragma once

#include <cstddef>
#include <string>

namespace korvanda {

// `count` bytes from the system's cryptographic random source: the kernel's
// on Linux, BCryptGenRandom on Windows. Throws std::runtime_error when the
// source cannot be read, since a guessable mat code is worse than none.
std::string secureRandomBytes(std::size_t count);

} // namespace korvanda
