#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "sound/midi_device.h"

namespace tallowen::testing {

// A device that plays nothing: it records the commands (files by name) and reports what the test
// sets.
struct ScriptedDevice : MidiDevice {
    void open(const std::string& path) override {
        calls.push_back("open " + std::filesystem::path(path).filename().string());
    }
    void play() override { calls.push_back("play"); }
    void stop() override { calls.push_back("stop"); }
    void close() override { calls.push_back("close"); }
    long length() const override { return length_; }
    long position() const override { return position_; }
    std::string soundProblem() const override { return problem; }

    std::vector<std::string> calls;
    long length_ = 0;
    long position_ = 0;
    std::string problem;
};

}  // namespace tallowen::testing
