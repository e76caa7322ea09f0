#pragma once

#include <QString>

class QWidget;

namespace flipstone {

// Gets a sentence spoken by the screen reader, for what changes without a key press. Qt 6.8 has
// an announcement event for this. Older Qt has none, and its AT-SPI bridge sends property changes
// without their text; there the sentence goes out as the description change a screen reader
// speaks: on Qt's own accessibility bus connection, from the object that has the focus.
class Announcer {
public:
    explicit Announcer(QWidget& view) : view_(view) {}

    void Announce(const QString& sentence);

private:
    QWidget& view_;
};

}  // namespace flipstone
