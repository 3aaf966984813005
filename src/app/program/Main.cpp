// The game program: the main window, or its automation mode for tests and for looking at
// the game without a screen.
#include <SDL.h>

#include <iostream>
#include <stdexcept>

#include "app/MainWindow.h"
#include "app/ProgramOptions.h"
#include "app/SolveMode.h"
#include "common/Exception.h"

int main(int argc, char** argv) {
  using namespace qn2;
  tProgramOptions options;
  try {
    options = ParseProgramOptions(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const std::invalid_argument& e) {
    std::cerr << "quibnar2: " << e.what() << "\n" << ProgramUsage;
    return 2;
  }
  // The level editor's search, in a process of its own: no window, no SDL.
  if (options.SolveLevel) {
    try {
      return RunSolveMode(options);
    } catch (const std::exception& e) {
      std::cerr << "The search failed: " << e.what() << std::endl;
      return 2;
    }
  }
  if (options.Headless) {
    SDL_setenv("SDL_VIDEODRIVER", "dummy", 1);
    SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
  }
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS) != 0) {
    std::cerr << "quibnar2: SDL could not start: " << SDL_GetError() << "\n";
    if (!options.Headless)
      std::cerr << "Without a display, run the game in its automation mode:\n"
                << "  quibnar2 --headless --ticks 500 --script FILE\n";
    return 1;
  }
  int status = 1;
  try {
    tMainWindow window(options);
    status = window.Run();
  } catch (const std::invalid_argument& e) {
    std::cerr << "quibnar2: " << e.what() << std::endl;
    status = 2;
  } catch (const std::exception& e) {
    // Creating the window failed: the message is shown and the program ends.
    if (options.Headless ||
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "QuibNar2", e.what(), nullptr) != 0)
      std::cerr << "QuibNar2: " << e.what() << std::endl;
    status = 1;
  }
  SDL_Quit();
  return status;
}
