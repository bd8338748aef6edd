#include "core/records/recordformat.h"

#include "core/records/psq.h"
#include "core/records/sgf.h"

namespace zelvan::records {

RecordFormat formatForName(std::string_view fileName) {
    constexpr std::string_view kSgf = ".sgf";
    if (fileName.size() < kSgf.size()) return RecordFormat::Psq;
    const std::string_view ending = fileName.substr(fileName.size() - kSgf.size());
    for (std::size_t i = 0; i < kSgf.size(); ++i) {
        const char c = ending[i] >= 'A' && ending[i] <= 'Z' ? ending[i] - 'A' + 'a' : ending[i];
        if (c != kSgf[i]) return RecordFormat::Psq;
    }
    return RecordFormat::Sgf;
}

std::string writeRecord(const GameRecord& record, RecordFormat format) {
    return format == RecordFormat::Sgf ? writeSgf(record) : writePsq(record);
}

RecordOrRefusal readRecord(std::string_view bytes) {
    std::string_view rest = bytes;
    if (rest.starts_with("\xEF\xBB\xBF")) rest.remove_prefix(3);
    const std::size_t first = rest.find_first_not_of(" \t\r\n");
    if (first != std::string_view::npos && rest[first] == '(') return readSgf(bytes);
    return readPsq(bytes);
}

}  // namespace zelvan::records
