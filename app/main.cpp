#include "dialogs.h"
#include "halloffamewindow.h"
#include "mainwindow.h"
#include "picturecheck.h"
#include "singleinstance.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(CORVELLE_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(CORVELLE_APP_ID));
    QApplication::setQuitOnLastWindowClosed(true);

    // Only one copy plays: a second start brings that copy forward and ends, silently.
    corvelle::SingleInstance instance;
    if (instance.anotherCopyPlays()) {
        return 0;
    }
    QObject::connect(&instance, &corvelle::SingleInstance::comeForwardRequested,
                     &corvelle::bringWindowsForward);

    const QString pictures = corvelle::cardPictureDirectory();
    const QStringList problems = corvelle::checkCardPictures(pictures);
    if (!problems.isEmpty()) {
        corvelle::dialogs().message(corvelle::cardPictureProblemMessage(pictures, problems));
        return 1;
    }

    // The Hall of Fame window can outlive the main window; its "Back to Corvelle" then opens a
    // fresh one, with the whole start-up.
    const auto openMainWindow = [] {
        auto* window = new corvelle::MainWindow;
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
    };
    corvelle::HallOfFameWindow::setMainWindowFactory(openMainWindow);
    openMainWindow();
    return app.exec();
}
