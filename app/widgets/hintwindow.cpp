#include "app/widgets/hintwindow.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTextLayout>
#include <QToolTip>

#include <algorithm>

namespace zelvan {

namespace {

const char* const kNoFormMessage = "HintWindow must be given a window.";
const char* const kBadTransparencyMessage = "Invalid transparency percentage value.";

// The hint shows this far below the mouse, clear of the arrow cursor.
constexpr int kCursorMargin = 20;

// Lays the hint text out word-wrapped to maxWidth, left-aligned, one font
// height per line (no extra leading), and returns the size it takes. Line
// breaks in the text break lines; '&' is an ordinary character.
QSize layOutText(QTextLayout& layout, const QFont& font, const QString& text, int maxWidth) {
    QString flat = text;
    flat.remove(QLatin1Char('\r'));
    flat.replace(QLatin1Char('\n'), QChar::LineSeparator);
    layout.setText(flat);
    layout.setFont(font);
    QTextOption option(Qt::AlignLeft);
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    const int lineHeight = QFontMetrics(font).height();
    qreal width = 0;
    int lines = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(maxWidth);
        line.setPosition(QPointF(0, lines * lineHeight));
        width = std::max(width, line.naturalTextWidth());
        ++lines;
    }
    layout.endLayout();
    return {qRound(width), lines * lineHeight};
}

QScreen* screenFor(const QPoint& p, const QWidget* fallback) {
    if (QScreen* s = QGuiApplication::screenAt(p)) return s;
    if (fallback && fallback->screen()) return fallback->screen();
    return QGuiApplication::primaryScreen();
}

}  // namespace

HintPopup::HintPopup(HintWindow& settings)
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus),
      settings_(settings) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void HintPopup::activateHint(const QRect& rect, const QString& text) {
    // The previous hint (or any window just gone) must be off the screen
    // before the area is captured: hide it now. A one-pixel grab is a round
    // trip to the window system, after which the exposure of the windows
    // beneath is queued here; they repaint in the event loop's next passes,
    // and the capture comes after them.
    const QPoint wasAt = pos();
    hide();
    if (QScreen* s = screenFor(wasAt, nullptr)) {
        const QPoint at = wasAt - s->geometry().topLeft();
        s->grabWindow(0, at.x(), at.y(), 1, 1);
    }

    text_ = text;
    QRect r = rect.adjusted(0, 0, 2, 2);
    QScreen* screen = screenFor(r.topLeft(), nullptr);
    const QRect desk = screen ? screen->availableGeometry() : QRect(QPoint(0, 0), r.size());
    if (r.top() + r.height() > desk.y() + desk.height())
        r.moveTop(desk.y() + desk.height() - r.height());
    if (r.left() + r.width() > desk.x() + desk.width())
        r.moveLeft(desk.x() + desk.width() - r.width());
    if (r.left() < desk.left()) r.moveLeft(desk.left());
    // A hint above the desktop comes down to its top edge, keeping its size.
    if (r.top() < desk.top()) r.moveTop(desk.top());
    setGeometry(r);

    waiting_ = true;
    const int request = ++request_;
    // Two passes: the exposures are read in the first, painted in the second.
    QTimer::singleShot(0, this, [this, request] {
        QTimer::singleShot(0, this, [this, request] { showCaptured(request); });
    });
}

void HintPopup::showCaptured(int request) {
    if (request != request_ || !waiting_) return;
    waiting_ = false;
    if (settings_.isTransparent()) captureBackground();
    show();
    raise();
    update();
}

void HintPopup::withdraw() {
    waiting_ = false;
    hide();
}

void HintPopup::captureBackground() {
    const QRect r = geometry();
    QScreen* screen = screenFor(r.topLeft(), nullptr);
    captured_ = QImage();
    if (screen) {
        const QPoint at = r.topLeft() - screen->geometry().topLeft();
        captured_ = screen->grabWindow(0, at.x(), at.y(), r.width(), r.height())
                        .toImage()
                        .convertToFormat(QImage::Format_RGB32);
    }

    // Where nothing could be captured (no screen, a platform that refuses),
    // the tint shows alone.
    const QColor tint = settings_.transpColor().toRgb();
    // As many pixels as the screen has there, so a finer screen stays sharp.
    const qreal ratio = devicePixelRatioF();
    tinted_ = QImage(r.size() * ratio, QImage::Format_RGB32);
    tinted_.setDevicePixelRatio(ratio);
    tinted_.fill(tint);
    if (!captured_.isNull()) {
        QPainter p(&tinted_);
        p.drawImage(0, 0, captured_);
    }
    const int t = settings_.transparency();
    const int cr = tint.red(), cg = tint.green(), cb = tint.blue();
    auto mix = [t](int c, int s) { return ((100 - t) * c + t * s) / 100; };
    for (int y = 0; y < tinted_.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(tinted_.scanLine(y));
        for (int x = 0; x < tinted_.width(); ++x) {
            const QRgb s = line[x];
            line[x] = qRgb(mix(cr, qRed(s)), mix(cg, qGreen(s)), mix(cb, qBlue(s)));
        }
    }
}

void HintPopup::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (settings_.isTransparent() && !tinted_.isNull())
        p.drawImage(0, 0, tinted_);
    else
        p.fillRect(rect(), palette().color(QPalette::ToolTipBase));
    const QRect textRect(
        QPoint(settings_.leftMargin() - 1, settings_.topMargin()),
        QPoint(width() - settings_.rightMargin() - 1, height() - settings_.bottomMargin()));
    QTextLayout layout;
    layOutText(layout, settings_.font(), text_, textRect.width());
    p.setClipRect(textRect);
    p.setPen(settings_.fontColor());
    layout.draw(&p, textRect.topLeft());
}

HintWindow::HintWindow(QWidget* form) : QObject(form), form_(form) {
    if (!form || !form->isWindow()) error_ = QString::fromLatin1(kNoFormMessage);
    font_ = form ? form->font() : QFont();
    fontColor_ = form ? form->palette().color(QPalette::WindowText) : QColor(Qt::black);
    transpColor_ = QToolTip::palette().color(QPalette::ToolTipBase);
    hideTimer_.setSingleShot(true);
    connect(&hideTimer_, &QTimer::timeout, this, &HintWindow::hideHint);
}

HintWindow::~HintWindow() {
    if (enabled_ && qApp) qApp->removeEventFilter(this);
    delete window_;
}

bool HintWindow::setTransparency(int percent) {
    if (percent < 0 || percent > 100) {
        error_ = QString::fromLatin1(kBadTransparencyMessage);
        return false;
    }
    transparency_ = percent;
    return true;
}

bool HintWindow::setEnabled(bool on) {
    if (on == enabled_) return true;
    if (on && (!form_ || !form_->isWindow())) {
        error_ = QString::fromLatin1(kNoFormMessage);
        return false;
    }
    enabled_ = on;
    if (on) {
        QToolTip::hideText();
        // Filters installed later run first: the latest enabled hint serves.
        qApp->installEventFilter(this);
    } else {
        qApp->removeEventFilter(this);
        hideHint();
    }
    return true;
}

QRect HintWindow::calcHintRect(int maxWidth, const QString& text) const {
    QTextLayout layout;
    const QSize measured = layOutText(layout, font_, text, maxWidth);
    return QRect(0, 0, measured.width() + leftMargin_ + rightMargin_,
                 measured.height() + topMargin_ + bottomMargin_);
}

HintPopup* HintWindow::hintWindow() {
    if (!window_) window_ = new HintPopup(*this);
    return window_;
}

void HintWindow::showHint(const QString& text, const QPoint& globalPos) {
    HintPopup* w = hintWindow();
    const QScreen* screen = screenFor(globalPos, form_);
    const int maxWidth = screen ? screen->availableGeometry().width() : 800;
    w->activateHint(calcHintRect(maxWidth, text).translated(globalPos), text);
    if (hidePause_ > 0) hideTimer_.start(hidePause_);
}

void HintWindow::hideHint() {
    hideTimer_.stop();
    hintOwner_ = nullptr;
    if (window_) window_->withdraw();
}

bool HintWindow::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ToolTip: {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || widget->toolTip().isEmpty()) break;
        const auto* help = static_cast<QHelpEvent*>(event);
        hintOwner_ = widget;
        showHint(widget->toolTip(), help->globalPos() + QPoint(0, kCursorMargin));
        return true;  // the standard tip never shows
    }
    case QEvent::Leave:
    case QEvent::Hide:
        if (watched == hintOwner_) hideHint();
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::ApplicationDeactivate:
        if (window_ && (window_->isVisible() || window_->isActivating())) hideHint();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace zelvan
