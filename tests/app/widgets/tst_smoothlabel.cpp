#include "app/widgets/smoothlabel.h"
#include "widgettests.h"

#include <QtTest>

using namespace zelvan;

namespace {

bool prefersAntialias(const QFont& f) {
    return (f.styleStrategy() & QFont::PreferAntialias) != 0;
}

QFont arial(int px, bool bold = false) {
    QFont f("Arial");
    f.setPixelSize(px);
    f.setBold(bold);
    return f;
}

}  // namespace

class SmoothLabelTest : public QObject {
    Q_OBJECT

private slots:
    void everyFontChangeStaysAntialiased();
    void switchedOffUsesDefaultQuality();
    void parentFontChangeStaysAntialiased();
    void textIsRenderedWithSmoothEdges();
    void transparentLabelShowsItsParent();
    void autoSizeFollowsTheText();
};

void SmoothLabelTest::everyFontChangeStaysAntialiased() {
    SmoothLabel label("1000");
    QVERIFY(label.antialiased());
    QVERIFY(prefersAntialias(label.font()));

    label.setFont(arial(21));
    QVERIFY(prefersAntialias(label.font()));
    QCOMPARE(label.font().pixelSize(), 21);

    // A font that asks for no anti-aliasing is replaced by the same font with it.
    QFont plain = arial(16, true);
    plain.setStyleStrategy(QFont::NoAntialias);
    label.setFont(plain);
    QVERIFY(prefersAntialias(label.font()));
    QVERIFY(!(label.font().styleStrategy() & QFont::NoAntialias));
    QCOMPARE(label.font().pixelSize(), 16);
    QVERIFY(label.font().bold());

    label.setFontColor(QColor(140, 232, 232));
    QCOMPARE(label.fontColor(), QColor(140, 232, 232));
    QVERIFY(prefersAntialias(label.font()));
}

void SmoothLabelTest::switchedOffUsesDefaultQuality() {
    SmoothLabel label("x");
    label.setFont(arial(15, true));
    label.setAntialiased(false);
    QVERIFY(!prefersAntialias(label.font()));
    QVERIFY(!(label.font().styleStrategy() & QFont::NoAntialias));
    QCOMPARE(label.font().pixelSize(), 15);
    QVERIFY(label.font().bold());
    label.setFont(arial(21));
    QVERIFY(!prefersAntialias(label.font()));
    label.setAntialiased(true);
    QVERIFY(prefersAntialias(label.font()));
    QCOMPARE(label.font().pixelSize(), 21);
}

void SmoothLabelTest::parentFontChangeStaysAntialiased() {
    QWidget parent;
    auto* label = new SmoothLabel("x", &parent);
    parent.setFont(arial(30));
    QCOMPARE(label->font().pixelSize(), 30);
    QVERIFY(prefersAntialias(label->font()));
}

void SmoothLabelTest::textIsRenderedWithSmoothEdges() {
    SmoothLabel label("WOW 1000");
    label.setFont(arial(21));
    label.setFontColor(Qt::white);
    QPalette pal = label.palette();
    pal.setColor(QPalette::Window, Qt::black);
    label.setPalette(pal);
    const QImage img = label.grab().toImage().convertToFormat(QImage::Format_RGB32);
    int ink = 0, edge = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const int g = qGreen(img.pixel(x, y));
            if (g == 255)
                ++ink;
            else if (g > 0)
                ++edge;
        }
    QVERIFY(ink > 0);
    QVERIFY2(edge > 0, "no partly covered pixels: text not anti-aliased");
}

void SmoothLabelTest::transparentLabelShowsItsParent() {
    QWidget parent;
    parent.resize(60, 30);
    parent.setAutoFillBackground(true);
    QPalette pal = parent.palette();
    pal.setColor(QPalette::Window, QColor(0, 32, 36));
    parent.setPalette(pal);
    auto* label = new SmoothLabel(&parent);
    label->setAutoSize(false);
    label->setGeometry(0, 0, 60, 30);
    QVERIFY(!label->isTransparent());  // a new label is opaque
    QPalette own = label->palette();
    own.setColor(QPalette::Window, QColor(200, 0, 0));
    label->setPalette(own);
    QCOMPARE(parent.grab().toImage().pixel(5, 5) & RGB_MASK, QColor(200, 0, 0).rgb() & RGB_MASK);
    label->setTransparent(true);
    QCOMPARE(parent.grab().toImage().pixel(5, 5) & RGB_MASK, QColor(0, 32, 36).rgb() & RGB_MASK);
}

void SmoothLabelTest::autoSizeFollowsTheText() {
    SmoothLabel label;
    label.setFont(arial(15, true));
    label.setText("Listen");
    const int shortWidth = label.width();
    label.setText("Stop listen");
    QVERIFY(label.width() > shortWidth);
    label.setFont(arial(30, true));
    QVERIFY(label.height() >= QFontMetrics(label.font()).height());

    label.setAutoSize(false);
    label.resize(109, 22);
    label.setText("connection and more");
    QCOMPARE(label.size(), QSize(109, 22));
}

int runSmoothLabelTests(int argc, char** argv) {
    SmoothLabelTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_smoothlabel.moc"
