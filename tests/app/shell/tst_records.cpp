// Game records through the real window: every ending kept in the games
// folder and counted, review on Page Up/Down, Home and End with P playing on
// unscored, the move list, statistics and coordinates on their keys, saving
// and opening files (a file that is not a game changes nothing), and the
// board's keys resting while a panel covers it.

#include <QDir>
#include <QFileDialog>
#include <QTest>

#include "app/shell/gamerecorder.h"
#include "app/shell/recordfiles.h"
#include "app/storage/gamearchive.h"
#include "app/storage/recordfile.h"
#include "app/storage/statisticsstore.h"
#include "app/ui/boardnotice.h"
#include "app/ui/coordinatelabels.h"
#include "app/ui/movelistpanel.h"
#include "app/ui/resultbanner.h"
#include "app/ui/resultline.h"
#include "app/ui/statisticspanel.h"
#include "windowharness.h"

using namespace zelvan;
using namespace zelvan::test;

namespace {

void key(WindowHarness& h, int k, Qt::KeyboardModifiers m = Qt::NoModifier) {
    QTest::keyClick(&h.w(), Qt::Key(k), m);
    h.settle();
}

// Between two people, Blue first: Blue fills a15..e15 while Red answers on
// row 13, a second apart; Blue's fifth piece wins after nine moves.
void playBluesFive(WindowHarness& h) {
    h.press(control<GlyphButton>(h.w(), "opponentButton"));
    h.press(control<GlyphButton>(h.w(), "playButton"));
    QVERIFY(h.g().blueToMove());
    for (int i = 1; i <= 5; ++i) {
        h.steadyMs += 1000;
        h.clickCell(i, 1);
        if (i == 5) break;
        h.steadyMs += 2000;
        h.clickCell(i, 3);
    }
    QCOMPARE(h.g().winner(), kBlue);
}

QString noticeText(WindowHarness& h) {
    const auto* notice = control<BoardNotice>(h.w(), "boardNotice");
    return notice->isHidden() ? QString() : notice->text();
}

QStringList archiveFiles(WindowHarness& h) {
    return GameArchive(h.dir).files();
}

QString writeFile(const QTemporaryDir& dir, const char* name, const QByteArray& bytes) {
    const QString path = dir.filePath(QLatin1String(name));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
}

}  // namespace

class RecordsTest : public QObject {
    Q_OBJECT
private slots:
    // The game's record: the moves with their seconds, who played, the
    // result, in one file of the archive; the win counted against a person.
    void anEndedGameIsKeptAndCounted() {
        WindowHarness h;
        playBluesFive(h);
        const QStringList kept = archiveFiles(h);
        QCOMPARE(kept.size(), 1);
        QFile f(GameArchive(h.dir).folder() + QLatin1Char('/') + kept[0]);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromLatin1(f.readAll()).split(QStringLiteral("\r\n"));
        QCOMPARE(lines[0], QStringLiteral("Piskvorky 15x15, 11:11, 0"));
        QCOMPARE(lines[1], QStringLiteral("1,1,1000"));
        QCOMPARE(lines[2], QStringLiteral("1,3,2000"));
        QCOMPARE(lines[9], QStringLiteral("5,1,1000"));
        QCOMPARE(lines[10], QStringLiteral("Blue: player at this machine"));
        QCOMPARE(lines[11], QStringLiteral("Red: person at this machine"));
        QCOMPARE(lines[12], QStringLiteral("Result: Blue wins, five in a row"));
        QVERIFY(lines[13].startsWith(QStringLiteral("Started: ")));

        StatisticsStore stats(h.dir);
        stats.load();
        QCOMPARE(stats.statistics().tally(records::OpponentGroup::PersonHere),
                 (records::Tally{1, 1, 0, 0}));
        // A game stopped before any move is kept too, lost by the side to move.
        h.press(control<GlyphButton>(h.w(), "playButton"));
        h.press(control<GlyphButton>(h.w(), "stopButton"));
        QCOMPARE(archiveFiles(h).size(), 2);
    }

    // Page Up, Page Down, Home and End step through the game just ended;
    // P plays on from the position shown against the computer, unscored.
    void reviewKeysStepThroughTheGameAndPPlaysOn() {
        WindowHarness h;
        playBluesFive(h);
        QVERIFY(activate(h.w()));
        const Scores scores = h.w().scores();
        const QByteArray settings = h.settingsFile();

        auto* banner = control<ResultBanner>(h.w(), "resultBanner");
        QVERIFY(banner->isVisible() && !banner->fading());
        key(h, Qt::Key_PageUp);
        QVERIFY(h.w().match().reviewing());
        QCOMPARE(h.g().moveCount(), 8);
        QCOMPARE(noticeText(h), QStringLiteral("Review \u2014 move 8 of 9"));
        QVERIFY(banner->fading());  // the result makes way for the notice beneath it
        QVERIFY(!control<QWidget>(h.w(), "moveNumbers")->isHidden());
        key(h, Qt::Key_Home);
        QCOMPARE(h.g().moveCount(), 0);
        key(h, Qt::Key_PageDown);
        key(h, Qt::Key_PageDown);
        QCOMPARE(h.g().moveCount(), 2);
        QCOMPARE(noticeText(h), QStringLiteral("Review \u2014 move 2 of 9"));
        h.clickCell(8, 8);  // the board takes no piece in review
        QCOMPARE(h.g().moveCount(), 2);
        key(h, Qt::Key_End);
        QCOMPARE(h.g().moveCount(), 9);

        // Blue to move after four moves: Blue plays on and is not scored.
        key(h, Qt::Key_Home);
        for (int i = 0; i < 4; ++i)
            key(h, Qt::Key_PageDown);
        key(h, Qt::Key_P);
        QVERIFY(h.g().gameRunning());
        QVERIFY(!h.g().redIsHuman());
        QVERIFY(!h.w().match().reviewing());
        h.clickCell(10, 10);
        QCOMPARE(h.g().moveCount(), 6);  // Blue's piece and the computer's answer
        h.press(control<GlyphButton>(h.w(), "stopButton"));
        QCOMPARE(h.w().scores(), scores);
        QCOMPARE(h.settingsFile(), settings);
        QCOMPARE(control<ResultLine>(h.w(), "resultLine")->text(),
                 QStringLiteral("Stopped \u2014 Blue loses the game (not scored)"));
        const QStringList kept = archiveFiles(h);
        QCOMPARE(kept.size(), 2);
        const records::RecordOrRefusal last =
            readRecordFile(GameArchive(h.dir).folder() + QLatin1Char('/') + kept.back());
        QVERIFY(last.record);
        QVERIFY(last.record->continued);
        QCOMPARE(last.record->moves.size(), 6u);
        QCOMPARE(last.record->opponent.kind, records::Opponent::Kind::Computer);
        StatisticsStore stats(h.dir);
        stats.load();
        QCOMPARE(stats.statistics().total().games, 1);  // the continued game is not counted
    }

    // L, S and C: the move list and the statistics share the options panel's
    // place and close on Escape; the coordinates are remembered.
    void panelKeysOpenTheMoveListStatisticsAndCoordinates() {
        WindowHarness h;
        playBluesFive(h);
        QVERIFY(activate(h.w()));
        auto* moveList = control<MoveListPanel>(h.w(), "moveListPanel");
        auto* statistics = control<StatisticsPanel>(h.w(), "statisticsPanel");
        key(h, Qt::Key_L);
        QVERIFY(!moveList->isHidden());
        QCOMPARE(moveList->entries().size(), 9);
        QCOMPARE(moveList->entries().front(), QStringLiteral("1. a15"));
        QCOMPARE(moveList->marked(), 9);
        key(h, Qt::Key_S);
        QVERIFY(moveList->isHidden());
        QVERIFY(!statistics->isHidden());
        QVERIFY(statistics->tableLines().contains(QStringLiteral("Person here\t1\t1\t0\t0")));
        key(h, Qt::Key_Escape);
        QVERIFY(statistics->isHidden());

        // In review the list marks the move shown, and a click shows another.
        key(h, Qt::Key_L);
        key(h, Qt::Key_Home);
        QCOMPARE(moveList->marked(), 0);
        QVERIFY(moveList->isClickable());
        emit moveList->moveClicked(3);
        QCOMPARE(h.g().moveCount(), 3);

        auto* labels = control<CoordinateLabels>(h.w(), "coordinateLabels");
        QVERIFY(labels->isHidden());
        key(h, Qt::Key_C);
        QVERIFY(!labels->isHidden());
        QCOMPARE(labels->labels().size(), 30);
        WindowHarness again(QRect(0, 0, 1024, 768), h.dir);
        QVERIFY(!control<CoordinateLabels>(again.w(), "coordinateLabels")->isHidden());
    }

    // A game saved and opened again is the same game, reviewed from its end;
    // a file that is not a game is refused in one line and changes nothing.
    void savingAndOpeningFiles() {
        WindowHarness h;
        QTemporaryDir files;
        auto& records = *h.w().findChild<RecordFiles*>(QStringLiteral("recordFiles"));
        QVERIFY(!records.saveFile(files.filePath(QStringLiteral("none.psq"))));
        QCOMPARE(noticeText(h), QStringLiteral("No game to save yet"));
        playBluesFive(h);
        const QString saved = files.filePath(QStringLiteral("win.sgf"));
        QVERIFY(records.saveFile(saved));
        QCOMPARE(noticeText(h), QStringLiteral("Saved as win.sgf"));

        h.press(control<GlyphButton>(h.w(), "playButton"));
        h.clickCell(8, 8);
        const int serial = h.g().boardSerial();
        QVERIFY(!records.openFile(saved));  // not while a game runs
        QCOMPARE(noticeText(h), QStringLiteral("Stop the game to open another"));
        h.press(control<GlyphButton>(h.w(), "stopButton"));

        const struct {
            const char* name;
            QByteArray bytes;
        } refused[] = {{"size.psq", "Piskvorky 19x19, 11:11, 0\r\n"},
                       {"off.psq", "Piskvorky 15x15, 11:11, 0\r\n16,1,0\r\n"},
                       {"twice.psq", "Piskvorky 15x15, 11:11, 0\r\n1,1,0\r\n1,1,0\r\n"},
                       {"junk.psq", QByteArray("\x00\x01\x02zz", 5)},
                       {"go.sgf", "(;GM[1]SZ[19];B[aa])"}};
        for (const auto& bad : refused) {
            QVERIFY2(!records.openFile(writeFile(files, bad.name, bad.bytes)), bad.name);
            QVERIFY2(!noticeText(h).isEmpty() && !noticeText(h).contains(QLatin1Char('\n')),
                     bad.name);
            QCOMPARE(h.g().moveCount(), 1);
            QCOMPARE(h.g().boardSerial(), serial);
            QVERIFY(!h.w().match().reviewing());
        }

        QVERIFY(records.openFile(saved));
        QVERIFY(h.w().match().reviewing());
        QCOMPARE(h.g().moveCount(), 9);
        QCOMPARE(h.g().cell(5, 1), kBlue);
        QCOMPARE(noticeText(h), QStringLiteral("Review \u2014 move 9 of 9"));

        // Ctrl+S and Ctrl+O open their dialogs without blocking the game.
        QVERIFY(activate(h.w()));
        key(h, Qt::Key_S, Qt::ControlModifier);
        QFileDialog* dialog = records.dialog();
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
        dialog->reject();
        QTRY_VERIFY(!records.dialog());
    }

    // While a panel covers the board, the arrows and Enter place nothing;
    // once Escape has closed it they do again.
    void boardKeysRestWhileAPanelCoversTheBoard() {
        WindowHarness h;
        h.press(control<GlyphButton>(h.w(), "opponentButton"));
        h.press(control<GlyphButton>(h.w(), "playButton"));
        QVERIFY(activate(h.w()));
        key(h, Qt::Key_F1);
        QVERIFY(!control<QWidget>(h.w(), "helpViewer")->isHidden());
        for (int k : {Qt::Key_Left, Qt::Key_Return, Qt::Key_Return, Qt::Key_Space})
            key(h, k);
        QCOMPARE(h.g().moveCount(), 0);
        key(h, Qt::Key_Escape);
        key(h, Qt::Key_Return);  // the frame shows
        key(h, Qt::Key_Return);
        QCOMPARE(h.g().moveCount(), 1);
    }
};

QTEST_MAIN(RecordsTest)
#include "tst_records.moc"
