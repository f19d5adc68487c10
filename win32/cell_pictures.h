// cell_pictures.h: the six cell pictures, rendered at build time for each screen scale.
#pragma once

#include <array>

#include <windows.h>

namespace torvelle::win32 {

// The image list of the main window: pictures numbered 1 to 6, loaded once per size from
// the program's resources and kept.
class CellPictures {
public:
    static constexpr int kCount = 6;
    static constexpr std::array<int, 4> kSizes{32, 40, 48, 64};

    CellPictures() = default;
    CellPictures(const CellPictures&) = delete;
    CellPictures& operator=(const CellPictures&) = delete;
    ~CellPictures();

    // Picture `number` over `area`: pixel for pixel where one was rendered at that size,
    // else the next larger one, smoothly scaled down.
    void draw(HDC target, int number, const RECT& area);

private:
    HBITMAP bitmap(int number, size_t sizeIndex);

    std::array<std::array<HBITMAP, kSizes.size()>, kCount> bitmaps_{};
};

} // namespace torvelle::win32
