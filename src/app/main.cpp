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
    QApplication::setApplicationVersion(QStringLiteral("0.10"));

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
