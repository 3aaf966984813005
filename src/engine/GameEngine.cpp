#include "engine/GameEngine.h"

#include <algorithm>

#include "audio/SoundPort.h"
#include "common/Exception.h"
#include "data/ConfigFile.h"
#include "data/Recorder.h"
#include "engine/PackagePictures.h"
#include "engine/board/PlayState.h"
#include "render/DibStack.h"

namespace qn2 {

tGameEngine* GameEngine = nullptr;

namespace {

tFixedPointer RestingPointer;
tMenuHooks NoMenus;
tFrameHooks NoFrames;

// The directions and the action key, restart and the speed keys: what one turn uses up.
bool AnyDirectionPressed(const tInputDevice& input) {
  return input.WasPressed(iaUp) || input.WasPressed(iaDown) || input.WasPressed(iaLeft) ||
         input.WasPressed(iaRight);
}

}  // namespace

tGameEngine::tGameEngine()
    : Pointer(&RestingPointer),
      Menus(&NoMenus),
      Frames(&NoFrames),
      CurrentInput(&LiveInput),
      OwnFrame(std::make_unique<tDib16>(FrameWidth, FrameHeight)),
      Frame(OwnFrame.get()) {
  if (PictureFiles == nullptr) PictureFiles = &PackagePictures;
  Play().Owner = &PlayOwner;
  Play().Clock.OOTEnabled = true;
  Frame->SetHasMask(true);
  Frame->TrackDirty = true;
  BindDefaultKeys(LiveInput);
  LiveInput.AddCheatCode("tarnwickholm", [this] { StartRecordingSolution(); });
  LiveInput.AddCheatCode("fenlark", [this] { PlayStoredSolution(); });
  Bests.OnProblem = [this](const std::string& text) { ReportProblem(text); };
  PointerEnabled = true;
  MenuItem = 1;
}

tGameEngine::~tGameEngine() {
  Play().Owner = nullptr;
  Sound().UnloadMusic();
}

void tGameEngine::SetOOTPlayer(tUnit* ghost) {
  OOTPlayer = ghost;
  Play().Clock.OOTPlayer = ghost;
  if (ghost != nullptr) ghost->Level = &Level;
}

void tGameEngine::SetFrameSurface(tDib16* frame) {
  Frame = frame != nullptr ? frame : OwnFrame.get();
}

// --- The engine tick ----------------------------------------------------------------------

void tGameEngine::Update() {
  ReadMouse();
  if (MessageTicks > 0) --MessageTicks;
  const tGameMode modeAtStart = GameMode;

  if (GameMode != gmEditing) {
    ++Play().TickCount;
    const bool running = !Paused || StepTicksLeft > 0;
    if (GameMode == gmDying || (GameMode == gmPlaying && running)) GameFrame();
  }

  if (!IsSlabMenuMode(GameMode) && !IsPopupMode(GameMode) && GameInProgress &&
      LiveInput.WasPressed(iaBack)) {
    if (GameMode == gmMainMenu) {
      CloseMenuWithSound();
      CurrentInput->AnyKey = false;
    } else {
      OpenMenuWithSound();
    }
  }

  ModeWork();
  SidePanelClicks();
  LiveInput.Consume(modeAtStart == gmPlaying && GameMode == gmPlaying ? ActionMask(iaClick)
                                                                      : AllActionsMask);
  if (WarpFinished) ActOnFinishedWarp();
  if (RestartRequested) RestartLevel();
  RecordTurnAhead();
}

// The cursor in frame-surface pixels.
void tGameEngine::ReadMouse() {
  const tPoint cursor = Pointer->CursorPosition();
  const tPoint client = Pointer->ClientSize();
  std::int32_t x = cursor.X, y = cursor.Y;
  if (client.X > 0 && client.Y > 0) {
    x = cursor.X * Frame->Width() / client.X;
    y = cursor.Y * Frame->Height() / client.Y;
  }
  MouseMoved = x != MouseX || y != MouseY;
  MouseX = x;
  MouseY = y;
}

void tGameEngine::GameFrame() {
  ++Play().FrameCount;
  ++Play().Clock.OOTFrames;
  Play().Clock.TurnPhase = Play().FrameCount % Play().Clock.FramesPerTurn;
  Play().Clock.PrevTurnFraction = Play().Clock.TurnFraction;
  Play().Clock.TurnFraction =
      static_cast<float>(Play().Clock.TurnPhase) / static_cast<float>(Play().Clock.FramesPerTurn);
  if (GameMode != gmDying && Play().Clock.OOTEnabled)
    OutOfTurnCheck();
  else
    SpeedKeys();
  if (Play().Clock.OOTStepActive) {
    Play().Clock.OOTFraction =
        static_cast<float>(Play().Clock.OOTFrames) / static_cast<float>(Play().Clock.OOTLength);
    if (Play().Clock.OOTFrames == Play().Clock.OOTLength) {
      Play().Clock.OOTStepActive = false;
      CurrentInput = &LiveInput;
      Play().Clock.DrawOOTPlayer = false;
    }
  }
}

// Holding a direction lets the player start its next step before the turn ends, so that
// walking is continuous. The ghost walks ahead; the real turns follow from OlderInput.
void tGameEngine::OutOfTurnCheck() {
  const tRecorderState recording = Play().Recorder.State();
  const bool recorderFree = recording == rsIdle || recording == rsStopped;
  if (!recorderFree || Play().Clock.OOTStepActive || !AnyDirectionPressed(LiveInput) ||
      OOTPlayer == nullptr) {
    SpeedKeys();
    return;
  }
  tUnit* player = Level.Player;
  if (player == nullptr || !player->HasArrived() || Play().Clock.TurnFraction <= 0.3f ||
      Level.AnyHoldsPlayerTurn())
    return;

  OOTPlayer->Level = &Level;
  OOTPlayer->GridX = OOTPlayer->TargetX = player->GridX;
  OOTPlayer->GridY = OOTPlayer->TargetY = player->GridY;
  OOTPlayer->X = static_cast<float>(player->GridX);
  OOTPlayer->Y = static_cast<float>(player->GridY);
  OOTPlayer->TakeTurn();
  Play().Clock.OOTFromX = player->GridX;
  Play().Clock.OOTFromY = player->GridY;
  Play().Clock.OOTToX = OOTPlayer->TargetX;
  Play().Clock.OOTToY = OOTPlayer->TargetY;
  if (Play().Clock.OOTFromX == Play().Clock.OOTToX && Play().Clock.OOTFromY == Play().Clock.OOTToY)
    return;

  Play().Clock.OOTStepActive = true;
  Play().Clock.OOTLength = 2 * Play().Clock.FramesPerTurn - Play().Clock.TurnPhase;
  Play().Clock.OOTFrames = 0;
  CurrentInput = &OlderInput;
  PreviousInput.CopyFrom(LiveInput);
  LiveInput.Consume(TurnActionsMask);
}

// Numeric plus and minus change the length of a turn at a turn boundary; the number of
// whole turns played stays.
void tGameEngine::SpeedKeys() {
  if (Play().Clock.OOTStepActive || Play().Clock.TurnPhase != 0 || GameMode != gmPlaying) return;
  auto apply = [this](int change) {
    const std::int32_t turns = Play().FrameCount / Play().Clock.FramesPerTurn;
    Play().Clock.SpeedAdjust = std::clamp(Play().Clock.SpeedAdjust + change, -6, 6);
    Play().Clock.FramesPerTurn = Play().Clock.SpeedAdjust + 12;
    Play().FrameCount = turns * Play().Clock.FramesPerTurn;
    MessageTicks = 80;
    const std::int32_t shown = -Play().Clock.SpeedAdjust;
    MessageText = (shown >= 0 ? "Game Speed +" : "Game Speed ") + std::to_string(shown);
  };
  if (CurrentInput->WasPressed(iaSlower)) apply(+1);
  if (CurrentInput->WasPressed(iaFaster)) apply(-1);
}

void tGameEngine::ModeWork() {
  switch (GameMode) {
    case gmPlaying:
      if (Paused && StepTicksLeft == 0) {
        // While a solution plays back, the right arrow plays one more turn.
        if (ReplayControls && Play().Recorder.State() == rsPlaying && LiveInput.WasPressed(iaRight))
          StepTicksLeft = Play().Clock.FramesPerTurn;
        LiveInput.Consume(AllActionsMask);
        return;
      }
      if (StepTicksLeft > 0) --StepTicksLeft;
      // An arrow pressed while a solution plays back takes the level over from there.
      if (ReplayControls && !Paused && Play().Recorder.State() == rsPlaying &&
          AnyDirectionPressed(LiveInput))
        Play().Recorder.Stop();
      if ((CurrentInput->IsHeld(iaSkipA) && CurrentInput->WasPressed(iaSkipB)) ||
          (CurrentInput->IsHeld(iaSkipB) && CurrentInput->WasPressed(iaSkipA)))
        SetGameMode(gmLevelDone);
      GameStep();
      break;
    case gmDying:
    case gmDead:
    case gmPopupClosed:
    case gmWarping:
      GameStep();
      break;
    case gmIntro:
      IntroStep();
      break;
    case gmSkipEntry:
      NextEntry();
      break;
    case gmLevelDone:
      LevelFinishedStep();
      break;
    case gmAllSolved:
      if (LiveInput.AnyKey || Episode.AllSolvedAtLoad) {
        GameInProgress = false;
        Frame->MaskActive = false;
        FadeToGameMode(gmMainMenu);
      }
      break;
    case gmMainMenu:
      Menus->MainMenuTick(*this);
      break;
    case gmOptions:
    case gmVideoOptions:
    case gmAdvancedVideo:
    case gmSoundOptions:
    case gmSoundDevice:
    case gmInstructions:
    case gmCredits:
      Menus->SlabMenuTick(*this, GameMode);
      break;
    case gmNextUnsolved:
      NextUnsolvedEntry();
      break;
    case gmSolvedPopup:
    case gmPartlySolvedPopup:
    case gmDeathPopup:
      Menus->PopupTick(*this, GameMode);
      break;
    default:
      break;
  }
}

// One game frame of the board: the turn boundary, then the units' movement.
void tGameEngine::GameStep() {
  if (RestartRequested) return;
  if (Play().Clock.TurnPhase == 0) {
    Level.ReindexRows();
    OlderInput.CopyFrom(PreviousInput);
    PreviousInput.CopyFrom(LiveInput);
    if (GameMode == gmPlaying) Level.TakeTurns();
    CurrentInput->Consume(TurnActionsMask);
    ++Play().TurnCount;
  }
  if (GameMode == gmDying || GameMode == gmDead || GameMode == gmPopupClosed ||
      GameMode == gmWarping) {
    Level.DeathAnimAll();
    if (GameMode == gmDead) {
      ++DeadTicks;
      if (Settings.Dialogs && DeadTicks == 50) {
        OpenMenu();
        SetGameMode(gmDeathPopup);
      }
    }
  } else if (GameMode == gmPlaying) {
    Level.MoveAll();
  }
  Level.RemoveDeadTemporary();
}

// The level fades in over 100 ticks from a picture of its first frame.
void tGameEngine::IntroStep() {
  if (IntroTicks == 0) {
    IntroSnapshot = std::make_unique<tDib16>(Frame->Width(), Frame->Height());
    Level.MoveAll();
    FullRedraw = true;
    AnimCounter = 1;
    {
      tDibTarget target(IntroSnapshot.get());
      Frames->DrawGamePicture(*this);
    }
    Frame->FillSurface(0);
  }
  if (IntroTicks == 100) {
    if (IntroSnapshot) {
      Frame->CopyRectFrom(*IntroSnapshot, 0, 0, 0, 0, Frame->Width(), Frame->Height());
      IntroSnapshot.reset();
    }
    SetGameMode(gmPlaying);
    Play().TickCount = 0;
    AnimCounter = 0;
    Play().FrameCount = 0;
  }
  ++IntroTicks;
}

void tGameEngine::SidePanelClicks() {
  if (GameMode != gmPlaying && GameMode != gmDying && GameMode != gmDead &&
      GameMode != gmLevelDone && GameMode != gmAllSolved)
    return;
  Frames->UpdatePanelButton(MouseX, MouseY, LiveInput.WasPressed(iaClick),
                            LiveInput.IsHeld(iaClick));
  if (Frames->TakePanelButtonClick()) {
    OpenMenuWithSound();
    LiveInput.Consume(AllActionsMask);
  }
}

void tGameEngine::ActOnFinishedWarp() {
  WarpFinished = false;
  if (WarpAction == WarpToMenu || WarpAction == WarpToLevelPick) {
    GameInProgress = false;
    Frame->MaskActive = false;
    Level.MuteAll();
    FadeToGameMode(WarpAction == WarpToMenu ? gmMainMenu : gmPickLevel);
  } else {
    RestartRequested = true;
  }
}

// --- Modes ----------------------------------------------------------------------------------

void tGameEngine::SetGameMode(tGameMode mode) {
  GameMode = mode;
  switch (mode) {
    case gmIntro:
      IntroTicks = 0;
      break;
    case gmDead:
      Sound().StopMusic();
      if (Play().Recorder.State() == rsPlaying) Play().Recorder.Stop();
      DeadTicks = 0;
      break;
    case gmLevelDone:
      Sound().StopMusic();
      break;
    default:
      break;
  }
  PointerEnabled = mode != gmFadeOut && mode != gmIntro;
  if (IsMenuMode(mode)) {
    MenuDrag = 0;
    Menus->ZeroGlows();
    MenuGlow.fill(0);
  }
}

void tGameEngine::PushGameMode() {
  ModeStack.Push(GameMode);
}

// The entry actions of the restored mode run again.
void tGameEngine::PopGameMode() {
  SetGameMode(ModeStack.Pop());
}

}  // namespace qn2
