#pragma once

#include "MemoPaintTrace.h"
#include "TControl.h"
#include "TObject.h"

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
// A description may set: the control properties (TControl.h), Text, Lines and TabOrder.
//
// With the logging category components.memo.paint on (QT_LOGGING_RULES), it traces each new
// text it paints (see MemoPaintTrace).
class TMemo : public QPlainTextEdit, public TControl {
  Q_OBJECT
  Q_CLASSINFO("Published", "true")
  T_CONTROL_PROPERTIES
  Q_PROPERTY(AnsiString Text READ GetText WRITE SetText)
  Q_PROPERTY(QStringList Lines READ GetLines WRITE SetLines)
  Q_PROPERTY(int TabOrder READ GetTabOrder WRITE SetTabOrder)

public:
  Q_INVOKABLE explicit TMemo(TComponent* Owner);

  AnsiString GetText() const override;
  void SetText(const AnsiString& Value) override;
  void Clear();
  // Adds Line as the new last line.
  void AppendLine(const AnsiString& Line);
  QStringList GetLines() const;
  void SetLines(const QStringList& Lines);

protected:
  void paintEvent(QPaintEvent* Event) override;

private:
  AnsiString Contents() const;
  void Show(const AnsiString& Text);
  // Invoked by name from the event loop (Clear).
  Q_INVOKABLE void ApplyPending();

  // What a Clear without AppendLine yet will leave.
  std::optional<AnsiString> Pending_;
  // The text last put in the widget, while the user has not edited it since.
  AnsiString Shown_;
  MemoPaintTrace Trace_;
  bool ApplyQueued_ = false;
};
