#include "tools/langfile/LangFile.h"

#include <functional>

#include "language/TranslatorU.h"
#include "platform/Exceptions.h"
#include "platform/streaming/FormText.h"
#include "platform/xml/XmlDom.h"

namespace {

void Collect(const TFormObject& object, const AnsiString& component, std::vector<TLangText>& texts) {
  for (const TFormProperty& p : object.Properties) {
    const TFormValue& v = p.Value;
    if ((p.Path == "Caption" || p.Path == "Hint") && v.Kind == TFormValue::vaString && !v.Text.empty()) {
      texts.push_back({component, p.Path, v.Text});
    } else if (p.Path == "Items.Strings" && v.Kind == TFormValue::vaList) {
      for (size_t i = 0; i < v.Items.size(); ++i)
        if (!v.Items[i].Text.empty()) texts.push_back({component, "Items_" + IntToStr(static_cast<int>(i)), v.Items[i].Text});
    } else if (p.Path == "Columns" && v.Kind == TFormValue::vaCollection) {
      for (size_t i = 0; i < v.CollectionItems.size(); ++i)
        for (const TFormProperty& c : v.CollectionItems[i])
          if (c.Path == "Caption" && !c.Value.Text.empty())
            texts.push_back({component, "Columns_" + IntToStr(static_cast<int>(i)) + ".Caption", c.Value.Text});
    }
  }
  for (const TFormObject& child : object.Children) Collect(child, child.Name, texts);
}

// One element a line under the document element; texts in the code page.
std::string Serialise(const TLangTexts& texts, int codePage, const char* encoding,
                      const std::function<AnsiString(const AnsiString&)>& convert) {
  std::vector<std::pair<AnsiString, AnsiString>> converted;
  for (const TLangText& t : texts.Texts) converted.emplace_back(t.Path, convert(t.Text));
  // The document takes its texts in the system code page.
  TCodePageScope scope(codePage);
  TXmlDocument document;
  // A parsed document knows its encoding, so its texts are written as they are, not as
  // character references.
  if (!document.LoadXML("<" + texts.FormClass + "/>"))
    throw Exception("No element can be named after the class " + texts.FormClass);
  TXmlNode root = document.DocumentElement();
  std::vector<TXmlNode> elements;
  std::vector<AnsiString> order;
  for (size_t i = 0; i < texts.Texts.size(); ++i) {
    const AnsiString& component = texts.Texts[i].Component;
    if (component.empty()) {
      root.SetAttribute(converted[i].first, converted[i].second);
      continue;
    }
    size_t at = 0;
    while (at < order.size() && order[at] != component) ++at;
    if (at == order.size()) {
      order.push_back(component);
      elements.push_back(document.CreateElement(component));
    }
    elements[at].SetAttribute(converted[i].first, converted[i].second);
  }
  std::string head = root.Xml();
  if (head.size() >= 2 && head.compare(head.size() - 2, 2, "/>") == 0) head.replace(head.size() - 2, 2, ">");
  std::string text = std::string("<?xml version=\"1.0\" encoding=\"") + encoding + "\"?>\r\n" + head + "\r\n";
  for (const TXmlNode& element : elements) text += "  " + element.Xml() + "\r\n";
  return text + "</" + texts.FormClass + ">\r\n";
}

}  // namespace

TLangTexts ExtractLangTexts(std::string_view description) {
  const TFormObject root = ParseFormText(description);
  TLangTexts texts{root.ClassName, {}};
  Collect(root, "", texts.Texts);
  return texts;
}

TTranslations ParseTranslations(std::string_view text) {
  TTranslations translations;
  int number = 0;
  for (size_t start = 0; start <= text.size();) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string line(text.substr(start, end - start));
    start = end + 1;
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (Trim(line).empty() || line[0] == '#') continue;
    const size_t eq = line.find('=');
    if (eq == std::string::npos) throw Exception("Translation line " + IntToStr(number) + " has no \"=\": " + line);
    translations[line.substr(0, eq)] = line.substr(eq + 1);
  }
  return translations;
}

std::string LangFileText(const TLangTexts& texts, const AnsiString& folder, const TTranslations& translations) {
  if (folder == "CHS") return Serialise(texts, 936, "GB2312", [](const AnsiString& gb) { return gb; });
  if (folder == "CHT") {
    TTranslator translator;
    return Serialise(texts, 950, "BIG5", [&](const AnsiString& gb) { return translator.GbToBig5(gb); });
  }
  if (folder != "ENG") throw Exception("Unknown language folder " + folder + " (CHS, CHT or ENG)");
  AnsiString missing;
  auto english = [&](const AnsiString& gb) {
    const std::string source = WideToUtf8(AnsiToWide(gb, 936));
    const auto found = translations.find(source);
    if (found != translations.end()) return AnsiString(found->second);
    missing += "\n  " + source;
    return AnsiString(source);
  };
  std::string text = Serialise(texts, CP_UTF8, "UTF-8", english);
  if (!missing.empty()) throw Exception("No English text for:" + missing);
  return text;
}
