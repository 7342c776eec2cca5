// The shipped exe's own terminate handler. The runtime's default one writes the uncaught
// exception's type to stderr, which a windowed program does not have, and for that links the
// whole C++ name demangler (about 45 KB) into the exe. Defining the handler here keeps the
// runtime's copy out of the link. Nothing is lost: main reports every exception itself, so a
// terminate can only abort.
#include <cstdlib>
#include <exception>

namespace __gnu_cxx {

void __verbose_terminate_handler() {
  std::abort();
}

}  // namespace __gnu_cxx
