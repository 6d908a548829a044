#include "meet/Meet.h"
#include "shell/MessageBoxDialogs.h"
#include "shell/Shell.h"
#include "shell/SplashScreen.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvanda"));
    QApplication::setOrganizationName(QStringLiteral("Korvanda"));

    korvanda::Meet meet;
    meet.directory = QCoreApplication::applicationDirPath().toStdString();
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
