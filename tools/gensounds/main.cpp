// zelvan-gensounds: synthesises the game's ten sound effects as PCM WAVE
// files.
//
//   zelvan-gensounds DIR          writes DIR/<name>.wav for every effect
//   zelvan-gensounds --check DIR  exits 1 unless DIR holds exactly what
//                                 would be written (the committed copies
//                                 are up to date)

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "effects.h"
#include "wavewriter.h"

namespace {

std::vector<std::uint8_t> readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

int usage() {
    std::fprintf(stderr, "usage: zelvan-gensounds [--check] DIR\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    bool check = false;
    std::string dir;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--check") == 0)
            check = true;
        else if (dir.empty())
            dir = argv[i];
        else
            return usage();
    }
    if (dir.empty()) return usage();

    int failures = 0;
    for (const auto& effect : gensounds::effectFormats()) {
        const auto bytes =
            gensounds::encodeWave(gensounds::renderEffect(effect), effect.fileBytes, effect.title);
        const std::string path = dir + "/" + effect.name + ".wav";
        if (check) {
            if (readFile(path) != bytes) {
                std::fprintf(stderr, "%s differs from what the generator makes\n", path.c_str());
                ++failures;
            }
        } else if (!writeFile(path, bytes)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            ++failures;
        } else {
            std::printf("%s  %zu bytes\n", path.c_str(), bytes.size());
        }
    }
    return failures ? 1 : 0;
}
