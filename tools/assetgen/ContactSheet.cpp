// The contact sheet: every picture of an output folder on one page, for a quick look at
// the whole set side by side.

#include "ContactSheet.h"
#include "PictureSurface.h"

#include <cairo.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/Text.h"
#include "render/ColourTables.h"
#include "render/PictureSource.h"

namespace assetgen {

namespace {

namespace fs = std::filesystem;

constexpr int kColumns = 8;
constexpr int kGap = 12;        // space around and between cells
constexpr int kLabelHigh = 34;  // two lines of caption under each cell

void Caption(cairo_t* cr, const std::string& text, double cx, double y, double size, double grey) {
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, size);
  cairo_text_extents_t ext;
  cairo_text_extents(cr, text.c_str(), &ext);
  // Names wider than the cell are squeezed to fit.
  const double room = ContactCellSize;
  const double squeeze = ext.x_advance > room ? room / ext.x_advance : 1.0;
  cairo_save(cr);
  cairo_translate(cr, cx - ext.x_advance * squeeze / 2, y);
  cairo_scale(cr, squeeze, 1.0);
  cairo_move_to(cr, 0, 0);
  cairo_set_source_rgb(cr, grey, grey, grey);
  cairo_show_text(cr, text.c_str());
  cairo_restore(cr);
}

}  // namespace

int WriteContactSheet(const std::string& dir, const std::string& sheetPath) {
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(dir))
    if (entry.is_regular_file() && IsPictureName(entry.path().filename().string()))
      names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  if (names.empty()) throw std::runtime_error("No pictures in '" + dir + "'");

  const int count = static_cast<int>(names.size());
  const int columns = std::min(kColumns, count);
  const int rows = (count + columns - 1) / columns;
  const int cellWide = ContactCellSize + kGap;
  const int cellHigh = ContactCellSize + kLabelHigh + kGap;
  cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kGap + columns * cellWide,
                                                      kGap + rows * cellHigh);
  cairo_t* cr = cairo_create(sheet);
  cairo_set_source_rgb(cr, 0.16, 0.16, 0.17);
  cairo_paint(cr);

  // The identity gamma: only the key-colour snap of the loader applies.
  qn2::tGammaTable identity{};
  for (std::size_t i = 0; i < identity.size(); ++i) identity[i] = static_cast<std::uint8_t>(i);
  for (int i = 0; i < count; ++i) {
    const std::string& name = names[i];
    std::ifstream file(fs::path(dir) / name, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file),
                                          std::istreambuf_iterator<char>()};
    qn2::tPicture picture = qn2::DecodePicture(bytes, name);
    qn2::DoBrightnessChange(picture, identity);
    const double left = kGap + (i % columns) * cellWide;
    const double top = kGap + (i / columns) * cellHigh;
    // The cell's frame, then the picture centred in it, never enlarged.
    cairo_set_source_rgb(cr, 0.24, 0.24, 0.26);
    cairo_rectangle(cr, left - 2, top - 2, ContactCellSize + 4, ContactCellSize + 4);
    cairo_fill(cr);
    if (picture.Width > 0 && picture.Height > 0) {
      const double scale = std::min(
          {1.0, double(ContactCellSize) / picture.Width, double(ContactCellSize) / picture.Height});
      const double w = picture.Width * scale;
      const double h = picture.Height * scale;
      cairo_surface_t* image = PictureToSurface(picture);
      cairo_save(cr);
      cairo_translate(cr, left + (ContactCellSize - w) / 2, top + (ContactCellSize - h) / 2);
      cairo_scale(cr, scale, scale);
      cairo_set_source_surface(cr, image, 0, 0);
      cairo_pattern_set_filter(cairo_get_source(cr),
                               scale < 1.0 ? CAIRO_FILTER_GOOD : CAIRO_FILTER_NEAREST);
      cairo_rectangle(cr, 0, 0, picture.Width, picture.Height);
      cairo_fill(cr);
      cairo_restore(cr);
      cairo_surface_destroy(image);
    }
    const double cx = left + ContactCellSize / 2.0;
    Caption(cr, name, cx, top + ContactCellSize + 15, 12, 0.95);
    Caption(cr, std::to_string(picture.Width) + " x " + std::to_string(picture.Height), cx,
            top + ContactCellSize + 29, 11, 0.65);
  }
  cairo_destroy(cr);
  const cairo_status_t status = cairo_surface_write_to_png(sheet, sheetPath.c_str());
  cairo_surface_destroy(sheet);
  if (status != CAIRO_STATUS_SUCCESS) throw std::runtime_error("Cannot write '" + sheetPath + "'");
  return count;
}

}  // namespace assetgen
