#include "cli/CommandLine.h"

int main(int argc, char** argv) {
    return tq3::ProgramMain(argc, argv, {});
}
