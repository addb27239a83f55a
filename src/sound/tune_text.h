#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "sound/song.h"

namespace tallowen {

// The project's tunes are kept as text, one voice after another:
//
//   title Harbour Lights
//   tempo 96                  quarter notes per minute
//   meter 3/4
//   voice melody program=73 channel=0 volume=100 pan=50 reverb=60
//   part A
//   mf e5:q d5:e c5 d5:q | ...
//   form A A B A
//
// Each voice writes its parts; `form` strings the parts together, and a voice without a part
// rests through it; "part A2 = A" repeats a voice's earlier part under another name. A note is a
// pitch (c4 is middle C; # sharp, b flat) or several joined by + (a chord), or r for a rest, with
// an optional duration after a colon: w h q e s, then . for a dotted and 3 for a triplet value;
// without one the last duration of the part goes on. A ~ after a note ties it into the next note
// of the same pitch. pp p mp mf f ff set the loudness for the rest of the part (each part starts
// at mf); the first beat of a bar is played a little stronger. | ends a bar, which must be full.
// A word that starts with # begins a comment.
struct TuneReading {
    std::optional<Song> song;
    std::string error;  // "line N: what is wrong", when there is no song
};

TuneReading readTune(std::string_view text);

}  // namespace tallowen
