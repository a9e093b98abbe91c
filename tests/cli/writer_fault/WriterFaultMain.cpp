// tq3gen-writer-fault: tq3gen with a fault in its Revolt.txt writer, for the tests only. Every
// run writes the first nation's expiry year one past the settings' end year; all else is
// tq3gen's own code. It is built with the tests and never installed.

#include <charconv>
#include <memory>
#include <string>

#include "cli/CommandLine.h"

int main(int argc, char** argv) {
    tq3::CommandSeams seams;
    // The broken text lives as long as the run that checks it.
    seams.stagedFiles = [broken = std::make_shared<std::string>()](tq3::GameFileTexts& files) {
        for (auto& [path, text] : files) {
            if (!path.ends_with("Revolt.txt")) continue;
            *broken = std::string(text);
            const std::size_t expiry = broken->find("expirydate");
            const std::size_t year = broken->find("year = ", expiry);
            if (expiry == std::string::npos || year == std::string::npos) continue;
            const std::size_t digits = year + std::string_view("year = ").size();
            int value = 0;
            const auto [end, error] =
                std::from_chars(broken->data() + digits, broken->data() + broken->size(), value);
            if (error != std::errc()) continue;
            broken->replace(digits, static_cast<std::size_t>(end - (broken->data() + digits)),
                            std::to_string(value + 1));
            text = *broken;
        }
    };
    return tq3::ProgramMain(argc, argv, seams);
}
