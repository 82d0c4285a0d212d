// Code-page conversions through iconv, with the platform's semantics.

#include <iconv.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <map>
#include <vector>

#include "platform/Text.h"

namespace {

int g_acp = -1;

int CodePageFromCodeset(std::string_view locale) {
  auto dot = locale.find('.');
  std::string codeset;
  for (char c : locale.substr(dot == std::string_view::npos ? locale.size() : dot + 1)) {
    if (c == '@') break;
    if (c != '-' && c != '_') codeset += static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
  }
  if (codeset == "GBK" || codeset == "GB2312" || codeset == "GB18030" || codeset == "CP936" || codeset == "EUCCN")
    return 936;
  if (codeset == "BIG5" || codeset == "BIG5HKSCS" || codeset == "CP950") return 950;
  if (codeset.empty()) {
    if (locale.starts_with("zh_CN") || locale.starts_with("zh_SG")) return 936;
    if (locale.starts_with("zh_TW") || locale.starts_with("zh_HK")) return 950;
  }
  return 0;
}

int SystemCodePageFromEnvironment() {
  if (const char* acp = std::getenv("PAVANE_ACP"); acp && *acp) {
    int value = std::atoi(acp);
    if (value > 0) return value;
  }
  for (const char* name : {"LC_ALL", "LC_CTYPE", "LANG"}) {
    const char* locale = std::getenv(name);
    if (!locale || !*locale) continue;
    int cp = CodePageFromCodeset(locale);
    return cp ? cp : 1252;
  }
  return 1252;
}

int Resolve(int codePage) { return codePage == CP_ACP ? GetACP() : codePage; }

std::string IconvName(int codePage) {
  if (codePage == CP_UTF8) return "UTF-8";
  return "CP" + std::to_string(codePage);
}

// One open conversion per code page and direction, kept for the thread's life.
class Converters {
public:
  ~Converters() {
    for (auto& [key, cd] : open_)
      if (cd != invalid()) iconv_close(cd);
  }
  iconv_t get(int codePage, bool toWide) {
    auto [it, inserted] = open_.try_emplace({codePage, toWide}, invalid());
    if (inserted) {
      std::string name = IconvName(codePage);
      it->second = toWide ? iconv_open("UTF-16LE", name.c_str()) : iconv_open(name.c_str(), "UTF-16LE");
    }
    if (it->second != invalid()) iconv(it->second, nullptr, nullptr, nullptr, nullptr);
    return it->second;
  }

private:
  static iconv_t invalid() { return reinterpret_cast<iconv_t>(-1); }
  std::map<std::pair<int, bool>, iconv_t> open_;
};

thread_local Converters t_converters;

bool IsAscii(const char* p, size_t n) {
  for (size_t i = 0; i < n; ++i)
    if (static_cast<unsigned char>(p[i]) >= 0x80) return false;
  return true;
}

// Converts all of src, replacing what does not convert; false when the code page is unsupported.
bool ToWide(int codePage, const char* src, size_t n, std::u16string& out) {
  out.clear();
  iconv_t cd = t_converters.get(codePage, true);
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  if (codePage != CP_UTF8 && IsAscii(src, n)) {
    out.assign(src, src + n);
    return true;
  }
  std::vector<char16_t> buffer(n + 4);
  char* in = const_cast<char*>(src);
  size_t inLeft = n;
  while (inLeft > 0) {
    char* outp = reinterpret_cast<char*>(buffer.data());
    size_t outLeft = buffer.size() * sizeof(char16_t);
    size_t rc = iconv(cd, &in, &inLeft, &outp, &outLeft);
    out.append(buffer.data(), (buffer.size() * sizeof(char16_t) - outLeft) / sizeof(char16_t));
    if (rc != static_cast<size_t>(-1)) break;
    if (errno == E2BIG) continue;
    out.push_back(u'\uFFFD');
    ++in;
    --inLeft;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  return true;
}

bool FromWide(int codePage, const char16_t* src, size_t n, std::string& out) {
  out.clear();
  iconv_t cd = t_converters.get(codePage, false);
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  bool ascii = codePage != CP_UTF8;
  for (size_t i = 0; ascii && i < n; ++i) ascii = src[i] < 0x80;
  if (ascii) {
    out.assign(src, src + n);
    return true;
  }
  std::vector<char> buffer(n * 4 + 8);
  char* in = reinterpret_cast<char*>(const_cast<char16_t*>(src));
  size_t inLeft = n * sizeof(char16_t);
  while (inLeft > 0) {
    char* outp = buffer.data();
    size_t outLeft = buffer.size();
    size_t rc = iconv(cd, &in, &inLeft, &outp, &outLeft);
    out.append(buffer.data(), buffer.size() - outLeft);
    if (rc != static_cast<size_t>(-1)) break;
    if (errno == E2BIG) continue;
    out.push_back('?');
    size_t skip = sizeof(char16_t);
    auto unit = *reinterpret_cast<const char16_t*>(in);
    if (unit >= 0xD800 && unit <= 0xDBFF && inLeft >= 2 * sizeof(char16_t)) {
      auto next = *reinterpret_cast<const char16_t*>(in + sizeof(char16_t));
      if (next >= 0xDC00 && next <= 0xDFFF) skip *= 2;
    }
    in += skip;
    inLeft -= skip;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  return true;
}

}  // namespace

int GetACP() {
  if (g_acp < 0) g_acp = SystemCodePageFromEnvironment();
  return g_acp;
}

void SetACP(int codePage) { g_acp = codePage; }

bool IsDBCSCodePage(int codePage) {
  codePage = Resolve(codePage);
  return codePage == 936 || codePage == 950;
}

bool IsDBCSLeadByte(unsigned char c, int codePage) { return c >= 0x81 && c <= 0xFE && IsDBCSCodePage(codePage); }

int MultiByteToWideChar(int codePage, const char* src, int srcLen, WideChar* dst, int dstLen) {
  if (!src || srcLen == 0 || srcLen < -1 || dstLen < 0) return 0;
  size_t n = srcLen == -1 ? std::strlen(src) + 1 : static_cast<size_t>(srcLen);
  std::u16string wide;
  if (!ToWide(Resolve(codePage), src, n, wide)) return 0;
  if (dstLen == 0) return static_cast<int>(wide.size());
  if (static_cast<size_t>(dstLen) < wide.size()) return 0;
  std::copy(wide.begin(), wide.end(), dst);
  return static_cast<int>(wide.size());
}

int WideCharToMultiByte(int codePage, const WideChar* src, int srcLen, char* dst, int dstLen) {
  if (!src || srcLen == 0 || srcLen < -1 || dstLen < 0) return 0;
  size_t n = srcLen == -1 ? std::char_traits<char16_t>::length(src) + 1 : static_cast<size_t>(srcLen);
  std::string bytes;
  if (!FromWide(Resolve(codePage), src, n, bytes)) return 0;
  if (dstLen == 0) return static_cast<int>(bytes.size());
  if (static_cast<size_t>(dstLen) < bytes.size()) return 0;
  std::copy(bytes.begin(), bytes.end(), dst);
  return static_cast<int>(bytes.size());
}

WideString AnsiToWide(std::string_view s, int codePage) {
  std::u16string wide;
  if (!ToWide(Resolve(codePage), s.data(), s.size(), wide)) wide.clear();
  return wide;
}

AnsiString WideToAnsi(std::u16string_view w, int codePage) {
  std::string bytes;
  if (!FromWide(Resolve(codePage), w.data(), w.size(), bytes)) bytes.clear();
  return bytes;
}

std::string WideToUtf8(std::u16string_view w) { return WideToAnsi(w, CP_UTF8); }
WideString Utf8ToWide(std::string_view utf8) { return AnsiToWide(utf8, CP_UTF8); }
AnsiString Utf8ToAnsi(std::string_view utf8, int codePage) { return WideToAnsi(Utf8ToWide(utf8), codePage); }
std::string AnsiToUtf8(std::string_view s, int codePage) { return WideToUtf8(AnsiToWide(s, codePage)); }
AnsiString GbText(std::string_view utf8) { return Utf8ToAnsi(utf8, 936); }
