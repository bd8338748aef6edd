#pragma once
// Column letters above the board and row numbers left of it ("h8" is the
// centre of the 15 board: columns lettered from the left, rows numbered
// from the bottom). The labels stand outside the board picture, in a band
// over the well's margin and the frame; the widget is masked to that band,
// so it never covers a cell or takes a click.

#include <QRect>
#include <QVector>
#include <QWidget>

namespace zelvan {

class CoordinateLabels : public QWidget {
    Q_OBJECT
public:
    explicit CoordinateLabels(QWidget* parent);

    // Labels for a board of n cells whose picture fills `board`, given in
    // the parent's coordinates (the board picture's geometry).
    void setBoard(int n, const QRect& board);

    struct Label {
        QString text;
        QRect box;  // in the parent's coordinates, centred on its column or row
    };
    const QVector<Label>& labels() const { return labels_; }
    // The labels' pixel size on a board of n cells: smaller as cells shrink.
    static int fontPixels(int n);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int n_ = 0;
    QVector<Label> labels_;
};

}  // namespace zelvan
