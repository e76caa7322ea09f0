# The hardening every Debian package gets, set here and nowhere else: the flags that Debian 12's
# `DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags` gives, and the stack clash and
# control-flow protection that the next release's dpkg-buildflags adds to them on amd64.
#
# The builds under a sanitizer or libFuzzer leave them out: the sanitizers check memory and
# bounds themselves, and the fortified library calls would bypass their interceptors.
if(FLIPSTONE_SANITIZE OR FLIPSTONE_TSAN OR FLIPSTONE_FUZZ)
  message(STATUS "Hardening: left to the sanitizers")
  return()
endif()

# Position-independent executables, so that the programs load at a random address: Debian's
# compiler makes them by default (-fPIE, -pie), as dpkg-buildflags expects. Building the static
# libraries as -fPIC instead would let every global function be interposed and so stop the
# compiler from inlining the engine's small functions into each other, which costs the plain
# search of the tests about a third of its speed; the Qt layers are -fPIC as Qt asks.
include(CheckPIESupported)
check_pie_supported()

add_compile_options(
  -fstack-protector-strong
  -fstack-clash-protection
  -fcf-protection
  -Wformat
  -Werror=format-security
  -Wdate-time)
# The fortified library calls need the optimiser; a debug build would only warn about it.
add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
# Read-only relocations, and every symbol bound when the program starts.
add_link_options(LINKER:-z,relro LINKER:-z,now)
# The control-flow protection marks (IBT, SHSTK). The linker keeps them only when every object
# has them, and Debian 12's C library start files (crt1.o, crti.o, crtn.o) are built without;
# all of this project's code is compiled with -fcf-protection, so the programs are marked. The
# start files' few functions (_init, _fini) keep no end-branch mark: a system that enforced IBT
# for user programs would have to build them with it too (Linux does not enforce it today).
add_link_options(LINKER:-z,ibt LINKER:-z,shstk)
message(STATUS "Hardening: stack protector, stack clash and control-flow protection, "
               "fortified calls, PIE, relro and immediate binding")
