// The options panel, the panels over the board, the settings that survive a
// restart, the exit, and which sound each event plays, all through the real
// main window.

#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <array>
#include <functional>

#include "app/network/internetpanel.h"
#include "app/shell/startup.h"
#include "app/ui/artwork.h"
#include "app/ui/boardpicture.h"
#include "app/ui/helpviewer.h"
#include "app/widgets/glyphbutton.h"
#include "app/widgets/hintwindow.h"
#include "app/widgets/smoothlabel.h"
#include "boardpixels.h"
#include "support/qverifyempty.h"
#include "windowharness.h"
#include "windowlooks.h"

using namespace zelvan;
using namespace zelvan::test;

namespace {

// The eight main buttons and the hints they carry while hints are on.
std::vector<std::pair<GlyphButton*, QString>> mainButtons(MainWindow& w) {
    return {{control<GlyphButton>(w, "playButton"), "Play!"},
            {control<GlyphButton>(w, "exitButton"), "Exit"},
            {control<GlyphButton>(w, "sizeButton"), "Size 15-20-30"},
            {control<GlyphButton>(w, "opponentButton"), "Human / Computer"},
            {control<GlyphButton>(w, "stopButton"), "Stop"},
            {control<GlyphButton>(w, "helpButton"), "Help"},
            {control<GlyphButton>(w, "internetButton"), "Internet"},
            {control<GlyphButton>(w, "optionsButton"), "Options"}};
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
    while (h.g().gameRunning()) {
        const bool blueTurn = h.g().blueToMove();
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
        QCOMPARE(control<SmoothLabel>(w, "styleToggleCaption")->text(),
                 QString("Toggle pieces style "));
        QCOMPARE(control<SmoothLabel>(w, "resetScoresCaption")->text(), QString("Reset scores"));
        QCOMPARE(control<SmoothLabel>(w, "clocksToggleCaption")->text(), QString("Hide clocks"));
        QCOMPARE(control<SmoothLabel>(w, "hintsToggleCaption")->text(), QString("Hide hints"));
        QCOMPARE(control<SmoothLabel>(w, "blueMarkToggleCaption")->text(),
                 QString("Hide Blue move"));
        QCOMPARE(control<SmoothLabel>(w, "redMarkToggleCaption")->text(), QString("Hide Red move"));
        QCOMPARE(control<SmoothLabel>(w, "soundToggleCaption")->text(),
                 QString("Disable sound FX"));
        QCOMPARE(control<SmoothLabel>(w, "levelButtonCaption")->text(), QString("Computer level"));
        QCOMPARE(control<SmoothLabel>(w, "levelLine")->text(), QString("2 - medium"));
        QCOMPARE(control<SmoothLabel>(w, "levelDigit")->text(), QString("2"));
        for (auto& [button, hint] : mainButtons(w))
            QCOMPARE(button->toolTip(), hint);
        QVERIFY(shows(control<QLabel>(w, "styleIcon"), icon("icons/style-crosses.png")));
        QVERIFY(shows(control<QLabel>(w, "redIcon"), icon("icons/computer.png")));
    }

    // The cover hides the whole clock row, level digit included; the clocks
    // go on being computed beneath it.
    void clocksToggle() {
        DrivenWindow harness{};
        [[maybe_unused]] auto& h = harness.h;
        [[maybe_unused]] auto& w = harness.w;
        [[maybe_unused]] auto& g = harness.g;
        w.show();
        const QRect strip(w.backgroundOrigin() + QPoint(0, 400), QSize(200, 45));
        scoreTick(w);
        QVERIFY(!control<QLabel>(w, "clockCover")->isVisible());
        QVERIFY(!allOneColour(w.grab(strip).toImage(), Qt::black));

        h.press(control<GlyphButton>(w, "clocksToggle"));
        QCOMPARE(int(h.g().clocksOn()), 0);
        QCOMPARE(control<SmoothLabel>(w, "clocksToggleCaption")->text(), QString("Show clocks"));
        QVERIFY(control<QLabel>(w, "clockCover")->isVisible());
        QCOMPARE(w.childAt(strip.topLeft() + QPoint(50, 15)),
                 static_cast<QWidget*>(control<QLabel>(w, "clockCover")));
        QVERIFY(allOneColour(w.grab(strip).toImage(), Qt::black));
        h.clockMs = (10 * 3600 + 30 * 60) * 1000;
        scoreTick(w);
        QCOMPARE(control<SmoothLabel>(w, "timeOfDay")->text(), QString("10:30"));

        h.press(control<GlyphButton>(w, "clocksToggle"));
        QCOMPARE(int(h.g().clocksOn()), 1);
        QCOMPARE(control<SmoothLabel>(w, "clocksToggleCaption")->text(), QString("Hide clocks"));
        QVERIFY(!control<QLabel>(w, "clockCover")->isVisible());
        const QImage shown = w.grab(strip).toImage();
        QVERIFY(!allOneColour(shown, Qt::black));
        QVERIFY(h.playedSounds().empty());
    }

    void hintsToggle() {
        WindowHarness h;
        MainWindow& w = h.w();
        h.press(control<GlyphButton>(w, "hintsToggle"));
        QCOMPARE(int(h.g().hintsOn()), 0);
        QCOMPARE(control<SmoothLabel>(w, "hintsToggleCaption")->text(), QString("Show hints"));
        for (auto& [button, hint] : mainButtons(w))
            QVERIFY2(button->toolTip().isEmpty(), qPrintable(hint));
        h.press(control<GlyphButton>(w, "hintsToggle"));
        QCOMPARE(control<SmoothLabel>(w, "hintsToggleCaption")->text(), QString("Hide hints"));
        for (auto& [button, hint] : mainButtons(w))
            QCOMPARE(button->toolTip(), hint);
        QVERIFY(h.playedSounds().empty());
    }

    // The lamps with their captions, the scores and the level digit tell
    // what they show, in the hint window, while hints are on; each text
    // follows the state it tells of.
    void statusHints() {
        WindowHarness h;
        MainWindow& w = h.w();
        auto tip = [&](const char* name) { return control<QWidget>(w, name)->toolTip(); };
        QCOMPARE(tip("levelDigit"), QString("Computer level: 2 - medium"));
        QCOMPARE(tip("redScore"), QString("Red's score"));
        QCOMPARE(tip("blueScore"), QString("Blue's score"));
        QCOMPARE(tip("connectionIcon"), QString("Connection: none, listening for a call"));
        QCOMPARE(tip("styleCaption"), QString("Pieces style: crosses and rings"));
        QCOMPARE(tip("turnIcon"), QString("Game turn: no game running"));
        // Shown as the buttons' hints are, in the translucent window.
        QHelpEvent hover(QEvent::ToolTip, QPoint(2, 2), QPoint(300, 300));
        QApplication::sendEvent(control<QWidget>(w, "levelDigit"), &hover);
        QCOMPARE(control<HintWindow>(w, "hints")->hintWindow()->text(),
                 QString("Computer level: 2 - medium"));

        h.press(control<GlyphButton>(w, "levelButton"));
        QCOMPARE(tip("levelDigit"), QString("Computer level: 3 - hard"));
        h.press(control<GlyphButton>(w, "opponentButton"));
        h.press(control<GlyphButton>(w, "playButton"));
        QCOMPARE(tip("turnCaption"), QString("Game turn: Blue"));
        h.press(control<GlyphButton>(w, "styleToggle"));
        QCOMPARE(tip("styleIcon"), QString("Pieces style: balls from the next game"));
        h.press(control<GlyphButton>(w, "stopButton"));
        QCOMPARE(tip("turnIcon"), QString("Game turn: game over, Red won"));

        h.press(control<GlyphButton>(w, "hintsToggle"));
        for (const char* name : {"levelDigit", "redScore", "connectionCaption", "turnIcon"})
            QVERIFY2(tip(name).isEmpty(), name);
    }

    // A row answers on its caption as on its key, the level also on its
    // line; a press that leaves the caption before it is let go does nothing.
    void captionsToggleTheirRows() {
        WindowHarness h;
        MainWindow& w = h.w();
        QTest::mouseClick(control<QWidget>(w, "clocksToggleCaption"), Qt::LeftButton);
        QCOMPARE(int(h.g().clocksOn()), 0);
        QCOMPARE(control<SmoothLabel>(w, "clocksToggleCaption")->text(), QString("Show clocks"));
        QTest::mouseClick(control<QWidget>(w, "levelLine"), Qt::LeftButton);
        QCOMPARE(int(h.g().computerLevel()), 3);
        QTest::mouseClick(control<QWidget>(w, "levelButtonCaption"), Qt::LeftButton);
        QCOMPARE(int(h.g().computerLevel()), 4);
        auto* caption = control<QWidget>(w, "soundToggleCaption");
        QTest::mousePress(caption, Qt::LeftButton);
        QVERIFY(control<GlyphButton>(w, "soundToggle")->isDown());
        QTest::mouseRelease(caption, Qt::LeftButton, {}, QPoint(-5, -5));
        QCOMPARE(int(h.g().soundOff()), 0);
        QVERIFY(!control<GlyphButton>(w, "soundToggle")->isDown());
        QTest::mouseClick(control<QWidget>(w, "listenCaption"), Qt::LeftButton);
        QCOMPARE(int(h.g().listenOn()), 0);
    }

    // Switching a side's frames off turns its live frame into a trace at
    // once and leaves its next moves unframed; switching on draws nothing
    // until that side's next move.
    void moveFramesToggle() {
        DrivenWindow harness{};
        [[maybe_unused]] auto& h = harness.h;
        [[maybe_unused]] auto& w = harness.w;
        [[maybe_unused]] auto& g = harness.g;
        const Artwork art;
        h.press(control<GlyphButton>(w, "opponentButton"));
        h.press(control<GlyphButton>(w, "playButton"));
        const QImage& bluePiece = pieceOf(art, w, Side::Blue);
        const QImage& redPiece = pieceOf(art, w, Side::Red);

        h.clickCell(8, 8);
        QVERIFY_EMPTY(ringIs(w, 8, 8, kLiveFrame15));
        h.sounds.clear();
        h.press(control<GlyphButton>(w, "blueMarkToggle"));
        QVERIFY(h.sounds.empty());
        QCOMPARE(control<SmoothLabel>(w, "blueMarkToggleCaption")->text(),
                 QString("Show Blue move"));
        QVERIFY_EMPTY(ringIs(w, 8, 8, kTrace));
        QVERIFY_EMPTY(cellShows(w, 8, 8, bluePiece));

        h.clickCell(9, 9);  // Red, framed as before
        QVERIFY_EMPTY(ringIs(w, 9, 9, kLiveFrame15));
        h.clickCell(10, 10);  // Blue, unframed
        QVERIFY_EMPTY(ringUnframed(w, 10, 10, bluePiece));
        QVERIFY_EMPTY(ringIs(w, 8, 8, kTrace));

        h.press(control<GlyphButton>(w, "blueMarkToggle"));
        QCOMPARE(control<SmoothLabel>(w, "blueMarkToggleCaption")->text(),
                 QString("Hide Blue move"));
        QVERIFY_EMPTY(ringUnframed(w, 10, 10, bluePiece));
        QVERIFY_EMPTY(ringIs(w, 8, 8, kTrace));

        h.press(control<GlyphButton>(w, "redMarkToggle"));
        QCOMPARE(control<SmoothLabel>(w, "redMarkToggleCaption")->text(), QString("Show Red move"));
        QVERIFY_EMPTY(ringIs(w, 9, 9, kTrace));
        h.clickCell(11, 11);  // Red, unframed
        QVERIFY_EMPTY(ringUnframed(w, 11, 11, redPiece));
        h.clickCell(12, 12);  // Blue, framed again
        QVERIFY_EMPTY(ringIs(w, 12, 12, kLiveFrame15));
        QVERIFY_EMPTY(ringUnframed(w, 10, 10, bluePiece));
        h.press(control<GlyphButton>(w, "redMarkToggle"));
        QCOMPARE(control<SmoothLabel>(w, "redMarkToggleCaption")->text(), QString("Hide Red move"));
        h.clickCell(13, 13);
        QVERIFY_EMPTY(ringIs(w, 13, 13, kLiveFrame15));
        QVERIFY_EMPTY(ringUnframed(w, 11, 11, redPiece));
    }

    // A stored level of 4 or 5 is shown and written back as it was; a byte
    // naming no level reads as medium.
    void storedLevelByte_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("line");
        QTest::newRow("strong") << 4 << 4 << "4 - strong";
        QTest::newRow("master") << 5 << 5 << "5 - master";
        QTest::newRow("none") << 6 << 2 << "2 - medium";
    }
    void storedLevelByte() {
        QFETCH(int, stored);
        QFETCH(int, level);
        QFETCH(QString, line);
        QTemporaryDir folder;
        QByteArray bytes("\xe8\x03\0\0\xe8\x03\0\0\0\0\0\0\0\0\0\0\0\0"
                         "\x01\x01\x01\x01\x02\x01\0\x01\0\x01\0\x07"
                         "0.0.0.0",
                         37);
        bytes[22] = char(stored);
        QFile file(folder.path() + "/zelvan.ini");
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        DrivenWindow harness{QRect(0, 0, 1024, 768), folder.path()};
        auto& h = harness.h;
        MainWindow& w = harness.w;
        QCOMPARE(h.g().computerLevel(), level);
        QCOMPARE(control<SmoothLabel>(w, "levelDigit")->text(), QString::number(level));
        QCOMPARE(control<SmoothLabel>(w, "levelLine")->text(), line);
        h.press(control<GlyphButton>(w, "exitButton"));
        const QByteArray saved = h.settingsFile();
        QCOMPARE(saved.size(), 37);
        QCOMPARE(int(saved[22]), level);
    }

    void levelCycle() {
        WindowHarness h;
        MainWindow& w = h.w();
        const struct {
            int level;
            const char* line;
        } steps[] = {{3, "3 - hard"},
                     {4, "4 - strong"},
                     {5, "5 - master"},
                     {1, "1 - easy"},
                     {2, "2 - medium"}};
        for (const auto& s : steps) {
            h.press(control<GlyphButton>(w, "levelButton"));
            QCOMPARE(int(h.g().computerLevel()), s.level);
            QCOMPARE(control<SmoothLabel>(w, "levelDigit")->text(), QString::number(s.level));
            QCOMPARE(control<SmoothLabel>(w, "levelLine")->text(), QString(s.line));
        }
        QVERIFY(h.playedSounds().empty());
    }

    // Reset puts both scores to 1000, keeps the history, writes nothing; the
    // scoreboard counts each side toward 1000 on its own.
    void resetScores() {
        DrivenWindow harness{};
        [[maybe_unused]] auto& h = harness.h;
        [[maybe_unused]] auto& w = harness.w;
        [[maybe_unused]] auto& g = harness.g;
        w.scores().restore(1500, 400, History{kBlue, kRed});
        for (int i = 0; i < 20; ++i)
            scoreTick(w);
        QCOMPARE(control<SmoothLabel>(w, "blueScore")->text(), QString("1500"));
        QCOMPARE(control<SmoothLabel>(w, "redScore")->text(), QString("400"));

        h.press(control<GlyphButton>(w, "resetScores"));
        QCOMPARE(g.scoreBlue(), 1000);
        QCOMPARE(g.scoreRed(), 1000);
        QCOMPARE(g.resultHistory(), (History{kBlue, kRed}));
        QVERIFY(!h.settingsFileExists());
        QVERIFY(h.playedSounds().empty());
        QCOMPARE(control<QTimer>(w, "tickTimer")->interval(), 100);  // counting
        scoreTick(w);
        QCOMPARE(control<SmoothLabel>(w, "blueScore")->text(), QString("1389"));
        QCOMPARE(control<SmoothLabel>(w, "blueScoreShadow")->text(), QString("1389"));
        QCOMPARE(control<SmoothLabel>(w, "redScore")->text(), QString("511"));
        QCOMPARE(control<SmoothLabel>(w, "redScoreShadow")->text(), QString("511"));
        int blue = 1389, red = 511;
        for (int i = 0; i < 30 && (blue != 1000 || red != 1000); ++i) {
            scoreTick(w);
            const int b = control<SmoothLabel>(w, "blueScore")->text().toInt();
            const int r = control<SmoothLabel>(w, "redScore")->text().toInt();
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
        h.press(control<GlyphButton>(w, "opponentButton"));
        h.press(control<GlyphButton>(w, "playButton"));
        w.scores().restore(1200, w.scores().red(), w.scores().results());
        h.press(control<GlyphButton>(w, "resetScores"));
        playUntilWin(h, kBlueRow, kRedScattered);
        QCOMPARE(g.winner(), kBlue);
        // History B B R: series 2, total 2.
        QCOMPARE(g.scoreBlue(), 1002);
        QCOMPARE(g.scoreRed(), 998);
    }

    // The style chosen during a game waits for the next one; the indicator
    // shows the choice at once.
    void styleToggle() {
        DrivenWindow harness{};
        [[maybe_unused]] auto& h = harness.h;
        [[maybe_unused]] auto& w = harness.w;
        [[maybe_unused]] auto& g = harness.g;
        const Artwork art;
        h.press(control<GlyphButton>(w, "opponentButton"));
        h.press(control<GlyphButton>(w, "playButton"));
        h.clickCell(8, 8);
        h.press(control<GlyphButton>(w, "styleToggle"));
        QCOMPARE(int(g.pieceStyleChoice()), 0);
        QCOMPARE(int(g.pieceStyle()), 1);
        QVERIFY(shows(control<QLabel>(w, "styleIcon"), icon("icons/style-balls.png")));
        h.clickCell(9, 9);
        QVERIFY_EMPTY(cellShows(w, 8, 8, art.piece(Side::Blue, 1, 36, false)));
        QVERIFY_EMPTY(cellShows(w, 9, 9, art.piece(Side::Red, 1, 36, false)));

        h.press(control<GlyphButton>(w, "playButton"));  // the next game draws balls
        QCOMPARE(int(g.pieceStyle()), 0);
        QVERIFY(g.blueToMove() == 0);
        h.clickCell(5, 5);
        h.clickCell(6, 6);
        QVERIFY_EMPTY(cellShows(w, 5, 5, art.piece(Side::Red, 0, 36, false)));
        QVERIFY_EMPTY(cellShows(w, 6, 6, art.piece(Side::Blue, 0, 36, false)));
        QVERIFY(art.piece(Side::Blue, 0, 36, false) != art.piece(Side::Blue, 1, 36, false));

        h.press(control<GlyphButton>(w, "styleToggle"));
        QCOMPARE(int(g.pieceStyleChoice()), 1);
        QVERIFY(shows(control<QLabel>(w, "styleIcon"), icon("icons/style-crosses.png")));
    }

    // Options, Help and Internet share the board area: each hides the
    // others; a new board hides them all; Help does nothing during a game.
    void panelsOverTheBoard() {
        DrivenWindow harness{};
        [[maybe_unused]] auto& h = harness.h;
        [[maybe_unused]] auto& w = harness.w;
        [[maybe_unused]] auto& g = harness.g;
        w.show();
        const QPoint o = w.backgroundOrigin();
        QCOMPARE(control<OptionsPanel>(w, "optionsPanel")->geometry(),
                 QRect(o + QPoint(225, 35), QSize(189, 352)));
        QCOMPARE(control<HelpViewer>(w, "helpViewer")->geometry(),
                 QRect(o + QPoint(215, 14), QSize(571, 570)));
        QVERIFY(!control<OptionsPanel>(w, "optionsPanel")->isVisible());
        QVERIFY(!control<HelpViewer>(w, "helpViewer")->isVisible());

        // What lies on top over the board's area.
        auto topAt = [&](QPoint p) { return w.childAt(o + p); };
        auto within = [](QWidget* top, QWidget* panel) {
            return top == panel || panel->isAncestorOf(top);
        };
        QCOMPARE(topAt({300, 100}), static_cast<QWidget*>(control<BoardPicture>(w, "board")));

        h.press(control<GlyphButton>(w, "optionsButton"));
        QVERIFY(control<OptionsPanel>(w, "optionsPanel")->isVisible());
        QVERIFY(within(topAt({300, 100}), control<OptionsPanel>(w, "optionsPanel")));
        h.press(control<GlyphButton>(w, "helpButton"));
        QVERIFY(!control<OptionsPanel>(w, "optionsPanel")->isVisible());
        QVERIFY(control<HelpViewer>(w, "helpViewer")->isVisible());
        QVERIFY(within(topAt({300, 100}), control<HelpViewer>(w, "helpViewer")));
        h.press(control<GlyphButton>(w, "optionsButton"));
        QVERIFY(!control<HelpViewer>(w, "helpViewer")->isVisible());
        QVERIFY(control<OptionsPanel>(w, "optionsPanel")->isVisible());
        h.press(control<GlyphButton>(w, "optionsButton"));
        QVERIFY(!control<OptionsPanel>(w, "optionsPanel")->isVisible());
        h.press(control<GlyphButton>(w, "internetButton"));
        QVERIFY(control<InternetPanel>(w, "internetPanel")->isVisible());
        h.press(control<GlyphButton>(w, "optionsButton"));
        QVERIFY(!control<InternetPanel>(w, "internetPanel")->isVisible());
        QVERIFY(control<OptionsPanel>(w, "optionsPanel")->isVisible());
        h.press(control<GlyphButton>(w, "helpButton"));
        QVERIFY(control<HelpViewer>(w, "helpViewer")->isVisible());
        h.press(control<GlyphButton>(w, "helpButton"));
        QVERIFY(!control<HelpViewer>(w, "helpViewer")->isVisible());

        // A new board hides them.
        h.press(control<GlyphButton>(w, "helpButton"));
        h.press(control<GlyphButton>(w, "sizeButton"));
        QVERIFY(!control<HelpViewer>(w, "helpViewer")->isVisible());
        h.press(control<GlyphButton>(w, "optionsButton"));
        h.press(control<GlyphButton>(w, "sizeButton"));
        QVERIFY(!control<OptionsPanel>(w, "optionsPanel")->isVisible());
        h.press(control<GlyphButton>(w, "sizeButton"));  // back to 15x15
        h.press(control<GlyphButton>(w, "helpButton"));
        h.press(control<GlyphButton>(w, "playButton"));
        QVERIFY(!control<HelpViewer>(w, "helpViewer")->isVisible());
        QCOMPARE(int(h.g().gameRunning()), 1);
        QCOMPARE(topAt({300, 100}), static_cast<QWidget*>(control<BoardPicture>(w, "board")));

        // During a game Help neither opens nor closes anything; Options works.
        h.sounds.clear();
        h.press(control<GlyphButton>(w, "helpButton"));
        QVERIFY(!control<HelpViewer>(w, "helpViewer")->isVisible());
        h.press(control<GlyphButton>(w, "optionsButton"));
        QVERIFY(control<OptionsPanel>(w, "optionsPanel")->isVisible());
        h.press(control<GlyphButton>(w, "helpButton"));
        QVERIFY(control<OptionsPanel>(w, "optionsPanel")->isVisible());
        QVERIFY(!control<HelpViewer>(w, "helpViewer")->isVisible());
        QCOMPARE(h.playedSounds(), (Strings{"Click", "Click", "Click"}));
    }

    // Options, opponent and size, changed and saved by a game's end, are all
    // back in a window built on the same folder.
    void settingsSurviveARestart() {
        QTemporaryDir folder;
        {
            DrivenWindow harness{QRect(0, 0, 1024, 768), folder.path()};
            [[maybe_unused]] auto& h = harness.h;
            [[maybe_unused]] auto& w = harness.w;
            [[maybe_unused]] auto& g = harness.g;
            h.press(control<GlyphButton>(w, "hintsToggle"));     // hints off
            h.press(control<GlyphButton>(w, "clocksToggle"));    // clocks off
            h.press(control<GlyphButton>(w, "blueMarkToggle"));  // Blue's frames off
            h.press(control<GlyphButton>(w, "soundToggle"));     // sound off
            h.press(control<GlyphButton>(w, "levelButton"));     // level 3
            h.press(control<GlyphButton>(w, "styleToggle"));     // balls next game
            h.press(control<GlyphButton>(w, "opponentButton"));  // a person plays Red
            h.press(control<GlyphButton>(w, "sizeButton"));      // 20x20
            h.press(control<GlyphButton>(w, "playButton"));
            QCOMPARE(int(h.g().pieceStyle()), 0);
            h.press(control<GlyphButton>(w, "styleToggle"));  // crosses again for the game after
            playUntilWin(h, kBlueRow, kRedScattered);
            QCOMPARE(h.g().winner(), kBlue);

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
        const GameView g = h.g();
        QCOMPARE(g.scoreBlue(), 1001);
        QCOMPARE(g.scoreRed(), 999);
        QCOMPARE(control<SmoothLabel>(w, "blueScore")->text(), QString("1001"));  // shown at once
        QCOMPARE(control<SmoothLabel>(w, "redScoreShadow")->text(), QString("999"));
        QCOMPARE(g.resultHistory(), (History{kBlue}));
        QCOMPARE(int(g.hintsOn()), 0);
        QCOMPARE(control<SmoothLabel>(w, "hintsToggleCaption")->text(), QString("Show hints"));
        for (auto& [button, hint] : mainButtons(w))
            QVERIFY2(button->toolTip().isEmpty(), qPrintable(hint));
        QCOMPARE(int(g.clocksOn()), 0);
        QCOMPARE(control<SmoothLabel>(w, "clocksToggleCaption")->text(), QString("Show clocks"));
        QVERIFY(!control<QLabel>(w, "clockCover")->isHidden());
        QCOMPARE(int(g.markBlueMove()), 0);
        QCOMPARE(control<SmoothLabel>(w, "blueMarkToggleCaption")->text(),
                 QString("Show Blue move"));
        QCOMPARE(int(g.markRedMove()), 1);
        QCOMPARE(control<SmoothLabel>(w, "redMarkToggleCaption")->text(), QString("Hide Red move"));
        QCOMPARE(int(g.soundOff()), 1);
        QCOMPARE(control<SmoothLabel>(w, "soundToggleCaption")->text(), QString("Enable sound FX"));
        QCOMPARE(int(g.computerLevel()), 3);
        QCOMPARE(control<SmoothLabel>(w, "levelDigit")->text(), QString("3"));
        QCOMPARE(control<SmoothLabel>(w, "levelLine")->text(), QString("3 - hard"));
        QCOMPARE(int(g.pieceStyle()), 1);
        QCOMPARE(int(g.pieceStyleChoice()), 1);
        QVERIFY(shows(control<QLabel>(w, "styleIcon"), icon("icons/style-crosses.png")));
        QCOMPARE(int(g.redIsHuman()), 1);
        QVERIFY(shows(control<QLabel>(w, "redIcon"), icon("icons/person-red.png")));
        QCOMPARE(int(g.sizeCode()), 2);
        QCOMPARE(g.boardSize(), 20);
        QCOMPARE(control<BoardPicture>(w, "board")->geometry(),
                 QRect(w.backgroundOrigin() + QPoint(220, 19), QSize(561, 561)));

        // And they act: a silent game of two people on 20x20, Blue unframed.
        const Artwork art;
        h.press(control<GlyphButton>(w, "playButton"));
        if (g.blueToMove() == 0) h.clickCell(20, 20);
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
            DrivenWindow harness{QRect(0, 0, 1024, 768), folder.path()};
            [[maybe_unused]] auto& h = harness.h;
            [[maybe_unused]] auto& w = harness.w;
            [[maybe_unused]] auto& g = harness.g;
            QSignalSpy quit(&w, &MainWindow::quitRequested);
            h.press(control<GlyphButton>(w, "opponentButton"));
            h.press(control<GlyphButton>(w, "playButton"));
            h.clickCell(8, 8);
            h.clickCell(9, 9);
            h.press(control<GlyphButton>(w, "styleToggle"));
            QCOMPARE(int(h.g().blueToMove()), 1);

            h.sounds.clear();
            const int serial = h.g().boardSerial();
            QTest::mouseClick(control<GlyphButton>(w, "exitButton"), Qt::LeftButton);
            // In the exit's pauses: a second Exit, a click and Play.
            QTest::mouseClick(control<GlyphButton>(w, "exitButton"), Qt::LeftButton);
            h.clickCell(1, 1, Qt::LeftButton, false);
            QTest::mouseClick(control<GlyphButton>(w, "playButton"), Qt::LeftButton);
            h.settle();
            QCOMPARE(quit.count(), 1);
            // Play is still heard, but starts nothing.
            QCOMPARE(h.sounds, (Strings{"stop", "play Exit", "delay 1000", "stop", "play Play",
                                        "delay 600"}));
            QCOMPARE(h.g().cell(1, 1), kNone);
            QCOMPARE(h.g().boardSerial(), serial);
            QCOMPARE(int(h.g().gameRunning()), 0);
            QCOMPARE(h.g().resultHistory(), (History{kRed}));
            const QByteArray f = h.settingsFile();
            QCOMPARE(f.size(), 37);
            QCOMPARE(le32(f, 0), 999);
            QCOMPARE(le32(f, 4), 1001);
            QCOMPARE(int(f[23]), 0);
        }
        WindowHarness h(QRect(0, 0, 1024, 768), folder.path());
        QCOMPARE(int(h.g().pieceStyle()), 0);
        QCOMPARE(int(h.g().pieceStyleChoice()), 0);
        QVERIFY(shows(control<QLabel>(h.w(), "styleIcon"), icon("icons/style-balls.png")));
        QCOMPARE(h.g().resultHistory(), (History{kRed}));
        QCOMPARE(h.g().scoreRed(), 1001);
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
        QCOMPARE(quit.count(), 0);  // the farewell's pause comes first
        h.settle();
        QCOMPARE(quit.count(), 1);
        QCOMPARE(h.sounds, (Strings{"stop", "play Exit", "delay 600"}));
        const QByteArray f = h.settingsFile();
        QCOMPARE(f.size(), 37);
        QCOMPARE(le32(f, 0), 1000);
        QCOMPARE(f.mid(18, 12), QByteArray("\x01\x01\x01\x01\x02\x01\x00\x01\x00\x01\x00\x07", 12));
        QCOMPARE(h.g().resultHistory(), History{});
    }

    // Which effect each event plays, and the pauses that follow some of them.
    void soundTable() {
        DrivenWindow harness{};
        [[maybe_unused]] auto& h = harness.h;
        [[maybe_unused]] auto& w = harness.w;
        [[maybe_unused]] auto& g = harness.g;
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
        const Strings clickOnly{"stop", "play Click"};
        const Strings none;
        step("Play", [&] { h.press(control<GlyphButton>(w, "playButton")); },
             {"stop", "play Play", "delay 200"});
        QCOMPARE(int(g.blueToMove()), 1);
        step("Blue's piece and the computer's answer", [&] { h.clickCell(8, 8); },
             {"stop", "play BluePiece", "delay 150", "stop", "play RedPiece"});
        step(
            "Human/Computer in a game", [&] { h.press(control<GlyphButton>(w, "opponentButton")); },
            clickOnly);
        step(
            "size in a game", [&] { h.press(control<GlyphButton>(w, "sizeButton")); }, none);
        h.press(control<GlyphButton>(w, "sizeButton"));
        h.press(control<GlyphButton>(w, "sizeButton"));  // back to 15x15 for the next board
        step(
            "Help in a game", [&] { h.press(control<GlyphButton>(w, "helpButton")); }, clickOnly);
        step(
            "Options", [&] { h.press(control<GlyphButton>(w, "optionsButton")); }, clickOnly);
        step(
            "the toggles",
            [&] {
                for (GlyphButton* b : {control<GlyphButton>(w, "styleToggle"),
                                       control<GlyphButton>(w, "resetScores"),
                                       control<GlyphButton>(w, "clocksToggle"),
                                       control<GlyphButton>(w, "hintsToggle"),
                                       control<GlyphButton>(w, "blueMarkToggle"),
                                       control<GlyphButton>(w, "redMarkToggle"),
                                       control<GlyphButton>(w, "levelButton")}) {
                    h.press(b);
                    h.press(b);
                }
                h.press(control<GlyphButton>(w, "levelButton"));
            },
            none);
        step(
            "Options again", [&] { h.press(control<GlyphButton>(w, "optionsButton")); }, clickOnly);
        step(
            "Internet", [&] { h.press(control<GlyphButton>(w, "internetButton")); }, clickOnly);
        h.press(control<GlyphButton>(w, "internetButton"));
        step(
            "Stop abandoning a game", [&] { h.press(control<GlyphButton>(w, "stopButton")); },
            clickOnly);
        QCOMPARE(g.resultHistory()[0], kRed);
        step(
            "size while idle", [&] { h.press(control<GlyphButton>(w, "sizeButton")); }, clickOnly);
        h.press(control<GlyphButton>(w, "sizeButton"));
        h.press(control<GlyphButton>(w, "sizeButton"));
        step(
            "Help while idle", [&] { h.press(control<GlyphButton>(w, "helpButton")); }, clickOnly);
        step(
            "Human/Computer while idle",
            [&] { h.press(control<GlyphButton>(w, "opponentButton")); }, clickOnly);
        QCOMPARE(int(g.redIsHuman()), 1);

        h.press(control<GlyphButton>(w, "playButton"));
        if (!g.blueToMove()) h.clickCell(15, 15);
        step("Blue's piece", [&] { h.clickCell(14, 15); }, {"stop", "play BluePiece", "delay 150"});
        step("Red's piece by a person", [&] { h.clickCell(13, 15); }, {"stop", "play RedPiece"});
        step("Play abandoning a game", [&] { h.press(control<GlyphButton>(w, "playButton")); },
             {"stop", "play Play", "delay 200"});  // no BlueWins, no RedWins
        QCOMPARE(g.resultHistory()[0], kRed);

        // A winning Red piece: its click sound, cut off by RedWins.
        h.sounds.clear();
        playUntilWin(h, kBlueScattered, kRedRow);
        QCOMPARE(g.winner(), kRed);
        QVERIFY(h.sounds.size() >= 4);
        QCOMPARE(Strings(h.sounds.end() - 4, h.sounds.end()),
                 (Strings{"stop", "play RedPiece", "stop", "play RedWins"}));

        // A winning Blue piece: its click sound and pause, then BlueWins.
        h.press(control<GlyphButton>(w, "playButton"));
        h.sounds.clear();
        playUntilWin(h, kBlueRow, kRedScattered);
        QCOMPARE(g.winner(), kBlue);
        QVERIFY(h.sounds.size() >= 5);
        QCOMPARE(Strings(h.sounds.end() - 5, h.sounds.end()),
                 (Strings{"stop", "play BluePiece", "delay 150", "stop", "play BlueWins"}));

        step("Exit", [&] { h.press(control<GlyphButton>(w, "exitButton")); },
             {"stop", "play Exit", "delay 600"});
    }

    // With sound off nothing plays and nothing pauses after a sound.
    void soundOffSilencesEverything() {
        DrivenWindow harness{};
        [[maybe_unused]] auto& h = harness.h;
        [[maybe_unused]] auto& w = harness.w;
        [[maybe_unused]] auto& g = harness.g;
        h.press(control<GlyphButton>(w, "soundToggle"));
        QCOMPARE(control<SmoothLabel>(w, "soundToggleCaption")->text(), QString("Enable sound FX"));
        QVERIFY(h.sounds.empty());

        h.press(control<GlyphButton>(w, "playButton"));
        h.clickCell(8, 8);  // and the computer's answer
        h.press(control<GlyphButton>(w, "opponentButton"));
        h.press(control<GlyphButton>(w, "helpButton"));
        h.press(control<GlyphButton>(w, "optionsButton"));
        h.press(control<GlyphButton>(w, "internetButton"));
        h.press(control<GlyphButton>(w, "stopButton"));
        h.press(control<GlyphButton>(w, "sizeButton"));
        h.press(control<GlyphButton>(w, "opponentButton"));
        h.press(control<GlyphButton>(w, "playButton"));
        playUntilWin(h, kBlueRow, kRedScattered);
        QCOMPARE(g.winner(), kBlue);
        h.press(control<GlyphButton>(w, "playButton"));
        playUntilWin(h, kBlueScattered, kRedRow);
        QCOMPARE(g.winner(), kRed);
        h.press(control<GlyphButton>(w, "exitButton"));
        QCOMPARE(h.sounds, Strings{"delay 600"});

        // Turned on again, the next press sounds.
        WindowHarness again;
        again.press(control<GlyphButton>(again.w(), "soundToggle"));
        again.press(control<GlyphButton>(again.w(), "soundToggle"));
        QCOMPARE(control<SmoothLabel>(again.w(), "soundToggleCaption")->text(),
                 QString("Disable sound FX"));
        again.press(control<GlyphButton>(again.w(), "stopButton"));
        QCOMPARE(again.playedSounds(), Strings{"Click"});
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    installFonts();
    OptionsTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_options.moc"
