#include "app/CloseStep.h"

#include "meet/Dialogs.h"
#include "meet/Meet.h"
#include "teams/TeamFiles.h"

namespace korvanda {

namespace {

// Gives the close step the director's answer to its save question, already
// asked with a Cancel; every other message goes through as it is.
class AnsweredSaveQuestion : public Dialogs {
public:
    AnsweredSaveQuestion(Dialogs& dialogs, bool saveAnswer)
        : dialogs_(dialogs)
        , saveAnswer_(saveAnswer)
    {
    }
    void inform(const std::string& text) override { dialogs_.inform(text); }
    void warn(const std::string& text) override { dialogs_.warn(text); }
    bool ask(const std::string& text) override
    {
        if (answered_)
            return dialogs_.ask(text);
        answered_ = true;
        return saveAnswer_;
    }
    Answer askWithCancel(const std::string& text) override { return dialogs_.askWithCancel(text); }

private:
    Dialogs& dialogs_;
    bool saveAnswer_;
    bool answered_ = false;
};

} // namespace

void closeStep(Meet& meet, Dialogs& dialogs, const std::function<void()>& saveSettings)
{
    if (saveSettings)
        saveSettings();
    if (meet.rostersChanged && dialogs.ask("Save changes to rosters?")) {
        meet.rostersChanged = false;
        savePermFiles(meet, dialogs);
    }
}

bool closeStepBeforeSwitch(Meet& meet, Dialogs& dialogs, const std::function<void()>& saveSettings)
{
    if (!meet.rostersChanged) {
        closeStep(meet, dialogs, saveSettings);
        return true;
    }
    const Answer answer = dialogs.askWithCancel("Save changes to rosters?");
    if (answer == Answer::Cancel)
        return false;
    AnsweredSaveQuestion answered(dialogs, answer == Answer::Yes);
    closeStep(meet, answered, saveSettings);
    return true;
}

} // namespace korvanda
