#include "app/shell/commandline.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <optional>

#include "app/shell/screenscale.h"

namespace zelvan {

namespace {

// Qt's own window-system options, which the application object takes out of
// the arguments later: accepted here so "-platform offscreen" is no mistake.
const char* const kQtValueOptions[] = {
    "platform",        "platformpluginpath", "platformtheme", "plugin",  "display", "geometry",
    "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "session", "style",   "stylesheet"};
const char* const kQtFlags[] = {"reverse", "nograb", "dograb", "sync", "widgetcount"};

CommandLine mistake(const QString& what) {
    CommandLine c;
    c.outcome = CommandLine::Outcome::Exit;
    c.exitCode = 2;
    c.toStderr = true;
    c.text = QStringLiteral("zelvan: %1 (see zelvan --help)\n").arg(what);
    return c;
}

CommandLine finish(const QString& text) {
    CommandLine c;
    c.outcome = CommandLine::Outcome::Exit;
    c.text = text;
    return c;
}

}  // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    // Single-dash words are whole options, as Qt's own "-platform" is.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Gomoku, five in a row, against the computer, a second person at this "
                       "machine or a person at another copy over TCP."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    const QCommandLineOption windowed(
        QStringLiteral("windowed"),
        QStringLiteral("Play in an ordinary framed window of 800x600 (times the scale) "
                       "instead of the full screen."));
    const QCommandLineOption port(QStringLiteral("port"),
                                  QStringLiteral("Listen and call on TCP port N, 1 to 65535 "
                                                 "(default 6304)."),
                                  QStringLiteral("N"));
    const QCommandLineOption scale(
        QStringLiteral("scale"),
        QStringLiteral("Draw the scene K times larger: K is 1, or 1.5 to 3 in steps of 0.25 "
                       "(default: the largest that fits the screen, 1 below 1200x900)."),
        QStringLiteral("K"));
    const QCommandLineOption open(
        QStringLiteral("open"),
        QStringLiteral("Open the game in FILE (.psq, or SGF of Gomoku) for review at start."),
        QStringLiteral("FILE"));
    for (const QCommandLineOption& o : {help, version, windowed, port, scale, open})
        parser.addOption(o);
    for (const char* name : kQtValueOptions) {
        QCommandLineOption o(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        o.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(o);
    }
    for (const char* name : kQtFlags) {
        QCommandLineOption o(QString::fromLatin1(name));
        o.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(o);
    }

    if (!parser.parse(arguments)) {
        // Qt's text ends in a full stop; one line, without it.
        QString error = parser.errorText();
        if (error.endsWith(QLatin1Char('.'))) error.chop(1);
        return mistake(error.left(1).toLower() + error.mid(1));
    }
    if (parser.isSet(help)) return finish(parser.helpText());
    if (parser.isSet(version)) return finish(QStringLiteral("zelvan %1\n").arg(ZELVAN_VERSION));
    if (!parser.positionalArguments().isEmpty())
        return mistake(
            QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().front()));

    CommandLine c;
    c.options.windowed = parser.isSet(windowed);
    if (parser.isSet(port)) {
        const QString text = parser.value(port);
        bool ok = !text.isEmpty() && text.size() <= 5;
        for (QChar ch : text)
            ok = ok && ch >= QLatin1Char('0') && ch <= QLatin1Char('9');
        const uint n = ok ? text.toUInt() : 0;
        if (n < 1 || n > 65535)
            return mistake(
                QStringLiteral("--port wants a number from 1 to 65535, not '%1'").arg(text));
        c.options.port = static_cast<std::uint16_t>(n);
    }
    if (parser.isSet(scale)) {
        const QString text = parser.value(scale);
        const std::optional<double> factor = parseScale(text);
        if (!factor)
            return mistake(QStringLiteral("--scale wants 1, or 1.5 to 3 in steps of 0.25, not '%1'")
                               .arg(text));
        c.options.scale = *factor;
    }
    // The file is read once the window is up: a refusal shows on the board.
    if (parser.isSet(open)) c.options.openFile = parser.value(open);
    return c;
}

}  // namespace zelvan
