// Closes every message box as soon as it is shown, noting what it showed.
#pragma once

#include <QApplication>
#include <QList>
#include <QMessageBox>
#include <QTimer>

namespace lumora::testing {

class MessageBoxCloser : public QObject {
public:
    struct Shown {
        QString title;
        QString text;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
    };

    MessageBoxCloser() {
        connect(&poll_, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible()) return;
            shown.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons()});
            box->done(QMessageBox::Ok);
        });
        poll_.start(5);
    }

    QList<Shown> shown;

private:
    QTimer poll_;
};

}  // namespace lumora::testing
