# Unpacks ${PACKAGE} into a fresh ${WORK}, as a player unzips it, and checks that it gives one
# folder, Veltrona, as the install note says: ${unpacked} is that folder.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${PACKAGE} WORKING_DIRECTORY ${WORK} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cannot unpack ${PACKAGE}")
endif()
file(GLOB top_level RELATIVE ${WORK} ${WORK}/*)
if(NOT top_level STREQUAL "Veltrona" OR NOT IS_DIRECTORY ${WORK}/Veltrona)
  message(FATAL_ERROR "the package should unpack to one folder, Veltrona, not: ${top_level}")
endif()
set(unpacked ${WORK}/Veltrona)
