// Which files make up the project's source package, and the package itself.
// Plain C++: it runs at build time on the build machine.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace package {

struct SourceFile {
  std::string path;     // relative to the project's root, '/'-separated
  std::uint32_t mode;   // 0644 or 0755
};

// The regular files in the output of `git ls-files -s -z`.
std::vector<SourceFile> ParseGitIndex(std::string_view output);

// The files git tracks when root is a git work tree; otherwise (an unpacked
// package) every regular file under root except the build/ and .git/
// folders, which is the same set. Sorted by path.
std::vector<SourceFile> ListSourceFiles(const std::filesystem::path& root);

// The ZIP archive of those files as they are on disk; files listed but
// missing are left out.
std::vector<std::uint8_t> BuildSourcePackage(const std::filesystem::path& root);

}  // namespace package
