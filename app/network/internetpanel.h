#pragma once
// The Internet panel, opened over the board: the address to call, CALL and
// END, the last caller's address, the Listen and chat-box toggles and the
// status line. It only shows and reports; the network play controller
// decides what a press does.

#include <QWidget>

class QLabel;

namespace zelvan {

class AlignedEdit;
class SmoothLabel;

class InternetPanel : public QWidget {
    Q_OBJECT
public:
    InternetPanel(QWidget* parent, const QImage& background, const QImage& toggleGlyph);

    QString address() const;
    void setAddress(const QString& text);
    void setCallerAddress(const QString& text);
    void setStatus(const QString& text);
    void setListenCaption(const QString& text);
    void setChatCaption(const QString& text);

signals:
    void callClicked();
    void endClicked();
    void listenClicked();
    void chatToggleClicked();
    // A key released in the address field, or a paste into it with the mouse.
    void addressEdited();

private:
    AlignedEdit* addressEdit_ = nullptr;
    AlignedEdit* callerAddress_ = nullptr;
    SmoothLabel* listenCaption_ = nullptr;
    SmoothLabel* status_ = nullptr;
    SmoothLabel* chatCaption_ = nullptr;
};

}  // namespace zelvan
