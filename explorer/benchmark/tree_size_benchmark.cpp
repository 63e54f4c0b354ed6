// How long the folder tree takes to measure a tree of folders (loading every node on the way),
// against a bare recursive sum of the same files. Not a test: it prints.
//   tree_size_benchmark.exe [folders per level]   (10 10 29: 3,010 folders by default)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "explorer/DirTree.h"
#include "explorer/FolderNodes.h"
#include "explorer/benchmark/timing.h"
#include "framework/Forms.h"

namespace {

// Every folder gets one file of as many bytes as its number.
void MakeTree(const std::string& folder, const std::vector<int>& widths, size_t level, int& made) {
  if (level == widths.size()) return;
  for (int i = 0; i < widths[level]; ++i) {
    const std::string path = folder + "\\folder " + std::to_string(i);
    CreateDirectoryA(path.c_str(), nullptr);
    HANDLE file = CreateFileA((path + "\\file.bin").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    SetFilePointer(file, ++made, nullptr, FILE_BEGIN);
    SetEndOfFile(file);
    CloseHandle(file);
    MakeTree(path, widths, level + 1, made);
  }
}

void RemoveTree(const std::string& folder) {
  WIN32_FIND_DATAA data;
  HANDLE search = FindFirstFileA((folder + "\\*.*").c_str(), &data);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = data.cFileName, path = folder + "\\" + name;
      if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) DeleteFileA(path.c_str());
      else if (name != "." && name != "..") RemoveTree(path);
    } while (FindNextFileA(search, &data));
    FindClose(search);
  }
  RemoveDirectoryA(folder.c_str());
}

// The sizes of the files in folder and below, with nothing else asked.
std::int64_t BareSum(const std::string& folder) {
  std::int64_t total = 0;
  WIN32_FIND_DATAA data;
  HANDLE search = FindFirstFileA((folder + "\\*.*").c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) return 0;
  do {
    const std::string name = data.cFileName;
    if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
      total += (static_cast<std::int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    else if (name != "." && name != "..")
      total += BareSum(folder + "\\" + name);
  } while (FindNextFileA(search, &data));
  FindClose(search);
  return total;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<int> widths{10, 10, 29};
  if (argc > 1) widths.assign(argc - 1, 0);
  for (int i = 1; i < argc; ++i) widths[i - 1] = std::atoi(argv[i]);
  const std::string folder = BenchmarkFolder("tree-size-benchmark");
  RemoveTree(folder);
  CreateDirectoryA(folder.c_str(), nullptr);
  int folders = 0;
  MakeTree(folder, widths, 0, folders);

  auto* form = New<TForm>(nullptr);
  form->SetBounds(0, 0, 300, 400);
  auto* tree = new TDirTree(form);
  tree->SetParent(form);
  tree->SetAlign(alClient);
  form->Show();
  // Once to warm the file system's caches; then the best of three runs of each, the tree
  // forgetting what it loaded before each of its runs.
  BareSum(folder);
  std::int64_t bare = 0, measured = 0;
  double bareSeconds = 1e9, treeSeconds = 1e9;
  for (int run = 0; run < 3; ++run) {
    bareSeconds = std::min(bareSeconds, Seconds([&] { bare = BareSum(folder); }));
    tree->Rebuild();
    tree->OpenPath(folder);
    // The work of Tree Size without its message.
    treeSeconds = std::min(treeSeconds, Seconds([&] {
      tree->Items()->BeginUpdate();
      measured = explorer::LoadTreeFilesSize(tree->Items(), folder, tree->Selected());
      tree->OpenPath(folder);
      tree->Items()->EndUpdate();
    }));
  }
  std::printf("%d folders, %lld bytes: bare sum %.3f s, tree size %.3f s (%lld bytes), ratio %.2f\n", folders,
              static_cast<long long>(bare), bareSeconds, treeSeconds, static_cast<long long>(measured),
              treeSeconds / bareSeconds);
  form->Free();
  RemoveTree(folder);
  return measured == bare ? 0 : 1;
}
