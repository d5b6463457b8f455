#include "platform/Classes.h"

#include <cxxabi.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <typeinfo>

namespace vcl {

// ---------------------------------------------------------------- TObject

String TObject::ClassName() const {
  const char* mangled = typeid(*this).name();
  int status = 0;
  char* demangled = abi::__cxa_demangle(mangled, nullptr, nullptr, &status);
  std::string name = (status == 0 && demangled) ? demangled : mangled;
  std::free(demangled);
  // Drop namespaces and template arguments: "vyr::TMeter" -> "TMeter".
  if (auto lt = name.find('<'); lt != std::string::npos) name.resize(lt);
  if (auto colon = name.rfind("::"); colon != std::string::npos) name.erase(0, colon + 2);
  return FromUTF8(name);
}

// ---------------------------------------------------------------- TPersistent

void TPersistent::Assign(TPersistent* Source) {
  if (Source != nullptr) {
    Source->AssignTo(this);
  } else {
    AssignError(nullptr);
  }
}

void TPersistent::AssignTo(TPersistent* Dest) { Dest->AssignError(this); }

void TPersistent::AssignError(TPersistent* Source) {
  String source = Source ? Source->ClassName() : u"nil";
  throw EConvertError(u"Cannot assign a " + source + u" to a " + ClassName());
}

// ---------------------------------------------------------------- TComponent

bool IsValidIdent(const String& S) {
  if (S.empty()) return false;
  auto alpha = [](char16_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
  };
  if (!alpha(S[0])) return false;
  return std::all_of(S.begin() + 1, S.end(),
                     [&](char16_t c) { return alpha(c) || (c >= '0' && c <= '9'); });
}

TComponent::TComponent(TComponent* AOwner) {
  if (AOwner != nullptr) AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
  Destroying();
  // Tell everyone who asked to be told, then forget them.
  while (!FFreeNotifies.empty()) {
    TComponent* other = FFreeNotifies.back();
    FFreeNotifies.pop_back();
    auto& theirs = other->FFreeNotifies;
    theirs.erase(std::remove(theirs.begin(), theirs.end(), this), theirs.end());
    other->Notification(this, opRemove);
  }
  DestroyComponents();
  if (FOwner != nullptr) FOwner->RemoveComponent(this);
}

void TComponent::Destroying() {
  if (FComponentState.Contains(csDestroying)) return;
  FComponentState << csDestroying;
  for (TComponent* c : FComponents) c->Destroying();
}

void TComponent::SetComponentStateItem(TComponentStateItem Item, bool On) {
  if (On) {
    FComponentState << Item;
  } else {
    FComponentState >> Item;
  }
}

void TComponent::SetDesigning(bool Value) {
  SetComponentStateItem(csDesigning, Value);
  for (TComponent* c : FComponents) c->SetDesigning(Value);
}

void TComponent::SetLoading(bool Value) {
  SetComponentStateItem(csLoading, Value);
  SetComponentStateItem(csReading, Value);
}

void TComponent::SetName(const String& NewName) {
  if (NewName == FName) return;
  if (!NewName.empty() && !IsValidIdent(NewName)) {
    throw EComponentError(u"\"" + NewName + u"\" is not a valid component name");
  }
  if (!NewName.empty() && FOwner != nullptr) {
    TComponent* other = FOwner->FindComponent(NewName);
    if (other != nullptr && other != this) {
      throw EComponentError(u"A component named " + NewName + u" already exists");
    }
  }
  FName = NewName;
}

TComponent* TComponent::Components(int Index) const {
  if (Index < 0 || Index >= ComponentCount()) {
    throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
  }
  return FComponents[static_cast<std::size_t>(Index)];
}

int TComponent::ComponentIndex() const {
  if (FOwner == nullptr) return -1;
  const auto& list = FOwner->FComponents;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

TComponent* TComponent::FindComponent(const String& AName) const {
  if (AName.empty()) return nullptr;
  for (TComponent* c : FComponents) {
    if (SameText(c->FName, AName)) return c;
  }
  return nullptr;
}

void TComponent::Insert(TComponent* AComponent) {
  FComponents.push_back(AComponent);
  AComponent->FOwner = this;
}

void TComponent::Remove(TComponent* AComponent) {
  auto it = std::find(FComponents.begin(), FComponents.end(), AComponent);
  if (it != FComponents.end()) FComponents.erase(it);
  AComponent->FOwner = nullptr;
}

void TComponent::InsertComponent(TComponent* AComponent) {
  if (AComponent == nullptr || AComponent->FOwner == this) return;
  if (!AComponent->FName.empty() && FindComponent(AComponent->FName) != nullptr) {
    throw EComponentError(u"A component named " + AComponent->FName + u" already exists");
  }
  if (AComponent->FOwner != nullptr) AComponent->FOwner->RemoveComponent(AComponent);
  Insert(AComponent);
  if (FComponentState.Contains(csDesigning)) AComponent->SetDesigning(true);
  Notification(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent) {
  if (AComponent == nullptr || AComponent->FOwner != this) return;
  Notification(AComponent, opRemove);
  Remove(AComponent);
}

void TComponent::DestroyComponents() {
  while (!FComponents.empty()) {
    TComponent* last = FComponents.back();
    Remove(last);
    delete last;
  }
}

void TComponent::FreeNotification(TComponent* AComponent) {
  if (AComponent == nullptr || AComponent == this) return;
  auto add = [](std::vector<TComponent*>& list, TComponent* c) {
    if (std::find(list.begin(), list.end(), c) == list.end()) list.push_back(c);
  };
  add(FFreeNotifies, AComponent);
  add(AComponent->FFreeNotifies, this);
  FComponentState << csFreeNotification;
}

void TComponent::RemoveFreeNotification(TComponent* AComponent) {
  auto drop = [](std::vector<TComponent*>& list, TComponent* c) {
    list.erase(std::remove(list.begin(), list.end(), c), list.end());
  };
  if (AComponent == nullptr) return;
  drop(FFreeNotifies, AComponent);
  drop(AComponent->FFreeNotifies, this);
}

void TComponent::Loaded() { SetLoading(false); }

void TComponent::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation == opRemove && AComponent != nullptr) RemoveFreeNotification(AComponent);
  // Owned components hear of it too, the last first (one may remove itself).
  for (std::size_t i = FComponents.size(); i-- > 0;) {
    if (i < FComponents.size()) FComponents[i]->Notification(AComponent, Operation);
  }
}

// ---------------------------------------------------------------- TStream

void TStream::ReadBuffer(void* Buffer, std::int64_t Count) {
  if (Count != 0 && Read(Buffer, Count) != Count) throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* Buffer, std::int64_t Count) {
  if (Count != 0 && Write(Buffer, Count) != Count) throw EWriteError("Stream write error");
}

std::int64_t TStream::CopyFrom(TStream* Source, std::int64_t Count) {
  if (Count == 0) {
    Source->SetPosition(0);
    Count = Source->Size();
  }
  std::vector<std::uint8_t> buffer(
      static_cast<std::size_t>(std::min<std::int64_t>(Count, 1 << 16)));
  std::int64_t left = Count;
  while (left > 0) {
    std::int64_t n = std::min<std::int64_t>(left, static_cast<std::int64_t>(buffer.size()));
    Source->ReadBuffer(buffer.data(), n);
    WriteBuffer(buffer.data(), n);
    left -= n;
  }
  return Count;
}

std::int64_t TStream::Size() {
  std::int64_t pos = Seek(0, soCurrent);
  std::int64_t end = Seek(0, soEnd);
  Seek(pos, soBeginning);
  return end;
}

void TStream::SetSize(std::int64_t) {}

// ---------------------------------------------------------------- TMemoryStream

std::int64_t TMemoryStream::Read(void* Buffer, std::int64_t Count) {
  if (Count <= 0 || FPosition >= Size()) return 0;
  std::int64_t n = std::min(Count, Size() - FPosition);
  std::memcpy(Buffer, FData.data() + FPosition, static_cast<std::size_t>(n));
  FPosition += n;
  return n;
}

std::int64_t TMemoryStream::Write(const void* Buffer, std::int64_t Count) {
  if (Count <= 0 || FPosition < 0) return 0;
  std::int64_t end = FPosition + Count;
  if (end > Size()) FData.resize(static_cast<std::size_t>(end));
  std::memcpy(FData.data() + FPosition, Buffer, static_cast<std::size_t>(Count));
  FPosition = end;
  return Count;
}

std::int64_t TMemoryStream::Seek(std::int64_t Offset, TSeekOrigin Origin) {
  switch (Origin) {
    case soBeginning:
      FPosition = Offset;
      break;
    case soCurrent:
      FPosition += Offset;
      break;
    case soEnd:
      FPosition = Size() + Offset;
      break;
  }
  if (FPosition < 0) FPosition = 0;
  return FPosition;
}

void TMemoryStream::SetSize(std::int64_t NewSize) {
  FData.resize(static_cast<std::size_t>(std::max<std::int64_t>(NewSize, 0)));
  if (FPosition > NewSize) FPosition = std::max<std::int64_t>(NewSize, 0);
}

void TMemoryStream::Clear() {
  FData.clear();
  FData.shrink_to_fit();
  FPosition = 0;
}

void TMemoryStream::LoadFromStream(TStream* Stream) {
  Stream->SetPosition(0);
  std::int64_t n = Stream->Size();
  std::vector<std::uint8_t> data(static_cast<std::size_t>(n));
  Stream->ReadBuffer(data.data(), n);
  FData.swap(data);
  FPosition = 0;
}

void TMemoryStream::SaveToStream(TStream* Stream) { Stream->WriteBuffer(FData.data(), Size()); }

void TMemoryStream::LoadFromFile(const String& FileName) {
  TFileStream f(FileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(&f);
}

void TMemoryStream::SaveToFile(const String& FileName) {
  TFileStream f(FileName, fmCreate);
  SaveToStream(&f);
}

// ---------------------------------------------------------------- TFileStream

TFileStream::TFileStream(const String& AFileName, std::uint16_t Mode) : FFileName(AFileName) {
  std::string path = ToUTF8(AFileName);
  if ((Mode & 0xFF00) == fmCreate) {
    FHandle = ::open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (FHandle < 0) {
      throw EFCreateError(u"Cannot create file \"" + AFileName + u"\". " +
                          FromUTF8(std::strerror(errno)));
    }
    return;
  }
  int flags = (Mode & 3) == fmOpenWrite       ? O_WRONLY
              : (Mode & 3) == fmOpenReadWrite ? O_RDWR
                                              : O_RDONLY;
  FHandle = ::open(path.c_str(), flags | O_CLOEXEC);
  struct stat st {};
  if (FHandle >= 0 && ::fstat(FHandle, &st) == 0 && S_ISDIR(st.st_mode)) {
    ::close(FHandle);
    FHandle = -1;
    errno = EISDIR;
  }
  if (FHandle < 0) {
    throw EFOpenError(u"Cannot open file \"" + AFileName + u"\". " +
                      FromUTF8(std::strerror(errno)));
  }
}

TFileStream::~TFileStream() {
  if (FHandle >= 0) ::close(FHandle);
}

std::int64_t TFileStream::Read(void* Buffer, std::int64_t Count) {
  std::int64_t done = 0;
  auto* p = static_cast<std::uint8_t*>(Buffer);
  while (done < Count) {
    ssize_t n = ::read(FHandle, p + done, static_cast<std::size_t>(Count - done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += n;
  }
  return done;
}

std::int64_t TFileStream::Write(const void* Buffer, std::int64_t Count) {
  std::int64_t done = 0;
  const auto* p = static_cast<const std::uint8_t*>(Buffer);
  while (done < Count) {
    ssize_t n = ::write(FHandle, p + done, static_cast<std::size_t>(Count - done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += n;
  }
  return done;
}

std::int64_t TFileStream::Seek(std::int64_t Offset, TSeekOrigin Origin) {
  int whence = Origin == soBeginning ? SEEK_SET : Origin == soCurrent ? SEEK_CUR : SEEK_END;
  off_t r = ::lseek(FHandle, static_cast<off_t>(Offset), whence);
  return r < 0 ? -1 : static_cast<std::int64_t>(r);
}

void TFileStream::SetSize(std::int64_t NewSize) {
  if (::ftruncate(FHandle, static_cast<off_t>(NewSize)) != 0) {
    throw EWriteError(u"Cannot set the size of \"" + FFileName + u"\"");
  }
  if (Position() > NewSize) SetPosition(NewSize);
}

// ---------------------------------------------------------------- TStringStream

TStringStream::TStringStream(const String& AString) {
  WriteString(AString);
  SetPosition(0);
}

TStringStream::TStringStream(std::string_view Utf8Bytes) {
  WriteBuffer(Utf8Bytes.data(), static_cast<std::int64_t>(Utf8Bytes.size()));
  SetPosition(0);
}

String TStringStream::DataString() {
  return FromUTF8(
      std::string_view(static_cast<const char*>(Memory()), static_cast<std::size_t>(Size())));
}

String TStringStream::ReadString(std::int64_t Count) {
  std::string bytes(
      static_cast<std::size_t>(std::max<std::int64_t>(0, std::min(Count, Size() - Position()))),
      '\0');
  Read(bytes.data(), static_cast<std::int64_t>(bytes.size()));
  return FromUTF8(bytes);
}

void TStringStream::WriteString(const String& AString) {
  std::string bytes = ToUTF8(AString);
  WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
}

}  // namespace vcl
