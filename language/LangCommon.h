#pragma once
// Where the language files of an installation are, and message texts looked up in them.

#include "platform/classes/TypeInfo.h"
#include "platform/Text.h"

// Which installation's profile a converter or a language controller reads.
enum TDesignType { dtClient, dtServer };
const TTypeInfo& TypeInfoOf(TDesignType*);

// The language folder of an interface code page: "CHS", "CHT", "ENG", or empty.
AnsiString LangFolderName(const AnsiString& codePage);
// "<install path>MultiLanguage/<folder name>/" of the client (false) or server (true) profile;
// empty when the code page has no folder or the folder does not exist.
AnsiString GetLangFolder(bool isServer);
// The text of the attribute "Msg" of the first element named Key; Default when the file, the
// element or the attribute is missing or the file cannot be read.
AnsiString GetXmlMsg(const AnsiString& fileName, const AnsiString& key, const AnsiString& defaultText);
// Registers the classes of this layer that form descriptions create: the language controller
// and the code converter.
void RegisterLanguageClasses();

AnsiString GetLangMsg(bool isServer, const AnsiString& packageName, const AnsiString& key,
                      const AnsiString& defaultText);
