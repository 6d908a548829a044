#pragma once

#include <QString>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QWidget;

namespace korvanda {

// Controls carry the meet's own names, so the settings file and the tests
// find them by name.
QPushButton* namedButton(const QString& name, const QString& caption, QWidget* parent);
QLineEdit* namedBox(const QString& name, QWidget* parent, const QString& text = {});
QCheckBox* namedCheck(const QString& name, const QString& caption, bool checked, QWidget* parent);

} // namespace korvanda
