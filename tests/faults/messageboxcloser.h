#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

// Closes every message box that comes up, keeping its title and text.
class MessageBoxCloser : public QObject
{
public:
    MessageBoxCloser()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                seen << box->windowTitle() + QLatin1Char('|') + box->text();
                icons << box->icon();
                box->button(QMessageBox::Ok)->click();
            }
        });
        m_timer.start(20);
    }
    QStringList seen;
    QList<QMessageBox::Icon> icons;

private:
    QTimer m_timer;
};
