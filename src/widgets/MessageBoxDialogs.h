#pragma once

#include "meet/Dialogs.h"

namespace korvanda {

// The program's message boxes: modal, titled "Korvanda".
class MessageBoxDialogs : public Dialogs {
public:
    void inform(const std::string& text) override;
    void warn(const std::string& text) override;
    bool ask(const std::string& text) override;
    Answer askWithCancel(const std::string& text) override;
};

} // namespace korvanda
