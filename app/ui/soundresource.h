#pragma once
// Where each sound effect's WAVE image is embedded in the program.

#include <QtCore/QByteArray>
#include <QtCore/QString>

#include "core/engine/sound.h"

namespace zelvan {

inline constexpr int kSoundCount = 10;

// ":/sounds/<name>.wav", where the effect's WAVE image is embedded.
QString soundResource(Sound sound);

// The effect's embedded WAVE image; empty if it cannot be read.
QByteArray loadSoundResource(Sound sound);

}  // namespace zelvan
