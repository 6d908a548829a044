#pragma once

#include "meet/Dialogs.h"

#include <cstdio>
#include <string>

// Shows every message on the error stream, counts them and answers every
// question the same way, so a benchmark runs unattended and can tell that
// nothing went wrong.
class CountingDialogs : public korvanda::Dialogs {
public:
    explicit CountingDialogs(bool answer)
        : answer_(answer)
    {
    }
    void inform(const std::string& text) override { report(text); }
    void warn(const std::string& text) override { report(text); }
    bool ask(const std::string& text) override
    {
        report(text);
        return answer_;
    }
    int shown = 0;

private:
    void report(const std::string& text)
    {
        ++shown;
        std::fprintf(stderr, "%s\n", text.substr(0, 200).c_str());
    }
    bool answer_;
};
