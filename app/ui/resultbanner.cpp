#include "app/ui/resultbanner.h"

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QTimer>
#include <QVariantAnimation>
#include <algorithm>

#include "app/ui/controlkit.h"
#include "app/ui/endingtext.h"

namespace zelvan {

namespace {

// The console's colours: a dark teal metal rim around a light face, the
// captions' dark teal for the words.
const QColor kRimTop{28, 72, 77};
const QColor kRimBottom{10, 36, 40};
const QColor kRimEdge{3, 14, 16};
const QColor kRimLight{96, 160, 164};
const QColor kFaceTop{188, 224, 224};
const QColor kFaceBottom{136, 190, 190};
const QColor kHeadline{22, 60, 64};
const QColor kSubline{44, 100, 104};
const QColor kEmboss{222, 242, 242};

// The largest bold Arial of at most `pixels` (and at least 10) in which
// `text` fits `width`.
QFont fitted(const QString& text, int pixels, int width) {
    return controls::fittedArial(text, pixels, true, width, 10);
}

void embossedText(QPainter& p, const QRect& box, const QFont& font, const QColor& colour,
                  const QString& text) {
    p.setFont(font);
    p.setPen(kEmboss);
    p.drawText(box.translated(0, 1), Qt::AlignCenter, text);
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, text);
}

}  // namespace

ResultBanner::ResultBanner(QWidget* window) : QWidget(window) {
    setObjectName(QStringLiteral("resultBanner"));
    // Clicks reach the board and the buttons beneath as if it were not there.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();

    hold_ = new QTimer(this);
    hold_->setObjectName(QStringLiteral("bannerTimer"));
    hold_->setSingleShot(true);
    hold_->setInterval(kHoldMs);
    connect(hold_, &QTimer::timeout, this, &ResultBanner::dismiss);

    fade_ = new QVariantAnimation(this);
    fade_->setStartValue(1.0);
    fade_->setEndValue(0.0);
    fade_->setDuration(kFadeMs);
    connect(fade_, &QVariantAnimation::valueChanged, this,
            [this](const QVariant& v) { setOpacity(v.toReal()); });
    connect(fade_, &QVariantAnimation::finished, this, &ResultBanner::finish);
}

void ResultBanner::showText(const QString& text, const QRect& board, BoardClearance clear) {
    text_ = text;
    board_ = board;
    clear_ = std::move(clear);
    fade_->stop();
    opacity_ = 1.0;
    setGeometry(bannerPlace(board, QSize(board.width() / 2, board.height() / 6), clear_));
    show();
    raise();
    update();
    hold_->start();
    // The next click anywhere in the window dismisses it; the filter only
    // looks, it never takes the click.
    if (!watchingClicks_) {
        qApp->installEventFilter(this);
        watchingClicks_ = true;
    }
}

void ResultBanner::keepInView(const QRect& area) {
    if (isHidden() || !geometry().intersects(area)) return;
    clear_.mustShow.push_back(area);
    const QRect place = bannerPlace(board_, size(), clear_);
    if (leavesInView(place, clear_))
        setGeometry(place);
    else {
        // Nowhere to go: the piece counts more than the words.
        hold_->stop();
        fade_->stop();
        finish();
    }
}

void ResultBanner::dismiss() {
    if (isHidden() || fading()) return;
    hold_->stop();
    fade_->start();
}

bool ResultBanner::fading() const {
    return fade_->state() == QAbstractAnimation::Running;
}

void ResultBanner::setOpacity(qreal opacity) {
    opacity_ = opacity;
    update();
}

void ResultBanner::finish() {
    hide();
    opacity_ = 1.0;
    if (watchingClicks_) {
        qApp->removeEventFilter(this);
        watchingClicks_ = false;
    }
}

bool ResultBanner::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == window())
        dismiss();
    return false;
}

void ResultBanner::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setOpacity(opacity_);

    // A soft shadow below, the metal rim, then the face inside it.
    const QRectF plate = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -3.5);
    const qreal radius = std::min(10.0, plate.height() / 4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawRoundedRect(plate.translated(0, 3), radius, radius);

    QLinearGradient rim(plate.topLeft(), plate.bottomLeft());
    rim.setColorAt(0, kRimTop);
    rim.setColorAt(1, kRimBottom);
    p.setBrush(rim);
    p.setPen(QPen(kRimEdge, 1));
    p.drawRoundedRect(plate, radius, radius);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kRimLight, 1));
    p.drawRoundedRect(plate.adjusted(1, 1, -1, -1), radius - 1, radius - 1);

    const QRectF face = plate.adjusted(4, 4, -4, -4);
    QLinearGradient light(face.topLeft(), face.bottomLeft());
    light.setColorAt(0, kFaceTop);
    light.setColorAt(1, kFaceBottom);
    p.setBrush(light);
    p.setPen(QPen(kRimEdge, 1));
    p.drawRoundedRect(face, radius - 3, radius - 3);
    p.setPen(QPen(QColor(255, 255, 255, 120), 1));
    p.drawLine(face.topLeft() + QPointF(radius - 2, 1), face.topRight() + QPointF(2 - radius, 1));

    // The words: one line, or a headline and the rest of the sentence below.
    const QRect inside = face.toAlignedRect().adjusted(10, 2, -10, -2);
    const int h = inside.height();
    const QStringList lines = endingLines(text_);
    if (lines.size() < 2) {
        embossedText(p, inside, fitted(text_, h * 45 / 100, inside.width()), kHeadline, text_);
        return;
    }
    const QRect top(inside.left(), inside.top(), inside.width(), h * 55 / 100);
    const QRect bottom(inside.left(), top.bottom(), inside.width(), inside.bottom() - top.bottom());
    embossedText(p, top, fitted(lines[0], h * 36 / 100, inside.width()), kHeadline, lines[0]);
    embossedText(p, bottom, fitted(lines[1], h * 24 / 100, inside.width()), kSubline, lines[1]);
}

}  // namespace zelvan
