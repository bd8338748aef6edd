#pragma once
// The command line: what a player may choose at start that the settings
// file does not hold. Parsed before any window system is touched, so --help
// and --version work without a display.

#include <QString>
#include <QStringList>
#include <cstdint>

namespace zelvan {

struct LaunchOptions {
    bool windowed = false;      // a framed 800x600 window instead of the full screen
    std::uint16_t port = 6304;  // listening and calling
    double scale = 0;           // 1, or 1.5 to 3 in steps of 0.25; 0 picks it from the screen
    QString openFile;           // a game record to review once the window is up
};

struct CommandLine {
    enum class Outcome { Run, Exit };
    Outcome outcome = Outcome::Run;
    int exitCode = 0;       // when Exit: 0 after --help or --version, 2 after a mistake
    QString text;           // what to print before exiting, newline included
    bool toStderr = false;  // mistakes go to standard error
    LaunchOptions options;
};

// Reads the arguments (the program's name first). Needs a QCoreApplication
// for the name the help text shows.
CommandLine parseCommandLine(const QStringList& arguments);

}  // namespace zelvan
