#pragma once

#include "bouts/PrintChoices.h"

namespace korvanda {

// Asks with the list chooser and the system's file dialog.
class DialogPrintChoices : public PrintChoices {
public:
    std::optional<MeetList> chooseList(QWidget* parent, const QString& title) override;
    QString choosePdfFile(QWidget* parent, const QString& suggested) override;
};

} // namespace korvanda
