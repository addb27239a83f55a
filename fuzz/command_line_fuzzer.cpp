// Command lines of both programs. The fuzzer's bytes are the words of a command line, separated by
// NUL as argv has them. A first word "tallowen" asks the game's own parser and hands the game over
// from the field library; any other first word is the engine tool's command, run in-process: move
// texts, field strings, numbers and options of every command but the long-running bench and
// selfplay. Whatever the words, the tool ends with 0, or with 1 or 2 and exactly one printable line
// on stderr, and the game's parser names a fault in one line or hands over a game it can start.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "app/command_line.h"
#include "cli/tool.h"
#include "engine/field_strings.h"
#include "records/settings_store.h"
#include "setup/field_library.h"
#include "fuzz_check.h"
#include "scratch_folder.h"

namespace {

using namespace tallowen;
namespace fs = std::filesystem;

// A line a person reads on a terminal: no control characters, and UTF-8 throughout.
bool printableLine(std::string_view line) {
    for (std::size_t i = 0; i < line.size();) {
        const auto c = static_cast<unsigned char>(line[i]);
        if (c < 0x20 || c == 0x7f) return false;
        const std::size_t length = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xe ? 3 : (c >> 3) == 0x1e ? 4 : 0;
        if (length == 0 || i + length > line.size()) return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(line[i + k]) >> 6) != 0x2) return false;
        i += length;
    }
    return true;
}

bool oneLine(const std::string& text) {
    return !text.empty() && text.back() == '\n' && text.find('\n') == text.size() - 1 &&
           printableLine(std::string_view(text).substr(0, text.size() - 1));
}

void runEngineTool(std::vector<std::string> words) {
    if (words[0] == "bench" || words[0] == "selfplay") return;
    words.insert(words.begin(), "tallowen-engine");
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);

    std::ostringstream out, err;
    auto* const coutBuffer = std::cout.rdbuf(out.rdbuf());
    auto* const cerrBuffer = std::cerr.rdbuf(err.rdbuf());
    const int code = cli::runTool(static_cast<int>(words.size()), argv.data());
    std::cout.rdbuf(coutBuffer);
    std::cerr.rdbuf(cerrBuffer);

    FUZZ_CHECK(code == 0 || code == 1 || code == 2);
    if (code != 0) FUZZ_CHECK(oneLine(err.str()));
}

void runGameParser(const std::vector<std::string>& words) {
    const ParsedCommandLine parsed = parseCommandLine({words.begin() + 1, words.end()});
    if (parsed.error) {
        FUZZ_CHECK(printableLine(*parsed.error));
        return;
    }
    SettingsStore store(parsed.options.store.value_or("settings.sqlite3"));
    FieldLibrary library(store);
    const HandOverResult chosen = handOver(parsed.options, library);
    if (chosen.error) {
        FUZZ_CHECK(printableLine(*chosen.error));
        return;
    }
    FUZZ_CHECK(chosen.game && !gameStringError(chosen.game->Label4 + "1"));
}

}  // namespace

// The commands' files (stores, pictures) are named relative to the scratch folder, the current
// folder while a command line runs; the fuzzer's own files are named relative to the folder it was
// started in.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setenv("TALLOWEN_STORE", (scratchFolder() / "settings.sqlite3").c_str(), 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> words(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            words.emplace_back();
        else
            words.back() += static_cast<char>(data[i]);
    }
    // A path elsewhere is not the fuzzer's to write.
    for (const std::string& word : words)
        if (word.find('/') != std::string::npos) return 0;
    const fs::path started = fs::current_path();
    fs::current_path(scratchFolder());
    if (words[0] == "tallowen")
        runGameParser(words);
    else
        runEngineTool(words);
    for (const auto& entry : fs::directory_iterator(scratchFolder())) fs::remove_all(entry.path());
    fs::current_path(started);
    return 0;
}
