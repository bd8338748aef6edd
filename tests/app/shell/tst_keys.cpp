// The game from the keyboard, through the real window: the cursor frame over
// the board, Enter and Space placing exactly where and as a click would, the
// function keys, and keys typed into the text fields staying there.

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "app/shell/startup.h"
#include "app/ui/boardkeys.h"
#include "boardpixels.h"
#include "core/engine/board.h"
#include "support/qverifyempty.h"
#include "windowharness.h"

using namespace zelvan;
using namespace zelvan::test;

namespace {

// The cell the frame rings.
QPoint framedCell(WindowHarness& h) {
    return control<BoardKeys>(h.w(), "boardKeys")->cursorCell();
}

// A key, and the pauses it starts run out.
void key(WindowHarness& h, Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
    QTest::keyClick(&h.w(), k, m);
    h.settle();
}

QWidget* frame(WindowHarness& h) {
    return control<QWidget>(h.w(), "cellCursor");
}

void startTwoPersonGame(WindowHarness& h) {
    h.press(control<GlyphButton>(h.w(), "opponentButton"));
    h.press(control<GlyphButton>(h.w(), "playButton"));
    QCOMPARE(int(h.g().gameRunning()), 1);
    QCOMPARE(int(h.g().blueToMove()), 1);
}

}  // namespace

class KeysTest : public QObject {
    Q_OBJECT
private slots:
    // The first arrow shows the frame on the middle cell; the next ones move
    // it and it stops at the edge. It lies above the board picture, which
    // stays as it was; a mouse move hides it again.
    void arrowsShowAndMoveTheFrame() {
        WindowHarness h;
        h.w().show();  // the pointer moves over a window on the screen
        QVERIFY(QTest::qWaitForWindowExposed(&h.w()));
        QVERIFY(frame(h)->isHidden());
        key(h, Qt::Key_Left);
        QVERIFY(!frame(h)->isHidden());
        QCOMPARE(framedCell(h), QPoint(8, 8));
        // A bright ring on the grid lines around the cell, a softer one inside.
        const QImage shown = control<QWidget>(h.w(), "board")->grab().toImage();
        const int at = cellOrigin(8, 36);
        for (int k : {0, 17, 35}) {
            QCOMPARE(shown.pixelColor(at - 1, at + k), QColor(140, 232, 232));
            QCOMPARE(shown.pixelColor(at + 36, at + k), QColor(140, 232, 232));
            QCOMPARE(shown.pixelColor(at + k, at), QColor(46, 150, 156));
        }
        key(h, Qt::Key_Right);
        key(h, Qt::Key_Right);
        key(h, Qt::Key_Down);
        QCOMPARE(framedCell(h), QPoint(10, 9));
        for (int i = 0; i < 20; ++i)
            key(h, Qt::Key_Up);
        QCOMPARE(framedCell(h), QPoint(10, 1));
        QCOMPARE(frame(h)->parentWidget(), control<QWidget>(h.w(), "board"));
        QVERIFY_EMPTY(cellEmpty(h.w(), 10, 1));

        QTest::mouseMove(control<QWidget>(h.w(), "board"), QPoint(5, 5));
        QVERIFY(frame(h)->isHidden());
        // Shown again where it was left.
        key(h, Qt::Key_Down);
        QCOMPARE(framedCell(h), QPoint(10, 1));
    }

    // Enter and Space place on the framed cell for whichever side is to move;
    // an occupied cell and a board without a game refuse them, as they
    // refuse a click. With the frame hidden, a key only shows it.
    void enterAndSpacePlaceAsAClickWould() {
        WindowHarness h;
        h.w().show();
        QVERIFY(QTest::qWaitForWindowExposed(&h.w()));
        key(h, Qt::Key_Right);  // shows the frame on (8, 8)
        key(h, Qt::Key_Return);
        QCOMPARE(h.g().cell(8, 8), kNone);  // no game yet

        startTwoPersonGame(h);
        QTest::mouseMove(control<QWidget>(h.w(), "board"), QPoint(30, 40));
        key(h, Qt::Key_Enter);
        QCOMPARE(h.g().cell(8, 8), kNone);
        QVERIFY(!frame(h)->isHidden());
        key(h, Qt::Key_Return);
        QCOMPARE(h.g().cell(8, 8), kBlue);
        QVERIFY_EMPTY(cellShows(h.w(), 8, 8, pieceOf(Artwork(), h.w(), Side::Blue)));
        QCOMPARE(int(h.g().blueToMove()), 0);
        key(h, Qt::Key_Space);  // the same cell: refused, Red still to move
        QCOMPARE(int(h.g().blueToMove()), 0);
        key(h, Qt::Key_Right);
        key(h, Qt::Key_Space);
        QCOMPARE(h.g().cell(9, 8), kRed);
        QCOMPARE(int(h.g().blueToMove()), 1);
    }

    void functionKeysAndEscape() {
        WindowHarness h;
        QWidget* help = control<QWidget>(h.w(), "helpViewer");
        QWidget* options = control<QWidget>(h.w(), "optionsPanel");
        key(h, Qt::Key_F1);
        QVERIFY(!help->isHidden());
        key(h, Qt::Key_F1);
        QVERIFY(help->isHidden());
        key(h, Qt::Key_F1);
        key(h, Qt::Key_Escape);
        QVERIFY(help->isHidden());
        h.press(control<GlyphButton>(h.w(), "optionsButton"));
        QVERIFY(!options->isHidden());
        key(h, Qt::Key_Escape);
        QVERIFY(options->isHidden());
        QVERIFY(help->isHidden());  // Escape never opens anything

        key(h, Qt::Key_F2);
        QCOMPARE(int(h.g().gameRunning()), 1);
        // During a game F1 still opens and closes the help page, while its
        // button keeps refusing.
        auto* helpButton = control<GlyphButton>(h.w(), "helpButton");
        key(h, Qt::Key_F1);
        QVERIFY(!help->isHidden());
        h.press(helpButton);
        QVERIFY(!help->isHidden());
        key(h, Qt::Key_Escape);
        QVERIFY(help->isHidden());
        h.press(helpButton);
        QVERIFY(help->isHidden());
        key(h, Qt::Key_F1);
        key(h, Qt::Key_F1);
        QVERIFY(help->isHidden());
        QCOMPARE(int(h.g().gameRunning()), 1);

        QSignalSpy quit(&h.w(), &MainWindow::quitRequested);
        key(h, Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(quit.count(), 1);
        QCOMPARE(int(h.g().gameRunning()), 0);  // the running game was given up
    }

    // With the focus in the address field or the chat input, arrows, Enter
    // and Space belong to the text.
    void textFieldsKeepTheirKeys() {
        WindowHarness h;
        h.w().show();
        QVERIFY(QTest::qWaitForWindowActive(&h.w()));
        startTwoPersonGame(h);
        h.press(control<GlyphButton>(h.w(), "internetButton"));
        auto* address = control<QLineEdit>(h.w(), "addressEdit");
        address->setFocus();
        address->clear();
        QTest::keyClicks(address, "10.0");
        for (Qt::Key k : {Qt::Key_Left, Qt::Key_Space, Qt::Key_Return, Qt::Key_Right})
            QTest::keyClick(address, k);
        QCOMPARE(address->text(), QString("10. 0"));
        QVERIFY(frame(h)->isHidden());
        QCOMPARE(h.g().cell(8, 8), kNone);

        // The function keys still work there.
        QTest::keyClick(address, Qt::Key_Escape);
        QVERIFY(control<QWidget>(h.w(), "internetPanel")->isHidden());
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    installFonts();
    KeysTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_keys.moc"
