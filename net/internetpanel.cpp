#include "net/internetpanel.h"

#include <QLabel>

#include "widgets/alignedit.h"
#include "widgets/antialiaslabel.h"
#include "widgets/lbspeedbutton.h"

namespace zelvan {

namespace {

QFont arialBold(int pixels) {
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixels);
    f.setBold(true);
    return f;
}

AlignEdit* addressField(QWidget* parent, int x, int y, bool readOnly) {
    auto* e = new AlignEdit(parent);
    e->setGeometry(x, y, 121, 16);
    e->setAlignment(Qt::AlignHCenter);
    e->setFrame(false);
    e->setFont(arialBold(13));
    e->setTextMargins(0, 0, 0, 0);
    QPalette p = e->palette();
    p.setColor(QPalette::Base, QColor(54, 148, 148));
    p.setColor(QPalette::Text, QColor(34, 47, 49));
    e->setPalette(p);
    e->setFocusPolicy(readOnly ? Qt::NoFocus : Qt::ClickFocus);  // no tab stop
    e->setReadOnly(readOnly);
    e->setText(QStringLiteral("0.0.0.0"));
    return e;
}

LbSpeedButton* captionButton(QWidget* parent, const QString& caption, int x, int y) {
    auto* b = new LbSpeedButton(parent);
    b->setGeometry(x, y, 61, 29);
    b->setCaption(caption);
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPixelSize(13);
    f.setBold(true);
    b->setFont(f);
    b->setFontColor(QColor(141, 197, 197));
    b->setColor(QColor(53, 97, 102));
    b->setLightColor(QColor(81, 146, 153));
    b->setShadowColor(QColor(28, 49, 51));
    b->setAlignment(Qt::AlignHCenter);
    return b;
}

}  // namespace

AntiAliasLabel* panelCaption(QWidget* parent, const QString& text, int x, int y) {
    auto* l = new AntiAliasLabel(parent);
    l->setTransparent(true);
    l->setFont(arialBold(15));
    l->setFontColor(QColor(141, 197, 197));
    l->setText(text);
    l->move(x, y);
    return l;
}

LbSpeedButton* panelToggle(QWidget* parent, const QImage& glyph, int x, int y) {
    auto* b = new LbSpeedButton(parent);
    b->setGlyph(glyph);
    b->setFlat(true);
    b->setTransparent(true);
    b->setAlignment(Qt::AlignHCenter);
    b->setGeometry(x, y, 22, 22);
    return b;
}

InternetPanel::InternetPanel(QWidget* parent, const QImage& background, const QImage& toggleGlyph)
    : QWidget(parent) {
    resize(189, 352);
    Image34 = new QLabel(this);
    Image34->setPixmap(QPixmap::fromImage(background));
    Image34->setGeometry(0, 0, 189, 352);

    panelCaption(this, QStringLiteral("INTERNET"), 60, 14);
    panelCaption(this, QStringLiteral("IP:"), 16, 47);
    AlignEdit1 = addressField(this, 44, 48, false);
    LbSpeedButton17 = captionButton(this, QStringLiteral("CALL"), 68, 80);
    panelCaption(this, QStringLiteral("IP:"), 16, 134);
    AlignEdit2 = addressField(this, 44, 134, true);
    LbSpeedButton21 = panelToggle(this, toggleGlyph, 60, 161);
    AntiAliasLabel26 = panelCaption(this, QStringLiteral("Stop listen"), 84, 162);
    LbSpeedButton18 = captionButton(this, QStringLiteral("END"), 68, 196);
    panelCaption(this, QStringLiteral("Status:"), 12, 266);
    AntiAliasLabel23 = panelCaption(this, QStringLiteral("Not connected"), 72, 266);
    LbSpeedButton24 = panelToggle(this, toggleGlyph, 28, 308);
    AntiAliasLabel30 = panelCaption(this, QStringLiteral("Show chat box"), 56, 310);
}

}  // namespace zelvan
