#include "app/widgets/alignededit.h"

namespace zelvan {

AlignedEdit::AlignedEdit(QWidget* parent) : QLineEdit(parent) {
    QLineEdit::setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void AlignedEdit::setAlignment(Qt::Alignment a) {
    const Qt::Alignment horizontal = a & Qt::AlignHorizontal_Mask;
    if (horizontal == alignment()) return;
    QLineEdit::setAlignment(horizontal | Qt::AlignVCenter);
}

}  // namespace zelvan
