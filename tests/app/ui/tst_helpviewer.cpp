// The help viewer: the embedded page, its colours and settings, that it fits
// the panel without scrolling, and that the page keeps to the small HTML
// subset the viewer is meant for.

#include <QtCore/QFile>
#include <QtCore/QRegularExpression>
#include <QtGui/QTextBlock>
#include <QtGui/QTextCursor>
#include <QtGui/QTextDocument>
#include <QtGui/QTextFrame>
#include <QtGui/QTextLayout>
#include <QtTest/QtTest>

#include "app/ui/helpviewer.h"
#include "assets/embeddedfonts.h"

using zelvan::HelpViewer;

namespace {

// The character format at the first character of `text` (plus `offset`).
QTextCharFormat formatAt(const QTextDocument& doc, const QString& text, int offset = 0) {
    const int at = doc.toPlainText().indexOf(text);
    if (at < 0) return {};
    QTextCursor cursor(const_cast<QTextDocument*>(&doc));
    cursor.setPosition(at + offset + 1);  // the format of the character before the cursor
    return cursor.charFormat();
}

const QColor kPageText(0x8D, 0xC5, 0xC5);

}  // namespace

class HelpViewerTest : public QObject {
    Q_OBJECT

private slots:
    // Only the font files: the viewer maps the page's font names itself.
    void initTestCase() { QVERIFY(zelvan::registerEmbeddedFonts()); }

    void loadsThePageWithItsTitleAndSections() {
        HelpViewer viewer;
        QVERIFY(viewer.pageLoaded());
        QCOMPARE(viewer.documentTitle(), QStringLiteral("ZELVAN Version 1.0"));

        const QTextDocument& doc = *viewer.document();
        const QString text = doc.toPlainText();
        const QStringList headings{QStringLiteral("1. About the game"),
                                   QStringLiteral("2. How to play"),
                                   QStringLiteral("3. Internet or network games")};
        // The page heading first, bold and underlined, then the three
        // sections in order, each heading bold.
        const int top = text.indexOf(QStringLiteral("ZELVAN"));
        QCOMPARE(top, 0);
        QVERIFY(text.indexOf(QStringLiteral("Version 1.0")) < text.indexOf(headings[0]));
        QVERIFY(text.indexOf(QStringLiteral("Help")) < text.indexOf(headings[0]));
        QVERIFY(formatAt(doc, QStringLiteral("ZELVAN")).fontWeight() >= QFont::Bold);
        QVERIFY(formatAt(doc, QStringLiteral("ZELVAN")).fontUnderline());
        int previous = 0;
        for (const QString& heading : headings) {
            const int at = text.indexOf(heading);
            QVERIFY2(at > previous, qPrintable(heading));
            previous = at;
            QVERIFY(formatAt(doc, heading).fontWeight() >= QFont::Bold);
            QVERIFY(!formatAt(doc, heading).fontUnderline());
        }
        // The scores paragraph comes before the network section.
        QVERIFY(text.indexOf(QStringLiteral("Scores.")) > text.indexOf(headings[1]));
        QVERIFY(text.indexOf(QStringLiteral("Scores.")) < text.indexOf(headings[2]));
        // Body text is in the plain weight.
        QVERIFY(formatAt(doc, QStringLiteral("GoMoku")).fontWeight() < QFont::Bold);
    }

    void appliesTheColours() {
        HelpViewer viewer;
        const QPalette pal = viewer.palette();
        QCOMPARE(pal.color(QPalette::Base), QColor(0, 26, 36));
        QCOMPARE(pal.color(QPalette::Text), QColor(140, 232, 232));
        QCOMPARE(pal.color(QPalette::Link), QColor(194, 243, 243));
        QCOMPARE(pal.color(QPalette::LinkVisited), QColor(140, 232, 232));

        const QTextDocument& doc = *viewer.document();
        // The page's own background and text colour.
        QCOMPARE(doc.rootFrame()->frameFormat().background().color(), QColor(0, 26, 36));
        for (const char* word : {"ZELVAN", "About", "GoMoku", "blue", "6304"})
            QCOMPARE(formatAt(doc, QLatin1String(word)).foreground().color(), kPageText);

        // The full stop of the sentence that says when the game is over is red,
        // and only that character.
        const QString sentence = QStringLiteral("five or more pieces in a line.");
        const int dot = int(sentence.size()) - 1;
        QCOMPARE(formatAt(doc, sentence, dot).foreground().color(), QColor(255, 0, 0));
        QCOMPARE(formatAt(doc, sentence, dot - 1).foreground().color(), kPageText);
        QCOMPARE(formatAt(doc, sentence, dot + 2).foreground().color(), kPageText);
    }

    void settingsOfTheViewer() {
        QWidget board;
        board.resize(800, 600);
        HelpViewer viewer(&board);
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        QVERIFY(!viewer.isVisible());  // hidden until the Help button

        QCOMPARE(viewer.size(), QSize(571, 570));
        QCOMPARE(viewer.frameShape(), QFrame::NoFrame);
        QCOMPARE(viewer.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(viewer.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        // No history at all: not even the page itself is an entry.
        QVERIFY(!viewer.isBackwardAvailable() && !viewer.isForwardAvailable());
        QVERIFY(viewer.historyUrl(0).isEmpty());
        QVERIFY(viewer.textInteractionFlags() & Qt::TextSelectableByMouse);
        QVERIFY(viewer.isReadOnly());
        QCOMPARE(viewer.document()->defaultFont().family(), QStringLiteral("Arial"));

        viewer.show();
        QVERIFY(viewer.isVisible());
        QVERIFY(viewer.historyUrl(0).isEmpty());
    }

    void pageFitsThePanelAndReadsComfortably() {
        HelpViewer viewer;
        QTextDocument& doc = *viewer.document();
        doc.setTextWidth(HelpViewer::kWidth);
        // No scroll bars: everything must fit in the panel.
        QVERIFY2(doc.size().height() <= HelpViewer::kHeight,
                 qPrintable(QString::number(doc.size().height())));
        // HTML size 1 is drawn small by default; here a body line is at least
        // 14 pixels tall.
        const QTextBlock body =
            doc.findBlock(int(doc.toPlainText().indexOf(QStringLiteral("GoMoku"))));
        QVERIFY(body.isValid() && body.layout()->lineCount() > 1);
        QVERIFY2(body.layout()->lineAt(0).height() >= 14.0,
                 qPrintable(QString::number(body.layout()->lineAt(0).height())));
    }

    void pageKeepsToItsHtmlSubset() {
        QFile file(QStringLiteral(":/help/help.html"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        for (char c : bytes)
            QVERIFY2(static_cast<unsigned char>(c) < 0x80, "not ASCII");
        const QString html = QString::fromLatin1(bytes);

        const QStringList allowedTags{"html", "head", "meta", "title", "body",
                                      "p",    "b",    "u",    "font"};
        static const QRegularExpression tag(QStringLiteral("</?([a-zA-Z0-9]+)"));
        for (auto it = tag.globalMatch(html); it.hasNext();) {
            const QString name = it.next().captured(1).toLower();
            QVERIFY2(allowedTags.contains(name), qPrintable(name));
        }
        static const QRegularExpression entity(QStringLiteral("&([a-zA-Z#0-9]+);?"));
        for (auto it = entity.globalMatch(html); it.hasNext();) {
            const QString name = it.next().captured(1);
            QVERIFY2(QStringList({"nbsp", "quot", "amp"}).contains(name), qPrintable(name));
        }
        QVERIFY(html.contains(QStringLiteral("charset=windows-1252")));
        QVERIFY(html.contains(QStringLiteral("Content-Language")));
        QVERIFY(html.contains(QStringLiteral("bgcolor=\"#001A24\"")));
    }
};

QTEST_MAIN(HelpViewerTest)
#include "tst_helpviewer.moc"
