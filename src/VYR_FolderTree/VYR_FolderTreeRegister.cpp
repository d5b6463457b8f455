// The folder tree in form files. Its constructor makes the tree read-only
// and double-buffered, so those settings are registered again with the
// values a fresh tree has. Color is stored as the color shown while
// enabled, so a disabled tree does not store clBtnFace as its color.
#include "VYR_FolderTree/VYR_FolderTree.h"
#include "platform/Streaming.h"

namespace vyr {

namespace {

bool RegisterFolderTree() {
  using T = TFolderTree;
  vcl::RegisterClass<T, vcl::TCustomTreeView>(u"TFolderTree")
      .Property(u"OldTreeStyle", &T::OldTreeStyle, &T::SetOldTreeStyle, true)
      .Color(u"Color", &T::EnabledColor, &T::SetColor, vcl::clWindow)
      .Stored([](const T& t) { return !t.ParentColor(); })
      .Property(u"ReadOnly", &T::ReadOnly, &T::SetReadOnly, true)
      .Property(u"DoubleBuffered", &T::DoubleBuffered, &T::SetDoubleBuffered, true)
      .Property(u"ParentDoubleBuffered", &T::ParentDoubleBuffered, &T::SetParentDoubleBuffered,
                false)
      .Event(u"OnDirChanged");
  return true;
}

const bool registered = RegisterFolderTree();

}  // namespace

}  // namespace vyr
