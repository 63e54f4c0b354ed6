// How long the drop-down tree takes to open a folder of many sub-folders, against enumerating
// them bare with the same probe (sub-folder check; plain folders share the icons the shell gave
// the first one). Not a test: it prints.
//   folder_tree_benchmark.exe [count]   (2000 by default)
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "explorer/DirTreeCombo.h"
#include "explorer/benchmark/timing.h"
#include "framework/Forms.h"

namespace {

// What the tree asks of each entry, without a tree.
int BareEnumeration(const std::string& folder) {
  int found = 0;
  WIN32_FIND_DATAA data;
  HANDLE search = FindFirstFileA((folder + "\\*.*").c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) return 0;
  do {
    const std::string name = data.cFileName;
    if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || name == "." || name == "..") continue;
    const std::string path = folder + "\\" + name;
    WIN32_FIND_DATAA inner;
    HANDLE sub = FindFirstFileA((path + "\\*.*").c_str(), &inner);
    if (sub != INVALID_HANDLE_VALUE) {
      while ((!(inner.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || inner.cFileName[0] == '.') &&
             FindNextFileA(sub, &inner)) {
      }
      FindClose(sub);
    }
    ++found;
  } while (FindNextFileA(search, &data));
  FindClose(search);
  return found;
}

}  // namespace

int main(int argc, char** argv) {
  const int count = argc > 1 ? std::atoi(argv[1]) : 2000;
  const std::string folder = BenchmarkFolder("tree-benchmark");
  for (int i = 0; i < count; ++i) CreateDirectoryA((folder + "\\folder " + std::to_string(i)).c_str(), nullptr);

  auto* form = New<TForm>(nullptr);
  auto* combo = new TDirTreeCombo(form);
  combo->SetParent(form);
  combo->HandleNeeded();
  // Once to warm the shell's icon cache and the file system's, as the bare run then finds them.
  BareEnumeration(folder);
  int bare = 0;
  const double bareSeconds = Seconds([&] { bare = BareEnumeration(folder); });
  const double treeSeconds = Seconds([&] { combo->OpenPath(folder); });
  const int shown = combo->Tree()->Selected() ? combo->Tree()->Selected()->Count() : 0;
  std::printf("%d folders: bare enumeration %.3f s, drop-down tree %.3f s (%d nodes), ratio %.2f\n", bare,
              bareSeconds, treeSeconds, shown, treeSeconds / bareSeconds);
  form->Free();
  for (int i = 0; i < count; ++i) RemoveDirectoryA((folder + "\\folder " + std::to_string(i)).c_str());
  RemoveDirectoryA(folder.c_str());
  return shown == bare ? 0 : 1;
}
