// Nothing overlaps or is cut off at any entry, in whichever Korean face the window gets; CTest
// runs these under several locales and scale factors too.
#include "FontFamilies.h"
#include "QuizWindowFixture.h"

#include <QAbstractTextDocumentLayout>
#include <QFontDatabase>
#include <QFontInfo>
#include <QTextBlock>

namespace {

using QuizWindowLayout = QuizWindowFixture;

void Show(int Entry) {
  CurrentQuestion = Entry;
  Form1->Timer1Timer(Form1);
}

// Where, in form coordinates, the ink of Piece starts and ends in Label's caption after Before.
std::pair<int, int> InkX(const TLabel* Label, const QString& Before, const QString& Piece) {
  const QFontMetrics Metrics = Label->fontMetrics();
  const int Origin = Label->x() + Label->contentsRect().x() + Metrics.horizontalAdvance(Before);
  const QRect Ink = Metrics.tightBoundingRect(Piece);
  return {Origin + Ink.left(), Origin + Ink.right()};
}

// At every entry: the choices in one row inside the window's margins (the left one mirrored on
// the right), each label its caption's size, a space apart at least; the question inside the
// memo; the entry box clear of the ink of "답은" and "번" around it.
void ExpectEverythingFits(const std::string& Face) {
  const TLabel* Row[] = {Form1->Label3, Form1->Label4, Form1->Label5, Form1->Label6};
  const int Margin = Form1->Memo1->x();
  for (int Entry = 0; Entry < QuestionCount; ++Entry) {
    Show(Entry);
    const std::string Where = Face + ", entry " + std::to_string(Entry);
    EXPECT_GE(Row[0]->x(), Margin) << Where;
    EXPECT_LE(Row[3]->geometry().right(), Form1->width() - Margin - 1) << Where;
    for (int I = 0; I < ChoiceCount; ++I)
      EXPECT_TRUE(Row[I]->size() == Row[I]->sizeHint() &&
                  (I == 0 || Row[I]->x() - Row[I - 1]->geometry().right() - 1 >=
                                 Row[I]->fontMetrics().horizontalAdvance(' ')))
          << Where << ", choice " << I + 1 << " clipped or too close to the one before";
    const QTextDocument* Memo = Form1->Memo1->document();
    EXPECT_LE(Memo->documentLayout()->blockBoundingRect(Memo->firstBlock()).height() +
                  2 * Memo->documentMargin(),
              Form1->Memo1->viewport()->height())
        << Where;
  }
  Show(0);
  const TLabel* Sentence = Form1->Label1;
  const QString Caption = Sentence->text();
  const QRect Box = Form1->Edit1->geometry();
  EXPECT_LT(InkX(Sentence, "", Caption.section(' ', 0, 0)).second, Box.left()) << Face;
  const QString After = Caption.section(' ', -1);
  EXPECT_GT(InkX(Sentence, Caption.chopped(After.size()), After).first, Box.right()) << Face;
  EXPECT_GT(Form1->Button1->x(), Sentence->geometry().right()) << Face;
}

} // namespace

TEST_F(QuizWindowLayout, TheWindowGetsTheFaceItWasDrawnForAndItsIcon) {
  EXPECT_TRUE(Form1->windowIcon().availableSizes().contains(QSize(32, 32)));
  if (!QFontDatabase::hasFamily("NanumBarunGothic"))
    GTEST_SKIP() << "NanumBarunGothic is not installed";
  // Compared as the font database names it: 나눔바른고딕 in a Korean locale.
  EXPECT_EQ(QFontInfo(Form1->font()).family(), QFontInfo(QFont("NanumBarunGothic")).family());
}

TEST_F(QuizWindowLayout, EverythingFitsInEveryKoreanFaceTheWindowMayGet) {
  const QFont Designed = Form1->font();
  ExpectEverythingFits("the window's own face");
  QStringList Faces = FontFamilies(QString());
  Faces.removeLast(); // the default sans-serif, which has no Hangul of its own
  for (const QString& Face : Faces) {
    QFont Font = Designed;
    Font.setFamilies({Face});
    Form1->setFont(Font);
    ExpectEverythingFits(Face.toStdString());
  }
}
