#include "audio/SoundPort.h"
#include "common/Exception.h"
#include "data/LevelFile.h"
#include "data/LevelKey.h"
#include "data/PackageFiles.h"
#include "data/Recorder.h"
#include "engine/GameEngine.h"
#include "engine/board/CarriedItems.h"
#include "engine/board/PlayState.h"
#include "render/DibRegistry.h"
#include "render/TileSheets.h"

namespace qn2 {

void tGameEngine::LoadLevel(const std::string& fileName) {
  LevelFileName = fileName;
  Play().Recorder.Clear();
  ReplayControls = false;
  LevelLoadProblems.clear();
  LoadLevelFromFile(Level, fileName,
                    [this](const std::string& message) { LevelLoadProblems.push_back(message); });
  try {
    LevelKey = LevelFileKey(fileName);
  } catch (const Exception&) {
    LevelKey.reset();
  }
  ResetLevel(false);
  ApplyLevelLook();
  FullRedraw = true;
  Frame->ClearDirty();
}

void tGameEngine::NewLevel() {
  LoadLevel("Blank.map");
  LevelFileName = "Untitled";
  LevelKey.reset();
}

void tGameEngine::LoadLevelWithMusic(const std::string& fileName) {
  Menus->SetStartCaption("PICK A LEVEL");
  LoadLevel(fileName);
  FullRedraw = true;
  SetMusic(Level.MusicName);
  if (!MusicFileName.empty()) Sound().PlayMusic();
}

void tGameEngine::ApplyLevelLook() {
  TileSheet.SetPicture(Level.TileSetName, GetDib(Level.TileSetName, true));
  OverlaySheet.SetPicture(Level.OverlayTileSetName, GetDib(Level.OverlayTileSetName, true));
  SetBackground(Level.BackgroundName);
  if (OnLevelLoaded) OnLevelLoaded(*this);
}

// A level whose music module is missing plays in silence.
void tGameEngine::SetMusic(const std::string& fileName) {
  Sound().UnloadMusic();
  MusicFileName.clear();
  if (!fileName.empty() && PackagedFileExists("Music\\" + fileName) && Sound().LoadMusic(fileName))
    MusicFileName = fileName;
}

void tGameEngine::SetBackground(const std::string& fileName) {
  Background.reset();
  Background = std::make_unique<tDib16>(fileName);
  FullRedraw = true;
  if (!Editing) Frames->PaintLevelBackground(*this);
}

void tGameEngine::SetEditing(bool editing) {
  Editing = editing;
  // A copy: the old picture, which holds its name, goes before the new one loads.
  const std::string name = Background ? Background->FileName : Level.BackgroundName;
  SetBackground(name);
}

tUnit* tGameEngine::EditorUnitAt(int x, int y) const {
  return Editing ? Level.UnitStartingAt(x, y) : Level.UnitAt(x, y);
}

void tGameEngine::ResetLevel(bool withFade) {
  Play().Carried.QueueClear();
  Play().Clock.DrawOOTPlayer = false;
  Play().TickCount = 0;
  Play().TurnCount = 0;
  AnimCounter = 0;
  Play().FrameCount = 0;
  Paused = false;
  ExitReached = false;
  Turns.Clear();
  Level.ResetAll();
  Level.MoveAll();
  if (GameMode != gmEditing) {
    if (withFade)
      FadeToGameMode(gmIntro);
    else
      SetGameMode(gmIntro);
  }
  RestartRequested = false;
  Frames->ResetPanelButton();
}

void tGameEngine::RestartLevel() {
  ResetLevel(true);
  if (!MusicFileName.empty()) Sound().PlayMusic();
}

}  // namespace qn2
