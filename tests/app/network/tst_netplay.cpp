// Network play between two real main windows in one process, over loopback:
// calling and hanging up, whole games seen in both colours, Stop, Exit and a
// closed window, the chat and its log; and a raw socket standing in for a
// peer that sends nonsense or floods.

#include <QFile>
#include <QHostAddress>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <random>
#include <string>
#include <sys/socket.h>
#include <vector>

#include "app/network/chatpanel.h"
#include "app/network/internetpanel.h"
#include "app/network/netlink.h"
#include "app/network/networkplay.h"
#include "app/network/ownaddress.h"
#include "app/shell/mainwindow.h"
#include "app/storage/settingsstore.h"
#include "app/ui/artwork.h"
#include "app/ui/boardpicture.h"
#include "app/ui/resultbanner.h"
#include "app/widgets/alignededit.h"
#include "app/widgets/smoothlabel.h"
#include "core/settings/settingscodec.h"
#include "support/controls.h"
#include "support/gameview.h"
#include "support/qverifyempty.h"
#include "support/recordingsoundoutput.h"
#include "support/settingsgames.h"

using namespace zelvan;
using zelvan::test::GameView;
using zelvan::test::RecordingSoundOutput;
using zelvan::test::Stored;

namespace {

// Socket events take a moment on a loaded machine; nothing here is timed.
constexpr int kWaitMs = 10000;

template <class Pred> bool eventually(Pred pred, int ms = kWaitMs) {
    return QTest::qWaitFor(pred, ms);
}

// A port nobody uses right now, for one test: both windows of a pair listen
// and call on it, as two copies do on their fixed port.
quint16 freePort() {
    QTcpServer probe;
    if (!probe.listen(QHostAddress::AnyIPv4, 0)) return 0;
    return probe.serverPort();
}

void listening(Stored& s) {
    s.options.set(Setting::Listen, 1);
}
void notListening(Stored& s) {
    s.options.set(Setting::Listen, 0);
}

QImage icon(const char* name) {
    return Artwork::keyed(Artwork::load(QString::fromLatin1(name))).toImage();
}

// Resident memory of this process, in KiB.
qint64 residentKiB() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

// One copy of the program: a main window with its own settings folder
// (started from a settings file holding the defaults as changed by tweak), a
// recording sound output, and the port the test gives it.
struct Peer {
    QTemporaryDir folder;
    std::vector<std::string> log;
    RecordingSoundOutput output{log};
    std::unique_ptr<MainWindow> window;

    Peer(quint16 port, const std::function<void(Stored&)>& tweak) {
        Stored stored;
        tweak(stored);
        const std::vector<std::uint8_t> bytes = stored.encoded();
        QFile f(folder.filePath(QStringLiteral("zelvan.ini")));
        if (f.open(QIODevice::WriteOnly))
            f.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
        f.close();

        MainWindowConfig c;
        c.settingsFolder = folder.path();
        c.port = port;
        c.listenOnLoopbackOnly = true;
        c.soundOutput = &output;
        c.screen = QRect(0, 0, 1024, 768);
        // The first board flips the opener drawn here, so the caller's first
        // Play gives the first move to the caller.
        c.random = [](std::uint32_t) { return 0u; };
        window = std::make_unique<MainWindow>(std::move(c));
    }

    MainWindow& w() { return *window; }
    GameView g() { return {*window}; }
    // Play pressed, and its pause over.
    void play() {
        window->onPlayClicked();
        eventually([this] { return g().settled(); });
    }
    QString status() const { return control<SmoothLabel>(*window, "status")->text(); }
    bool waiting() const { return window->cursor().shape() == Qt::WaitCursor; }
    bool chatShown() const {
        return control<ChatPanel>(*window, "chatPanel")->isVisibleTo(window.get());
    }
    QStringList chatLines() const { return control<ChatPanel>(*window, "chatPanel")->lines(); }
    QStringList notices() const { return control<ChatPanel>(*window, "chatPanel")->notices(); }
    // What the banner over the board says (or said last).
    QString banner() const { return control<ResultBanner>(*window, "resultBanner")->text(); }

    QByteArray chatLog() const {
        QFile f(window->settingsStore().chatLogPath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QByteArray settingsFile() const {
        QFile f(folder.filePath(QStringLiteral("zelvan.ini")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    std::vector<std::string> played() const {
        std::vector<std::string> out;
        for (const auto& s : log)
            if (s.rfind("play ", 0) == 0) out.push_back(s.substr(5));
        return out;
    }
    bool hasPlayed(const std::string& sound) const {
        for (const auto& s : played())
            if (s == sound) return true;
        return false;
    }

    // Typed into the upper address field, key by key, then CALL.
    void call(const QString& address) {
        AlignedEdit* field = control<AlignedEdit>(*window, "addressEdit");
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, address);
        window->network().onCallClicked();
    }

    // Typed into the chat input, then Enter.
    void say(const QString& text) {
        control<QLineEdit>(*window, "chatInput")->setText(text);
        QTest::keyClick(control<QLineEdit>(*window, "chatInput"), Qt::Key_Return);
    }

    // A click, and the pause after the piece's sound over.
    void clickCell(int c, int r) {
        const int p = g().cellPitch();
        QTest::mouseClick(control<BoardPicture>(*window, "board"), Qt::LeftButton, Qt::NoModifier,
                          QPoint((c - 1) * (p + 1) + 1 + p / 2, (r - 1) * (p + 1) + 1 + p / 2));
        eventually([this] { return g().settled(); });
    }
};

// The interior of cell (c, r) of the board picture (its frame ring left
// out) against the piece picture the window would draw there.
bool cellShows(MainWindow& w, int c, int r, Side side, bool highlighted = false) {
    static const Artwork art;
    const GameView g{w};
    const QImage& picture = art.piece(side, g.pieceStyle(), g.cellPitch(), highlighted);
    const QImage& board = control<BoardPicture>(w, "board")->bitmap();
    const int p = g.cellPitch();
    const int x0 = (c - 1) * (p + 1) + 1;
    const int y0 = (r - 1) * (p + 1) + 1;
    for (int y = 1; y < p - 1; ++y)
        for (int x = 1; x < p - 1; ++x)
            if ((board.pixel(x0 + x, y0 + y) & 0xffffff) != (picture.pixel(x, y) & 0xffffff))
                return false;
    return true;
}

// Two copies on one free port: b listens, a does not.
struct PeerPair {
    quint16 port = freePort();
    Peer b{port, listening};
    Peer a{port, notListening};
};

// b listens, a calls 127.0.0.1; both end up connected.
bool connectPair(Peer& a, Peer& b) {
    a.call(QStringLiteral("127.0.0.1"));
    return eventually([&] { return a.g().connected() && b.g().connected(); });
}

// The caller presses Play; true once both boards are new and running.
bool startGame(Peer& caller, Peer& other) {
    const int before = other.g().boardSerial();
    caller.play();
    return caller.g().gameRunning() && eventually([&] {
               return other.g().boardSerial() != before && other.g().gameRunning() &&
                      other.g().settled();
           });
}

// Exactly one of the two has the turn, and the one waiting shows the hourglass.
QString turnsAgree(Peer& a, Peer& b) {
    if (a.g().blueToMove() == b.g().blueToMove())
        return QString("both have blueToMove %1").arg(a.g().blueToMove());
    if (a.waiting() != !a.g().blueToMove()) return "the caller's cursor does not match its turn";
    if (b.waiting() != !b.g().blueToMove()) return "the listener's cursor does not match its turn";
    return {};
}

// The side to move clicks (c, r): its Blue piece goes out and lands on the
// other board as Red. Empty on success, else what went wrong.
QString playMove(Peer& mover, Peer& other, int c, int r) {
    if (!mover.g().blueToMove() || other.g().blueToMove()) return "not the mover's turn";
    const int otherMoves = other.g().moveCount();
    mover.clickCell(c, r);
    if (mover.g().cell(c, r) != kBlue) return "the click placed no Blue piece";
    if (!cellShows(mover.w(), c, r, Side::Blue, mover.g().winner() == kBlue))
        return "the Blue piece is not drawn";
    if (mover.g().gameRunning() && !mover.waiting()) return "no hourglass after the move went out";
    if (!eventually([&] { return other.g().moveCount() == otherMoves + 1; }))
        return "the move never arrived";
    if (other.g().cell(c, r) != kRed) return "the move did not land as Red";
    if (!cellShows(other.w(), c, r, Side::Red, other.g().winner() == kRed))
        return "the Red piece is not drawn";
    if (other.waiting()) return "the receiver still shows the hourglass";
    if (!other.g().blueToMove()) return "the receiver did not get the turn";
    return {};
}

// The colours of one board seen from the other machine.
bool mirrored(const GameView& a, const GameView& b) {
    for (int i = 0; i < kCellCount; ++i) {
        const std::uint8_t swapped = b.cells()[i] == kBlue  ? kRed
                                     : b.cells()[i] == kRed ? kBlue
                                                            : kNone;
        if (a.cells()[i] != swapped) return false;
    }
    return true;
}

// A bare TCP connection standing in for the peer; it collects what the
// window sends it.
struct RawPeer {
    QTcpSocket socket;
    QByteArray got;

    RawPeer() {
        QObject::connect(&socket, &QTcpSocket::readyRead, [this] { got += socket.readAll(); });
    }
    // Calls the window listening on port; empty once both ends are connected.
    QString connectTo(quint16 port, Peer& w) {
        socket.connectToHost(QHostAddress(QHostAddress::LocalHost), port);
        if (!eventually([&] { return socket.state() == QAbstractSocket::ConnectedState; }))
            return "the raw peer did not connect";
        if (!eventually([&] { return w.g().connected() == 1; }))
            return "the window did not take the raw peer's call";
        return {};
    }
    // Sends bytes and waits until the window has read them all and handled
    // them, so the next message comes in a read of its own.
    bool deliver(MainWindow& w, const QByteArray& bytes) {
        const std::int64_t total = w.netLink().bytesReceived() + bytes.size();
        socket.write(bytes);
        // Handed over, and every pause it started over.
        return eventually(
            [&] { return w.netLink().bytesReceived() >= total && GameView{w}.settled(); });
    }
    // Takes everything received so far.
    QByteArray take() {
        QByteArray out;
        out.swap(got);
        return out;
    }
};

// A listening copy and the bare socket that is to call it.
struct ListenerAndRawPeer {
    quint16 port = freePort();
    Peer w{port, listening};
    RawPeer raw;
};

// What must not change when a message is ignored.
struct Snapshot {
    Board cells;
    QImage bitmap;
    std::uint8_t blueToMove, gameRunning, winner;
    int moveCount;
    std::array<std::uint8_t, 10> history;
    bool waiting;

    explicit Snapshot(Peer& p)
        : cells(p.g().cells()), bitmap(control<BoardPicture>(p.w(), "board")->bitmap()),
          blueToMove(p.g().blueToMove()), gameRunning(p.g().gameRunning()), winner(p.g().winner()),
          moveCount(p.g().moveCount()), history(p.g().resultHistory()), waiting(p.waiting()) {}

    QString differsFrom(Peer& p) const {
        if (p.g().cells() != cells) return "cells changed";
        if (control<BoardPicture>(p.w(), "board")->bitmap() != bitmap)
            return "the board picture changed";
        if (p.g().blueToMove() != blueToMove) return "the turn changed";
        if (p.g().gameRunning() != gameRunning || p.g().winner() != winner)
            return "the game state changed";
        if (p.g().moveCount() != moveCount) return "the move count changed";
        if (p.g().resultHistory() != history) return "the history changed";
        if (p.waiting() != waiting) return "the cursor changed";
        return {};
    }
};

// What a peer does once a window has read `bytes` more bytes, that is,
// while the window handles them (a PLAY pauses 300 ms, letting events run).
void onceReceived(QTimer& watch, Peer& p, std::int64_t bytes, std::function<void()> act) {
    const std::int64_t target = p.w().netLink().bytesReceived() + bytes;
    watch.setInterval(1);
    QObject::connect(&watch, &QTimer::timeout, [&watch, &p, target, act = std::move(act)] {
        if (p.w().netLink().bytesReceived() < target) return;
        watch.stop();
        act();
    });
    watch.start();
}

// A test that may crash the process runs again on its own in a child
// process; the parent judges its outcome.
constexpr const char* kChildVariable = "ZELVAN_NETPLAY_CHILD";

bool inChild() {
    return qEnvironmentVariableIsSet(kChildVariable);
}

// Empty when the one test function passed in a child process, else what
// the child reported.
QString runAlone(const char* function) {
    QProcess child;
    // A child that crashes leaves its temporary folders behind: they go
    // inside one the parent removes.
    QTemporaryDir scratch;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TMPDIR"), scratch.path());
    env.insert(QString::fromLatin1(kChildVariable), QStringLiteral("1"));
    env.insert(QStringLiteral("QTEST_DISABLE_CORE_DUMP"), QStringLiteral("1"));
    env.insert(QStringLiteral("QTEST_DISABLE_STACK_DUMP"), QStringLiteral("1"));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(function)});
    if (!child.waitForFinished(60000)) {
        child.kill();
        child.waitForFinished();
        return QStringLiteral("the child did not finish");
    }
    if (child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0) return {};
    QString report = child.exitStatus() == QProcess::CrashExit ? QStringLiteral("the child crashed")
                                                               : QStringLiteral("the child failed");
    for (const QByteArray& line : child.readAll().split('\n'))
        if (line.startsWith("FAIL!") || line.contains("Loc:") || line.startsWith("Received signal"))
            report += QStringLiteral("\n") + QString::fromLocal8Bit(line.trimmed());
    return report;
}

}  // namespace

// Runs the current test function alone in a child process and judges it
// there; the child itself goes on with the test.
#define RUN_ALONE_IN_A_CHILD()                                                                     \
    do {                                                                                           \
        if (!inChild()) {                                                                          \
            QVERIFY_EMPTY(runAlone(QTest::currentTestFunction()));                                 \
            return;                                                                                \
        }                                                                                          \
    } while (0)

class NetPlayTest : public QObject {
    Q_OBJECT
private slots:
    void callConnectsAndOnlyTheCallerStartsGames() {
        PeerPair peers;
        auto& b = peers.b;
        auto& a = peers.a;
        QCOMPARE(b.status(), QString("Listening"));
        QCOMPARE(a.status(), QString("Not connected"));
        QVERIFY(b.w().netLink().isListening());
        QVERIFY(!a.w().netLink().isListening());
        QCOMPARE(control<QLabel>(a.w(), "connectionIcon")->pixmap().toImage(),
                 icon("icons/noconnection.png"));

        QVERIFY(connectPair(a, b));
        QCOMPARE(a.status(), QString("Connected"));
        QCOMPARE(b.status(), QString("Connected"));
        QCOMPARE(control<AlignedEdit>(b.w(), "callerAddress")->text(), QString("127.0.0.1"));
        // Nobody called a: its own address, for the player to pass on.
        QCOMPARE(control<AlignedEdit>(a.w(), "callerAddress")->text(), ownAddress());
        QCOMPARE(b.banner(), QString("Caller 127.0.0.1 joined"));
        QCOMPARE(a.banner(), QString("Connected to 127.0.0.1"));
        QVERIFY(b.hasPlayed("Calling"));
        QCOMPARE(int(b.g().acceptedPeer()), 1);
        QCOMPARE(int(a.g().acceptedPeer()), 0);
        QCOMPARE(a.g().peerAddress(), std::string("127.0.0.1"));
        QCOMPARE(control<QLabel>(a.w(), "connectionIcon")->pixmap().toImage(),
                 icon("icons/check.png"));
        QCOMPARE(control<QLabel>(b.w(), "connectionIcon")->pixmap().toImage(),
                 icon("icons/check.png"));
        QVERIFY(a.hasPlayed("Calling"));

        // Play on the side that accepted: its sound, and nothing else. The
        // STOP that follows is the first thing the caller receives.
        b.log.clear();
        const int serial = b.g().boardSerial();
        b.play();
        QCOMPARE(b.played(), std::vector<std::string>{"Play"});
        QCOMPARE(int(b.g().gameRunning()), 0);
        QCOMPARE(b.g().boardSerial(), serial);
        b.w().match().stop();
        QVERIFY(eventually([&] { return a.w().netLink().bytesReceived() >= 4; }));
        QCOMPARE(a.w().netLink().bytesReceived(), std::int64_t(4));
        QCOMPARE(int(a.g().gameRunning()), 0);

        // CALL while connected: a good address does nothing, a bad one only
        // says so; the connection stays up either way.
        a.call(QStringLiteral("127.0.0.1"));
        QCOMPARE(a.status(), QString("Connected"));
        a.call(QStringLiteral("1.2.3.256"));
        QCOMPARE(a.status(), QString("IP error!"));
        QVERIFY(a.hasPlayed("Error"));
        QCOMPARE(int(a.g().connected()), 1);
        QCOMPARE(int(b.g().connected()), 1);
    }

    // The caller opens and wins along a row: Blue's win on its screen, Red's
    // on the other, each scored in its own colours.
    void wholeGameSeenInBothColours() {
        PeerPair peers;
        auto& b = peers.b;
        auto& a = peers.a;
        QVERIFY(connectPair(a, b));
        QVERIFY(startGame(a, b));
        QCOMPARE(int(a.g().blueToMove()), 1);
        QVERIFY_EMPTY(turnsAgree(a, b));
        QVERIFY(b.waiting());

        for (int c = 1; c <= 4; ++c) {
            QVERIFY_EMPTY(playMove(a, b, c, 1));
            QVERIFY_EMPTY(playMove(b, a, c, 3));
        }
        a.log.clear();
        b.log.clear();
        QVERIFY_EMPTY(playMove(a, b, 5, 1));
        QVERIFY(eventually([&] { return b.g().winner() == kRed; }));

        QCOMPARE(a.g().winner(), kBlue);
        QCOMPARE(int(a.g().gameRunning()), 0);
        QCOMPARE(int(b.g().gameRunning()), 0);
        QVERIFY(mirrored(a.g(), b.g()));
        QVERIFY(a.hasPlayed("BlueWins"));
        QVERIFY(b.hasPlayed("RedWins"));
        QCOMPARE(a.banner(), QString("You win!"));
        QCOMPARE(b.banner(), QString("Red wins"));
        QVERIFY(!a.waiting());
        QVERIFY(!b.waiting());
        // The winning line shows in one look on each board (it blinks).
        for (auto [p, side] : {std::pair<Peer*, Side>{&a, Side::Blue}, {&b, Side::Red}}) {
            const bool lit = cellShows(p->w(), 1, 1, side, true);
            for (int c = 1; c <= 5; ++c)
                QVERIFY(cellShows(p->w(), c, 1, side, lit));
        }

        QCOMPARE(a.g().resultHistory()[0], kBlue);
        QCOMPARE(b.g().resultHistory()[0], kRed);
        QCOMPARE(a.g().scoreBlue(), 1001);
        QCOMPARE(a.g().scoreRed(), 999);
        QCOMPARE(b.g().scoreBlue(), 999);
        QCOMPARE(b.g().scoreRed(), 1001);
        QVERIFY(
            eventually([&] { return control<SmoothLabel>(a.w(), "blueScore")->text() == "1001"; }));
        QVERIFY(
            eventually([&] { return control<SmoothLabel>(b.w(), "redScore")->text() == "1001"; }));
        QVERIFY(
            eventually([&] { return control<SmoothLabel>(a.w(), "redScore")->text() == "999"; }));
        QVERIFY(
            eventually([&] { return control<SmoothLabel>(b.w(), "blueScore")->text() == "999"; }));
        QCOMPARE(quint8(a.settingsFile().at(8)), quint8(kBlue));
        QCOMPARE(quint8(b.settingsFile().at(8)), quint8(kRed));
    }

    // On both machines the same person opens, and the opener passes back and
    // forth; a Play over a running game scores it on both sides first.
    void openerAlternatesAndPlayOverAGameScoresIt() {
        PeerPair peers;
        auto& b = peers.b;
        auto& a = peers.a;
        QVERIFY(connectPair(a, b));

        QVERIFY(startGame(a, b));
        QVERIFY_EMPTY(turnsAgree(a, b));
        const bool callerOpenedFirst = a.g().blueToMove() != 0;
        Peer& first = callerOpenedFirst ? a : b;
        Peer& second = callerOpenedFirst ? b : a;
        QVERIFY_EMPTY(playMove(first, second, 8, 8));
        // second is to move when the caller starts the next game: it loses
        // on both machines.
        QVERIFY(startGame(a, b));
        QCOMPARE(second.g().resultHistory()[0], kRed);
        QCOMPARE(first.g().resultHistory()[0], kBlue);
        QCOMPARE(a.g().resultHistory()[1], kNone);
        QCOMPARE(b.g().resultHistory()[1], kNone);

        QVERIFY_EMPTY(turnsAgree(a, b));
        QCOMPARE(bool(second.g().blueToMove()), true);
        QCOMPARE(a.g().cell(8, 8), kNone);
        QCOMPARE(b.g().cell(8, 8), kNone);
        QVERIFY_EMPTY(playMove(second, first, 7, 7));

        // The boards follow the caller's size.
        a.w().match().stop();
        QVERIFY(eventually([&] { return !b.g().gameRunning(); }));
        a.w().match().size();  // 20 x 20, and the opener flips once more
        QVERIFY(startGame(a, b));
        QCOMPARE(b.g().boardSize(), 20);
        QCOMPARE(b.g().cellPitch(), 27);
        QVERIFY_EMPTY(turnsAgree(a, b));
        // The size click flipped the caller's opener once more.
        QCOMPARE(bool(a.g().blueToMove()), !callerOpenedFirst);
    }

    void stopFromEitherSide() {
        PeerPair peers;
        auto& b = peers.b;
        auto& a = peers.a;
        QVERIFY(connectPair(a, b));

        // The caller opens and stops on its own turn: it loses on both.
        QVERIFY(startGame(a, b));
        QCOMPARE(int(a.g().blueToMove()), 1);
        a.w().match().stop();
        QVERIFY(eventually([&] { return !b.g().gameRunning(); }));
        QCOMPARE(int(a.g().gameRunning()), 0);
        QCOMPARE(a.g().resultHistory()[0], kRed);
        QCOMPARE(b.g().resultHistory()[0], kBlue);
        QCOMPARE(a.banner(), QString::fromUtf8("Stopped — Blue loses the game"));
        QCOMPARE(b.banner(), QString::fromUtf8("Red stopped — Red loses the game"));
        QVERIFY(!a.waiting());
        QVERIFY(!b.waiting());

        // The listener opens the next game, moves, and stops while the
        // caller is to move: the caller loses again on both.
        QVERIFY(startGame(a, b));
        QCOMPARE(int(b.g().blueToMove()), 1);
        QVERIFY_EMPTY(playMove(b, a, 8, 8));
        QVERIFY(b.waiting());
        b.w().match().stop();
        QVERIFY(!b.waiting());
        QVERIFY(eventually([&] { return !a.g().gameRunning(); }));
        QCOMPARE(b.g().resultHistory()[0], kBlue);
        QCOMPARE(a.g().resultHistory()[0], kRed);
        QCOMPARE(b.g().resultHistory()[1], kBlue);
        QCOMPARE(a.g().resultHistory()[1], kRed);
        QCOMPARE(int(a.g().winner()), 0);
        QCOMPARE(int(b.g().winner()), 0);
        QVERIFY(!a.waiting());
    }

    void endFromEitherSide() {
        PeerPair peers;
        auto& b = peers.b;
        auto& a = peers.a;

        // The caller hangs up during its own turn.
        QVERIFY(connectPair(a, b));
        QVERIFY(startGame(a, b));
        QCOMPARE(int(a.g().blueToMove()), 1);
        a.w().network().onEndClicked();
        QCOMPARE(a.status(), QString("Not connected"));
        QVERIFY(eventually([&] { return !b.g().connected(); }));
        QCOMPARE(b.status(), QString("Not connected"));
        QVERIFY(b.w().netLink().isListening());
        QVERIFY(!a.w().netLink().isListening());
        QCOMPARE(control<QLabel>(a.w(), "connectionIcon")->pixmap().toImage(),
                 icon("icons/noconnection.png"));
        QCOMPARE(control<QLabel>(b.w(), "connectionIcon")->pixmap().toImage(),
                 icon("icons/noconnection.png"));
        QCOMPARE(int(a.g().gameRunning()), 0);
        QCOMPARE(int(b.g().gameRunning()), 0);
        QCOMPARE(a.g().resultHistory()[0], kRed);
        QCOMPARE(b.g().resultHistory()[0], kBlue);
        QVERIFY(!b.waiting());
        QCOMPARE(a.banner(), QString::fromUtf8("Hung up — Blue loses the game"));
        QCOMPARE(b.banner(), QString::fromUtf8("Red left — Red loses the game"));

        // The listener takes the next call, opens the game, and hangs up on
        // its own turn while the caller waits.
        QVERIFY(connectPair(a, b));
        QCOMPARE(b.w().netLink().acceptedCount(), 1);
        QVERIFY(startGame(a, b));
        QCOMPARE(int(b.g().blueToMove()), 1);
        QVERIFY(a.waiting());
        b.w().network().onEndClicked();
        QCOMPARE(b.status(), QString("Not connected"));
        QCOMPARE(int(b.g().acceptedPeer()), 0);
        QVERIFY(b.w().netLink().isListening());
        QVERIFY(eventually([&] { return !a.g().connected(); }));
        QVERIFY(!a.waiting());
        QCOMPARE(a.status(), QString("Not connected"));
        QCOMPARE(a.g().resultHistory()[0], kBlue);
        QCOMPARE(b.g().resultHistory()[0], kRed);
        QCOMPARE(a.g().resultHistory()[1], kRed);
        QCOMPARE(b.g().resultHistory()[1], kBlue);

        // END with nothing connected does nothing.
        b.w().network().onEndClicked();
        QCOMPARE(b.status(), QString("Not connected"));
        QVERIFY(b.w().netLink().isListening());
    }

    // The peer's program ends mid-game: by Exit, by the system's close
    // request, or by its window simply going away. The side to move loses on
    // every machine that is still there to record it.
    void peerWindowClosingMidGame() {
        const quint16 port = freePort();
        auto b = std::make_unique<Peer>(port, listening);
        auto a = std::make_unique<Peer>(port, notListening);

        // Exit on the caller while it is to move.
        QVERIFY(connectPair(*a, *b));
        QVERIFY(startGame(*a, *b));
        QCOMPARE(int(a->g().blueToMove()), 1);
        a->w().onExitClicked();
        QVERIFY(eventually([&] { return !b->g().connected(); }));
        QCOMPARE(a->g().resultHistory()[0], kRed);
        QCOMPARE(b->g().resultHistory()[0], kBlue);
        QCOMPARE(a->g().resultHistory()[1], kNone);
        QCOMPARE(b->g().resultHistory()[1], kNone);
        QCOMPARE(quint8(a->settingsFile().at(8)), quint8(kRed));
        QCOMPARE(int(b->g().gameRunning()), 0);
        QCOMPARE(b->status(), QString("Not connected"));
        a.reset();

        // The listener's window is closed while the caller is to move (the
        // second game: the caller's opener has flipped, so after one move).
        a = std::make_unique<Peer>(port, notListening);
        QVERIFY(connectPair(*a, *b));
        QVERIFY(startGame(*a, *b));
        QCOMPARE(int(a->g().blueToMove()), 1);
        QVERIFY_EMPTY(playMove(*a, *b, 8, 8));
        QVERIFY_EMPTY(playMove(*b, *a, 9, 9));
        b->w().close();
        QVERIFY(eventually([&] { return !a->g().connected(); }));
        QCOMPARE(a->g().resultHistory()[0], kRed);
        QCOMPARE(b->g().resultHistory()[0], kBlue);
        QCOMPARE(b->g().resultHistory()[1], kBlue);
        QCOMPARE(quint8(b->settingsFile().at(8)), quint8(kBlue));
        QCOMPARE(int(a->g().gameRunning()), 0);
        QVERIFY(!a->waiting());
        b.reset();

        // The caller's window is destroyed outright while the listener waits.
        b = std::make_unique<Peer>(port, listening);
        QVERIFY(connectPair(*a, *b));
        QVERIFY(startGame(*a, *b));
        Peer& mover = a->g().blueToMove() ? *a : *b;
        Peer& waiter = a->g().blueToMove() ? *b : *a;
        QVERIFY_EMPTY(playMove(mover, waiter, 5, 5));
        const bool listenerWaits = b->waiting();
        a.reset();
        QVERIFY(eventually([&] { return !b->g().connected(); }));
        QCOMPARE(int(b->g().gameRunning()), 0);
        QCOMPARE(b->g().resultHistory()[0], listenerWaits ? kBlue : kRed);
        QVERIFY(!b->waiting());
        QVERIFY(b->w().netLink().isListening());
    }

    void chatBothWaysWithTheLog() {
        const quint16 port = freePort();
        Peer b(port, [](Stored& s) {
            s.options.set(Setting::Listen, 1);
            s.options.set(Setting::ChatBox, 0);
        });
        Peer a(port, [](Stored& s) {
            s.options.set(Setting::Listen, 0);
            s.options.set(Setting::ChatBox, 1);
        });
        // Lines of earlier runs stay in the log.
        {
            QFile f(a.w().settingsStore().chatLogPath());
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("x: earlier\r\n");
        }
        QVERIFY(!a.chatShown());
        QVERIFY(connectPair(a, b));
        QVERIFY(a.chatShown());
        QVERIFY(!b.chatShown());

        a.say(QStringLiteral("hello"));
        QCOMPARE(a.chatLines(), QStringList{"x: hello"});
        QVERIFY(control<QLineEdit>(a.w(), "chatInput")->text().isEmpty());
        QVERIFY(eventually([&] { return !b.chatLines().isEmpty(); }));
        QCOMPARE(b.chatLines(), QStringList{"o: hello"});
        QVERIFY(b.chatShown());
        QCOMPARE(control<SmoothLabel>(b.w(), "chatCaption")->text(), QString("Show chat box"));
        QCOMPARE(int(b.g().chatBoxOn()), 0);

        b.say(QStringLiteral("hello"));
        QVERIFY(eventually([&] { return a.chatLines().size() == 2; }));
        QCOMPARE(a.chatLines(), (QStringList{"x: hello", "o: hello"}));
        QCOMPARE(b.chatLines(), (QStringList{"o: hello", "x: hello"}));

        // Enter on an empty input does nothing, not even a sound.
        a.log.clear();
        a.say(QString());
        QCOMPARE(a.chatLines().size(), 2);
        QVERIFY(a.played().empty());

        // Text outside Latin-1 travels as "?"; Latin-1 letters as one byte.
        a.say(QString::fromUtf8("\u03a9mega \u00e7a"));
        QVERIFY(eventually([&] { return b.chatLines().size() == 3; }));
        QCOMPARE(b.chatLines().last(), QString::fromUtf8("o: ?mega \u00e7a"));
        QCOMPARE(a.chatLines().last(), QString::fromUtf8("x: ?mega \u00e7a"));

        QCOMPARE(a.chatLog(), QByteArray("x: earlier\r\nx: hello\r\no: hello\r\nx: ?mega \xe7"
                                         "a\r\n"));
        QCOMPARE(b.chatLog(), QByteArray("o: hello\r\nx: hello\r\no: ?mega \xe7"
                                         "a\r\n"));

        // A character beyond the basic plane is one character, one "?".
        a.say(QString::fromUtf8("\U0001F600!"));
        QVERIFY(eventually([&] { return b.chatLines().size() == 4; }));
        QCOMPARE(b.chatLines().last(), QString("o: ?!"));

        // The line of a closed chat box still arrives and opens it.
        b.w().network().onChatCloseClicked();
        QVERIFY(!b.chatShown());
        a.say(QStringLiteral("again"));
        QVERIFY(eventually([&] { return b.chatShown(); }));
        QCOMPARE(b.chatLines().last(), QString("o: again"));

        // The game's own news are dim notices between the lines, while the
        // box is open; the log keeps only what was said.
        const QByteArray logBefore = a.chatLog();
        b.w().network().onEndClicked();
        QVERIFY(eventually([&] { return !a.g().connected(); }));
        QCOMPARE(a.banner(), QString("Red hung up"));
        QCOMPARE(a.notices(), (QStringList{"Connected to 127.0.0.1", "Red hung up"}));
        QCOMPARE(a.chatLines().size(), 5);
        QVERIFY(b.notices().isEmpty());  // its box opened after the caller had joined
        QCOMPARE(a.chatLog(), logBefore);
    }

    void chatEnterWhileNotConnected() {
        Peer a(freePort(), notListening);
        a.w().network().onChatToggleClicked();
        QVERIFY(a.chatShown());
        a.log.clear();
        a.say(QStringLiteral("anyone?"));
        QCOMPARE(a.played(), std::vector<std::string>{"Error"});
        QCOMPARE(control<QLineEdit>(a.w(), "chatInput")->text(), QString("anyone?"));
        QVERIFY(a.chatLines().isEmpty());
        QVERIFY(!QFile::exists(a.w().settingsStore().chatLogPath()));
    }

    // Addresses that fail the check are refused before anything is called.
    void callRefusesBadAddresses() {
        Peer a(freePort(), listening);
        const char* bad[] = {"1.2.3.256", "1..2.3.4",         ".1.2.3.4", "1.2.3.4.5",
                             "10.2.3.",   "1.2.3.4 ",         "a.b.c.d",  "10.0.0.1000",
                             "1.2.3",     "127.000.000.0001", "-1.0.0.1", "$100.0.0.1",
                             "",          "127.0.0.1x"};
        for (const char* address : bad) {
            a.log.clear();
            a.call(QString::fromLatin1(address));
            QVERIFY2(a.status() == "IP error!", address);
            QCOMPARE(a.played(), std::vector<std::string>{"Error"});
            QVERIFY(a.w().netLink().isListening());
            QVERIFY(!a.w().netLink().callPending());
            QCOMPARE(a.g().peerAddress(), std::string(address));
        }
    }

    // Every spelling the check accepts reaches the address it was read as:
    // here always 127.0.0.1, where the listener waits.
    void callConnectsToTheAddressThatWasChecked() {
        PeerPair peers;
        auto& b = peers.b;
        auto& a = peers.a;
        const char* good[] = {"127.0.0.1", "127.000.000.001", " 127.0.0.1", "$7f.0.0.x1",
                              "+127.0.0.01"};
        for (const char* address : good) {
            QString seen;
            QTimer::singleShot(0, &a.w(), [&] { seen = a.status(); });
            a.call(QString::fromLatin1(address));
            QVERIFY(eventually([&] { return a.g().connected() && b.g().connected(); }));
            QVERIFY2(seen == "Calling...", qPrintable(QString(address) + ": " + seen));
            QCOMPARE(control<AlignedEdit>(b.w(), "callerAddress")->text(), QString("127.0.0.1"));
            a.w().network().onEndClicked();
            QVERIFY(eventually([&] { return !b.g().connected(); }));
        }
    }

    // A call that nobody answers is refused, and says so; the side listens
    // again only if Listen is on. A game against the computer that was
    // running meanwhile goes on: no connection ever came up to end it.
    void callToAPortNobodyListensOn() {
        for (bool listen : {true, false}) {
            Peer a(freePort(), listen ? listening : notListening);
            QCOMPARE(a.w().netLink().isListening(), listen);
            a.play();
            QCOMPARE(int(a.g().gameRunning()), 1);
            QString seen;
            QTimer::singleShot(0, &a.w(), [&] { seen = a.status(); });
            a.log.clear();
            a.call(QStringLiteral("127.0.0.1"));  // its own port, closed for the call
            QVERIFY(eventually([&] { return a.status() == "Refused by 127.0.0.1"; }));
            QCOMPARE(seen, QString("Calling..."));
            QVERIFY(a.hasPlayed("Calling"));
            QVERIFY(a.hasPlayed("Error"));
            QCOMPARE(int(a.g().connected()), 0);
            QCOMPARE(a.w().netLink().isListening(), listen);
            QCOMPARE(control<QLabel>(a.w(), "connectionIcon")->pixmap().toImage(),
                     icon("icons/noconnection.png"));
            QCOMPARE(int(a.g().gameRunning()), 1);
            QCOMPARE(a.g().resultHistory()[0], kNone);
        }
    }

    // The lower field's own address: the first IPv4 one beside loopback.
    void ownAddressSkipsLoopbackAndIPv6() {
        const QHostAddress loop(QHostAddress::LocalHost), v6(QStringLiteral("fe80::1")),
            lan(QStringLiteral("192.168.1.20")), other(QStringLiteral("10.0.0.7"));
        QCOMPARE(firstOwnAddress({loop, v6, lan, other}), QString("192.168.1.20"));
        QCOMPARE(firstOwnAddress({v6, loop}), QString("127.0.0.1"));
        QCOMPARE(firstOwnAddress({}), QString("127.0.0.1"));
    }

    // A copy whose port is taken starts all the same; the status and the
    // toggle say that it does not listen, with no dialog, and Listen tries
    // again.
    void portTakenAtStartUp() {
        QTcpServer holder;
        QVERIFY(holder.listen(QHostAddress::AnyIPv4, 0));
        const quint16 port = holder.serverPort();
        Peer second(port, [](Stored& s) {
            s.options.set(Setting::Listen, 1);
            s.scores.restore(1234, 1000, {});
        });
        const QString busy = QString("Port %1 busy").arg(port);
        QCOMPARE(second.status(), busy);
        QCOMPARE(control<SmoothLabel>(second.w(), "listenCaption")->text(), QString("Listen"));
        QVERIFY(!second.w().netLink().isListening());
        // The rest of the start-up ran: settings, board, timers; the choice
        // to listen stays in the settings.
        QCOMPARE(int(second.g().listenOn()), 1);
        QCOMPARE(control<SmoothLabel>(second.w(), "blueScore")->text(), QString("1234"));
        QCOMPARE(control<BoardPicture>(second.w(), "board")->boardSize(), 15);
        QVERIFY(control<QTimer>(second.w(), "tickTimer")->isActive());

        // Listen while the port is still taken: the same answer.
        second.w().network().onListenClicked();
        QCOMPARE(second.status(), busy);
        QCOMPARE(control<SmoothLabel>(second.w(), "listenCaption")->text(), QString("Listen"));
        QVERIFY(second.w().findChildren<QMessageBox*>().isEmpty());

        // Once the port is free, Listen opens it; a second press closes it.
        holder.close();
        second.w().network().onListenClicked();
        QCOMPARE(second.status(), QString("Listening"));
        QCOMPARE(control<SmoothLabel>(second.w(), "listenCaption")->text(), QString("Stop listen"));
        QVERIFY(second.w().netLink().isListening());
        second.w().network().onListenClicked();
        QCOMPARE(second.status(), QString("Not connected"));
        QCOMPARE(int(second.g().listenOn()), 0);
        QVERIFY(!second.w().netLink().isListening());
    }

    // While connected, a further caller is closed at once; what it managed
    // to send never reaches the game.
    void secondCallerIsTurnedAway() {
        PeerPair peers;
        auto& port = peers.port;
        auto& b = peers.b;
        auto& a = peers.a;
        QVERIFY(connectPair(a, b));
        QVERIFY(startGame(a, b));

        const std::int64_t received = b.w().netLink().bytesReceived();
        RawPeer intruder;
        QObject::connect(&intruder.socket, &QTcpSocket::connected,
                         [&] { intruder.socket.write("STOP"); });
        intruder.socket.connectToHost(QHostAddress(QHostAddress::LocalHost), port);
        QVERIFY(eventually(
            [&] { return intruder.socket.state() == QAbstractSocket::UnconnectedState; }));
        QCOMPARE(b.status(), QString("Connected"));
        QCOMPARE(int(b.g().gameRunning()), 1);
        QCOMPARE(b.w().netLink().acceptedCount(), 1);
        QCOMPARE(b.w().netLink().bytesReceived(), received);
        QCOMPARE(control<AlignedEdit>(b.w(), "callerAddress")->text(), QString("127.0.0.1"));

        // The first peer plays on.
        QVERIFY_EMPTY(playMove(a, b, 8, 8));
    }

    // The connection ends while the window is inside the handler of a read
    // that is still running (the pause a PLAY starts with): by the peer
    // hanging up, with or without a last line, or by END pressed here. Each
    // runs in a process of its own, so that a crash is a result.
    void peerHangsUpDuringAPause() {
        RUN_ALONE_IN_A_CHILD();
        ListenerAndRawPeer peers;
        auto& port = peers.port;
        auto& w = peers.w;
        auto& raw = peers.raw;
        QVERIFY_EMPTY(raw.connectTo(port, w));
        QTimer watch;
        onceReceived(watch, w, 6, [&] { raw.socket.disconnectFromHost(); });
        raw.socket.write("PLAY1C");
        QVERIFY(eventually([&] { return !w.g().connected(); }));
        QVERIFY(!watch.isActive());
        QCOMPARE(int(w.g().gameRunning()), 0);
        QCOMPARE(w.status(), QString("Not connected"));
        QVERIFY(w.w().netLink().isListening());
    }

    void endPressedDuringAPause() {
        RUN_ALONE_IN_A_CHILD();
        PeerPair peers;
        auto& b = peers.b;
        auto& a = peers.a;
        QVERIFY(connectPair(a, b));
        QTimer watch;
        onceReceived(watch, b, 6, [&] { b.w().network().onEndClicked(); });
        a.w().onPlayClicked();
        QVERIFY(eventually([&] { return !a.g().connected() && !b.g().connected(); }));
        QVERIFY(!watch.isActive());
        QCOMPARE(int(b.g().gameRunning()), 0);
        QVERIFY(b.w().netLink().isListening());
        // The caller's game ended with the connection, scored once.
        QCOMPARE(int(a.g().gameRunning()), 0);
        QCOMPARE(a.g().resultHistory()[0], kRed);
        QCOMPARE(a.g().resultHistory()[1], kNone);
    }

    // The peer's last line, sent just before it hangs up, still reaches the
    // history and the log.
    void lastLineBeforeHangUpIsKept() {
        RUN_ALONE_IN_A_CHILD();
        ListenerAndRawPeer peers;
        auto& port = peers.port;
        auto& w = peers.w;
        auto& raw = peers.raw;
        QVERIFY_EMPTY(raw.connectTo(port, w));
        QTimer watch;
        onceReceived(watch, w, 6, [&] {
            raw.socket.write("CHATbye");
            raw.socket.disconnectFromHost();
        });
        raw.socket.write("PLAY1C");
        QVERIFY(eventually([&] { return !w.g().connected(); }));
        QVERIFY(!watch.isActive());
        QCOMPARE(w.chatLines(), QStringList{"o: bye"});
        QCOMPARE(w.chatLog(), QByteArray("o: bye\r\n"));
    }

    // The same on the side that called: a bare listener answers the call,
    // sends a PLAY, and a last line as it hangs up.
    void callerKeepsTheLastLineBeforeHangUp() {
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress(QHostAddress::LocalHost), 0));
        Peer a(server.serverPort(), notListening);
        a.call(QStringLiteral("127.0.0.1"));
        QVERIFY(eventually([&] { return a.g().connected() && server.hasPendingConnections(); }));
        QTcpSocket* peer = server.nextPendingConnection();
        QTimer watch;
        onceReceived(watch, a, 6, [&] {
            peer->write("CHATbye");
            peer->disconnectFromHost();
        });
        peer->write("PLAY1C");
        QVERIFY(eventually([&] { return !a.g().connected(); }));
        QVERIFY(!watch.isActive());
        QCOMPARE(a.status(), QString("Not connected"));
        QCOMPARE(a.chatLines(), QStringList{"o: bye"});
    }

    // What arrives during a PLAY's pause keeps its boundaries: a chat line
    // sent in the pause and a move 50 ms later stay a line and a move.
    void arrivalsDuringAPauseKeepTheirBoundaries() {
        ListenerAndRawPeer peers{};
        [[maybe_unused]] auto& port = peers.port;
        [[maybe_unused]] auto& w = peers.w;
        [[maybe_unused]] auto& raw = peers.raw;
        QVERIFY_EMPTY(raw.connectTo(port, w));
        QTimer watch;
        onceReceived(watch, w, 6, [&] {
            raw.socket.write("CHAThi");
            QTimer::singleShot(50, &raw.socket, [&] { raw.socket.write("MOVE0808"); });
        });
        raw.socket.write("PLAY1C");
        QVERIFY(eventually([&] { return w.g().cell(8, 8) == kRed; }));
        QCOMPARE(w.chatLines(), QStringList{"o: hi"});
        QCOMPARE(w.chatLog(), QByteArray("o: hi\r\n"));
        QCOMPARE(int(w.g().blueToMove()), 1);
    }

    // A peer that sends PLAY and leaves during its pause starts and scores
    // nothing, although its disconnect is reported only after the read. A
    // game that was running is scored once, by the end of the connection.
    void peerLeavingDuringAPauseStartsNothing() {
        const quint16 port = freePort();
        Peer w(port, listening);
        for (bool gameBefore : {false, true}) {
            RawPeer raw;
            QVERIFY_EMPTY(raw.connectTo(port, w));
            if (gameBefore) QVERIFY(raw.deliver(w.w(), "PLAY1C"));  // the peer is to move
            const auto history = w.g().resultHistory();
            const int boards = w.g().boardSerial();
            QTimer watch;
            onceReceived(watch, w, 6, [&] { raw.socket.disconnectFromHost(); });
            raw.socket.write("PLAY1S");
            QVERIFY(eventually([&] { return !w.g().connected(); }));
            QVERIFY(!watch.isActive());
            QCOMPARE(w.g().boardSerial(), boards);
            QCOMPARE(int(w.g().gameRunning()), 0);
            if (gameBefore) {
                QCOMPARE(w.g().resultHistory()[0], kBlue);
                QCOMPARE(w.g().resultHistory()[1], history[0]);
            } else {
                QCOMPARE(w.g().resultHistory(), history);
            }
        }
        QCOMPARE(w.g().scoreBlue(), 1001);
    }

    // A peer restarts 300 times in one write: only the last PLAY sets up a
    // board; each one before is scored as the game it abandoned, with this
    // side to move ("S"), and the file holds the outcome.
    void burstOfRestartsStartsOneGame() {
        ListenerAndRawPeer peers{};
        [[maybe_unused]] auto& port = peers.port;
        [[maybe_unused]] auto& w = peers.w;
        [[maybe_unused]] auto& raw = peers.raw;
        QVERIFY_EMPTY(raw.connectTo(port, w));
        const int boards = w.g().boardSerial();
        QVERIFY(raw.deliver(w.w(), QByteArray("PLAY1S").repeated(299) + "PLAY2C"));
        QCOMPARE(int(w.g().gameRunning()), 1);
        QCOMPARE(w.g().boardSerial(), boards + 1);
        QCOMPARE(w.g().boardSize(), 20);
        QCOMPARE(int(w.g().blueToMove()), 0);
        QVERIFY(w.waiting());
        for (std::uint8_t result : w.g().resultHistory())
            QCOMPARE(result, kRed);
        QCOMPARE(w.g().scoreBlue(), 0);
        const QByteArray file = w.settingsFile();
        const Stored stored =
            zelvan::test::decoded(std::vector<std::uint8_t>(file.begin(), file.end()));
        QCOMPARE(stored.scores.red(), w.g().scoreRed());
        QCOMPARE(stored.scores.blue(), 0);
        QVERIFY(stored.scores.results() == w.g().resultHistory());
    }

    // Both ends of a connection probe a quiet peer, so one whose machine
    // vanished is dropped after about two minutes (60 s, then 6 probes 10 s
    // apart; bytes in flight are given up as late).
    void keepAliveOnBothEnds() {
        PeerPair peers{};
        [[maybe_unused]] auto& port = peers.port;
        [[maybe_unused]] auto& b = peers.b;
        [[maybe_unused]] auto& a = peers.a;
        QVERIFY(connectPair(a, b));
        auto option = [](qintptr fd, int level, int name) {
            int value = -1;
            socklen_t size = sizeof value;
            return ::getsockopt(int(fd), level, name, &value, &size) == 0 ? value : -1;
        };
        for (Peer* p : {&a, &b}) {
            int connections = 0;
            for (QTcpSocket* s : p->w().netLink().findChildren<QTcpSocket*>()) {
                if (s->state() != QAbstractSocket::ConnectedState) continue;
                ++connections;
                const qintptr fd = s->socketDescriptor();
                QCOMPARE(option(fd, SOL_SOCKET, SO_KEEPALIVE), 1);
                QCOMPARE(option(fd, IPPROTO_TCP, TCP_KEEPIDLE), 60);
                QCOMPARE(option(fd, IPPROTO_TCP, TCP_KEEPINTVL), 10);
                QCOMPARE(option(fd, IPPROTO_TCP, TCP_KEEPCNT), 6);
                QCOMPARE(option(fd, IPPROTO_TCP, TCP_USER_TIMEOUT), 120000);
            }
            QCOMPARE(connections, 1);
        }
    }

    // A bare peer sends every message the protocol ignores, and the cases the
    // receiver must refuse; the window's game stays as it should be.
    void rawPeerMalformedMessages() {
        ListenerAndRawPeer peers;
        auto& port = peers.port;
        auto& w = peers.w;
        auto& raw = peers.raw;
        QVERIFY_EMPTY(raw.connectTo(port, w));
        QCOMPARE(int(w.g().acceptedPeer()), 1);

        auto ignored = [&](const QByteArray& message) -> QString {
            const Snapshot before(w);
            const int lines = w.chatLines().size();
            if (!raw.deliver(w.w(), message)) return "not delivered: " + message;
            const QString d = before.differsFrom(w);
            if (!d.isEmpty()) return QString(message.toPercentEncoding()) + ": " + d;
            if (w.chatLines().size() != lines) return QString(message) + ": a chat line appeared";
            return {};
        };

        // No game: short, unknown, lower case, empty chat, short PLAY, MOVE.
        for (const char* m : {"PLA", "HELO", "play1C", "stop", "move0101", "chathi", "CHAT",
                              "PLAY1", "PLAY", "MOVE0101"})
            QVERIFY_EMPTY(ignored(m));
        QCOMPARE(int(w.g().gameRunning()), 0);

        // PLAY2S: 20 x 20, this side opens.
        QVERIFY(raw.deliver(w.w(), "PLAY2S"));
        QCOMPARE(int(w.g().gameRunning()), 1);
        QCOMPARE(w.g().boardSize(), 20);
        QCOMPARE(int(w.g().blueToMove()), 1);
        QVERIFY(!w.waiting());
        QCOMPARE(int(w.g().redIsHuman()), 1);

        // PLAY9C over it: this side was to move and loses; the new game keeps
        // the size and the peer opens.
        QVERIFY(raw.deliver(w.w(), "PLAY9C"));
        QCOMPARE(w.g().resultHistory()[0], kRed);
        QCOMPARE(int(w.g().gameRunning()), 1);
        QCOMPARE(w.g().boardSize(), 20);
        QCOMPARE(int(w.g().blueToMove()), 0);
        QVERIFY(w.waiting());

        // Wrong lengths, numbers off the board, failed conversions.
        for (const char* m : {"MOVE315", "MOVE03150", "MOVE2121", "MOVE0021", "MOVE0000",
                              "MOVExx05", "MOVE-1-1", "MOVE05 ", "move0305", "stop", "STO"})
            QVERIFY_EMPTY(ignored(m));

        // A message split over two reads is two messages, both meaningless.
        QVERIFY_EMPTY(ignored("MO"));
        QVERIFY_EMPTY(ignored("VE0305"));

        QVERIFY(raw.deliver(w.w(), "MOVE0315"));
        QCOMPARE(w.g().cell(3, 15), kRed);
        QVERIFY(cellShows(w.w(), 3, 15, Side::Red));
        QCOMPARE(int(w.g().blueToMove()), 1);
        QVERIFY(!w.waiting());

        // The peer moving again out of turn.
        QVERIFY_EMPTY(ignored("MOVE0404"));

        // This side's move goes out as eight bytes.
        raw.take();
        w.clickCell(10, 10);
        QVERIFY(eventually([&] { return raw.got == "MOVE1010"; }));
        QVERIFY(w.waiting());
        // On its turn, the peer's move onto an occupied cell.
        QVERIFY_EMPTY(ignored("MOVE1010"));
        QVERIFY_EMPTY(ignored("MOVE0315"));
        QCOMPARE(w.g().cell(10, 10), kBlue);

        // A MOVE and a CHAT sent back to back land as both.
        QVERIFY(raw.deliver(w.w(), "MOVE0505CHAThi"));
        QCOMPARE(w.g().cell(5, 5), kRed);
        QCOMPARE(w.chatLines().last(), QString("o: hi"));
        QCOMPARE(int(w.g().blueToMove()), 1);

        // Control characters cannot forge lines in the history or the log;
        // a line is cut to 255 characters.
        QVERIFY(raw.deliver(w.w(), QByteArray("CHATab\r\nx: forged\x01z\x7f")));
        QCOMPARE(w.chatLines().last(), QString("o: ab  x: forged z "));
        QVERIFY(raw.deliver(w.w(), "CHAT" + QByteArray(300, 'y')));
        QCOMPARE(w.chatLines().last(), "o: " + QString(255, 'y'));
        QCOMPARE(w.chatLines().size(), 3);
        QCOMPARE(w.chatLog(),
                 "o: hi\r\no: ab  x: forged z \r\no: " + QByteArray(255, 'y') + "\r\n");

        // This side's chat and Stop go out as sent; 255 characters make 259 bytes.
        raw.take();
        w.say(QString(300, 'q'));
        QVERIFY(eventually([&] { return raw.got.size() == 259; }));
        QCOMPARE(raw.take(), "CHAT" + QByteArray(255, 'q'));

        // STOPxyz is a STOP: this side is to move and loses.
        QVERIFY(raw.deliver(w.w(), "STOPxyz"));
        QCOMPARE(int(w.g().gameRunning()), 0);
        QCOMPARE(w.g().resultHistory()[0], kRed);
        QCOMPARE(w.g().resultHistory()[1], kRed);
        QVERIFY(!w.waiting());
        QVERIFY_EMPTY(ignored("MOVE0606"));  // no game

        // STOP and PLAY in one read: both honoured. (Any opener letter but
        // "C" gives this side the first move.)
        QVERIFY(raw.deliver(w.w(), "PLAY1Z"));
        QCOMPARE(int(w.g().blueToMove()), 1);
        QVERIFY(raw.deliver(w.w(), "STOPPLAY3C"));
        QCOMPARE(w.g().resultHistory()[0], kRed);
        QCOMPARE(w.g().resultHistory()[2], kRed);
        QCOMPARE(w.g().resultHistory()[3], kNone);
        QCOMPARE(int(w.g().gameRunning()), 1);
        QCOMPARE(w.g().boardSize(), 30);
        QCOMPARE(int(w.g().blueToMove()), 0);
        QVERIFY(w.waiting());

        // The last cell of the largest board is on it; one past is not.
        QVERIFY_EMPTY(ignored("MOVE3031"));
        QVERIFY(raw.deliver(w.w(), "MOVE3030"));
        QCOMPARE(w.g().cell(30, 30), kRed);

        raw.take();
        w.w().match().stop();
        QVERIFY(eventually([&] { return raw.got == "STOP"; }));
        QCOMPARE(w.g().resultHistory()[0], kRed);
        QCOMPARE(w.status(), QString("Connected"));
    }

    // A peer floods 20 MB of noise and then sends a valid STOP: the window
    // keeps running, the STOP counts, the board is untouched, and memory
    // stays bounded.
    void hostilePeerFloods() {
        ListenerAndRawPeer peers;
        auto& port = peers.port;
        auto& w = peers.w;
        auto& raw = peers.raw;
        QVERIFY_EMPTY(raw.connectTo(port, w));
        QVERIFY(raw.deliver(w.w(), "PLAY1C"));
        QCOMPARE(int(w.g().gameRunning()), 1);
        QCOMPARE(int(w.g().blueToMove()), 0);  // the peer is to move
        const Snapshot before(w);
        const qint64 rssBefore = residentKiB();
        QVERIFY(rssBefore > 0);

        constexpr qint64 kFlood = 20 * 1024 * 1024;
        constexpr qint64 kPiece = 64 * 1024;
        const std::int64_t target = w.w().netLink().bytesReceived() + kFlood;
        std::mt19937 noise(6304);
        QByteArray piece(kPiece, '\0');
        qint64 left = kFlood;
        // The next piece goes out only once the socket has handed the last
        // to the system, so neither end holds much of the flood.
        auto more = [&] {
            while (left > 0 && raw.socket.bytesToWrite() < kPiece) {
                for (char& c : piece) {
                    c = char(noise());
                    // No read can then begin with a command by chance.
                    if (c == 'C' || c == 'M' || c == 'P' || c == 'S') c = char(c | 0x80);
                }
                const qint64 n = std::min(left, kPiece);
                raw.socket.write(piece.constData(), n);
                left -= n;
            }
        };
        const auto feeding =
            QObject::connect(&raw.socket, &QTcpSocket::bytesWritten, &raw.socket, more);
        bool ticked = false;
        QTimer::singleShot(10, &w.w(), [&] { ticked = true; });
        more();
        QVERIFY(eventually([&] { return w.w().netLink().bytesReceived() >= target; }, 60000));
        QCOMPARE(w.w().netLink().bytesReceived(), target);
        QVERIFY(ticked);
        QCOMPARE(w.status(), QString("Connected"));
        QVERIFY_EMPTY(before.differsFrom(w));

        QVERIFY(raw.deliver(w.w(), "STOP"));
        QCOMPARE(int(w.g().gameRunning()), 0);
        QCOMPARE(w.g().resultHistory()[0], kBlue);  // the peer was to move
        QVERIFY(!w.waiting());
        QObject::disconnect(feeding);
        QVERIFY(w.g().cells() == before.cells);
        QVERIFY(control<BoardPicture>(w.w(), "board")->bitmap() == before.bitmap);
        QVERIFY(w.chatLines().isEmpty());

        const qint64 grownKiB = residentKiB() - rssBefore;
        QVERIFY2(grownKiB < 64 * 1024, qPrintable(QString("grew by %1 KiB").arg(grownKiB)));
    }
};

QTEST_MAIN(NetPlayTest)
#include "tst_netplay.moc"
