#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdlib>

// The card pictures the build draws into images/ beside the game, checked as the game and the
// player meet them: files it can load, one distinct picture per card, readable corners on
// covered cards, and the same bytes on every build.
class TestCardArt : public QObject {
    Q_OBJECT

private slots:
    void pictureIsACardSizedJpeg_data();
    void pictureIsACardSizedJpeg();
    void noTwoPicturesAreAlike();
    void coveredCardsStillShowWhichCardTheyAre();
    void drawingAgainGivesTheSameBytes();
    void failureToWriteIsReported_data();
    void failureToWriteIsReported();

private:
    static QString pictureFile(int number, const QString& dir = imagesDir());
    static QString imagesDir();
    static int runCardArt(const QStringList& arguments);
};

QString TestCardArt::imagesDir() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/images");
}

QString TestCardArt::pictureFile(int number, const QString& dir) {
    return dir + QStringLiteral("/%1.jpg").arg(number);
}

int TestCardArt::runCardArt(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(CARDART_PROGRAM), arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
        return -1;
    }
    return process.exitCode();
}

namespace {

bool isRed(QRgb p) {
    return qRed(p) > 150 && qGreen(p) < 90 && qBlue(p) < 90;
}

bool isTableGreen(QRgb p) {
    return qRed(p) < 30 && std::abs(qGreen(p) - 128) < 30 && qBlue(p) < 30;
}

// The top-left corner of a card as the player sees it at the size the game shows it.
QImage cornerAsShown(const QImage& card) {
    return card.copy(0, 0, 64, 150)
        .scaled(16, 37, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

// How many pixels of two pictures differ by more than a quarter of the full range in some
// colour: JPEG noise stays far below that, a different rank or suit symbol does not.
int clearlyDifferentPixels(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            const int difference =
                std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q))});
            count += difference > 64 ? 1 : 0;
        }
    }
    return count;
}

} // namespace

void TestCardArt::pictureIsACardSizedJpeg_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("red");
    for (int n = 1; n <= 55; ++n) {
        const bool red = (n >= 27 && n <= 52) || n == 54;
        QTest::addRow("%d", n) << n << red;
    }
}

void TestCardArt::pictureIsACardSizedJpeg() {
    QFETCH(int, number);
    QFETCH(bool, red);
    QImageReader reader(pictureFile(number));
    QCOMPARE(reader.format(), QByteArray("jpeg"));
    QCOMPARE(reader.size(), QSize(276, 420));
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));

    // Rounded card on the green table: the corner pixel is table, the middle of each edge card.
    QVERIFY(isTableGreen(image.pixel(0, 0)));
    QVERIFY(isTableGreen(image.pixel(275, 419)));
    QVERIFY(!isTableGreen(image.pixel(138, 1)));
    QVERIFY(!isTableGreen(image.pixel(1, 210)));

    int redPixels = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            redPixels += isRed(image.pixel(x, y)) ? 1 : 0;
        }
    }
    if (red) {
        QVERIFY2(redPixels > 500, qPrintable(QString::number(redPixels)));
    } else {
        QCOMPARE(redPixels, 0);
    }
}

void TestCardArt::noTwoPicturesAreAlike() {
    QSet<QByteArray> hashes;
    for (int n = 1; n <= 55; ++n) {
        const QImage image(pictureFile(n));
        QVERIFY(!image.isNull());
        const QByteArrayView pixels(image.constBits(), image.sizeInBytes());
        hashes.insert(QCryptographicHash::hash(pixels, QCryptographicHash::Sha256));
    }
    QCOMPARE(hashes.size(), 55);
}

// A card in a column shows little more than its corner while another card lies on it; that
// corner alone must tell all 54 cards apart.
void TestCardArt::coveredCardsStillShowWhichCardTheyAre() {
    std::vector<QImage> corners;
    for (int n = 1; n <= 54; ++n) {
        const QImage image(pictureFile(n));
        QVERIFY(!image.isNull());
        corners.push_back(cornerAsShown(image));
    }
    for (int a = 0; a < 54; ++a) {
        for (int b = a + 1; b < 54; ++b) {
            const int difference = clearlyDifferentPixels(corners.at(a), corners.at(b));
            QVERIFY2(difference >= 5, qPrintable(QStringLiteral("cards %1 and %2 differ by %3")
                                                     .arg(a + 1)
                                                     .arg(b + 1)
                                                     .arg(difference)));
        }
    }
}

void TestCardArt::drawingAgainGivesTheSameBytes() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QCOMPARE(runCardArt({dir.path()}), 0);
    for (int n = 1; n <= 55; ++n) {
        QFile built(pictureFile(n));
        QFile again(pictureFile(n, dir.path()));
        QVERIFY(built.open(QIODevice::ReadOnly));
        QVERIFY2(again.open(QIODevice::ReadOnly), qPrintable(again.fileName()));
        QVERIFY2(built.readAll() == again.readAll(), qPrintable(again.fileName()));
    }
}

// The build must stop when the pictures cannot be written, not go on without them.
void TestCardArt::failureToWriteIsReported_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("insideAFile");
    QTest::newRow("directory inside a plain file") << QStringLiteral("images") << true;
    QTest::newRow("no directory given") << QString() << false;
}

void TestCardArt::failureToWriteIsReported() {
    QFETCH(QString, target);
    QFETCH(bool, insideAFile);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QStringList arguments;
    if (insideAFile) {
        QFile plain(dir.filePath(QStringLiteral("plain")));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        arguments << plain.fileName() + QLatin1Char('/') + target;
    }
    QVERIFY(runCardArt(arguments) > 0);
    QVERIFY(!QFile::exists(pictureFile(1, arguments.value(0))));
}

QTEST_GUILESS_MAIN(TestCardArt)
#include "tst_cardart.moc"
