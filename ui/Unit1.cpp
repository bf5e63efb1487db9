#include "Unit1.h"

#include "QuizProgress.h"
#include "ShowMessage.h"
#include "StrToInt.h"
#include "TButton.h"
#include "TEdit.h"
#include "TLabel.h"
#include "TMemo.h"
#include "TTimer.h"

TForm1* Form1 = nullptr;

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
}
