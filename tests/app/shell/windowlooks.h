#pragma once
// What window tests compare against: the icons as the window shows them,
// the settings file's numbers, and the shapes of the sound log and history.

#include <QByteArray>
#include <QImage>
#include <QLabel>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "app/ui/artwork.h"

namespace zelvan::test {

using Strings = std::vector<std::string>;
using History = std::array<std::uint8_t, 10>;

inline QImage icon(const char* name) {
    return Artwork::keyed(Artwork::load(QString::fromLatin1(name))).toImage();
}

inline bool shows(const QLabel* label, const QImage& picture) {
    return label->pixmap().toImage() == picture;
}

// A little-endian 32-bit number of the settings file.
inline std::int32_t le32(const QByteArray& bytes, int at) {
    return std::int32_t(std::uint32_t(std::uint8_t(bytes[at])) |
                        std::uint32_t(std::uint8_t(bytes[at + 1])) << 8 |
                        std::uint32_t(std::uint8_t(bytes[at + 2])) << 16 |
                        std::uint32_t(std::uint8_t(bytes[at + 3])) << 24);
}

}  // namespace zelvan::test
