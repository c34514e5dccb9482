#include <QCoreApplication>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The card pictures the build draws into images/ beside the game: files the game can load, one
// distinct picture per card with a readable corner, the same bytes on every build.
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
    // Rounded cards on the green table, red pixels on red cards and jokers only; the top-left
    // corner, as the game shows a covered card, tells all 55 pictures apart.
    void picturesAreDistinctCardSizedJpegs() {
        const auto green = [](QRgb p) {
            return qRed(p) < 30 && qAbs(qGreen(p) - 128) < 30 && qBlue(p) < 30;
        };
        QList<QImage> corners;
        for (int n = 1; n <= 55; ++n) {
            QImageReader reader(file(n));
            QVERIFY2(reader.format() == "jpeg" && reader.size() == QSize(276, 420),
                     qPrintable(file(n)));
            const QImage image = reader.read();
            QVERIFY(green(image.pixel(0, 0)) && green(image.pixel(275, 419)));
            QVERIFY(!green(image.pixel(138, 1)) && !green(image.pixel(1, 210)));
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

    void drawingAgainGivesTheSameBytes() {
        QTemporaryDir dir;
        QCOMPARE(runCardArt({dir.path()}), 0);
        for (int n = 1; n <= 55; ++n) {
            QFile built(file(n)), again(file(n, dir.path()));
            QVERIFY(built.open(QIODevice::ReadOnly) && again.open(QIODevice::ReadOnly));
            QVERIFY2(built.readAll() == again.readAll(), qPrintable(again.fileName()));
        }
    }

    // The build must stop when the pictures cannot be written, not go on without them.
    void failureToWriteIsReported() {
        QTemporaryDir dir;
        QFile plain(dir.filePath("plain"));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        QVERIFY(runCardArt({}) > 0);
        QVERIFY(runCardArt({plain.fileName() + "/images"}) > 0);
    }
};

QTEST_GUILESS_MAIN(TestCardArt)
#include "tst_cardart.moc"
