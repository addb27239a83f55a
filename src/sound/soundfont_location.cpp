#include "sound/soundfont_location.h"

#include <array>
#include <filesystem>
#include <system_error>

#include "sound/fluid_handles.h"
#include "sound/fluid_library.h"

namespace tallowen {

std::string generalMidiSoundFont(const FluidLibrary& fluid) {
    std::string builtIn;
    const FluidSettings settings(fluid.new_fluid_settings(), {fluid.delete_fluid_settings});
    char* text = nullptr;
    if (settings && fluid.fluid_settings_dupstr(settings.get(), "synth.default-soundfont", &text) == FLUID_OK && text)
        builtIn = text;
    fluid.fluid_free(text);
    static constexpr std::array kUsual = {
        "/usr/share/sounds/sf2/default-GM.sf2",
        "/usr/share/sounds/sf2/FluidR3_GM.sf2",
        "/usr/share/sounds/sf2/TimGM6mb.sf2",
    };
    std::error_code ignored;
    if (!builtIn.empty() && std::filesystem::is_regular_file(builtIn, ignored)) return builtIn;
    for (const char* path : kUsual)
        if (std::filesystem::is_regular_file(path, ignored)) return path;
    return {};
}

}  // namespace tallowen
