#include "network/NetworkLog.h"

#include <ctime>
#include <fstream>

namespace korvanda {

std::string networkLogLine(const NetworkLogEntry& entry)
{
    char when[32] = "";
    if (const std::tm* local = std::localtime(&entry.time))
        std::strftime(when, sizeof when, "%Y-%m-%d %H:%M:%S", local);
    return std::string(when) + "  mat " + std::to_string(entry.mat) + "  bout " + std::to_string(entry.bout) + "  "
        + entry.result + "  from " + entry.device + "  " + entry.outcome;
}

bool appendNetworkLog(const std::filesystem::path& folder, const std::vector<std::string>& lines)
{
    std::ofstream file(folder / networkLogFileName, std::ios::binary | std::ios::app);
    for (const std::string& line : lines)
        file << line << "\r\n";
    file.flush();
    return static_cast<bool>(file);
}

} // namespace korvanda
