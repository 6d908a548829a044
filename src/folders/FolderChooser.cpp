#include "folders/FolderChooser.h"

#include <QFileDialog>

namespace korvanda {

QString chooseFolderInDialog(QWidget* parent, const QString& title, const QString& startFolder)
{
    return QFileDialog::getExistingDirectory(parent, title, startFolder);
}

} // namespace korvanda
