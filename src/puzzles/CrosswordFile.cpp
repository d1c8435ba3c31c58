#include "CrosswordFile.h"

#include "RecordIO.h"

#include <iterator>

namespace {

namespace C = XWordCellOffset;

// The cell's fields and where each stands in its stored record; texts with their capacity.
struct ByteField {
    size_t At;
    uint8_t XWordCell::*Member;
};
struct IntField {
    size_t At;
    int32_t XWordCell::*Member;
};
struct TextField {
    size_t At;
    ShortString XWordCell::*Member;
    int Capacity;
};

constexpr ByteField ByteFields[] = {
    {C::Kind, &XWordCell::Kind},
    {C::AcrossInOrder, &XWordCell::AcrossInOrder},
    {C::DownInOrder, &XWordCell::DownInOrder},
    {C::AcrossBlocked, &XWordCell::AcrossBlocked},
    {C::DownBlocked, &XWordCell::DownBlocked},
};
constexpr IntField IntFields[] = {
    {C::AcrossNumber, &XWordCell::AcrossNumber},
    {C::DownNumber, &XWordCell::DownNumber},
    {C::AcrossLength, &XWordCell::AcrossLength},
    {C::DownLength, &XWordCell::DownLength},
    {C::AcrossStart, &XWordCell::AcrossStart},
    {C::DownStart, &XWordCell::DownStart},
    {C::AcrossCrossings, &XWordCell::AcrossCrossings},
    {C::DownCrossings, &XWordCell::DownCrossings},
    {C::AcrossCrossingsOrdered, &XWordCell::AcrossCrossingsOrdered},
    {C::DownCrossingsOrdered, &XWordCell::DownCrossingsOrdered},
    {C::FillStamp, &XWordCell::FillStamp},
};
constexpr TextField TextFields[] = {
    {C::Highlight, &XWordCell::Highlight, 1},
    {C::AcrossClue, &XWordCell::AcrossClue, ShortString::Capacity},
    {C::DownClue, &XWordCell::DownClue, ShortString::Capacity},
    {C::Answer, &XWordCell::Answer, 1},
    {C::Typed, &XWordCell::Typed, 1},
    {C::CheckMark, &XWordCell::CheckMark, 1},
    {C::Spare, &XWordCell::Spare, 1},
};
constexpr size_t TextFieldCount = std::size(TextFields);

void WriteCell(RecordWriter& w, size_t at, const XWordCell& cell)
{
    for (const ByteField& f : ByteFields)
        w.U8(at + f.At, cell.*f.Member);
    for (const IntField& f : IntFields)
        w.I32(at + f.At, cell.*f.Member);
    for (const TextField& f : TextFields)
        w.Text(at + f.At, (cell.*f.Member).view(), f.Capacity);
}

// False when a text's length byte is past its capacity; the cell is then left as it was.
bool ReadCell(const RecordReader& r, size_t at, XWordCell& cell)
{
    std::string texts[TextFieldCount];
    for (size_t i = 0; i < TextFieldCount; ++i)
        if (!r.Text(at + TextFields[i].At, TextFields[i].Capacity, texts[i]))
            return false;
    for (size_t i = 0; i < TextFieldCount; ++i)
        cell.*TextFields[i].Member = texts[i];
    for (const ByteField& f : ByteFields)
        cell.*f.Member = r.U8(at + f.At);
    for (const IntField& f : IntFields)
        cell.*f.Member = r.I32(at + f.At);
    return true;
}

// The stored lengths and links point inside the used area.
bool CellInsideGrid(const XWordCell& cell, int col, int row, int cols, int rows)
{
    if (cell.Kind != 1 && cell.Kind != 2)
        return false;
    if (cell.AcrossLength < 0 || cell.AcrossLength > cols - col || cell.DownLength < 0 ||
        cell.DownLength > rows - row)
        return false;
    if (cell.AcrossStart < -1 || cell.AcrossStart > col || cell.DownStart < -1 || cell.DownStart > row)
        return false;
    return true;
}

// Whether the cell is a letter square once loaded: in a free-format grid every cell with a
// letter is one (NumberGrid decides), in a regular grid its kind says.
bool LetterSquare(const SavedCrossword& s, int col, int row)
{
    const XWordCell& cell = s.Grid[col][row];
    if (s.Kind == XWordKindFreeFormat)
        return !cell.Answer.empty() && !(cell.Answer == ">");
    return cell.Kind == 2;
}

// At least two letter squares side by side or one above the other: a word to play.
bool HasWord(const SavedCrossword& s)
{
    for (int c = 0; c < s.Cols; ++c)
        for (int r = 0; r < s.Rows; ++r)
            if (LetterSquare(s, c, r) &&
                ((c + 1 < s.Cols && LetterSquare(s, c + 1, r)) || (r + 1 < s.Rows && LetterSquare(s, c, r + 1))))
                return true;
    return false;
}

}  // namespace

bool AssembleCrosswordRecord(std::vector<uint8_t>& record, std::string_view header)
{
    if (XWordClues.RowCount > XWordSavedClueRows)
        return false;
    record.assign(SavedXWordSize, 0);
    RecordWriter w(record);
    const bool freeFormat = XWordMode == 2;
    w.U8(XWordFileOffset::Kind, freeFormat ? XWordKindFreeFormat : XWordKindRegular);
    w.Text(XWordFileOffset::Header, freeFormat ? header : std::string_view(), XWordHeaderCapacity);
    w.I32(XWordFileOffset::ColCount, XWordCols);
    w.I32(XWordFileOffset::RowCount, XWordRows);
    for (int c = 0; c < XWordGridDim; ++c)
        for (int r = 0; r < XWordGridDim; ++r)
            WriteCell(w, XWordFileOffset::Cell(c, r), XWordGrid[c][r]);
    // The clue texts as listed, the selection flag dropped; the rows after the lists stay empty.
    for (int k = 0; k < 4; ++k)
        for (int r = 0; r < XWordClues.RowCount && r < XWordClueRows; ++r) {
            std::string text = XWordClues.At(k, r);
            if (!text.empty())
                text[0] = '0';
            w.Text(XWordFileOffset::Clue(k, r), text, ShortString::Capacity);
        }
    return true;
}

std::unique_ptr<SavedCrossword> ReadCrosswordRecord(std::span<const uint8_t> record)
{
    if (record.size() < SavedXWordSize)
        return nullptr;
    const RecordReader r(record);
    auto saved = std::make_unique<SavedCrossword>();
    saved->Kind = r.U8(XWordFileOffset::Kind);
    if (saved->Kind != XWordKindRegular && saved->Kind != XWordKindFreeFormat)
        return nullptr;
    if (!r.Text(XWordFileOffset::Header, XWordHeaderCapacity, saved->Header))
        return nullptr;
    saved->Cols = r.I32(XWordFileOffset::ColCount);
    saved->Rows = r.I32(XWordFileOffset::RowCount);
    if (saved->Cols < 1 || saved->Cols > XWordMaxSide || saved->Rows < 1 || saved->Rows > XWordMaxSide)
        return nullptr;

    for (int c = 0; c < XWordGridDim; ++c)
        for (int r2 = 0; r2 < XWordGridDim; ++r2) {
            XWordCell cell;
            if (!ReadCell(r, XWordFileOffset::Cell(c, r2), cell))
                return nullptr;
            if (c >= saved->Cols || r2 >= saved->Rows)
                continue;  // outside the used area: ignored, left as a new cell
            if (!CellInsideGrid(cell, c, r2, saved->Cols, saved->Rows))
                return nullptr;
            saved->Grid[c][r2] = cell;
        }

    // The clue texts are rebuilt from the grid on loading, but a damaged one still marks a
    // damaged record.
    std::string text;
    for (int k = 0; k < 4; ++k)
        for (int row = 0; row < XWordSavedClueRows; ++row)
            if (!r.Text(XWordFileOffset::Clue(k, row), ShortString::Capacity, text))
                return nullptr;

    if (!HasWord(*saved))
        return nullptr;
    return saved;
}

void ApplyCrosswordRecord(const SavedCrossword& saved)
{
    XWordMode = saved.Kind == XWordKindFreeFormat ? 2 : 1;
    XWordCols = saved.Cols;
    XWordRows = saved.Rows;
    CopyXWordGrid(saved.Grid, XWordGrid);
    // Measured afresh: the file's own numbers and links are not trusted.
    for (int c = 0; c < XWordCols; ++c)
        for (int r = 0; r < XWordRows; ++r) {
            XWordCell& cell = XWordGrid[c][r];
            cell.AcrossLength = cell.DownLength = 0;
            cell.AcrossNumber = cell.DownNumber = -1;
            cell.AcrossStart = cell.DownStart = -1;
        }
    NumberGrid();
    BuildClueLists();
}
