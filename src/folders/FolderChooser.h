#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace korvanda {

// Asks the director for a folder; the empty text when the choice was
// cancelled. Tests answer it themselves, without a dialog on the screen.
using FolderChooser = std::function<QString(QWidget* parent, const QString& title, const QString& startFolder)>;

// The desktop's own folder dialog, which can also make a new folder.
QString chooseFolderInDialog(QWidget* parent, const QString& title, const QString& startFolder);

} // namespace korvanda
