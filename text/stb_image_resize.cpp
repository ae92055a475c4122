// The one home of stb_image_resize's implementation: the single-header library compiles it
// where this macro is defined before the header.
#define STB_IMAGE_RESIZE_IMPLEMENTATION
#include <stb_image_resize.h>
