#pragma once
// The text of a form description:
//
//   object frmMain: TfrmMain            (inherited frmMain: TfrmMain in a derived form's text)
//     Caption = '主窗口'                 strings in UTF-8, '' for a quote, #13#10 for codes, + joins
//     Font.Name = 'Tahoma'               nested properties
//     Font.Style = [fsBold]              sets
//     Color = clBtnFace                  identifiers: enumeration elements, named constants,
//     OnClick = btnOkClick                 method names, component names
//     Items.Strings = ('a' 'b')          string lists
//     Columns = < item Caption = 'x' end >   collection items
//     object btnOk: TButton ... end      owned components, nested under their parent control
//   end
//
// Strings are turned into GB (936) text as they are read.

#include <cstdint>
#include <vector>

#include "platform/Exceptions.h"
#include "platform/Text.h"

class EParserError : public Exception {
public:
  using Exception::Exception;
  AnsiString ClassName() const override { return "EParserError"; }
};

struct TFormProperty;

struct TFormValue {
  enum TKind { vaInteger, vaFloat, vaString, vaIdent, vaSet, vaList, vaCollection };
  TKind Kind = vaInteger;
  std::int64_t Int = 0;
  double Float = 0;
  AnsiString Text;                                       // vaString and vaIdent
  std::vector<AnsiString> Elements;                      // vaSet: element names
  std::vector<TFormValue> Items;                         // vaList
  std::vector<std::vector<TFormProperty>> CollectionItems;  // vaCollection: the properties of each item
};

struct TFormProperty {
  AnsiString Path;
  TFormValue Value;
  int Line = 0;
};

struct TFormObject {
  bool Inherited = false;
  AnsiString Name;
  AnsiString ClassName;
  std::vector<TFormProperty> Properties;
  std::vector<TFormObject> Children;
  int Line = 0;
};

// Raises EParserError with the line number for text that is not a form description.
TFormObject ParseFormText(std::string_view text);
