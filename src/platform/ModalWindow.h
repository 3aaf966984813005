#pragma once

#include <SDL.h>

#include <string>

#include "ui/ModalContent.h"

namespace qn2 {

// Shows the content modally and returns its answer (content.Result()).
//
// Normally it gets a window of its own: always on top, centred over the owner, the
// content's size, without a border (with a title bar showing the title when one is
// given), drawn through its own renderer. With overGame set and a display up on the owner
// (tDisplay::ForWindow), it is drawn over the game instead, centred on the frame, because
// a second window would stay hidden behind a full-screen one; the frame's pixels are
// saved first and put back (and presented) when it closes, so the game carries on as it
// was.
//
// A nested event loop runs until the content answers: every 20 ms the content is drawn
// (with CurrentDib set to the target) and shown, joystick 0 is polled, and Tick gets the
// periods since the last time. Keys from any of the program's windows go to the content as
// virtual-key numbers; the mouse in the window's client coordinates (over the game: in
// the content's own coordinates, through the display's scaling). Closing the window counts
// as Escape. Joystick 0 (as a game controller where SDL knows it, else as a plain
// joystick) turns into Left/Right/Up/Down key presses and releases by its stick (or hat,
// or pad) and Enter/Escape by its first two buttons, whenever their state changes.
// Events meant for the rest of the program (frame events, the owner's window events,
// quitting) are held and posted again when the window closes; a request to quit also
// gives the content Escape and ends the loop even without an answer (returning 0 then).
// Open is called before the loop and Close after it, also when the content raises.
int RunModal(SDL_Window* owner, tModalContent& content, bool overGame,
             const std::string& title = {});

}  // namespace qn2
