#include "app/widgets/glyphbutton.h"
#include "widgettests.h"

#include <QPainter>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using namespace zelvan;

namespace {

constexpr QRgb rgb(int r, int g, int b) {
    return QRgb((r << 16) | (g << 8) | b);
}

const QRgb kParent = rgb(50, 60, 70);
const QRgb kKey = rgb(255, 0, 255);
const QRgb kFace[4] = {rgb(200, 0, 0), rgb(0, 200, 0), rgb(0, 0, 200), rgb(200, 200, 0)};

// Four square frames of side s: each a square of its face colour, inset by 2,
// on the key colour.
QImage makeStrip(int s) {
    QImage strip(4 * s, s, QImage::Format_RGB32);
    for (int f = 0; f < 4; ++f)
        for (int y = 0; y < s; ++y)
            for (int x = 0; x < s; ++x) {
                const bool inner = x >= 2 && x < s - 2 && y >= 2 && y < s - 2;
                strip.setPixel(f * s + x, y, inner ? kFace[f] : kKey);
            }
    return strip;
}

// A parent with a plain background and one button on it at (10, 10).
struct Stage {
    QWidget parent;
    GlyphButton* button;

    explicit Stage(QSize size) {
        parent.resize(size.width() + 20, size.height() + 20);
        parent.setAutoFillBackground(true);
        QPalette pal = parent.palette();
        pal.setColor(QPalette::Window, QColor(kParent));
        parent.setPalette(pal);
        button = new GlyphButton(&parent);
        button->setGeometry(QRect(QPoint(10, 10), size));
    }

    // The button's area as the screen would show it, parent included.
    QImage shot() {
        return parent.grab(button->geometry()).toImage().convertToFormat(QImage::Format_RGB32);
    }

    void enter() {
        QEnterEvent ev(QPointF(2, 2), QPointF(12, 12), QPointF(12, 12));
        QCoreApplication::sendEvent(button, &ev);
    }
    void leave() {
        QEvent ev(QEvent::Leave);
        QCoreApplication::sendEvent(button, &ev);
    }
};

QRgb px(const QImage& img, int x, int y) {
    return img.pixel(x, y) & RGB_MASK;
}

void makeGlyphButton(Stage& s) {
    s.button->setFlat(true);
    s.button->setTransparent(true);
    s.button->setAlignment(Qt::AlignHCenter);
    s.button->setLayout(GlyphButton::Layout::Centre);
    s.button->setGlyph(makeStrip(10));
}

// Bounding box of the pixels that differ from the fill inside `area`.
QRect inkBox(const QImage& img, QRgb fill, QRect area) {
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (px(img, x, y) != fill) box |= QRect(x, y, 1, 1);
    return box;
}

}  // namespace

class GlyphButtonTest : public QObject {
    Q_OBJECT

private slots:
    void facesFollowTheState();
    void rightButtonPressesWithoutClick();
    void leftReleaseOutsideDoesNotClick();
    void clickHandlerSeesThePressedFace();
    void numGlyphsFromTheStrip();
    void shortStripFallsBackToFirstFrame();
    void stripPaintedTwiceAsFineKeepsItsPlace();
    void glyphPlacementTable_data();
    void glyphPlacementTable();
    void captionButtonRaisedAndSunken();
    void captionIsClippedInsideTheFrame();
    void disabledButtonGetsAnOutline();
    void enterAndExitSignals();
};

void GlyphButtonTest::facesFollowTheState() {
    Stage s({20, 20});
    makeGlyphButton(s);
    // Glyph frame at ((20 - 10) div 2 - 1, (20 - 10) div 2) = (4, 5).
    QImage img = s.shot();
    QCOMPARE(px(img, 6, 7), kFace[0]);
    QCOMPARE(px(img, 11, 12), kFace[0]);
    QCOMPARE(px(img, 4, 14), kParent);  // the key colour lets the parent through
    QCOMPARE(px(img, 5, 7), kParent);
    QCOMPARE(px(img, 0, 0), kParent);  // flat: no frame lines

    s.enter();
    img = s.shot();
    QCOMPARE(px(img, 6, 7), kFace[1]);
    QCOMPARE(px(img, 0, 0), kParent);
    QCOMPARE(px(img, 19, 19), kParent);

    QTest::mousePress(s.button, Qt::LeftButton, {}, QPoint(5, 5));
    img = s.shot();
    // Pressed: frame 2, one pixel right and down.
    QCOMPARE(px(img, 6, 7), kParent);
    QCOMPARE(px(img, 7, 8), kFace[2]);
    QCOMPARE(px(img, 12, 13), kFace[2]);
    QCOMPARE(px(img, 13, 13), kParent);
    QCOMPARE(px(img, 0, 0), kParent);

    QTest::mouseRelease(s.button, Qt::LeftButton, {}, QPoint(5, 5));
    img = s.shot();
    QCOMPARE(px(img, 6, 7), kFace[1]);

    s.leave();
    QCOMPARE(px(s.shot(), 6, 7), kFace[0]);

    // Down wins over the mouse-over face, also when set by code.
    s.enter();
    s.button->setDown(true);
    QCOMPARE(px(s.shot(), 7, 8), kFace[2]);
}

void GlyphButtonTest::rightButtonPressesWithoutClick() {
    Stage s({20, 20});
    makeGlyphButton(s);
    QSignalSpy clicks(s.button, &GlyphButton::clicked);
    QTest::mousePress(s.button, Qt::RightButton, {}, QPoint(5, 5));
    QVERIFY(s.button->isDown());
    QCOMPARE(px(s.shot(), 7, 8), kFace[2]);
    QTest::mouseRelease(s.button, Qt::RightButton, {}, QPoint(5, 5));
    QCOMPARE(clicks.count(), 0);
    QVERIFY(!s.button->isDown());
    QCOMPARE(px(s.shot(), 6, 7), kFace[0]);
}

void GlyphButtonTest::leftReleaseOutsideDoesNotClick() {
    Stage s({20, 20});
    makeGlyphButton(s);
    QSignalSpy clicks(s.button, &GlyphButton::clicked);
    s.enter();
    QTest::mousePress(s.button, Qt::LeftButton, {}, QPoint(5, 5));
    s.leave();
    QTest::mouseRelease(s.button, Qt::LeftButton, {}, QPoint(25, 5));
    QCOMPARE(clicks.count(), 0);
    QVERIFY(!s.button->isDown());
    QCOMPARE(px(s.shot(), 6, 7), kFace[0]);

    // Just outside the bottom-right corner is outside too.
    QTest::mousePress(s.button, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(s.button, Qt::LeftButton, {}, QPoint(20, 20));
    QCOMPARE(clicks.count(), 0);
}

void GlyphButtonTest::clickHandlerSeesThePressedFace() {
    Stage s({20, 20});
    makeGlyphButton(s);
    int clicks = 0;
    bool downInHandler = false;
    QRgb faceInHandler = 0;
    connect(s.button, &GlyphButton::clicked, this, [&] {
        ++clicks;
        downInHandler = s.button->isDown();
        faceInHandler = px(s.shot(), 7, 8);
    });
    QTest::mouseClick(s.button, Qt::LeftButton, {}, QPoint(19, 19));
    QCOMPARE(clicks, 1);
    QVERIFY(downInHandler);
    QCOMPARE(faceInHandler, kFace[2]);
    QVERIFY(!s.button->isDown());
}

void GlyphButtonTest::numGlyphsFromTheStrip() {
    GlyphButton b;
    QCOMPARE(b.size(), QSize(100, 24));
    QCOMPARE(b.numGlyphs(), 0);
    QImage strip(100, 25, QImage::Format_RGB32);
    strip.fill(Qt::black);
    b.setGlyph(strip);
    QCOMPARE(b.numGlyphs(), 4);
    b.setGlyph(QImage(72, 18, QImage::Format_RGB32));
    QCOMPARE(b.numGlyphs(), 4);
    b.setGlyph(QImage(236, 59, QImage::Format_RGB32));
    QCOMPARE(b.numGlyphs(), 4);
    b.setGlyph(QImage());
    QCOMPARE(b.numGlyphs(), 0);
    // The strip is copied: changing the caller's image later changes nothing.
    b.setGlyph(strip);
    strip.fill(Qt::white);
    QCOMPARE(b.glyph().pixel(0, 0), qRgb(0, 0, 0));
}

void GlyphButtonTest::shortStripFallsBackToFirstFrame() {
    Stage s({20, 20});
    makeGlyphButton(s);
    s.button->setGlyph(makeStrip(10).copy(0, 0, 10, 10));  // one frame only
    QCOMPARE(s.button->numGlyphs(), 1);
    s.enter();
    QCOMPARE(px(s.shot(), 6, 7), kFace[0]);
    s.button->setDown(true);
    QCOMPARE(px(s.shot(), 7, 8), kFace[0]);
}

// A strip painted for a screen twice as fine (its device pixel ratio 2)
// lays out at its own size and shows every one of its pixels there.
void GlyphButtonTest::stripPaintedTwiceAsFineKeepsItsPlace() {
    Stage s({20, 20});
    makeGlyphButton(s);
    QImage fine = makeStrip(20);
    fine.setDevicePixelRatio(2);
    s.button->setGlyph(fine);
    QCOMPARE(s.button->numGlyphs(), 4);

    QImage img(QSize(40, 40), QImage::Format_RGB32);
    img.setDevicePixelRatio(2);
    s.parent.render(&img, QPoint(), QRegion(s.button->geometry()));
    // The frame at (4, 5) as for a plain 10-pixel strip: (8, 10) on the
    // finer image, its face inset by two of its own pixels.
    QCOMPARE(px(img, 10, 12), kFace[0]);
    QCOMPARE(px(img, 25, 27), kFace[0]);
    QCOMPARE(px(img, 9, 12), kParent);
    QCOMPARE(px(img, 26, 27), kParent);
}

void GlyphButtonTest::glyphPlacementTable_data() {
    QTest::addColumn<int>("layout");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<int>("glyphX");
    // W = 40, gw = 10, no caption (tw = 0).
    const int left = Qt::AlignLeft, right = Qt::AlignRight, centre = Qt::AlignHCenter;
    const int gl = int(GlyphButton::Layout::GlyphLeft);
    const int gr = int(GlyphButton::Layout::GlyphRight);
    const int gc = int(GlyphButton::Layout::Centre);
    QTest::newRow("glyph left, left") << gl << left << 5;
    QTest::newRow("glyph left, right") << gl << right << 23;
    QTest::newRow("glyph left, centre") << gl << centre << 14;
    QTest::newRow("centre, centre") << gc << centre << 14;
    QTest::newRow("centre, right") << gc << right << 23;
    QTest::newRow("glyph right, left") << gr << left << 7;
    QTest::newRow("glyph right, right") << gr << right << 25;
    QTest::newRow("glyph right, centre") << gr << centre << 16;
}

void GlyphButtonTest::glyphPlacementTable() {
    QFETCH(int, layout);
    QFETCH(int, alignment);
    QFETCH(int, glyphX);
    Stage s({40, 20});
    makeGlyphButton(s);
    s.button->setLayout(GlyphButton::Layout(layout));
    s.button->setAlignment(Qt::Alignment(alignment));
    const QImage img = s.shot();
    QCOMPARE(px(img, glyphX + 2, 7), kFace[0]);
    QCOMPARE(px(img, glyphX + 1, 7), kParent);
    QCOMPARE(px(img, glyphX + 7, 12), kFace[0]);
    QCOMPARE(px(img, glyphX + 8, 12), kParent);
}

void GlyphButtonTest::captionButtonRaisedAndSunken() {
    const QRgb fill = rgb(53, 97, 102), light = rgb(81, 146, 153), shadow = rgb(28, 49, 51);
    Stage s({61, 29});
    GlyphButton* b = s.button;
    b->setCaption("CALL");
    QFont f("MS Sans Serif");
    f.setPixelSize(13);
    f.setBold(true);
    b->setFont(f);
    b->setFontColor(QColor(141, 197, 197));
    b->setColor(QColor(fill));
    b->setLightColor(QColor(light));
    b->setShadowColor(QColor(shadow));
    b->setAlignment(Qt::AlignHCenter);

    const QImage up = s.shot();
    for (int x = 0; x <= 59; ++x)
        QCOMPARE(px(up, x, 0), light);
    for (int y = 0; y <= 28; ++y)
        QCOMPARE(px(up, 0, y), light);
    for (int y = 0; y <= 28; ++y)
        QCOMPARE(px(up, 60, y), shadow);
    for (int x = 1; x <= 60; ++x)
        QCOMPARE(px(up, x, 28), shadow);
    QCOMPARE(px(up, 1, 1), fill);

    // The caption is centred: its box starts at x = (61 - tw) div 2 + 1 and
    // y = (29 - th) div 2. Where the ink of those letters starts inside their
    // box comes from drawing them alone.
    const QFontMetrics fm(f);
    const int tw = fm.horizontalAdvance("CALL");
    const int th = fm.height();
    QImage alone(tw + 10, th + 10, QImage::Format_RGB32);
    alone.fill(fill);
    {
        QPainter p(&alone);
        p.setFont(f);
        p.setPen(QColor(141, 197, 197));
        p.drawText(0, fm.ascent(), "CALL");
    }
    const QRect bearing = inkBox(alone, fill, alone.rect());
    QVERIFY(!bearing.isEmpty());
    const QRect ink = inkBox(up, fill, QRect(1, 1, 59, 27));
    QCOMPARE(ink.topLeft(), QPoint((61 - tw) / 2 + 1, (29 - th) / 2) + bearing.topLeft());
    QCOMPARE(ink.size(), bearing.size());
    QVERIFY(qAbs(ink.center().x() - 30) <= 2);

    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(30, 14));
    const QImage down = s.shot();
    for (int x = 0; x <= 59; ++x)
        QCOMPARE(px(down, x, 0), shadow);
    for (int y = 0; y <= 28; ++y)
        QCOMPARE(px(down, 0, y), shadow);
    for (int y = 0; y <= 28; ++y)
        QCOMPARE(px(down, 60, y), light);
    for (int x = 1; x <= 60; ++x)
        QCOMPARE(px(down, x, 28), light);
    // The same text, one pixel right and down.
    for (int y = ink.top(); y <= ink.bottom(); ++y)
        for (int x = ink.left(); x <= ink.right(); ++x)
            QCOMPARE(px(down, x + 1, y + 1), px(up, x, y));
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(30, 14));
    QCOMPARE(s.shot(), up);
}

void GlyphButtonTest::captionIsClippedInsideTheFrame() {
    const QRgb light = rgb(255, 255, 255), shadow = rgb(0, 0, 0);
    Stage s({40, 12});
    GlyphButton* b = s.button;
    QFont f("Arial");
    f.setPixelSize(20);
    b->setFont(f);
    b->setFontColor(QColor(255, 0, 0));
    b->setColor(QColor(0, 0, 255));
    b->setCaption("WWWWWWWWWW");
    const QImage img = s.shot();
    for (int x = 0; x <= 38; ++x)
        QCOMPARE(px(img, x, 0), light);
    for (int y = 0; y <= 11; ++y) {
        QCOMPARE(px(img, 0, y), light);
        QCOMPARE(px(img, 39, y), shadow);
    }
    for (int x = 1; x <= 39; ++x)
        QCOMPARE(px(img, x, 11), shadow);
    QVERIFY(!inkBox(img, rgb(0, 0, 255), QRect(1, 1, 38, 10)).isEmpty());
}

void GlyphButtonTest::disabledButtonGetsAnOutline() {
    Stage s({20, 10});
    s.button->setColor(QColor(0, 0, 255));
    s.button->setLightColor(QColor(255, 255, 0));
    s.button->setEnabled(false);
    const QImage img = s.shot();
    for (int x = 0; x < 20; ++x) {
        QCOMPARE(px(img, x, 0), rgb(255, 255, 0));
        QCOMPARE(px(img, x, 9), rgb(255, 255, 0));
    }
    for (int y = 0; y < 10; ++y) {
        QCOMPARE(px(img, 0, y), rgb(255, 255, 0));
        QCOMPARE(px(img, 19, y), rgb(255, 255, 0));
    }
    QCOMPARE(px(img, 1, 1), rgb(0, 0, 255));
}

void GlyphButtonTest::enterAndExitSignals() {
    Stage s({20, 20});
    QSignalSpy entered(s.button, &GlyphButton::mouseEntered);
    QSignalSpy exited(s.button, &GlyphButton::mouseExited);
    s.enter();
    QVERIFY(s.button->isMouseInside());
    QCOMPARE(entered.count(), 1);
    QCOMPARE(exited.count(), 0);
    s.leave();
    QVERIFY(!s.button->isMouseInside());
    QCOMPARE(exited.count(), 1);
}

int runGlyphButtonTests(int argc, char** argv) {
    GlyphButtonTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_glyphbutton.moc"
