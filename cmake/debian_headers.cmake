# Debian's header-only libraries: JSON (scenarios), CLI11 (command lines) and stb (image
# scaling). A cross compiler must not search /usr/include whole (glibc's headers live
# there), so it gets a copy of just these.
if(CMAKE_CROSSCOMPILING)
  set(_debian_headers ${CMAKE_BINARY_DIR}/debian-headers)
  file(COPY /usr/include/nlohmann /usr/include/CLI /usr/include/stb DESTINATION ${_debian_headers})
  add_library(veltrona_json INTERFACE)
  target_include_directories(veltrona_json SYSTEM INTERFACE ${_debian_headers})
  add_library(veltrona_cli INTERFACE)
  target_include_directories(veltrona_cli SYSTEM INTERFACE ${_debian_headers})
  set(_stb_include ${_debian_headers}/stb)
else()
  find_package(nlohmann_json 3 REQUIRED)
  find_package(CLI11 2 REQUIRED)
  add_library(veltrona_json INTERFACE)
  target_link_libraries(veltrona_json INTERFACE nlohmann_json::nlohmann_json)
  add_library(veltrona_cli INTERFACE)
  target_link_libraries(veltrona_cli INTERFACE CLI11::CLI11)
  find_path(_stb_include stb_image_resize.h PATH_SUFFIXES stb REQUIRED)
endif()
add_library(veltrona_stb INTERFACE)
# A system include: the library's own warnings are not ours to fix.
target_include_directories(veltrona_stb SYSTEM INTERFACE ${_stb_include})
