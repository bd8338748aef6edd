#include "app/ui/statustips.h"

#include <QEvent>
#include <QWidget>

#include "app/ui/endingtext.h"
#include "app/ui/optionspanel.h"
#include "app/ui/resultline.h"
#include "core/engine/matchcontrol.h"
#include "core/engine/seams.h"
#include "core/settings/options.h"

namespace zelvan {

namespace {

QString styleName(int style) {
    return style ? QStringLiteral("crosses and rings") : QStringLiteral("balls");
}

}  // namespace

StatusTips::StatusTips(QObject* parent) : QObject(parent) {
    setObjectName(QStringLiteral("statusTips"));
}

StatusTips* StatusTips::forWindow(QWidget* window, const Options& options,
                                  const MatchControl& match, const PeerLink& peer,
                                  const ResultLine& result) {
    auto* tips = new StatusTips(window);
    auto each = [&](std::initializer_list<const char*> names, std::function<QString()> text) {
        for (const char* name : names)
            if (auto* w = window->findChild<QWidget*>(QLatin1String(name))) tips->add(w, text);
    };
    each({"connectionIcon", "connectionCaption"}, [&options, &peer] {
        return connectionTip(peer.connected(), options.on(Setting::Listen));
    });
    each({"styleIcon", "styleCaption"}, [&options, &match] {
        return styleTip(options.pieceStyle(), match.running(), match.pieceStyle());
    });
    each({"turnIcon", "turnCaption"}, [&match, &result] {
        return turnTip(match.running(), match.blueToMove(), result.holdsResult(), result.winner());
    });
    each({"redScore"}, [] { return QStringLiteral("Red's score"); });
    each({"blueScore"}, [] { return QStringLiteral("Blue's score"); });
    each({"levelDigit"}, [&options] { return levelTip(options.level()); });
    return tips;
}

void StatusTips::add(QWidget* widget, std::function<QString()> text) {
    widget->installEventFilter(this);
    write(widget, text);
    tips_.emplace_back(widget, std::move(text));
}

void StatusTips::setShown(bool shown) {
    shown_ = shown;
    refresh();
}

void StatusTips::refresh() {
    for (const auto& [widget, text] : tips_)
        write(widget, text);
}

void StatusTips::write(QWidget* widget, const std::function<QString()>& text) const {
    widget->setToolTip(shown_ ? text() : QString());
}

bool StatusTips::eventFilter(QObject* watched, QEvent* event) {
    // The hint shows a moment after the pointer comes to rest on its
    // control: the text is brought up to date as it enters.
    if (event->type() == QEvent::Enter)
        for (const auto& [widget, text] : tips_)
            if (widget == watched) write(widget, text);
    return QObject::eventFilter(watched, event);
}

QString connectionTip(bool connected, bool listening) {
    if (connected) return QStringLiteral("Connection: connected");
    if (listening) return QStringLiteral("Connection: none, listening for a call");
    return QStringLiteral("Connection: none");
}

QString styleTip(int styleChoice, bool running, int styleInPlay) {
    QString text = QStringLiteral("Pieces style: ") + styleName(styleChoice);
    if (running && styleChoice != styleInPlay) text += QStringLiteral(" from the next game");
    return text;
}

QString turnTip(bool running, bool blueToMove, bool ended, std::uint8_t winner) {
    // A game being given up still counts as running for a moment; its end
    // is what the lamp tells.
    if (ended && winner == kNone) return QStringLiteral("Game turn: game over, a draw");
    if (ended) return QStringLiteral("Game turn: game over, %1 won").arg(sideName(winner));
    if (running) return QStringLiteral("Game turn: ") + sideName(blueToMove ? kBlue : kRed);
    return QStringLiteral("Game turn: no game running");
}

QString levelTip(const Level& level) {
    return QStringLiteral("Computer level: ") + QString::fromStdString(levelLine(level));
}

}  // namespace zelvan
