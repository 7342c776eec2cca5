#pragma once
#include <string_view>

#include "description/class_registry.h"
#include "description/description_syntax.h"
#include "description/methods.h"
#include "toolkit/component.h"

// Window descriptions: a component and the components it owns, kept as text that a person can
// read and diff. One block per component, nested in its parent's block (a component without a
// parent, such as a timer, sits in the root's), and one property per line, "Name = value", in
// publication order; only properties whose value differs from the default are stored.
//
//   object Form1: TForm1
//     Caption = 'Ralvento'
//     Color = $001B5655
//     object Panel1: TPanel
//       Left = 8
//       ...
//     end
//   end
//
// Values: whole numbers (-11), colours ($00BBGGRR, or clNone and the system colours' names such
// as clBtnFace), texts in single quotes with '' for a quote and #nn for any byte outside
// printable ASCII ('Line'#13#10'two'), True and False, enumeration names (bsModern), sets
// ([fsBold]), the name of a method for an event and of a component for a reference, and
// pictures as { width height } followed by one row of 6-digit BBGGRR pixels per line. A font
// is stored as its parts, Font.Charset, Font.Color, Font.Height, Font.Name and Font.Style.
namespace description {

// Reads a description into `root`, whose class must be the one the description names. The
// components of the nested blocks are made, owned by the root, and placed in their parents;
// each receives its properties in publication order while it is marked as loading, so nothing
// is drawn; references are resolved once all has been read; then loading ends, component by
// component and the root last, and each refreshes once. Everything is checked before anything
// is made or set: a description with an unknown class or property, a value of the wrong type,
// an unknown method or a dangling reference throws DescriptionError and leaves the root as it
// was. Should a setter itself fail, the components made so far are freed again, and every
// published property of the root gets its value from before the load back.
void loadDescription(toolkit::Component& root, std::string_view text, const ClassRegistry& classes,
                     const Methods& methods);

}  // namespace description
