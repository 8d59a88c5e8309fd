// The runtime's default handler for an exception that escapes everything
// writes the exception's demangled type to a console this program does not
// have, and its demangler alone is an eighth of the program. Every window
// procedure and the program start catch all exceptions, so this runs only if
// that ever fails; it then reports like any other untrapped error. Defining
// it here keeps the runtime's own version, and its demangler, out of the link.
#include <exception>

#include "app/win32/report.h"

namespace __gnu_cxx {

void __verbose_terminate_handler() { velmora::reportAndEnd(nullptr, 51, "Internal error"); }

}  // namespace __gnu_cxx
