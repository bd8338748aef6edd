#pragma once
// The Internet panel (Panel2): the address to call, CALL and END, the last
// caller's address, the Listen and chat-box toggles and the status line.
// It only holds the controls; the main window's handlers give them meaning.

#include <QWidget>

class QLabel;
class AlignEdit;
class AntiAliasLabel;
class LbSpeedButton;

namespace zelvan {

class InternetPanel : public QWidget {
    Q_OBJECT
public:
    explicit InternetPanel(QWidget* parent, const QImage& background, const QImage& toggleGlyph);

    QLabel* Image34 = nullptr;                   // background, a copy of the options panel's
    AlignEdit* AlignEdit1 = nullptr;             // the address to call
    LbSpeedButton* LbSpeedButton17 = nullptr;    // CALL
    AlignEdit* AlignEdit2 = nullptr;             // the last caller's address, read-only
    LbSpeedButton* LbSpeedButton21 = nullptr;    // Listen toggle
    AntiAliasLabel* AntiAliasLabel26 = nullptr;  // its caption
    LbSpeedButton* LbSpeedButton18 = nullptr;    // END
    AntiAliasLabel* AntiAliasLabel23 = nullptr;  // status
    LbSpeedButton* LbSpeedButton24 = nullptr;    // chat-box toggle
    AntiAliasLabel* AntiAliasLabel30 = nullptr;  // its caption
};

// The look shared by the panels' captions: bold Arial 15 px, RGB(141,197,197).
AntiAliasLabel* panelCaption(QWidget* parent, const QString& text, int x, int y);
// A small flat toggle button at (x, y) with the options' key glyph.
LbSpeedButton* panelToggle(QWidget* parent, const QImage& glyph, int x, int y);

}  // namespace zelvan
