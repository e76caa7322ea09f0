// Starts the desktop game: one document, one main window with its board view.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "game/CFlipstoneDoc.h"
#include "ui/CFlipstoneView.h"
#include "ui/CMainFrame.h"
#include "ui/DesktopHost.h"

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

}  // namespace

int main(int argc, char** argv) {
    if (!HasDisplay(argc, argv)) {
        std::fputs(
            "flipstone: no display to open a window on (DISPLAY and WAYLAND_DISPLAY are unset); "
            "run it under a virtual display, e.g. xvfb-run make play\n",
            stderr);
        return 1;
    }
    QApplication application(argc, argv);
    flipstone::DesktopHost host;
    flipstone::CFlipstoneDoc document(host);
    flipstone::CMainFrame frame(document);
    host.Attach(frame);
    document.NewGame();
    frame.View().OnInitialUpdate();
    frame.show();
    return QApplication::exec();
}
