// The Music folder as the music window reads it: the fuzzer's bytes are the names of what the folder
// holds, separated by NUL, a name beginning with "/" a folder, any other a file ("/" is dropped
// elsewhere; names too long for the file system are left out). The window's model lists the folder,
// picks a first track and plays every entry in turn on a device that plays nothing and reports a
// length and a position of the fuzzer's choosing. Whatever the folder holds, the list is "(Silence)"
// then one entry for each ".mid" file in alphabetical order, every entry opens its own file, and the
// progress knob stays on its strip.
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "engine/random_source.h"
#include "setup/music_player.h"
#include "setup/track_list.h"
#include "fuzz_check.h"
#include "scratch_folder.h"

namespace {

using namespace tallowen;
namespace fs = std::filesystem;

constexpr std::size_t kLongestName = 255;
constexpr int kStripWidth = 300;

struct SilentDevice : MidiDevice {
    void open(const std::string& path) override { opened = path; }
    void play() override {}
    void stop() override {}
    void close() override { opened.clear(); }
    long length() const override { return reportedLength; }
    long position() const override { return std::min(reportedPosition, reportedLength); }
    std::string soundProblem() const override { return {}; }

    std::string opened;
    long reportedLength = 0;
    long reportedPosition = 0;
};

bool caseBlindLess(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
        return std::tolower(x) < std::tolower(y);
    });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fs::path folder = scratchFolder() / "Music";
    fs::remove_all(folder);
    fs::create_directories(folder);

    std::vector<std::string> names(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            names.emplace_back();
        else
            names.back() += static_cast<char>(data[i]);
    }
    std::multiset<std::string> tracks;
    for (std::string name : names) {
        const bool isFolder = !name.empty() && name[0] == '/';
        name.erase(std::remove(name.begin(), name.end(), '/'), name.end());
        if (name.empty() || name == "." || name == ".." || name.size() > kLongestName || fs::exists(folder / name))
            continue;
        if (isFolder) {
            fs::create_directory(folder / name);
        } else {
            std::ofstream(folder / name).put('x');
            if (name.size() > 4 && name.ends_with(".mid")) tracks.insert(name.substr(0, name.size() - 4));
        }
    }

    SilentDevice device;
    MusicPlayer player(device, folder);
    player.Picture1Width = kStripWidth;
    RandomSource random(size);
    player.load(random);
    FUZZ_CHECK(!player.Combo1.empty() && player.Combo1[0] == kSilenceEntry);
    const std::vector<std::string> entries(player.Combo1.begin() + 1, player.Combo1.end());
    FUZZ_CHECK(std::multiset<std::string>(entries.begin(), entries.end()) == tracks);
    FUZZ_CHECK(std::is_sorted(entries.begin(), entries.end(), caseBlindLess));

    for (std::size_t k = 0; k < player.Combo1.size(); ++k) {
        player.Combo1ListIndex = static_cast<int>(k);
        player.Combo1_Click();
        if (k == 0) {
            FUZZ_CHECK(device.opened.empty() && !player.Timer1.enabled());
            continue;
        }
        FUZZ_CHECK(fs::path(device.opened) == trackPath(folder, player.Combo1[k]));
        FUZZ_CHECK(fs::is_regular_file(device.opened) && fs::path(device.opened).parent_path() == folder);
        device.reportedLength = k < size ? data[k] : 0;
        device.reportedPosition = k + 1 < size ? data[k + 1] : 0;
        player.Timer1_Timer();
        FUZZ_CHECK(player.Command2Left >= 4 && player.Command2Left <= 4 + kStripWidth);
    }
    return 0;
}
