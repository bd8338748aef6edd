#include "app/shell/mainwindow.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>

#include "app/network/internetpanel.h"
#include "app/network/networkplay.h"
#include "app/shell/gamerandom.h"
#include "app/shell/gamerecorder.h"
#include "app/shell/gamereview.h"
#include "app/shell/matchviews.h"
#include "app/shell/qttimers.h"
#include "app/shell/recordfiles.h"
#include "app/shell/recordpanels.h"
#include "app/shell/windowcontrols.h"
#include "app/storage/recordfile.h"
#include "app/storage/settingsstore.h"
#include "app/ui/bannerplace.h"
#include "app/ui/boardkeys.h"
#include "app/ui/boardnotice.h"
#include "app/ui/boardpicture.h"
#include "app/ui/controlkit.h"
#include "app/ui/helpviewer.h"
#include "app/ui/layout.h"
#include "app/ui/movelistpanel.h"
#include "app/ui/optionspanel.h"
#include "app/ui/playaids.h"
#include "app/ui/resultbanner.h"
#include "app/ui/scorestrip.h"
#include "app/ui/soundplayer.h"
#include "app/ui/statisticspanel.h"
#include "app/ui/statustips.h"
#include "app/widgets/glyphbutton.h"

namespace zelvan {

// Every score the game changes is saved: the strip counts toward it.
class MainWindow::SaveToStore final : public SettingsSink {
public:
    explicit SaveToStore(MainWindow& w) : w_(w) {}
    void save() override {
        w_.store_->save(w_.options_, w_.scores_);
        w_.strip_->wake();
    }

private:
    MainWindow& w_;
};

MainWindow::MainWindow(MainWindowConfig config)
    : QWidget(nullptr, config.windowed ? Qt::Window : Qt::Window | Qt::FramelessWindowHint),
      config_(std::move(config)) {
    setWindowTitle(QStringLiteral("ZELVAN"));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);
    createParts();
    wireButtons();
    start();
}

MainWindow::~MainWindow() = default;

NetLink& MainWindow::netLink() {
    return network_->link();
}

Console& MainWindow::console() {
    return *console_;
}

void MainWindow::createParts() {
    sound_ = config_.soundOutput ? std::make_unique<SoundPlayer>(*config_.soundOutput)
                                 : std::make_unique<SoundPlayer>();
    store_ = config_.settingsFolder.isEmpty()
                 ? std::make_unique<SettingsStore>()
                 : std::make_unique<SettingsStore>(config_.settingsFolder);
    if (!config_.timers) ownTimers_ = std::make_unique<QtTimers>(this);
    Timers& timers = config_.timers ? *config_.timers : *ownTimers_;
    random_ = std::make_unique<ClockSeededRandom>(config_.random);

    controls_ = std::make_unique<WindowControls>(this, art_);  // the help page loads here
    strip_ = new ScoreStrip(this, scores_, [this] { return match_->running(); },
                            {config_.msSinceMidnight, config_.monotonicMs});
    optionsPanel_ =
        new OptionsPanel(this, options_, scores_, Artwork::load(QStringLiteral("optionspanel.png")),
                         Artwork::loadStrip(QStringLiteral("glyphs/toggle.png")));
    optionsPanel_->hide();
    network_ = new NetworkPlay(this, options_, *sound_, timers, *store_,
                               {config_.port, config_.listenOnLoopbackOnly,
                                [this](bool up) { controls_->showConnection(up); },
                                [this](const QString& text) { showNotice(text); }});

    board_ = std::make_unique<WindowBoard>(
        controls_->board, controls_->banner, art_,
        [this] {
            controls_->placeBoard(origin_, optionsPanel_, *network_);
            recordPanels_->boardPlaced(controls_->helpViewer, controls_->banner);
        },
        [this] { match_->blinkTick(); });
    console_ = std::make_unique<WindowConsole>(
        this, *controls_, art_, options_, *sound_, *strip_, optionsPanel_, *network_,
        [this](const QString& text) { showNotice(text); }, [this] { quit(); });
    sink_ = std::make_unique<SaveToStore>(*this);
    createRecordParts();
    match_ =
        std::make_unique<MatchControl>(options_, scores_,
                                       MatchSeams{*board_, *recordingConsole_, *sound_, *network_,
                                                  *sink_, timers, *random_, computer_});
    network_->attach(*match_);
    recorder_->attach(*match_);
    controls_->tips = StatusTips::forWindow(this, options_, *match_, *network_, *controls_->result);
    aids_ = new PlayAids(this, *match_, computer_, controls_->board);
    connect(&aids_->notice(), &BoardNotice::said, controls_->banner, &ResultBanner::dismiss);
    review_ = new GameReview(this, *match_, *recorder_, *aids_, recordPanels_->moveList());
    recordFiles_ =
        new RecordFiles(this, *match_, *network_, *recorder_, *review_,
                        [this](const QString& line) { aids_->notice().say(line, 5000); });
    controls::hintWindow(this);
}

// Every game kept and counted, and the panels that show them.
void MainWindow::createRecordParts() {
    std::function<std::int64_t()> steady = config_.monotonicMs;
    if (!steady)
        steady = [clock = std::make_shared<QElapsedTimer>()] {
            if (!clock->isValid()) clock->start();
            return clock->elapsed();
        };
    recorder_ = new GameRecorder(
        this, scores_, store_->folder(),
        {steady,
         [this] {
             if (network_->connected())
                 return records::Opponent::networkPeer(network_->peerAddress().toStdString());
             return options_.redIsHuman() ? records::Opponent::personHere()
                                          : records::Opponent::computer(options_.level().number);
         },
         [] { return recordTime(QDateTime::currentDateTime()); }});
    recordPanels_ = new RecordPanels(this, *recorder_, controls_->board, store_->folder(),
                                     [this](QWidget* panel) { toggleOverlay(panel); });
    recordingConsole_ = std::make_unique<RecordingConsole>(*console_, *recorder_, [this] {
        recordPanels_->moveList()->hide();
        recordPanels_->statistics()->hide();
    });
}

void MainWindow::wireButtons() {
    const WindowControls& c = *controls_;
    MatchControl* m = match_.get();
    connect(c.playButton, &GlyphButton::clicked, this, &MainWindow::onPlayClicked);
    connect(c.exitButton, &GlyphButton::clicked, this, &MainWindow::onExitClicked);
    connect(c.sizeButton, &GlyphButton::clicked, this, [m] { m->size(); });
    connect(c.opponentButton, &GlyphButton::clicked, this, [m] { m->humanComputer(); });
    connect(c.stopButton, &GlyphButton::clicked, this, [m] { m->stop(); });
    connect(c.helpButton, &GlyphButton::clicked, this, &MainWindow::onHelpClicked);
    connect(c.internetButton, &GlyphButton::clicked, this, &MainWindow::onInternetClicked);
    connect(c.optionsButton, &GlyphButton::clicked, this, &MainWindow::onOptionsClicked);
    connect(c.board, &BoardPicture::mousePressed, this, &MainWindow::onBoardPressed);
    connect(optionsPanel_, &OptionsPanel::optionChanged, this, &MainWindow::onOptionChanged);
    connect(optionsPanel_, &OptionsPanel::scoresReset, strip_, &ScoreStrip::wake);

    new BoardKeys(this, c.board,
                  {[this](int x, int y) { onBoardPressed(Qt::LeftButton, x, y); },
                   [this] { onPlayClicked(); },
                   [this] { onHelpKey(); },
                   [this] { onExitClicked(); },
                   {{c.helpViewer, [this] { onHelpKey(); }},
                    {optionsPanel_, [this] { onOptionsClicked(); }},
                    {network_->internetPanel(), [this] { onInternetClicked(); }},
                    {recordPanels_->moveList(), [this] { recordPanels_->onMoveListKey(); }},
                    {recordPanels_->statistics(), [this] { recordPanels_->onStatisticsKey(); }}}});
}

// Start-up, in the order the first screen relies on.
void MainWindow::start() {
    // The settings: the defaults the options and scores hold, then the file.
    store_->load(options_, scores_);

    // The loaded options on their captions, controls and the scoreboard.
    controls_->showHints(options_.on(Setting::Hints));
    optionsPanel_->showCaptions();
    strip_->setClocksShown(options_.on(Setting::Clocks));
    network_->showLoadedOptions();
    strip_->showScoresNow();
    controls_->showStyle(options_.pieceStyle());
    network_->startListening();
    strip_->showLevel(options_.level().number);

    // Full screen, everything placed, then the first opener and empty board.
    screen_ = config_.screen;
    if (screen_.isEmpty()) {
        const QScreen* s = QGuiApplication::primaryScreen();
        screen_ = s ? s->geometry() : QRect(0, 0, layout::kWidth, layout::kHeight);
    }
    if (config_.windowed)
        setFixedSize(screen_.size());  // the scene does not stretch
    else
        setGeometry(screen_);
    origin_ = layout::backgroundOrigin(screen_.width(), screen_.height());
    controls_->place(origin_, *strip_, optionsPanel_, *network_);
    recordPanels_->place(origin_);
    match_->startUp();
    strip_->start();
}

// What each option does beyond its value and caption, which the panel keeps.
void MainWindow::onOptionChanged(Setting setting) {
    switch (setting) {
    case Setting::PieceStyle:
        controls_->showStyle(options_.pieceStyle());
        break;
    case Setting::Clocks:
        strip_->setClocksShown(options_.on(Setting::Clocks));
        break;
    case Setting::Hints:
        controls_->showHints(options_.on(Setting::Hints));
        break;
    case Setting::MarkBlueMove:
    case Setting::MarkRedMove:
        controls_->board->eraseMark(setting == Setting::MarkBlueMove ? Side::Blue : Side::Red);
        break;
    case Setting::Level:
        strip_->showLevel(options_.level().number);
        controls_->tips->refresh();
        break;
    default:
        break;
    }
}

void MainWindow::showNotice(const QString& text) {
    controls_->banner->showText(text, controls_->board->geometry(),
                                clearanceOf(*match_, *controls_->board));
}

// Help, options, Internet, the move list and the statistics share the space
// over the board: opening one closes the others, and a second press closes
// it again.
void MainWindow::toggleOverlay(QWidget* panel) {
    const std::initializer_list<QWidget*> panels{
        controls_->helpViewer, optionsPanel_, network_->internetPanel(), recordPanels_->moveList(),
        recordPanels_->statistics()};
    for (QWidget* other : panels)
        if (other != panel) other->hide();
    panel->setVisible(panel->isHidden());
    if (!panel->isHidden()) panel->raise();
}

bool MainWindow::openRecord(const QString& path) {
    return recordFiles_->openFile(path);
}

void MainWindow::quit() {
    quitting_ = true;
    board_->setBlinking(false);
    strip_->stop();
    hide();
    emit quitRequested();
}

// ---------------------------------------------------------------------------
// Handlers

void MainWindow::onPlayClicked() {
    controls_->banner->dismiss();  // the last result makes way for the new game
    match_->play();
}

void MainWindow::onExitClicked() {
    match_->exit();
}

void MainWindow::onHelpClicked() {
    if (options_.soundOn()) sound_->play(Sound::Click);
    if (match_->running()) return;  // the page would hide the board in play
    toggleOverlay(controls_->helpViewer);
}

void MainWindow::onHelpKey() {
    if (options_.soundOn()) sound_->play(Sound::Click);
    toggleOverlay(controls_->helpViewer);
}

void MainWindow::onOptionsClicked() {
    if (options_.soundOn()) sound_->play(Sound::Click);
    toggleOverlay(optionsPanel_);
}

void MainWindow::onInternetClicked() {
    if (options_.soundOn()) sound_->play(Sound::Click);
    toggleOverlay(network_->internetPanel());
}

void MainWindow::onBoardPressed(Qt::MouseButton button, int x, int y) {
    const MouseButton b = button == Qt::LeftButton    ? MouseButton::Left
                          : button == Qt::RightButton ? MouseButton::Right
                                                      : MouseButton::Middle;
    match_->boardClick(b, x, y);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The system's close request runs the Exit sequence instead; the window
    // goes away when that sequence asks the application to quit.
    if (quitting_) {
        event->accept();
        return;
    }
    event->ignore();
    match_->exit();
}

}  // namespace zelvan
