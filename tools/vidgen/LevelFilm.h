#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vidgen {

// One of our levels played by the game's engine with its stored solution, filmed: the
// pictures of the whole frame (board and side panel) as the game draws them, two engine
// ticks (40 ms) a picture. Every picture is 640 x 480 rows of red, green and blue bytes.
// The engine's pictures must be loaded (see PrepareEngineDrawing).
class LevelFilm {
 public:
  // Loads the level and its solution "Solutions\<level>.Solution"; label is the side
  // panel's level number. Raises on failure.
  LevelFilm(const std::string& levelFile, const std::string& label);
  ~LevelFilm();
  LevelFilm(const LevelFilm&) = delete;
  LevelFilm& operator=(const LevelFilm&) = delete;

  // The next picture; once the level is done the last one stays.
  std::vector<std::uint8_t> NextPicture();

 private:
  struct State;
  State* S;
};

// Mounts nothing: the game's files are looked for in the current folder and its game data
// folders. Sets up the units and loads the pictures the engine draws with.
void PrepareEngineDrawing();

}  // namespace vidgen
