#include "bench/match/engineprocess.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace zelvan::match {

namespace {

// The running children's process groups, for the signal handler: plain
// integers it may read and kill() without locks.
constexpr int kMostChildren = 8;
volatile std::sig_atomic_t runningGroups[kMostChildren] = {};

void remember(pid_t pid) {
    for (auto& slot : runningGroups)
        if (slot == 0) {
            slot = pid;
            return;
        }
}

void forget(pid_t pid) {
    for (auto& slot : runningGroups)
        if (slot == pid) slot = 0;
}

extern "C" void killChildrenAndLeave(int signal) {
    for (auto& slot : runningGroups)
        if (slot > 0) kill(-slot, SIGKILL);
    _exit(128 + signal);
}

void closeFd(int& fd) {
    if (fd >= 0) close(fd);
    fd = -1;
}

}  // namespace

void EngineProcess::installSignalHandlers() {
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGINT, killChildrenAndLeave);
    std::signal(SIGTERM, killChildrenAndLeave);
}

EngineProcess::EngineProcess(std::string commandLine) : commandLine_(std::move(commandLine)) {}

EngineProcess::~EngineProcess() {
    stop();
}

bool EngineProcess::start(std::string& error) {
    int input[2];
    int output[2];
    if (pipe2(input, O_CLOEXEC) != 0) {
        error = std::strerror(errno);
        return false;
    }
    if (pipe2(output, O_CLOEXEC) != 0) {
        error = std::strerror(errno);
        close(input[0]);
        close(input[1]);
        return false;
    }
    // Built before fork: the child only calls what is safe after it.
    const std::string shellLine = "exec " + commandLine_;
    const pid_t pid = fork();
    if (pid < 0) {
        error = std::strerror(errno);
        for (int fd : {input[0], input[1], output[0], output[1]})
            close(fd);
        return false;
    }
    if (pid == 0) {
        setpgid(0, 0);
        dup2(input[0], STDIN_FILENO);
        dup2(output[1], STDOUT_FILENO);
        execl("/bin/sh", "sh", "-c", shellLine.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    // Set on both sides, so the group exists before either goes on.
    setpgid(pid, pid);
    pid_ = pid;
    remember(pid);
    close(input[0]);
    close(output[1]);
    toChild_ = input[1];
    fromChild_ = output[0];
    return true;
}

bool EngineProcess::send(std::string_view line) {
    if (toChild_ < 0) return false;
    std::string text(line);
    text += "\r\n";  // as managers end their lines
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = write(toChild_, text.data() + written, text.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        written += static_cast<std::size_t>(n);
    }
    return true;
}

EngineProcess::Read EngineProcess::readLine(std::string& line, Clock::time_point deadline) {
    for (;;) {
        const std::size_t end = pending_.find_first_of("\r\n");
        if (end != std::string::npos) {
            line = pending_.substr(0, end);
            const bool crlf =
                pending_[end] == '\r' && end + 1 < pending_.size() && pending_[end + 1] == '\n';
            pending_.erase(0, end + (crlf ? 2 : 1));
            return Read::Line;
        }
        if (closed_ || fromChild_ < 0) return Read::Closed;
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) return Read::Timeout;
        pollfd p{fromChild_, POLLIN, 0};
        const int ready = poll(&p, 1, static_cast<int>(std::min<long long>(left.count(), 1000)));
        if (ready < 0 && errno != EINTR) return Read::Closed;
        if (ready <= 0) continue;
        char buffer[4096];
        const ssize_t n = read(fromChild_, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            closed_ = true;
            // A last line without its end still counts.
            if (!pending_.empty()) pending_ += '\n';
            continue;
        }
        pending_.append(buffer, static_cast<std::size_t>(n));
    }
}

void EngineProcess::stop() {
    if (pid_ <= 0) return;
    send("END");
    closeFd(toChild_);
    // A brain that ends at END is reaped here; any other is killed.
    int status = 0;
    pid_t reaped = 0;
    for (int k = 0; k < 20 && reaped == 0; ++k) {
        reaped = waitpid(pid_, &status, WNOHANG);
        if (reaped == 0) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(-pid_, SIGKILL);  // whatever it started goes too
    if (reaped == 0) waitpid(pid_, &status, 0);
    forget(pid_);
    pid_ = -1;
    closeFd(fromChild_);
}

}  // namespace zelvan::match
