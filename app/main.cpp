#include "dialogs.h"
#include "halloffamewindow.h"
#include "mainwindow.h"
#include "picturecheck.h"

#include <QApplication>
#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(CORVELLE_VERSION));
    QApplication::setQuitOnLastWindowClosed(true);

    // Only one copy plays: a second start ends at once, silently. The lock records this
    // process, so a lock left by a copy that was killed is recognised as stale and taken over.
    QLockFile lock(QDir(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation))
                       .filePath(QStringLiteral("corvelle.lock")));
    lock.setStaleLockTime(0);
    if (!lock.tryLock(0) && lock.error() == QLockFile::LockFailedError) {
        return 0;
    }

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
