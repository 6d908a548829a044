#pragma once

#include <QMainWindow>
#include <QStringList>

#include <functional>

class QMenu;

namespace korvanda {

enum class WindowKind { Team, Roster, Bout, Mat, Check, Network };

// The frame shared by the four working windows: the common menu, and a
// close that the shell turns into the close step of the whole program.
class WorkingWindow : public QMainWindow {
    Q_OBJECT
public:
    WorkingWindow(const QString& objectName, const QString& caption, QWidget* parent = nullptr);

    // The title becomes the caption and the meet folder's name, so the
    // director always sees which meet is open.
    void showMeetName(const QString& meetName);

    // Where "Open Recent" finds the meets opened last; the program knows
    // where that list is kept, the window only shows it.
    void listRecentMeetsFrom(std::function<QStringList()> recentMeets);

signals:
    void switchRequested(korvanda::WindowKind kind);
    void aboutRequested();
    // The mat board for the gym, which stays open beside the working windows.
    void boardRequested();
    void exitRequested();
    void newMeetRequested();
    void openMeetRequested();
    void openRecentRequested(const QString& folder);
    // The window is about to go; the shell runs its close step.
    void closing(korvanda::WorkingWindow* window);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void fillRecentMenu();

    QString caption_;
    QMenu* recentMenu_;
    std::function<QStringList()> recentMeets_;
};

} // namespace korvanda
