#include "app/messages/TerminalMessages.h"

#include <cstdio>

namespace flipstone {

void TerminalMessages::ShowFileError(QWidget* /*owner*/, const QString& text) {
    std::fprintf(stderr, "flipstone: %s\n", text.toLocal8Bit().constData());
}

void TerminalMessages::ShowInformation(const QString& text) {
    std::printf("%s\n", text.toLocal8Bit().constData());
    std::fflush(stdout);
}

}  // namespace flipstone
