#pragma once

#include "folders/FolderChooser.h"

#include <QObject>
#include <QString>

#include <memory>
#include <vector>

class QWidget;

namespace korvanda {

class Dialogs;
class Shell;
struct Meet;

// The folders the start and "New Meet..." look in.
struct MeetLocations {
    // Where the program lies; a meet there is the portable layout.
    QString programFolder;
    // The user's documents folder, home of the demo meet made at first start.
    QString documents;
    // The demo meet that comes with the program.
    QString demoMeet;

    // The places of this program on this computer.
    static MeetLocations ofThisProgram();
};

// The meet that is open: its tables and its four windows. Opening another
// meet runs the close step of this one and then starts afresh on the new
// folder, as a start of the program there would.
class MeetFolders : public QObject {
    Q_OBJECT
public:
    MeetFolders(Dialogs& dialogs, FolderChooser chooser, MeetLocations locations, QObject* parent = nullptr);
    ~MeetFolders() override;

    // The folder the program starts on: `argument` when given, else the
    // portable layout, the meet opened last, or a new demo meet. A folder
    // that cannot be used is reported and another may be chosen; the empty
    // text when there is none to start on.
    QString startFolder(const QString& argument);

    // Loads the meet in `folder` with its windows hidden, in place of the
    // open one, whose windows go without a close step.
    void open(const QString& folder);
    void showTeamWindow();

    void newMeet();
    void openMeet();
    void openRecent(const QString& folder);

    Shell& shell();
    Meet& meet();
    QString folder() const;

private:
    struct OpenedMeet;

    void switchTo(const QString& folder, bool fromRecent);
    bool refused(const QString& folder);
    QString demoMeetIn(const QString& folder);
    QWidget* frontWindow() const;

    Dialogs& dialogs_;
    FolderChooser chooser_;
    MeetLocations locations_;
    std::unique_ptr<OpenedMeet> current_;
    // Meets left behind, deleted once the click that left them is handled.
    std::vector<std::unique_ptr<OpenedMeet>> retired_;
};

} // namespace korvanda
