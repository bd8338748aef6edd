#include "app/ui/optionspanel.h"

#include <QLabel>

#include "app/ui/controlkit.h"
#include "app/ui/layout.h"
#include "app/widgets/glyphbutton.h"
#include "app/widgets/smoothlabel.h"

namespace zelvan {

namespace {

std::uint8_t flipped(std::uint8_t flag) {
    return flag ? 0 : 1;
}

}  // namespace

QString levelLineText(int level) {
    switch (level) {
    case 1:
        return QStringLiteral("1 - easy");
    case 2:
        return QStringLiteral("2 - medium");
    case 3:
        return QStringLiteral("3 - hard");
    }
    return {};
}

OptionsPanel::OptionsPanel(QWidget* parent, Game& game, const QImage& background,
                           const QImage& toggleGlyph)
    : QWidget(parent), game_(game) {
    using namespace layout;
    setObjectName(QStringLiteral("optionsPanel"));
    resize(kOptionsPanel.size());
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("optionsBackground"));
    picture->setPixmap(QPixmap::fromImage(background));
    picture->setGeometry(rect());

    controls::panelCaption(this, "optionsTitle", QStringLiteral("OPTIONS"), kPanelTitle);
    int row = 0;
    GlyphButton* lastToggle = nullptr;
    // One row: the toggle, its caption beside it, and what a press does.
    auto addRow = [&](const char* name, const QString& caption, auto onPress) {
        const QPoint at(kOptionRowX, kOptionFirstRowY + row++ * kOptionRowPitch);
        GlyphButton* toggle = controls::panelToggle(this, name, toggleGlyph, at);
        connect(toggle, &GlyphButton::clicked, this, onPress);
        SmoothLabel* l = controls::panelCaption(this, (QByteArray(name) + "Caption").constData(),
                                                caption, at + kOptionCaptionOffset);
        controls::pressThrough(l, toggle);
        lastToggle = toggle;
        return l;
    };
    addRow("styleToggle", QStringLiteral("Toggle pieces style "), [this] {
        game_.pieceStyleChoice = flipped(game_.pieceStyleChoice);
        emit styleChoiceToggled();
    });
    addRow("resetScores", QStringLiteral("Reset scores"), [this] {
        game_.scoreBlue = 1000;
        game_.scoreRed = 1000;
        emit scoresReset();
    });
    clocksCaption_ = addRow("clocksToggle", {}, [this] {
        game_.clocksOn = flipped(game_.clocksOn);
        showCaptions();
        emit clocksToggled();
    });
    hintsCaption_ = addRow("hintsToggle", {}, [this] {
        game_.hintsOn = flipped(game_.hintsOn);
        showCaptions();
        emit hintsToggled();
    });
    blueMarkCaption_ = addRow("blueMarkToggle", {}, [this] {
        game_.markBlueMove = flipped(game_.markBlueMove);
        showCaptions();
        emit markToggled(Side::Blue);
    });
    redMarkCaption_ = addRow("redMarkToggle", {}, [this] {
        game_.markRedMove = flipped(game_.markRedMove);
        showCaptions();
        emit markToggled(Side::Red);
    });
    soundCaption_ = addRow("soundToggle", {}, [this] {
        game_.soundOff = flipped(game_.soundOff);
        showCaptions();
        emit soundToggled();
    });
    addRow("levelButton", QStringLiteral("Computer level"), [this] {
        game_.computerLevel = game_.computerLevel >= 3 ? 1 : game_.computerLevel + 1;
        showCaptions();
        emit levelChanged();
    });
    levelLine_ = controls::panelCaption(this, "levelLine", {}, kLevelLine);
    controls::pressThrough(levelLine_, lastToggle);  // the level's own line, below its row
}

void OptionsPanel::showCaptions() {
    clocksCaption_->setText(game_.clocksOn ? "Hide clocks" : "Show clocks");
    hintsCaption_->setText(game_.hintsOn ? "Hide hints" : "Show hints");
    blueMarkCaption_->setText(game_.markBlueMove ? "Hide Blue move" : "Show Blue move");
    redMarkCaption_->setText(game_.markRedMove ? "Hide Red move" : "Show Red move");
    soundCaption_->setText(game_.soundOff ? "Enable sound FX" : "Disable sound FX");
    // A level out of range leaves the line as it was.
    if (const QString line = levelLineText(game_.computerLevel); !line.isEmpty())
        levelLine_->setText(line);
}

}  // namespace zelvan
