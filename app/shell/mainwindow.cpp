#include "app/shell/mainwindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTime>
#include <QTimer>
#include <chrono>
#include <utility>

#include "app/network/chatpanel.h"
#include "app/network/internetpanel.h"
#include "app/network/networkplay.h"
#include "app/shell/delay.h"
#include "app/storage/settingsstore.h"
#include "app/ui/boardkeys.h"
#include "app/ui/boardpicture.h"
#include "app/ui/controlkit.h"
#include "app/ui/endingtext.h"
#include "app/ui/helpviewer.h"
#include "app/ui/layout.h"
#include "app/ui/optionspanel.h"
#include "app/ui/playaids.h"
#include "app/ui/resultbanner.h"
#include "app/ui/resultline.h"
#include "app/ui/scorestrip.h"
#include "app/ui/soundoutput.h"
#include "app/ui/soundplayer.h"
#include "app/ui/statustips.h"
#include "app/widgets/glyphbutton.h"
#include "app/widgets/hintwindow.h"
#include "app/widgets/smoothlabel.h"
#include "core/engine/board.h"
#include "core/engine/rules.h"

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

}  // namespace

MainWindow::MainWindow(MainWindowConfig config)
    : QWidget(nullptr, config.windowed ? Qt::Window : Qt::Window | Qt::FramelessWindowHint),
      config_(std::move(config)) {
    steady_.start();
    setWindowTitle(QStringLiteral("ZELVAN"));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);

    sound_ =
        config_.soundOutput
            ? std::make_unique<SoundPlayer>(std::make_unique<ForwardingOutput>(config_.soundOutput))
            : std::make_unique<SoundPlayer>();
    store_ = config_.settingsFolder.isEmpty()
                 ? std::make_unique<SettingsStore>()
                 : std::make_unique<SettingsStore>(config_.settingsFolder);
    createControls();  // the help page is loaded as its viewer is made
    start();
}

MainWindow::~MainWindow() = default;

NetLink& MainWindow::netLink() {
    return network_->link();
}

void MainWindow::createControls() {
    using namespace controls;
    background_ = new QLabel(this);
    background_->setObjectName(QStringLiteral("background"));
    background_->setPixmap(QPixmap::fromImage(Artwork::load(QStringLiteral("background.png"))));

    scores_ = new ScoreStrip(
        this, game_, {[this] { return msSinceMidnight(); }, [this] { return monotonicMs(); }});
    redIcon_ = picture(this, "redIcon");
    blueIcon_ = picture(this, "blueIcon");
    blueIcon_->setPixmap(art_.icon(QStringLiteral("person-blue.png")));

    auto button = [](QWidget* parent, const char* name, const char* glyph, const char* hint) {
        return glyphButton(parent, name, Artwork::loadStrip(QStringLiteral("glyphs/") + glyph),
                           QString::fromUtf8(hint));
    };
    opponentButton_ = button(this, "opponentButton", "humancomputer.png", "Human / Computer");
    exitButton_ = button(this, "exitButton", "exit.png", "Exit");
    helpButton_ = button(this, "helpButton", "help.png", "Help");
    internetButton_ = button(this, "internetButton", "internet.png", "Internet");
    optionsButton_ = button(this, "optionsButton", "options.png", "Options");
    sizeButton_ = button(this, "sizeButton", "size.png", "Size 15-20-30");
    playButton_ = button(this, "playButton", "play.png", "Play!");
    stopButton_ = button(this, "stopButton", "stop.png", "Stop");

    connectionIcon_ = picture(this, "connectionIcon");
    connectionIcon_->setPixmap(art_.icon(QStringLiteral("noconnection.png")));
    styleIcon_ = picture(this, "styleIcon");
    turnIcon_ = picture(this, "turnIcon");
    const QFont captionFont = arial(15, true);
    connectionCaption_ = label(this, "connectionCaption", captionFont, kCaptionColour,
                               Qt::AlignLeft, QStringLiteral("connection"));
    styleCaption_ = label(this, "styleCaption", captionFont, kCaptionColour, Qt::AlignLeft,
                          QStringLiteral("pieces style"));
    turnCaption_ = label(this, "turnCaption", captionFont, kCaptionColour, Qt::AlignLeft,
                         QStringLiteral("game turn"));

    result_ = new ResultLine(this);
    tips_ = StatusTips::forWindow(this, game_, *result_);

    board_ = new BoardPicture(this, Artwork::scale());
    board_->setObjectName(QStringLiteral("board"));
    connect(board_, &BoardPicture::mousePressed, this, &MainWindow::onBoardPressed);
    aids_ = new PlayAids(this, game_, *this, board_);

    helpViewer_ = new HelpViewer(this);
    helpViewer_->setObjectName(QStringLiteral("helpViewer"));
    helpViewer_->hide();

    const QImage toggle = Artwork::loadStrip(QStringLiteral("glyphs/toggle.png"));
    options_ =
        new OptionsPanel(this, game_, Artwork::load(QStringLiteral("optionspanel.png")), toggle);
    options_->hide();
    connectOptions();
    network_ = new NetworkPlay(this, game_, *this, *store_,
                               {config_.port, config_.listenOnLoopbackOnly,
                                [this](bool up) { showConnection(up); },
                                [this](const QString& text) { showNotice(text); }});

    connect(playButton_, &GlyphButton::clicked, this, &MainWindow::onPlayClicked);
    connect(exitButton_, &GlyphButton::clicked, this, &MainWindow::onExitClicked);
    connect(sizeButton_, &GlyphButton::clicked, this, &MainWindow::onSizeClicked);
    connect(opponentButton_, &GlyphButton::clicked, this, &MainWindow::onOpponentClicked);
    connect(stopButton_, &GlyphButton::clicked, this, &MainWindow::onStopClicked);
    connect(helpButton_, &GlyphButton::clicked, this, &MainWindow::onHelpClicked);
    connect(internetButton_, &GlyphButton::clicked, this, &MainWindow::onInternetClicked);
    connect(optionsButton_, &GlyphButton::clicked, this, &MainWindow::onOptionsClicked);

    blinkTimer_ = new QTimer(this);
    blinkTimer_->setObjectName(QStringLiteral("blinkTimer"));
    blinkTimer_->setInterval(1000);
    connect(blinkTimer_, &QTimer::timeout, this, &MainWindow::onBlinkTick);

    hints_ = hintWindow(this);
    banner_ = new ResultBanner(this);

    new BoardKeys(this, board_,
                  {[this](int x, int y) { onBoardPressed(Qt::LeftButton, x, y); },
                   [this] { onPlayClicked(); },
                   [this] { onHelpKey(); },
                   [this] { onExitClicked(); },
                   {{helpViewer_, [this] { onHelpKey(); }},
                    {options_, [this] { onOptionsClicked(); }},
                    {network_->internetPanel(), [this] { onInternetClicked(); }}}});
}

// What each option does beyond its flag and caption, which the panel keeps.
void MainWindow::connectOptions() {
    connect(options_, &OptionsPanel::styleChoiceToggled, this, &MainWindow::showStyleChoice);
    connect(options_, &OptionsPanel::clocksToggled, this, [this] {
        scores_->setClocksShown(game_.clocksOn);
        processEvents();
    });
    connect(options_, &OptionsPanel::hintsToggled, this, [this] {
        applyHints();
        processEvents();
    });
    connect(options_, &OptionsPanel::markToggled, this, [this](Side side) {
        board_->eraseMark(side);
        processEvents();
    });
    connect(options_, &OptionsPanel::scoresReset, scores_, &ScoreStrip::wake);
    connect(options_, &OptionsPanel::levelChanged, this, [this] {
        scores_->showLevel(game_.computerLevel);
        tips_->refresh();
    });
}

// Start-up, in the order the first screen relies on.
void MainWindow::start() {
    // The settings: defaults first, then whatever the file holds.
    setDefaults(game_);
    store_->load(game_);

    // The loaded options on their captions, controls and the scoreboard.
    applyHints();
    options_->showCaptions();
    scores_->setClocksShown(game_.clocksOn);
    network_->showLoadedOptions();
    scores_->showScoresNow();
    game_.gameRunning = 0;
    game_.pieceStyleChoice = game_.pieceStyle;
    showStyleChoice();

    // The first opener: the first new board flips this draw, so the first
    // game is still even odds.
    reseedRandom();
    game_.blueOpens = randomBelow(2) == 0 ? 1 : 0;
    game_.blueToMove = game_.blueOpens;
    showTurn();
    processEvents();

    game_.connected = 0;
    network_->startListening();
    scores_->showLevel(game_.computerLevel);
    showOpponentKind();

    // Full screen, everything placed, then the first empty board.
    screen_ = config_.screen;
    if (screen_.isEmpty()) {
        const QScreen* s = QGuiApplication::primaryScreen();
        screen_ = s ? s->geometry() : QRect(0, 0, layout::kWidth, layout::kHeight);
    }
    if (config_.windowed)
        setFixedSize(screen_.size());  // the scene does not stretch
    else
        setGeometry(screen_);
    processEvents();
    placeControls();
    processEvents();
    init(game_, *this);
    scores_->start();
}

void MainWindow::applyHints() {
    for (GlyphButton* b : {playButton_, exitButton_, sizeButton_, opponentButton_, stopButton_,
                           helpButton_, internetButton_, optionsButton_})
        b->setToolTip(game_.hintsOn ? b->property("hintText").toString() : QString());
    tips_->setShown(game_.hintsOn);
}

void MainWindow::placeControls() {
    using namespace layout;
    origin_ = layout::backgroundOrigin(screen_.width(), screen_.height());
    auto at = [this](QWidget* c, const QRect& r) { c->setGeometry(r.translated(origin_)); };
    at(background_, QRect(0, 0, kWidth, kHeight));
    background_->lower();
    at(redIcon_, iconAt(kRedPlayerIcon));
    at(blueIcon_, iconAt(kBluePlayerIcon));
    at(opponentButton_, kOpponentButton);
    at(exitButton_, kExitButton);
    at(helpButton_, kHelpButton);
    at(internetButton_, kInternetButton);
    at(optionsButton_, kOptionsButton);
    at(connectionIcon_, iconAt(kConnectionIcon));
    at(connectionCaption_, kConnectionCaption);
    at(styleIcon_, iconAt(kStyleIcon));
    at(styleCaption_, kStyleCaption);
    at(turnIcon_, iconAt(kTurnIcon));
    at(turnCaption_, kTurnCaption);
    at(sizeButton_, kSizeButton);
    at(playButton_, kPlayButton);
    at(stopButton_, kStopButton);
    scores_->place(origin_);
    at(result_, kResultLine);
    at(helpViewer_, kHelpViewer);
    at(options_, kOptionsPanel);
    at(network_->internetPanel(), kInternetPanel);
    at(network_->chatPanel(), kChatPanel);
    raiseOverlays();
}

// The help viewer and the two panels open over the board, even a board
// drawn after them.
void MainWindow::raiseOverlays() {
    helpViewer_->raise();
    options_->raise();
    network_->internetPanel()->raise();
    banner_->raise();
}

// Help, options and Internet share the space over the board: opening one
// closes the others, and a second press closes it again.
void MainWindow::toggleOverlay(QWidget* panel) {
    for (QWidget* other : {static_cast<QWidget*>(helpViewer_), static_cast<QWidget*>(options_),
                           static_cast<QWidget*>(network_->internetPanel())})
        if (other != panel) other->hide();
    panel->setVisible(panel->isHidden());
    if (!panel->isHidden()) panel->raise();
    processEvents();
}

// ---------------------------------------------------------------------------
// Host

void MainWindow::drawGrid() {
    board_->drawGrid(game_.boardSize, game_.cellPitch);
    if (const BoardGeometry* geo = geometryForBoardSize(game_.boardSize))
        board_->move(origin_ + QPoint(geo->offsetX, geo->offsetY));
    board_->raise();
    raiseOverlays();
}

void MainWindow::drawPiece(Side side, int col, int row, bool highlighted) {
    board_->drawPicture(art_.piece(side, game_.pieceStyle, game_.cellPitch, highlighted), col, row);
    banner_->keepInView(board_->cellRect(col, row).toAlignedRect().translated(board_->pos()));
}

void MainWindow::markMove(Side side, int col, int row) {
    board_->markMove(side, col, row);
}

void MainWindow::forgetMarks() {
    board_->forgetMarks();
}

void MainWindow::hidePanels() {
    helpViewer_->hide();
    options_->hide();
    network_->internetPanel()->hide();
}

void MainWindow::showTurn() {
    // After a game the lamp shows who won it (a draw leaves it as it was),
    // until the next game starts.
    const bool won = result_->holdsResult() && result_->winner() != kNone;
    const bool blue = won ? result_->winner() == kBlue : game_.blueToMove != 0;
    turnIcon_->setPixmap(
        art_.icon(blue ? QStringLiteral("turn-blue.png") : QStringLiteral("turn-red.png")));
    tips_->refresh();
}

void MainWindow::showOpponentKind() {
    redIcon_->setPixmap(art_.icon(game_.redIsHuman ? QStringLiteral("person-red.png")
                                                   : QStringLiteral("computer.png")));
}

void MainWindow::showStyleChoice() {
    styleIcon_->setPixmap(art_.icon(game_.pieceStyleChoice ? QStringLiteral("style-crosses.png")
                                                           : QStringLiteral("style-balls.png")));
    tips_->refresh();
    processEvents();
}

void MainWindow::showConnection(bool up) {
    connectionIcon_->setPixmap(
        art_.icon(up ? QStringLiteral("check.png") : QStringLiteral("noconnection.png")));
    tips_->refresh();
}

void MainWindow::setBlinkTimer(bool enabled) {
    if (enabled)
        blinkTimer_->start();
    else
        blinkTimer_->stop();
}

void MainWindow::startGameClock() {
    scores_->startGameClock();
    result_->clear();  // a new game begins
}

void MainWindow::playSound(Sound sound) {
    if (!game_.soundOff) sound_->play(sound);
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

void MainWindow::sendMessage(const std::string& bytes) {
    network_->send(bytes);
}

void MainWindow::hangUp() {
    network_->onEndClicked();
}

void MainWindow::chatReceived(const std::string& text) {
    network_->chatReceived(text);
}

void MainWindow::saveSettings() {
    if (savesHeld_) {
        saveOwed_ = true;
        return;
    }
    store_->save(game_);
    scores_->wake();  // every score the game changes is saved: count toward it
}

void MainWindow::holdSaves(bool held) {
    savesHeld_ = held;
    if (!held && std::exchange(saveOwed_, false)) store_->save(game_);
}

bool MainWindow::peerConnected() {
    return network_->peerConnected();
}

void MainWindow::quit() {
    quitting_ = true;
    blinkTimer_->stop();
    scores_->stop();
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

void MainWindow::gameEnded(const GameEnd& end) {
    const QString text = endingText(end, game_.redIsHuman && !game_.connected);
    showNotice(text);
    result_->showResult(text, end.winner);
    showTurn();
    // A draw is told by ear too, with the quiet closing tune.
    if (end.reason == EndReason::FullBoard && !game_.soundOff) playSound(Sound::Exit);
    const bool overTheNetwork = game_.connected || end.reason == EndReason::HungUp ||
                                end.reason == EndReason::PeerLeft ||
                                end.reason == EndReason::ConnectionLost;
    if (overTheNetwork) network_->noteInChat(text);
}

void MainWindow::showNotice(const QString& text) {
    banner_->showText(text, board_->geometry(), clearanceOf(game_, *board_));
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
// Handlers: each hands the press to the game's rules.

void MainWindow::onPlayClicked() {
    banner_->dismiss();  // the last result makes way for the new game
    playButton(game_, *this);
}

void MainWindow::onExitClicked() {
    exitSequence(game_, *this);
}

void MainWindow::onSizeClicked() {
    sizeButton(game_, *this);
}

void MainWindow::onOpponentClicked() {
    humanComputerButton(game_, *this);
}

void MainWindow::onStopClicked() {
    stopButton(game_, *this);
}

void MainWindow::onHelpClicked() {
    playSound(Sound::Click);
    if (game_.gameRunning) return;  // the page would hide the board in play
    toggleOverlay(helpViewer_);
}

void MainWindow::onHelpKey() {
    playSound(Sound::Click);
    toggleOverlay(helpViewer_);
}

void MainWindow::onOptionsClicked() {
    playSound(Sound::Click);
    toggleOverlay(options_);
}

void MainWindow::onInternetClicked() {
    playSound(Sound::Click);
    toggleOverlay(network_->internetPanel());
}

void MainWindow::onBoardPressed(Qt::MouseButton button, int x, int y) {
    const MouseButton b = button == Qt::LeftButton    ? MouseButton::Left
                          : button == Qt::RightButton ? MouseButton::Right
                                                      : MouseButton::Middle;
    boardClick(game_, *this, b, x, y);
}

void MainWindow::onBlinkTick() {
    blinkTick(game_, *this);
}

void MainWindow::onTick() {
    if (!quitting_) scores_->tick();
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
