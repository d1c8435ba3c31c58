#include "SavedFiles.h"

#include "AppGlobals.h"
#include "FilePaths.h"
#include "ShowMsg.h"

#include "RecordIO.h"

#include <QFileInfo>

QString SavedFilePath(const QString& fileName)
{
    return ProgramDir + "/" + fileName;
}

SaveOutcome SaveRecordFile(const QString& path, std::span<const uint8_t> record, const SaveTexts& texts)
{
    if (QFileInfo::exists(path) && ShowMessageForm(frmShowMsg, texts.Overwrite, 2) != 1)
        return SaveOutcome::Cancelled;
    if (!WriteFileRecord(LocalPath(path), record)) {
        ShowMessageForm(frmShowMsg, texts.Error, 0);
        return SaveOutcome::Failed;
    }
    ShowMessageForm(frmShowMsg, texts.Saved, 0);
    return SaveOutcome::Saved;
}

LoadOutcome ReadRecordFile(const QString& path, std::span<uint8_t> record, const QString& missing,
                           const QString& error)
{
    if (!QFileInfo::exists(path)) {
        ShowMessageForm(frmShowMsg, missing, 0);
        return LoadOutcome::Missing;
    }
    if (!ReadFileRecord(LocalPath(path), record)) {
        ShowMessageForm(frmShowMsg, error, 0);
        return LoadOutcome::Failed;
    }
    return LoadOutcome::Read;
}
