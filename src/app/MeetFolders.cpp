#include "app/MeetFolders.h"

#include "app/Shell.h"
#include "folders/MeetFolder.h"
#include "folders/MeetPlaces.h"
#include "folders/RecentMeetList.h"
#include "folders/StartFolder.h"
#include "meet/Dialogs.h"
#include "meet/Meet.h"
#include "meet/QtText.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace korvanda {

namespace {

std::filesystem::path toPath(const QString& folder)
{
    return std::filesystem::path(folder.toStdU16String());
}

QString fromPath(const std::filesystem::path& path)
{
    return QString::fromStdU16String(path.u16string());
}

// A folder as the messages name it.
std::string shown(const QString& folder)
{
    return fromQt(QDir::toNativeSeparators(folder));
}

// A typed or remembered folder in the one form the recent list and the
// title use: absolute, without "." or ".." or a trailing separator.
QString cleanFolder(const QString& folder)
{
    return QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
}

} // namespace

struct MeetFolders::OpenedMeet {
    QString folder;
    // The shell holds on to the meet, so it goes first.
    std::unique_ptr<Meet> meet;
    std::unique_ptr<Shell> shell;
};

MeetLocations MeetLocations::ofThisProgram()
{
    return { QCoreApplication::applicationDirPath(), documentsFolder(), demoMeetFolder() };
}

MeetFolders::MeetFolders(Dialogs& dialogs, FolderChooser chooser, MeetLocations locations, QObject* parent)
    : QObject(parent)
    , dialogs_(dialogs)
    , chooser_(std::move(chooser))
    , locations_(std::move(locations))
{
}

MeetFolders::~MeetFolders() = default;

Shell& MeetFolders::shell()
{
    return *current_->shell;
}

Meet& MeetFolders::meet()
{
    return *current_->meet;
}

QString MeetFolders::folder() const
{
    return current_ ? current_->folder : QString();
}

QWidget* MeetFolders::frontWindow() const
{
    return QApplication::activeWindow();
}

QString MeetFolders::startFolder(const QString& argument)
{
    StartPlaces places;
    if (!argument.isEmpty())
        places.argument = toPath(cleanFolder(argument));
    places.programFolder = toPath(locations_.programFolder);
    const QStringList recent = loadRecentMeets();
    if (!recent.isEmpty())
        places.lastMeet = toPath(recent.first());
    places.documents = toPath(locations_.documents);
    const StartFolder start = chooseStartFolder(places);

    QString folder = fromPath(start.folder);
    bool demoTried = start.reason == StartReason::FirstStart;
    if (demoTried)
        folder = demoMeetIn(folder);
    for (;;) {
        const FolderProblem problem = checkMeetFolder(toPath(folder));
        if (problem == FolderProblem::None)
            return cleanFolder(folder);
        dialogs_.warn(folderProblemMessage(problem, shown(folder)) + " Choose another folder for the meet.");
        const QString chosen = chooser_(nullptr, tr("Choose a Meet Folder"), locations_.documents);
        if (!chosen.isEmpty()) {
            folder = chosen;
        } else if (!demoTried) {
            // The director would rather not choose: the demo meet is always
            // there to fall back on.
            demoTried = true;
            folder = demoMeetIn(fromPath(toPath(locations_.documents) / demoMeetFolderName));
        } else {
            return {};
        }
    }
}

// The demo meet in `folder`, made from the one that comes with the program
// unless the folder holds a meet already.
QString MeetFolders::demoMeetIn(const QString& folder)
{
    const auto path = toPath(folder);
    const auto demo = toPath(locations_.demoMeet);
    if (holdsMeet(path))
        return folder;
    // A copy that fails shows when the folder is checked.
    if (holdsMeet(demo)) {
        copyDemoMeet(demo, path);
        return folder;
    }
    if (startEmptyMeet(path))
        dialogs_.warn("The demo meet that comes with Korvanda was not found in \"" + shown(locations_.demoMeet)
            + "\", so an empty meet was started in \"" + shown(folder) + "\".");
    return folder;
}

void MeetFolders::open(const QString& folder)
{
    auto next = std::make_unique<OpenedMeet>();
    next->folder = cleanFolder(folder);
    next->meet = std::make_unique<Meet>();
    next->meet->directory = toPath(next->folder);
    next->shell = std::make_unique<Shell>(*next->meet, dialogs_);
    connect(next->shell.get(), &Shell::newMeetRequested, this, &MeetFolders::newMeet);
    connect(next->shell.get(), &Shell::openMeetRequested, this, &MeetFolders::openMeet);
    connect(next->shell.get(), &Shell::openRecentRequested, this, &MeetFolders::openRecent);
    if (current_) {
        current_->shell->hideAll();
        // The menu entry that asked for the new meet belongs to one of the old
        // windows, which must outlive its own click.
        retired_.push_back(std::move(current_));
        QMetaObject::invokeMethod(
            this, [this] { retired_.clear(); }, Qt::QueuedConnection);
    }
    current_ = std::move(next);
    current_->shell->loadWindows();
    rememberMeet(current_->folder);
}

void MeetFolders::showTeamWindow()
{
    if (current_)
        current_->shell->showWindow(WindowKind::Team);
}

bool MeetFolders::refused(const QString& folder)
{
    const FolderProblem problem = checkMeetFolder(toPath(folder));
    if (problem == FolderProblem::None)
        return false;
    dialogs_.warn(folderProblemMessage(problem, shown(folder)) + " The meet that is open stays open.");
    return true;
}

void MeetFolders::newMeet()
{
    const QString chosen = chooser_(frontWindow(), tr("New Meet"), locations_.documents);
    if (chosen.isEmpty())
        return;
    // A folder not made yet is made with the meet, in a folder that takes it.
    const QString folder = cleanFolder(chosen);
    if (refused(QFileInfo::exists(folder) ? folder : QFileInfo(folder).absolutePath()))
        return;
    if (holdsMeet(toPath(folder))) {
        dialogs_.warn("\"" + shown(folder)
            + "\" already holds a meet, and a new meet never replaces its team list. Open it with \"Open Meet...\" "
              "or choose another folder.");
        return;
    }
    const Answer demo = dialogs_.askWithCancel(
        "Start the new meet with a copy of the demo meet's teams? Yes copies the demo meet, No starts an empty meet.");
    if (demo == Answer::Cancel || !current_->shell->closeBeforeSwitch())
        return;
    const auto path = toPath(folder);
    const bool made = demo == Answer::Yes ? copyDemoMeet(toPath(locations_.demoMeet), path) : startEmptyMeet(path);
    if (!made) {
        dialogs_.warn("The new meet could not be made in \"" + shown(folder) + "\". The meet that is open stays open.");
        // This meet runs on, so its settings are written again when it closes.
        current_->meet->settingsSaved = false;
        return;
    }
    open(folder);
    showTeamWindow();
}

void MeetFolders::openMeet()
{
    const QString start = current_ ? QFileInfo(current_->folder).absolutePath() : locations_.documents;
    const QString chosen = chooser_(frontWindow(), tr("Open Meet"), start);
    if (!chosen.isEmpty())
        switchTo(chosen, false);
}

void MeetFolders::openRecent(const QString& folder)
{
    switchTo(folder, true);
}

void MeetFolders::switchTo(const QString& chosen, bool fromRecent)
{
    const QString folder = cleanFolder(chosen);
    // The meet is open already; starting it afresh would only throw away
    // what has not been saved.
    if (current_ && folder == current_->folder)
        return;
    const FolderProblem problem = checkMeetFolder(toPath(folder));
    if (problem != FolderProblem::None) {
        dialogs_.warn(folderProblemMessage(problem, shown(folder)) + " The meet that is open stays open.");
        if (fromRecent && problem != FolderProblem::NotWritable)
            forgetMeet(folder);
        return;
    }
    if (!holdsMeet(toPath(folder))
        && !dialogs_.ask("\"" + shown(folder) + "\" holds no meet yet. Start a new, empty meet there?"))
        return;
    if (!current_->shell->closeBeforeSwitch())
        return;
    startEmptyMeet(toPath(folder));
    open(folder);
    showTeamWindow();
}

} // namespace korvanda
