// The plotting-area background: plain colour, coloured areas, or a picture.

#include <filesystem>
#include <system_error>

#include "chart/picture/render_state.h"
#include "chart/zarn_vorel.h"

namespace zarn {

using vorel_detail::ClampPixel;
using vorel_detail::TPictureCache;

namespace {

// The picture named by name, decoded again only when the file's size or
// modification time changed since the last decode; null when it cannot be read.
const TBitmap* LoadPicture(TPictureCache& cache, const std::string& name) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const std::uintmax_t size = fs::file_size(name, ec);
  if (ec) return nullptr;
  const auto time = fs::last_write_time(name, ec);
  if (ec) return nullptr;
  const std::int64_t stamp = time.time_since_epoch().count();
  if (cache.Valid && cache.Name == name && cache.Size == size && cache.ModTime == stamp)
    return &cache.Picture;
  cache.Valid = false;
  if (!cache.Picture.LoadFromFile(name)) return nullptr;
  cache.Name = name;
  cache.Size = size;
  cache.ModTime = stamp;
  cache.Valid = true;
  return &cache.Picture;
}

void DrawPicture(TCanvas& c, const TBitmap& picture, TBkgFill mode, int L, int T, int W, int H) {
  switch (mode) {
    case bfSimple:
      c.Rectangle(L, T, L + W, T + H);
      c.Draw(L, T, picture);
      return;
    case bfStretch:
      c.StretchDraw(Rect(L, T, L + W, T + H), picture);
      return;
    case bfTile: {
      const int bw = picture.Width(), bh = picture.Height();
      if (bw <= 0 || bh <= 0 || W <= 0 || H <= 0) return;
      const int nx = (W - 1) / bw + 1, ny = (H - 1) / bh + 1;
      for (int i = 0; i < nx; ++i)
        for (int j = 0; j < ny; ++j)
          c.Draw(L + bw * i, T + bh * j, picture);
      return;
    }
  }
}

// The rectangles of an area mode, as (left, top, right, bottom).
void FillAreas(TCanvas& c, TBGAreaMode mode, int L, int T, int R, int B, int ax1, int ay1, int ax2,
               int ay2) {
  switch (mode) {
    case bamLeft:
      c.Rectangle(L, T, ax1, B);
      break;
    case bamRight:
      c.Rectangle(ax2, T, R, B);
      break;
    case bamTop:
      c.Rectangle(L, T, R, ay1);
      break;
    case bamBottom:
      c.Rectangle(L, ay2, R, B);
      break;
    case bamVStripe:
      c.Rectangle(ax1, T, ax2, B);
      break;
    case bamHStripe:
      c.Rectangle(L, ay1, R, ay2);
      break;
    case bamRect:
      c.Rectangle(ax1, ay1, ax2, ay2);
      break;
    case bamRectInv:
      c.Rectangle(L, T, R, ay1);
      c.Rectangle(L, ay2, R, B);
      c.Rectangle(L, T, ax1, B);
      c.Rectangle(ax2, T, R, B);
      break;
    case bamVStripeInv:
      c.Rectangle(L, T, ax1, B);
      c.Rectangle(ax2, T, R, B);
      break;
    case bamHStripeInv:
      c.Rectangle(L, T, R, ay1);
      c.Rectangle(L, ay2, R, B);
      break;
    default:
      break;
  }
}

}  // namespace

void TCustomVorel::DrawChartBackground(TCanvas& Canvas, int Left, int Top, int Width, int Height) {
  TCanvas& c = Canvas;
  c.Pen().SetStyle(psSolid);
  c.Pen().SetMode(pmCopy);
  c.Brush().SetColor(settings_.ChartColor);
  c.Pen().SetColor(settings_.ChartFrameColor);
  render_->Cache.BrushColor = settings_.ChartColor;
  render_->Cache.BrushClear = false;
  const int R = ClampPixel(std::int64_t{Left} + Width), B = ClampPixel(std::int64_t{Top} + Height);
  const TBakGndImg& bg = backGroundImg_;
  if (!bg.Name().empty()) {
    const TBitmap* picture = LoadPicture(render_->Background, bg.Name());
    if (picture != nullptr) {
      DrawPicture(c, *picture, bg.FillMode(), Left, Top, Width, Height);
      return;
    }
    c.Rectangle(Left, Top, R, B);
    // Dropped without the change notification, which would start a paint
    // inside this one; the picture is the same.
    backGroundImg_.DropName();
    return;
  }
  c.Rectangle(Left, Top, R, B);
  if (bg.AreaMode() == bamNone) return;
  c.Brush().SetColor(bg.AreaColor());
  c.Pen().SetColor(bg.AreaColor());
  int x1, y1, x2, y2;
  WorldToPixel(activeLayer_, bg.AreaLeft(), bg.AreaTop(), x1, y1);
  WorldToPixel(activeLayer_, bg.AreaRight(), bg.AreaBottom(), x2, y2);
  const auto px = [&](int x) {
    return ClampPixel(std::int64_t{Left} + ClampPixel(x) - settings_.MarginLeft);
  };
  const auto py = [&](int y) {
    return ClampPixel(std::int64_t{Top} + ClampPixel(y) - settings_.MarginTop);
  };
  FillAreas(c, bg.AreaMode(), Left, Top, R, B, px(x1), py(y1), px(x2), py(y2));
}

}  // namespace zarn
