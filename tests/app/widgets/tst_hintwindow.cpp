// Runs on a real X server: the hint's background is read from the screen.
#include "app/widgets/hintwindow.h"
#include "testfonts.h"

#include <QHelpEvent>
#include <QPainter>
#include <QScreen>
#include <QToolTip>
#include <QtTest>

#include <memory>

using namespace zelvan;

namespace {

constexpr QRgb rgb(int r, int g, int b) {
    return QRgb((r << 16) | (g << 8) | b);
}

const QRgb kField = rgb(200, 100, 50);
const int kBlackStrip = 200;  // the screen's rightmost columns are black

// Fills the screen: kField, with a black strip along the right edge.
class Backdrop : public QWidget {
public:
    Backdrop() : QWidget(nullptr, Qt::FramelessWindowHint) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), QColor(kField));
        p.fillRect(QRect(width() - kBlackStrip, 0, kBlackStrip, height()), Qt::black);
    }
};

QRgb screenPixel(const QPoint& p) {
    QScreen* s = QGuiApplication::primaryScreen();
    return s->grabWindow(0, p.x(), p.y(), 1, 1).toImage().pixel(0, 0) & RGB_MASK;
}

// The channel mixture of tint c and screen s at transparency t.
QRgb mixed(QRgb c, QRgb s, int t) {
    auto m = [t](int a, int b) { return ((100 - t) * a + t * b) / 100; };
    return rgb(m(qRed(c), qRed(s)), m(qGreen(c), qGreen(s)), m(qBlue(c), qBlue(s)));
}

// Every pixel of `img` is `want`; on failure says where.
bool allPixels(const QImage& img, QRgb want, QString* where) {
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if ((img.pixel(x, y) & RGB_MASK) != want) {
                *where = QString("(%1,%2) is %3, want %4")
                             .arg(x)
                             .arg(y)
                             .arg(img.pixel(x, y) & RGB_MASK, 6, 16, QChar('0'))
                             .arg(want, 6, 16, QChar('0'));
                return false;
            }
    return !img.isNull();
}

}  // namespace

class HintWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void hintSizeFromTextAndMargins();
    void backgroundMixesScreenAndTint();
    void rightEdgeMovesHintLeftAndCapturesThere();
    void bottomEdgeMovesHintUp();
    void previousHintIsGoneBeforeTheCapture();
    void aLaterRequestReplacesOneNotYetShown();
    void textIsDrawnInsideTheMargins();
    void toolTipRequestsShowTheHint();
    void disablingRestoresTheStandardTip();
    void transparencyOutsideRangeIsRefused();
    void componentNeedsAWindow();
    void longTextWraps();

private:
    void configure(HintWindow& hint);
    void shown(HintWindow& hint, const QString& text, QPoint at);
    void waitUntilShownOnScreen(HintWindow& hint);

    std::unique_ptr<Backdrop> backdrop_;
    std::unique_ptr<HintWindow> hint_;
    QRect screen_;
};

void HintWindowTest::initTestCase() {
    loadTestFonts();
    screen_ = QGuiApplication::primaryScreen()->geometry();
    backdrop_ = std::make_unique<Backdrop>();
    backdrop_->setGeometry(screen_);
    backdrop_->show();
    QVERIFY(QTest::qWaitForWindowExposed(backdrop_.get()));
    QTRY_COMPARE(screenPixel(QPoint(10, 10)), kField);
    QTRY_COMPARE(screenPixel(QPoint(screen_.width() - 1, 10)), rgb(0, 0, 0));
}

// The program's settings.
void HintWindowTest::configure(HintWindow& hint) {
    QVERIFY(hint.setTransparency(50));
    hint.setTranspColor(QColor(0, 56, 64));
    QFont f("MS Sans Serif");
    f.setPixelSize(11);
    hint.setFont(f);
    hint.setFontColor(QColor(140, 232, 232));
    hint.setLeftMargin(5);
    hint.setTopMargin(2);
    hint.setRightMargin(2);
    hint.setBottomMargin(2);
    hint.setHidePause(0);  // stays up while a test looks at it
    QVERIFY(hint.setEnabled(true));
}

void HintWindowTest::init() {
    hint_ = std::make_unique<HintWindow>(backdrop_.get());
    configure(*hint_);
}

void HintWindowTest::cleanup() {
    hint_.reset();
}

// Asks for a hint and waits until it shows: it is captured and shown from
// the event loop.
void HintWindowTest::shown(HintWindow& hint, const QString& text, QPoint at) {
    hint.showHint(text, at);
    QVERIFY(QTest::qWaitFor([&] { return hint.hintWindow()->isVisible(); }));
}

void HintWindowTest::waitUntilShownOnScreen(HintWindow& hint) {
    HintPopup* w = hint.hintWindow();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    // The hint's top-left margin pixel carries the background once painted.
    const QRgb want = w->background().pixel(0, 0) & RGB_MASK;
    QTRY_COMPARE(screenPixel(w->geometry().topLeft()), want);
}

void HintWindowTest::hintSizeFromTextAndMargins() {
    const QString text = "Size 15-20-30";
    shown(*hint_, text, QPoint(100, 100));
    const QFontMetrics fm(hint_->font());
    const QRect g = hint_->hintWindow()->geometry();
    QCOMPARE(g.topLeft(), QPoint(100, 100));
    QCOMPARE(g.size(), QSize(fm.horizontalAdvance(text) + 9, fm.height() + 6));
    QCOMPARE(hint_->hintWindow()->text(), text);
    QVERIFY(hint_->hintWindow()->isVisible());
}

void HintWindowTest::backgroundMixesScreenAndTint() {
    shown(*hint_, "Play!", QPoint(100, 100));
    HintPopup* w = hint_->hintWindow();
    QString where;
    QVERIFY2(allPixels(w->captured(), kField, &where), qPrintable(where));
    QCOMPARE(w->background().size(), w->size());
    QVERIFY2(allPixels(w->background(), rgb(100, 78, 57), &where), qPrintable(where));
    waitUntilShownOnScreen(*hint_);
    QCOMPARE(screenPixel(w->geometry().bottomRight()), rgb(100, 78, 57));

    // At 30 % the tint weighs more.
    QVERIFY(hint_->setTransparency(30));
    shown(*hint_, "Play!", QPoint(300, 100));
    QVERIFY2(allPixels(w->background(), mixed(rgb(0, 56, 64), kField, 30), &where),
             qPrintable(where));
}

void HintWindowTest::rightEdgeMovesHintLeftAndCapturesThere() {
    const QString text = "Human / Computer";
    const QSize size = hint_->calcHintRect(screen_.width(), text).size() + QSize(2, 2);
    QVERIFY(size.width() < kBlackStrip);
    shown(*hint_, text, QPoint(screen_.width() - 10, 400));
    HintPopup* w = hint_->hintWindow();
    QCOMPARE(w->geometry(), QRect(QPoint(screen_.width() - size.width(), 400), size));
    // Taken where it shows, over black: none of the off-screen area.
    QString where;
    QVERIFY2(allPixels(w->background(), rgb(0, 28, 32), &where), qPrintable(where));
    waitUntilShownOnScreen(*hint_);
}

void HintWindowTest::bottomEdgeMovesHintUp() {
    const QString text = "Options";
    const QSize size = hint_->calcHintRect(screen_.width(), text).size() + QSize(2, 2);
    shown(*hint_, text, QPoint(300, screen_.height() - 3));
    QCOMPARE(hint_->hintWindow()->geometry(),
             QRect(QPoint(300, screen_.height() - size.height()), size));
    QString where;
    QVERIFY2(allPixels(hint_->hintWindow()->background(), rgb(100, 78, 57), &where),
             qPrintable(where));

    // Off the left edge it comes back to it.
    shown(*hint_, text, QPoint(-40, 200));
    QCOMPARE(hint_->hintWindow()->geometry().topLeft(), QPoint(0, 200));
}

void HintWindowTest::previousHintIsGoneBeforeTheCapture() {
    shown(*hint_, "Stop", QPoint(200, 200));
    waitUntilShownOnScreen(*hint_);
    shown(*hint_, "Help", QPoint(200, 200));
    QString where;
    QVERIFY2(allPixels(hint_->hintWindow()->captured(), kField, &where), qPrintable(where));
    QVERIFY2(allPixels(hint_->hintWindow()->background(), rgb(100, 78, 57), &where),
             qPrintable(where));
}

// The hint shows from the event loop: a second request before then is the
// one that shows, and a hint put away before then never shows.
void HintWindowTest::aLaterRequestReplacesOneNotYetShown() {
    hint_->showHint("Stop", QPoint(200, 200));
    shown(*hint_, "Help", QPoint(300, 300));
    QCOMPARE(hint_->hintWindow()->text(), QString("Help"));
    QCOMPARE(hint_->hintWindow()->geometry().topLeft(), QPoint(300, 300));
    hint_->showHint("Exit", QPoint(100, 100));
    hint_->hideHint();
    QTest::qWait(50);
    QVERIFY(!hint_->hintWindow()->isVisible());
    QVERIFY(!hint_->hintWindow()->isActivating());
}

void HintWindowTest::textIsDrawnInsideTheMargins() {
    shown(*hint_, "Internet", QPoint(400, 300));
    waitUntilShownOnScreen(*hint_);
    HintPopup* w = hint_->hintWindow();
    const QRect g = w->geometry();
    const QImage shown = QGuiApplication::primaryScreen()
                             ->grabWindow(0, g.x(), g.y(), g.width(), g.height())
                             .toImage();
    QRect ink;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if ((shown.pixel(x, y) & RGB_MASK) != rgb(100, 78, 57)) ink |= QRect(x, y, 1, 1);
    QVERIFY(!ink.isEmpty());
    // Bright text: the brightest ink comes close to the font colour.
    int brightest = 0;
    for (int y = ink.top(); y <= ink.bottom(); ++y)
        for (int x = ink.left(); x <= ink.right(); ++x)
            brightest = std::max(brightest, qGreen(shown.pixel(x, y)));
    QVERIFY(brightest >= 200);
    QVERIFY2(ink.left() >= 4 && ink.left() <= 6, qPrintable(QString::number(ink.left())));
    QVERIFY(ink.top() >= 2);
    QVERIFY(ink.right() <= g.width() - 3);
    QVERIFY(ink.bottom() <= g.height() - 3);
}

void HintWindowTest::toolTipRequestsShowTheHint() {
    auto* button = new QWidget(backdrop_.get());
    button->setGeometry(50, 50, 62, 60);
    button->setToolTip("Play!");
    button->show();
    QVERIFY(QTest::qWaitForWindowExposed(backdrop_.get()));

    QHelpEvent request(QEvent::ToolTip, QPoint(10, 10), QPoint(60, 60));
    QVERIFY(QCoreApplication::sendEvent(button, &request));
    HintPopup* w = hint_->hintWindow();
    QTRY_VERIFY(w->isVisible());
    QCOMPARE(w->text(), QString("Play!"));
    QCOMPARE(w->geometry().topLeft(), QPoint(60, 80));  // below the mouse
    QVERIFY(!QToolTip::isVisible());

    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(button, &leave);
    QVERIFY(!w->isVisible());

    // A widget without a hint text gets none.
    auto* plain = new QWidget(backdrop_.get());
    plain->setGeometry(150, 50, 20, 20);
    plain->show();
    QHelpEvent silent(QEvent::ToolTip, QPoint(5, 5), QPoint(155, 55));
    QCoreApplication::sendEvent(plain, &silent);
    QVERIFY(!w->isVisible());

    // A press anywhere puts the hint away.
    QCoreApplication::sendEvent(button, &request);
    QTRY_VERIFY(w->isVisible());
    QTest::mousePress(plain, Qt::LeftButton);
    QVERIFY(!w->isVisible());
    delete button;
    delete plain;
}

void HintWindowTest::disablingRestoresTheStandardTip() {
    auto* button = new QWidget(backdrop_.get());
    button->setGeometry(50, 50, 40, 40);
    button->setToolTip("Stop");
    button->show();
    QHelpEvent request(QEvent::ToolTip, QPoint(10, 10), QPoint(60, 60));
    QCoreApplication::sendEvent(button, &request);
    QTRY_VERIFY(hint_->hintWindow()->isVisible());

    QVERIFY(hint_->setEnabled(false));
    QVERIFY(!hint_->hintWindow()->isVisible());
    QCoreApplication::sendEvent(button, &request);
    QVERIFY(!hint_->hintWindow()->isVisible());
    QVERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), QString("Stop"));
    QToolTip::hideText();

    // Of two enabled components the later one serves.
    QVERIFY(hint_->setEnabled(true));
    HintWindow second(backdrop_.get());
    configure(second);
    QCoreApplication::sendEvent(button, &request);
    QTRY_VERIFY(second.hintWindow()->isVisible());
    QVERIFY(!hint_->hintWindow()->isVisible());
    delete button;
}

void HintWindowTest::transparencyOutsideRangeIsRefused() {
    HintWindow hint(backdrop_.get());
    QCOMPARE(hint.transparency(), 30);
    QVERIFY(hint.errorString().isEmpty());
    QVERIFY(!hint.setTransparency(101));
    QCOMPARE(hint.transparency(), 30);
    QCOMPARE(hint.errorString(), QString("Invalid transparency percentage value."));
    QVERIFY(!hint.setTransparency(-1));
    QCOMPARE(hint.transparency(), 30);
    QVERIFY(hint.setTransparency(0));
    QVERIFY(hint.setTransparency(100));
    QCOMPARE(hint.transparency(), 100);
}

void HintWindowTest::componentNeedsAWindow() {
    QWidget child(backdrop_.get());
    HintWindow hint(&child);
    QVERIFY(!hint.setEnabled(true));
    QVERIFY(!hint.isEnabled());
    QCOMPARE(hint.errorString(), QString("HintWindow must be given a window."));
}

void HintWindowTest::longTextWraps() {
    const QFontMetrics fm(hint_->font());
    const QRect one = hint_->calcHintRect(1000, "Human / Computer");
    QCOMPARE(one.height(), fm.height() + 4);
    const QRect wrapped =
        hint_->calcHintRect(fm.horizontalAdvance("Computer") + 2, "Human / Computer");
    QVERIFY(wrapped.height() >= 2 * fm.height() + 4);
    QVERIFY(wrapped.width() < one.width());
}

QTEST_MAIN(HintWindowTest)
#include "tst_hintwindow.moc"
