#pragma once

#include <string>

namespace korvanda {

enum class Answer { Yes, No, Cancel };

// How the core talks to the director: the program shows message boxes, the
// tests record the texts and answer from a script. Texts are Latin-1.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A report with an OK button.
    virtual void inform(const std::string& text) = 0;
    // A report with an OK button and the exclamation icon.
    virtual void warn(const std::string& text) = 0;
    // A Yes/No question; true only for Yes.
    virtual bool ask(const std::string& text) = 0;
    // A Yes/No/Cancel question, where Cancel takes back the step that asked.
    // Without a Cancel button of its own it is the Yes/No question.
    virtual Answer askWithCancel(const std::string& text) { return ask(text) ? Answer::Yes : Answer::No; }
};

} // namespace korvanda
