#include "app/ui/optionspanel.h"

#include <QLabel>
#include <optional>

#include "app/ui/controlkit.h"
#include "app/ui/layout.h"
#include "app/widgets/glyphbutton.h"
#include "app/widgets/smoothlabel.h"

namespace zelvan {

namespace {

// The panel's rows, top to bottom: the toggle's name, the setting it
// changes (none: the scores are reset) and its caption where the caption
// does not follow the setting.
struct Row {
    const char* name;
    std::optional<Setting> setting;
    const char* fixedCaption;
};

const Row kRows[] = {
    {"styleToggle", Setting::PieceStyle, "Toggle pieces style "},
    {"resetScores", std::nullopt, "Reset scores"},
    {"clocksToggle", Setting::Clocks, nullptr},
    {"hintsToggle", Setting::Hints, nullptr},
    {"blueMarkToggle", Setting::MarkBlueMove, nullptr},
    {"redMarkToggle", Setting::MarkRedMove, nullptr},
    {"soundToggle", Setting::SoundOff, nullptr},
    {"levelButton", Setting::Level, "Computer level"},
};

}  // namespace

OptionsPanel::OptionsPanel(QWidget* parent, Options& options, Scores& scores,
                           const QImage& background, const QImage& toggleGlyph)
    : QWidget(parent), options_(options), scores_(scores) {
    using namespace layout;
    setObjectName(QStringLiteral("optionsPanel"));
    resize(kOptionsPanel.size());
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("optionsBackground"));
    picture->setPixmap(QPixmap::fromImage(background));
    picture->setGeometry(rect());

    controls::panelCaption(this, "optionsTitle", QStringLiteral("OPTIONS"), kPanelTitle);
    int index = 0;
    GlyphButton* lastToggle = nullptr;
    for (const Row& row : kRows) {
        const QPoint at(kOptionRowX, kOptionFirstRowY + index++ * kOptionRowPitch);
        GlyphButton* toggle = controls::panelToggle(this, row.name, toggleGlyph, at);
        SmoothLabel* caption = controls::panelCaption(
            this, (QByteArray(row.name) + "Caption").constData(),
            row.fixedCaption ? QString::fromLatin1(row.fixedCaption) : QString(),
            at + kOptionCaptionOffset);
        controls::pressThrough(caption, toggle);
        lastToggle = toggle;
        if (!row.fixedCaption) captions_.emplace_back(*row.setting, caption);
        const std::optional<Setting> setting = row.setting;
        connect(toggle, &GlyphButton::clicked, this, [this, setting] {
            if (!setting) {
                scores_.reset();
                emit scoresReset();
                return;
            }
            if (*setting == Setting::Level)
                options_.nextLevel();
            else
                options_.flip(*setting);
            showCaptions();
            emit optionChanged(*setting);
        });
    }
    levelLine_ = controls::panelCaption(this, "levelLine", {}, kLevelLine);
    controls::pressThrough(levelLine_, lastToggle);  // the level's own line, below its row
}

void OptionsPanel::showCaptions() {
    for (const auto& [setting, caption] : captions_)
        caption->setText(QString::fromLatin1(settingCaption(setting, options_.get(setting))));
    levelLine_->setText(QString::fromStdString(levelLine(options_.level())));
}

}  // namespace zelvan
