#include "outside/kvlanguage/GbBig5.h"

#include <algorithm>
#include <vector>

#include "outside/kvlanguage/ScriptConverter.h"

namespace {

constexpr int kGbCodePage = 936;
constexpr int kBig5CodePage = 950;
constexpr char16_t kReplacement = u'\uFF1F';

bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The characters of a wide text, a surrogate pair counting as one.
std::vector<std::u16string_view> Characters(std::u16string_view wide) {
  std::vector<std::u16string_view> characters;
  for (size_t i = 0; i < wide.size();) {
    bool pair = wide[i] >= 0xD800 && wide[i] <= 0xDBFF && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 &&
                wide[i + 1] <= 0xDFFF;
    characters.push_back(wide.substr(i, pair ? 2 : 1));
    i += characters.back().size();
  }
  return characters;
}

// Empty when the code page has no code for the character (the platform writes "?" for those).
AnsiString EncodeCharacter(std::u16string_view character, int codePage) {
  AnsiString encoded = WideToAnsi(character, codePage);
  return encoded == "?" && character != u"?" ? AnsiString() : encoded;
}

// Original is the text before mapping; it stands in for a mapped character the code page lacks
// when the mapping kept the number of characters, so that positions correspond.
AnsiString Encode(std::u16string_view mapped, std::u16string_view original, int codePage) {
  AnsiString whole = WideToAnsi(mapped, codePage);
  if (std::count(whole.begin(), whole.end(), '?') == std::count(mapped.begin(), mapped.end(), u'?')) return whole;
  const auto mappedCharacters = Characters(mapped);
  const auto originalCharacters = Characters(original);
  const bool aligned = mappedCharacters.size() == originalCharacters.size();
  const AnsiString replacement = WideToAnsi(std::u16string_view(&kReplacement, 1), codePage);
  AnsiString result;
  for (size_t i = 0; i < mappedCharacters.size(); ++i) {
    AnsiString encoded = EncodeCharacter(mappedCharacters[i], codePage);
    if (encoded.empty() && aligned) encoded = EncodeCharacter(originalCharacters[i], codePage);
    result += encoded.empty() ? replacement : encoded;
  }
  return result;
}

// Bytes that form no character come out of the platform's decoding as U+FFFD, which no Chinese
// code page holds, so they end as the replacement.
AnsiString Convert(std::string_view text, int from, int to, std::string (*map)(const std::string&)) {
  if (IsAscii(text)) return AnsiString(text);
  const WideString original = AnsiToWide(text, from);
  return Encode(Utf8ToWide(map(WideToUtf8(original))), original, to);
}

}  // namespace

AnsiString GbToBig5Text(std::string_view gb) { return Convert(gb, kGbCodePage, kBig5CodePage, ToTraditional); }

AnsiString Big5ToGbText(std::string_view big5) {
  return Convert(big5, kBig5CodePage, kGbCodePage, ToSimplified);
}
