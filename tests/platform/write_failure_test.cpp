#include "platform/file_errors.h"
#include "platform/system_files.h"
#include "platform/text_file.h"
#include "support/test_env.h"
#include <QDir>
#include <cerrno>
#include <cstring>
#ifdef Q_OS_WIN
#include <QElapsedTimer>
#include <thread>
#include <windows.h>
#endif

// Every step of a save that fails leaves the old file whole and says why in
// French; a failure is never reported as success.
namespace {

class WriteFailureTest : public DataDirTest {
protected:
    ~WriteFailureTest() override { setWriteFault({}); }
    void failAt(WriteStep failing, int error)
    {
        setWriteFault([=](WriteStep step, const QString&) { return step == failing ? error : 0; });
    }
    QStringList leftovers() const
    {
        return QDir(dir.path()).entryList({"*.tmp*", "*.old", "*.lock"}, QDir::Files | QDir::NoDotAndDotDot);
    }
};

const QString unchanged = QStringLiteral("Impossible d'enregistrer le fichier log.txt : il est resté inchangé.");

} // namespace

TEST_F(WriteFailureTest, EachFailedStepKeepsTheOldFileAndSaysWhyInFrench)
{
    const struct {
        WriteStep step;
        int error;
    } cases[] = {{WriteStep::Open, EACCES}, {WriteStep::Write, ENOSPC}, {WriteStep::Sync, EIO},
                 {WriteStep::Close, EIO},   {WriteStep::Close, ENOSPC}, {WriteStep::Rename, EROFS},
                 {WriteStep::SyncFolder, EIO}};
    for (const auto& c : cases) {
        if (c.step == WriteStep::SyncFolder && !systemFiles::renameNeedsFolderSync())
            continue; // the rename confirmed itself: that step cannot fail there
        writeFile("log.txt", "old\r\n");
        failAt(c.step, c.error);
        const Result result = writeLinesAtomically(path("log.txt"), path("log.txt.tmp"), {"new"});
        EXPECT_FALSE(result.ok) << int(c.step);
        EXPECT_EQ(result.message, unchanged);
        EXPECT_EQ(result.detail, fileErrorText(c.error, FileAction::Write, path("log.txt")));
        EXPECT_EQ(readFile("log.txt"), QByteArray("old\r\n")) << int(c.step);
        EXPECT_EQ(leftovers(), QStringList()) << int(c.step);
    }
    // A file that did not exist before does not exist after.
    if (systemFiles::renameNeedsFolderSync()) {
        failAt(WriteStep::SyncFolder, EIO);
        EXPECT_FALSE(writeLinesAtomically(path("new.txt"), path("new.txt.tmp"), {"new"}).ok);
        EXPECT_FALSE(exists("new.txt"));
    }
    setWriteFault({});
    EXPECT_TRUE(writeLinesAtomically(path("log.txt"), path("log.txt.tmp"), {"new"}).ok);
    EXPECT_EQ(readFile("log.txt"), QByteArray("new\r\n"));
    EXPECT_EQ(leftovers(), QStringList());
}

TEST_F(WriteFailureTest, SystemErrorsReachTheOperatorOnlyAsFrenchAdvice)
{
    // A folder where the file should be: read and write both say so in French.
    QDir(dir.path()).mkdir("log.txt");
    const LinesRead read = readLines(path("log.txt"));
    EXPECT_EQ(read.status, ReadStatus::Error);
    EXPECT_EQ(read.error, QStringLiteral("Un dossier porte le nom de ce fichier (log.txt) : renommez ou déplacez ce "
                                         "dossier puis recommencez."));
    const Result written = writeLinesAtomically(path("log.txt"), path("log.txt.tmp"), {"new"});
    EXPECT_EQ(written.detail, read.error);
    EXPECT_FALSE(exists("log.txt.tmp"));
    QDir(dir.path()).rmdir("log.txt");
    QDir(dir.path()).mkdir("Temporaire.txt");
    EXPECT_EQ(writeLinesAtomically(path("log.txt"), path("Temporaire.txt"), {"new"}).detail,
              QStringLiteral("Un dossier porte le nom de ce fichier (Temporaire.txt) : renommez ou déplacez ce "
                             "dossier puis recommencez."));
}

#ifdef Q_OS_WIN
// On Windows a file that another program holds open (an editor, a backup
// tool) cannot be replaced: a short hold is waited out, a long one is told.
TEST_F(WriteFailureTest, AFileHeldOpenByAnotherProgramIsWaitedForThenReported)
{
    writeFile("log.txt", "old\r\n");
    const auto holdOpen = [&] {
        return CreateFileW(reinterpret_cast<const wchar_t*>(path("log.txt").utf16()), GENERIC_READ, FILE_SHARE_READ,
                           nullptr, OPEN_EXISTING, 0, nullptr);
    };
    HANDLE held = holdOpen();
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    std::thread editor([held] {
        Sleep(300);
        CloseHandle(held);
    });
    EXPECT_TRUE(writeLinesAtomically(path("log.txt"), path("log.txt.tmp"), {"new"}).ok);
    editor.join();
    EXPECT_EQ(readFile("log.txt"), QByteArray("new\r\n"));

    held = holdOpen();
    QElapsedTimer timer;
    timer.start();
    const Result refused = writeLinesAtomically(path("log.txt"), path("log.txt.tmp"), {"newer"});
    CloseHandle(held);
    EXPECT_GE(timer.elapsed(), 1500);
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.message, unchanged);
    EXPECT_EQ(refused.detail, QStringLiteral("Le fichier log.txt est utilisé par un autre programme : fermez ce "
                                             "programme puis recommencez."));
    EXPECT_EQ(readFile("log.txt"), QByteArray("new\r\n"));
    EXPECT_EQ(leftovers(), QStringList());
}
#endif

TEST(FileErrorText, EachErrorNumberSaysTheCauseAndWhatToDo)
{
    const QString file = QStringLiteral("/data/DFCF/F5ABC_DFCF.log");
    const auto write = [&](int error) { return fileErrorText(error, FileAction::Write, file); };
    const auto read = [&](int error) { return fileErrorText(error, FileAction::Read, file); };
    // The folder as the operator's system writes it ("Z:\\data\\DFCF" on Windows).
    const QString folder = QDir::toNativeSeparators(QFileInfo(file).absolutePath());
    EXPECT_EQ(write(ENOSPC), "Le disque est plein : libérez de la place sur le disque puis recommencez.");
#ifdef EDQUOT
    EXPECT_EQ(write(EDQUOT), write(ENOSPC));
#endif
    EXPECT_EQ(write(EROFS), "Le disque est en lecture seule : rendez-le accessible en écriture ou placez le dossier "
                            "de données sur un autre disque.");
    EXPECT_EQ(write(EACCES), QStringLiteral("Pas le droit d'écrire dans le dossier %1 : donnez ce droit à votre compte "
                                            "ou choisissez un autre dossier de données.").arg(folder));
    EXPECT_EQ(write(EPERM), write(EACCES));
    EXPECT_EQ(read(EACCES), "Pas le droit de lire le fichier F5ABC_DFCF.log : donnez ce droit à votre compte puis "
                            "recommencez.");
    EXPECT_EQ(write(EISDIR), "Un dossier porte le nom de ce fichier (F5ABC_DFCF.log) : renommez ou déplacez ce "
                             "dossier puis recommencez.");
    EXPECT_EQ(write(ENOENT), QStringLiteral("Le dossier %1 n'existe plus : recréez-le ou choisissez un autre dossier "
                                            "de données.").arg(folder));
    EXPECT_EQ(read(ENOENT), "Le fichier F5ABC_DFCF.log est introuvable : vérifiez le dossier de données.");
    EXPECT_EQ(write(ENOTDIR), QStringLiteral("Un fichier porte le nom d'un des dossiers du chemin %1 : renommez ce "
                                             "fichier puis recommencez.").arg(folder));
    EXPECT_EQ(write(EIO), "Le disque a signalé une erreur de lecture ou d'écriture : vérifiez le disque (ou la clé "
                          "USB) et son branchement puis recommencez.");
    EXPECT_EQ(write(EMFILE), "Trop de fichiers sont ouverts : fermez d'autres programmes puis recommencez.");
    EXPECT_EQ(write(ENFILE), write(EMFILE));
    EXPECT_EQ(write(EBUSY), "Le fichier F5ABC_DFCF.log est utilisé par un autre programme : fermez ce programme "
                            "puis recommencez.");
    EXPECT_EQ(write(ETXTBSY), write(EBUSY));
    EXPECT_EQ(write(ENAMETOOLONG), "Le chemin du fichier F5ABC_DFCF.log est trop long : choisissez un dossier de "
                                   "données au chemin plus court.");
    EXPECT_EQ(write(EFBIG), "Le fichier F5ABC_DFCF.log est trop gros pour ce disque : placez le dossier de données "
                            "sur un autre disque.");
    EXPECT_EQ(write(ENOMEM), "La mémoire manque : fermez d'autres programmes puis recommencez.");
    EXPECT_EQ(write(EXDEV), "Le système a refusé l'opération (erreur n° 18) : vérifiez le disque et le dossier de "
                            "données puis recommencez.");
    // Never the system's own words.
    for (int error : {ENOSPC, EROFS, EACCES, EISDIR, ENOENT, EIO, EXDEV})
        EXPECT_FALSE(write(error).contains(QString::fromLocal8Bit(strerror(error)), Qt::CaseInsensitive)) << error;
}

TEST(DataText, Utf8IsReadAsUtf8AndAnythingElseAsWindows1252)
{
    const DecodedText plain = decodeDataText("Ch\xE2teau");
    EXPECT_FALSE(plain.utf8);
    EXPECT_EQ(plain.text, QStringLiteral("Château"));
    for (const QByteArray& bytes : {QByteArray("Ch\xC3\xA2teau \xE2\x82\xAC"), QByteArray("\xEF\xBB\xBF" "Ch\xC3\xA2teau \xE2\x82\xAC")}) {
        const DecodedText utf8 = decodeDataText(bytes);
        EXPECT_TRUE(utf8.utf8);
        EXPECT_TRUE(utf8.fitsWindows1252);
        EXPECT_EQ(utf8.text, QStringLiteral("Château €"));
    }
    const DecodedText polish = decodeDataText("\xC5\x81\xC3\xB3\x64\xC5\xBA"); // Łódź
    EXPECT_TRUE(polish.utf8);
    EXPECT_FALSE(polish.fitsWindows1252);
    EXPECT_FALSE(decodeDataText("\xEF\xBB\xBF" "Ch\xE2teau").fitsWindows1252); // marked UTF-8 that is not
    EXPECT_EQ(decodeDataText("abc\r\n").text, QStringLiteral("abc\r\n"));
}
