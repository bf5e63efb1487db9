#include "TLabel.h"

#include <QEvent>
#include <algorithm>
#include <vector>

TLabel::TLabel(QWidget* Parent) : QLabel(Parent), TControl(static_cast<QWidget&>(*this)) {
  setTextFormat(Qt::PlainText);
}

AnsiString TLabel::GetText() const {
  return text().toStdString();
}

void TLabel::SetText(const AnsiString& Value) {
  const QString Caption = QString::fromStdString(Value);
  if (Caption == text())
    return;
  setText(Caption);
  FitToCaption();
}

void TLabel::SetBounds(int Left, int Top, int Width, int Height) {
  DesignLeft_ = Left;
  TControl::SetBounds(Left, Top, Width, Height);
  FitToCaption();
}

void TLabel::changeEvent(QEvent* Event) {
  QLabel::changeEvent(Event);
  if (Event->type() == QEvent::FontChange)
    FitToCaption();
}

void TLabel::FitToCaption() {
  const QSize Size = sizeHint();
  if (Size == size())
    return;
  resize(Size);
  ArrangeRow();
}

void TLabel::ArrangeRow() {
  QWidget* Parent = parentWidget();
  if (!Parent)
    return;
  std::vector<TLabel*> Row;
  for (TLabel* Label : Parent->findChildren<TLabel*>(Qt::FindDirectChildrenOnly))
    if (Label->y() == y())
      Row.push_back(Label);
  std::sort(Row.begin(), Row.end(),
            [](const TLabel* A, const TLabel* B) { return A->DesignLeft_ < B->DesignLeft_; });
  int FreeFrom = 0;
  for (TLabel* Label : Row) {
    const int Left = std::max(Label->DesignLeft_, FreeFrom);
    if (Left != Label->x())
      Label->move(Left, Label->y());
    FreeFrom = Left + Label->width() + Label->fontMetrics().horizontalAdvance(QStringLiteral("  "));
  }
}
