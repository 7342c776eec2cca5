#pragma once
#include <string>
#include <string_view>

namespace toolkit {

// The accelerator of a caption: the character after a single "&" ("&&" is a literal ampersand
// and defines none); of several, the last counts. A double-byte character of the ANSI code
// page is taken or skipped whole, so its second byte is never read as an ampersand or as the
// accelerator. Empty when the caption has none.
std::string acceleratorOf(std::string_view caption);

// The caption as it reads: each accelerator ampersand dropped, "&&" as one "&", by the same
// reading as acceleratorOf (double-byte characters whole; a lone "&" at the end stays).
std::string withoutAcceleratorPrefix(std::string_view caption);

// Whether a typed character is the caption's accelerator; ASCII letters match in either case.
bool isAccelerator(char typed, std::string_view caption);

}  // namespace toolkit
