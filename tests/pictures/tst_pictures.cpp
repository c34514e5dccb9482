// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/optionstore.h"
#include "pictures/cardpicturecache.h"
#include "pictures/cardpictureload.h"
#include "storage/datadirectory.h"
#include "tests/support/windowdriver.h"

using namespace corvelle;
using namespace corvelle::test;

// The start-up decode and check of the 55 picture files, the decoded-picture cache that takes
// them over, and the pictures of the window on a screen of device pixel ratio 2.
class CardPicturesTest : public QObject {
    Q_OBJECT

private slots:
    void checkAndCacheOfThePictureFiles() {
        QTemporaryDir dir;
        const QString images = dir.filePath("images");
        const QStringList none = CardPictureLoad(images, QSize(69, 105)).problems();
        QCOMPARE(none.size(), 55);
        QCOMPARE(none.first() + none.last(), "1.jpg (missing)55.jpg (missing)");
        QVERIFY(writeFixturePictures(images));
        const auto file = [&](int n) { return images + "/" + QString::number(n) + ".jpg"; };

        // Start-up decodes every picture once, at the size it covers in device pixels on this
        // screen of ratio 2, corners cut, and the next cache of that folder takes them over. The
        // cache itself decodes a picture wanted at another size once, and tries one it could not
        // read again.
        const auto load = handOverCardPictures(images, QSize(69, 105));
        QCOMPARE(load->problems(), QStringList());
        CardPictureCache cache(images);
        for (const int n : {1, 9, 55}) {
            const QImage handed = cache.pixmap(n, QSize(69, 105), 2).toImage();
            QVERIFY(handed.size() == QSize(138, 210) && handed.devicePixelRatio() == 2);
            QVERIFY(sameColour(handed.pixelColor(60, 100), fixtureColour(n)) &&
                    qAlpha(handed.pixel(0, 0)) == 0);
        }
        QCOMPARE(cache.decodeCount(), 0);
        const QPixmap first = cache.pixmap(7, QSize(69, 105), 1.5);
        QVERIFY(first.size() == QSize(104, 158) && first.devicePixelRatio() == 1.5);
        QCOMPARE(cache.pixmap(7, QSize(69, 105), 1.5).cacheKey(), first.cacheKey());
        QCOMPARE(cache.decodeCount(), 1);
        QVERIFY(QFile::rename(file(9), file(99)) && cache.pixmap(9, QSize(69, 105), 1).isNull() &&
                QFile::rename(file(99), file(9)));
        const QImage shown = cache.pixmap(9, QSize(69, 105), 1).toImage();
        QVERIFY(sameColour(shown.pixelColor(30, 50), fixtureColour(9)));

        // One message names the folder and every missing or damaged file, in picture order.
        QVERIFY(QFile::resize(file(30), QFileInfo(file(30)).size() / 2) &&
                QFile::resize(file(1), 0));
        QVERIFY(QFile::remove(file(2)) && QFile::remove(file(55)) && QFile::remove(file(54)) &&
                QDir().mkdir(file(54)));
        QVERIFY(QImage(QSize(276, 420), QImage::Format_RGB32).save(file(7), "PNG"));
        QVERIFY(writeFile(file(40), "not a picture\n"));
        const QStringList problems{"1.jpg (damaged)",  "2.jpg (missing)",  "7.jpg (damaged)",
                                   "30.jpg (damaged)", "40.jpg (damaged)", "54.jpg (damaged)",
                                   "55.jpg (missing)"};
        QCOMPARE(CardPictureLoad(images, QSize(69, 105)).problems(), problems);
        const QString message = cardPictureProblemMessage(images, problems);
        for (const QString& part : problems + QStringList{images}) {
            QVERIFY2(message.contains(part), qPrintable(part));
        }
    }

    // What a start decoded is kept for the next one, which decodes nothing while every file is
    // as it was. A picture file written since, or a kept file that is damaged or of another
    // size, is decoded anew: a start never shows a stale picture nor hides a damaged file.
    void decodedPicturesAreKeptForTheNextStart() {
        QTemporaryDir dir;
        const QString images = dir.filePath("images");
        const QString kept = dir.filePath("cardpictures.cache");
        const QString twelve = images + "/12.jpg";
        QVERIFY(writeFixturePictures(images));
        struct Start {
            QStringList problems;
            bool fromCache;
            std::vector<QImage> pictures;
        };
        // One start (its load's end waits for the kept file to be written).
        const auto start = [&](QString cacheFile = {}, QSize size = QSize(69, 105)) {
            CardPictureLoad load(images, size, std::move(cacheFile));
            Start started{load.problems(), load.fromCache(), {}};
            for (int n = 1; n <= 55; ++n) {
                started.pictures.push_back(load.take(n));
            }
            return started;
        };
        const auto middleOf12 = [](const Start& s) { return s.pictures[11].pixelColor(34, 52); };

        const Start decoded = start();
        const Start first = start(kept);
        QVERIFY(first.problems.isEmpty() && !first.fromCache && QFile::exists(kept));
        const Start second = start(kept);
        QVERIFY(second.problems.isEmpty() && second.fromCache);
        QVERIFY(second.pictures == decoded.pictures && first.pictures == decoded.pictures);

        QImage red(276, 420, QImage::Format_RGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(twelve, "JPEG", 90));
        const Start changed = start(kept);
        QVERIFY(!changed.fromCache && sameColour(middleOf12(changed), Qt::red));
        const Start keptRed = start(kept);
        QVERIFY(keptRed.fromCache && sameColour(middleOf12(keptRed), Qt::red));

        QVERIFY(!start(kept, QSize(104, 158)).fromCache && start(kept, QSize(104, 158)).fromCache);
        QByteArray bytes = readFile(kept);
        bytes[bytes.size() / 2] = char(~bytes[bytes.size() / 2]);
        QVERIFY(writeFile(kept, bytes));
        QVERIFY(!start(kept, QSize(104, 158)).fromCache);
        QVERIFY(QFile::resize(kept, QFileInfo(kept).size() - 1));
        QVERIFY(!start(kept, QSize(104, 158)).fromCache);

        QVERIFY(start(kept, QSize(104, 158)).fromCache);
        QVERIFY(QFile::resize(twelve, QFileInfo(twelve).size() / 2));
        QCOMPARE(start(kept, QSize(104, 158)).problems, QStringList{"12.jpg (damaged)"});
    }

    // Each face set has its folder (large/ in the classic one) and its own kept copy, so a start
    // of the one never throws the other's away. A cache switched to the other folder drops what
    // it holds and shows the other faces, from start-up's decodes of that folder while they last.
    void faceSetsHaveTheirOwnFolderAndKeptCopy() {
        setCardPictureDirectory({});
        QCOMPARE(cardPictureDirectory(CardFaces::LargePrint), cardPictureDirectory() + "/large");
        QTemporaryDir dir;
        const QString large = dir.filePath("large");
        setCardPictureDirectory(dir.path());
        QCOMPARE(cardPictureDirectory(CardFaces::LargePrint), large);
        QVERIFY(writeFixturePictures(dir.path()) && writeFixturePictures(large, 4));
        QDir(dataDirectory()).removeRecursively();
        for (const bool again : {false, true}) {
            for (const CardFaces faces : {CardFaces::Classic, CardFaces::LargePrint}) {
                const auto load = startCardPictureLoad(QSize(69, 105), faces);
                QVERIFY(load->problems().isEmpty() && load->fromCache() == again);
                QTRY_VERIFY(QFile::exists(dataFilePath(faces == CardFaces::Classic
                                                           ? "cardpictures.cache"
                                                           : "cardpictures-large.cache")));
            }
        }
        CardPictureCache cache(dir.path());
        const auto shown = [&](int n) { return cache.pixmap(n, QSize(69, 105), 2).toImage(); };
        QVERIFY(sameColour(shown(9).pixelColor(60, 100), fixtureColour(9)));
        cache.setDirectory(large);
        QVERIFY(sharpestStep(shown(9), 20) > 200 && cache.decodeCount() == 1);
        cache.setDirectory(dir.path());
        QVERIFY(sameColour(shown(10).pixelColor(60, 100), fixtureColour(10)));
        QCOMPARE(cache.decodeCount(), 2);
        setCardPictureDirectory({});
    }

    // The window keeps its logical layout and its card pictures stay sharp: they are drawn
    // from pictures decoded at twice the control's size. At a larger card size too, start-up
    // decodes them at the size the window shows.
    void picturesStaySharpAtRatio2() {
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        // Stripes four source pixels wide: still two device pixels wide at ratio 2, but
        // finer than a pixel of a 69 x 105 copy, which can only show them as grey.
        QTemporaryDir dir;
        QVERIFY(writeFixturePictures(dir.path(), 4));
        setCardPictureDirectory(dir.path());
        for (const int size : {100, 150}) {
            OptionStore().saveCardSize(size);
            const auto load = handOverCardPictures(dir.path(), MainWindow::cardPictureSize());
            MainWindow window(dir.path());
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            // The window drew every picture it shows from start-up's decodes.
            for (const CardPicture* picture : window.findChildren<CardPicture*>()) {
                QVERIFY(!picture->isVisible() || load->take(picture->picture()).isNull());
            }
            if (size == 100) {
                QCOMPARE(window.centralWidget()->size(), QSize(509, 416));
                const QImage shot = window.findChild<CardPicture*>("Image3")->grab().toImage();
                QCOMPARE(shot.size(), QSize(138, 210));
                const int strongest = sharpestStep(shot, 20);
                QVERIFY2(strongest > 200, qPrintable(QString::number(strongest)));
            }
        }
        OptionStore().saveCardSize(100);
    }
};

int main(int argc, char* argv[]) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    CardPicturesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_pictures.moc"
