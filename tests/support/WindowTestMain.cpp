#include "support/WindowTestMain.h"

#include <cstring>
#include <iostream>
#include <map>
#include <string>

namespace {

std::map<std::string, WindowTestRun>& windowTests()
{
    static std::map<std::string, WindowTestRun> tests;
    return tests;
}

}

bool addWindowTest(const char* name, WindowTestRun run)
{
    return windowTests().emplace(name, run).second;
}

int main(int argc, char* argv[])
{
    const auto found = argc > 1 ? windowTests().find(argv[1]) : windowTests().end();
    if (found == windowTests().end()) {
        std::cerr << "usage: " << argv[0] << " TEST [Qt Test options]; the tests:\n";
        for (const auto& [name, run] : windowTests())
            std::cerr << "  " << name << '\n';
        return 2;
    }
    // The test sees its own name as the program's, as when it was a program
    // of its own.
    argv[1] = argv[0];
    return found->second(argc - 1, argv + 1);
}
