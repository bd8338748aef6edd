#include "net/chatpanel.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>

#include "widgets/lbspeedbutton.h"

namespace zelvan {

namespace {

void chatColours(QWidget* w) {
    QPalette p = w->palette();
    p.setColor(QPalette::Base, QColor(38, 49, 57));
    p.setColor(QPalette::Text, QColor(141, 197, 197));
    w->setPalette(p);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(12);
    w->setFont(f);
}

bool isEnter(const QKeyEvent* k) {
    return k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter;
}

}  // namespace

ChatPanel::ChatPanel(QWidget* parent, const QImage& background) : QWidget(parent) {
    resize(201, 149);
    Image32 = new QLabel(this);
    Image32->setPixmap(QPixmap::fromImage(background));
    Image32->setGeometry(0, 0, 201, 149);

    LbSpeedButton19 = new LbSpeedButton(this);
    LbSpeedButton19->setGeometry(180, 5, 14, 14);
    LbSpeedButton19->setCaption(QStringLiteral("X"));
    QFont x(QStringLiteral("Arial"));
    x.setPixelSize(11);
    x.setBold(true);
    LbSpeedButton19->setFont(x);
    LbSpeedButton19->setFontColor(QColor(38, 69, 72));
    LbSpeedButton19->setTransparent(true);
    LbSpeedButton19->setLightColor(QColor(141, 197, 197));
    LbSpeedButton19->setShadowColor(QColor(38, 49, 57));
    LbSpeedButton19->setAlignment(Qt::AlignHCenter);
    LbSpeedButton19->setLayout(LbSpeedButton::Layout::blcenter);

    Memo4 = new QPlainTextEdit(this);
    Memo4->setGeometry(8, 24, 185, 97);
    Memo4->setReadOnly(true);
    Memo4->setFrameStyle(QFrame::NoFrame);
    Memo4->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo4->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo4->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo4->setFocusPolicy(Qt::NoFocus);
    chatColours(Memo4);

    Edit3 = new QLineEdit(this);
    Edit3->setGeometry(8, 125, 185, 16);
    Edit3->setFrame(false);
    Edit3->setMaxLength(kMaxLine);
    chatColours(Edit3);
    Edit3->installEventFilter(this);
}

void ChatPanel::addLine(const QString& line) {
    Memo4->appendPlainText(line);
    Memo4->verticalScrollBar()->setValue(Memo4->verticalScrollBar()->maximum());
}

QStringList ChatPanel::lines() const {
    const QString all = Memo4->toPlainText();
    return all.isEmpty() ? QStringList() : all.split(QLatin1Char('\n'));
}

bool ChatPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Edit3) {
        if (event->type() == QEvent::KeyPress && isEnter(static_cast<QKeyEvent*>(event)))
            return true;  // no line break, no beep
        if (event->type() == QEvent::KeyRelease && isEnter(static_cast<QKeyEvent*>(event))) {
            emit enterReleased();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace zelvan
