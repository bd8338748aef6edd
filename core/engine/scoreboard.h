#pragma once
// The arithmetic behind the scoreboard and the two clocks: the shown score
// counting toward the real one, and the clock texts.

#include <cstdint>
#include <string>

namespace zelvan {

// One step of a shown score toward the real one: by 111, 11 or 1, never past
// it, so the last points always go one per step. Equal values stay.
std::int32_t scoreTick(std::int32_t shown, std::int32_t real);

// "0" before a text of exactly one character; any other text unchanged.
std::string twoDigits(const std::string& text);

// "HH:MM" for a time of day given in milliseconds since local midnight. The
// seconds are rounded (halves to even) before hours and minutes are cut, so
// 09:05:59.5 already shows "09:06", and the last half second of the day
// shows "00:00".
std::string timeOfDayText(std::int64_t msSinceMidnight);

// "MM:SS" of a game that has run for elapsedMs, rounded like the time of
// day, whole hours dropped. A negative time shows "00:00".
std::string gameClockText(std::int64_t elapsedMs);

// Milliseconds from `nowMs` until just after a clock that shows whole units
// of unitMs (60000 for the time of day, 1000 for the game clock) of a time
// rounded to the second may next change its text: the clocks sleep until
// then instead of looking every tick. Always at least 1.
std::int64_t msUntilClockChange(std::int64_t nowMs, std::int64_t unitMs);

}  // namespace zelvan
