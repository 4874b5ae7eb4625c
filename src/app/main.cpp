// The program's entry: the command line, the crash translator, the data checks, one running
// copy, the main window and the application's event loop, in which the game runs between runs
// and during them.
#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <string>
#include <sys/prctl.h>
#include <vector>

#include "app/app_paths.h"
#include "app/command_line.h"
#include "app/crash_handler.h"
#include "app/main_window.h"
#include "app/screen_saver.h"
#include "app/settings.h"
#include "app/single_instance.h"
#include "app/startup_checks.h"

namespace {

// --help and --version are answered before anything else starts (no display is needed).
bool AnsweredEarly(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--") return false;
        if (a == "--help" || a == "-h") {
            std::fputs(tsn::CommandLineHelp().c_str(), stdout);
            return true;
        }
        if (a == "--version" || a == "-v") {
            std::printf("tessarin %s\n", TESSARIN_VERSION);
            return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (AnsweredEarly(argc, argv)) return 0;
    tsn::InstallCrashTranslator();
    // The frame clock sleeps to the frame's time: wake-ups of this thread are not bunched.
    prctl(PR_SET_TIMERSLACK, 1000UL);
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tessarin");
    QApplication::setOrganizationName("TESSARIN");
    // The desktop's menu entry of this program, and its icon once installed.
    QGuiApplication::setDesktopFileName(QStringLiteral(TESSARIN_APP_ID));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("tessarin")));

    // The arguments left after Qt took its own.
    std::vector<std::string> args;
    for (const QString& a : QApplication::arguments().mid(1)) args.push_back(a.toLocal8Bit().toStdString());
    const tsn::CommandLine line = tsn::ParseCommandLine(args);
    if (line.action == tsn::CommandLine::Action::kError) {
        std::fprintf(stderr, "tessarin: %s\n%s", line.error.c_str(), tsn::CommandLineHelp().c_str());
        return 2;
    }
    // A scripted start ends by itself, also from a message box that waits for an answer
    // (asked again every tenth of a second, so that no event loop started later is missed).
    QTimer quitTimer;
    QWidget* windowToClose = nullptr;
    if (line.quitAfterSeconds >= 0) {
        quitTimer.setInterval(line.quitAfterSeconds * 1000);
        QObject::connect(&quitTimer, &QTimer::timeout, [&quitTimer, &windowToClose] {
            quitTimer.setInterval(100);
            if (windowToClose != nullptr) windowToClose->close();  // as the user closes it
            QCoreApplication::exit(0);
        });
        quitTimer.start();
    }
    const QString startFile =
        line.file.empty() ? QString() : QFileInfo(QString::fromLocal8Bit(line.file)).absoluteFilePath();

    tsn::StartupData data;
    if (auto failure = tsn::CheckDataFolder(tsn::DataFolder(), data)) {
        if (!failure->noticeText.isEmpty())
            QMessageBox::critical(nullptr, failure->noticeTitle, failure->noticeText);
        QMessageBox::critical(nullptr, failure->title, failure->text);
        return 1;
    }
    std::unique_ptr<QSettings> store(tsn::OpenSettingsStore());
    const tsn::Settings early = tsn::LoadSettings(*store, data.dataFolder);
    tsn::SingleInstance instance(tsn::SingleInstance::DefaultName());
    if (!early.AllowMultipleInstances && instance.HandOver(startFile)) return 0;

    tsn::ScreenSaverBlock screenSaver;
    tsn::MainWindow window(data, store.get());
    windowToClose = &window;
    instance.Listen([&window](const QString& file) {
        window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
        window.show();
        window.raise();
        window.activateWindow();
        if (!file.isEmpty()) window.OpenHandedFile(file);
    });
    if (early.WinState == 2)
        window.showMaximized();
    else
        window.show();
    if (!window.Load(startFile)) return 1;
    const int status = QApplication::exec();
    window.Unload();
    return status;
}
