#include "network/SecureRandom.h"

#include <stdexcept>

#ifdef _WIN32
#include <windows.h>
// After windows.h, whose types it uses.
#include <bcrypt.h>
#else
#include <cerrno>
#include <sys/random.h>
#endif

namespace korvanda {

std::string secureRandomBytes(std::size_t count)
{
    std::string bytes(count, '\0');
#ifdef _WIN32
    const NTSTATUS status = BCryptGenRandom(
        nullptr, reinterpret_cast<PUCHAR>(bytes.data()), static_cast<ULONG>(count), BCRYPT_USE_SYSTEM_PREFERRED_RNG);
    if (status != 0)
        throw std::runtime_error("The system's random source could not be read.");
#else
    std::size_t filled = 0;
    while (filled < count) {
        const ssize_t got = getrandom(bytes.data() + filled, count - filled, 0);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            throw std::runtime_error("The system's random source could not be read.");
        }
        filled += static_cast<std::size_t>(got);
    }
#endif
    return bytes;
}

} // namespace korvanda
