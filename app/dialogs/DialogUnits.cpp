#include "app/dialogs/DialogUnits.h"

#include <QFontMetrics>
#include <QString>
#include <QWidget>

namespace flipstone {

namespace {

// units * base / divisor, rounded half away from zero.
int Scale(int units, int base, int divisor) {
    const int product = units * base;
    return product >= 0 ? (product + divisor / 2) / divisor : -((-product + divisor / 2) / divisor);
}

// The average width of the Latin letters, rounded, as the dialog base unit is defined.
int AverageLetterWidth(const QFontMetrics& metrics) {
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return (metrics.horizontalAdvance(letters) / 26 + 1) / 2;
}

}  // namespace

QFont DialogUnits::DialogFont() {
    return QFont(QStringLiteral("Arial"), 9);
}

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    baseWidth_ = AverageLetterWidth(metrics);
    baseHeight_ = metrics.height();
}

int DialogUnits::ToPixelsX(int units) const {
    return Scale(units, baseWidth_, 4);
}

int DialogUnits::ToPixelsY(int units) const {
    return Scale(units, baseHeight_, 8);
}

QRect DialogUnits::ToPixels(int x, int y, int width, int height) const {
    const int left = ToPixelsX(x);
    const int top = ToPixelsY(y);
    return QRect(left, top, ToPixelsX(x + width) - left, ToPixelsY(y + height) - top);
}

QSize DialogUnits::ToPixels(int width, int height) const {
    return QSize(ToPixelsX(width), ToPixelsY(height));
}

void DialogUnits::Place(QWidget& widget, int x, int y, int width, int height) const {
    widget.setGeometry(ToPixels(x, y, width, height));
}

}  // namespace flipstone
