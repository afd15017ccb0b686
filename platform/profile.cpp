#include "platform/profile.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <limits>
#include <optional>
#include <sstream>
#include <vector>

#include <unistd.h>

namespace platform {
namespace {

std::string Trim(const std::string& s) {
  const char* blanks = " \t\r\n";
  const auto first = s.find_first_not_of(blanks);
  if (first == std::string::npos) return "";
  return s.substr(first, s.find_last_not_of(blanks) - first + 1);
}

bool SameName(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

std::vector<std::string> ReadLines(const std::string& path) {
  std::vector<std::string> lines;
  std::ifstream in(path, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

// "[name]" (blanks allowed around), or nothing.
std::optional<std::string> SectionName(const std::string& line) {
  const std::string t = Trim(line);
  if (t.size() < 2 || t.front() != '[') return std::nullopt;
  const auto close = t.find(']');
  if (close == std::string::npos) return std::nullopt;
  return Trim(t.substr(1, close - 1));
}

struct KeyLine {
  std::string key;
  std::string value;
};

std::optional<KeyLine> ParseKeyLine(const std::string& line) {
  const std::string t = Trim(line);
  if (t.empty() || t.front() == ';') return std::nullopt;
  const auto eq = t.find('=');
  if (eq == std::string::npos) return std::nullopt;
  return KeyLine{Trim(t.substr(0, eq)), Trim(t.substr(eq + 1))};
}

// Index of the line holding the key inside the first section of that name, and the index where the
// section ends (-1 for both when there is no such section).
struct Place {
  long sectionLine = -1;
  long keyLine = -1;
  long sectionEnd = -1;
};

Place Find(const std::vector<std::string>& lines, const std::string& section,
           const std::string& key) {
  Place place;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto name = SectionName(lines[i]);
    if (place.sectionLine >= 0) {
      if (name) break;
      const auto kv = ParseKeyLine(lines[i]);
      if (kv && place.keyLine < 0 && SameName(kv->key, key)) place.keyLine = static_cast<long>(i);
      // Blank lines at the end of a section stay after the keys added to it.
      if (!Trim(lines[i]).empty()) place.sectionEnd = static_cast<long>(i) + 1;
    } else if (name && SameName(*name, section)) {
      place.sectionLine = static_cast<long>(i);
      place.sectionEnd = place.sectionLine + 1;
    }
  }
  return place;
}

std::optional<std::string> Lookup(const std::string& section, const std::string& key,
                                  const std::string& path) {
  const auto lines = ReadLines(path);
  const Place place = Find(lines, section, key);
  if (place.keyLine < 0) return std::nullopt;
  return ParseKeyLine(lines[place.keyLine])->value;
}

bool WriteAtomically(const std::string& path, const std::vector<std::string>& lines) {
  const std::string temp = path + ".tmp" + std::to_string(::getpid());
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    for (const std::string& line : lines)
      out << line << "\r\n";
    out.flush();
    if (!out) {
      std::remove(temp.c_str());
      return false;
    }
  }
  if (std::rename(temp.c_str(), path.c_str()) != 0) {
    std::remove(temp.c_str());
    return false;
  }
  return true;
}

}  // namespace

std::int32_t ParseDecimal(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
    ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  std::int64_t value = 0;
  constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = std::min(value * 10 + (text[i] - '0'), kLimit);
  }
  if (negative) return static_cast<std::int32_t>(-value);
  return static_cast<std::int32_t>(std::min<std::int64_t>(value, kLimit - 1));
}

std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& fallback, std::size_t size,
                                    const std::string& path) {
  std::string value = Lookup(section, key, path).value_or(fallback);
  if (size == 0) return "";
  if (value.size() > size - 1) value.resize(size - 1);
  return value;
}

std::int32_t GetPrivateProfileInt(const std::string& section, const std::string& key,
                                  std::int32_t fallback, const std::string& path) {
  const auto value = Lookup(section, key, path);
  return value ? ParseDecimal(*value) : fallback;
}

bool WritePrivateProfileString(const std::string& section, const std::string& key,
                               const std::string& value, const std::string& path) {
  // A line break in a name or value would forge other keys.
  auto clean = [](std::string s) {
    std::replace_if(
        s.begin(), s.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    return Trim(s);
  };
  const std::string cleanSection = clean(section);
  const std::string cleanKey = clean(key);
  if (cleanSection.empty() || cleanKey.empty() || cleanKey.find('=') != std::string::npos) {
    return false;
  }
  auto lines = ReadLines(path);
  const Place place = Find(lines, cleanSection, cleanKey);
  const std::string line = cleanKey + "=" + clean(value);
  if (place.keyLine >= 0) {
    lines[place.keyLine] = ParseKeyLine(lines[place.keyLine])->key + "=" + clean(value);
  } else if (place.sectionLine >= 0) {
    lines.insert(lines.begin() + place.sectionEnd, line);
  } else {
    if (!lines.empty() && !Trim(lines.back()).empty()) lines.push_back("");
    lines.push_back("[" + cleanSection + "]");
    lines.push_back(line);
  }
  return WriteAtomically(path, lines);
}

}  // namespace platform
