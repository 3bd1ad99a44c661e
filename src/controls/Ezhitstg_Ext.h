#pragma once

#include <QColor>
#include <QPixmap>
#include <array>
#include <functional>

#include "controls/StringGrid.h"

// Horizontal placement of a cell's text.
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

using TNotifyEvent = std::function<void(QObject* Sender)>;
using TSortHitListColEvent = std::function<void(QObject* Sender, int ACol)>;
using TDeactivateSortHitListEvent = std::function<void(QObject* Sender)>;

// The hit grid: a string grid whose data rows alternate between two colours, whose fixed cells
// have their own text colour, and whose column at position 3 shows platform pictures in place
// of its texts. A press in column 0 picks the row, double-clicks on rows 0 and 1 raise events,
// Ctrl+A selects the hits from the second on, Ctrl+C copies the selected hits with the header
// line first as tab-separated lines, and the end of a column resize is announced.
class TEzHitGrid : public TStringGrid {
    Q_OBJECT

public:
    explicit TEzHitGrid(QWidget* parent = nullptr);

    // true: presses and double-clicks behave as in a plain string grid.
    bool EASY_220() const { return easy220_; }
    void SetEASY_220(bool on) { easy220_ = on; }
    TAlignment DefaultAlignment() const { return defaultAlignment_; }
    void SetDefaultAlignment(TAlignment alignment);
    // Background of the data rows with an even number; shows from the next repaint on.
    QColor ColorAlt() const { return colorAlt_; }
    void SetColorAlt(const QColor& color) { colorAlt_ = color; }
    // Text colour of the fixed cells; shows from the next repaint on.
    QColor FixedColsFontColor() const { return fixedColsFontColor_; }
    void SetFixedColsFontColor(const QColor& color) { fixedColsFontColor_ = color; }

    TSortHitListColEvent OnSortHitListCol;                // left double-click, row 0, column > 0
    TDeactivateSortHitListEvent OnDeactivateSortHitList;  // left double-click, row 0, column 0
    TNotifyEvent OnCallHitListConfig;                     // left double-click, row 1, column > 0
    TNotifyEvent OnColSizing;                             // release that ends a column resize

    // The selected data rows as lines of tab-separated cells, row 0 (the header) first; empty
    // when no data row is selected.
    QString SelectedRowsAsText() const;

protected:
    void DrawCell(QPainter& painter, int col, int row, const QRect& rect,
                  TGridDrawState state) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void DrawPlatformPictures(QPainter& painter, const QRect& rect, const QString& text);
    const std::array<QPixmap, 4>& PlatformPictures();
    // Raises the double-click event that belongs to the cell; true when the press is consumed.
    bool RaiseDoubleClickEvent(int col, int row);
    void SelectFromSecondHit();
    QString RowAsText(int row) const;

    bool easy220_ = false;
    TAlignment defaultAlignment_ = TAlignment::taLeftJustify;
    QColor colorAlt_{0, 0, 0};
    QColor fixedColsFontColor_{0, 0, 0};
    std::array<QPixmap, 4> pictures_;  // Win, Mac, Unix, OS2; a null one is not drawn
    bool picturesRead_ = false;
};
