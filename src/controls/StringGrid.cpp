#include "controls/StringGrid.h"

#include <qdrawutil.h>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <iterator>

namespace {

// A press this close to a column's right border in a header row grabs the border.
constexpr int kSizingReach = 3;

const QColor kFixedLineColor(0, 0, 0);
const QColor kLineColor(192, 192, 192);
const QColor kLineColorOnSilver(128, 128, 128);

// Takes the element at `from` out and puts it in at `to`; the ones between close up.
template <typename T>
void MoveElement(std::vector<T>& elements, int from, int to) {
    const auto begin = elements.begin();
    if (from < to) {
        std::rotate(begin + from, begin + from + 1, begin + to + 1);
    } else {
        std::rotate(begin + to, begin + from, begin + from + 1);
    }
}

}  // namespace

// ---- TGridAxis ----

void TGridAxis::SetCount(int count, int defaultExtent) {
    extents_.resize(static_cast<size_t>(count), defaultExtent);
    fixed_ = std::min(fixed_, count - 1);
}

bool TGridAxis::SetFixed(int fixed) {
    if (fixed < 0 || fixed >= Count()) {
        return false;
    }
    fixed_ = fixed;
    return true;
}

void TGridAxis::ResetExtents(int extent) {
    std::fill(extents_.begin(), extents_.end(), extent);
}

void TGridAxis::Move(int from, int to) {
    MoveElement(extents_, from, to);
}

int TGridAxis::FixedLength(int line) const {
    int length = 0;
    for (int i = 0; i < fixed_; ++i) {
        length += Extent(i) + line;
    }
    return length;
}

int TGridAxis::Start(int index, int first, int line) const {
    if (index < 0 || index >= Count() || (index >= fixed_ && index < first)) {
        return -1;
    }
    int pos = 0;
    for (int i = 0; i < fixed_ && i < index; ++i) {
        pos += Extent(i) + line;
    }
    for (int i = first; i < index; ++i) {
        pos += Extent(i) + line;
    }
    return pos;
}

int TGridAxis::IndexAt(int pos, int first, int line, int length) const {
    if (pos < 0 || pos >= length) {
        return -1;
    }
    for (int index : Visible(first, line, length)) {
        if (pos < Start(index, first, line) + Extent(index) + line) {
            return index;
        }
    }
    return -1;
}

std::vector<int> TGridAxis::Visible(int first, int line, int length) const {
    std::vector<int> visible;
    int pos = 0;
    const auto take = [&](int index) {
        if (pos < length) {
            visible.push_back(index);
        }
        pos += Extent(index) + line;
    };
    for (int i = 0; i < fixed_; ++i) {
        take(i);
    }
    for (int i = first; i < Count() && pos < length; ++i) {
        take(i);
    }
    return visible;
}

int TGridAxis::FirstFittingUpTo(int last, int room, int line) const {
    int first = last;
    int used = Extent(last) + line;
    while (first > fixed_ && used + Extent(first - 1) + line <= room) {
        --first;
        used += Extent(first) + line;
    }
    return first;
}

int TGridAxis::LastFirst(int line, int length) const {
    return FirstFittingUpTo(Count() - 1, length - FixedLength(line), line);
}

int TGridAxis::FirstShowing(int index, int first, int line, int length) const {
    if (index < fixed_) {
        return first;
    }
    if (index <= first) {
        return index;
    }
    // Scroll forward only as far as needed to show `index` completely as the last entry.
    return std::max(first, FirstFittingUpTo(index, length - FixedLength(line), line));
}

int TGridAxis::FullyVisibleCount(int first, int line, int length) const {
    int room = length - FixedLength(line);
    int count = 0;
    for (int i = first; i < Count() && Extent(i) + line <= room; ++i) {
        room -= Extent(i) + line;
        ++count;
    }
    return std::max(1, count);
}

// ---- TStringGrid: data ----

TStringGrid::TStringGrid(QWidget* parent)
    : QAbstractScrollArea(parent),
      color_(Qt::white),
      fixedColor_(palette().color(QPalette::Button)),
      current_(1, 1),
      anchor_(1, 1) {
    cols_.SetCount(5, defaultColWidth_);
    rows_.SetCount(5, defaultRowHeight_);
    cols_.SetFixed(1);
    rows_.SetFixed(1);
    // Focus by mouse comes from mousePressEvent, so that only presses on cells give it.
    setFocusPolicy(Qt::TabFocus);
    viewport()->setMouseTracking(true);
    GeometryChanged();
}

const QString* TStringGrid::HeldText(int col, int row) const {
    if (col < 0 || row < 0 || static_cast<size_t>(col) >= cells_.size()) {
        return nullptr;
    }
    const auto& column = cells_[static_cast<size_t>(col)];
    const bool held =
        static_cast<size_t>(row) < column.size() && !column[static_cast<size_t>(row)].isNull();
    return held ? &column[static_cast<size_t>(row)] : nullptr;
}

int TStringGrid::SourceField(int col) const {
    return static_cast<size_t>(col) < sourceFields_.size() ? sourceFields_[static_cast<size_t>(col)]
                                                           : col;
}

QString TStringGrid::Cells(int col, int row) const {
    if (const QString* held = HeldText(col, row)) {
        return *held;
    }
    const int index = row - rowSourceFirst_;
    if (rowSource_ && col >= 0 && index >= 0 && index < rowSource_->Count()) {
        return rowSource_->Text(SourceField(col), index);
    }
    return {};
}

void TStringGrid::SetRowSource(int firstRow, std::shared_ptr<const TGridRowSource> source) {
    rowSource_ = std::move(source);
    rowSourceFirst_ = std::max(0, firstRow);
    for (auto& column : cells_) {
        column.resize(std::min(column.size(), static_cast<size_t>(rowSourceFirst_)));
    }
    viewport()->update();
}

void TStringGrid::SetCells(int col, int row, const QString& text) {
    if (col < 0 || row < 0) {
        return;
    }
    if (static_cast<size_t>(col) >= cells_.size()) {
        cells_.resize(static_cast<size_t>(col) + 1);
    }
    auto& column = cells_[static_cast<size_t>(col)];
    if (static_cast<size_t>(row) >= column.size()) {
        column.resize(static_cast<size_t>(row) + 1);
    }
    // An empty text is held as well, in front of a row source: only null means "none held".
    column[static_cast<size_t>(row)] = text.isNull() ? QString(QLatin1String("")) : text;
    viewport()->update();
}

void TStringGrid::SetColCount(int count) {
    cols_.SetCount(std::max(1, count), defaultColWidth_);
    GeometryChanged();
}

void TStringGrid::SetRowCount(int count) {
    rows_.SetCount(std::max(1, count), defaultRowHeight_);
    GeometryChanged();
}

void TStringGrid::SetFixedCols(int count) {
    if (cols_.SetFixed(count)) {
        GeometryChanged();
    }
}

void TStringGrid::SetFixedRows(int count) {
    if (rows_.SetFixed(count)) {
        GeometryChanged();
    }
}

void TStringGrid::SetDefaultColWidth(int width) {
    defaultColWidth_ = std::max(0, width);
    cols_.ResetExtents(defaultColWidth_);
    GeometryChanged();
}

void TStringGrid::SetDefaultRowHeight(int height) {
    defaultRowHeight_ = std::max(0, height);
    rows_.ResetExtents(defaultRowHeight_);
    GeometryChanged();
}

int TStringGrid::ColWidths(int col) const {
    return col >= 0 && col < ColCount() ? cols_.Extent(col) : 0;
}

void TStringGrid::SetColWidths(int col, int width) {
    if (col >= 0 && col < ColCount()) {
        cols_.SetExtent(col, std::max(0, width));
        GeometryChanged();
    }
}

void TStringGrid::SetGridLineWidth(int width) {
    gridLineWidth_ = std::max(0, width);
    GeometryChanged();
}

void TStringGrid::SetOptions(TGridOptions options) {
    options_ = options;
    GeometryChanged();
}

void TStringGrid::SetColor(const QColor& color) {
    color_ = color;
    viewport()->update();
}

void TStringGrid::SetFixedColor(const QColor& color) {
    fixedColor_ = color;
    viewport()->update();
}

void TStringGrid::SetDefaultDrawing(bool on) {
    defaultDrawing_ = on;
    viewport()->update();
}

void TStringGrid::SetCol(int col) {
    MoveCurrent(col, Row(), false);
}

void TStringGrid::SetRow(int row) {
    MoveCurrent(Col(), row, false);
}

TGridRect TStringGrid::Selection() const {
    TGridRect selection{std::min(anchor_.x(), current_.x()), std::min(anchor_.y(), current_.y()),
                        std::max(anchor_.x(), current_.x()), std::max(anchor_.y(), current_.y())};
    if ((options_ & goRowSelect) && wholeRows_) {
        selection.Left = FixedCols();
        selection.Right = ColCount() - 1;
    }
    return selection;
}

void TStringGrid::SetSelection(const TGridRect& selection) {
    MoveCurrent(selection.Left, selection.Top, false);
    MoveCurrent(selection.Right, selection.Bottom, true);
    wholeRows_ = false;
}

QPoint TStringGrid::NearestNonFixed(QPoint cell) const {
    return QPoint(std::clamp(cell.x(), FixedCols(), ColCount() - 1),
                  std::clamp(cell.y(), FixedRows(), RowCount() - 1));
}

void TStringGrid::MoveCurrent(int col, int row, bool keepAnchor) {
    current_ = NearestNonFixed(QPoint(col, row));
    wholeRows_ = true;
    if (!keepAnchor) {
        anchor_ = current_;
    }
    ScrollInView(current_.x(), current_.y());
    viewport()->update();
}

void TStringGrid::ClampCurrent() {
    current_ = NearestNonFixed(current_);
    anchor_ = NearestNonFixed(anchor_);
}

void TStringGrid::MoveColumn(int from, int to) {
    if (from < 0 || to < 0 || from >= ColCount() || to >= ColCount() || from == to) {
        return;
    }
    const auto needed = static_cast<size_t>(std::max(from, to)) + 1;
    if (cells_.size() < needed) {
        cells_.resize(needed);
    }
    MoveElement(cells_, from, to);
    for (int col = static_cast<int>(sourceFields_.size()); col < ColCount(); ++col) {
        sourceFields_.push_back(col);
    }
    MoveElement(sourceFields_, from, to);
    cols_.Move(from, to);
    // The current cell and the anchor stay with the texts they stood on.
    const auto follow = [from, to](int col) {
        if (col == from) {
            return to;
        }
        if (from < to && col > from && col <= to) {
            return col - 1;
        }
        if (to < from && col >= to && col < from) {
            return col + 1;
        }
        return col;
    };
    current_.setX(follow(current_.x()));
    anchor_.setX(follow(anchor_.x()));
    GeometryChanged();
}

// ---- TStringGrid: geometry and scrolling ----

int TStringGrid::ColLine() const {
    return options_ & (goFixedVertLine | goVertLine) ? gridLineWidth_ : 0;
}

int TStringGrid::RowLine() const {
    return options_ & (goFixedHorzLine | goHorzLine) ? gridLineWidth_ : 0;
}

int TStringGrid::TopRow() const {
    return FixedRows() + verticalScrollBar()->value();
}

void TStringGrid::SetTopRow(int row) {
    verticalScrollBar()->setValue(row - FixedRows());
}

int TStringGrid::LeftCol() const {
    return FixedCols() + horizontalScrollBar()->value();
}

void TStringGrid::SetLeftCol(int col) {
    horizontalScrollBar()->setValue(col - FixedCols());
}

QRect TStringGrid::CellRect(int col, int row) const {
    const int x = cols_.Start(col, LeftCol(), ColLine());
    const int y = rows_.Start(row, TopRow(), RowLine());
    if (x < 0 || y < 0 || x >= viewport()->width() || y >= viewport()->height()) {
        return {};
    }
    return QRect(x, y, cols_.Extent(col), rows_.Extent(row));
}

void TStringGrid::MouseToCell(const QPoint& pos, int& col, int& row) const {
    col = cols_.IndexAt(pos.x(), LeftCol(), ColLine(), viewport()->width());
    row = rows_.IndexAt(pos.y(), TopRow(), RowLine(), viewport()->height());
    if (col < 0 || row < 0) {
        col = row = -1;
    }
}

void TStringGrid::ScrollInView(int col, int row) {
    SetTopRow(rows_.FirstShowing(row, TopRow(), RowLine(), viewport()->height()));
    if (!(options_ & goRowSelect)) {
        SetLeftCol(cols_.FirstShowing(col, LeftCol(), ColLine(), viewport()->width()));
    }
}

void TStringGrid::GeometryChanged() {
    ClampCurrent();
    const auto fitBar = [](QScrollBar* bar, const TGridAxis& axis, int first, int line,
                           int length) {
        bar->setRange(0, axis.LastFirst(line, length) - axis.Fixed());
        bar->setPageStep(axis.FullyVisibleCount(first, line, length));
    };
    fitBar(verticalScrollBar(), rows_, TopRow(), RowLine(), viewport()->height());
    fitBar(horizontalScrollBar(), cols_, LeftCol(), ColLine(), viewport()->width());
    viewport()->update();
}

void TStringGrid::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    GeometryChanged();
}

void TStringGrid::scrollContentsBy(int /*dx*/, int /*dy*/) {
    viewport()->update();
}

// ---- TStringGrid: painting ----

TGridDrawState TStringGrid::DrawStateOf(int col, int row) const {
    TGridDrawState state;
    if (IsFixed(col, row)) {
        state |= gdFixed;
    } else if (Selection().Contains(col, row)) {
        state |= gdSelected;
    }
    if (hasFocus() && current_ == QPoint(col, row)) {
        state |= gdFocused;
    }
    return state;
}

QColor TStringGrid::BackgroundOf(TGridDrawState state) const {
    if (state & gdFixed) {
        return fixedColor_;
    }
    return state & gdSelected ? palette().color(QPalette::Highlight) : color_;
}

void TStringGrid::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), color_);
    const int width = viewport()->width();
    const int height = viewport()->height();
    for (int row : rows_.Visible(TopRow(), RowLine(), height)) {
        for (int col : cols_.Visible(LeftCol(), ColLine(), width)) {
            PaintCell(painter, col, row, CellRect(col, row));
        }
    }
    if (defaultDrawing_ && hasFocus()) {
        PaintFocusRect(painter);
    }
}

void TStringGrid::PaintCell(QPainter& painter, int col, int row, const QRect& rect) {
    const TGridDrawState state = DrawStateOf(col, row);
    PaintGridLines(painter, state, rect);
    painter.save();
    painter.setClipRect(rect);
    if (defaultDrawing_) {
        painter.fillRect(rect, BackgroundOf(state));
    }
    painter.setFont(font());
    painter.setPen(
        palette().color(state & gdSelected ? QPalette::HighlightedText : QPalette::Text));
    DrawCell(painter, col, row, rect, state);
    painter.restore();
    if (defaultDrawing_ && (state & gdFixed)) {
        qDrawShadePanel(&painter, rect, palette(), false, 1, nullptr);
    }
}

void TStringGrid::PaintGridLines(QPainter& painter, TGridDrawState state, const QRect& rect) {
    // Where its option is off, a line takes the cell's background, so neighbours join up.
    const bool fixed = state & gdFixed;
    const QColor background = BackgroundOf(state);
    const QColor normalLine = color_ == kLineColor ? kLineColorOnSilver : kLineColor;
    const auto lineColor = [&](TGridOption fixedOption, TGridOption normalOption) {
        if (options_ & (fixed ? fixedOption : normalOption)) {
            return fixed ? kFixedLineColor : normalLine;
        }
        return background;
    };
    const int colLine = ColLine();
    const int rowLine = RowLine();
    painter.fillRect(QRect(rect.left(), rect.bottom() + 1, rect.width(), rowLine),
                     lineColor(goFixedHorzLine, goHorzLine));
    painter.fillRect(QRect(rect.right() + 1, rect.top(), colLine, rect.height() + rowLine),
                     lineColor(goFixedVertLine, goVertLine));
}

void TStringGrid::PaintFocusRect(QPainter& painter) {
    // Only the shown part of the selection is looked at, however many rows it spans: the
    // frame runs from its first shown cell to its last.
    const TGridRect selection = Selection();
    const auto shownRange = [](const std::vector<int>& visible, int first, int last) {
        std::vector<int> shown;
        std::copy_if(visible.begin(), visible.end(), std::back_inserter(shown),
                     [&](int index) { return index >= first && index <= last; });
        return shown;
    };
    const std::vector<int> rows = shownRange(
        rows_.Visible(TopRow(), RowLine(), viewport()->height()), selection.Top, selection.Bottom);
    const std::vector<int> cols = shownRange(
        cols_.Visible(LeftCol(), ColLine(), viewport()->width()), selection.Left, selection.Right);
    if (rows.empty() || cols.empty()) {
        return;
    }
    const QRect area = CellRect(cols.front(), rows.front()) | CellRect(cols.back(), rows.back());
    if (area.isEmpty()) {
        return;
    }
    painter.setPen(QPen(palette().color(QPalette::HighlightedText), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(0, 0, -1, -1));
}

void TStringGrid::DrawCell(QPainter& painter, int col, int row, const QRect& rect,
                           TGridDrawState /*state*/) {
    if (defaultDrawing_) {
        DrawCellText(painter, rect, Cells(col, row));
    }
}

void TStringGrid::DrawCellText(QPainter& painter, const QRect& rect, const QString& text,
                               Qt::Alignment horizontal) {
    painter.drawText(rect.adjusted(2, 0, 0, 0), horizontal | Qt::AlignVCenter | Qt::TextSingleLine,
                     text);
}

// ---- TStringGrid: keyboard and mouse ----

void TStringGrid::keyPressEvent(QKeyEvent* event) {
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const bool rowSelect = options_ & goRowSelect;
    const int page = rows_.FullyVisibleCount(TopRow(), RowLine(), viewport()->height());
    int col = Col();
    int row = Row();
    switch (event->key()) {
        case Qt::Key_Up:
            --row;
            break;
        case Qt::Key_Down:
            ++row;
            break;
        case Qt::Key_PageUp:
            row -= page;
            break;
        case Qt::Key_PageDown:
            row += page;
            break;
        case Qt::Key_Left:
        case Qt::Key_Right: {
            const int step = event->key() == Qt::Key_Left ? -1 : 1;
            if (rowSelect) {
                // Whole rows are selected, so sideways keys only scroll.
                SetLeftCol(LeftCol() + step);
                event->accept();
                return;
            }
            col += step;
            break;
        }
        case Qt::Key_Home:
            if (ctrl || rowSelect) {
                row = FixedRows();
            } else {
                col = FixedCols();
            }
            break;
        case Qt::Key_End:
            if (ctrl || rowSelect) {
                row = RowCount() - 1;
            } else {
                col = ColCount() - 1;
            }
            break;
        default:
            QAbstractScrollArea::keyPressEvent(event);
            return;
    }
    const bool extend = (options_ & goRangeSelect) && (event->modifiers() & Qt::ShiftModifier);
    MoveCurrent(col, row, extend);
    event->accept();
}

int TStringGrid::SizingColumnAt(const QPoint& pos) const {
    const int headerBottom = rows_.FixedLength(RowLine());
    if (!(options_ & goColSizing) || pos.y() < 0 || pos.y() >= headerBottom) {
        return -1;
    }
    // The nearest border wins; on a tie the later column, so a column of width 0 can be widened.
    int best = -1;
    int bestDistance = kSizingReach;
    for (int col : cols_.Visible(LeftCol(), ColLine(), viewport()->width())) {
        const int border = cols_.Start(col, LeftCol(), ColLine()) + cols_.Extent(col);
        const int distance = std::abs(pos.x() - border);
        if (distance <= bestDistance) {
            best = col;
            bestDistance = distance;
        }
    }
    return best;
}

void TStringGrid::StartColumnSizing(int col, const QPoint& pos) {
    mouseState_ = MouseState::SizingColumn;
    mouseCol_ = col;
    sizingStartX_ = pos.x();
    sizingStartWidth_ = cols_.Extent(col);
}

void TStringGrid::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    const int sizingCol = SizingColumnAt(pos);
    int col = -1;
    int row = -1;
    MouseToCell(pos, col, row);
    if (col < 0 && sizingCol < 0) {
        return;
    }
    setFocus(Qt::MouseFocusReason);
    if (event->button() != Qt::LeftButton) {
        return;
    }
    if (sizingCol >= 0) {
        StartColumnSizing(sizingCol, pos);
    } else if (row < FixedRows()) {
        if ((options_ & goColMoving) && col >= FixedCols()) {
            mouseState_ = MouseState::MovingColumn;
            mouseCol_ = col;
        }
    } else if (col >= FixedCols()) {
        const bool extend = (options_ & goRangeSelect) && (event->modifiers() & Qt::ShiftModifier);
        MoveCurrent(col, row, extend);
        mouseState_ = MouseState::Selecting;
    }
}

void TStringGrid::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    switch (mouseState_) {
        case MouseState::SizingColumn:
            SetColWidths(mouseCol_, sizingStartWidth_ + pos.x() - sizingStartX_);
            break;
        case MouseState::Selecting: {
            int col = -1;
            int row = -1;
            MouseToCell(pos, col, row);
            if (col >= FixedCols() && row >= FixedRows() && QPoint(col, row) != current_) {
                MoveCurrent(col, row, options_ & goRangeSelect);
            }
            break;
        }
        case MouseState::Idle:
            viewport()->setCursor(SizingColumnAt(pos) >= 0 ? Qt::SplitHCursor : Qt::ArrowCursor);
            break;
        case MouseState::MovingColumn:
            break;
    }
}

void TStringGrid::mouseReleaseEvent(QMouseEvent* event) {
    if (mouseState_ == MouseState::MovingColumn) {
        int col = -1;
        int row = -1;
        MouseToCell(event->position().toPoint(), col, row);
        if (col >= FixedCols()) {
            MoveColumn(mouseCol_, col);
        }
    }
    mouseState_ = MouseState::Idle;
    mouseCol_ = -1;
}

void TStringGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

void TStringGrid::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void TStringGrid::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}
