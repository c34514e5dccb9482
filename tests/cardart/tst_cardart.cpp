#include "cardart/cardpainter.h"
#include "mainwindow/cardpicture.h"
#include "pictures/cardpicturecache.h"

#include "tests/support/windowdriver.h"

#include <QSvgRenderer>

// The card pictures and the icon the build draws: files the game can load, one distinct
// picture per card with a readable corner and a middle that keeps clear of it, the same bytes
// on every build (which stops when they cannot be written), corners that the card controls cut
// away, an icon whose files agree.
class TestCardArt : public QObject {
    Q_OBJECT

    static QString file(int number, const QString& dir = QString()) {
        return (dir.isEmpty() ? QCoreApplication::applicationDirPath() + "/images" : dir) +
               QStringLiteral("/%1.jpg").arg(number);
    }
    static int runCardArt(const QStringList& arguments) {
        QProcess process;
        process.start(QStringLiteral(CARDART_PROGRAM), arguments);
        const bool ended = process.waitForFinished(60000) && process.exitStatus() == 0;
        return ended ? process.exitCode() : -1;
    }

private slots:
    // Rounded cards with neutral corners, red pixels on red cards and jokers only; the top-left
    // corner, as the game shows a covered card, tells all 55 pictures apart.
    void picturesAreDistinctCardSizedJpegs() {
        const auto grey = [](QRgb p) {
            return qAbs(qRed(p) - qGreen(p)) < 16 && qAbs(qGreen(p) - qBlue(p)) < 16;
        };
        QList<QImage> corners;
        for (int n = 1; n <= 55; ++n) {
            QImageReader reader(file(n));
            QVERIFY2(reader.format() == "jpeg" && reader.size() == QSize(276, 420),
                     qPrintable(file(n)));
            const QImage image = reader.read();
            QVERIFY(grey(image.pixel(0, 0)) && grey(image.pixel(275, 419)));
            QVERIFY(qGray(image.pixel(1, 210)) < 160 && qGray(image.pixel(138, 1)) < 160);
            int red = 0;
            for (int i = 0; i < 276 * 420; ++i) {
                const QRgb p = image.pixel(i % 276, i / 276);
                red += qRed(p) > 150 && qGreen(p) < 90 && qBlue(p) < 90;
            }
            const bool redCard = (n >= 27 && n <= 52) || n == 54;
            QVERIFY2(redCard ? red > 500 : red == 0, qPrintable(QString("%1: %2").arg(n).arg(red)));
            corners << image.copy(0, 0, 64, 150)
                           .scaled(16, 37, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
        for (int a = 0; a < 55; ++a) {
            for (int b = a + 1; b < 55; ++b) {
                // Pixels apart by more than a quarter of the range: far above JPEG noise.
                int difference = 0;
                for (int i = 0; i < 16 * 37; ++i) {
                    const QRgb p = corners[a].pixel(i % 16, i / 16),
                               q = corners[b].pixel(i % 16, i / 16);
                    difference += qMax(qMax(qAbs(qRed(p) - qRed(q)), qAbs(qGreen(p) - qGreen(q))),
                                       qAbs(qBlue(p) - qBlue(q))) > 64;
                }
                QVERIFY2(difference >= 5, qPrintable(QString("%1 %2").arg(a + 1).arg(b + 1)));
            }
        }
    }

    // Pips, the ace's pip and the court frames stay more than a screen pixel (four picture
    // pixels) away from both corner indexes, the rank stands clear of the suit below it, and no
    // rank (the 10 least of all) is much wider than the A.
    void middleKeepsClearOfTheIndexes_data() {
        QTest::addColumn<int>("rank");
        for (int rank = 1; rank <= 13; ++rank) {
            QTest::addRow("rank %d", rank) << rank;
        }
    }
    void middleKeepsClearOfTheIndexes() {
        QFETCH(int, rank);
        const QTransform halfTurn = QTransform().translate(276, 420).rotate(180);
        const qreal widthOfA = CardPainter::indexRank(1).boundingRect().width();
        for (int n = rank; n <= 52; n += 13) {
            const QRectF rankBox = CardPainter::indexRank(n).boundingRect();
            const QRectF suitBox = CardPainter::indexSuit(n).boundingRect();
            QVERIFY2(rankBox.bottom() + 4 <= suitBox.top(), qPrintable(QString::number(n)));
            QVERIFY(rankBox.width() <= widthOfA * 1.1);
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

    // A card control cuts its picture's corners away: the table, or the card below, shows there.
    void cornersShowWhatLiesBelow() {
        QWidget table;
        QPalette green;
        green.setColor(QPalette::Window, QColor(0, 128, 0));
        table.setPalette(green);
        table.setAutoFillBackground(true);
        table.resize(100, 170);
        corvelle::CardPictureCache cache(QCoreApplication::applicationDirPath() + "/images");
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

    // Drawn again, every file has the same bytes; the build stops when the pictures cannot be
    // written, instead of going on without them.
    void drawingAgainGivesTheSameBytesOrFails() {
        QTemporaryDir dir;
        QCOMPARE(runCardArt({dir.path()}), 0);
        QCOMPARE(runCardArt({"--icons", dir.path()}), 0);
        QStringList built, again;
        for (int n = 1; n <= 55; ++n) {
            built << file(n);
            again << file(n, dir.path());
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
    }
};

QTEST_MAIN(TestCardArt)
#include "tst_cardart.moc"
