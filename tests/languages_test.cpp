// The user's language: the program's texts in German, French, Spanish and
// Arabic, Qt's own for its dialogs, a window that never mirrors; and the
// signs' code points, checked against Unicode's own names for them.
#include "compose/letter_keys.h"
#include "form_window.h"
#include "support/session.h"
#include "translations.h"

#include <QAbstractButton>
#include <QFile>
#include <QMessageBox>
#include <QTest>

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

struct Language {
    const char* locale;
    const char* quit;     // the menu's Quit
    const char* tip;      // the tooltip of F
    const char* empty;    // the empty strip, as read out
    const char* qtCancel; // Qt's own Cancel button
};

void PrintTo(const Language& l, std::ostream* os) {
    *os << l.locale;
}

class Languages : public ::testing::TestWithParam<Language> {
  protected:
    void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

TEST_P(Languages, TheProgramAndQtSpeakTheUsersLanguage) {
    const Language& l = GetParam();
    QLocale::setDefault(QLocale(QString::fromLatin1(l.locale)));
    const toolkit::Translations translations(QStringLiteral("cartouchery"));
    ProgramUnderTest program;
    QString quit;
    for (const toolkit::Command& c : program.session->events().commands())
        quit = c.text; // the last one
    EXPECT_EQ(quit, QString::fromUtf8(l.quit));
    EXPECT_EQ(QString::fromStdString(program.control("Image9").toolTip), QString::fromUtf8(l.tip));
    EXPECT_EQ(QString::fromStdString(program.control("Frame2").accessibleText()),
              QString::fromUtf8(l.empty));
    QMessageBox box(QMessageBox::Question, QString(), QString(), QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text().remove(QLatin1Char('&')),
              QString::fromUtf8(l.qtCancel))
        << "Qt's own translation for " << l.locale;
}

INSTANTIATE_TEST_SUITE_P(
    Languages, Languages,
    ::testing::Values(Language{"de_DE", "Beenden", "F: Hornviper", "leer", "Abbrechen"},
                      Language{"fr_FR", "Quitter", "F : vipère à cornes", "vide", "Annuler"},
                      Language{"es_ES", "Salir", "F: víbora cornuda", "vacía", "Cancelar"},
                      Language{"ar_EG", "إنهاء", "F: أفعى مقرنة", "فارغ", "ألغِ"}),
    [](const auto& info) { return std::string(info.param.locale); });

TEST(Languages, TheWindowNeverMirrorsInARightToLeftLanguage) {
    QLocale::setDefault(QLocale(QStringLiteral("ar_EG")));
    const toolkit::Translations translations(QStringLiteral("cartouchery"));
    QGuiApplication::setLayoutDirection(Qt::RightToLeft); // as Qt's Arabic sets it
    ProgramUnderTest program;
    toolkit::FormWindow window(program.form(), program.session->events());
    EXPECT_EQ(window.layoutDirection(), Qt::LeftToRight);
    program.click("Image2");
    program.click("Image5");
    EXPECT_TRUE(program.control("Image3", 0).rectInWindow().left() <
                program.control("Image3", 1).rectInWindow().left())
        << "the strip reads left to right";
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    QLocale::setDefault(QLocale::c());
}

// Each key's code points are the signs Unicode names by its Gardiner codes:
// "G1" is EGYPTIAN HIEROGLYPH G001, "M17A" is M017A, "Aa1" would be AA001.
TEST(SignText, EachKeysCodePointsAreTheSignsUnicodeNamesByItsGardinerCodes) {
    QFile data(QStringLiteral(CARTOUCHERY_UNICODE_DATA));
    ASSERT_TRUE(data.open(QIODevice::ReadOnly))
        << CARTOUCHERY_UNICODE_DATA << " is missing (Debian: unicode-data)";
    std::map<char32_t, QString> names;
    while (!data.atEnd()) {
        const QList<QByteArray> fields = data.readLine().split(';');
        if (fields.size() > 1 && fields[1].startsWith("EGYPTIAN HIEROGLYPH "))
            names[char32_t(fields[0].toUInt(nullptr, 16))] = QString::fromLatin1(fields[1]);
    }
    ASSERT_GT(names.size(), 1000u);
    for (const compose::LetterKey& key : compose::kLetterKeys) {
        const QStringList codes = QString::fromLatin1(key.gardiner).split(QLatin1Char(' '));
        ASSERT_EQ(size_t(codes.size()), key.unicode.size())
            << key.letter << ": a code point a sign";
        for (qsizetype i = 0; i < codes.size(); ++i) {
            // G1 -> G001: the letters, then the number in three digits, then any suffix.
            const QString& code = codes[i];
            qsizetype digits = 0;
            while (!code[digits].isDigit())
                ++digits;
            qsizetype end = digits;
            while (end < code.size() && code[end].isDigit())
                ++end;
            const QString expected =
                QStringLiteral("EGYPTIAN HIEROGLYPH ") + code.left(digits).toUpper() +
                code.mid(digits, end - digits).rightJustified(3, QLatin1Char('0')) + code.mid(end);
            EXPECT_EQ(names[key.unicode[size_t(i)]], expected)
                << key.letter << " (" << key.sign << "): U+" << std::hex
                << uint32_t(key.unicode[size_t(i)]);
        }
    }
}

} // namespace
