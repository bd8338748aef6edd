#include "app/ui/resultline.h"

#include <QPainter>

#include "app/ui/controlkit.h"
#include "app/ui/endingtext.h"
#include "core/engine/pieces.h"

namespace zelvan {

ResultLine::ResultLine(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("resultLine"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void ResultLine::showResult(const QString& text, std::uint8_t winner) {
    text_ = text;
    winner_ = winner;
    show();
    update();
}

void ResultLine::clear() {
    text_.clear();
    winner_ = kNone;
    hide();
}

void ResultLine::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(controls::kCaptionColour);
    const QStringList lines = endingLines(text_);
    if (lines.size() < 2) {
        p.setFont(controls::fittedArial(text_, 15, true, width(), 9));
        p.drawText(rect(), Qt::AlignCenter, text_);
        return;
    }
    const QRect top(0, 0, width(), height() / 2);
    const QRect bottom(0, height() / 2, width(), height() - height() / 2);
    p.setFont(controls::fittedArial(lines[0], 13, true, width(), 9));
    p.drawText(top, Qt::AlignHCenter | Qt::AlignBottom, lines[0]);
    p.setFont(controls::fittedArial(lines[1], 12, false, width(), 9));
    p.drawText(bottom, Qt::AlignHCenter | Qt::AlignTop, lines[1]);
}

}  // namespace zelvan
