# The flags of the builds that users run (Release, RelWithDebInfo,
# MinSizeRel): hardened as Debian builds its own packages (dpkg-buildflags,
# hardening=+all). The Debug build stays as it is, and so does the sanitizer
# build, whose checks would only clash with fortification. Included once from
# the top CMakeLists.txt, before any target.

if(BREWLORE_SANITIZE OR NOT CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    return()
endif()

# The stack protector, checked copies of the C library's string and memory
# functions, and no printf-style call whose format is not a literal.
# mingw-w64 takes the stack guard and the checked functions (__memcpy_chk
# and the like) from GCC's libssp: -fstack-protector-strong on the link line
# makes GCC link libssp-0.dll, which the Windows packages carry.
set(brewlore_compile_flags -D_FORTIFY_SOURCE=2 -fstack-protector-strong -Wformat -Werror=format-security)
set(brewlore_link_flags -fstack-protector-strong)
if(WIN32)
    # Address-space layout randomisation with 64-bit entropy, and no running
    # code from the stack or the heap: binutils' defaults today, asked for all
    # the same so that an older linker cannot leave them out.
    list(APPEND brewlore_link_flags -Wl,--dynamicbase,--high-entropy-va,--nxcompat)
else()
    # Position-independent programs, whose relocations are all bound at
    # start-up and then made read-only.
    set(CMAKE_POSITION_INDEPENDENT_CODE ON)
    include(CheckPIESupported)
    check_pie_supported(LANGUAGES CXX)
    list(APPEND brewlore_link_flags -Wl,-z,relro,-z,now)
endif()

string(JOIN "," brewlore_release_configs Release RelWithDebInfo MinSizeRel)
add_compile_options("$<$<CONFIG:${brewlore_release_configs}>:${brewlore_compile_flags}>")
add_link_options("$<$<CONFIG:${brewlore_release_configs}>:${brewlore_link_flags}>")
