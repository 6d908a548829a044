#pragma once

#include "matching/MatchSettings.h"

#include <QGroupBox>

#include <array>

class QCheckBox;
class QLineEdit;
class QProgressBar;

namespace korvanda {

class Dialogs;

// The "Auto Match" frame: which criteria count, how far apart two
// wrestlers may be, how many bouts each should get, and the "Match" button.
class AutoMatchFrame : public QGroupBox {
    Q_OBJECT
public:
    AutoMatchFrame(Dialogs& dialogs, QWidget* parent = nullptr);

    // The frame's boxes and checks as they stand, with the mats text given.
    MatchSettings settings(const std::string& matsText) const;
    void setProgress(int percent);

signals:
    void matchClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Dialogs& dialogs_;
    QCheckBox* age_;
    QCheckBox* weight_;
    QCheckBox* skill_;
    QCheckBox* composite_;
    QCheckBox* sameTeam_;
    std::array<QLineEdit*, limitBoxCount> limits_ {};
    QProgressBar* progress_;
    bool reporting_ = false;
};

} // namespace korvanda
