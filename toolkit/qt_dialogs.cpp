#include "qt_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace toolkit {
namespace {

QWidget* ownerWidget(const DialogOwner& owner) {
    return owner ? owner->data() : nullptr;
}

} // namespace

QStringList qtFileTypes(const QString& filter) {
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
    return types;
}

QString qtFilter(const QString& filter) {
    return qtFileTypes(filter).join(QStringLiteral(";;"));
}

QString fileTypeExtension(const QString& type) {
    static const QRegularExpression firstPattern(QStringLiteral("\\*\\.(\\w+)"));
    return firstPattern.match(type).captured(1);
}

bool QtCommonDialog::showSave() {
    const QStringList types = qtFileTypes(filter);
    QFileDialog dialog(ownerWidget(owner_));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(types);
    if (!types.isEmpty()) {
        const QString& type = types[std::clamp<qsizetype>(filterIndex, 0, types.size() - 1)];
        dialog.selectNameFilter(type);
        dialog.setDefaultSuffix(fileTypeExtension(type));
    }
    // A name typed without an extension gets the chosen type's; the dialog
    // adds it before it asks whether to replace an existing file.
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog](const QString& type) { dialog.setDefaultSuffix(fileTypeExtension(type)); });
    if (!fileName.isEmpty()) {
        const QFileInfo start(fileName);
        dialog.setDirectory(start.absolutePath());
        dialog.selectFile(start.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    fileName = dialog.selectedFiles().first();
    filterIndex = int(std::max<qsizetype>(0, types.indexOf(dialog.selectedNameFilter())));
    return true;
}

QWidget* QtMessageSink::owner() const {
    return ownerWidget(owner_);
}

void QtMessageSink::warn(const QString& title, const QString& text) {
    QMessageBox::warning(owner(), title, text);
}

void QtMessageSink::inform(const QString& title, const QString& text) {
    QMessageBox::about(owner(), title, text);
}

void QtMessageSink::present(QWidget* window) {
    QWidget* owner = this->owner();
    window->setParent(owner, window->windowFlags() | Qt::Window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    if (owner) // beside the program's window, as a dialog would be
        window->move(owner->geometry().center() - window->rect().center());
    window->show();
    window->raise();
    window->activateWindow();
}

void QtMessageSink::beep() {
    QApplication::beep();
}

} // namespace toolkit
