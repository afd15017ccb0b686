#pragma once
// The file side of profiles: bounded reads, whole-file replacement, and the removal of what a
// replacement cut short by a crash left behind.

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/profile.h"

namespace platform::profile_store {

struct ReadResult {
  Profile::Source source = Profile::Source::kMissing;
  std::string text;     // only when kRead
  std::string problem;  // only when kUnreadable
};

// Reads a regular file of at most `limit` bytes; never waits on a pipe or device.
ReadResult ReadWhole(const std::string& path, std::size_t limit);

// Writes a temporary file beside the target (the end of a chain of symbolic links), flushes it,
// renames it over the target and flushes the folder: a crash leaves the old file or the new one.
// A missing folder is made first.
// The target's mode is kept; a target without write permission or of another kind is not written.
bool ReplaceWhole(const std::string& path, std::string_view text);

// Removes the temporary files of ReplaceWhole that a crash left beside the target.
void RemoveLeftovers(const std::string& path);

}  // namespace platform::profile_store
