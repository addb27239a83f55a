// Writes a tune kept as note text into a Standard MIDI File: tallowen-tune TUNE.tune OUT.mid
#include <fstream>
#include <iostream>
#include <sstream>

#include "sound/midi_writer.h"
#include "sound/tune_text.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: tallowen-tune TUNE.tune OUT.mid\n";
        return 2;
    }
    std::ifstream in(argv[1]);
    std::stringstream text;
    if (in) text << in.rdbuf();
    if (!in) {
        std::cerr << argv[1] << ": cannot be read\n";
        return 1;
    }
    const tallowen::TuneReading tune = tallowen::readTune(text.str());
    if (!tune.song) {
        std::cerr << argv[1] << ": " << tune.error << "\n";
        return 1;
    }
    std::ofstream out(argv[2], std::ios::binary);
    out << tallowen::standardMidiFile(*tune.song);
    if (!out.flush()) {
        std::cerr << argv[2] << ": cannot be written\n";
        return 1;
    }
    return 0;
}
