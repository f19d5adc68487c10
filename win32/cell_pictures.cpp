// cell_pictures.cpp: bitmaps from the resources, drawn with GDI.
#include "win32/cell_pictures.h"

#include "win32/resource_ids.h"

namespace torvelle::win32 {

CellPictures::~CellPictures()
{
    for (auto& sizes : bitmaps_)
        for (HBITMAP bitmap : sizes)
            if (bitmap)
                DeleteObject(bitmap);
}

HBITMAP CellPictures::bitmap(int number, size_t sizeIndex)
{
    HBITMAP& kept = bitmaps_.at(static_cast<size_t>(number - 1)).at(sizeIndex);
    if (!kept)
        kept = static_cast<HBITMAP>(LoadImageW(
            GetModuleHandleW(nullptr),
            MAKEINTRESOURCEW(TORVELLE_CELL_BITMAPS + 10 * static_cast<int>(sizeIndex) + number),
            IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    return kept;
}

void CellPictures::draw(HDC target, int number, const RECT& area)
{
    if (number < 1 || number > kCount)
        return;
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    size_t index = kSizes.size() - 1;
    for (size_t i = 0; i < kSizes.size(); ++i)
        if (kSizes[i] >= width) {
            index = i;
            break;
        }
    const HBITMAP picture = bitmap(number, index);
    const HDC source = CreateCompatibleDC(target);
    const HGDIOBJ before = SelectObject(source, picture);
    const int size = kSizes[index];
    if (size == width && size == height) {
        BitBlt(target, area.left, area.top, width, height, source, 0, 0, SRCCOPY);
    } else {
        SetStretchBltMode(target, HALFTONE);
        SetBrushOrgEx(target, 0, 0, nullptr);
        StretchBlt(target, area.left, area.top, width, height, source, 0, 0, size, size, SRCCOPY);
    }
    SelectObject(source, before);
    DeleteDC(source);
}

} // namespace torvelle::win32
