#include "soak/SoakDialogs.h"

namespace korvanda::soak {

void SoakDialogs::inform(const std::string& text)
{
    shown.push_back({ text });
}

void SoakDialogs::warn(const std::string& text)
{
    shown.push_back({ text });
}

bool SoakDialogs::ask(const std::string& text)
{
    const bool answer = nextAnswer();
    shown.push_back({ text, true, answer });
    return answer;
}

void SoakDialogs::startAction(std::uint64_t answerSeed)
{
    answers_.seed(answerSeed);
    shown.clear();
}

bool SoakDialogs::nextAnswer()
{
    // Mostly Yes, as a director mostly means what he clicked.
    return (answers_() >> 11) % 3 != 0;
}

} // namespace korvanda::soak
