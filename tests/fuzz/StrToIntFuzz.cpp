// Checks StrToInt against a reference written separately from it, on every input libFuzzer
// makes up:
//  - it returns exactly when the reference finds an in-range integer, with the same value;
//  - otherwise it throws EConvertError (nothing else), whose message is valid UTF-8 without
//    control characters, stays short however long the text is, and quotes the text's start.
// Any difference aborts, which libFuzzer reports with the input that caused it.
//
// The reference works on the bytes, not on decoded characters, and compares the digits as text
// instead of doing arithmetic, so that it shares no code and few ideas with StrToInt.

#include "EConvertError.h"
#include "StrToInt.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <optional>
#include <string>
#include <string_view>

namespace {

constexpr std::size_t QuotedChars = 40;
// What the message may add around the quoted text: quotes, an ellipsis and a short sentence.
constexpr std::size_t MessageExtraChars = 40;

[[noreturn]] void Fail(const char* What, std::string_view Text, std::string_view Detail = {}) {
  std::fprintf(stderr, "StrToInt: %s\n  input (%zu bytes):", What, Text.size());
  for (unsigned char C : Text)
    std::fprintf(stderr, " %02X", C);
  std::fprintf(stderr, "\n  %.*s\n", static_cast<int>(Detail.size()), Detail.data());
  std::abort();
}

// --- Reference parser -----------------------------------------------------------------------

// Each group is a list of the byte sequences it accepts.
constexpr std::string_view Spaces[] = {" ",           "\t", "\n", "\v", "\f", "\r",
                                       "\xC2\xA0",          // U+00A0 no-break space
                                       "\xE3\x80\x80"};     // U+3000 ideographic space
constexpr std::string_view Plus[] = {"+", "\xEF\xBC\x8B"};  // U+FF0B
constexpr std::string_view Minus[] = {"-", "\xEF\xBC\x8D"}; // U+FF0D

// Removes a leading sequence from one of the group; says whether it did.
template <std::size_t N> bool Take(std::string_view& S, const std::string_view (&Group)[N]) {
  for (std::string_view G : Group)
    if (S.substr(0, G.size()) == G) {
      S.remove_prefix(G.size());
      return true;
    }
  return false;
}

template <std::size_t N> bool TakeBack(std::string_view& S, const std::string_view (&Group)[N]) {
  for (std::string_view G : Group)
    if (S.size() >= G.size() && S.substr(S.size() - G.size()) == G) {
      S.remove_suffix(G.size());
      return true;
    }
  return false;
}

// Removes a leading ASCII digit or full-width digit (U+FF10..U+FF19) and appends it as ASCII.
bool TakeDigit(std::string_view& S, std::string& Digits) {
  if (!S.empty() && S[0] >= '0' && S[0] <= '9') {
    Digits += S[0];
    S.remove_prefix(1);
    return true;
  }
  if (S.size() >= 3 && S.substr(0, 2) == "\xEF\xBC" && static_cast<unsigned char>(S[2]) >= 0x90 &&
      static_cast<unsigned char>(S[2]) <= 0x99) {
    Digits += static_cast<char>('0' + (static_cast<unsigned char>(S[2]) - 0x90));
    S.remove_prefix(3);
    return true;
  }
  return false;
}

std::optional<std::int32_t> Reference(std::string_view S) {
  while (Take(S, Spaces)) {
  }
  while (TakeBack(S, Spaces)) {
  }
  bool Negative = false;
  if (Take(S, Minus))
    Negative = true;
  else
    Take(S, Plus);
  std::string Digits;
  while (TakeDigit(S, Digits)) {
  }
  if (Digits.empty() || !S.empty())
    return std::nullopt;

  // Range check on the text: without leading zeros, at most ten digits, and when ten, not past
  // the limit (equal-length digit strings compare like their values).
  const std::size_t First = Digits.find_first_not_of('0');
  const std::string Significant = First == std::string::npos ? "0" : Digits.substr(First);
  const std::string Limit = Negative ? "2147483648" : "2147483647";
  if (Significant.size() > Limit.size() ||
      (Significant.size() == Limit.size() && Significant > Limit))
    return std::nullopt;
  const std::int64_t Magnitude = std::stoll(Significant);
  return static_cast<std::int32_t>(Negative ? -Magnitude : Magnitude);
}

// --- UTF-8 checks on the message ------------------------------------------------------------

// Decodes strict UTF-8 (no overlong forms, surrogates or values past U+10FFFF); nullopt when the
// text is not that.
std::optional<std::u32string> DecodeStrict(std::string_view S) {
  std::u32string Out;
  std::size_t I = 0;
  while (I < S.size()) {
    const auto B0 = static_cast<unsigned char>(S[I]);
    std::size_t Length;
    char32_t C;
    if (B0 <= 0x7F)
      Length = 1, C = B0;
    else if (B0 >= 0xC2 && B0 <= 0xDF)
      Length = 2, C = B0 & 0x1Fu;
    else if (B0 >= 0xE0 && B0 <= 0xEF)
      Length = 3, C = B0 & 0x0Fu;
    else if (B0 >= 0xF0 && B0 <= 0xF4)
      Length = 4, C = B0 & 0x07u;
    else
      return std::nullopt;
    if (I + Length > S.size())
      return std::nullopt;
    for (std::size_t K = 1; K < Length; ++K) {
      const auto B = static_cast<unsigned char>(S[I + K]);
      if ((B & 0xC0) != 0x80)
        return std::nullopt;
      C = (C << 6) | (B & 0x3Fu);
    }
    const char32_t Smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (C < Smallest[Length] || C > 0x10FFFF || (C >= 0xD800 && C <= 0xDFFF))
      return std::nullopt;
    Out += C;
    I += Length;
  }
  return Out;
}

bool IsControl(char32_t C) {
  return C < 0x20 || (C >= 0x7F && C <= 0x9F);
}

void CheckMessage(std::string_view Text, const std::string& Message) {
  const std::optional<std::u32string> Chars = DecodeStrict(Message);
  if (!Chars)
    Fail("the error message is not valid UTF-8", Text, Message);
  for (char32_t C : *Chars)
    if (IsControl(C))
      Fail("the error message holds a control character", Text, Message);
  if (Chars->size() > QuotedChars + MessageExtraChars)
    Fail("the error message is too long", Text, Message);

  // When the text itself is valid UTF-8 its first characters must appear in the message as
  // typed, a control character standing as U+FFFD, after an opening quote.
  const std::optional<std::u32string> Typed = DecodeStrict(Text);
  if (!Typed)
    return;
  std::u32string Quoted = U"'" + Typed->substr(0, QuotedChars);
  for (char32_t& C : Quoted)
    if (IsControl(C))
      C = 0xFFFD;
  if (Chars->substr(0, Quoted.size()) != Quoted)
    Fail("the error message does not quote the text's start", Text, Message);
  // A text short enough is quoted whole: the closing quote follows at once. A longer one is cut
  // after QuotedChars: its next character is not quoted (unless it looks like the mark of a cut).
  if (Typed->size() <= QuotedChars) {
    if (Chars->substr(Quoted.size(), 1) != U"'")
      Fail("the error message does not quote the whole short text", Text, Message);
  } else {
    const char32_t Next = IsControl((*Typed)[QuotedChars]) ? 0xFFFD : (*Typed)[QuotedChars];
    if (Next != U'\u2026' && Next != U'.' &&
        Chars->substr(Quoted.size(), 1) == std::u32string(1, Next))
      Fail("the error message quotes past the cut", Text, Message);
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const std::string Text(reinterpret_cast<const char*>(Data), Size);
  const std::optional<std::int32_t> Expected = Reference(Text);
  try {
    const std::int32_t Got = StrToInt(Text);
    if (!Expected)
      Fail("accepted a text that is not a valid integer", Text, "returned " + std::to_string(Got));
    if (Got != *Expected)
      Fail("returned the wrong value", Text,
           "returned " + std::to_string(Got) + ", expected " + std::to_string(*Expected));
  } catch (const EConvertError& E) {
    if (Expected)
      Fail("rejected a valid integer", Text,
           "expected " + std::to_string(*Expected) + ", message: " + E.Message());
    if (std::string_view(E.what()) != E.Message())
      Fail("what() differs from Message()", Text, E.Message());
    CheckMessage(Text, E.Message());
  } catch (const std::exception& E) {
    Fail("threw something other than EConvertError", Text, E.what());
  } catch (...) {
    Fail("threw something that is not an exception", Text);
  }
  return 0;
}
