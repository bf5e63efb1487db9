#pragma once

// The quiz window. Its components and their layout come from the description TFORM1
// (Unit1.json); the two handlers connect them to the quiz: Timer1Timer keeps the window showing
// the entry that is up and closes it once the quiz is finished, and Button1Click judges the
// number typed into Edit1, shows the verdict and moves the quiz on after a correct answer.

#include "TForm.h"

class TButton;
class TEdit;
class TLabel;
class TMemo;
class TTimer;

Q_MOC_INCLUDE("TButton.h")
Q_MOC_INCLUDE("TEdit.h")
Q_MOC_INCLUDE("TLabel.h")
Q_MOC_INCLUDE("TMemo.h")
Q_MOC_INCLUDE("TTimer.h")

class TForm1 : public TForm {
  Q_OBJECT
  Q_PROPERTY(TEdit* Edit1 MEMBER Edit1)
  Q_PROPERTY(TLabel* Label1 MEMBER Label1)
  Q_PROPERTY(TLabel* Label2 MEMBER Label2)
  Q_PROPERTY(TMemo* Memo1 MEMBER Memo1)
  Q_PROPERTY(TLabel* Label3 MEMBER Label3)
  Q_PROPERTY(TLabel* Label4 MEMBER Label4)
  Q_PROPERTY(TLabel* Label5 MEMBER Label5)
  Q_PROPERTY(TLabel* Label6 MEMBER Label6)
  Q_PROPERTY(TButton* Button1 MEMBER Button1)
  Q_PROPERTY(TTimer* Timer1 MEMBER Timer1)

public:
  TEdit* Edit1 = nullptr;
  TLabel* Label1 = nullptr;
  TLabel* Label2 = nullptr;
  TMemo* Memo1 = nullptr;
  TLabel* Label3 = nullptr;
  TLabel* Label4 = nullptr;
  TLabel* Label5 = nullptr;
  TLabel* Label6 = nullptr;
  TButton* Button1 = nullptr;
  TTimer* Timer1 = nullptr;

  Q_INVOKABLE void Timer1Timer(TObject* Sender);
  Q_INVOKABLE void Button1Click(TObject* Sender);

  explicit TForm1(TComponent* Owner);
};

extern TForm1* Form1;
