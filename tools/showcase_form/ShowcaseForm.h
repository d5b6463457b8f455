// The showcase form: examples/showcase/showcase.form holds one or more of
// each of the package's twenty components, configured by their form-file
// properties. What a form file cannot hold is put in here, keyed by the
// component's name, in one place:
//
//   StationData       the rows of the report store (a TRLData)
//   StationList       the same rows in the report list view
//   StationDataView   the store's report XML (the memo that shows the store)
//   Measurements      the table editor's numbers, names, attributes, marks
//   SlowerButton,     repeat buttons stepping SpeedMeter
//   FasterButton
//   Folders           opens on the repository's resources folder
//   Pictures          thumbnails of the pictures in the folder selected
//
// A component that is not a control (the report store) is shown by the
// control named after it with "View" added (StationDataView); the gallery
// pictures that control for it.
//
//   auto form = showcase::LoadShowcaseForm(showcase::DefaultFormFile());
//   form->Show();
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/Controls.h"
#include "platform/Forms.h"

namespace showcase {

// The source tree's showcase form and resources folder (ending with "/").
std::string DefaultFormFile();
std::string ResourcesFolder();

// The twenty component classes of the package, in the order of the
// component index (docs/components/README.md).
const std::vector<vcl::String>& ComponentClasses();

// Reads the form file and fills it (FillShowcaseForm). Raises what the form
// reader raises for a damaged or missing file.
std::unique_ptr<vcl::TForm> LoadShowcaseForm(const std::string& FormFile,
                                             const std::string& Resources = ResourcesFolder());

// Puts the data the form file cannot hold into the components named above
// and wires the few handlers between them. Components that are missing are
// left out; nothing else of the form changes.
void FillShowcaseForm(vcl::TComponent& Form, const std::string& Resources);

// The components of Root and everything it owns, depth first in creation
// order (Root itself not included).
std::vector<vcl::TComponent*> AllComponents(vcl::TComponent& Root);

// The first component of class ClassName (exactly that class) below Root;
// nullptr when there is none.
vcl::TComponent* FirstOfClass(vcl::TComponent& Root, const vcl::String& ClassName);

// The control that shows C on the form: C itself when it is a control, else
// the control named C's name + "View"; nullptr when there is none.
vcl::TControl* ShownControl(vcl::TComponent& Root, vcl::TComponent& C);

// One gallery picture: the class and the control pictured for it.
struct TGalleryItem {
  vcl::String ClassName;
  vcl::TControl* Control = nullptr;  // nullptr: the form has no such component
};

// One item per class of ComponentClasses(), in that order, each picturing
// the first component of the class.
std::vector<TGalleryItem> GalleryItems(vcl::TComponent& Root);

}  // namespace showcase
