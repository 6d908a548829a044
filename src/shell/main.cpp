#include "meet/Meet.h"
#include "shell/MessageBoxDialogs.h"
#include "shell/Shell.h"
#include "shell/SplashScreen.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvanda"));
    QApplication::setOrganizationName(QStringLiteral("Korvanda"));

    korvanda::Meet meet;
    // Through QDir, so a folder name beyond the code page (Windows) stays whole.
    meet.directory = QDir(QCoreApplication::applicationDirPath()).filesystemPath();
    korvanda::MessageBoxDialogs dialogs;
    korvanda::Shell shell(meet, dialogs);

    // The splash's timer starts now; the windows load behind it.
    auto* splash = new korvanda::SplashScreen;
    splash->setAttribute(Qt::WA_DeleteOnClose);
    shell.loadWindows();
    QObject::connect(
        splash, &korvanda::SplashScreen::finished, &shell, [&shell] { shell.showWindow(korvanda::WindowKind::Team); });
    splash->show();
    return app.exec();
}
