#pragma once

// Exported by name, as the host looks the entry points up; definitions go in extern "C".
#if defined(_WIN32)
#  define TEST_MODULE_EXPORT __declspec(dllexport)
#else
#  define TEST_MODULE_EXPORT __attribute__((visibility("default")))
#endif
