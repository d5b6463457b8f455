// Component model: objects, persistent objects, components with owners,
// notifications and component state; the stream family.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
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
  csLoading,
  csReading,
  csWriting,
  csDestroying,
  csDesigning,
  csAncestor,
  csUpdating,
  csFixups,
  csFreeNotification,
  csInline,
  csDesignInstance
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
  // Where a designer showed a component that is not a control: Left in the
  // low 16 bits, Top in the high 16 bits (form files store Left and Top).
  std::int32_t DesignInfo() const { return FDesignInfo; }
  void SetDesignInfo(std::int32_t Value) { FDesignInfo = Value; }

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
  std::int32_t FDesignInfo = 0;
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

// ---------------------------------------------------------------- string lists

enum TDuplicates : std::uint8_t { dupIgnore, dupAccept, dupError };

// One line of a string list and the object attached to it.
struct TStringItem {
  String S;
  TObject* Object = nullptr;
};

// An abstract list of strings, each with an optional object, with the
// framework's text forms: Text (lines), CommaText/DelimitedText (quoted
// items) and name=value pairs. Indices count from 0; a bad index raises
// EListError "List index out of bounds (n)".
class TStrings : public TPersistent {
 public:
  virtual int Count() const = 0;
  virtual String Strings(int Index) const = 0;
  virtual void SetStrings(int Index, const String& S);
  String operator[](int Index) const { return Strings(Index); }
  virtual TObject* Objects(int Index) const;
  virtual void SetObjects(int Index, TObject* AObject);

  // Adds at the end (a sorted list puts it in order); returns the index.
  virtual int Add(const String& S);
  virtual int AddObject(const String& S, TObject* AObject);
  int AddPair(const String& Name, const String& Value);
  virtual void AddStrings(TStrings* Strings);
  virtual void Insert(int Index, const String& S) = 0;
  virtual void InsertObject(int Index, const String& S, TObject* AObject);
  virtual void Delete(int Index) = 0;
  virtual void Clear() = 0;
  virtual void Exchange(int Index1, int Index2);
  // Moves an item (with its object) so that it ends up at NewIndex.
  virtual void Move(int CurIndex, int NewIndex);
  // Copies the strings and objects of any TStrings, and its text-form
  // settings (delimiter, quote, separators, line break).
  void Assign(TPersistent* Source) override;
  // Same count and the same strings, case-sensitively.
  bool Equals(TStrings* Strings) const;

  // -1 when absent. Comparison as CompareStrings (case-insensitive here).
  virtual int IndexOf(const String& S) const;
  int IndexOfName(const String& Name) const;
  int IndexOfObject(TObject* AObject) const;

  // Name=value pairs: Names(i) is the text before the first separator
  // ("" without one); Values(name) the text after it for the first line of
  // that name. SetValues replaces or adds the pair, or deletes it when
  // Value is empty.
  String Names(int Index) const;
  String Values(const String& Name) const;
  void SetValues(const String& Name, const String& Value);
  String ValueFromIndex(int Index) const;
  void SetValueFromIndex(int Index, const String& Value);
  Char NameValueSeparator() const { return FNameValueSeparator; }
  void SetNameValueSeparator(Char Value) { FNameValueSeparator = Value; }

  // Every line followed by LineBreak (sLineBreak, "\n", by default; no
  // break after the last one when TrailingLineBreak is off). SetText splits
  // at CR, LF and CR LF; a final line break adds no empty line.
  String Text() const;
  virtual void SetText(const String& Value);
  const String& LineBreak() const { return FLineBreak; }
  void SetLineBreak(const String& Value) { FLineBreak = Value; }
  bool TrailingLineBreak() const { return FTrailingLineBreak; }
  void SetTrailingLineBreak(bool Value) { FTrailingLineBreak = Value; }

  // Items joined by Delimiter; an item holding the delimiter, the quote
  // character or (unless StrictDelimiter) a blank or control character is
  // quoted with inner quotes doubled. A single empty item is written as two
  // quotes, as is any empty item when the delimiter is a blank (it would
  // vanish otherwise). Reading splits at Delimiter and, unless StrictDelimiter, at
  // blanks; quoted items may hold anything; a trailing delimiter adds an
  // empty item. CommaText is the same with ',' and '"' whatever Delimiter
  // and QuoteChar say (StrictDelimiter applies).
  String DelimitedText() const;
  void SetDelimitedText(const String& Value);
  String CommaText() const;
  void SetCommaText(const String& Value);
  Char Delimiter() const { return FDelimiter; }
  void SetDelimiter(Char Value) { FDelimiter = Value; }
  Char QuoteChar() const { return FQuoteChar; }
  void SetQuoteChar(Char Value) { FQuoteChar = Value; }
  bool StrictDelimiter() const { return FStrictDelimiter; }
  void SetStrictDelimiter(bool Value) { FStrictDelimiter = Value; }

  // Between BeginUpdate and the matching EndUpdate a list reports no
  // changes; the outermost pair reports one.
  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return FUpdateCount; }

  // Text in UTF-8 (with a byte order mark when WriteBOM is set). Reading
  // recognises a UTF-8, UTF-16 LE or UTF-16 BE byte order mark and takes
  // anything else as UTF-8; it reads from the stream's position to its end.
  // A failed read leaves the list as it was.
  virtual void LoadFromStream(TStream* Stream);
  virtual void SaveToStream(TStream* Stream) const;
  virtual void LoadFromFile(const String& FileName);
  virtual void SaveToFile(const String& FileName) const;
  bool WriteBOM() const { return FWriteBOM; }
  void SetWriteBOM(bool Value) { FWriteBOM = Value; }

 protected:
  virtual void SetUpdateState(bool Updating);
  // 0 when equal; the base compares as AnsiCompareText.
  virtual int CompareStrings(const String& S1, const String& S2) const;
  // Replaces the whole content in one step; a list that refuses any item
  // raises before changing anything.
  virtual void ReplaceItems(std::vector<TStringItem> Items);
  [[noreturn]] void IndexError(int Index) const;
  void CopyTextSettings(const TStrings& Source);

 private:
  int FUpdateCount = 0;
  Char FNameValueSeparator = u'=';
  Char FDelimiter = u',';
  Char FQuoteChar = u'"';
  bool FStrictDelimiter = false;
  String FLineBreak = sLineBreak;
  bool FTrailingLineBreak = true;
  bool FWriteBOM = false;
};

class TStringList;
// Compares items Index1 and Index2 of List: < 0, 0 or > 0.
using TStringListSortCompare = std::function<int(TStringList* List, int Index1, int Index2)>;

// The string list: items in a vector, optionally kept sorted, with change
// events. A sorted list refuses Insert and SetStrings (EStringListError
// "Operation not allowed on sorted list") and treats duplicates as
// Duplicates says ("String list does not allow duplicates" for dupError).
// With OwnsObjects the list frees the objects of items it deletes or
// clears and on destruction (SetObjects replaces without freeing).
class TStringList : public TStrings {
 public:
  TStringList() = default;
  explicit TStringList(bool AOwnsObjects) : FOwnsObjects(AOwnsObjects) {}
  ~TStringList() override;

  int Count() const override { return static_cast<int>(FItems.size()); }
  String Strings(int Index) const override;
  void SetStrings(int Index, const String& S) override;
  TObject* Objects(int Index) const override;
  void SetObjects(int Index, TObject* AObject) override;

  int Add(const String& S) override;
  int AddObject(const String& S, TObject* AObject) override;
  void Insert(int Index, const String& S) override;
  void InsertObject(int Index, const String& S, TObject* AObject) override;
  void Delete(int Index) override;
  void Clear() override;
  void Exchange(int Index1, int Index2) override;
  void Move(int CurIndex, int NewIndex) override;
  void Assign(TPersistent* Source) override;
  int IndexOf(const String& S) const override;

  // Binary search of a sorted list: true when found. Index is where S is
  // (with dupAccept the first of equal items) or would be inserted.
  bool Find(const String& S, int& Index) const;
  // Sorts an unsorted list (stable: equal items keep their order).
  virtual void Sort();
  void CustomSort(const TStringListSortCompare& Compare);

  bool Sorted() const { return FSorted; }
  void SetSorted(bool Value);
  TDuplicates Duplicates() const { return FDuplicates; }
  void SetDuplicates(TDuplicates Value) { FDuplicates = Value; }
  // Case-sensitive comparison uses AnsiCompareStr, otherwise AnsiCompareText.
  bool CaseSensitive() const { return FCaseSensitive; }
  void SetCaseSensitive(bool Value);
  bool OwnsObjects() const { return FOwnsObjects; }
  void SetOwnsObjects(bool Value) { FOwnsObjects = Value; }
  int Capacity() const { return static_cast<int>(FItems.capacity()); }
  void SetCapacity(int Value);

  const TNotifyEvent& OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }
  const TNotifyEvent& OnChanging() const { return FOnChanging; }
  void SetOnChanging(TNotifyEvent Value) { FOnChanging = std::move(Value); }

 protected:
  virtual void Changed();
  virtual void Changing();
  void SetUpdateState(bool Updating) override;
  int CompareStrings(const String& S1, const String& S2) const override;
  void ReplaceItems(std::vector<TStringItem> Items) override;

 private:
  void CheckIndex(int Index) const;
  void CheckUnsorted() const;
  void InsertItem(int Index, const String& S, TObject* AObject);
  // Puts in new content at once, freeing owned objects of the old.
  void SetItems(std::vector<TStringItem> Items);
  // Stable merge sort with a comparison of item indices.
  void SortItems(const std::function<int(int, int)>& Compare);
  std::vector<TStringItem> SortedForList(std::vector<TStringItem> Items) const;

  std::vector<TStringItem> FItems;
  bool FSorted = false;
  TDuplicates FDuplicates = dupIgnore;
  bool FCaseSensitive = false;
  bool FOwnsObjects = false;
  TNotifyEvent FOnChange;
  TNotifyEvent FOnChanging;
};

}  // namespace vcl
