# libpng for the MinGW-w64 build: Debian ships it for Linux only, so it is compiled once
# from Debian's own source package, which .ci/install-deps fetches into a cache folder,
# against MinGW's zlib from Debian (libz-mingw-w64-dev). Nothing is downloaded here.
include(ExternalProject)

set(VELTRONA_DEBIAN_SOURCES "${PROJECT_SOURCE_DIR}/.deps/debian-sources" CACHE PATH
    "Debian source packages fetched by .ci/install-deps")

file(GLOB _png_candidates LIST_DIRECTORIES true "${VELTRONA_DEBIAN_SOURCES}/libpng1.6/libpng1.6-*")
set(_png_source "")
foreach(_candidate IN LISTS _png_candidates)
  if(IS_DIRECTORY "${_candidate}")
    set(_png_source "${_candidate}")
  endif()
endforeach()
if(NOT _png_source OR NOT EXISTS "${VELTRONA_DEBIAN_SOURCES}/libpng1.6.version")
  message(FATAL_ERROR
    "Debian's source package of libpng is not in ${VELTRONA_DEBIAN_SOURCES}: run .ci/install-deps")
endif()
file(READ "${VELTRONA_DEBIAN_SOURCES}/libpng1.6.version" _png_version)
string(STRIP "${_png_version}" _png_version)
message(STATUS "libpng for Windows: Debian source package libpng1.6 ${_png_version}")

set(_prefix "${CMAKE_BINARY_DIR}/third-party")
set(_png_library "${_prefix}/lib/libpng16.a")
ExternalProject_Add(debian_libpng
  SOURCE_DIR "${_png_source}"
  BINARY_DIR "${CMAKE_BINARY_DIR}/third-party-build/libpng"
  INSTALL_DIR "${_prefix}"
  CMAKE_ARGS
    "-DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE}"
    -DCMAKE_BUILD_TYPE=Release
    -DCMAKE_INSTALL_PREFIX=<INSTALL_DIR>
    -DPNG_SHARED=OFF
    -DPNG_STATIC=ON
    -DPNG_TESTS=OFF
    -DSKIP_INSTALL_PROGRAMS=ON
    -DSKIP_INSTALL_EXECUTABLES=ON
    -DSKIP_INSTALL_FILES=ON
  BUILD_BYPRODUCTS "${_png_library}"
  UPDATE_COMMAND ""
  LOG_CONFIGURE ON
  LOG_BUILD ON
  LOG_INSTALL ON)

# The headers are installed at build time; the folder must exist for the target now.
file(MAKE_DIRECTORY "${_prefix}/include")
find_library(_mingw_zlib NAMES libz.a z REQUIRED)
add_library(veltrona_debian_png INTERFACE)
target_include_directories(veltrona_debian_png SYSTEM INTERFACE "${_prefix}/include")
target_link_libraries(veltrona_debian_png INTERFACE "${_png_library}" "${_mingw_zlib}")
add_dependencies(veltrona_debian_png debian_libpng)
add_library(PNG::PNG ALIAS veltrona_debian_png)
