#include "app/widgets/bitmapprogressbar.h"
#include "widgettests.h"

#include <QImage>
#include <QPixmap>
#include <QtTest>

using namespace zelvan;

namespace {

// Colours as read back by px(): no alpha byte.
constexpr QRgb rgb(int r, int g, int b) {
    return QRgb((r << 16) | (g << 8) | b);
}

const QRgb kBackground = rgb(1, 1, 1);
const QRgb kBorder1 = rgb(20, 101, 110);
const QRgb kBorder2 = rgb(11, 54, 60);

// A tile whose every pixel tells where it came from.
QImage makeTile(int w, int h) {
    QImage tile(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            tile.setPixel(x, y, rgb(10 + x % 200, 100 + y, 200));
    return tile;
}

// The splash window's bar.
void setUpSplashBar(BitmapProgressBar& bar) {
    bar.resize(315, 16);
    bar.setMinimum(0);
    bar.setMaximum(315);
    bar.setBackgroundColor(QColor(kBackground));
    bar.setBorderColor1(QColor(kBorder1));
    bar.setBorderColor2(QColor(kBorder2));
    bar.setShowPosText(false);
    bar.setBarBitmap(makeTile(315, 16));
}

QImage shot(QWidget& w) {
    return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QRgb px(const QImage& img, int x, int y) {
    return img.pixel(x, y) & 0xffffff;
}

}  // namespace

class BitmapProgressBarTest : public QObject {
    Q_OBJECT

private slots:
    void splashStepsRevealTheTile_data();
    void splashStepsRevealTheTile();
    void positionOutsideRangeIsIgnored();
    void borderEdges();
    void filledLengthRoundsHalvesToEven();
    void withoutABitmapTheBarIsOneColour();
    void newBitmapReplacesTheCachedBar();
    void tileRepeatsFromTheOrigin();
    void positionTextIsCentred();
};

void BitmapProgressBarTest::splashStepsRevealTheTile_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("filled");
    QTest::newRow("63") << 63 << 63;  // 62.6
    QTest::newRow("126") << 126 << 125;
    QTest::newRow("189") << 189 << 188;
    QTest::newRow("252") << 252 << 250;
    QTest::newRow("315") << 315 << 313;
}

void BitmapProgressBarTest::splashStepsRevealTheTile() {
    QFETCH(int, position);
    QFETCH(int, filled);
    BitmapProgressBar bar;
    setUpSplashBar(bar);
    bar.setPosition(position);
    QCOMPARE(bar.filledLength(), filled);

    const QImage tile = makeTile(315, 16);
    const QImage img = shot(bar);
    QCOMPARE(img.size(), QSize(315, 16));
    for (int y = 1; y <= 14; ++y) {
        for (int x = 1; x <= 313; ++x) {
            const QRgb want = x <= filled ? px(tile, x, y) : kBackground;
            if (px(img, x, y) != want)
                QFAIL(qPrintable(QString("pixel (%1,%2) is %3, want %4")
                                     .arg(x)
                                     .arg(y)
                                     .arg(px(img, x, y), 6, 16, QChar('0'))
                                     .arg(want, 6, 16, QChar('0'))));
        }
    }
}

void BitmapProgressBarTest::positionOutsideRangeIsIgnored() {
    BitmapProgressBar bar;
    setUpSplashBar(bar);
    bar.setPosition(126);
    const QImage before = shot(bar);
    bar.setPosition(400);
    QCOMPARE(bar.position(), 126);
    QCOMPARE(shot(bar), before);
    bar.setPosition(-1);
    QCOMPARE(bar.position(), 126);
    QCOMPARE(shot(bar), before);
}

void BitmapProgressBarTest::borderEdges() {
    BitmapProgressBar bar;
    setUpSplashBar(bar);
    bar.setPosition(315);
    const QImage img = shot(bar);
    for (int x = 0; x < 315; ++x) {
        QCOMPARE(px(img, x, 0), kBorder1);
        if (x >= 1) QCOMPARE(px(img, x, 15), kBorder2);
    }
    for (int y = 0; y < 16; ++y) {
        QCOMPARE(px(img, 0, y), kBorder1);
        if (y >= 1) QCOMPARE(px(img, 314, y), kBorder2);
    }

    // Without the border the bar uses the whole control.
    bar.setShowBorder(false);
    bar.setPosition(63);
    QCOMPARE(bar.filledLength(), 63);
    const QImage plain = shot(bar);
    const QImage tile = makeTile(315, 16);
    QCOMPARE(px(plain, 0, 0), px(tile, 0, 0));
    QCOMPARE(px(plain, 62, 15), px(tile, 62, 15));
    QCOMPARE(px(plain, 63, 0), kBackground);
    QCOMPARE(px(plain, 314, 15), kBackground);
}

void BitmapProgressBarTest::filledLengthRoundsHalvesToEven() {
    BitmapProgressBar bar;
    bar.resize(12, 6);  // inner length 10
    bar.setMaximum(4);
    bar.setPosition(1);  // 2.5
    QCOMPARE(bar.filledLength(), 2);
    bar.setPosition(3);  // 7.5
    QCOMPARE(bar.filledLength(), 8);
    bar.setPosition(4);
    QCOMPARE(bar.filledLength(), 10);

    // A position at the minimum fills nothing, also with a non-zero minimum.
    bar.setMinimum(-4);
    QCOMPARE(bar.filledLength(), 10);  // 8/8 of the length
    bar.setPosition(-4);
    QCOMPARE(bar.filledLength(), 0);
    bar.setPosition(0);  // 4/8 of 10
    QCOMPARE(bar.filledLength(), 5);

    // Moving the maximum below the position never overfills the bar.
    bar.setPosition(4);
    bar.setMaximum(2);
    QCOMPARE(bar.filledLength(), 10);
}

// 3 of 10 fills 6 of 20 pixels from the left; the rest is the background.
void BitmapProgressBarTest::withoutABitmapTheBarIsOneColour() {
    const QRgb colour = rgb(200, 0, 0);
    BitmapProgressBar bar;
    bar.resize(20, 4);
    bar.setShowBorder(false);
    bar.setShowPosText(false);
    bar.setBarColor(QColor(colour));
    bar.setBackgroundColor(QColor(kBackground));
    bar.setMaximum(10);
    bar.setPosition(3);
    const QImage img = shot(bar);
    for (int x = 0; x < 20; ++x)
        QCOMPARE(px(img, x, 2), x < 6 ? colour : kBackground);
}

void BitmapProgressBarTest::newBitmapReplacesTheCachedBar() {
    BitmapProgressBar bar;
    setUpSplashBar(bar);
    bar.setPosition(315);
    QVERIFY(px(shot(bar), 100, 8) != rgb(9, 9, 9));
    QImage grey(315, 16, QImage::Format_RGB32);
    grey.fill(rgb(9, 9, 9));
    bar.setBarBitmap(grey);
    QCOMPARE(px(shot(bar), 100, 8), rgb(9, 9, 9));
    bar.setPosition(63);
    const QImage img = shot(bar);
    QCOMPARE(px(img, 63, 8), rgb(9, 9, 9));
    QCOMPARE(px(img, 64, 8), kBackground);
}

void BitmapProgressBarTest::tileRepeatsFromTheOrigin() {
    BitmapProgressBar bar;
    bar.resize(25, 12);
    bar.setShowBorder(false);
    bar.setShowPosText(false);
    const QImage tile = makeTile(10, 5);
    bar.setBarBitmap(tile);
    bar.setPosition(100);
    const QImage img = shot(bar);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 25; ++x)
            QCOMPARE(px(img, x, y), px(tile, x % 10, y % 5));
}

void BitmapProgressBarTest::positionTextIsCentred() {
    BitmapProgressBar bar;
    bar.resize(200, 20);
    QFont f("Arial");
    f.setPixelSize(12);
    bar.setFont(f);
    QPalette pal = bar.palette();
    pal.setColor(QPalette::WindowText, Qt::white);
    bar.setPalette(pal);
    bar.setBarColor(QColor(0, 0, 200));
    bar.setBackgroundColor(QColor(0, 0, 200));
    bar.setPosition(42);

    const QImage img = shot(bar);
    int left = 200, right = -1, top = 20, bottom = -1;
    for (int y = 1; y < 19; ++y)
        for (int x = 1; x < 199; ++x)
            if (qRed(img.pixel(x, y)) > 128) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    QVERIFY2(right >= 0, "no text drawn");
    const QFontMetrics fm(f);
    const int tw = fm.horizontalAdvance("42%");
    // The ink lies within the advance box placed at W/2 - tw/2.
    QVERIFY(left >= 100 - tw / 2 - 1);
    QVERIFY(right <= 100 - tw / 2 + tw);
    QVERIFY(right - left >= tw / 2);  // all three characters, not one
    QVERIFY(qAbs((left + right) / 2 - 100) <= 3);
    QVERIFY(top >= 10 - fm.height() / 2);
    QVERIFY(bottom < 10 - fm.height() / 2 + fm.height());

    bar.setShowPosText(false);
    const QImage plain = shot(bar);
    for (int x = 1; x < 199; ++x)
        QCOMPARE(px(plain, x, 10), rgb(0, 0, 200));
}

int runBitmapProgressBarTests(int argc, char** argv) {
    BitmapProgressBarTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_bitmapprogressbar.moc"
