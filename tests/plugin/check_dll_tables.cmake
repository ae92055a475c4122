cmake_minimum_required(VERSION 3.25)
# The host finds the module's entry points and base class by name, and a player's machine
# has only Windows' own DLLs besides the host's SDK: check both tables of Veltrona.dll.
execute_process(COMMAND ${OBJDUMP} -p ${MODULE} OUTPUT_VARIABLE dump RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "objdump failed on ${MODULE}")
endif()

foreach(name exports getPlugin deleteMe
        _ZN8Tessarin6Plugin14TessarinPluginC1Ev
        _ZN8Tessarin6Plugin14TessarinPluginC1ERKS1_
        _ZN8Tessarin6Plugin14TessarinPluginC1EOS1_
        _ZN8Tessarin6Plugin14TessarinPluginD1Ev
        _ZN8Tessarin6Plugin14TessarinPluginaSERKS1_
        _ZN8Tessarin6Plugin14TessarinPluginaSEOS1_
        _ZN8Tessarin6Plugin14TessarinPlugin6onLoadEv
        _ZN8Tessarin6Plugin14TessarinPlugin8onUnloadEv
        _ZTVN8Tessarin6Plugin14TessarinPluginE)
  if(NOT dump MATCHES "\\] ${name}\n")
    message(FATAL_ERROR "Veltrona.dll does not export ${name}")
  endif()
endforeach()

string(REGEX MATCHALL "DLL Name: [^\n]+" import_lines "${dump}")
set(imports "")
foreach(line IN LISTS import_lines)
  string(REPLACE "DLL Name: " "" dll "${line}")
  string(STRIP "${dll}" dll)
  list(APPEND imports "${dll}")
endforeach()

set(allowed KERNEL32.dll msvcrt.dll pluginsdk.dll)
foreach(dll IN LISTS imports)
  if(NOT dll IN_LIST allowed)
    message(FATAL_ERROR "Veltrona.dll imports ${dll}; only system DLLs and pluginsdk.dll are allowed")
  endif()
endforeach()
if(REQUIRE_PLUGINSDK AND NOT "pluginsdk.dll" IN_LIST imports)
  message(FATAL_ERROR "Veltrona.dll does not import pluginsdk.dll")
endif()
message(STATUS "Veltrona.dll imports: ${imports}")
