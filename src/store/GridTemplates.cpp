#include "GridTemplates.h"

#include <cstring>

uint8_t GridTemplates[GridSizeCount + 1][TemplatesPerSize + 1][MaxGridSize + 1][MaxGridSize + 1];
int32_t TemplateCount[GridSizeCount + 1];

void InitGridTemplates()
{
    std::memset(GridTemplates, 0, sizeof GridTemplates);
    std::memset(TemplateCount, 0, sizeof TemplateCount);
    for (const GridTemplateSource& t : BuiltInGridTemplates)
        UnpackGridTemplate(t.Size, t.Parts[0] ? t.Parts[0] : "", t.Parts[1] ? t.Parts[1] : "",
                           t.Parts[2] ? t.Parts[2] : "", t.Parts[3] ? t.Parts[3] : "");
}

void UnpackGridTemplate(int size, std::string_view part1, std::string_view part2,
                        std::string_view part3, std::string_view part4)
{
    if (size < 11 || size > MaxGridSize || size % 2 == 0)
        return;
    const int index = (size - 9) / 2;
    if (TemplateCount[index] >= TemplatesPerSize)
        return;
    const int number = ++TemplateCount[index];
    int k = 0;
    for (std::string_view part : {part1, part2, part3, part4}) {
        part = part.substr(0, 100);
        for (char ch : part) {
            ++k;
            const int row = (k - 1) / size + 1;
            const int column = k - (row - 1) * size;
            if (row > size)
                return;  // a source longer than the grid: the rest has nowhere to go
            GridTemplates[index][number][column][row] = ch == '-' ? CellLetter : CellBlock;
        }
    }
}
