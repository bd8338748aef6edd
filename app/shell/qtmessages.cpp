#include "app/shell/qtmessages.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

namespace zelvan {

namespace {

// Qt's handler is a plain function, so what it needs to know lives here:
// whether the window system is being opened, and the platform's first
// complaint meanwhile (it says why before the fatal message says that it
// gave up).
struct Routing {
    bool opening = false;
    QString reason;
};

Routing& routing() {
    static Routing r;
    return r;
}

QString firstLine(const QString& text) {
    const qsizetype end = text.indexOf(QLatin1Char('\n'));
    return (end < 0 ? text : text.left(end)).trimmed();
}

void say(const QString& line) {
    std::fputs(qPrintable(QStringLiteral("zelvan: ") + line + QLatin1Char('\n')), stderr);
    std::fflush(stderr);
}

bool fromPlatform(const QMessageLogContext& context) {
    return context.category && QByteArray(context.category).startsWith("qt.qpa");
}

void route(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    Routing& r = routing();
    if (r.opening && type != QtFatalMsg && fromPlatform(context) && r.reason.isEmpty())
        r.reason = firstLine(text);
    if (r.opening && type == QtFatalMsg) {
        say(QStringLiteral("cannot open a display: ") +
            (r.reason.isEmpty() ? firstLine(text) : r.reason));
        // Nothing of the program exists yet that would need an orderly end.
        std::_Exit(1);
    }
    if (type == QtCriticalMsg || type == QtFatalMsg) say(text);
}

}  // namespace

void installMessageRouting() {
    qInstallMessageHandler(route);
}

void openingDisplay(const std::function<void()>& open) {
    Routing& r = routing();
    r.opening = true;
    r.reason.clear();
    open();
    r.opening = false;
}

}  // namespace zelvan
