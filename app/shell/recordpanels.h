#pragma once
// The records' panels and keys: L opens the move list and S the statistics,
// both over the board in the options panel's place; C shows or hides the
// coordinates along the board's edges, remembered in the preferences file.
// The move list follows the game on the board piece by piece.

#include <QObject>
#include <functional>
#include <memory>

class QWidget;

namespace zelvan {

class BoardPicture;
class CoordinateLabels;
class GameRecorder;
class MoveListPanel;
class PreferencesStore;
class StatisticsPanel;

class RecordPanels : public QObject {
    Q_OBJECT
public:
    // `toggle` opens a panel over the board (closing any other) or closes it.
    RecordPanels(QWidget* window, GameRecorder& recorder, BoardPicture* board,
                 const QString& folder, std::function<void(QWidget*)> toggle);
    ~RecordPanels() override;

    MoveListPanel* moveList() const { return moveList_; }
    StatisticsPanel* statistics() const { return statistics_; }
    CoordinateLabels* coordinates() const { return coordinates_; }

    // Both panels at their place for a background whose top-left lies at `origin`.
    void place(QPoint origin);
    // A new board stands: the coordinates follow it, beneath the help page
    // (which covers their band on the larger boards), and the panels stand
    // over it, beneath the banner.
    void boardPlaced(QWidget* helpPage, QWidget* banner);

public slots:
    void onMoveListKey();
    void onStatisticsKey();
    void onCoordinatesKey();

private:
    BoardPicture* board_;
    std::function<void(QWidget*)> toggle_;
    std::unique_ptr<PreferencesStore> preferences_;
    MoveListPanel* moveList_;
    StatisticsPanel* statistics_;
    CoordinateLabels* coordinates_;
};

}  // namespace zelvan
