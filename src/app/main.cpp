// tq3gen-gui: the settings window on a game folder.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <memory>

#include "app/FormGener.h"
#include "app/MapEditorLink.h"
#include "app/QtDialogs.h"
#include "app/Screenshots.h"
#include "base/GamePath.h"

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
    auto world = std::make_unique<tq3::World>();
    const QString folder =
        parser.isSet(gameDir) ? parser.value(gameDir) : QApplication::applicationDirPath();
    world->ProgramFolder = QDir::cleanPath(QDir(folder).absolutePath()).toStdString();

    if (parser.isSet(screenshots)) {
        const std::string pictures = parser.value(screenshots).toStdString();
        const int status = tq3::WriteScreenshots(*world, pictures);
        return tq3::WriteMapEditorScreenshots(*world, pictures) != 0 ? 1 : status;
    }

    tq3::QtDialogs dialogs;
    tq3::TFormGener form(*world, dialogs);
    dialogs.SetParent(&form);
    // The map editor opens for a run's preview and for "Select Majors".
    form.SetMapEditor(tq3::MapEditorHooksFor(dialogs));
    form.show();
    return app.exec();
}
