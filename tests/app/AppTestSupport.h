#pragma once

// The window's tests: a QApplication on the offscreen platform, and a main window on a fresh
// copy of the demo game folder, loaded as at its first activation.

#include <QAbstractButton>
#include <QAction>
#include <QTabWidget>
#include <memory>

#include "TestSupport.h"
#include "app/Controls.h"
#include "app/FormGener.h"

namespace test {

// A copy of the demo game folder and a loaded main window on it, with recorded dialogs.
class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override;
    // Creates the window (start-up backup) and loads it as its first activation does.
    void Open();

    template <class T = QWidget>
    T* Control(const char* name) const {
        T* found = form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QAction* Item(const char* name) const { return Control<QAction>(name); }
    TGeneratorSettings& S() { return world->Settings; }
    // Whether `tab` is shown in the tab control.
    bool TabShown(const char* tab) const;
    QString ActiveTab() const;

    TempDir dir;
    std::filesystem::path game;
    std::unique_ptr<World> world = std::make_unique<World>();
    RecordingDialogs dialogs;
    std::unique_ptr<tq3::TFormGener> form;
};

}  // namespace test
