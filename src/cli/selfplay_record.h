#pragma once

#include <memory>
#include <string>

#include "cli/arguments.h"
#include "engine/game_recorder.h"

namespace tallowen::cli {

// Where selfplay keeps its finished games with --record: the settings store of --store PATH or
// TALLOWEN_STORE, as the game keeps them, the field named as the field library names it. Nothing
// without --record.
std::unique_ptr<GameRecorder> selfplayRecorder(const Arguments& args, const std::string& gameString);

}  // namespace tallowen::cli
