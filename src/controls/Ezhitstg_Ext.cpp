#include "controls/Ezhitstg_Ext.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "controls/BitBtn.h"

namespace {

// Column position whose cells show platform pictures instead of their text.
constexpr int kPlatformColumn = 3;
// Longest cell text that is drawn.
constexpr int kMaxDrawnLength = 255;
constexpr int kTextIndent = 2;
constexpr int kPictureTop = 2;
constexpr int kPictureSize = 16;

// The platform words, looked for with exact letter case, and where each picture goes,
// counted from the indented left edge of the cell.
struct PlatformPicture {
    const char* word;
    const char* resource;
    int offset;
};
constexpr PlatformPicture kPlatformPictures[] = {
    {"Win", ":/platforms/BM_WIN", 0},
    {"Mac", ":/platforms/BM_MAC", 20},
    {"Unix", ":/platforms/BM_UNIX", 40},
    {"OS2", ":/platforms/BM_OS2", 60},
};

Qt::Alignment QtAlignmentOf(TAlignment alignment) {
    switch (alignment) {
        case TAlignment::taRightJustify:
            return Qt::AlignRight;
        case TAlignment::taCenter:
            return Qt::AlignHCenter;
        case TAlignment::taLeftJustify:
            break;
    }
    return Qt::AlignLeft;
}

}  // namespace

TEzHitGrid::TEzHitGrid(QWidget* parent) : TStringGrid(parent) {
    SetOptions(goColSizing | goRowSelect);
}

void TEzHitGrid::SetDefaultAlignment(TAlignment alignment) {
    defaultAlignment_ = alignment;
    viewport()->update();
}

// ---- drawing ----

void TEzHitGrid::DrawCell(QPainter& painter, int col, int row, const QRect& rect,
                          TGridDrawState state) {
    const bool fixed = col < FixedCols() || row < FixedRows();
    if (row % 2 == 0 && !fixed) {
        painter.fillRect(rect, colorAlt_);
    }
    if (state & gdSelected) {
        painter.fillRect(rect, palette().color(QPalette::Highlight));
    }
    if (!DefaultDrawing()) {
        return;
    }
    if (fixed) {
        painter.setPen(fixedColsFontColor_);
    }
    const QString text = Cells(col, row).left(kMaxDrawnLength);
    // The platform field is drawn as pictures wherever the user has moved its column.
    if (SourceField(col) == kPlatformColumn && row > 0) {
        DrawPlatformPictures(painter, rect, text);
        return;
    }
    DrawCellText(painter, rect, text, QtAlignmentOf(defaultAlignment_));
}

// Read at the first hit drawn rather than with the grid: a window that starts without hits
// shows sooner.
const std::array<QPixmap, 4>& TEzHitGrid::PlatformPictures() {
    if (!picturesRead_) {
        for (std::size_t i = 0; i < pictures_.size(); ++i) {
            // Kept as Windows keeps a bitmap resource: a device-independent bitmap, no header.
            pictures_[i] =
                LoadTransparentGlyph(QString::fromLatin1(kPlatformPictures[i].resource), "dib");
        }
        picturesRead_ = true;
    }
    return pictures_;
}

void TEzHitGrid::DrawPlatformPictures(QPainter& painter, const QRect& rect, const QString& text) {
    const std::array<QPixmap, 4>& pictures = PlatformPictures();
    const int left = rect.left() + kTextIndent;
    const int right = rect.left() + rect.width();  // just behind the cell
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const PlatformPicture& place = kPlatformPictures[i];
        const int x = left + place.offset;
        if (text.contains(QLatin1String(place.word), Qt::CaseSensitive) &&
            x + kPictureSize < right && !pictures[i].isNull()) {
            painter.drawPixmap(QPoint(x, rect.top() + kPictureTop), pictures[i]);
        }
    }
}

// ---- mouse and keys ----

bool TEzHitGrid::RaiseDoubleClickEvent(int col, int row) {
    if (row == 1 && col > 0) {
        if (OnCallHitListConfig) {
            OnCallHitListConfig(this);
        }
        return true;
    }
    if (row == 0 && col > 0) {
        if (OnSortHitListCol) {
            OnSortHitListCol(this, col);
        }
        return true;
    }
    if (row == 0 && col == 0) {
        if (OnDeactivateSortHitList) {
            OnDeactivateSortHitList(this);
        }
        return true;
    }
    return false;
}

void TEzHitGrid::mousePressEvent(QMouseEvent* event) {
    if (!easy220_) {
        int col = -1;
        int row = -1;
        MouseToCell(event->position().toPoint(), col, row);
        if (row > 1 && col == 0) {
            SetRow(row);
        }
        if (event->button() == Qt::LeftButton && event->type() == QEvent::MouseButtonDblClick &&
            RaiseDoubleClickEvent(col, row)) {
            event->accept();
            return;
        }
    }
    TStringGrid::mousePressEvent(event);
}

void TEzHitGrid::mouseReleaseEvent(QMouseEvent* event) {
    const bool sizing = IsSizingColumn();
    TStringGrid::mouseReleaseEvent(event);
    if (sizing && OnColSizing) {
        OnColSizing(this);
    }
}

void TEzHitGrid::SelectFromSecondHit() {
    // The block starts at row 2; with fewer than two data rows, or without a column 1, there
    // is no such block and the selection stays as it is.
    if (RowCount() < 3 || ColCount() < 2) {
        return;
    }
    SetSelection(TGridRect{1, 2, ColCount() - 1, RowCount() - 1});
}

QString TEzHitGrid::RowAsText(int row) const {
    QStringList cells;
    for (int col = 0; col < ColCount(); ++col) {
        cells << Cells(col, row);
    }
    return cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
}

QString TEzHitGrid::SelectedRowsAsText() const {
    // The selection always lies inside the grid; row 0 is the header, never a hit.
    const TGridRect selection = Selection();
    QString text;
    for (int row = std::max(selection.Top, 1); row <= selection.Bottom; ++row) {
        text += RowAsText(row);
    }
    return text.isEmpty() ? text : RowAsText(0) + text;
}

void TEzHitGrid::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        if (const QString text = SelectedRowsAsText(); !text.isEmpty()) {
            QGuiApplication::clipboard()->setText(text);
        }
        return;
    }
    TStringGrid::keyPressEvent(event);
    if (event->key() == Qt::Key_A && (event->modifiers() & Qt::ControlModifier)) {
        SelectFromSecondHit();
        event->accept();
    }
}
