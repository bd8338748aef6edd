#pragma once
// The main window's own controls: the background, the left panel's icons,
// captions and eight buttons, the board picture, the help viewer and the
// result banner and line; and where every control of the window goes, by the layout
// table (app/ui/layout.h), the parts' controls too.

#include <QPoint>
#include <QRect>
#include <vector>

class QLabel;
class QWidget;

namespace zelvan {

class GlyphButton;

class Artwork;
class BoardPicture;
class HelpViewer;
class NetworkPlay;
class OptionsPanel;
class ResultBanner;
class ResultLine;
class StatusTips;
class ScoreStrip;

struct WindowControls {
    WindowControls(QWidget* window, Artwork& art);

    // Everything at its place for a background whose top-left lies at `origin`.
    void place(QPoint origin, ScoreStrip& scores, OptionsPanel* options, NetworkPlay& network);
    // The help viewer, the two panels and the banner open over the board,
    // even a board drawn after them.
    void raiseOverlays(OptionsPanel* options, NetworkPlay& network);
    // A new board: at its place for its size, in front, the panels over it.
    void placeBoard(QPoint origin, OptionsPanel* options, NetworkPlay& network);
    // The eight buttons of the left panel.
    std::vector<GlyphButton*> buttons() const;

    // The left panel's indicators and the buttons' tool-tip hints.
    void showHints(bool on);
    void showStyle(int pieceStyle);
    void showConnection(bool up);

    QLabel* background;
    QLabel* redIcon;
    QLabel* blueIcon;
    GlyphButton* opponentButton;
    GlyphButton* exitButton;
    GlyphButton* helpButton;
    GlyphButton* internetButton;
    GlyphButton* optionsButton;
    GlyphButton* sizeButton;
    GlyphButton* playButton;
    GlyphButton* stopButton;
    QLabel* connectionIcon;
    QLabel* styleIcon;
    QLabel* turnIcon;
    QWidget* connectionCaption;
    QWidget* styleCaption;
    QWidget* turnCaption;
    BoardPicture* board;
    HelpViewer* helpViewer;
    ResultBanner* banner;
    ResultLine* result;  // the last game's ending, below the game buttons
    // Hints of the lamps, scores and level digit; made by the window once
    // what they tell of exists.
    StatusTips* tips = nullptr;

private:
    Artwork& art_;
};

}  // namespace zelvan
