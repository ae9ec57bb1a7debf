// The committed pictures are exactly what the artwork generator writes, so no
// picture is edited by hand and the generator never rots.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(Artwork, RegeneratesTheCommittedAssetsByteForByte) {
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    QProcess artwork;
    artwork.start(QStringLiteral(ARTWORK_EXE), {out.path()});
    ASSERT_TRUE(artwork.waitForFinished(120000));
    ASSERT_EQ(artwork.exitCode(), 0) << artwork.readAllStandardError().toStdString();

    const QDir committed(QStringLiteral(CARTOUCHERY_ASSETS_DIR));
    QStringList written, kept;
    for (const QString& folder : {QString(), QStringLiteral("icons/")}) {
        for (const QString& f : QDir(out.filePath(folder)).entryList(QDir::Files))
            written << folder + f;
        for (const QString& f : QDir(committed.filePath(folder)).entryList(QDir::Files))
            kept << folder + f;
    }
    EXPECT_EQ(written, kept) << "the generator writes other files than assets/ holds";
    for (const QString& name : written) {
        QFile a(out.filePath(name)), b(committed.filePath(name));
        ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly))
            << name.toStdString();
        const QByteArray fresh = a.readAll(), kept = b.readAll();
        if (fresh == kept) continue;
        qsizetype at = 0;
        while (at < fresh.size() && at < kept.size() && fresh[at] == kept[at])
            ++at;
        ADD_FAILURE() << name.toStdString() << " differs from assets/ at byte " << at
                      << " (regenerated " << fresh.size() << " bytes, committed " << kept.size()
                      << "); run the regenerate-artwork target and commit the result";
    }
}
