#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

class StderrCapture;
class Translations;

// A message the toolkit gave while it started: its logging category ("qt.qpa.xcb"; empty for
// none) and its text.
struct ToolkitMessage {
  QString Category;
  QString Text;
};

// A shortage that keeps the toolkit from starting.
enum class Shortage { None, Descriptors, Memory };

// Whether the program could take a little more of either: asked where the toolkit failed, before
// anything it holds is freed. The toolkit does not always name the shortage (a plugin it could
// not load, for want of a descriptor to open it or of room to map it).
Shortage ShortageNow();

// Before the toolkit starts: whether it will have the descriptors it needs (seven more than are
// open), the soft limit raised towards the hard one where that helps. The toolkit takes some ten
// descriptors (its display connection, event wake-ups, D-Bus, shared memory, the plugins and
// fonts it opens on the way); with fewer it crashes (GLib), hangs (an X reply that carries a
// descriptor) or loses its input method, without saying why.
Shortage ShortageBeforeStart();

// Before the toolkit starts: settles what it would read from the environment and could not use.
// A scale (QT_SCALE_FACTOR, QT_SCREEN_SCALE_FACTORS) or font resolution (QT_FONT_DPI) that is not
// a positive number, or that would make the window many times larger than a screen, is named in
// one line and dropped: the program goes on at the usual scale. An XAUTHORITY that names something
// other than a file (a device or a pipe, which the X library would read for ever) is named, and
// the program ends with exit status 1.
void SettleToolkitEnvironment(const Translations& Texts);

// Once the toolkit has started, while what it printed is still held back (Printed, dropped if the
// program ends here): where it has no screen, says so in one line, and in a second what it said
// while it started (Messages); where its screen has fewer than 16 bits a pixel (which it cannot
// paint on), says so in one line. Either way, ends the program with exit status 1.
void RequirePaintableScreen(const std::vector<ToolkitMessage>& Messages, StderrCapture& Printed,
                            const Translations& Texts);

// Tells, in at most three lines on standard error, why the toolkit could not start: which
// display or platform was tried, and the toolkit's own reason (Messages: what it said while
// starting; Printed: the lines its libraries printed; Fatal: its last word) with a hint that fits
// the platform that failed; or, when the cause is a shortage of file descriptors or memory
// (named in what was said, else Found), that shortage and the limit behind it; or, when no display
// is set at all, how to start the program. In the user's language as far as Texts has it (the
// toolkit's own words stay as they are), with control characters and those that cannot be seen
// shown by their codes. Then ends the program with exit status 1.
[[noreturn]] void ReportStartupFailure(const std::vector<ToolkitMessage>& Messages,
                                       const QStringList& Printed, const QString& Fatal,
                                       Shortage Found, const Translations& Texts);

// Where not even a message box can be made to report an error: says on standard error what the
// box would have said (Message, if anything) and the shortage behind the failure (Found, else as
// found now), in the user's language as far as Texts (if any) has it; then ends the program with
// exit status 1. Never throws: with no room to say even that, it says "out of memory".
[[noreturn]] void ReportUnshowableError(const std::string& Message, Shortage Found,
                                        const Translations* Texts) noexcept;

// Words of the toolkit's that mean it cannot go on: that it could not start a thread (which,
// before the event loop runs, it waits for for ever), and that its connection to the X server
// broke (where it ends the process itself, with a line or three of its own that do not name the
// cause when that is a shortage).
bool IsThreadFailure(const QString& Text);
bool IsBrokenConnection(const QString& Text);
