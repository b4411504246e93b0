#include "hintdelaystyle.h"

#include <QApplication>

HintDelayStyle::HintDelayStyle(const QString &baseStyleKey, int delayMs)
    : QProxyStyle(baseStyleKey)
    , m_delayMs(delayMs)
{ }

int HintDelayStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                              QStyleHintReturn *returnData) const
{
    if (hint == SH_ToolTip_WakeUpDelay)
        return m_delayMs;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void HintDelayStyle::install(int delayMs)
{
    QStyle *current = QApplication::style();
    if (auto *ours = qobject_cast<HintDelayStyle *>(current); ours && ours->delayMs() == delayMs)
        return;
    // A fresh base by name: the application deletes its old style when it
    // takes the new one, so the proxy must not wrap that instance.
    QString base = current->name();
    if (auto *proxy = qobject_cast<QProxyStyle *>(current); proxy && proxy->baseStyle())
        base = proxy->baseStyle()->name();
    QApplication::setStyle(new HintDelayStyle(base, delayMs));
}
