#pragma once

#include <QString>

// The few calls that reach the operating system directly.
namespace Platform {

// The default alert sound.
void beep();

// Starts `program` with its own folder as working directory, never through
// a shell; a program that fails to start is silently ignored. Returns
// whether it started.
bool launchPublisherProgram(const QString &program);

} // namespace Platform
