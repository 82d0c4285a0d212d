#pragma once
// 8-bit text in a code page, wide (UTF-16) text, and the conversions and searches between them.

#include <cstdint>
#include <string>
#include <string_view>

using AnsiString = std::string;
using WideString = std::u16string;
using WideChar = char16_t;

// Code pages the platform converts; CP_ACP stands for the system ANSI code page.
inline constexpr int CP_ACP = 0;
inline constexpr int CP_UTF8 = 65001;

// The system ANSI code page: PAVANE_ACP, else the locale's character set, else 1252.
int GetACP();
// Overrides the system code page for this process (tests, the shell's start-up).
void SetACP(int codePage);

// Sets the system code page for a scope and puts the previous one back at its end.
class TCodePageScope {
public:
  explicit TCodePageScope(int codePage) : previous_(GetACP()) { SetACP(codePage); }
  ~TCodePageScope() { SetACP(previous_); }
  TCodePageScope(const TCodePageScope&) = delete;
  TCodePageScope& operator=(const TCodePageScope&) = delete;

private:
  int previous_;
};

// True for the double-byte code pages (936, 950) whose lead bytes start two-byte characters.
bool IsDBCSCodePage(int codePage);
bool IsDBCSLeadByte(unsigned char c, int codePage = CP_ACP);

// The platform's conversions. SrcLen -1 takes the text up to and including its NUL.
// DstLen 0 asks for the size. 0 is returned when the code page is not supported or the
// buffer is too small. Bytes that form no character become U+FFFD; wide characters that
// the code page cannot hold become '?'.
int MultiByteToWideChar(int codePage, const char* src, int srcLen, WideChar* dst, int dstLen);
int WideCharToMultiByte(int codePage, const WideChar* src, int srcLen, char* dst, int dstLen);

// Whole-text conversions in the system code page (or the one given); unsupported code pages
// give an empty result.
WideString AnsiToWide(std::string_view s, int codePage = CP_ACP);
AnsiString WideToAnsi(std::u16string_view w, int codePage = CP_ACP);

std::string WideToUtf8(std::u16string_view w);
WideString Utf8ToWide(std::string_view utf8);
// UTF-8 (the sources' and descriptions' encoding) to 8-bit text of a code page.
AnsiString Utf8ToAnsi(std::string_view utf8, int codePage = CP_ACP);
std::string AnsiToUtf8(std::string_view s, int codePage = CP_ACP);
// A design text of the system: written in UTF-8, used in GB (936).
AnsiString GbText(std::string_view utf8);

// 1-based position of Sub in S, 0 when absent; only matches that start on a character boundary
// of the code page count, so a delimiter is never found inside a double-byte character.
int AnsiPos(std::string_view sub, std::string_view s, int codePage = CP_ACP);

// Delphi-style substring helpers, 1-based and clamped like the platform's.
AnsiString Copy(std::string_view s, int index, int count);
void Delete(AnsiString& s, int index, int count);
void Insert(std::string_view sub, AnsiString& s, int index);

// Removes leading/trailing blanks and control characters (every byte up to ' ').
AnsiString Trim(std::string_view s);
AnsiString TrimLeft(std::string_view s);
AnsiString TrimRight(std::string_view s);

// Letter case of ASCII letters; trail bytes of double-byte characters are left alone.
AnsiString UpperCase(std::string_view s, int codePage = CP_ACP);
AnsiString LowerCase(std::string_view s, int codePage = CP_ACP);
bool SameText(std::string_view a, std::string_view b, int codePage = CP_ACP);
// <0, 0, >0 comparing ASCII letters without case.
int CompareText(std::string_view a, std::string_view b, int codePage = CP_ACP);

AnsiString IntToStr(std::int64_t value);
AnsiString IntToHex(std::int64_t value, int digits);
// The platform's integer syntax: leading blanks, a sign, decimal or "$"/"0x" hexadecimal digits,
// nothing after. StrToInt raises EConvertError.
bool TryStrToInt(std::string_view s, int& value);
bool TryStrToInt64(std::string_view s, std::int64_t& value);
int StrToInt(std::string_view s);
int StrToIntDef(std::string_view s, int fallback);

// Floating point text with the format settings' decimal separator.
AnsiString FloatToStr(double value);
bool TryStrToFloat(std::string_view s, double& value);
double StrToFloat(std::string_view s);
