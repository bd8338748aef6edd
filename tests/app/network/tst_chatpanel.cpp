// The chat panel alone: its history is bounded.

#include <QImage>
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
};

QTEST_MAIN(ChatPanelTest)
#include "tst_chatpanel.moc"
