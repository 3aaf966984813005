#include "data/LevelFile.h"

#include <cstdio>

#include "common/Text.h"
#include "data/DiskFiles.h"
#include "data/PackageFiles.h"
#include "data/TextLines.h"
#include "engine/board/Level.h"
#include "engine/board/UnitRegistry.h"

namespace qn2 {

namespace {

constexpr const char* DefaultBackground = "Hollowmere.jpg";
constexpr const char* DefaultMusic = "AncientStories2.xm";
constexpr const char* DefaultTileSet = "BasicTiles.jpg";
constexpr const char* DefaultOverlayTileSet = "BasicOverlay.jpg";
constexpr std::size_t TileLineLength = 63;

bool IsHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// The fields of a tile line: the text up to each ",", and the text after the last one.
std::vector<std::string> SplitFields(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (;;) {
    const auto comma = line.find(',', start);
    if (comma == std::string::npos) {
      fields.push_back(line.substr(start));
      return fields;
    }
    fields.push_back(line.substr(start, comma - start));
    start = comma + 1;
  }
}

std::string Hex(std::uint32_t value, int width) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%0*X", width, value);
  return buffer;
}

void CheckLineCount(const std::vector<std::string>& lines) {
  if (lines.size() != BoardRows) throw ELevelLoadError("Not enough lines in [Tiles] chunk");
}

void CheckLineLength(const std::string& line, std::size_t row) {
  if (line.size() != TileLineLength)
    throw ELevelLoadError("Line " + std::to_string(row + 1) + " in [Tiles] chunk wrong length");
}

// Each field is one value per column; columns without a field read as 0.
template <class Apply>
void ReadTileRows(tLevel& level, const std::vector<std::string>& lines, bool checkLength,
                  Apply apply) {
  CheckLineCount(lines);
  for (std::size_t y = 0; y < lines.size(); ++y) {
    if (checkLength) CheckLineLength(lines[y], y);
    const auto fields = SplitFields(lines[y]);
    for (int x = 0; x < BoardColumns; ++x) {
      const std::size_t i = static_cast<std::size_t>(x);
      apply(level.Cell(x, static_cast<int>(y)), i < fields.size() ? fields[i] : std::string());
    }
  }
}

void ReadMisc(tLevel& level, const std::vector<std::string>& lines) {
  level.BackgroundName = DefaultBackground;
  level.MusicName = DefaultMusic;
  level.TileSetName = DefaultTileSet;
  level.OverlayTileSetName = DefaultOverlayTileSet;
  level.Title.clear();
  level.Hint.clear();
  level.WaterTint = DefaultWaterTint;
  for (const std::string& line : lines) {
    const auto equals = line.find('=');
    if (equals == std::string::npos) continue;
    const std::string key = line.substr(0, equals);
    const std::string value = line.substr(equals + 1);
    if (key == "Background")
      level.BackgroundName = value;
    else if (key == "Music")
      level.MusicName = value;
    else if (key == "TileSet")
      level.TileSetName = value;
    else if (key == "OverlayTileSet")
      level.OverlayTileSetName = value;
    else if (key == "Title")
      level.Title = value;
    else if (key == "Hint")
      level.Hint = value;
    else if (key == "WaterTint")
      level.WaterTint = ReadHexValue(value);
  }
}

// A field of three two-digit numbers, below, middle and above; read from its end, so a
// short field leaves the lower layers 0.
void ReadMoreTilesField(tCell& cell, std::string field) {
  auto takeLastTwo = [&field] {
    const std::size_t keep = field.size() >= 2 ? field.size() - 2 : 0;
    const std::string part = field.substr(keep);
    field.resize(keep);
    return static_cast<std::int32_t>(ReadHexValue(part) & 255);
  };
  cell.TileAbove = takeLastTwo();
  cell.Tile = takeLastTwo();
  cell.TileBelow = takeLastTwo();
}

// Blanks are removed from the whole line first, so "   InitialX = 5" reads as
// "InitialX=5" (and blanks inside text values are lost).
void ApplyPropertyLine(tUnit& unit, const std::string& line, const tPropertyProblems& problems) {
  std::string compact;
  for (char c : line)
    if (c != ' ') compact += c;
  const auto equals = compact.find('=');
  if (equals == std::string::npos) return;
  try {
    SetPropertyText(unit, compact.substr(0, equals), compact.substr(equals + 1));
  } catch (const Exception& e) {
    if (problems) problems(e.what());
  }
}

void ReadUnits(tLevel& level, const std::vector<std::string>& lines,
               const tPropertyProblems& problems) {
  const tUnitClass* current = nullptr;
  std::string currentName;
  std::vector<std::string> pending;
  for (const std::string& line : lines) {
    if (line.compare(0, 5, "Begin") == 0) {
      const auto blank = line.find(' ');
      currentName = blank == std::string::npos ? std::string() : line.substr(blank + 1);
      const tUnitClass& found = UnitRegistry.ClassByName(currentName);
      current = &found == &tUnit::Class ? nullptr : &found;
      pending.clear();
    } else if (line.compare(0, 3, "End") == 0) {
      if (current != nullptr) {
        std::unique_ptr<tUnit> unit = current->Create();
        // Property writers may consult the level the unit is read into (the water's tint
        // goes to the level while editing); the unit is reset before the level takes it.
        unit->Level = &level;
        for (const std::string& property : pending) ApplyPropertyLine(*unit, property, problems);
        unit->Level = nullptr;
        unit->Reset();
        tUnit* added = level.AddUnit(std::move(unit));
        if (currentName == "Player") level.Player = added;
      }
      current = nullptr;
    } else {
      pending.push_back(line);
    }
  }
}

void ProcessSection(tLevel& level, const std::string& name, const std::vector<std::string>& lines,
                    const tPropertyProblems& problems) {
  if (name == "Misc") {
    ReadMisc(level, lines);
  } else if (name == "Tiles") {
    ReadTileRows(level, lines, true, [](tCell& cell, const std::string& field) {
      const std::uint32_t v = ReadHexValue(field);
      cell.Tile = static_cast<std::int32_t>(v & 255);
      cell.Solid = (v & 256) != 0;
    });
  } else if (name == "MoreTiles") {
    ReadTileRows(level, lines, false, ReadMoreTilesField);
  } else if (name == "Overlay") {
    ReadTileRows(level, lines, true, [](tCell& cell, const std::string& field) {
      cell.OverlayTile = static_cast<std::int32_t>(ReadHexValue(field) & 255);
    });
  } else if (name == "Units") {
    ReadUnits(level, lines, problems);
  }
}

bool IsSectionHeader(const std::string& line) {
  return !line.empty() && line.front() == '[' && line.back() == ']' && line.size() >= 2;
}

template <class Field>
void WriteTileRows(const tLevel& level, std::vector<std::string>& lines, Field field) {
  for (int y = 0; y < BoardRows; ++y) {
    std::string line;
    for (int x = 0; x < BoardColumns; ++x) {
      if (x > 0) line += ',';
      line += field(level.Cell(x, y));
    }
    lines.push_back(line);
  }
}

}  // namespace

std::uint32_t ReadHexValue(const std::string& text) {
  const std::string_view trimmed = TrimBlanks(text);
  std::size_t start = trimmed.size();
  while (start > 0 && IsHexDigit(trimmed[start - 1])) --start;
  std::uint32_t value = 0;
  for (std::size_t i = start; i < trimmed.size(); ++i) {
    const char c = trimmed[i];
    const std::uint32_t digit = c <= '9' ? static_cast<std::uint32_t>(c - '0')
                                         : static_cast<std::uint32_t>((c | 0x20) - 'a' + 10);
    value = (value << 4) | digit;  // overlong runs keep their last eight digits
  }
  return value;
}

void ReadLevelFromLines(tLevel& level, const std::vector<std::string>& lines,
                        const tPropertyProblems& problems) {
  level.FreeUnits();
  level.ClearCells();
  bool inSection = false;
  std::string name;
  std::vector<std::string> sectionLines;
  auto closeSection = [&] {
    if (inSection && !sectionLines.empty()) ProcessSection(level, name, sectionLines, problems);
  };
  for (const std::string& raw : lines) {
    const std::string line(TrimBlanks(raw));
    if (IsSectionHeader(line)) {
      closeSection();
      inSection = true;
      name = line.substr(1, line.size() - 2);
      sectionLines.clear();
    } else {
      sectionLines.push_back(line);
    }
  }
  closeSection();
}

void WriteLevelToLines(const tLevel& level, std::vector<std::string>& lines) {
  lines.push_back("[Misc]");
  lines.push_back("Background=" + level.BackgroundName);
  lines.push_back("TileSet=" + level.TileSetName);
  lines.push_back("OverlayTileSet=" + level.OverlayTileSetName);
  if (!level.Title.empty()) lines.push_back("Title=" + level.Title);
  if (!level.Hint.empty()) lines.push_back("Hint=" + level.Hint);
  if (!level.MusicName.empty()) lines.push_back("Music=" + level.MusicName);
  if (level.WaterTint != DefaultWaterTint) lines.push_back("WaterTint=" + Hex(level.WaterTint, 1));

  lines.push_back("[Tiles]");
  WriteTileRows(level, lines, [](const tCell& c) {
    return Hex(static_cast<std::uint32_t>(c.Tile & 255) + (c.Solid ? 256u : 0u), 3);
  });
  lines.push_back("[MoreTiles]");
  WriteTileRows(level, lines, [](const tCell& c) {
    return Hex(static_cast<std::uint32_t>(c.TileBelow & 255), 2) +
           Hex(static_cast<std::uint32_t>(c.Tile & 255), 2) +
           Hex(static_cast<std::uint32_t>(c.TileAbove & 255), 2);
  });
  lines.push_back("[Overlay]");
  WriteTileRows(level, lines, [](const tCell& c) {
    return Hex(static_cast<std::uint32_t>(c.OverlayTile & 255), 3);
  });

  lines.push_back("[Units]");
  for (const auto& unit : level.Units) {
    const std::string name = UnitRegistry.NameOf(*unit);
    lines.push_back("Begin " + name);
    for (const tPropertyInfo* property : unit->PublishedProperties().SortedByName())
      lines.push_back("   " + property->Name + " = " + GetPropertyText(*unit, *property));
    lines.push_back("End " + name);
  }
}

void LoadLevelFromFile(tLevel& level, const std::string& fileName,
                       const tPropertyProblems& problems) {
  auto stream = OpenPackagedFile(fileName);
  const auto bytes = stream->Data();
  const std::string text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  ClosePackagedFile(stream);
  ReadLevelFromLines(level, SplitLines(text), problems);
}

void SaveLevelToFile(const tLevel& level, const std::string& fileName) {
  std::vector<std::string> lines;
  WriteLevelToLines(level, lines);
  WriteDiskFile(fileName, JoinLines(lines));
}

}  // namespace qn2
