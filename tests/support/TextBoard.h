#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "engine/board/Board.h"

namespace qn2::testing {

// Test boards are drawn as rows of characters, row 0 first and column 0 leftmost; cells
// past the end of a row, and rows not given, are open floor. Every unit test reads its
// boards with this one legend:
//
//   char   places         starting with
//   '.'    open floor (so does ' ')
//   '#'    a wall
//   'P'    the player
//   'B'    a boulder
//   'K'    a key
//   'J'    a jewel
//   'E'    an exit
//   'R'    dirt (rubble)
//   'W'    water
//   'w'    water          Boulder = True: a boulder already sunk in it, so it starts filled
//   'F'    a force field  (blue)
//   'o'    a push button  (blue)
//   'I'    a pillar
//   'S'    a snake
//   'C'    a cherry bomb
//   'D'    a seeker droid
//   '^'    a spider       InitialDirection = Up,    WallFollowing = LeftWall
//   '>'    a spider       InitialDirection = Right, WallFollowing = LeftWall
//   'v'    a spider       InitialDirection = Down,  WallFollowing = LeftWall
//   '<'    a spider       InitialDirection = Left,  WallFollowing = LeftWall
//
// Units go by the names level files give them; each fixture turns a name into the class it
// plays with (a scripted player in one, the steered player in another).

// What one character of a board stands for.
struct tBoardSymbol {
  char Symbol = '.';
  bool Wall = false;
  std::string Unit;                                             // empty: no unit
  std::vector<std::pair<std::string, std::string>> Properties;  // name, value
};

// The legend's entry for the character; nullptr when the legend has none.
inline const tBoardSymbol* FindBoardSymbol(char c) {
  static const std::vector<tBoardSymbol> legend = [] {
    const auto spider = [](char symbol, const char* facing) {
      return tBoardSymbol{
          symbol, false, "Spider", {{"InitialDirection", facing}, {"WallFollowing", "LeftWall"}}};
    };
    return std::vector<tBoardSymbol>{
        {'.', false, "", {}},
        {' ', false, "", {}},
        {'#', true, "", {}},
        {'P', false, "Player", {}},
        {'B', false, "Boulder", {}},
        {'K', false, "Key", {}},
        {'J', false, "Jewel", {}},
        {'E', false, "Exit", {}},
        {'R', false, "Dirt", {}},
        {'W', false, "Water", {}},
        {'w', false, "Water", {{"Boulder", "True"}}},
        {'F', false, "ForceField", {}},
        {'o', false, "PushButton", {}},
        {'I', false, "Pillar", {}},
        {'S', false, "Snake", {}},
        {'C', false, "CherryBomb", {}},
        {'D', false, "SeekerDroid", {}},
        spider('^', "Up"),
        spider('>', "Right"),
        spider('v', "Down"),
        spider('<', "Left"),
    };
  }();
  for (const tBoardSymbol& entry : legend)
    if (entry.Symbol == c) return &entry;
  return nullptr;
}

// One wall or unit of a board, on its cell.
struct tBoardCell {
  int X = 0;
  int Y = 0;
  const tBoardSymbol* Symbol = nullptr;
};

// The walls and units of the board in reading order (row by row, each left to right),
// which is the order their units join the level. A character the legend does not know, or
// one drawn off the board, fails the test and is left out.
inline std::vector<tBoardCell> ReadBoard(const std::vector<std::string>& rows) {
  std::vector<tBoardCell> cells;
  for (std::size_t y = 0; y < rows.size(); ++y) {
    for (std::size_t x = 0; x < rows[y].size(); ++x) {
      const char c = rows[y][x];
      const tBoardSymbol* symbol = FindBoardSymbol(c);
      if (symbol == nullptr) {
        ADD_FAILURE() << "no board character '" << c << "' at " << x << "," << y;
        continue;
      }
      if (!symbol->Wall && symbol->Unit.empty()) continue;
      if (!InsideBoard(static_cast<int>(x), static_cast<int>(y))) {
        ADD_FAILURE() << "board character '" << c << "' off the board at " << x << "," << y;
        continue;
      }
      cells.push_back({static_cast<int>(x), static_cast<int>(y), symbol});
    }
  }
  return cells;
}

}  // namespace qn2::testing
