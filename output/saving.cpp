#include "saving.h"

#include "operations.h"
#include "texts.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace output {
namespace {

const char* const kFolderKey = "save/folder";

// An INI file in the user's settings folder on every platform.
QSettings settings() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Cartouchery"),
                     QStringLiteral("cartouchery"));
}

// The file type chosen in the dialog; the first where none is.
const FileType& chosenType(const toolkit::CommonDialog& dialog) {
    return kFileTypes[size_t(std::clamp<int>(dialog.filterIndex, 0, int(kFileTypes.size()) - 1))];
}

QString withExtension(const QString& name, const FileType& type) {
    return name + QLatin1Char('.') + QLatin1String(type.extension);
}

const FileType* typeOf(const QString& path) {
    const QString extension = QFileInfo(path).suffix().toLower();
    for (const FileType& type : kFileTypes)
        if (extension == QLatin1String(type.extension)) return &type;
    return nullptr;
}

} // namespace

SaveControls saveControls(toolkit::Form& form) {
    return {compose::slotStrip(form),      &form.control("Picture1"), &form.control("Picture2"),
            &form.dialog("CommonDialog1"), &form.messages(),          form.caption()};
}

void composeStrip(const SaveControls& save) {
    toolkit::paintPicture(*save.canvas, save.blank->picture, 0, 0);
    for (size_t i = 0; i < save.strip.size(); ++i)
        if (save.strip[i]->visible)
            toolkit::paintPicture(*save.canvas, save.strip[i]->picture, kSlotPlaces[i].x,
                                  kSlotPlaces[i].y);
}

QString suggestedPath(const SaveControls& save) {
    QString folder = settings().value(QLatin1String(kFolderKey)).toString();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty()) folder = QDir::homePath();
    QString name = compose::writtenLetters(save.strip);
    if (name.isEmpty()) name = QStringLiteral("name");
    return QDir(folder).filePath(withExtension(name, chosenType(*save.dialog)));
}

void saveStrip(const SaveControls& save) {
    composeStrip(save);
    toolkit::CommonDialog& dialog = *save.dialog;
    dialog.fileName = suggestedPath(save);
    while (dialog.showSave()) {
        QString path = dialog.fileName;
        // Every platform's dialog adds the chosen type's extension to a bare
        // name; where one did not, it is added here.
        if (QFileInfo(path).suffix().isEmpty()) path = withExtension(path, chosenType(dialog));
        dialog.fileName = path; // the dialog opens again on the name given
        const FileType* type = typeOf(path);
        if (!type) {
            save.messages->warn(
                save.caption,
                Texts::tr("The picture could not be saved as\n%1\n\nIt can be saved as a "
                          "bitmap (.bmp) or as a PNG picture (.png).")
                    .arg(path));
            continue;
        }
        try {
            toolkit::savePicture(toolkit::image(*save.canvas), path, type->format);
            settings().setValue(QLatin1String(kFolderKey), QFileInfo(path).absolutePath());
            return;
        } catch (const toolkit::SaveError& e) {
            save.messages->warn(
                save.caption,
                Texts::tr("The picture could not be saved as\n%1\n\n%2").arg(path, e.reason()));
        }
    }
}

void bindSave(toolkit::Form& form, toolkit::EventRouter& events) {
    toolkit::Control& button = form.control("Image32");
    button.accessibleName = Texts::tr("Save").toStdString();
    button.accessibleDescription = Texts::tr("saves the strip as a picture").toStdString();
    const auto click = [save = saveControls(form)] { saveStrip(save); };
    events.bind(button, {.click = click});
    events.addCommand({Texts::tr("Save…"), QKeySequence::keyBindings(QKeySequence::Save), click});
}

} // namespace output
