#include "environment/SqlSa.h"

#include <bit>
#include <cstdint>

#include "environment/ExceptionReport.h"
#include "platform/Format.h"

namespace {

// Bytes rotate by their position (from 1) modulo 8.
int Rotation(size_t position) { return static_cast<int>(position % 8); }

}  // namespace

AnsiString EncodeSQLSa(const AnsiString& plain) {
  const AnsiString text = plain.empty() ? AnsiString(EmptyPasswordMarker) : plain;
  AnsiString digits;
  for (size_t p = 1; p <= text.size(); ++p) {
    std::uint8_t byte = std::rotr(static_cast<std::uint8_t>(text[p - 1]), Rotation(p));
    digits += Format("%.2x", {static_cast<int>(byte)});
  }
  return digits;
}

AnsiString DecodeSQLSa(const AnsiString& scrambled) {
  AnsiString plain;
  try {
    for (size_t p = 1; 2 * p <= scrambled.size(); ++p) {
      int pair = StrToInt("$" + scrambled.substr(2 * p - 2, 2));
      plain += static_cast<char>(std::rotl(static_cast<std::uint8_t>(pair), Rotation(p)));
    }
  } catch (const EConvertError& e) {
    WriteExceptionReport(&e, EncodeSQLSa("DecodeSQLSa"), GbText("解析 Sa 时发生错误!"));
    return PasswordErrorMarker;
  }
  return plain == EmptyPasswordMarker ? AnsiString() : plain;
}
