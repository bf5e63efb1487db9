#include "TNotifyEvent.h"

#include "Exception.h"
#include "TApplication.h"

namespace {

void Report(const Exception& E) noexcept {
  try {
    Application->ShowException(E);
  } catch (...) {
    // Reporting failed too (out of memory); dropping the report beats unwinding through Qt.
  }
}

} // namespace

void CallEvent(const TNotifyEvent& Event, TObject* Sender) {
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
