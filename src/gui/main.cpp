// tq3gen-gui: the settings window on a game folder. This is where the program's parts meet:
// the window, the map editor above it and the dialogs they share.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <exception>
#include <memory>
#include <string>

#include "app/AppIcon.h"
#include "app/AppIdentity.h"
#include "app/FormGener.h"
#include "app/QtDialogs.h"
#include "app/Screenshots.h"
#include "config/SettingsFile.h"
#include "mapeditor/MapEditor.h"
#include "mapeditor/MapScreenshots.h"
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

// The window on the game folder of the command line, until it is closed.
int RunWindow(QApplication& app) {
    QApplication::setApplicationName(QString::fromLatin1(tq3::ApplicationName));
    QApplication::setOrganizationName(QStringLiteral("tq3gen"));
    QApplication::setApplicationVersion(QStringLiteral(TQ3GEN_VERSION));
    QApplication::setDesktopFileName(QString::fromLatin1(tq3::DesktopFileName));
    QApplication::setWindowIcon(tq3::AppIcon());

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("TQ3 Scenario Generator"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption gameDir(QStringLiteral("game-dir"),
                                     QStringLiteral("Game folder to open (default: the folder of "
                                                    "this program)."),
                                     QStringLiteral("DIR"));
    QCommandLineOption screenshots(QStringLiteral("screenshot-dir"),
                                   QStringLiteral("Write pictures of the window to DIR and quit."),
                                   QStringLiteral("DIR"));
    screenshots.setFlags(QCommandLineOption::HiddenFromHelp);
    QCommandLineOption icons(QStringLiteral("icon-dir"),
                             QStringLiteral("Write the icon at each size to DIR and quit."),
                             QStringLiteral("DIR"));
    icons.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(gameDir);
    parser.addOption(screenshots);
    parser.addOption(icons);
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
    form.show();
    return app.exec();
}

}  // namespace

int main(int argc, char** argv) {
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
