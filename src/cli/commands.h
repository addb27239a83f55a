#pragma once

namespace tallowen::cli {

// Each command takes the words after its name and returns the exit code; bad input throws
// UsageError.
int runMoves(int argc, char** argv);
int runPlay(int argc, char** argv);
int runBench(int argc, char** argv);
int runRender(int argc, char** argv);
int runRecords(int argc, char** argv);
int runResults(int argc, char** argv);
int runFields(int argc, char** argv);
int runEval(int argc, char** argv);
int runSelfplay(int argc, char** argv);
int runHost(int argc, char** argv);

}  // namespace tallowen::cli
