// Handlers by name: the table an application fills before reading, and the
// names each component's events got from a form file, kept for writing.
#include <algorithm>
#include <unordered_map>

#include "platform/Streaming.h"
#include "platform/streaming/FormLexer.h"

namespace vcl {

// ---------------------------------------------------------------- TFormHandlers

void TFormHandlers::Put(const String& Name, std::type_index Type, std::any Handler) {
  if (!IsValidIdent(Name)) throw EReadError(u"Handler name " + Name + u" is not an identifier");
  for (TEntry& e : FEntries) {
    if (streaming::SameIdent(e.Name, Name)) {
      e = TEntry{Name, Type, std::move(Handler)};
      return;
    }
  }
  FEntries.push_back(TEntry{Name, Type, std::move(Handler)});
}

const TFormHandlers::TEntry* TFormHandlers::FindEntry(const String& Name) const {
  for (const TEntry& e : FEntries) {
    if (streaming::SameIdent(e.Name, Name)) return &e;
  }
  return nullptr;
}

void TFormHandlers::WrongType(const String& Name, const String& Event) {
  throw EReadError(u"handler " + Name + u" does not have the parameters of event " + Event);
}

// ---------------------------------------------------------------- names kept for writing

namespace {

// Forgets a component's names when it is freed (it asks for a free
// notification of every component it keeps names of). Lives as long as
// the process, as the components it watches may.
class THandlerNames : public TComponent {
 public:
  THandlerNames() : TComponent(nullptr) {}

  static THandlerNames& Instance() {
    static auto* names = new THandlerNames();
    return *names;
  }

  String Get(TComponent& C, const String& Event) const {
    auto it = FNames.find(&C);
    if (it == FNames.end()) return String();
    for (const auto& [event, handler] : it->second) {
      if (streaming::SameIdent(event, Event)) return handler;
    }
    return String();
  }

  void Set(TComponent& C, const String& Event, const String& Handler) {
    auto& list = FNames[&C];
    if (list.empty()) C.FreeNotification(this);
    std::erase_if(list, [&](const auto& e) { return streaming::SameIdent(e.first, Event); });
    if (!Handler.empty()) list.emplace_back(Event, Handler);
    if (list.empty()) Forget(&C);
  }

  void Notification(TComponent* AComponent, TOperation Operation) override {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove) FNames.erase(AComponent);
  }

 private:
  void Forget(TComponent* C) {
    FNames.erase(C);
    C->RemoveFreeNotification(this);
  }

  std::unordered_map<TComponent*, std::vector<std::pair<String, String>>> FNames;
};

}  // namespace

String HandlerName(TComponent& Component, const String& Event) {
  return THandlerNames::Instance().Get(Component, Event);
}

void SetHandlerName(TComponent& Component, const String& Event, const String& Handler) {
  if (!Handler.empty() && !IsValidIdent(Handler)) {
    throw EReadError(u"Handler name " + Handler + u" is not an identifier");
  }
  THandlerNames::Instance().Set(Component, Event, Handler);
}

}  // namespace vcl
