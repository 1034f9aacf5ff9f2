#include "export/source_files.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "export/zip_writer.h"

#ifdef _WIN32
#define TARNWICK_POPEN _popen
#define TARNWICK_PCLOSE _pclose
#else
#define TARNWICK_POPEN popen
#define TARNWICK_PCLOSE pclose
#endif

namespace package {
namespace fs = std::filesystem;

std::vector<SourceFile> ParseGitIndex(std::string_view output) {
  std::vector<SourceFile> files;
  while (!output.empty()) {
    const std::size_t end = output.find('\0');
    const std::string_view record = output.substr(0, end);
    output = end == std::string_view::npos ? std::string_view() : output.substr(end + 1);
    const std::size_t tab = record.find('\t');
    if (tab == std::string_view::npos || record.size() < 6) continue;
    const std::string_view mode = record.substr(0, 6);
    if (mode != "100644" && mode != "100755") continue;  // links and submodules are no files
    files.push_back({std::string(record.substr(tab + 1)), mode == "100755" ? 0755u : 0644u});
  }
  std::sort(files.begin(), files.end(), [](const SourceFile& a, const SourceFile& b) { return a.path < b.path; });
  return files;
}

namespace {

bool GitIndex(const fs::path& root, std::string* output) {
  if (!fs::exists(root / ".git")) return false;
  const std::string command = "git -C \"" + root.string() + "\" ls-files -s -z";
  FILE* pipe = TARNWICK_POPEN(command.c_str(), "r");
  if (pipe == nullptr) return false;
  char buffer[4096];
  std::size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) output->append(buffer, n);
  return TARNWICK_PCLOSE(pipe) == 0;
}

std::vector<SourceFile> WalkTree(const fs::path& root) {
  std::vector<SourceFile> files;
  for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it) {
    const std::string relative = fs::relative(it->path(), root).generic_string();
    if (it->is_directory() && (relative == "build" || relative == ".git")) {
      it.disable_recursion_pending();
      continue;
    }
    if (!it->is_regular_file() || it->is_symlink()) continue;
    const auto permissions = it->status().permissions();
    const bool executable = (permissions & fs::perms::owner_exec) != fs::perms::none;
    files.push_back({relative, executable ? 0755u : 0644u});
  }
  std::sort(files.begin(), files.end(), [](const SourceFile& a, const SourceFile& b) { return a.path < b.path; });
  return files;
}

}  // namespace

std::vector<SourceFile> ListSourceFiles(const fs::path& root) {
  std::string index;
  if (GitIndex(root, &index)) return ParseGitIndex(index);
  return WalkTree(root);
}

std::vector<std::uint8_t> BuildSourcePackage(const fs::path& root) {
  std::vector<ZipEntry> entries;
  for (const SourceFile& file : ListSourceFiles(root)) {
    std::ifstream in(root / fs::path(file.path), std::ios::binary);
    if (!in) continue;
    entries.push_back({file.path, file.mode,
                       std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>())});
  }
  return WriteZip(std::move(entries));
}

}  // namespace package
