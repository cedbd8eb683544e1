#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

#include "ScratchDir.h"
#include "util/AbsolutePaths.h"
#include "util/Filename.h"
#include "util/NumberList.h"
#include "util/Path.h"
#include "util/StringStore.h"

TEST(Interning, IdentifiersAreOnePointerPerSpelling) {
  U_Identifier a("alpha"), b(std::string_view("alpha")), c("Alpha");
  EXPECT_EQ(a, b);
  EXPECT_EQ(a.pointer(), b.pointer());
  EXPECT_NE(a, c);
  EXPECT_STREQ(a.c_str(), "alpha");
  EXPECT_EQ(a.view(), "alpha");
  U_Identifier none;
  EXPECT_FALSE(none.isSet());
  EXPECT_STREQ(none.c_str(), "");
  EXPECT_TRUE(none < a);
}

TEST(Interning, EmbeddedZeroAndLongTextsKeepTheirLength) {
  std::string withZero("a\0b", 3);
  U_Identifier z(withZero);
  EXPECT_EQ(z.size(), 3u);
  EXPECT_EQ(z.view(), std::string_view(withZero));
  std::string big(3 * 1024 * 1024, 'x');
  U_Identifier large(big);
  EXPECT_EQ(large.view(), big);
  EXPECT_EQ(U_Identifier(big), large);
}

TEST(Interning, ManyTextsSurviveTableGrowth) {
  std::vector<U_Identifier> ids;
  for (int i = 0; i < 50000; ++i) ids.emplace_back("name_" + std::to_string(i));
  for (int i = 0; i < 50000; ++i) {
    U_Identifier again("name_" + std::to_string(i));
    ASSERT_EQ(again, ids[i]);
    ASSERT_EQ(again.view(), "name_" + std::to_string(i));
  }
}

TEST(Interning, FileNamesFoldLetterCaseAndKeepTheFirstSpelling) {
  U_Filename first("Dir/File.H");
  U_Filename second("dir/file.h");
  EXPECT_EQ(first, second);
  EXPECT_EQ(second.view(), "Dir/File.H");
  EXPECT_NE(U_Filename("a/b"), U_Filename("a\\b"));
  // Length first: 'abc' < 'ABCD' although 'abc' and 'ABC' are one name.
  EXPECT_TRUE(U_Filename::lessText(U_Filename("abc"), U_Filename("ABCD")));
  EXPECT_FALSE(FilenameStringCompare::less("abc", "ABC"));
  EXPECT_FALSE(FilenameStringCompare::less("ABC", "abc"));
  EXPECT_TRUE(FilenameStringCompare::less("abd", "ABE"));
  // Folding must not touch bytes outside A-Z.
  EXPECT_NE(U_Filename("x@[`{"), U_Filename("x`{@["));
  EXPECT_NE(U_Filename("\xC3\x84"), U_Filename("\xE3\xA4"));
}

TEST(Interning, IdentityOrderIsInterningOrder) {
  U_Identifier late("zz-interning-order-1");
  U_Identifier later("aa-interning-order-2");
  EXPECT_TRUE(late < later);
  EXPECT_TRUE(U_Identifier::lessText(later, late));
}

TEST(PathOps, DirectoryPart) {
  EXPECT_EQ(U_Path::directory("C:"), "C:/");
  EXPECT_EQ(U_Path::directory("C:/x"), "C:/");
  EXPECT_EQ(U_Path::directory("/x"), "/");
  EXPECT_EQ(U_Path::directory("/"), "/");
  EXPECT_EQ(U_Path::directory("x"), ".");
  EXPECT_EQ(U_Path::directory(""), ".");
  EXPECT_EQ(U_Path::directory("a/b/"), "a");
  EXPECT_EQ(U_Path::directory("a/b/c.h"), "a/b");
}

TEST(PathOps, BaseNameAndExtensions) {
  EXPECT_EQ(U_Path::baseName("a/b/"), "b");
  EXPECT_EQ(U_Path::baseName("/"), "");
  EXPECT_EQ(U_Path::baseName("f.c"), "f.c");
  EXPECT_EQ(U_Path::stripExtension("a.b/c"), "a.b/c");
  EXPECT_EQ(U_Path::stripExtension("a/b.c.d"), "a/b.c");
  EXPECT_EQ(U_Path::baseNameWithoutExtension("src/a.c"), "a");
  EXPECT_EQ(U_Path::addExtension("a.c", "met"), "a.c.met");
  EXPECT_EQ(U_Path::addExtension("a.c", ".met"), "a.c.met");
  EXPECT_EQ(U_Path::addExtension("a.", "met"), "a.met");
  EXPECT_EQ(U_Path::addExtension("a", ""), "a");
}

TEST(PathOps, JoinAndCase) {
  EXPECT_EQ(U_Path::join(".", "f.c"), "f.c");
  EXPECT_EQ(U_Path::join("./", "f.c"), "f.c");
  EXPECT_EQ(U_Path::join("", "f.c"), "f.c");
  EXPECT_EQ(U_Path::join("d/", "f.c"), "d/f.c");
  EXPECT_EQ(U_Path::join("d", "f.c"), "d/f.c");
  EXPECT_EQ(U_Path::join("d", ""), "d");
  EXPECT_TRUE(U_Path::equalIgnoreCase("AbC", "aBc"));
  EXPECT_FALSE(U_Path::equalIgnoreCase("abc", "abcd"));
  EXPECT_TRUE(U_Path::isPrefixIgnoreCase("AB", "abc"));
  EXPECT_FALSE(U_Path::isPrefixIgnoreCase("abcd", "abc"));
  EXPECT_TRUE(U_Path::isRoot("C:/"));
  EXPECT_FALSE(U_Path::isRoot("C:"));
  EXPECT_EQ(U_Path::toSlashes("a\\b\\c"), "a/b/c");
  EXPECT_EQ(U_Path::toBackslashes("a/b"), "a\\b");
}

TEST(PathOps, AbsoluteAndLongPathUseTheFileSystem) {
  const U_String cwd = U_Path::currentDirectory();
  EXPECT_EQ(U_Path::absolute("no-such-dir/../file.c"), cwd + "/file.c");
  EXPECT_EQ(U_Path::longPathName("/no/such/file"), "/no/such/file");
  EXPECT_EQ(U_Path::absolute("/"), "/");
  EXPECT_TRUE(U_Path::isDirectory("/"));
  EXPECT_FALSE(U_Path::isRegularFile("/"));
  EXPECT_EQ(U_Path::searchPath("/no-such;/etc", "hostname").empty(), !U_Path::isRegularFile("/etc/hostname"));
  XF_Filename f("x/../y.c");
  EXPECT_EQ(f.given().view(), "x/../y.c");
  EXPECT_EQ(f.absolute().view(), cwd + "/y.c");
}

// The cached directory part must give what asking the file system about
// the whole path gives, links and missing files included.
TEST(PathOps, AbsolutePathsAgreeWithTheFileSystemForFilesLinksAndMissingNames) {
  namespace fs = std::filesystem;
  const zumtest::ScratchDir scratch("zum-abs");
  const fs::path& root = scratch.dir();
  fs::create_directories(root / "real" / "sub");
  std::ofstream(root / "real" / "a.c") << "";
  std::ofstream(root / "real" / "sub" / "b.h") << "";
  fs::create_directory_symlink(root / "real", root / "linkdir");
  fs::create_symlink(root / "real" / "a.c", root / "real" / "alias.c");
  fs::create_symlink(root / "nowhere", root / "real" / "dangling.c");
  const std::string r = root.string();
  U_Path::AbsolutePaths paths;
  for (const std::string& path :
       {r + "/real/a.c", r + "/real/sub/b.h", r + "/linkdir/a.c", r + "/linkdir/sub/b.h", r + "/real/alias.c",
        r + "/real/dangling.c", r + "/real/missing.c", r + "/nodir/x.c", r + "/real/sub", r + "/real/a.c/x",
        r + "/linkdir/../real/a.c", r + "/real/./a.c", r + "//real/a.c", r + "\\real\\a.c", std::string("/"),
        std::string("no-such-dir/../file.c"), std::string("relative.c"), std::string("")}) {
    // Twice: the second answer comes from the cache.
    EXPECT_EQ(paths.absolute(path), U_Path::absolute(path)) << path;
    EXPECT_EQ(paths.absolute(path), U_Path::absolute(path)) << path;
  }
}

TEST(NumberList, RangesSeparatorsAndCuts) {
  std::ostringstream warnings;
  auto ranges = U_parseNumberList("1,3-5;7", warnings);
  EXPECT_EQ(ranges, (std::vector<U_NumberRange>{{1, 1}, {3, 5}, {7, 7}}));
  EXPECT_EQ(U_parseNumberList("10-5", warnings), (std::vector<U_NumberRange>{{5, 10}}));
  EXPECT_TRUE(warnings.str().empty());
  EXPECT_EQ(U_parseNumberList("1-30000", warnings), (std::vector<U_NumberRange>{{1, 20000}}));
  EXPECT_EQ(warnings.str(),
            "\n\nWARNING: configured number range 1-30000 is too large.\n"
            "WARNING: Will truncate range to 1-20000.\n\n\n");
  // A leading separator reads an empty digit run, which is 0.
  EXPECT_EQ(U_parseNumberList(",5", warnings), (std::vector<U_NumberRange>{{0, 0}, {5, 5}}));
  EXPECT_EQ(U_parseNumberList("99999999999", warnings), (std::vector<U_NumberRange>{{2147483647, 2147483647}}));
}
