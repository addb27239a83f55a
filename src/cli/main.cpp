#include "cli/tool.h"

int main(int argc, char** argv) { return tallowen::cli::runTool(argc, argv); }
