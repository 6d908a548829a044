#include "widgets/MessageBoxDialogs.h"

#include "meet/QtText.h"

#include <QApplication>
#include <QMessageBox>

namespace korvanda {

namespace {

QWidget* frontWindow()
{
    return QApplication::activeWindow();
}

} // namespace

void MessageBoxDialogs::inform(const std::string& text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Korvanda"), toQt(text), QMessageBox::Ok, frontWindow());
    box.exec();
}

void MessageBoxDialogs::warn(const std::string& text)
{
    QMessageBox::warning(frontWindow(), QStringLiteral("Korvanda"), toQt(text));
}

bool MessageBoxDialogs::ask(const std::string& text)
{
    QMessageBox box(
        QMessageBox::NoIcon, QStringLiteral("Korvanda"), toQt(text), QMessageBox::Yes | QMessageBox::No, frontWindow());
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

Answer MessageBoxDialogs::askWithCancel(const std::string& text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Korvanda"), toQt(text),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, frontWindow());
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

} // namespace korvanda
