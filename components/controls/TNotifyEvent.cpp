#include "TNotifyEvent.h"

#include "Exception.h"

#include <cerrno>
#include <cstdio>

namespace {

void ReportOnStandardError(const Exception& E) {
  // Nowhere else to tell it: a stream that takes nothing loses the report.
  static_cast<void>(std::fprintf(stderr, "%s\n", E.what()));
}

TEventExceptionReport CurrentReport = ReportOnStandardError;

void Report(const Exception& E) noexcept {
  try {
    CurrentReport(E);
  } catch (...) {
    // Showing the report failed too (out of memory): the message goes to the standard error
    // stream instead, as unwinding through Qt is no option.
    static_cast<void>(
        std::fprintf(stderr, "%s: %s\n", program_invocation_short_name, E.Message().c_str()));
  }
}

} // namespace

void SetEventExceptionReport(TEventExceptionReport Report) {
  CurrentReport = Report ? Report : ReportOnStandardError;
}

// NOLINTNEXTLINE(performance-unnecessary-value-param): a copy on purpose (see the header)
void CallEvent(TNotifyEvent Event, TObject* Sender) {
  if (!Event)
    return;
  try {
    Event(Sender);
  } catch (const Exception& E) {
    Report(E);
  } catch (const std::exception& E) {
    Report(Exception(E.what()));
  } catch (...) {
    Report(Exception(""));
  }
}
