#pragma once

#include <QString>

// The few calls that reach the operating system directly.
namespace Platform {

// The default alert sound.
void beep();

// Starts the publisher's program "velune.exe" from `workDir`, with that
// directory as its working directory. Never through a shell; a missing or
// failing program is silently ignored. Returns whether it started.
bool launchPublisherProgram(const QString &workDir);

} // namespace Platform
