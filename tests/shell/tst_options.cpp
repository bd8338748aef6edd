// The options panel, the panels over the board, the settings that survive a
// restart, the exit, and which sound each event plays, all through the real
// main window.

#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <array>
#include <functional>

#include "boardpixels.h"
#include "engine/rules.h"
#include "net/internetpanel.h"
#include "qverifyempty.h"
#include "shell/startup.h"
#include "ui/artwork.h"
#include "ui/boardpicture.h"
#include "ui/helpviewer.h"
#include "widgets/antialiaslabel.h"
#include "widgets/lbspeedbutton.h"
#include "windowharness.h"
#include "windowlooks.h"

using namespace zelvan;
using namespace zelvan::test;

namespace {

// The eight main buttons and the hints they carry while hints are on.
std::vector<std::pair<LbSpeedButton*, QString>> mainButtons(MainWindow& w) {
    return {{w.LbSpeedButton1, "Play!"},         {w.LbSpeedButton3, "Exit"},
            {w.LbSpeedButton4, "Size 15-20-30"}, {w.LbSpeedButton5, "Human / Computer"},
            {w.LbSpeedButton6, "Stop"},          {w.LbSpeedButton7, "Help"},
            {w.LbSpeedButton8, "Internet"},      {w.LbSpeedButton9, "Options"}};
}

// Every pixel of a region of the window in one colour?
bool allOneColour(const QImage& img, const QColor& colour) {
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if ((img.pixel(x, y) & 0xffffff) != (colour.rgb() & 0xffffff)) return false;
    return true;
}

// Clicks for whichever side is to move, each from its own list, until the
// game ends; the winner's list holds a line, the other's scattered cells.
void playUntilWin(WindowHarness& h, std::vector<QPoint> blue, std::vector<QPoint> red) {
    std::size_t b = 0, r = 0;
    while (h.g().gameRunning) {
        const bool blueTurn = h.g().blueToMove;
        if ((blueTurn ? b : r) >= (blueTurn ? blue : red).size()) QFAIL("ran out of moves");
        const QPoint at = blueTurn ? blue[b++] : red[r++];
        h.clickCell(at.x(), at.y());
    }
}

const std::vector<QPoint> kBlueRow{{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}};
const std::vector<QPoint> kRedRow{{1, 3}, {2, 3}, {3, 3}, {4, 3}, {5, 3}};
const std::vector<QPoint> kBlueScattered{{1, 9}, {3, 9}, {5, 9}, {7, 9}, {9, 9}};
const std::vector<QPoint> kRedScattered{{1, 12}, {3, 12}, {5, 12}, {7, 12}, {9, 12}};

}  // namespace

class OptionsTest : public QObject {
    Q_OBJECT
private slots:
    void captionsAtStart() {
        WindowHarness h;
        MainWindow& w = h.w();
        QCOMPARE(w.AntiAliasLabel10->text(), QString("Toggle pieces style "));
        QCOMPARE(w.AntiAliasLabel11->text(), QString("Reset scores"));
        QCOMPARE(w.AntiAliasLabel12->text(), QString("Hide clocks"));
        QCOMPARE(w.AntiAliasLabel13->text(), QString("Hide hints"));
        QCOMPARE(w.AntiAliasLabel15->text(), QString("Hide Blue move"));
        QCOMPARE(w.AntiAliasLabel16->text(), QString("Hide Red move"));
        QCOMPARE(w.AntiAliasLabel20->text(), QString("Disable sound FX"));
        QCOMPARE(w.AntiAliasLabel17->text(), QString("Computer level"));
        QCOMPARE(w.AntiAliasLabel19->text(), QString("2 - medium"));
        QCOMPARE(w.AntiAliasLabel18->text(), QString("2"));
        for (auto& [button, hint] : mainButtons(w))
            QCOMPARE(button->toolTip(), hint);
        QVERIFY(shows(w.Image25, icon("icons/style-crosses.png")));
        QVERIFY(shows(w.Image8, icon("icons/computer.png")));
    }

    // The cover hides the whole clock row, level digit included; the clocks
    // go on being computed beneath it.
    void clocksToggle() {
        DrivenWindow driven;
        auto& h = driven.h;
        auto& w = driven.w;
        w.show();
        const QRect strip(w.backgroundOrigin() + QPoint(0, 400), QSize(200, 45));
        w.Timer2Timer();
        QVERIFY(!w.Label2->isVisible());
        QVERIFY(!allOneColour(w.grab(strip).toImage(), Qt::black));

        h.press(w.LbSpeedButton11);
        QCOMPARE(int(h.g().clocksOn), 0);
        QCOMPARE(w.AntiAliasLabel12->text(), QString("Show clocks"));
        QVERIFY(w.Label2->isVisible());
        QCOMPARE(w.childAt(strip.topLeft() + QPoint(50, 15)), static_cast<QWidget*>(w.Label2));
        QVERIFY(allOneColour(w.grab(strip).toImage(), Qt::black));
        h.clockMs = (10 * 3600 + 30 * 60) * 1000;
        w.Timer2Timer();
        QCOMPARE(w.AntiAliasLabel6->text(), QString("10:30"));

        h.press(w.LbSpeedButton11);
        QCOMPARE(int(h.g().clocksOn), 1);
        QCOMPARE(w.AntiAliasLabel12->text(), QString("Hide clocks"));
        QVERIFY(!w.Label2->isVisible());
        const QImage shown = w.grab(strip).toImage();
        QVERIFY(!allOneColour(shown, Qt::black));
        QVERIFY(h.playedSounds().empty());
    }

    void hintsToggle() {
        WindowHarness h;
        MainWindow& w = h.w();
        h.press(w.LbSpeedButton12);
        QCOMPARE(int(h.g().hintsOn), 0);
        QCOMPARE(w.AntiAliasLabel13->text(), QString("Show hints"));
        for (auto& [button, hint] : mainButtons(w))
            QVERIFY2(button->toolTip().isEmpty(), qPrintable(hint));
        h.press(w.LbSpeedButton12);
        QCOMPARE(w.AntiAliasLabel13->text(), QString("Hide hints"));
        for (auto& [button, hint] : mainButtons(w))
            QCOMPARE(button->toolTip(), hint);
        QVERIFY(h.playedSounds().empty());
    }

    // Switching a side's frames off turns its live frame into a trace at
    // once and leaves its next moves unframed; switching on draws nothing
    // until that side's next move.
    void moveFramesToggle() {
        DrivenWindow driven;
        auto& h = driven.h;
        auto& w = driven.w;
        const Artwork art;
        h.press(w.LbSpeedButton5);
        h.press(w.LbSpeedButton1);
        const QImage& bluePiece = pieceOf(art, w, Side::Blue);
        const QImage& redPiece = pieceOf(art, w, Side::Red);

        h.clickCell(8, 8);
        QVERIFY_EMPTY(ringIs(w, 8, 8, kLiveFrame15));
        h.sounds.clear();
        h.press(w.LbSpeedButton13);
        QVERIFY(h.sounds.empty());
        QCOMPARE(w.AntiAliasLabel15->text(), QString("Show Blue move"));
        QVERIFY_EMPTY(ringIs(w, 8, 8, kTrace));
        QVERIFY_EMPTY(cellShows(w, 8, 8, bluePiece));

        h.clickCell(9, 9);  // Red, framed as before
        QVERIFY_EMPTY(ringIs(w, 9, 9, kLiveFrame15));
        h.clickCell(10, 10);  // Blue, unframed
        QVERIFY_EMPTY(ringUnframed(w, 10, 10, bluePiece));
        QVERIFY_EMPTY(ringIs(w, 8, 8, kTrace));

        h.press(w.LbSpeedButton13);
        QCOMPARE(w.AntiAliasLabel15->text(), QString("Hide Blue move"));
        QVERIFY_EMPTY(ringUnframed(w, 10, 10, bluePiece));
        QVERIFY_EMPTY(ringIs(w, 8, 8, kTrace));

        h.press(w.LbSpeedButton14);
        QCOMPARE(w.AntiAliasLabel16->text(), QString("Show Red move"));
        QVERIFY_EMPTY(ringIs(w, 9, 9, kTrace));
        h.clickCell(11, 11);  // Red, unframed
        QVERIFY_EMPTY(ringUnframed(w, 11, 11, redPiece));
        h.clickCell(12, 12);  // Blue, framed again
        QVERIFY_EMPTY(ringIs(w, 12, 12, kLiveFrame15));
        QVERIFY_EMPTY(ringUnframed(w, 10, 10, bluePiece));
        h.press(w.LbSpeedButton14);
        QCOMPARE(w.AntiAliasLabel16->text(), QString("Hide Red move"));
        h.clickCell(13, 13);
        QVERIFY_EMPTY(ringIs(w, 13, 13, kLiveFrame15));
        QVERIFY_EMPTY(ringUnframed(w, 11, 11, redPiece));
    }

    void levelCycle() {
        WindowHarness h;
        MainWindow& w = h.w();
        const struct {
            int level;
            const char* line;
        } steps[] = {{3, "3 - hard"}, {1, "1 - easy"}, {2, "2 - medium"}};
        for (const auto& s : steps) {
            h.press(w.LbSpeedButton15);
            QCOMPARE(int(h.g().computerLevel), s.level);
            QCOMPARE(w.AntiAliasLabel18->text(), QString::number(s.level));
            QCOMPARE(w.AntiAliasLabel19->text(), QString(s.line));
        }
        QVERIFY(h.playedSounds().empty());
    }

    // Reset puts both scores to 1000, keeps the history, writes nothing; the
    // scoreboard counts each side toward 1000 on its own.
    void resetScores() {
        DrivenWindow driven;
        auto& h = driven.h;
        auto& w = driven.w;
        auto& g = driven.g;
        g.scoreBlue = 1500;
        g.scoreRed = 400;
        for (int i = 0; i < 20; ++i)
            w.Timer2Timer();
        QCOMPARE(w.AntiAliasLabel1->text(), QString("1500"));
        QCOMPARE(w.AntiAliasLabel2->text(), QString("400"));
        g.resultHistory = History{kBlue, kRed};

        h.press(w.LbSpeedButton2);
        QCOMPARE(g.scoreBlue, 1000);
        QCOMPARE(g.scoreRed, 1000);
        QCOMPARE(g.resultHistory, (History{kBlue, kRed}));
        QVERIFY(!h.settingsFileExists());
        QVERIFY(h.playedSounds().empty());
        w.Timer2Timer();
        QCOMPARE(w.AntiAliasLabel1->text(), QString("1389"));
        QCOMPARE(w.AntiAliasLabel5->text(), QString("1389"));
        QCOMPARE(w.AntiAliasLabel2->text(), QString("511"));
        QCOMPARE(w.AntiAliasLabel4->text(), QString("511"));
        int blue = 1389, red = 511;
        for (int i = 0; i < 30 && (blue != 1000 || red != 1000); ++i) {
            w.Timer2Timer();
            const int b = w.AntiAliasLabel1->text().toInt();
            const int r = w.AntiAliasLabel2->text().toInt();
            QVERIFY(b < blue || blue == 1000);
            QVERIFY(b >= 1000);
            QVERIFY(r > red || red == 1000);
            QVERIFY(r <= 1000);
            blue = b;
            red = r;
        }
        QCOMPARE(blue, 1000);
        QCOMPARE(red, 1000);

        // Reset during a game: the result is scored from 1000.
        h.press(w.LbSpeedButton5);
        h.press(w.LbSpeedButton1);
        g.scoreBlue = 1200;
        h.press(w.LbSpeedButton2);
        playUntilWin(h, kBlueRow, kRedScattered);
        QCOMPARE(g.winner, kBlue);
        // History B B R: series 2, total 2.
        QCOMPARE(g.scoreBlue, 1002);
        QCOMPARE(g.scoreRed, 998);
    }

    // The style chosen during a game waits for the next one; the indicator
    // shows the choice at once.
    void styleToggle() {
        DrivenWindow driven;
        auto& h = driven.h;
        auto& w = driven.w;
        auto& g = driven.g;
        const Artwork art;
        h.press(w.LbSpeedButton5);
        h.press(w.LbSpeedButton1);
        h.clickCell(8, 8);
        h.press(w.LbSpeedButton10);
        QCOMPARE(int(g.pieceStyleChoice), 0);
        QCOMPARE(int(g.pieceStyle), 1);
        QVERIFY(shows(w.Image25, icon("icons/style-balls.png")));
        h.clickCell(9, 9);
        QVERIFY_EMPTY(cellShows(w, 8, 8, art.piece(Side::Blue, 1, 36, false)));
        QVERIFY_EMPTY(cellShows(w, 9, 9, art.piece(Side::Red, 1, 36, false)));

        h.press(w.LbSpeedButton1);  // the next game draws balls
        QCOMPARE(int(g.pieceStyle), 0);
        QVERIFY(g.blueToMove == 0);
        h.clickCell(5, 5);
        h.clickCell(6, 6);
        QVERIFY_EMPTY(cellShows(w, 5, 5, art.piece(Side::Red, 0, 36, false)));
        QVERIFY_EMPTY(cellShows(w, 6, 6, art.piece(Side::Blue, 0, 36, false)));
        QVERIFY(art.piece(Side::Blue, 0, 36, false) != art.piece(Side::Blue, 1, 36, false));

        h.press(w.LbSpeedButton10);
        QCOMPARE(int(g.pieceStyleChoice), 1);
        QVERIFY(shows(w.Image25, icon("icons/style-crosses.png")));
    }

    // Options, Help and Internet share the board area: each hides the
    // others; a new board hides them all; Help does nothing during a game.
    void panelsOverTheBoard() {
        DrivenWindow driven;
        auto& h = driven.h;
        auto& w = driven.w;
        w.show();
        const QPoint o = w.backgroundOrigin();
        QCOMPARE(w.Panel1->geometry(), QRect(o + QPoint(225, 35), QSize(189, 352)));
        QCOMPARE(w.htmlLite1->geometry(), QRect(o + QPoint(215, 14), QSize(571, 570)));
        QVERIFY(!w.Panel1->isVisible());
        QVERIFY(!w.htmlLite1->isVisible());

        // What lies on top over the board's area.
        auto topAt = [&](QPoint p) { return w.childAt(o + p); };
        auto within = [](QWidget* top, QWidget* panel) {
            return top == panel || panel->isAncestorOf(top);
        };
        QCOMPARE(topAt({300, 100}), static_cast<QWidget*>(w.Image1));

        h.press(w.LbSpeedButton9);
        QVERIFY(w.Panel1->isVisible());
        QVERIFY(within(topAt({300, 100}), w.Panel1));
        h.press(w.LbSpeedButton7);
        QVERIFY(!w.Panel1->isVisible());
        QVERIFY(w.htmlLite1->isVisible());
        QVERIFY(within(topAt({300, 100}), w.htmlLite1));
        h.press(w.LbSpeedButton9);
        QVERIFY(!w.htmlLite1->isVisible());
        QVERIFY(w.Panel1->isVisible());
        h.press(w.LbSpeedButton9);
        QVERIFY(!w.Panel1->isVisible());
        h.press(w.LbSpeedButton8);
        QVERIFY(w.Panel2->isVisible());
        h.press(w.LbSpeedButton9);
        QVERIFY(!w.Panel2->isVisible());
        QVERIFY(w.Panel1->isVisible());
        h.press(w.LbSpeedButton7);
        QVERIFY(w.htmlLite1->isVisible());
        h.press(w.LbSpeedButton7);
        QVERIFY(!w.htmlLite1->isVisible());

        // A new board hides them.
        h.press(w.LbSpeedButton7);
        h.press(w.LbSpeedButton4);
        QVERIFY(!w.htmlLite1->isVisible());
        h.press(w.LbSpeedButton9);
        h.press(w.LbSpeedButton4);
        QVERIFY(!w.Panel1->isVisible());
        h.press(w.LbSpeedButton4);  // back to 15x15
        h.press(w.LbSpeedButton7);
        h.press(w.LbSpeedButton1);
        QVERIFY(!w.htmlLite1->isVisible());
        QCOMPARE(int(h.g().gameRunning), 1);
        QCOMPARE(topAt({300, 100}), static_cast<QWidget*>(w.Image1));

        // During a game Help neither opens nor closes anything; Options works.
        h.sounds.clear();
        h.press(w.LbSpeedButton7);
        QVERIFY(!w.htmlLite1->isVisible());
        h.press(w.LbSpeedButton9);
        QVERIFY(w.Panel1->isVisible());
        h.press(w.LbSpeedButton7);
        QVERIFY(w.Panel1->isVisible());
        QVERIFY(!w.htmlLite1->isVisible());
        QCOMPARE(h.playedSounds(), (Strings{"Bmic", "Bmic", "Bmic"}));
    }

    // Options, opponent and size, changed and saved by a game's end, are all
    // back in a window built on the same folder.
    void settingsSurviveARestart() {
        QTemporaryDir folder;
        {
            DrivenWindow driven{QRect(0, 0, 1024, 768), folder.path()};
            auto& h = driven.h;
            auto& w = driven.w;
            h.press(w.LbSpeedButton12);  // hints off
            h.press(w.LbSpeedButton11);  // clocks off
            h.press(w.LbSpeedButton13);  // Blue's frames off
            h.press(w.LbSpeedButton16);  // sound off
            h.press(w.LbSpeedButton15);  // level 3
            h.press(w.LbSpeedButton10);  // balls next game
            h.press(w.LbSpeedButton5);   // a person plays Red
            h.press(w.LbSpeedButton4);   // 20x20
            h.press(w.LbSpeedButton1);
            QCOMPARE(int(h.g().pieceStyle), 0);
            h.press(w.LbSpeedButton10);  // crosses again for the game after
            playUntilWin(h, kBlueRow, kRedScattered);
            QCOMPARE(h.g().winner, kBlue);

            const QByteArray f = h.settingsFile();
            QCOMPARE(f.size(), 37);
            QCOMPARE(le32(f, 0), 1001);
            QCOMPARE(le32(f, 4), 999);
            QCOMPARE(std::uint8_t(f[8]), kBlue);
            const char tail[] = {0, 0, 1, 0, 3, 1, 1, 2, 1, 1, 0, 7};
            QCOMPARE(f.mid(18, 12), QByteArray(tail, 12));
            QCOMPARE(f.mid(30), QByteArray("0.0.0.0"));
        }
        WindowHarness h(QRect(0, 0, 1024, 768), folder.path());
        MainWindow& w = h.w();
        Game& g = h.g();
        QCOMPARE(g.scoreBlue, 1001);
        QCOMPARE(g.scoreRed, 999);
        QCOMPARE(w.AntiAliasLabel1->text(), QString("1001"));  // shown at once
        QCOMPARE(w.AntiAliasLabel4->text(), QString("999"));
        QCOMPARE(g.resultHistory, (History{kBlue}));
        QCOMPARE(int(g.hintsOn), 0);
        QCOMPARE(w.AntiAliasLabel13->text(), QString("Show hints"));
        for (auto& [button, hint] : mainButtons(w))
            QVERIFY2(button->toolTip().isEmpty(), qPrintable(hint));
        QCOMPARE(int(g.clocksOn), 0);
        QCOMPARE(w.AntiAliasLabel12->text(), QString("Show clocks"));
        QVERIFY(!w.Label2->isHidden());
        QCOMPARE(int(g.markBlueMove), 0);
        QCOMPARE(w.AntiAliasLabel15->text(), QString("Show Blue move"));
        QCOMPARE(int(g.markRedMove), 1);
        QCOMPARE(w.AntiAliasLabel16->text(), QString("Hide Red move"));
        QCOMPARE(int(g.soundOff), 1);
        QCOMPARE(w.AntiAliasLabel20->text(), QString("Enable sound FX"));
        QCOMPARE(int(g.computerLevel), 3);
        QCOMPARE(w.AntiAliasLabel18->text(), QString("3"));
        QCOMPARE(w.AntiAliasLabel19->text(), QString("3 - hard"));
        QCOMPARE(int(g.pieceStyle), 1);
        QCOMPARE(int(g.pieceStyleChoice), 1);
        QVERIFY(shows(w.Image25, icon("icons/style-crosses.png")));
        QCOMPARE(int(g.redIsHuman), 1);
        QVERIFY(shows(w.Image8, icon("icons/person-red.png")));
        QCOMPARE(int(g.sizeCode), 2);
        QCOMPARE(g.boardSize, 20);
        QCOMPARE(w.Image1->geometry(),
                 QRect(w.backgroundOrigin() + QPoint(220, 19), QSize(561, 561)));

        // And they act: a silent game of two people on 20x20, Blue unframed.
        const Artwork art;
        h.press(w.LbSpeedButton1);
        if (g.blueToMove == 0) h.clickCell(20, 20);
        h.clickCell(10, 10);
        QVERIFY_EMPTY(ringUnframed(w, 10, 10, art.piece(Side::Blue, 1, 27, false)));
        QVERIFY(h.sounds.empty());
    }

    // Exit during a game: the loss is scored once, no move is taken in its
    // pauses, a second Exit does nothing; the style chosen during the game
    // is the style of both the current and the next game after a restart.
    void exitDuringAGame() {
        QTemporaryDir folder;
        {
            DrivenWindow driven{QRect(0, 0, 1024, 768), folder.path()};
            auto& h = driven.h;
            auto& w = driven.w;
            QSignalSpy quit(&w, &MainWindow::quitRequested);
            h.press(w.LbSpeedButton5);
            h.press(w.LbSpeedButton1);
            h.clickCell(8, 8);
            h.clickCell(9, 9);
            h.press(w.LbSpeedButton10);
            QCOMPARE(int(h.g().blueToMove), 1);

            h.sounds.clear();
            const std::uint32_t serial = h.g().boardSerial;
            w.onDelay = [&] {
                h.press(w.LbSpeedButton3);
                h.clickCell(1, 1);
                h.press(w.LbSpeedButton1);
            };
            h.press(w.LbSpeedButton3);
            QCOMPARE(quit.count(), 1);
            // The nested Play still sounds and pauses, but starts nothing.
            QCOMPARE(h.sounds, (Strings{"stop", "play Boff", "delay 1000", "stop", "play ButonMare",
                                        "delay 200", "delay 600"}));
            QCOMPARE(h.g().cell(1, 1), kNone);
            QCOMPARE(h.g().boardSerial, serial);
            QCOMPARE(int(h.g().gameRunning), 0);
            QCOMPARE(h.g().resultHistory, (History{kRed}));
            const QByteArray f = h.settingsFile();
            QCOMPARE(f.size(), 37);
            QCOMPARE(le32(f, 0), 999);
            QCOMPARE(le32(f, 4), 1001);
            QCOMPARE(int(f[23]), 0);
        }
        WindowHarness h(QRect(0, 0, 1024, 768), folder.path());
        QCOMPARE(int(h.g().pieceStyle), 0);
        QCOMPARE(int(h.g().pieceStyleChoice), 0);
        QVERIFY(shows(h.w().Image25, icon("icons/style-balls.png")));
        QCOMPARE(h.g().resultHistory, (History{kRed}));
        QCOMPARE(h.g().scoreRed, 1001);
    }

    // The system's close request with no game: the exit's sound, the file
    // written though nothing changed, then the quit.
    void closeRequestRunsTheExit() {
        WindowHarness h;
        HarnessWindow& w = h.w();
        w.show();
        QSignalSpy quit(&w, &MainWindow::quitRequested);
        QVERIFY(!h.settingsFileExists());
        w.close();
        QCOMPARE(quit.count(), 1);
        QCOMPARE(h.sounds, (Strings{"stop", "play Boff", "delay 600"}));
        const QByteArray f = h.settingsFile();
        QCOMPARE(f.size(), 37);
        QCOMPARE(le32(f, 0), 1000);
        QCOMPARE(f.mid(18, 12), QByteArray("\x01\x01\x01\x01\x02\x01\x00\x01\x00\x01\x00\x07", 12));
        QCOMPARE(h.g().resultHistory, History{});
    }

    // Which effect each event plays, and the pauses that follow some of them.
    void soundTable() {
        DrivenWindow driven;
        auto& h = driven.h;
        auto& w = driven.w;
        auto& g = driven.g;
        auto step = [&](const char* what, const std::function<void()>& action,
                        const Strings& expected) {
            h.sounds.clear();
            action();
            if (h.sounds != expected) {
                QString got;
                for (const auto& s : h.sounds)
                    got += QString::fromStdString(s) + "; ";
                QFAIL(qPrintable(QString("%1: got %2").arg(what, got)));
            }
        };
        const Strings bmic{"stop", "play Bmic"};
        const Strings none;
        step("Play", [&] { h.press(w.LbSpeedButton1); }, {"stop", "play ButonMare", "delay 200"});
        QCOMPARE(int(g.blueToMove), 1);
        step("Blue's piece and the computer's answer", [&] { h.clickCell(8, 8); },
             {"stop", "play Piesa", "delay 150", "stop", "play PiesaAdv"});
        step(
            "Human/Computer in a game", [&] { h.press(w.LbSpeedButton5); }, bmic);
        step(
            "size in a game", [&] { h.press(w.LbSpeedButton4); }, none);
        h.press(w.LbSpeedButton4);
        h.press(w.LbSpeedButton4);  // back to 15x15 for the next board
        step(
            "Help in a game", [&] { h.press(w.LbSpeedButton7); }, bmic);
        step(
            "Options", [&] { h.press(w.LbSpeedButton9); }, bmic);
        step(
            "the toggles",
            [&] {
                for (LbSpeedButton* b :
                     {w.LbSpeedButton10, w.LbSpeedButton2, w.LbSpeedButton11, w.LbSpeedButton12,
                      w.LbSpeedButton13, w.LbSpeedButton14, w.LbSpeedButton15}) {
                    h.press(b);
                    h.press(b);
                }
                h.press(w.LbSpeedButton15);
            },
            none);
        step(
            "Options again", [&] { h.press(w.LbSpeedButton9); }, bmic);
        step(
            "Internet", [&] { h.press(w.LbSpeedButton8); }, bmic);
        h.press(w.LbSpeedButton8);
        step(
            "Stop abandoning a game", [&] { h.press(w.LbSpeedButton6); }, bmic);
        QCOMPARE(g.resultHistory[0], kRed);
        step(
            "size while idle", [&] { h.press(w.LbSpeedButton4); }, bmic);
        h.press(w.LbSpeedButton4);
        h.press(w.LbSpeedButton4);
        step(
            "Help while idle", [&] { h.press(w.LbSpeedButton7); }, bmic);
        step(
            "Human/Computer while idle", [&] { h.press(w.LbSpeedButton5); }, bmic);
        QCOMPARE(int(g.redIsHuman), 1);

        h.press(w.LbSpeedButton1);
        if (!g.blueToMove) h.clickCell(15, 15);
        step("Blue's piece", [&] { h.clickCell(14, 15); }, {"stop", "play Piesa", "delay 150"});
        step("Red's piece by a person", [&] { h.clickCell(13, 15); }, {"stop", "play PiesaAdv"});
        step("Play abandoning a game", [&] { h.press(w.LbSpeedButton1); },
             {"stop", "play ButonMare", "delay 200"});  // no Succes, no Lose
        QCOMPARE(g.resultHistory[0], kRed);

        // A winning Red piece: its click sound, cut off by Lose.
        h.sounds.clear();
        playUntilWin(h, kBlueScattered, kRedRow);
        QCOMPARE(g.winner, kRed);
        QVERIFY(h.sounds.size() >= 4);
        QCOMPARE(Strings(h.sounds.end() - 4, h.sounds.end()),
                 (Strings{"stop", "play PiesaAdv", "stop", "play Lose"}));

        // A winning Blue piece: its click sound and pause, then Succes.
        h.press(w.LbSpeedButton1);
        h.sounds.clear();
        playUntilWin(h, kBlueRow, kRedScattered);
        QCOMPARE(g.winner, kBlue);
        QVERIFY(h.sounds.size() >= 5);
        QCOMPARE(Strings(h.sounds.end() - 5, h.sounds.end()),
                 (Strings{"stop", "play Piesa", "delay 150", "stop", "play Succes"}));

        step("Exit", [&] { h.press(w.LbSpeedButton3); }, {"stop", "play Boff", "delay 600"});
    }

    // With sound off nothing plays and nothing pauses after a sound.
    void soundOffSilencesEverything() {
        DrivenWindow driven;
        auto& h = driven.h;
        auto& w = driven.w;
        auto& g = driven.g;
        h.press(w.LbSpeedButton16);
        QCOMPARE(w.AntiAliasLabel20->text(), QString("Enable sound FX"));
        QVERIFY(h.sounds.empty());

        h.press(w.LbSpeedButton1);
        h.clickCell(8, 8);  // and the computer's answer
        h.press(w.LbSpeedButton5);
        h.press(w.LbSpeedButton7);
        h.press(w.LbSpeedButton9);
        h.press(w.LbSpeedButton8);
        h.press(w.LbSpeedButton6);
        h.press(w.LbSpeedButton4);
        h.press(w.LbSpeedButton5);
        h.press(w.LbSpeedButton1);
        playUntilWin(h, kBlueRow, kRedScattered);
        QCOMPARE(g.winner, kBlue);
        h.press(w.LbSpeedButton1);
        playUntilWin(h, kBlueScattered, kRedRow);
        QCOMPARE(g.winner, kRed);
        h.press(w.LbSpeedButton3);
        QCOMPARE(h.sounds, Strings{"delay 600"});

        // Turned on again, the next press sounds.
        WindowHarness again;
        again.press(again.w().LbSpeedButton16);
        again.press(again.w().LbSpeedButton16);
        QCOMPARE(again.w().AntiAliasLabel20->text(), QString("Disable sound FX"));
        again.press(again.w().LbSpeedButton6);
        QCOMPARE(again.playedSounds(), Strings{"Bmic"});
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    installFonts();
    OptionsTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_options.moc"
