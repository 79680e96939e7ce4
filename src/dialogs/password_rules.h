// What makes an administrator password acceptable, and how a password is
// removed from memory once it is no longer needed.
#pragma once

#include <cstddef>
#include <string>

// Fewer bytes than this never make a valid password.
constexpr std::size_t kMinPasswordBytes = 6;

// Some byte is one of A to Z; bytes of 0x80 and above never count.
bool HasUppercase(const std::string& password);
// Some byte is one of 0 to 9.
bool HasDigit(const std::string& password);
// Long enough, with a capital and a digit, and confirmed byte for byte.
bool IsValidPassword(const std::string& password, const std::string& confirmation);

// Overwrites the text's bytes, then empties it, so the secret does not linger
// in memory that is freed or reused.
void WipeSecret(std::string& text);
void WipeBytes(char* bytes, std::size_t count);
