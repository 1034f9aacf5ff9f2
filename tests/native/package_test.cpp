// The byte-set layout and the source package: a real ZIP (checked by
// unzip), the same bytes on every run, holding exactly what git tracks.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "export/source_files.h"
#include "export/zip_writer.h"
#include "toolkit/byte_set.h"

namespace {

namespace fs = std::filesystem;

std::string Shell(const std::string& command) {
  std::string output;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return output;
  char buffer[4096];
  std::size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, n);
  pclose(pipe);
  return output;
}

fs::path WriteTemporary(const std::vector<std::uint8_t>& bytes, const std::string& name) {
  const fs::path path = fs::temp_directory_path() / name;
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return path;
}

TEST(ByteSet, LayoutIsCountLengthThenBytesLittleEndian) {
  const std::vector<std::uint8_t> bytes = {0xDE, 0xAD, 0xBE};
  const std::vector<std::uint8_t> block = toolkit::MakeByteSet(bytes);
  EXPECT_EQ(block, (std::vector<std::uint8_t>{1, 0, 0, 0, 3, 0, 0, 0, 0xDE, 0xAD, 0xBE}));
  const auto read = toolkit::ByteSetBytes(block);
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(std::vector<std::uint8_t>(read->begin(), read->end()), bytes);
}

TEST(ByteSet, MalformedBlocksAreRefused) {
  struct Case {
    std::vector<std::uint8_t> block;
    bool valid;
  };
  const Case cases[] = {
      {{}, false},
      {{1, 0, 0, 0, 0, 0, 0}, false},              // short header
      {{1, 0, 0, 0, 0, 0, 0, 0}, true},            // empty byte set
      {{2, 0, 0, 0, 0, 0, 0, 0}, false},           // two dimensions
      {{1, 0, 0, 0, 2, 0, 0, 0, 9}, false},        // length beyond the block
      {{1, 0, 0, 0, 1, 0, 0, 0, 9, 9}, true},      // trailing bytes are not part of it
      {{1, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}, false},
  };
  for (const auto& c : cases) EXPECT_EQ(toolkit::ByteSetBytes(c.block).has_value(), c.valid);
}

TEST(Zip, UnzipAcceptsItAndGetsTheFilesBack) {
  std::vector<package::ZipEntry> entries = {
      {"b/second.txt", 0644, {'t', 'w', 'o', '\n'}},
      {"a.sh", 0755, {'#', '!', '\n'}},
      {"empty", 0644, {}},
  };
  const fs::path zip = WriteTemporary(package::WriteZip(entries), "tarnwick-test.zip");
  EXPECT_NE(Shell("unzip -tq '" + zip.string() + "' 2>&1").find("No errors detected"), std::string::npos);
  EXPECT_EQ(Shell("unzip -Z1 '" + zip.string() + "'"), "a.sh\nb/second.txt\nempty\n");  // sorted
  EXPECT_EQ(Shell("unzip -p '" + zip.string() + "' b/second.txt"), "two\n");
  const std::string listing = Shell("unzip -Z '" + zip.string() + "'");
  EXPECT_NE(listing.find("-rwxr-xr-x"), std::string::npos) << listing;
  EXPECT_NE(listing.find("-rw-r--r--"), std::string::npos) << listing;
  fs::remove(zip);
}

TEST(Zip, Crc32OfAKnownText) {
  const std::string text = "123456789";
  EXPECT_EQ(package::Crc32(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()), 0xCBF43926u);
}

TEST(GitIndex, OnlyRegularFilesWithTheirModes) {
  const std::string output = std::string("100644 aaaa 0\tb.txt") + '\0' + "100755 bbbb 0\ta/run.sh" + '\0' +
                             "120000 cccc 0\tlink" + '\0' + "160000 dddd 0\tsub" + '\0' + "100644 eeee 0\twith space" +
                             '\0';
  const auto files = package::ParseGitIndex(output);
  ASSERT_EQ(files.size(), 3u);
  EXPECT_EQ(files[0].path, "a/run.sh");
  EXPECT_EQ(files[0].mode, 0755u);
  EXPECT_EQ(files[1].path, "b.txt");
  EXPECT_EQ(files[2].path, "with space");
}

TEST(SourcePackage, SameBytesEachRunAndExactlyTheTrackedFiles) {
  const fs::path root = TARNWICK_SOURCE_DIR;
  const std::vector<std::uint8_t> first = package::BuildSourcePackage(root);
  const std::vector<std::uint8_t> second = package::BuildSourcePackage(root);
  EXPECT_EQ(first, second);
  const fs::path zip = WriteTemporary(first, "tarnwick-sources.zip");
  std::string tracked = Shell("git -C '" + root.string() + "' ls-files | LC_ALL=C sort");
  if (tracked.empty()) GTEST_SKIP() << "not a git work tree";
  EXPECT_EQ(Shell("unzip -Z1 '" + zip.string() + "'"), tracked);
  EXPECT_NE(Shell("unzip -tq '" + zip.string() + "' 2>&1").find("No errors detected"), std::string::npos);
  fs::remove(zip);
}

TEST(SourcePackage, WithoutGitTheSameSetIsFoundOnDisk) {
  const fs::path tree = fs::temp_directory_path() / "tarnwick-unpacked";
  fs::remove_all(tree);
  fs::create_directories(tree / "src");
  fs::create_directories(tree / "build" / "x");
  std::ofstream(tree / "src" / "a.cpp") << "int a;\n";
  std::ofstream(tree / "README.md") << "# r\n";
  std::ofstream(tree / "build" / "x" / "junk.o") << "junk";
  fs::permissions(tree / "README.md", fs::perms::owner_exec, fs::perm_options::add);
  const auto files = package::ListSourceFiles(tree);
  ASSERT_EQ(files.size(), 2u);
  EXPECT_EQ(files[0].path, "README.md");
  EXPECT_EQ(files[0].mode, 0755u);
  EXPECT_EQ(files[1].path, "src/a.cpp");
  EXPECT_EQ(files[1].mode, 0644u);
  fs::remove_all(tree);
}

}  // namespace
