#pragma once
// Pieces of the text renderer shared by its source files: UTF-8 decoding,
// face lookup through fontconfig, and the sized faces with their glyph caches.
// Nothing outside surface/ includes this.

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

struct FT_FaceRec_;
struct FT_LibraryRec_;
struct _FcConfig;

namespace zarn {
class TFont;
}

namespace zarn::text::detail {

inline constexpr char32_t kReplacementChar = 0xFFFD;

// Decodes the code point starting at s[pos] and moves pos past it. Malformed
// input (stray continuation bytes, overlong forms, surrogates, values above
// U+10FFFF, truncated sequences) yields kReplacementChar and skips the
// longest prefix that could have started a valid sequence, at least one byte.
char32_t NextCodePoint(std::string_view s, std::size_t& pos);

// What fontconfig chose for a request, with the synthetic styles it asks for.
struct TFaceMatch {
  std::string File;
  int Index = 0;
  bool Embolden = false;
  double Slant = 0.0;  // horizontal shear (x += Slant * y) for a synthetic italic
};

// The shared FreeType library and fontconfig configuration; both live until
// static destruction. Found == false when the machine has no usable font.
FT_LibraryRec_* Library();
_FcConfig* FontConfig();
// What a font asks of a face. Fixed: a name the machine lacks falls back to
// the monospace face. Scalable: outline faces first, for sizes a bitmap face
// was never drawn at.
struct TFaceRequest {
  std::string Name;
  int Height = 0;
  bool Bold = false;
  bool Italic = false;
  bool Fixed = false;
  bool Scalable = false;
  bool operator==(const TFaceRequest&) const = default;
};

bool MatchFace(const std::string& family, int pixelSize, const TFaceRequest& request,
               TFaceMatch& out);

// A rendered glyph: 8-bit coverage, rows top to bottom.
struct TGlyph {
  int Left = 0;  // from the pen position to the first column
  int Top = 0;   // from the baseline up to the first row
  int Width = 0;
  int Rows = 0;
  int Advance = 0;
  std::vector<std::uint8_t> Coverage;
};

// Largest pixel size a face is rendered at: a runaway height would otherwise
// ask FreeType for glyph images of gigabytes.
inline constexpr int kMaxPixelSize = 1024;

// One face at one pixel size, with the cell metrics text layout uses and a
// cache of the glyphs rendered so far.
class TSizedFace {
 public:
  // height follows TFont::Height: below 0 the character height, above 0 the
  // cell height. Returns nullptr when FreeType cannot use the file.
  static std::unique_ptr<TSizedFace> Open(const TFaceMatch& match, int height);
  TSizedFace() = default;  // an empty face; Open makes usable ones
  ~TSizedFace();
  TSizedFace(const TSizedFace&) = delete;
  TSizedFace& operator=(const TSizedFace&) = delete;

  const TGlyph& Glyph(char32_t cp);

  int Ascent = 0;  // cell top to baseline
  int CellHeight = 0;
  int InternalLeading = 0;
  int UnderlineTop = 0;  // rows from the cell top
  int UnderlineThickness = 1;
  int StrikeOutTop = 0;
  int StrikeOutThickness = 1;
  bool Scalable = false;

 private:
  TGlyph Render(char32_t cp);
  void ChooseStrike(int height);
  void SizeOutlines(int height);
  void PlaceLines();

  FT_FaceRec_* face_ = nullptr;
  bool embolden_ = false;
  double slant_ = 0.0;
  char32_t replacement_ = kReplacementChar;
  std::array<std::unique_ptr<TGlyph>, 256> latin1_;
  std::unordered_map<char32_t, TGlyph> others_;
};

// The sized face for a font's name, height, pitch and bold/italic styles; nullptr only
// when no font can be found at all. The reference stays valid until the next
// call (the cache may be trimmed). At a scale above 1 the face is that many
// times larger, for a high-density device.
TSizedFace* FaceFor(const TFont& font, int scale = 1);

}  // namespace zarn::text::detail
