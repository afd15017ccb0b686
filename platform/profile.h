#pragma once
// Profile (INI) files with the classic semantics: sections and keys match without regard to letter
// case, blanks around names and values are trimmed, lines starting with ";" are comments, and
// everything a change does not touch is kept as it was. A file is read once into a Profile; the
// changes are made in memory, and Save replaces the whole file at once.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Larger files are no settings file of ours: they are not read, and so never overwritten.
inline constexpr std::size_t kMaxProfileBytes = 1 << 20;

class Profile {
 public:
  enum class Source { kNone, kMissing, kRead, kUnreadable };

  // The file at `path`, read once (with LF, CRLF or CR line ends and an optional UTF-8 byte-order
  // mark). A missing file gives an empty profile that Save creates. A file that exists but cannot
  // be read (permissions, not a regular file, over kMaxProfileBytes) gives an empty profile that
  // Save never writes. Temporary files a crashed save left beside the file are removed.
  static Profile Load(const std::string& path);
  // A profile of text alone, tied to no file.
  static Profile FromText(std::string_view text);

  Source source() const { return source_; }
  // Why an existing file could not be read, in a few words; empty otherwise.
  const std::string& problem() const { return problem_; }

  // The value of the key in the first section of that name.
  std::optional<std::string> Find(std::string_view section, std::string_view key) const;
  // Creates the section or the key when missing, else replaces the value. Line breaks in the
  // names or the value become blanks; false for an empty name or a key holding "=".
  bool Set(std::string_view section, std::string_view key, std::string_view value);
  // Every key Find answers for, with the value it gives, in file order (a key again in its section,
  // or in a later section of the same name, is left out).
  struct Entry {
    std::string section;
    std::string key;
    std::string value;
  };
  std::vector<Entry> Entries() const;
  // The text Save writes: lines ended with LF, behind the byte-order mark the file had.
  std::string Text() const;

  // Replaces the file with Text() in one step, keeping its mode and following a symbolic link to
  // its target. False, writing nothing, for an unreadable file, a file without write permission,
  // or a profile tied to no file.
  bool Save() const;

 private:
  std::string path_;
  Source source_ = Source::kNone;
  std::string problem_;
  bool byteOrderMark_ = false;
  std::vector<std::string> lines_;
};

// The value of key in section, or `fallback` when the profile lacks it; cut to size - 1 characters
// like a fixed buffer of `size` bytes.
std::string GetPrivateProfileString(std::string_view section, std::string_view key,
                                    const std::string& fallback, std::size_t size,
                                    const Profile& profile);

// The value read as a decimal number (ParseDecimal); `fallback` when the key is absent.
std::int32_t GetPrivateProfileInt(std::string_view section, std::string_view key,
                                  std::int32_t fallback, const Profile& profile);

// Profile::Set: changes the profile in memory only.
bool WritePrivateProfileString(std::string_view section, std::string_view key,
                               std::string_view value, Profile& profile);

// Where a settings file may live (both implemented with the file-system work, in
// profile_store.cpp).
// The desktop's folder for settings: $XDG_CONFIG_HOME when it is absolute, else .config in the
// home folder; empty when no home is known.
std::string ConfigFolder();
// Whether the user may create files in the folder ("" is the current one).
bool FolderIsWritable(const std::string& folder);

// Leading blanks, an optional sign, then digits up to the first other character (no digits: 0).
// Values beyond 32 bits saturate.
std::int32_t ParseDecimal(std::string_view text);

}  // namespace platform
