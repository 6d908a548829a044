#pragma once

#include "app/Shell.h"
#include "meet/Meet.h"
#include "support/FakeDialogs.h"
#include "support/TempDir.h"

#include <QString>
#include <QWidget>

#include <functional>

enum class Clicks { Once, Twice };

// A click at the centre of a grid's data row (1 for the first), on the
// spot where the director sees it: a row cut off by the grid's edge or
// under a scroll bar fails the test instead of being clicked.
void clickRow(QWidget& window, const QString& grid, int row, Clicks clicks = Clicks::Once);
void clickButton(QWidget& window, const QString& button);

// The whole program on one meet in a folder of its own, its messages
// recorded and its questions answered by `dialogs`; the windows are made,
// none is shown.
class ProgramFixture {
public:
    enum Start { Demo, Empty };
    // `prepare` fills the folder and the meet, or points the meet at
    // another folder, before the windows read them.
    explicit ProgramFixture(Start start = Empty, const std::function<void(ProgramFixture&)>& prepare = {});

    template <class T> T* child(korvanda::WindowKind kind, const QString& name)
    {
        return shell.window(kind).findChild<T*>(name);
    }
    void click(korvanda::WindowKind kind, const QString& button) { clickButton(shell.window(kind), button); }
    void clickRow(korvanda::WindowKind kind, const QString& grid, int row, Clicks clicks = Clicks::Once)
    {
        ::clickRow(shell.window(kind), grid, row, clicks);
    }
    // As the director scrolls a long grid until the row shows.
    void scrollToRow(korvanda::WindowKind kind, const QString& grid, int row);

    TempDir dir;
    korvanda::Meet meet;
    FakeDialogs dialogs;
    korvanda::Shell shell { meet, dialogs };
};
