#include "strike_choice.h"

std::size_t pickStrike(std::span<const FT_Bitmap_Size> strikes, int pixels) {
    std::size_t best = 0;
    for (std::size_t i = 1; i < strikes.size(); ++i) {
        const bool bestIsEnough = strikes[best].height >= pixels;
        const bool isEnough = strikes[i].height >= pixels;
        if (isEnough && (!bestIsEnough || strikes[i].height < strikes[best].height)) best = i;
        if (!isEnough && !bestIsEnough && strikes[i].height > strikes[best].height) best = i;
    }
    return best;
}
