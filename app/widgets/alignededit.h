#pragma once

#include <QLineEdit>

namespace zelvan {

// A single-line edit whose text is left-aligned, right-aligned or centred.
class AlignedEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit AlignedEdit(QWidget* parent = nullptr);

    // Qt::AlignLeft, Qt::AlignRight or Qt::AlignHCenter; the text, selection
    // and every other property survive a change.
    Qt::Alignment alignment() const { return QLineEdit::alignment() & Qt::AlignHorizontal_Mask; }
    void setAlignment(Qt::Alignment a);
};

}  // namespace zelvan
