// The real window's start-up and exit, as main() does them, with a short stretch of play in
// between: a hint, a move and the computer's answer. Run under Xvfb in the sanitizer build,
// LeakSanitizer then reports at the normal exit whatever the program failed to free.
#include <QApplication>
#include <QTimer>
#include <cstdio>

#include "app/CFlipstoneApp.h"
#include "game/CFlipstoneDoc.h"
#include "ui/CFlipstoneView.h"
#include "ui/CMainFrame.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    int status = 1;
    {
        flipstone::CFlipstoneApp app;
        if (!app.InitInstance({})) {
            std::fputs("leak check: the window did not start\n", stderr);
            return 1;
        }
        flipstone::CMainFrame& frame = app.Frame();
        flipstone::CFlipstoneDoc& document = app.Document();
        frame.OnCommand(flipstone::ID_LEVEL_1);
        frame.OnCommand(flipstone::ID_GAME_HINT);
        // Once the hint is ready, play it; the computer answers on the window's own timer.
        QTimer play;
        play.setInterval(50);
        QObject::connect(&play, &QTimer::timeout, [&] {
            if (document.hintState == 2 && document.sideToMove == 0) {
                play.stop();
                document.TryMove(document.hintSquare.column, document.hintSquare.row,
                                 document.humanColour);
            }
        });
        play.start();
        QTimer::singleShot(3000, &frame, [&frame] { frame.close(); });
        status = QApplication::exec();
        app.ExitInstance();
        if (document.moveCount == 0) {
            std::fputs("leak check: no move was played\n", stderr);
            status = 1;
        }
    }
    return status;
}
