#include "clsCDL_FileOpen.h"

#include <QFileDialog>

namespace {

std::optional<QString> showDialog(const clsCDL_FileOpen &d, bool save)
{
    QFileDialog dialog(d.owner, d.title, d.folder, d.filter);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(d.defaultSuffix);
    dialog.selectFile(d.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

FileDialogResponder &responder()
{
    static FileDialogResponder current = showDialog;
    return current;
}

} // namespace

FileDialogResponder DefineFileDialogResponder(FileDialogResponder next)
{
    FileDialogResponder previous = std::move(responder());
    responder() = std::move(next);
    return previous;
}

std::optional<QString> clsCDL_FileOpen::CDL_GetSaveFileName() const
{
    return responder()(*this, true);
}

std::optional<QString> clsCDL_FileOpen::CDL_GetOpenFileName() const
{
    return responder()(*this, false);
}
