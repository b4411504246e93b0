#pragma once

#include <QProxyStyle>

// The platform style with one change: how long the pointer must rest on a
// widget before its tool tip shows. Qt reads that delay from the style.
class HintDelayStyle : public QProxyStyle
{
    Q_OBJECT
public:
    HintDelayStyle(const QString &baseStyleKey, int delayMs);

    int delayMs() const { return m_delayMs; }

    int styleHint(StyleHint hint, const QStyleOption *option = nullptr, const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;

    // Sets the delay for the whole application, keeping its current style.
    static void install(int delayMs);

private:
    int m_delayMs;
};
