#include "language/LangCommon.h"

#include "environment/TillerINI.h"
#include "platform/Files.h"
#include "platform/Format.h"
#include "platform/StringList.h"
#include "platform/xml/XmlDom.h"

const TTypeInfo& TypeInfoOf(TDesignType*) {
  static const TTypeInfo t = EnumTypeInfo("TDesignType", {"dtClient", "dtServer"});
  return t;
}

AnsiString LangFolderName(const AnsiString& codePage) {
  if (codePage.empty()) return {};
  TStringList folders;
  folders.SetText("936=CHS\r\n950=CHT\r\n437=ENG");
  return folders.Values(codePage);
}

namespace {

AnsiString LangFolderBelow(const AnsiString& installPath, const AnsiString& uiCodePage) {
  AnsiString name = LangFolderName(uiCodePage);
  // Without an installation folder the path would be relative to wherever the process runs.
  if (name.empty() || installPath.empty()) return {};
  AnsiString folder = installPath + "MultiLanguage/" + name + "/";
  return DirectoryExists(folder) ? folder : AnsiString();
}

}  // namespace

AnsiString GetLangFolder(bool isServer) {
  if (isServer) {
    TTillerIniS profile;
    return LangFolderBelow(profile.ServerPath, profile.UICodePage);
  }
  TTillerIniC profile;
  return LangFolderBelow(profile.ClientPath, profile.UICodePage);
}

AnsiString GetXmlMsg(const AnsiString& fileName, const AnsiString& key, const AnsiString& defaultText) {
  if (!FileExists(fileName)) return defaultText;
  TXmlDocument document;
  if (!document.Load(fileName)) return defaultText;
  TXmlNode root = document.DocumentElement();
  if (!root) return defaultText;
  TXmlNode message = root.SelectSingleNode(Format("//%s/@%s", {key, "Msg"}));
  return message ? message.Text() : defaultText;
}

AnsiString GetLangMsg(bool isServer, const AnsiString& packageName, const AnsiString& key,
                      const AnsiString& defaultText) {
  return GetXmlMsg(GetLangFolder(isServer) + packageName + ".Lng", key, defaultText);
}
