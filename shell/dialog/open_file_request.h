#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <string>

class QWidget;

// What the settings dialog asks of a file chooser.
struct OpenFileRequest {
    QWidget* owner = nullptr;
    QString filterDescription; // shown to the user, e.g. "BGMﾌｧｲﾙ (MP3 WAV)"
    QStringList patterns;      // e.g. "*.MP3"; matched in any letter case
    QString title;
    QString folder;            // where the chooser starts
};

// The chooser's name filter: the description, then the patterns, each letter spelt as a set of
// both its cases so that a name matches in any letter case whatever the chooser's own rule.
QString CaseInsensitiveNameFilter(const OpenFileRequest& request);

// Opens the standard open-file chooser, modal to its owner. Returns the chosen file's path as
// file-system bytes, or nothing when the user cancelled.
std::optional<std::string> ChooseOpenFile(const OpenFileRequest& request);
