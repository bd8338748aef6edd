#pragma once
// One brain program as a child process: its command line run by /bin/sh in
// a process group of its own, lines written to its standard input and read
// from its standard output with a deadline. The group is killed when the
// object goes, and on SIGINT or SIGTERM to the runner, so no brain outlives
// the match and none is left a zombie.

#include <chrono>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace zelvan::match {

using Clock = std::chrono::steady_clock;

class EngineProcess {
public:
    explicit EngineProcess(std::string commandLine);
    ~EngineProcess();
    EngineProcess(const EngineProcess&) = delete;
    EngineProcess& operator=(const EngineProcess&) = delete;

    // Starts the program; false (with the reason in `error`) when it could
    // not be started at all.
    bool start(std::string& error);

    // Writes one line; false when the program has closed its input.
    bool send(std::string_view line);

    enum class Read { Line, Timeout, Closed };
    // The next line of its output, without the line end.
    Read readLine(std::string& line, Clock::time_point deadline);

    // Sends END, gives the program a moment to leave, then kills its group
    // and reaps it.
    void stop();

    // Once: the runner ignores SIGPIPE and kills every running brain's
    // group on SIGINT or SIGTERM before it exits.
    static void installSignalHandlers();

private:
    std::string commandLine_;
    pid_t pid_ = -1;
    int toChild_ = -1;
    int fromChild_ = -1;
    std::string pending_;  // read but not yet returned
    bool closed_ = false;
};

}  // namespace zelvan::match
