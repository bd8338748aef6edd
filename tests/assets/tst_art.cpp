// The pictures the program loads: their sizes, and every colour the window
// relies on (the fields the controls line up with, the pieces' backgrounds,
// the transparent keys of the glyph strips and icons).

#include <QtGui/QColor>
#include <QtGui/QFontDatabase>
#include <QtGui/QImage>
#include <QtTest/QtTest>
#include <cmath>
#include <cstdlib>

#include "assets/appicon.h"
#include "assets/embeddedfonts.h"

namespace {

QImage art(const QString& path) {
    return QImage(QStringLiteral(":/art/") + path).convertToFormat(QImage::Format_RGB32);
}

QRgb rgb(int r, int g, int b) {
    return qRgb(r, g, b);
}

QString describe(QRgb c) {
    return QStringLiteral("RGB(%1,%2,%3)").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c));
}

// The first pixel of `rect` that is not `colour`, or an empty string.
QString firstOtherPixel(const QImage& img, const QRect& rect, QRgb colour) {
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            if (img.pixel(x, y) != colour) {
                return QStringLiteral("(%1,%2) is %3").arg(x).arg(y).arg(describe(img.pixel(x, y)));
            }
        }
    }
    return {};
}

int count(const QImage& img, QRgb colour) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x)
            n += img.pixel(x, y) == colour;
    }
    return n;
}

bool near(QRgb a, QRgb b, int tolerance) {
    return std::abs(qRed(a) - qRed(b)) <= tolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

const QRgb kBlack = rgb(0, 0, 0);
const QRgb kBoard = rgb(0, 8, 12);
const QRgb kWell = rgb(46, 110, 113);
const QRgb kPanel = rgb(155, 204, 204);

}  // namespace

class ArtTest : public QObject {
    Q_OBJECT

private slots:
    void picturesHaveTheirSizes_data();
    void picturesHaveTheirSizes();

    void boardWellIsFlat();
    void leftPanelKeepsItsColour();
    void scoreBoxesAndPlayWellAreFilled();
    void clockStripHidesUnderItsCover();

    void progressBarShowsFiveShadedSegments();

    void piecesLeaveAClearMargin_data();
    void piecesLeaveAClearMargin();
    void piecesShowTheirMainColours_data();
    void piecesShowTheirMainColours();

    void glyphFramesAreKeyedAlike_data();
    void glyphFramesAreKeyedAlike();
    void playKnobSitsInItsWell();
    void keysShowTheirMark_data();
    void keysShowTheirMark();

    void iconsAreKeyedOnTheirBottomLeftPixel_data();
    void iconsAreKeyedOnTheirBottomLeftPixel();

    void embeddedFontsCarryBothFaces();

    void appIconIsDrawnAtEverySize();
};

void ArtTest::picturesHaveTheirSizes_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::newRow("background") << "background.png" << QSize(800, 600);
    QTest::newRow("splash") << "splash.png" << QSize(320, 240);
    QTest::newRow("progress bar") << "progressbar.png" << QSize(315, 16);
    QTest::newRow("options panel") << "optionspanel.png" << QSize(189, 352);
    QTest::newRow("chat panel") << "chatpanel.png" << QSize(201, 149);
    const char* const glyphs[][2] = {{"play", "59"},          {"exit", "18"},    {"size", "36"},
                                     {"humancomputer", "18"}, {"stop", "36"},    {"help", "25"},
                                     {"internet", "25"},      {"options", "25"}, {"toggle", "18"}};
    for (const auto& g : glyphs) {
        const int h = QByteArray(g[1]).toInt();
        QTest::newRow(g[0]) << QStringLiteral("glyphs/%1.png").arg(QLatin1String(g[0]))
                            << QSize(4 * h, h);
    }
    for (const char* icon : {"computer", "person-red", "person-blue", "check", "noconnection",
                             "style-balls", "style-crosses", "turn-blue", "turn-red"}) {
        QTest::newRow(icon) << QStringLiteral("icons/%1.png").arg(QLatin1String(icon))
                            << QSize(18, 18);
    }
    for (const char* piece : {"cross-blue", "ring-red", "ball-blue", "ball-red"}) {
        for (int pitch : {36, 27, 18}) {
            for (const char* hl : {"", "-hl"}) {
                const QString name = QStringLiteral("pieces/%1-%2%3.png")
                                         .arg(QLatin1String(piece))
                                         .arg(pitch)
                                         .arg(QLatin1String(hl));
                QTest::newRow(qPrintable(name)) << name << QSize(pitch, pitch);
            }
        }
    }
}

void ArtTest::picturesHaveTheirSizes() {
    QFETCH(QString, path);
    QFETCH(QSize, size);
    const QImage img(QStringLiteral(":/art/") + path);
    QVERIFY2(!img.isNull(), qPrintable(path));
    QCOMPARE(img.size(), size);
    // 24-bit pictures: transparency comes from key colours only.
    QVERIFY(!img.hasAlphaChannel());
}

void ArtTest::boardWellIsFlat() {
    const QImage bg = art(QStringLiteral("background.png"));
    // Every board size lies inside the well, so all of it must be the one colour.
    const QString other =
        firstOtherPixel(bg, QRect(QPoint(213, 12), QPoint(787, 586)), rgb(0, 32, 36));
    QVERIFY2(other.isEmpty(), qPrintable(other));
    // The well's edge is a boundary: the pixels just outside differ.
    QVERIFY(bg.pixel(212, 300) != rgb(0, 32, 36));
    QVERIFY(bg.pixel(788, 300) != rgb(0, 32, 36));
    QVERIFY(bg.pixel(500, 11) != rgb(0, 32, 36));
    QVERIFY(bg.pixel(500, 587) != rgb(0, 32, 36));
}

void ArtTest::leftPanelKeepsItsColour() {
    const QImage bg = art(QStringLiteral("background.png"));
    // Open spots of the panel, between the controls.
    const QPoint spots[] = {{100, 45},  {150, 45},  {40, 75},  {106, 75},  {170, 75},
                            {106, 120}, {40, 134},  {80, 154}, {130, 168}, {30, 200},
                            {30, 260},  {106, 277}, {30, 290}, {176, 290}, {106, 370},
                            {60, 372},  {160, 372}, {22, 360}, {189, 360}, {106, 383}};
    for (const QPoint& at : spots) {
        QVERIFY2(near(bg.pixel(at), kPanel, 2), qPrintable(QStringLiteral("(%1,%2) is %3")
                                                               .arg(at.x())
                                                               .arg(at.y())
                                                               .arg(describe(bg.pixel(at)))));
    }
    // Lightly shaded: most of the face is the panel colour itself, and no
    // part of it strays far from light teal.
    const QRect panel(QPoint(20, 35), QPoint(191, 385));
    const int exact = count(bg.copy(panel), kPanel);
    QVERIFY2(exact * 2 > panel.width() * panel.height(), qPrintable(QString::number(exact)));
    // Just outside, the console is dark.
    QVERIFY(qGreen(bg.pixel(10, 200)) < 100);
    QVERIFY(qGreen(bg.pixel(198, 200)) < 100);
}

void ArtTest::scoreBoxesAndPlayWellAreFilled() {
    const QImage bg = art(QStringLiteral("background.png"));
    for (const QRect& box :
         {QRect(QPoint(26, 84), QPoint(87, 113)), QRect(QPoint(124, 84), QPoint(185, 113))}) {
        const QString other = firstOtherPixel(bg, box, kWell);
        QVERIFY2(other.isEmpty(), qPrintable(other));
    }
    // The round well behind Play: centre (106, 322), diameter 71.
    for (int y = 322 - 35; y <= 322 + 35; ++y) {
        for (int x = 106 - 35; x <= 106 + 35; ++x) {
            if (std::hypot(x - 106, y - 322) > 35.5) continue;
            QVERIFY2(
                bg.pixel(x, y) == kWell,
                qPrintable(
                    QStringLiteral("(%1,%2) is %3").arg(x).arg(y).arg(describe(bg.pixel(x, y)))));
        }
    }
    QVERIFY(bg.pixel(106 - 38, 322) != kWell);
    QVERIFY(bg.pixel(106, 322 + 38) != kWell);
}

void ArtTest::clockStripHidesUnderItsCover() {
    const QImage bg = art(QStringLiteral("background.png"));
    // Left of the board well, from the clock row down, the only thing that is
    // not black is the dotted strip, and all of it lies under the black cover
    // (200x45 at (0, 400)) that hides the clocks.
    const QRect cover(0, 400, 200, 45);
    int dots = 0;
    for (int y = 399; y < 600; ++y) {
        for (int x = 0; x <= 212; ++x) {
            const QRgb c = bg.pixel(x, y);
            if (c == kBlack) continue;
            QVERIFY2(cover.contains(x, y) && y <= 434 && x >= 17,
                     qPrintable(QStringLiteral("(%1,%2) is %3").arg(x).arg(y).arg(describe(c))));
            // Dark, so the clock text reads on it.
            QVERIFY2(qMax(qRed(c), qMax(qGreen(c), qBlue(c))) <= 90, qPrintable(describe(c)));
            ++dots;
        }
    }
    QVERIFY2(dots > 1000, qPrintable(QString::number(dots)));
    // Dotted, not filled: the strip's inside alternates dark dots and black.
    int black = 0;
    for (int x = 30; x < 90; ++x)
        black += bg.pixel(x, 418) == kBlack || bg.pixel(x, 419) == kBlack;
    QVERIFY(black > 30);
}

void ArtTest::progressBarShowsFiveShadedSegments() {
    const QImage bar = art(QStringLiteral("progressbar.png"));
    for (int x = 0; x < bar.width(); ++x) {
        const bool separator = x % 63 == 0;
        for (int y = 0; y < bar.height(); ++y) {
            if (separator) {
                QVERIFY2(bar.pixel(x, y) == kBlack,
                         qPrintable(QStringLiteral("(%1,%2)").arg(x).arg(y)));
            } else {
                // Every segment column has the same vertical shade.
                QCOMPARE(bar.pixel(x, y), bar.pixel(1, y));
            }
        }
    }
    QCOMPARE(bar.pixel(1, 0), rgb(52, 206, 206));
    QCOMPARE(bar.pixel(1, 15), rgb(0, 54, 54));
    for (int y = 1; y < bar.height(); ++y)
        QVERIFY(qGreen(bar.pixel(1, y)) < qGreen(bar.pixel(1, y - 1)));
}

void ArtTest::piecesLeaveAClearMargin_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("pitch");
    QTest::addColumn<QRgb>("background");
    QTest::addColumn<int>("margin");
    for (const char* piece : {"cross-blue", "ring-red", "ball-blue", "ball-red"}) {
        const bool ball = QByteArray(piece).startsWith("ball");
        for (int pitch : {36, 27, 18}) {
            // Balls and all 27-pixel pieces blend with the board; the other
            // crosses and rings sit on black.
            const QRgb back = (ball || pitch == 27) ? kBoard : kBlack;
            const int margin = (!ball && pitch == 36) ? 4 : 2;
            for (const char* hl : {"", "-hl"}) {
                const QString name = QStringLiteral("%1-%2%3")
                                         .arg(QLatin1String(piece))
                                         .arg(pitch)
                                         .arg(QLatin1String(hl));
                QTest::newRow(qPrintable(name)) << name << pitch << back << margin;
            }
        }
    }
}

void ArtTest::piecesLeaveAClearMargin() {
    QFETCH(QString, name);
    QFETCH(int, pitch);
    QFETCH(QRgb, background);
    QFETCH(int, margin);
    const QImage img = art(QStringLiteral("pieces/%1.png").arg(name));
    QCOMPARE(img.size(), QSize(pitch, pitch));
    // The margin (and so the outer ring, where the last-move frame goes) is
    // pure background; the figure fills the middle.
    for (int y = 0; y < pitch; ++y) {
        for (int x = 0; x < pitch; ++x) {
            const bool inMargin =
                x < margin || y < margin || x >= pitch - margin || y >= pitch - margin;
            if (inMargin) {
                QVERIFY2(img.pixel(x, y) == background,
                         qPrintable(QStringLiteral("(%1,%2) is %3")
                                        .arg(x)
                                        .arg(y)
                                        .arg(describe(img.pixel(x, y)))));
            }
        }
    }
    int figure = 0;
    for (int y = 0; y < pitch; ++y) {
        for (int x = 0; x < pitch; ++x)
            figure += img.pixel(x, y) != background;
    }
    QVERIFY2(figure * 4 > pitch * pitch, qPrintable(QString::number(figure)));
    // The figure reaches close to its margin on every side: centred and full size.
    for (int edge = 0; edge < 4; ++edge) {
        bool touched = false;
        for (int i = 0; i < pitch && !touched; ++i) {
            const int inner = margin + 1;
            const QPoint at = edge == 0   ? QPoint(inner, i)
                              : edge == 1 ? QPoint(pitch - 1 - inner, i)
                              : edge == 2 ? QPoint(i, inner)
                                          : QPoint(i, pitch - 1 - inner);
            touched = img.pixel(at) != background;
        }
        QVERIFY2(touched, qPrintable(QStringLiteral("edge %1").arg(edge)));
    }
}

void ArtTest::piecesShowTheirMainColours_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRgb>("first");
    QTest::addColumn<QRgb>("second");
    struct Piece {
        const char* name;
        QRgb first, second;
    };
    // Crosses and rings carry their two (or one) main colours; for the shaded
    // balls `first` is the colour of the middle.
    const Piece pieces[] = {
        {"cross-blue-%1", rgb(68, 68, 252), rgb(89, 89, 255)},
        {"cross-blue-%1-hl", rgb(158, 158, 253), rgb(169, 169, 255)},
        {"ring-red-%1", rgb(255, 0, 0), rgb(255, 0, 0)},
        {"ring-red-%1-hl", rgb(248, 156, 0), rgb(248, 156, 0)},
        {"ball-blue-%1", rgb(59, 59, 175), 0},
        {"ball-red-%1", rgb(163, 25, 23), 0},
        {"ball-blue-%1-hl", rgb(86, 86, 218), 0},
        {"ball-red-%1-hl", rgb(213, 55, 53), 0},
    };
    for (int pitch : {36, 27, 18}) {
        for (const Piece& piece : pieces) {
            const QString name = QString::fromLatin1(piece.name).arg(pitch);
            QTest::newRow(qPrintable(name)) << name << piece.first << piece.second;
        }
    }
}

void ArtTest::piecesShowTheirMainColours() {
    QFETCH(QString, name);
    QFETCH(QRgb, first);
    QFETCH(QRgb, second);
    const QImage img = art(QStringLiteral("pieces/%1.png").arg(name));
    if (name.startsWith(QLatin1String("ball"))) {
        const QRgb middle = img.pixel(img.width() / 2, img.height() / 2);
        QVERIFY2(near(middle, first, 10), qPrintable(describe(middle)));
        return;
    }
    // Crosses and rings are drawn in their main colours, not just near them.
    const int p = img.width();
    QVERIFY2(count(img, first) >= p, qPrintable(QString::number(count(img, first))));
    QVERIFY2(count(img, second) >= p / 2, qPrintable(QString::number(count(img, second))));
}

void ArtTest::glyphFramesAreKeyedAlike_data() {
    QTest::addColumn<QString>("name");
    for (const char* g : {"play", "exit", "size", "humancomputer", "stop", "help", "internet",
                          "options", "toggle"}) {
        QTest::newRow(g) << QString::fromLatin1(g);
    }
}

void ArtTest::glyphFramesAreKeyedAlike() {
    QFETCH(QString, name);
    const QImage strip = art(QStringLiteral("glyphs/%1.png").arg(name));
    const int h = strip.height();
    QCOMPARE(strip.width(), 4 * h);
    // The button keys each frame on its bottom-left pixel: the same colour in
    // all four, and also in the other corners so the shapes sit on the art.
    const QRgb key = strip.pixel(0, h - 1);
    QImage frames[4];
    for (int f = 0; f < 4; ++f) {
        frames[f] = strip.copy(f * h, 0, h, h);
        for (const QPoint& corner :
             {QPoint(0, h - 1), QPoint(0, 0), QPoint(h - 1, 0), QPoint(h - 1, h - 1)}) {
            QVERIFY2(frames[f].pixel(corner) == key,
                     qPrintable(QStringLiteral("frame %1 corner (%2,%3)")
                                    .arg(f)
                                    .arg(corner.x())
                                    .arg(corner.y())));
        }
        const int shown = h * h - count(frames[f], key);
        QVERIFY2(shown * 3 > h * h,
                 qPrintable(QStringLiteral("frame %1 shows %2 pixels").arg(f).arg(shown)));
    }
    // Mouse-over, pressed and disabled faces each differ from the normal one.
    QVERIFY(frames[1] != frames[0]);
    QVERIFY(frames[2] != frames[0]);
    QVERIFY(frames[3] != frames[0]);
    // The mouse-over face is the lighter one, the pressed face the darker,
    // judged by the middle of the face (the shadows around it differ too).
    auto lightness = [key, h](const QImage& img) {
        qint64 sum = 0;
        int n = 0;
        for (int y = h / 4; y < 3 * h / 4; ++y) {
            for (int x = h / 4; x < 3 * h / 4; ++x) {
                if (img.pixel(x, y) == key) continue;
                sum += qGray(img.pixel(x, y));
                ++n;
            }
        }
        return sum / qMax(1, n);
    };
    QVERIFY(lightness(frames[1]) > lightness(frames[0]));
    QVERIFY(lightness(frames[2]) < lightness(frames[0]));
}

void ArtTest::playKnobSitsInItsWell() {
    // The Play button's frame lands at (75, 293) of the background; its knob
    // must cover the middle of the round well and leave the well's rim free.
    const QImage strip = art(QStringLiteral("glyphs/play.png"));
    const QRgb key = strip.pixel(0, 58);
    QVERIFY(strip.pixel(106 - 75, 322 - 293) != key);
    int left = 59, right = -1;
    for (int x = 0; x < 59; ++x) {
        if (strip.pixel(x, 322 - 293) != key) {
            left = qMin(left, x);
            right = qMax(right, x);
        }
    }
    // Roughly symmetric about the well's centre column (shadow falls right).
    QVERIFY2(std::abs((106 - 75 - left) - (right - (106 - 75))) <= 3,
             qPrintable(QStringLiteral("%1..%2").arg(left).arg(right)));
}

void ArtTest::keysShowTheirMark_data() {
    QTest::addColumn<QString>("name");
    for (const char* g : {"stop", "humancomputer", "size", "help", "internet", "options"})
        QTest::newRow(g) << QString::fromLatin1(g);
}

void ArtTest::keysShowTheirMark() {
    // The caps are light; the engraved mark is what is dark in the middle of
    // the normal face.
    QFETCH(QString, name);
    const QImage strip = art(QStringLiteral("glyphs/%1.png").arg(name));
    const int h = strip.height();
    int dark = 0;
    for (int y = h / 4; y < h / 4 + h / 2; ++y) {
        for (int x = h / 4; x < h / 4 + h / 2; ++x)
            dark += qGray(strip.pixel(x, y)) < 92;
    }
    QVERIFY2(dark * 20 > (h / 2) * (h / 2), qPrintable(QString::number(dark)));
}

void ArtTest::iconsAreKeyedOnTheirBottomLeftPixel_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRgb>("key");
    QTest::newRow("gear") << "computer" << rgb(142, 190, 190);
    QTest::newRow("red person") << "person-red" << rgb(153, 153, 153);
    QTest::newRow("blue person") << "person-blue" << rgb(153, 153, 153);
    QTest::newRow("check mark") << "check" << rgb(255, 255, 255);
    for (const char* name :
         {"noconnection", "style-balls", "style-crosses", "turn-blue", "turn-red"}) {
        QTest::newRow(name) << QString::fromLatin1(name) << rgb(157, 205, 205);
    }
}

void ArtTest::iconsAreKeyedOnTheirBottomLeftPixel() {
    QFETCH(QString, name);
    QFETCH(QRgb, key);
    const QImage img = art(QStringLiteral("icons/%1.png").arg(name));
    QCOMPARE(describe(img.pixel(0, 17)), describe(key));
    for (const QPoint& corner : {QPoint(0, 0), QPoint(17, 0), QPoint(17, 17)}) {
        QCOMPARE(img.pixel(corner), key);
    }
    const int shown = 18 * 18 - count(img, key);
    QVERIFY2(shown >= 60, qPrintable(QString::number(shown)));
}

void ArtTest::embeddedFontsCarryBothFaces() {
    // Both faces come from the resources, so no installed font is needed.
    QVERIFY(zelvan::registerEmbeddedFonts());
    const QStringList styles = QFontDatabase::styles(QStringLiteral("Liberation Sans"));
    QVERIFY2(styles.contains(QStringLiteral("Regular")) && styles.contains(QStringLiteral("Bold")),
             qPrintable(styles.join(QLatin1Char(','))));
}

void ArtTest::appIconIsDrawnAtEverySize() {
    const QList<QSize> sizes = zelvan::appIcon().availableSizes();
    for (int size : {48, 64, 128, 256}) {
        const QImage img(QStringLiteral(":/art/appicon/zelvan-%1.png").arg(size));
        QCOMPARE(img.size(), QSize(size, size));
        QVERIFY(sizes.contains(QSize(size, size)));
        // A rounded tile on a clear ground: the desktop shows through the
        // corners, the middle is solid.
        QVERIFY(img.hasAlphaChannel());
        QCOMPARE(qAlpha(img.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(img.pixel(size - 1, 0)), 0);
        QCOMPARE(qAlpha(img.pixel(size / 2, size / 2)), 255);
    }
}

QTEST_MAIN(ArtTest)
#include "tst_art.moc"
