#include "AppTestSupport.h"

#include <QApplication>
#include <QStandardPaths>

namespace test {

namespace {
// One QApplication for the whole test program, on the offscreen platform.
class QtEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        QStandardPaths::setTestModeEnabled(true);
        static int argc = 1;
        static char name[] = "test_app";
        static char* argv[] = {name, nullptr};
        // Kept to the end of the program: Qt's input devices outlive any order of teardown.
        static QApplication* const app = new QApplication(argc, argv);
        (void)app;
        QApplication::setOrganizationName(QStringLiteral("tq3gen-test"));
        // The settings each window keeps per game folder, and the user's presets, go here.
        config_ = std::make_unique<UserConfigAt>(folder_.str());
    }

  private:
    TempDir folder_;
    std::unique_ptr<UserConfigAt> config_;
};
[[maybe_unused]] ::testing::Environment* const kQt =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);
}  // namespace

void WindowTest::SetUp() {
    game = dir.path / "game";
    CopyTree(std::filesystem::path(TQ3_BINARY_DIR) / "demo-game", game);
    world->ProgramFolder = game.string();
}

void WindowTest::Open() {
    form = std::make_unique<tq3::TFormGener>(*world, dialogs);
    form->FormActivate();
}

bool WindowTest::TabShown(const char* tab) const {
    const QTabWidget* tabs = form->PageControl1;
    return tabs->isTabVisible(tabs->indexOf(Control(tab)));
}

QString WindowTest::ActiveTab() const {
    return form->PageControl1->currentWidget()->objectName();
}

}  // namespace test

// The system's font configuration library keeps a cache it never frees; the leak checker of
// sanitized builds is told so.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
