// Sized faces and their glyph caches, and the cache of sized faces by font.

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_BITMAP_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H
#include FT_WINFONTS_H

#include <algorithm>
#include <cmath>

#include "surface/text_internal.h"
#include "surface/zarn_graphics.h"

namespace zarn::text::detail {

namespace {

// What a height of 0 means: the usual dialog font size.
constexpr int kDefaultCharHeight = 11;
// Enough distinct fonts for every label style of a window, small enough that
// a program cycling through sizes does not keep hundreds of faces open.
constexpr std::size_t kMaxFaces = 48;
constexpr std::size_t kMaxOtherGlyphs = 4096;

int RoundPixels(FT_Pos v26_6) {
  return static_cast<int>((v26_6 + 32) >> 6);
}

// Copies a FreeType bitmap of any pixel mode into 8-bit coverage.
void CopyCoverage(FT_Library library, const FT_Bitmap& source, TGlyph& glyph) {
  const FT_Bitmap* bitmap = &source;
  FT_Bitmap converted;
  FT_Bitmap_Init(&converted);
  int levels = 256;
  const bool direct = source.pixel_mode == FT_PIXEL_MODE_MONO ||
                      source.pixel_mode == FT_PIXEL_MODE_GRAY ||
                      source.pixel_mode == FT_PIXEL_MODE_BGRA;
  if (!direct) {
    if (FT_Bitmap_Convert(library, &source, &converted, 1) != 0) {
      FT_Bitmap_Done(library, &converted);
      return;
    }
    bitmap = &converted;
    levels = std::max(2, static_cast<int>(converted.num_grays));
  } else if (source.pixel_mode == FT_PIXEL_MODE_GRAY) {
    levels = std::max(2, static_cast<int>(source.num_grays));
  }
  glyph.Width = static_cast<int>(bitmap->width);
  glyph.Rows = static_cast<int>(bitmap->rows);
  glyph.Coverage.assign(static_cast<std::size_t>(glyph.Width) * glyph.Rows, 0);
  const int pitch = bitmap->pitch;
  for (int r = 0; r < glyph.Rows; ++r) {
    const unsigned char* row =
        bitmap->buffer + static_cast<std::ptrdiff_t>(pitch >= 0 ? r : glyph.Rows - 1 - r) *
                             (pitch >= 0 ? pitch : -pitch);
    std::uint8_t* out = glyph.Coverage.data() + static_cast<std::size_t>(r) * glyph.Width;
    for (int c = 0; c < glyph.Width; ++c) {
      switch (bitmap->pixel_mode) {
        case FT_PIXEL_MODE_MONO:
          out[c] = (row[c >> 3] & (0x80 >> (c & 7))) ? 255 : 0;
          break;
        case FT_PIXEL_MODE_BGRA:
          out[c] = row[c * 4 + 3];
          break;
        default:
          out[c] = static_cast<std::uint8_t>(
              levels == 256 ? row[c] : std::min(255, row[c] * 255 / (levels - 1)));
          break;
      }
    }
  }
  FT_Bitmap_Done(library, &converted);
}

// Synthetic bold for bitmap strikes: every column also inks its right
// neighbour, and the glyph advances one pixel more.
void Embolden(TGlyph& glyph) {
  if (glyph.Width == 0 || glyph.Rows == 0) {
    ++glyph.Advance;
    return;
  }
  const int width = glyph.Width + 1;
  std::vector<std::uint8_t> out(static_cast<std::size_t>(width) * glyph.Rows, 0);
  for (int r = 0; r < glyph.Rows; ++r) {
    const std::uint8_t* in = glyph.Coverage.data() + static_cast<std::size_t>(r) * glyph.Width;
    std::uint8_t* o = out.data() + static_cast<std::size_t>(r) * width;
    for (int c = 0; c < width; ++c) {
      const std::uint8_t here = c < glyph.Width ? in[c] : 0;
      const std::uint8_t left = c > 0 ? in[c - 1] : 0;
      o[c] = std::max(here, left);
    }
  }
  glyph.Coverage = std::move(out);
  glyph.Width = width;
  ++glyph.Advance;
}

// Synthetic italic for bitmap strikes: rows shift right with their height
// above the baseline.
void Shear(TGlyph& glyph, double slant) {
  if (glyph.Width == 0 || glyph.Rows == 0) return;
  std::vector<int> shift(glyph.Rows);
  for (int r = 0; r < glyph.Rows; ++r)
    shift[r] = static_cast<int>(std::floor((glyph.Top - 1 - r) * slant));
  const auto [lo, hi] = std::minmax_element(shift.begin(), shift.end());
  const int minShift = *lo;
  const int width = glyph.Width + (*hi - minShift);
  std::vector<std::uint8_t> out(static_cast<std::size_t>(width) * glyph.Rows, 0);
  for (int r = 0; r < glyph.Rows; ++r)
    std::copy_n(glyph.Coverage.data() + static_cast<std::size_t>(r) * glyph.Width, glyph.Width,
                out.data() + static_cast<std::size_t>(r) * width + (shift[r] - minShift));
  glyph.Coverage = std::move(out);
  glyph.Width = width;
  glyph.Left += minShift;
}

// Top of a glyph above the baseline, or -1 when the face lacks it.
int GlyphTop(FT_Face face, char32_t cp) {
  const FT_UInt index = FT_Get_Char_Index(face, cp);
  if (index == 0 || FT_Load_Glyph(face, index, FT_LOAD_DEFAULT) != 0) return -1;
  if (face->glyph->format == FT_GLYPH_FORMAT_BITMAP) return face->glyph->bitmap_top;
  return RoundPixels(face->glyph->metrics.horiBearingY);
}

}  // namespace

std::unique_ptr<TSizedFace> TSizedFace::Open(const TFaceMatch& match, int height) {
  FT_Library library = Library();
  if (!library) return nullptr;
  auto sized = std::make_unique<TSizedFace>();
  if (FT_New_Face(library, match.File.c_str(), match.Index, &sized->face_) != 0) {
    sized->face_ = nullptr;
    return nullptr;
  }
  FT_Face face = sized->face_;
  sized->Scalable = FT_IS_SCALABLE(face);
  if (!sized->Scalable && face->num_fixed_sizes <= 0) return nullptr;
  FT_Select_Charmap(face, FT_ENCODING_UNICODE);
  sized->embolden_ = match.Embolden;
  sized->slant_ = match.Slant;
  if (height == 0) height = -kDefaultCharHeight;
  height = std::clamp(height, -kMaxPixelSize, kMaxPixelSize);
  if (sized->Scalable) {
    sized->SizeOutlines(height);
    if (sized->slant_ != 0.0) {
      FT_Matrix shear{0x10000, static_cast<FT_Fixed>(std::lround(sized->slant_ * 0x10000)), 0,
                      0x10000};
      FT_Set_Transform(face, &shear, nullptr);
    }
  } else {
    sized->ChooseStrike(height);
  }
  if (FT_Get_Char_Index(face, kReplacementChar) == 0) sized->replacement_ = U'?';
  sized->PlaceLines();
  return sized;
}

TSizedFace::~TSizedFace() {
  if (face_) FT_Done_Face(face_);
}

void TSizedFace::SizeOutlines(int height) {
  FT_Face face = face_;
  const double upem = face->units_per_EM > 0 ? face->units_per_EM : 2048;
  double ascent = face->ascender;
  double descent = -face->descender;
  // The Windows metrics bound every glyph of the face, which keeps accents
  // inside the cell.
  if (const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
      os2 && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
    ascent = os2->usWinAscent;
    descent = os2->usWinDescent;
  }
  if (ascent + descent <= 0) {
    ascent = upem * 0.8;
    descent = upem * 0.2;
  }
  double ppem = 0;
  if (height < 0) {
    ppem = -height;
    Ascent = static_cast<int>(std::lround(ascent * ppem / upem));
    CellHeight = Ascent + static_cast<int>(std::lround(descent * ppem / upem));
  } else {
    ppem = height * upem / (ascent + descent);
    CellHeight = height;
    Ascent = static_cast<int>(std::lround(height * ascent / (ascent + descent)));
  }
  ppem = std::clamp(ppem, 1.0, static_cast<double>(kMaxPixelSize));
  FT_Set_Char_Size(face, 0, static_cast<FT_F26Dot6>(std::lround(ppem * 64)), 72, 72);
  InternalLeading = std::max(0, CellHeight - static_cast<int>(std::lround(ppem)));
}

void TSizedFace::ChooseStrike(int height) {
  FT_Face face = face_;
  const int want = height < 0 ? -height : height;
  int best = -1, bestMeasure = 0;
  struct TStrike {
    int Ascent, Cell, Leading;
  };
  std::vector<TStrike> strikes;
  for (int i = 0; i < face->num_fixed_sizes; ++i) {
    if (FT_Select_Size(face, i) != 0) {
      strikes.push_back({0, 0, 0});
      continue;
    }
    const FT_Size_Metrics& m = face->size->metrics;
    TStrike s{RoundPixels(m.ascender), RoundPixels(m.ascender) + RoundPixels(-m.descender), 0};
    if (s.Cell <= 0) {
      s.Cell = face->available_sizes[i].height;
      s.Ascent = s.Cell;
    }
    // The internal leading is the room above the capitals kept for accents.
    // Windows bitmap fonts record it; converted strikes often give the cell
    // height as their size, and then the capitals show where it starts.
    FT_WinFNT_HeaderRec fnt;
    const int ppem = RoundPixels(face->available_sizes[i].y_ppem);
    if (FT_Get_WinFNT_Header(face, &fnt) == 0) {
      s.Leading = fnt.internal_leading;
    } else if (ppem > 0 && ppem < s.Cell) {
      s.Leading = s.Cell - ppem;
    } else if (const int capTop = GlyphTop(face, U'H'); capTop > 0) {
      s.Leading = std::max(0, s.Ascent - capTop);
    }
    s.Leading = std::clamp(s.Leading, 0, std::max(0, s.Cell - 1));
    strikes.push_back(s);
    const int measure = height < 0 ? s.Cell - s.Leading : s.Cell;
    if (s.Cell <= 0) continue;
    // The closest strike not larger than asked for, else the smallest larger one.
    const bool better =
        best < 0 || (measure <= want ? (bestMeasure > want || measure > bestMeasure)
                                     : (bestMeasure > want && measure < bestMeasure));
    if (better) {
      best = i;
      bestMeasure = measure;
    }
  }
  if (best < 0) best = 0;
  FT_Select_Size(face, best);
  const TStrike& s = strikes[best];
  Ascent = s.Ascent;
  CellHeight = s.Cell;
  InternalLeading = s.Leading;
}

void TSizedFace::PlaceLines() {
  FT_Face face = face_;
  const int descent = CellHeight - Ascent;
  const int xTop = GlyphTop(face, U'x');
  const int xHeight = xTop > 0 ? xTop : std::max(1, (CellHeight - InternalLeading) / 2);
  if (Scalable) {
    const double scale = face->size->metrics.y_scale / 65536.0 / 64.0;
    UnderlineThickness =
        std::max(1, static_cast<int>(std::lround(face->underline_thickness * scale)));
    const double centre = -face->underline_position * scale;
    UnderlineTop = Ascent + static_cast<int>(std::lround(centre - UnderlineThickness / 2.0));
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 && os2->version != 0xFFFF && os2->yStrikeoutSize > 0) {
      StrikeOutThickness = std::max(1, static_cast<int>(std::lround(os2->yStrikeoutSize * scale)));
      StrikeOutTop = Ascent - static_cast<int>(std::lround(os2->yStrikeoutPosition * scale));
    } else {
      StrikeOutThickness = UnderlineThickness;
      StrikeOutTop = Ascent - (xHeight + 1) / 2 - StrikeOutThickness / 2;
    }
    if (UnderlineTop < Ascent) UnderlineTop = Ascent;
  } else {
    UnderlineThickness = StrikeOutThickness = 1;
    UnderlineTop = Ascent + (descent > 1 ? 1 : 0);
    StrikeOutTop = Ascent - (xHeight + 1) / 2;
  }
  // Both lines stay inside the cell, like every other pixel of the text.
  const auto keep = [&](int& top, int& thickness) {
    thickness = std::clamp(thickness, 1, std::max(1, CellHeight));
    top = std::clamp(top, 0, std::max(0, CellHeight - thickness));
  };
  keep(UnderlineTop, UnderlineThickness);
  keep(StrikeOutTop, StrikeOutThickness);
}

const TGlyph& TSizedFace::Glyph(char32_t cp) {
  if (cp < latin1_.size()) {
    auto& slot = latin1_[cp];
    if (!slot) slot = std::make_unique<TGlyph>(Render(cp));
    return *slot;
  }
  if (auto it = others_.find(cp); it != others_.end()) return it->second;
  if (others_.size() >= kMaxOtherGlyphs) others_.clear();
  return others_.emplace(cp, Render(cp)).first->second;
}

TGlyph TSizedFace::Render(char32_t cp) {
  TGlyph glyph;
  FT_Face face = face_;
  FT_UInt index = FT_Get_Char_Index(face, cp);
  if (index == 0 && cp == kReplacementChar) index = FT_Get_Char_Index(face, replacement_);
  const FT_Int32 flags = Scalable ? FT_LOAD_TARGET_LIGHT | FT_LOAD_NO_BITMAP : FT_LOAD_DEFAULT;
  if (FT_Load_Glyph(face, index, flags) != 0) return glyph;
  FT_GlyphSlot slot = face->glyph;
  if (Scalable && embolden_) FT_GlyphSlot_Embolden(slot);
  if (slot->format != FT_GLYPH_FORMAT_BITMAP &&
      FT_Render_Glyph(slot, Scalable ? FT_RENDER_MODE_NORMAL : FT_RENDER_MODE_MONO) != 0)
    return glyph;
  glyph.Advance = std::max(0, RoundPixels(slot->advance.x));
  glyph.Left = slot->bitmap_left;
  glyph.Top = slot->bitmap_top;
  CopyCoverage(Library(), slot->bitmap, glyph);
  if (!Scalable) {
    if (embolden_) Embolden(glyph);
    if (slant_ != 0.0) Shear(glyph, slant_);
  }
  return glyph;
}

namespace {

struct TFaceEntry {
  TFaceRequest Request;
  std::unique_ptr<TSizedFace> Face;
};

class TFaceCache {
 public:
  // The library and the configuration are made first so that they are
  // destroyed after the faces that use them.
  TFaceCache() {
    Library();
    FontConfig();
  }

  TSizedFace* Find(const TFaceRequest& request) {
    for (std::size_t i = 0; i < entries_.size(); ++i) {
      if (entries_[i].Request == request) {
        if (i > 0) std::rotate(entries_.begin(), entries_.begin() + i, entries_.begin() + i + 1);
        return entries_.front().Face.get();
      }
    }
    if (entries_.size() >= kMaxFaces) entries_.pop_back();
    entries_.insert(entries_.begin(), TFaceEntry{request, Load(request)});
    return entries_.front().Face.get();
  }

 private:
  static std::unique_ptr<TSizedFace> Load(const TFaceRequest& request) {
    const int clamped = std::clamp(request.Height, -kMaxPixelSize, kMaxPixelSize);
    const int pixels = clamped == 0 ? kDefaultCharHeight : std::abs(clamped);
    // A face fontconfig offers but FreeType cannot read falls back to the
    // default sans face rather than to no text at all.
    for (const std::string& family : {request.Name, std::string("sans-serif")}) {
      TFaceMatch match;
      if (!MatchFace(family, pixels, request, match)) continue;
      if (auto face = TSizedFace::Open(match, request.Height)) return face;
    }
    return nullptr;
  }

  std::vector<TFaceEntry> entries_;
};

}  // namespace

TSizedFace* FaceFor(const TFont& font, int scale) {
  static TFaceCache cache;
  // The cache's key is kept from call to call: no allocation once a font's
  // name has been seen.
  static TFaceRequest request;
  const TFontStyles style = font.Style();
  request.Name = font.Name();
  request.Height = font.Height();
  // A bitmap face has its few designed sizes: on a high-density device an
  // outline face draws the font at its multiple.
  if (scale > 1) {
    const int height = request.Height == 0 ? -kDefaultCharHeight : request.Height;
    request.Height = std::clamp(height, -kMaxPixelSize, kMaxPixelSize) * scale;
  }
  request.Bold = style.Contains(fsBold);
  request.Italic = style.Contains(fsItalic);
  request.Fixed = font.Pitch() == fpFixed;
  request.Scalable = scale > 1;
  return cache.Find(request);
}

}  // namespace zarn::text::detail
