#include "cli/CliDialogs.h"

#include <ostream>

namespace tq3 {

void CliDialogs::Error(const std::string& text) {
    err_ << text << '\n' << std::flush;
}

void CliDialogs::Info(const std::string& text) {
    err_ << text << '\n' << std::flush;
}

Answer CliDialogs::Confirm(const std::string& text, Buttons buttons) {
    err_ << text << '\n' << std::flush;
    return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
}

std::optional<std::string> CliDialogs::ChooseFolder(const std::string&, bool) {
    return folder_;
}

void CliDialogs::Progress(int) {}

void CliDialogs::Problem(const std::string& file, int line, const std::string& text) {
    err_ << file;
    if (line > 0) err_ << ':' << line;
    err_ << ": " << text << '\n' << std::flush;
}

}  // namespace tq3
