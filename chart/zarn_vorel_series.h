#pragma once
// Series: poly-lines the chart draws straight from point arrays it shares with
// the caller, for data too large or too live to record as items.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "surface/zarn_graphics.h"

namespace zarn {

// The points of a series, x and y, in blocks that never move once written:
// appending keeps every point where it is, so a caller may go on appending
// while the chart holds the same object.
class TSeriesPoints {
 public:
  // Points appended one by one go into blocks of this many.
  static constexpr std::size_t kBlockPoints = std::size_t{1} << 16;

  TSeriesPoints() = default;
  // Takes the arrays over as they are (moved, not copied); the shorter
  // length counts.
  TSeriesPoints(std::vector<double> x, std::vector<double> y);

  std::size_t Size() const { return size_; }
  bool Empty() const { return size_ == 0; }
  // Point i, for i < Size().
  double X(std::size_t i) const;
  double Y(std::size_t i) const;
  // Changes point i; an index beyond the end is ignored.
  void Set(std::size_t i, double x, double y);
  void Append(double x, double y);
  // Appends pairs from two arrays; the shorter length counts.
  void Append(std::span<const double> x, std::span<const double> y);
  void Clear();

  // True while x never decreases from one point to the next and no x is NaN:
  // then the points in an x range are found by binary search.
  bool SortedX() const { return sortedX_; }
  // The first index whose x is not below value (only meaningful when SortedX).
  std::size_t LowerBoundX(double value) const;
  // The first index whose x is above value (only meaningful when SortedX).
  std::size_t UpperBoundX(double value) const;

  // The blocks in order, for reading many points at once.
  std::size_t BlockCount() const { return blocks_.size(); }
  std::span<const double> BlockX(std::size_t block) const { return blocks_[block].X; }
  std::span<const double> BlockY(std::size_t block) const { return blocks_[block].Y; }
  // The index of a block's first point.
  std::size_t BlockStart(std::size_t block) const { return starts_[block]; }

 private:
  struct TBlock {
    std::vector<double> X, Y;
  };
  std::size_t BlockOf(std::size_t i) const;
  void NewBlock();
  template <class Before>
  std::size_t Bound(double value, Before before) const;

  std::vector<TBlock> blocks_;
  std::vector<std::size_t> starts_;
  std::size_t size_ = 0;
  bool sortedX_ = true;
};

// A series on a chart: its points and how they are drawn. The attributes
// mean what an item's do; a new series takes them from the chart's current
// item settings, as a new item does.
struct TvoSeries {
  std::shared_ptr<TSeriesPoints> Points;
  TColor Color = clBlack;
  TColor FillColor = clSilver;  // fills the gaps of a broken pen
  TPenStyle PenStyle = psSolid;
  std::int32_t LineWidth = 1;
  std::int32_t Layer = 1;
  std::uint8_t ItemClass = 0;
  // Marks at the points within the ranges, drawn after the line as mark
  // items of MarkType draw them.
  bool ShowMarks = false;
  std::uint8_t MarkType = 0;
};

}  // namespace zarn
