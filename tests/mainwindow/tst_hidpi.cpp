#include "cardpicture.h"
#include "cardpicturecache.h"
#include "fixturepictures.h"
#include "mainwindow.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace corvelle;

// On a screen of device pixel ratio 2 the window keeps its logical layout and its card pictures
// stay sharp: they are drawn from pictures decoded at twice the control's size.
class HighDensityTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir pictureDir_;

private slots:
    void initTestCase() {
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        QVERIFY(pictureDir_.isValid());
        QVERIFY(writeFixturePictures(pictureDir_.path()));
        // Stripes four source pixels wide: still two device pixels wide at ratio 2, but
        // finer than a pixel of a 69 x 105 copy, which can only show them as grey.
        QImage stripes(276, 420, QImage::Format_RGB32);
        for (int x = 0; x < stripes.width(); ++x) {
            const QRgb colour = (x / 4) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
            for (int y = 0; y < stripes.height(); ++y) {
                stripes.setPixel(x, y, colour);
            }
        }
        for (int number = 1; number <= 54; ++number) {
            QVERIFY(stripes.save(
                QDir(pictureDir_.path()).filePath(QString::number(number) + ".jpg"), "JPEG", 100));
        }
        setCardPictureDirectory(pictureDir_.path());
    }

    void picturesStaySharp() {
        MainWindow window(pictureDir_.path());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.centralWidget()->size(), QSize(509, 416));
        auto* discard = window.findChild<CardPicture*>("Image3");
        QVERIFY(discard);
        QCOMPARE(discard->size(), QSize(69, 105));
        const QImage shot = discard->grab().toImage();
        QCOMPARE(shot.size(), QSize(138, 210));
        int strongest = 0;
        for (int x = 20; x < 118; ++x) {
            const int step = qAbs(qGray(shot.pixel(x, 105)) - qGray(shot.pixel(x + 1, 105)));
            strongest = qMax(strongest, step);
        }
        QVERIFY2(strongest > 200, qPrintable(QString::number(strongest)));
    }
};

int main(int argc, char* argv[]) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    HighDensityTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_hidpi.moc"
