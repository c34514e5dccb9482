#include "cardpainter.h"

#include <QDir>
#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <QTextStream>

// Draws the 55 card pictures into the directory named on the command line, as 1.jpg to
// 55.jpg. Exits with 1 when any picture could not be written.
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        err << "usage: cardart DIRECTORY\n";
        return 2;
    }
    const QDir dir(args.at(1));
    if (!dir.mkpath(QStringLiteral("."))) {
        err << "cardart: cannot create " << dir.path() << '\n';
        return 1;
    }
    const QFontInfo font(QFont(QStringLiteral("DejaVu Sans")));
    if (font.family() != QStringLiteral("DejaVu Sans")) {
        err << "cardart: warning: DejaVu Sans is not installed, letters drawn in " << font.family()
            << '\n';
    }
    const CardPainter painter;
    for (int n = 1; n <= CardPainter::PictureCount; ++n) {
        const QString file = dir.filePath(QStringLiteral("%1.jpg").arg(n));
        if (!painter.picture(n).save(file, "JPG", 92)) {
            err << "cardart: cannot write " << file << '\n';
            return 1;
        }
    }
    return 0;
}
