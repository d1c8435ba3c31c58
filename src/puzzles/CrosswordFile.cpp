#include "CrosswordFile.h"

#include "RecordIO.h"

namespace {

namespace C = XWordCellOffset;

void WriteCell(RecordWriter& w, size_t at, const XWordCell& cell)
{
    w.U8(at + C::Kind, cell.Kind);
    w.Text(at + C::Highlight, cell.Highlight.view(), 1);
    w.I32(at + C::AcrossNumber, cell.AcrossNumber);
    w.I32(at + C::DownNumber, cell.DownNumber);
    w.Text(at + C::AcrossClue, cell.AcrossClue.view(), ShortString::Capacity);
    w.Text(at + C::DownClue, cell.DownClue.view(), ShortString::Capacity);
    w.Text(at + C::Answer, cell.Answer.view(), 1);
    w.Text(at + C::Typed, cell.Typed.view(), 1);
    w.Text(at + C::CheckMark, cell.CheckMark.view(), 1);
    w.Text(at + C::Spare, cell.Spare.view(), 1);
    w.I32(at + C::AcrossLength, cell.AcrossLength);
    w.I32(at + C::DownLength, cell.DownLength);
    w.I32(at + C::AcrossStart, cell.AcrossStart);
    w.I32(at + C::DownStart, cell.DownStart);
    w.I32(at + C::AcrossCrossings, cell.AcrossCrossings);
    w.I32(at + C::DownCrossings, cell.DownCrossings);
    w.I32(at + C::AcrossCrossingsOrdered, cell.AcrossCrossingsOrdered);
    w.I32(at + C::DownCrossingsOrdered, cell.DownCrossingsOrdered);
    w.U8(at + C::AcrossInOrder, cell.AcrossInOrder);
    w.U8(at + C::DownInOrder, cell.DownInOrder);
    w.I32(at + C::FillStamp, cell.FillStamp);
    w.U8(at + C::AcrossBlocked, cell.AcrossBlocked);
    w.U8(at + C::DownBlocked, cell.DownBlocked);
}

// False when a text's length byte is past its capacity.
bool ReadCell(const RecordReader& r, size_t at, XWordCell& cell)
{
    std::string highlight, acrossClue, downClue, answer, typed, checkMark, spare;
    if (!r.Text(at + C::Highlight, 1, highlight) || !r.Text(at + C::AcrossClue, ShortString::Capacity, acrossClue) ||
        !r.Text(at + C::DownClue, ShortString::Capacity, downClue) || !r.Text(at + C::Answer, 1, answer) ||
        !r.Text(at + C::Typed, 1, typed) || !r.Text(at + C::CheckMark, 1, checkMark) ||
        !r.Text(at + C::Spare, 1, spare))
        return false;
    cell.Kind = r.U8(at + C::Kind);
    cell.Highlight = highlight;
    cell.AcrossNumber = r.I32(at + C::AcrossNumber);
    cell.DownNumber = r.I32(at + C::DownNumber);
    cell.AcrossClue = acrossClue;
    cell.DownClue = downClue;
    cell.Answer = answer;
    cell.Typed = typed;
    cell.CheckMark = checkMark;
    cell.Spare = spare;
    cell.AcrossLength = r.I32(at + C::AcrossLength);
    cell.DownLength = r.I32(at + C::DownLength);
    cell.AcrossStart = r.I32(at + C::AcrossStart);
    cell.DownStart = r.I32(at + C::DownStart);
    cell.AcrossCrossings = r.I32(at + C::AcrossCrossings);
    cell.DownCrossings = r.I32(at + C::DownCrossings);
    cell.AcrossCrossingsOrdered = r.I32(at + C::AcrossCrossingsOrdered);
    cell.DownCrossingsOrdered = r.I32(at + C::DownCrossingsOrdered);
    cell.AcrossInOrder = r.U8(at + C::AcrossInOrder);
    cell.DownInOrder = r.U8(at + C::DownInOrder);
    cell.FillStamp = r.I32(at + C::FillStamp);
    cell.AcrossBlocked = r.U8(at + C::AcrossBlocked);
    cell.DownBlocked = r.U8(at + C::DownBlocked);
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
