#include "cardpicturecache.h"
#include "fixturepictures.h"
#include "picturecheck.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace corvelle;

// The start-up check of the 55 picture files and the decoded-picture cache.
class CardPicturesTest : public QObject {
    Q_OBJECT

private slots:
    void checkFindsEveryMissingOrDamagedPicture_data() {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QStringList>("problems");
        QTest::newRow("complete") << "" << QStringList{};
        QTest::newRow("one missing") << "remove 12" << QStringList{"12.jpg (missing)"};
        QTest::newRow("card back missing") << "remove 55" << QStringList{"55.jpg (missing)"};
        QTest::newRow("cut short") << "truncate 30" << QStringList{"30.jpg (damaged)"};
        QTest::newRow("empty file") << "empty 1" << QStringList{"1.jpg (damaged)"};
        QTest::newRow("a PNG under a JPEG name") << "png 7" << QStringList{"7.jpg (damaged)"};
        QTest::newRow("text file") << "text 40" << QStringList{"40.jpg (damaged)"};
        QTest::newRow("folder in place of a file")
            << "folder 54" << QStringList{"54.jpg (damaged)"};
        QTest::newRow("several, in picture order")
            << "truncate 30;remove 2;empty 53"
            << QStringList{"2.jpg (missing)", "30.jpg (damaged)", "53.jpg (damaged)"};
    }

    void checkFindsEveryMissingOrDamagedPicture() {
        QFETCH(QString, damage);
        QFETCH(QStringList, problems);
        QTemporaryDir dir;
        QVERIFY(writeFixturePictures(dir.path()));
        for (const QString& step : damage.split(';', Qt::SkipEmptyParts)) {
            const QString what = step.section(' ', 0, 0);
            const QString path = dir.filePath(step.section(' ', 1, 1) + ".jpg");
            QFile file(path);
            if (what == "remove") {
                QVERIFY(file.remove());
            } else if (what == "truncate") {
                QVERIFY(file.resize(file.size() / 2));
            } else if (what == "empty") {
                QVERIFY(file.resize(0));
            } else if (what == "png") {
                QImage image(276, 420, QImage::Format_RGB32);
                image.fill(Qt::red);
                QVERIFY(image.save(path, "PNG"));
            } else if (what == "text") {
                QVERIFY(file.open(QIODevice::WriteOnly));
                file.write("not a picture\n");
            } else if (what == "folder") {
                QVERIFY(file.remove());
                QVERIFY(QDir(dir.path()).mkdir(step.section(' ', 1, 1) + ".jpg"));
            }
        }
        QCOMPARE(checkCardPictures(dir.path()), problems);
    }

    void checkOfAMissingFolderNamesEveryPicture() {
        QTemporaryDir dir;
        const QString absent = dir.filePath("images");
        const QStringList problems = checkCardPictures(absent);
        QCOMPARE(problems.size(), 55);
        QCOMPARE(problems.first(), QStringLiteral("1.jpg (missing)"));
        QCOMPARE(problems.last(), QStringLiteral("55.jpg (missing)"));
    }

    void messageNamesTheFolderAndEveryProblem() {
        const QString text = cardPictureProblemMessage(
            "/opt/corvelle/images", QStringList{"2.jpg (missing)", "30.jpg (damaged)"});
        QVERIFY(text.contains("/opt/corvelle/images"));
        QVERIFY(text.contains("2.jpg (missing)"));
        QVERIFY(text.contains("30.jpg (damaged)"));
    }

    // Each picture is decoded once, at the size it covers in device pixels, so a screen of
    // ratio 2 gets twice the pixels and stays sharp.
    void cacheDecodesOnceAtTheDeviceSize_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QSize>("pixels");
        QTest::newRow("ratio 1") << 1.0 << QSize(69, 105);
        QTest::newRow("ratio 2") << 2.0 << QSize(138, 210);
        QTest::newRow("ratio 1.5") << 1.5 << QSize(104, 158);
    }

    void cacheDecodesOnceAtTheDeviceSize() {
        QFETCH(qreal, ratio);
        QFETCH(QSize, pixels);
        QTemporaryDir dir;
        QVERIFY(writeFixturePictures(dir.path()));
        CardPictureCache cache(dir.path());
        const QPixmap first = cache.pixmap(7, QSize(69, 105), ratio);
        QCOMPARE(first.size(), pixels);
        QCOMPARE(first.devicePixelRatio(), ratio);
        QVERIFY(sameColour(first.toImage().pixelColor(10, 10), fixtureColour(7)));
        QCOMPARE(cache.decodeCount(), 1);
        QCOMPARE(cache.pixmap(7, QSize(69, 105), ratio).cacheKey(), first.cacheKey());
        QCOMPARE(cache.decodeCount(), 1);
        const QPixmap other = cache.pixmap(53, QSize(69, 105), ratio);
        QVERIFY(sameColour(other.toImage().pixelColor(10, 10), fixtureColour(53)));
        QCOMPARE(cache.decodeCount(), 2);
    }

    // A picture that could not be read is tried again, never remembered as blank.
    void cacheRetriesAPictureThatFailed() {
        QTemporaryDir dir;
        QVERIFY(writeFixturePictures(dir.path()));
        const QString path = dir.filePath("9.jpg");
        QVERIFY(QFile::rename(path, path + ".away"));
        CardPictureCache cache(dir.path());
        QVERIFY(cache.pixmap(9, QSize(69, 105), 1.0).isNull());
        QVERIFY(QFile::rename(path + ".away", path));
        const QPixmap shown = cache.pixmap(9, QSize(69, 105), 1.0);
        QVERIFY(!shown.isNull());
        QVERIFY(sameColour(shown.toImage().pixelColor(30, 50), fixtureColour(9)));
    }
};

QTEST_MAIN(CardPicturesTest)
#include "tst_cardpictures.moc"
