#pragma once

#include "bouts/ResultEntry.h"

#include <QGroupBox>

#include <array>

class QButtonGroup;
class QLineEdit;
class QPushButton;

namespace korvanda {

class Dialogs;
struct Meet;

// The "Results" frame of the bout window: one bout's points, winner and
// result type, with "Accept" and "Clear".
class BoutResultsFrame : public QGroupBox {
    Q_OBJECT
public:
    BoutResultsFrame(Meet& meet, Dialogs& dialogs, QWidget* parent = nullptr);

    // The controls as the director left them.
    ResultEntry contents() const;
    void show(const ResultEntry& entry);

    // A click on a bout row, after the clicked row became the current row.
    void boutClicked(int row);
    void accept();
    void clear();
    // Enter in the "Bout" box: the typed bout is chosen as by a click.
    void chooseTypedBout();

    // The controls in the order the Tab key visits them.
    QList<QWidget*> tabStops() const;

signals:
    // The bout list may have changed; the views should show it.
    void boutsChanged();
    // The director chose bout `row` by its number; the bout list follows
    // and the frame is loaded with it, as after a click on that row.
    void boutChosen(int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    Meet& meet_;
    Dialogs& dialogs_;
    QLineEdit* boutNumber_;
    std::array<QLineEdit*, 2> names_ {};
    std::array<QLineEdit*, 2> teams_ {};
    std::array<QLineEdit*, 2> points_ {};
    QButtonGroup* winner_;
    QButtonGroup* winBy_;
    QPushButton* acceptButton_;
    QPushButton* clearButton_;
};

} // namespace korvanda
