# The flags of the builds that users run (Release, RelWithDebInfo,
# MinSizeRel): hardened as Debian builds its own packages (dpkg-buildflags,
# hardening=+all), and reproducible, the same bytes from the same sources in
# any folder (reproducible-builds.org). scripts/package-check.sh and
# scripts/windows-build.sh check the results. The Debug build stays as it
# is, and so does the sanitizer build, whose checks would only clash with
# fortification. Included once from the top CMakeLists.txt, before any target.

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

# __FILE__ and the debugging information name files relative to the source
# and build folders, not by where they happened to be. The build folder comes
# last and so wins where it lies inside the source folder. The times come
# from SOURCE_DATE_EPOCH, which rcc (the compiled resources), the mingw-w64
# linker (a Windows program's header) and CPack (the packages' entries) read
# as they run; the package scripts set it.
list(APPEND brewlore_compile_flags -ffile-prefix-map=${PROJECT_SOURCE_DIR}=. -ffile-prefix-map=${PROJECT_BINARY_DIR}=.)

# rcc runs again only when a resource changes, and would keep the time of
# the last build in the program; when SOURCE_DATE_EPOCH changes (a new
# commit), the compiled resources go, so that rcc writes them with the new
# time and every program that holds them is linked again.
if(NOT "$ENV{SOURCE_DATE_EPOCH}" STREQUAL "${BREWLORE_BUILT_SOURCE_DATE_EPOCH}")
    file(GLOB_RECURSE brewlore_stale_resources "${PROJECT_BINARY_DIR}/qrc_*.cpp")
    list(FILTER brewlore_stale_resources INCLUDE REGEX "/\\.rcc/qrc_[^/]*\\.cpp$")
    if(brewlore_stale_resources)
        file(REMOVE ${brewlore_stale_resources})
    endif()
    set(BREWLORE_BUILT_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}" CACHE INTERNAL
        "SOURCE_DATE_EPOCH of the compiled resources")
endif()

string(JOIN "," brewlore_release_configs Release RelWithDebInfo MinSizeRel)
add_compile_options("$<$<CONFIG:${brewlore_release_configs}>:${brewlore_compile_flags}>")
add_link_options("$<$<CONFIG:${brewlore_release_configs}>:${brewlore_link_flags}>")
