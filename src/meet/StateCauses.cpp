#include "meet/StateCauses.h"

namespace korvanda::causes {

std::string acceptBout(int bout)
{
    return "Accept bout " + std::to_string(bout);
}

std::string resultFromMat(int mat, int bout)
{
    return "Result of bout " + std::to_string(bout) + " from mat " + std::to_string(mat);
}

std::string handMatch(int bout)
{
    return "Hand match bout " + std::to_string(bout);
}

std::string editBout(int bout)
{
    // A number that names no bout changed nothing but may carry what changed before.
    return bout > 0 ? "Edit bout " + std::to_string(bout) : "Edit Bout";
}

std::string wrestler(const std::string& command, const std::string& name)
{
    return command + " " + name;
}

std::string bringBack(const std::string& clock)
{
    return "Bring Back " + clock;
}

} // namespace korvanda::causes
