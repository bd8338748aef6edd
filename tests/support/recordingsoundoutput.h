#pragma once
// A SoundOutput that plays nothing and records every request as a short
// text: "stop", "play BluePiece", ...

#include <string>
#include <vector>

#include "app/ui/soundoutput.h"
#include "support/fakeseams.h"

namespace zelvan::test {

class RecordingSoundOutput : public SoundOutput {
public:
    // Shared with the test, which keeps a pointer after handing the output
    // to a SoundPlayer.
    std::vector<std::string>& calls;

    explicit RecordingSoundOutput(std::vector<std::string>& log) : calls(log) {}

    void play(Sound sound) override { calls.push_back(std::string("play ") + soundName(sound)); }
    void stop() override { calls.push_back("stop"); }
};

}  // namespace zelvan::test
