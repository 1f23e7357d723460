// Hourglass cursor.
#include "common/BusyCursor.h"

#include <QApplication>
#include <QCursor>

namespace kinemo {

void TQtBusyCursor::Begin() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }

void TQtBusyCursor::End() { QApplication::restoreOverrideCursor(); }

}  // namespace kinemo
