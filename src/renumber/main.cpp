#include "renumber/Form1.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // Where the window was left is kept beside Korvanda's, under its own name.
    QCoreApplication::setOrganizationName(QStringLiteral("Korvanda"));
    QCoreApplication::setApplicationName(QStringLiteral("Quillon"));
    QCommandLineParser arguments;
    arguments.setApplicationDescription(QStringLiteral("Renumbers the bout sheets of a meet."));
    arguments.addHelpOption();
    arguments.addPositionalArgument(QStringLiteral("folder"),
        QStringLiteral("The folder of the bout sheets and the mapping file; without it, the program's own folder."),
        QStringLiteral("[FOLDER]"));
    arguments.process(app);

    // Quillon's files lie beside the program, wherever it was started from,
    // unless another folder is named.
    Form1 form(QCoreApplication::applicationDirPath());
    const QString folder = arguments.positionalArguments().value(0);
    if (!folder.isEmpty())
        form.changeFolder(QFileInfo(folder).absoluteFilePath());
    form.show();
    return app.exec();
}
