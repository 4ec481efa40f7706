#pragma once

#include <QString>

#include <functional>
#include <optional>

class QWidget;

// The open and save file dialogs go through one seam, which tests answer.
struct clsCDL_FileOpen {
    QWidget *owner = nullptr;
    QString title;
    QString folder;        // where the dialog opens
    QString fileName;      // proposed name
    QString defaultSuffix; // "xml"
    QString filter;        // "XML File (*.xml)"

    // The chosen path; nothing when the user cancelled. Saving asks before
    // replacing a file; opening takes only an existing file.
    std::optional<QString> CDL_GetSaveFileName() const;
    std::optional<QString> CDL_GetOpenFileName() const;
};

using FileDialogResponder =
    std::function<std::optional<QString>(const clsCDL_FileOpen &dialog, bool save)>;
FileDialogResponder DefineFileDialogResponder(FileDialogResponder responder);
