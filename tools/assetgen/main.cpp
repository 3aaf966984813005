// assetgen OUTDIR            draws every picture the game reads into OUTDIR.
// assetgen --check OUTDIR [PNGDIR [SCALE]]
//                            decodes every picture in OUTDIR with the game's own decoders,
//                            prints "name width height" for each, and with PNGDIR also
//                            writes each as it would appear in the game (after the
//                            key-colour snap) to PNGDIR/name.png for viewing, enlarged
//                            SCALE times (1 to 8) when given.
// assetgen --contact-sheet OUTDIR SHEET.png
//                            lays every picture of OUTDIR out on one PNG, each shrunk to
//                            fit 256 x 256 with its name and size under it.

#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "ArtRegistry.h"
#include "ContactSheet.h"
#include "PictureSurface.h"
#include "common/Text.h"
#include "render/ColourTables.h"
#include "render/PictureSource.h"

namespace {

namespace fs = std::filesystem;

int Usage() {
  std::fprintf(stderr,
               "usage: assetgen OUTDIR\n"
               "       assetgen --check OUTDIR [PNGDIR [SCALE]]\n"
               "       assetgen --contact-sheet OUTDIR SHEET.png\n");
  return 1;
}

void WritePreview(const qn2::tPicture& picture, const std::string& path, int scale) {
  cairo_surface_t* surface = assetgen::PictureToSurface(picture);
  cairo_surface_t* large =
      cairo_image_surface_create(CAIRO_FORMAT_RGB24, picture.Width * scale, picture.Height * scale);
  cairo_t* cr = cairo_create(large);
  cairo_scale(cr, scale, scale);
  cairo_set_source_surface(cr, surface, 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
  cairo_paint(cr);
  cairo_destroy(cr);
  const cairo_status_t status = cairo_surface_write_to_png(large, path.c_str());
  cairo_surface_destroy(large);
  cairo_surface_destroy(surface);
  if (status != CAIRO_STATUS_SUCCESS) throw std::runtime_error("Cannot write '" + path + "'");
}

int Check(const std::string& dir, const std::string& pngDir, int scale) {
  std::vector<std::string> names;
  // Pictures in folders (the level backdrops) are named with their folder: "BackDrops/X.jpg".
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(dir))
    if (entry.is_regular_file() && assetgen::IsPictureName(entry.path().filename().string()))
      names.push_back(entry.path().lexically_relative(dir).generic_string());
  std::sort(names.begin(), names.end());
  if (names.empty()) {
    std::fprintf(stderr, "assetgen: no pictures in %s\n", dir.c_str());
    return 1;
  }
  // The identity gamma: only the key-colour snap of the loader applies.
  qn2::tGammaTable identity{};
  for (std::size_t i = 0; i < identity.size(); ++i) identity[i] = static_cast<std::uint8_t>(i);
  for (const std::string& name : names) {
    std::ifstream file(fs::path(dir) / name, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file),
                                          std::istreambuf_iterator<char>()};
    qn2::tPicture picture = qn2::DecodePicture(bytes, name);
    std::printf("%s %d %d\n", name.c_str(), picture.Width, picture.Height);
    if (!pngDir.empty()) {
      qn2::DoBrightnessChange(picture, identity);
      fs::path preview = fs::path(pngDir) / (name + ".png");
      fs::create_directories(preview.parent_path());
      WritePreview(picture, preview.string(), scale);
    }
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  try {
    if (!args.empty() && args[0] == "--check") {
      if (args.size() < 2 || args.size() > 4) return Usage();
      const std::string pngDir = args.size() >= 3 ? args[2] : std::string();
      const int scale = args.size() == 4 ? std::atoi(args[3].c_str()) : 1;
      if (scale < 1 || scale > 8) return Usage();
      if (!pngDir.empty()) fs::create_directories(pngDir);
      return Check(args[1], pngDir, scale);
    }
    if (!args.empty() && args[0] == "--contact-sheet") {
      if (args.size() != 3) return Usage();
      const int count = assetgen::WriteContactSheet(args[1], args[2]);
      std::printf("%d pictures on %s\n", count, args[2].c_str());
      cairo_debug_reset_static_data();
      FcFini();
      return 0;
    }
    if (args.size() != 1 || args[0].starts_with("-")) return Usage();
    fs::create_directories(args[0]);
    for (assetgen::ArtGenerator generate : assetgen::ArtGenerators) generate(args[0]);
    // Hand back the font caches cairo's text keeps for the whole run, so a leak checker
    // sees only what the generator itself holds.
    cairo_debug_reset_static_data();
    FcFini();
    return 0;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "assetgen: %s\n", error.what());
    return 1;
  }
}
