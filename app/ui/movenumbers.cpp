#include "app/ui/movenumbers.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "app/ui/boardpicture.h"
#include "app/ui/controlkit.h"

namespace zelvan {

namespace {
const QColor kText(250, 250, 240);
const QColor kOutline(0, 8, 12);
}  // namespace

MoveNumbers::MoveNumbers(BoardPicture* board, const Position& position)
    : BoardOverlay(board), position_(position) {
    hide();  // off until the player asks
}

std::size_t MoveNumbers::firstNumbered() const {
    const std::size_t n = position_.moves().size();
    if (position_.boardSize() < 30 || n <= kLastOnLargest) return 0;
    return n - kLastOnLargest;
}

int MoveNumbers::fontPixels(int p, int largest) {
    const QString widest = QString::number(largest).fill(QLatin1Char('8'));
    // Half the cell tall at most, and the widest number inside it with a
    // little room for the outline.
    int px = std::max(6, p / 2);
    for (; px > 6; --px)
        if (QFontMetrics(controls::arial(px, true)).horizontalAdvance(widest) <= p - 4) break;
    return px;
}

bool MoveNumbers::eventFilter(QObject* watched, QEvent* event) {
    // A piece placed repaints its own cell, and this layer with it; but a
    // number may change elsewhere too (the oldest of the last few drops
    // out), so a change of moves repaints the whole layer.
    if (watched == board() && event->type() == QEvent::Paint && isVisible() &&
        (position_.moves().size() != paintedMoves_ || board()->gridsDrawn() != paintedGrid_))
        update();
    return BoardOverlay::eventFilter(watched, event);
}

void MoveNumbers::paintEvent(QPaintEvent*) {
    paintedMoves_ = position_.moves().size();
    paintedGrid_ = board()->gridsDrawn();
    if (position_.moves().empty()) return;
    const int p = board()->cellPitch();
    const QFont font = controls::arial(fontPixels(p, int(position_.moves().size())), true);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF metrics(font);
    const qreal outline = std::max(1.5, font.pixelSize() / 5.0);
    for (std::size_t i = firstNumbered(); i < position_.moves().size(); ++i) {
        const PlayedMove& m = position_.moves()[i];
        const QString text = QString::number(i + 1);
        const QRectF cell = cellRect(m.col, m.row);
        const QPointF at(cell.center().x() - metrics.horizontalAdvance(text) / 2,
                         cell.center().y() + (metrics.ascent() - metrics.descent()) / 2);
        QPainterPath path;
        path.addText(at, font, text);
        // A dark rim keeps the light digits readable on either colour.
        painter.strokePath(path,
                           QPen(kOutline, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.fillPath(path, kText);
    }
}

}  // namespace zelvan
