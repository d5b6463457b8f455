// Component model: objects, persistent objects, components with owners,
// notifications and component state; the stream family.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "platform/SysUtils.h"
#include "platform/Types.h"

namespace vcl {

class TObject;
using TNotifyEvent = std::function<void(TObject* Sender)>;

class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;
  // The class name without namespaces ("TMeter"), taken from the type.
  virtual String ClassName() const;
};

// An object whose value can be copied from another with Assign.
class TPersistent : public TObject {
 public:
  // Copies Source into this object. The default asks Source to AssignTo this
  // object; when neither side knows the other, EConvertError
  // "Cannot assign a <Source class> to a <this class>" is raised.
  virtual void Assign(TPersistent* Source);
  // The reverse hook: copy this object into Dest, or raise as above.
  virtual void AssignTo(TPersistent* Dest);

 protected:
  [[noreturn]] void AssignError(TPersistent* Source);
};

enum TComponentStateItem : std::uint8_t {
  csLoading, csReading, csWriting, csDestroying, csDesigning,
  csAncestor, csUpdating, csFixups, csFreeNotification, csInline, csDesignInstance
};
using TComponentState = Set<TComponentStateItem>;

enum TOperation : std::uint8_t { opInsert, opRemove };

// A component has an owner that frees it, a name unique among the owner's
// components, and a state (loading, designing, destroying).
class TComponent : public TPersistent {
 public:
  explicit TComponent(TComponent* AOwner);
  ~TComponent() override;

  TComponent* Owner() const { return FOwner; }
  const String& Name() const { return FName; }
  // Raises EComponentError for a name that is not an identifier or that
  // another component of the same owner already has.
  virtual void SetName(const String& NewName);
  std::intptr_t Tag() const { return FTag; }
  void SetTag(std::intptr_t Value) { FTag = Value; }

  TComponentState ComponentState() const { return FComponentState; }
  void SetDesigning(bool Value);
  // Enters or leaves the loading state (csLoading and csReading), as the
  // form reader does around applying stored values; Loaded leaves it too.
  void SetLoading(bool Value);

  int ComponentCount() const { return static_cast<int>(FComponents.size()); }
  TComponent* Components(int Index) const;
  int ComponentIndex() const;
  // Case-insensitive search among the owned components; nullptr if absent.
  TComponent* FindComponent(const String& AName) const;
  void InsertComponent(TComponent* AComponent);
  void RemoveComponent(TComponent* AComponent);
  // Frees every owned component, the last one first.
  void DestroyComponents();

  // Asks to be told (Notification with opRemove) when AComponent is freed,
  // whoever its owner is.
  void FreeNotification(TComponent* AComponent);
  void RemoveFreeNotification(TComponent* AComponent);

  // Called after all stored property values have been applied.
  virtual void Loaded();
  // Told when a component is inserted into or removed from this owner (and,
  // recursively, its owned components), or when a component this one asked
  // FreeNotification of is freed.
  virtual void Notification(TComponent* AComponent, TOperation Operation);

 protected:
  // Marks the component (and what it owns) as being destroyed.
  virtual void Destroying();
  void SetComponentStateItem(TComponentStateItem Item, bool On);

 private:
  void Insert(TComponent* AComponent);
  void Remove(TComponent* AComponent);

  TComponent* FOwner = nullptr;
  String FName;
  std::intptr_t FTag = 0;
  TComponentState FComponentState;
  std::vector<TComponent*> FComponents;
  std::vector<TComponent*> FFreeNotifies;
};

// True when S is a valid identifier: a letter or '_' first, then letters,
// digits or '_' (ASCII).
bool IsValidIdent(const String& S);

// ---------------------------------------------------------------- streams

enum TSeekOrigin : std::uint8_t { soBeginning, soCurrent, soEnd };

class TStream : public TObject {
 public:
  // Reads or writes up to Count bytes; returns how many were moved.
  virtual std::int64_t Read(void* Buffer, std::int64_t Count) = 0;
  virtual std::int64_t Write(const void* Buffer, std::int64_t Count) = 0;
  virtual std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) = 0;

  // As Read/Write, but EReadError/EWriteError unless all Count bytes move.
  void ReadBuffer(void* Buffer, std::int64_t Count);
  void WriteBuffer(const void* Buffer, std::int64_t Count);
  // Copies Count bytes from Source (all of it from its start when Count is 0).
  std::int64_t CopyFrom(TStream* Source, std::int64_t Count);

  std::int64_t Position() { return Seek(0, soCurrent); }
  void SetPosition(std::int64_t Pos) { Seek(Pos, soBeginning); }
  virtual std::int64_t Size();
  virtual void SetSize(std::int64_t NewSize);
};

// A stream over a block of memory it owns.
class TMemoryStream : public TStream {
 public:
  std::int64_t Read(void* Buffer, std::int64_t Count) override;
  std::int64_t Write(const void* Buffer, std::int64_t Count) override;
  std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) override;
  std::int64_t Size() override { return static_cast<std::int64_t>(FData.size()); }
  void SetSize(std::int64_t NewSize) override;

  void* Memory() { return FData.data(); }
  const void* Memory() const { return FData.data(); }
  void Clear();
  void LoadFromStream(TStream* Stream);
  void SaveToStream(TStream* Stream);
  void LoadFromFile(const String& FileName);
  void SaveToFile(const String& FileName);

 private:
  std::vector<std::uint8_t> FData;
  std::int64_t FPosition = 0;
};

// File open modes, as the framework numbers them.
constexpr std::uint16_t fmOpenRead = 0x0000;
constexpr std::uint16_t fmOpenWrite = 0x0001;
constexpr std::uint16_t fmOpenReadWrite = 0x0002;
constexpr std::uint16_t fmShareCompat = 0x0000;
constexpr std::uint16_t fmShareExclusive = 0x0010;
constexpr std::uint16_t fmShareDenyWrite = 0x0020;
constexpr std::uint16_t fmShareDenyRead = 0x0030;
constexpr std::uint16_t fmShareDenyNone = 0x0040;
constexpr std::uint16_t fmCreate = 0xFF00;

// A stream over a file. Raises EFCreateError/EFOpenError naming the file.
class TFileStream : public TStream {
 public:
  TFileStream(const String& AFileName, std::uint16_t Mode);
  ~TFileStream() override;
  std::int64_t Read(void* Buffer, std::int64_t Count) override;
  std::int64_t Write(const void* Buffer, std::int64_t Count) override;
  std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) override;
  void SetSize(std::int64_t NewSize) override;
  const String& FileName() const { return FFileName; }

 private:
  String FFileName;
  int FHandle = -1;
};

// A memory stream whose bytes are a string's UTF-8 encoding.
class TStringStream : public TMemoryStream {
 public:
  TStringStream() = default;
  explicit TStringStream(const String& AString);
  explicit TStringStream(std::string_view Utf8Bytes);
  // The whole content decoded from UTF-8.
  String DataString();
  // Reads Count bytes from the position on, decoded from UTF-8.
  String ReadString(std::int64_t Count);
  void WriteString(const String& AString);
};

}  // namespace vcl
