// The chat panel alone: its history is bounded, and a click in it means to
// chat.

#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "app/network/chatpanel.h"

using namespace zelvan;

class ChatPanelTest : public QObject {
    Q_OBJECT
private slots:
    // A long chat keeps only the newest lines, in order.
    void historyKeepsTheNewestLines() {
        ChatPanel panel(nullptr, QImage(201, 149, QImage::Format_RGB32));
        const int total = ChatPanel::kMaxHistoryLines + 120;
        for (int i = 1; i <= total; ++i)
            panel.addLine(QStringLiteral("o: line %1").arg(i));
        const QStringList lines = panel.lines();
        QCOMPARE(lines.size(), ChatPanel::kMaxHistoryLines);
        QCOMPARE(lines.first(),
                 QStringLiteral("o: line %1").arg(total - ChatPanel::kMaxHistoryLines + 1));
        QCOMPARE(lines.last(), QStringLiteral("o: line %1").arg(total));
    }

    // A click in the history puts the cursor in the input line, wherever
    // the focus was; a drag that selects words keeps them selected.
    void aClickInTheHistoryGoesToTheInput() {
        QWidget window;
        auto* elsewhere = new QLineEdit(&window);  // the address field, say
        auto* panel = new ChatPanel(&window, QImage(201, 149, QImage::Format_RGB32));
        panel->move(0, 40);
        panel->addLine(QStringLiteral("o: hello there"));
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        elsewhere->setFocus();
        auto* history = panel->findChild<QPlainTextEdit*>(QStringLiteral("chatHistory"));
        auto* input = panel->findChild<QLineEdit*>(QStringLiteral("chatInput"));
        QTest::mouseClick(history->viewport(), Qt::LeftButton, {}, QPoint(30, 40));
        QVERIFY(input->hasFocus());

        elsewhere->setFocus();
        history->selectAll();
        QTest::mouseRelease(history->viewport(), Qt::LeftButton, {}, QPoint(30, 8));
        QVERIFY(elsewhere->hasFocus());
    }
};

QTEST_MAIN(ChatPanelTest)
#include "tst_chatpanel.moc"
