#include "TLabel.h"

#include <QEvent>
#include <algorithm>
#include <vector>

namespace {

int SpaceWidth(const QWidget* Widget, int Spaces) {
  return Widget->fontMetrics().horizontalAdvance(QString(Spaces, QLatin1Char(' ')));
}

} // namespace

TLabel::TLabel(TComponent* Owner)
    : QLabel(qobject_cast<QWidget*>(Owner)), TControl(static_cast<QWidget&>(*this)) {
  setTextFormat(Qt::PlainText);
  // A window that changes size (a frame taken off its outer size, a user dragging its border)
  // may give a row more or less room.
  if (parentWidget())
    parentWidget()->installEventFilter(this);
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

void TLabel::SetFocusControl(QWidget* Control) {
  setBuddy(Control);
  ArrangeRow();
}

void TLabel::changeEvent(QEvent* Event) {
  QLabel::changeEvent(Event);
  if (Event->type() == QEvent::FontChange)
    FitToCaption();
}

bool TLabel::eventFilter(QObject* Watched, QEvent* Event) {
  if (Watched == parentWidget() && Event->type() == QEvent::Resize)
    ArrangeRow();
  return QLabel::eventFilter(Watched, Event);
}

void TLabel::FitToCaption() {
  resize(sizeHint());
  ArrangeRow();
}

// Where the label would stand with nothing else on its row: its designed place, unless its focus
// control sits on it outside the caption's widest run of spaces; then where that run is centred
// on the control.
int TLabel::WantedLeft() const {
  const QWidget* Control = buddy();
  if (!Control || Control->parentWidget() != parentWidget() || Control->y() >= y() + height() ||
      y() >= Control->y() + Control->height())
    return DesignLeft_;
  const QString Caption = text();
  qsizetype RunStart = -1;
  qsizetype RunLength = 1; // a run is two spaces or more
  for (qsizetype I = 0; I < Caption.size();) {
    qsizetype End = I;
    while (End < Caption.size() && Caption[End] == QLatin1Char(' '))
      ++End;
    if (End - I > RunLength) {
      RunStart = I;
      RunLength = End - I;
    }
    I = std::max(End, I + 1);
  }
  if (RunStart < 0)
    return DesignLeft_;
  const QFontMetrics Metrics = fontMetrics();
  const int Origin = contentsRect().x();
  const int GapLeft = Origin + Metrics.horizontalAdvance(Caption.left(RunStart));
  const int GapRight = Origin + Metrics.horizontalAdvance(Caption.left(RunStart + RunLength));
  const int ControlLeft = Control->x();
  const int ControlRight = Control->x() + Control->width();
  if (ControlRight <= DesignLeft_ || ControlLeft >= DesignLeft_ + width())
    return DesignLeft_; // beside the caption, not on it
  if (DesignLeft_ + GapLeft < ControlLeft && DesignLeft_ + GapRight > ControlRight)
    return DesignLeft_;
  return (ControlLeft + ControlRight) / 2 - (GapLeft + GapRight) / 2;
}

// The left edge of the window's leftmost control, as designed: the margin a row keeps.
int TLabel::LeftMargin(const QWidget& Parent) {
  int Margin = Parent.width();
  for (const QWidget* Child : Parent.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    const auto* Label = qobject_cast<const TLabel*>(Child);
    Margin = std::min(Margin, Label ? Label->DesignLeft_ : Child->x());
  }
  return std::max(Margin, 0);
}

void TLabel::ArrangeRow() {
  QWidget* Parent = parentWidget();
  if (!Parent)
    return;
  struct Place {
    TLabel* Label;
    int Wanted;
    int Left;
  };
  std::vector<Place> Row;
  for (TLabel* Label : Parent->findChildren<TLabel*>(Qt::FindDirectChildrenOnly))
    if (Label->y() == y())
      Row.push_back({Label, Label->WantedLeft(), 0});
  std::sort(Row.begin(), Row.end(),
            [](const Place& A, const Place& B) { return A.Wanted < B.Wanted; });

  // Left to right from the wanted places, two spaces at least between captions.
  int FreeFrom = 0;
  for (Place& P : Row) {
    P.Left = std::max(P.Wanted, FreeFrom);
    FreeFrom = P.Left + P.Label->width() + SpaceWidth(P.Label, 2);
  }
  // Past the right margin: right to left, pulling each caption back as far as needed, gaps down
  // to one space; the row as a whole moves left only once every gap is that narrow.
  // The right margin mirrors the left one, so that a caption never ends flush with the border.
  const int Margin = LeftMargin(*Parent);
  const int Right = Parent->width() - Margin;
  if (!Row.empty() && Row.back().Left + Row.back().Label->width() > Right) {
    int FreeTo = Right;
    for (auto It = Row.rbegin(); It != Row.rend(); ++It) {
      It->Left = std::min(It->Left, FreeTo - It->Label->width());
      FreeTo = It->Left - SpaceWidth(It->Label, 1);
    }
    // Never past the window's margin; a row too long for the window then runs off its right
    // edge rather than overlap.
    FreeFrom = Margin;
    for (Place& P : Row) {
      P.Left = std::max(P.Left, FreeFrom);
      FreeFrom = P.Left + P.Label->width() + SpaceWidth(P.Label, 1);
    }
  }
  for (const Place& P : Row)
    if (P.Left != P.Label->x())
      P.Label->move(P.Left, P.Label->y());
}
