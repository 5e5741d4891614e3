// The containers and strings report a broken limit (a size past max_size, an index past the
// end, a number that does not parse) through the runtime's throw helpers, which build the
// standard exception classes; those hold their message in the runtime's older string type, and
// together they brought 47 KB into the 32-bit Bandsmith. Nothing in the programs tells these
// failures apart: every window and dialog procedure catches whatever is thrown, ends what it was
// doing and says "An unexpected error has occurred.", and the reading of a foreground file
// catches any standard exception. Defined here, the helpers throw one small failure of the
// programs' own instead, and the linker leaves the runtime's out. The failures the language
// itself defines (bad_alloc, bad_cast and the like) carry no string and are thrown as ever.
#include <bits/functexcept.h>

#include <exception>
#include <new>
#include <typeinfo>

namespace bndx {
namespace {

// A limit of the standard library broken. A standard exception still, for whoever catches those.
struct LibraryFailure : std::exception {};

} // namespace
} // namespace bndx

namespace std {

void __throw_bad_exception() {
    throw bad_exception();
}
void __throw_bad_alloc() {
    throw bad_alloc();
}
void __throw_bad_array_new_length() {
    throw bad_array_new_length();
}
void __throw_bad_cast() {
    throw bad_cast();
}
void __throw_bad_typeid() {
    throw bad_typeid();
}
void __throw_logic_error(const char*) {
    throw bndx::LibraryFailure();
}
void __throw_domain_error(const char*) {
    throw bndx::LibraryFailure();
}
void __throw_invalid_argument(const char*) {
    throw bndx::LibraryFailure();
}
void __throw_length_error(const char*) {
    throw bndx::LibraryFailure();
}
void __throw_out_of_range(const char*) {
    throw bndx::LibraryFailure();
}
void __throw_out_of_range_fmt(const char*, ...) {
    throw bndx::LibraryFailure();
}
void __throw_runtime_error(const char*) {
    throw bndx::LibraryFailure();
}
void __throw_range_error(const char*) {
    throw bndx::LibraryFailure();
}
void __throw_overflow_error(const char*) {
    throw bndx::LibraryFailure();
}
void __throw_underflow_error(const char*) {
    throw bndx::LibraryFailure();
}

} // namespace std
