#pragma once

#include <QFont>
#include <QRect>
#include <QSize>
#include <initializer_list>

class QWidget;

namespace flipstone {

// Lays dialogs out from rectangles given in dialog units: a horizontal unit is a quarter of the
// dialog font's average character width, a vertical unit an eighth of its height.
class DialogUnits {
public:
    // "Arial" 9 pt; fontconfig substitutes the metric-compatible Liberation Sans.
    static QFont DialogFont();

    explicit DialogUnits(const QFont& font);

    int BaseWidth() const { return baseWidth_; }
    int BaseHeight() const { return baseHeight_; }
    int ToPixelsX(int units) const;
    int ToPixelsY(int units) const;
    // Converts each edge of the rectangle given as (x, y, width, height) in dialog units.
    QRect ToPixels(int x, int y, int width, int height) const;
    QSize ToPixels(int width, int height) const;
    void Place(QWidget& widget, int x, int y, int width, int height) const;

    // How many pixels the control lacks to show its whole text (0 when it has room).
    static int MissingWidth(const QWidget& control);
    // A translated text may be longer than the English one a rectangle was drawn for: widens
    // every control of the column by what the neediest one lacks, moves the controls to its
    // right over by as much, and gives that width (0 when every text has room).
    static int WidenColumn(std::initializer_list<QWidget*> column,
                           std::initializer_list<QWidget*> toTheRight);

private:
    int baseWidth_;
    int baseHeight_;
};

}  // namespace flipstone
