#pragma once

#include "meet/Meet.h"
#include "soak/MeetFolder.h"
#include "soak/SoakAction.h"
#include "soak/SoakDialogs.h"

#include <QObject>
#include <QTimer>

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <string>

class QWidget;

namespace korvanda {
class Shell;
}

namespace korvanda::soak {

struct BrokenPromise {
    std::string promise;
    std::string detail;
};

// Runs the whole program on a meet folder and does to it what a director
// does, one action at a time, checking after each that the program kept
// its promises. Closing the program starts it again on the same folder.
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

private:
    void startProgram();
    void stopProgram();
    void doAction(const SoakAction& action);
    void closeModalWindows();
    void closeLeftovers();
    std::optional<BrokenPromise> checkPromises(const SoakAction& action);
    std::optional<BrokenPromise> checkViews();
    std::optional<BrokenPromise> checkFiles(const FolderState& before);
    void followBoutsRules(const SoakAction& action, bool changed, bool restored, bool restoreWritten);
    std::string pickText(std::mt19937_64& rng, QWidget* box, bool forPaste) const;

    std::filesystem::path folder_;
    SoakDialogs dialogs_;
    std::unique_ptr<Meet> meet_;
    std::unique_ptr<Shell> shell_;
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
};

} // namespace korvanda::soak
