// How long the file list takes to fill from a folder of many files, against the bare search
// loop with the same shell lookups (type name and icon, date text). Not a test: it prints.
//   file_list_benchmark.exe [count]   (5000 by default)
#include <windows.h>
#include <shellapi.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "explorer/FileListView.h"
#include "explorer/ShellHelpers.h"
#include "explorer/benchmark/timing.h"
#include "framework/Forms.h"

namespace {

// What the list asks of each entry, without a list.
int BareSearch(const std::string& folder) {
  int found = 0;
  WIN32_FIND_DATAA data;
  HANDLE search = FindFirstFileA((folder + "\\*.*").c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) return 0;
  const explorer::TLocaleSeparators separators = explorer::LocaleSeparators();
  do {
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    SHFILEINFOA info{};
    SHGetFileInfoA((folder + "\\" + data.cFileName).c_str(), 0, &info, sizeof info,
                   SHGFI_SYSICONINDEX | SHGFI_TYPENAME | SHGFI_DISPLAYNAME);
    explorer::FileTimeToText(data.ftLastWriteTime, "M/d/yyyy", "h:mm AMPM", separators);
    ++found;
  } while (FindNextFileA(search, &data));
  FindClose(search);
  return found;
}

}  // namespace

int main(int argc, char** argv) {
  const int count = argc > 1 ? std::atoi(argv[1]) : 5000;
  const std::string folder = BenchmarkFolder("list-benchmark");
  auto name = [&](int i) { return folder + "\\file " + std::to_string(i) + (i % 2 ? ".txt" : ".dat"); };
  for (int i = 0; i < count; ++i) CloseHandle(CreateFileA(name(i).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));

  auto* form = New<TForm>(nullptr);
  form->SetBounds(0, 0, 800, 600);
  auto* list = new TFileListView(form);
  list->SetParent(form);
  list->SetBounds(0, 0, 780, 560);
  list->SetShowFolders(false);
  list->SetParentDirEnabled(false);
  list->HandleNeeded();
  // Once to warm the shell's type and icon caches and the file system's.
  BareSearch(folder);
  int bare = 0;
  const double bareSeconds = Seconds([&] { bare = BareSearch(folder); });
  const double listSeconds = Seconds([&] { list->SetDirectory(folder); });
  const int shown = list->Items()->Count();
  std::printf("%d files: bare search %.3f s, file list fill %.3f s (%d rows), ratio %.2f\n", bare, bareSeconds,
              listSeconds, shown, listSeconds / bareSeconds);
  form->Free();
  for (int i = 0; i < count; ++i) DeleteFileA(name(i).c_str());
  RemoveDirectoryA(folder.c_str());
  return shown == bare ? 0 : 1;
}
