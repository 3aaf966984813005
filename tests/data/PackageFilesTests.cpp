#include <algorithm>
#include <functional>

#include <gtest/gtest.h>

#include "data/DiskFiles.h"
#include "data/FileStream.h"
#include "data/PackageFiles.h"
#include "data/VoskZlib.h"
#include "data/ZipTestSupport.h"
#include "data/ZipWriter.h"

namespace qn2 {
namespace {

using namespace qn2::test;

// Runs in a scratch folder as the current directory, with a registry set up as the
// main window sets up the game's: the current directory, then the game's data folders.
class PackageFilesTest : public ::testing::Test {
 protected:
  PackageFilesTest() : Registry({""}) {
    fs::current_path(Scratch.path());
    for (const char* folder : GameDataFolders) Registry.AddSearchFolder(folder);
  }
  ~PackageFilesTest() override { fs::current_path(SavedFolder); }

  static void WritePackage(const std::string& fileName,
                           const std::vector<std::pair<std::string, std::string>>& files) {
    tFileStream out(fileName, tFileStream::tMode::Create);
    tZipWriter writer(out);
    for (const auto& [name, text] : files) writer.Add(name, Bytes(text));
    writer.Finish();
  }

  std::string Open(const std::string& name) {
    std::unique_ptr<tPackageFileStream> stream = Registry.Open(name);
    EXPECT_EQ(0, stream->Position());
    EXPECT_EQ(stream->Size(), static_cast<std::int64_t>(stream->Data().size()));
    return ReadRest(*stream);
  }

  std::vector<std::string> List(const std::string& extension) {
    std::vector<std::string> list{"kept"};
    Registry.List(extension, list);
    list.erase(list.begin());
    return list;
  }

  fs::path SavedFolder = fs::current_path();
  tScratchFolder Scratch;
  tPackageRegistry Registry;
};

template <class E>
void ExpectRaises(const std::function<void()>& action, const std::string& message) {
  try {
    action();
    ADD_FAILURE() << "nothing raised, expected \"" << message << "\"";
  } catch (const E& e) {
    EXPECT_EQ(message, e.what());
  }
}

TEST_F(PackageFilesTest, PackageEntriesAreFoundByBareNameUnderEachDataFolderInOrder) {
  WritePackage("Quibnar2.VexPak", {{"Levels/One.map", "level one"},
                                   {"Popups/One.map", "popup one"},
                                   {"MENUGFX/TITLE.JPG", "title"},
                                   {"Two.map", "two at the top"},
                                   {"Levels/Two.map", "two in levels"},
                                   {"Samples/Boom.wav", "boom"}});
  Registry.MountPackage("Quibnar2.VexPak");
  ASSERT_EQ(1u, Registry.PackageCount());
  EXPECT_EQ("level one", Open("One.map"));
  EXPECT_EQ("level one", Open("  one.MAP  "));  // spaces trimmed, case ignored
  EXPECT_EQ("popup one", Open("Popups\\One.map"));
  EXPECT_EQ("title", Open("Title.jpg"));
  EXPECT_EQ("two at the top", Open("Two.map"));
  EXPECT_EQ("two in levels", Open("levels\\two.map"));
  EXPECT_EQ("boom", Open("samples\\BOOM.WAV"));
  EXPECT_TRUE(Registry.Exists("Samples/Boom.wav"));
  EXPECT_FALSE(Registry.Exists("Boom.wav"));
}

TEST_F(PackageFilesTest, FilesOnDiskOverrideThePackage) {
  WritePackage("Quibnar2.VexPak", {{"Levels/One.map", "packed one"},
                                   {"Levels/Two.map", "packed two"},
                                   {"Levels/Three.map", "packed three"},
                                   {"Samples/Boom.Wav", "packed boom"}});
  Registry.MountPackage("Quibnar2.VexPak");
  EXPECT_EQ("packed one", Open("One.map"));

  // A loose file in a search folder, found without regard to letter case.
  WriteFile("levels/ONE.MAP", "loose one");
  EXPECT_EQ("loose one", Open("One.map"));
  EXPECT_EQ("loose one", Open("LEVELS\\one.map"));
  // The package's own override folder: its name without the extension.
  WriteFile("Quibnar2/Two.map", "override two");
  EXPECT_EQ("override two", Open("Two.map"));
  // ... also inside each search folder.
  WriteFile("Levels/quibnar2/three.map", "nested override three");
  EXPECT_EQ("nested override three", Open("Three.map"));
  WriteFile("quibnar2/samples/boom.wav", "override boom");
  EXPECT_EQ("override boom", Open("Samples\\Boom.Wav"));
  // The search folders come before the override folders.
  WriteFile("Two.map", "loose two");
  EXPECT_EQ("loose two", Open("Two.map"));

  fs::remove("levels/ONE.MAP");
  EXPECT_EQ("packed one", Open("One.map"));
}

TEST_F(PackageFilesTest, WithoutAPackageOnlyTheDiskIsSearched) {
  Registry.MountPackage("Quibnar2.VexPak");
  EXPECT_EQ(0u, Registry.PackageCount());
  WriteFile("BackDrops/Cave.jpg", "cave");
  EXPECT_EQ("cave", Open("cave.JPG"));
  EXPECT_TRUE(Registry.Exists("Cave.jpg"));
  // Folders are not files.
  EXPECT_FALSE(Registry.Exists("BackDrops"));
  EXPECT_FALSE(Registry.Exists(""));
}

TEST_F(PackageFilesTest, MissingFilesRaiseWithTheNameAsGiven) {
  WritePackage("Quibnar2.VexPak", {{"Levels/One.map", "one"}});
  Registry.MountPackage("Quibnar2.VexPak");
  for (const std::string name : {"Levels\\Nothing.map", " spaced ", "One.ma", "Levels"}) {
    SCOPED_TRACE(name);
    EXPECT_FALSE(Registry.Exists(name));
    ExpectRaises<EFileMissing>([&] { Registry.Open(name); }, "File Missing '" + name + "'.");
  }
}

TEST_F(PackageFilesTest, PackagesAreSearchedInMountOrder) {
  WritePackage("First.VexPak", {{"Levels/Shared.map", "first"}});
  WritePackage("Second.VexPak", {{"Shared.map", "second"}, {"Only.map", "only second"}});
  Registry.MountPackage("First.VexPak");
  Registry.MountPackage("Second.VexPak");
  // Within one package every folder is tried before the next package.
  EXPECT_EQ("first", Open("Shared.map"));
  EXPECT_EQ("only second", Open("Only.map"));
}

TEST_F(PackageFilesTest, MountingAFileThatIsNotAZipLeavesTheRegistryAsItWas) {
  WriteFile("Broken.VexPak", "this is no archive, only text that is long enough");
  ExpectRaises<ENotZipFile>([&] { Registry.MountPackage("Broken.VexPak"); },
                            "File is not Zip file.");
  EXPECT_EQ(0u, Registry.PackageCount());
}

TEST_F(PackageFilesTest, DamagedEntriesRaiseFromTheOpen) {
  tRawEntry badLocal = StoredEntry("Levels/Bad.map", "bad");
  badLocal.LocalSignature = 0;
  tRawEntry corrupt = DeflatedSampleEntry("Levels/Corrupt.map");
  corrupt.Data = {0xFF, 0xFF};
  tRawEntry short1 = DeflatedSampleEntry("Levels/Short.map");
  short1.UncompressedSize = 0xFFFFFF00;  // far more than the data inflates to
  WriteFile("Quibnar2.VexPak", BuildRawZip({badLocal, corrupt, short1}));
  Registry.MountPackage("Quibnar2.VexPak");
  ExpectRaises<EZipError>([&] { Registry.Open("Bad.map"); }, "LocalFile Signature not found");
  ExpectRaises<EVoskDecompressionError>([&] { Registry.Open("Corrupt.map"); }, "error");
  ExpectRaises<EZipError>([&] { Registry.Open("Short.map"); },
                          "Zip entry \"Levels/Short.map\" claims 4294967040 bytes, more than "
                          "the 256 MiB a game file may hold");
  // A loose file still wins over the damaged entry.
  WriteFile("Levels/Bad.map", "repaired");
  EXPECT_EQ("repaired", Open("Bad.map"));
}

TEST_F(PackageFilesTest, StreamsAreReadOnlyCopiesThatSeekFreely) {
  WritePackage("Quibnar2.VexPak", {{"Levels/One.map", DeflateSampleText}});
  Registry.MountPackage("Quibnar2.VexPak");
  std::unique_ptr<tPackageFileStream> stream = Registry.Open("One.map");
  EXPECT_EQ(static_cast<std::int64_t>(DeflateSampleText.size()), stream->Size());
  stream->Seek(-10, tSeekOrigin::End);
  EXPECT_EQ(DeflateSampleText.substr(DeflateSampleText.size() - 10), ReadRest(*stream));
  stream->Seek(8, tSeekOrigin::Beginning);
  char c[4];
  stream->ReadBuffer(c, 4);
  EXPECT_EQ("Name", std::string(c, 4));
  ExpectRaises<EWriteToPackage>([&] { stream->Write("x", 1); },
                                "Attempted to write to a Packaged file");
  EXPECT_EQ(12, stream->Position());
  // The package can change on disk while the stream is open: it holds its own copy.
  fs::remove("Quibnar2.VexPak");
  stream->Seek(0, tSeekOrigin::Beginning);
  EXPECT_EQ(DeflateSampleText, ReadRest(*stream));
}

TEST_F(PackageFilesTest, SearchFoldersAreTrimmedAndEndInBackslash) {
  Registry.AddSearchFolder("  Music  ");
  Registry.AddSearchFolder("Samples\\");
  const std::vector<std::string> expected = {"",         "Levels\\", "BackDrops\\", "MenuGFX\\",
                                             "Popups\\", "Music\\",  "Samples\\"};
  EXPECT_EQ(expected, Registry.SearchFolders());
  EXPECT_THROW(Registry.AddSearchFolder(""), Exception);
  EXPECT_THROW(Registry.AddSearchFolder("   "), Exception);
  EXPECT_EQ(expected, Registry.SearchFolders());
  WriteFile("music/Theme.xm", "module");
  EXPECT_EQ("module", Open("theme.XM"));
}

TEST_F(PackageFilesTest, ListingShowsPackageEntriesByExtension) {
  WritePackage("First.VexPak", {{"BackDrops/Cave.JPG", ""},
                                {"Music/Theme.xm", ""},
                                {"Music/Other.oxm", ""},
                                {"Levels/One.map", ""},
                                {"MenuGFX/Title.jpg", ""}});
  WritePackage("Second.VexPak", {{"Extra/Sky.jpg", ""}, {"jpg", ""}});
  Registry.MountPackage("First.VexPak");
  Registry.MountPackage("Second.VexPak");
  WriteFile("BackDrops/Loose.jpg", "not listed");

  const std::vector<std::string> jpegs = {"BackDrops/Cave.JPG", "MenuGFX/Title.jpg",
                                          "Extra/Sky.jpg"};
  EXPECT_EQ(jpegs, List("jpg"));
  EXPECT_EQ(jpegs, List(".JPG"));
  EXPECT_EQ(std::vector<std::string>{"Music/Theme.xm"}, List("xm"));
  EXPECT_EQ(std::vector<std::string>{"Music/Other.oxm"}, List(".oxm"));
  EXPECT_TRUE(List("wav").empty());
}

TEST(ProgramWidePackageFiles, StartsWithTheCurrentAndProgramFoldersAndServesTheGame) {
  const std::vector<std::string> folders = PackageFiles().SearchFolders();
  ASSERT_GE(folders.size(), 2u);
  EXPECT_EQ("", folders[0]);
  EXPECT_EQ('\\', folders[1].back());
  EXPECT_TRUE(fs::is_directory(ToDiskSeparators(folders[1])));

  tScratchFolder scratch;
  tMemoryStream archive;
  tZipWriter writer(archive);
  writer.Add("Popups/qn2-program-wide-test.txt", Bytes("program wide"));
  writer.Finish();
  WriteFile(scratch / "Test.VexPak", archive.Data());
  MountPackage((scratch / "Test.VexPak").string());
  AddSearchFolder("Popups");

  EXPECT_TRUE(PackagedFileExists("QN2-PROGRAM-WIDE-TEST.TXT"));
  std::unique_ptr<tPackageFileStream> stream = OpenPackagedFile("qn2-program-wide-test.txt");
  EXPECT_EQ("program wide", ReadRest(*stream));
  ClosePackagedFile(stream);
  EXPECT_EQ(nullptr, stream);
  std::vector<std::string> list;
  ListPackagedFiles("TXT", list);
  EXPECT_NE(std::find(list.begin(), list.end(), "Popups/qn2-program-wide-test.txt"), list.end());
}

}  // namespace
}  // namespace qn2
