// The busy cursor over the application while a reading blocks the window, restored however the
// reading ends.
#pragma once

#include <QApplication>
#include <QCursor>

class BusyCursor {
public:
    BusyCursor() {
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        // The window system is told now, not when the event loop next runs after the reading.
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};
