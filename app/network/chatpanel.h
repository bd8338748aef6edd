#pragma once
// The chat panel below the console: the history of the lines exchanged
// ("x: " sent, "o: " received), the input line and its close button. A
// click in the history puts the cursor in the input line.

#include <QWidget>

class QPlainTextEdit;
class QLineEdit;

namespace zelvan {

class ChatPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMaxLine = 255;
    // The history keeps this many lines; older ones drop off the top, so a
    // chatty peer cannot make the window grow without end.
    static constexpr int kMaxHistoryLines = 500;

    ChatPanel(QWidget* parent, const QImage& background);

    // Adds one line at the end of the history and keeps it in view; past
    // kMaxHistoryLines the oldest line goes.
    void addLine(const QString& line);
    // The lines exchanged, in order, without the notices.
    QStringList lines() const;
    // A dim line of the game's own (the peer joined, left, ...) between the
    // exchanged ones; it is no chat line and never goes to the log.
    void addNotice(const QString& text);
    QStringList notices() const;

    QString input() const;
    void clearInput();

signals:
    void enterReleased();  // Enter let go in the input line
    void closeClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void append(const QString& text, bool notice);

    QPlainTextEdit* history_ = nullptr;
    QLineEdit* input_ = nullptr;
};

}  // namespace zelvan
