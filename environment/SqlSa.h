#pragma once
// Scrambling of the database passwords stored in the server profile: one pair of lower-case
// hexadecimal digits per byte, each byte rotated by its position.

#include "platform/Text.h"

// Scrambled in place of an empty password; unscrambling it gives the empty password.
inline constexpr char EmptyPasswordMarker[] = "KV_Say_NoPassWord_ThePassWordIsEmpty";
// What unscrambling a text that holds no scrambled password gives.
inline constexpr char PasswordErrorMarker[] = "KV_Say_Password_Error";
// The scrambler's result before it has scrambled anything; never returned, as every input scrambles
// to digits.
inline constexpr char NeverHasPasswordMarker[] = "KV_Say_Never_Has_Password";

AnsiString EncodeSQLSa(const AnsiString& plain);
// A trailing single digit is ignored. A pair that is no hexadecimal number gives PasswordErrorMarker
// and an exception report in the generator log.
AnsiString DecodeSQLSa(const AnsiString& scrambled);
