#pragma once

#include "meet/Dialogs.h"

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace korvanda::soak {

// Shows nothing: records every message and answers each question Yes or No
// (or Cancel, where the question has it) at random, from the seed the current action carries, so a replay gives
// the same answers.
class SoakDialogs : public Dialogs {
public:
    void inform(const std::string& text) override;
    void warn(const std::string& text) override;
    bool ask(const std::string& text) override;
    Answer askWithCancel(const std::string& text) override;

    void startAction(std::uint64_t answerSeed);
    bool nextAnswer();

    struct Shown {
        std::string text;
        bool question = false;
        bool answer = false;
        bool cancelled = false;
    };
    // The messages of the current action, in order.
    std::vector<Shown> shown;

private:
    std::mt19937_64 answers_;
};

} // namespace korvanda::soak
