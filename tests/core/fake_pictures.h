#pragma once
// Test double for the card pictures: a loader handing out distinct fake handles (never
// dereferenced) and a releaser that counts releases and notices double or unknown ones.
// One FakePictures at a time; it uninstalls itself on destruction.

#include <cstdint>
#include <map>

#include "core/card.h"

class FakePictures {
 public:
  FakePictures() {
    instance_ = this;
    SetPictureFunctions(&Load, &Release);
  }
  ~FakePictures() {
    SetPictureFunctions(nullptr, nullptr);
    instance_ = nullptr;
  }
  FakePictures(const FakePictures&) = delete;
  FakePictures& operator=(const FakePictures&) = delete;

  int loads = 0;                          // successful loads
  int loadRequests = 0;                   // calls of the loader
  int releases = 0;                       // releases of live handles
  int badReleases = 0;                    // releases of a handle that is not live
  int failId = -1;                        // the loader fails for this resource number
  std::map<platform::Bitmap*, int> live;  // live handle -> resource number

 private:
  static platform::Bitmap* Load(int resourceId) {
    FakePictures& self = *instance_;
    if (resourceId == self.failId) return nullptr;
    auto* bitmap = reinterpret_cast<platform::Bitmap*>(
        static_cast<std::uintptr_t>(0x100000 + 16 * ++self.serial_));
    self.live[bitmap] = resourceId;
    ++self.loads;
    return bitmap;
  }
  static void Release(platform::Bitmap* bitmap) {
    FakePictures& self = *instance_;
    ++(self.live.erase(bitmap) == 1 ? self.releases : self.badReleases);
  }

  std::uintptr_t serial_ = 0;
  static inline FakePictures* instance_ = nullptr;
};
