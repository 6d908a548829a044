#pragma once

#include "bouts/MeetLists.h"

#include <QDialog>

class QListWidget;

namespace korvanda {

// A small dialog of the five lists: arrows pick, Enter or a double-click
// takes the list, Escape cancels.
class ListChooser : public QDialog {
    Q_OBJECT
public:
    ListChooser(const QString& title, QWidget* parent = nullptr);

    MeetList chosen() const;

private:
    QListWidget* lists_;
};

} // namespace korvanda
