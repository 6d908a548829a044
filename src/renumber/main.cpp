#include "renumber/Form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // Where the window was left is kept beside Korvanda's, under its own name.
    QCoreApplication::setOrganizationName(QStringLiteral("Korvanda"));
    QCoreApplication::setApplicationName(QStringLiteral("Quillon"));
    // Quillon's files lie beside the program, wherever it was started from.
    Form1 form(QCoreApplication::applicationDirPath());
    form.show();
    return app.exec();
}
