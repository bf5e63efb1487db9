// StrToInt on any input reads an integer whose decimal text reads back, or raises EConvertError
// with a short printable UTF-8 message; the int32 in the first four bytes reads back in any form.

#include "EConvertError.h"
#include "StrToInt.h"

#include <clocale>
#include <cuchar>
#include <stdexcept>

const char* const Utf8Locale = std::setlocale(LC_CTYPE, "C.UTF-8"); // for mbrtoc32
const char* const Signs[] = {"", "+", "\uFF0B", "-", "\uFF0D"};     // the last two negate
const char* const Spaces[] = {"", " ", "\t", "\n", "\v", "\f", "\r", "\u00A0", "\u3000"};

static void Check(bool Holds, const std::string& Text, const char* What = "misread") {
  if (!Holds)
    throw std::logic_error(std::string(What) + ": \"" + Text + "\"");
}

// StrToInt(Text), or INT64_MIN when it raises; checks what holds for any text on the way.
static std::int64_t Read(const std::string& Text) {
  std::int64_t Value = INT64_MIN;
  try {
    Value = StrToInt(Text);
  } catch (const EConvertError& E) {
    const std::string& Message = E.Message();
    Check(Message.size() <= 200, Text, "the message is long"); // it quotes 40 characters at most
    std::mbstate_t State{};
    char32_t C = 0;
    std::string Isolates; // its bidirectional controls: I, P for U+2068, U+2069, ? for others
    for (std::size_t I = 0, Length = 0; I < Message.size(); I += Length) {
      Length = std::mbrtoc32(&C, Message.data() + I, Message.size() - I, &State);
      Check(Length >= 1 && Length <= 4 && C <= 0x10FFFF && C >= 0x20 && (C < 0x7F || C >= 0xA0),
            Text, "the message is not printable UTF-8");
      if (C == 0x061C || C == 0x200E || C == 0x200F || (C >= 0x202A && C <= 0x202E) ||
          (C >= 0x2066 && C <= 0x2069))
        Isolates += C == 0x2068 ? 'I' : C == 0x2069 ? 'P' : '?';
    }
    // Nothing in the quoted text reorders the message: its one isolate is all there is.
    Check(Isolates.empty() || Isolates == "IP", Text, "the message holds bidirectional controls");
  }
  Check(Value == INT64_MIN || StrToInt(std::to_string(Value)) == Value, Text, "reads back");
  return Value;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  Read(std::string(reinterpret_cast<const char*>(Data), Size));
  std::uint32_t Bits = 0; // the first four bytes, little-endian; the fifth picks zeros and spaces
  for (std::size_t I = 0; I < 4 && I < Size; ++I)
    Bits |= std::uint32_t{Data[I]} << 8 * I;
  const unsigned Choice = Size > 4 ? Data[4] : 0;
  const std::int64_t Magnitude = Bits >> 31 ? (std::int64_t{1} << 32) - Bits : Bits;
  // Each sign, width (ASCII, full, mixed) and space; then two forms past 32 bits: 2^31 when
  // Magnitude is 0, else a value that a 32-bit wrap-around turns into Magnitude if it is odd.
  for (int K = 0; K < 11; ++K) {
    const int Form = K < 9 ? K : (K + Choice) % 9;
    const std::int64_t M = K < 9 ? Magnitude : Magnitude + (Magnitude + 1) * 2147483648;
    std::string Text = Spaces[Form] + std::string(Signs[Form % 5]);
    for (const char D : std::string(Choice % 4, '0') + std::to_string(M))
      Text += Form % 3 == 1 || (Form % 3 == 2 && D % 2) ? "\xEF\xBC" + std::string{char(D + 0x60)}
                                                        : std::string{D};
    Text += Spaces[(Form + Choice) % 9];
    const std::int64_t Want = Form % 5 < 3 ? M : -M;
    Check(Read(Text) == (Want >= INT32_MIN && Want <= INT32_MAX ? Want : INT64_MIN), Text);
  }
  return 0;
}
