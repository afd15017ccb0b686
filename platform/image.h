#pragma once
// An owned RGB picture, used for screenshots and by tests that read pixels.

#include <memory>
#include <string>

#include "platform/types.h"

namespace platform {

class Image {
 public:
  Image();
  Image(int width, int height, Color fill = Rgb(0, 0, 0));
  Image(const Image& other);
  Image& operator=(const Image& other);
  Image(Image&&) noexcept;
  Image& operator=(Image&&) noexcept;
  ~Image();

  int Width() const;
  int Height() const;
  bool IsNull() const;
  // Color at (x, y); 0xFFFFFFFF outside the picture.
  Color Pixel(int x, int y) const;
  bool Save(const std::string& path) const;  // format from the file name, e.g. ".png"
  static Image Load(const std::string& path);

  struct Data;
  explicit Image(std::unique_ptr<Data> data);
  Data* data() const { return data_.get(); }

 private:
  std::unique_ptr<Data> data_;
};

}  // namespace platform
