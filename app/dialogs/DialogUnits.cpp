#include "app/dialogs/DialogUnits.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QStyle>
#include <QStyleOptionButton>
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

namespace {

int TextWidth(const QWidget& control, const QString& text) {
    return control.fontMetrics().size(Qt::TextShowMnemonic, text).width();
}

// The width the control's whole text needs, from the control's left edge.
int TextExtent(const QWidget& control) {
    if (const auto* radio = qobject_cast<const QRadioButton*>(&control)) {
        QStyleOptionButton option;
        option.initFrom(radio);
        option.text = radio->text();
        const QRect contents =
            radio->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, radio);
        return contents.left() + TextWidth(control, radio->text());
    }
    if (const auto* button = qobject_cast<const QPushButton*>(&control)) {
        const int frame = button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
        return 2 * frame + TextWidth(control, button->text());
    }
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        return label->width() - label->contentsRect().width() + TextWidth(control, label->text());
    }
    return control.sizeHint().width();
}

}  // namespace

int DialogUnits::MissingWidth(const QWidget& control) {
    return std::max(0, TextExtent(control) - control.width());
}

int DialogUnits::WidenColumn(std::initializer_list<QWidget*> column,
                             std::initializer_list<QWidget*> toTheRight) {
    int missing = 0;
    for (const QWidget* control : column) {
        missing = std::max(missing, MissingWidth(*control));
    }
    if (missing > 0) {
        for (QWidget* control : column) {
            control->resize(control->width() + missing, control->height());
        }
        for (QWidget* control : toTheRight) {
            control->move(control->x() + missing, control->y());
        }
    }
    return missing;
}

void DialogUnits::Place(QWidget& widget, int x, int y, int width, int height) const {
    widget.setGeometry(ToPixels(x, y, width, height));
}

}  // namespace flipstone
