#pragma once
// The chat panel (Panel3): the history of the lines exchanged ("x: " sent,
// "o: " received), the input line and its close button.

#include <QWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class LbSpeedButton;

namespace zelvan {

class ChatPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMaxLine = 255;

    ChatPanel(QWidget* parent, const QImage& background);

    // Adds one line at the end of the history and keeps it in view.
    void addLine(const QString& line);
    QStringList lines() const;

    QLabel* Image32 = nullptr;
    LbSpeedButton* LbSpeedButton19 = nullptr;  // "X"
    QPlainTextEdit* Memo4 = nullptr;           // history
    QLineEdit* Edit3 = nullptr;                // input

signals:
    void enterReleased();  // Edit3KeyUp with Enter

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace zelvan
