#pragma once

#include <QString>
#include <QStringList>

class Translations;

// Tells, in at most three lines on standard error, why the toolkit could not start: which
// display or platform was tried and the toolkit's own reason (ToolkitMessages: what it said
// about its platform while starting; Fatal: its last word), or, when no display is set at all,
// how to start the program, in the user's language as far as Texts has it (the toolkit's own
// words stay as they are). Then ends the program with exit status 1.
[[noreturn]] void ReportStartupFailure(const QStringList& ToolkitMessages, const QString& Fatal,
                                       const Translations& Texts);
