// What the quiz window looks like: nothing overlaps or is cut off, whatever entry is up, and
// every character has a glyph in the font the window really uses.
#include "QuizProgress.h"
#include "TApplication.h"
#include "TButton.h"
#include "TEdit.h"
#include "TLabel.h"
#include "TMemo.h"
#include "Unit1.h"

#include <QAbstractTextDocumentLayout>
#include <QFontInfo>
#include <QRawFont>
#include <QTest>
#include <QTextBlock>
#include <gtest/gtest.h>

namespace {

class QuizWindowLayout : public ::testing::Test {
protected:
  void SetUp() override {
    Application->CreateForm(Form1);
    Form1->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form1));
  }
};

// Where, in form coordinates, the ink of Piece starts and ends when the caption of Label is drawn
// with Before in front of it.
std::pair<int, int> InkX(const TLabel* Label, const QString& Before, const QString& Piece) {
  const QFontMetrics Metrics = Label->fontMetrics();
  const int Origin = Label->x() + Label->contentsRect().x() + Metrics.horizontalAdvance(Before);
  const QRect Ink = Metrics.tightBoundingRect(Piece);
  return {Origin + Ink.left(), Origin + Ink.right()};
}

} // namespace

TEST_F(QuizWindowLayout, TheEntryBoxSitsInTheGapOfItsSentence) {
  const TLabel* Sentence = Form1->Label1;
  const QString Caption = Sentence->text();
  const int Gap = Caption.indexOf(' ');
  const int AfterGap = Caption.lastIndexOf(' ') + 1;
  const QRect Box = Form1->Edit1->geometry();
  EXPECT_LT(InkX(Sentence, "", Caption.left(Gap)).second, Box.left())
      << "covers the words before the gap";
  EXPECT_GT(InkX(Sentence, Caption.left(AfterGap), Caption.mid(AfterGap)).first, Box.right())
      << "covers the word after it";
  EXPECT_GT(Form1->Button1->x(), Sentence->geometry().right());
}

TEST_F(QuizWindowLayout, TheWindowCarriesTheApplicationIcon) {
  EXPECT_TRUE(Form1->windowIcon().availableSizes().contains(QSize(32, 32)));
}

TEST_F(QuizWindowLayout, EveryEntryFitsWithoutOverlapOrClipping) {
  for (CurrentQuestion = 0; CurrentQuestion < QuestionCount; ++CurrentQuestion) {
    Form1->Timer1Timer(Form1);
    const TLabel* Choices[] = {Form1->Label3, Form1->Label4, Form1->Label5, Form1->Label6};
    for (int I = 0; I < ChoiceCount; ++I) {
      EXPECT_EQ(Choices[I]->size(), Choices[I]->sizeHint()) << "entry " << CurrentQuestion;
      if (I > 0) {
        EXPECT_LT(Choices[I - 1]->geometry().right(), Choices[I]->x())
            << "entry " << CurrentQuestion << ", choices " << I << " and " << I + 1;
      }
    }
    EXPECT_LE(Choices[ChoiceCount - 1]->geometry().right(), Form1->width())
        << "entry " << CurrentQuestion;
    const TMemo* Memo = Form1->Memo1;
    const QRectF Text =
        Memo->document()->documentLayout()->blockBoundingRect(Memo->document()->firstBlock());
    EXPECT_LE(Text.height(), Memo->viewport()->height()) << "entry " << CurrentQuestion;
  }
}

TEST_F(QuizWindowLayout, EveryCharacterHasAGlyphInTheFontInUse) {
  // Exactly the family the window resolved, without the per-character fallback that would
  // hide a missing glyph.
  QFont Font(QFontInfo(Form1->font()).family());
  Font.setPixelSize(Form1->font().pixelSize());
  const QRawFont Raw = QRawFont::fromFont(Font);
  ASSERT_TRUE(Raw.isValid());

  QStringList Texts = {Form1->windowTitle(), Form1->Label1->text(), Form1->Label2->text(),
                       Form1->Button1->text()};
  for (int Entry = 0; Entry < QuestionCount; ++Entry) {
    Texts << QString::fromStdString(Questions[Entry]);
    for (const AnsiString& Choice : Choices[Entry])
      Texts << QString::fromStdString(Choice);
  }
  Texts << QString::fromStdString(VerdictText(true)) << QString::fromStdString(VerdictText(false))
        << "1:2:3:4:";
  for (const QString& Text : Texts)
    for (const uint Character : Text.toUcs4())
      if (Character != ' ') {
        EXPECT_TRUE(Raw.supportsCharacter(Character))
            << Raw.familyName().toStdString() << " has no glyph for U+" << std::hex << Character
            << " in " << Text.toStdString();
      }
}
