#pragma once

#include "meet/Dialogs.h"

#include <string>
#include <vector>

// Keeps the messages a reader shows and answers every question Yes, so a
// whole file is always read.
class QuietDialogs : public korvanda::Dialogs {
public:
    void inform(const std::string& text) override { shown.push_back(text); }
    void warn(const std::string& text) override
    {
        shown.push_back(text);
        warnings.push_back(text);
    }
    bool ask(const std::string& text) override
    {
        shown.push_back(text);
        return true;
    }

    std::vector<std::string> shown;
    std::vector<std::string> warnings;
};
