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

Answer SoakDialogs::askWithCancel(const std::string& text)
{
    const std::uint64_t roll = (answers_() >> 11) % 6;
    const Answer answer = roll < 3 ? Answer::Yes : roll < 5 ? Answer::No : Answer::Cancel;
    shown.push_back({ text, true, answer == Answer::Yes, answer == Answer::Cancel });
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
