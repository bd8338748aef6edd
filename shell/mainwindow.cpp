#include "shell/mainwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <chrono>

#include "engine/board.h"
#include "engine/rules.h"
#include "engine/scoreboard.h"
#include "net/chatpanel.h"
#include "net/internetpanel.h"
#include "net/netlink.h"
#include "settings/settingsstore.h"
#include "shell/delay.h"
#include "ui/boardpicture.h"
#include "ui/helpviewer.h"
#include "ui/soundoutput.h"
#include "ui/soundplayer.h"
#include "widgets/antialiaslabel.h"
#include "widgets/dchintex.h"
#include "widgets/lbspeedbutton.h"

namespace zelvan {

namespace {

// Lets a test keep its own recording output while the player owns a handle.
class ForwardingOutput : public SoundOutput {
public:
    explicit ForwardingOutput(SoundOutput* to) : to_(to) {}
    void play(Sound s) override { to_->play(s); }
    void stop() override { to_->stop(); }

private:
    SoundOutput* to_;
};

QFont arial(int pixels, bool bold) {
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

const QColor kScoreColour(140, 232, 232);
const QColor kScoreShadow(19, 80, 86);
const QColor kCaptionColour(53, 97, 102);
const QColor kStripColour(37, 147, 150);
const QColor kPanelTextColour(141, 197, 197);

const char* levelName(int level) {
    switch (level) {
    case 1:
        return " - easy";
    case 2:
        return " - medium";
    case 3:
        return " - hard";
    }
    return nullptr;
}

}  // namespace

// ---------------------------------------------------------------------------
// Creation (FormCreate), in the order the start-up relies on.

MainWindow::MainWindow(MainWindowConfig config)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), config_(std::move(config)) {
    steady_.start();
    setWindowTitle(QStringLiteral("ZELVAN"));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);

    if (config_.soundOutput)
        sound_ =
            std::make_unique<SoundPlayer>(std::make_unique<ForwardingOutput>(config_.soundOutput));
    else
        sound_ = std::make_unique<SoundPlayer>();
    store_ = config_.settingsFolder.isEmpty()
                 ? std::make_unique<SettingsStore>()
                 : std::make_unique<SettingsStore>(config_.settingsFolder);

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &MainWindow::Timer1Timer);
    Timer2 = new QTimer(this);
    Timer2->setInterval(100);
    connect(Timer2, &QTimer::timeout, this, &MainWindow::Timer2Timer);

    createControls();  // 1. the help page is loaded as its viewer is made

    setDefaults(game_);    // 2.
    store_->load(game_);   // 3. (the style read also becomes the chosen style)
    applyLoadedOptions();  // 4.
    applyNetworkOptions();

    // 5. The scoreboard shows the loaded scores at once.
    game_.shownScoreBlue = game_.scoreBlue;
    game_.shownScoreRed = game_.scoreRed;
    writeScore(Side::Blue, game_.shownScoreBlue);
    writeScore(Side::Red, game_.shownScoreRed);

    // 6.
    game_.gameRunning = 0;
    game_.pieceStyleChoice = game_.pieceStyle;
    showStyleChoice();

    // 7. The first init flips this draw, so the first opener is still even odds.
    reseedRandom();
    game_.blueOpens = randomBelow(2) == 0 ? 1 : 0;
    game_.blueToMove = game_.blueOpens;
    showTurn();

    // 8. Network: not connected; listening if so set.
    game_.connected = 0;
    startListening();

    showLevel();         // 9.
    showOpponentKind();  // 10.

    // 11. Full screen.
    screen_ = config_.screen;
    if (screen_.isEmpty()) {
        if (QScreen* s = QGuiApplication::primaryScreen())
            screen_ = s->geometry();
        else
            screen_ = QRect(0, 0, 800, 600);
    }
    setGeometry(screen_);
    processEvents();

    placeControls();  // 12.

    processEvents();  // 13.
    init(game_, *this);
    Timer2->start();
}

MainWindow::~MainWindow() = default;

void MainWindow::createControls() {
    Image2 = new QLabel(this);
    Image2->setPixmap(QPixmap::fromImage(Artwork::load(QStringLiteral("background.png"))));
    Image2->resize(800, 600);

    auto picture = [this](const QString& name) {
        auto* l = new QLabel(this);
        l->resize(18, 18);
        if (!name.isEmpty()) l->setPixmap(art_.icon(name));
        return l;
    };
    auto label = [](QWidget* parent, const QFont& font, const QColor& colour, Qt::Alignment align,
                    const QString& text) {
        auto* l = new AntiAliasLabel(parent);
        l->setAutoSize(false);
        l->setTransparent(true);
        l->setFont(font);
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, colour);
        l->setPalette(p);
        l->setAlignment(align | Qt::AlignVCenter);
        l->setText(text);
        return l;
    };
    auto button = [this](const QString& glyph, const QString& hint) {
        auto* b = new LbSpeedButton(this);
        b->setGlyph(Artwork::load(QStringLiteral("glyphs/") + glyph));
        b->setFlat(true);
        b->setTransparent(true);
        b->setAlignment(Qt::AlignHCenter);
        b->setLayout(LbSpeedButton::Layout::blcenter);
        b->setProperty("hintText", hint);
        return b;
    };

    // Shadow twins first, so each lies beneath its bright copy.
    AntiAliasLabel4 = label(this, arial(21, false), kScoreShadow, Qt::AlignHCenter, {});
    AntiAliasLabel2 = label(this, arial(21, false), kScoreColour, Qt::AlignHCenter, {});
    AntiAliasLabel5 = label(this, arial(21, false), kScoreShadow, Qt::AlignHCenter, {});
    AntiAliasLabel1 = label(this, arial(21, false), kScoreColour, Qt::AlignHCenter, {});

    Image8 = picture({});
    Image7 = picture(QStringLiteral("person-blue.png"));

    LbSpeedButton5 =
        button(QStringLiteral("humancomputer.png"), QStringLiteral("Human / Computer"));
    LbSpeedButton3 = button(QStringLiteral("exit.png"), QStringLiteral("Exit"));
    LbSpeedButton7 = button(QStringLiteral("help.png"), QStringLiteral("Help"));
    LbSpeedButton8 = button(QStringLiteral("internet.png"), QStringLiteral("Internet"));
    LbSpeedButton9 = button(QStringLiteral("options.png"), QStringLiteral("Options"));
    LbSpeedButton4 = button(QStringLiteral("size.png"), QStringLiteral("Size 15-20-30"));
    LbSpeedButton1 = button(QStringLiteral("play.png"), QStringLiteral("Play!"));
    LbSpeedButton6 = button(QStringLiteral("stop.png"), QStringLiteral("Stop"));

    Image29 = picture(QStringLiteral("noconnection.png"));
    Image25 = picture({});
    Image23 = picture({});
    AntiAliasLabel7 =
        label(this, arial(15, true), kCaptionColour, Qt::AlignLeft, QStringLiteral("connection"));
    AntiAliasLabel8 =
        label(this, arial(15, true), kCaptionColour, Qt::AlignLeft, QStringLiteral("pieces style"));
    AntiAliasLabel9 =
        label(this, arial(15, true), kCaptionColour, Qt::AlignLeft, QStringLiteral("game turn"));

    AntiAliasLabel6 = label(this, arial(16, true), kStripColour, Qt::AlignHCenter, {});
    AntiAliasLabel18 = label(this, arial(16, true), kStripColour, Qt::AlignLeft, {});
    AntiAliasLabel3 =
        label(this, arial(16, true), kStripColour, Qt::AlignHCenter, QStringLiteral("00:00"));
    Label2 = new QLabel(this);  // an opaque black box over the clock row
    Label2->setAutoFillBackground(true);
    QPalette black = Label2->palette();
    black.setColor(QPalette::Window, Qt::black);
    Label2->setPalette(black);

    Image1 = new BoardPicture(this);
    connect(Image1, &BoardPicture::mousePressed, this, &MainWindow::Image1MouseDown);

    htmlLite1 = new HelpViewer(this);
    htmlLite1->hide();

    createOptionsPanel();
    createNetwork();

    connect(LbSpeedButton1, &LbSpeedButton::clicked, this, &MainWindow::LbSpeedButton1Click);
    connect(LbSpeedButton3, &LbSpeedButton::clicked, this, &MainWindow::LbSpeedButton3Click);
    connect(LbSpeedButton4, &LbSpeedButton::clicked, this, &MainWindow::LbSpeedButton4Click);
    connect(LbSpeedButton5, &LbSpeedButton::clicked, this, &MainWindow::LbSpeedButton5Click);
    connect(LbSpeedButton6, &LbSpeedButton::clicked, this, &MainWindow::LbSpeedButton6Click);
    connect(LbSpeedButton7, &LbSpeedButton::clicked, this, &MainWindow::LbSpeedButton7Click);
    connect(LbSpeedButton8, &LbSpeedButton::clicked, this, &MainWindow::LbSpeedButton8Click);
    connect(LbSpeedButton9, &LbSpeedButton::clicked, this, &MainWindow::LbSpeedButton9Click);

    // Hints go through the translucent hint window.
    dcHintEx1 = new DcHintEx(this);
    dcHintEx1->setTransparency(50);
    dcHintEx1->setTranspColor(QColor(0, 56, 64));
    QFont hintFont(QStringLiteral("MS Sans Serif"));
    hintFont.setPixelSize(11);
    dcHintEx1->setFont(hintFont);
    dcHintEx1->setFontColor(QColor(140, 232, 232));
    dcHintEx1->setLeftMargin(5);
    dcHintEx1->setTopMargin(2);
    dcHintEx1->setRightMargin(2);
    dcHintEx1->setBottomMargin(2);
    dcHintEx1->setEnabled(true);
}

void MainWindow::createOptionsPanel() {
    Panel1 = new QWidget(this);
    Panel1->resize(189, 352);
    Panel1->hide();
    Image33 = new QLabel(Panel1);
    Image33->setPixmap(QPixmap::fromImage(Artwork::load(QStringLiteral("optionspanel.png"))));
    Image33->setGeometry(0, 0, 189, 352);

    auto text = [](QWidget* parent, const QString& caption, int x, int y) {
        auto* l = new AntiAliasLabel(parent);
        l->setTransparent(true);
        l->setFont(arial(15, true));
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, kPanelTextColour);
        l->setPalette(p);
        l->setText(caption);
        l->move(x, y);
        l->setAutoSize(true);
        return l;
    };
    text(Panel1, QStringLiteral("OPTIONS"), 60, 14);
    auto row = [&](LbSpeedButton*& b, AntiAliasLabel*& l, int y, const QString& caption,
                   void (MainWindow::*slot)()) {
        b = new LbSpeedButton(Panel1);
        b->setGlyph(Artwork::load(QStringLiteral("glyphs/toggle.png")));
        b->setFlat(true);
        b->setTransparent(true);
        b->setAlignment(Qt::AlignHCenter);
        b->setGeometry(8, y, 22, 22);
        connect(b, &LbSpeedButton::clicked, this, slot);
        l = text(Panel1, caption, 36, y + 2);
    };
    row(LbSpeedButton10, AntiAliasLabel10, 44, QStringLiteral("Toggle pieces style "),
        &MainWindow::LbSpeedButton10Click);
    row(LbSpeedButton2, AntiAliasLabel11, 80, QStringLiteral("Reset scores"),
        &MainWindow::LbSpeedButton2Click);
    row(LbSpeedButton11, AntiAliasLabel12, 116, {}, &MainWindow::LbSpeedButton11Click);
    row(LbSpeedButton12, AntiAliasLabel13, 152, {}, &MainWindow::LbSpeedButton12Click);
    row(LbSpeedButton13, AntiAliasLabel15, 188, {}, &MainWindow::LbSpeedButton13Click);
    row(LbSpeedButton14, AntiAliasLabel16, 224, {}, &MainWindow::LbSpeedButton14Click);
    row(LbSpeedButton16, AntiAliasLabel20, 260, {}, &MainWindow::LbSpeedButton16Click);
    row(LbSpeedButton15, AntiAliasLabel17, 296, QStringLiteral("Computer level"),
        &MainWindow::LbSpeedButton15Click);
    AntiAliasLabel19 = text(Panel1, {}, 36, 316);
}

// The captions and effects of the loaded options, in the order start-up
// applies them.
void MainWindow::applyLoadedOptions() {
    applyHints();
    AntiAliasLabel13->setText(game_.hintsOn ? "Hide hints" : "Show hints");
    Label2->setVisible(!game_.clocksOn);
    AntiAliasLabel12->setText(game_.clocksOn ? "Hide clocks" : "Show clocks");
    AntiAliasLabel15->setText(game_.markBlueMove ? "Hide Blue move" : "Show Blue move");
    AntiAliasLabel16->setText(game_.markRedMove ? "Hide Red move" : "Show Red move");
    AntiAliasLabel20->setText(game_.soundOff ? "Enable sound FX" : "Disable sound FX");
}

void MainWindow::applyHints() {
    for (LbSpeedButton* b : {LbSpeedButton1, LbSpeedButton3, LbSpeedButton4, LbSpeedButton5,
                             LbSpeedButton6, LbSpeedButton7, LbSpeedButton8, LbSpeedButton9})
        b->setToolTip(game_.hintsOn ? b->property("hintText").toString() : QString());
}

// Every control at its offset from the background's top-left corner.
void MainWindow::placeControls() {
    const int w = screen_.width();
    const int h = screen_.height();
    origin_ = QPoint((w - 800) / 2 + 1, (h - 600) / 2);
    auto at = [this](QWidget* c, int dx, int dy, int cw, int ch) {
        c->setGeometry(origin_.x() + dx, origin_.y() + dy, cw, ch);
    };
    at(Image2, 0, 0, 800, 600);
    Image2->lower();
    at(AntiAliasLabel4, 33, 89, 51, 21);
    at(AntiAliasLabel2, 31, 87, 51, 21);
    at(AntiAliasLabel5, 131, 89, 51, 21);
    at(AntiAliasLabel1, 129, 87, 51, 21);
    at(Image8, 49, 52, 18, 18);
    at(Image7, 146, 52, 18, 18);
    at(LbSpeedButton5, 92, 85, 27, 25);
    at(LbSpeedButton3, 179, 7, 22, 22);
    at(LbSpeedButton7, 44, 141, 25, 25);
    at(LbSpeedButton8, 93, 141, 25, 25);
    at(LbSpeedButton9, 142, 141, 25, 25);
    at(Image29, 49, 185, 18, 18);
    at(AntiAliasLabel7, 80, 184, 109, 22);
    at(Image25, 49, 217, 18, 18);
    at(AntiAliasLabel8, 80, 216, 109, 22);
    at(Image23, 49, 249, 18, 18);
    at(AntiAliasLabel9, 80, 248, 101, 22);
    at(LbSpeedButton4, 20, 302, 40, 40);
    at(LbSpeedButton1, 75, 293, 62, 60);
    at(LbSpeedButton6, 151, 302, 40, 40);
    at(AntiAliasLabel6, 15, 408, 87, 22);
    at(AntiAliasLabel18, 105, 408, 13, 22);
    at(AntiAliasLabel3, 119, 408, 87, 22);
    at(Label2, 0, 400, 200, 45);
    Label2->raise();  // above the three clock labels
    at(htmlLite1, 215, 14, 571, 570);
    at(Panel1, 225, 35, 189, 352);
    at(Panel2, 225, 35, 189, 352);
    at(Panel3, 0, 435, 201, 149);
    htmlLite1->raise();
    Panel1->raise();
    Panel2->raise();
}

// ---------------------------------------------------------------------------
// Host

void MainWindow::drawGrid() {
    Image1->drawGrid(game_.boardSize, game_.cellPitch);
    if (const BoardGeometry* geo = geometryForBoardSize(game_.boardSize))
        Image1->move(origin_ + QPoint(geo->offsetX, geo->offsetY));
    Image1->raise();
    // The help viewer and the panels open over the board.
    htmlLite1->raise();
    Panel1->raise();
    Panel2->raise();
    processEvents();
}

void MainWindow::drawPiece(Side side, int col, int row, bool highlighted) {
    Image1->drawPicture(art_.piece(side, game_.pieceStyle, game_.cellPitch, highlighted), col, row);
}

void MainWindow::markMove(Side side, int col, int row) {
    Image1->markMove(side, col, row);
}

void MainWindow::forgetMarks() {
    Image1->forgetMarks();
}

void MainWindow::hidePanels() {
    htmlLite1->hide();
    Panel1->hide();
    Panel2->hide();
}

void MainWindow::showTurn() {
    Image23->setPixmap(art_.icon(game_.blueToMove ? QStringLiteral("turn-blue.png")
                                                  : QStringLiteral("turn-red.png")));
    processEvents();
}

void MainWindow::showOpponentKind() {
    Image8->setPixmap(art_.icon(game_.redIsHuman ? QStringLiteral("person-red.png")
                                                 : QStringLiteral("computer.png")));
}

void MainWindow::showStyleChoice() {
    Image25->setPixmap(art_.icon(game_.pieceStyleChoice ? QStringLiteral("style-crosses.png")
                                                        : QStringLiteral("style-balls.png")));
    processEvents();
}

void MainWindow::showConnection(bool up) {
    Image29->setPixmap(
        art_.icon(up ? QStringLiteral("check.png") : QStringLiteral("noconnection.png")));
}

void MainWindow::showLevel() {
    AntiAliasLabel18->setText(QString::number(game_.computerLevel));
    if (const char* name = levelName(game_.computerLevel))
        AntiAliasLabel19->setText(QString::number(game_.computerLevel) + QLatin1String(name));
}

void MainWindow::setBlinkTimer(bool enabled) {
    if (enabled)
        Timer1->start();
    else
        Timer1->stop();
}

void MainWindow::startGameClock() {
    gameStartMs_ = monotonicMs();
}

void MainWindow::playSound(Sound sound) {
    sound_->play(sound);
}

void MainWindow::delay(unsigned ms) {
    delayMs(ms);
}

void MainWindow::processEvents() {
    QCoreApplication::processEvents();
}

void MainWindow::setCursor(Cursor cursor) {
    // The cursor is this window's own, so two windows in one process (tests)
    // keep theirs apart.
    const bool wait = cursor == Cursor::Wait;
    if (wait == waitCursor_) return;
    waitCursor_ = wait;
    if (wait)
        QWidget::setCursor(Qt::WaitCursor);
    else
        unsetCursor();
}

void MainWindow::saveSettings() {
    store_->save(game_);
}

void MainWindow::quit() {
    quitting_ = true;
    Timer1->stop();
    Timer2->stop();
    hide();
    emit quitRequested();
}

void MainWindow::reseedRandom() {
    rng_.seed(
        static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count()));
}

std::uint32_t MainWindow::randomBelow(std::uint32_t n) {
    if (n == 0) return 0;
    if (config_.random) return config_.random(n);
    return std::uniform_int_distribution<std::uint32_t>(0, n - 1)(rng_);
}

std::int64_t MainWindow::msSinceMidnight() const {
    if (config_.msSinceMidnight) return config_.msSinceMidnight();
    return QTime::currentTime().msecsSinceStartOfDay();
}

std::int64_t MainWindow::monotonicMs() const {
    if (config_.monotonicMs) return config_.monotonicMs();
    return steady_.elapsed();
}

// ---------------------------------------------------------------------------
// Handlers

void MainWindow::LbSpeedButton1Click() {
    playButton(game_, *this);
}

void MainWindow::LbSpeedButton3Click() {
    exitSequence(game_, *this);
}

void MainWindow::LbSpeedButton4Click() {
    sizeButton(game_, *this);
}

void MainWindow::LbSpeedButton5Click() {
    humanComputerButton(game_, *this);
}

void MainWindow::LbSpeedButton6Click() {
    stopButton(game_, *this);
}

void MainWindow::LbSpeedButton7Click() {
    if (!game_.soundOff) playSound(Sound::Bmic);
    if (game_.gameRunning) return;
    Panel1->hide();
    Panel2->hide();
    htmlLite1->setVisible(htmlLite1->isHidden());
    if (!htmlLite1->isHidden()) htmlLite1->raise();
    processEvents();
}

void MainWindow::LbSpeedButton9Click() {
    if (!game_.soundOff) playSound(Sound::Bmic);
    htmlLite1->hide();
    Panel2->hide();
    Panel1->setVisible(Panel1->isHidden());
    if (!Panel1->isHidden()) Panel1->raise();
    processEvents();
}

void MainWindow::LbSpeedButton10Click() {
    game_.pieceStyleChoice = game_.pieceStyleChoice ? 0 : 1;
    showStyleChoice();
}

void MainWindow::LbSpeedButton2Click() {
    game_.scoreBlue = 1000;
    game_.scoreRed = 1000;
}

void MainWindow::LbSpeedButton11Click() {
    game_.clocksOn = game_.clocksOn ? 0 : 1;
    Label2->setVisible(!game_.clocksOn);
    AntiAliasLabel12->setText(game_.clocksOn ? "Hide clocks" : "Show clocks");
    processEvents();
}

void MainWindow::LbSpeedButton12Click() {
    game_.hintsOn = game_.hintsOn ? 0 : 1;
    applyHints();
    AntiAliasLabel13->setText(game_.hintsOn ? "Hide hints" : "Show hints");
    processEvents();
}

void MainWindow::LbSpeedButton13Click() {
    game_.markBlueMove = game_.markBlueMove ? 0 : 1;
    Image1->eraseMark(Side::Blue);
    AntiAliasLabel15->setText(game_.markBlueMove ? "Hide Blue move" : "Show Blue move");
    processEvents();
}

void MainWindow::LbSpeedButton14Click() {
    game_.markRedMove = game_.markRedMove ? 0 : 1;
    Image1->eraseMark(Side::Red);
    AntiAliasLabel16->setText(game_.markRedMove ? "Hide Red move" : "Show Red move");
    processEvents();
}

void MainWindow::LbSpeedButton16Click() {
    game_.soundOff = game_.soundOff ? 0 : 1;
    AntiAliasLabel20->setText(game_.soundOff ? "Enable sound FX" : "Disable sound FX");
}

void MainWindow::LbSpeedButton15Click() {
    game_.computerLevel = game_.computerLevel >= 3 ? 1 : game_.computerLevel + 1;
    showLevel();
}

void MainWindow::Image1MouseDown(Qt::MouseButton button, int x, int y) {
    const MouseButton b = button == Qt::LeftButton    ? MouseButton::Left
                          : button == Qt::RightButton ? MouseButton::Right
                                                      : MouseButton::Middle;
    boardClick(game_, *this, b, x, y);
}

void MainWindow::Timer1Timer() {
    blinkTick(game_, *this);
}

void MainWindow::Timer2Timer() {
    if (quitting_) return;
    const std::int32_t red = scoreTick(game_.shownScoreRed, game_.scoreRed);
    if (red != game_.shownScoreRed) writeScore(Side::Red, game_.shownScoreRed = red);
    const std::int32_t blue = scoreTick(game_.shownScoreBlue, game_.scoreBlue);
    if (blue != game_.shownScoreBlue) writeScore(Side::Blue, game_.shownScoreBlue = blue);

    const QString now = QString::fromStdString(timeOfDayText(msSinceMidnight()));
    if (AntiAliasLabel6->text() != now) AntiAliasLabel6->setText(now);
    if (game_.gameRunning) {
        const QString elapsed = QString::fromStdString(gameClockText(monotonicMs() - gameStartMs_));
        if (AntiAliasLabel3->text() != elapsed) AntiAliasLabel3->setText(elapsed);
    }
}

void MainWindow::writeScore(Side side, std::int32_t value) {
    const QString text = QString::number(value);
    if (side == Side::Red) {
        AntiAliasLabel2->setText(text);
        AntiAliasLabel4->setText(text);
    } else {
        AntiAliasLabel1->setText(text);
        AntiAliasLabel5->setText(text);
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The system's close request runs the Exit sequence instead; the window
    // goes away when that sequence asks the application to quit.
    if (quitting_) {
        event->accept();
        return;
    }
    event->ignore();
    exitSequence(game_, *this);
}

}  // namespace zelvan
