// What happens when the C++ runtime gives up: a container out of memory or asked for an
// impossible size. The program catches no exceptions, so each of these would end it through
// std::terminate anyway; ending it here directly keeps the runtime's exception classes, their
// reference-counted strings and its console-printing, type-demangling terminate handler (some
// 150 KB together) out of the .exe.
#include <bits/functexcept.h>

#include <cstdlib>
#include <new>

// Out of memory ends the program here too: the runtime's own operator new throws bad_alloc,
// which alone brings in its unwinder and exception support (some 35 KB).
void* operator new(std::size_t size) {
    if (void* p = std::malloc(size ? size : 1)) {
        return p;
    }
    std::abort();
}

void* operator new[](std::size_t size) {
    return operator new(size);
}

// The forms that give back null: the runtime's own would call the throwing one inside a catch.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return std::malloc(size ? size : 1);
}

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return std::malloc(size ? size : 1);
}

void operator delete(void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}

void operator delete[](void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}

void operator delete(void* p) noexcept {
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

void operator delete[](void* p) noexcept {
    std::free(p);
}

void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}

namespace __gnu_cxx {
void __verbose_terminate_handler() {
    std::abort();
}
} // namespace __gnu_cxx

namespace std {
void __throw_bad_alloc() {
    std::abort();
}
void __throw_bad_array_new_length() {
    std::abort();
}
void __throw_bad_function_call() {
    std::abort();
}
void __throw_length_error(const char*) {
    std::abort();
}
void __throw_logic_error(const char*) {
    std::abort();
}
void __throw_out_of_range(const char*) {
    std::abort();
}
void __throw_out_of_range_fmt(const char*, ...) {
    std::abort();
}
void __throw_invalid_argument(const char*) {
    std::abort();
}
} // namespace std
