#pragma once
// GB (936) and BIG5 (950) byte texts converted into each other's script and code page.
//
// A character whose mapped form the target code page lacks keeps its own form when the target
// holds that (the BIG5 character 訏 stays 訏 in GB, since GB has no code for its simplified form);
// otherwise, like every input byte that forms no character, it becomes the target's full-width
// question mark.

#include "platform/Text.h"

AnsiString GbToBig5Text(std::string_view gb);
AnsiString Big5ToGbText(std::string_view big5);
