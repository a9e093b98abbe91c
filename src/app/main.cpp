// tq3gen-gui: the settings window on a game folder.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <memory>

#include "app/FormGener.h"
#include "app/QtDialogs.h"
#include "app/Screenshots.h"
#include "config/GamePath.h"
#include "mapeditor/MapEditor.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TQScenarioGenerator"));
    QApplication::setOrganizationName(QStringLiteral("tq3gen"));
    QApplication::setApplicationVersion(QStringLiteral(TQ3GEN_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("tq3gen"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("tq3gen")));

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
    parser.addOption(gameDir);
    parser.addOption(screenshots);
    parser.process(app);

    // The game folder: absolute, without a trailing separator.
    auto world = std::make_unique<World>();
    const QString folder =
        parser.isSet(gameDir) ? parser.value(gameDir) : QApplication::applicationDirPath();
    world->ProgramFolder = QDir::cleanPath(QDir(folder).absolutePath()).toStdString();

    if (parser.isSet(screenshots))
        return tq3::WriteScreenshots(*world, parser.value(screenshots).toStdString());

    tq3::QtDialogs dialogs;
    tq3::TFormGener form(*world, dialogs);
    dialogs.SetParent(&form);
    // The map editor: the preview of a run and the majors selection open it.
    tq3::MapEditorHooks editor;
    editor.preview = [&dialogs](World& w, RandomSource& random, QWidget* owner) {
        return tq3::ShowScenarioPreview(w, random, dialogs, owner);
    };
    editor.selectMajors = [&dialogs](World& w, QWidget* owner) {
        return tq3::SelectMajorsOnMap(w, dialogs, owner);
    };
    form.SetMapEditor(std::move(editor));
    form.show();
    return app.exec();
}
