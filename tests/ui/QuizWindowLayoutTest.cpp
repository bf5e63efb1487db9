// What the quiz window looks like: nothing overlaps or is cut off, whatever entry is up, and
// every character has a glyph in the font the window really uses.
#include "FontFamilies.h"
#include "QuizProgress.h"
#include "TApplication.h"
#include "TButton.h"
#include "TEdit.h"
#include "TLabel.h"
#include "TMemo.h"
#include "Unit1.h"

#include <QAbstractTextDocumentLayout>
#include <QFontDatabase>
#include <QFontInfo>
#include <QRawFont>
#include <QTest>
#include <QTextBlock>
#include <gtest/gtest.h>
#include <string>
#include <vector>

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

// The entry box stands in the run of spaces of "답은       번", clear of the ink on both sides,
// and the button stays clear of the sentence.
void ExpectEntryBoxInItsSentence(const QString& Face) {
  const TLabel* Sentence = Form1->Label1;
  const QString Caption = Sentence->text();
  const int Gap = Caption.indexOf(' ');
  const int AfterGap = Caption.lastIndexOf(' ') + 1;
  const QRect Box = Form1->Edit1->geometry();
  EXPECT_LT(InkX(Sentence, "", Caption.left(Gap)).second, Box.left())
      << Face.toStdString() << ": the box covers the words before the gap";
  EXPECT_GT(InkX(Sentence, Caption.left(AfterGap), Caption.mid(AfterGap)).first, Box.right())
      << Face.toStdString() << ": the box covers the word after it";
  EXPECT_GT(Form1->Button1->x(), Sentence->geometry().right()) << Face.toStdString();
}

// At every entry the choices stand in one row inside the window's margins (the left one, up to
// the leftmost control, mirrored on the right), each label the size of its caption, at least a
// space apart.
void ExpectChoicesFit(const QString& Face) {
  const TLabel* Choices[] = {Form1->Label3, Form1->Label4, Form1->Label5, Form1->Label6};
  const int Margin = Form1->Memo1->x();
  const int WasUp = CurrentQuestion;
  for (CurrentQuestion = 0; CurrentQuestion < QuestionCount; ++CurrentQuestion) {
    Form1->Timer1Timer(Form1);
    const std::string Where = Face.toStdString() + ", entry " + std::to_string(CurrentQuestion);
    EXPECT_GE(Choices[0]->x(), Margin) << Where;
    for (int I = 0; I < ChoiceCount; ++I) {
      EXPECT_EQ(Choices[I]->size(), Choices[I]->sizeHint()) << Where;
      if (I > 0) {
        EXPECT_GE(Choices[I]->x() - Choices[I - 1]->geometry().right() - 1,
                  Choices[I]->fontMetrics().horizontalAdvance(' '))
            << Where << ", choices " << I << " and " << I + 1;
      }
    }
    EXPECT_LE(Choices[ChoiceCount - 1]->geometry().right(), Form1->width() - Margin - 1) << Where;
    const TMemo* Memo = Form1->Memo1;
    const QRectF Text =
        Memo->document()->documentLayout()->blockBoundingRect(Memo->document()->firstBlock());
    EXPECT_LE(Text.height(), Memo->viewport()->height()) << Where;
  }
  CurrentQuestion = WasUp;
  Form1->Timer1Timer(Form1);
}

} // namespace

TEST_F(QuizWindowLayout, TheWindowCarriesTheApplicationIcon) {
  EXPECT_TRUE(Form1->windowIcon().availableSizes().contains(QSize(32, 32)));
}

// The font database may list faces under their localised names (나눔바른고딕 under a Korean
// locale); the window must get the face it was drawn for all the same.
TEST_F(QuizWindowLayout, TheWindowGetsTheFaceItWasDrawnForInAnyLocale) {
  if (!QFontDatabase::hasFamily("NanumBarunGothic"))
    GTEST_SKIP() << "NanumBarunGothic is not installed";
  EXPECT_EQ(QFontInfo(Form1->font()).family(), QFontInfo(QFont("NanumBarunGothic")).family());
}

TEST_F(QuizWindowLayout, ChoicesKeepTheirDesignedPlacesWhenTheyFit) {
  const TLabel* Choices[] = {Form1->Label3, Form1->Label4, Form1->Label5, Form1->Label6};
  std::vector<int> Designed;
  for (const TLabel* Choice : Choices)
    Designed.push_back(Choice->x());
  CurrentQuestion = 0; // the shortest captions
  Form1->Timer1Timer(Form1);
  for (int I = 0; I < ChoiceCount; ++I)
    EXPECT_EQ(Choices[I]->x(), Designed[I]) << "choice " << I + 1;
}

// Each Korean face the window may end up with, whichever of them a machine has: everything fits.
TEST_F(QuizWindowLayout, EveryEntryFitsInEveryKoreanFaceTheWindowMayGet) {
  QStringList Faces = FontFamilies(QString());
  Faces.removeLast();       // the default sans-serif: it has no Hangul of its own
  Faces.prepend(QString()); // the window's own font
  const QFont Designed = Form1->font();
  for (const QString& Face : Faces) {
    QFont Font = Designed;
    if (!Face.isEmpty())
      Font.setFamilies({Face});
    Form1->setFont(Font);
    const QString Name = QFontInfo(Font).family();
    ExpectChoicesFit(Name);
    ExpectEntryBoxInItsSentence(Name);
  }
}

// A window narrower than designed (a large frame, a user's drag): the row gives up its gaps
// before it gives up its place, and never goes past the margin or overlaps.
TEST_F(QuizWindowLayout, ChoicesStayInsideANarrowerWindow) {
  const TLabel* First = Form1->Label3;
  const TLabel* Last = Form1->Label6;
  auto ShowLongestCaptions = [] {
    CurrentQuestion = 18;
    Form1->Timer1Timer(Form1);
  };
  ShowLongestCaptions();
  const int Room = Last->geometry().right() + 1 + Form1->Memo1->x(); // the row and a margin
  const int Left = First->x();
  Form1->resize(Room - Last->fontMetrics().horizontalAdvance(' '), Form1->height());
  EXPECT_EQ(First->x(), Left) << "moved left before its gaps shrank";
  Form1->resize(Room - 40, Form1->height()); // room enough only once the row moves left too
  ExpectChoicesFit("a window 40 pixels narrower");
  Form1->resize(Room + 100, Form1->height());
  ShowLongestCaptions();
  EXPECT_EQ(Last->geometry().right() + 1 + Form1->Memo1->x(), Room) << "did not move back";
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
