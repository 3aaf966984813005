#include "app/SolveMode.h"

#include <iostream>

#include "data/PackageFiles.h"
#include "engine/BlankPictures.h"
#include "engine/GameEngine.h"
#include "engine/PackagePictures.h"
#include "engine/SolveReport.h"
#include "engine/units/OOTPlayer.h"
#include "engine/units/UnitClasses.h"

namespace qn2 {

namespace {

int LoadAndSearch(tGameEngine& engine, const tProgramOptions& options) {
  try {
    engine.LoadLevel(*options.SolveLevel);
  } catch (const std::exception& e) {
    std::cerr << "The level cannot be loaded: " << e.what() << std::endl;
    return 2;
  }
  for (const std::string& problem : engine.LevelLoadProblems)
    std::cerr << "warning: " << problem << std::endl;
  tSolveOptions search;
  search.AllJewels = options.AllJewels;
  if (options.MaxStates) search.MaxStates = *options.MaxStates;
  // Often enough for the editor's count to move while it waits.
  search.ProgressEvery = 1'000;
  try {
    return SolveAndReport(engine, search, options.SolutionFile, std::cout, true);
  } catch (const std::exception& e) {
    std::cerr << "The search failed: " << e.what() << std::endl;
    return 2;
  }
}

}  // namespace

int RunSolveMode(const tProgramOptions& options) {
  MountPackage(GamePackageFileName);
  for (const char* folder : GameDataFolders) AddSearchFolder(folder);
  tBlankPictures pictures(PackagePictures);
  PictureFiles = &pictures;
  SetUpUnits();
  tGameEngine engine;
  GameEngine = &engine;
  auto ghost = CreateOOTPlayer();
  engine.SetOOTPlayer(ghost.get());
  const int status = LoadAndSearch(engine, options);
  GameEngine = nullptr;
  PictureFiles = &PackagePictures;
  return status;
}

}  // namespace qn2
