#pragma once

#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

namespace flipstone {

// The value of the game over its course: one bar per position, up for black ahead and down for
// white, in the palette's own colours so that it reads on light and dark desktops alike. A click
// selects a position; its text equivalent is the value at the selected position.
class ReviewGraph : public QWidget {
    Q_OBJECT

public:
    explicit ReviewGraph(QWidget* parent = nullptr);

    // Black's disc difference after each number of moves (0 for the start); nothing where the
    // review has not judged the position yet.
    void SetValues(std::vector<std::optional<int>> values);
    // The position after `ply` moves is marked; -1 marks none.
    void SetSelectedPly(int ply);
    int SelectedPly() const { return selected_; }

    // "after move 23, Black +6".
    static QString ValueText(int ply, int blackValue);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void PlyClicked(int ply);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QRect PlotArea() const;
    // The scale's half height in discs: the largest value shown, at least a few discs.
    int Scale() const;
    int PlyAt(int x) const;
    void UpdateText();

    std::vector<std::optional<int>> values_;
    int selected_ = -1;
};

}  // namespace flipstone
