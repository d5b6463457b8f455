// Scope guards the folder tree needs around work that runs application
// code: an update count kept balanced, the screen cursor put back and a
// flag set for a scope.
#pragma once

#include <utility>

#include "platform/Controls.h"
#include "platform/Forms.h"

namespace vyr::folders {

template <class T>
class TUpdateGuard {
 public:
  explicit TUpdateGuard(T& Target) : FTarget(Target) { FTarget.BeginUpdate(); }
  ~TUpdateGuard() { FTarget.EndUpdate(); }
  TUpdateGuard(const TUpdateGuard&) = delete;
  TUpdateGuard& operator=(const TUpdateGuard&) = delete;

 private:
  T& FTarget;
};

class TScreenCursorGuard {
 public:
  explicit TScreenCursorGuard(vcl::TCursor Cursor) : FSaved(vcl::Screen->Cursor()) {
    vcl::Screen->SetCursor(Cursor);
  }
  ~TScreenCursorGuard() { vcl::Screen->SetCursor(FSaved); }
  TScreenCursorGuard(const TScreenCursorGuard&) = delete;
  TScreenCursorGuard& operator=(const TScreenCursorGuard&) = delete;

 private:
  vcl::TCursor FSaved;
};

template <class T>
class TValueGuard {
 public:
  TValueGuard(T& Variable, T Value) : FVariable(Variable), FSaved(Variable) {
    FVariable = std::move(Value);
  }
  ~TValueGuard() { FVariable = std::move(FSaved); }
  TValueGuard(const TValueGuard&) = delete;
  TValueGuard& operator=(const TValueGuard&) = delete;

 private:
  T& FVariable;
  T FSaved;
};

}  // namespace vyr::folders
