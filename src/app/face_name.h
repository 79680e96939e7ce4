// Font face names for the platform's 32-byte face field.
#pragma once

#include "app/lead_bytes.h"

#include <cstddef>
#include <string>

// Bytes of the face field, terminator included.
constexpr std::size_t kFaceNameBytes = 32;

// The longest prefix of the name that fits the face field with its terminator
// (at most 31 bytes), never ending inside a double-byte character.
std::string FitFaceName(const std::string& name, const LeadByteTable& leadBytes);

// Writes FitFaceName into a face field of kFaceNameBytes, terminated.
void CopyFaceName(char (&field)[kFaceNameBytes], const std::string& name,
                  const LeadByteTable& leadBytes);
