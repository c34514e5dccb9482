// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cardart/cardpainter.h"
#include "cardart/largeprintpainter.h"
#include "pictures/cardpicturecache.h"

#include "tests/support/windowdriver.h"

#include <QSvgRenderer>

#include <array>
#include <cmath>

// The card pictures and the icon the build draws: files the game can load, one distinct
// picture per card with a readable corner and a middle that keeps clear of it, the same bytes
// on every build (which stops when they cannot be written), corners that the card controls cut
// away, an icon whose files agree; Large Print faces legible at the smallest size.
class TestCardArt : public QObject {
    Q_OBJECT

    static QString file(int number, const QString& dir = QString()) {
        return (dir.isEmpty() ? QCoreApplication::applicationDirPath() + "/images" : dir) +
               QStringLiteral("/%1.jpg").arg(number);
    }
    static QString largeFile(int number) {
        return file(number, QCoreApplication::applicationDirPath() + "/images/large");
    }
    // What is wrong with the picture file at `path`, or nothing: it must be a 276 x 420 JPEG, a
    // rounded card with neutral corners and a dark edge, with red pixels if it is `red` and
    // none otherwise.
    static QString problemWith(const QString& path, bool red, QImage& image) {
        QImageReader reader(path);
        if (reader.format() != "jpeg" || reader.size() != QSize(276, 420)) {
            return path + ": not a card-sized JPEG";
        }
        image = reader.read();
        const auto grey = [&](int x, int y) {
            const QRgb p = image.pixel(x, y);
            return qAbs(qRed(p) - qGreen(p)) < 16 && qAbs(qGreen(p) - qBlue(p)) < 16;
        };
        if (!grey(0, 0) || !grey(275, 419) || !inked(image.pixel(1, 210)) ||
            !inked(image.pixel(138, 1))) {
            return path + ": no rounded card with a dark edge";
        }
        int reds = 0;
        for (int i = 0; i < 276 * 420; ++i) {
            const QRgb p = image.pixel(i % 276, i / 276);
            reds += qRed(p) > 150 && qGreen(p) < 90 && qBlue(p) < 90;
        }
        return (red ? reds > 500 : reds == 0) ? QString() : path + QString(": %1 red").arg(reds);
    }
    // How many pixels of two pictures of one size differ by more than a quarter of the range in
    // some colour: far above JPEG noise.
    static int differingPixels(const QImage& a, const QImage& b) {
        int differing = 0;
        for (int i = 0; i < a.width() * a.height(); ++i) {
            const QRgb p = a.pixel(i % a.width(), i / a.width());
            const QRgb q = b.pixel(i % a.width(), i / a.width());
            differing += qMax(qMax(qAbs(qRed(p) - qRed(q)), qAbs(qGreen(p) - qGreen(q))),
                              qAbs(qBlue(p) - qBlue(q))) > 64;
        }
        return differing;
    }
    static bool inked(QRgb p) { return qGray(p) < 160; }
    // The top strip that a covered card shows, at the game's smallest size (69 x 105).
    static QImage shownStrip(const QImage& picture) {
        const int strip = qRound(LargePrintPainter::CoveredStripHeight);
        return picture.copy(0, 0, 276, strip)
            .scaled(69, strip / 4, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    // The tallest run of rows with ink in the first `columns` columns of a shown strip, inside
    // its edge: the height of the index's rank (the classic index is 17 pixels wide, ours 38).
    static int rankHeight(const QImage& strip, int columns) {
        int tallest = 0;
        for (int y = 3, run = 0; y < strip.height(); ++y) {
            int x = 3;
            while (x < columns && !inked(strip.pixel(x, y))) {
                ++x;
            }
            run = x < columns ? run + 1 : 0;
            tallest = qMax(tallest, run);
        }
        return tallest;
    }
    // How many separate inked shapes lie below the strip (each is painted out once counted).
    static int shapesBelowStrip(const QImage& picture) {
        QImage body = picture.copy(12, qCeil(LargePrintPainter::CoveredStripHeight), 252, 230);
        int shapes = 0;
        for (int i = 0; i < body.width() * body.height(); ++i) {
            QList<QPoint> open{QPoint(i % body.width(), i / body.width())};
            shapes += inked(body.pixel(open.first()));
            while (!open.isEmpty()) {
                const QPoint p = open.takeLast();
                if (body.rect().contains(p) && inked(body.pixel(p))) {
                    body.setPixel(p, qRgb(255, 255, 255));
                    open << p + QPoint(1, 0) << p - QPoint(1, 0) << p + QPoint(0, 1)
                         << p - QPoint(0, 1);
                }
            }
        }
        return shapes;
    }
    static int runCardArt(const QStringList& arguments) {
        QProcess process;
        process.start(QStringLiteral(CARDART_PROGRAM), arguments);
        const bool ended = process.waitForFinished(60000) && process.exitStatus() == 0;
        return ended ? process.exitCode() : -1;
    }

private slots:
    // Every picture of both face sets is a rounded card with neutral corners in a dark outline,
    // red only on the red cards (the Hearts of Large Print) and the red joker. The top-left corner,
    // as the game shows a covered card, tells all 55 classic pictures apart; the strip a covered
    // card shows, at 69 pixels wide, every two Large Print pictures clearly. There the rank stands
    // beside its suit, well over twice as tall as the classic index's; the pips below count it.
    void picturesAreDistinctCardsInBothFaceSets() {
        for (const bool large : {false, true}) {
            QList<QImage> shown;
            for (int n = 1; n <= 55; ++n) {
                QImage image;
                const bool red = (n >= (large ? 40 : 27) && n <= 52) || n == 54;
                const QString problem = problemWith(large ? largeFile(n) : file(n), red, image);
                QVERIFY2(problem.isEmpty(), qPrintable(problem));
                shown << (large ? shownStrip(image)
                                : image.copy(0, 0, 64, 150)
                                      .scaled(16, 37, Qt::IgnoreAspectRatio,
                                              Qt::SmoothTransformation));
                if (!large || n > 52) {
                    continue;
                }
                const QRectF rank = LargePrintPainter::indexRank(n).boundingRect();
                const QRectF suit = LargePrintPainter::indexSuit(n).boundingRect();
                QVERIFY(QRectF(8, 8, 260, 164).contains(rank | suit) &&
                        rank.right() + 8 < suit.left());
                const int height = rankHeight(shown.last(), 38);
                const int classic = rankHeight(shownStrip(QImage(file(n))), 17);
                QVERIFY2(height >= 28 && height > 2 * classic,
                         qPrintable(QString("%1: %2 against %3").arg(n).arg(height).arg(classic)));
                if (corvelle::faceRank(n) <= 10) {
                    QCOMPARE(shapesBelowStrip(image), corvelle::faceRank(n));
                }
            }
            for (int a = 0; a < 55; ++a) {
                for (int b = a + 1; b < 55; ++b) {
                    const int differing = differingPixels(shown[a], shown[b]);
                    QVERIFY2(differing >= (large ? 100 : 5),
                             qPrintable(QString("%1 %2: %3").arg(a + 1).arg(b + 1).arg(differing)));
                }
            }
        }
    }

    // Pips, the ace's pip and the court frames stay more than a screen pixel (four picture
    // pixels) away from both corner indexes, the rank stands clear of the suit below it, and no
    // rank (the 10 least of all) is much wider than the A.
    void middleKeepsClearOfTheIndexes() {
        const QTransform halfTurn = QTransform().translate(276, 420).rotate(180);
        const qreal widthOfA = CardPainter::indexRank(1).boundingRect().width();
        for (int n = 1; n <= 52; ++n) {
            const QRectF rankBox = CardPainter::indexRank(n).boundingRect();
            const QRectF suitBox = CardPainter::indexSuit(n).boundingRect();
            QVERIFY2(rankBox.bottom() + 4 <= suitBox.top(), qPrintable(QString::number(n)));
            QVERIFY2(rankBox.width() <= widthOfA * 1.1, qPrintable(QString::number(n)));
            const QRectF indexes[]{rankBox, suitBox, halfTurn.mapRect(rankBox),
                                   halfTurn.mapRect(suitBox)};
            const std::vector<QRectF> middle = CardPainter::faceBoxes(n);
            QVERIFY(!middle.empty());
            for (const QRectF& box : middle) {
                for (const QRectF& index : indexes) {
                    QVERIFY2(!box.adjusted(-4, -4, 4, 4).intersects(index),
                             qPrintable(QString::number(n)));
                }
            }
        }
    }

    // The four suits' ink, as the Large Print index shows it, under normal sight and as
    // protanopes, deuteranopes and tritanopes see it (the simulation of Machado, Oliveira and
    // Fernandes at full severity): every two suits at least 30 CIELAB units apart, and each
    // at 4.5:1 contrast or more against the white face.
    void largePrintSuitColoursStayApartForColourBlindSight() {
        const std::array<std::array<double, 9>, 4> sights{
            {{1, 0, 0, 0, 1, 0, 0, 0, 1},
             {.152286, 1.052583, -.204868, .114503, .786281, .099216, -.003882, -.048116, 1.051998},
             {.367322, .860646, -.227968, .280085, .672501, .047413, -.01182, .04294, .968881},
             {1.255528, -.076749, -.178779, -.078411, .930809, .147602, .004733, .691367, .3039}}};
        // The colour as sight `m` sees it in CIELAB, and its luminance last.
        const auto seen = [](const std::array<double, 9>& m, QColor colour) {
            std::array<double, 3> v{colour.redF(), colour.greenF(), colour.blueF()}, s{};
            for (double& c : v) {
                c = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
            }
            for (int r = 0; r < 3; ++r) {
                s[r] = m[3 * r] * v[0] + m[3 * r + 1] * v[1] + m[3 * r + 2] * v[2];
            }
            const auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 0.138; };
            const double y = 0.2126 * s[0] + 0.7152 * s[1] + 0.0722 * s[2];
            const double x = (0.4124 * s[0] + 0.3576 * s[1] + 0.1805 * s[2]) / 0.95047;
            const double z = (0.0193 * s[0] + 0.1192 * s[1] + 0.9505 * s[2]) / 1.08883;
            return std::array{116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z)), y};
        };
        QList<QColor> inks;
        for (const Suit suit : corvelle::AllSuits) {
            const int ace = corvelle::cardCode(suit, 1);
            const QPointF middle = LargePrintPainter::indexSuit(ace).boundingRect().center();
            inks << QImage(largeFile(ace)).pixelColor(middle.toPoint());
            QVERIFY2(1.05 / (seen(sights[0], inks.last())[3] + 0.05) >= 4.5,
                     qPrintable(inks.last().name()));
        }
        for (const auto& sight : sights) {
            for (int a = 0; a < 4; ++a) {
                const auto p = seen(sight, inks[a]);
                for (int b = a + 1; b < 4; ++b) {
                    const auto q = seen(sight, inks[b]);
                    QVERIFY2(std::hypot(p[0] - q[0], p[1] - q[1], p[2] - q[2]) >= 30,
                             qPrintable(inks[a].name() + " " + inks[b].name()));
                }
            }
        }
    }

    // A card control cuts its picture's corners away, in either face set: the table, or the
    // card below, shows there.
    void cornersShowWhatLiesBelow() {
        for (const char* folder : {"/images", "/images/large"}) {
            QWidget table;
            QPalette green;
            green.setColor(QPalette::Window, QColor(0, 128, 0));
            table.setPalette(green);
            table.setAutoFillBackground(true);
            table.resize(100, 170);
            corvelle::CardPictureCache cache(QCoreApplication::applicationDirPath() + folder);
            corvelle::CardPicture below(cache, &table), above(cache, &table);
            below.setGeometry(10, 10, 69, 105);
            above.setGeometry(20, 54, 69, 105);
            below.setPicture(55);
            above.setPicture(1);
            above.hide();
            const QImage without = table.grab().toImage();
            above.show();
            const QImage with = table.grab().toImage();
            QCOMPARE(with.pixelColor(10, 10), QColor(0, 128, 0));
            QCOMPARE(with.pixelColor(88, 158), QColor(0, 128, 0));
            QCOMPARE(with.pixelColor(20, 54), without.pixelColor(20, 54));
            QVERIFY(with.pixelColor(24, 58) != without.pixelColor(24, 58));
        }
    }

    // The SVG icon drawn at each size looks like the PNG of that size, and both are clear
    // around the cards and solid in their middle.
    void iconFilesAgree() {
        QSvgRenderer svg(QStringLiteral(ICON_DIR "/corvelle.svg"));
        QVERIFY(svg.isValid());
        for (const int size : {48, 128, 256}) {
            const QImage png = QImage(QStringLiteral(ICON_DIR "/corvelle-%1.png").arg(size))
                                   .convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(png.size(), QSize(size, size));
            QImage drawn(size, size, QImage::Format_ARGB32);
            drawn.fill(Qt::transparent);
            QPainter painter(&drawn);
            svg.render(&painter);
            painter.end();
            QVERIFY(qAlpha(png.pixel(0, 0)) == 0 && qAlpha(png.pixel(size / 2, size / 2)) == 255);
            int differing = 0;
            for (int i = 0; i < size * size; ++i) {
                const QRgb p = png.pixel(i % size, i / size), q = drawn.pixel(i % size, i / size);
                differing += qAbs(qAlpha(p) - qAlpha(q)) > 64 || qAbs(qGray(p) - qGray(q)) > 64;
            }
            QVERIFY2(differing < size * size / 400, qPrintable(QString::number(differing)));
        }
    }

    // Drawn again, every file of both face sets and the icon has the same bytes; the build
    // stops when the pictures cannot be written, instead of going on without them.
    void drawingAgainGivesTheSameBytesOrFails() {
        QTemporaryDir dir;
        QCOMPARE(runCardArt({dir.path()}), 0);
        QCOMPARE(runCardArt({"--icons", dir.path()}), 0);
        QCOMPARE(runCardArt({"--large", dir.filePath("large")}), 0);
        QStringList built, again;
        for (int n = 1; n <= 55; ++n) {
            built << file(n) << largeFile(n);
            again << file(n, dir.path()) << file(n, dir.filePath("large"));
        }
        for (const char* name :
             {"corvelle.svg", "corvelle-48.png", "corvelle-128.png", "corvelle-256.png"}) {
            built << QStringLiteral(ICON_DIR "/") + name;
            again << dir.filePath(name);
        }
        for (int i = 0; i < built.size(); ++i) {
            const QByteArray bytes = corvelle::test::readFile(built[i]);
            QVERIFY2(bytes != "<missing>" && bytes == corvelle::test::readFile(again[i]),
                     qPrintable(again[i]));
        }
        QVERIFY(corvelle::test::writeFile(dir.filePath("plain"), "x"));
        QVERIFY(runCardArt({}) > 0);
        QVERIFY(runCardArt({dir.filePath("plain/images")}) > 0);
        QVERIFY(runCardArt({"--icons", dir.filePath("plain/icons")}) > 0);
        QVERIFY(runCardArt({"--large", dir.filePath("plain/large")}) > 0);
    }
};

QTEST_MAIN(TestCardArt)
#include "tst_cardart.moc"
