// The point store of a series: blocks that never move once written.

#include <algorithm>
#include <cmath>

#include "chart/zarn_vorel_series.h"

namespace zarn {

TSeriesPoints::TSeriesPoints(std::vector<double> x, std::vector<double> y) {
  const std::size_t n = std::min(x.size(), y.size());
  if (n == 0) return;
  x.resize(n);
  y.resize(n);
  sortedX_ = std::is_sorted(x.begin(), x.end()) &&
             std::none_of(x.begin(), x.end(), [](double v) { return std::isnan(v); });
  starts_.push_back(0);
  blocks_.push_back({std::move(x), std::move(y)});
  size_ = n;
}

std::size_t TSeriesPoints::BlockOf(std::size_t i) const {
  return static_cast<std::size_t>(std::upper_bound(starts_.begin(), starts_.end(), i) -
                                  starts_.begin()) -
         1;
}

double TSeriesPoints::X(std::size_t i) const {
  const std::size_t b = BlockOf(i);
  return blocks_[b].X[i - starts_[b]];
}

double TSeriesPoints::Y(std::size_t i) const {
  const std::size_t b = BlockOf(i);
  return blocks_[b].Y[i - starts_[b]];
}

void TSeriesPoints::Set(std::size_t i, double x, double y) {
  if (i >= size_) return;
  const std::size_t b = BlockOf(i);
  const bool inOrder =
      !std::isnan(x) && (i == 0 || X(i - 1) <= x) && (i + 1 == size_ || x <= X(i + 1));
  sortedX_ = sortedX_ && inOrder;
  blocks_[b].X[i - starts_[b]] = x;
  blocks_[b].Y[i - starts_[b]] = y;
}

// A block is filled only up to the capacity it was given, so its points stay put.
void TSeriesPoints::NewBlock() {
  TBlock block;
  block.X.reserve(kBlockPoints);
  block.Y.reserve(kBlockPoints);
  starts_.push_back(size_);
  blocks_.push_back(std::move(block));
}

void TSeriesPoints::Append(double x, double y) {
  // No block is ever left empty, so the last one holds the last point.
  sortedX_ = sortedX_ && !std::isnan(x) && (size_ == 0 || blocks_.back().X.back() <= x);
  if (blocks_.empty() || blocks_.back().X.size() == blocks_.back().X.capacity()) NewBlock();
  blocks_.back().X.push_back(x);
  blocks_.back().Y.push_back(y);
  ++size_;
}

void TSeriesPoints::Append(std::span<const double> x, std::span<const double> y) {
  const std::size_t n = std::min(x.size(), y.size());
  for (std::size_t i = 0; i < n; ++i)
    Append(x[i], y[i]);
}

void TSeriesPoints::Clear() {
  blocks_.clear();
  starts_.clear();
  size_ = 0;
  sortedX_ = true;
}

// Blocks are in order when x is: the block is found first, then the point.
template <class Before>
std::size_t TSeriesPoints::Bound(double value, Before before) const {
  const auto block = std::partition_point(
      blocks_.begin(), blocks_.end(), [&](const TBlock& b) { return before(b.X.back(), value); });
  if (block == blocks_.end()) return size_;
  const auto b = static_cast<std::size_t>(block - blocks_.begin());
  const auto in = std::partition_point(block->X.begin(), block->X.end(),
                                       [&](double x) { return before(x, value); });
  return starts_[b] + static_cast<std::size_t>(in - block->X.begin());
}

std::size_t TSeriesPoints::LowerBoundX(double value) const {
  return Bound(value, [](double x, double v) { return x < v; });
}

std::size_t TSeriesPoints::UpperBoundX(double value) const {
  return Bound(value, [](double x, double v) { return x <= v; });
}

}  // namespace zarn
