// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cardart/appicon.h"
#include "cardart/cardpainter.h"
#include "cardart/largeprintpainter.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <QTextStream>

namespace {

// The 55 card pictures of one face set as 1.jpg to 55.jpg.
template <typename Painter> bool writeCards(const QDir& dir, QTextStream& err) {
    const QFontInfo font(QFont(QStringLiteral("DejaVu Sans")));
    if (font.family() != QStringLiteral("DejaVu Sans")) {
        err << "cardart: warning: DejaVu Sans is not installed, letters drawn in " << font.family()
            << '\n';
    }
    const Painter painter;
    for (int n = 1; n <= Painter::PictureCount; ++n) {
        const QString file = dir.filePath(QStringLiteral("%1.jpg").arg(n));
        if (!painter.picture(n).save(file, "JPG", 92)) {
            err << "cardart: cannot write " << file << '\n';
            return false;
        }
    }
    return true;
}

// The application icon as corvelle.svg and corvelle-48.png, -128.png and -256.png.
bool writeIcons(const QDir& dir, QTextStream& err) {
    const AppIcon icon;
    QFile svg(dir.filePath(QStringLiteral("corvelle.svg")));
    if (!svg.open(QIODevice::WriteOnly) || svg.write(icon.svg()) < 0 || !svg.flush()) {
        err << "cardart: cannot write " << svg.fileName() << '\n';
        return false;
    }
    for (const int size : {48, 128, 256}) {
        const QString file = dir.filePath(QStringLiteral("corvelle-%1.png").arg(size));
        if (!icon.image(size).save(file, "PNG")) {
            err << "cardart: cannot write " << file << '\n';
            return false;
        }
    }
    return true;
}

} // namespace

// Draws the 55 classic card pictures, with --large the 55 Large Print ones, or with --icons the
// application icon, into the directory named on the command line. Exits with 1 when any file
// could not be written.
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    QStringList args = QCoreApplication::arguments();
    QString what;
    if (args.size() == 3 && args.at(1).startsWith(QStringLiteral("--"))) {
        what = args.takeAt(1);
    }
    if (args.size() != 2 || args.at(1).startsWith(QStringLiteral("--")) ||
        !(what.isEmpty() || what == QStringLiteral("--large") ||
          what == QStringLiteral("--icons"))) {
        err << "usage: cardart [--large | --icons] DIRECTORY\n";
        return 2;
    }
    const QDir dir(args.at(1));
    if (!dir.mkpath(QStringLiteral("."))) {
        err << "cardart: cannot create " << dir.path() << '\n';
        return 1;
    }
    bool written = false;
    if (what == QStringLiteral("--icons")) {
        written = writeIcons(dir, err);
    } else if (what == QStringLiteral("--large")) {
        written = writeCards<LargePrintPainter>(dir, err);
    } else {
        written = writeCards<CardPainter>(dir, err);
    }
    return written ? 0 : 1;
}
