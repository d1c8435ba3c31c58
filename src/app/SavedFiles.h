#pragma once
// The save and load steps every saved-puzzle file shares: one fixed-size record in a fixed
// file beside the program, replaced only after the user agreed and only once the new record
// is safely on disk.

#include <QString>

#include <cstdint>
#include <span>

// The file of that name in the program's folder.
QString SavedFilePath(const QString& fileName);

enum class SaveOutcome { Saved, Cancelled, Failed };
struct SaveTexts {
    QString Overwrite;  // the question when the file exists (O.K. / Cancel)
    QString Saved;      // after the record is on disk
    QString Error;      // when it could not be written
};
// Asks before replacing an existing file, writes the record to a temporary file beside it and
// renames that over the old one; the old file stays as it was unless the rename succeeded.
// Shows the outcome's message.
SaveOutcome SaveRecordFile(const QString& path, std::span<const uint8_t> record, const SaveTexts& texts);

enum class LoadOutcome { Read, Missing, Failed };
// Reads the first record.size() bytes of the file. A missing file shows `missing`; an
// unreadable or short one shows `error`. Nothing else changes.
LoadOutcome ReadRecordFile(const QString& path, std::span<uint8_t> record, const QString& missing,
                           const QString& error);
