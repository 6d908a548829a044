#pragma once

#include <QMainWindow>

namespace korvanda {

enum class WindowKind { Team, Roster, Bout, Mat, Check };

// The frame shared by the four working windows: the common menu, and a
// close that the shell turns into the close step of the whole program.
class WorkingWindow : public QMainWindow {
    Q_OBJECT
public:
    WorkingWindow(const QString& objectName, const QString& caption, QWidget* parent = nullptr);

signals:
    void switchRequested(korvanda::WindowKind kind);
    void aboutRequested();
    // The mat board for the gym, which stays open beside the working windows.
    void boardRequested();
    void exitRequested();
    // The window is about to go; the shell runs its close step.
    void closing(korvanda::WorkingWindow* window);

protected:
    void closeEvent(QCloseEvent* event) override;
};

} // namespace korvanda
