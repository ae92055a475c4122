/* The text tool's work done with Pango and Cairo, for the benchmark to weigh ours against:
 * every name of a names file laid out, drawn white on transparent into an image as large as
 * its row and its ink, and written as a PNG file through a temporary file and a rename.
 *
 *     pango_names NAMES_FILE OUTPUT_FOLDER ROW_HEIGHT PIXELS_PER_EM
 *
 * The names file is read as `veltrona-glyphs` reads one: UTF-8, one name a line, a byte-order
 * mark and Windows line ends dropped, blank lines skipped. */

#include <errno.h>
#include <glib.h>
#include <pango/pangocairo.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>

enum { kArguments = 5, kFolderMode = 0777, kDecimal = 10 };

/* The fonts our default chain starts with; fontconfig's fallback finds the other scripts. */
static const char kFamilies[] = "Noto Sans CJK JP, DejaVu Sans, Noto Color Emoji";
static const char kByteOrderMark[] = "\xEF\xBB\xBF";

typedef struct {
    char** names;
    size_t count;
} Names;

static Names readNames(const char* path) {
    Names names = {NULL, 0};
    gchar* bytes = NULL;
    GError* error = NULL;
    if (!g_file_get_contents(path, &bytes, NULL, &error)) {
        fprintf(stderr, "pango_names: %s\n", error->message);
        exit(EXIT_FAILURE);
    }
    const char* text = g_str_has_prefix(bytes, kByteOrderMark) ? bytes + strlen(kByteOrderMark) : bytes;
    gchar** lines = g_strsplit(text, "\n", -1);
    names.names = g_new0(char*, g_strv_length(lines) + 1);
    for (gchar** line = lines; *line != NULL; ++line) {
        size_t length = strlen(*line);
        if (length > 0 && (*line)[length - 1] == '\r') (*line)[--length] = '\0';
        if (length == 0) continue;
        if (!g_utf8_validate(*line, -1, NULL)) {
            fprintf(stderr, "pango_names: %s: a line that is not UTF-8\n", path);
            exit(EXIT_FAILURE);
        }
        names.names[names.count++] = g_strdup(*line);
    }
    g_strfreev(lines);
    g_free(bytes);
    return names;
}

static int parsePositive(const char* text, const char* what) {
    char* end = NULL;
    const long value = strtol(text, &end, kDecimal);
    if (*text == '\0' || *end != '\0' || value <= 0 || value > G_MAXINT / PANGO_SCALE) {
        fprintf(stderr, "pango_names: %s must be a positive whole number, not \"%s\"\n", what, text);
        exit(EXIT_FAILURE);
    }
    return (int)value;
}

/* Unhinted, grey antialiasing: how our engine draws, so neither side does less. */
static void drawAsOurEngine(PangoContext* context) {
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    pango_cairo_context_set_font_options(context, options);
    cairo_font_options_destroy(options);
}

static int writeName(PangoLayout* layout, int rowHeight, const char* file, const char* temporary) {
    PangoRectangle ink;
    PangoRectangle logical;
    pango_layout_get_pixel_extents(layout, &ink, &logical);
    const int left = MIN(0, MIN(ink.x, logical.x));
    const int right = MAX(1, MAX(ink.x + ink.width, logical.x + logical.width));
    /* As our pictures: the row and the advance, grown to the ink. */
    const int top = MIN(0, ink.y);
    const int bottom = MAX(rowHeight, ink.y + ink.height);

    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, right - left, bottom - top);
    cairo_t* cairo = cairo_create(surface);
    cairo_set_source_rgb(cairo, 1, 1, 1);
    cairo_move_to(cairo, -left, -top);
    pango_cairo_show_layout(cairo, layout);
    cairo_destroy(cairo);
    const cairo_status_t status = cairo_surface_write_to_png(surface, temporary);
    cairo_surface_destroy(surface);
    if (status != CAIRO_STATUS_SUCCESS) {
        fprintf(stderr, "pango_names: cannot write %s: %s\n", temporary, cairo_status_to_string(status));
        remove(temporary);
        return 0;
    }
    if (rename(temporary, file) != 0) {
        fprintf(stderr, "pango_names: cannot write %s: %s\n", file, strerror(errno));
        remove(temporary);
        return 0;
    }
    return 1;
}

int main(int argc, char** argv) {
    if (argc != kArguments) {
        fprintf(stderr, "usage: pango_names NAMES_FILE OUTPUT_FOLDER ROW_HEIGHT PIXELS_PER_EM\n");
        return EXIT_FAILURE;
    }
    const Names names = readNames(argv[1]);
    const char* folder = argv[2];
    const int rowHeight = parsePositive(argv[3], "the row height");
    const int pixelsPerEm = parsePositive(argv[4], "the pixels per em");
    if (mkdir(folder, kFolderMode) != 0 && errno != EEXIST) {
        fprintf(stderr, "pango_names: cannot make %s: %s\n", folder, strerror(errno));
        return EXIT_FAILURE;
    }

    PangoFontMap* fontMap = pango_cairo_font_map_get_default();
    PangoContext* context = pango_font_map_create_context(fontMap);
    drawAsOurEngine(context);
    PangoLayout* layout = pango_layout_new(context);
    PangoFontDescription* font = pango_font_description_from_string(kFamilies);
    pango_font_description_set_absolute_size(font, (double)pixelsPerEm * PANGO_SCALE);
    pango_layout_set_font_description(layout, font);
    pango_font_description_free(font);

    const int digits = snprintf(NULL, 0, "%zu", names.count);
    int failed = 0;
    for (size_t i = 0; i < names.count && !failed; ++i) {
        pango_layout_set_text(layout, names.names[i], -1);
        gchar* file = g_strdup_printf("%s/%0*zu.png", folder, digits, i + 1);
        gchar* temporary = g_strdup_printf("%s/.%0*zu.png.tmp", folder, digits, i + 1);
        failed = !writeName(layout, rowHeight, file, temporary);
        g_free(temporary);
        g_free(file);
    }

    g_object_unref(layout);
    g_object_unref(context);
    for (size_t i = 0; i < names.count; ++i) g_free(names.names[i]);
    g_free(names.names);
    return failed ? EXIT_FAILURE : EXIT_SUCCESS;
}
