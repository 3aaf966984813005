#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "data/BestStore.h"
#include "data/MessageSink.h"
#include "data/SetFile.h"
#include "engine/EngineHooks.h"
#include "engine/EnginePlayOwner.h"
#include "engine/Episode.h"
#include "engine/GameModes.h"
#include "engine/ModeStack.h"
#include "engine/PlayHistory.h"
#include "engine/board/Level.h"
#include "input/InputDevice.h"
#include "render/Dib16.h"

namespace qn2 {

class tSprite;
class tStateIo;

// The one object that runs the game. Whoever owns it (the main window, a test, the
// simulator) calls Update once per engine tick and DrawFrame once per frame; the engine
// never reads a clock. Everything on the logic side happens inside those two calls.
class tGameEngine {
 public:
  tGameEngine();
  ~tGameEngine();
  tGameEngine(const tGameEngine&) = delete;
  tGameEngine& operator=(const tGameEngine&) = delete;

  // --- Services the owner plugs in ----------------------------------------------
  tPointerSource* Pointer;
  tMenuHooks* Menus;
  tFrameHooks* Frames;
  // The surface frames are composed in (the screen surface of the display); the engine
  // keeps a blank 640 x 480 one of its own until the owner sets another.
  void SetFrameSurface(tDib16* frame);
  tDib16& FrameSurface() const { return *Frame; }

  // --- State ---------------------------------------------------------------------
  std::function<void(tGameEngine&)> OnLevelLoaded;
  bool Editing = false;
  std::string LevelFileName;
  // Property values the units of the last loaded level refused (a trigger that does not
  // parse, say), for the program to report.
  std::vector<std::string> LevelLoadProblems;
  // The key of the level file the level in play was read from; none for a level without a
  // file, or once the editor has changed the level since.
  std::optional<std::uint64_t> LevelKey;
  // Where the engine tells the player of a problem that does not stop the game (a best run
  // that cannot be saved); none: LastMessage alone keeps it.
  tMessageSink* Messages = nullptr;
  std::int32_t ModeStackDepth() const { return ModeStack.Depth(); }
  tGameMode GameMode = gmNone;
  tGameMode FadeTarget = gmNone;
  // Whether the mouse pointer is drawn in this mode.
  bool PointerEnabled = true;
  std::int32_t MouseX = 0, MouseY = 0;
  bool MouseMoved = false;
  std::int32_t MenuDrag = 0;
  std::string MessageText;
  std::int32_t WarpAction = 0;
  tUnit* OOTPlayer = nullptr;  // the ghost of the early step; owned by the player module
  // Hands the engine its ghost; the level draws it in the player's place during a step.
  void SetOOTPlayer(tUnit* ghost);
  std::int32_t MessageTicks = 0;
  bool WebLinkRequested = false;
  bool BuildingBackground = false;
  std::array<std::int32_t, 7> MenuGlow{};
  std::uint8_t MenuItem = 1;
  std::int32_t AnimCounter = 0;
  bool WarpFinished = false;
  std::int32_t TimerTicks = 0;
  std::unique_ptr<tDib16> Background;
  std::unique_ptr<tDib16> MenuBackdrop;
  // The level in play; it owns its cells, its units and its play state (turn clock,
  // counters, carried items, the counts of ticks, frames and turns).
  tLevel Level;
  tPlayState& Play() { return Level.Play; }
  const tPlayState& Play() const { return Level.Play; }
  // The engine's answers to the units; a level of a test can borrow them.
  tPlayOwner& Owner() { return PlayOwner; }
  // The last death the units reported, for the death pop-up's picture.
  struct tDeathReport {
    const tUnitClass* Killer = nullptr;
    tDeathCause Cause = tDeathCause::General;
  };
  tDeathReport LastDeath;
  // Told of every death the units report (the death pop-up picks its picture).
  std::function<void(const tDeathReport&)> OnPlayerKilled;
  std::string MusicFileName;  // the level's music module, empty when it has none
  // The episode: its entries, each with its progress value, and the progress file.
  tEpisode Episode;
  bool ShowSolid = false;
  bool ShowCursor = false;
  tSprite* CursorSprite = nullptr;
  std::int32_t CursorX = -1, CursorY = -1;
  // The keys as they are now. The units read CurrentInput: the live keys, or during an
  // early step the keys of the turn before last (OlderInput).
  tInputDevice LiveInput;
  tInputDevice OlderInput;
  tInputDevice* CurrentInput;
  std::int32_t EntryIndex = 0;
  bool FullRedraw = false;
  std::string VideoFileName;
  bool GameInProgress = false;
  bool RestartRequested = false;
  bool Paused = false;

  // The episode's state shown beside the level.
  std::string LevelLabel;
  std::string LevelTitleText;

  // --- The tick and the frame -----------------------------------------------------------
  void Update();
  void DrawFrame();

  // --- Modes ------------------------------------------------------------------------------
  void SetGameMode(tGameMode mode);
  void FadeToGameMode(tGameMode mode);
  void PushGameMode();
  void PopGameMode();
  void OpenMenu();
  void OpenMenuWithSound();
  void CloseMenu();
  void CloseMenuWithSound();
  // Puts back what lay under the mouse pointer, when the pointer was drawn.
  void RestorePointerBackground();
  // Whether the fade-out still holds its picture (it lets go of it when it ends).
  bool HoldsFadePicture() const { return FadeSnapshot != nullptr; }
  // Ticks since the player's death animation ended.
  std::int32_t DeadTickCount() const { return DeadTicks; }

  // --- Levels -----------------------------------------------------------------------------
  void LoadLevel(const std::string& fileName);
  void NewLevel();
  void LoadLevelWithMusic(const std::string& fileName);
  void ApplyLevelLook();
  void SetMusic(const std::string& fileName);
  void SetBackground(const std::string& fileName);
  void SetEditing(bool editing);
  tUnit* EditorUnitAt(int x, int y) const;
  void ResetLevel(bool withFade);
  void RestartLevel();

  // --- Snapshots of the play -------------------------------------------------------------
  // The level's state in play and the engine's own part of it (the mode of play, the input
  // of the last turns, the early-step ghost), at any tick of play. Loading a snapshot puts
  // the play back so that the same input plays on exactly as it did from there.
  void SaveState(tSnapshotStream& stream);
  void LoadState(tSnapshotStream& stream);
  // A hash of the play that leaves out what only shapes the picture: two moments of play
  // that will go on alike under the same input hash alike.
  std::uint64_t PlayHash();

  // --- Taking moves back ------------------------------------------------------------------
  // Returns to just before the last turn in which the player did something (idle turns
  // after it go too), during play or the death that ended it; a recording is cut back to
  // that turn. False, and nothing changed, when there is nothing to take back.
  bool UndoMove();
  // Plays forward again, to just after the next turn in which the player did something, as
  // long as play has not gone on since the undo.
  bool RedoMove();
  const tPlayHistory& History() const { return Turns; }
  // The end of the last tick before a turn begins: what the player decides next is not yet
  // read, and every unit stands where the turn before left it.
  bool AtTurnEdge() const { return (Play().FrameCount + 1) % Play().Clock.FramesPerTurn == 0; }
  // Off for a search, which puts the play back itself and would otherwise keep a snapshot
  // of every turn it tries.
  bool KeepsHistory = true;

  // --- Episodes -----------------------------------------------------------------------------
  void LoadEpisode(const std::string& setFileName);
  void StartEntry(const tSetEntry& entry);
  void StartCurrentEntry();
  void GoToEntry(std::int32_t index);
  void NextEntry();
  void NextUnsolvedEntry();
  // The two typed codes.
  void StartRecordingSolution();
  void PlayStoredSolution();
  // Plays a solution file from the level's next start, under the replay controls (the
  // editor shows the solution it found this way).
  void PlaySolutionFile(const std::string& fileName);

  // --- The player's best runs ------------------------------------------------------------
  // The best of every level, in "Best\" of the game folder.
  tBestStore Bests;
  // The player walked through the exit in this attempt (a skipped level does not count).
  bool ExitReached = false;
  // The run that just reached the exit becomes the level's best when it beats the one kept.
  // A recording, a playback the player did not take over, and a level changed in the
  // editor do not count. Once per finish; a write that fails is reported.
  void KeepBestRun();
  // F9: plays the level's best back with the replay controls, from the start; with no best
  // a short message says so.
  void PlayBestSolution();
  // The best of a level file of the episode; none when it has none or cannot be read.
  std::optional<tBestRun> BestOfLevel(const std::string& levelFileName);
  // Tells the player of a problem through LastMessage and the message sink.
  void ReportProblem(const std::string& text);

 private:
  void ReadMouse();
  void GameFrame();
  void OutOfTurnCheck();
  void SpeedKeys();
  void ModeWork();
  void GameStep();
  void IntroStep();
  void LevelFinishedStep();
  void SidePanelClicks();
  void ActOnFinishedWarp();
  void FadeStep();
  void IntroReveal();
  // The engine's own fields of a snapshot, after the level's.
  void EngineStateFields(tStateIo& io);

  tModeStack ModeStack;
  // The transitions: the fade-out's picture and count, the intro's first picture and count.
  std::int32_t FadeTicks = 0;
  std::unique_ptr<tDib16> FadeSnapshot;
  std::int32_t IntroTicks = 0;
  std::unique_ptr<tDib16> IntroSnapshot;
  std::int32_t DeadTicks = 0;
  tInputDevice PreviousInput;
  // The player started the stored solution's playback (the typed code): Pause with the
  // right arrow steps it, an arrow takes it over. A playback a tool or test drives through
  // the recorder plays on whatever the keys.
  bool ReplayControls = false;
  // Ticks still to play of a turn stepped while paused.
  std::int32_t StepTicksLeft = 0;
  // The turns of this attempt, for undo and redo.
  tPlayHistory Turns;
  void RecordTurnAhead();
  tPlayHistory::tPlayerMark PlayerMark() const;
  bool PutBack(tSnapshotStream* snapshot);
  std::unique_ptr<tDib16> OwnFrame;
  tDib16* Frame;
  tEnginePlayOwner PlayOwner{*this};
};

// The one engine of the program, set by whoever creates it. Units do not use it: they
// reach the engine through their level's owner.
extern tGameEngine* GameEngine;

}  // namespace qn2
