#pragma once

namespace tallowen::cli {

// tallowen-engine: argv[1] names the command, the words after it go to the command. Returns the
// exit code: 0 done, 2 bad input (one line on stderr), 1 an unexpected failure (one line too).
int runTool(int argc, char** argv);

}  // namespace tallowen::cli
