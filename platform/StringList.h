#pragma once
// An ordered list of 8-bit texts, also read as name=value pairs.

#include <functional>
#include <vector>

#include "platform/Exceptions.h"
#include "platform/Text.h"

// An index outside the list.
class EStringListError : public Exception {
public:
  using Exception::Exception;
  AnsiString ClassName() const override { return "EStringListError"; }
};

class TStringList {
public:
  // Appends and returns the new item's index.
  int Add(const AnsiString& s);
  // Index 0..Count: the item lands before the one at Index.
  void Insert(int index, const AnsiString& s);
  void Delete(int index);
  void Clear();
  int Count() const { return static_cast<int>(items_.size()); }

  const AnsiString& Strings(int index) const;
  const AnsiString& operator[](int index) const { return Strings(index); }
  void Put(int index, const AnsiString& s);
  // First item equal to S, letters compared without case; -1 when absent.
  int IndexOf(std::string_view s) const;

  // Every item followed by CR LF.
  AnsiString Text() const;
  // Replaces the items by the lines of the text, split at CR LF, LF or CR.
  void SetText(std::string_view text);

  // The part of item Index before its first "="; empty when it has none.
  AnsiString Names(int index) const;
  // The part after the first "=" of the first item named Name (without case); empty when absent.
  AnsiString Values(std::string_view name) const;
  // Sets the item named Name to Name=Value, appending it when absent; an empty value removes it.
  void SetValues(std::string_view name, const AnsiString& value);
  // The part of item Index after its first "="; empty when it has none.
  AnsiString ValueFromIndex(int index) const;
  int IndexOfName(std::string_view name) const;

  void Assign(const TStringList& source);

  // Called after every change of the items.
  std::function<void()> OnChange;

private:
  void CheckIndex(int index, int count) const;
  void Changed() const;

  std::vector<AnsiString> items_;
};
