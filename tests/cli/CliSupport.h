#pragma once
// Running the tq3gen executable from the command-line tests.

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "TestSupport.h"

namespace clitest {

namespace fs = std::filesystem;
struct Result {
    int status = -1;
    std::string out, err;
};

inline std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// Runs tq3gen with the arguments and gives its exit status and output.
inline Result RunTq3(const std::vector<std::string>& args, const fs::path& scratch) {
    std::string command = Quote(TQ3_EXECUTABLE);
    for (const std::string& a : args) command += " " + Quote(a);
    const fs::path out = scratch / "stdout.txt", err = scratch / "stderr.txt";
    command += " >" + Quote(out.string()) + " 2>" + Quote(err.string()) + " </dev/null";
    Result r;
    const int raw = std::system(command.c_str());
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.out = test::ReadFile(out);
    r.err = test::ReadFile(err);
    return r;
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
