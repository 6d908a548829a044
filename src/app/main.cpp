#include "app/MeetFolders.h"
#include "app/SplashScreen.h"
#include "widgets/MessageBoxDialogs.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvanda"));
    QApplication::setOrganizationName(QStringLiteral("Korvanda"));
    // --version prints the name and this text, so the licence goes with the
    // version wherever Qt shows it (a message box on Windows).
    QApplication::setApplicationVersion(QStringLiteral(
        "0.10\n"
        "Copyright 2026 The Korvanda developers\n"
        "License GPL-3.0-or-later: GNU GPL version 3 or later <https://www.gnu.org/licenses/gpl.html>.\n"
        "This is free software: you are free to change and redistribute it.\n"
        "There is NO WARRANTY, to the extent permitted by law."));

    QCommandLineParser arguments;
    arguments.setApplicationDescription(QStringLiteral("Runs a youth wrestling meet."));
    arguments.addHelpOption();
    arguments.addVersionOption();
    arguments.addPositionalArgument(QStringLiteral("meet-folder"),
        QStringLiteral("The folder that holds the meet's files; without it, the meet opened last."),
        QStringLiteral("[MEET_FOLDER]"));
    arguments.process(app);

    korvanda::MessageBoxDialogs dialogs;
    korvanda::MeetFolders folders(dialogs, korvanda::chooseFolderInDialog, korvanda::MeetLocations::ofThisProgram());
    const QString folder = folders.startFolder(arguments.positionalArguments().value(0));
    if (folder.isEmpty())
        return 1;

    // The splash's timer starts now; the windows load behind it.
    auto* splash = new korvanda::SplashScreen;
    splash->setAttribute(Qt::WA_DeleteOnClose);
    folders.open(folder);
    QObject::connect(splash, &korvanda::SplashScreen::finished, &folders, &korvanda::MeetFolders::showTeamWindow);
    splash->show();
    return app.exec();
}
