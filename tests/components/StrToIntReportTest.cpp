// StrToInt's report as the user reads it: whatever the text it quotes, its own words keep their
// order, and what the text holds that cannot be seen shows.
#include "EConvertError.h"
#include "StrToInt.h"

#include <QFont>
#include <QTextLayout>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace {

QString Report(const std::string& Text) {
  try {
    StrToInt(Text);
  } catch (const EConvertError& E) {
    return QString::fromStdString(E.Message());
  }
  return QString();
}

// Where the cursor stands before each character of Text and after the last, from the left, on a
// line laid out as a label or a screen reader may take it: in the direction of the first letter
// that is not inside an isolate.
std::vector<qreal> Places(const QString& Text) {
  QTextLayout Layout(Text, QFont());
  QTextOption Option;
  Option.setTextDirection(Qt::LayoutDirectionAuto);
  Layout.setTextOption(Option);
  Layout.beginLayout();
  QTextLine Line = Layout.createLine();
  Line.setLineWidth(1e6);
  Layout.endLayout();
  std::vector<qreal> X;
  for (int I = 0; I <= Text.size(); ++I)
    X.push_back(Line.cursorToX(I));
  return X;
}

} // namespace

TEST(StrToIntReport, CharactersThatCannotBeSeenOrReorderTextShowAsTheirCodes) {
  // Overrides, embeddings, isolates and marks of direction; zero-width space, joiners, word
  // joiner, byte order mark; soft hyphen, Hangul filler, a tag letter, a line separator.
  const std::pair<std::string, std::string> Shown[] = {
      {"\u202Eabc", "<U+202E>abc"},
      {"12\u202E34", "12<U+202E>34"},
      {"\u202A\u202B\u202C\u202D3", "<U+202A><U+202B><U+202C><U+202D>3"},
      {"\u2066\u2067\u2068\u20693", "<U+2066><U+2067><U+2068><U+2069>3"},
      {"\u200E\u200F\u061C3", "<U+200E><U+200F><U+061C>3"},
      {"3\u200B\u200C\u200D", "3<U+200B><U+200C><U+200D>"},
      {"\u2060\uFEFF3", "<U+2060><U+FEFF>3"},
      {"3\u00AD\u3164\U000E0041\u2028", "3<U+00AD><U+3164><U+E0041><U+2028>"}};
  for (const auto& [Typed, Quoted] : Shown)
    EXPECT_EQ(Report(Typed).toStdString(), "'\u2068" + Quoted + "\u2069' is not a valid integer");
  // Text in a right-to-left script, and spaces of other widths, are seen: they stay as they are.
  EXPECT_EQ(Report("\u05D0\u05D1\u2003\u0661"),
            "'\u2068\u05D0\u05D1\u2003\u0661\u2069' is not a valid integer");
  // A code takes the room of the characters it is shown with: 40 of them make the cut.
  EXPECT_EQ(
      Report("12345" + std::string(10, ' ') + "\u200B\u200B\u200B\u200B\u200B\u200B").toStdString(),
      "'\u206812345          <U+200B><U+200B><U+200B>\u2026\u2069' is not a valid integer");
}

TEST(StrToIntReport, ItsOwnWordsReadLeftToRightAfterTheQuoteWhateverItQuotes) {
  for (const char* Typed :
       {"\u202Eabc", "12\u202E34", "abc\u202B", "\u2067x", "\u05D0\u05D1\u05D2",
        "\u0627\u0644\u0639\u0631\u0628\u064A\u0629 3", "\u05D0 12", "\u200F3"}) {
    const QString Message = Report(Typed);
    const int Words = Message.lastIndexOf(QStringLiteral(" is not a valid integer"));
    ASSERT_GT(Words, 0) << Message.toStdString();
    const std::vector<qreal> X = Places(Message);
    EXPECT_LT(X[0], X[Words]) << "the quote does not come first: " << Message.toStdString();
    bool InOrder = true;
    for (int I = Words; I < Message.size(); ++I)
      InOrder = InOrder && X[I] < X[I + 1];
    EXPECT_TRUE(InOrder) << "the words turned: " << Message.toStdString();
  }
}
