// zelvan-replay: plays fixed scripts through real main windows and writes
// what came out, so two builds can be compared file by file:
//
//   zelvan-replay pictures DIR   the window at 1024x768 and 800x600 after each
//                                step of a scripted session, as PNG files, with
//                                the sounds and the state after each step
//   zelvan-replay wire DIR       two copies over loopback, calling, chatting
//                                and playing; the bytes each one received
//                                (what the other sent), their settings files,
//                                chat logs and sounds
//   zelvan-replay moves DIR      games against the computer at every level and
//                                size, with fixed random numbers; every move
//   zelvan-replay compare A B    every file under A against its twin under B:
//                                pictures pixel by pixel (the box that differs),
//                                other files byte by byte; exits 1 on a difference
//
// The clocks and the random numbers are fixed, the timers that blink and
// count are driven by hand, so a run draws the same pixels every time.

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QHostAddress>
#include <QLineEdit>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <deque>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "access.h"
#include "app/network/netlink.h"
#include "app/network/networkplay.h"
#include "app/shell/startup.h"
#include "app/ui/boardpicture.h"
#include "app/ui/soundoutput.h"
#include "app/widgets/glyphbutton.h"

using namespace zelvan;
using namespace zelvan::replay;

namespace {

// Every sound asked for, and how long after the last step began it came
// (to the nearest 50 ms, in a log of its own: timings are not compared
// byte for byte).
class SoundLog : public SoundOutput {
public:
    std::vector<std::string> lines;
    std::vector<std::string> timings;
    QElapsedTimer since;

    void step(const std::string& name) {
        lines.push_back("-- " + name);
        timings.push_back("-- " + name);
        since.restart();
    }
    void play(Sound s) override {
        lines.push_back(std::string("play ") + soundName(s));
        const qint64 ms = since.isValid() ? since.elapsed() : 0;
        timings.push_back(std::string(soundName(s)) + " +" + std::to_string((ms + 25) / 50 * 50));
    }
    void stop() override {}
};

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(path));
    f.write(bytes);
}

void writeLines(const QString& path, const std::vector<std::string>& lines) {
    QByteArray all;
    for (const auto& l : lines)
        all += QByteArray::fromStdString(l) + '\n';
    writeFile(path, all);
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A settings file with the defaults but for what is given.
struct Stored {
    int level = 2;
    int redIsHuman = 0;
    int sizeCode = 1;
    int soundOff = 0;
    int listenOn = 1;
};

QByteArray settingsBytes(const Stored& s) {
    QByteArray b;
    auto le32 = [&](std::int32_t v) {
        for (int k = 0; k < 4; ++k)
            b += char((std::uint32_t(v) >> (8 * k)) & 0xff);
    };
    le32(1000);
    le32(1000);
    b += QByteArray(10, '\0');
    for (int v : {1, 1, 1, 1, s.level, 1, s.redIsHuman, s.sizeCode, s.soundOff, s.listenOn, 0})
        b += char(v);
    const QByteArray address("0.0.0.0");
    b += char(address.size());
    b += address;
    return b;
}

std::uint16_t freePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

// One copy of the program with a fixed clock and fixed random numbers.
struct Copy {
    QTemporaryDir folder;
    SoundLog sounds;
    std::function<std::uint32_t(std::uint32_t)> random;
    std::unique_ptr<MainWindow> window;

    Copy(const Stored& stored, QRect screen, std::function<std::uint32_t(std::uint32_t)> rnd,
         std::uint16_t port = 0)
        : random(std::move(rnd)) {
        writeFile(folder.filePath(QStringLiteral("zelvan.ini")), settingsBytes(stored));
        MainWindowConfig c;
        c.settingsFolder = folder.path();
        c.port = port ? port : freePort();
        c.listenOnLoopbackOnly = true;
        c.soundOutput = &sounds;
        c.screen = screen;
        c.msSinceMidnight = [] { return std::int64_t(10 * 3600 + 17 * 60) * 1000; };
        c.monotonicMs = [] { return std::int64_t(0); };
        c.random = [this](std::uint32_t n) { return random(n); };
        window = std::make_unique<MainWindow>(std::move(c));
        // The blink and the scoreboard move only when told to.
        auto* blink = window->findChild<QTimer*>(QStringLiteral("blinkTimer"));
        blink->setInterval(24 * 3600 * 1000);
        window->findChild<QTimer*>(QStringLiteral("tickTimer"))->blockSignals(true);
        window->show();
        // Shortcuts belong to the active window.
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get())) qFatal("the window never became active");
        settle();
    }

    MainWindow& w() { return *window; }

    void settle() {
        QTest::qWait(1);
        if (!QTest::qWaitFor([this] { return settled(*window); }, 10000))
            qFatal("the window never settled");
        QTest::qWait(1);
    }
    void press(const char* button) {
        auto* b = window->findChild<GlyphButton*>(QLatin1String(button));
        if (!b) qFatal("no button %s", button);
        QTest::mouseClick(b, Qt::LeftButton);
        settle();
    }
    void click(int c, int r) {
        const int p = cellPitch(*window);
        QTest::mouseClick(window->findChild<BoardPicture*>(QStringLiteral("board")), Qt::LeftButton,
                          Qt::NoModifier,
                          QPoint((c - 1) * (p + 1) + 1 + p / 2, (r - 1) * (p + 1) + 1 + p / 2));
        settle();
    }
    void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(window.get(), k, m);
        settle();
    }
    void bannerGone() {
        auto* banner = window->findChild<QWidget*>(QStringLiteral("resultBanner"));
        if (!QTest::qWaitFor([banner] { return banner->isHidden(); }, 10000))
            qFatal("the banner never went");
    }
    void blink() {
        QMetaObject::invokeMethod(window->findChild<QTimer*>(QStringLiteral("blinkTimer")),
                                  "timeout");
        settle();
    }
    std::string state() {
        MainWindow& m = *window;
        std::string s = "size " + std::to_string(boardSize(m)) + " running " +
                        std::to_string(running(m)) + " blueToMove " +
                        std::to_string(blueToMove(m)) + " winner " + std::to_string(winner(m)) +
                        " moves " + std::to_string(moveCount(m)) + " cells";
        for (int c = 1; c <= boardSize(m); ++c)
            for (int r = 1; r <= boardSize(m); ++r)
                if (const auto v = cellAt(m, c, r))
                    s += " " + std::string(v == 85 ? "B" : "R") + std::to_string(c) + "," +
                         std::to_string(r);
        return s;
    }
};

// The session the pictures follow, at one screen size.
void pictures(const QString& dir, QRect screen) {
    std::deque<std::uint32_t> draws = {1, 0, 2, 1, 0, 1, 1, 0, 0, 1, 2, 0, 1, 1};
    Copy copy(Stored{}, screen, [&draws](std::uint32_t n) {
        std::uint32_t v = 0;
        if (!draws.empty()) {
            v = draws.front();
            draws.pop_front();
        }
        return n ? v % n : 0;
    });
    std::vector<std::string> states;
    int shot = 0;
    auto take = [&](const char* name) {
        const QString file = QStringLiteral("%1/%2-%3.png")
                                 .arg(dir)
                                 .arg(++shot, 2, 10, QLatin1Char('0'))
                                 .arg(QLatin1String(name));
        copy.w().grab().save(file);
        states.push_back(std::string(name) + ": " + copy.state());
    };
    auto step = [&](const char* name) { copy.sounds.step(name); };

    take("start");
    step("options");
    copy.press("optionsButton");
    take("options");
    copy.press("optionsButton");
    step("internet");
    copy.press("internetButton");
    take("internet");
    copy.press("internetButton");
    step("help");
    copy.press("helpButton");
    take("help");
    copy.press("helpButton");

    step("person");
    copy.press("opponentButton");
    take("person");
    step("play");
    copy.press("playButton");
    take("play");
    // Each side takes its next cell in turn; Blue's row closes first.
    std::deque<std::pair<int, int>> blue = {{3, 5}, {4, 5}, {5, 5}, {6, 5}, {7, 5}};
    std::deque<std::pair<int, int>> red = {{3, 9}, {4, 9}, {5, 9}, {6, 9}, {7, 9}};
    for (int move = 0; running(copy.w()) && move < 10; ++move) {
        auto& list = blueToMove(copy.w()) ? blue : red;
        const auto [c, r] = list.front();
        list.pop_front();
        step("click");
        copy.click(c, r);
        if (move == 3) take("midgame");
    }
    take("won");
    step("blink");
    copy.blink();
    take("blink");
    step("scores");
    for (int i = 0; i < 40; ++i)
        tickScores(copy.w());
    take("scores");
    step("stop");
    copy.press("stopButton");
    take("stopped");
    // The win's banner fades by the wall clock: the next pictures wait it out.
    copy.bannerGone();
    step("size");
    copy.press("sizeButton");
    take("size20");
    copy.press("sizeButton");
    take("size30");

    step("computer");
    copy.press("opponentButton");
    copy.press("playButton");
    take("computer");
    for (auto [c, r] : {std::pair{14, 14}, {18, 17}, {13, 16}}) {
        step("click");
        if (cellAt(copy.w(), c, r) == 0 && blueToMove(copy.w())) copy.click(c, r);
    }
    take("computer-moves");
    step("undo");
    copy.key(Qt::Key_Z, Qt::ControlModifier);
    take("undo");
    step("numbers");
    copy.key(Qt::Key_N);
    take("numbers");
    copy.key(Qt::Key_N);
    step("restart");
    copy.press("playButton");
    take("restart");
    for (int i = 0; i < 40; ++i)
        tickScores(copy.w());
    take("restart-scores");

    writeLines(dir + QStringLiteral("/sounds.txt"), copy.sounds.lines);
    writeLines(dir + QStringLiteral("/timings.txt"), copy.sounds.timings);
    writeLines(dir + QStringLiteral("/states.txt"), states);
    writeFile(dir + QStringLiteral("/zelvan.ini"),
              readFile(copy.folder.filePath(QStringLiteral("zelvan.ini"))));
}

template <class Pred> void waitFor(Pred pred, const char* what) {
    if (!QTest::qWaitFor(pred, 15000)) qFatal("never happened: %s", what);
}

// Two copies play over loopback: the caller (a) and the listener (b).
void wire(const QString& dir) {
    const std::uint16_t port = freePort();
    auto zero = [](std::uint32_t) { return 0u; };
    Stored listens;
    Stored calls;
    calls.listenOn = 0;
    Copy b(listens, QRect(0, 0, 1024, 768), zero, port);
    Copy a(calls, QRect(0, 0, 1024, 768), zero, port);
    QByteArray aGot;
    QByteArray bGot;
    std::vector<std::string> order;  // who received what, arrival by arrival
    QObject::connect(&a.w().netLink(), &NetLink::received, [&](const QByteArray& bytes) {
        aGot += bytes;
        order.push_back("a got " + bytes.toStdString());
    });
    QObject::connect(&b.w().netLink(), &NetLink::received, [&](const QByteArray& bytes) {
        bGot += bytes;
        order.push_back("b got " + bytes.toStdString());
    });

    auto* field = a.w().findChild<QLineEdit*>(QStringLiteral("addressEdit"));
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, QStringLiteral("127.0.0.1"));
    a.w().network().onCallClicked();
    waitFor([&] { return connected(a.w()) && connected(b.w()); }, "connected");
    a.settle();
    b.settle();

    auto say = [](Copy& who, const char* text) {
        auto* input = who.w().findChild<QLineEdit*>(QStringLiteral("chatInput"));
        input->setText(QString::fromLatin1(text));
        QTest::keyClick(input, Qt::Key_Return);
    };
    say(a, "hello");
    waitFor([&] { return bGot.endsWith("hello"); }, "chat to b");
    say(b, "hi there");
    waitFor([&] { return aGot.endsWith("hi there"); }, "chat to a");

    auto startGame = [&] {
        const int before = int(bGot.size());
        a.press("playButton");
        waitFor([&] { return bGot.size() > before && running(b.w()); }, "b's game");
        b.settle();
    };
    // The side to move plays its next cell and waits for it to land.
    std::deque<std::pair<int, int>> aCells = {{5, 1}, {5, 2}, {5, 3}, {5, 4}, {5, 5}, {5, 6}};
    std::deque<std::pair<int, int>> bCells = {{10, 1}, {10, 2}, {10, 3}, {10, 4}, {10, 5}};
    auto move = [&] {
        Copy& mover = blueToMove(a.w()) ? a : b;
        Copy& other = &mover == &a ? b : a;
        auto& cells = &mover == &a ? aCells : bCells;
        const auto [c, r] = cells.front();
        cells.pop_front();
        const int before = moveCount(other.w());
        mover.click(c, r);
        waitFor([&] { return moveCount(other.w()) == before + 1; }, "the move to land");
        other.settle();
    };

    startGame();
    while (running(a.w()))
        move();
    aCells = {{3, 3}, {3, 4}};
    bCells = {{12, 12}, {12, 13}};
    startGame();
    move();
    move();
    const int aBefore = int(aGot.size());
    b.press("stopButton");
    waitFor([&] { return aGot.size() > aBefore && !running(a.w()); }, "the stop");
    aCells = {{7, 7}, {7, 8}};
    bCells = {{8, 7}, {8, 8}};
    startGame();
    move();
    startGame();  // over the running game
    move();
    say(b, "bye");
    waitFor([&] { return aGot.endsWith("bye"); }, "chat to a");
    a.w().network().onEndClicked();
    waitFor([&] { return !connected(b.w()); }, "b sees the end");
    a.settle();
    b.settle();

    writeFile(dir + QStringLiteral("/caller-received.bin"), aGot);
    writeFile(dir + QStringLiteral("/listener-received.bin"), bGot);
    writeLines(dir + QStringLiteral("/arrivals.txt"), order);
    writeFile(dir + QStringLiteral("/caller-zelvan.ini"),
              readFile(a.folder.filePath(QStringLiteral("zelvan.ini"))));
    writeFile(dir + QStringLiteral("/listener-zelvan.ini"),
              readFile(b.folder.filePath(QStringLiteral("zelvan.ini"))));
    writeFile(dir + QStringLiteral("/caller-chat.txt"),
              readFile(a.folder.filePath(QStringLiteral("zelvanchat.txt"))));
    writeFile(dir + QStringLiteral("/listener-chat.txt"),
              readFile(b.folder.filePath(QStringLiteral("zelvanchat.txt"))));
    writeLines(dir + QStringLiteral("/caller-sounds.txt"), a.sounds.lines);
    writeLines(dir + QStringLiteral("/listener-sounds.txt"), b.sounds.lines);
    writeLines(dir + QStringLiteral("/final-states.txt"), {a.state(), b.state()});
}

// Blue's play: a free neighbour of Red's last piece, picked by Blue's own
// numbers, else the free cell nearest the centre (the first in column order
// among equals).
std::pair<int, int> bluesCell(MainWindow& w, std::pair<int, int> lastRed, std::mt19937& pick) {
    const int n = boardSize(w);
    std::vector<std::pair<int, int>> near;
    for (int dc = -1; dc <= 1; ++dc)
        for (int dr = -1; dr <= 1; ++dr) {
            const int c = lastRed.first + dc;
            const int r = lastRed.second + dr;
            if (lastRed.first && c >= 1 && c <= n && r >= 1 && r <= n && cellAt(w, c, r) == 0)
                near.emplace_back(c, r);
        }
    if (!near.empty()) return near[pick() % near.size()];
    const int centre = n / 2 + 1;
    std::pair<int, int> best{0, 0};
    int bestDist = 1 << 30;
    for (int c = 1; c <= n; ++c)
        for (int r = 1; r <= n; ++r) {
            if (cellAt(w, c, r) != 0) continue;
            const int d = (c - centre) * (c - centre) + (r - centre) * (r - centre);
            if (d < bestDist) {
                bestDist = d;
                best = {c, r};
            }
        }
    return best;
}

// Blue's own numbers for its hints: a fixed sequence per game.
class BlueRandom final : public RandomSource {
public:
    explicit BlueRandom(std::uint32_t seed) : rng_(seed) {}
    std::uint32_t below(std::uint32_t n) override { return n ? std::uint32_t(rng_() % n) : 0; }

private:
    std::mt19937 rng_;
};

void moves(const QString& dir) {
    std::vector<std::string> lines;
    for (int level = 1; level <= 3; ++level)
        for (int sizeCode = 1; sizeCode <= 3; ++sizeCode)
            for (std::uint32_t seed = 1; seed <= 3; ++seed) {
                Stored s;
                s.level = level;
                s.sizeCode = sizeCode;
                s.soundOff = 1;
                s.listenOn = 0;
                std::mt19937 rng(seed * 100 + level * 10 + sizeCode);
                Copy copy(s, QRect(0, 0, 1024, 768),
                          [&rng](std::uint32_t n) { return n ? std::uint32_t(rng() % n) : 0; });
                for (int game = 1; game <= 2; ++game) {
                    lines.push_back("level " + std::to_string(level) + " size " +
                                    std::to_string(sizeCode) + " seed " + std::to_string(seed) +
                                    " game " + std::to_string(game));
                    copy.press("playButton");
                    std::string line;
                    std::mt19937 pick(seed + 7 * game);
                    BlueRandom blueRandom(seed * 31 + game);
                    std::pair<int, int> lastRed{0, 0};
                    for (int blueMoves = 0; running(copy.w()) && blueMoves < 60; ++blueMoves) {
                        std::vector<std::uint8_t> before;
                        const int n = boardSize(copy.w());
                        for (int c = 1; c <= n; ++c)
                            for (int r = 1; r <= n; ++r)
                                before.push_back(cellAt(copy.w(), c, r));
                        if (blueToMove(copy.w())) {
                            // Odd seeds: Blue plays as the hint says; even: near Red.
                            auto [c, r] = seed % 2 ? hintFor(copy.w(), blueRandom)
                                                   : bluesCell(copy.w(), lastRed, pick);
                            if (c == 0) std::tie(c, r) = bluesCell(copy.w(), lastRed, pick);
                            copy.click(c, r);
                        }
                        std::size_t i = 0;
                        for (int c = 1; c <= n; ++c)
                            for (int r = 1; r <= n; ++r, ++i) {
                                const std::uint8_t now = cellAt(copy.w(), c, r);
                                if (before[i] == now) continue;
                                line += (now == 85 ? " B" : " R") + std::to_string(c) + "," +
                                        std::to_string(r);
                                if (now != 85) lastRed = {c, r};
                            }
                    }
                    lines.push_back(line);
                    lines.push_back("winner " + std::to_string(winner(copy.w())));
                }
            }
    writeLines(dir + QStringLiteral("/moves.txt"), lines);
}

// The files under `a` against those under `b`; timings are only listed.
int compare(const QString& a, const QString& b) {
    int differences = 0;
    QDirIterator it(a, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString twin = b + path.mid(a.size());
        if (path.endsWith(QLatin1String("timings.txt"))) continue;
        if (path.endsWith(QLatin1String(".png"))) {
            const QImage x = QImage(path).convertToFormat(QImage::Format_RGB32);
            const QImage y = QImage(twin).convertToFormat(QImage::Format_RGB32);
            if (x.size() != y.size()) {
                std::printf("%s: sizes differ\n", qPrintable(path));
                ++differences;
                continue;
            }
            QRect box;
            for (int row = 0; row < x.height(); ++row)
                for (int col = 0; col < x.width(); ++col)
                    if (x.pixel(col, row) != y.pixel(col, row)) box |= QRect(col, row, 1, 1);
            if (!box.isNull()) {
                std::printf("%s: pixels differ in %dx%d+%d+%d\n", qPrintable(path), box.width(),
                            box.height(), box.x(), box.y());
                ++differences;
            }
        } else if (readFile(path) != readFile(twin)) {
            std::printf("%s: bytes differ\n", qPrintable(path));
            ++differences;
        }
    }
    std::printf("%d difference(s)\n", differences);
    return differences ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    installFonts();  // the faces the program draws with, as it starts
    const QStringList args = QCoreApplication::arguments();
    if (args.size() == 4 && args[1] == QLatin1String("compare")) return compare(args[2], args[3]);
    if (args.size() != 3) {
        std::fputs("usage: zelvan-replay pictures|wire|moves DIR, or compare DIR DIR\n", stderr);
        return 2;
    }
    const QString dir = args[2];
    QDir().mkpath(dir);
    if (args[1] == QLatin1String("pictures")) {
        for (const QRect screen : {QRect(0, 0, 1024, 768), QRect(0, 0, 800, 600)}) {
            const QString sub =
                dir + QStringLiteral("/%1x%2").arg(screen.width()).arg(screen.height());
            QDir().mkpath(sub);
            pictures(sub, screen);
        }
    } else if (args[1] == QLatin1String("wire")) {
        wire(dir);
    } else if (args[1] == QLatin1String("moves")) {
        moves(dir);
    } else {
        std::fputs("usage: zelvan-replay pictures|wire|moves DIR, or compare DIR DIR\n", stderr);
        return 2;
    }
    return 0;
}
