// The program file's Windows resources, compiled on Linux with the MinGW
// resource compiler: the icon and the U.S. English version record.
#include "support/file_facts.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

QByteArray utf16(const char* text) {
    QByteArray out;
    for (const char* p = text; *p; ++p)
        out.append(*p).append('\0');
    return out;
}

QByteArray compiled() {
    QFile f(QStringLiteral(CARTOUCHERY_RES_FILE));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The value stored for a key of the version record's string table.
QString versionString(const QByteArray& res, const char* key) {
    const QByteArray k = utf16(key) + QByteArray(2, '\0');
    qsizetype at = res.indexOf(k);
    if (at < 0) return QStringLiteral("<no key %1>").arg(QLatin1String(key));
    at += k.size();
    while (at < res.size() && res[at] == '\0')
        ++at; // padding to a 4-byte boundary
    QString value;
    for (; at + 1 < res.size() && (res[at] || res[at + 1]); at += 2)
        value += QChar(uint8_t(res[at]) | uint8_t(res[at + 1]) << 8);
    return value;
}

TEST(WindowsResources, VersionRecordNamesTheProgram) {
    const QByteArray res = compiled();
    ASSERT_FALSE(res.isEmpty()) << "no compiled resources at " CARTOUCHERY_RES_FILE;
    struct Entry {
        const char* key;
        const char* value;
    };
    for (const Entry& e : {Entry{"ProductName", "Cartouchery"},
                           {"InternalName", "Cartouchery"},
                           {"OriginalFilename", "Cartouchery.exe"},
                           {"FileVersion", "1.00"},
                           {"ProductVersion", "1.00"}})
        EXPECT_EQ(versionString(res, e.key), QString::fromLatin1(e.value)) << e.key;
    EXPECT_GE(res.indexOf(utf16("040904B0")), 0) << "a U.S. English string table";
}

TEST(WindowsResources, FixedVersionIsOnePointZero) {
    const QByteArray res = compiled();
    const QByteArray signature("\xBD\x04\xEF\xFE", 4);
    const qsizetype at = res.indexOf(signature);
    ASSERT_GE(at, 0) << "no fixed file information";
    auto dword = [&](qsizetype offset) {
        uint32_t v = 0;
        for (int i = 3; i >= 0; --i)
            v = v << 8 | uint8_t(res[at + offset + i]);
        return v;
    };
    EXPECT_EQ(dword(8), 0x00010000u) << "file version 1.0";
    EXPECT_EQ(dword(12), 0u) << "file version .0.0";
    EXPECT_EQ(dword(16), 0x00010000u) << "product version 1.0";
    EXPECT_EQ(dword(20), 0u) << "product version .0.0";
}

TEST(WindowsResources, CarriesTheWindowIcon) {
    const QByteArray icon = testing_support::readAsset(QStringLiteral("window.ico"));
    ASSERT_GT(icon.size(), 22);
    EXPECT_GE(compiled().indexOf(icon.mid(22)), 0) << "the icon's image is not in the resources";
}

} // namespace
