# Checks that the preview's screenshot exists and is a PNG the size of the example's screen.
#   cmake -DSCENARIO=examples/match.json -DPICTURE=build/preview/match.png -P .ci/check-screenshot.cmake
file(READ "${SCENARIO}" scenario)
string(JSON width GET "${scenario}" screen 0)
string(JSON height GET "${scenario}" screen 1)

if(NOT EXISTS "${PICTURE}")
  message(FATAL_ERROR "${PICTURE}: no screenshot was written")
endif()
# The signature, then the IHDR chunk: width and height as big-endian 32-bit numbers at byte 16.
file(READ "${PICTURE}" header LIMIT 24 HEX)
string(SUBSTRING "${header}" 0 16 signature)
if(NOT signature STREQUAL "89504e470d0a1a0a")
  message(FATAL_ERROR "${PICTURE}: not a PNG file")
endif()
string(SUBSTRING "${header}" 32 8 width_hex)
string(SUBSTRING "${header}" 40 8 height_hex)
math(EXPR picture_width "0x${width_hex}")
math(EXPR picture_height "0x${height_hex}")
if(NOT picture_width EQUAL width OR NOT picture_height EQUAL height)
  message(FATAL_ERROR
    "${PICTURE}: ${picture_width} x ${picture_height}, but the screen of ${SCENARIO} is ${width} x ${height}")
endif()
message(STATUS "${PICTURE}: a ${picture_width} x ${picture_height} PNG, the screen of ${SCENARIO}")
