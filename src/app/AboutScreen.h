#pragma once

#include <QWidget>

namespace korvanda {

// The fixed notice about the program, shown in front of the working window.
class AboutScreen : public QWidget {
    Q_OBJECT
public:
    explicit AboutScreen(QWidget* parent = nullptr);
};

} // namespace korvanda
