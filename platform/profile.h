#pragma once
// Profile (INI) files with the classic semantics: sections and keys match without regard to letter
// case, blanks around names and values are trimmed, lines starting with ";" are comments, and
// everything a write does not touch is kept as it was. Every write replaces the file atomically.

#include <cstdint>
#include <string>

namespace platform {

// The value of key in section, or `fallback` when the file, the section or the key is missing;
// cut to size - 1 characters like a fixed buffer of `size` bytes.
std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& fallback, std::size_t size,
                                    const std::string& path);

// The value read as a decimal number: leading blanks, an optional sign, then digits up to the first
// other character (no digits: 0). Values beyond 32 bits saturate. `fallback` when the key is
// absent.
std::int32_t GetPrivateProfileInt(const std::string& section, const std::string& key,
                                  std::int32_t fallback, const std::string& path);

// Creates the file, the section or the key when missing, else replaces the value.
bool WritePrivateProfileString(const std::string& section, const std::string& key,
                               const std::string& value, const std::string& path);

// The decimal conversion used for profile numbers, for callers that read text themselves.
std::int32_t ParseDecimal(const std::string& text);

}  // namespace platform
