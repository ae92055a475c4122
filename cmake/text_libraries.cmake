# HarfBuzz and FriBidi, which set names as text. Natively they are Debian's -dev packages,
# found through pkg-config; the MinGW-w64 build has made them from Debian's sources already
# (debian_libraries.cmake) under the same target names. fontconfig, which finds the system's
# fonts, is native only: on Windows the text engine indexes the fonts folders itself.
if(TARGET HarfBuzz::HarfBuzz)
  return()
endif()
find_package(PkgConfig REQUIRED)
pkg_check_modules(harfbuzz REQUIRED IMPORTED_TARGET GLOBAL harfbuzz)
pkg_check_modules(fribidi REQUIRED IMPORTED_TARGET GLOBAL fribidi)
add_library(HarfBuzz::HarfBuzz ALIAS PkgConfig::harfbuzz)
add_library(FriBidi::FriBidi ALIAS PkgConfig::fribidi)
pkg_check_modules(fontconfig REQUIRED IMPORTED_TARGET GLOBAL fontconfig)
add_library(Fontconfig::Fontconfig ALIAS PkgConfig::fontconfig)
