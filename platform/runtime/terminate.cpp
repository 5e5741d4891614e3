// The runtime's default answer to an exception that nothing catches names the exception's type
// on the error stream, and to name it carries a whole C++ name demangler (some 45 KB). The
// programs have no error stream to write to, so the name would go nowhere: ending the program
// at once is all the default handler does that anyone sees. Defined here, it stands in for the
// runtime's own, which the linker then leaves out.
#include <cstdlib>

namespace __gnu_cxx {

void __verbose_terminate_handler() {
    std::abort();
}

} // namespace __gnu_cxx
