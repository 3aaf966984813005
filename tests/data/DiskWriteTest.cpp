#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "common/Exception.h"
#include "data/DiskFiles.h"
#include "data/DiskWrite.h"
#include "data/ProgressFile.h"
#include "support/ScratchFolder.h"

namespace qn2 {
namespace {

namespace fs = std::filesystem;

const std::string OldBytes = "the settings as they were\r\n";
const std::string NewBytes(20000, 'n');

constexpr tWriteStep AllSteps[] = {tWriteStep::Create, tWriteStep::Write, tWriteStep::Sync,
                                   tWriteStep::Close, tWriteStep::Rename};

class DiskWriteTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FileName = (Scratch / "Config.cfg").string();
    std::ofstream(FileName, std::ios::binary) << OldBytes;
  }
  void TearDown() override { SetWriteFaultForTesting({}); }

  static std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  // What the folder holds besides the file itself.
  std::vector<std::string> Others() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(Scratch.path()))
      if (entry.path().filename() != "Config.cfg") names.push_back(entry.path().filename());
    return names;
  }

  testing::tScratchFolder Scratch;
  std::string FileName;
};

// Full disk, refused folder, failing device: whichever step fails, the message names the
// file and the reason, the old file stays whole and no temporary file is left behind.
TEST_F(DiskWriteTest, AFailureAtAnyStepLeavesTheOldFileWholeAndSaysWhy) {
  for (const tWriteStep failing : AllSteps) {
    SCOPED_TRACE(static_cast<int>(failing));
    const int error = failing == tWriteStep::Create ? EROFS : ENOSPC;
    SetWriteFaultForTesting(
        [&](tWriteStep step, const std::string&) { return step == failing ? error : 0; });
    try {
      WriteDiskFile(FileName, NewBytes);
      ADD_FAILURE() << "the write did not fail";
    } catch (const EFileError& e) {
      EXPECT_NE(e.message().find("\"" + FileName + "\": " + std::strerror(error)),
                std::string::npos)
          << e.message();
    }
    EXPECT_EQ(Contents(FileName), OldBytes);
    EXPECT_TRUE(Others().empty()) << Others().front();
  }
  // With the fault gone the same write goes through.
  SetWriteFaultForTesting({});
  WriteDiskFile(FileName, NewBytes);
  EXPECT_EQ(Contents(FileName), NewBytes);
  EXPECT_TRUE(Others().empty());
}

// A process killed at any step leaves the old file or the new one, never a mix, and the
// next write goes through over whatever was left.
TEST_F(DiskWriteTest, AProcessKilledAtAnyStepLeavesTheOldFileOrTheNewOne) {
  for (const tWriteStep stop : AllSteps) {
    SCOPED_TRACE(static_cast<int>(stop));
    std::ofstream(FileName, std::ios::binary) << OldBytes;
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      SetWriteFaultForTesting([&](tWriteStep step, const std::string&) -> int {
        if (step == stop) _exit(7);
        return 0;
      });
      WriteDiskFile(FileName, NewBytes);
      _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 7);
    const std::string left = Contents(FileName);
    EXPECT_TRUE(left == OldBytes || left == NewBytes) << left.size() << " bytes";
    WriteDiskFile(FileName, "after\r\n");
    EXPECT_EQ(Contents(FileName), "after\r\n");
    EXPECT_TRUE(Others().empty());
  }
}

// A real full disk: the file size limit makes the write run out of room part-way.
TEST_F(DiskWriteTest, ADiskThatRunsOutOfRoomPartWayKeepsTheOldFile) {
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{4096, 4096};
    setrlimit(RLIMIT_FSIZE, &limit);
    try {
      WriteDiskFile(FileName, NewBytes);
    } catch (const EFileError& e) {
      _exit(e.message().find(std::strerror(EFBIG)) != std::string::npos ? 3 : 4);
    }
    _exit(0);
  }
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 3) << "0: no error raised, 4: the message gives no reason";
  EXPECT_EQ(Contents(FileName), OldBytes);
  EXPECT_TRUE(Others().empty());
}

// A folder that vanished under the game is made again; a file standing where the folder
// should be is reported.
TEST_F(DiskWriteTest, AVanishedFolderIsMadeAgainAndAFileInItsPlaceIsReported) {
  const std::string inFolder = (Scratch / "Best" / "Best.txt").string();
  WriteDiskFile(inFolder, "one\r\n");
  fs::remove_all(Scratch / "Best");
  WriteDiskFile(inFolder, "two\r\n");
  EXPECT_EQ(Contents(inFolder), "two\r\n");

  fs::remove_all(Scratch / "Best");
  std::ofstream(Scratch / "Best") << "not a folder";
  EXPECT_THROW(WriteDiskFile(inFolder, "three\r\n"), EFileError);
  EXPECT_EQ(Contents((Scratch / "Best").string()), "not a folder");
}

TEST_F(DiskWriteTest, ADamagedFileIsCopiedAsideUnderANewName) {
  EXPECT_EQ(KeepDamagedFileAside(FileName), FileName + ".damaged");
  EXPECT_EQ(KeepDamagedFileAside(FileName), FileName + ".damaged2");
  EXPECT_EQ(Contents(FileName + ".damaged"), OldBytes);
  EXPECT_EQ(Contents(FileName + ".damaged2"), OldBytes);
  EXPECT_EQ(Contents(FileName), OldBytes);
  EXPECT_EQ(KeepDamagedFileAside((Scratch / "Missing.cfg").string()), "");
}

// A damaged or too long progress file is kept aside before the game writes over it; a sound
// one is not.
TEST_F(DiskWriteTest, ADamagedProgressFileIsReportedAndKeptAside) {
  const std::string progress = (Scratch / "Set.Progress").string();
  const std::string damaged("\x02\0\0\0\x09\0\0\0\x01\0", 10);
  std::ofstream(progress, std::ios::binary) << damaged;
  std::vector<std::int32_t> values(4, 0);
  const std::string message = LoadProgress(progress, values);
  EXPECT_EQ(values, (std::vector<std::int32_t>{2, 0, 0, 0}));
  EXPECT_EQ(message, "The progress file \"" + progress +
                         "\" is damaged; what could be read is used. The file is kept as \"" +
                         progress + ".damaged\".");
  EXPECT_EQ(Contents(progress + ".damaged"), damaged);

  const std::string tooLong(4 * 5, '\0');
  std::ofstream(progress, std::ios::binary) << tooLong;
  EXPECT_NE(LoadProgress(progress, values).find("holds more entries than the episode has"),
            std::string::npos);
  EXPECT_EQ(Contents(progress + ".damaged2"), tooLong);

  const std::string sound(4 * 4, '\0');
  std::ofstream(progress, std::ios::binary) << sound;
  EXPECT_EQ(LoadProgress(progress, values), "");
  EXPECT_FALSE(fs::exists(progress + ".damaged3"));
}

}  // namespace
}  // namespace qn2
