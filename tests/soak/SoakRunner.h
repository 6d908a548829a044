#pragma once

#include "meet/Meet.h"
#include "soak/MeetFolder.h"
#include "soak/SoakAction.h"
#include "soak/SoakDialogs.h"
#include "support/FakePrintChoices.h"

#include <QObject>
#include <QTimer>

#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <string>

class QWidget;

namespace korvanda {
class MeetFolders;
class Shell;
} // namespace korvanda

namespace korvanda::soak {

struct BrokenPromise {
    std::string promise;
    std::string detail;
};

// Runs the whole program on a meet folder and does to it what a director
// does, one action at a time, checking after each that the program kept
// its promises. Closing the program starts it again on the meet that was
// open; "New Meet..." and "Open Meet..." are answered with scratch folders
// next to the first meet, good ones and refused ones.
class SoakRunner : public QObject {
    Q_OBJECT
public:
    SoakRunner(std::filesystem::path folder, std::uint64_t meetSeed);
    ~SoakRunner() override;

    // An action on what the screen shows now, or on the folder.
    SoakAction pick(std::mt19937_64& rng);
    // Prints every action and the messages it brought, to follow a replay.
    void setTrace(bool on) { trace_ = on; }
    // Does the action; gives the first promise it broke.
    std::optional<BrokenPromise> perform(const SoakAction& action);

    double slowestSeconds() const { return slowestSeconds_; }
    const std::string& slowestAction() const { return slowestAction_; }
    int restarts() const { return restarts_; }
    // How far the meets got: the most bouts and results at one time, and
    // how many messages the director saw.
    int mostBouts() const { return mostBouts_; }
    int mostResults() const { return mostResults_; }
    int messagesShown() const { return messagesShown_; }
    // How far the meet's own flow got: results stored, schedules made,
    // Write Files runs that wrote every file, and switches to another meet.
    int resultsAccepted() const { return resultsAccepted_; }
    int schedules() const { return schedules_; }
    int filesWritten() const { return filesWritten_; }
    int meetSwitches() const { return meetSwitches_; }

private:
    using Step = std::function<std::optional<SoakAction>(std::mt19937_64&)>;

    Meet& meet();
    Shell& shell();
    std::filesystem::path meetFolder() const;
    void startProgram();
    void meetOpened();
    QString chooseFolder();
    void choosePrinting();
    void planFlow(std::mt19937_64& rng);
    void planResult(std::mt19937_64& rng);
    QWidget* namedWidget(const QString& name);
    std::optional<SoakAction> showWindowOf(QWidget* window);
    std::optional<SoakAction> reach(const QString& name, const std::function<SoakAction(QWidget*)>& make);
    void planClick(const QString& name);
    void planType(const QString& name, const std::string& text);
    void planKey(const QString& name, const std::string& key);
    void planRow(const QString& name, bool twice);
    void planMenu(std::vector<std::string> entry);
    void countFlow(const SoakAction& action, bool changed);
    void stopProgram();
    void doAction(const SoakAction& action);
    void closeModalWindows();
    void closeLeftovers();
    std::optional<BrokenPromise> checkPromises(const SoakAction& action);
    std::optional<BrokenPromise> checkViews();
    std::optional<BrokenPromise> checkFiles(const FolderState& before);
    void followBoutsRules(const SoakAction& action, bool changed, bool restored, bool restoreWritten);
    std::string pickText(std::mt19937_64& rng, QWidget* box, bool forPaste);

    // The scratch folders live here; the first meet is one of them.
    std::filesystem::path root_;
    std::filesystem::path folder_;
    SoakDialogs dialogs_;
    FakePrintChoices printChoices_;
    // Answers the folder and print dialogs, from the seed the action carries.
    std::mt19937_64 choices_;
    std::unique_ptr<MeetFolders> folders_;
    const Shell* shownShell_ = nullptr;
    // The next steps of a meet's flow, each picked when its turn comes.
    std::deque<Step> plan_;
    // Set by a step that first had to show its window; it comes again.
    bool stepAgain_ = false;
    bool stepRepeated_ = false;
    bool switched_ = false;
    QTimer modalGuard_;
    std::vector<std::string> modalTexts_;
    // What each box held when the program started, by path.
    std::map<QString, QString> startTexts_;
    FolderState folderState_;
    struct Tables {
        Table teamList, roster, boutGrid;
    } before_;
    // Bouts cells may lag behind the bout list (see boutsMayDisagree) since
    // the last full matching; and as the restore file holds them.
    bool boutsRelaxed_ = false;
    bool restoreFileRelaxed_ = false;
    double slowestSeconds_ = 0;
    std::string slowestAction_;
    bool trace_ = false;
    int restarts_ = 0;
    int mostBouts_ = 0;
    int mostResults_ = 0;
    int messagesShown_ = 0;
    int resultsAccepted_ = 0;
    int schedules_ = 0;
    int filesWritten_ = 0;
    int meetSwitches_ = 0;
};

} // namespace korvanda::soak
