#include "bouts/DialogPrintChoices.h"

#include "bouts/ListChooser.h"

#include <QFileDialog>

namespace korvanda {

std::optional<MeetList> DialogPrintChoices::chooseList(QWidget* parent, const QString& title)
{
    ListChooser chooser(title, parent);
    if (chooser.exec() != QDialog::Accepted)
        return std::nullopt;
    return chooser.chosen();
}

QString DialogPrintChoices::choosePdfFile(QWidget* parent, const QString& suggested)
{
    QFileDialog dialog(parent, QFileDialog::tr("Export PDF"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QFileDialog::tr("PDF files (*.pdf)"));
    // A name typed without ".pdf" still gets a file a viewer recognises.
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace korvanda
