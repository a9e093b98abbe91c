#pragma once
// Running the tq3gen executable from the command-line tests.

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "ProcessSupport.h"
#include "TestSupport.h"

namespace clitest {

namespace fs = std::filesystem;
using Result = test::ProgramResult;
#ifndef _WIN32
// An argument quoted for the shell, for tests that run commands through it.
inline std::string Quote(const std::string& s) {
    return test::QuotedArgument(s);
}
#endif

// Runs tq3gen with the arguments and gives its exit status and output.
inline Result RunTq3(const std::vector<std::string>& args, const fs::path& scratch) {
    return test::RunProgram(TQ3_EXECUTABLE, args, scratch);
}

// Every file under a folder with its bytes, for comparing two runs.
inline std::map<std::string, std::string> Tree(const fs::path& root) {
    std::map<std::string, std::string> files;
    for (const auto& e : fs::recursive_directory_iterator(root))
        if (e.is_regular_file())
            files[fs::relative(e.path(), root).string()] = test::ReadFile(e.path());
    return files;
}

}  // namespace clitest
