// The program as it starts: the refusals, the splash window's geometry, the
// main window's placement and the empty board it draws for every size.

#include <QDir>
#include <QLabel>
#include <QTcpServer>
#include <QTest>
#include <QTimer>
#include <ctime>
#include <memory>

#include "app/network/netlink.h"
#include "app/shell/qttimers.h"
#include "app/shell/splash.h"
#include "app/shell/startup.h"
#include "app/ui/boardpicture.h"
#include "app/widgets/bitmapprogressbar.h"
#include "app/widgets/glyphbutton.h"
#include "app/widgets/smoothlabel.h"
#include "windowharness.h"

using namespace zelvan;
using zelvan::test::GameView;
using zelvan::test::WindowHarness;

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void refusals() {
        QCOMPARE(screenSizeRefusal(QSize(799, 600)),
                 QString("Minimum video mode required is 800x600!"));
        QCOMPARE(screenSizeRefusal(QSize(800, 599)),
                 QString("Minimum video mode required is 800x600!"));
        QVERIFY(screenSizeRefusal(QSize(800, 600)).isEmpty());
        QCOMPARE(colourDepthRefusal(8), QString("Minimum color quality is 16 bits per pixel!"));
        QVERIFY(colourDepthRefusal(16).isEmpty());
        QVERIFY(colourDepthRefusal(24).isEmpty());
    }

    void splashIsCentredWithTheBarUnderIt() {
        SplashWindow splash(QRect(0, 0, 1024, 768));
        QCOMPARE(splash.geometry(), QRect(0, 0, 1024, 768));
        QCOMPARE(control<QLabel>(splash, "picture")->pos(), QPoint(352, 264));
        QCOMPARE(control<QLabel>(splash, "picture")->size(), QSize(320, 240));
        QCOMPARE(control<BitmapProgressBar>(splash, "progress")->pos(), QPoint(354, 450));
        QCOMPARE(control<BitmapProgressBar>(splash, "progress")->size(), QSize(315, 16));
        QCOMPARE(control<BitmapProgressBar>(splash, "progress")->maximum(), 315);
        QVERIFY(!control<BitmapProgressBar>(splash, "progress")->showPosText());
    }

    void splashBarRevealsOneSegmentPerStep() {
        SplashWindow splash(QRect(0, 0, 800, 600));
        BitmapProgressBar* bar = control<BitmapProgressBar>(splash, "progress");
        const int expected[] = {63, 125, 188, 250, 313};
        int i = 0;
        for (int position : {63, 126, 189, 252, 315}) {
            bar->setPosition(position);
            const QImage shot = bar->grab().toImage();
            QCOMPARE(bar->filledLength(), expected[i]);
            // The first unfilled inner column is the background colour.
            if (expected[i] < 313) QCOMPARE(shot.pixelColor(1 + expected[i], 8), QColor(1, 1, 1));
            // Inside the filled part the tile shows (never the background).
            QVERIFY(shot.pixelColor(expected[i] - 5, 3) != QColor(1, 1, 1));
            ++i;
        }
    }

    void backgroundAndControlsSitAtTheirOffsets() {
        WindowHarness h(QRect(0, 0, 1024, 768));
        MainWindow& w = h.w();
        QCOMPARE(w.backgroundOrigin(), QPoint(113, 84));
        QCOMPARE(control<QLabel>(w, "background")->geometry(), QRect(113, 84, 800, 600));
        QCOMPARE(control<GlyphButton>(w, "playButton")->geometry(), QRect(188, 377, 62, 60));
        QCOMPARE(control<BoardPicture>(w, "board")->geometry(), QRect(335, 105, 556, 556));
        QCOMPARE(control<SmoothLabel>(w, "redScore")->geometry(), QRect(113 + 31, 84 + 87, 51, 21));
        QCOMPARE(control<QLabel>(w, "clockCover")->geometry(), QRect(113 + 0, 84 + 400, 200, 45));

        WindowHarness small(QRect(0, 0, 800, 600));
        QCOMPARE(small.w().backgroundOrigin(), QPoint(1, 0));
        QCOMPARE(control<BoardPicture>(small.w(), "board")->pos(), QPoint(223, 21));
    }

    void startsWithTheDefaults() {
        WindowHarness h;
        const GameView g = h.g();
        QCOMPARE(g.scoreBlue(), 1000);
        QCOMPARE(g.scoreRed(), 1000);
        QCOMPARE(int(g.sizeCode()), 1);
        QCOMPARE(g.boardSize(), 15);
        QCOMPARE(int(g.computerLevel()), 2);
        QCOMPARE(int(g.gameRunning()), 0);
        QCOMPARE(control<SmoothLabel>(h.w(), "blueScore")->text(), QString("1000"));
        QCOMPARE(control<SmoothLabel>(h.w(), "levelDigit")->text(), QString("2"));
        QCOMPARE(control<SmoothLabel>(h.w(), "gameClock")->text(), QString("00:00"));
        QVERIFY(!control<QLabel>(h.w(), "clockCover")->isVisible());
    }

    // The empty board of every size: grid lines at k(p+1) with the last at
    // S-1, cell interiors in the board colour, the control S x S at its place.
    void emptyBoardPixels_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("p");
        QTest::addColumn<QPoint>("offset");
        QTest::addColumn<QColor>("grid");
        QTest::newRow("15") << 1 << 15 << 36 << QPoint(222, 21) << QColor(0, 64, 69);
        QTest::newRow("20") << 2 << 20 << 27 << QPoint(220, 19) << QColor(0, 58, 64);
        QTest::newRow("30") << 3 << 30 << 18 << QPoint(215, 14) << QColor(0, 58, 64);
    }
    void emptyBoardPixels() {
        QFETCH(int, code);
        QFETCH(int, n);
        QFETCH(int, p);
        QFETCH(QPoint, offset);
        QFETCH(QColor, grid);
        WindowHarness h;
        // The size button goes on to the next size, a new board at once.
        h.w().options().set(Setting::SizeCode, code == 1 ? 3 : code - 1);
        h.press(control<GlyphButton>(h.w(), "sizeButton"));
        const int side = n * (p + 1) + 1;
        BoardPicture* board = control<BoardPicture>(h.w(), "board");
        QCOMPARE(board->size(), QSize(side, side));
        QCOMPARE(board->pos(), h.w().backgroundOrigin() + offset);

        const QImage img = board->grab().toImage();
        QCOMPARE(img.size(), QSize(side, side));
        const QColor cell(0, 8, 12);
        for (int k = 0; k <= n; ++k) {
            const int at = k * (p + 1);
            for (int t : {0, side / 2, side - 1}) {
                QCOMPARE(img.pixelColor(at, t), grid);
                QCOMPARE(img.pixelColor(t, at), grid);
            }
        }
        QCOMPARE(img.pixelColor(side - 1, side - 1), grid);
        for (int c : {1, n / 2, n})
            for (int r : {1, n}) {
                const int x = (c - 1) * (p + 1) + 1;
                const int y = (r - 1) * (p + 1) + 1;
                QCOMPARE(img.pixelColor(x, y), cell);
                QCOMPARE(img.pixelColor(x + p - 1, y + p - 1), cell);
                QCOMPARE(img.pixelColor(x + p / 2, y + p / 2), cell);
            }
    }

    // A refused start (colour depth) tears the main window down right after
    // creating it: nothing may be written and the port must be free again.
    void aWindowTornDownUnshownLeavesNothingBehind() {
        QTemporaryDir folder;
        const std::uint16_t port = zelvan::test::freePort();
        {
            WindowHarness h(QRect(0, 0, 1024, 768), folder.path(), {}, port);
            QVERIFY(h.w().netLink().isListening());
        }
        QVERIFY(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
        QTcpServer again;
        QVERIFY(again.listen(QHostAddress::LocalHost, port));
    }

    // A pause of match control is a Qt timer: the rest of the sequence runs
    // from the event loop once the time has passed, never inside the call
    // that asked for it, without spinning, and not at all once the window
    // it belongs to has gone.
    void pausesRunFromTheEventLoopWithoutSpinning() {
        auto owner = std::make_unique<QObject>();
        QtTimers timers(owner.get());
        bool fired = false;
        bool firedEarly = false;
        QElapsedTimer wall;
        wall.start();
        timers.after(300, [&] {
            fired = true;
            firedEarly = wall.elapsed() < 300;
        });
        QVERIFY(!fired);
        const std::clock_t cpuBefore = std::clock();
        QVERIFY(QTest::qWaitFor([&] { return fired; }, 5000));
        const double cpuMs = 1000.0 * double(std::clock() - cpuBefore) / CLOCKS_PER_SEC;
        QVERIFY(!firedEarly);
        // A spinning wait would burn about as much CPU as wall time.
        QVERIFY2(cpuMs < 100, qPrintable(QString("cpu %1 ms").arg(cpuMs)));

        bool late = false;
        timers.after(10, [&] { late = true; });
        owner.reset();
        QTest::qWait(50);
        QVERIFY(!late);
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    installFonts();
    StartupTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_startup.moc"
