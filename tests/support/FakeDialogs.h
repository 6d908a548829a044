#pragma once

#include "meet/Dialogs.h"

#include <deque>
#include <string>
#include <vector>

// Records every message and answers questions from a queue; a question
// with no answer queued is answered No, or Cancel where it has one, so a
// test never hangs on one.
class FakeDialogs : public korvanda::Dialogs {
public:
    void inform(const std::string& text) override;
    void warn(const std::string& text) override;
    bool ask(const std::string& text) override;
    korvanda::Answer askWithCancel(const std::string& text) override;

    void queueAnswers(std::initializer_list<bool> answers);

    // Every text in the order it was shown: reports and questions alike.
    std::vector<std::string> shown;
    std::vector<std::string> warnings;
    std::vector<std::string> questions;
    std::deque<bool> answers;
    std::deque<korvanda::Answer> answersWithCancel;
};
