#pragma once

#include <memory>
#include <string>

#include "cli/arguments.h"
#include "engine/game_recorder.h"

namespace tallowen::cli {

struct SelfplayRecording {
    std::unique_ptr<GameRecorder> recorder;
    std::string fieldName;  // as the field library names the game's field; empty when it has none
};

// Where selfplay keeps its finished games with --record: the settings store of --store PATH or
// TALLOWEN_STORE, as the game keeps them. Nothing without --record.
SelfplayRecording selfplayRecording(const Arguments& args, const std::string& gameString);

}  // namespace tallowen::cli
