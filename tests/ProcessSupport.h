#pragma once
// Running a program from the tests: its exit status and what it printed.

#include <filesystem>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/wait.h>

#include <cstdlib>
#endif

#include "TestSupport.h"
#include "base/Platform.h"

namespace test {

struct ProgramResult {
    int status = -1;
    std::string out, err;
};

#ifdef _WIN32
inline std::wstring QuotedArgument(const std::string& argument) {
    return tq3::WindowsArgument(argument);
}
#else
inline std::string QuotedArgument(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}
#endif

// Runs `program` with `args`, input from nothing, and its output kept in files under `scratch`.
inline ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                                const std::filesystem::path& scratch) {
    const std::filesystem::path out = scratch / "stdout.txt", err = scratch / "stderr.txt";
    ProgramResult r;
#ifdef _WIN32
    std::wstring line = QuotedArgument(program);
    for (const std::string& a : args) line += L" " + QuotedArgument(a);
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    const auto open = [&](const wchar_t* name, DWORD access, DWORD how) {
        return ::CreateFileW(name, access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, how,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    };
    const HANDLE input = open(L"NUL", GENERIC_READ, OPEN_EXISTING);
    const HANDLE output = open(out.c_str(), GENERIC_WRITE, CREATE_ALWAYS);
    const HANDLE errors = open(err.c_str(), GENERIC_WRITE, CREATE_ALWAYS);
    STARTUPINFOW start{};
    start.cb = sizeof start;
    start.dwFlags = STARTF_USESTDHANDLES;
    start.hStdInput = input;
    start.hStdOutput = output;
    start.hStdError = errors;
    PROCESS_INFORMATION process{};
    if (::CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &start,
                         &process)) {
        ::WaitForSingleObject(process.hProcess, INFINITE);
        DWORD code = 0;
        if (::GetExitCodeProcess(process.hProcess, &code)) r.status = static_cast<int>(code);
        ::CloseHandle(process.hProcess);
        ::CloseHandle(process.hThread);
    }
    for (HANDLE h : {input, output, errors})
        if (h != INVALID_HANDLE_VALUE) ::CloseHandle(h);
#else
    std::string command = QuotedArgument(program);
    for (const std::string& a : args) command += " " + QuotedArgument(a);
    command +=
        " >" + QuotedArgument(out.string()) + " 2>" + QuotedArgument(err.string()) + " </dev/null";
    const int raw = std::system(command.c_str());
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
    r.out = ReadFile(out);
    r.err = ReadFile(err);
    return r;
}

}  // namespace test
