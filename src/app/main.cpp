// The program's entry: the crash translator, the data checks, one running copy, the main
// window and the application's event loop, in which the game runs between runs and during them.
#include <QApplication>
#include <QMessageBox>
#include <memory>
#include <sys/prctl.h>

#include "app/app_paths.h"
#include "app/crash_handler.h"
#include "app/main_window.h"
#include "app/screen_saver.h"
#include "app/settings.h"
#include "app/single_instance.h"
#include "app/startup_checks.h"

int main(int argc, char** argv) {
    tsn::InstallCrashTranslator();
    // The frame clock sleeps to the frame's time: wake-ups of this thread are not bunched.
    prctl(PR_SET_TIMERSLACK, 1000UL);
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tessarin");
    QApplication::setOrganizationName("TESSARIN");

    tsn::StartupData data;
    if (auto failure = tsn::CheckDataFolder(tsn::DataFolder(), data)) {
        QMessageBox::critical(nullptr, failure->title, failure->text);
        return 1;
    }
    std::unique_ptr<QSettings> store(tsn::OpenSettingsStore());
    const tsn::Settings early = tsn::LoadSettings(*store, data.dataFolder);
    tsn::SingleInstance instance(tsn::SingleInstance::DefaultName());
    if (!early.AllowMultipleInstances && instance.OtherInstanceRaised()) return 0;

    tsn::ScreenSaverBlock screenSaver;
    tsn::MainWindow window(data, store.get());
    instance.Listen([&window] {
        window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
        window.show();
        window.raise();
        window.activateWindow();
    });
    if (early.WinState == 2)
        window.showMaximized();
    else
        window.show();
    if (!window.Load()) return 1;
    const int status = QApplication::exec();
    window.Unload();
    return status;
}
