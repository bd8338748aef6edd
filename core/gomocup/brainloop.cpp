#include "core/gomocup/brainloop.h"

#include <istream>
#include <ostream>
#include <string>

namespace zelvan::gomocup {

namespace {

// The next line without its end, at most kLongestLine characters of it;
// false at the end of the input with nothing read.
bool nextLine(std::istream& in, std::string& line) {
    line.clear();
    bool any = false;
    for (int c = in.get(); c != std::char_traits<char>::eof(); c = in.get()) {
        any = true;
        if (c == '\n') return true;
        if (line.size() < kLongestLine) line += static_cast<char>(c);
    }
    return any;
}

}  // namespace

void runBrain(BrainSession& session, std::istream& in, std::ostream& out) {
    std::string line;
    while (!session.ended() && nextLine(in, line)) {
        for (const std::string& answer : session.handle(line))
            out << answer << '\n';
        out.flush();
    }
}

}  // namespace zelvan::gomocup
