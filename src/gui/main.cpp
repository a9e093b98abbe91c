// tq3gen-gui: the settings window on a game folder. This is where the program's parts meet:
// the window, the map editor above it and the dialogs they share.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <exception>
#include <memory>
#include <string>
#include <string_view>

#include "app/AppIcon.h"
#include "app/AppIdentity.h"
#include "app/FormGener.h"
#include "app/QtDialogs.h"
#include "app/Screenshots.h"
#include "config/SettingsFile.h"
#include "mapeditor/MapEditor.h"
#include "mapeditor/MapScreenshots.h"
#include "session/PresetStore.h"
#include "widgets/Screenshots.h"

namespace {

// The map editor behind the window: the preview of a run and "Select Majors", every message
// through the window's dialogs.
tq3::MapEditorHooks MapEditorFor(tq3::Dialogs& dialogs) {
    tq3::MapEditorHooks hooks;
    hooks.preview = [&dialogs](tq3::World& world, tq3::RandomSource& random, tq3::RunRedraw* redraw,
                               QWidget* owner) {
        return tq3::ShowScenarioPreview(world, random, redraw, dialogs, owner);
    };
    hooks.selectMajors = [&dialogs](tq3::World& world, QWidget* owner) {
        return tq3::SelectMajorsOnMap(world, dialogs, owner);
    };
    return hooks;
}

// The program's name and version, as --version and the desktop know them.
void SetIdentity() {
    QCoreApplication::setApplicationName(QString::fromLatin1(tq3::ApplicationName));
    QCoreApplication::setOrganizationName(QStringLiteral("tq3gen"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TQ3GEN_VERSION));
}

// The options of the command line.
struct GuiOptions {
    QCommandLineParser parser;
    QCommandLineOption gameDir{QStringLiteral("game-dir"),
                               QStringLiteral("Game folder to open (default: the folder of this "
                                              "program)."),
                               QStringLiteral("DIR")};
    QCommandLineOption preset{QStringLiteral("preset"),
                              QStringLiteral("Apply a preset's settings over the game's settings "
                                             "at start: a name that `tq3gen presets` lists, or a "
                                             "preset file."),
                              QStringLiteral("NAME|FILE")};
    QCommandLineOption screenshots{QStringLiteral("screenshot-dir"),
                                   QStringLiteral("Write pictures of the window to DIR and quit."),
                                   QStringLiteral("DIR")};
    QCommandLineOption icons{QStringLiteral("icon-dir"),
                             QStringLiteral("Write the icon at each size to DIR and quit."),
                             QStringLiteral("DIR")};

    GuiOptions() {
        parser.setApplicationDescription(QStringLiteral("TQ3 Scenario Generator"));
        parser.addHelpOption();
        parser.addVersionOption();
        screenshots.setFlags(QCommandLineOption::HiddenFromHelp);
        icons.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOptions({gameDir, preset, screenshots, icons});
    }
};

// Whether the command line asks only for the help or the version, which need no display.
bool AsksForHelpOrVersion(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--") break;
        if (arg == "-h" || arg == "--help" || arg == "--help-all" || arg == "-?" || arg == "-v" ||
            arg == "--version")
            return true;
    }
    return false;
}

// The help or the version printed without a window system: the options are parsed by an
// application without a display, which prints and exits.
int PrintHelpOrVersion(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    SetIdentity();
    GuiOptions options;
    options.parser.process(app);
    return 0;
}

// The window on the game folder of the command line, until it is closed.
int RunWindow(QApplication& app) {
    SetIdentity();
    QApplication::setDesktopFileName(QString::fromLatin1(tq3::DesktopFileName));
    QApplication::setWindowIcon(tq3::AppIcon());

    GuiOptions options;
    QCommandLineParser& parser = options.parser;
    const QCommandLineOption& gameDir = options.gameDir;
    const QCommandLineOption& screenshots = options.screenshots;
    const QCommandLineOption& icons = options.icons;
    parser.process(app);
    if (parser.isSet(icons)) return tq3::WriteAppIconFiles(parser.value(icons)) ? 0 : 1;

    // The game folder: absolute, without a trailing separator.
    auto world = std::make_unique<tq3::World>();
    const QString folder =
        parser.isSet(gameDir) ? parser.value(gameDir) : QApplication::applicationDirPath();
    world->ProgramFolder = QDir::cleanPath(QDir(folder).absolutePath()).toStdString();

    if (parser.isSet(screenshots)) {
        const std::string pictures = parser.value(screenshots).toStdString();
        // The map editor's pictures on the game folder loaded afresh: the main window's end on
        // another folder, one that did not load.
        auto shown = std::make_unique<tq3::World>();
        shown->ProgramFolder = world->ProgramFolder;
        const int status = tq3::WriteScreenshots(*world, pictures);
        tq3::ScreenshotDialogs messages;
        if (tq3::LoadSettings(*shown, messages, true).refused) return 1;
        return tq3::WriteMapEditorPictures(*shown, pictures) ? status : 1;
    }

    tq3::QtDialogs dialogs;
    tq3::TFormGener form(*world, dialogs);
    dialogs.SetParent(&form);
    form.SetMapEditor(MapEditorFor(dialogs));
    form.chooseGameFolder = [&dialogs](const std::string& start) {
        return dialogs.ChooseGameFolder(start);
    };
    // A preset that cannot be used is said, and the window opens without it.
    if (parser.isSet(options.preset)) {
        const tq3::PresetResult preset =
            tq3::FindPreset(parser.value(options.preset).toStdString());
        if (preset.preset)
            form.ApplyPreset(*preset.preset);
        else
            dialogs.Error(preset.error);
    }
    form.show();
    return app.exec();
}

}  // namespace

int main(int argc, char** argv) {
    if (AsksForHelpOrVersion(argc, argv)) return PrintHelpOrVersion(argc, argv);
    QApplication app(argc, argv);
    // An error nothing below expected ends the program with its text shown, never silently.
    const auto stopped = [](const std::string& what) {
        tq3::QtDialogs dialogs;
        dialogs.Error("tq3gen-gui stopped on an unexpected error: " + what);
        return 1;
    };
    try {
        return RunWindow(app);
    } catch (const std::exception& e) {
        return stopped(e.what());
    } catch (...) {
        return stopped("an exception of an unknown kind");
    }
}
