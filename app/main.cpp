// Starts the desktop game: one document, one main window with its board view.
#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <string>
#include <vector>

#include "app/CFlipstoneApp.h"
#include "app/CommandLine.h"
#include "app/language/Translations.h"
#include "app/messages/TerminalMessages.h"

namespace {

bool IsSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] != '\0';
}

// Whether the toolkit has somewhere to show a window: a display server, or a platform the user
// chose by hand.
bool HasDisplay(int argc, char** argv) {
    if (IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY") || IsSet("QT_QPA_PLATFORM")) {
        return true;
    }
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) {
            return true;
        }
    }
    return false;
}

// Removing the settings opens no window, so it works without a display too; the message then
// goes to the terminal.
int UnregisterWithoutDisplay(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    flipstone::Translations translations;
    translations.Install(QLocale::system());
    flipstone::TerminalMessages terminal;
    flipstone::CFlipstoneApp app(flipstone::SettingsStore::DefaultConfigFolder(), nullptr,
                                 &terminal);
    app.InitInstance(std::vector<std::string>(argv + 1, argv + argc));
    return app.ExitStatus();
}

}  // namespace

int main(int argc, char** argv) {
    const bool hasDisplay = HasDisplay(argc, argv);
    if (!hasDisplay && flipstone::CommandLine::Parse(argc, argv).Unregister()) {
        return UnregisterWithoutDisplay(argc, argv);
    }
    if (!hasDisplay) {
        std::fputs(
            "flipstone: no display to open a window on (DISPLAY and WAYLAND_DISPLAY are unset); "
            "run it under a virtual display, e.g. xvfb-run make play\n",
            stderr);
        return 1;
    }
    QApplication application(argc, argv);
    flipstone::Translations translations;
    translations.Install(QLocale::system());
    // Lets the desktop match the window to its entry and icon, under Wayland too.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(flipstone::kApplicationId));
    // The toolkit has taken its own options out of argv by now.
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    flipstone::CFlipstoneApp app;
    const int status = app.InitInstance(arguments) ? QApplication::exec() : app.ExitStatus();
    app.ExitInstance();
    return status;
}
