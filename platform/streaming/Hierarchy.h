// Where components sit on each other: which nested objects of a form become
// children of which, and which owned components a form writes under which
// object. Kept apart so the reader and writer stay free of control details.
#pragma once

#include <vector>

#include "platform/Classes.h"

namespace vcl::streaming {

// Gives Child its Parent when Child is a control and Parent a windowed
// control; does nothing for other components.
void SetParentOf(TComponent& Child, TComponent& Parent);

// The components written nested inside Object when Root is written: for the
// root, the owned components that are not controls, then (for windowed
// controls) the child controls owned by Root in z-order.
std::vector<TComponent*> WrittenChildren(TComponent& Object, TComponent& Root);

// Called once a read has built and loaded everything below Root: a form
// fires OnCreate.
void FinishReading(TComponent& Root);

}  // namespace vcl::streaming
