#pragma once

#include "app/MeetFolders.h"
#include "meet/Dialogs.h"
#include "soak/SoakChecks.h"
#include "soak/SoakScorer.h"
#include "support/FakePrintChoices.h"

#include <QTimer>

#include <deque>
#include <memory>

namespace korvanda::soak {

struct BrokenPromise {
    std::string promise;
    std::string detail;
};

// Shows nothing: records every message and answers each question Yes, No
// or (where the question has it) Cancel at random, from the seed the
// current action carries, so a replay gives the same answers.
class SoakDialogs : public Dialogs {
public:
    struct Shown {
        std::string text;
        bool question = false;
        bool answer = false;
    };
    // The messages of the current action, in order.
    std::vector<Shown> shown;

    void startAction(std::uint64_t answerSeed)
    {
        answers_.seed(answerSeed);
        shown.clear();
    }
    // Mostly Yes, as a director mostly means what he clicked.
    bool nextAnswer() { return (answers_() >> 11) % 3 != 0; }
    void inform(const std::string& text) override { shown.push_back({ text }); }
    void warn(const std::string& text) override { shown.push_back({ text }); }
    bool ask(const std::string& text) override
    {
        shown.push_back({ text, true, nextAnswer() });
        return shown.back().answer;
    }
    Answer askWithCancel(const std::string& text) override
    {
        const std::uint64_t roll = (answers_() >> 11) % 6;
        shown.push_back({ text, true, roll < 3 });
        return roll < 3 ? Answer::Yes : roll < 5 ? Answer::No : Answer::Cancel;
    }

private:
    std::mt19937_64 answers_;
};

// How far a run got through a meet's flow: results stored, schedules made
// and switches to another meet. A run that seldom gets there keeps its
// promises on little and fails (see SoakMain).
struct SoakStats {
    int resultsAccepted = 0, schedules = 0, meetSwitches = 0, phoneResults = 0;
    long long longestPhoneStall = 0;
};

// Runs the whole program on a meet folder and does to it what a director
// does, one action at a time, checking after each that the program kept
// its promises. Closing the program starts it again on the meet that was
// open; "New Meet..." and "Open Meet..." are answered with scratch folders
// next to the first meet, good ones and refused ones.
class SoakRunner {
public:
    SoakRunner(std::filesystem::path folder, std::uint64_t meetSeed);
    ~SoakRunner() { stopProgram(); }

    // An action on what the screen shows now, or on the folder.
    SoakAction pick(std::mt19937_64& rng);
    // Does the action; gives the first promise it broke.
    std::optional<BrokenPromise> perform(const SoakAction& action);
    // Prints every action and the messages it brought, to follow a replay.
    void setTrace(bool on) { trace_ = on; }
    const SoakStats& stats() const { return stats_; }

private:
    Meet& meet() { return folders_->meet(); }
    Shell& shell() { return folders_->shell(); }
    void startProgram();
    void meetOpened();
    void stopProgram();
    void closeModalWindows();
    void plan(std::string verb, std::vector<std::string> args);
    void planFlow(std::mt19937_64& rng);
    void planResult(std::mt19937_64& rng);
    std::optional<SoakAction> planned(const SoakAction& step, std::mt19937_64& rng);
    SoakAction pickAnything(std::mt19937_64& rng);
    std::string pickText(std::mt19937_64& rng, QWidget* box, bool forPaste);
    std::optional<BrokenPromise> sendFromPhone(const SoakAction& action);
    std::optional<BrokenPromise> checkPromises(const SoakAction& action, bool switched);
    std::optional<BrokenPromise> meetWindowsProblem();
    void followFlow(const SoakAction& action, bool changed, bool restored, bool restoreWritten);

    // The scratch folders live here; the first meet is one of them.
    std::filesystem::path root_;
    std::filesystem::path folder_;
    SoakDialogs dialogs_;
    FakePrintChoices printChoices_;
    // Answers the folder and print dialogs, from the seed the action carries.
    std::mt19937_64 choices_;
    std::unique_ptr<MeetFolders> folders_;
    const Shell* shownShell_ = nullptr;
    // The next steps of a meet's flow, each a control's name that is made
    // into a path when its turn comes.
    std::deque<SoakAction> plan_;
    // Set by a step that first had to show its window; it comes again.
    bool stepAgain_ = false;
    bool stepRepeated_ = false;
    QTimer modalGuard_;
    std::vector<std::string> modalTexts_;
    // What each box held when the program first started, by path.
    std::map<QString, QString> startTexts_;
    FolderState folderState_;
    Meet before_;
    // Bouts cells may lag behind the bout list (see boutsMayDisagree) since
    // the last full matching; and as the restore file holds them.
    bool boutsRelaxed_ = false;
    bool restoreFileRelaxed_ = false;
    bool trace_ = false;
    SoakStats stats_;
    SoakScorer scorer_;
    std::mt19937_64 scorerDice_;
};

} // namespace korvanda::soak
