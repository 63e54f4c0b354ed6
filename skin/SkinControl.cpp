#include "skin/SkinControl.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace {

struct ControlSkinnerEntry {
  std::function<bool(TControl*)> IsA;
  TControlSkinnerFactory Create;
};

struct WndSkinnerEntry {
  std::string ClassKey;  // upper case, at most 67 characters
  TWndSkinnerFactory Create;
};

constexpr std::size_t kClassKeyLength = 67;

std::vector<ControlSkinnerEntry>& ControlSkinners() {
  static std::vector<ControlSkinnerEntry> entries;
  return entries;
}

std::vector<WndSkinnerEntry>& WndSkinners() {
  static std::vector<WndSkinnerEntry> entries;
  return entries;
}

std::string ClassKey(std::string name) {
  name.resize(std::min(name.size(), kClassKeyLength));
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return char(std::toupper(c)); });
  return name;
}

}  // namespace

void RegisterControlSkinner(std::function<bool(TControl*)> isA, TControlSkinnerFactory create) {
  ControlSkinners().push_back({std::move(isA), std::move(create)});
}

void RegisterWndSkinner(const std::string& className, TWndSkinnerFactory create) {
  WndSkinners().push_back({ClassKey(className), std::move(create)});
}

std::unique_ptr<TkivSkinControl> FindControlSkinner(TControl* control, TkivSkinEngine* engine) {
  const auto& entries = ControlSkinners();
  for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry)
    if (entry->IsA(control))
      return entry->Create(control, engine);
  return nullptr;
}

std::unique_ptr<TkivSkinControl> FindWndSkinner(HWND window, TkivSkinEngine* engine) {
  char name[kClassKeyLength + 1] = "";
  GetClassNameA(window, name, sizeof name);
  const std::string key = ClassKey(name);
  const auto& entries = WndSkinners();
  for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry)
    if (entry->ClassKey == key)
      return entry->Create(window, engine);
  return nullptr;
}
