#include "bitmap_glyph.h"

#include "bitmap_placement.h"
#include "freetype_units.h"
#include "image_scaling.h"
#include "tool_error.h"

bool drawBitmapGlyph(const FontFace& font, CodePoint cp, const RasterMetrics& metrics, BitmapBuffers& buffers,
                     pngfile::RgbaImage& image) {
    FT_Face face = font.face();
    if (FT_Load_Char(face, cp, FT_LOAD_COLOR) != 0 || face->glyph->format != FT_GLYPH_FORMAT_BITMAP) {
        throw ToolError("the font's glyph for " + formatCodePoint(cp) + " cannot be drawn");
    }
    const FT_GlyphSlot slot = face->glyph;
    // A blank glyph, a space: the image stays transparent.
    if (slot->bitmap.width == 0 || slot->bitmap.rows == 0) return false;

    toPremultiplied(font.library(), slot->bitmap, buffers.loaded);
    const StrikeGlyph glyph{static_cast<int>(slot->bitmap.width),
                            static_cast<int>(slot->bitmap.rows),
                            slot->bitmap_left,
                            slot->bitmap_top,
                            toPixels(slot->advance.x),
                            toPixels(face->size->metrics.ascender),
                            toPixels(face->size->metrics.descender)};
    const auto place =
        placeBitmap(glyph, {static_cast<double>(metrics.emTop), static_cast<double>(metrics.pixelsPerEm)},
                    image.width, image.height);
    scaleImage(buffers.loaded, place.rect.width, place.rect.height, buffers.scaled);
    blitStraight(buffers.scaled, place.rect.x, place.rect.y, image);
    return place.fitted;
}
