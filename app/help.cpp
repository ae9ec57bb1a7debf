#include "help.h"

#include "letter_keys.h"
#include "texts.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace app {
namespace {

QTableWidget* signTable(toolkit::Form& form) {
    auto* table = new QTableWidget(int(compose::kLetterKeys.size()), 4);
    table->setHorizontalHeaderLabels(
        {Texts::tr("Letter"), Texts::tr("Sign"), Texts::tr("Name"), Texts::tr("Gardiner code")});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    int row = 0;
    for (const compose::LetterKey& key : compose::kLetterKeys) {
        const toolkit::Picture& glyph = form.control("Image4", key.glyph).picture;
        auto* sign = new QTableWidgetItem;
        sign->setData(Qt::DecorationRole, QPixmap::fromImage(*glyph));
        sign->setData(Qt::AccessibleTextRole, compose::signName(key));
        table->setItem(row, 0, new QTableWidgetItem(QString::fromLatin1(key.letter)));
        table->setItem(row, 1, sign);
        table->setItem(row, 2, new QTableWidgetItem(compose::signName(key)));
        table->setItem(row, 3, new QTableWidgetItem(QString::fromLatin1(key.gardiner)));
        ++row;
    }
    table->resizeColumnsToContents();
    // Every row as tall as the tallest sign, so the signs stand in an even column.
    table->resizeRowsToContents();
    int tallest = 0;
    for (int r = 0; r < table->rowCount(); ++r)
        tallest = std::max(tallest, table->rowHeight(r));
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(tallest);
    table->horizontalHeader()->setStretchLastSection(true);
    table->setCurrentCell(-1, -1);
    return table;
}

QString keysText(const toolkit::EventRouter& events) {
    QString rows;
    for (const toolkit::Command& command : events.commands()) {
        // The first key is the platform's usual one; the others are spares.
        const QString key = command.keys.isEmpty()
                                ? QString()
                                : command.keys.first().toString(QKeySequence::NativeText);
        rows += QStringLiteral("<tr><td>%1</td><td>%2</td></tr>")
                    .arg(command.text.toHtmlEscaped(), key.toHtmlEscaped());
    }
    return QStringLiteral("<p>%1</p><table cellspacing=\"4\">%2</table><p>%3</p>")
        .arg(Texts::tr("Type a letter, or click its key, to write its sign. The keys:")
                 .toHtmlEscaped(),
             rows,
             Texts::tr("The strip shows ten signs; a letter beyond them is refused with a beep.")
                 .toHtmlEscaped());
}

} // namespace

QWidget* keysAndSigns(toolkit::Form& form, const toolkit::EventRouter& events) {
    auto* window = new QWidget;
    window->setWindowTitle(Texts::tr("Keys and signs"));
    window->setObjectName(QStringLiteral("keysAndSigns"));
    auto* layout = new QVBoxLayout(window);
    layout->addWidget(signTable(form), 1);
    auto* keys = new QLabel(keysText(events));
    keys->setWordWrap(true);
    layout->addWidget(keys);
    window->resize(480, 640);
    return window;
}

QString aboutText() {
    return Texts::tr("<h3>The Cartouchery %1</h3>"
                     "<p>Writes a name in Egyptian hieroglyphs.</p>"
                     "<p>The Cartouchery is free software under the MIT licence.</p>"
                     "<p>It uses Qt %2 under the GNU Lesser General Public License 3.0.</p>"
                     "<p>Its signs and letters are drawn from the Noto fonts, under the SIL Open "
                     "Font License 1.1.</p>"
                     "<p>The licence texts come with the program.</p>")
        .arg(QCoreApplication::applicationVersion(), QString::fromLatin1(qVersion()));
}

void bindHelp(toolkit::Form& form, toolkit::EventRouter& events) {
    events.addCommand({Texts::tr("Keys and signs"),
                       QKeySequence::keyBindings(QKeySequence::HelpContents),
                       [&form, &events] { form.messages().present(keysAndSigns(form, events)); }});
    events.addCommand(
        {Texts::tr("About The Cartouchery"),
         {},
         [&form] { form.messages().inform(Texts::tr("About The Cartouchery"), aboutText()); },
         {},
         true});
    events.addCommand({Texts::tr("Quit"), QKeySequence::keyBindings(QKeySequence::Quit),
                       [] { QApplication::closeAllWindows(); }});
}

} // namespace app
