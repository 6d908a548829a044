#pragma once

#include <QRadioButton>

namespace korvanda {

// An option button whose access key chooses it at once. A plain one waits
// a moment to show the press, and a fast scorer's Enter would come first
// and find nothing chosen.
class QuickOption : public QRadioButton {
    Q_OBJECT
public:
    QuickOption(const QString& caption, QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;
};

} // namespace korvanda
