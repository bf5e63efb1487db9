// The floor: the quiz window's widgets in a bare Qt Widgets program, with no component layer,
// no form description and no timer. scripts/bench measures the quiz against it.
//
// It shows what the quiz shows once its first tick has filled the window in: the same top-level
// size and position, the same widgets at the same places with the same texts and font. Its memo
// traces its paints as the quiz's does (MemoPaintTrace).

#include "MemoPaintTrace.h"

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

namespace {

class Memo : public QPlainTextEdit {
public:
  explicit Memo(QWidget* Parent) : QPlainTextEdit(Parent) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
  }

protected:
  void paintEvent(QPaintEvent* Event) override {
    QPlainTextEdit::paintEvent(Event);
    Trace_.Painted(*this);
  }

private:
  MemoPaintTrace Trace_;
};

// A label at its place, as wide and high as its caption needs.
QLabel* AddLabel(QWidget* Parent, int Left, int Top, const char* Caption) {
  auto* Label = new QLabel(QString::fromUtf8(Caption), Parent);
  Label->setTextFormat(Qt::PlainText);
  Label->move(Left, Top);
  Label->resize(Label->sizeHint());
  return Label;
}

} // namespace

int main(int argc, char** argv) {
  QApplication App(argc, argv);

  QWidget Window;
  Window.setWindowTitle(QString::fromUtf8("역사 문제들!!!"));
  QFont Font = Window.font();
  Font.setFamilies({QStringLiteral("NanumBarunGothic"), QStringLiteral("NanumGothic"),
                    QStringLiteral("sans-serif")});
  Font.setPixelSize(20);
  Window.setFont(Font);
  Window.move(192, 125);
  Window.resize(651, 508);

  QLabel* Answer = AddLabel(&Window, 35, 338, "답은       번");
  QLabel* Question = AddLabel(&Window, 24, 32, "문제:");
  AddLabel(&Window, 64, 264, "1:견훤");
  AddLabel(&Window, 176, 264, "2:궁예");
  AddLabel(&Window, 296, 264, "3:왕건");
  AddLabel(&Window, 416, 264, "4:금강");

  auto* Edit = new QLineEdit(&Window);
  Edit->setGeometry(72, 336, 25, 33);

  auto* Text = new Memo(&Window);
  Text->setGeometry(24, 64, 569, 121);
  Text->setPlainText(QString::fromUtf8("1.후고구려는 누가 세웠나요?"));

  auto* Button = new QPushButton(QString::fromUtf8("확 인"), &Window);
  Button->setGeometry(136, 336, 75, 25);

  Answer->setBuddy(Edit);
  Question->setBuddy(Text);
  QWidget::setTabOrder(Edit, Text);
  QWidget::setTabOrder(Text, Button);
  Edit->setFocus(Qt::TabFocusReason);

  Window.show();
  return QApplication::exec();
}
