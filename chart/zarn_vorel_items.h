#pragma once
// The chart's items: the record of one drawing command, its kinds and
// coordinate modes, the growable list that holds records, and the table of
// texts that text items name by number.

#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "surface/zarn_graphics.h"

namespace zarn {

inline constexpr int kVorelItemTexts = 50;

// What an item draws (TvoChartItem::Kind); codes 0, 10, 11 and above 24 draw
// nothing.
enum TvoItemKind : std::uint8_t {
  ikMark = 1,
  ikLine = 2,
  ikLineTo = 3,
  ikRectangle = 4,
  ikPanel = 5,
  ikBar = 6,
  ikText = 7,
  ikMoveTo = 8,
  ikEllipse = 9,
  ikRelativeMove = 12,
  ikRelativeLine = 13,
  ikArrow = 14,
  ikDoubleArrow = 15,
  ikShiftedText = 16,
  ikCentredRectangle = 17,
  ikErrorBars = 18,
  ikShiftedLine = 19,
  ikArc = 20,
  ikLineFromPoint = 21,
  ikVerticalLine = 22,
  ikHorizontalLine = 23,
  ikCross = 24
};

constexpr bool IsTextKind(int kind) {
  return kind == ikText || kind == ikShiftedText;
}

// How an item's points become pixels (TvoChartItem::CoordMode): world points
// go through the item's layer, pixel points are plotting-area pixels. Modes
// above 5 draw nothing.
enum TvoCoordMode : std::uint8_t {
  icWorld = 0,
  icPixel = 1,
  icWorldThenPixel = 2,
  icPixelThenWorld = 3,
  icPixelXWorldY = 4,
  icWorldXPixelY = 5
};

// One recorded drawing command. Plain data: a value-initialised item is all
// zeros, and items are copied bytewise between lists and charts.
struct TvoChartItem {
  double X1;
  double Y1;
  double X2;
  double Y2;
  TColor Color;
  TColor FillColor;
  std::int32_t ParamC;
  std::int32_t ParamD;
  TPenStyle PenStyle;
  std::int32_t Attrib;
  std::int32_t LineWidth;
  std::uint8_t ItemClass;
  std::uint8_t Kind;
  std::int32_t Layer;
  std::array<std::uint8_t, 2> Flags;
  std::array<char, 18> ShortText;  // length byte, then up to 17 characters
  std::array<std::uint8_t, 8> ParamA;
  std::int32_t ParamB;
  std::uint8_t CoordMode;

  // ParamA read as two 32-bit integers (index 0 or 1) or as one double.
  std::int32_t ParamAInt(int index) const {
    std::int32_t v;
    std::memcpy(&v, ParamA.data() + (index ? 4 : 0), sizeof v);
    return v;
  }
  void SetParamAInt(int index, std::int32_t value) {
    std::memcpy(ParamA.data() + (index ? 4 : 0), &value, sizeof value);
  }
  double ParamADouble() const {
    double v;
    std::memcpy(&v, ParamA.data(), sizeof v);
    return v;
  }
  void SetParamADouble(double value) { std::memcpy(ParamA.data(), &value, sizeof value); }
  // The short text; a length byte above 17 reads as 17.
  std::string_view ShortTextView() const {
    const auto n = static_cast<unsigned char>(ShortText[0]);
    return {ShortText.data() + 1, n > 17 ? 17u : n};
  }
  // Cut to 17 bytes.
  void SetShortText(std::string_view text);
};

// A growable item list. Capacity() is the observable allocation, which grows
// in steps of the owner's AllocSize; the storage under it grows geometrically
// so that long series append in linear time.
class TVoItemContainer {
 public:
  int Count() const;
  int Capacity() const;
  TvoChartItem& operator[](int index);
  const TvoChartItem& operator[](int index) const;
  TvoChartItem* begin();
  TvoChartItem* end();
  const TvoChartItem* begin() const;
  const TvoChartItem* end() const;

  // A zeroed entry at index Count(); when the list is full the capacity first
  // grows by step. Throws std::bad_alloc leaving entries, count and capacity
  // as they were.
  TvoChartItem& Append(int step);
  // Count and capacity back to 0; the storage stays for the next entries.
  void Clear();
  // Copies the entries of source and takes the given capacity (at least the count).
  void CopyFrom(const TVoItemContainer& source, int capacity);
  void Swap(TVoItemContainer& other) noexcept { storage_.swap(other.storage_); }

 private:
  struct Storage;
  std::unique_ptr<Storage> storage_;

 public:
  TVoItemContainer();
  ~TVoItemContainer();
  TVoItemContainer(const TVoItemContainer&) = delete;
  TVoItemContainer& operator=(const TVoItemContainer&) = delete;
};

// The 50 texts (index 1 .. 50) of one list's text items, and their count.
struct TVoItemTexts {
  std::array<std::string, kVorelItemTexts + 1> Text;  // [0] unused
  int Count = 0;
};

}  // namespace zarn
