#pragma once

#include <QString>
#include <QStringList>

// Tells, in at most three lines on standard error, why the toolkit could not start: which
// display or platform was tried and the toolkit's own reason (ToolkitMessages: what it said
// about its platform while starting; Fatal: its last word), or, when no display is set at all,
// how to start the program. Then ends the program with exit status 1.
[[noreturn]] void ReportStartupFailure(const QStringList& ToolkitMessages, const QString& Fatal);
