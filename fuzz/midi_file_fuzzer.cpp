// A ".mid" file from the Music folder as the music device plays it when no sound can be heard:
// the fuzzer's bytes become the file, the sequencer opens it by path, plays, renders a few blocks,
// stops, plays on and closes, as the music window's buttons would. Whatever the file holds, the
// position stays within the length and closing forgets both.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "sound/fluid_sequencer.h"
#include "fuzz_check.h"
#include "scratch_folder.h"

namespace {

using namespace tallowen;
namespace fs = std::filesystem;

constexpr int kBlock = 512;
constexpr int kBlocks = 64;  // three quarters of a second of music

void checkPosition(const FluidSequencer& sequencer) {
    FUZZ_CHECK(sequencer.length() >= 0);
    FUZZ_CHECK(sequencer.position() >= 0 && sequencer.position() <= sequencer.length());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fs::path file = scratchFolder() / "tune.mid";
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    static FluidSequencer sequencer;
    sequencer.open(file.string());
    checkPosition(sequencer);
    sequencer.play();
    for (int i = 0; i < kBlocks; ++i) {
        sequencer.advance(kBlock);
        checkPosition(sequencer);
        if (i == kBlocks / 2) {
            sequencer.stop();
            const long stopped = sequencer.position();
            sequencer.advance(kBlock);
            FUZZ_CHECK(sequencer.position() == stopped);
            sequencer.play();
        }
    }
    sequencer.close();
    FUZZ_CHECK(sequencer.length() == 0 && sequencer.position() == 0);
    return 0;
}
