#pragma once

#include <functional>
#include <string>

namespace qn2 {

// How the game replaces a file on disk (WriteDiskFile in DiskFiles.h): the new bytes go to
// "NAME.tmp" beside the file, are flushed to the disk, and only then renamed over the old
// file, so a full disk, a refused folder or a process killed half-way leaves either the
// old file or the new one, whole.

// The steps of one write, in order.
enum class tWriteStep { Create, Write, Sync, Close, Rename };

// Tests make a step fail (return an errno value, 0 for none) or stop the process there.
// An empty function restores normal writing.
using tWriteFault = std::function<int(tWriteStep step, const std::string& fileName)>;
void SetWriteFaultForTesting(tWriteFault fault);

// A damaged file the game is about to replace with defaults is first copied to a new name
// beside it ("Config.cfg.damaged", then "Config.cfg.damaged2", ...), so nothing the player
// had is lost. Returns the new name as the game names files, or "" when it could not be
// kept (the caller reports that as well).
std::string KeepDamagedFileAside(const std::string& fileName);

}  // namespace qn2
