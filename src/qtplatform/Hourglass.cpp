#include "qtplatform/Hourglass.h"

#include <QApplication>

THourglass::THourglass() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

THourglass::~THourglass() {
    QApplication::restoreOverrideCursor();
}
