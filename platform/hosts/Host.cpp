#include "platform/hosts/Host.h"

#include <vector>

#include "platform/hosts/headless/HeadlessHost.h"

namespace vcl {

namespace {

// Hosts are never destroyed: windows and timers made under a replaced host
// may still refer to it until the process ends.
std::vector<std::unique_ptr<THost>>& AllHosts() {
  static auto* hosts = new std::vector<std::unique_ptr<THost>>();
  return *hosts;
}

THost* g_Current = nullptr;

}  // namespace

THost& Host() {
  if (g_Current == nullptr) SetHost(std::make_unique<headless::THeadlessHost>());
  return *g_Current;
}

void SetHost(std::unique_ptr<THost> NewHost) {
  if (!NewHost) return;
  g_Current = NewHost.get();
  AllHosts().push_back(std::move(NewHost));
}

}  // namespace vcl
