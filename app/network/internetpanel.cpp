#include "app/network/internetpanel.h"

#include <QKeyEvent>
#include <QLabel>

#include "app/ui/controlkit.h"
#include "app/ui/layout.h"
#include "app/widgets/alignededit.h"
#include "app/widgets/glyphbutton.h"
#include "app/widgets/smoothlabel.h"

namespace zelvan {

namespace {

AlignedEdit* addressField(QWidget* parent, const char* name, QPoint at, bool readOnly) {
    auto* e = new AlignedEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->setGeometry(QRect(at, layout::kAddressFieldSize));
    e->setAlignment(Qt::AlignHCenter);
    e->setFrame(false);
    e->setFont(controls::arial(13, true));
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

GlyphButton* captionButton(QWidget* parent, const char* name, const QString& caption, QPoint at) {
    auto* b = new GlyphButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(QRect(at, layout::kPanelButtonSize));
    b->setCaption(caption);
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPixelSize(13);
    f.setBold(true);
    b->setFont(f);
    b->setFontColor(controls::kPanelTextColour);
    b->setColor(QColor(53, 97, 102));
    b->setLightColor(QColor(81, 146, 153));
    b->setShadowColor(QColor(28, 49, 51));
    b->setAlignment(Qt::AlignHCenter);
    return b;
}

// Swallows Enter in the address field (no beep, nothing submitted) and
// reports every key release.
class AddressKeys : public QObject {
public:
    AddressKeys(InternetPanel* panel) : QObject(panel), panel_(panel) {}

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(e)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) return true;
        }
        if (e->type() == QEvent::KeyRelease) emit panel_->addressEdited();
        return false;
    }

private:
    InternetPanel* panel_;
};

}  // namespace

InternetPanel::InternetPanel(QWidget* parent, const QImage& background, const QImage& toggleGlyph)
    : QWidget(parent) {
    using namespace controls;
    using namespace layout;
    setObjectName(QStringLiteral("internetPanel"));
    resize(kInternetPanel.size());
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("internetBackground"));
    picture->setPixmap(QPixmap::fromImage(background));
    picture->setGeometry(rect());

    panelCaption(this, "internetTitle", QStringLiteral("INTERNET"), kPanelTitle);
    panelCaption(this, "callLabel", QStringLiteral("IP:"), kCallLabel);
    addressEdit_ = addressField(this, "addressEdit", kAddressEdit, false);
    auto* call = captionButton(this, "callButton", QStringLiteral("CALL"), kCallButton);
    panelCaption(this, "callerLabel", QStringLiteral("IP:"), kCallerLabel);
    callerAddress_ = addressField(this, "callerAddress", kCallerAddress, true);
    auto* listen = panelToggle(this, "listenToggle", toggleGlyph, kListenToggle);
    listenCaption_ =
        panelCaption(this, "listenCaption", QStringLiteral("Stop listen"), kListenCaption);
    auto* end = captionButton(this, "endButton", QStringLiteral("END"), kEndButton);
    panelCaption(this, "statusLabel", QStringLiteral("Status:"), kStatusLabel);
    status_ = panelCaption(this, "status", QStringLiteral("Not connected"), kStatus);
    auto* chat = panelToggle(this, "chatToggle", toggleGlyph, kChatToggle);
    chatCaption_ = panelCaption(this, "chatCaption", QStringLiteral("Show chat box"), kChatCaption);
    // The two rows answer on their words too, as the options' rows do.
    pressThrough(listenCaption_, listen);
    pressThrough(chatCaption_, chat);

    connect(call, &GlyphButton::clicked, this, &InternetPanel::callClicked);
    connect(end, &GlyphButton::clicked, this, &InternetPanel::endClicked);
    connect(listen, &GlyphButton::clicked, this, &InternetPanel::listenClicked);
    connect(chat, &GlyphButton::clicked, this, &InternetPanel::chatToggleClicked);
    addressEdit_->installEventFilter(new AddressKeys(this));
    connect(addressEdit_, &QLineEdit::textEdited, this, &InternetPanel::addressEdited);
}

QString InternetPanel::address() const {
    return addressEdit_->text();
}
void InternetPanel::setAddress(const QString& text) {
    addressEdit_->setText(text);
}
void InternetPanel::setCallerAddress(const QString& text) {
    callerAddress_->setText(text);
}
void InternetPanel::setStatus(const QString& text) {
    status_->setText(text);
}
void InternetPanel::setListenCaption(const QString& text) {
    listenCaption_->setText(text);
}
void InternetPanel::setChatCaption(const QString& text) {
    chatCaption_->setText(text);
}

}  // namespace zelvan
