#pragma once

// Symbols of the host SDK library `pluginsdk` are exported by it and imported by the
// plugin module and the host; symbols of the plugin base class are exported by the module.
// Windows needs the attributes spelled out; elsewhere default visibility does the job.
#if defined(_WIN32)
#  if defined(PLUGINSDK_BUILDING)
#    define PLUGINSDK_API __declspec(dllexport)
#  else
#    define PLUGINSDK_API __declspec(dllimport)
#  endif
#  if defined(TESSARIN_PLUGIN_BUILDING)
#    define TESSARIN_PLUGIN_API __declspec(dllexport)
#  else
#    define TESSARIN_PLUGIN_API
#  endif
#else
#  define PLUGINSDK_API __attribute__((visibility("default")))
#  define TESSARIN_PLUGIN_API __attribute__((visibility("default")))
#endif
