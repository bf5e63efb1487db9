#pragma once

#include "MemoPaintTrace.h"
#include "TControl.h"

#include <QPlainTextEdit>
#include <optional>

// A multi-line text box: editable, wraps at word boundaries, no scroll bars; Tab moves the focus
// on instead of typing a tab.
//
// Clear and AppendLine are usually called together to replace what the memo shows. The widget
// is only touched when the result differs from what it already holds, so putting the same text
// back costs nothing, while anything the user typed is replaced. A Clear that no AppendLine
// follows takes effect once control returns to the event loop; GetText sees it at once.
//
// For benchmarks it traces its paints (see MemoPaintTrace).
class TMemo : public QPlainTextEdit, public TControl {
  Q_OBJECT

public:
  explicit TMemo(QWidget* Parent);

  AnsiString GetText() const override;
  void SetText(const AnsiString& Value) override;
  void Clear();
  // Adds Line as the new last line.
  void AppendLine(const AnsiString& Line);

protected:
  void paintEvent(QPaintEvent* Event) override;

private:
  AnsiString Contents() const;
  void Show(const AnsiString& Text);
  void ApplyPending();

  // What a Clear without AppendLine yet will leave.
  std::optional<AnsiString> Pending_;
  // The text last put in the widget, while the user has not edited it since.
  AnsiString Shown_;
  MemoPaintTrace Trace_;
  bool ApplyQueued_ = false;
};
