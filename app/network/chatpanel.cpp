#include "app/network/chatpanel.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

#include "app/ui/layout.h"
#include "app/widgets/glyphbutton.h"

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

// Marks a block of the history as a notice.
constexpr int kNoticeBlock = 1;

bool isEnter(const QKeyEvent* k) {
    return k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter;
}

}  // namespace

ChatPanel::ChatPanel(QWidget* parent, const QImage& background) : QWidget(parent) {
    setObjectName(QStringLiteral("chatPanel"));
    resize(layout::kChatPanel.size());
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("chatBackground"));
    picture->setPixmap(QPixmap::fromImage(background));
    picture->setGeometry(rect());

    auto* close = new GlyphButton(this);
    close->setObjectName(QStringLiteral("chatClose"));
    close->setGeometry(layout::kChatClose);
    close->setCaption(QStringLiteral("X"));
    QFont x(QStringLiteral("Arial"));
    x.setPixelSize(11);
    x.setBold(true);
    close->setFont(x);
    close->setFontColor(QColor(38, 69, 72));
    close->setTransparent(true);
    close->setLightColor(QColor(141, 197, 197));
    close->setShadowColor(QColor(38, 49, 57));
    close->setAlignment(Qt::AlignHCenter);
    close->setLayout(GlyphButton::Layout::Centre);
    connect(close, &GlyphButton::clicked, this, &ChatPanel::closeClicked);

    history_ = new QPlainTextEdit(this);
    history_->setObjectName(QStringLiteral("chatHistory"));
    history_->setGeometry(layout::kChatHistory);
    history_->setReadOnly(true);
    history_->setFrameStyle(QFrame::NoFrame);
    history_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    history_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    history_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    history_->setFocusPolicy(Qt::NoFocus);
    // One block per line added; the oldest blocks go first.
    history_->setMaximumBlockCount(kMaxHistoryLines);
    chatColours(history_);
    // A click in the history means to chat: the cursor goes to the input.
    history_->viewport()->installEventFilter(this);

    input_ = new QLineEdit(this);
    input_->setObjectName(QStringLiteral("chatInput"));
    input_->setGeometry(layout::kChatInput);
    input_->setFrame(false);
    input_->setMaxLength(kMaxLine);
    chatColours(input_);
    input_->installEventFilter(this);
}

void ChatPanel::addLine(const QString& line) {
    append(line, false);
}

void ChatPanel::addNotice(const QString& text) {
    append(text, true);
}

void ChatPanel::append(const QString& text, bool notice) {
    // Each line brings its own look, so a chat line after a notice is not dim.
    QTextCharFormat look;
    if (notice) {
        look.setForeground(QColor(88, 124, 128));
        look.setFontItalic(true);
    }
    QTextCursor cursor(history_->document());
    cursor.movePosition(QTextCursor::End);
    if (!history_->document()->isEmpty()) cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
    cursor.block().setUserState(notice ? kNoticeBlock : 0);
    cursor.insertText(text, look);
    history_->verticalScrollBar()->setValue(history_->verticalScrollBar()->maximum());
}

QStringList ChatPanel::lines() const {
    QStringList out;
    if (history_->document()->isEmpty()) return out;
    for (QTextBlock b = history_->document()->begin(); b.isValid(); b = b.next())
        if (b.userState() != kNoticeBlock) out << b.text();
    return out;
}

QStringList ChatPanel::notices() const {
    QStringList out;
    for (QTextBlock b = history_->document()->begin(); b.isValid(); b = b.next())
        if (b.userState() == kNoticeBlock) out << b.text();
    return out;
}

QString ChatPanel::input() const {
    return input_->text();
}

void ChatPanel::clearInput() {
    input_->clear();
}

bool ChatPanel::eventFilter(QObject* watched, QEvent* event) {
    // A drag that selected words leaves them selected, to be copied.
    if (watched == history_->viewport() && event->type() == QEvent::MouseButtonRelease &&
        !history_->textCursor().hasSelection())
        input_->setFocus(Qt::MouseFocusReason);
    if (watched == input_) {
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
