// Exceptions and the small string and file helpers that controls and programs need.
// Strings are ANSI std::string throughout; file functions call the *A platform functions.
#pragma once
#include <windows.h>  // first: DeleteFile below is its macro name, the same in every unit
#include <exception>
#include <string>

// Base of the framework's exceptions: what() is Message().
class Exception : public std::exception {
public:
  explicit Exception(std::string message) : FMessage(std::move(message)) {}
  const std::string& Message() const { return FMessage; }
  void SetMessage(const std::string& m) { FMessage = m; }
  const char* what() const noexcept override { return FMessage.c_str(); }
private:
  std::string FMessage;
};

class EAbort : public Exception { public: using Exception::Exception; };
class EConvertError : public Exception { public: using Exception::Exception; };
class EInvalidOperation : public Exception { public: using Exception::Exception; };
class EInvalidPointer : public Exception { public: using Exception::Exception; };
class EOutOfResources : public Exception { public: using Exception::Exception; };
class EListError : public Exception { public: using Exception::Exception; };
class EStringListError : public EListError { public: using EListError::EListError; };
class EComponentError : public Exception { public: using Exception::Exception; };
class EInOutError : public Exception { public: using Exception::Exception; };
class EOSError : public Exception {
public:
  EOSError(std::string message, unsigned long code) : Exception(std::move(message)), ErrorCode(code) {}
  unsigned long ErrorCode;
};

// Throws EAbort ("silent" exception: the default handler shows nothing).
[[noreturn]] void Abort();
// Throws EOSError with the system's text for GetLastError().
[[noreturn]] void RaiseLastOSError();
std::string SysErrorMessage(unsigned long code);

// Numbers.
std::string IntToStr(long long value);
std::string IntToHex(unsigned long long value, int digits);
int StrToInt(const std::string& s);                 // EConvertError on malformed text
int StrToIntDef(const std::string& s, int def);     // decimal, or "$"/"0x" hexadecimal
bool TryStrToInt(const std::string& s, int& value);
std::string FloatToStr(double value);
double StrToFloatDef(const std::string& s, double def);

// Text.
std::string UpperCase(const std::string& s);        // ASCII only, like the classic ones
std::string LowerCase(const std::string& s);
std::string AnsiUpperCase(const std::string& s);    // CharUpperBuffA
std::string AnsiLowerCase(const std::string& s);
int CompareText(const std::string& a, const std::string& b);   // case-insensitive, ASCII
bool SameText(const std::string& a, const std::string& b);
int AnsiCompareText(const std::string& a, const std::string& b);  // CompareStringA, ignore case
std::string Trim(const std::string& s);             // drops characters <= ' ' at both ends
std::string TrimLeft(const std::string& s);
std::string TrimRight(const std::string& s);
std::string StringReplace(const std::string& s, const std::string& from, const std::string& to,
                          bool all = true, bool ignoreCase = false);
// 1-based position of sub in s, 0 when absent (the classic Pos).
int Pos(const std::string& sub, const std::string& s);

// Files and folders.
bool FileExists(const std::string& name);
bool DirectoryExists(const std::string& name);
bool ForceDirectories(const std::string& dir);
bool DeleteFile(const std::string& name);
bool RenameFile(const std::string& oldName, const std::string& newName);
std::string ExtractFilePath(const std::string& name);   // up to and with the last '\\', '/' or ':'
std::string ExtractFileDir(const std::string& name);    // without the trailing delimiter
std::string ExtractFileName(const std::string& name);
std::string ExtractFileExt(const std::string& name);    // with the '.', empty when none
std::string ExtractFileDrive(const std::string& name);  // "C:" or "\\\\server\\share"
std::string ChangeFileExt(const std::string& name, const std::string& ext);
std::string ExpandFileName(const std::string& name);
// Whether two names lead to one file or folder, as the file system decides: when both exist, by
// their volume and file index (so relative names, "." and "..", letter case, short and long
// names and links all count); otherwise by their full names, ignoring case.
bool SameFile(const std::string& a, const std::string& b);
std::string IncludeTrailingBackslash(const std::string& s);
std::string ExcludeTrailingBackslash(const std::string& s);
inline std::string IncludeTrailingPathDelimiter(const std::string& s) { return IncludeTrailingBackslash(s); }
inline std::string ExcludeTrailingPathDelimiter(const std::string& s) { return ExcludeTrailingBackslash(s); }
long long FileSizeOf(const std::string& name);           // -1 when missing
std::string GetCurrentDir();
