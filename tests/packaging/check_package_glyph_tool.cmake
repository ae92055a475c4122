cmake_minimum_required(VERSION 3.25)
# The packaged veltrona-glyphs.exe as a player runs it, with a data folder under a user
# folder whose name is not ASCII: it draws a set there, checks names against it, and sets a
# name as text.

include(${CMAKE_CURRENT_LIST_DIR}/unpack_package.cmake)
set(tool ${unpacked}/veltrona-glyphs.exe)
set(data "${WORK}/Users/太郎/Tessarin data")
file(MAKE_DIRECTORY "${data}")

execute_process(
  COMMAND ${EMULATOR} ${tool} build --data ${data} --font ${TEXT_FONT} --set ascii
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "veltrona-glyphs.exe build failed (${rc}): ${out}${err}")
endif()
file(GLOB drawn "${data}/assets/png/*.png")
list(LENGTH drawn count)
if(NOT count EQUAL 95)
  message(FATAL_ERROR "veltrona-glyphs.exe drew ${count} files for --set ascii, not 95: ${out}${err}")
endif()
message(STATUS "veltrona-glyphs.exe drew the 95 ASCII glyphs into ${data}")

file(WRITE "${data}/lobby.txt" "Ваня🔥\nPlayer One\n")
execute_process(
  COMMAND ${EMULATOR} ${tool} check --data ${data} --names ${data}/lobby.txt
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 1)
  message(FATAL_ERROR "veltrona-glyphs.exe check should find files missing (exit 1), not ${rc}: ${out}${err}")
endif()
foreach(expected "Ваня🔥" "В U+0412  MISSING" "🔥 U+1F525  MISSING" "Player One"
                 "--missing --chars U+0412,U+0430,U+043D,U+044F,U+1F525")
  string(FIND "${out}" "${expected}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "veltrona-glyphs.exe check does not show '${expected}':\n${out}${err}")
  endif()
endforeach()
message(STATUS "veltrona-glyphs.exe check lists what the lobby's names lack:\n${out}")

# A name set as text, written under the same folder.
execute_process(
  COMMAND ${EMULATOR} ${tool} text "Ali علي 12" -o "${data}/名前.png" --font ${TEXT_FONT}
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT EXISTS "${data}/名前.png")
  message(FATAL_ERROR "veltrona-glyphs.exe text failed (${rc}): ${out}${err}")
endif()
message(STATUS "veltrona-glyphs.exe text: ${out}")
