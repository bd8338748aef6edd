#pragma once
// The two file formats of a record, chosen by the file: by its name when
// writing, by its first character when reading.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/records/record.h"

namespace zelvan::records {

enum class RecordFormat : std::uint8_t { Psq, Sgf };

// ".sgf" in any case is SGF; any other name is PSQ, the game's own.
RecordFormat formatForName(std::string_view fileName);
std::string writeRecord(const GameRecord& record, RecordFormat format);
// An SGF file begins with '(' (after any blank space); anything else is
// read as PSQ.
RecordOrRefusal readRecord(std::string_view bytes);

}  // namespace zelvan::records
