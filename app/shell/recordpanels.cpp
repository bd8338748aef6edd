#include "app/shell/recordpanels.h"

#include <QShortcut>

#include "app/ui/controlkit.h"
#include <QWidget>

#include "app/shell/gamerecorder.h"
#include "app/storage/preferences.h"
#include "app/ui/artwork.h"
#include "app/ui/boardpicture.h"
#include "app/ui/coordinatelabels.h"
#include "app/ui/layout.h"
#include "app/ui/movelistpanel.h"
#include "app/ui/statisticspanel.h"

namespace zelvan {

RecordPanels::RecordPanels(QWidget* window, GameRecorder& recorder, BoardPicture* board,
                           const QString& folder, std::function<void(QWidget*)> toggle)
    : QObject(window), board_(board), toggle_(std::move(toggle)),
      preferences_(std::make_unique<PreferencesStore>(folder)) {
    setObjectName(QStringLiteral("recordPanels"));
    const QImage picture = Artwork::load(QStringLiteral("optionspanel.png"));
    moveList_ = new MoveListPanel(window, picture);
    moveList_->setObjectName(QStringLiteral("moveListPanel"));
    moveList_->hide();
    statistics_ = new StatisticsPanel(window, picture);
    statistics_->setObjectName(QStringLiteral("statisticsPanel"));
    statistics_->setStatistics(recorder.statistics());
    statistics_->hide();
    coordinates_ = new CoordinateLabels(window);
    coordinates_->setVisible(preferences_->load().coordinates);

    // The move list follows the game on the board; review marks its own.
    connect(&recorder, &GameRecorder::recordChanged, this, [this, &recorder] {
        if (recorder.record()) moveList_->setRecord(*recorder.record());
    });
    connect(&recorder, &GameRecorder::statisticsChanged, this,
            [this, &recorder] { statistics_->setStatistics(recorder.statistics()); });

    connect(controls::windowKey(window, "moveListShortcut", QKeySequence(Qt::Key_L)),
            &QShortcut::activated, this, &RecordPanels::onMoveListKey);
    connect(controls::windowKey(window, "statisticsShortcut", QKeySequence(Qt::Key_S)),
            &QShortcut::activated, this, &RecordPanels::onStatisticsKey);
    connect(controls::windowKey(window, "coordinatesShortcut", QKeySequence(Qt::Key_C)),
            &QShortcut::activated, this, &RecordPanels::onCoordinatesKey);
}

RecordPanels::~RecordPanels() = default;

void RecordPanels::place(QPoint origin) {
    moveList_->setGeometry(layout::kMoveListPanel.translated(origin));
    statistics_->setGeometry(layout::kStatisticsPanel.translated(origin));
}

void RecordPanels::boardPlaced(QWidget* helpPage, QWidget* banner) {
    coordinates_->setBoard(board_->boardSize(), board_->geometry());
    coordinates_->stackUnder(helpPage);
    moveList_->stackUnder(banner);
    statistics_->stackUnder(banner);
}

void RecordPanels::onMoveListKey() {
    toggle_(moveList_);
}

void RecordPanels::onStatisticsKey() {
    toggle_(statistics_);
}

void RecordPanels::onCoordinatesKey() {
    coordinates_->setVisible(coordinates_->isHidden());
    preferences_->save({!coordinates_->isHidden()});
}

}  // namespace zelvan
