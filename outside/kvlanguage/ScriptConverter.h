#pragma once
// The simplified/traditional mapping of UTF-8 text, over OpenCC's character-level data.

#include <string>

// The OpenCC configurations behind each direction.
inline constexpr const char* kSimplifiedToTraditional = "s2t.json";
inline constexpr const char* kTraditionalToSimplified = "t2s.json";

// Each converter is opened once per process, on first use. Should its data be missing, text
// passes through unmapped rather than failing the caller.
std::string ToTraditional(const std::string& utf8);
std::string ToSimplified(const std::string& utf8);
