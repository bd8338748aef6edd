#include "app/ui/coordinatelabels.h"

#include <QPainter>
#include <QRegion>

#include "app/ui/controlkit.h"
#include "app/ui/layout.h"
#include "core/records/notation.h"

namespace zelvan {

namespace {

// The panel text colour, a little quieter so the labels do not compete
// with the pieces; a dark twin one pixel down and right keeps them legible
// where they cross the lighter frame.
const QColor kLabelColour{141, 197, 197, 215};
const QColor kLabelShadow{0, 14, 18, 200};

}  // namespace

CoordinateLabels::CoordinateLabels(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("coordinateLabels"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

int CoordinateLabels::fontPixels(int n) {
    return n <= 15 ? 11 : n <= 20 ? 10 : 9;
}

void CoordinateLabels::setBoard(int n, const QRect& board) {
    using layout::kCoordinateBand;
    n_ = n;
    labels_.clear();
    const int step = (board.width() - 1) / n;  // one cell and its grid line
    for (int i = 1; i <= n; ++i) {
        const int from = 1 + (i - 1) * step;  // the cell's first interior pixel
        labels_.append(
            {QString::fromStdString(records::columnLetters(i)),
             QRect(board.left() + from, board.top() - kCoordinateBand, step - 1, kCoordinateBand)});
        labels_.append(
            {QString::number(n - i + 1),
             QRect(board.left() - kCoordinateBand, board.top() + from, kCoordinateBand, step - 1)});
    }
    const QRect area(board.left() - kCoordinateBand, board.top() - kCoordinateBand,
                     board.width() + kCoordinateBand, board.height() + kCoordinateBand);
    setGeometry(area);
    // Only the two bands: the board picture keeps its own paints and clicks.
    setMask(QRegion(0, 0, area.width(), kCoordinateBand) +
            QRegion(0, 0, kCoordinateBand, area.height()));
    update();
}

void CoordinateLabels::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(controls::arial(fontPixels(n_), true));
    for (const Label& l : labels_) {
        const QRect box = l.box.translated(-pos());
        painter.setPen(kLabelShadow);
        painter.drawText(box.translated(1, 1), Qt::AlignCenter, l.text);
        painter.setPen(kLabelColour);
        painter.drawText(box, Qt::AlignCenter, l.text);
    }
}

}  // namespace zelvan
