// The floor of a headless run: reads the configuration files a mode-0 run reads and writes
// the files it writes, byte for byte, with plain reads and writes (no temporary file, no
// backup) and nothing else. The bytes to write are taken from a reference folder that holds
// what a real run wrote; reading them is the only work the real run does not have.
//
// usage: floor_run GAME_DIR [REFERENCE_DIR [--durable]]
// Without REFERENCE_DIR it only reads: the floor of `tq3gen check`. With --durable it writes as
// a run must to be safe: each output to a temporary beside it, synced, renamed over the old
// file, and each folder written synced once.
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <string>

namespace {

// The configuration files a mode-0 run reads, each once.
constexpr const char* kInputs[] = {
    "Config/TQ3Gener.csv",
    "Config/TQ3GenerProvince.csv",
    "Config/TQ3GenerAdjIndex.tbl",
    "Config/TQ3GenerAdjDataOrig.tbl",
    "Config/TQ3GenerAdjData.tbl",
    "Config/TQ3GenerCountry.csv",
    "Config/TQ3GenerFixedProvince.csv",
    "Config/TQ3GenerFixedCountry.csv",
};
// The files it writes.
constexpr const char* kOutputs[] = {
    "DB/Goods.csv",  "DB/tax_stab.csv", "Scenarios/Random.tqg",
    "DB/Revolt.txt", "DB/Province.csv", "DB/Country.csv",
};

bool ReadAll(const std::string& name, std::string& text) {
    const int fd = ::open(name.c_str(), O_RDONLY);
    if (fd < 0) return false;
    text.clear();
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            ::close(fd);
            return false;
        }
        if (n == 0) break;
        text.append(buffer, static_cast<std::size_t>(n));
    }
    return ::close(fd) == 0;
}

bool WriteAll(const std::string& name, const std::string& text, bool sync = false) {
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return false;
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n <= 0) {
            ::close(fd);
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    const bool synced = !sync || ::fsync(fd) == 0;
    return ::close(fd) == 0 && synced;
}

// Writes through a synced temporary renamed over the target.
bool WriteDurably(const std::string& name, const std::string& text) {
    const std::string temporary = name + ".floor";
    return WriteAll(temporary, text, true) && ::rename(temporary.c_str(), name.c_str()) == 0;
}

bool SyncFolder(const std::string& name) {
    const int fd = ::open(name.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return false;
    const bool synced = ::fsync(fd) == 0;
    return ::close(fd) == 0 && synced;
}

}  // namespace

int main(int argc, char** argv) {
    const bool durable = argc == 4 && std::string(argv[3]) == "--durable";
    if (argc != 2 && argc != 3 && !durable) {
        std::fputs("usage: floor_run GAME_DIR [REFERENCE_DIR [--durable]]\n", stderr);
        return 2;
    }
    const std::string game = argv[1];
    const bool writes = argc >= 3;
    const std::string reference = writes ? argv[2] : "";
    std::string text;
    std::size_t bytes = 0;
    for (const char* input : kInputs) {
        if (!ReadAll(game + "/" + input, text)) {
            std::fprintf(stderr, "cannot read %s/%s\n", game.c_str(), input);
            return 1;
        }
        bytes += text.size();
    }
    if (!writes) return bytes > 0 ? 0 : 1;
    for (const char* output : kOutputs) {
        const std::string target = game + "/" + output;
        if (!ReadAll(reference + "/" + output, text) ||
            !(durable ? WriteDurably(target, text) : WriteAll(target, text))) {
            std::fprintf(stderr, "cannot copy %s to %s\n", output, game.c_str());
            return 1;
        }
    }
    if (durable)
        for (const char* folder : {"/DB", "/Scenarios"})
            if (!SyncFolder(game + folder)) return 1;
    return bytes > 0 ? 0 : 1;
}
