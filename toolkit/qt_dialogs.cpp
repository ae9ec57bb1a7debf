#include "qt_dialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

namespace toolkit {

QString qtFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList types;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        // Qt reads the patterns from the last parentheses of each entry.
        types << (description.endsWith(QLatin1Char('(') + patterns + QLatin1Char(')'))
                      ? description
                      : description + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    }
    return types.join(QStringLiteral(";;"));
}

bool QtCommonDialog::showSave() {
    // The dialog asks before it replaces an existing file.
    const QString chosen = QFileDialog::getSaveFileName(owner_ ? owner_->data() : nullptr,
                                                        QString(), QString(), qtFilter(filter));
    if (chosen.isEmpty()) return false;
    fileName = chosen;
    return true;
}

void QtMessageSink::warn(const QString& title, const QString& text) {
    QMessageBox::warning(owner_ ? owner_->data() : nullptr, title, text);
}

} // namespace toolkit
