// Asking another process's windows: messages with a time limit, and memory in that process
// for the messages whose data the system does not carry across processes.
#pragma once
#include <windows.h>

#include <string>

namespace driver {

constexpr UINT kReplyTimeoutMs = 5000;

// The reply, or -1 when none came in time. Wide: the message goes as UTF-16.
inline LRESULT Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam, bool wide = false) {
  DWORD_PTR result = 0;
  const auto send = wide ? SendMessageTimeoutW : SendMessageTimeoutA;
  if (!send(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kReplyTimeoutMs, &result))
    return -1;
  return static_cast<LRESULT>(result);
}

// A block of memory in the process of the window.
class RemoteBlock {
 public:
  RemoteBlock(HWND window, size_t size) : FSize(size) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    FProcess = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                           processId);
    if (FProcess)
      FAddress = VirtualAllocEx(FProcess, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
  }
  ~RemoteBlock() {
    if (FAddress) VirtualFreeEx(FProcess, FAddress, 0, MEM_RELEASE);
    if (FProcess) CloseHandle(FProcess);
  }
  RemoteBlock(const RemoteBlock&) = delete;
  RemoteBlock& operator=(const RemoteBlock&) = delete;

  bool Ready() const { return FAddress != nullptr; }
  char* Address(size_t offset = 0) const { return static_cast<char*>(FAddress) + offset; }
  bool Write(const void* data, size_t size) const {
    return WriteProcessMemory(FProcess, FAddress, data, size, nullptr) != 0;
  }
  bool Read(void* data, size_t size) const {
    return ReadProcessMemory(FProcess, FAddress, data, size, nullptr) != 0;
  }
  std::string ReadText(size_t offset) const {
    std::string text(FSize - offset, '\0');
    if (!ReadProcessMemory(FProcess, Address(offset), &text[0], text.size(), nullptr)) return "";
    return text.substr(0, text.find('\0'));
  }

 private:
  size_t FSize;
  HANDLE FProcess = nullptr;
  void* FAddress = nullptr;
};

}  // namespace driver
