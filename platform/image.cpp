#include "platform/image.h"

#include "platform/internal.h"

namespace platform {

Image::Image() : data_(std::make_unique<Data>()) {}

Image::Image(int width, int height, Color fill) : data_(std::make_unique<Data>()) {
  if (width <= 0 || height <= 0) return;
  data_->image = QImage(width, height, QImage::Format_RGB32);
  data_->image.fill(detail::ToQColor(fill));
}

Image::Image(std::unique_ptr<Data> data) : data_(std::move(data)) {
  if (!data_) data_ = std::make_unique<Data>();
}

Image::Image(const Image& other) : data_(std::make_unique<Data>(*other.data_)) {}

Image& Image::operator=(const Image& other) {
  if (this != &other) *data_ = *other.data_;
  return *this;
}

Image::Image(Image&& other) noexcept : data_(std::make_unique<Data>()) {
  data_.swap(other.data_);
}

Image& Image::operator=(Image&& other) noexcept {
  data_.swap(other.data_);
  return *this;
}

Image::~Image() = default;

int Image::Width() const {
  return data_->image.width();
}
int Image::Height() const {
  return data_->image.height();
}
bool Image::IsNull() const {
  return data_->image.isNull();
}

Color Image::Pixel(int x, int y) const {
  if (!data_->image.valid(x, y)) return 0xFFFFFFFF;
  return detail::FromQRgb(data_->image.pixel(x, y));
}

bool Image::Save(const std::string& path) const {
  return data_->image.save(QString::fromStdString(path));
}

Image Image::Load(const std::string& path) {
  auto data = std::make_unique<Data>();
  QImage image(QString::fromStdString(path));
  if (!image.isNull()) data->image = image.convertToFormat(QImage::Format_RGB32);
  return Image(std::move(data));
}

}  // namespace platform
