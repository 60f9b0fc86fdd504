#include "gfx/FontMatcher.h"

#include <fontconfig/fontconfig.h>

#include <cstdlib>
#include <filesystem>

#include "gfx/FontBuiltinConfig.h"

#ifndef VELMORA_FONTS_CONF
#define VELMORA_FONTS_CONF ""
#endif

namespace gfx {
namespace {

const FcChar8* Fc(const char* s) { return reinterpret_cast<const FcChar8*>(s); }

// Character fallbacks are asked per code point; past this many remembered answers the
// cache starts over, so arbitrary text cannot grow it without end.
constexpr size_t kMaxCachedMatches = 4096;

FcConfig* LoadFile(const std::string& file) {
    std::error_code ec;
    if (file.empty() || !std::filesystem::is_regular_file(file, ec)) return nullptr;
    FcConfig* config = FcConfigCreate();
    if (!config) return nullptr;
    if (!FcConfigParseAndLoad(config, Fc(file.c_str()), FcTrue) || !FcConfigBuildFonts(config)) {
        FcConfigDestroy(config);
        return nullptr;
    }
    return config;
}

FcConfig* LoadBuiltin() {
    FcConfig* config = FcConfigCreate();
    if (!config) return nullptr;
    // Even when the rules fail to parse (no system configuration at all) the extra
    // folder still gives the matcher something to choose from.
    FcConfigParseAndLoadFromMemory(config, Fc(BuiltinFontConfigXml()), FcFalse);
    FcConfigBuildFonts(config);
    FcConfigAppFontAddDir(config, Fc(kExtraFontDir));
    return config;
}

std::string ConfigFileToUse() {
    if (const char* env = std::getenv("VELMORA_FONTS_CONF"); env && *env) return env;
    return VELMORA_FONTS_CONF;
}

}  // namespace

struct FontMatcher::Config {
    FcConfig* fc = nullptr;
    ~Config() {
        if (fc) FcConfigDestroy(fc);
    }
};

FontMatcher& FontMatcher::Shared() {
    // Destroyed at exit (fontconfig keeps pointers in a form leak checkers cannot
    // follow, so a configuration left alive would show up as leaked).
    static FontMatcher shared(ConfigFileToUse());
    return shared;
}

FontMatcher::FontMatcher(const std::string& configFile) : config_(std::make_unique<Config>()) {
    config_->fc = LoadFile(configFile);
    source_ = configFile;
    if (!config_->fc) {
        config_->fc = LoadBuiltin();
        source_ = "built-in";
    }
}

FontMatcher::~FontMatcher() = default;

std::optional<FontFile> FontMatcher::Match(std::string_view family, bool bold, bool italic) {
    return Find(family, bold, italic, std::nullopt);
}

std::optional<FontFile> FontMatcher::MatchCharacter(std::string_view family, bool bold,
                                                    bool italic, char32_t cp) {
    return Find(family, bold, italic, cp);
}

std::optional<FontFile> FontMatcher::Find(std::string_view family, bool bold, bool italic,
                                          std::optional<char32_t> cp) {
    // Code point 0 never occurs in a request for a character (it is not drawn), so it
    // marks the plain family lookups in the cache key.
    Key key{std::string(family), bold, italic, cp.value_or(0)};
    if (auto it = cache_.find(key); it != cache_.end()) return it->second;
    if (cache_.size() >= kMaxCachedMatches) cache_.clear();

    std::optional<FontFile> result;
    if (config_->fc) {
        FcPattern* pattern = FcPatternCreate();
        std::string name(family);
        if (!name.empty()) FcPatternAddString(pattern, FC_FAMILY, Fc(name.c_str()));
        FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
        FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
        FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
        if (cp) {
            FcCharSet* chars = FcCharSetCreate();
            FcCharSetAddChar(chars, *cp);
            FcPatternAddCharSet(pattern, FC_CHARSET, chars);
            FcCharSetDestroy(chars);
        }
        FcConfigSubstitute(config_->fc, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult fcResult = FcResultNoMatch;
        FcPattern* font = FcFontMatch(config_->fc, pattern, &fcResult);
        FcPatternDestroy(pattern);
        if (font) {
            FcChar8* file = nullptr;
            FcChar8* matchedFamily = nullptr;
            FcCharSet* fontChars = nullptr;
            int index = 0, weight = FC_WEIGHT_REGULAR, slant = FC_SLANT_ROMAN;
            bool hasChar = !cp || (FcPatternGetCharSet(font, FC_CHARSET, 0, &fontChars) ==
                                       FcResultMatch &&
                                   FcCharSetHasChar(fontChars, *cp));
            if (hasChar && FcPatternGetString(font, FC_FILE, 0, &file) == FcResultMatch) {
                FcPatternGetInteger(font, FC_INDEX, 0, &index);
                FcPatternGetInteger(font, FC_WEIGHT, 0, &weight);
                FcPatternGetInteger(font, FC_SLANT, 0, &slant);
                FontFile found;
                found.path = reinterpret_cast<const char*>(file);
                found.index = index;
                if (FcPatternGetString(font, FC_FAMILY, 0, &matchedFamily) == FcResultMatch)
                    found.family = reinterpret_cast<const char*>(matchedFamily);
                // The system rules mark faces they expect the renderer to embolden or
                // slant as bold or oblique; we synthesise ourselves, so report the
                // style the file really has.
                FcBool embolden = FcFalse;
                FcMatrix* matrix = nullptr;
                FcPatternGetBool(font, FC_EMBOLDEN, 0, &embolden);
                bool slanted = FcPatternGetMatrix(font, FC_MATRIX, 0, &matrix) == FcResultMatch &&
                               matrix->xy != 0;
                found.isBold = weight >= FC_WEIGHT_DEMIBOLD && !embolden;
                found.isItalic = slant != FC_SLANT_ROMAN && !slanted;
                result = found;
            }
            FcPatternDestroy(font);
        }
    }
    cache_.emplace(std::move(key), result);
    return result;
}

}  // namespace gfx
