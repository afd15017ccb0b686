#include "platform/profile.h"

#include <algorithm>
#include <limits>
#include <set>

#include "platform/profile_store.h"

namespace platform {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view Trim(std::string_view s) {
  const auto first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// Names match without regard to the case of ASCII letters, whatever the locale.
char LowerLetter(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return LowerLetter(x) == LowerLetter(y);
         });
}

std::string Lower(std::string_view name) {
  std::string lower(name);
  std::transform(lower.begin(), lower.end(), lower.begin(), LowerLetter);
  return lower;
}

// "[name]" (blanks allowed around), or nothing.
std::optional<std::string_view> SectionName(std::string_view line) {
  const std::string_view t = Trim(line);
  if (t.size() < 2 || t.front() != '[') return std::nullopt;
  const auto close = t.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return Trim(t.substr(1, close - 1));
}

struct KeyLine {
  std::string_view key;
  std::string_view value;
};

std::optional<KeyLine> ParseKeyLine(std::string_view line) {
  const std::string_view t = Trim(line);
  if (t.empty() || t.front() == ';') return std::nullopt;
  const auto eq = t.find('=');
  if (eq == std::string_view::npos) return std::nullopt;
  return KeyLine{Trim(t.substr(0, eq)), Trim(t.substr(eq + 1))};
}

// Where a key is, or would go, in the first section of a name (-1: no such section or key).
struct Place {
  long sectionLine = -1;
  long keyLine = -1;
  long sectionEnd = -1;
};

Place Locate(const std::vector<std::string>& lines, std::string_view section,
             std::string_view key) {
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

// A line break in a name or value would forge other keys.
std::string OneLine(std::string_view text) {
  std::string s(text);
  std::replace_if(
      s.begin(), s.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
  return std::string(Trim(s));
}

}  // namespace

Profile Profile::FromText(std::string_view text) {
  Profile profile;
  if (text.starts_with(kByteOrderMark)) {
    profile.byteOrderMark_ = true;
    text.remove_prefix(kByteOrderMark.size());
  }
  while (!text.empty()) {
    const auto end = text.find_first_of("\r\n");
    profile.lines_.emplace_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
    text.remove_prefix(end + (crlf ? 2 : 1));
  }
  return profile;
}

Profile Profile::Load(const std::string& path) {
  if (path.empty()) return Profile{};
  profile_store::RemoveLeftovers(path);
  profile_store::ReadResult read = profile_store::ReadWhole(path, kMaxProfileBytes);
  Profile profile = FromText(read.text);
  profile.path_ = path;
  profile.source_ = read.source;
  profile.problem_ = std::move(read.problem);
  return profile;
}

std::optional<std::string> Profile::Find(std::string_view section, std::string_view key) const {
  const Place place = Locate(lines_, section, key);
  if (place.keyLine < 0) return std::nullopt;
  return std::string(ParseKeyLine(lines_[place.keyLine])->value);
}

bool Profile::Set(std::string_view section, std::string_view key, std::string_view value) {
  const std::string cleanSection = OneLine(section);
  const std::string cleanKey = OneLine(key);
  if (cleanSection.empty() || cleanKey.empty() || cleanKey.find('=') != std::string::npos) {
    return false;
  }
  const std::string cleanValue = OneLine(value);
  const Place place = Locate(lines_, cleanSection, cleanKey);
  if (place.keyLine >= 0) {
    std::string& line = lines_[place.keyLine];
    line = std::string(ParseKeyLine(line)->key) + "=" + cleanValue;
  } else if (place.sectionLine >= 0) {
    lines_.insert(lines_.begin() + place.sectionEnd, cleanKey + "=" + cleanValue);
  } else {
    if (!lines_.empty() && !Trim(lines_.back()).empty()) lines_.emplace_back();
    lines_.push_back("[" + cleanSection + "]");
    lines_.push_back(cleanKey + "=" + cleanValue);
  }
  return true;
}

std::vector<Profile::Entry> Profile::Entries() const {
  std::vector<Entry> entries;
  std::set<std::string> sections;
  std::set<std::string> keys;
  std::string_view section;
  bool firstOfItsName = false;
  for (const std::string& line : lines_) {
    if (const auto name = SectionName(line)) {
      section = *name;
      firstOfItsName = sections.insert(Lower(section)).second;
      keys.clear();
    } else if (const auto kv = ParseKeyLine(line);
               kv && firstOfItsName && keys.insert(Lower(kv->key)).second) {
      entries.push_back({std::string(section), std::string(kv->key), std::string(kv->value)});
    }
  }
  return entries;
}

std::string Profile::Text() const {
  std::string text(byteOrderMark_ ? kByteOrderMark : "");
  for (const std::string& line : lines_) {
    text += line;
    text += '\n';
  }
  return text;
}

bool Profile::Save() const {
  if (source_ != Source::kMissing && source_ != Source::kRead) return false;
  return profile_store::ReplaceWhole(path_, Text());
}

std::int32_t ParseDecimal(std::string_view text) {
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

std::string GetPrivateProfileString(std::string_view section, std::string_view key,
                                    const std::string& fallback, std::size_t size,
                                    const Profile& profile) {
  if (size == 0) return "";
  std::string value = profile.Find(section, key).value_or(fallback);
  if (value.size() > size - 1) value.resize(size - 1);
  return value;
}

std::int32_t GetPrivateProfileInt(std::string_view section, std::string_view key,
                                  std::int32_t fallback, const Profile& profile) {
  const auto value = profile.Find(section, key);
  return value ? ParseDecimal(*value) : fallback;
}

bool WritePrivateProfileString(std::string_view section, std::string_view key,
                               std::string_view value, Profile& profile) {
  return profile.Set(section, key, value);
}

}  // namespace platform
