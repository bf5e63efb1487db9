#include "Unit1.h"

#include "QuizProgress.h"
#include "ShowMessage.h"
#include "StrToInt.h"
#include "TButton.h"
#include "TEdit.h"
#include "TLabel.h"
#include "TMemo.h"
#include "TTimer.h"

#include <QCoreApplication>

TForm1* Form1 = nullptr;

namespace {

// What a screen reader says of Edit1 after its name when Edit1 gets the focus: the entry that is
// up, its question and then its four choices, each with its number.
AnsiString EntryToListenTo() {
  QString Text = QString::fromStdString(CurrentQuestionText());
  for (int Choice = 1; Choice <= ChoiceCount; ++Choice)
    //: Read out by a screen reader after the question: %1 is the choice's number, %2 its text.
    Text += QLatin1Char(' ') +
            QCoreApplication::translate("TForm1", "Choice %1: %2.")
                .arg(QString::number(Choice), QString::fromStdString(ChoiceText(Choice)));
  return Text.toStdString();
}

} // namespace

TForm1::TForm1(TComponent* Owner) : TForm(Owner) {}

void TForm1::Timer1Timer(TObject* /*Sender*/) {
  if (IsFinished()) {
    Form1->Close();
    return;
  }
  Memo1->Clear();
  Memo1->AppendLine(CurrentQuestionText());
  TLabel* const ChoiceLabels[ChoiceCount] = {Label3, Label4, Label5, Label6};
  for (int Choice = 1; Choice <= ChoiceCount; ++Choice)
    ChoiceLabels[Choice - 1]->SetText(ChoiceCaption(Choice));
  Edit1->SetDescription(EntryToListenTo());
}

void TForm1::Button1Click(TObject* /*Sender*/) {
  // In the moment between the last correct answer and the window closing there is nothing left
  // to judge.
  if (IsFinished())
    return;
  const bool Correct = CheckAnswer(StrToInt(Edit1->GetText()));
  ShowMessage(VerdictText(Correct));
  if (Correct)
    Advance();
  Edit1->SetText("");
  // Edit1 gets the focus back once this returns, and a screen reader then reads it: after a
  // correct answer it tells the next entry already, which the window shows at the next tick.
  if (!IsFinished())
    Edit1->SetDescription(EntryToListenTo());
}
