// Face lookup: one FreeType library and one fontconfig configuration of our
// own for the whole program. The configuration is kept apart from the
// process-wide default so that a toolkit in the same process is not affected.

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include "surface/text_internal.h"

namespace zarn::text::detail {

extern const char* const kFontsConf;

namespace {

class TFreeType {
 public:
  TFreeType() {
    if (FT_Init_FreeType(&library_) != 0) library_ = nullptr;
  }
  ~TFreeType() {
    if (library_) FT_Done_FreeType(library_);
  }
  TFreeType(const TFreeType&) = delete;
  TFreeType& operator=(const TFreeType&) = delete;
  FT_Library Get() const { return library_; }

 private:
  FT_Library library_ = nullptr;
};

class TFontConfig {
 public:
  TFontConfig() : config_(FcConfigCreate()) {
    if (!config_) return;
    const auto* text = reinterpret_cast<const FcChar8*>(kFontsConf);
    if (!FcConfigParseAndLoadFromMemory(config_, text, FcFalse) || !FcConfigBuildFonts(config_)) {
      FcConfigDestroy(config_);
      config_ = nullptr;
    }
  }
  ~TFontConfig() {
    if (config_) FcConfigDestroy(config_);
  }
  TFontConfig(const TFontConfig&) = delete;
  TFontConfig& operator=(const TFontConfig&) = delete;
  FcConfig* Get() const { return config_; }

 private:
  FcConfig* config_ = nullptr;
};

struct TPatternDeleter {
  void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using TPattern = std::unique_ptr<FcPattern, TPatternDeleter>;

}  // namespace

FT_LibraryRec_* Library() {
  static const TFreeType freetype;
  return freetype.Get();
}

_FcConfig* FontConfig() {
  static const TFontConfig config;
  return config.Get();
}

bool MatchFace(const std::string& family, int pixelSize, const TFaceRequest& request,
               TFaceMatch& out) {
  FcConfig* config = FontConfig();
  if (!config) return false;
  TPattern pattern(FcPatternCreate());
  if (!pattern) return false;
  FcPattern* p = pattern.get();
  if (!family.empty())
    FcPatternAddString(p, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  if (request.Fixed) {
    FcPatternAddString(p, FC_FAMILY, reinterpret_cast<const FcChar8*>("monospace"));
    FcPatternAddInteger(p, FC_SPACING, FC_MONO);
  }
  if (request.Scalable) FcPatternAddBool(p, FC_SCALABLE, FcTrue);
  FcPatternAddInteger(p, FC_WEIGHT, request.Bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(p, FC_SLANT, request.Italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddDouble(p, FC_PIXEL_SIZE, pixelSize);
  if (!FcConfigSubstitute(config, p, FcMatchPattern)) return false;
  FcDefaultSubstitute(p);
  FcResult result = FcResultNoMatch;
  TPattern match(FcFontMatch(config, p, &result));
  if (!match || result != FcResultMatch) return false;

  FcChar8* file = nullptr;
  if (FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch || !file) return false;
  out.File = reinterpret_cast<const char*>(file);
  int index = 0;
  out.Index = FcPatternGetInteger(match.get(), FC_INDEX, 0, &index) == FcResultMatch ? index : 0;
  FcBool embolden = FcFalse;
  out.Embolden = FcPatternGetBool(match.get(), FC_EMBOLDEN, 0, &embolden) == FcResultMatch &&
                 embolden == FcTrue;
  FcMatrix* matrix = nullptr;
  out.Slant = FcPatternGetMatrix(match.get(), FC_MATRIX, 0, &matrix) == FcResultMatch && matrix
                  ? matrix->xy
                  : 0.0;
  return true;
}

}  // namespace zarn::text::detail
