#pragma once

#include <QByteArray>
#include <QString>

// The few calls that reach the operating system directly, and the few
// differences between the systems the game runs on.
namespace Platform {

// Before the application object exists: screen scale factors are rounded to
// whole device pixels per designed pixel (a desktop at 150 % draws 2 x 2
// blocks, one at 125 % plain pixels), and on Windows Qt's own FreeType font
// engine is chosen, unless QT_QPA_PLATFORM says otherwise, so that the
// shipped fonts draw as they do on Linux.
void prepareApplication();

// Once the application object exists: on Windows, the Fusion style that
// Linux shows, so that dialogs look and measure the same.
void setUpApplication();

// A QT_SCALE_FACTOR value with any fraction rounded to the nearest whole
// factor, halves upwards ("1.25" -> "1", "1.5" -> "2"); an empty or
// unreadable value is returned as it is, for Qt to judge.
QByteArray wholeScaleFactor(const QByteArray &value);

// The default alert sound.
void beep();

// Starts `program` with its own folder as working directory, never through
// a shell; a program that fails to start is silently ignored. Returns
// whether it started.
bool launchPublisherProgram(const QString &program);

} // namespace Platform
