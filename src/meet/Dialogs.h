#pragma once

#include <string>

namespace korvanda {

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
};

} // namespace korvanda
