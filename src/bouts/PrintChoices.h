#pragma once

#include "bouts/MeetLists.h"

#include <QString>

#include <optional>

class QWidget;

namespace korvanda {

// The two questions of printing: which list, and where a PDF goes. The
// program asks in dialogs; tests answer without any window.
class PrintChoices {
public:
    virtual ~PrintChoices() = default;
    // The list to print or export; nothing when the director cancels.
    virtual std::optional<MeetList> chooseList(QWidget* parent, const QString& title) = 0;
    // The PDF's file, starting from `suggested`; empty when cancelled.
    virtual QString choosePdfFile(QWidget* parent, const QString& suggested) = 0;
};

} // namespace korvanda
