#pragma once

#include <QAbstractScrollArea>
#include <QColor>
#include <QFlags>
#include <QPoint>
#include <QRect>
#include <QString>
#include <memory>
#include <vector>

class QPainter;

// Switches of a string grid: which grid lines are drawn and what the mouse and keys may do.
enum TGridOption : unsigned {
    goFixedVertLine = 0x01,  // vertical lines between fixed cells
    goFixedHorzLine = 0x02,  // horizontal lines between fixed cells
    goVertLine = 0x04,       // vertical lines between normal cells
    goHorzLine = 0x08,       // horizontal lines between normal cells
    goRangeSelect = 0x10,    // Shift+keys and dragging extend the selection
    goColSizing = 0x20,      // a column's border in the header rows can be dragged
    goColMoving = 0x40,      // a header cell can be dragged to move its column
    goRowSelect = 0x80,      // clicks and navigation keys select whole rows
};
Q_DECLARE_FLAGS(TGridOptions, TGridOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TGridOptions)

// What the grid knows about a cell when it asks for it to be drawn.
enum TGridDrawStateFlag : unsigned {
    gdSelected = 0x1,  // inside the selection
    gdFocused = 0x2,   // the current cell while the grid has the focus
    gdFixed = 0x4,     // a fixed (header) cell
};
Q_DECLARE_FLAGS(TGridDrawState, TGridDrawStateFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TGridDrawState)

// Texts of a run of grid rows that the grid asks for when it shows or is asked for them,
// instead of holding a copy of each: a long list costs neither time nor memory until shown.
class TGridRowSource {
public:
    virtual ~TGridRowSource() = default;
    virtual int Count() const = 0;
    // Text of field `field` of entry `index`; a column shows the field of its first position
    // wherever it has been moved to (TStringGrid::SourceField).
    virtual QString Text(int field, int index) const = 0;
};

// A block of cells, both corners included.
struct TGridRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    bool Contains(int col, int row) const {
        return col >= Left && col <= Right && row >= Top && row <= Bottom;
    }
    friend bool operator==(const TGridRect&, const TGridRect&) = default;
};

// The columns or the rows of a grid: the extent (width or height) of each, and how many of them
// at the start are fixed. Laid out along the viewport, the fixed ones come first, then the
// scrolling ones from a first index on; each is followed by a grid line of `line` pixels.
class TGridAxis {
public:
    int Count() const { return static_cast<int>(extents_.size()); }
    int Fixed() const { return fixed_; }
    int Extent(int index) const { return extents_[static_cast<size_t>(index)]; }

    // New entries get `defaultExtent`. The fixed count drops below the new count if needed.
    void SetCount(int count, int defaultExtent);
    // Refuses (returns false for) a fixed count below 0 or not below Count().
    bool SetFixed(int fixed);
    void SetExtent(int index, int extent) { extents_[static_cast<size_t>(index)] = extent; }
    void ResetExtents(int extent);
    void Move(int from, int to);

    int FixedLength(int line) const;
    // Position of an entry's leading edge, or -1 for an entry scrolled out before `first`.
    int Start(int index, int first, int line) const;
    // Entry at a position inside [0, length); the line after an entry counts to it. -1 outside.
    int IndexAt(int pos, int first, int line, int length) const;
    // Entries drawn at least partly inside [0, length): the fixed ones, then from `first` on.
    std::vector<int> Visible(int first, int line, int length) const;
    // Smallest first index that still shows the last entry completely.
    int LastFirst(int line, int length) const;
    // First index to scroll to so that `index` is shown completely, starting from `first`.
    int FirstShowing(int index, int first, int line, int length) const;
    // How many scrolling entries from `first` on are shown completely (at least 1).
    int FullyVisibleCount(int first, int line, int length) const;

private:
    int FirstFittingUpTo(int last, int room, int line) const;

    std::vector<int> extents_;
    int fixed_ = 0;
};

// A scrollable table of text cells with fixed header rows and columns, per-column widths, a current
// cell and a selection. Subclasses draw cells their own way by overriding DrawCell, and add to the
// mouse and key handling by overriding the Qt handlers and calling the base.
//
// Focus: the grid takes the focus by Tab and by a press on one of its cells (the mouse handler
// gives it), not by a press on an empty area beside the cells.
// Double-clicks: the second press of a double-click is passed to mousePressEvent as well; its
// event type then is QEvent::MouseButtonDblClick.
class TStringGrid : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit TStringGrid(QWidget* parent = nullptr);

    // Texts are kept for any column and row from 0 on, also outside ColCount x RowCount, so they
    // reappear when the grid grows again. Negative indices read as empty and are not written.
    QString Cells(int col, int row) const;
    void SetCells(int col, int row, const QString& text);
    // Rows from `firstRow` on show the entries of `source` (nullptr: none) and drop the texts
    // held for them; a text set afterwards with SetCells takes the place of the source's. Moved
    // columns keep showing their own field, also from a new source.
    void SetRowSource(int firstRow, std::shared_ptr<const TGridRowSource> source);
    // The field a column shows from a row source: the position it had before any move.
    int SourceField(int col) const;

    int ColCount() const { return cols_.Count(); }
    void SetColCount(int count);  // at least 1; FixedCols drops to count - 1 if needed
    int RowCount() const { return rows_.Count(); }
    void SetRowCount(int count);  // at least 1; FixedRows drops to count - 1 if needed
    int FixedCols() const { return cols_.Fixed(); }
    void SetFixedCols(int count);  // ignored unless 0 <= count < ColCount
    int FixedRows() const { return rows_.Fixed(); }
    void SetFixedRows(int count);  // ignored unless 0 <= count < RowCount

    int DefaultColWidth() const { return defaultColWidth_; }
    void SetDefaultColWidth(int width);  // sets every column to this width
    int DefaultRowHeight() const { return defaultRowHeight_; }
    void SetDefaultRowHeight(int height);   // sets every row to this height
    int ColWidths(int col) const;           // 0 outside the columns
    void SetColWidths(int col, int width);  // ignored outside the columns; below 0 counts as 0
    int GridLineWidth() const { return gridLineWidth_; }
    void SetGridLineWidth(int width);

    TGridOptions Options() const { return options_; }
    void SetOptions(TGridOptions options);
    QColor Color() const { return color_; }
    void SetColor(const QColor& color);
    QColor FixedColor() const { return fixedColor_; }
    void SetFixedColor(const QColor& color);
    // true: the grid fills cell backgrounds, writes the texts, and draws the 3D edges of fixed
    // cells and the focus rectangle. false: it only draws the grid lines and calls DrawCell.
    bool DefaultDrawing() const { return defaultDrawing_; }
    void SetDefaultDrawing(bool on);

    // The current cell; setting it (clamped to the non-fixed cells) also collapses the selection.
    int Col() const { return current_.x(); }
    void SetCol(int col);
    int Row() const { return current_.y(); }
    void SetRow(int row);
    // Block between the anchor and the current cell; with goRowSelect all non-fixed columns.
    TGridRect Selection() const;
    // Anchor (Left, Top) and current cell (Right, Bottom), each clamped to the non-fixed cells.
    // The block keeps its columns also with goRowSelect, until a key or a click moves on.
    void SetSelection(const TGridRect& selection);

    // First scrolling row and column shown after the fixed ones.
    int TopRow() const;
    void SetTopRow(int row);
    int LeftCol() const;
    void SetLeftCol(int col);

    // Rectangle of a cell in viewport coordinates, exactly column width x row height; an empty
    // QRect for a cell that is not shown.
    QRect CellRect(int col, int row) const;
    // Cell under a viewport point; a grid line counts to the cell before it. -1/-1 outside.
    void MouseToCell(const QPoint& pos, int& col, int& row) const;
    // Moves a column with its texts (all rows) and width; other columns close up.
    void MoveColumn(int from, int to);
    // true from a press that starts a column resize until the release that ends it.
    bool IsSizingColumn() const { return mouseState_ == MouseState::SizingColumn; }

protected:
    // Draws one cell after its background has been filled. The painter is clipped to `rect`, has
    // the grid's font and a pen of the cell's text colour; changes to it stay within this call.
    virtual void DrawCell(QPainter& painter, int col, int row, const QRect& rect,
                          TGridDrawState state);
    // Writes a text the grid's way: one line, vertically centred, 2 pixels in from the left edge,
    // '&' shown as itself, cut off at the rectangle without an ellipsis.
    static void DrawCellText(QPainter& painter, const QRect& rect, const QString& text,
                             Qt::Alignment horizontal = Qt::AlignLeft);

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    enum class MouseState { Idle, Selecting, SizingColumn, MovingColumn };

    int ColLine() const;
    int RowLine() const;
    bool IsFixed(int col, int row) const { return col < FixedCols() || row < FixedRows(); }
    TGridDrawState DrawStateOf(int col, int row) const;
    QColor BackgroundOf(TGridDrawState state) const;
    void PaintCell(QPainter& painter, int col, int row, const QRect& rect);
    void PaintGridLines(QPainter& painter, TGridDrawState state, const QRect& rect);
    void PaintFocusRect(QPainter& painter);
    int SizingColumnAt(const QPoint& pos) const;
    void StartColumnSizing(int col, const QPoint& pos);
    QPoint NearestNonFixed(QPoint cell) const;
    void MoveCurrent(int col, int row, bool keepAnchor);
    void ScrollInView(int col, int row);
    void ClampCurrent();
    void GeometryChanged();

    const QString* HeldText(int col, int row) const;

    std::vector<std::vector<QString>> cells_;  // [column][row]; null: no text held
    std::shared_ptr<const TGridRowSource> rowSource_;
    int rowSourceFirst_ = 0;
    std::vector<int> sourceFields_;  // source field shown at each column position, if moved
    TGridAxis cols_;
    TGridAxis rows_;
    int defaultColWidth_ = 64;
    int defaultRowHeight_ = 24;
    int gridLineWidth_ = 1;
    TGridOptions options_ =
        goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect;
    QColor color_;
    QColor fixedColor_;
    bool defaultDrawing_ = true;
    QPoint current_;  // x = column, y = row
    QPoint anchor_;
    bool wholeRows_ = true;  // with goRowSelect, the selection spans all non-fixed columns
    MouseState mouseState_ = MouseState::Idle;
    int mouseCol_ = -1;         // column being sized or moved
    int sizingStartX_ = 0;      // press position of a column resize
    int sizingStartWidth_ = 0;  // width of the column at that press
};
