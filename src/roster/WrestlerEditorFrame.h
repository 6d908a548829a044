#pragma once

#include "roster/WrestlerEditor.h"

#include <QGroupBox>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace korvanda {

class Dialogs;
struct Meet;

// The "Edit Wrestler" frame: one wrestler's boxes and the four buttons.
class WrestlerEditorFrame : public QGroupBox {
    Q_OBJECT
public:
    WrestlerEditorFrame(Meet& meet, Dialogs& dialogs, QWidget* parent = nullptr);

    // The boxes as the director left them.
    WrestlerEditor contents() const;
    void show(const WrestlerEditor& editor);

    // The roster's own clicks, after the clicked row became its current row.
    void rosterClicked();
    void rosterDoubleClicked(bool attendanceByDoubleClick);
    // "Cancel", also run by the hand-match panel after it made a bout.
    void cancel();

signals:
    // The roster may have changed; the views should show it.
    void rosterChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Runs one editor operation on the boxes and shows what it left.
    template <typename Operation> void run(Operation operation);

    Meet& meet_;
    Dialogs& dialogs_;
    QLineEdit* name_;
    QLineEdit* age_;
    QLineEdit* weight_;
    QLineEdit* skill_;
    QLineEdit* team_;
    QCheckBox* present_;
    QLineEdit* bouts_;
    bool reporting_ = false;
};

} // namespace korvanda
