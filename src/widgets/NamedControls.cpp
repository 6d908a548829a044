#include "widgets/NamedControls.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

namespace korvanda {

QPushButton* namedButton(const QString& name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    // Enter in an edit box must not press whichever button happens to be default.
    button->setAutoDefault(false);
    return button;
}

QLineEdit* namedBox(const QString& name, QWidget* parent, const QString& text)
{
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(name);
    return box;
}

QCheckBox* namedCheck(const QString& name, const QString& caption, bool checked, QWidget* parent)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setChecked(checked);
    return box;
}

} // namespace korvanda
