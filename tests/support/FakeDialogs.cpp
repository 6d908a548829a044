#include "support/FakeDialogs.h"

void FakeDialogs::inform(const std::string& text)
{
    shown.push_back(text);
}

void FakeDialogs::warn(const std::string& text)
{
    shown.push_back(text);
    warnings.push_back(text);
}

bool FakeDialogs::ask(const std::string& text)
{
    shown.push_back(text);
    questions.push_back(text);
    if (answers.empty())
        return false;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

korvanda::Answer FakeDialogs::askWithCancel(const std::string& text)
{
    shown.push_back(text);
    questions.push_back(text);
    if (answersWithCancel.empty())
        return korvanda::Answer::Cancel;
    const auto answer = answersWithCancel.front();
    answersWithCancel.pop_front();
    return answer;
}

void FakeDialogs::queueAnswers(std::initializer_list<bool> list)
{
    answers.insert(answers.end(), list);
}
