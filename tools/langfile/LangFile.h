#pragma once
// The language file of a form class, made from its form description: one element per component
// with its caption, hint, item lines (Items_N) and column captions (Columns_N.Caption), the
// window's own texts on the document element, whose tag is the form class.

#include <map>
#include <string>
#include <vector>

#include "platform/Text.h"

struct TLangText {
  AnsiString Component;  // empty for the window itself
  AnsiString Path;
  AnsiString Text;       // GB, as the description has it
};

struct TLangTexts {
  AnsiString FormClass;
  std::vector<TLangText> Texts;
};

// Raises EParserError for text that is not a form description.
TLangTexts ExtractLangTexts(std::string_view description);

// UTF-8 design text → UTF-8 English text.
using TTranslations = std::map<std::string, std::string>;
// "source=target" lines (UTF-8); blank lines and lines starting with "#" are skipped. Raises
// Exception naming the line that has no "=".
TTranslations ParseTranslations(std::string_view text);

// The file's bytes for a language folder: "CHS" in GB2312, "CHT" in BIG5 through the conversion
// library, "ENG" in UTF-8 from the translations. Raises Exception for another folder, for an
// English file with texts that have no translation (naming them), and when the conversion
// library cannot be had.
std::string LangFileText(const TLangTexts& texts, const AnsiString& folder, const TTranslations& translations = {});
