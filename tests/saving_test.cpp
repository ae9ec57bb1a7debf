// Saving the way people expect: the format follows the extension, a bare
// name gets the chosen type's, anything else is refused and asked again, a
// failed save opens the dialog again on the same name, and the dialog starts
// in the last folder saved to with the letters written as the name.
#include "compose/letter_keys.h"
#include "support/expected_strip.h"
#include "support/pixels.h"
#include "support/session.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

void forgetTheLastFolder() {
    QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Cartouchery"),
              QStringLiteral("cartouchery"))
        .clear();
}

class Saving : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    std::unique_ptr<ProgramUnderTest> program;

    void SetUp() override {
        forgetTheLastFolder();
        program = std::make_unique<ProgramUnderTest>();
    }
    void TearDown() override { forgetTheLastFolder(); }

    void type(const char* letters) { program->type(letters); }
    QString path(const QString& name) { return dir.filePath(name); }
    QStringList files() { return QDir(dir.path()).entryList(QDir::Files); }
    QImage strip(const char* letters) { return expectedStrip(program->glyphsOf(letters)); }
};

struct Naming {
    const char* given;
    int type;            // the file type chosen in the dialog: 0 bitmap, 1 PNG
    const char* written; // null: refused
    const char* magic;   // the file's first bytes
};

void PrintTo(const Naming& n, std::ostream* os) {
    *os << '"' << n.given << "\" with file type " << n.type;
}

class Names : public Saving, public ::testing::WithParamInterface<Naming> {};

TEST_P(Names, DecideTheFileAndItsFormat) {
    const Naming& n = GetParam();
    type("BAC");
    program->dialog->answers = {path(QString::fromUtf8(n.given)), std::nullopt};
    program->dialog->types = {n.type};
    program->click("Image32");
    if (!n.written) {
        EXPECT_EQ(files(), QStringList()) << "nothing is written";
        ASSERT_EQ(program->messages->texts.size(), 1u);
        const QString& text = program->messages->texts[0];
        EXPECT_TRUE(text.contains(QStringLiteral("(.bmp)")) &&
                    text.contains(QStringLiteral("(.png)")))
            << "the message names both formats: " << text.toStdString();
        ASSERT_EQ(program->dialog->shown, 2) << "the dialog opens again";
        EXPECT_EQ(program->dialog->startedAt[1], path(QString::fromUtf8(n.given)))
            << "on the name given";
        return;
    }
    EXPECT_EQ(files(), QStringList{QString::fromUtf8(n.written)});
    EXPECT_TRUE(program->messages->texts.empty());
    QFile file(path(QString::fromUtf8(n.written)));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.read(4).left(qsizetype(strlen(n.magic))), QByteArray(n.magic));
    EXPECT_TRUE(samePixels(QImage(file.fileName()).convertToFormat(QImage::Format_ARGB32),
                           strip("BAC"), n.written));
}

INSTANTIATE_TEST_SUITE_P(Saving, Names,
                         ::testing::Values(Naming{"anna.bmp", 0, "anna.bmp", "BM"},
                                           Naming{"anna.png", 0, "anna.png", "\x89PNG"},
                                           Naming{"ANNA.PNG", 1, "ANNA.PNG", "\x89PNG"},
                                           Naming{"bare", 0, "bare.bmp", "BM"},
                                           Naming{"bare", 1, "bare.png", "\x89PNG"},
                                           Naming{"name.jpg", 0, nullptr, ""},
                                           Naming{"name.bmp.txt", 1, nullptr, ""}),
                         [](const auto& info) { return std::to_string(info.index); });

TEST_F(Saving, TheDialogSuggestsTheLettersWrittenInTheLastFolderSavedTo) {
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    program->click("Image32");
    EXPECT_EQ(program->dialog->startedAt.back(),
              QDir(pictures).filePath(QStringLiteral("name.bmp")))
        << "the first time: the Pictures folder, and a name for an empty strip";

    type("ANNA");
    program->dialog->answers = {path(QStringLiteral("first.bmp"))};
    program->click("Image32");
    EXPECT_EQ(program->dialog->startedAt.back(),
              QDir(pictures).filePath(QStringLiteral("ANNA.bmp")));

    program->click("Image32");
    EXPECT_EQ(program->dialog->startedAt.back(), path(QStringLiteral("ANNA.bmp")))
        << "the folder of the last save";

    program = std::make_unique<ProgramUnderTest>();
    type("OTTO");
    program->dialog->filterIndex = 1;
    program->click("Image32");
    EXPECT_EQ(program->dialog->startedAt.back(), path(QStringLiteral("OTTO.png")))
        << "remembered across runs, with the file type chosen";
}

TEST_F(Saving, AFailedSaveOpensTheDialogAgainOnTheSameName) {
    type("R");
    const QString blocked = path(QStringLiteral("plain/inside.bmp"));
    QFile blocker(path(QStringLiteral("plain")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    program->dialog->answers = {blocked, path(QStringLiteral("elsewhere.bmp"))};
    program->click("Image32");
    ASSERT_EQ(program->messages->texts.size(), 1u);
    EXPECT_TRUE(program->messages->texts[0].contains(blocked));
    ASSERT_EQ(program->dialog->shown, 2);
    EXPECT_EQ(program->dialog->startedAt[1], blocked);
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("elsewhere.bmp"))))
        << "another place chosen the second time";
}

} // namespace
