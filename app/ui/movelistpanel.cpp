#include "app/ui/movelistpanel.h"

#include <algorithm>
#include <vector>

#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>

#include "app/ui/controlkit.h"
#include "app/ui/layout.h"
#include "app/widgets/smoothlabel.h"
#include "core/records/notation.h"

namespace zelvan {

namespace {

constexpr int kRowPitch = 19;
constexpr int kTopMargin = 2;
constexpr int kNumberWidth = 30;  // "450." right-aligned in this much
constexpr int kScrollBarWidth = 7;

// The sides' colours, lightened from the pieces' so they read on the panel.
const QColor kBlueText{150, 158, 255};
const QColor kRedText{255, 122, 110};
const QColor kNumberText{92, 150, 152};
const QColor kMarkFill{28, 96, 102};

QFont entryFont() {
    return controls::arial(13, true);
}

}  // namespace

// The list itself, as tall as its rows, inside the scroll area.
class MoveListView : public QWidget {
public:
    explicit MoveListView(MoveListPanel* panel) : panel_(panel) {}

    struct Entry {
        QString name;
        records::Stone side;
    };
    std::vector<Entry> entries;
    int marked = 0;
    bool clickable = false;

    // Entry `number` (from 1): two to a row, the odd moves on the left.
    QRect entryRect(int number) const {
        const int column = (width() - 2) / 2;
        const int i = number - 1;
        return {1 + (i % 2) * column, kTopMargin + (i / 2) * kRowPitch, column, kRowPitch};
    }
    void fit(int width) {
        const int rows = (static_cast<int>(entries.size()) + 1) / 2;
        resize(width, kTopMargin * 2 + rows * kRowPitch);
        update();
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setFont(entryFont());
        const int first = std::max(1, (event->rect().top() - kTopMargin) / kRowPitch * 2 + 1);
        const int last = std::min(static_cast<int>(entries.size()),
                                  (event->rect().bottom() - kTopMargin) / kRowPitch * 2 + 2);
        for (int number = first; number <= last; ++number) {
            const QRect box = entryRect(number);
            const Entry& e = entries[static_cast<std::size_t>(number - 1)];
            if (number == marked) {
                painter.setPen(QPen(controls::kPanelTextColour, 1));
                painter.setBrush(kMarkFill);
                painter.drawRoundedRect(QRectF(box).adjusted(1.5, 1.5, -1.5, -1.5), 4, 4);
            }
            const QRect numberBox(box.left(), box.top(), kNumberWidth, box.height());
            painter.setPen(number == marked ? controls::kPanelTextColour : kNumberText);
            painter.drawText(numberBox, Qt::AlignRight | Qt::AlignVCenter,
                             QString::number(number) + QLatin1Char('.'));
            painter.setPen(e.side == records::Stone::Blue ? kBlueText : kRedText);
            painter.drawText(box.adjusted(kNumberWidth + 5, 0, 0, 0),
                             Qt::AlignLeft | Qt::AlignVCenter, e.name);
        }
    }
    void mousePressEvent(QMouseEvent* event) override {
        if (!clickable || event->button() != Qt::LeftButton) return;
        for (int number = 1; number <= static_cast<int>(entries.size()); ++number) {
            if (entryRect(number).contains(event->position().toPoint())) {
                emit panel_->moveClicked(number);
                return;
            }
        }
    }

private:
    MoveListPanel* panel_;
};

MoveListPanel::MoveListPanel(QWidget* parent, const QImage& background) : QWidget(parent) {
    using namespace layout;
    setObjectName(QStringLiteral("moveListPanel"));
    resize(kMoveListPanel.size());
    controls::panelPicture(this, "moveListBackground", background);
    SmoothLabel* title =
        controls::panelCaption(this, "moveListTitle", QStringLiteral("MOVES"), kPanelTitle);
    title->move((width() - title->width()) / 2, kPanelTitle.y());

    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("moveListScroll"));
    scroll_->setGeometry(kMoveListArea);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scroll_->setStyleSheet(
        QStringLiteral("QScrollArea { background: transparent; }"
                       "QScrollBar:vertical { background: transparent; width: %1px; margin: 0; }"
                       "QScrollBar::handle:vertical { background: rgb(60, 128, 132);"
                       " border-radius: 3px; min-height: 24px; }"
                       "QScrollBar::handle:vertical:hover { background: rgb(92, 160, 162); }"
                       "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical"
                       " { height: 0; }"
                       "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical"
                       " { background: transparent; }")
            .arg(kScrollBarWidth));
    view_ = new MoveListView(this);
    view_->setObjectName(QStringLiteral("moveListView"));
    scroll_->setWidget(view_);
    // The panel's picture shows through the list: the scroll area fills its
    // viewport and the list by default.
    scroll_->viewport()->setAutoFillBackground(false);
    view_->setAutoFillBackground(false);
    view_->fit(kMoveListArea.width() - kScrollBarWidth - 2);
}

void MoveListPanel::setRecord(const records::GameRecord& record) {
    view_->entries.clear();
    for (std::size_t i = 0; i < record.moves.size(); ++i) {
        const records::RecordedMove& m = record.moves[i];
        view_->entries.push_back(
            {QString::fromStdString(records::cellName(m.col, m.row, record.boardSize)),
             record.sideOf(i)});
    }
    view_->fit(view_->width());
    setMarked(static_cast<int>(record.moves.size()));
}

void MoveListPanel::setMarked(int number) {
    view_->marked = std::clamp(number, 0, static_cast<int>(view_->entries.size()));
    view_->update();
    scrollToMarked();
}

int MoveListPanel::marked() const {
    return view_->marked;
}

void MoveListPanel::setClickable(bool on) {
    view_->clickable = on;
    view_->setCursor(on ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

bool MoveListPanel::isClickable() const {
    return view_->clickable;
}

QStringList MoveListPanel::entries() const {
    QStringList texts;
    for (std::size_t i = 0; i < view_->entries.size(); ++i)
        texts.append(QStringLiteral("%1. %2").arg(i + 1).arg(view_->entries[i].name));
    return texts;
}

QRect MoveListPanel::entryRect(int number) const {
    const QRect inView = view_->entryRect(number);
    return QRect(view_->mapTo(this, inView.topLeft()), inView.size());
}

void MoveListPanel::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // A list filled while hidden has its size, and the scroll range, only now.
    scrollToMarked();
}

void MoveListPanel::scrollToMarked() {
    if (view_->marked == 0) return;
    // The least scroll that shows the marked row whole; the list area holds
    // whole rows, so the rows then line up with its edges.
    const QRect box = view_->entryRect(view_->marked);
    QScrollBar* bar = scroll_->verticalScrollBar();
    const int viewHeight = scroll_->viewport()->height();
    if (box.top() - kTopMargin < bar->value()) {
        bar->setValue(box.top() - kTopMargin);
    } else if (box.bottom() + 1 + kTopMargin > bar->value() + viewHeight) {
        bar->setValue(box.bottom() + 1 + kTopMargin - viewHeight);
    }
}

}  // namespace zelvan
