#include "platform/profile_store.h"

#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>

namespace fs = std::filesystem;

namespace platform::profile_store {
namespace {

constexpr std::string_view kTempInfix = ".tmp-";
constexpr std::size_t kSuffixLength = 6;
constexpr std::string_view kSuffixLetters =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
constexpr int kMaxLinkHops = 40;

// A descriptor closed when it goes out of scope.
class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }
  // Closes now, reporting what close found (a late write error on some file systems).
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

// The file a chain of symbolic links ends at (existing or not).
fs::path Target(const std::string& path) {
  fs::path p = path;
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(p, error))) break;
    const fs::path next = fs::read_symlink(p, error);
    if (error) break;
    p = next.is_absolute() ? next : p.parent_path() / next;
  }
  return p;
}

fs::path FolderOf(const fs::path& file) {
  return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

std::string TempPrefix(const fs::path& target) {
  // Appended piece by piece: gcc 12 at -O3 reports a false overlap for "." + std::string.
  std::string prefix = ".";
  prefix += target.filename().string();
  prefix += kTempInfix;
  return prefix;
}

bool IsLeftoverName(std::string_view name, std::string_view prefix) {
  if (name.size() != prefix.size() + kSuffixLength || !name.starts_with(prefix)) return false;
  return name.substr(prefix.size()).find_first_not_of(kSuffixLetters) == std::string_view::npos;
}

std::string RandomSuffix() {
  std::random_device device;
  std::uniform_int_distribution<std::size_t> pick(0, kSuffixLetters.size() - 1);
  std::string suffix;
  for (std::size_t i = 0; i < kSuffixLength; ++i)
    suffix += kSuffixLetters[pick(device)];
  return suffix;
}

// The permission bits count for root too: a file nobody may read or write is left alone.
bool MayRead(const char* path, const struct stat& st) {
  return (st.st_mode & (S_IRUSR | S_IRGRP | S_IROTH)) != 0 &&
         ::faccessat(AT_FDCWD, path, R_OK, AT_EACCESS) == 0;
}

bool MayWrite(const char* path, const struct stat& st) {
  return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0 &&
         ::faccessat(AT_FDCWD, path, W_OK, AT_EACCESS) == 0;
}

bool WriteAll(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t n = ::write(fd, text.data(), text.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    text.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

ReadResult Unreadable(std::string problem) {
  return {Profile::Source::kUnreadable, "", std::move(problem)};
}

ReadResult TooLarge(std::size_t limit) {
  return Unreadable("larger than " + std::to_string(limit) + " bytes");
}

}  // namespace

ReadResult ReadWhole(const std::string& path, std::size_t limit) {
  // Non-blocking, so that a pipe put in the file's place cannot stall the start.
  Fd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (fd.get() < 0) {
    if (errno == ENOENT) return {};
    return Unreadable(std::strerror(errno));
  }
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0) return Unreadable(std::strerror(errno));
  if (!S_ISREG(st.st_mode)) return Unreadable("not a regular file");
  if (static_cast<std::uintmax_t>(st.st_size) > limit) return TooLarge(limit);
  if (!MayRead(path.c_str(), st)) return Unreadable("no read permission");

  ReadResult result{Profile::Source::kRead, "", ""};
  result.text.reserve(static_cast<std::size_t>(st.st_size));
  char chunk[1 << 16];
  for (;;) {
    const ssize_t n = ::read(fd.get(), chunk, sizeof chunk);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return Unreadable(std::strerror(errno));
    if (n == 0) return result;
    // The file may have grown since fstat.
    if (result.text.size() + static_cast<std::size_t>(n) > limit) {
      return TooLarge(limit);
    }
    result.text.append(chunk, static_cast<std::size_t>(n));
  }
}

bool ReplaceWhole(const std::string& path, std::string_view text) {
  if (path.empty()) return false;
  const fs::path target = Target(path);
  struct stat st {};
  const bool exists = ::stat(target.c_str(), &st) == 0;
  if (!exists && errno != ENOENT) return false;
  if (exists && (!S_ISREG(st.st_mode) || !MayWrite(target.c_str(), st))) return false;

  const fs::path folder = FolderOf(target);
  if (!exists) {
    // A first save may come before the settings folder exists.
    std::error_code ignored;
    fs::create_directories(folder, ignored);
  }
  const std::string prefix = TempPrefix(target);
  std::string temp;
  int created = -1;
  // A new file gets the mode plain creation gives; an existing one gets its own mode below.
  const mode_t createMode = exists ? 0600 : 0666;
  for (int attempt = 0; attempt < 16 && created < 0; ++attempt) {
    temp = (folder / (prefix + RandomSuffix())).string();
    created =
        ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, createMode);
    if (created < 0 && errno != EEXIST) return false;
  }
  Fd fd(created);
  if (fd.get() < 0) return false;

  if (exists) {
    // Where the file system refuses, the copy keeps 0600: never looser, and the save still counts.
    ::fchmod(fd.get(), st.st_mode & 07777);
    // Root editing a player's file leaves it the player's.
    [[maybe_unused]] const bool owned =
        ::geteuid() != 0 || ::fchown(fd.get(), st.st_uid, st.st_gid) == 0;
  }
  bool ok = WriteAll(fd.get(), text) && ::fsync(fd.get()) == 0;
  ok = fd.Close() && ok;
  ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
  if (!ok) {
    ::unlink(temp.c_str());
    return false;
  }
  Fd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.get() >= 0) ::fsync(dir.get());  // the rename is done; this only makes it durable
  return true;
}

void RemoveLeftovers(const std::string& path) {
  if (path.empty()) return;
  const fs::path target = Target(path);
  const std::string prefix = TempPrefix(target);
  DIR* dir = ::opendir(FolderOf(target).c_str());
  if (dir == nullptr) return;
  const uid_t self = ::geteuid();
  while (const dirent* entry = ::readdir(dir)) {
    if (!IsLeftoverName(entry->d_name, prefix)) continue;
    struct stat st {};
    // Only plain files of ours; a link at such a name is left alone.
    if (::fstatat(::dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 &&
        S_ISREG(st.st_mode) && st.st_uid == self) {
      ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
  }
  ::closedir(dir);
}

}  // namespace platform::profile_store

namespace platform {

std::string ConfigFolder() {
  const char* configHome = std::getenv("XDG_CONFIG_HOME");
  if (configHome != nullptr && configHome[0] == '/') return configHome;
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] == '/') return (fs::path(home) / ".config").string();
  if (const passwd* entry = ::getpwuid(::getuid()); entry != nullptr && entry->pw_dir != nullptr) {
    return (fs::path(entry->pw_dir) / ".config").string();
  }
  return "";
}

bool FolderIsWritable(const std::string& folder) {
  return ::access(folder.empty() ? "." : folder.c_str(), W_OK | X_OK) == 0;
}

}  // namespace platform
