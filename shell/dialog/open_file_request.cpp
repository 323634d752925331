#include "open_file_request.h"

#include <QFile>
#include <QFileDialog>

QString CaseInsensitiveNameFilter(const OpenFileRequest& request)
{
    QStringList patterns;
    for (const QString& pattern : request.patterns) {
        QString anyCase;
        for (const QChar c : pattern) {
            if (c.isLetter() && c.toLower() != c.toUpper())
                anyCase += QStringLiteral("[") + c.toLower() + c.toUpper() + QStringLiteral("]");
            else
                anyCase += c;
        }
        patterns << anyCase;
    }
    return request.filterDescription + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QStringLiteral(")");
}

std::optional<std::string> ChooseOpenFile(const OpenFileRequest& request)
{
    QFileDialog chooser(request.owner, request.title, request.folder, CaseInsensitiveNameFilter(request));
    chooser.setAcceptMode(QFileDialog::AcceptOpen);
    chooser.setFileMode(QFileDialog::ExistingFile);
    // Only the description shows; the spelt-out patterns would only confuse.
    chooser.setOption(QFileDialog::HideNameFilterDetails);
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return std::nullopt;
    return QFile::encodeName(chooser.selectedFiles().first()).toStdString();
}
