#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <functional>

#include "RenderTestWorld.h"
#include "TestSupport.h"
#include "render/LayerExport.h"

using namespace tq3;
namespace fs = std::filesystem;

namespace {
// What is at a path, to see that a refused target is left as it was.
std::string Kind(const fs::path& path) {
    const fs::file_status st = fs::symlink_status(path);
    return std::to_string(static_cast<int>(st.type())) + ":" +
           (fs::is_regular_file(st) ? test::ReadFile(path) : std::string());
}

void MakeSocket(const fs::path& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
}
}  // namespace

// A picture replaces a PNG image or nothing; every other target is refused and left as it was.
TEST(PictureTarget, OnlyAPngOrNothingIsReplaced) {
    test::TempDir game;
    auto world = rendertest::LandWorld(3);
    world->ProgramFolder = game.str();
    test::WriteFile(game.path / "DB" / "Province.csv", "the game's table");
    struct Case {
        const char* name;
        std::function<void(const fs::path&)> make;
        const char* reason;
    };
    const std::vector<Case> cases = {
        {"fifo", [](const fs::path& p) { ::mkfifo(p.c_str(), 0644); }, "not a regular file"},
        {"socket", MakeSocket, "not a regular file"},
        {"link to a folder", [&](const fs::path& p) { fs::create_directory_symlink(game.path, p); },
         "a link to a folder"},
        {"folder", [](const fs::path& p) { fs::create_directory(p); }, "a folder"},
        {"a table", [](const fs::path& p) { test::WriteFile(p, "a;b\r\n"); }, "not a PNG image"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path target = game.path / (std::string(c.name) + ".png");
        c.make(target);
        const std::string before = Kind(target);
        const ExportReport report = WriteLayerPng(*world, MapLayer::Terrain, target.string());
        ASSERT_EQ(report.failed.size(), 1u);
        EXPECT_NE(report.failed[0].reason.find(c.reason), std::string::npos)
            << report.failed[0].reason;
        EXPECT_EQ(Kind(target), before);
    }
    // Names of the game folder's own files: a game table in another case, the lock, a game
    // folder that is not there yet (a picture named so would block the next backup).
    for (const fs::path& target :
         {game.path / "DB" / "province.csv", game.path / ".tq3gen.lock", game.path / "backup",
          game.path / "Scenarios", game.path / "Config" / "map.png", fs::path("/dev/null")}) {
        SCOPED_TRACE(target);
        const ExportReport report = WriteLayerPng(*world, MapLayer::Terrain, target.string());
        EXPECT_EQ(report.failed.size(), 1u);
        EXPECT_TRUE(report.written.empty());
    }
    EXPECT_FALSE(fs::exists(game.path / "DB" / "province.csv"));
    EXPECT_FALSE(fs::exists(game.path / ".tq3gen.lock"));
    EXPECT_FALSE(fs::exists(game.path / "backup"));
    EXPECT_FALSE(fs::exists(game.path / "Scenarios"));
    EXPECT_FALSE(fs::exists(game.path / "Config"));
    EXPECT_EQ(std::distance(fs::directory_iterator(game.path / "DB"), fs::directory_iterator{}), 1);
}

// A name as long as the file system allows works; what a killed write left in the folder goes
// at the next write into it.
TEST(PictureTarget, LongNamesAndLeftoversOfACutWrite) {
    test::TempDir dir;
    auto world = rendertest::LandWorld(3);
    const fs::path target = dir.path / (std::string(251, 'm') + ".png");
    const ExportReport first = WriteLayerPng(*world, MapLayer::Terrain, target.string());
    ASSERT_FALSE(first.HasErrors()) << first.failed[0].reason;

    const fs::path shortTarget = dir.path / "map.png";
    test::WriteFile(dir.path / ".tq3gen-a1b2C3", "half a picture");
    EXPECT_FALSE(WriteLayerPng(*world, MapLayer::Terrain, shortTarget.string()).HasErrors());
    EXPECT_FALSE(fs::exists(dir.path / ".tq3gen-a1b2C3"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), fs::directory_iterator{}), 2);
}
