// Item records and the growable item list.

#include <algorithm>
#include <vector>

#include "chart/picture/render_state.h"
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
  if (full) {
    // At least the new capacity, and geometric so that long series stay linear.
    const std::size_t wanted =
        static_cast<std::size_t>(s.capacity) + static_cast<std::size_t>(step);
    if (wanted > s.items.capacity()) s.items.reserve(std::max(wanted, 2 * s.items.capacity()));
  }
  s.items.emplace_back();  // zeroed; both leave the list unchanged on bad_alloc
  if (full) s.capacity += step;
  return s.items.back();
}

// The storage is kept: a chart that is cleared is usually filled again at once.
void TVoItemContainer::Clear() {
  storage_->items.clear();
  storage_->capacity = 0;
}

void TVoItemContainer::CopyFrom(const TVoItemContainer& source, int capacity) {
  std::vector<TvoChartItem> copy(source.storage_->items);
  storage_->items.swap(copy);
  storage_->capacity = std::max(capacity, Count());
}

}  // namespace zarn

namespace zarn {

TvoChartItem& TCustomVorel::AppendItem(std::uint8_t kind, std::uint8_t coordMode, double x,
                                       double y) {
  TVoItemContainer& list = annotationMode_ ? annotations_ : *data_;
  TvoChartItem& item = list.Append(settings_.AllocSize);
  vorel_detail::PlotChanged(*this);
  item.Kind = kind;
  item.Layer = activeLayer_;
  item.ItemClass = settings_.ClassDefault;
  item.Color = settings_.DataColor;
  item.PenStyle = settings_.PenStyle;
  item.Attrib = 0;
  item.LineWidth = settings_.LineWidth;
  if (kind == ikLineTo) item.FillColor = settings_.FillColor;
  item.X1 = x;
  item.Y1 = y;
  // Pixel coordinates only mean something for annotations; data lists are
  // drawn by several charts, each with its own plotting area. A sharing group
  // holds one list object, so the new item is every member's at once.
  item.CoordMode = annotationMode_ ? coordMode : std::uint8_t{icWorld};
  return item;
}

void TCustomVorel::MovePenTo(int x, int y) {
  AppendItem(ikMoveTo, icPixel, x, y);
}

void TCustomVorel::LineToPoint(double x, double y) {
  AppendItem(ikLineTo, icWorld, x, y);
}

void TCustomVorel::ClearItems() {
  ResizePlotImage();
  // The plotting area is drawn anew, background first, before anyone reads it;
  // only a handler could see this background.
  if (vorel_detail::PaintObservable(*this))
    DrawChartBackground(plotImage_.Canvas(), 0, 0, plotImage_.CanvasWidth(),
                        plotImage_.CanvasHeight());
  data_->Clear();
  vorel_detail::PlotChanged(*this);
  ClearMouseTrace();
  HandOnDataList();
}

void TCustomVorel::ShowItems() {
  if (Visible()) {
    HandOnDataList();
    if (!settings_.AutoRedraw)
      Paint();
    else if (!paintHold_)
      ShowPlotArea();
  }
  RepaintPartners();
}

void TCustomVorel::SetAllocSize(int value) {
  if (value >= 1 && value <= 1000000) settings_.AllocSize = value;
}

void TCustomVorel::SetActiveLayer(int value) {
  activeLayer_ = std::clamp(value, 1, kVorelLayers);
  vorel_detail::PlotChanged(*this);  // the mouse trace is drawn in the active layer
}

bool TCustomVorel::ClassVisible(bool annotation, int itemClass) const {
  if (itemClass < 0 || itemClass > 255) return false;
  const auto& table = annotation ? annotationClassVisible_ : dataClassVisible_;
  return table[static_cast<std::size_t>(itemClass)];
}

void TCustomVorel::SetClassVisible(bool annotation, int itemClass, bool value) {
  if (itemClass < 0 || itemClass > 255) return;
  auto& table = annotation ? annotationClassVisible_ : dataClassVisible_;
  table[static_cast<std::size_t>(itemClass)] = value;
  vorel_detail::PlotChanged(*this);
}

}  // namespace zarn
