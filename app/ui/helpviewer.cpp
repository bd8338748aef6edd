#include "app/ui/helpviewer.h"

#include <QtCore/QFile>
#include <QtGui/QFont>
#include <QtGui/QPalette>
#include <QtGui/QTextDocument>

namespace zelvan {

const QColor HelpViewer::kBackground(0, 26, 36);
const QColor HelpViewer::kText(140, 232, 232);
const QColor HelpViewer::kLink(194, 243, 243);
const QColor HelpViewer::kVisitedLink(140, 232, 232);

namespace {

const char* const kPage = ":/help/help.html";

// The page keeps to plain paragraphs; a little air between them and around
// the edges reads better than the browser's defaults.
const char* const kStyle = "p { margin-top: 0px; margin-bottom: 8px; line-height: 110%; }";
constexpr int kMargin = 16;

}  // namespace

HelpViewer::HelpViewer(QWidget* parent) : QTextBrowser(parent) {
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The page has no links; should one ever appear it goes nowhere, so the
    // history stays empty.
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setContextMenuPolicy(Qt::NoContextMenu);

    QPalette pal = palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        pal.setColor(group, QPalette::Base, kBackground);
        pal.setColor(group, QPalette::Window, kBackground);
        pal.setColor(group, QPalette::Text, kText);
        pal.setColor(group, QPalette::Link, kLink);
        pal.setColor(group, QPalette::LinkVisited, kVisitedLink);
        // Selected text stays in the page's colours, on a lighter teal.
        pal.setColor(group, QPalette::Highlight, QColor(38, 96, 108));
        pal.setColor(group, QPalette::HighlightedText, QColor(224, 250, 250));
    }
    setPalette(pal);

    // "Arial" is served by Liberation Sans, which has the same metrics. The
    // page itself names "MS Sans Serif", which the program draws in Liberation
    // Sans too; the page is laid out for it and has no scroll bars, so make
    // sure the mapping exists even where nothing else has set it up.
    if (QFont::substitutes(QStringLiteral("MS Sans Serif")).isEmpty())
        QFont::insertSubstitution(QStringLiteral("MS Sans Serif"),
                                  QStringLiteral("Liberation Sans"));
    QFont base;
    base.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    base.setPixelSize(kBasePixelSize);
    base.setStyleStrategy(QFont::PreferAntialias);
    setFont(base);
    document()->setDefaultFont(base);
    document()->setDocumentMargin(kMargin);
    document()->setDefaultStyleSheet(QString::fromLatin1(kStyle));

    // The page is plain ASCII (anything else is written as an entity), so
    // its declared windows-1252 reads the same as Latin-1.
    QFile file(QString::fromLatin1(kPage));
    if (file.open(QIODevice::ReadOnly)) {
        setHtml(QString::fromLatin1(file.readAll()));
        loaded_ = true;
    }
    clearHistory();

    resize(kWidth, kHeight);
    hide();
}

}  // namespace zelvan
