# libpng, FreeType, HarfBuzz and FriBidi for the MinGW-w64 build. Debian ships them for
# Linux only, so each is compiled once, static, from Debian's own source package, which
# .ci/install-deps fetches into a cache folder; zlib is MinGW's from Debian
# (libz-mingw-w64-dev). Nothing is downloaded here. The libraries install into
# build/<preset>/third-party and are rebuilt only when their build folder is gone.
include(ExternalProject)

set(VELTRONA_DEBIAN_SOURCES "${PROJECT_SOURCE_DIR}/.deps/debian-sources" CACHE PATH
    "Debian source packages fetched by .ci/install-deps")
set(_prefix "${CMAKE_BINARY_DIR}/third-party")
file(MAKE_DIRECTORY "${_prefix}/include" "${_prefix}/include/freetype2" "${_prefix}/include/harfbuzz"
     "${_prefix}/include/fribidi")

# Sets <package>_SOURCE to the unpacked source package and prints the version used.
function(veltrona_debian_source package)
  file(GLOB candidates LIST_DIRECTORIES true "${VELTRONA_DEBIAN_SOURCES}/${package}/*")
  set(source "")
  foreach(candidate IN LISTS candidates)
    if(IS_DIRECTORY "${candidate}")
      set(source "${candidate}")
    endif()
  endforeach()
  if(NOT source OR NOT EXISTS "${VELTRONA_DEBIAN_SOURCES}/${package}.version")
    message(FATAL_ERROR
      "Debian's source package ${package} is not in ${VELTRONA_DEBIAN_SOURCES}: run .ci/install-deps")
  endif()
  file(READ "${VELTRONA_DEBIAN_SOURCES}/${package}.version" version)
  string(STRIP "${version}" version)
  message(STATUS "For Windows: Debian source package ${package} ${version}")
  set(${package}_SOURCE "${source}" PARENT_SCOPE)
endfunction()

veltrona_debian_source(libpng1.6)
veltrona_debian_source(freetype)
veltrona_debian_source(harfbuzz)
veltrona_debian_source(fribidi)

find_library(_mingw_zlib NAMES libz.a z REQUIRED)
find_path(_mingw_zlib_include zlib.h REQUIRED)
set(_png_library "${_prefix}/lib/libpng16.a")
set(_freetype_library "${_prefix}/lib/libfreetype.a")
set(_harfbuzz_library "${_prefix}/lib/libharfbuzz.a")
set(_fribidi_library "${_prefix}/lib/libfribidi.a")

set(_common_args
  "-DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE}"
  -DCMAKE_BUILD_TYPE=Release
  -DCMAKE_INSTALL_PREFIX=<INSTALL_DIR>
  -DBUILD_SHARED_LIBS=OFF
  -DCMAKE_POSITION_INDEPENDENT_CODE=ON)
set(_quiet UPDATE_COMMAND "" LOG_CONFIGURE ON LOG_BUILD ON LOG_INSTALL ON LOG_OUTPUT_ON_FAILURE ON)

ExternalProject_Add(debian_libpng
  SOURCE_DIR "${libpng1.6_SOURCE}"
  BINARY_DIR "${CMAKE_BINARY_DIR}/third-party-build/libpng"
  INSTALL_DIR "${_prefix}"
  CMAKE_ARGS ${_common_args}
    -DPNG_SHARED=OFF
    -DPNG_STATIC=ON
    -DPNG_TESTS=OFF
    -DSKIP_INSTALL_PROGRAMS=ON
    -DSKIP_INSTALL_EXECUTABLES=ON
    -DSKIP_INSTALL_FILES=ON
  BUILD_BYPRODUCTS "${_png_library}"
  ${_quiet})

# PNG for colour emoji strikes, zlib for compressed fonts; the optional codecs Debian also
# builds with (bzip2, Brotli) are left out: no font a player names needs them. HarfBuzz is
# built after, against this FreeType.
ExternalProject_Add(debian_freetype
  DEPENDS debian_libpng
  SOURCE_DIR "${freetype_SOURCE}"
  BINARY_DIR "${CMAKE_BINARY_DIR}/third-party-build/freetype"
  INSTALL_DIR "${_prefix}"
  CMAKE_ARGS ${_common_args}
    -DFT_REQUIRE_ZLIB=ON
    -DFT_REQUIRE_PNG=ON
    -DFT_DISABLE_BZIP2=ON
    -DFT_DISABLE_BROTLI=ON
    -DFT_DISABLE_HARFBUZZ=ON
    "-DZLIB_LIBRARY=${_mingw_zlib}"
    "-DZLIB_INCLUDE_DIR=${_mingw_zlib_include}"
    "-DPNG_LIBRARY=${_png_library}"
    "-DPNG_PNG_INCLUDE_DIR=${_prefix}/include"
  BUILD_BYPRODUCTS "${_freetype_library}"
  ${_quiet})

ExternalProject_Add(debian_harfbuzz
  DEPENDS debian_freetype
  SOURCE_DIR "${harfbuzz_SOURCE}"
  # A static FreeType links only with what it uses, for HarfBuzz's feature checks.
  LIST_SEPARATOR |
  BINARY_DIR "${CMAKE_BINARY_DIR}/third-party-build/harfbuzz"
  INSTALL_DIR "${_prefix}"
  CMAKE_ARGS ${_common_args}
    -DHB_HAVE_FREETYPE=ON
    -DHB_BUILD_SUBSET=OFF
    -DHB_BUILD_UTILS=OFF
    -DHB_HAVE_GLIB=OFF
    -DHB_HAVE_ICU=OFF
    "-DFREETYPE_LIBRARY=${_freetype_library}|${_png_library}|${_mingw_zlib}"
    "-DFREETYPE_INCLUDE_DIR_ft2build=${_prefix}/include/freetype2"
    "-DFREETYPE_INCLUDE_DIR_freetype2=${_prefix}/include/freetype2"
  BUILD_BYPRODUCTS "${_harfbuzz_library}"
  ${_quiet})

ExternalProject_Add(debian_fribidi
  SOURCE_DIR "${PROJECT_SOURCE_DIR}/cmake/fribidi"
  BINARY_DIR "${CMAKE_BINARY_DIR}/third-party-build/fribidi"
  INSTALL_DIR "${_prefix}"
  CMAKE_ARGS ${_common_args}
    "-DFRIBIDI_SOURCE_DIR=${fribidi_SOURCE}"
  BUILD_BYPRODUCTS "${_fribidi_library}"
  ${_quiet})

# Imported under the names the native find modules give, so the rest of the build does not
# care where a library came from; as imported static libraries, each comes on the link line
# before the libraries it needs.
function(veltrona_imported_library name file build include)
  add_library(${name} STATIC IMPORTED GLOBAL)
  set_target_properties(${name} PROPERTIES
    IMPORTED_LOCATION "${file}"
    INTERFACE_INCLUDE_DIRECTORIES "${include}"
    INTERFACE_LINK_LIBRARIES "${ARGN}")
  add_dependencies(${name} ${build})
endfunction()

veltrona_imported_library(PNG::PNG "${_png_library}" debian_libpng "${_prefix}/include" "${_mingw_zlib}")
veltrona_imported_library(Freetype::Freetype "${_freetype_library}" debian_freetype
  "${_prefix}/include/freetype2" PNG::PNG)
veltrona_imported_library(HarfBuzz::HarfBuzz "${_harfbuzz_library}" debian_harfbuzz
  "${_prefix}/include/harfbuzz" Freetype::Freetype)
veltrona_imported_library(FriBidi::FriBidi "${_fribidi_library}" debian_fribidi "${_prefix}/include/fribidi")
# Its headers would otherwise expect a DLL under MSVC.
set_property(TARGET FriBidi::FriBidi APPEND PROPERTY INTERFACE_COMPILE_DEFINITIONS FRIBIDI_STATIC)
