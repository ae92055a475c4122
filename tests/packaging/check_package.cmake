cmake_minimum_required(VERSION 3.25)

# A download a player takes without a second thought, default set and all.
set(max_package_bytes 80000000)
file(SIZE ${PACKAGE} package_bytes)
if(package_bytes GREATER max_package_bytes)
  message(FATAL_ERROR "the package is ${package_bytes} bytes, over ${max_package_bytes}: ${PACKAGE}")
endif()
message(STATUS "the package is ${package_bytes} bytes")

include(${CMAKE_CURRENT_LIST_DIR}/unpack_package.cmake)

# What a player installs: the module, the glyph tool, the note, and glyphs of every packaged set.
foreach(file Veltrona.dll veltrona-glyphs.exe INSTALL.txt
        data/assets/png/65.png      # A
        data/assets/png/e9.png      # é
        data/assets/png/3042.png    # hiragana a
        data/assets/png/30a2.png    # katakana a
        data/assets/png/4e9c.png    # first JIS X 0208 kanji
        data/assets/png/ac00.png    # first Hangul syllable
        data/assets/png/219.png     # Romanian s with comma below (Latin Extended-B)
        data/assets/png/1ec7.png    # Vietnamese e with circumflex and dot below
        data/assets/png/3b1.png     # Greek alpha
        data/assets/png/416.png     # Cyrillic Zhe
        data/assets/png/3002.png    # ideographic full stop
        data/assets/png/ff21.png    # full-width A
        data/assets/png/1f600.png   # grinning face, an emoji above U+FFFF
        data/assets/png/231a.png    # watch, an emoji below U+FFFF
        data/assets/png/1f3fb.png   # light skin tone
        data/assets/png/1f1ef.png   # regional indicator J
        data/assets/png/1d4d0.png   # mathematical bold script A
        data/assets/png/2605.png    # black star
        data/assets/png/2764.png    # heart, in colour
        data/assets/png/1d0b.png    # small capital K
        data/assets/png/5f20.png    # simplified Chinese zhang
        data/assets/png/639.png     # Arabic ain
        data/assets/png/ca0.png     # Kannada ttha
        data/assets/png/a9c1.png)   # Javanese left rerenggan
  if(NOT EXISTS ${unpacked}/${file})
    message(FATAL_ERROR "the package lacks ${file}")
  endif()
endforeach()
if(EXISTS ${unpacked}/pluginsdk.dll)
  message(FATAL_ERROR "the package must not ship the host's pluginsdk.dll")
endif()

execute_process(
  COMMAND ${EMULATOR} ${RUNNER} ${SCENARIO} --module ${unpacked}/Veltrona.dll --data ${unpacked}/data
          --trace ${WORK}/trace.jsonl --screenshot ${WORK}/match.png
  RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the runner failed with the packaged DLL (${rc}): ${err}")
endif()

file(STRINGS ${WORK}/trace.jsonl trace)
set(drawn 0)
foreach(line IN LISTS trace)
  if(line MATCHES "\"call\":\"ImageWrapper\",\"path\":\"([^\"]+)\"")
    if(NOT EXISTS ${unpacked}/data/${CMAKE_MATCH_1})
      message(FATAL_ERROR "the example loads ${CMAKE_MATCH_1}, which the package lacks")
    endif()
  endif()
  if(line MATCHES "\"call\":\"DrawTexture\"")
    math(EXPR drawn "${drawn} + 1")
  endif()
endforeach()
if(drawn EQUAL 0)
  message(FATAL_ERROR "the packaged DLL drew nothing")
endif()
message(STATUS "the packaged DLL drew ${drawn} glyphs, every one from the package")

# The picture a Windows player previews is the one the native runner takes of the same match
# with the same glyphs, byte for byte.
if(NOT EXISTS "${NATIVE_RUNNER}")
  message(FATAL_ERROR "no native runner at '${NATIVE_RUNNER}' to compare the screenshot with")
endif()
execute_process(
  COMMAND ${NATIVE_RUNNER} ${SCENARIO} --data ${unpacked}/data --trace ${WORK}/native.trace.jsonl
          --screenshot ${WORK}/native.png
  RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the native runner failed (${rc}): ${err}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/match.png ${WORK}/native.png RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the Windows runner's screenshot differs from the native one: ${WORK}/match.png, ${WORK}/native.png")
endif()
message(STATUS "the Windows runner's screenshot equals the native one")
