// Writes the language file of a form class from its form description: every caption, hint,
// item line and column caption by component, for one language folder of an installation.
//
//   pavane-langfile <form description .dfm> CHS|CHT <out.Lng>
//   pavane-langfile <form description .dfm> ENG <out.Lng> <translations.txt>
//
// CHT goes through the conversion library Kvlanguage (found on PAVANE_LIBRARY_PATH); ENG takes
// its texts from "Chinese=English" lines (UTF-8), and fails naming any text without one.

#include <fstream>
#include <iostream>

#include "platform/Files.h"
#include "tools/langfile/LangFile.h"

int main(int argc, char** argv) {
  const std::string folder = argc > 2 ? argv[2] : "";
  if (argc < 4 || argc > 5 || (folder == "ENG") != (argc == 5)) {
    std::cerr << "usage: pavane-langfile <form description .dfm> CHS|CHT <out.Lng>\n"
                 "       pavane-langfile <form description .dfm> ENG <out.Lng> <translations.txt>\n";
    return 2;
  }
  try {
    std::string description;
    if (!ReadFileBytes(argv[1], description)) throw std::runtime_error(std::string("cannot read ") + argv[1]);
    TTranslations translations;
    if (argc == 5) {
      std::string lines;
      if (!ReadFileBytes(argv[4], lines)) throw std::runtime_error(std::string("cannot read ") + argv[4]);
      translations = ParseTranslations(lines);
    }
    const std::string text = LangFileText(ExtractLangTexts(description), folder, translations);
    std::ofstream out(argv[3], std::ios::binary | std::ios::trunc);
    out << text;
    if (!out.flush()) throw std::runtime_error(std::string("cannot write ") + argv[3]);
    std::cout << argv[3] << "\n";
  } catch (const std::exception& e) {
    std::cerr << "pavane-langfile: " << argv[1] << ": " << e.what() << "\n";
    return 1;
  }
  return 0;
}
