// Build-time tool: packs the project's sources into a ZIP and writes it as a
// toolkit byte set, ready to be embedded in Tarnwick.exe.
//   tarnwick_pack ROOT OUTPUT
#include <cstdio>
#include <fstream>

#include "export/source_files.h"
#include "toolkit/byte_set.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: tarnwick_pack ROOT OUTPUT\n");
    return 2;
  }
  const std::vector<std::uint8_t> zip = package::BuildSourcePackage(argv[1]);
  const std::vector<std::uint8_t> block = toolkit::MakeByteSet(zip);
  std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(block.data()), static_cast<std::streamsize>(block.size()));
  out.close();
  if (!out) {
    std::fprintf(stderr, "tarnwick_pack: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
