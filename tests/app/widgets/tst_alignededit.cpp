#include "app/widgets/alignededit.h"
#include "widgettests.h"

#include <QtTest>

using namespace zelvan;

namespace {

// Horizontal extent of the dark text on the light field.
std::pair<int, int> inkColumns(AlignedEdit& edit) {
    edit.clearFocus();  // no text cursor in the picture
    const QImage img = edit.grab().toImage().convertToFormat(QImage::Format_RGB32);
    int left = img.width(), right = -1;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qGray(img.pixel(x, y)) < 128) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    return {left, right};
}

void setUpAddressField(AlignedEdit& edit) {
    edit.setFrame(false);
    edit.resize(121, 16);
    QFont f("Arial");
    f.setPixelSize(13);
    f.setBold(true);
    edit.setFont(f);
    QPalette pal = edit.palette();
    pal.setColor(QPalette::Base, QColor(255, 255, 255));
    pal.setColor(QPalette::Text, QColor(0, 0, 0));
    edit.setPalette(pal);
}

}  // namespace

class AlignedEditTest : public QObject {
    Q_OBJECT

private slots:
    void alignmentChangeKeepsTheText();
    void typedTextStaysCentred();
};

void AlignedEditTest::alignmentChangeKeepsTheText() {
    AlignedEdit edit;
    QCOMPARE(edit.alignment(), Qt::Alignment(Qt::AlignLeft));
    edit.setText("0.0.0.0");
    edit.setMaxLength(15);
    edit.setCursorPosition(3);
    edit.setAlignment(Qt::AlignHCenter);
    QCOMPARE(edit.alignment(), Qt::Alignment(Qt::AlignHCenter));
    QCOMPARE(edit.text(), QString("0.0.0.0"));
    QCOMPARE(edit.maxLength(), 15);
    QCOMPARE(edit.cursorPosition(), 3);
    edit.setAlignment(Qt::AlignRight | Qt::AlignTop);  // only the horizontal part counts
    QCOMPARE(edit.alignment(), Qt::Alignment(Qt::AlignRight));
    QCOMPARE(edit.QLineEdit::alignment() & Qt::AlignVertical_Mask, Qt::AlignVCenter);
    QCOMPARE(edit.text(), QString("0.0.0.0"));
}

void AlignedEditTest::typedTextStaysCentred() {
    AlignedEdit edit;
    setUpAddressField(edit);
    edit.setAlignment(Qt::AlignHCenter);
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    for (const QString& part : {QString("192"), QString(".168"), QString(".100.200")}) {
        QTest::keyClicks(&edit, part);
        const auto [left, right] = inkColumns(edit);
        QVERIFY(right > left);
        QVERIFY2(qAbs((left + right) / 2 - 60) <= 3,
                 qPrintable(QString("ink %1..%2 for %3").arg(left).arg(right).arg(edit.text())));
    }
    QCOMPARE(edit.text(), QString("192.168.100.200"));

    edit.setAlignment(Qt::AlignRight);
    const auto [left, right] = inkColumns(edit);
    QVERIFY(right >= 110);
    QCOMPARE(edit.text(), QString("192.168.100.200"));
}

int runAlignedEditTests(int argc, char** argv) {
    AlignedEditTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_alignededit.moc"
