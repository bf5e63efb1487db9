#include "KoreanParticles.h"

#include "Digits.h"

#include <array>

namespace {

// How a word ends, as far as a particle cares. Rieul is a final ㄹ, which counts as a vowel
// before 로.
enum class Ending { Vowel, Consonant, Rieul, Unknown };

// U+2069 ends a text isolated for bidirectional display, which a quote may hold.
bool IsClosing(QChar C) {
  return QStringLiteral("'\"’”)]}>»」』】〉》…\u2069").contains(C);
}

int DigitValue(QChar C) {
  return ::DigitValue(C.unicode());
}

Ending OfSyllable(char16_t Syllable) {
  const int Final = (Syllable - 0xAC00) % 28;
  return Final == 0 ? Ending::Vowel : Final == 8 ? Ending::Rieul : Ending::Consonant;
}

// The digits that end at End (exclusive), read as a number: by its last digit that is not 0
// (일, 이, 삼 ...), else by the word it ends on: 십, 백 or 천 below ten thousand, and above it
// the unit of its group of four places (만, 억, 조, 경, 해: 10만, 1000억, 10조). After a decimal
// point the digits are read one by one.
Ending OfDigits(const QString& Text, qsizetype End) {
  constexpr std::array<Ending, 10> ByDigit = {
      Ending::Consonant, Ending::Rieul,     Ending::Vowel, Ending::Consonant, Ending::Vowel,
      Ending::Vowel,     Ending::Consonant, Ending::Rieul, Ending::Rieul,     Ending::Vowel};
  constexpr std::array<Ending, 5> ByGroup = {Ending::Consonant, Ending::Consonant, Ending::Vowel,
                                             Ending::Consonant, Ending::Vowel}; // 만 억 조 경 해
  qsizetype Begin = End;
  while (Begin > 0 && DigitValue(Text[Begin - 1]) >= 0)
    --Begin;
  const int Last = DigitValue(Text[End - 1]);
  if (Last != 0 || (Begin > 0 && Text[Begin - 1] == QLatin1Char('.')))
    return ByDigit[Last];
  qsizetype Zeros = 0;
  while (End - Zeros > Begin && DigitValue(Text[End - Zeros - 1]) == 0)
    ++Zeros;
  if (Zeros == End - Begin)
    return Ending::Consonant; // 영
  if (Zeros < 4)
    return Ending::Consonant; // 십, 백, 천
  const qsizetype Group = Zeros / 4 - 1;
  return Group < static_cast<qsizetype>(ByGroup.size()) ? ByGroup[Group] : Ending::Unknown;
}

Ending OfArgument(const QString& Argument) {
  qsizetype End = Argument.size();
  while (End > 0 && IsClosing(Argument[End - 1]))
    --End;
  if (End == 0)
    return Ending::Unknown;
  const char16_t Last = Argument[End - 1].unicode();
  if (Last >= 0xAC00 && Last <= 0xD7A3)
    return OfSyllable(Last);
  if (DigitValue(Last) >= 0)
    return OfDigits(Argument, End);
  return Ending::Unknown;
}

struct Particle {
  const char16_t* Written;
  const char16_t* AfterConsonant;
  const char16_t* AfterVowel;
};

constexpr std::array<Particle, 6> Particles = {{{u"은(는)", u"은", u"는"},
                                                {u"이(가)", u"이", u"가"},
                                                {u"을(를)", u"을", u"를"},
                                                {u"과(와)", u"과", u"와"},
                                                {u"(이)", u"이", u""},
                                                {u"(으)", u"으", u""}}};

// Copies the closing marks and the particle that follow a placeholder in Template at From to
// Out, the particle in the form After needs; returns where copying stopped.
qsizetype PutParticle(const QString& Template, qsizetype From, Ending After, QString& Out) {
  while (From < Template.size() && IsClosing(Template[From]))
    Out += Template[From++];
  for (const Particle& P : Particles) {
    const QString Written = QString::fromUtf16(P.Written);
    if (!QStringView(Template).mid(From).startsWith(Written))
      continue;
    const bool DroppedAfterRieul = Written == QStringLiteral("(으)");
    if (After == Ending::Unknown)
      Out += Written;
    else if (After == Ending::Vowel || (DroppedAfterRieul && After == Ending::Rieul))
      Out += QString::fromUtf16(P.AfterVowel);
    else
      Out += QString::fromUtf16(P.AfterConsonant);
    return From + Written.size();
  }
  return From;
}

} // namespace

QString ArgWithParticles(const QString& Template, const QStringList& Arguments) {
  QString Out;
  qsizetype I = 0;
  while (I < Template.size()) {
    const QChar C = Template[I];
    const int Number = I + 1 < Template.size() ? Template[I + 1].digitValue() : -1;
    if (C != QLatin1Char('%') || Number < 1 || Number > Arguments.size()) {
      Out += C;
      ++I;
      continue;
    }
    const QString& Argument = Arguments[Number - 1];
    Out += Argument;
    I = PutParticle(Template, I + 2, OfArgument(Argument), Out);
  }
  return Out;
}
