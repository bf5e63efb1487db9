#include "TNotifyEvent.h"

#include "Exception.h"

#include <cstdio>

namespace {

void ReportOnStandardError(const Exception& E) {
  std::fprintf(stderr, "%s\n", E.what());
}

TEventExceptionReport CurrentReport = ReportOnStandardError;

void Report(const Exception& E) noexcept {
  try {
    CurrentReport(E);
  } catch (...) {
    // Reporting failed too (out of memory); dropping the report beats unwinding through Qt.
  }
}

} // namespace

void SetEventExceptionReport(TEventExceptionReport Report) {
  CurrentReport = Report ? Report : ReportOnStandardError;
}

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
