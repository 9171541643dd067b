// Item records and the growable item list.

#include <algorithm>
#include <vector>

#include "chart/zarn_vorel.h"

namespace zarn {

void TvoChartItem::SetShortText(std::string_view text) {
  const std::size_t n = std::min<std::size_t>(text.size(), 17);
  ShortText.fill(0);
  ShortText[0] = static_cast<char>(n);
  std::copy_n(text.data(), n, ShortText.data() + 1);
}

struct TVoItemContainer::Storage {
  std::vector<TvoChartItem> items;
  int capacity = 0;
};

TVoItemContainer::TVoItemContainer() : storage_(std::make_unique<Storage>()) {}
TVoItemContainer::~TVoItemContainer() = default;

int TVoItemContainer::Count() const {
  return static_cast<int>(storage_->items.size());
}
int TVoItemContainer::Capacity() const {
  return storage_->capacity;
}
TvoChartItem& TVoItemContainer::operator[](int index) {
  return storage_->items[static_cast<std::size_t>(index)];
}
const TvoChartItem& TVoItemContainer::operator[](int index) const {
  return storage_->items[static_cast<std::size_t>(index)];
}
TvoChartItem* TVoItemContainer::begin() {
  return storage_->items.data();
}
TvoChartItem* TVoItemContainer::end() {
  return storage_->items.data() + storage_->items.size();
}
const TvoChartItem* TVoItemContainer::begin() const {
  return storage_->items.data();
}
const TvoChartItem* TVoItemContainer::end() const {
  return storage_->items.data() + storage_->items.size();
}

TvoChartItem& TVoItemContainer::Append(int step) {
  Storage& s = *storage_;
  const bool full = static_cast<int>(s.items.size()) >= s.capacity;
  s.items.push_back(TvoChartItem{});  // strong guarantee: unchanged on bad_alloc
  if (full) s.capacity += step;
  return s.items.back();
}

void TVoItemContainer::Clear() {
  storage_->items = std::vector<TvoChartItem>();
  storage_->capacity = 0;
}

void TVoItemContainer::CopyFrom(const TVoItemContainer& source, int capacity) {
  std::vector<TvoChartItem> copy(source.storage_->items);
  storage_->items.swap(copy);
  storage_->capacity = std::max(capacity, Count());
}

}  // namespace zarn
